// The item rules: kinds by id range, the body slots they fit, bonuses, stat
// totals, the icon and worn-picture files each id stands for.

#include <gtest/gtest.h>

#include <string>

#include "game/item_catalog.h"
#include "game/item_data.h"

namespace {

std::string WornFile(int bodySlot, int id, int picture = 0) {
  char path[64] = {};
  if (!ItemCatalog::WornPictureFile(bodySlot, id, picture, path, sizeof path, nullptr, nullptr,
                                    nullptr))
    return "";
  return path;
}

WornFigure Wearing(std::initializer_list<std::pair<int, int>> slotAndId) {
  WornFigure f;
  for (auto [slot, id] : slotAndId) f.bodyItems[slot] = uint8_t(id);
  return f;
}

}  // namespace

TEST(ItemKinds, RangesAndBoundaries) {
  struct Case {
    int id;
    uint8_t kind;
  };
  const Case cases[] = {
      {0, kKindNone},     {1, kKindAmulet},   {36, kKindAmulet},  {37, kKindHelmet},
      {56, kKindHelmet},  {57, kKindTorso},   {86, kKindTorso},   {87, kKindBelt},
      {98, kKindBelt},    {99, kKindPants},   {126, kKindPants},  {127, kKindShoes},
      {138, kKindShoes},  {139, kKindGloves}, {150, kKindGloves}, {151, kKindRing},
      {191, kKindRing},   {192, kKindNone},   {220, kKindNone},   {221, kKindShield},
      {232, kKindShield}, {233, kKindSword},  {250, kKindSword},  {255, kKindSword},
      {256, kKindNone},   {-1, kKindNone},
  };
  for (const Case& c : cases) EXPECT_EQ(ItemCatalog::KindOf(c.id), c.kind) << "id " << c.id;

  // 221 items: 1..191 and 221..250; the rest of the kind table names none.
  int items = 0;
  for (int id = -5; id < 300; ++id) items += ItemCatalog::IsItem(id);
  EXPECT_EQ(items, 221);
  EXPECT_EQ(ItemCatalog::IsItem(191), 1);
  EXPECT_EQ(ItemCatalog::IsItem(192), 0);
  EXPECT_EQ(ItemCatalog::IsItem(220), 0);
  EXPECT_EQ(ItemCatalog::IsItem(250), 1);
  EXPECT_EQ(ItemCatalog::IsItem(251), 0);
}

TEST(ItemKinds, BodySlotFitting) {
  const uint8_t expected[kBodySlotCount] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8,
                                            8, 8, 8, 8, 8, 8, 8, 9, 10};
  for (int s = 0; s < kBodySlotCount; ++s)
    EXPECT_EQ(ItemCatalog::BodySlotKind(s), expected[s]) << s;
  EXPECT_EQ(ItemCatalog::BodySlotKind(-1), kKindNone);
  EXPECT_EQ(ItemCatalog::BodySlotKind(19), kKindNone);

  // Every item fits exactly the slots of its kind.
  for (int id = 1; id <= 255; ++id) {
    int fits = 0;
    for (int s = 0; s < kBodySlotCount; ++s) fits += ItemCatalog::FitsBodySlot(id, s);
    const uint8_t kind = ItemCatalog::KindOf(id);
    const int want = !ItemCatalog::IsItem(id) ? 0
                     : kind == kKindAmulet    ? 3
                     : kind == kKindRing      ? 8
                                              : 1;
    EXPECT_EQ(fits, want) << "id " << id;
  }
  EXPECT_EQ(ItemCatalog::FitsBodySlot(5, kBodyAmulet2), 1);
  EXPECT_EQ(ItemCatalog::FitsBodySlot(160, kBodyRing1 + 7), 1);
  EXPECT_EQ(ItemCatalog::FitsBodySlot(160, kBodyAmulet1), 0);  // a ring is no amulet
  EXPECT_EQ(ItemCatalog::FitsBodySlot(40, kBodyTorso), 0);     // a helmet is no armour
  EXPECT_EQ(ItemCatalog::FitsBodySlot(251, kBodySword), 0);    // sword-kind id without an item

  // Reload flags of the slots with a picture; rings have none.
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyAmulet1), 0);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyAmulet3), 2);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyHelmet), 3);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyTorso), 4);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyGloves), 5);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyPants), 6);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyShoes), 7);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyBelt), 8);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodyShield), 9);
  EXPECT_EQ(ItemCatalog::ReloadFlagOf(kBodySword), 10);
  for (int s = kBodyRing1; s <= kBodyRing8; ++s) EXPECT_EQ(ItemCatalog::ReloadFlagOf(s), -1);
}

