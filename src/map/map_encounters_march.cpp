// MapEncounters: the legs of a marching army towards its road, its walk
// frame by frame, and the search for a defender when a raiding army reaches
// the place it raids.

#include "game/cell_geometry.h"
#include "map/map_encounters.h"
#include "map/map_moves.h"

namespace {

struct Point {
  int32_t x, y;
};

// The start points of the raiding armies' roads (armies 80..92).
const Point kRoadStarts[13] = {
    {-960, 80},    {-520, -960}, {2400, -320}, {1600, -760}, {-520, -480},
    {-1320, 1520}, {-520, -480}, {2040, 720},  {1760, 680},  {-1240, 120},
    {3160, 680},   {3160, 680},  {3160, 680},
};

bool AtRoadStart(int army, int32_t x, int32_t y) {
  if (army < 80 || army > 92) return false;
  const Point& p = kRoadStarts[army - 80];
  return p.x == x && p.y == y;
}

// Which list a raiding army searches, and the order of its cells.
enum class RaidList { Palace, Village, Tower, Castle };
struct RaidSearch {
  RaidList list;
  int n;
  int index[22];
};

const RaidSearch* RaidSearchOf(int army) {
  static const RaidSearch palace = {RaidList::Palace, 6, {3, 4, 2, 0, 1, 5}};
  static const RaidSearch desert = {RaidList::Village, 3, {18, 19, 20}};
  static const RaidSearch little = {RaidList::Village, 3, {24, 25, 26}};
  static const RaidSearch mountain = {RaidList::Village, 3, {21, 22, 23}};
  static const RaidSearch burak = {RaidList::Village, 3, {3, 4, 5}};
  static const RaidSearch tower = {RaidList::Tower, 1, {0}};
  static const RaidSearch castle = {
      RaidList::Castle, 22, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                             11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}};
  switch (army) {
    case 80:
    case 89: return &palace;
    case 81:
    case 84:
    case 86: return &desert;
    case 82: return &little;
    case 83: return &mountain;
    case 85: return &burak;
    case 87: return &tower;
    case 88:
    case 90:
    case 91:
    case 92: return &castle;
    default: return nullptr;
  }
}

}  // namespace

void MapEncounters::BuildRoute() {
  if (movingArmy >= 100) return;
  const int a = movingArmy;
  legStartX = moverX;
  legStartY = moverY;
  legBuildStage = 1;
  legCount = 0;

  int32_t bx = moverX, by = moverY;
  for (int s = 1; s <= 7; ++s) {
    if (enemyStepsLeft[a] == 0) break;
    if (s > 1 && legBuildStage != s) break;
    legBuildStage = uint8_t(s == 7 ? 0 : s + 1);
    const int n = legCount < 7 ? legCount : 6;

    // One cell towards the target, diagonally while both counts remain.
    int32_t wx, wy;
    StepTowardsTarget(bx, by, wx, wy);
    legX[n] = wx;
    legY[n] = wy;
    bx = wx;
    by = wy;

    if (!moveRight && !moveLeft && !moveUp && !moveDown) {
      legBuildStage = 0;
      legReady = 1;
      legWaypoint = 0;
    }
    enemyStepsLeft[a] -= 1;
    legPending[n] = 1;
    if (legCount < 7) legCount += 1;
    MeetOnLeg(n, wx, wy);
    if (legBuildStage == 0) break;
  }

  if (!enemyDone[a]) {
    legReady = 1;
    armyStepping = 0;
    legWaypoint = 0;
  }
}

