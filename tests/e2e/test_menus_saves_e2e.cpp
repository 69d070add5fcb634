// The way into and out of a game, played headless: the main menu, the new
// game's slot search and slot choice, the load list, the save and load steps
// and the save-and-quit question. Every test runs in a game folder of its
// own (the built pictures and sounds, an empty Saves folder).

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "e2e_armies.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/game_state_dump.h"
#include "game/json_out.h"
#include "game/save_image.h"
#include "harness/scenario_driver.h"
#include "harness/scenario_script.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_files.h"
#include "menus/save_slots_panel.h"
#include "platform/file_buffer.h"
#include "platform/input_device.h"
#include "platform/platform_test_util.h"

namespace {

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

std::string Dump(const GameState& s) {
  JsonOut out;
  DumpGameState(s, out);
  return out.Text();
}

std::unique_ptr<GameState> NewGame() {
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  return s;
}

// The middle of a main-menu button and of a slot button.
int MenuX(uint8_t id) { return kMenuButtons[id - 1].x + kMenuButtons[id - 1].w / 2; }
constexpr int kMenuY = 570;
int SlotX(int n) { return kSlotButtons[n - 1].x + kSlotButtons[n - 1].w / 2; }
int SlotY(int n) { return kSlotButtons[n - 1].y + kSlotButtons[n - 1].h / 2; }
// Yes and No of the question.
constexpr int kYesX = 210, kNoX = 560, kAnswerY = 340;

std::string Click(int x, int y) {
  return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

size_t FailingWrite(const void*, size_t, FILE*) { return 0; }
int Rename(const char* from, const char* to) { return std::rename(from, to); }

// In the test's own game folder, whose Saves folder starts empty.
class MenusSaves : public EndToEnd {
 protected:
  void TearDown() override {
    SetFileWriteHooks(nullptr);
    EndToEnd::TearDown();
  }

  std::string SlotFile(int n) const { return dir_ + "/Saves/" + std::to_string(n) + ".save"; }

  // A new game with these values in slot n.
  void WriteSave(int n, int32_t fame, uint32_t day, const char* name) {
    auto s = NewGame();
    s->fame = fame;
    s->day = day;
    s->slot = static_cast<uint8_t>(n);
    GlyphFromText(name, s->playerName);
    ASSERT_EQ(SaveGameFile(*s, SaveExtras(), SlotFile(n).c_str()), 1);
  }

  // A game of day 31 under way in slot 2, on the map or in battle 1.
  static void StartDay31(ScenarioDriver& driver, bool inBattle) {
    driver.Start();
    driver.RunFrames(2);
    GameState& s = *driver.App().gameState;
    s.slot = 2;
    s.day = 31;
    if (inBattle) {
      s.battleId = 1;
      s.battleByPlayer = 1;
      s.battlePending = 1;
    }
    driver.Goto(inBattle ? "GoBattle" : "GoKingdomMap");
    driver.RunFrames(3);
  }

  // Slot 2 holds that game, saved on the map or in its battle.
  void ExpectDay31Saved(bool inBattle) {
    auto back = NewGame();
    SaveExtras extras;
    ASSERT_EQ(LoadGameFile(*back, extras, SlotFile(2).c_str()), 1);
    EXPECT_EQ(back->day, 31u) << "the slot holds the game";
    EXPECT_EQ(back->savedInBattle, inBattle ? 1 : 0);
  }

  int RunScript(const std::string& script, const std::string& name) {
    ScenarioOptions options;
    options.gameDir = dir_;
    err_.str("");
    return RunScenarioText(script, name, options, err_);
  }

  const std::string& dir_ = TestFolder();
  std::ostringstream err_;
};

// Opens the save-and-quit question as the map's or a battle's save button
// does.
void OpenQuestion(ScenarioDriver& driver, bool inBattle) {
  GameApp& app = driver.App();
  (inBattle ? app.saveQuitFromBattle : app.saveQuitFromMap) = 1;
  if (inBattle) app.gameState->savedInBattle = 1;
  app.gameState->overlayOpen = 1;
  app.LeaveScreen(GameApp::GoSaveAndQuit);
  driver.RunFrames(1);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
}
void OpenQuestionFromMap(ScenarioDriver& driver) { OpenQuestion(driver, false); }
void OpenQuestionFromBattle(ScenarioDriver& driver) { OpenQuestion(driver, true); }

// Presses the key for one frame and lets it go without running another, so
// that the screen the question leaves for has not run yet (a battle with
// nothing to fight goes straight back to the map).
void PressKeyOnce(ScenarioDriver& driver, int key) {
  driver.KeyDown(key);
  driver.RunFrames(1);
  driver.KeyUp(key);
}

// From the main menu, by mouse: the load list, then slot n.
void LoadByMouse(ScenarioDriver& driver, int n) {
  driver.Click(MenuX(kMenuLoad), kMenuY, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  driver.RunFrames(1);
  driver.Click(SlotX(n), SlotY(n), kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "LoadGameProc");
  driver.RunFrames(1);
}

// What the save step would write for the game as it stands.
std::vector<uint8_t> ImageNow(GameApp& app) {
  SaveExtras extras;
  if (app.kingdomMap) {
    extras.cameraX = app.kingdomMap->cameraX;
    extras.cameraY = app.kingdomMap->cameraY;
  }
  extras.endVictory = app.endVictory;
  extras.endPeaceTreaty = app.endPeaceTreaty;
  extras.endSurrendered = app.endSurrendered;
  extras.dayRecoveryPending = app.dayRecoveryPending;
  return SaveFileBytes(*app.gameState, extras);
}

}  // namespace

TEST_F(MenusSaves, NewGameTakesTheFirstFreeSlot) {
  // No save files: slot 1, straight to the name entry. A picture of the
  // menu on the way, the cursor over Load.
  const std::string shot = TestFile("main_menu.png");
  const std::string look = "frames 2\nmove " + std::to_string(MenuX(kMenuLoad)) + " " +
                           std::to_string(kMenuY) + "\nframes 1\nshot " + shot +
                           "\nexpect objects.mainMenuScreen.look [0,0,1,0,0,0]\n";
  EXPECT_EQ(
      RunScript(look + Click(MenuX(kMenuNewGame), kMenuY) +
                    "expect screen NameEntryProc\nexpect state.slot 1\nexpect app.leaveCode 1\n",
                "none.txt"),
      0)
      << err_.str();
  EXPECT_GT(ReadFile(shot).size(), 1000u);
  const std::string start = "frames 2\n" + Click(MenuX(kMenuNewGame), kMenuY);
  // Files 1 and 2: slot 3.
  WriteSave(1, 10, 2, "Ann");
  WriteSave(2, 20, 4, "Bob");
  EXPECT_EQ(RunScript(start + "expect screen NameEntryProc\nexpect state.slot 3\n", "two.txt"), 0)
      << err_.str();

  // The panel made for the search is gone again, and so are the game-end
  // flags of a game before.
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  driver.App().endVictory = 1;
  driver.Click(MenuX(kMenuNewGame), kMenuY, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "NameEntryProc");
  EXPECT_EQ(driver.App().saveSlotsPanel, nullptr);
  EXPECT_EQ(driver.App().readFile, nullptr);
  EXPECT_EQ(driver.App().probeFile, nullptr);
  EXPECT_EQ(driver.App().endVictory, 0);
  // The menu object stays for the way back.
  EXPECT_NE(driver.App().mainMenuScreen, nullptr);
}

TEST_F(MenusSaves, WithEverySlotUsedThePlayerPicksOne) {
  WriteSave(1, 7, 1, "Ann");
  WriteSave(2, 1050, 110, "Bob");
  WriteSave(3, 123456, 100, "Cyd");
  WriteSave(4, 0, 12, "Dee");
  WriteSave(5, 99, 45, "Eve");
  const std::string shot = TestFile("slot_choice.png");
  const std::string script =
      "frames 2\n"
      "tick 16\n" +
      Click(MenuX(kMenuNewGame), kMenuY) +
      "expect screen NewGameSlotProc\n"
      "expect state.slot 0\n"
      "frames 1\n"
      "expect objects.saveSlotsPanel.slotUsed [1,1,1,1,1]\n"
      "expect objects.saveSlotsPanel.summaryFame [7,1050,123456,0,99]\n"
      "expect objects.saveSlotsPanel.summaryDay [1,110,100,12,45]\n"
      "expect objects.saveSlotsPanel.summaryNameText [\"Ann\",\"Bob\",\"Cyd\",\"Dee\",\"Eve\"]\n"
      "move 300 140\n"
      "frames 1\n"
      "shot " +
      shot +
      "\n"
      // Escape goes back; a new game asks again.
      "key ESC\n"
      "expect screen MainMenuProc\n"
      "frames 1\n" +
      Click(MenuX(kMenuNewGame), kMenuY) +
      "expect screen NewGameSlotProc\n"
      "frames 1\n" +
      Click(SlotX(4), SlotY(4)) +
      "expect screen NameEntryProc\n"
      "expect state.slot 4\n";
  EXPECT_EQ(RunScript(script, "full.txt"), 0) << err_.str();
  EXPECT_GT(ReadFile(shot).size(), 1000u);

  // The game-end flags of a game before go even with no slot free; Back
  // with the mouse returns to the main menu.
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  driver.App().endPeaceTreaty = 1;
  driver.Click(MenuX(kMenuNewGame), kMenuY, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "NewGameSlotProc");
  EXPECT_EQ(driver.App().endPeaceTreaty, 0);
  driver.RunFrames(1);
  driver.App().gameState->slot = 3;  // a slot left from before is no choice
  driver.Click(kSlotBackButton.x + 5, kSlotBackButton.y + 5, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(driver.App().saveSlotsPanel, nullptr);
}

TEST_F(MenusSaves, ASavedGameIsReachedByMouseAndKeyboardAlone) {
  WriteSave(2, 300, 9, "Ann");
  const std::string shot = TestFile("load_list.png");
  const std::string script = "frames 2\n" + Click(MenuX(kMenuLoad), kMenuY) +
                             "expect screen LoadSlotsProc\n"
                             "frames 1\n"
                             "move 300 150\n"
                             "frames 1\n"
                             "shot " +
                             shot +
                             "\n"
                             // A free slot does nothing.
                             + Click(SlotX(1), SlotY(1)) +
                             "expect screen LoadSlotsProc\n"
                             // Backspace goes back, the load button comes again.
                             "key BACKSPACE\n"
                             "expect screen MainMenuProc\n"
                             "frames 1\n" +
                             Click(MenuX(kMenuLoad), kMenuY) + "frames 1\n" +
                             Click(SlotX(2), SlotY(2)) +
                             "expect screen LoadGameProc\n"
                             "frames 1\n"
                             "expect screen MapProc\n"
                             "expect state.fame 300\n"
                             "expect state.playerNameText Ann\n"
                             "expect state.slot 2\n"
                             "expect objects.kingdomMap.cameraX -1115\n";
  EXPECT_EQ(RunScript(script, "load.txt"), 0) << err_.str();
  EXPECT_GT(ReadFile(shot).size(), 1000u);
}

TEST_F(MenusSaves, SaveAndQuitFromTheMapThenLoadingGiveBackTheSameImage) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  // A game under way in slot 2, on the map (the menu object went when the
  // game started).
  GameState& s = *app.gameState;
  s.slot = 2;
  s.gold = 4242;
  s.fame = 77;
  s.day = 31;
  s.playerPortrait = 1;
  s.heroPresent[3] = 1;
  GlyphFromText("Saver", s.playerName);
  app.kingdomMap = new KingdomMap;
  app.kingdomMap->cameraX = -900;
  app.kingdomMap->cameraY = 410;
  delete app.mainMenuScreen;
  app.mainMenuScreen = nullptr;
  driver.Goto("GoKingdomMap");
  driver.RunFrames(2);
  const std::vector<uint8_t> expected = ImageNow(app);

  // Pressing Yes and sliding off before letting go still saves.
  OpenQuestionFromMap(driver);
  driver.MoveTo(kYesX, kAnswerY);
  driver.ButtonDown(kMouseLeft);
  driver.RunFrames(1);
  ASSERT_NE(app.saveAndQuitDialog, nullptr);
  EXPECT_EQ(app.saveAndQuitDialog->yesLook, 2);
  driver.MoveTo(400, 100);
  driver.RunFrames(1);
  driver.ButtonUp(kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "SaveGameProc");
  EXPECT_EQ(app.saveAndQuitDialog, nullptr);
  EXPECT_EQ(app.quitAfterSave, 1);
  driver.RunFrames(1);
  ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(app.leaveCode, kLeaveFreshRecord);
  EXPECT_EQ(app.kingdomMap, nullptr);
  EXPECT_EQ(app.gameState->overlayOpen, 0);
  const std::vector<uint8_t> saved = ReadFile(SlotFile(2));
  ASSERT_EQ(saved.size(), 4 + size_t{kSaveImageBytes});
  EXPECT_TRUE(saved == expected);

  // A fresh main menu: a new-game record, its music started again.
  driver.RunFrames(1);
  EXPECT_EQ(Dump(*app.gameState), Dump(*NewGame()));
  EXPECT_EQ(app.mapEncounters, nullptr);
  EXPECT_NE(app.mainMenuScreen, nullptr);
  EXPECT_EQ(app.musicChanged, 0);
  EXPECT_STREQ(app.musicTrack.LoadedPath(), "Data/Music.mid");

  LoadByMouse(driver, 2);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.gameState->gold, 4242);
  ASSERT_NE(app.kingdomMap, nullptr);
  EXPECT_EQ(app.kingdomMap->cameraX, -900);
  // The loaded record writes the very bytes it was read from.
  EXPECT_TRUE(ImageNow(app) == saved);
  ASSERT_NE(app.controlBar, nullptr);
  EXPECT_EQ(app.controlBar->portrait, 1);
  EXPECT_EQ(app.mainMenuScreen, nullptr);
  EXPECT_NE(app.heroFigure, nullptr);
}

TEST_F(MenusSaves, TheQuestionGoesBackToTheScreenThatOpenedItThisTime) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  app.gameState->slot = 3;
  driver.Goto("GoKingdomMap");
  driver.RunFrames(1);

