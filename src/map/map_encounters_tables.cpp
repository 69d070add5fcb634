// MapEncounters: where the treasures, places and quest spots lie, the cell
// codes of everything standing on the map, and what an inspected cell holds.

#include <cstddef>

#include "game/cell_geometry.h"
#include "map/map_encounters.h"

namespace {

const uint32_t kQuestSpots[33] = {1508, 1558, 1741, 2460, 8265, 8510, 1187, 2936, 2818, 2878, 2522,
                                  6905, 2105, 2213, 2067, 1826, 8504, 8065, 1295, 8958, 4249, 2278,
                                  8374, 1972, 2296, 8548, 310,  2510, 2570, 2810, 2566, 4145, 4685};

// Chest spot k holds chest k and chest k + 25.
const uint32_t kChestSpots[25] = {9898, 1254,  10100, 1716, 9744, 9778, 1022, 508,  8821,
                                  2364, 8178,  5504,  3345, 586,  1979, 9199, 7844, 4797,
                                  1900, 10263, 7816,  395,  766,  9468, 4181};

// Bags 16..19 have no spot.
const uint32_t kBagSpots[16] = {1451, 1754, 1433, 10032, 8351, 4067, 4019, 7005,
                                7828, 7463, 7852, 9560,  3358, 2233, 8217, 1031};

const uint32_t kGoldPileSpots[20] = {1506, 1012, 9815, 10168, 213,  2152, 9064, 1596, 1772,  9267,
                                     569,  4846, 3042, 6049,  8188, 8672, 1417, 7906, 10280, 938};

const uint32_t kPalaceCells[6] = {927, 877, 928, 878, 929, 879};
const uint32_t kTempleCells[6] = {8362, 8363, 8364, 8412, 8413, 8414};
const uint32_t kCastleCells[22] = {4375, 4435, 4495, 4314, 4374, 4434, 4494, 4554,
                                   4313, 4373, 4433, 4493, 4553, 4312, 4372, 4432,
                                   4492, 4552, 4311, 4371, 4431, 4491};
const uint32_t kVillageCells[27] = {1352, 1353, 1354, 8863, 8864, 8888, 1142, 1144, 1193,
                                    2372, 2373, 2374, 8197, 8198, 8199, 3827, 3888, 3889,
                                    158,  157,  159,  7071, 7131, 7132, 2939, 2998, 2937};
const uint32_t kMineCells[4] = {1308, 1358, 843, 893};
constexpr uint32_t kTowerCell = 4502;

// Runs of consecutive ids, first..last.
struct Run {
  uint32_t first, last;
};

const Run kTownRuns[] = {
    {9961, 9964}, {9986, 9989},                // Cebula Town
    {1806, 1810}, {1856, 1860}, {1906, 1910},  // Rabarbar Town
    {8106, 8110}, {8156, 8160}, {8206, 8210},  // Ziemniak Town
    {1586, 1590}, {1636, 1640}, {1686, 1690},  // Moja Town
};

const Run kSpecialRuns[] = {
    {6753, 6753}, {6813, 6813}, {6872, 6874},                              // Evil Nuns Temple
    {2592, 2594}, {2652, 2654},                                            // Kawa Tribe
    {3428, 3428}, {3487, 3489}, {3546, 3550}, {3607, 3609},                // Olej Tribe
    {3148, 3148}, {3207, 3209}, {3267, 3269}, {3327, 3329},                // Lato Tribe
    {4097, 4098}, {4157, 4160}, {4217, 4220},                              // Janek Tribe
    {4057, 4059}, {4116, 4120}, {4176, 4180}, {4236, 4240}, {4296, 4300},  // Black Zima Castle
    {5218, 5218}, {5277, 5279}, {5337, 5339}, {5397, 5399},                // Grubas Tribe
    {5547, 5550}, {5606, 5610}, {5666, 5670},                              // Noga Tribe
};

// First entry of each place in townCell and specialCell (one past the last
// place closes the list).
const int kTownFirst[5] = {0, 8, 23, 38, 53};
const int kSpecialFirst[9] = {0, 5, 11, 23, 33, 43, 66, 76, 90};

// The ids of the runs in order; the rest of the list is cleared.
template <std::size_t N, std::size_t M>
void FillRuns(uint32_t (&list)[M], const Run (&runs)[N]) {
  std::size_t n = 0;
  for (const Run& run : runs)
    for (uint32_t id = run.first; id <= run.last && n < M; ++id) list[n++] = id;
  while (n < M) list[n++] = 0;
}

template <std::size_t N>
void Copy(uint32_t (&to)[N], const uint32_t (&from)[N]) {
  for (std::size_t i = 0; i < N; ++i) to[i] = from[i];
}

}  // namespace

