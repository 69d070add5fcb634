// MapEncounters: a free cell for a joining hero, the fixed cells of the
// enemy armies, the fixed roads of the marching armies, and the choice and
// road legs of the army whose turn it is.

#include "game/cell_geometry.h"
#include "map/map_encounters.h"

namespace {

// Candidate cells of each joining hero (by hero index), tried in order.
struct Candidates {
  uint8_t hero;
  uint32_t cell[11];
};
const Candidates kCandidates[] = {
    {1, {978, 977, 979, 976, 975, 980, 1025, 1026, 1027, 1028, 1029}},
    {2, {3658, 977, 979, 976, 975, 980, 1025, 1026, 1027, 1028, 1029}},
    {3, {8960, 8961, 8962, 8963, 8964, 8965, 8966, 8967, 8968, 8969, 8970}},
    {4, {8870, 8871, 8872, 8873, 8874, 8875, 8894, 8895, 8896, 8897, 8898}},
    {6, {8293, 8294, 8295, 8296, 8297, 8298, 8299, 8300, 8341, 8342, 8343}},
    {8, {8563, 8564, 8565, 8566, 8567, 8610, 8611, 8612, 8613, 8615, 8713}},
    {9, {4615, 4616, 4617, 4618, 8567, 8610, 8611, 8612, 8613, 8615, 8713}},
};

struct ArmyPlace {
  uint32_t cell;
  int32_t x, y;
  uint8_t value;  // the facing of a marching army, the picture of a standing one
};

// Arrival cells and facings of the marching armies 80..92.
const ArmyPlace kMarchArrivals[13] = {
    {9596, -1000, 40, 4}, {7558, -520, -1000, 4}, {2833, 2480, -400, 6}, {7011, 1600, -800, 6},
    {108, -520, -520, 6}, {8913, -1320, 1560, 6}, {108, -520, -520, 6},  {4503, 2080, 720, 6},
    {4436, 1800, 680, 6}, {9637, -1360, 120, 2},  {4472, 3240, 680, 6},  {4472, 3240, 680, 6},
    {4472, 3240, 680, 6},
};

// Cells, positions and pictures of the standing armies 0..64.
const ArmyPlace kStandingArmies[65] = {
    {9898, -920, 520, 0},   {1358, -520, 480, 0},   {1153, -720, 320, 1},   {1862, -360, 880, 1},
    {10100, -840, 840, 1},  {682, 440, -80, 2},     {1022, 40, 200, 1},     {1716, -200, 760, 3},
    {1012, -360, 200, 0},   {1417, -160, 520, 0},   {9995, -1040, 680, 4},  {2208, -520, 1160, 3},
    {2152, -760, 1120, 0},  {10168, -1120, 960, 0}, {9815, -1240, 400, 0},  {9524, -880, -80, 0},
    {2067, -160, 1040, 3},  {1772, 40, 800, 0},     {938, 680, 120, 0},     {1433, 480, 520, 1},
    {2364, -280, 1280, 5},  {586, 600, -160, 6},    {8217, -160, 1520, 5},  {8672, 40, 1880, 0},
    {8351, -800, 1640, 0},  {8821, -1000, 1400, 5}, {766, -200, 0, 6},      {10263, -1320, 1120, 6},
    {9744, -1080, 280, 6},  {893, 880, 80, 3},      {8178, 280, 1480, 5},   {1979, 320, 960, 5},
    {2233, 480, 1160, 3},   {9064, -1280, 1800, 1}, {9103, -1720, 1880, 4}, {10280, -1640, 1160, 6},
    {10032, -1560, 760, 5}, {9778, -1720, 360, 6},  {9560, -1440, 0, 4},    {9468, -1120, -160, 6},
    {508, -520, -200, 6},   {569, -80, -160, 3},    {395, 960, -320, 6},    {3042, 1240, -240, 5},
    {3345, 1360, -40, 6},   {4067, 1440, 440, 1},   {4181, 1200, 520, 6},   {1596, 1000, 640, 0},
    {1900, 1160, 880, 6},   {4846, 1400, 960, 3},   {8188, 680, 1480, 0},   {5504, 1320, 1400, 6},
    {6049, 1520, 1760, 1},  {9267, -1160, -480, 1}, {7852, -760, -760, 5},  {9199, -880, -600, 6},
    {7463, -320, -1080, 6}, {7816, -200, -800, 6},  {7828, 280, -800, 6},   {7844, 920, -800, 6},
    {7005, 1360, -800, 1},  {4797, 1840, 920, 8},   {9688, -1320, 200, 6},  {379, 320, -320, 5},
    {1733, 480, 760, 0},
};

void ClearRoad(MapRoad& road) { road = MapRoad{}; }

void SetStart(MapRoad& road, uint32_t cell, int32_t x, int32_t y, uint8_t length) {
  ClearRoad(road);
  road.startCell = cell;
  road.startX = x;
  road.startY = y;
  road.length = length;
}

void SetPoint(MapRoad& road, int i, uint32_t cell, int32_t x, int32_t y) {
  road.roadCell[i] = cell;
  road.roadX[i] = x;
  road.roadY[i] = y;
}

// Points first..first+count-1 along x from x0 by dx, cells from cell0 by dcell.
void SetRow(MapRoad& road, int first, int count, uint32_t cell0, int dcell, int32_t x0, int dx,
            int32_t y) {
  for (int j = 0; j < count; ++j)
    SetPoint(road, first + j, uint32_t(int(cell0) + j * dcell), x0 + j * dx, y);
}

void WriteRoad(int army, MapRoad& road) {
  switch (army) {
    case 80:
      SetStart(road, 9622, -960, 80, 31);
      SetPoint(road, 0, 9623, -920, 80);
      SetPoint(road, 1, 9624, -880, 80);
      SetPoint(road, 2, 9650, -840, 120);
      SetRow(road, 3, 29, 901, 1, -800, 40, 120);  // point 31 lies beyond the length
      break;
    case 81: {
      SetStart(road, 7608, -520, -960, 13);
      const uint32_t cellsDown[12] = {7658, 7708, 7758, 7808, 7858, 7908,
                                      7958, 8008, 8,    58,   108,  158};
      for (int i = 0; i < 12; ++i) SetPoint(road, i, cellsDown[i], -520, -920 + 40 * i);
      SetPoint(road, 12, 159, -480, -480);
      break;
    }
    case 82:
      SetStart(road, 2951, 2400, -320, 13);
      SetRow(road, 0, 12, 2950, -1, 2360, -40, -320);
      SetPoint(road, 12, 2998, 1880, -280);
      break;
    case 83:
      SetStart(road, 7071, 1600, -760, 2);
      SetPoint(road, 0, 7071, 1600, -760);
      SetPoint(road, 1, 7071, 1600, -760);
      break;
    case 84:
    case 86:
      SetStart(road, 158, -520, -480, 2);
      SetPoint(road, 0, 158, -520, -480);
      SetPoint(road, 1, 158, -520, -480);
      break;
    case 85:
      SetStart(road, 8888, -1320, 1520, 2);
      SetPoint(road, 0, 8888, -1320, 1520);
      SetPoint(road, 1, 8888, -1320, 1520);
      break;
    case 87:
      SetStart(road, 4502, 2040, 720, 2);
      SetPoint(road, 0, 4502, 2040, 720);
      SetPoint(road, 1, 4502, 2040, 720);
      break;
    case 88:
      SetStart(road, 4435, 1760, 680, 2);
      SetPoint(road, 0, 4435, 1760, 680);
      SetPoint(road, 1, 4435, 1760, 680);
      break;
    case 89:
      SetStart(road, 9640, -1240, 120, 37);
      SetRow(road, 0, 10, 9641, 1, -1200, 40, 120);
      SetRow(road, 10, 27, 901, 1, -800, 40, 120);
      break;
    case 90:
    case 91:
    case 92:
      SetStart(road, 4470, 3160, 680, 36);
      SetRow(road, 0, 36, 4469, -1, 3120, -40, 680);
      break;
    default: break;
  }
}

}  // namespace