  // No from the map: back to the map, nothing saved.
  OpenQuestionFromMap(driver);
  driver.Click(kNoX, kAnswerY, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.saveQuitFromMap, 0);
  EXPECT_EQ(app.gameState->overlayOpen, 0);
  EXPECT_EQ(app.saveAndQuitDialog, nullptr);
  EXPECT_TRUE(ReadFile(SlotFile(3)).empty());

  // Escape from a battle's question: back to the battle.
  OpenQuestionFromBattle(driver);
  PressKeyOnce(driver, kKeyEscape);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(app.saveQuitFromBattle, 0);
  EXPECT_EQ(app.saveAndQuitDialog, nullptr);

  // Opened with no opener at all, it goes back to the map rather than
  // asking for ever.
  driver.RunFrames(1);
  driver.Goto("GoSaveAndQuit");
  driver.RunFrames(1);
  driver.PressKey(kKeyEscape);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");

  // Yes from the map, then a game loaded and a question opened in a battle:
  // Backspace goes back to the battle, not to the map of the first question.
  driver.Goto("GoKingdomMap");
  driver.RunFrames(1);
  app.gameState->savedInBattle = 0;
  OpenQuestionFromMap(driver);
  driver.Click(kYesX, kAnswerY, kMouseLeft);
  driver.RunFrames(2);
  ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
  LoadByMouse(driver, 3);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  OpenQuestionFromBattle(driver);
  PressKeyOnce(driver, kKeyBackspace);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(app.saveQuitFromMap, 0);
  EXPECT_EQ(app.saveQuitFromBattle, 0);

