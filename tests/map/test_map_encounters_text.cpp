// Inspection texts, fame rewards, and the numbers of the corner boxes.

#include <gtest/gtest.h>

#include <string>

#include "map/map_encounters_dump.h"
#include "test_map_encounters_util.h"

using map_encounters::DigitLayout;

TEST(MapEncountersTexts, InspectRows) {
  // Every code 3..82 and 4050..4064 has a row; no other code has one.
  for (uint32_t code = 0; code < 4100; ++code) {
    const bool expected = (code >= 3 && code <= 82) || (code >= 4050 && code <= 4064);
    EXPECT_EQ(map_encounters::FindInspectRow(code) != nullptr, expected) << code;
  }
  auto text = [](uint32_t code) { return std::string(map_encounters::FindInspectRow(code)->text); };
  EXPECT_EQ(text(3), "Pile of Gold");
  EXPECT_EQ(text(4), "Treasure Bag");
  EXPECT_EQ(text(5), "Treasure Chest");
  EXPECT_EQ(text(7), "Quest: A strong enemy force guards the gold mine.");
  EXPECT_EQ(text(38), "A small but tough army..");
  EXPECT_EQ(text(54), "Brave and tough infantry.");
  EXPECT_EQ(text(4058), "Brave and tough infantry.");
  EXPECT_EQ(text(15), "Weak bandits.");
  EXPECT_EQ(text(4064), "Weak bandits.");
  EXPECT_EQ(text(72), "Little Village");
  EXPECT_EQ(text(78), "Black Zima Castle");
  EXPECT_EQ(text(4062), "Quest: A powerful enemy force is holding a hero captive.");

  // The same text in two different boxes.
  const auto* a = map_encounters::FindInspectRow(15);
  const auto* b = map_encounters::FindInspectRow(4064);
  EXPECT_EQ(a->boxX, 260);
  EXPECT_FLOAT_EQ(a->scaleX, 3.4f);
  EXPECT_EQ(b->boxX, 180);
  EXPECT_FLOAT_EQ(b->scaleX, 3.6f);
  EXPECT_EQ(b->textX, 228);
  EXPECT_EQ(b->textW, 600);
  // The places share one box.
  for (uint32_t code = 56; code <= 82; ++code) {
    const auto* row = map_encounters::FindInspectRow(code);
    EXPECT_EQ(row->boxX, 210) << code;
    EXPECT_FLOAT_EQ(row->scaleX, 4.0f) << code;
    EXPECT_FLOAT_EQ(row->scaleY, 1.1f) << code;
    EXPECT_EQ(row->textW, 200) << code;
    EXPECT_EQ(row->textH, 30) << code;
  }
}

TEST(MapEncountersTexts, PlaceNamesFollowThePlaceStates) {
  uint8_t states[30] = {};
  EXPECT_TRUE(map_encounters::InspectCodeShown(71, states));  // the tower stands
  EXPECT_FALSE(map_encounters::InspectCodeShown(73, states));
  EXPECT_TRUE(map_encounters::InspectCodeShown(78, states));  // Black Zima Castle always
  states[10] = 1;  // the tower is destroyed
  EXPECT_FALSE(map_encounters::InspectCodeShown(71, states));
  const uint32_t tribes[7] = {75, 77, 79, 80, 74, 76, 73};
  for (int i = 0; i < 7; ++i) {
    uint8_t s[30] = {};
    s[11 + i] = 1;
    for (int j = 0; j < 7; ++j)
      EXPECT_EQ(map_encounters::InspectCodeShown(tribes[j], s), i == j) << tribes[j] << " state " << 11 + i;
  }
  EXPECT_FALSE(map_encounters::InspectCodeShown(0, states));
  EXPECT_FALSE(map_encounters::InspectCodeShown(4049, states));
  EXPECT_FALSE(map_encounters::InspectCodeShown(4065, states));
}

