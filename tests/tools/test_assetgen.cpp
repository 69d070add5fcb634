// The asset generator runs again over the build's game folder each time it is
// rebuilt. That folder is also where the player's games live: his options,
// saves and hall of fame must come through every run as he left them, while
// the game's own pictures, music and sounds are written afresh.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/data_settings.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

// As the game writes them for a player who turned the music off and chose
// the fast speeds.
constexpr const char* kPlayersSettings = "0 0 1 3 3 3 0 0 0 0\n";
constexpr const char* kSettings = "Data/data1.txt";
constexpr const char* kPicture = "Art/Map/Back.bmp";

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.flush()) << path;
}

// Runs the generator over dir; its exit status.
int Generate(const fs::path& dir) {
  const pid_t child = fork();
  if (child == 0) {
    execl(QORV_ASSETGEN, QORV_ASSETGEN, dir.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace

TEST(Assetgen, ARunOverThePlayersFolderKeepsHisFiles) {
  const fs::path game = TestFile("game");
  ASSERT_EQ(Generate(game), 0);
  EXPECT_EQ(Slurp(game / kSettings), kFreshSettings);
  const std::string picture = Slurp(game / kPicture);
  ASSERT_FALSE(picture.empty());

  // He plays: his options, a save and the hall of fame. A picture is damaged.
  Put(game / kSettings, kPlayersSettings);
  const std::string save(300, '\x5A'), hall = "hall of fame";
  fs::create_directory(game / "Saves");
  Put(game / "Saves" / "2.save", save);
  Put(game / "Saves" / "HallOfFame.save", hall);
  Put(game / kPicture, "damaged");

  ASSERT_EQ(Generate(game), 0);
  EXPECT_EQ(Slurp(game / kSettings), kPlayersSettings);
  EXPECT_EQ(Slurp(game / "Saves" / "2.save"), save);
  EXPECT_EQ(Slurp(game / "Saves" / "HallOfFame.save"), hall);
  EXPECT_EQ(Slurp(game / kPicture), picture) << "the game's own files are written afresh";

  // Whatever stands in the settings' place is his too, and is never read.
  fs::remove(game / kSettings);
  fs::create_symlink(TestFile("nowhere"), game / kSettings);
  ASSERT_EQ(Generate(game), 0);
  EXPECT_TRUE(fs::is_symlink(game / kSettings));
  EXPECT_FALSE(fs::exists(TestFile("nowhere")));
}