void MapEncounters::FillStartTables() {
  for (uint32_t& cell : questCell) cell = 0;
  for (int i = 0; i < 33; ++i) questCell[i] = kQuestSpots[i];

  for (int k = 0; k < 20; ++k) {
    goldPileX[k] = map_encounters::kOffMap;
    goldPileY[k] = 0;
    goldPileCell[k] = 0;
    bagX[k] = map_encounters::kOffMap;
    bagY[k] = 0;
    bagCell[k] = 0;
  }
  for (int k = 0; k < 50; ++k) {
    chestX[k] = map_encounters::kOffMap;
    chestY[k] = 0;
    chestCell[k] = 0;
  }

  auto put = [](uint32_t spot, uint32_t& cell, int32_t& x, int32_t& y) {
    int cx = 0, cy = 0;
    if (!cells::CellCorner(spot, &cx, &cy)) return;
    cell = spot;
    x = cx;
    y = cy;
  };
  for (int k = 0; k < 25; ++k) {
    if (chestPresent[k]) put(kChestSpots[k], chestCell[k], chestX[k], chestY[k]);
    if (chestPresent[k + 25])
      put(kChestSpots[k], chestCell[k + 25], chestX[k + 25], chestY[k + 25]);
  }
  for (int k = 0; k < 16; ++k)
    if (bagPresent[k]) put(kBagSpots[k], bagCell[k], bagX[k], bagY[k]);
  for (int k = 0; k < 20; ++k)
    if (goldPilePresent[k]) put(kGoldPileSpots[k], goldPileCell[k], goldPileX[k], goldPileY[k]);

  FillRuns(townCell, kTownRuns);
  Copy(villageCell, kVillageCells);
  Copy(palaceCell, kPalaceCells);
  Copy(templeCell, kTempleCells);
  Copy(castleCell, kCastleCells);
  towerCell = kTowerCell;
  FillRuns(specialCell, kSpecialRuns);
  Copy(mineCell, kMineCells);

  int x = 0, y = 0;
  if (cells::CellCorner(playerCell, &x, &y)) {
    playerX = x;
    playerY = y;
  }
  for (int k = 0; k < 10; ++k) {
    if (heroOnMap[k] && cells::CellCorner(heroCell[k], &x, &y)) {
      heroX[k] = x;
      heroY[k] = y;
    }
  }
}

void MapEncounters::FillCellCodes() {
  // A later object overwrites an earlier one on a shared cell; SetCode
  // writes nothing for a cell id outside the map (0 = off the map).
  if (playerCell != 0) SetCode(playerCell, 1);
  for (int k = 0; k < 10; ++k)
    if (heroOnMap[k]) SetCode(heroCell[k], uint8_t(k + 2));
  for (int k = 0; k < 20; ++k)
    if (goldPilePresent[k]) SetCode(goldPileCell[k], uint8_t(k + 12));
  for (int k = 0; k < 20; ++k)
    if (bagPresent[k]) SetCode(bagCell[k], uint8_t(k + 32));
  for (int k = 0; k < 50; ++k)
    if (chestPresent[k]) SetCode(chestCell[k], uint8_t(k + 52));
  for (int k = 0; k < 50; ++k)
    if (enemyPresent[k]) SetCode(enemyCell[k], uint8_t(k + 102));
}

void MapEncounters::InspectCell(uint32_t cell) {
  inspectCode = 0;
  for (int k = 0; k < 20; ++k)
    if (goldPilePresent[k] && goldPileCell[k] == cell) inspectCode = 3;
  for (int k = 0; k < 20; ++k)
    if (bagPresent[k] && bagCell[k] == cell) inspectCode = 4;
  for (int k = 0; k < 50; ++k)
    if (chestPresent[k] && chestCell[k] == cell) inspectCode = 5;
  for (uint32_t k = 0; k < 50; ++k)
    if (enemyPresent[k] && enemyCell[k] == cell) inspectCode = k + 6;
  for (uint32_t k = 50; k < 65; ++k)
    if (enemyPresent[k] && enemyCell[k] == cell) inspectCode = k + 4000;

  // The places, without any presence test.
  for (uint32_t v = 0; v < 8; ++v)
    for (uint32_t j = 0; j < 3; ++j)
      if (villageCell[3 * v + j] == cell) inspectCode = 56 + v;
  for (int j = 24; j < 27; ++j)
    if (villageCell[j] == cell) inspectCode = 72;
  for (uint32_t t = 0; t < 4; ++t)
    for (int j = kTownFirst[t]; j < kTownFirst[t + 1]; ++j)
      if (townCell[j] == cell) inspectCode = 64 + t;
  for (uint32_t c : palaceCell)
    if (c == cell) inspectCode = 68;
  for (uint32_t c : templeCell)
    if (c == cell) inspectCode = 69;
  for (uint32_t c : castleCell)
    if (c == cell) inspectCode = 70;
  if (towerCell == cell) inspectCode = 71;
  for (uint32_t p = 0; p < 8; ++p)
    for (int j = kSpecialFirst[p]; j < kSpecialFirst[p + 1]; ++j)
      if (specialCell[j] == cell) inspectCode = 73 + p;

  // A mine reports the army that guards it while that army stands there.
  if (inspectCode != 7 && (mineCell[0] == cell || mineCell[1] == cell)) inspectCode = 81;
  if (inspectCode != 35 && (mineCell[2] == cell || mineCell[3] == cell)) inspectCode = 82;

  if (inspectCode != 0) inspectShown = 1;
}
