#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/data_settings.h"
#include "game/game_state.h"
#include "platform/platform_test_util.h"
#include "test_folder.h"

namespace {

// A settings file in a scratch folder of the test's own.
class SettingsFile {
 public:
  SettingsFile()
      : path_(folder_.File("data1.txt")), missing_(folder_.File("no such folder/data1.txt")) {}
  const char* Write(const std::string& bytes) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (f) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    return path_.c_str();
  }
  const char* Missing() const { return missing_.c_str(); }
  const char* Path() const { return path_.c_str(); }

 private:
  testutil::TempDir folder_;
  std::string path_;
  std::string missing_;
};

void LoadText(SettingsFile& file, const std::string& text, DataSettings& settings) {
  settings.LoadFrom(file.Write(text));
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(DataSettings, ReadsUpToTenNumbers) {
  SettingsFile file;
  {
    DataSettings s;
    EXPECT_EQ(s.needsLoad, 1);
    for (int32_t v : s.values) EXPECT_EQ(v, 0);
    EXPECT_EQ(s.LoadFrom(file.Write("1")), 1u);
    EXPECT_EQ(s.values[0], 1);
    EXPECT_EQ(s.needsLoad, 0);
  }
  {
    DataSettings s;
    LoadText(file, "0 5 7", s);
    EXPECT_EQ(s.values[0], 0);  // the display stays off
    EXPECT_EQ(s.values[1], 5);
    EXPECT_EQ(s.values[2], 7);
    EXPECT_EQ(s.values[3], 0);
  }
  {
    // Any white space separates; signs are allowed; the eleventh is ignored.
    DataSettings s;
    LoadText(file, "  -3\n+4\t5\r\n6 7 8 9 10 11 12 13", s);
    const int32_t want[10] = {-3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(s.values[i], want[i]) << i;
  }
}

TEST(DataSettings, ShortDamagedAndMissingFiles) {
  SettingsFile file;
  {
    DataSettings s;
    EXPECT_EQ(s.LoadFrom(file.Missing()), 0u);
    EXPECT_EQ(s.needsLoad, 0);
    for (int32_t v : s.values) EXPECT_EQ(v, 0);
  }
  {
    DataSettings s;
    LoadText(file, "", s);
    for (int32_t v : s.values) EXPECT_EQ(v, 0);
  }
  {
    // Reading stops at the first token that is not a number.
    DataSettings s;
    LoadText(file, "2 x 5", s);
    EXPECT_EQ(s.values[0], 2);
    EXPECT_EQ(s.values[1], 0);
    EXPECT_EQ(s.values[2], 0);
  }
  {
    DataSettings s;
    LoadText(file, "on", s);
    EXPECT_EQ(s.values[0], 0);
  }
  {
    // A number too large for 32 bits is no number: the display stays off.
    DataSettings s;
    LoadText(file, "99999999999999999999 4", s);
    EXPECT_EQ(s.values[0], 0);
    EXPECT_EQ(s.values[1], 0);
  }
  {
    DataSettings s;
    LoadText(file, std::string("\0\xff\x01 7", 5), s);
    for (int32_t v : s.values) EXPECT_EQ(v, 0);
  }
  {
    // "12abc" reads 12, then stops.
    DataSettings s;
    LoadText(file, "12abc 3", s);
    EXPECT_EQ(s.values[0], 12);
    EXPECT_EQ(s.values[1], 0);
  }
}

TEST(DataSettings, LoadsOnlyOnce) {
  SettingsFile file;
  DataSettings s;
  EXPECT_EQ(s.LoadFrom(file.Write("1")), 1u);
  EXPECT_EQ(s.LoadFrom(file.Write("0")), 0u);
  EXPECT_EQ(s.values[0], 1);
}

// The options kept in the settings: written with the other values, read back
// by a new start, and taken only when all five are valid.
TEST(DataSettings, OptionsAreWrittenAndReadBack) {
  SettingsFile file;
  const uint8_t chosen[kOptionCount] = {kSwitchOff, kSwitchOn, kSpeedFast, kSpeedSlow,
                                        kSpeedAverage};
  const uint8_t start[kOptionCount] = {kSwitchOn, kSwitchOn, kSpeedAverage, kSpeedAverage,
                                       kSpeedAverage};
  {
    DataSettings s;
    LoadText(file, "1", s);
    EXPECT_EQ(s.StoreOptions(start), 0u) << "the start values need no writing";
    EXPECT_EQ(s.StoreOptions(chosen), 1u);
    EXPECT_EQ(s.StoreOptions(chosen), 0u) << "nothing new to write";
    ASSERT_EQ(s.SaveTo(file.Path()), 1u);
  }
  DataSettings again;
  ASSERT_EQ(again.LoadFrom(file.Path()), 1u);
  EXPECT_EQ(again.values[0], 1) << "the frames-per-second switch is kept";
  uint8_t options[kOptionCount] = {};
  ASSERT_EQ(again.ApplyOptions(options), 1u);
  for (int i = 0; i < kOptionCount; ++i) EXPECT_EQ(options[i], chosen[i]) << i;
  EXPECT_EQ(again.StoreOptions(start), 1u) << "back to the start values once chosen";

  // An old file without options, or one with a speed out of range, leaves
  // the game's own start values.
  for (const char* text : {"0", "0 1 1 2 2 4", "0 2 1 2 2 2", "0 1 1 0 2 2"}) {
    DataSettings s;
    LoadText(file, text, s);
    uint8_t kept[kOptionCount] = {kSwitchOn, kSwitchOn, kSpeedAverage, kSpeedAverage,
                                  kSpeedAverage};
    EXPECT_EQ(s.ApplyOptions(kept), 0u) << text;
    EXPECT_EQ(kept[kOptionMapSpeed], kSpeedAverage) << text;
  }

  // A folder that is not there: nothing written, no failure beyond the result.
  DataSettings s;
  EXPECT_EQ(s.SaveTo(file.Missing()), 0u);
}

// The settings are always written into a file of the game's own: a link at
// the temporary name (to a file outside the Data folder) is removed, never
// written through, and a temporary file left by a crash does not stop the
// write.
TEST(DataSettings, SaveNeverWritesThroughTheTemporaryName) {
  const std::string path = TestFile("Data/data1.txt");
  const std::string outside = TestFile("outside.txt");
  WriteText(outside, "outside\n");
  ASSERT_EQ(symlink(outside.c_str(), (path + ".tmp").c_str()), 0);
  DataSettings s;
  ASSERT_EQ(s.Load(), 1u);
  s.values[0] = 1;
  ASSERT_EQ(s.Save(), 1u);
  EXPECT_EQ(ReadText(outside), "outside\n");
  struct stat st;
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(ReadText(path), "1 0 0 0 0 0 0 0 0 0\n");
  EXPECT_NE(lstat((path + ".tmp").c_str(), &st), 0);

  WriteText(path + ".tmp", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9\n");
  s.values[1] = 1;
  ASSERT_EQ(s.Save(), 1u);
  EXPECT_EQ(ReadText(path), "1 1 0 0 0 0 0 0 0 0\n");
  EXPECT_NE(lstat((path + ".tmp").c_str(), &st), 0);
}
