// The road of a new game (name, portrait, intro story, map) and the road of
// an ending (hall-of-fame writer, ending story, hall of fame), played
// headless through the scenario runner and its driver.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/save_image.h"
#include "harness/scenario_driver.h"
#include "harness/scenario_script.h"
#include "map/control_bar.h"
#include "menus/hall_of_fame_picture.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/story_scene.h"
#include "platform/headless.h"
#include "platform/input_device.h"

namespace {

// In the test's own game folder, so the hall written here touches no other
// test.
class NewGameRoad : public EndToEnd {
 protected:
  std::string HallPath() const { return dir_ + "/Saves/HallOfFame.save"; }

  int Run(const std::string& script) {
    ScenarioOptions options;
    options.gameDir = dir_;
    options.outDir = dir_;
    std::ostringstream err;
    int status = RunScenarioText(script, "newgame.txt", options, err);
    EXPECT_EQ(status, 0) << err.str();
    return status;
  }

  const std::string& dir_ = TestFolder();
};

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

// A hall with rows of the given scores, named after their score's letter.
void WriteHall(const std::string& path, const std::vector<uint32_t>& scores) {
  GameState rows;
  for (size_t r = 0; r < scores.size(); ++r) {
    rows.hallUsed[r] = 1;
    rows.hallScores[r] = scores[r];
    GlyphFromText(std::string("Row") + char('a' + r), rows.hallNames[r]);
  }
  ASSERT_EQ(SaveHallOfFameFile(rows, path.c_str()), 1);
}

GameState ReadHall(const std::string& path) {
  GameState rows;
  EXPECT_EQ(LoadHallOfFameFile(rows, path.c_str()), 1);
  return rows;
}

int CountNonBlack(int x, int y, int w, int h) {
  const uint32_t* p = headless::FramePixels();
  int count = 0;
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col)
      if ((p[row * headless::kFrameWidth + col] & 0xFFFFFF) != 0) ++count;
  return count;
}

}  // namespace

// Typing, the portrait and the intro bring a new game to the map with the
// name and the portrait chosen.
TEST_F(NewGameRoad, NameAndPortraitReachTheMap) {
  Run("tick 16\n"
      "frames 3\n"
      // New game on the main menu: with no save files, slot 1 and the name.
      "click 100 570\n"
      "expect screen NameEntryProc\n"
      "expect state.slot 1\n"
      "frames 1\n"
      // Shift+A is a two-cell capital; b and c one cell each.
      "keydown LSHIFT\nkey A\nkeyup LSHIFT\n"
      "expect objects.nameEntryScreen.cells.0 28\n"
      "expect objects.nameEntryScreen.cells.2 1\n"
      "key B\nkey C\n"
      "expect objects.nameEntryScreen.cellsText \"Abc|\"\n"
      // Backspace takes the one-cell c; the keypad's 0 deletes as well.
      "key BACKSPACE\nexpect objects.nameEntryScreen.cellsText \"Ab|\"\n"
      "key KP0\nexpect objects.nameEntryScreen.cellsText \"A|\"\n"
      // A two-cell capital goes whole.
      "keydown RSHIFT\nkey W\nkeyup RSHIFT\n"
      "expect objects.nameEntryScreen.cellsText \"AW|\"\n"
      "key BACKSPACE\nexpect objects.nameEntryScreen.cellsText \"A|\"\n"
      "key N\nkey N\nkey A\nkey 52\n"
      "expect objects.nameEntryScreen.cellsText \"Anna.|\"\n"
      "frames 280\n"  // the ornaments slide in
      "shot newgame_name_entry.png\n"
      // Ready goes on to the portraits with the name stored, caret and all.
      "click 400 500\n"
      "expect screen NewGamePortraitProc\n"
      "expect state.playerNameText \"Anna.|\"\n"
      "frames 2\n"
      "expect objects.newGameMenu.nameText \"Anna.|\"\n"
      "expect objects.newGameMenu.portrait 1\n"
      // The right arrow turns to the second portrait.
      "click 580 270\n"
      "expect objects.newGameMenu.portrait 2\n"
      "frames 30\n"
      "shot newgame_portrait.png\n"
      "click 398 448\n"
      "expect screen StoryProc\n"
      "expect state.playerPortrait 1\n"
      "expect state.storyScene 1\n"
      "expect objects.controlBar.portrait 1\n"
      "frames 3\n"
      "expect objects.storyScene.mode 1\n"
      "frames 700\n"
      "expect objects.storyScene.pictureY 20\n"
      "shot newgame_story.png\n"
      "click 400 300\n"
      "expect screen MapProc\n"
      "frames 1\n"
      "expect state.playerNameText \"Anna.|\"\n"
      "expect state.playerPortrait 1\n"
      "expect state.slot 1\n"
      "expect objects.controlBar.portrait 1\n");
}