void MapEncounters::SteerMover(uint8_t pixels) {
  if (movingArmy >= 100) return;
  const int a = movingArmy;
  // A leg holds at most seven waypoints, whatever a restored record says.
  const int legs = legCount < 7 ? legCount : 7;

  // 1. Start of a leg.
  if (legReady) {
    ClearMoveFlags();
    armyStepping = 1;
    legReady = 0;
    legReached = 0;
    arrivedX = arrivedY = 0;
    recomputeDirection = 1;
  }

  // 2. Direction towards the next waypoint.
  if (recomputeDirection && armyStepping && enemyPresent[a]) {
    recomputeDirection = 0;
    ClearMoveFlags();
    if (legWaypoint < legs) {
      const int w = legWaypoint;
      if (enemyX[a] < legX[w]) moveRight = 1;
      if (enemyX[a] > legX[w]) moveLeft = 1;
      if (enemyY[a] < legY[w]) moveDown = 1;
      if (enemyY[a] > legY[w]) moveUp = 1;
    }
    const int facing = map_moves::FacingOf(moveRight, moveLeft, moveUp, moveDown);
    if (facing >= 0) enemyFacing[a] = uint8_t(facing);
  }

  // 3. A waypoint was reached; the last one ends the leg.
  if (legReached) {
    if (!armyStepping) return;
    if (!enemyPresent[a]) {
      // The army left the map during its leg: its turn is over.
      armyStepping = 0;
      legReady = 0;
      legReached = 0;
      enemyDone[a] = 1;
      armyFinished = 1;
      marchPhase = kChooseArmy;
      return;
    }
    legReached = 0;
    if (legWaypoint >= legs) {
      if (armyOnRoad[a]) {
        marchPhase = kChooseArmy;
        armyFinished = 1;
        enemyDone[a] = 1;
      } else if (enemyStepsLeft[a] == 0) {
        if (AtRoadStart(a, enemyX[a], enemyY[a])) armyOnRoad[a] = 1;
        armyFinished = 1;
        marchPhase = kChooseArmy;
        enemyDone[a] = 1;
      } else {
        if (AtRoadStart(a, enemyX[a], enemyY[a])) armyOnRoad[a] = 1;
        marchPhase = kPlanLeg;
      }
      armyStepping = 0;
      legReady = 0;
      legCount = 0;
      legWaypoint = 0;
      ClearMoveFlags();
      // The army is entered in the cell it now stands on.
      legEndCell = cells::CellAt(enemyX[a], enemyY[a]);
      SetCode(enemyCell[a], 0);
      enemyCell[a] = legEndCell;
      metCode = CodeAt(legEndCell);
      SetCode(legEndCell, uint8_t(a + 80));
      legEndCell = 0;
      for (int i = 0; i < 7; ++i) {
        legPending[i] = 0;
        legX[i] = 0;
        legY[i] = 0;
        legMeeting[i] = 0;
      }
    }
  }

  // 4. Walk towards the waypoint.
  if (armyStepping) {
    const int w = legWaypoint;
    if (w >= legs) {
      // No waypoint left to walk (a leg without waypoints): the leg is over.
      legReached = 1;
      return;
    }
    if (enemyX[a] == legX[w]) arrivedX = 1;
    if (enemyY[a] == legY[w]) arrivedY = 1;
    map_moves::MoveTowards(enemyX[a], enemyY[a], legX[w], legY[w], pixels, arrivedX, arrivedY,
                           moveRight, moveLeft, moveUp, moveDown);
    if (arrivedX && arrivedY) {
      if (legMeeting[w]) {
        battleStarted = 1;
        enemyIndex = movingArmy;
      }
      legPending[w] = 0;
      arrivedX = arrivedY = 0;
      legWaypoint = uint8_t(w + 1);
      legReached = 1;
      recomputeDirection = 1;
    }
  }
}

void MapEncounters::FindDefender() {
  if (movingArmy >= 100) return;
  const int a = movingArmy;
  const RaidSearch* search = RaidSearchOf(a);
  if (!search) return;

  auto cellAt = [this, search](int k) -> uint32_t {
    const int i = search->index[k];
    switch (search->list) {
      case RaidList::Palace: return palaceCell[i];
      case RaidList::Village: return villageCell[i];
      case RaidList::Tower: return towerCell;
      case RaidList::Castle: return castleCell[i];
    }
    return 0;
  };
  auto test = [this](uint32_t c) {
    if (playerCell == c) {
      battleStarted = 1;
      fighterCode = 1;
    }
    for (int k = 0; k < 10; ++k) {
      if (heroCell[k] == c) {
        battleStarted = 1;
        fighterCode = uint8_t(k + 2);
      }
    }
  };

  // Every search starts from the first cell of the list and stops at the
  // first fight.
  for (int k = 0; k < search->n; ++k) {
    raidSearchPos = uint8_t(k);
    test(cellAt(k));
    if (battleStarted) break;
  }
  if (battleStarted) enemyIndex = uint8_t(a);
  else raidSearchPos = uint8_t(search->n);

  if (!enemyPresent[a]) {
    raidSearchPos = uint8_t(search->n);
    battleStarted = 0;
    fighterCode = 0;
    marchPhase = kArmyGone;
  }

  if (a == 88 || a == 90 || a == 91 || a == 92) siegeBattle = (battleStarted && a != 88) ? 1 : 0;
  else if (a == 89) siegeBattle = battleStarted;
}
