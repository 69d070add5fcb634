// Files the game cannot trust, through the real screens: save slots whose
// file is there but cannot be read, a damaged hall of fame, and named pipes
// in place of every kind of file the game reads. Every test runs in a game
// folder of its own.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "app/data_settings.h"
#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "game/save_image.h"
#include "harness/scenario_driver.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/save_files.h"
#include "menus/save_slots_panel.h"
#include "platform/asset_log.h"
#include "platform/input_device.h"
#include "platform/platform_test_util.h"

namespace {

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

int MenuX(uint8_t id) { return kMenuButtons[id - 1].x + kMenuButtons[id - 1].w / 2; }
constexpr int kMenuY = 570;
int SlotX(int n) { return kSlotButtons[n - 1].x + kSlotButtons[n - 1].w / 2; }
int SlotY(int n) { return kSlotButtons[n - 1].y + kSlotButtons[n - 1].h / 2; }

// Ends the whole test program when the work it guards has not returned
// within its limit: a file the game waits on would otherwise hang the suite.
class Watchdog {
 public:
  Watchdog(const char* what, std::chrono::milliseconds limit)
      : thread_([this, what, limit] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!woken_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "%s did not return within %lld ms\n", what,
                         static_cast<long long>(limit.count()));
            std::_Exit(1);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    woken_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool done_ = false;
  std::thread thread_;
};

// Runs work, which must return within a second.
void WithinASecond(const char* what, const std::function<void()>& work) {
  Watchdog guard(what, std::chrono::milliseconds(1000));
  work();
}

// What is at a path, to tell that nothing touched it: the kind of thing,
// a link's target, a file's bytes.
std::string Snapshot(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return "nothing";
  if (S_ISDIR(st.st_mode)) return "folder";
  if (S_ISFIFO(st.st_mode)) return "pipe";
  if (S_ISLNK(st.st_mode)) {
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    return "link to " + std::string(target, n > 0 ? static_cast<size_t>(n) : 0);
  }
  const std::vector<uint8_t> bytes = ReadFile(path);
  return "file " + std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> SaveBytes(int32_t fame, const char* name) {
  GameState s;
  RunNewGameSequence(s);
  s.fame = fame;
  GlyphFromText(name, s.playerName);
  return SaveFileBytes(s, SaveExtras());
}

// One kind of damage, made at a path.
struct Damage {
  const char* what;
  std::function<bool(const std::string&)> make;
};

std::vector<Damage> SlotDamages() {
  const std::vector<uint8_t> good = SaveBytes(5, "Kept");
  std::vector<uint8_t> wrongCount = good;
  wrongCount[0] ^= 4;
  std::vector<uint8_t> refused = good;
  refused[4 + 4 * 1985] = 0;  // the visitor word: no member
  return {
      {"truncated",
       [=](const std::string& p) {
         return WriteFile(p, std::vector<uint8_t>(good.begin(), good.begin() + 30000));
       }},
      {"wrong count", [=](const std::string& p) { return WriteFile(p, wrongCount); }},
      {"folder", [](const std::string& p) { return mkdir(p.c_str(), 0755) == 0; }},
      {"dangling link", [](const std::string& p) { return symlink("gone.save", p.c_str()) == 0; }},
      {"named pipe", [](const std::string& p) { return mkfifo(p.c_str(), 0644) == 0; }},
      {"refused by the reader", [=](const std::string& p) { return WriteFile(p, refused); }},
  };
}

// A game folder of the test's own: the built Art folder (or folders of links
// to its files, where a file is to be replaced), a Data folder of links with
// a copy of the test folder's settings file, and an empty Saves folder, the
// working folder of the test.
class DamagedFiles : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    ASSERT_EQ(mkdir(temp_.File("Saves").c_str(), 0755), 0);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    EXPECT_EQ(chdir(TestFolder().c_str()), 0);
    EndToEnd::TearDown();
  }