  // Saved in a battle, the game loads straight into the battle.
  OpenQuestionFromBattle(driver);
  driver.Click(kYesX, kAnswerY, kMouseLeft);
  driver.RunFrames(2);
  ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(app.gameState->savedInBattle, 0);
  LoadByMouse(driver, 3);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(app.gameState->savedInBattle, 0);
  EXPECT_STREQ(app.musicTrack.LoadedPath(), "Data/Music.mid");
  EXPECT_EQ(app.musicTrack.IsPlaying(), 1u);
}

TEST_F(MenusSaves, ASaveThatFailsKeepsTheGameAndTheOldFile) {
  WriteSave(2, 5, 5, "Old");
  const std::vector<uint8_t> old = ReadFile(SlotFile(2));
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  app.gameState->slot = 2;
  app.gameState->gold = 31337;
  app.kingdomMap = new KingdomMap;
  driver.Goto("GoKingdomMap");
  driver.RunFrames(1);

  const FileWriteHooks failing = {FailingWrite, Rename};
  SetFileWriteHooks(&failing);
  OpenQuestionFromMap(driver);
  driver.Click(kYesX, kAnswerY, kMouseLeft);
  driver.RunFrames(1);
  // The question comes back and says so; the game is still there.
  EXPECT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  EXPECT_EQ(app.saveFailed, 1);
  EXPECT_EQ(app.quitAfterSave, 0);
  EXPECT_EQ(app.saveQuitFromMap, 1);
  EXPECT_EQ(app.gameState->overlayOpen, 1);
  EXPECT_NE(app.kingdomMap, nullptr);
  EXPECT_EQ(app.gameState->gold, 31337);
  EXPECT_TRUE(ReadFile(SlotFile(2)) == old);
  driver.RunFrames(1);
  EXPECT_NE(driver.Dump().find(kSaveFailedText), std::string::npos);

  // No goes back to the map with the game as it was.
  driver.Click(kNoX, kAnswerY, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.saveFailed, 0);
  EXPECT_EQ(app.gameState->gold, 31337);

  // With the disk working again the same question saves and quits.
  SetFileWriteHooks(nullptr);
  OpenQuestionFromMap(driver);
  driver.Click(kYesX, kAnswerY, kMouseLeft);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  auto back = NewGame();
  SaveExtras extras;
  ASSERT_EQ(LoadGameFile(*back, extras, SlotFile(2).c_str()), 1);
  EXPECT_EQ(back->gold, 31337);
}

TEST_F(MenusSaves, DamagedSavesAreRefusedWithTheRecordUntouched) {
  WriteSave(3, 33, 3, "Good");
  const std::vector<uint8_t> good = ReadFile(SlotFile(3));
  // Every kind of damage is refused in the save files' own tests; here one
  // file the reader cannot open and one it opens but cannot take.
  ASSERT_TRUE(WriteFile(SlotFile(1), std::vector<uint8_t>(good.begin(), good.begin() + 30000)));
  std::vector<uint8_t> noise = good;  // random bytes behind a right count
  uint32_t seed = 99;
  for (size_t i = 4; i < noise.size(); ++i) {
    seed = seed * 1664525u + 1013904223u;
    noise[i] = static_cast<uint8_t>(seed >> 24);
  }
  ASSERT_TRUE(WriteFile(SlotFile(5), noise));

  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  app.gameState->gold = 808;

  // The load step refuses each: back to the main menu, the record as it was.
  for (int n : {1, 5}) {
    app.gameState->slot = static_cast<uint8_t>(n);
    const std::string before = Dump(*app.gameState);
    driver.Goto("GoLoadGame");
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc") << n;
    EXPECT_EQ(Dump(*app.gameState), before) << n;
    EXPECT_EQ(app.kingdomMap, nullptr);
    EXPECT_NE(app.mainMenuScreen, nullptr);
    driver.RunFrames(1);
  }

  // The load list takes none of them, nor a free slot (2 and 4 hold no
  // file); the good one loads.
  driver.Click(MenuX(kMenuLoad), kMenuY, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  driver.RunFrames(1);
  for (int n : {1, 2, 4, 5}) {
    driver.Click(SlotX(n), SlotY(n), kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "LoadSlotsProc") << n;
  }
  driver.Click(SlotX(3), SlotY(3), kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "LoadGameProc");
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.gameState->fame, 33);
  // No file was touched.
  EXPECT_TRUE(ReadFile(SlotFile(3)) == good);
  EXPECT_TRUE(ReadFile(SlotFile(5)) == noise);
}

