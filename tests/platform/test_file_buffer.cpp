#include "platform/file_buffer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform_test_util.h"
#include "test_folder.h"

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

TEST(FileBuffer, RoundTrip) {
  TempDir dir;
  const std::string path = dir.File("HallOfFame.save");
  FileBuffer out;
  uint8_t* p = out.Allocate(600);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(out.size, 600u);
  for (int i = 0; i < 600; ++i) p[i] = static_cast<uint8_t>(i * 7);
  ASSERT_EQ(out.Save(path.c_str()), 1u);
  const std::vector<uint8_t> bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 604u);
  EXPECT_EQ(bytes[0], 0x58);
  EXPECT_EQ(bytes[1], 0x02);
  EXPECT_EQ(bytes[2], 0x00);
  EXPECT_EQ(bytes[3], 0x00);
  struct stat st;
  EXPECT_NE(stat((path + ".tmp").c_str(), &st), 0);  // no temporary file left

  FileBuffer in;
  ASSERT_NE(in.Load(path.c_str()), nullptr);
  EXPECT_EQ(in.size, 600u);
  for (int i = 0; i < 600; ++i) ASSERT_EQ(in.Data()[i], static_cast<uint8_t>(i * 7));

  // The game's own path spelling works.
  ASSERT_EQ(mkdir(dir.File("Saves").c_str(), 0755), 0);
  const std::string gamePath = dir.Path() + "\\Saves\\1.save";
  ASSERT_EQ(out.Save(gamePath.c_str()), 1u);
  EXPECT_EQ(ReadFile(dir.File("Saves/1.save")).size(), 604u);
  ASSERT_NE(in.Load(gamePath.c_str()), nullptr);

  // Nothing to save.
  FileBuffer empty;
  EXPECT_EQ(empty.Save(dir.File("none").c_str()), 0u);
  empty.Allocate(0);
  EXPECT_EQ(empty.Save(dir.File("none").c_str()), 0u);
  EXPECT_NE(stat(dir.File("none").c_str(), &st), 0);
  empty.Free();
  EXPECT_EQ(empty.bytes, nullptr);
  EXPECT_EQ(empty.size, 0u);
}

TEST(FileBuffer, DamagedShortAndMissingFiles) {
  TempDir dir;
  FileBuffer in;
  EXPECT_EQ(in.Load(dir.File("missing").c_str()), nullptr);
  EXPECT_EQ(in.size, 0u);

  // An empty file: size 0 and a valid, empty buffer.
  ASSERT_TRUE(WriteFile(dir.File("empty"), {}));
  EXPECT_NE(in.Load(dir.File("empty").c_str()), nullptr);
  EXPECT_EQ(in.size, 0u);

  // Shorter than the count.
  ASSERT_TRUE(WriteFile(dir.File("short"), {3, 0}));
  EXPECT_EQ(in.Load(dir.File("short").c_str()), nullptr);
  // A count larger than what follows (a huge one must not be trusted either).
  ASSERT_TRUE(WriteFile(dir.File("truncated"), {10, 0, 0, 0, 1, 2, 3}));
  EXPECT_EQ(in.Load(dir.File("truncated").c_str()), nullptr);
  EXPECT_EQ(in.size, 0u);
  ASSERT_TRUE(WriteFile(dir.File("huge"), {0xFF, 0xFF, 0xFF, 0xFF, 1}));
  EXPECT_EQ(in.Load(dir.File("huge").c_str()), nullptr);
  // Extra bytes after the count's end.
  ASSERT_TRUE(WriteFile(dir.File("long"), {1, 0, 0, 0, 9, 9}));
  EXPECT_EQ(in.Load(dir.File("long").c_str()), nullptr);
  // A folder is no file.
  EXPECT_EQ(in.Load(dir.Path().c_str()), nullptr);
  // Exactly right.
  ASSERT_TRUE(WriteFile(dir.File("good"), {2, 0, 0, 0, 7, 8}));
  ASSERT_NE(in.Load(dir.File("good").c_str()), nullptr);
  EXPECT_EQ(in.size, 2u);
  EXPECT_EQ(in.bytes[1], 8);
}

