#include <gtest/gtest.h>

#include "game/game_state.h"
#include "party/exchange_choice_screen.h"
#include "party/item_exchange_copy.h"
#include "party/item_exchange_screen.h"

namespace {

constexpr uint8_t kSword = 233;
constexpr uint8_t kHelmet = 40;
constexpr uint8_t kAmulet = 5;
constexpr uint8_t kHero0 = kFirstHeroMember;  // drawn on the left
constexpr int kSwordPlace = kFirstBodyPlace + kBodySword;
constexpr int kHelmetPlace = kFirstBodyPlace + kBodyHelmet;

void Give(uint8_t* places, uint8_t* held, uint8_t* slotOf, int place, uint8_t id) {
  places[place] = id;
  held[id - 1] = 1;
  slotOf[id - 1] = uint8_t(place);
}

// An exchange between hero 0 (left) and the player (right), filled as the
// procedure fills it on its first frame.
struct Exchange {
  GameState state;
  ItemExchangeScreen screen;
  uint8_t selectedHero = 0;

  Exchange() {
    state.heroPresent[0] = 1;
    ItemRecord& hero = state.heroItems[0];
    Give(hero.items, hero.held, hero.slot, 2, kSword);
    Give(state.playerItems, state.playerItemHeld, state.playerItemSlot, 0, kAmulet);
    Give(state.playerItems, state.playerItemHeld, state.playerItemSlot, kHelmetPlace, kHelmet);
    screen.Reset();
    screen.leftMember = kHero0;
    screen.rightMember = kMemberPlayer;
    CopyItemsIn(state, screen, kItemSideLeft, kHero0, &selectedHero);
    CopyItemsIn(state, screen, kItemSideRight, kMemberPlayer, &selectedHero);
    screen.SettleOwners();
    screen.LayoutLeftItems();
    screen.LayoutRightItems();
  }

  // Presses on place `from` of one side and lets go over place `to` of a
  // side, as the procedure's frames do.
  void Drag(uint8_t fromSide, int from, uint8_t toSide, int to) {
    const ScreenRect a = ExchangePlaceRect(fromSide, from);
    const ScreenRect b = ExchangePlaceRect(toSide, to);
    ASSERT_EQ(screen.PickUp(a.x + a.w / 2, a.y + a.h / 2), 1);
    if (!screen.Drop(b.x + b.w / 2, b.y + b.h / 2)) screen.ReturnHeldItem();
  }

  void Leave() {
    screen.SettleOwners();
    CopyItemsBack(state, screen, kItemSideLeft, kHero0, &selectedHero);
    CopyItemsBack(state, screen, kItemSideRight, kMemberPlayer, &selectedHero);
  }
};

}  // namespace

// Items change members by where they are let go, each with the very place it
// lies in; what does not fit goes back to the side it came from.
TEST(ItemExchange, ItemsBelongToTheMemberWhoseHalfTheyLieIn) {
  Exchange x;
  // The hero's sword onto the player's helmet slot does not fit: home again.
  x.Drag(kItemSideLeft, 2, kItemSideRight, kHelmetPlace);
  EXPECT_EQ(x.screen.leftItems[2], kSword);
  EXPECT_EQ(x.screen.rightItems[kHelmetPlace], kHelmet);
  // The hero's sword from his bag onto the player's figure.
  x.Drag(kItemSideLeft, 2, kItemSideRight, kSwordPlace);
  // The player's amulet from his bag into the hero's bag cell 7.
  x.Drag(kItemSideRight, 0, kItemSideLeft, 7);
  x.Leave();

  const GameState& s = x.state;
  const ItemRecord& hero = s.heroItems[0];
  EXPECT_EQ(s.playerItems[kSwordPlace], kSword);
  EXPECT_EQ(s.playerItemHeld[kSword - 1], 1);
  EXPECT_EQ(s.playerItemSlot[kSword - 1], kSwordPlace);
  EXPECT_EQ(hero.items[2], 0);
  EXPECT_EQ(hero.held[kSword - 1], 0);

  EXPECT_EQ(hero.items[7], kAmulet);
  EXPECT_EQ(hero.held[kAmulet - 1], 1);
  EXPECT_EQ(hero.slot[kAmulet - 1], 7) << "a bag cell records its own number";
  EXPECT_EQ(s.playerItems[0], 0);
  EXPECT_EQ(s.playerItemHeld[kAmulet - 1], 0);

  EXPECT_EQ(s.playerItems[kHelmetPlace], kHelmet);
  EXPECT_EQ(s.playerItemSlot[kHelmet - 1], kHelmetPlace);
  EXPECT_EQ(x.selectedHero, 0);
}