TEST_F(NewGameRoad, KeysOfTheNameEntryAndThePortraitChoice) {
  Run("goto GoNameEntry\n"
      "frames 2\n"
      // Two letters in one frame: both, in the order typed.
      "keydown Z\nkeydown B\nframes 1\nkeyup Z\nkeyup B\nframes 1\n"
      "expect objects.nameEntryScreen.cellsText \"zb|\"\n"
      // A held key types once.
      "keydown D\nframes 10\nkeyup D\nframes 1\n"
      "expect objects.nameEntryScreen.cellsText \"zbd|\"\n"
      // Enter confirms; the portrait choice's Enter stores the first portrait.
      "key ENTER\n"
      "expect screen NewGamePortraitProc\n"
      "expect state.playerNameText \"zbd|\"\n"
      // Backspace on the portraits goes back to an empty name entry.
      "key BACKSPACE\n"
      "expect screen NameEntryProc\n"
      "frames 1\n"
      "expect objects.nameEntryScreen.cellsText \"|\"\n"
      // Escape leaves for the main menu with the stored name untouched.
      "key I\nkey ESC\n"
      "expect screen MainMenuProc\n"
      "expect state.playerNameText \"zbd|\"\n"
      "expect state.storyScene 1\n"
      "goto GoNameEntry\n"
      "frames 1\n"
      "key X\nkey ENTER\n"
      "frames 1\n"
      "click 200 270\n"
      "frames 1\n"  // the release of a click latches the button for one poll
      "click 200 270\n"
      "expect objects.newGameMenu.portrait 1\n"
      "key ENTER\n"
      "expect screen StoryProc\n"
      "expect state.playerPortrait 0\n"
      "key ESC\n"
      "expect screen MapProc\n"
      "expect state.playerNameText \"x|\"\n");
}

TEST_F(NewGameRoad, ClearEmptiesTheName) {
  ScenarioDriver driver;
  driver.Start();
  driver.Goto("GoNameEntry");
  driver.RunFrames(2);
  for (int key : {kKeyQ, kKeyR}) driver.PressKey(key);
  NameEntryScreen* screen = driver.App().nameEntryScreen;
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GlyphToText(screen->cells), "qr|");
  // Clear acts on the press; a letter typed after it in the same frame waits
  // for the next frame.
  driver.MoveTo(150, 420);
  driver.ButtonDown(kMouseLeft);
  driver.KeyDown(kKeyS);
  driver.RunFrames(1);
  EXPECT_EQ(GlyphToText(screen->cells), "|");
  EXPECT_EQ(screen->clearLook, 2);
  driver.ButtonUp(kMouseLeft);
  driver.KeyUp(kKeyS);
  driver.RunFrames(2);
  EXPECT_EQ(GlyphToText(screen->cells), "s|");
  EXPECT_EQ(screen->pressLock, 0);
  EXPECT_STREQ(driver.ScreenName(), "NameEntryProc");
}

// A new game started after an earlier one shows the new portrait on the bar
// the earlier game left.
TEST_F(NewGameRoad, ABarLeftFromAnEarlierGameShowsTheNewPortrait) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  app.controlBar = new ControlBar;
  app.controlBar->portrait = 0;
  driver.Goto("GoNewGamePortrait");
  driver.RunFrames(2);
  driver.Click(200, 270, kMouseLeft);
  driver.PressKey(kKeyEnter);
  EXPECT_STREQ(driver.ScreenName(), "StoryProc");
  EXPECT_EQ(app.gameState->playerPortrait, 1);
  EXPECT_EQ(app.controlBar->portrait, 1);
}