  // Links the built folder sub (a path under the game folder) into the test
  // folder, entry by entry when one of its entries is to be made here.
  void LinkGameFolder(const std::string& sub, const std::string& except = "") {
    const std::string from = std::string(BuiltGameFolder()) + "/" + sub;
    if (except.empty()) {
      ASSERT_EQ(symlink(from.c_str(), temp_.File(sub).c_str()), 0);
      return;
    }
    ASSERT_EQ(mkdir(temp_.File(sub).c_str(), 0755), 0);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(from, ec)) {
      const std::string name = entry.path().filename().string();
      if (name == except) continue;
      ASSERT_EQ(symlink((from + "/" + name).c_str(), temp_.File(sub + "/" + name).c_str()), 0);
    }
    ASSERT_FALSE(ec) << from << ": " << ec.message();
  }
  void LinkArtAndData() {
    LinkGameFolder("Art");
    LinkGameFolder("Data", "data1.txt");
    std::error_code ec;
    std::filesystem::copy_file(TestFile("Data/data1.txt"), temp_.File("Data/data1.txt"), ec);
    ASSERT_FALSE(ec) << ec.message();
  }

  std::string SlotFile(int n) const { return temp_.File("Saves/" + std::to_string(n) + ".save"); }
  std::string HallFile() const { return temp_.File("Saves/HallOfFame.save"); }
  void ClearSaves() {
    std::error_code ec;
    std::filesystem::remove_all(temp_.File("Saves"), ec);
    ASSERT_FALSE(ec) << ec.message();
    ASSERT_EQ(mkdir(temp_.File("Saves").c_str(), 0755), 0);
  }

  TempDir temp_;
  const std::string& dir_ = temp_.Path();
};

// From the main menu to the load list, one frame shown.
SaveSlotsPanel& OpenLoadList(ScenarioDriver& driver) {
  driver.Click(MenuX(kMenuLoad), kMenuY, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  driver.RunFrames(1);
  return *driver.App().saveSlotsPanel;
}

std::vector<uint8_t> Row(const uint8_t (&bytes)[kSaveSlots]) {
  return std::vector<uint8_t>(bytes, bytes + kSaveSlots);
}

}  // namespace

// Each kind of damaged file in slot 2, a good game in slot 1: the load list
// shows slot 2 damaged and says it cannot be read when it is picked, a new
// game takes slot 3, and the damaged file is still there after the new game
// is saved.
TEST_F(DamagedFiles, EachKindOfDamagedSlotIsShownAndKept) {
  LinkArtAndData();
  for (const Damage& damage : SlotDamages()) {
    SCOPED_TRACE(damage.what);
    ClearSaves();
    ASSERT_TRUE(WriteFile(SlotFile(1), SaveBytes(10, "Good")));
    ASSERT_TRUE(damage.make(SlotFile(2)));
    const std::string before = Snapshot(SlotFile(2));

    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(2);
    GameApp& app = driver.App();
    SaveSlotsPanel* panel = nullptr;
    WithinASecond(damage.what, [&] { panel = &OpenLoadList(driver); });
    EXPECT_EQ(Row(panel->slotUsed), (std::vector<uint8_t>{1, 1, 0, 0, 0}));
    EXPECT_EQ(Row(panel->slotUnreadable), (std::vector<uint8_t>{0, 1, 0, 0, 0}));
    EXPECT_TRUE(panel->Damaged(2));
    EXPECT_EQ(Row(app.gameState->slotFilled), (std::vector<uint8_t>{1, 1, 0, 0, 0}));

    driver.Click(SlotX(2), SlotY(2), kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "LoadSlotsProc");
    EXPECT_EQ(panel->unreadableNotice, 2);
    EXPECT_TRUE(panel->Damaged(2));
    driver.RunFrames(1);
    if (std::string(damage.what) == "named pipe")
      driver.WriteShot(TestFile("load_list_damaged.png"));

    driver.PressKey(kKeyEscape);
    ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
    driver.RunFrames(1);
    driver.Click(MenuX(kMenuNewGame), kMenuY, kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "NameEntryProc");
    EXPECT_EQ(app.gameState->slot, 3);
    driver.Goto("GoSaveGame");
    driver.RunFrames(1);
    EXPECT_NE(Snapshot(SlotFile(3)), "nothing");
    EXPECT_EQ(Snapshot(SlotFile(2)), before);
  }
}

