// A place's mending: the heal check and the heal against the gold, and the
// raising of downed soldiers with the armies' strengths set afresh.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "game/game_state.h"
#include "places/house_screen.h"
#include "places/place_table.h"

namespace {

constexpr int kLastSlot = kHouseArmySlots - 1;

// A village visit by the player, who is hurt (12 of 30) and has one army
// with a wound mark and downed soldiers; slot 5 is empty but marked.
struct HurtVisit {
  std::unique_ptr<GameState> s = std::make_unique<GameState>();
  HouseScreen h{PlaceKind::Village};

  explicit HurtVisit(int32_t gold) {
    s->gold = gold;
    s->playerMaxHealth() = 30;
    s->playerHealth() = 12;
    ArmyRecord& a = s->playerArmies;
    a.armyUsed[0] = 1;
    a.armyKindCode[0] = 1;
    a.armyCount[0] = 4;
    a.armyMark2[0] = 1;
    a.armyMark4[0] = 3;
    a.armyMark1[kLastSlot] = 1;
    h.placeNumber = 1;
    h.visitorCode = kVisitorPlayer;
    h.CopyVisitorIn(*s);
  }
};

}  // namespace

// Both sides of the price: one gold short heals nothing and says so; the
// price exactly heals the visitor and every slot's wound marks (the empty
// slot's too), in the object and in the record, and leaves 0 gold. Downed
// soldiers wait for the raising. A joined place asks its own price.
TEST(HouseHeal, PaysThePriceOnceOrRefusesWhenShort) {
  HurtVisit short_{int32_t(kHealPrice) - 1};
  short_.h.healAsked = 1;
  short_.h.Heal(*short_.s);
  EXPECT_EQ(short_.h.healAsked, 0);
  EXPECT_EQ(short_.s->gold, int32_t(kHealPrice) - 1);
  EXPECT_EQ(short_.h.healUnpaidNote, 1);
  EXPECT_EQ(short_.h.healRefused, 1);
  EXPECT_EQ(short_.h.healPaidNote, 0);
  EXPECT_EQ(short_.s->playerHealth(), 12);
  EXPECT_EQ(short_.h.armyWound2[0], 1);

  HurtVisit exact{int32_t(kHealPrice)};
  exact.h.Heal(*exact.s);
  EXPECT_EQ(exact.s->gold, 0);
  EXPECT_EQ(exact.h.healPaidNote, 1);
  EXPECT_EQ(exact.h.healUnpaidNote, 0);
  EXPECT_EQ(exact.h.healResult, 0);
  EXPECT_EQ(exact.s->playerHealth(), 30);
  EXPECT_EQ(exact.h.health, 30);
  const ArmyRecord& a = exact.s->playerArmies;
  EXPECT_EQ(a.armyMark2[0], 0);
  EXPECT_EQ(a.armyMark1[kLastSlot], 0);
  EXPECT_EQ(exact.h.armyWound2[0], 0);
  EXPECT_EQ(exact.h.armyWound1[kLastSlot], 0);
  EXPECT_EQ(a.armyMark4[0], 3);
  EXPECT_EQ(exact.h.armyDowned[0], 3);
  EXPECT_EQ(exact.h.armyCount[0], 4);

  // Pressed again: nothing is left to heal.
  exact.s->gold = 50;
  exact.h.Heal(*exact.s);
  EXPECT_EQ(exact.s->gold, 50);
  EXPECT_EQ(exact.h.healUnpaidNote, 1);
  EXPECT_EQ(exact.h.healRefused, 0);
  EXPECT_EQ(exact.h.healPaidNote, 0);

  HurtVisit joined{3};
  joined.h.healPrice = kJoinedHealPrice;
  joined.h.Heal(*joined.s);
  EXPECT_EQ(joined.s->gold, 1);
  EXPECT_EQ(joined.h.healPaidNote, 1);
}

// Nothing to heal pays nothing, whatever the gold, and a wound mark on an
// empty slot is not a reason to pay; a negative gold never pays.
TEST(HouseHeal, NothingToHealOrNegativeGoldPaysNothing) {
  for (int32_t gold : {0, 5, 1000}) {
    HurtVisit v{gold};
    v.s->playerHealth() = 30;
    v.h.health = 30;
    v.h.armyWound2[0] = 0;
    v.h.Heal(*v.s);
    EXPECT_EQ(v.s->gold, gold);
    EXPECT_EQ(v.h.healUnpaidNote, 1);
    EXPECT_EQ(v.h.healRefused, 0);
    EXPECT_EQ(v.h.healPaidNote, 0);
    EXPECT_EQ(v.h.armyWound1[kLastSlot], 1) << "nothing was healed";
  }
  for (int32_t gold : {-1, -5, INT32_MIN}) {
    HurtVisit v{gold};
    v.h.Heal(*v.s);
    EXPECT_EQ(v.s->gold, gold);
    EXPECT_EQ(v.h.healRefused, 1);
    EXPECT_EQ(v.h.healPaidNote, 0);
    EXPECT_EQ(v.s->playerHealth(), 12);
  }
}

