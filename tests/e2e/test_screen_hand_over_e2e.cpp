// A key pressed while one screen hands over to another is not a fresh press
// for the next one: one press, one action. Played through the save-and-quit
// question, whose Yes goes through the save step to the main menu, where
// Escape quits the program.

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "menus/save_and_quit_dialog.h"
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
