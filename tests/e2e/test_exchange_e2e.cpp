// The exchange between two party members played headless: from the map's
// Trade with a hero beside the player to the choice, the item exchange and
// an item moved, the army exchange and a stack moved, and back to the map,
// with both members read from the dump.

#include <cstdint>
#include <cstring>
#include <string>

#include "app/game_app.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "party/army_exchange_screen.h"
#include "party/item_exchange_screen.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

constexpr uint8_t kSword = 233;
// The choice's two buttons, by their centres' height.
constexpr int kItemsButtonY = 334;
constexpr int kArmiesButtonY = 480;

double Number(const JsonValue& dump, const std::string& path) {
  const JsonValue* v = FindJsonPath(dump, path);
  EXPECT_NE(v, nullptr) << path;
  return v ? v->number : -1;
}

}  // namespace

class ExchangeE2E : public EndToEnd {};

TEST_F(ExchangeE2E, TradeItemsAndArmiesWithAHeroBesideThePlayer) {
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
    s.playerItems[0] = kSword;  // in the player's first bag cell
    s.playerItemHeld[kSword - 1] = 1;
    s.playerItemSlot[kSword - 1] = 0;
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
  d.MoveTo(100, 500);  // off the buttons: both show their pictures
  d.RunFrames(3);
  EXPECT_TRUE(d.WriteShot(Out("exchange_choice.png")));

  const GameState& s = *d.App().gameState;
  ASSERT_EQ(s.exchangeLeft, 2);   // hero 0
  ASSERT_EQ(s.exchangeRight, 1);  // the player
  ASSERT_NE(s.playerArmies.armyUsed[0], 0) << "a new game's player leads an army";
  const ArmyRecord playerBefore = s.playerArmies;
  const ArmyRecord heroBefore = s.heroArmies[0];
  ASSERT_EQ(heroBefore.armyUsed[0], 0);

  d.Click(400, kItemsButtonY, kMouseLeft);
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ItemExchangeProc");
  // The player's sword from his bag (right) onto the hero's sword slot (left).
  Drag(d, 576, 440, 310, 256);
  EXPECT_TRUE(d.WriteShot(Out("item_exchange.png")));
  d.Click(760, 20, kMouseLeft);  // Back
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  EXPECT_EQ(d.App().itemExchangeScreen, nullptr);

  d.Click(400, kArmiesButtonY, kMouseLeft);
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
  const std::string sword = std::to_string(kSword - 1);
  EXPECT_EQ(Number(dump, "state.heroItems.0.items.30"), kSword);
  EXPECT_EQ(Number(dump, "state.heroItems.0.held." + sword), 1);
  EXPECT_EQ(Number(dump, "state.heroItems.0.slot." + sword), 30);
  EXPECT_EQ(Number(dump, "state.playerItems.0"), 0);
  EXPECT_EQ(Number(dump, "state.playerItemHeld." + sword), 0);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    const std::string i = std::to_string(slot);
    EXPECT_EQ(Number(dump, "state.playerArmies.armyPanelPlace." + i), slot);
    EXPECT_EQ(Number(dump, "state.heroArmies.0.armyPanelPlace." + i), slot);
    EXPECT_EQ(Number(dump, "state.playerArmies.armyTail1." + i), playerBefore.armyTail1[slot]);
    EXPECT_EQ(Number(dump, "state.heroArmies.0.armyTail2." + i), heroBefore.armyTail2[slot]);
  }
}

