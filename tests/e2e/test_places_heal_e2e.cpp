// Mending at the places played headless: battle 1 really lost by a new
// party, then the village raises the downed soldiers (one fame point) and
// heals the fighter for its price; the raising popup's fame point is taken
// once per visit; Heal acts in the frame its button is let go and tells
// what it did. Screenshots of the popups are written for a person to look
// at.

#include <cstdint>
#include <string>

#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "places/place_table.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

// Over the Heal button, and over the place's picture where no button is.
constexpr int32_t kHealX = house_layout::kHealRect.x + house_layout::kHealRect.w / 2;
constexpr int32_t kHealY = house_layout::kHealRect.y + house_layout::kHealRect.h / 2;
constexpr int32_t kEmptyX = 300;
constexpr int32_t kEmptyY = 60;

// An army's full strength: a soldier per ten points of training and
// equipment.
int32_t FullStrength(const ArmyRecord& a, int slot) {
  return (a.armyValue3[slot] + a.armyValue4[slot]) / 10;
}

bool Shows(const std::string& dump, const char* text) {
  return dump.find(std::string("\"text\":\"") + text + "\"") != std::string::npos;
}

// Battle 1 as the map hands it over to a new party, lost by ending every
// turn at once (a new party cannot win it anyway); back on the map.
bool LoseBattleOne(ScenarioDriver& d) {
  GameState& s = *d.App().gameState;
  s.battleId = 1;
  s.battleByPlayer = 1;
  s.battleHero = 0;
  s.battlePending = 1;
  if (!d.Goto("GoBattle")) return false;
  d.RunFrames(3);
  for (int frame = 0; frame < 20000 && d.App().battleScreen; ++frame) {
    BattleScreen& b = *d.App().battleScreen;
    if (b.defeat) {
      d.RunFrames(2);
      d.Click(400, 300, kMouseLeft);
      d.RunFrames(1);
      break;
    }
    if (b.PlayerMayAct() && !b.hitActive && !b.attackStep && b.pauseActive == 0 &&
        b.walkLength == 0) {
      d.PressKey(kKeyEnter);
      d.Click(740, 268, kMouseLeft);  // end of turn
    }
    d.RunFrames(1);
  }
  return d.App().battleScreen == nullptr;
}

// The player entering village n as the map enters it.
VillageHouseScreen* EnterVillage(ScenarioDriver& d, uint8_t n) {
  GameState& s = *d.App().gameState;
  s.villageNumber = n;
  s.visitorCode = kVisitorPlayer;
  d.Goto("GoVillage");
  d.RunFrames(2);
  return d.App().villageScreen;
}

// A press on the Heal button held for a few frames, then let go: the heal
// is done in the frame of the release. (A release is latched until a frame
// has seen the buttons up.)
void PressHeal(ScenarioDriver& d) {
  d.MoveTo(kHealX, kHealY);
  d.RunFrames(1);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(3);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
}

}  // namespace

class PlacesHealE2E : public EndToEnd {};

// Battle 1 lost: the fighter stands at 1 health and both armies are down,
// every soldier downed and wounded. The village raises them on entry for
// one fame point, once in the visit; closing the popup sets the counts to
// (training + equipment) / 10; Heal refuses 9 gold, takes 10 in the frame
// the button is let go, and the next press has nothing left to heal.
TEST_F(PlacesHealE2E, HealAfterALostBattle) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  ASSERT_TRUE(LoseBattleOne(d));
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  const ArmyRecord& a = s.playerArmies;
  ASSERT_EQ(s.playerHealth(), 1);
  ASSERT_LT(s.playerHealth(), s.playerMaxHealth());
  for (int slot : {0, 1}) {
    ASSERT_EQ(a.armyCount[slot], 0) << slot;
    ASSERT_GT(a.armyMark4[slot], 0) << slot;
    ASSERT_GT(a.armyMark1[slot], 0) << slot;
  }
  const uint8_t downed[2] = {a.armyMark4[0], a.armyMark4[1]};
  s.fame = 5;
  s.gold = int32_t(kHealPrice) - 1;

  VillageHouseScreen* visit = EnterVillage(d, 1);
  ASSERT_NE(visit, nullptr);
  VillageHouseScreen& h = *visit;
  EXPECT_EQ(h.raisedNote, 1);
  EXPECT_EQ(h.armyCount[0], downed[0]);
  EXPECT_EQ(h.armyCount[1], downed[1]);
  d.RunFrames(5);
  EXPECT_EQ(s.fame, 4) << "one point, however long the popup is up";
  const std::string raised = d.Dump();
  EXPECT_TRUE(Shows(raised, "All downed armies have been raised."));
  EXPECT_TRUE(Shows(raised, "(Fame -1)"));
  d.WriteShot(Out("place_heal_raised.png"));

  // Closed: nothing is down now, so the counts are the armies' strengths.
  d.Click(kEmptyX, kEmptyY, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(h.raisedNote, 0);
  for (int slot : {0, 1}) EXPECT_EQ(h.armyCount[slot], FullStrength(a, slot)) << slot;
  EXPECT_FALSE(Shows(d.Dump(), "All downed armies have been raised."));
  EXPECT_EQ(s.fame, 4);

  PressHeal(d);
  EXPECT_EQ(s.gold, int32_t(kHealPrice) - 1);
  EXPECT_EQ(s.playerHealth(), 1);
  EXPECT_TRUE(Shows(d.Dump(), "You don't have enough gold"));

  // The note closes with the next press; the heal is done in the frame the
  // button is let go, not before.
  s.gold = int32_t(kHealPrice);
  d.RunFrames(1);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(3);
  EXPECT_EQ(s.gold, int32_t(kHealPrice));
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
  EXPECT_EQ(s.gold, 0);
  EXPECT_EQ(s.playerHealth(), s.playerMaxHealth());
  EXPECT_EQ(h.health, s.playerMaxHealth());
  for (int slot : {0, 1}) {
    EXPECT_EQ(a.armyMark1[slot] | a.armyMark2[slot] | a.armyMark3[slot], 0) << slot;
    EXPECT_EQ(h.armyWound1[slot] | h.armyWound2[slot] | h.armyWound3[slot], 0) << slot;
  }
  const std::string paid = d.Dump();
  EXPECT_TRUE(Shows(paid, "10"));
  EXPECT_TRUE(Shows(paid, "gold paid"));
  EXPECT_TRUE(Shows(paid, "Everyone has been healed."));
  EXPECT_FALSE(Shows(paid, "You don't have enough gold"));
  d.WriteShot(Out("place_heal_paid.png"));

  PressHeal(d);
  const std::string nothing = d.Dump();
  EXPECT_TRUE(Shows(nothing, "0 gold paid"));
  EXPECT_TRUE(Shows(nothing, "Nobody was hurt"));
  EXPECT_EQ(s.gold, 0);

  // Out and in again: nothing is down, no popup, no fame taken.
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(a.armyMark4[0], 0);
  EXPECT_EQ(a.armyCount[1], FullStrength(a, 1));
  ASSERT_NE(EnterVillage(d, 1), nullptr);
  d.RunFrames(3);
  EXPECT_EQ(d.App().villageScreen->raisedNote, 0);
  EXPECT_EQ(s.fame, 4);
  EXPECT_EQ(s.playerHealth(), s.playerMaxHealth());
}
