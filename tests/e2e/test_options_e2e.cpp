// The options from the kingdom map and from a battle, and the help pages.
// The options write the settings file, so their tests run in a game folder
// of their own with a copy of it.

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "menus/info_screen.h"
#include "menus/options_screen.h"
#include "platform/anim_clock.h"
#include "platform/input_device.h"
#include "platform/platform_test_util.h"

namespace {

using testutil::ReadFile;
using testutil::WriteFile;

// The clock both the map's walking and the battle's movement step by.
constexpr int kMovementClock = 1;

// What the map test chooses: music and sounds off, the map fast, the battle
// movement slow, the swing fast.
constexpr uint8_t kChosen[kOptionCount] = {kSwitchOff, kSwitchOff, kSpeedFast, kSpeedSlow,
                                           kSpeedFast};

void ExpectOptions(const GameState& s, const uint8_t (&expected)[kOptionCount]) {
  for (int i = 0; i < kOptionCount; ++i) EXPECT_EQ(s.options[i], expected[i]) << "option " << i;
}

std::string Shot(const char* name) { return TestFile(name); }

// The middle of an options button.
void ClickOption(ScenarioDriver& d, uint8_t id) {
  const OptionsButton& b = kOptionsButtons[id - 1];
  d.Click(b.x + b.w / 2, b.y + b.h / 2, kMouseLeft);
  d.RunFrames(1);
}

double DumpNumber(const ScenarioDriver& d, const std::string& path) {
  JsonValue dump;
  EXPECT_TRUE(ParseJson(d.Dump(), &dump));
  const JsonValue* value = FindJsonPath(dump, path);
  EXPECT_NE(value, nullptr) << path;
  return value ? value->number : -1.0;
}

// The steps the movement clock gives over 40 frames of 20 ms.
int MovementSteps(ScenarioDriver& d) {
  int steps = 0;
  for (int i = 0; i < 40; ++i) {
    d.RunFrames(1);
    const AnimClock* clock = d.App().animClock[kMovementClock];
    if (clock && clock->callerSteps != 255) steps += clock->callerSteps;
  }
  return steps;
}

// In the test's own game folder, the settings written afresh with the
// options' defaults.
class OptionsE2E : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    ASSERT_TRUE(WriteFile(TestFile("Data/data1.txt"), {'0'}));
  }

  // A new game on the map, the day's board closed.
  void StartGame(ScenarioDriver& d) {
    d.SetFrameMs(20);
    d.Start();
    d.RunFrames(2);
  }
  void StartOnMap(ScenarioDriver& d) {
    StartGame(d);
    ASSERT_TRUE(d.Goto("GoKingdomMap"));
    d.RunFrames(3);
    d.Click(600, 560, kMouseLeft);
    d.RunFrames(2);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
  }
};

}  // namespace

// From the map: every choice holds in the game record and the dump, the
// music stops, Back returns to the map, whose walking then runs at the new
// speed; the choices are in the settings file and a new start of the game
// begins with them.
TEST_F(OptionsE2E, FromTheMapTheChoicesHoldAndSurviveARestart) {
  int slowSteps = 0;
  {
    ScenarioDriver d;
    StartOnMap(d);
    auto openOptions = [&] {
      d.Click(720, 405, kMouseLeft);
      d.RunFrames(2);
      ASSERT_STREQ(d.ScreenName(), "OptionsProc");
      ASSERT_NE(d.App().optionsScreen, nullptr);
    };
    openOptions();
    ClickOption(d, kOptionsMapSlow);
    d.PressKey(kKeyEscape);
    d.RunFrames(2);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    slowSteps = MovementSteps(d);

    openOptions();
    d.WriteShot(Shot("options_from_map.png"));
    ClickOption(d, kOptionsMusicOff);
    ClickOption(d, kOptionsSoundsOff);
    ClickOption(d, kOptionsMapSlow + 2);    // Fast
    ClickOption(d, kOptionsMoveSlow);       // Slow
    ClickOption(d, kOptionsSwingSlow + 2);  // Fast
    d.RunFrames(2);
    d.WriteShot(Shot("options_changed.png"));
    ExpectOptions(*d.App().gameState, kChosen);
    EXPECT_EQ(DumpNumber(d, "objects.optionsScreen.mapSpeed"), kSpeedFast);
    EXPECT_EQ(DumpNumber(d, "state.options." + std::to_string(kOptionMusic)), kSwitchOff);
    EXPECT_EQ(DumpNumber(d, "state.options." + std::to_string(kOptionMapSpeed)), kSpeedFast);

    // Back.
    ClickOption(d, kOptionsBack);
    d.RunFrames(1);
    EXPECT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(d.App().optionsScreen, nullptr);
    EXPECT_EQ(d.App().optionsFromMap, 0);
    EXPECT_EQ(DumpNumber(d, "state.options." + std::to_string(kOptionSwingSpeed)), kSpeedFast);
    const int fastSteps = MovementSteps(d);
    EXPECT_GT(fastSteps, slowSteps * 3 / 2) << "the map's walking follows its speed";
  }
  const std::vector<uint8_t> written = ReadFile(TestFile("Data/data1.txt"));
  EXPECT_EQ(std::string(written.begin(), written.end()), "0 0 0 3 1 3 0 0 0 0\n");

  ScenarioDriver again;
  again.Start();
  again.RunFrames(2);
  ExpectOptions(*again.App().gameState, kChosen);
}