TEST(MapEncountersTexts, FameRewards) {
  EXPECT_EQ(std::string(map_encounters::kFameRewards[0].text), "A rich merchant gives you 100 gold. ");
  EXPECT_EQ(std::string(map_encounters::kFameRewards[22].text), "The King gives you 900 gold.");

  // Fame 10 on the first day change: rewards 0, 1 and 2.
  MapEncounters e;
  uint8_t once[100] = {};
  int32_t gold = 0;
  e.GrantFameRewards(10, once, gold);
  EXPECT_EQ(gold, 500);
  EXPECT_EQ(e.fameRewardsShown, 1);
  EXPECT_EQ(e.fameRewardGranted[0] + e.fameRewardGranted[1] + e.fameRewardGranted[2], 3);
  EXPECT_EQ(e.fameRewardGranted[3], 0);
  EXPECT_EQ(e.fameRewardRow[0], 0);
  EXPECT_EQ(e.fameRewardRow[1], 1);
  EXPECT_EQ(e.fameRewardRow[2], 2);
  // Hero 2 (index 1) joins on its first free candidate and is focused.
  EXPECT_EQ(e.heroOnMap[1], 1);
  EXPECT_EQ(e.heroCell[1], 978u);
  EXPECT_EQ(e.heroX[1], 280);
  EXPECT_EQ(e.CodeAt(978), 3);
  EXPECT_EQ(e.focusHero, 2);
  EXPECT_EQ(e.heroPlacePending, 0);
  EXPECT_EQ(once[0] + once[1] + once[2], 3);

  // The next day nothing new: the list is cleared.
  e.GrantFameRewards(12, once, gold);
  EXPECT_EQ(gold, 500);
  EXPECT_EQ(e.fameRewardsShown, 0);
  for (uint8_t g : e.fameRewardGranted) EXPECT_EQ(g, 0);

  // Two rewards on one day fill rows 0 and 1.
  e.GrantFameRewards(30, once, gold);
  EXPECT_EQ(gold, 500 + 500 + 600);
  EXPECT_EQ(e.fameRewardRow[3], 0);
  EXPECT_EQ(e.fameRewardRow[4], 1);

  // Seven on one day: six rows, the seventh keeps row 0.
  MapEncounters f;
  uint8_t none[100] = {};
  gold = 0;
  f.GrantFameRewards(70, none, gold);  // rewards 0..7
  int granted = 0;
  for (int k = 0; k < 23; ++k) granted += f.fameRewardGranted[k];
  EXPECT_EQ(granted, 8);
  const uint8_t rows[8] = {0, 1, 2, 3, 4, 5, 0, 0};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(f.fameRewardRow[k], rows[k]) << k;
  EXPECT_EQ(f.heroOnMap[1], 1);
  EXPECT_EQ(f.heroOnMap[2], 1);
  EXPECT_EQ(f.focusHero, 3);
  EXPECT_EQ(gold, 100 + 400 + 500 + 600 + 600 + 600);
}

TEST(MapEncountersTexts, CornerNumbers) {
  auto check = [](const DigitLayout& d, std::initializer_list<int> xs, std::initializer_list<int> digits) {
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
  check(map_encounters::CornerGoldDigits(1234567), {78, 98, 118, 138, 158, 178}, {2, 3, 4, 5, 6, 7});

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

TEST(MapEncountersTexts, DumpNamesThePlainFields) {
  MapEncounters e;
  poptest::BuildNewGame(e);
  JsonOut out;
  DumpMapEncounters(e, out);
  const std::string& json = out.Text();
  ASSERT_FALSE(json.empty());
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.back(), '}');
  for (const char* key : {"\"playerCell\":1503", "\"day\":1", "\"cellCode\":[", "\"roadA\":{", "\"marchPhase\":0",
                          "\"enemyPresent\":[1,1"})
    EXPECT_NE(json.find(key), std::string::npos) << key;
  EXPECT_EQ(json.find("objectSheet"), std::string::npos);
}
