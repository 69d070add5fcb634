#include "app/data_settings.h"

#include <fstream>

DataSettings::DataSettings() : values{}, needsLoad(1) {}

DataSettings::~DataSettings() = default;

uint32_t DataSettings::Load() { return LoadFrom("Data//data1.txt"); }

uint32_t DataSettings::LoadFrom(const char* path) {
  if (!needsLoad) return 0;
  needsLoad = 0;
  std::ifstream in(path);
  if (!in) return 0;
  for (int32_t& value : values) {
    if (in.fail() || in.bad()) break;
    int v = 0;
    // A token that is not a decimal integer, or one beyond the range of a
    // 32-bit number, ends the reading; it and the values after it stay 0.
    if (!(in >> v)) break;
    value = v;
  }
  return 1;
}
