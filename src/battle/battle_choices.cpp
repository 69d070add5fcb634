// The computer's choices: the allied units and then the enemy armies act one
// at a time. Each lists its targets, strikes at once when one stands next to
// it, else heads for the nearest free cell next to any target, walks there
// and strikes when it ends next to its target.
#include <cstring>

#include "battle/battle_neighbours.h"
#include "battle/battle_screen.h"

using namespace battle;

namespace {

// The approach arrays of one side.
struct Approaches {
  int32_t* x;
  int32_t* y;
  uint8_t* inField;
  uint8_t* free;
  uint8_t* distance;
  int count;
};

}  // namespace

// The approach arrays of the side that is choosing (the enemy side while its
// phase is 1, else the allied side).
static Approaches SideApproaches(BattleScreen& b) {
  if (b.enemyPhase == kEnemyPick)
    return {b.enemyApproachX,    b.enemyApproachY,        b.enemyApproachInField,
            b.enemyApproachFree, b.enemyApproachDistance, kEnemyApproaches};
  return {b.allyApproachX,    b.allyApproachY,        b.allyApproachInField,
          b.allyApproachFree, b.allyApproachDistance, kAllyApproaches};
}

void BattleScreen::ClearChoice() {
  ClearWalk();
  stepsRight = stepsLeft = stepsUp = stepsDown = 0;
  adjacentFound = 0;
  approachFound = 0;
  noApproach = 0;
  approachTarget = 0;
  nearestTarget = 0;
  nearestDistance = kFarDistance;
  pathEnded = 0;
  planIncomplete = 0;
  blockedCount = 0;
}

void BattleScreen::ChooseAlly() {
  std::memset(allyTargetUsed, 0, sizeof allyTargetUsed);
  targetCount = 0;
  allyFound = 0;
  for (int u = 0; u < kAllySlots; ++u) {
    if (allyPresent[u] && !allyActed[u]) {
      actingAlly = static_cast<uint8_t>(u);
      actingAllyX = allyX[u];
      actingAllyY = allyY[u];
      allyFound = 1;
      break;
    }
  }
  for (int e = 0; e < kEnemySlots; ++e) {
    if (!enemyAlive[e]) continue;
    allyTargetUsed[e] = 1;
    allyTargetX[e] = enemyX[e];
    allyTargetY[e] = enemyY[e];
    ++targetCount;
  }
  ClearChoice();
  allyAttackPending = 0;
  allyMetTarget = kNoTarget;
  allyPathState = 0;
  allyChosenApproach = kAllyNoApproach;
  if (!allyFound || targetCount == 0) {
    allyPhase = kAllyIdle;
    enemyPhase = kEnemyPick;
    enemyChooseNext = 1;
    return;
  }
  cameraRequest = 1;
}

void BattleScreen::ChooseEnemy() {
  std::memset(enemyTargetUsed, 0, sizeof enemyTargetUsed);
  targetCount = 0;
  enemyFound = 0;
  for (int e = 0; e < kEnemySlots; ++e) {
    if (enemyAlive[e] && !enemyActed[e]) {
      actingEnemy = static_cast<uint8_t>(e);
      actingEnemyX = enemyX[e];
      actingEnemyY = enemyY[e];
      enemyFound = 1;
      break;
    }
  }
  auto list = [&](int entry, int32_t x, int32_t y) {
    enemyTargetUsed[entry] = 1;
    enemyTargetX[entry] = x;
    enemyTargetY[entry] = y;
    ++targetCount;
  };
  if (figureHealth > 0) list(kEnemyTargetFighter, figureX, figureY);
  for (int j = 0; j < kArmySlots; ++j)
    if (armyUsed[j] && armyCount[j] > 0) list(kEnemyTargetArmyBase + j, armyX[j], armyY[j]);
  for (int u = 0; u < kAllySlots; ++u)
    if (allyPresent[u] && allyCount[u] > 0) list(kEnemyTargetAllyBase + u, allyX[u], allyY[u]);
  ClearChoice();
  enemyAttackPending = 0;
  enemyMetTarget = kNoTarget;
  enemyPathState = 0;
  enemyChosenApproach = kEnemyNoApproach;
  if (!enemyFound || targetCount == 0) {
    enemyPhase = kEnemyDone;
    turnPanelShown = 1;
    ++turnNumber;
    return;
  }
  cameraRequest = 1;
}