// A hero is healed in its own record; in a town to the health total the
// record holds at the heal.
TEST(HouseHeal, AHeroIsHealedInItsOwnRecord) {
  for (PlaceKind kind : {PlaceKind::Village, PlaceKind::Town, PlaceKind::Castle}) {
    auto s = std::make_unique<GameState>();
    s->gold = 20;
    constexpr uint8_t kHero = 3;
    s->heroStats[kStatMaxHealth][kHero] = 40;
    s->heroStats[kStatHealth][kHero] = 9;
    s->heroArmies[kHero].armyMark3[2] = 1;
    s->playerArmies.armyMark3[2] = 1;
    HouseScreen h{kind};
    h.placeNumber = kind == PlaceKind::Castle ? 0 : 1;
    h.visitorCode = kVisitorFirstHero + kHero;
    h.CopyVisitorIn(*s);
    h.Heal(*s);
    EXPECT_EQ(s->gold, 10);
    EXPECT_EQ(s->heroStats[kStatHealth][kHero], 40);
    EXPECT_EQ(h.health, 40);
    EXPECT_EQ(s->heroArmies[kHero].armyMark3[2], 0);
    EXPECT_EQ(s->playerArmies.armyMark3[2], 1) << "the player's armies are not the visitor's";
  }
}

// On entry the downed soldiers stand up (a count stops at 255) and the
// popup comes up, also for a visitor at or below 0 health with nobody
// down; once it is closed, every army stands at (training + equipment) / 10
// (at most 255), up with the strength popup, down without.
TEST(HouseHeal, RaisingThenStrengthsFromTrainingAndEquipment) {
  HouseScreen h{PlaceKind::Village};
  h.health = 5;
  for (int s : {0, 1, 2, 3}) h.armyUsed[s] = 1;
  h.armyCount[0] = 4;
  h.armyDowned[0] = 3;
  h.armyCount[1] = 250;
  h.armyDowned[1] = 10;
  h.armyCount[2] = 9;   // nobody down: no cell in the raising popup
  h.armyDowned[4] = 7;  // an empty slot's downed soldiers stay down
  h.armyTraining[0] = 40;
  h.armyEquipment[0] = 39;  // 7.9: 7
  h.armyTraining[1] = 3000;
  h.armyEquipment[1] = 3000;  // 600: at most 255
  h.armyTraining[2] = 30;
  h.armyEquipment[2] = 20;  // 5, below the 9 it has
  h.armyTraining[3] = 150;
  h.armyEquipment[3] = 50;  // 20 with 0 soldiers: below full until closed

  h.RefreshArmies();
  EXPECT_EQ(h.raisedNote, 1);
  EXPECT_EQ(h.grewNote, 0);
  EXPECT_EQ(h.armyCount[0], 7);
  EXPECT_EQ(h.armyCountBefore[0], 4);
  EXPECT_EQ(h.armyCount[1], 255);
  EXPECT_EQ(h.armyRaised[0], 1);
  EXPECT_EQ(h.armyRaised[1], 1);
  EXPECT_EQ(h.armyRaised[2], 0);
  EXPECT_EQ(h.armyDowned[0], 0);
  EXPECT_EQ(h.armyDowned[4], 7);
  EXPECT_EQ(h.armyCount[2], 9);
  EXPECT_EQ(h.armyBelowFull[3], 1);
  EXPECT_EQ(h.armyFullStrength[3], 20);

  // The popup closed: the strengths.
  h.raisedNote = 0;
  h.RefreshArmies();
  EXPECT_EQ(h.raisedNote, 0);
  EXPECT_EQ(h.armyCount[0], 7);
  EXPECT_EQ(h.armyCount[1], 255);
  EXPECT_EQ(h.armyCount[2], 5);
  EXPECT_EQ(h.armyCount[3], 20);
  EXPECT_EQ(h.grewNote, 1);
  EXPECT_EQ(h.armyGrew[3], 1);
  EXPECT_EQ(h.armyGrew[2], 0);
  EXPECT_EQ(h.armyBelowFull[3], 0);
  EXPECT_EQ(h.armyFullStrength[1], 255);

  for (int32_t health : {0, -4}) {
    HouseScreen down{PlaceKind::Town};
    down.health = health;
    down.RefreshArmies();
    EXPECT_EQ(down.health, 1);
    EXPECT_EQ(down.raisedNote, 1);
  }
}

// The raising popup asks for its fame point once, however often it is
// drawn.
TEST(HouseHeal, TheRaisingPopupAsksForFameOnce) {
  HouseScreen h{PlaceKind::Village};
  h.raisedNote = 1;
  h.DrawHealPopup();
  EXPECT_EQ(h.fameLoss, kFameRaised);
  h.fameLoss = kFameApplied;
  h.DrawHealPopup();
  EXPECT_EQ(h.fameLoss, kFameApplied);
}
