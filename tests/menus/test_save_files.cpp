#include "menus/save_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/game_state_dump.h"
#include "game/json_out.h"
#include "menus/save_slots_panel.h"
#include "platform/file_buffer.h"
#include "platform/platform_test_util.h"

using testutil::ReadFile;
using testutil::ScopedChdir;
using testutil::TempDir;
using testutil::WriteFile;

namespace {

std::unique_ptr<GameState> NewGame() {
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  return s;
}

std::string Dump(const GameState& s) {
  JsonOut out;
  DumpGameState(s, out);
  return out.Text();
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// A game folder of its own with an empty Saves folder, as the working folder
// of the test.
class SaveFolder : public ::testing::Test {
 protected:
  SaveFolder() : chdir_(dir_.Path()) {}
  void SetUp() override { ASSERT_EQ(mkdir(dir_.File("Saves").c_str(), 0755), 0); }
  void TearDown() override { SetFileWriteHooks(nullptr); }

  std::string SlotFile(int n) const { return dir_.File("Saves/" + std::to_string(n) + ".save"); }

  // Saves a new game with these values into slot n.
  void SaveGame(int n, int32_t fame, uint32_t day, const char* name) {
    auto s = NewGame();
    s->fame = fame;
    s->day = day;
    GlyphFromText(name, s->playerName);
    FileBuffer buffer;
    ASSERT_EQ(SaveGameToSlot(buffer, *s, SaveExtras(), n), 1);
  }

  TempDir dir_;
  ScopedChdir chdir_;
};

// The file writer's hooks: writing stops after a number of bytes, or the
// rename fails.
size_t gWriteLimit = 0;
size_t gWritten = 0;

size_t WriteUpToTheLimit(const void* data, size_t n, FILE* file) {
  const size_t room = gWritten < gWriteLimit ? gWriteLimit - gWritten : 0;
  const size_t take = std::min(n, room);
  const size_t done = std::fwrite(data, 1, take, file);
  gWritten += done;
  return done;
}

size_t WriteAll(const void* data, size_t n, FILE* file) { return std::fwrite(data, 1, n, file); }
int Rename(const char* from, const char* to) { return std::rename(from, to); }
int FailRename(const char*, const char*) { return -1; }

}  // namespace

TEST_F(SaveFolder, AnInterruptedSaveLeavesTheOldGameWhole) {
  auto old = NewGame();
  old->gold = 111;
  old->slot = 2;
  FileBuffer buffer;
  ASSERT_EQ(SaveGameToSlot(buffer, *old, SaveExtras(), 2), 1);
  const std::vector<uint8_t> oldFile = ReadFile(SlotFile(2));
  ASSERT_EQ(oldFile.size(), 4 + size_t{kSaveImageBytes});

  auto next = NewGame();
  next->gold = 222;
  next->slot = 2;
  const size_t total = oldFile.size();
  // Every stop in the count and the first and last words, and a spread in
  // between.
  std::vector<size_t> stops;
  for (size_t k = 0; k < 64; ++k) stops.push_back(k);
  for (size_t k = 64; k < total - 64; k += 97) stops.push_back(k);
  for (size_t k = total - 64; k < total; ++k) stops.push_back(k);
  const FileWriteHooks hooks = {WriteUpToTheLimit, Rename};
  int checked = 0;
  for (size_t stop : stops) {
    gWriteLimit = stop;
    gWritten = 0;
    SetFileWriteHooks(&hooks);
    EXPECT_EQ(SaveGameToSlot(buffer, *next, SaveExtras(), 2), 0) << "stopped after " << stop;
    SetFileWriteHooks(nullptr);
    ASSERT_TRUE(ReadFile(SlotFile(2)) == oldFile) << "stopped after " << stop;
    EXPECT_FALSE(Exists(SlotFile(2) + ".tmp"));
    if (checked++ % 40 == 0) {
      auto back = NewGame();
      SaveExtras extras;
      ASSERT_EQ(LoadGameFromSlot(buffer, *back, extras, 2), 1);
      EXPECT_EQ(back->gold, 111);
    }
  }

  // Every byte written, then the rename fails.
  const FileWriteHooks noRename = {WriteAll, FailRename};
  SetFileWriteHooks(&noRename);
  EXPECT_EQ(SaveGameToSlot(buffer, *next, SaveExtras(), 2), 0);
  SetFileWriteHooks(nullptr);
  EXPECT_TRUE(ReadFile(SlotFile(2)) == oldFile);
  EXPECT_FALSE(Exists(SlotFile(2) + ".tmp"));
  auto back = NewGame();
  SaveExtras extras;
  ASSERT_EQ(LoadGameFromSlot(buffer, *back, extras, 2), 1);
  EXPECT_EQ(back->gold, 111);

  // A game with no slot writes no file.
  EXPECT_EQ(SaveGameToSlot(buffer, *next, SaveExtras(), 0), 0);
  // Nothing in the way: the new game replaces the old.
  ASSERT_EQ(SaveGameToSlot(buffer, *next, SaveExtras(), 2), 1);
  ASSERT_EQ(LoadGameFromSlot(buffer, *back, extras, 2), 1);
  EXPECT_EQ(back->gold, 222);
}

TEST_F(SaveFolder, DamagedFilesAreRefusedWithTheRecordUntouched) {
  auto good = NewGame();
  good->gold = 999;
  const std::vector<uint8_t> file = SaveFileBytes(*good, SaveExtras());

  std::vector<uint8_t> huge = file;
  huge[0] = huge[1] = huge[2] = huge[3] = 0xFF;
  std::vector<uint8_t> noise(file.size());
  uint32_t seed = 12345;
  for (uint8_t& b : noise) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<uint8_t>(seed >> 16);
  }
  std::vector<uint8_t> noiseBody = noise;  // random bytes behind a right count
  std::copy(file.begin(), file.begin() + 4, noiseBody.begin());
  std::vector<uint8_t> badRange = file;
  badRange[4 + 4 * 1985] = 0;  // the visitor: no member
  std::vector<uint8_t> longer = file;
  longer.push_back(0);
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool opens;  // FileBuffer hands the bytes over (the count matches the length)
  };
  const Case cases[] = {
      {"truncated", std::vector<uint8_t>(file.begin(), file.begin() + 40000), false},
      {"three bytes", {0x70, 0x11, 0x01}, false},
      {"a count of 0xFFFFFFFF", huge, false},
      {"random bytes", noise, false},
      {"random bytes behind a right count", noiseBody, true},
      {"a number out of range", badRange, true},
      {"one byte too many", longer, false},
      {"empty", {}, true},
  };

  SaveGame(1, 1, 1, "One");
  SaveGame(2, 2, 2, "Two");
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteFile(SlotFile(3), c.bytes)) << c.what;
    auto record = NewGame();
    record->gold = 5;
    record->slot = 3;
    const std::string before = Dump(*record);
    SaveExtras extras;
    extras.cameraX = 77;
    extras.endVictory = 1;
    FileBuffer buffer;
    EXPECT_EQ(LoadGameFromSlot(buffer, *record, extras, 3), 0) << c.what;
    EXPECT_EQ(Dump(*record), before) << c.what;
    EXPECT_EQ(extras.cameraX, 77) << c.what;
    EXPECT_EQ(extras.endVictory, 1) << c.what;

    // The slot lists show it damaged, whether the buffer took the bytes or
    // not (c.opens): used, never loadable, never a new game's free slot.
    SaveSlotsPanel panel;
    FileBuffer probe, read;
    ProbeSaveSlots(panel, probe, *record);
    ReadSlotSummaries(panel, read);
    EXPECT_EQ(panel.slotUsed[2], 1) << c.what;
    EXPECT_EQ(panel.slotUnreadable[2], 1) << c.what;
    EXPECT_TRUE(panel.Damaged(3)) << c.what;
    EXPECT_FALSE(panel.Loadable(3)) << c.what;
    EXPECT_EQ(record->slotFilled[2], 1) << c.what;
    EXPECT_EQ(FirstFreeSlot(panel), 4) << c.what;
    EXPECT_TRUE(panel.Loadable(1) && panel.Loadable(2));
  }

  // The good file loads.
  ASSERT_TRUE(WriteFile(SlotFile(3), file));
  auto record = NewGame();
  SaveExtras extras;
  FileBuffer buffer;
  ASSERT_EQ(LoadGameFromSlot(buffer, *record, extras, 3), 1);
  EXPECT_EQ(record->gold, 999);
}