// The nearest listed target by cell distance; the lowest index wins a tie.
static void Nearest(const int32_t* tx, const int32_t* ty, int count, const uint8_t* used8,
                    const uint32_t* used32, int32_t x, int32_t y, uint8_t* nearest,
                    uint8_t* distance) {
  int32_t best = kFarDistance;
  for (int t = 0; t < count; ++t) {
    if (used8 ? !used8[t] : !used32[t]) continue;
    const int32_t d = CellDistance(x, y, tx[t], ty[t]);
    if (d < best) {
      best = d;
      *nearest = static_cast<uint8_t>(t);
    }
  }
  *distance = static_cast<uint8_t>(best);
}

void BattleScreen::NearestTargetAlly() {
  Nearest(allyTargetX, allyTargetY, kEnemySlots, allyTargetUsed, nullptr, actingAllyX, actingAllyY,
          &nearestTarget, &nearestDistance);
}

void BattleScreen::NearestTargetEnemy() {
  Nearest(enemyTargetX, enemyTargetY, kEnemyTargets, nullptr, enemyTargetUsed, actingEnemyX,
          actingEnemyY, &nearestTarget, &nearestDistance);
}

void BattleScreen::AdjacentAlly() {
  if (actingAlly >= kAllySlots) return;
  for (int e = 0; e < kEnemySlots; ++e) {
    if (!allyTargetUsed[e] ||
        !IsNeighbour(actingAllyX, actingAllyY, allyTargetX[e], allyTargetY[e]))
      continue;
    targetEnemy = static_cast<uint8_t>(e);
    adjacentFound = 1;
    allyActed[actingAlly] = 1;
    allyAttackPending = 1;
    allyPhase = kAllyAttack;
    return;
  }
}

void BattleScreen::AdjacentEnemy() {
  if (actingEnemy >= kEnemySlots) return;
  for (int t = 0; t < kEnemyTargets; ++t) {
    if (!enemyTargetUsed[t] ||
        !IsNeighbour(actingEnemyX, actingEnemyY, enemyTargetX[t], enemyTargetY[t]))
      continue;
    enemyTarget = static_cast<uint8_t>(t);
    adjacentFound = 1;
    enemyActed[actingEnemy] = 1;
    enemyAttackPending = 1;
    enemyPhase = kEnemyAttack;
    return;
  }
}

void BattleScreen::ApproachCells(int32_t x, int32_t y) {
  const Approaches a = SideApproaches(*this);
  for (int d = 0; d < kNeighbours; ++d) {
    const uint32_t i = approachEntry + static_cast<uint32_t>(d);
    if (i >= static_cast<uint32_t>(a.count)) return;
    a.x[i] = x + kNeighbourDx[d];
    a.y[i] = y + kNeighbourDy[d];
    a.inField[i] = a.x[i] >= 0 && a.x[i] <= kApproachMaxX && a.y[i] >= 0 && a.y[i] <= kApproachMaxY;
  }
}

void BattleScreen::IsFreeCell(int32_t x, int32_t y) {
  const Approaches a = SideApproaches(*this);
  if (approachEntry >= static_cast<uint32_t>(a.count)) return;
  const uint32_t cell = CellUnderPoint(x, y);
  bool free = cell != 0 && occupant[cell] == kOccupantNone;
  if (enemyPhase == kEnemyPick && x == excludedX && y == excludedY) free = false;
  if (!a.inField[approachEntry]) free = false;
  a.free[approachEntry] = free;
}

void BattleScreen::ApproachDistances() {
  const Approaches a = SideApproaches(*this);
  const bool enemySide = enemyPhase == kEnemyPick;
  const int32_t x = enemySide ? actingEnemyX : actingAllyX;
  const int32_t y = enemySide ? actingEnemyY : actingAllyY;
  for (int i = 0; i < a.count; ++i) {
    if (!a.inField[i] || (a.x[i] == x && a.y[i] == y)) continue;
    a.distance[i] = static_cast<uint8_t>(CellDistance(x, y, a.x[i], a.y[i]));
  }
}

void BattleScreen::ChooseApproach() {
  const Approaches a = SideApproaches(*this);
  const bool enemySide = enemyPhase == kEnemyPick;
  int best = -1;
  int32_t bestDistance = kFarDistance;
  for (int i = 0; i < a.count; ++i) {
    if (a.free[i] && a.distance[i] < bestDistance) {
      bestDistance = a.distance[i];
      best = i;
    }
  }
  chosenDistance = static_cast<uint8_t>(bestDistance);
  if (best >= 0) {
    destinationX = a.x[best];
    destinationY = a.y[best];
    approachTarget = static_cast<uint8_t>(best / kNeighbours);
    approachFound = 1;
    noApproach = 0;
    if (enemySide) {
      enemyChosenApproach = static_cast<uint8_t>(best);
      enemyAttackPending = 1;
    } else {
      allyChosenApproach = static_cast<uint32_t>(best);
      allyAttackPending = 1;
    }
    return;
  }
  // No free cell next to any target: head for target entry 0.
  approachFound = 0;
  noApproach = 1;
  if (enemySide) {
    destinationX = enemyTargetX[0];
    destinationY = enemyTargetY[0];
  } else {
    destinationX = allyTargetX[0];
    destinationY = allyTargetY[0];
    allyAttackPending = 1;
  }
}

