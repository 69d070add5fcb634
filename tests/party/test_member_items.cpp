#include "party/member_items.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kSwordA = 233;
constexpr uint8_t kSwordB = 240;
constexpr uint8_t kHelmetA = 37;
constexpr uint8_t kHelmetB = 40;
constexpr uint8_t kShield = 221;
constexpr int kHelmetPlace = kFirstBodyPlace + kBodyHelmet;
constexpr int kSwordPlace = kFirstBodyPlace + kBodySword;
constexpr int32_t kBaseHealth = 20, kBaseAttack = 5, kBaseShield = 3;

// The centre of an item place, where the cursor presses and lets go.
void Centre(int place, int32_t* x, int32_t* y) {
  const ScreenRect r = member_items::PlaceRect(place);
  *x = r.x + r.w / 2;
  *y = r.y + r.h / 2;
}

struct Member {
  MemberItems items;
  explicit Member(std::initializer_list<std::pair<int, uint8_t>> lying) {
    uint8_t places[kItemPlaces] = {};
    for (auto [place, id] : lying) places[place] = id;
    items.Load(places);
  }
  void Drag(int from, int to) {
    int32_t x, y;
    Centre(from, &x, &y);
    ASSERT_EQ(items.PickUp(x, y), 1);
    Centre(to, &x, &y);
    items.Follow(x, y);
    items.Drop(x, y);
  }
  int Count(uint8_t id) const {
    int n = 0;
    for (uint8_t s : items.itemSlots) n += s == id;
    return n;
  }
  void ExpectTotals(int32_t health, int32_t attack, int32_t shield) const {
    int32_t h = 0, a = 0, s = 0;
    items.Totals(kBaseHealth, kBaseAttack, kBaseShield, &h, &a, &s);
    EXPECT_EQ(h, health);
    EXPECT_EQ(a, attack);
    EXPECT_EQ(s, shield);
  }
  // Every held item lies in exactly one place, drawn at that place.
  void ExpectSound() const {
    EXPECT_EQ(items.draggedItem, 0);
    EXPECT_EQ(items.dragging, 0);
    for (int place = 0; place < kItemPlaces; ++place) {
      const uint8_t id = items.itemSlots[place];
      if (!id) continue;
      EXPECT_EQ(Count(id), 1) << int(id);
      EXPECT_EQ(items.view.itemHeld[id - 1], 1);
      int32_t x, y;
      member_items::IconPlace(place, &x, &y);
      EXPECT_EQ(items.itemX[id - 1], x);
      EXPECT_EQ(items.itemY[id - 1], y);
    }
  }
};

TEST(MemberItems, ItemsGoOnlyWhereTheirKindFitsAndTotalsFollow) {
  Member m({{0, kSwordA}, {1, kSwordB}, {2, kHelmetA}});
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield);

  // A sword dropped on the helmet slot goes back to its bag cell.
  m.Drag(0, kHelmetPlace);
  EXPECT_EQ(m.items.itemSlots[0], kSwordA);
  EXPECT_EQ(m.items.itemSlots[kHelmetPlace], 0);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield);

  // Worn, it raises the attack.
  m.Drag(0, kSwordPlace);
  EXPECT_EQ(m.items.itemSlots[kSwordPlace], kSwordA);
  EXPECT_EQ(m.items.itemSlots[0], 0);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack + ItemCatalog::BonusOf(kSwordA), kBaseShield);

  // A second sword on the worn one: they swap, the old one taking its cell.
  m.Drag(1, kSwordPlace);
  EXPECT_EQ(m.items.itemSlots[kSwordPlace], kSwordB);
  EXPECT_EQ(m.items.itemSlots[1], kSwordA);
  EXPECT_EQ(m.items.figure.reloadFlags[kReloadSword], 1);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack + ItemCatalog::BonusOf(kSwordB), kBaseShield);

  // The helmet worn adds to the shield total.
  m.Drag(2, kHelmetPlace);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack + ItemCatalog::BonusOf(kSwordB),
                 kBaseShield + ItemCatalog::BonusOf(kHelmetA));
}

TEST(MemberItems, AWornItemLeavesForTheBagOnlyOntoTheSameKind) {
  Member m({{kHelmetPlace, kHelmetA}, {4, kShield}, {5, kHelmetB}});
  // Onto a cell holding a shield: the helmet returns to its slot.
  m.Drag(kHelmetPlace, 4);
  EXPECT_EQ(m.items.itemSlots[kHelmetPlace], kHelmetA);
  EXPECT_EQ(m.items.itemSlots[4], kShield);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield + ItemCatalog::BonusOf(kHelmetA));

  // Onto a cell holding another helmet: the two swap.
  m.Drag(kHelmetPlace, 5);
  EXPECT_EQ(m.items.itemSlots[kHelmetPlace], kHelmetB);
  EXPECT_EQ(m.items.itemSlots[5], kHelmetA);
  EXPECT_EQ(m.items.figure.reloadFlags[kReloadHelmet], 1);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield + ItemCatalog::BonusOf(kHelmetB));

  // Onto an empty cell: the slot is bare again.
  m.Drag(kHelmetPlace, 6);
  EXPECT_EQ(m.items.itemSlots[kHelmetPlace], 0);
  EXPECT_EQ(m.items.itemSlots[6], kHelmetB);
  m.ExpectSound();
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield);
}

TEST(MemberItems, ALetGoOutsideEveryPlaceReturnsTheItem) {
  Member m({{3, kShield}});
  int32_t x, y;
  Centre(3, &x, &y);
  ASSERT_EQ(m.items.PickUp(x, y), 1);
  EXPECT_EQ(m.items.itemSlots[3], 0);
  EXPECT_EQ(m.items.chosenItem, kShield);
  // A second press while dragging takes nothing more.
  Centre(4, &x, &y);
  EXPECT_EQ(m.items.PickUp(x, y), 0);
  m.items.Follow(10, 10);
  EXPECT_EQ(m.items.itemX[kShield - 1], 10 - kItemIconSize / 2);
  m.items.Drop(10, 10);
  EXPECT_EQ(m.items.itemSlots[3], kShield);
  m.ExpectSound();
}

TEST(MemberItems, ThrowingAwayRemovesTheChosenItemOnly) {
  Member m({{0, kSwordA}, {kSwordPlace, kSwordB}});
  m.Drag(kSwordPlace, kSwordPlace);  // picked up and put back: chosen
  ASSERT_EQ(m.items.chosenItem, kSwordB);
  m.items.ThrowAwayChosen();
  EXPECT_EQ(m.Count(kSwordB), 0);
  EXPECT_EQ(m.items.view.itemHeld[kSwordB - 1], 0);
  EXPECT_EQ(m.items.itemSlots[0], kSwordA);
  EXPECT_EQ(m.items.statsDirty, 1);
  m.ExpectTotals(kBaseHealth, kBaseAttack, kBaseShield);

  // An item in the air is never thrown away (it would vanish on the drop).
  int32_t x, y;
  Centre(0, &x, &y);
  m.items.PickUp(x, y);
  m.items.ThrowAwayChosen();
  m.items.Drop(x, y);
  EXPECT_EQ(m.items.itemSlots[0], kSwordA);
  m.ExpectSound();
}

}  // namespace