TEST(ItemBonuses, TableValues) {
  struct Case {
    int id, bonus;
  };
  const Case cases[] = {
      {1, 3},    {12, 5},   {13, 10},  {24, 17},  {25, 27},  {36, 22},  {37, 7},   {39, 30},
      {56, 20},  {57, 13},  {71, 17},  {72, 19},  {86, 64},  {87, 6},   {98, 10},  {99, 17},
      {112, 31}, {113, 38}, {126, 35}, {127, 11}, {138, 28}, {139, 12}, {150, 23}, {151, 3},
      {170, 25}, {171, 25}, {191, 27}, {221, 43}, {232, 29}, {233, 43}, {249, 39}, {250, 100},
  };
  for (const Case& c : cases) EXPECT_EQ(ItemCatalog::BonusOf(c.id), c.bonus) << "id " << c.id;
  for (int id : {0, 192, 200, 220, 251, 255, 256, -7, 1000})
    EXPECT_EQ(ItemCatalog::BonusOf(id), 0) << id;

  int lowest = 1000, highest = 0;
  for (int id = 1; id <= 255; ++id) {
    if (!ItemCatalog::IsItem(id)) continue;
    lowest = std::min<int>(lowest, ItemCatalog::BonusOf(id));
    highest = std::max<int>(highest, ItemCatalog::BonusOf(id));
  }
  EXPECT_EQ(lowest, 3);
  EXPECT_EQ(highest, 100);

  ItemPanel panel;
  ItemCatalog::ItemBonus(panel, 250);
  EXPECT_EQ(panel.itemBonus, 100);
  ItemCatalog::ItemBonus(panel, 192);
  EXPECT_EQ(panel.itemBonus, 0);
}

