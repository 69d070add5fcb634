// Keys and clicks in quick succession, as remote desktops, slow frames and
// scripted input send them: each acts once. A key pressed and let go with no
// frame between acts on the screens that read the keyboard more than once a
// frame (the map while the party rests, the name entry and the rename
// editor); two clicks in a row are two clicks; Shift held through a change
// of screen still gives capitals.

#include <sstream>
#include <string>

#include "e2e_fixture.h"
#include "harness/scenario_driver.h"
#include "harness/scenario_script.h"
#include "platform/input_device.h"

namespace {

int RunScript(const std::string& script, std::string* err) {
  ScenarioOptions options;
  options.gameDir = TestFolder();
  options.outDir = TestFolder();
  std::ostringstream errors;
  const int rc = RunScenarioText(script, "quick.txt", options, errors);
  *err = errors.str();
  return rc;
}

// Each letter down and up at once, one frame after another: a letter
// twice over is two presses.
std::string TapEach(const std::string& letters) {
  std::string script;
  for (char c : letters) {
    script += std::string("keydown ") + c + "\nkeyup " + c + "\nframes 1\n";
  }
  return script;
}

// The same taps through the driver (scan codes of the letters).
void TapEach(ScenarioDriver& d, std::initializer_list<int> keys) {
  for (int key : keys) {
    d.KeyDown(key);
    d.KeyUp(key);
    d.RunFrames(1);
  }
}

}  // namespace

TEST_F(EndToEnd, QuickEnterStartsAPlannedWalk) {
  std::string err;
  const std::string script =
      "tick 16\n"
      "frames 2\n"
      "goto GoKingdomMap\n"
      "frames 5\n"
      "click 600 560\n"
      "frames 2\n"
      "expect app.mapShowMessages 0\n"
      // The player at (-720, 600) plans a walk three cells east.
      "click 415 300\n"
      "frames 2\n"
      "click 535 300\n"
      "frames 2\n"
      "expect objects.mapEncounters.playerWalkState 1\n"
      "keydown ENTER\n"
      "keyup ENTER\n"
      "frames 80\n"
      "expect objects.mapEncounters.playerX -600\n"
      "expect objects.mapEncounters.playerStepsLeft 4\n"
      "expect screen MapProc\n";
  EXPECT_EQ(RunScript(script, &err), 0) << err;
}

TEST_F(EndToEnd, QuickLettersTypeAName) {
  std::string err;
  const std::string script =
      "goto GoNameEntry\n"
      "frames 2\n" +
      TapEach("BALLOON") +
      "expect objects.nameEntryScreen.cellsText \"balloon|\"\n"
      // Enter, as short, takes the name.
      "keydown ENTER\n"
      "keyup ENTER\n"
      "frames 2\n"
      "expect screen NewGamePortraitProc\n"
      "expect state.playerNameText \"balloon|\"\n";
  EXPECT_EQ(RunScript(script, &err), 0) << err;
}

TEST_F(EndToEnd, TwoClicksInARowTurnTwoPages) {
  // The help's arrow turns a page as the click is let go: two clicks with
  // no frame between the first's end and the second's start, then two
  // clicks that are pressed and let go between frames, one frame apart.
  const std::string lead =
      "tick 50\nframes 2\ngoto GoHelp\nframes 60\nexpect objects.infoScreen.page 0\n";
  for (const std::string& clicks :
       {std::string("click 81 36\nclick 81 36\n"),
        std::string("move 81 36\nbuttondown left\nbuttonup left\nframes 1\n"
                    "buttondown left\nbuttonup left\nframes 3\n")}) {
    SCOPED_TRACE(clicks);
    std::string err;
    EXPECT_EQ(RunScript(lead + clicks + "expect objects.infoScreen.page 2\n", &err), 0) << err;
  }
}

TEST_F(EndToEnd, QuickLettersRenameAnArmyAndShiftHeldIntoItGivesACapital) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  ASSERT_TRUE(d.Goto("GoPlayer"));
  d.RunFrames(3);
  d.KeyDown(kKeyLShift);
  d.RunFrames(1);
  d.Click(600, 215, kMouseLeft);  // Rename army, Shift still held
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  const std::string before = DumpedText(d, "objects.nameEditor.cellsText");
  ASSERT_FALSE(before.empty());
  TapEach(d, {kKeyA});
  d.KeyUp(kKeyLShift);
  TapEach(d, {kKeyF, kKeyE, kKeyE, kKeyT});
  // The letters go in before the caret.
  EXPECT_EQ(DumpedText(d, "objects.nameEditor.cellsText"),
            before.substr(0, before.size() - 1) + "Afeet|");
}
