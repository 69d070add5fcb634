#include "app/data_settings.h"

#include <sstream>
#include <string>
#include <vector>

#include "platform/regular_file.h"

namespace {

// Ten numbers never need more; a longer file is not a settings file.
constexpr uint64_t kSettingsMaxBytes = 64 * 1024;

}  // namespace

DataSettings::DataSettings() : values{}, needsLoad(1) {}

DataSettings::~DataSettings() = default;

uint32_t DataSettings::Load() { return LoadFrom("Data//data1.txt"); }

uint32_t DataSettings::LoadFrom(const char* path) {
  if (!needsLoad) return 0;
  needsLoad = 0;
  // Read whole first: a pipe or anything else that is not a plain file is
  // never waited on, and leaves the settings at their defaults.
  std::vector<uint8_t> bytes;
  if (!path || ReadRegularFile(path, kSettingsMaxBytes, &bytes) != FileFound::kRegular) return 0;
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
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
