// The map population's start: construction, the start tables, cell codes,
// met codes and inspecting a cell.

#include <gtest/gtest.h>

#include <cctype>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "test_map_encounters_util.h"

TEST(MapEncountersStart, ReleasingArtNeverLoadedIsHarmless) {
  MapEncounters e;
  e.ReleaseArt();
  e.ReleaseArt();
  EXPECT_EQ(e.objectSheet, nullptr);
}

TEST(MapEncountersStart, NewGameCellCodes) {
  MapEncounters e;
  poptest::BuildNewGame(e);
  // The player stands on cell 1503 (block 1, row 30, column 2).
  EXPECT_EQ(e.playerX, -720);
  EXPECT_EQ(e.playerY, 600);
  EXPECT_EQ(e.CodeAt(1503), 1);
  // Chest 3 lies on 1716 and army 7 guards it: the army's code wins.
  EXPECT_EQ(e.chestCell[3], 1716u);
  EXPECT_EQ(e.enemyCell[7], 1716u);
  EXPECT_EQ(e.CodeAt(1716), 102 + 7);
  // Gold pile 0, bag 0, an unguarded chest.
  EXPECT_EQ(e.CodeAt(1506), 12);
  EXPECT_EQ(e.goldPileX[0], -600);
  EXPECT_EQ(e.goldPileY[0], 600);
  EXPECT_EQ(e.CodeAt(1451), 32);
  EXPECT_EQ(e.CodeAt(1254), 52 + 1);
  // Bags 16..19 and the chests left behind are off the map.
  for (int k = 16; k < 20; ++k) {
    EXPECT_EQ(e.bagX[k], 10000);
    EXPECT_EQ(e.bagCell[k], 0u);
  }
  EXPECT_EQ(e.chestX[30], 10000);
  // Standing armies 0..64 on their cells, armies 50..64 without codes.
  EXPECT_EQ(e.CodeAt(1358), 102 + 1);
  EXPECT_EQ(e.enemyCell[50], 8188u);
  EXPECT_EQ(e.CodeAt(8188), 12 + 14);  // gold pile 14 shares the cell
  EXPECT_EQ(e.enemyKind[61], 8);
  EXPECT_EQ(e.enemyKind[70], 7);
}

TEST(MapEncountersStart, SharedCellsAndOddIds) {
  MapEncounters e;
  e.chestPresent[3] = 1;
  e.chestPresent[28] = 1;
  e.playerCell = 1;
  e.heroOnMap[4] = 1;
  e.heroCell[4] = 1;
  e.heroOnMap[2] = 1;
  e.heroCell[2] = 10800;
  e.bagPresent[17] = 1;
  e.FillStartTables();
  EXPECT_EQ(e.chestCell[28], 1716u);
  EXPECT_EQ(e.chestX[28], e.chestX[3]);
  EXPECT_EQ(e.playerX, -800);
  EXPECT_EQ(e.playerY, -600);
  EXPECT_EQ(e.heroX[2], -840);
  EXPECT_EQ(e.heroY[2], -640);

  // A present army far off the table's ids, and one on no cell.
  e.enemyPresent[5] = 1;
  e.enemyCell[5] = 20000;
  e.enemyPresent[6] = 1;
  e.enemyCell[6] = 0;
  e.FillCellCodes();
  EXPECT_EQ(e.CodeAt(1716), 52 + 28);  // the later chest wins
  EXPECT_EQ(e.CodeAt(1), 2 + 4);       // hero 4 over the player
  EXPECT_EQ(e.CodeAt(10800), 2 + 2);
  EXPECT_EQ(e.CodeAt(0), 0);
  EXPECT_EQ(e.CodeAt(20000), 0);
  int written = 0;
  for (uint8_t code : e.cellCode) written += code != 0;
  EXPECT_EQ(written, 3);  // 1, 1716, 10800: nothing for the bag without a spot
  e.SetCode(10801, 9);
  e.SetCode(0, 9);
  for (uint8_t code : e.cellCode) written -= code == 9;
  EXPECT_EQ(written, 3);

  // A player on cell 2501 stands at the top-left of block 2.
  MapEncounters f;
  f.playerCell = 2501;
  f.FillStartTables();
  EXPECT_EQ(f.playerX, 1200);
  EXPECT_EQ(f.playerY, -600);
}