void MapEncounters::FindFreeCell() {
  if (heroPlacePending != 1) return;
  for (const Candidates& list : kCandidates) {
    if (list.hero != heroToPlace) continue;
    for (uint32_t cell : list.cell) {
      freeCount = 0;
      if (playerCell == cell) ++freeCount;
      for (uint32_t c : heroCell)
        if (c == cell) ++freeCount;
      if (freeCount != 0) continue;
      int x = 0, y = 0;
      cells::CellCorner(cell, &x, &y);
      heroCell[heroToPlace] = cell;
      heroX[heroToPlace] = x;
      heroY[heroToPlace] = y;
      heroPlacePending = 0;
      return;
    }
  }
}

void MapEncounters::PlaceEnemyArmies() {
  for (uint8_t& kind : enemyKind) kind = 7;
  for (int j = 0; j < 13; ++j) {
    const int a = 80 + j;
    if (enemyPresent[a] != 1) continue;  // not marching, or placed already (2)
    const ArmyPlace& p = kMarchArrivals[j];
    enemyFacing[a] = p.value;
    enemyPresent[a] = 2;
    enemyCell[a] = p.cell;
    enemyX[a] = p.x;
    enemyY[a] = p.y;
    enemyPlaced[a] = 1;
  }
  for (int a = 0; a < 65; ++a) {
    if (!enemyPresent[a]) continue;
    const ArmyPlace& p = kStandingArmies[a];
    enemyCell[a] = p.cell;
    enemyX[a] = p.x;
    enemyY[a] = p.y;
    enemyKind[a] = p.value;
  }
}

