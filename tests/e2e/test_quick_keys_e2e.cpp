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

namespace {

// One of the two editors that take typed letters, opened on a fresh name.
struct Editor {
  const char* name;
  const char* cells;  // the dump's text of its cells
  void (*open)(ScenarioDriver&);
  const char* stored;  // the dump's text of the name once taken
  const char* backTo;  // the screen it goes back to with it
  int32_t readyX, readyY;
  int32_t clearX, clearY;
  int32_t backX, backY;
  bool digits;  // types digits, by either row of digit keys
};

void OpenNameEntry(ScenarioDriver& d) {
  ASSERT_TRUE(d.Goto("GoNameEntry"));
  d.RunFrames(2);
}

// The rename editor on the player's army in box 2 (his second), its name
// cleared.
void OpenRenameArmy(ScenarioDriver& d) {
  ASSERT_TRUE(d.Goto("GoPlayer"));
  d.RunFrames(3);
  d.Click(200, 560, kMouseLeft);
  d.RunFrames(1);
  d.Click(600, 215, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  d.Click(170, 425, kMouseLeft);  // Clear
  d.RunFrames(2);
}

}  // namespace

// Both editors, each on its fresh name.
const Editor kEditors[] = {
    {"name entry", "objects.nameEntryScreen.cellsText", OpenNameEntry, "state.playerNameText",
     "NewGamePortraitProc", 410, 505, 172, 427, 720, 20, false},
    {"rename", "objects.nameEditor.cellsText", OpenRenameArmy, "state.playerArmies.armyNamesText.1",
     "PlayerProc", 410, 505, 170, 425, 720, 20, true},
};

// Not keys, among the keys of a typing: the left button going down or up
// over the editor's Clear, and one frame run.
constexpr int kClearButton = -1;
constexpr int kOneFrame = -2;

TEST_F(EndToEnd, LettersTypedFastAreAllKeptInTheOrderTyped) {
  // Keys pressed within one frame, as a fast typist's roll-over and a
  // desktop's queued input bring them: every letter once, in order.
  struct Typing {
    const char* what;
    std::initializer_list<std::pair<int, bool>> keys;  // scan code, down
    const char* typed;
    const char* typedWithDigits = nullptr;  // in an editor that types digits, if other
  };
  const Typing typings[] = {
      {"roll-over", {{kKeyB, true}, {kKeyA, true}, {kKeyB, false}, {kKeyA, false}}, "ba|"},
      {"taps and a double letter",
       {{kKeyC, true},
        {kKeyC, false},
        {kKeyD, true},
        {kKeyD, false},
        {kKeyD, true},
        {kKeyD, false}},
       "cdd|"},
      {"a capital by Shift",
       {{kKeyLShift, true},
        {kKeyA, true},
        {kKeyA, false},
        {kKeyLShift, false},
        {kKeyL, true},
        {kKeyL, false}},
       "Al|"},
      {"Backspace in its place",
       {{kKeyX, true},
        {kKeyX, false},
        {kKeyBackspace, true},
        {kKeyBackspace, false},
        {kKeyY, true},
        {kKeyY, false}},
       "y|"},
      {"the number pad's digits",
       {{kKeyX, true},
        {kKeyX, false},
        {kKeyNumpad4, true},
        {kKeyNumpad4, false},
        {kKeyNumpad2, true},
        {kKeyNumpad2, false},
        {kKey7, true},
        {kKey7, false}},
       "x|",
       "x427|"},
      // Clear empties the name as typed up to its press, whatever still
      // waits to be shown; what is typed after its press stays.
      {"Clear after letters still waiting",
       {{kKeyA, true},
        {kKeyA, false},
        {kKeyB, true},
        {kKeyB, false},
        {kKeyC, true},
        {kKeyC, false},
        {kOneFrame, true},
        {kClearButton, true},
        {kClearButton, false}},
       "|"},
      {"letters, Clear, a letter",
       {{kKeyA, true},
        {kKeyA, false},
        {kKeyB, true},
        {kKeyB, false},
        {kClearButton, true},
        {kKeyD, true},
        {kKeyD, false},
        {kClearButton, false}},
       "d|"},
      {"letters after the Clear's press in its frame",
       {{kClearButton, true},
        {kKeyA, true},
        {kKeyA, false},
        {kKeyB, true},
        {kKeyB, false},
        {kKeyC, true},
        {kKeyC, false},
        {kClearButton, false}},
       "abc|"},
  };
  for (const Editor& editor : kEditors) {
    for (const Typing& t : typings) {
      SCOPED_TRACE(std::string(editor.name) + ": " + t.what);
      ScenarioDriver d;
      d.Start();
      d.RunFrames(2);
      editor.open(d);
      ASSERT_EQ(DumpedText(d, editor.cells), "|");
      for (auto [key, down] : t.keys) {
        if (key == kOneFrame) {
          d.RunFrames(1);
        } else if (key == kClearButton) {
          d.MoveTo(editor.clearX, editor.clearY);
          down ? d.ButtonDown(kMouseLeft) : d.ButtonUp(kMouseLeft);
        } else {
          down ? d.KeyDown(key) : d.KeyUp(key);
        }
      }
      d.RunFrames(8);
      EXPECT_EQ(DumpedText(d, editor.cells),
                editor.digits && t.typedWithDigits ? t.typedWithDigits : t.typed);
    }
  }
}

TEST_F(EndToEnd, TheNameTakenHasEveryLetterTypedBeforeIt) {
  // Letters then Enter, all before one frame; or letters before one frame
  // and Ready clicked at once: the name taken has them all. Letters and
  // Enter still waiting as Clear or Back is clicked: Enter came first, and
  // took the name.
  enum Way { kByEnter, kByReady, kEnterThenClear, kEnterThenBack };
  const char* const kWays[] = {"Enter", "Ready", "Enter, then Clear", "Enter, then Back"};
  for (const Editor& editor : kEditors) {
    for (const Way way : {kByEnter, kByReady, kEnterThenClear, kEnterThenBack}) {
      SCOPED_TRACE(std::string(editor.name) + ", " + kWays[way]);
      ScenarioDriver d;
      d.Start();
      d.RunFrames(2);
      editor.open(d);
      for (int key : {kKeyN, kKeyE, kKeyD}) {
        d.KeyDown(key);
        d.KeyUp(key);
      }
      if (way == kByReady) {
        d.Click(editor.readyX, editor.readyY, kMouseLeft);
        d.RunFrames(2);
      } else {
        d.KeyDown(kKeyEnter);
        d.KeyUp(kKeyEnter);
        if (way == kEnterThenClear) {
          d.RunFrames(1);
          d.Click(editor.clearX, editor.clearY, kMouseLeft);
        } else if (way == kEnterThenBack) {
          d.RunFrames(1);
          d.Click(editor.backX, editor.backY, kMouseLeft);
        }
        d.RunFrames(8);
      }
      EXPECT_STREQ(d.ScreenName(), editor.backTo);
      EXPECT_EQ(DumpedText(d, editor.stored), "ned|");
    }
  }
}

TEST_F(EndToEnd, AKeyHeldWhileAnotherWindowHadTheFocusIsNoPressOnReturn) {
  // As the desktop does it: the key held is let go as the focus leaves, and
  // told of again, going down, a few frames after the focus is back.
  const std::string away = "focus out\nframes 10\nfocus in\nframes 2\n";
  std::string err;
  // The map does not scroll on by it; a press after its release does.
  EXPECT_EQ(RunScript("frames 2\ngoto GoKingdomMap\nframes 5\nclick 600 560\nframes 2\n"
                      "keydown RIGHT\nframes 5\nkeyup RIGHT\n" +
                          away +
                          "keydown RIGHT\nexpect objects.kingdomMap.cameraX -1046\nframes 10\n"
                          "expect objects.kingdomMap.cameraX -1046\n"
                          "keyup RIGHT\nframes 1\nkeydown RIGHT\nframes 10\nkeyup RIGHT\n"
                          "expect objects.kingdomMap.cameraX -876\n",
                      &err),
            0)
      << err;
  // The name entry types the letter once.
  EXPECT_EQ(RunScript("goto GoNameEntry\nframes 2\nkeydown A\nframes 3\nkeyup A\n" + away +
                          "keydown A\nframes 5\nkeyup A\nframes 1\nkey B\n"
                          "expect objects.nameEntryScreen.cellsText \"ab|\"\n",
                      &err),
            0)
      << err;
}