TEST_F(MenusSaves, TheLoadStepGoesWhereTheGameStood) {
  // An ended game (peace treaty and victory both stored) goes to the story
  // of the victory; the map's objects go.
  auto ended = NewGame();
  ended->slot = 1;
  SaveExtras extras;
  extras.endPeaceTreaty = 1;
  extras.endVictory = 1;
  ASSERT_EQ(SaveGameFile(*ended, extras, SlotFile(1).c_str()), 1);
  // A game with the music switched off.
  auto quiet = NewGame();
  quiet->slot = 2;
  quiet->options[0] = 0;
  quiet->playerPortrait = 1;
  quiet->placeState[10] = 1;
  ASSERT_EQ(SaveGameFile(*quiet, SaveExtras(), SlotFile(2).c_str()), 1);
  // The hall of fame's own file.
  auto hall = NewGame();
  hall->hallScores[0] = 640;
  hall->hallUsed[0] = 1;
  ASSERT_EQ(SaveHallOfFameFile(*hall, kHallOfFamePath), 1);

  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  LoadByMouse(driver, 1);
  EXPECT_STREQ(driver.ScreenName(), "StoryProc");
  EXPECT_EQ(app.gameState->storyScene, 4);
  EXPECT_EQ(app.endPeaceTreaty, 1);
  EXPECT_EQ(app.endVictory, 1);
  EXPECT_EQ(app.kingdomMap, nullptr);
  EXPECT_EQ(app.mapEncounters, nullptr);
  EXPECT_EQ(app.gameState->hallScores[0], 640u);

  // A map view left over from another game gives way to the saved camera,
  // and the bar shows this game's portrait; the music stops.
  driver.Goto("GoMainMenu");
  driver.RunFrames(1);
  ASSERT_EQ(app.kingdomMap, nullptr);
  app.kingdomMap = new KingdomMap;
  app.kingdomMap->cameraX = 5;
  ASSERT_NE(app.controlBar, nullptr);  // made by the first load
  app.controlBar->portrait = 0;
  ASSERT_EQ(app.musicTrack.IsPlaying(), 1u);
  LoadByMouse(driver, 2);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  ASSERT_NE(app.kingdomMap, nullptr);
  EXPECT_EQ(app.kingdomMap->cameraX, -1115);
  EXPECT_EQ(app.kingdomMap->placeStates[10], 1);
  EXPECT_EQ(app.controlBar->portrait, 1);
  EXPECT_EQ(app.musicTrack.IsPlaying(), 0u);
  EXPECT_EQ(app.endVictory, 0);

  // A file copied from slot 2 into slot 5 is the game of slot 5: saving it
  // must not overwrite slot 2.
  ASSERT_TRUE(WriteFile(SlotFile(5), ReadFile(SlotFile(2))));
  driver.Goto("GoMainMenu");
  driver.RunFrames(1);
  LoadByMouse(driver, 5);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.gameState->slot, 5);

  // An empty slot number goes back to the main menu, the end flags of the
  // game before do not send it to a story.
  app.endVictory = 1;
  app.gameState->slot = 4;
  driver.Goto("GoLoadGame");
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
}

TEST_F(MenusSaves, TheMainMenuButtons) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();
  MainMenuScreen* menu = app.mainMenuScreen;
  ASSERT_NE(menu, nullptr);

  // Help, hall of fame and credits come back to the same menu object.
  const struct {
    uint8_t id;
    const char* screen;
  } ways[] = {
      {kMenuHelp, "HelpProc"}, {kMenuHallOfFame, "HallOfFameProc"}, {kMenuCredits, "CreditsProc"}};
  for (const auto& way : ways) {
    driver.Click(MenuX(way.id), kMenuY, kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), way.screen);
    driver.RunFrames(1);
    driver.PressKey(kKeyEscape);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    EXPECT_EQ(app.mainMenuScreen, menu);
    driver.RunFrames(1);
  }

  // A press acts when let go over the button; held, nothing happens.
  driver.MoveTo(MenuX(kMenuLoad), kMenuY);
  driver.ButtonDown(kMouseRight);
  driver.RunFrames(3);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(menu->look[kMenuLoad - 1], kLookPressed);
  driver.ButtonUp(kMouseRight);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  driver.RunFrames(1);
  driver.Click(kSlotBackButton.x + 10, kSlotBackButton.y + 10, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(app.saveSlotsPanel, nullptr);
  EXPECT_EQ(app.readFile, nullptr);
  driver.RunFrames(1);

  // Sliding off a held button acts at once.
  driver.MoveTo(MenuX(kMenuHelp), kMenuY);
  driver.ButtonDown(kMouseLeft);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  driver.MoveTo(400, 300);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "HelpProc");
  driver.ButtonUp(kMouseLeft);
  driver.PressKey(kKeyEscape);
  driver.RunFrames(1);

  // A press off every button does nothing; quit ends the program.
  driver.Click(400, 300, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_FALSE(driver.QuitPosted());
  driver.Click(MenuX(kMenuQuit), kMenuY, kMouseLeft);
  EXPECT_TRUE(driver.QuitPosted());
}