// Any word of a saved game at either 32-bit extreme: the slot lists show the
// slot damaged, a new game passes it by, and the file stays as it was.
TEST_F(SaveFolder, EveryWordAtAnExtremeShowsTheSlotDamaged) {
  SaveGame(1, 1, 1, "One");
  auto record = NewGame();
  for (uint8_t& present : record->heroPresent) present = 1;  // every hero's words are read
  const std::vector<uint8_t> good = SaveFileBytes(*record, SaveExtras());
  FileBuffer probe, read;
  ASSERT_TRUE(WriteFile(SlotFile(2), good));
  SaveSlotsPanel whole;
  ProbeSaveSlots(whole, probe, *record);
  ReadSlotSummaries(whole, read);
  ASSERT_TRUE(whole.Loadable(2));
  for (const SaveImageField& f : SaveImageFields()) {
    for (uint32_t extreme : {0x7FFFFFFFu, 0x80000000u}) {
      std::vector<uint8_t> bytes = good;
      const size_t at = 4 + 4 * static_cast<size_t>(f.word);  // behind the count
      for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(extreme >> (8 * k));
      ASSERT_TRUE(WriteFile(SlotFile(2), bytes));
      SaveSlotsPanel panel;
      ProbeSaveSlots(panel, probe, *record);
      ReadSlotSummaries(panel, read);
      ASSERT_TRUE(panel.Damaged(2)) << f.name << " = " << extreme;
      ASSERT_TRUE(panel.Loadable(1)) << f.name;
      ASSERT_EQ(FirstFreeSlot(panel), 3) << f.name << " = " << extreme;
      ASSERT_TRUE(ReadFile(SlotFile(2)) == bytes) << f.name;
    }
  }
}