// With all five slots damaged none is free: the new game asks which to take
// over, both lists show every row damaged, and only the slot picked is
// replaced.
TEST_F(DamagedFiles, EveryDamagedSlotWaitsForThePlayersPick) {
  LinkArtAndData();
  const std::vector<Damage> damages = SlotDamages();
  std::vector<std::string> before;
  for (int n = 1; n <= kSaveSlots; ++n) {
    ASSERT_TRUE(damages[n].make(SlotFile(n))) << damages[n].what;
    before.push_back(Snapshot(SlotFile(n)));
  }
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  driver.Click(MenuX(kMenuNewGame), kMenuY, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "NewGameSlotProc");
  EXPECT_EQ(app.gameState->slot, 0);
  driver.RunFrames(1);
  ASSERT_NE(app.saveSlotsPanel, nullptr);
  for (int n = 1; n <= kSaveSlots; ++n) {
    EXPECT_TRUE(app.saveSlotsPanel->Damaged(n)) << damages[n].what;
    SlotSprite sprites[kMaxSummarySprites];
    EXPECT_GT(app.saveSlotsPanel->SummarySprites(n, kSummaryX, kSummaryY[n - 1], sprites), 0);
  }
  driver.WriteShot(TestFile("slot_choice_damaged.png"));

  // The dangling link in slot 3 is taken over; the new game is saved there
  // and loads; the other four are as they were.
  driver.Click(SlotX(3), SlotY(3), kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "NameEntryProc");
  EXPECT_EQ(app.gameState->slot, 3);
  app.gameState->fame = 321;
  driver.Goto("GoSaveGame");
  driver.RunFrames(1);
  GameState back;
  SaveExtras extras;
  EXPECT_EQ(LoadGameFile(back, extras, SlotFile(3).c_str()), 1);
  EXPECT_EQ(back.fame, 321);
  for (int n = 1; n <= kSaveSlots; ++n) {
    if (n == 3) continue;
    EXPECT_EQ(Snapshot(SlotFile(n)), before[n - 1]) << damages[n].what;
  }
}

// A save without read permission (root reads it all the same).
TEST_F(DamagedFiles, AnUnreadableSaveIsDamagedToo) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  LinkArtAndData();
  const std::vector<uint8_t> good = SaveBytes(10, "Good");
  ASSERT_TRUE(WriteFile(SlotFile(1), good));
  ASSERT_EQ(chmod(SlotFile(1).c_str(), 0), 0);
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  SaveSlotsPanel& panel = OpenLoadList(driver);
  EXPECT_TRUE(panel.Damaged(1));
  driver.Click(SlotX(1), SlotY(1), kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  driver.PressKey(kKeyEscape);
  driver.RunFrames(1);
  driver.Click(MenuX(kMenuNewGame), kMenuY, kMouseLeft);
  EXPECT_EQ(driver.App().gameState->slot, 2);
  ASSERT_EQ(chmod(SlotFile(1).c_str(), 0644), 0);
  EXPECT_TRUE(ReadFile(SlotFile(1)) == good);
}