// From a battle: the battle's movement and swing follow the new speeds as
// soon as it is back, and it is the same battle.
TEST_F(OptionsE2E, FromABattleTheSpeedsReachTheBattle) {
  ScenarioDriver d;
  StartGame(d);
  // The player walks into the first enemy army.
  GameState& s = *d.App().gameState;
  s.battlePending = s.battleByPlayer = s.battleId = 1;
  ASSERT_TRUE(d.Goto("GoBattle"));
  d.RunFrames(3);
  d.PressKey(kKeyEnter);  // the turn panel
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "BattleProc");
  BattleScreen* battle = d.App().battleScreen;
  ASSERT_NE(battle, nullptr);
  const int averageSteps = MovementSteps(d);

  d.Click(740, 87, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "OptionsProc");
  ClickOption(d, kOptionsMoveSlow + 2);  // Fast
  ClickOption(d, kOptionsSwingSlow);     // Slow
  ClickOption(d, kOptionsMusicOn);       // restarts the battle's music
  d.RunFrames(1);
  d.WriteShot(Shot("options_from_battle.png"));
  EXPECT_EQ(DumpNumber(d, "objects.optionsScreen.battleMoveSpeed"), kSpeedFast);
  EXPECT_EQ(DumpNumber(d, "app.optionsFromBattle"), 1);
  d.PressKey(kKeyEscape);
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "BattleProc");
  EXPECT_EQ(d.App().battleScreen, battle) << "the same battle goes on";
  EXPECT_EQ(d.App().optionsFromBattle, 0);
  EXPECT_EQ(s.options[kOptionBattleMoveSpeed], kSpeedFast);
  EXPECT_EQ(s.options[kOptionSwingSpeed], kSpeedSlow);
  EXPECT_EQ(DumpNumber(d, "state.options." + std::to_string(kOptionSwingSpeed)), kSpeedSlow);
  const int fastSteps = MovementSteps(d);
  EXPECT_GT(fastSteps, averageSteps * 5 / 4) << "the battle's movement follows its speed";
  EXPECT_EQ(d.App().battleScreen->stepDelayMs, 200u) << "the slow swing";
}

// The help pages turn round both ways, the left arrow also from just left
// of its picture; Back goes to the main menu.
TEST_F(EndToEnd, HelpPagesCycleBothWays) {
  ScenarioDriver d;
  d.SetFrameMs(50);
  d.Start();
  d.RunFrames(2);
  ASSERT_TRUE(d.Goto("GoHelp"));
  d.RunFrames(10);
  d.WriteShot(Shot("help_opening.png"));
  d.RunFrames(50);  // three seconds: the opening is over, the page shows
  ASSERT_STREQ(d.ScreenName(), "HelpProc");
  InfoScreen& help = *d.App().infoScreen;
  EXPECT_EQ(help.animFrame, 5);
  const int rightX = kHelpRightRect.x + 16, leftX = kHelpLeftHover.x + 16, arrowY = 36;
  const char* shots[kHelpPageCount] = {"help_page0.png", "help_page1.png", "help_page2.png"};
  d.WriteShot(Shot(shots[0]));
  for (uint8_t expected : {1, 2, 0}) {
    d.Click(rightX, arrowY, kMouseLeft);
    d.RunFrames(1);
    EXPECT_EQ(help.page, expected);
    if (expected) d.WriteShot(Shot(shots[expected]));
  }
  for (uint8_t expected : {2, 1, 0}) {
    d.Click(leftX, arrowY, kMouseLeft);
    d.RunFrames(1);
    EXPECT_EQ(help.page, expected);
  }
  EXPECT_EQ(DumpNumber(d, "objects.infoScreen.page"), 0);
  // Just left of the arrow's picture the press turns the page at once.
  d.MoveTo(12, arrowY);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  EXPECT_EQ(help.page, 2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);

  d.Click(kHelpBackRect.x + 10, kHelpBackRect.y + 10, kMouseLeft);
  d.RunFrames(1);
  EXPECT_STREQ(d.ScreenName(), "MainMenuProc");
  EXPECT_EQ(d.App().infoScreen, nullptr);
}