void MapEncounters::PlaceRoutes() {
  for (int a = 80; a <= 92; ++a) {
    if (!enemyPresent[a]) continue;
    WriteRoad(a, a == 81 ? roadB : roadA);
    if (a >= 83 && a <= 88) armyOnRoad[a] = 1;
  }
}

void MapEncounters::SelectNextMover() {
  moverFound = 0;
  for (int a = 80; a < 100; ++a) {
    if (enemyPresent[a] && !enemyDone[a]) {
      movingArmy = uint8_t(a);
      moverFound = 1;
      routeIndex = 0;
      break;
    }
  }
  if (!moverFound) {
    marchPhase = kSettle;
    return;
  }
  moverX = enemyX[movingArmy];
  moverY = enemyY[movingArmy];
  legCount = 0;
  arrivedX = arrivedY = 0;
  legTargetX = legTargetY = 0;
  legEndCell = 0;
  pointX = pointY = 0;
}

void MapEncounters::AimAtRouteStart() {
  const MapRoad& road = movingArmy == 81 ? roadB : roadA;
  legTargetX = road.startX;
  legTargetY = road.startY;
  CountCellsTo(moverX, moverY, legTargetX, legTargetY);
}

void MapEncounters::AdvanceOnRoute() {
  if (movingArmy >= 100) return;
  const int a = movingArmy;
  const MapRoad& road = a == 81 ? roadB : roadA;

  legBuildStage = 1;
  legCount = 0;
  legStartX = enemyX[a];
  legStartY = enemyY[a];
  if (routePos[a] + 1 >= road.length) {
    // The end of the road: the army is done.
    legBuildStage = 0;
    enemyDone[a] = 1;
    roadEnded[a] = 1;
  }
  routeIndex = routePos[a];
  if (!enemyDone[a] && roadEnded[a]) {
    legBuildStage = 0;
    enemyDone[a] = 1;
    marchPhase = kChooseArmy;
    armyFinished = 1;
  }

  for (int s = 1; s <= 7; ++s) {
    if (legBuildStage != s || enemyStepsLeft[a] == 0) break;
    legBuildStage = uint8_t(s == 7 ? 0 : s + 1);
    const int n = legCount;
    if (routeIndex >= 50) {  // never read past the road's points
      legBuildStage = 0;
      break;
    }
    legX[n] = road.roadX[routeIndex];
    legY[n] = road.roadY[routeIndex];
    routeLength = road.length;
    if (routeIndex + 1 == routeLength) {
      legBuildStage = 0;
      legReady = 1;
      legWaypoint = 0;
      roadEnded[a] = 1;
    }
    routeIndex += 1;
    enemyStepsLeft[a] -= 1;
    legPending[n] = 1;
    legCount = uint8_t(n + 1);
    MeetOnLeg(n, legX[n], legY[n]);
  }

  if (legCount == 0) return;
  legReady = 1;
  armyStepping = 0;
  legWaypoint = 0;
  routePos[a] = routeIndex;
}