// The main menu's object is freed when the new game starts; the menu builds
// it anew when it is next shown.
TEST_F(NewGameRoad, TheNewGameFreesTheMainMenu) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  driver.RunFrames(3);
  ASSERT_NE(app.mainMenuScreen, nullptr);
  driver.Click(100, 570, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "NameEntryProc");
  EXPECT_NE(app.mainMenuScreen, nullptr);
  driver.PressKey(kKeyEnter);
  driver.RunFrames(1);
  driver.PressKey(kKeyEnter);
  ASSERT_STREQ(driver.ScreenName(), "StoryProc");
  EXPECT_EQ(app.mainMenuScreen, nullptr);
  driver.PressKey(kKeyEscape);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
}

// Each ending adjusts the fame, enters it below or among the rows already
// on disk, plays its story and then shows the hall with a fresh record.
TEST_F(NewGameRoad, EndingsEnterTheHallAndShowIt) {
  struct Ending {
    const char* flag;
    int32_t fame;
    uint32_t score;
    uint8_t scene;
  };
  const Ending endings[] = {
      {"surrendered", 150, 50, kStorySurrendered},
      {"peace", 70, 70, kStoryPeaceTreaty},
      {"victory", 40, 140, kStoryVictory},
      {"peace", -25, 0, kStoryPeaceTreaty},
  };
  for (const Ending& e : endings) {
    SCOPED_TRACE(std::string(e.flag) + " " + std::to_string(e.fame));
    WriteHall(HallPath(), {300, 100, 60});
    ScenarioDriver driver;
    driver.Start();
    GameApp& app = driver.App();
    // A record that never read the hall, as after a new game.
    for (uint8_t& used : app.gameState->hallUsed) used = 0;
    GlyphFromText("Ende|", app.gameState->playerName);
    app.gameState->fame = e.fame;
    app.endSurrendered = std::string(e.flag) == "surrendered";
    app.endPeaceTreaty = std::string(e.flag) == "peace";
    app.endVictory = std::string(e.flag) == "victory";
    driver.Goto("GoWriteHallOfFame");
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "StoryProc");
    EXPECT_EQ(app.gameState->storyScene, e.scene);
    EXPECT_EQ(app.writeFile, nullptr);

    // The earlier rows are kept and the new one sits in its place.
    GameState hall = ReadHall(HallPath());
    std::vector<uint32_t> want = {300, 100, 60};
    auto at = want.begin();
    while (at != want.end() && *at > e.score) ++at;
    const size_t newRow = size_t(at - want.begin());
    want.insert(at, e.score);
    for (size_t r = 0; r < 5; ++r) {
      EXPECT_EQ(hall.hallUsed[r], r < want.size() ? 1 : 0) << r;
      if (r < want.size()) {
        EXPECT_EQ(hall.hallScores[r], want[r]) << r;
      }
    }
    EXPECT_EQ(GlyphToText(hall.hallNames[newRow]), "Ende|");

    driver.RunFrames(3);
    ASSERT_NE(app.storyScene, nullptr);
    EXPECT_EQ(app.storyScene->mode, e.scene);
    driver.PressKey(kKeyEnter);
    EXPECT_STREQ(driver.ScreenName(), "HallOfFameProc");
    // The finished game is gone: a new game's record waits.
    EXPECT_EQ(app.gameState->fame, 0);
    GameState fresh;
    RunNewGameSequence(fresh);
    EXPECT_EQ(GlyphToText(app.gameState->playerName), GlyphToText(fresh.playerName));
    EXPECT_EQ(app.storyScene, nullptr);
    for (AnimClock* clock : app.animClock) EXPECT_EQ(clock, nullptr);
    driver.RunFrames(2);
    ASSERT_NE(app.hallOfFameScreen, nullptr);
    for (size_t r = 0; r < 5; ++r) {
      EXPECT_EQ(app.hallOfFameScreen->rowUsed[r], r < want.size() ? 1 : 0);
      if (r < want.size()) {
        EXPECT_EQ(app.hallOfFameScreen->scores[r], want[r]);
      }
    }
    // Back returns to the main menu.
    driver.PressKey(kKeyEscape);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    EXPECT_EQ(app.hallOfFameScreen, nullptr);
  }
}