namespace {

// A game whose record is set up by the caller, opened on an exchange between
// hero 1 (left) and the player (right): the army exchange unless the Items
// button is given.
class ArmyExchangeGame {
 public:
  template <class Setup>
  explicit ArmyExchangeGame(Setup setup, int buttonY = kArmiesButtonY) {
    d.Start();
    d.RunFrames(2);
    GameState& s = State();
    s.heroPresent[1] = 1;
    s.exchangeLeft = 3;
    s.exchangeRight = 1;
    setup(s);
    d.Goto("GoExchangeChoice");
    d.RunFrames(3);
    d.Click(400, buttonY, kMouseLeft);
    d.RunFrames(3);
  }
  GameState& State() { return *d.App().gameState; }
  ScenarioDriver d;
};

// Slot s of an army record holds a stack whose every value tells it apart.
void PutStack(ArmyRecord& a, int slot, uint8_t tag, uint8_t place) {
  a.armyKindCode[slot] = tag;
  a.armyUsed[slot] = 1;
  a.armyPanelPlace[slot] = place;
  a.armyKind[slot] = 2;
  a.armyValue1[slot] = tag + 1;
  a.armyValue2[slot] = tag + 2;
  a.armyValue3[slot] = tag + 3;
  a.armyValue4[slot] = tag + 4;
  a.armyCount[slot] = tag;
  a.armyMark4[slot] = 1;
  for (int j = 0; j < kGlyphNameLength; ++j) a.armyNames[slot][j] = static_cast<uint8_t>(tag + j);
}

// The centre of army cell c (1..12).
void CellCentre(int cell, int* x, int* y) {
  int32_t hx = 0, hy = 0;
  ArmyCellHome(cell, &hx, &hy);
  *x = hx + 30;
  *y = hy + 30;
}

}  // namespace

TEST_F(ExchangeE2E, ASwapWritesBothMembersWithSlotsInOrderAndTheTailsKept) {
  ArmyRecord player{}, hero{};
  ArmyExchangeGame game([&](GameState& s) {
    s.playerArmies = ArmyRecord{};
    s.heroArmies[1] = ArmyRecord{};
    PutStack(s.playerArmies, 0, 40, 5);   // a slot number out of order
    PutStack(s.heroArmies[1], 2, 70, 9);  // and one out of range
    for (int slot = 0; slot < kArmySlots; ++slot) {
      s.playerArmies.armyTail1[slot] = static_cast<uint8_t>(10 + slot);
      s.heroArmies[1].armyTail2[slot] = static_cast<uint8_t>(20 + slot);
    }
    player = s.playerArmies;
    hero = s.heroArmies[1];
  });
  ScenarioDriver& d = game.d;
  ASSERT_STREQ(d.ScreenName(), "ArmyExchangeProc");
  const uint8_t itemsBefore = game.State().playerItems[kFirstBodyPlace];
  int x = 0, y = 0, tx = 0, ty = 0;
  CellCentre(7, &x, &y);    // the player's first slot
  CellCentre(3, &tx, &ty);  // the hero's third
  Drag(d, x, y, tx, ty);
  d.PressKey(kKeyEscape);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");

  const GameState& s = game.State();
  const ArmyRecord& p = s.playerArmies;
  const ArmyRecord& h = s.heroArmies[1];
  // The two stacks changed places, each with all its values and its name.
  EXPECT_EQ(h.armyKindCode[2], 40);
  EXPECT_EQ(h.armyValue3[2], 43);
  EXPECT_EQ(h.armyNames[2][5], 45);
  EXPECT_EQ(p.armyKindCode[0], 70);
  EXPECT_EQ(p.armyValue4[0], 74);
  EXPECT_EQ(p.armyNames[0][5], 75);
  EXPECT_EQ(p.armyUsed[0], 1);
  EXPECT_EQ(h.armyUsed[2], 1);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    EXPECT_EQ(p.armyPanelPlace[slot], slot);
    EXPECT_EQ(h.armyPanelPlace[slot], slot);
    EXPECT_EQ(p.armyTail1[slot], player.armyTail1[slot]);
    EXPECT_EQ(p.armyTail2[slot], player.armyTail2[slot]);
    EXPECT_EQ(h.armyTail1[slot], hero.armyTail1[slot]);
    EXPECT_EQ(h.armyTail2[slot], hero.armyTail2[slot]);
  }
  EXPECT_EQ(s.playerItems[kFirstBodyPlace], itemsBefore);
  EXPECT_EQ(d.App().selectedHero, 1);
}

TEST_F(ExchangeE2E, NobodyTradesWithHimself) {
  for (const char* stub : {"GoExchangeChoice", "GoArmyExchange", "GoItemExchange"}) {
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    GameState& s = *d.App().gameState;
    const ArmyRecord before = s.playerArmies;
    s.exchangeLeft = s.exchangeRight = 1;  // the player on both sides
    d.Goto(stub);
    d.RunFrames(4);
    EXPECT_STREQ(d.ScreenName(), "MapProc") << stub;
    EXPECT_EQ(d.App().exchangeChoiceScreen, nullptr) << stub;
    EXPECT_EQ(d.App().armyExchangeScreen, nullptr) << stub;
    EXPECT_EQ(d.App().itemExchangeScreen, nullptr) << stub;
    EXPECT_EQ(s.playerArmies.armyKindCode[0], before.armyKindCode[0]) << stub;
  }
}