TEST_F(MenusSaves, AFindStillShownIsTakenBeforeSaveAndQuit) {
  // The player stands east of a find; he walks onto it and, its box still
  // shown (or never shown, Hide being held down as he arrives), saves and
  // quits with Escape and Yes, then loads the game.
  struct Find {
    const char* what;
    int32_t x, y;
    bool bag;   // or a chest
    int index;  // of the bag or the chest
    int gem;    // the gem it holds
    int item;   // the item id it holds, 0 none
    bool hideHeld;
  };
  for (const Find& f :
       {Find{"the bag beside the palace: 134 gold, gem 19", 400, 200, true, 15, 19, 0, false},
        Find{"chest 1: 50 gold, gem 16, item 57", -680, 400, false, 1, 16, 57, false},
        Find{"chest 1, Hide held down", -680, 400, false, 1, 16, 57, true}}) {
    SCOPED_TRACE(f.what);
    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(2);
    GameApp& app = driver.App();
    GameState& s = *app.gameState;
    s.slot = 1;
    s.partyCell = cells::CellAt(f.x + 40, f.y);
    for (uint8_t& cell : s.playerItems) cell = 0;
    driver.Goto("GoKingdomMap");
    driver.RunFrames(3);
    driver.Click(600, 560, kMouseLeft);  // the day's board
    driver.RunFrames(2);
    KingdomMap& view = *app.kingdomMap;
    view.cameraX = f.x - 400;
    view.cameraY = f.y - 300;
    driver.Click(440 + 20, 300 + 20, kMouseLeft);  // the player
    driver.RunFrames(2);
    driver.Click(400 + 20, 300 + 20, kMouseLeft);  // the find
    driver.RunFrames(2);
    if (f.hideHeld) {
      driver.MoveTo(726 + 32, 12 + 16);
      driver.ButtonDown(kMouseLeft);
      driver.RunFrames(1);
    }
    driver.PressKey(kKeyEnter);
    driver.RunFrames(60);
    ASSERT_STREQ(driver.ScreenName(), "MapProc");
    if (f.hideHeld) {
      driver.ButtonUp(kMouseLeft);
      driver.RunFrames(2);
      ASSERT_EQ(app.controlBar->hideShowState, 0);
    }
    ASSERT_EQ(app.mapEncounters->findShown,
              f.hideHeld ? MapEncounters::kFindNone : MapEncounters::kFindShown);
    const int32_t gold = s.gold;

    driver.PressKey(kKeyEscape);
    ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
    driver.RunFrames(1);
    driver.Click(kYesX, kAnswerY, kMouseLeft);
    driver.RunFrames(2);
    ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
    LoadByMouse(driver, 1);
    for (int i = 0; i < 10 && app.screenProc != GameApp::GoKingdomMap; ++i) driver.RunFrames(1);
    ASSERT_STREQ(driver.ScreenName(), "MapProc");

    GameState& loaded = *app.gameState;
    EXPECT_EQ(loaded.gold, gold);
    EXPECT_EQ(loaded.wealth.gemOwned[f.gem], 1) << "the gem is owned";
    EXPECT_EQ((f.bag ? loaded.bagPresent : loaded.chestPresent)[f.index], 0) << "it is taken";
    if (f.item) {
      EXPECT_EQ(loaded.playerItems[0], f.item) << "the item is in the bag";
      EXPECT_EQ(loaded.playerItemHeld[f.item - 1], 1);
    }
  }
}

TEST_F(MenusSaves, TheWindowsCloseAsksBeforeThrowingAGameAway) {
  // On the main menu the close quits at once.
  EXPECT_EQ(RunScript("frames 2\nclose\nexpect quit\n", "menu_close.txt"), 0) << err_.str();

  {
    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(2);
    GameApp& app = driver.App();
    GameState& s = *app.gameState;
    s.slot = 2;
    s.visitorCode = 1;
    driver.Goto("GoKingdomMap");
    driver.RunFrames(3);

    // On the map: the question; a close again before it has shown is the
    // same close. No goes back to the map with nothing saved.
    driver.Close();
    driver.RunFrames(1);
    driver.Close();
    ASSERT_FALSE(driver.QuitPosted());
    driver.RunFrames(1);
    ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
    driver.Click(kNoX, kAnswerY, kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "MapProc");
    EXPECT_EQ(app.closeAsked, kCloseNone);
    driver.RunFrames(3);
    EXPECT_STREQ(driver.ScreenName(), "MapProc") << "the close was answered";
    EXPECT_TRUE(ReadFile(SlotFile(2)).empty());

    // No let go, or tapped (down and up between two frames), then a further
    // close before the question's next frame: the No takes the player back,
    // and that close is a new one that asks again.
    for (const bool tapped : {false, true}) {
      SCOPED_TRACE(tapped ? "No tapped" : "No let go");
      driver.Close();
      driver.RunFrames(2);
      ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
      driver.MoveTo(kNoX, kAnswerY);
      driver.ButtonDown(kMouseLeft);
      if (!tapped) driver.RunFrames(1);
      driver.ButtonUp(kMouseLeft);
      driver.Close();
      driver.RunFrames(1);
      ASSERT_FALSE(driver.QuitPosted());
      EXPECT_STREQ(driver.ScreenName(), "MapProc");
      driver.RunFrames(2);
      ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc") << "the later close asks again";
      driver.RunFrames(1);
      driver.Click(kNoX, kAnswerY, kMouseLeft);
      ASSERT_STREQ(driver.ScreenName(), "MapProc");
      driver.RunFrames(3);
      EXPECT_STREQ(driver.ScreenName(), "MapProc");
    }

    // From every screen of play the close leaves the way its Back does, on
    // to the map and its question: the screens it passes, in order.
    s.heroPresent[0] = 1;
    s.villageNumber = 1;
    s.townNumber = 1;
    const struct {
      const char* stub;
      const char* way;
    } screens[] = {
        {"GoCastle", "MapProc SaveAndQuitProc"},
        {"GoTower", "MapProc SaveAndQuitProc"},
        {"GoPalace", "MapProc SaveAndQuitProc"},
        {"GoTemple", "MapProc SaveAndQuitProc"},
        {"GoVillage", "MapProc SaveAndQuitProc"},
        {"GoTown", "MapProc SaveAndQuitProc"},
        {"GoPlayer", "MapProc SaveAndQuitProc"},
        {"GoHeroes", "MapProc SaveAndQuitProc"},
        {"GoRename", "HeroesProc MapProc SaveAndQuitProc"},
        {"GoWealth", "MapProc SaveAndQuitProc"},
        {"GoQuestLog", "MapProc SaveAndQuitProc"},
        {"GoOptions", "MapProc SaveAndQuitProc"},
        {"GoExchangeChoice", "MapProc SaveAndQuitProc"},
        {"GoItemExchange", "ExchangeChoiceProc MapProc SaveAndQuitProc"},
        {"GoArmyExchange", "ExchangeChoiceProc MapProc SaveAndQuitProc"},
    };
    for (const auto& screen : screens) {
      SCOPED_TRACE(screen.stub);
      app.optionsFromMap = 1;  // as the map opens the options
      s.exchangeLeft = 2;      // hero 0 and the player (the map's write-back clears them)
      s.exchangeRight = 1;
      driver.Goto(screen.stub);
      driver.RunFrames(2);
      ASSERT_STRNE(driver.ScreenName(), "MapProc");
      driver.Close();
      std::string way;
      for (int i = 0; i < 10 && app.screenProc != GameApp::GoSaveAndQuit; ++i) {
        const ScreenProc before = app.screenProc;
        driver.RunFrames(1);
        if (app.screenProc != before)
          way += (way.empty() ? "" : " ") + std::string(driver.ScreenName());
      }
      EXPECT_EQ(way, screen.way);
      ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
      EXPECT_FALSE(driver.QuitPosted());
      driver.RunFrames(1);
      PressKeyOnce(driver, kKeyEscape);
      ASSERT_STREQ(driver.ScreenName(), "MapProc");
      EXPECT_EQ(app.closeAsked, kCloseNone);
      driver.RunFrames(3);
    }

    // Yes saves the game as it stands and quits.
    s.day = 31;
    driver.RunFrames(1);
    const std::vector<uint8_t> expected = ImageNow(app);
    driver.Close();
    driver.RunFrames(2);
    ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
    driver.Click(kYesX, kAnswerY, kMouseLeft);
    driver.RunFrames(3);
    EXPECT_TRUE(driver.QuitPosted());
    EXPECT_TRUE(ReadFile(SlotFile(2)) == expected);
  }

  // In a battle the close asks the battle's question once the player may
  // act; a further close while it is up quits without saving.
  WriteSave(2, 5, 5, "Old");
  const std::vector<uint8_t> old = ReadFile(SlotFile(2));
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  s.slot = 2;
  s.battleId = 1;
  s.battleByPlayer = 1;
  s.battlePending = 1;
  driver.Goto("GoBattle");
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "BattleProc");
  driver.Close();
  for (int i = 0; i < 600 && driver.App().screenProc == GameApp::GoBattle; ++i) driver.RunFrames(1);
  driver.RunFrames(1);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  EXPECT_EQ(driver.App().saveQuitFromBattle, 1);
  ASSERT_FALSE(driver.QuitPosted());
  driver.Close();
  driver.RunFrames(1);
  EXPECT_TRUE(driver.QuitPosted());
  EXPECT_TRUE(ReadFile(SlotFile(2)) == old);
}

