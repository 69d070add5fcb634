#include "app/data_settings.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "platform/paths.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

namespace {

// Ten numbers never need more; a longer file is not a settings file.
constexpr uint64_t kSettingsMaxBytes = 64 * 1024;

constexpr const char* kSettingsPath = "Data//data1.txt";

// The valid range of each option byte.
bool OptionValid(int index, int32_t value) {
  if (index == kOptionMusic || index == kOptionSounds)
    return value == kSwitchOff || value == kSwitchOn;
  return value >= kSpeedSlow && value <= kSpeedFast;
}

}  // namespace

DataSettings::DataSettings() : values{}, needsLoad(1) {}

DataSettings::~DataSettings() = default;

uint32_t DataSettings::Load() { return LoadFrom(kSettingsPath); }

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

uint32_t DataSettings::Save() { return SaveTo(kSettingsPath); }

uint32_t DataSettings::SaveTo(const char* path) {
  if (!path) return 0;
  const auto write = [this](FILE* f) {
    bool ok = true;
    for (int i = 0; i < 10 && ok; ++i) ok = std::fprintf(f, i ? " %d" : "%d", values[i]) > 0;
    return ok && std::fputc('\n', f) != EOF;
  };
  return ReplaceFile(ResolveGamePath(path), write) ? 1 : 0;
}

uint32_t DataSettings::StoreOptions(const uint8_t* options) {
  // A file that keeps no options and a player who kept the game's own start
  // values: nothing to write.
  uint8_t kept[kOptionCount] = {};
  bool startValues = true;
  for (int i = 0; i < kOptionCount; ++i)
    startValues =
        startValues &&
        options[i] == (i == kOptionMusic || i == kOptionSounds ? kSwitchOn : kSpeedAverage);
  if (startValues && !ApplyOptions(kept)) return 0;
  uint32_t changed = 0;
  for (int i = 0; i < kOptionCount; ++i) {
    int32_t& value = values[kSettingsOptionsFirst + i];
    if (value != options[i]) changed = 1;
    value = options[i];
  }
  return changed;
}

uint32_t DataSettings::ApplyOptions(uint8_t* options) const {
  for (int i = 0; i < kOptionCount; ++i)
    if (!OptionValid(i, values[kSettingsOptionsFirst + i])) return 0;
  for (int i = 0; i < kOptionCount; ++i)
    options[i] = static_cast<uint8_t>(values[kSettingsOptionsFirst + i]);
  return 1;
}
