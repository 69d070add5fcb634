#include "test_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/data_settings.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFolder = "Data";
constexpr const char* kSavesFolder = "Saves";
constexpr const char* kSettingsFile = "data1.txt";

std::string gFolder;

// <build>/test out/<program>/<Suite.Test>, with the '/' of parameterised
// names made '_'.
std::string FolderFor(const ::testing::TestInfo& test) {
  std::string name = std::string(test.test_suite_name()) + "." + test.name();
  std::replace(name.begin(), name.end(), '/', '_');
  return std::string(QORV_TEST_OUT) + "/" + program_invocation_short_name + "/" + name;
}

// Lays out the starting test's folder and enters it.
class OwnFolderListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& test) override {
    gFolder = FolderFor(test);
    std::error_code ec;
    // Links are removed, never followed: the build's game folder is safe.
    fs::remove_all(gFolder, ec);
    fs::create_directories(fs::path(gFolder).parent_path(), ec);
    std::string error;
    if (!LayOutGameFolder(gFolder, &error)) {
      ADD_FAILURE() << "no game folder of the test's own: " << error;
    } else if (chdir(gFolder.c_str()) != 0) {
      ADD_FAILURE() << "cannot enter " << gFolder;
    }
  }
};

// Registered before main runs the tests.
[[maybe_unused]] const bool gListening = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new OwnFolderListener);
  return true;
}();

}  // namespace

const std::string& TestFolder() { return gFolder; }

std::string TestFile(const std::string& name) { return gFolder + "/" + name; }

std::string ShellQuoted(const std::string& s) {
  std::string quoted = "'";
  for (const char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

const char* BuiltGameFolder() { return QORV_BUILT_GAME_DIR; }

bool LayOutGameFolder(const std::string& dir, std::string* error) {
  const fs::path from = BuiltGameFolder(), to = dir;
  std::error_code ec;
  if (!fs::create_directory(to, ec) || ec) {
    *error = "cannot make " + dir;
    return false;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
    const std::string name = entry.path().filename().string();
    if (name == kDataFolder || name == kSavesFolder || name[0] == '.') continue;
    fs::create_symlink(entry.path(), to / name, ec);
    if (ec) {
      *error = "cannot link " + name;
      return false;
    }
  }
  if (ec) {
    *error = "cannot read the game folder " + from.string();
    return false;
  }
  fs::create_directory(to / kSavesFolder, ec);
  if (!ec) fs::create_directory(to / kDataFolder, ec);
  if (ec) {
    *error = "cannot make the Saves and Data folders in " + dir;
    return false;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(from / kDataFolder, ec)) {
    const fs::path name = entry.path().filename();
    if (name == kSettingsFile) continue;
    fs::create_symlink(entry.path(), to / kDataFolder / name, ec);
    if (ec) {
      *error = "cannot link Data/" + name.string();
      return false;
    }
  }
  if (ec) {
    *error = "cannot read the Data folder of " + from.string();
    return false;
  }
  std::ofstream settings(to / kDataFolder / kSettingsFile, std::ios::binary);
  // A fresh folder's settings: the player's own file is never copied, so no
  // test depends on the options he chose.
  settings << kFreshSettings;
  if (!settings.flush()) *error = "cannot write Data/" + std::string(kSettingsFile);
  return static_cast<bool>(settings);
}