TEST(MapEncountersStart, CellAtPoint) {
  MapEncounters e;
  struct Case {
    int32_t x, y;
    uint32_t cell;
  };
  const Case cases[] = {{-800, -600, 1},       {1199, 1399, 2500}, {1200, -600, 2501},
                        {-1800, -1200, 10426}, {-761, -600, 1},    {-760, -600, 2}};
  for (const Case& c : cases) {
    e.pointX = c.x;
    e.pointY = c.y;
    e.CellAtPoint();
    EXPECT_EQ(e.targetCell, c.cell) << c.x << "," << c.y;
  }
  e.pointX = 3600;
  e.pointY = 0;
  e.CellAtPoint();
  EXPECT_EQ(e.targetCell, 2u);  // outside the world: unchanged
}

TEST(MapEncountersStart, MetCodes) {
  MapEncounters e;
  poptest::BuildNewGame(e);
  EXPECT_EQ(e.MetCodeOf(1506), 12u);        // gold pile 0
  EXPECT_EQ(e.MetCodeOf(1031), 32u + 15);   // bag 15
  EXPECT_EQ(e.MetCodeOf(1716), 102u + 7);   // army 7 over chest 3
  EXPECT_EQ(e.MetCodeOf(8188), 2000u);      // army 50 over gold pile 14
  EXPECT_EQ(e.MetCodeOf(9961), 152u);       // Cebula Town
  EXPECT_EQ(e.MetCodeOf(2937), 205u + 26);  // Little Village
  EXPECT_EQ(e.MetCodeOf(878), 302u + 3);    // the palace
  EXPECT_EQ(e.MetCodeOf(4491), 322u + 21);  // the castle
  EXPECT_EQ(e.MetCodeOf(4502), 344u);       // the tower stands
  EXPECT_EQ(e.MetCodeOf(4296), 345u + 61);  // Black Zima Castle
  EXPECT_EQ(e.MetCodeOf(1508), 1000u);
  EXPECT_EQ(e.MetCodeOf(1558), 1000u);
  EXPECT_EQ(e.MetCodeOf(2878), 1007u);
  EXPECT_EQ(e.MetCodeOf(4685), 1029u);
  EXPECT_EQ(e.MetCodeOf(5000), 0u);

  // A gold pile on a town cell: the later table wins.
  e.goldPileCell[3] = 9961;
  EXPECT_EQ(e.MetCodeOf(9961), 152u);
  // The destroyed tower is no place to enter.
  e.placeStates[10] = 1;
  EXPECT_EQ(e.MetCodeOf(4502), 0u);
}

TEST(MapEncountersStart, InspectCodes) {
  MapEncounters e;
  poptest::BuildNewGame(e);
  struct Case {
    uint32_t cell, code;
  };
  const Case cases[] = {
      {1716, 13},                                        // army 7 over chest 3
      {1506, 3},  {1451, 4},  {1254, 5},  {9898, 6},     // army 0 guards chest 0
      {1358, 7},                                         // army 1 on the gold mine
      {1308, 81}, {893, 35},  {843, 82},  {8188, 4050},  // army 50
      {1352, 56}, {7132, 63}, {2937, 72}, {9961, 64},   {1910, 65}, {8106, 66}, {1586, 67},
      {927, 68},  {8414, 69}, {4491, 70}, {4502, 71},   {6753, 73}, {2654, 74}, {3609, 75},
      {3148, 76}, {4220, 77}, {4057, 78}, {4300, 78},   {5218, 79}, {5670, 80},
  };
  for (const Case& c : cases) {
    e.inspectShown = 0;
    e.InspectCell(c.cell);
    EXPECT_EQ(e.inspectCode, c.code) << "cell " << c.cell;
    EXPECT_EQ(e.inspectShown, 1) << "cell " << c.cell;
  }
  // Without its army the mine shows itself.
  e.enemyPresent[1] = 0;
  e.InspectCell(1358);
  EXPECT_EQ(e.inspectCode, 81u);
  // A town cell shows the town even with an army on it.
  e.enemyCell[9] = 9961;
  e.InspectCell(9961);
  EXPECT_EQ(e.inspectCode, 64u);
  // An empty cell: code 0, the box flag left as it was.
  e.inspectShown = 0;
  e.InspectCell(5000);
  EXPECT_EQ(e.inspectCode, 0u);
  EXPECT_EQ(e.inspectShown, 0);
  e.inspectShown = 1;
  e.InspectCell(5000);
  EXPECT_EQ(e.inspectShown, 1);
}

