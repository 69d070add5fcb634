// Fuzzes the readers of the save image and the hall-of-fame image, and the
// record rules that take numbers from them: a read either refuses the image
// and leaves the record as it was, or yields a record that writes back to a
// stable image; hall rows stay well-formed after an insertion.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/save_image.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

const GameState& NewGame() {
  static GameState* state = [] {
    auto* s = new GameState();
    RunNewGameSequence(*s);
    return s;
  }();
  return *state;
}

const std::vector<uint8_t>& NewGameImage() {
  static std::vector<uint8_t> image = [] {
    std::vector<uint8_t> bytes(kSaveImageBytes);
    WriteSaveImage(NewGame(), SaveExtras(), bytes.data());
    return bytes;
  }();
  return image;
}

// Images are written into buffers kept from run to run: a fresh 70 KB
// allocation per image would cost more than the reading under test.
const std::vector<uint8_t>& ImageOf(const GameState& s, const SaveExtras& e,
                                    std::vector<uint8_t>& bytes) {
  bytes.resize(kSaveImageBytes);
  WriteSaveImage(s, e, bytes.data());
  return bytes;
}

// The record every read starts from: a new game with a story scene and a
// camera of its own, and its image, written once.
struct Start {
  GameState state = NewGame();
  SaveExtras extras;
  uint8_t storyScene = 3;
  std::vector<uint8_t> image;
  Start() {
    extras.cameraX = 11;
    state.storyScene = storyScene;
    ImageOf(state, extras, image);
  }
};

void ReadAndCheck(const uint8_t* image, size_t size) {
  static const Start* start = new Start;
  static std::vector<uint8_t> after, once, twice;
  GameState state = start->state;
  SaveExtras extras = start->extras;
  if (!ReadSaveImage(state, extras, image, size)) {
    Check(ImageOf(state, extras, after) == start->image);
    Check(state.storyScene == start->storyScene);
    return;
  }
  Check(state.storyScene == start->storyScene);
  ImageOf(state, extras, once);
  GameState again = NewGame();
  SaveExtras againExtras;
  Check(ReadSaveImage(again, againExtras, once.data(), once.size()) == 1);
  // Absent heroes keep the records of the record they were read into, which
  // is the same new game in both reads.
  Check(ImageOf(again, againExtras, twice) == once);

  // The rules that use the loaded numbers as indexes.
  state.RelocateAfterBattle(state.battleId, state.battleByPlayer, state.battleHero);
  state.AdvanceQuestChains();
  state.ComputeScore();
  Check(state.score <= 540);
  int x = 0, y = 0;
  if (cells::CellCorner(state.partyCell, &x, &y)) Check(cells::CellAt(x, y) == state.partyCell);
}

void HallOfFame(const uint8_t* data, size_t size) {
  std::vector<uint8_t> image(kHallOfFameBytes);
  std::memcpy(image.data(), data, size < image.size() ? size : image.size());
  GameState state;
  if (!ReadHallOfFameImage(state, image.data(), image.size())) return;
  state.hallScore = size > 0 ? data[0] * 1000u : 0;
  state.EnterHallOfFame();
  bool gap = false;
  for (int r = 0; r < kHallRows; ++r) {
    Check(state.hallUsed[r] <= 1);
    if (!state.hallUsed[r]) gap = true;
    if (state.hallUsed[r]) Check(!gap);
    if (r > 0 && state.hallUsed[r]) Check(state.hallScores[r] <= state.hallScores[r - 1]);
  }
  Check(state.hallUsed[0] == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The input as a whole file and as an image of its own length.
  {
    GameState state = NewGame();
    SaveExtras extras;
    if (ReadSaveFileBytes(state, extras, data, size)) Check(size == 4 + size_t{kSaveImageBytes});
  }
  ReadAndCheck(data, size);

  // The input laid over a valid image: the first four bytes choose the
  // word where the rest is written, so every field gets its share.
  if (size >= 4) {
    static std::vector<uint8_t> image;
    image = NewGameImage();
    uint32_t at = (data[0] | data[1] << 8 | static_cast<uint32_t>(data[2]) << 16) % kSaveImageWords;
    size_t offset = size_t{at} * 4;
    size_t count = size - 4;
    if (count > image.size() - offset) count = image.size() - offset;
    std::memcpy(image.data() + offset, data + 4, count);
    ReadAndCheck(image.data(), image.size());
  }

  HallOfFame(data, size);
  return 0;
}