TEST_F(NewGameRoad, VictoryRocksBurstIntoFragments) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  app.gameState->storyScene = kStoryVictory;
  driver.Goto("GoStory");
  driver.RunFrames(300);  // the last rock falls from -360 at 250 pixels a second
  ASSERT_NE(app.storyScene, nullptr);
  StoryScene& scene = *app.storyScene;
  for (int k = 0; k < kStoryRocks; ++k) {
    EXPECT_EQ(scene.rockFalling[k], 0) << k;
    EXPECT_EQ(scene.burstActive[k], 1) << k;
  }
  EXPECT_LT(scene.fragmentY[0][0], kStoryFragmentStartY);
  driver.RunFrames(500);
  EXPECT_EQ(scene.pictureY, 70);
  driver.WriteShot(TestFile("newgame_victory.png"));
}

// With no file, a damaged file or a file of other rows, the hall shows what
// it can and never crashes; a damaged file is replaced whole by the next
// ending, not appended to.
TEST_F(NewGameRoad, HallOfFameFromDamagedFiles) {
  const std::vector<std::vector<uint8_t>> files = {
      {}, {1, 2, 3}, {0x58, 0x02, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}};
  for (const std::vector<uint8_t>& bytes : files) {
    std::ofstream(HallPath(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ScenarioDriver driver;
    driver.Start();
    GameApp& app = driver.App();
    driver.Goto("GoHallOfFame");
    driver.RunFrames(2);
    ASSERT_NE(app.hallOfFameScreen, nullptr);
    for (int r = 0; r < kHallRows; ++r) EXPECT_EQ(app.hallOfFameScreen->rowUsed[r], 0);
    EXPECT_EQ(app.readFile, nullptr);

    app.gameState->fame = 12;
    app.endPeaceTreaty = 1;
    driver.Goto("GoWriteHallOfFame");
    driver.RunFrames(1);
    GameState hall = ReadHall(HallPath());
    EXPECT_EQ(hall.hallUsed[0], 1);
    EXPECT_EQ(hall.hallScores[0], 12u);
    EXPECT_EQ(hall.hallUsed[1], 0);
    EXPECT_EQ(ReadBytes(HallPath()).size(), 604u);
  }
}

TEST_F(NewGameRoad, HallOfFameScreenshot) {
  GameState rows;
  const uint32_t scores[5] = {12345, 10000, 540, 70, 0};
  const char* names[5] = {"Anna", "Bertram", "Cid", "Dora.", "Ewald Ix"};
  for (int r = 0; r < 5; ++r) {
    rows.hallUsed[r] = 1;
    rows.hallScores[r] = scores[r];
    GlyphFromText(names[r], rows.hallNames[r]);
  }
  ASSERT_EQ(SaveHallOfFameFile(rows, HallPath().c_str()), 1);
  Run("goto GoHallOfFame\n"
      "frames 3\n"
      "move 400 590\n"
      "frames 1\n"
      "expect objects.hallOfFameScreen.scores [12345,10000,540,70,0]\n"
      "expect objects.hallOfFameScreen.namesText.1 \"Bertram\"\n"
      "shot newgame_hall_of_fame.png\n"
      "click 750 15\n"
      "expect screen MainMenuProc\n");
  // Each row's score and name are drawn on the plaques.
  namespace pic = hall_of_fame_picture;
  for (int r = 0; r < 5; ++r) {
    EXPECT_GT(CountNonBlack(pic::kScoreX, pic::kScoreY[r], 100, 19), 50) << r;
    EXPECT_GT(CountNonBlack(300, pic::kNameY[r], 200, 44), 100) << r;
  }
}

// The hands slide in from the first frame; the lightning waits for the
// ninth second on the screen.
TEST_F(NewGameRoad, LightningComesInTheNinthSecond) {
  ScenarioDriver driver;
  driver.Start();
  driver.SetFrameMs(20);
  driver.Goto("GoNameEntry");
  driver.RunFrames(3);
  NameEntryScreen* screen = driver.App().nameEntryScreen;
  ASSERT_NE(screen, nullptr);
  EXPECT_LT(screen->hand1X, 950);
  driver.RunFrames(390);  // 7.9 seconds
  EXPECT_EQ(driver.App().secondsOnScreen, 7u);
  EXPECT_EQ(screen->shockScale[0], 2.8f);
  driver.RunFrames(20);
  EXPECT_EQ(driver.App().secondsOnScreen, 8u);
  EXPECT_LT(screen->shockScale[0], 2.8f);
  EXPECT_GT(screen->shockX[0], 50);
  EXPECT_EQ(screen->hand1X, kHand1Stop);
  EXPECT_EQ(screen->hand5Y, kHand5Stop);
}

// A hall that cannot be written leaves the old file whole, and the ending
// goes on all the same.
TEST_F(NewGameRoad, AFailedHallWriteKeepsTheOldFile) {
  WriteHall(HallPath(), {90, 30});
  const std::vector<uint8_t> before = ReadBytes(HallPath());
  // The temporary file's name is taken by a folder: the write cannot start.
  ASSERT_EQ(mkdir((HallPath() + ".tmp").c_str(), 0755), 0);
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  app.gameState->fame = 500;
  app.endVictory = 1;
  driver.Goto("GoWriteHallOfFame");
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "StoryProc");
  EXPECT_EQ(app.gameState->storyScene, kStoryVictory);
  EXPECT_EQ(ReadBytes(HallPath()), before);
  // The rows in the record have the new game at the top.
  EXPECT_EQ(app.gameState->hallScores[0], 600u);
  EXPECT_EQ(app.gameState->hallScores[1], 90u);
}

// A click in the story's first frame skips the intro at once; the button
// stays latched for the map, and the record is the one the player chose.
TEST_F(NewGameRoad, AClickInTheFirstFrameSkipsTheIntro) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  GlyphFromText("Kim|", app.gameState->playerName);
  app.gameState->storyScene = kStoryIntro;
  app.gameState->slot = 3;
  driver.Goto("GoStory");
  driver.ButtonDown(kMouseLeft);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(app.storyScene, nullptr);
  EXPECT_EQ(app.cursor.mouse.ButtonPressed(kMouseLeft), 0u);
  EXPECT_EQ(GlyphToText(app.gameState->playerName), "Kim|");
  EXPECT_EQ(app.gameState->slot, 3);
  driver.ButtonUp(kMouseLeft);
}