// The totals follow the figures, and a fallen health total takes the current
// health down with it at once; raised again, it leaves the current health.
TEST(ItemExchange, TotalsFollowTheFiguresAndClampHealth) {
  Exchange x;
  GameState& s = x.state;
  s.playerStats[kStatBaseHealth] = 20;
  s.playerStats[kStatHealth] = 20;
  x.Drag(kItemSideRight, 0, kItemSideRight, kFirstBodyPlace + kBodyAmulet1);
  UpdateTotals(s, x.screen, kItemSideRight, kMemberPlayer);
  const int32_t worn = s.playerStats[kStatMaxHealth];
  ASSERT_GT(worn, 20) << "the amulet counts";
  s.playerStats[kStatHealth] = worn;

  x.Drag(kItemSideRight, kFirstBodyPlace + kBodyAmulet1, kItemSideLeft, 0);
  UpdateTotals(s, x.screen, kItemSideRight, kMemberPlayer);
  EXPECT_EQ(s.playerStats[kStatMaxHealth], 20);
  EXPECT_EQ(s.playerStats[kStatHealth], 20);
  x.Drag(kItemSideLeft, 0, kItemSideRight, kFirstBodyPlace + kBodyAmulet3);
  UpdateTotals(s, x.screen, kItemSideRight, kMemberPlayer);
  EXPECT_EQ(s.playerStats[kStatMaxHealth], worn);
  EXPECT_EQ(s.playerStats[kStatHealth], 20);
}

// The right figure's pants and sword slots put an arriving item off the spot
// the opening layout uses: pants only when dropped there, the sword also when
// it is sent back there; a wrong drop restores the source exactly.
TEST(ItemExchange, RightPantsAndSwordSpotsMoveOnArrival) {
  Exchange x;
  ItemExchangeScreen& s = x.screen;
  int pants = 1;
  while (!ItemCatalog::FitsBodySlot(pants, kBodyPants)) ++pants;
  constexpr int kPantsPlace = kFirstBodyPlace + kBodyPants;
  s.rightItems[kPantsPlace] = uint8_t(pants);
  s.rightHeld[pants - 1] = 1;
  s.LayoutRightItems();
  EXPECT_EQ(s.itemX[pants - 1], 434);
  EXPECT_EQ(s.itemY[pants - 1], 330);
  // Off the figure and on again: dropped there now.
  x.Drag(kItemSideRight, kPantsPlace, kItemSideLeft, 5);
  x.Drag(kItemSideLeft, 5, kItemSideRight, kPantsPlace);
  EXPECT_EQ(s.itemX[pants - 1], 430);
  EXPECT_EQ(s.itemY[pants - 1], 334);
  // Sent back from a wrong drop: the first spot again.
  x.Drag(kItemSideRight, kPantsPlace, kItemSideRight, kHelmetPlace);
  EXPECT_EQ(s.rightItems[kPantsPlace], pants);
  EXPECT_EQ(s.itemX[pants - 1], 434);
  EXPECT_EQ(s.itemY[pants - 1], 330);

  x.Drag(kItemSideLeft, 2, kItemSideRight, kSwordPlace);
  EXPECT_EQ(s.itemX[kSword - 1], 430);
  EXPECT_EQ(s.itemY[kSword - 1], 227);
  x.Drag(kItemSideRight, kSwordPlace, kItemSideRight, kHelmetPlace);
  EXPECT_EQ(s.rightItems[kSwordPlace], kSword);
  EXPECT_EQ(s.itemX[kSword - 1], 430);
  EXPECT_EQ(s.itemY[kSword - 1], 227);
  // The left figure keeps one spot for its sword however it arrives.
  x.Drag(kItemSideRight, kSwordPlace, kItemSideLeft, kSwordPlace);
  EXPECT_EQ(s.itemX[kSword - 1], 270);
  EXPECT_EQ(s.itemY[kSword - 1], 227);
}
