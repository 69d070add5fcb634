// A key pressed while one screen hands over to another is not a fresh press
// for the next one: one press, one action. Played through the save-and-quit
// question, whose Yes goes through the save step to the main menu, where
// Escape quits the program. A scrolling key held through a hand-over goes
// on scrolling a screen that scrolls with it, and no more.

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "menus/save_and_quit_dialog.h"
#include "party/heroes_screen.h"
#include "platform/input_device.h"
#include "platform/platform_test_util.h"

namespace {

// The save is written into the test's own game folder.
using ScreenHandOver = EndToEnd;

}  // namespace

TEST_F(ScreenHandOver, EscapeAfterTheSaveAndQuitYesDoesNotQuit) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  d.App().gameState->slot = 1;
  ASSERT_TRUE(d.Goto("GoKingdomMap"));
  d.RunFrames(3);

  // The map's Escape opens the question; Yes acts as the button is let go.
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "SaveAndQuitProc");
  const QuestionButton& yes = kQuestionButtons[kQuestionYes - 1];
  d.MoveTo(yes.x + yes.w / 2, yes.y + yes.h / 2);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
  ASSERT_STREQ(d.ScreenName(), "SaveGameProc");

  // Escape goes down in the save step's frame, which hands over to the main
  // menu, and comes up in the menu's first frame.
  d.PressKey(kKeyEscape);
  d.RunFrames(3);
  EXPECT_FALSE(d.QuitPosted()) << "the press that came with the hand-over quit the game";
  EXPECT_STREQ(d.ScreenName(), "MainMenuProc");
  EXPECT_EQ(access(TestFile("Saves/1.save").c_str(), F_OK), 0);

  // The next press is a press of its own.
  d.PressKey(kKeyEscape);
  EXPECT_TRUE(d.QuitPosted());
}

TEST_F(ScreenHandOver, AnArrowHeldThroughAHandOverScrollsOnlyWhatScrolls) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.heroPresent[0] = s.heroPresent[9] = 1;  // a strip with room to turn
  s.heroStripPlace[0] = 1;
  s.heroStripPlace[9] = 12;
  ASSERT_TRUE(d.Goto("GoKingdomMap"));
  d.RunFrames(5);
  d.Click(600, 560, kMouseLeft);  // the day's board
  d.RunFrames(2);

  // Right held from the map into the heroes screen: the strip takes an
  // arrow as one step, and only a press made on it.
  d.KeyDown(kKeyRight);
  d.Click(700, 200, kMouseLeft);  // the bar's Heroes
  d.RunFrames(4);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  EXPECT_EQ(d.App().heroesScreen->strip.firstPlace, 0);

  // Back to the map with Right still held: the map scrolls on at once.
  d.PressKey(kKeyEscape);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  const int32_t cameraX = d.App().kingdomMap->cameraX;
  d.RunFrames(10);
  EXPECT_GT(d.App().kingdomMap->cameraX, cameraX);
  d.KeyUp(kKeyRight);
  d.RunFrames(1);

  // A press made on the heroes screen turns its strip.
  d.Click(700, 200, kMouseLeft);
  d.RunFrames(4);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  d.PressKey(kKeyRight);
  EXPECT_EQ(d.App().heroesScreen->strip.firstPlace, 1);
}