// From the map of a new game: the game ends, the map saves it into its
// slot, the hall keeps the earlier rows and takes the new one, the ending
// plays, and the hall is shown.
TEST_F(NewGameRoad, AnEndingOnTheMapGoesThroughTheSaveToTheHall) {
  WriteHall(HallPath(), {400, 20});
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  driver.RunFrames(3);
  driver.Click(100, 570, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "NameEntryProc");
  driver.RunFrames(1);
  driver.PressKey(kKeyZ);
  driver.PressKey(kKeyEnter);
  driver.RunFrames(1);
  driver.PressKey(kKeyEnter);
  driver.PressKey(kKeyEnter);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  driver.RunFrames(3);
  app.gameState->fame = 130;
  app.endSurrendered = 1;
  for (int i = 0; i < 4 && std::string(driver.ScreenName()) != "StoryProc"; ++i)
    driver.RunFrames(1);
  ASSERT_STREQ(driver.ScreenName(), "StoryProc");
  EXPECT_EQ(app.gameState->storyScene, kStorySurrendered);
  EXPECT_EQ(app.kingdomMap, nullptr);
  EXPECT_EQ(app.mapEncounters, nullptr);
  // The slot holds the ended game; the hall the surrender's 30 among the
  // earlier rows.
  EXPECT_EQ(ReadBytes(dir_ + "/Saves/1.save").size(), 4 + size_t{kSaveImageBytes});
  GameState hall = ReadHall(HallPath());
  EXPECT_EQ(hall.hallScores[0], 400u);
  EXPECT_EQ(hall.hallScores[1], 30u);
  EXPECT_EQ(GlyphToText(hall.hallNames[1]), "z|");
  EXPECT_EQ(hall.hallScores[2], 20u);
  driver.RunFrames(5);
  driver.PressKey(kKeyEnter);
  ASSERT_STREQ(driver.ScreenName(), "HallOfFameProc");
  driver.RunFrames(1);
  ASSERT_NE(app.hallOfFameScreen, nullptr);
  EXPECT_EQ(app.hallOfFameScreen->scores[1], 30u);
  driver.PressKey(kKeyBackspace);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
}
