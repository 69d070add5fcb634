// The exchange between two party members played headless: from the map's
// Trade with a hero beside the player to the choice, the army exchange, a
// stack moved, and back to the map, with both members read from the dump.

#include <cstdint>
#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "party/army_exchange_screen.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return std::string(QORV_TEST_OUT) + "/" + name; }

// Presses at (x, y), holds, moves to (tx, ty) and lets go there.
void Drag(ScenarioDriver& d, int x, int y, int tx, int ty) {
  d.MoveTo(x, y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(tx, ty);
  d.RunFrames(2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
}

double Number(const JsonValue& dump, const std::string& path) {
  const JsonValue* v = FindJsonPath(dump, path);
  EXPECT_NE(v, nullptr) << path;
  return v ? v->number : -1;
}

}  // namespace

class ExchangeE2E : public EndToEnd {};

TEST_F(ExchangeE2E, TradeArmiesWithAHeroBesideThePlayer) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  {
    GameState& s = *d.App().gameState;
    int x = 0, y = 0;
    cells::CellCorner(s.partyCell, &x, &y);
    s.heroPresent[0] = 1;
    s.heroCell[0] = cells::CellAt(x + 40, y);
    s.heroDayAllowance[0] = 7;
  }
  d.Goto("GoKingdomMap");
  d.RunFrames(3);
  KingdomMap& view = *d.App().kingdomMap;
  MapEncounters& map = *d.App().mapEncounters;
  auto clickWorld = [&](int32_t wx, int32_t wy) {
    d.Click(wx - view.cameraX + 20, wy - view.cameraY + 20, kMouseLeft);
    d.RunFrames(2);
  };
  d.Click(600, 560, kMouseLeft);  // the day's board goes
  d.RunFrames(2);
  view.cameraX = map.playerX - 400;
  view.cameraY = map.playerY - 300;
  d.RunFrames(1);
  clickWorld(map.playerX, map.playerY);
  d.Click(460 + 32, 530 + 29, kMouseLeft);  // Trade
  d.RunFrames(2);
  clickWorld(map.heroX[0], map.heroY[0]);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  d.RunFrames(3);
  EXPECT_TRUE(d.WriteShot(Out("exchange_choice.png")));

  const GameState& s = *d.App().gameState;
  ASSERT_EQ(s.exchangeLeft, 2);   // hero 0
  ASSERT_EQ(s.exchangeRight, 1);  // the player
  ASSERT_NE(s.playerArmies.armyUsed[0], 0) << "a new game's player leads an army";
  const ArmyRecord playerBefore = s.playerArmies;
  const ArmyRecord heroBefore = s.heroArmies[0];
  ASSERT_EQ(heroBefore.armyUsed[0], 0);

  d.Click(400, 480, kMouseLeft);  // Armies
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ArmyExchangeProc");
  // The player's first stack (cell 7) onto the hero's empty first cell.
  Drag(d, 520, 450, 50, 450);
  d.Click(600, 450, kMouseLeft);  // show the player's second cell in the panel
  d.RunFrames(2);
  EXPECT_TRUE(d.WriteShot(Out("army_exchange.png")));
  d.Click(760, 20, kMouseLeft);  // Back
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  EXPECT_NE(d.App().exchangeChoiceScreen, nullptr) << "the choice waited";
  EXPECT_EQ(d.App().armyExchangeScreen, nullptr);
  d.PressKey(kKeyEscape);
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().exchangeChoiceScreen, nullptr);

  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  EXPECT_EQ(Number(dump, "state.heroArmies.0.armyUsed.0"), 1);
  EXPECT_EQ(Number(dump, "state.heroArmies.0.armyKind.0"), playerBefore.armyKind[0]);
  EXPECT_EQ(Number(dump, "state.heroArmies.0.armyCount.0"), playerBefore.armyCount[0]);
  EXPECT_EQ(Number(dump, "state.heroArmies.0.armyKindCode.0"), playerBefore.armyKindCode[0]);
  EXPECT_EQ(Number(dump, "state.playerArmies.armyUsed.0"), 0);
  EXPECT_EQ(Number(dump, "state.playerArmies.armyKindCode.0"), 0);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    const std::string i = std::to_string(slot);
    EXPECT_EQ(Number(dump, "state.playerArmies.armyPanelPlace." + i), slot);
    EXPECT_EQ(Number(dump, "state.heroArmies.0.armyPanelPlace." + i), slot);
    EXPECT_EQ(Number(dump, "state.playerArmies.armyTail1." + i), playerBefore.armyTail1[slot]);
    EXPECT_EQ(Number(dump, "state.heroArmies.0.armyTail2." + i), heroBefore.armyTail2[slot]);
  }
}
