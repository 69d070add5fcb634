// Where the game finds its files: the build folder's game folder, an
// installed game with the player's files in the user's data folder, and the
// installed pictures, music and sounds looked up behind the work folder.
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/platform_test_util.h"

namespace {

namespace fs = std::filesystem;
using testutil::ScopedChdir;
using testutil::TempDir;

constexpr const char* kInstalled = "../share/qorv";

void MakeDirs(const std::string& path) { fs::create_directories(path); }

TEST(GameFolders, BuildFolderInstalledGameAndCurrentFolder) {
  TempDir t;
  const std::string root = t.Path();
  std::string why;

  // An installed game: the player's files under an absolute XDG_DATA_HOME,
  // made with their Saves/ and Data/ on the way.
  MakeDirs(root + "/usr/bin");
  MakeDirs(root + "/usr/share/qorv/Art");
  const std::string exe = root + "/usr/bin/qorv";
  GameFolders f = FindGameFolders(exe, "/", kInstalled, (root + "/xdg").c_str(),
                                  (root + "/home").c_str(), &why);
  EXPECT_EQ(f.work, root + "/xdg/qorv");
  EXPECT_EQ(f.assets, root + "/usr/share/qorv");
  EXPECT_TRUE(fs::is_directory(root + "/xdg/qorv/Saves"));
  EXPECT_TRUE(fs::is_directory(root + "/xdg/qorv/Data"));
  // A relative or empty XDG_DATA_HOME is not taken: ~/.local/share.
  for (const char* xdg : {"relative/data", "", static_cast<const char*>(nullptr)}) {
    f = FindGameFolders(exe, "/", kInstalled, xdg, (root + "/home").c_str(), &why);
    EXPECT_EQ(f.work, root + "/home/.local/share/qorv") << (xdg ? xdg : "unset");
  }
  EXPECT_TRUE(fs::is_directory(root + "/home/.local/share/qorv/Saves"));
  // Neither set: no folder for the saves, said so.
  f = FindGameFolders(exe, "/", kInstalled, nullptr, nullptr, &why);
  EXPECT_TRUE(f.work.empty());
  EXPECT_NE(why.find("HOME"), std::string::npos);
  // A folder that cannot be made (a file stands in the way).
  ASSERT_TRUE(testutil::WriteFile(root + "/blocked", {'x'}));
  f = FindGameFolders(exe, "/", kInstalled, (root + "/blocked").c_str(), nullptr, &why);
  EXPECT_TRUE(f.work.empty());
  EXPECT_NE(why.find("blocked"), std::string::npos);

  // Run from the build folder: game/ beside the program wins, as it was.
  MakeDirs(root + "/usr/bin/game/Art");
  f = FindGameFolders(exe, "/", kInstalled, (root + "/xdg").c_str(), nullptr, &why);
  EXPECT_EQ(f.work, root + "/usr/bin/game");
  EXPECT_TRUE(f.assets.empty());

  // Elsewhere: the current folder when it holds Art/, else nothing.
  MakeDirs(root + "/here/Art");
  f = FindGameFolders(root + "/other/qorv", root + "/here", kInstalled, nullptr, nullptr, &why);
  EXPECT_EQ(f.work, root + "/here");
  f = FindGameFolders(root + "/other/qorv", root, kInstalled, nullptr, nullptr, &why);
  EXPECT_TRUE(f.work.empty());
  EXPECT_NE(why.find("no game folder"), std::string::npos);
}

TEST(GameFolders, AssetsAreFoundBehindTheWorkFolder) {
  TempDir work, assets;
  MakeDirs(work.File("Saves"));
  MakeDirs(assets.File("Art/Map"));
  ASSERT_TRUE(testutil::WriteFile(assets.File("Art/Map/Back.bmp"), {'B', 'M'}));
  ASSERT_TRUE(testutil::WriteFile(assets.File("Art/Cursor1.bmp"), {'B', 'M'}));
  ScopedChdir in(work.Path());
  ASSERT_TRUE(in.ok());

  // Without an asset folder nothing changes.
  SetAssetFolder("");
  EXPECT_EQ(ResolveGamePath("Art\\Map\\Back.bmp"), "Art/Map/Back.bmp");

  SetAssetFolder(assets.Path());
  // Found there, with letter case matched as in the work folder.
  EXPECT_EQ(ResolveGamePath("art\\MAP\\back.bmp"), assets.File("Art/Map/Back.bmp"));
  // A file in the work folder comes first.
  MakeDirs(work.File("Art"));
  ASSERT_TRUE(testutil::WriteFile(work.File("Art/Cursor1.bmp"), {'B', 'M'}));
  EXPECT_EQ(ResolveGamePath("Art\\Cursor1.bmp"), "Art/Cursor1.bmp");
  // What is in neither stays in the work folder (a save to be written).
  EXPECT_EQ(ResolveGamePath("Saves\\1.save"), "Saves/1.save");
  EXPECT_EQ(ResolveGamePath("Data//data1.txt"), "Data/data1.txt");
  // An absolute path is taken as it is.
  EXPECT_EQ(ResolveGamePath("/nowhere/Art/Map/Back.bmp"), "/nowhere/Art/Map/Back.bmp");
  SetAssetFolder("");
}

}  // namespace
