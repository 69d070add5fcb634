// Each test plays in a game folder of its own (test_folder.h): what the game
// writes from there, the settings, a save, the hall of fame and a damaged
// hall moved aside, never reaches the build's game folder, which keeps the
// player's games and options.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/data_settings.h"
#include "game/game_state.h"
#include "game/save_image.h"
#include "menus/save_files.h"
#include "platform/file_buffer.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::set<std::string> Names(const fs::path& dir) {
  std::set<std::string> names;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
    names.insert(e.path().filename().string());
  return names;
}

}  // namespace

TEST(OwnGameFolder, WhatTheGameWritesStaysOutOfTheBuiltFolder) {
  const fs::path built = BuiltGameFolder();
  const fs::path builtSettings = built / "Data" / "data1.txt";
  const std::string settingsBefore = Slurp(builtSettings);
  const std::set<std::string> savesBefore = Names(built / "Saves");
  ASSERT_TRUE(fs::is_directory("Art")) << "no pictures in " << TestFolder();
  // Nothing is written unless the folders written are the test's own.
  std::error_code ec;
  for (const char* mine : {".", "Data", "Data/data1.txt", "Saves"})
    ASSERT_FALSE(fs::equivalent(mine, built / mine, ec)) << mine << " is the build's own";

  DataSettings settings;
  settings.Load();
  settings.values[0] = 1;
  EXPECT_EQ(settings.Save(), 1u);
  GameState state;
  FileBuffer buffer;
  EXPECT_EQ(SaveGameToSlot(buffer, state, SaveExtras(), 1), 1);
  EXPECT_EQ(SaveHallOfFameFile(state, kHallOfFamePath), 1);
  EXPECT_EQ(MoveFileAside(kHallOfFamePath), 1);

  EXPECT_EQ(Slurp(TestFile("Data/data1.txt")).substr(0, 1), "1");
  EXPECT_EQ(Names(TestFile("Saves")), (std::set<std::string>{"1.save", "HallOfFame.save.bad"}));
  EXPECT_EQ(Slurp(builtSettings), settingsBefore);
  EXPECT_EQ(Names(built / "Saves"), savesBefore);
}