// Every treasure of the kingdom against what its find panel shows: the gold
// digits (foundGold), the gem, artifact and item pictures. The list is the
// kingdom's treasure list written out by hand, not read from the game's
// tables; the party's gold grows by exactly the gold the panel shows.
TEST(MapTreasures, EveryFindPaysWhatItsFindPanelShows) {
  constexpr int kNo = -1;
  struct Treasure {
    uint32_t metCode;
    uint32_t gold;
    int gem, artifact, item;
  };
  std::vector<Treasure> list;
  const uint32_t pileGold[20] = {50,  45,  64,  75,  98,  100, 200, 123, 82,  1000,
                                 111, 200, 800, 800, 400, 135, 57,  88,  600, 500};
  for (uint32_t k = 0; k < 20; ++k) list.push_back({12 + k, pileGold[k], kNo, kNo, kNo});
  const uint32_t bagGold[16] = {20,  30,  36, 45,  48,  142, 168, 45,
                                126, 139, 96, 150, 200, 170, 120, 134};
  const int bagGem[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19};
  for (uint32_t k = 0; k < 16; ++k) list.push_back({32 + k, bagGold[k], bagGem[k], kNo, kNo});
  for (uint32_t k = 16; k < 20; ++k) list.push_back({32 + k, 0, kNo, kNo, kNo});  // empty bags
  const Treasure chests[25] = {
      {52, 80, 15, 0, 1},      {53, 50, 16, 1, 56},     {54, 100, 17, 2, 48},
      {55, 120, 18, kNo, 49},  {56, 150, kNo, 3, 80},   {57, 150, kNo, 4, 115},
      {58, 200, kNo, 5, 103},  {59, 210, kNo, 6, 81},   {60, 150, kNo, 7, 222},
      {61, 250, kNo, 8, 64},   {62, 250, 20, 9, 113},   {63, 250, 21, kNo, 66},
      {64, 200, 22, kNo, 65},  {65, 250, 23, kNo, 242}, {66, 250, 24, kNo, 105},
      {67, 250, 25, kNo, 57},  {68, 250, 26, kNo, 220}, {69, 250, 27, kNo, 240},
      {70, 250, kNo, 10, 75},  {71, 250, kNo, 11, 112}, {72, 250, 28, kNo, 122},
      {73, 400, kNo, 12, 223}, {74, 400, kNo, 13, 235}, {75, 500, kNo, 14, 61},
      {76, 500, 29, kNo, 84},
  };
  list.insert(list.end(), std::begin(chests), std::end(chests));
  // The chests left behind hold their chest's item only (chest 7's keeps 68).
  const int leftItem[25] = {1,   56,  48, 49,  80,  115, 103, 68,  222, 64,  113, 66, 65,
                            242, 105, 57, 220, 240, 75,  112, 122, 223, 235, 61,  84};
  for (uint32_t k = 0; k < 25; ++k) list.push_back({77 + k, 0, kNo, kNo, leftItem[k]});
  ASSERT_EQ(list.size(), 90u);

  for (const Treasure& t : list) {
    auto e = std::make_unique<MapEncounters>();
    int32_t gold = 1000;
    e->metCode = t.metCode;
    e->EnterPlace(gold);
    const uint32_t shown = e->goldFound ? e->foundGold : 0;
    EXPECT_EQ(shown, t.gold) << "met code " << t.metCode;
    EXPECT_EQ(uint32_t(gold - 1000), shown) << "met code " << t.metCode << ": paid as shown";
    EXPECT_EQ(e->gemFound ? int(e->foundGem) : kNo, t.gem) << "met code " << t.metCode;
    EXPECT_EQ(e->artifactFound ? int(e->foundArtifact) : kNo, t.artifact)
        << "met code " << t.metCode;
    EXPECT_EQ(e->itemFound ? int(e->foundItem) : kNo, t.item) << "met code " << t.metCode;
  }
}

// Every fame reward's message names what the reward gives: "... gives you
// N gold." pays N (what is paid at each threshold is FameLadder's), and "...
// joins you!" pays no gold and names a hero.
TEST(MapTreasures, EveryFameRewardMessageNamesWhatItGives) {
  for (const map_encounters::FameReward& reward : map_encounters::kFameRewards) {
    const std::string text = reward.text;
    const size_t at = text.find(" gold");
    if (at == std::string::npos) {
      EXPECT_NE(text.find("joins you"), std::string::npos) << text;
      EXPECT_EQ(reward.gold, 0) << text;
      EXPECT_LT(reward.heroIndex, kHeroCount) << text;
      continue;
    }
    size_t from = at;
    while (from > 0 && std::isdigit(static_cast<unsigned char>(text[from - 1]))) --from;
    ASSERT_LT(from, at) << text;
    EXPECT_EQ(reward.gold, std::stoi(text.substr(from, at - from))) << text;
    EXPECT_EQ(reward.heroIndex, 255) << text;
  }
}