TEST(ItemBonuses, StatTotals) {
  int32_t health = -1, attack = -1, shield = -1;

  // Nothing worn: the totals are the base values, and they are written.
  WornFigure bare;
  ItemCatalog::ComputeStatTotals(bare, 20, 10, 10, &health, &attack, &shield);
  EXPECT_EQ(health, 20);
  EXPECT_EQ(attack, 10);
  EXPECT_EQ(shield, 10);

  // The worked examples: sword 250 gives 100 attack, amulets 1, 2, 3 give 12 health.
  ItemCatalog::ComputeStatTotals(Wearing({{kBodySword, 250}}), 20, 10, 10, &health, &attack,
                                 &shield);
  EXPECT_EQ(attack, 110);
  ItemCatalog::ComputeStatTotals(Wearing({{kBodyAmulet1, 1}, {kBodyAmulet2, 2}, {kBodyAmulet3, 3}}),
                                 20, 10, 10, &health, &attack, &shield);
  EXPECT_EQ(health, 32);
  EXPECT_EQ(attack, 10);
  EXPECT_EQ(shield, 10);

  // A full set: rings raise health, every other piece the shield.
  const WornFigure full = Wearing({{kBodyAmulet1, 25},
                                   {kBodyHelmet, 39},
                                   {kBodyTorso, 86},
                                   {kBodyBelt, 90},
                                   {kBodyPants, 121},
                                   {kBodyShoes, 133},
                                   {kBodyGloves, 145},
                                   {kBodyRing1, 151},
                                   {kBodyRing8, 163},
                                   {kBodyShield, 225},
                                   {kBodySword, 235}});
  ItemCatalog::ComputeStatTotals(full, 41, 16, 12, &health, &attack, &shield);
  EXPECT_EQ(health, 41 + 27 + 3 + 30);
  EXPECT_EQ(attack, 16 + 80);
  EXPECT_EQ(shield, 12 + 30 + 64 + 26 + 48 + 29 + 27 + 50);

  // Ids in a slot of another kind, and ids that are no item, add nothing.
  const WornFigure wrong = Wearing({{kBodyAmulet1, 160},  // ring in an amulet slot
                                    {kBodyTorso, 40},     // helmet in the torso slot
                                    {kBodyRing1, 5},      // amulet in a ring slot
                                    {kBodySword, 251},
                                    {kBodyShield, 200}});
  ItemCatalog::ComputeStatTotals(wrong, 20, 10, 10, &health, &attack, &shield);
  EXPECT_EQ(health, 20);
  EXPECT_EQ(attack, 10);
  EXPECT_EQ(shield, 10);

  // Missing outputs are skipped, the others still written.
  attack = 0;
  ItemCatalog::ComputeStatTotals(Wearing({{kBodySword, 233}}), 1, 2, 3, nullptr, &attack, nullptr);
  EXPECT_EQ(attack, 45);
}

