// Item descriptions: the two name lines and the kind line in letter codes.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/glyph_name.h"
#include "game/item_catalog.h"

namespace {

std::string Line1(const ItemPanel& p) { return GlyphToText(p.nameLine1, kItemNameCells); }
std::string Line2(const ItemPanel& p) { return GlyphToText(p.nameLine2, kItemNameCells); }
std::string Kind(const ItemPanel& p) { return GlyphToText(p.kindLine, kItemKindCells); }

int CodesUsed(const uint8_t* cells, int count) {
  int last = -1;
  for (int i = 0; i < count; ++i)
    if (cells[i]) last = i;
  return last + 1;
}

}  // namespace

TEST(ItemTexts, RepresentativeItems) {
  ItemPanel p;
  ItemCatalog::DescribeItem(p, 250);
  EXPECT_EQ(Line1(p), "Runed Claymore");
  EXPECT_EQ(Line2(p), "of Legends");
  EXPECT_EQ(Kind(p), "Weapon");
  // "Runed Claymore": R takes two cells, C two: 16 codes, last index 15.
  EXPECT_EQ(p.nameLine1Last, 15);
  EXPECT_EQ(p.nameLine2Last, CodesUsed(p.nameLine2, kItemNameCells) - 1);

  ItemCatalog::DescribeItem(p, 246);  // hero 1's first sword
  EXPECT_EQ(Line1(p), "Iron Shortsword");
  EXPECT_EQ(Kind(p), "Weapon");

  ItemCatalog::DescribeItem(p, 1);
  EXPECT_EQ(Line1(p), "Bronze Amulet");
  EXPECT_EQ(Line2(p), "of Health");
  EXPECT_EQ(Kind(p), "Jewelry");

  ItemCatalog::DescribeItem(p, 43);
  EXPECT_EQ(Line1(p), "Runed Helm");
  EXPECT_EQ(Kind(p), "Apparel");

  ItemCatalog::DescribeItem(p, 160);
  EXPECT_EQ(Line1(p), "Silver Ring");
  EXPECT_EQ(Kind(p), "Jewelry");

  ItemCatalog::DescribeItem(p, 221);
  EXPECT_EQ(Line1(p), "Bronze Shield");
}

TEST(ItemTexts, KindLineByIdRange) {
  struct Case {
    int id;
    const char* kind;
  };
  const Case cases[] = {{36, "Jewelry"},  {37, "Apparel"}, {150, "Apparel"}, {151, "Jewelry"},
                        {191, "Jewelry"}, {192, ""},       {221, "Apparel"}, {232, "Apparel"},
                        {233, "Weapon"},  {250, "Weapon"}, {251, ""},        {0, ""}};
  ItemPanel p;
  for (const Case& c : cases) {
    ItemCatalog::DescribeItem(p, c.id);
    EXPECT_EQ(Kind(p), c.kind) << "id " << c.id;
  }
  // The three kind texts are 7, 8 and 7 codes long, from the first cell.
  ItemCatalog::DescribeItem(p, 10);
  EXPECT_EQ(CodesUsed(p.kindLine, kItemKindCells), 7);
  EXPECT_NE(p.kindLine[0], 0);
  ItemCatalog::DescribeItem(p, 100);
  EXPECT_EQ(CodesUsed(p.kindLine, kItemKindCells), 8);
  ItemCatalog::DescribeItem(p, 240);
  EXPECT_EQ(CodesUsed(p.kindLine, kItemKindCells), 7);
}

TEST(ItemTexts, EveryItemHasTextOfTheRightShape) {
  ItemPanel p;
  uint8_t of[3];
  GlyphFromText("of", of, 3);
  for (int id = 0; id <= 255; ++id) {
    ItemCatalog::DescribeItem(p, id);
    const int used1 = CodesUsed(p.nameLine1, kItemNameCells);
    const int used2 = CodesUsed(p.nameLine2, kItemNameCells);
    if (!ItemCatalog::IsItem(id)) {
      EXPECT_EQ(used1, 0) << id;
      EXPECT_EQ(used2, 0) << id;
      continue;
    }
    EXPECT_GT(used1, 0) << id;
    EXPECT_LE(used1, 17) << id;
    EXPECT_LE(used2, 17) << id;
    // Line 2: the same two codes, an empty cell, then the word.
    EXPECT_EQ(p.nameLine2[0], of[0]) << id;
    EXPECT_EQ(p.nameLine2[1], of[1]) << id;
    EXPECT_EQ(p.nameLine2[2], 0) << id;
    EXPECT_NE(p.nameLine2[3], 0) << id;
    EXPECT_EQ(p.nameLine1Last, used1 - 1) << id;
    EXPECT_EQ(p.nameLine2Last, used2 - 1) << id;
    // No letter lost to the alphabet.
    EXPECT_EQ(Line1(p).find('?'), std::string::npos) << id;
    EXPECT_EQ(Line2(p).find('?'), std::string::npos) << id;
  }

  // The amulets: one first line per series, the word shared position by position.
  ItemPanel a, b, c;
  for (int k = 0; k < 12; ++k) {
    ItemCatalog::DescribeItem(a, 1 + k);
    ItemCatalog::DescribeItem(b, 13 + k);
    ItemCatalog::DescribeItem(c, 25 + k);
    EXPECT_EQ(Line2(a), Line2(b));
    EXPECT_EQ(Line2(a), Line2(c));
    ItemPanel first;
    ItemCatalog::DescribeItem(first, 1);
    EXPECT_EQ(Line1(a), Line1(first));
  }
}

TEST(ItemTexts, NoItemKeepsLastIndexesAndLeavesNothingBehind) {
  ItemPanel p;
  ItemCatalog::DescribeItem(p, 250);
  const uint8_t last1 = p.nameLine1Last, last2 = p.nameLine2Last;
  for (int id : {0, 192, 220, 251, 255, -3, 999}) {
    ItemCatalog::DescribeItem(p, id);
    EXPECT_EQ(CodesUsed(p.nameLine1, kItemNameCells), 0);
    EXPECT_EQ(CodesUsed(p.nameLine2, kItemNameCells), 0);
    EXPECT_EQ(CodesUsed(p.kindLine, kItemKindCells), 0);
    EXPECT_EQ(p.nameLine1Last, last1) << id;
    EXPECT_EQ(p.nameLine2Last, last2) << id;
  }

  // Describing twice gives the same fields; a shorter text leaves no codes of a longer one.
  ItemPanel once, twice;
  ItemCatalog::DescribeItem(once, 99);
  ItemCatalog::DescribeItem(twice, 99);
  ItemCatalog::DescribeItem(twice, 99);
  EXPECT_EQ(std::memcmp(&once, &twice, sizeof once), 0);
  ItemPanel reused;
  ItemCatalog::DescribeItem(reused, 250);  // long texts
  ItemCatalog::DescribeItem(reused, 37);   // "Iron Helm"
  ItemPanel fresh;
  ItemCatalog::DescribeItem(fresh, 37);
  EXPECT_EQ(std::memcmp(reused.nameLine1, fresh.nameLine1, kItemNameCells), 0);
  EXPECT_EQ(std::memcmp(reused.nameLine2, fresh.nameLine2, kItemNameCells), 0);
  EXPECT_EQ(std::memcmp(reused.kindLine, fresh.kindLine, kItemKindCells), 0);
  EXPECT_EQ(reused.nameLine1Last, fresh.nameLine1Last);
}
