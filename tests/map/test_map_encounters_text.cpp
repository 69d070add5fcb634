// Inspection texts and the numbers of the corner boxes.

#include <gtest/gtest.h>

#include <string>

#include "map/map_encounters.h"

using map_encounters::DigitLayout;

TEST(MapEncountersTexts, InspectRows) {
  // Every code 3..82 and 4050..4064 has a row; no other code has one.
  for (uint32_t code = 0; code < 4100; ++code) {
    const bool expected = (code >= 3 && code <= 82) || (code >= 4050 && code <= 4064);
    EXPECT_EQ(map_encounters::FindInspectRow(code) != nullptr, expected) << code;
  }
  auto text = [](uint32_t code) { return std::string(map_encounters::FindInspectRow(code)->text); };
  EXPECT_EQ(text(3), "Pile of Gold");
  EXPECT_EQ(text(4058), "Brave and tough infantry.");
  EXPECT_EQ(text(72), "Little Village");
  EXPECT_EQ(text(78), "Black Zima Castle");
  EXPECT_EQ(text(4062), "Quest: A powerful enemy force is holding a hero captive.");

  // The same text in two different boxes.
  const auto* a = map_encounters::FindInspectRow(15);
  const auto* b = map_encounters::FindInspectRow(4064);
  EXPECT_STREQ(a->text, b->text);
  EXPECT_EQ(a->boxX, 260);
  EXPECT_FLOAT_EQ(a->scaleX, 3.4f);
  EXPECT_EQ(b->boxX, 180);
  EXPECT_FLOAT_EQ(b->scaleX, 3.6f);
  EXPECT_EQ(b->textX, 228);
  EXPECT_EQ(b->textW, 600);
}

TEST(MapEncountersTexts, PlaceNamesFollowThePlaceStates) {
  uint8_t states[30] = {};
  EXPECT_TRUE(map_encounters::InspectCodeShown(71, states));  // the tower stands
  EXPECT_FALSE(map_encounters::InspectCodeShown(73, states));
  EXPECT_TRUE(map_encounters::InspectCodeShown(78, states));  // Black Zima Castle always
  states[10] = 1;                                             // the tower is destroyed
  EXPECT_FALSE(map_encounters::InspectCodeShown(71, states));
  const uint32_t tribes[7] = {75, 77, 79, 80, 74, 76, 73};
  for (int i = 0; i < 7; ++i) {
    uint8_t s[30] = {};
    s[11 + i] = 1;
    for (int j = 0; j < 7; ++j)
      EXPECT_EQ(map_encounters::InspectCodeShown(tribes[j], s), i == j)
          << tribes[j] << " state " << 11 + i;
  }
  EXPECT_FALSE(map_encounters::InspectCodeShown(0, states));
  EXPECT_FALSE(map_encounters::InspectCodeShown(4049, states));
  EXPECT_FALSE(map_encounters::InspectCodeShown(4065, states));
}

TEST(MapEncountersTexts, CornerNumbers) {
  auto check = [](const DigitLayout& d, std::initializer_list<int> xs,
                  std::initializer_list<int> digits) {
    ASSERT_EQ(d.count, int(xs.size()));
    int i = 0;
    for (int x : xs) EXPECT_EQ(d.x[i++], x);
    i = 0;
    for (int v : digits) EXPECT_EQ(d.digit[i++], v);
  };
  check(map_encounters::CornerDayDigits(7), {26}, {7});
  check(map_encounters::CornerDayDigits(42), {17, 37}, {4, 2});
  check(map_encounters::CornerDayDigits(109), {7, 27, 47}, {1, 0, 9});
  EXPECT_EQ(map_encounters::CornerDayDigits(1000).count, 0);

  check(map_encounters::CornerGoldDigits(0), {120}, {0});
  check(map_encounters::CornerGoldDigits(50), {110, 130}, {5, 0});
  check(map_encounters::CornerGoldDigits(999), {98, 118, 138}, {9, 9, 9});
  check(map_encounters::CornerGoldDigits(1234), {88, 108, 128, 148}, {1, 2, 3, 4});
  check(map_encounters::CornerGoldDigits(99999), {78, 98, 118, 138, 158}, {9, 9, 9, 9, 9});
  check(map_encounters::CornerGoldDigits(100000), {78, 98, 118, 138, 158, 178}, {1, 0, 0, 0, 0, 0});
  check(map_encounters::CornerGoldDigits(1234567), {78, 98, 118, 138, 158, 178},
        {2, 3, 4, 5, 6, 7});

  check(map_encounters::FameDigits(0), {715}, {0});
  check(map_encounters::FameDigits(37), {703, 723}, {3, 7});
  check(map_encounters::FameDigits(999), {694, 714, 734}, {9, 9, 9});
  EXPECT_EQ(map_encounters::FameDigits(1000).count, 0);
  EXPECT_EQ(map_encounters::FameDigits(-1).count, 0);

  check(map_encounters::FoundGoldDigits(5, 295), {320, 345}, {0, 5});
  check(map_encounters::FoundGoldDigits(210, 295), {308, 330, 355}, {2, 1, 0});
  check(map_encounters::FoundGoldDigits(1000, 295), {282, 305, 330, 355}, {1, 0, 0, 0});
  check(map_encounters::FoundGoldDigits(12345, 295), {282, 305, 330, 355}, {2, 3, 4, 5});
}