TEST(ItemPictures, IconAndWornFiles) {
  char path[64];
  uint32_t key = 0;
  ASSERT_EQ(ItemCatalog::IconFile(1, path, sizeof path, &key), 1);
  EXPECT_STREQ(path, "Art\\Items\\Item1.bmp");
  EXPECT_EQ(key, 0xFFFF0000u);
  for (int id : {180, 181}) {
    ASSERT_EQ(ItemCatalog::IconFile(id, path, sizeof path, &key), 1);
    EXPECT_EQ(key, 0xFF000000u) << id;
  }
  ASSERT_EQ(ItemCatalog::IconFile(250, path, sizeof path, &key), 1);
  EXPECT_STREQ(path, "Art\\Items\\Item250.bmp");
  for (int id : {0, 192, 220, 251, 255})
    EXPECT_EQ(ItemCatalog::IconFile(id, path, sizeof path, &key), 0) << id;

  // Amulets keep their id and take the slot's letter.
  EXPECT_EQ(WornFile(kBodyAmulet1, 5), "Art\\Items\\Amulets\\Amulet5a.bmp");
  EXPECT_EQ(WornFile(kBodyAmulet2, 5), "Art\\Items\\Amulets\\Amulet5b.bmp");
  EXPECT_EQ(WornFile(kBodyAmulet3, 36), "Art\\Items\\Amulets\\Amulet36c.bmp");
  // Other kinds count from 1 within the kind.
  EXPECT_EQ(WornFile(kBodyHelmet, 37), "Art\\Items\\Helmets\\Helmet1.bmp");
  EXPECT_EQ(WornFile(kBodyHelmet, 56), "Art\\Items\\Helmets\\Helmet20.bmp");
  EXPECT_EQ(WornFile(kBodyTorso, 86), "Art\\Items\\Armor\\Torso30.bmp");
  EXPECT_EQ(WornFile(kBodyBelt, 87), "Art\\Items\\Belts\\Belt1.bmp");
  EXPECT_EQ(WornFile(kBodyPants, 126), "Art\\Items\\Pants\\Pants28.bmp");
  EXPECT_EQ(WornFile(kBodyShoes, 127, 0), "Art\\Items\\Shoes\\Shoe1a.bmp");
  EXPECT_EQ(WornFile(kBodyShoes, 138, 1), "Art\\Items\\Shoes\\Shoe12b.bmp");
  EXPECT_EQ(WornFile(kBodyGloves, 139, 0), "Art\\Items\\Gloves\\Glove1a.bmp");
  EXPECT_EQ(WornFile(kBodyGloves, 139, 1), "Art\\Items\\Gloves\\Glove1b.bmp");
  EXPECT_EQ(WornFile(kBodyShield, 221), "Art\\Items\\Shields\\Shield1.bmp");
  EXPECT_EQ(WornFile(kBodySword, 250), "Art\\Items\\Swords\\Sword18.bmp");
  // Nothing for ids outside the slot's range, ring slots, or a second picture of a single one.
  EXPECT_EQ(WornFile(kBodyTorso, 40), "");
  EXPECT_EQ(WornFile(kBodySword, 251), "");
  EXPECT_EQ(WornFile(kBodySword, 255), "");
  EXPECT_EQ(WornFile(kBodyRing1, 151), "");
  EXPECT_EQ(WornFile(kBodyHelmet, 37, 1), "");
  EXPECT_EQ(WornFile(kBodyShoes, 0), "");

  // Frame sizes and keys: gloves alone are cut out against black.
  int16_t fw = 0, fh = 0;
  ASSERT_EQ(ItemCatalog::WornPictureFile(kBodyGloves, 150, 1, path, sizeof path, &fw, &fh, &key),
            1);
  EXPECT_EQ(fw, 32);
  EXPECT_EQ(fh, 64);
  EXPECT_EQ(key, 0xFF000000u);
  ASSERT_EQ(ItemCatalog::WornPictureFile(kBodyTorso, 57, 0, path, sizeof path, &fw, &fh, &key), 1);
  EXPECT_EQ(fw, 256);
  EXPECT_EQ(fh, 256);
  EXPECT_EQ(key, 0xFFFF0000u);
  ASSERT_EQ(ItemCatalog::WornPictureFile(kBodyBelt, 90, 0, path, sizeof path, &fw, &fh, &key), 1);
  EXPECT_EQ(fw, 128);
  EXPECT_EQ(fh, 32);
  ASSERT_EQ(ItemCatalog::WornPictureFile(kBodySword, 233, 0, path, sizeof path, &fw, &fh, &key), 1);
  EXPECT_EQ(fw, 64);
  EXPECT_EQ(fh, 128);

  // 276 worn pictures in all.
  int files = 0;
  for (int id = 1; id <= 255; ++id)
    for (int s = 0; s < kBodySlotCount; ++s)
      for (int p = 0; p < 2; ++p)
        files += ItemCatalog::WornPictureFile(s, id, p, nullptr, 0, nullptr, nullptr, nullptr);
  // Amulets count once per amulet slot.
  EXPECT_EQ(files, 276);
}

TEST(ItemTable, ShapeOfTheData) {
  int previous = 0;
  for (const items::ItemEntry& e : items::kItemTable) {
    EXPECT_GT(e.id, previous);  // in id order, each once
    previous = e.id;
    EXPECT_EQ(ItemCatalog::IsItem(e.id), 1) << int(e.id);
    EXPECT_GE(e.bonus, 3) << int(e.id);
    EXPECT_LE(int(e.tier), int(items::kRuned));
  }
  // Within a kind a better make never has a lower bonus than a plainer one
  // (the amulets go by their series).
  for (int a = 0; a < items::kItemTableSize; ++a)
    for (int b = 0; b < items::kItemTableSize; ++b) {
      const items::ItemEntry& x = items::kItemTable[a];
      const items::ItemEntry& y = items::kItemTable[b];
      if (ItemCatalog::KindOf(x.id) != ItemCatalog::KindOf(y.id) ||
          ItemCatalog::KindOf(x.id) == kKindAmulet)
        continue;
      if (x.tier < y.tier) {
        EXPECT_LT(x.bonus, y.bonus) << int(x.id) << " vs " << int(y.id);
      }
    }
}
