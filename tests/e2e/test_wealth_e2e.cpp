// The wealth screen played headless: opened from the map's control bar with
// what a game has found, left by Back (on release, or at once when the click
// was right of the picture) and by Escape, back on the map each time.

#include <cstdint>
#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "party/wealth_screen.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

constexpr uint8_t kOwned = 1;

// The control bar's Wealth panel, where it is clicked.
constexpr int32_t kBarWealthX = 720;
constexpr int32_t kBarWealthY = 275;

// A new game that has found some of everything, on its map with the day's
// board closed, then the Wealth panel clicked.
void OpenWealthFromTheMap(ScenarioDriver& d) {
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  for (int i = 0; i < 30; i += 2) {
    s.wealth.gemPicture[i / 2] = static_cast<uint8_t>(i + 1);
    s.wealth.gemOwned[i] = kOwned;
  }
  for (int i = 0; i < 15; ++i) {
    s.wealth.artifactPicture[i] = static_cast<uint8_t>(i + 1);
    s.wealth.artifactOwned[i] = static_cast<uint8_t>(i % 3 != 1);
  }
  for (int i : {0, 2, 3, 6}) s.wealth.villageJoined[i] = kOwned;
  for (int i = 0; i < 6; ++i) s.wealth.townOwned[i] = kOwned;
  s.gold = 48250;
  d.Goto("GoKingdomMap");
  d.RunFrames(3);
  d.Click(600, 560, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  d.Click(kBarWealthX, kBarWealthY, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "WealthProc");
  ASSERT_NE(d.App().wealthScreen, nullptr);
}

}  // namespace

TEST_F(EndToEnd, WealthScreenOpensFromTheMapAndShowsTheTotals) {
  ScenarioDriver d;
  OpenWealthFromTheMap(d);
  const WealthScreen& w = *d.App().wealthScreen;
  // 15 gems, 10 artifacts, 4 villages, 6 towns and mines.
  EXPECT_EQ(w.total, 15 * kGemPoints + 10 * kArtifactPoints + 4 * kVillagePoints + 6 * kTownPoints);
  EXPECT_EQ(w.gold, 48250u);
  EXPECT_EQ(w.gemX[2], 18 + 52);  // gem 3 at the second place
  d.MoveTo(400, 560);
  d.RunFrames(1);
  d.WriteShot(Out("wealth_screen.png"));

  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  const JsonValue* total = FindJsonPath(dump, "objects.wealthScreen.total");
  ASSERT_NE(total, nullptr);

  // Back waits for the release while the cursor stays on it.
  d.MoveTo(720, 15);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(3);
  EXPECT_STREQ(d.ScreenName(), "WealthProc");
  EXPECT_EQ(d.App().wealthScreen->backLook, 2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().wealthScreen, nullptr);
  d.RunFrames(3);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().gameState->gold, 48250);
}

TEST_F(EndToEnd, WealthScreenLeavesByEscapeAndByAClickRightOfBack) {
  ScenarioDriver d;
  OpenWealthFromTheMap(d);
  d.PressKey(kKeyEscape);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().wealthScreen, nullptr);
  d.RunFrames(2);

  // Right of Back's picture the press leaves at once, the button still down.
  d.Click(kBarWealthX, kBarWealthY, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "WealthProc");
  d.MoveTo(780, 10);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().wealthScreen, nullptr);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
}