// Only a name that is not there at all is missing: a link to nothing, a
// folder, a named pipe (never waited on) and a short file are there but
// cannot be read.
TEST(FileBuffer, TellsAMissingNameFromOneThatCannotBeRead) {
  TempDir dir;
  ASSERT_TRUE(WriteFile(dir.File("good"), {2, 0, 0, 0, 7, 8}));
  ASSERT_TRUE(WriteFile(dir.File("empty"), {}));
  ASSERT_TRUE(WriteFile(dir.File("short"), {3, 0}));
  ASSERT_EQ(symlink("nowhere", dir.File("dangling").c_str()), 0);
  ASSERT_EQ(mkdir(dir.File("folder").c_str(), 0755), 0);
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0644), 0);
  const struct {
    const char* name;
    FileFound found;
  } cases[] = {
      {"missing", FileFound::kMissing},    {"no/such/folder", FileFound::kMissing},
      {"good/below", FileFound::kMissing}, {"dangling", FileFound::kRefused},
      {"folder", FileFound::kRefused},     {"pipe", FileFound::kRefused},
      {"short", FileFound::kRefused},      {"empty", FileFound::kRegular},
      {"good", FileFound::kRegular},
  };
  for (const auto& c : cases) {
    FileBuffer in;
    FileFound found = FileFound::kRegular;
    const uint8_t* bytes = in.Load(dir.File(c.name).c_str(), &found);
    EXPECT_EQ(found, c.found) << c.name;
    EXPECT_EQ(bytes != nullptr, c.found == FileFound::kRegular) << c.name;
  }
}

TEST(FileBuffer, FailedSaveKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("2.save");
  ASSERT_TRUE(WriteFile(path, {4, 0, 0, 0, 1, 2, 3, 4}));
  FileBuffer out;
  out.Allocate(100);
  for (int i = 0; i < 100; ++i) out.bytes[i] = 0xEE;

  // The temporary file cannot be made.
  ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0755), 0);
  EXPECT_EQ(out.Save(path.c_str()), 0u);
  EXPECT_EQ(ReadFile(path), std::vector<uint8_t>({4, 0, 0, 0, 1, 2, 3, 4}));
  rmdir((path + ".tmp").c_str());

  // The folder does not exist.
  EXPECT_EQ(out.Save(dir.File("no/such/folder/3.save").c_str()), 0u);

  // The target is a folder that cannot be replaced.
  ASSERT_EQ(mkdir(dir.File("4.save").c_str(), 0755), 0);
  ASSERT_TRUE(WriteFile(dir.File("4.save/keep"), {1}));
  EXPECT_EQ(out.Save(dir.File("4.save").c_str()), 0u);
  EXPECT_EQ(ReadFile(dir.File("4.save/keep")), std::vector<uint8_t>({1}));
  struct stat st;
  EXPECT_NE(stat(dir.File("4.save.tmp").c_str(), &st), 0);

  EXPECT_EQ(out.Save(path.c_str()), 1u);
  EXPECT_EQ(ReadFile(path).size(), 104u);
}

// A save is always a file of the game's own: a link at the temporary name
// (to a file outside the Saves folder) is removed, never written through, and
// a temporary file left by a crash does not stop the save.
TEST(FileBuffer, SaveNeverWritesThroughTheTemporaryName) {
  const std::string path = TestFile("Saves/1.save");
  const std::string outside = TestFile("outside.save");
  ASSERT_TRUE(WriteFile(outside, {1, 0, 0, 0, 9}));
  ASSERT_EQ(symlink(outside.c_str(), (path + ".tmp").c_str()), 0);
  FileBuffer out;
  out.Allocate(3);
  for (int i = 0; i < 3; ++i) out.bytes[i] = static_cast<uint8_t>(i + 1);
  ASSERT_EQ(out.Save(path.c_str()), 1u);
  EXPECT_EQ(ReadFile(outside), std::vector<uint8_t>({1, 0, 0, 0, 9}));
  struct stat st;
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(ReadFile(path), std::vector<uint8_t>({3, 0, 0, 0, 1, 2, 3}));
  EXPECT_NE(lstat((path + ".tmp").c_str(), &st), 0);

  ASSERT_TRUE(WriteFile(path + ".tmp", std::vector<uint8_t>(40, 7)));
  out.bytes[0] = 4;
  ASSERT_EQ(out.Save(path.c_str()), 1u);
  EXPECT_EQ(ReadFile(path), std::vector<uint8_t>({3, 0, 0, 0, 4, 2, 3}));
  EXPECT_NE(lstat((path + ".tmp").c_str(), &st), 0);
}
