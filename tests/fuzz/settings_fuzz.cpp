// Fuzzes the settings file: whatever the file holds, the reader takes the
// leading decimal numbers up to the first token that is not one (or is
// beyond 32 bits) and leaves that value and the rest 0. A file over 64 KiB
// is refused whole and leaves every value at its default, 0. The runs reach
// past that size (-max_len and a seed at the limit, tests/fuzz/CMakeLists.txt).

#include <unistd.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/data_settings.h"

namespace {

// The largest settings file the game reads.
constexpr size_t kSettingsLimit = 64 * 1024;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

const std::string& ScratchPath() {
  // In memory (tmpfs) where there is one: a file rewritten on disk at every
  // run would make the disk, not the reader, the measure of the run.
  static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  "/settings_fuzz_" + std::to_string(getpid()) + ".txt";
  // Gone when the fuzzer ends.
  static const int removed = std::atexit([] { std::remove(path.c_str()); });
  (void)removed;
  return path;
}

// The numbers a reader of decimal tokens finds, by the same rule.
void Expected(const uint8_t* data, size_t size, int32_t* values) {
  size_t at = 0;
  for (int n = 0; n < 10; ++n) {
    while (at < size && std::isspace(data[at])) ++at;
    bool negative = false;
    if (at < size && (data[at] == '+' || data[at] == '-')) negative = data[at++] == '-';
    if (at >= size || !std::isdigit(data[at])) return;
    int64_t v = 0;
    bool tooBig = false;
    while (at < size && std::isdigit(data[at])) {
      v = v * 10 + (data[at++] - '0');
      if (v > int64_t{INT32_MAX} + 1) tooBig = true, v = int64_t{INT32_MAX} + 1;
    }
    if (negative) v = -v;
    if (tooBig || v > INT32_MAX || v < INT32_MIN) return;
    values[n] = static_cast<int32_t>(v);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (!f) return 0;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);

  DataSettings settings;
  const bool refused = size > kSettingsLimit;
  Check(settings.LoadFrom(ScratchPath().c_str()) == (refused ? 0u : 1u));
  Check(settings.needsLoad == 0);
  int32_t want[10] = {};
  if (!refused) Expected(data, size, want);
  for (int n = 0; n < 10; ++n) Check(settings.values[n] == want[n]);
  // A second load reads nothing.
  Check(settings.LoadFrom(ScratchPath().c_str()) == 0);
  return 0;
}