// Writes and rates the approach cells of every listed target of the side.
void BattleScreen::RateApproaches(bool enemySide) {
  const Approaches a = SideApproaches(*this);
  std::memset(a.x, 0, sizeof(int32_t) * a.count);
  std::memset(a.y, 0, sizeof(int32_t) * a.count);
  std::memset(a.inField, 0, a.count);
  std::memset(a.free, 0, a.count);
  std::memset(a.distance, 0, a.count);
  const int targets = a.count / kNeighbours;
  for (int t = 0; t < targets; ++t) {
    const bool used = enemySide ? enemyTargetUsed[t] != 0 : allyTargetUsed[t] != 0;
    if (!used) continue;
    approachEntry = static_cast<uint32_t>(t * kNeighbours);
    if (enemySide) ApproachCells(enemyTargetX[t], enemyTargetY[t]);
    else ApproachCells(allyTargetX[t], allyTargetY[t]);
  }
  for (int i = 0; i < a.count; ++i) {
    if (!a.inField[i]) continue;
    approachEntry = static_cast<uint32_t>(i);
    IsFreeCell(a.x[i], a.y[i]);
  }
  ApproachDistances();
  ChooseApproach();
}

void BattleScreen::RunAllyChoice() {
  if (allyPhase != kAllyPick) return;
  if (allyChooseNext) {
    allyChooseNext = 0;
    ChooseAlly();
    if (allyPhase != kAllyPick) return;
  }
  if (actingAlly >= kAllySlots || !allyPresent[actingAlly] || allyActed[actingAlly]) {
    allyChooseNext = 1;
    return;
  }
  NearestTargetAlly();
  AdjacentAlly();
  if (adjacentFound) return;
  RateApproaches(false);
  ComputeWalkCounts();
  FindCellAt();
  if (allyPathState) {
    PlanAllyPath();
    FindCellAt();
  }
  if (!approachFound && walkLength == 0) allyStuck = 1;
  // A path without an attack through the field's corner position (0, 0) is
  // given up: the unit stays and counts as acted.
  if (!allyAttackPending) {
    for (int k = 0; k < walkLength; ++k) {
      if (walkX[k] == 0 && walkY[k] == 0) {
        allyMoves[actingAlly] = kMovesPerTurn;
        ClearWalk();
        allyActed[actingAlly] = 1;
        allyChooseNext = 1;
        return;
      }
    }
  }
  walkNewLeg = 1;
  allyPhase = kAllyMove;
}

void BattleScreen::RunEnemyChoice() {
  if (enemyPhase != kEnemyPick) return;
  if (enemyChooseNext) {
    enemyChooseNext = 0;
    ChooseEnemy();
    if (enemyPhase != kEnemyPick) return;
  }
  if (actingEnemy >= kEnemySlots || !enemyAlive[actingEnemy] || enemyActed[actingEnemy]) {
    enemyChooseNext = 1;
    return;
  }
  NearestTargetEnemy();
  AdjacentEnemy();
  if (adjacentFound) return;
  RateApproaches(true);
  ComputeWalkCounts();
  FindCellAt();
  if (enemyPathState) {
    PlanEnemyPath();
    FindCellAt();
  }
  if (!approachFound && walkLength == 0) enemyStuck = 1;

  // A walk that would end on another enemy: one more choice without that
  // cell, then the enemy stays where it is.
  if (walkLength > 0 &&
      EnemyAtPoint(walkX[walkLength - 1], walkY[walkLength - 1], actingEnemy) >= 0) {
    ++retryCount;
    excludedX = walkX[walkLength - 1];
    excludedY = walkY[walkLength - 1];
    if (retryCount <= kRetriesAllowed) {
      enemyChooseNext = 1;
      return;
    }
    retryCount = 0;
    ClearWalk();
  } else if (planIncomplete) {
    // The move points ran out before the path's end (after a retry): the walk
    // never starts. The enemy stays and counts as acted, so the side goes on
    // to its next unit instead of choosing this one without end.
    ClearWalk();
    enemyAttackPending = 0;
    enemyActed[actingEnemy] = 1;
    enemyChooseNext = 1;
    retryCount = 0;
    excludedX = kNoExcludedX;
    excludedY = 0;
    return;
  }
  walkNewLeg = 1;
  enemyPhase = kEnemyMove;
  retryCount = 0;
  excludedX = kNoExcludedX;
  excludedY = 0;
}