TEST_F(MenusSaves, TheCloseAsksOverAMessageOfTheArmiesTurn) {
  // Army 80 is on the map: after End Turn the armies' turn stops on its
  // reminder, which waits for Enter. The close asks there (Escape does not);
  // No leaves the message and the turn as they were, Enter then ends the
  // turn and the night heals; Yes saves the day whole, night included.
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    std::remove(SlotFile(2).c_str());
    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(2);
    GameApp& app = driver.App();
    GameState& s = *app.gameState;
    s.slot = 2;
    s.visitorCode = 1;
    s.enemyPresent[80] = 1;
    s.playerHealth() = s.playerMaxHealth() - 5;
    const int32_t healed = s.playerHealth() + 3;
    driver.Goto("GoKingdomMap");
    driver.RunFrames(3);
    driver.Click(600, 560, kMouseLeft);  // the day's board
    driver.RunFrames(2);
    const uint32_t day = s.day;
    driver.Click(726, 461, kMouseLeft);  // End Turn
    for (int i = 0; i < 1200 && !map_screen::TurnWaitsForEnter(*app.mapEncounters); ++i)
      driver.RunFrames(1);
    MapEncounters* map = app.mapEncounters;
    ASSERT_TRUE(map_screen::TurnWaitsForEnter(*map));
    const uint8_t message = map->questMessage;
    ASSERT_NE(message, 0);
    driver.PressKey(kKeyEscape);
    driver.RunFrames(5);
    ASSERT_STREQ(driver.ScreenName(), "MapProc") << "Escape waits for the turn's end";

    driver.Close();
    for (int i = 0; i < 60 && app.screenProc != GameApp::GoSaveAndQuit; ++i) driver.RunFrames(1);
    ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc") << "the question within a second";
    driver.RunFrames(1);
    if (!yes) {
      driver.Click(kNoX, kAnswerY, kMouseLeft);
      driver.RunFrames(3);
      ASSERT_STREQ(driver.ScreenName(), "MapProc");
      ASSERT_EQ(app.mapEncounters, map) << "the map as it was";
      EXPECT_EQ(map->marchPhase, MapEncounters::kSettle);
      EXPECT_EQ(map->questMessage, message);
      EXPECT_EQ(s.playerHealth(), healed - 3) << "the night waits for the turn's end";
      driver.PressKey(kKeyEnter);
      driver.RunFrames(3);
      EXPECT_EQ(map->marchPhase, MapEncounters::kTurnOver);
      EXPECT_EQ(map->questMessage, 0);
      EXPECT_EQ(s.playerHealth(), healed);
      EXPECT_EQ(s.day, day + 1);
      EXPECT_TRUE(ReadFile(SlotFile(2)).empty());
      continue;
    }
    driver.Click(kYesX, kAnswerY, kMouseLeft);
    for (int i = 0; i < 5 && !driver.QuitPosted(); ++i) driver.RunFrames(1);
    ASSERT_TRUE(driver.QuitPosted());

    // The game loads back on the map with the turn over and the night had.
    ScenarioDriver again;
    again.Start();
    again.RunFrames(2);
    LoadByMouse(again, 2);
    GameApp& back = again.App();
    for (int i = 0; i < 10 && back.screenProc != GameApp::GoKingdomMap; ++i) again.RunFrames(1);
    ASSERT_STREQ(again.ScreenName(), "MapProc");
    again.RunFrames(3);
    EXPECT_EQ(back.gameState->day, day + 1);
    EXPECT_EQ(back.gameState->playerHealth(), healed) << "the night is in the save";
    EXPECT_EQ(back.mapEncounters->marchPhase, MapEncounters::kTurnOver);
    again.Click(600, 560, kMouseLeft);  // the day's board
    again.RunFrames(2);
    again.Click(726, 461, kMouseLeft);  // End Turn: the next day
    again.RunFrames(2);
    EXPECT_EQ(back.gameState->day, day + 2);
  }
}

