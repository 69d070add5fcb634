// Fuzzes the hall-of-fame file as the game reads it: the whole file through
// the file buffer, then the rows. A file is either refused with the rows
// left as they were, or gives rows that a new entry keeps well-formed and
// that write back to a file reading the same.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/save_image.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

const std::string& ScratchPath() {
  // In memory (tmpfs) where there is one: a file rewritten on disk at every
  // run would make the disk, not the reader, the measure of the run.
  static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  "/hall_of_fame_fuzz_" + std::to_string(getpid()) + ".save";
  // Gone when the fuzzer ends.
  static const int removed = std::atexit([] { std::remove(path.c_str()); });
  (void)removed;
  return path;
}

bool SameRows(const GameState& a, const GameState& b) {
  return std::memcmp(a.hallUsed, b.hallUsed, sizeof a.hallUsed) == 0 &&
         std::memcmp(a.hallScores, b.hallScores, sizeof a.hallScores) == 0 &&
         std::memcmp(a.hallNames, b.hallNames, sizeof a.hallNames) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An input whose first byte is odd is the image of a file with a sound
  // count (the rest of the input, cut or padded with zeros to 600 bytes),
  // so that the rows themselves get fuzzed; any other input is the whole
  // file as it stands.
  const bool framed = size > 0 && (data[0] & 1);
  std::string file;
  if (framed) {
    file.assign("\x58\x02\x00\x00", 4);
    file.append(reinterpret_cast<const char*>(data + 1),
                std::min<size_t>(size - 1, kHallOfFameBytes));
    file.resize(4 + kHallOfFameBytes, '\0');
  } else {
    file.assign(reinterpret_cast<const char*>(data), size);
  }
  FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (!f) return 0;
  if (!file.empty()) std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);

  GameState state;
  state.hallUsed[1] = 1;
  state.hallScores[1] = 77;
  GameState before = state;
  if (!LoadHallOfFameFile(state, ScratchPath().c_str())) {
    Check(SameRows(state, before));
    return 0;
  }
  // Only a file of the count 600 and 600 bytes is taken.
  Check(file.size() == 4 + kHallOfFameBytes);
  Check(file.compare(0, 4, std::string("\x58\x02\x00\x00", 4)) == 0);

  // Rows written back read the same, apart from score words beyond their
  // range, which fold into the score the game shows.
  GameState once = state;
  uint8_t image[kHallOfFameBytes];
  WriteHallOfFameImage(once, image);
  GameState again;
  Check(ReadHallOfFameImage(again, image, sizeof image) == 1);
  uint8_t image2[kHallOfFameBytes];
  WriteHallOfFameImage(again, image2);
  Check(std::memcmp(image, image2, sizeof image) == 0);

  // A new entry leaves the rows in order with no gaps.
  state.hallScore = static_cast<uint8_t>(file[4]) | static_cast<uint8_t>(file[5]) << 8;
  state.EnterHallOfFame();
  bool gap = false;
  for (int r = 0; r < kHallRows; ++r) {
    Check(state.hallUsed[r] <= 1);
    if (!state.hallUsed[r]) gap = true;
    if (state.hallUsed[r]) Check(!gap);
    if (r > 0 && state.hallUsed[r]) Check(state.hallScores[r] <= state.hallScores[r - 1]);
  }
  Check(state.hallUsed[0] == 1);
  return 0;
}