// A hall-of-fame file that cannot be read shows an empty hall; the next game
// end moves it aside (a later one beside it, numbered) and writes the new row.
TEST_F(DamagedFiles, ADamagedHallOfFameIsKeptAside) {
  LinkArtAndData();
  GameState rows;
  rows.hallUsed[0] = 1;
  rows.hallScores[0] = 500;
  GlyphFromText("Old", rows.hallNames[0]);
  ASSERT_EQ(SaveHallOfFameFile(rows, HallFile().c_str()), 1);
  const std::vector<uint8_t> whole = ReadFile(HallFile());
  const std::vector<uint8_t> cut(whole.begin(), whole.end() - 8);
  const std::vector<Damage> damages = {
      {"wrong length", [&](const std::string& p) { return WriteFile(p, cut); }},
      {"folder", [](const std::string& p) { return mkdir(p.c_str(), 0755) == 0; }},
      {"named pipe", [](const std::string& p) { return mkfifo(p.c_str(), 0644) == 0; }},
  };
  const char* const aside[] = {"HallOfFame.save.bad", "HallOfFame.save.bad1",
                               "HallOfFame.save.bad2"};
  std::vector<std::string> kept;
  for (size_t k = 0; k < damages.size(); ++k) {
    SCOPED_TRACE(damages[k].what);
    ASSERT_EQ(std::remove(HallFile().c_str()), 0);
    ASSERT_TRUE(damages[k].make(HallFile()));
    kept.push_back(Snapshot(HallFile()));

    ScenarioDriver driver;
    driver.Start();
    GameApp& app = driver.App();
    WithinASecond(damages[k].what, [&] {
      driver.Goto("GoHallOfFame");
      driver.RunFrames(2);
    });
    ASSERT_NE(app.hallOfFameScreen, nullptr);
    for (int r = 0; r < kHallRows; ++r) EXPECT_EQ(app.hallOfFameScreen->rowUsed[r], 0);

    app.gameState->fame = 12 + static_cast<int32_t>(k);
    app.endPeaceTreaty = 1;
    WithinASecond(damages[k].what, [&] {
      driver.Goto("GoWriteHallOfFame");
      driver.RunFrames(1);
    });
    EXPECT_STREQ(driver.ScreenName(), "StoryProc");
    // Every damaged file so far is kept, each under its own name.
    for (size_t j = 0; j <= k; ++j)
      EXPECT_EQ(Snapshot(temp_.File(std::string("Saves/") + aside[j])), kept[j]) << aside[j];
    GameState hall;
    ASSERT_EQ(LoadHallOfFameFile(hall, HallFile().c_str()), 1);
    EXPECT_EQ(hall.hallUsed[0], 1);
    EXPECT_EQ(hall.hallScores[0], 12u + k);
    EXPECT_EQ(hall.hallUsed[1], 0);
  }
}

// A named pipe in place of the settings, the music, a picture, a save slot
// and the hall of fame: nothing waits on it. The settings keep their
// defaults, the picture and the music are missing, the slot is damaged and
// the hall empty.
TEST_F(DamagedFiles, NoFileTheGameReadsIsWaitedOn) {
  LinkGameFolder("Data", "data1.txt");
  ASSERT_EQ(mkfifo(temp_.File("Data/data1.txt").c_str(), 0644), 0);
  ASSERT_EQ(unlink(temp_.File("Data/Music.mid").c_str()), 0);
  ASSERT_EQ(mkfifo(temp_.File("Data/Music.mid").c_str(), 0644), 0);
  LinkGameFolder("Art", "Menu");
  LinkGameFolder("Art/Menu", "Load.bmp");
  ASSERT_EQ(mkfifo(temp_.File("Art/Menu/Load.bmp").c_str(), 0644), 0);
  ASSERT_EQ(mkfifo(SlotFile(1).c_str(), 0644), 0);
  ASSERT_EQ(mkfifo(HallFile().c_str(), 0644), 0);

  // The settings on their own, then the start that reads them and the music.
  DataSettings settings;
  WithinASecond("the settings", [&] { EXPECT_EQ(settings.LoadFrom("Data/data1.txt"), 0u); });
  for (int32_t v : settings.values) EXPECT_EQ(v, 0);
  ScenarioDriver driver;
  {
    Watchdog guard("the start", std::chrono::milliseconds(5000));
    driver.Start();
    driver.RunFrames(2);
  }
  GameApp& app = driver.App();
  ASSERT_NE(app.settings, nullptr);
  EXPECT_EQ(app.settings->values[0], 0);

  SaveSlotsPanel* panel = nullptr;
  WithinASecond("the load list", [&] { panel = &OpenLoadList(driver); });
  EXPECT_TRUE(panel->Damaged(1));
  driver.PressKey(kKeyEscape);
  driver.RunFrames(1);
  WithinASecond("the hall of fame", [&] {
    driver.Goto("GoHallOfFame");
    driver.RunFrames(2);
  });
  WithinASecond("the hall written", [&] {
    driver.Goto("GoWriteHallOfFame");
    driver.RunFrames(1);
  });
  EXPECT_EQ(Snapshot(temp_.File("Saves/HallOfFame.save.bad")), "pipe");
  EXPECT_EQ(Snapshot(SlotFile(1)), "pipe");

  // The two pipes the game asked for as pictures and music, and no other.
  std::vector<std::string> missing = MissingAssets();
  std::sort(missing.begin(), missing.end());
  missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
  EXPECT_EQ(missing, (std::vector<std::string>{"Art/Menu/Load.bmp", "Data/Music.mid"}));
  ClearMissingAssets();
}