TEST_F(MenusSaves, AGameSavedInABattleOfTheArmiesTurnKeepsItsNight) {
  // Where army 80 walks on its first night: the player waits on its third
  // step, is caught and fights in the armies' turn. The battle is left by
  // retreat, once straight away and once after the close, Yes and a load;
  // both times the armies finish their turn and the night heals the player.
  int32_t px = 0, py = 0;
  ASSERT_NO_FATAL_FAILURE(ThirdStepOfArmy80(&px, &py));
  struct End {
    int32_t health;
    uint32_t day;
    uint8_t marchPhase, nightDue;
    int32_t army80X, army80Y;
  };
  End ends[2] = {};
  for (const bool saved : {false, true}) {
    SCOPED_TRACE(saved ? "saved and loaded in the battle" : "played on");
    std::remove(SlotFile(2).c_str());
    ScenarioDriver first;
    first.Start();
    first.RunFrames(2);
    GameState& s = *first.App().gameState;
    s.slot = 2;
    s.day = 10;
    s.partyCell = cells::CellAt(px, py);
    s.playerHealth() = s.playerMaxHealth() - 5;
    first.Goto("GoKingdomMap");
    first.RunFrames(3);
    first.Click(600, 560, kMouseLeft);  // the day's board
    first.RunFrames(2);
    first.Click(726, 461, kMouseLeft);  // End Turn
    for (int i = 0; i < 5000 && first.App().screenProc == GameApp::GoKingdomMap; ++i) {
      MapEncounters& map = *first.App().mapEncounters;
      if (map.questMessage || map.outcomeShown) first.PressKey(kKeyEnter);
      first.RunFrames(1);
    }
    ASSERT_STREQ(first.ScreenName(), "BattleProc");
    ASSERT_EQ(first.App().dayRecoveryPending, 1) << "the night waits for the armies";

    std::unique_ptr<ScenarioDriver> again;
    ScenarioDriver* d = &first;
    if (saved) {
      first.Close();
      for (int i = 0; i < 300 && first.App().screenProc != GameApp::GoSaveAndQuit; ++i)
        first.RunFrames(1);
      ASSERT_STREQ(first.ScreenName(), "SaveAndQuitProc");
      first.RunFrames(1);
      first.Click(kYesX, kAnswerY, kMouseLeft);
      for (int i = 0; i < 5 && !first.QuitPosted(); ++i) first.RunFrames(1);
      ASSERT_TRUE(first.QuitPosted());
      again = std::make_unique<ScenarioDriver>();
      d = again.get();
      d->Start();
      d->RunFrames(2);
      LoadByMouse(*d, 2);
      for (int i = 0; i < 30 && d->App().screenProc != GameApp::GoBattle; ++i) d->RunFrames(1);
      ASSERT_STREQ(d->ScreenName(), "BattleProc");
    }

    // Retreat, then the armies' turn to its end and a second more.
    GameApp& app = d->App();
    d->RunFrames(3);
    d->PressKey(kKeyEnter);  // the turn panel
    for (int tries = 0; tries < 3 && app.battleScreen && !app.battleReturned; ++tries) {
      d->Click(740, 207, kMouseLeft);  // Retreat
      d->RunFrames(3);
      d->Click(346, 351, kMouseLeft);  // Yes
      d->RunFrames(2);
    }
    ASSERT_EQ(app.battleReturned, 1);
    for (int i = 0; i < 10 && app.screenProc != GameApp::GoKingdomMap; ++i) {
      d->Click(400, 300, kMouseLeft);  // the retreat message
      d->RunFrames(1);
    }
    ASSERT_STREQ(d->ScreenName(), "MapProc");
    for (int i = 0; i < 5000 && app.mapEncounters->marchPhase != MapEncounters::kTurnOver; ++i) {
      MapEncounters& map = *app.mapEncounters;
      if (map.questMessage || map.outcomeShown) d->PressKey(kKeyEnter);
      d->RunFrames(1);
    }
    d->RunFrames(60);
    ASSERT_STREQ(d->ScreenName(), "MapProc");
    const MapEncounters& map = *app.mapEncounters;
    ends[saved] = {app.gameState->playerHealth(), app.gameState->day, map.marchPhase,
                   app.dayRecoveryPending,        map.enemyX[80],     map.enemyY[80]};
  }
  EXPECT_EQ(ends[0].marchPhase, MapEncounters::kTurnOver);
  EXPECT_EQ(ends[0].day, 11u);
  for (const End& end : ends) EXPECT_EQ(end.nightDue, 0);
  EXPECT_EQ(ends[1].health, ends[0].health) << "the night healed after the load too";
  EXPECT_EQ(ends[1].day, ends[0].day);
  EXPECT_EQ(ends[1].marchPhase, ends[0].marchPhase);
  EXPECT_EQ(ends[1].army80X, ends[0].army80X);
  EXPECT_EQ(ends[1].army80Y, ends[0].army80Y);
}

TEST_F(MenusSaves, ACloseRightAfterYesWaitsForTheSave) {
  // The close, Yes, and a second close before the next frame, on the map and
  // in a battle: the game is saved, then the program ends. Also when Yes is
  // let go with no frame between its release and the second close, tapped
  // (down and up) with no frame between the tap and the close, or still held
  // down as the close comes.
  enum class Yes { kTaken, kLetGo, kTapped, kHeld };
  for (const bool inBattle : {false, true})
    for (const Yes how : {Yes::kTaken, Yes::kLetGo, Yes::kTapped, Yes::kHeld}) {
      SCOPED_TRACE(inBattle ? "in a battle" : "on the map");
      SCOPED_TRACE(how == Yes::kTaken    ? "Yes taken"
                   : how == Yes::kLetGo  ? "Yes let go just before the close"
                   : how == Yes::kTapped ? "Yes tapped just before the close"
                                         : "Yes held down through the close");
      WriteSave(2, 5, 5, "Old");
      ScenarioDriver driver;
      StartDay31(driver, inBattle);
      GameApp& app = driver.App();
      driver.Close();
      for (int i = 0; i < 600 && app.screenProc != GameApp::GoSaveAndQuit; ++i) driver.RunFrames(1);
      driver.RunFrames(1);
      ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
      driver.MoveTo(kYesX, kAnswerY);
      switch (how) {
        case Yes::kTaken: driver.Click(kYesX, kAnswerY, kMouseLeft); break;
        case Yes::kLetGo:
          driver.ButtonDown(kMouseLeft);
          driver.RunFrames(1);
          driver.ButtonUp(kMouseLeft);
          break;
        case Yes::kTapped:
          driver.ButtonDown(kMouseLeft);
          driver.ButtonUp(kMouseLeft);
          break;
        case Yes::kHeld:
          driver.ButtonDown(kMouseLeft);
          driver.RunFrames(1);
          break;
      }
      ASSERT_FALSE(driver.QuitPosted());
      driver.Close();
      EXPECT_FALSE(driver.QuitPosted()) << "the save comes first";
      for (int i = 0; i < 5 && !driver.QuitPosted(); ++i) driver.RunFrames(1);
      EXPECT_TRUE(driver.QuitPosted());
      ExpectDay31Saved(inBattle);
    }

  // A save that fails brings the question back; a further close then quits,
  // as it does while the question is up.
  WriteSave(2, 5, 5, "Old");
  const std::vector<uint8_t> old = ReadFile(SlotFile(2));
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  driver.App().gameState->slot = 2;
  driver.Goto("GoKingdomMap");
  driver.RunFrames(3);
  const FileWriteHooks failing = {FailingWrite, Rename};
  SetFileWriteHooks(&failing);
  driver.Close();
  driver.RunFrames(2);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  driver.Click(kYesX, kAnswerY, kMouseLeft);
  driver.RunFrames(2);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  ASSERT_EQ(driver.App().saveFailed, 1);
  driver.Close();
  driver.RunFrames(1);
  EXPECT_TRUE(driver.QuitPosted());
  EXPECT_TRUE(ReadFile(SlotFile(2)) == old);
}