// A side whose id names no member still opens the choice and the item
// exchange; that side gives and takes nothing, the other trades as usual.
TEST_F(ExchangeE2E, AnIdOfNoMemberOpensTheScreensWithAnEmptySide) {
  for (const uint8_t none : {uint8_t(0), uint8_t(12), uint8_t(255)}) {
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    GameState& s = *d.App().gameState;
    s.playerItems[0] = kSword;
    s.playerItemHeld[kSword - 1] = 1;
    const ItemRecord heroBefore = s.heroItems[kHeroCount - 1];
    s.exchangeLeft = 1;
    s.exchangeRight = none;
    d.Goto("GoExchangeChoice");
    d.RunFrames(3);
    ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc") << int(none);
    d.Goto("GoItemExchange");
    d.RunFrames(3);
    ASSERT_STREQ(d.ScreenName(), "ItemExchangeProc") << int(none);
    Drag(d, 32, 440, 96, 440);  // the player's first bag cell to his second
    d.PressKey(kKeyEscape);
    d.RunFrames(2);
    EXPECT_STREQ(d.ScreenName(), "ExchangeChoiceProc") << int(none);
    EXPECT_EQ(s.playerItems[0], 0) << int(none);
    EXPECT_EQ(s.playerItems[1], kSword) << int(none);
    EXPECT_EQ(s.playerItemSlot[kSword - 1], 1) << int(none);
    const ItemRecord& hero = s.heroItems[kHeroCount - 1];
    EXPECT_EQ(0, std::memcmp(&hero, &heroBefore, sizeof hero)) << int(none);
  }
}

TEST_F(ExchangeE2E, EscapeNeverLosesAStack) {
  ArmyExchangeGame game([](GameState& s) {
    s.playerArmies = ArmyRecord{};
    for (int slot = 0; slot < kArmySlots; ++slot) s.playerArmies.armyPanelPlace[slot] = slot;
    PutStack(s.playerArmies, 0, 40, 0);
  });
  ScenarioDriver& d = game.d;
  ASSERT_STREQ(d.ScreenName(), "ArmyExchangeProc");
  int x = 0, y = 0;
  CellCentre(7, &x, &y);

  // Escape while a stack is held does nothing.
  d.MoveTo(x, y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.PressKey(kKeyEscape);
  EXPECT_STREQ(d.ScreenName(), "ArmyExchangeProc");
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "ArmyExchangeProc") << "nor once the stack is down";

  // Escape in the very frame of a press on the stack: the screen goes and
  // the stack stays where it was.
  PressWithEscape(d);
  EXPECT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  const ArmyRecord& p = game.State().playerArmies;
  EXPECT_EQ(p.armyKindCode[0], 40);
  EXPECT_EQ(p.armyUsed[0], 1);
  EXPECT_EQ(p.armyCount[0], 40);
}

// Escape in the frame an item is lifted leaves the screen with the item
// where it lay; Escape with an item on the cursor does nothing.
TEST_F(ExchangeE2E, EscapeNeverLosesAnItem) {
  ArmyExchangeGame game(
      [](GameState& s) {
        s.playerItems[0] = kSword;
        s.playerItemHeld[kSword - 1] = 1;
      },
      kItemsButtonY);
  ScenarioDriver& d = game.d;
  ASSERT_STREQ(d.ScreenName(), "ItemExchangeProc");

  d.MoveTo(576, 440);  // the player's first bag cell
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(d.App().itemExchangeScreen->heldItem, kSword);
  d.PressKey(kKeyEscape);
  EXPECT_STREQ(d.ScreenName(), "ItemExchangeProc") << "not with an item on the cursor";
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);

  PressWithEscape(d);
  d.RunFrames(1);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  const GameState& s = *d.App().gameState;
  EXPECT_EQ(s.playerItems[0], kSword);
  EXPECT_EQ(s.playerItemHeld[kSword - 1], 1);
  EXPECT_EQ(s.heroItems[1].held[kSword - 1], 0);
}