TEST_F(MenusSaves, ACloseAfterTheQuestionShowedIsAFurtherOneWhateverOpenedIt) {
  // The question put up by Escape, Backspace or the Quit button, on the map
  // and in a battle; then the window's close before the question's next
  // frame. After a No held or tapped before it: back in the game, the close
  // asks again. After a Yes held: the game is saved, then the program ends.
  // With no answer pressed: it quits without saving, as it does over the
  // question a close put up.
  enum class Opener { kEscape, kBackspace, kQuitButton };
  enum class Answer { kNoHeld, kNoTapped, kYesHeld, kNone };
  for (const bool inBattle : {false, true})
    for (const Opener opener : {Opener::kEscape, Opener::kBackspace, Opener::kQuitButton})
      for (const Answer answer :
           {Answer::kNoHeld, Answer::kNoTapped, Answer::kYesHeld, Answer::kNone}) {
        SCOPED_TRACE(inBattle ? "in a battle" : "on the map");
        SCOPED_TRACE(opener == Opener::kEscape      ? "Escape"
                     : opener == Opener::kBackspace ? "Backspace"
                                                    : "the Quit button");
        SCOPED_TRACE(answer == Answer::kNoHeld     ? "No held"
                     : answer == Answer::kNoTapped ? "No tapped"
                     : answer == Answer::kYesHeld  ? "Yes held"
                                                   : "nothing pressed");
        std::remove(SlotFile(2).c_str());
        ScenarioDriver driver;
        StartDay31(driver, inBattle);
        GameApp& app = driver.App();
        if (!inBattle) driver.Click(600, 560, kMouseLeft);  // the day's board
        for (int i = 0; i < 600 && app.screenProc != GameApp::GoSaveAndQuit; ++i) {
          switch (opener) {
            case Opener::kEscape: driver.PressKey(kKeyEscape); break;
            case Opener::kBackspace: driver.PressKey(kKeyBackspace); break;
            case Opener::kQuitButton:
              // The map's bar, the battle's button.
              driver.Click(inBattle ? 742 : 680, inBattle ? 36 : 28, kMouseLeft);
              break;
          }
        }
        driver.RunFrames(2);
        ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
        ASSERT_EQ(app.closeAsked, kCloseNone);

        if (answer == Answer::kNone) {
          driver.Close();
          driver.RunFrames(1);
          EXPECT_TRUE(driver.QuitPosted());
          EXPECT_TRUE(ReadFile(SlotFile(2)).empty());
          continue;
        }
        driver.MoveTo(answer == Answer::kYesHeld ? kYesX : kNoX, kAnswerY);
        driver.ButtonDown(kMouseLeft);
        if (answer == Answer::kNoTapped) driver.ButtonUp(kMouseLeft);
        else driver.RunFrames(2);
        driver.Close();
        driver.RunFrames(2);
        driver.ButtonUp(kMouseLeft);
        if (answer == Answer::kYesHeld) {
          for (int i = 0; i < 5 && !driver.QuitPosted(); ++i) driver.RunFrames(1);
          EXPECT_TRUE(driver.QuitPosted());
          ExpectDay31Saved(inBattle);
          continue;
        }
        driver.RunFrames(30);  // No has been let go: the question it answered is gone
        for (int i = 0; i < 600 && app.screenProc != GameApp::GoSaveAndQuit; ++i)
          driver.RunFrames(1);
        EXPECT_FALSE(driver.QuitPosted());
        EXPECT_STREQ(driver.ScreenName(), "SaveAndQuitProc") << "the close asks again";
        EXPECT_TRUE(ReadFile(SlotFile(2)).empty());
      }
}

TEST_F(MenusSaves, TheCloseOnEveryMenuQuitsAtOnce) {
  // No game is under way on the menus, the new game's questions or the step
  // that loads a game (the close comes between the load list's click and
  // the step): the close ends the program at once.
  WriteSave(1, 5, 5, "Old");
  const struct {
    const char* stub;  // none: the load step, by the load list's slot 1
    const char* screen;
  } menus[] = {
      {"GoLoadSlots", "LoadSlotsProc"},
      {nullptr, "LoadGameProc"},
      {"GoHallOfFame", "HallOfFameProc"},
      {"GoHelp", "HelpProc"},
      {"GoCredits", "CreditsProc"},
      {"GoNameEntry", "NameEntryProc"},
      {"GoNewGamePortrait", "NewGamePortraitProc"},
      {"GoNewGameSlot", "NewGameSlotProc"},
      {"GoStory", "StoryProc"},
  };
  for (const auto& menu : menus) {
    SCOPED_TRACE(menu.screen);
    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(2);
    if (menu.stub) {
      driver.Goto(menu.stub);
      driver.RunFrames(2);
    } else {
      driver.Click(MenuX(kMenuLoad), kMenuY, kMouseLeft);
      driver.RunFrames(1);
      driver.Click(SlotX(1), SlotY(1), kMouseLeft);
    }
    ASSERT_STREQ(driver.ScreenName(), menu.screen);
    driver.Close();
    EXPECT_TRUE(driver.QuitPosted());
  }
}
