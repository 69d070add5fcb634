// Moves and paths: the cell under a point, the player's selection and path
// planning, the destination marker, the walks of the player's units and of
// the computer's units.
#include <algorithm>
#include <cstring>

#include "battle/battle_neighbours.h"
#include "battle/battle_screen.h"

using namespace battle;

namespace {

// Moves *pos by up to step pixels towards target, never past it.
void MoveToward(int32_t* pos, int32_t target, int32_t step) {
  if (*pos < target) {
    *pos = (target - *pos <= step) ? target : *pos + step;
  } else if (*pos > target) {
    *pos = (*pos - target <= step) ? target : *pos - step;
  }
}

}  // namespace

void BattleScreen::FindCellAt() {
  const uint32_t cell = CellUnderPoint(targetX, targetY);
  if (cell == 0) return;
  if (enemyPhase != kEnemyIdle) {
    enemyDestinationCell = cell;
    return;
  }
  targetCell = cell;
  if (allyPhase != kAllyIdle) allyDestinationCell = cell;
}

// The four direction counts from (sx, sy) to (cx, cy) in whole cells.
void BattleScreen::CountSteps(int32_t sx, int32_t sy, int32_t cx, int32_t cy) {
  stepsRight = stepsLeft = stepsUp = stepsDown = 0;
  if (sx < cx) stepsRight = static_cast<uint8_t>(std::min<int32_t>((cx - sx) / kCellSize, 255));
  if (sx > cx) stepsLeft = static_cast<uint8_t>(std::min<int32_t>((sx - cx) / kCellSize, 255));
  if (sy > cy) stepsUp = static_cast<uint8_t>(std::min<int32_t>((sy - cy) / kCellSize, 255));
  if (sy < cy) stepsDown = static_cast<uint8_t>(std::min<int32_t>((cy - sy) / kCellSize, 255));
}

bool BattleScreen::StepsLeft() const { return stepsRight || stepsLeft || stepsUp || stepsDown; }

// One step of the step rule from (*x, *y): diagonal while both axes have a
// count left, straight while only one has. The counts used go down by one.
void BattleScreen::TakeStep(int32_t* x, int32_t* y) {
  const bool horizontal = stepsRight || stepsLeft;
  const bool vertical = stepsUp || stepsDown;
  if (horizontal) {
    if (stepsRight) {
      *x += kCellSize;
      --stepsRight;
    } else {
      *x -= kCellSize;
      --stepsLeft;
    }
  }
  if (vertical) {
    if (stepsUp) {
      *y -= kCellSize;
      --stepsUp;
    } else {
      *y += kCellSize;
      --stepsDown;
    }
  }
}

void BattleScreen::ClearPlayerPath() {
  std::memset(pathX, 0, sizeof pathX);
  std::memset(pathY, 0, sizeof pathY);
  std::memset(pathMarked, 0, sizeof pathMarked);
  pathLength = 0;
}

int BattleScreen::EnemyAtPoint(int32_t x, int32_t y, int except) const {
  int found = -1;
  for (int e = 0; e < kEnemySlots; ++e)
    if (e != except && enemyAlive[e] && enemyX[e] == x && enemyY[e] == y)
      found = e;  // the last one stands
  return found;
}

int BattleScreen::AllyAtPoint(int32_t x, int32_t y, int except) const {
  for (int u = 0; u < kAllySlots; ++u)
    if (u != except && allyPresent[u] && allyX[u] == x && allyY[u] == y) return u;
  return -1;
}

int BattleScreen::ArmyAtPoint(int32_t x, int32_t y, int except) const {
  for (int j = 0; j < kArmySlots; ++j)
    if (j != except && armyUsed[j] && armyX[j] == x && armyY[j] == y) return j;
  return -1;
}

bool BattleScreen::FighterAtPoint(int32_t x, int32_t y) const {
  return figureHealth > 0 && figureX == x && figureY == y;
}

void BattleScreen::PlanPlayerPath() {
  markerShown = 0;
  attackPending = 0;
  attackEnemyX = attackEnemyY = 0;
  targetEnemy = 0;
  attackAtArrival = 0;
  attackAdjacent = 0;
  pathBuildState = kPathIdle;
  pathEnded = 0;
  figureMovesPlanned = figureMoves;
  if (armySelected >= 1 && armySelected <= kArmySlots)
    armyMovesPlanned[armySelected - 1] = armyMoves[armySelected - 1];
  // The clicked cell's corner, whether the click reported the corner or the
  // point inside the cell.
  const int32_t cx = IsFieldCell(clickedCell) ? CellX(clickedCell) : clickedX;
  const int32_t cy = IsFieldCell(clickedCell) ? CellY(clickedCell) : clickedY;
  targetX = cx;
  targetY = cy;
  targetCell = clickedCell;

  // A click on one of the player's units selects it.
  bool selection = false;
  if (figureHealth > 0 && figureCell == clickedCell) {
    figureSelected = 1;
    armySelected = 0;
    selectedArmy = 0;
    armySlot = 0;
    figureAttacks = 1;
    armyAttacks = 0;
    selection = true;
  }
  for (int j = 0; j < kArmySlots; ++j) {
    if (!armyUsed[j] || armyCell[j] != clickedCell) continue;
    armySelected = static_cast<uint8_t>(j + 1);
    armySlot = static_cast<uint8_t>(j);
    armyMovesPlanned[j] = armyMoves[j];
    figureSelected = 0;
    if (selectState == kSelectChosen) selectState = kSelectNone;
    armyAttacks = static_cast<uint8_t>(j + 1);
    figureAttacks = 0;
    selection = true;
  }

  if (selection) {
    ClearPlayerPath();
    destinationClicked = 0;
  } else if (!figureSelected && !armySelected) {
    destinationClicked = 0;
  } else if (destinationClicked) {
    const int walker = figureSelected ? -1 : armySlot;
    uint8_t* moves = figureSelected ? &figureMovesPlanned : &armyMovesPlanned[armySlot];
    pathBuildState = kPathStart;
    ClearPlayerPath();
    pathStartX = figureSelected ? figureX : armyX[armySlot];
    pathStartY = figureSelected ? figureY : armyY[armySlot];
    CountSteps(pathStartX, pathStartY, cx, cy);
    pathBuildState = kPathCounted;
    int32_t x = pathStartX;
    int32_t y = pathStartY;
    for (int step = 0; step < kMaxPathSteps && *moves != 0 && StepsLeft(); ++step) {
      TakeStep(&x, &y);
      const bool last = !StepsLeft();
      targetX = x;
      targetY = y;
      --*moves;
      pathX[pathLength] = x;
      pathY[pathLength] = y;
      pathMarked[pathLength] = 1;
      ++pathLength;
      pathBuildState = static_cast<uint8_t>(kPathCounted + 1 + step);

      // Contact: an enemy ends the path as an attack, an allied unit ends it
      // before that cell. The player's own units are walked through.
      const int enemy = EnemyAtPoint(x, y, -1);
      if (enemy >= 0) {
        attackEnemyX = x;
        attackEnemyY = y;
        targetEnemy = static_cast<uint8_t>(enemy);
        attackPending = 1;
        attackAtArrival = 1;
      }
      if (enemy >= 0 || AllyAtPoint(x, y, -1) >= 0) {
        WithdrawPlayerStep(moves);
        pathEnded = 1;
        break;
      }
      if (last) {
        pathEnded = 1;
        break;
      }
    }
    // The walk must not end on one of the player's own units (two units on
    // one cell): such steps at the end are withdrawn, and a blow planned
    // from beyond them is called off, its target no longer next to the end.
    bool ownUnitAtEnd = false;
    while (pathLength > 0 &&
           (FighterAtPoint(pathX[pathLength - 1], pathY[pathLength - 1]) ||
            ArmyAtPoint(pathX[pathLength - 1], pathY[pathLength - 1], walker) >= 0)) {
      WithdrawPlayerStep(moves);
      ownUnitAtEnd = true;
    }
    if (ownUnitAtEnd) attackPending = attackAtArrival = attackAdjacent = 0;
    const uint32_t cell = CellUnderPoint(targetX, targetY);
    if (cell != 0) targetCell = cell;
    destinationClicked = 0;
  }

  if (figureSelected) selectState = kSelectChosen;
  if (armySelected) selectedArmy = armySelected;
  markerRequest = 1;
  pathStep = 0;
}

// Takes back the path's last step: its move point is refunded and the
// destination becomes the waypoint before it (the start when none is left:
// a pending blow is then struck from where the unit stands).
void BattleScreen::WithdrawPlayerStep(uint8_t* moves) {
  ++*moves;
  --pathLength;
  pathX[pathLength] = pathY[pathLength] = 0;
  pathMarked[pathLength] = 0;
  if (pathLength > 0) {
    targetX = pathX[pathLength - 1];
    targetY = pathY[pathLength - 1];
  } else {
    targetX = pathStartX;
    targetY = pathStartY;
    std::memset(pathMarked, 0, sizeof pathMarked);
    if (attackPending) attackAdjacent = 1;
  }
}

void BattleScreen::UpdateMarker() {
  markerRequest = 0;
  if (enemyPhase != kEnemyIdle || allyPhase != kAllyIdle) return;
  const bool atAttackTarget = attackPending && targetX == attackEnemyX && targetY == attackEnemyY;
  const uint32_t held = IsFieldCell(targetCell) ? occupant[targetCell] : kOccupantNone;
  auto show = [&]() {
    markerShown = 1;
    markerX = targetX;
    markerY = targetY;
  };
  if (figureSelected && targetCell) {
    if (held >= 1 && held <= 249) show();
    if (atAttackTarget || targetCell == figureCell) markerShown = 0;
    for (int j = 0; j < kArmySlots; ++j) {
      if (armyUsed[j] && armyCell[j] == targetCell) {
        show();
        markerOwnUnit = 1;
      }
    }
  } else if (armySelected >= 1 && armySelected <= kArmySlots && targetCell) {
    const int slot = armySelected - 1;
    if (held >= 1 && held <= 249) show();
    if (atAttackTarget || targetCell == armyCell[slot]) markerShown = 0;
    if (figureHealth > 0 && figureCell == targetCell) {
      show();
      markerOwnUnit = 1;
    }
    for (int j = 0; j < kArmySlots; ++j) {
      if (armyUsed[j] && armyCell[j] == targetCell) {
        show();
        markerOwnUnit = 1;
      }
    }
    if (armyCell[slot] == targetCell) {
      markerShown = 0;
      markerOwnUnit = 0;
    }
  }
  if (pathLength > 0 && markerShown && held > ArmyOccupant(kArmySlots - 1)) markerShown = 0;
  if (markerOwnUnit) {
    show();
    markerOwnUnit = 0;
  }
}

// Starts a leg towards (tx, ty) from (x, y): the direction flags and the
// walker's facing.
void BattleScreen::StartLeg(int32_t x, int32_t y, int32_t tx, int32_t ty, uint8_t* facing) {
  legRight = tx > x;
  legLeft = tx < x;
  legUp = ty < y;
  legDown = ty > y;
  *facing = FacingOf(legRight, legLeft, legUp, legDown, *facing);
  walkNewLeg = 0;
  walkAtX = walkAtY = 0;
}

// Moves (*x, *y) towards the waypoint; true once it stands on it.
bool BattleScreen::StepLeg(int32_t* x, int32_t* y, int32_t tx, int32_t ty, int32_t step) {
  if (step < 0) step = 0;
  MoveToward(x, tx, step);
  MoveToward(y, ty, step);
  walkAtX = *x == tx;
  walkAtY = *y == ty;
  walkLegDone = walkAtX && walkAtY;
  return walkLegDone;
}

// The walker leaves its old cell and takes the one under its position.
uint32_t BattleScreen::SettleCell(uint32_t oldCell, int32_t x, int32_t y, uint32_t code) {
  if (IsFieldCell(oldCell) && occupant[oldCell] == code) occupant[oldCell] = kOccupantNone;
  uint32_t cell = CellUnderPoint(x, y);
  if (cell == 0) cell = oldCell;
  if (IsFieldCell(cell)) {
    arrivalOccupant = static_cast<uint8_t>(occupant[cell]);
    occupant[cell] = code;
  }
  return cell;
}

void BattleScreen::WalkPlayerUnit(int32_t step) {
  if (selectState == kSelectConfirmed) {
    figureSelected = 0;
    selectState = kSelectWalking;
    walkNewLeg = 1;
  } else if (selectState != kSelectWalking && armyWalkState == 0 && actingArmy >= 1 &&
             actingArmy <= kArmySlots) {
    armyWalkState = static_cast<uint8_t>(actingArmy + kArmyWalkBase - 1);
    armySelected = 0;
    selectedArmy = 0;
    walkNewLeg = 1;
  }

  const bool fighter = selectState == kSelectWalking;
  const int slot = armyWalkState - kArmyWalkBase;
  if (!fighter && (armyWalkState == 0 || slot >= kArmySlots)) return;
  int32_t* x = fighter ? &figureX : &armyX[slot];
  int32_t* y = fighter ? &figureY : &armyY[slot];
  uint8_t* facing = fighter ? &figureFacing : &armyFacing[slot];

  if (pathStep < pathLength && pathStep < kPathSlots) {
    if (walkNewLeg) StartLeg(*x, *y, pathX[pathStep], pathY[pathStep], facing);
    if (StepLeg(x, y, pathX[pathStep], pathY[pathStep], step)) {
      pathMarked[pathStep] = 0;
      ++pathStep;
      walkNewLeg = 1;
    }
  }
  if (pathStep < pathLength && pathStep < kPathSlots) return;

  // Arrival.
  if (fighter) {
    figureMoves = figureMovesPlanned;
    selectState = kSelectNone;
    figureCell = SettleCell(figureCell, *x, *y, kOccupantFighter);
  } else {
    armyMoves[slot] = armyMovesPlanned[slot];
    armyWalkState = 0;
    actingArmy = 0;
    armyCell[slot] = SettleCell(armyCell[slot], *x, *y, ArmyOccupant(slot));
  }
  pathLength = 0;
  pathStep = 0;
  attackPending = 0;
  attackAtArrival = 0;
  attackStep = 1;
  targetCell = 0;
  ClearPlayerPath();
}

void BattleScreen::ComputeWalkCounts() {
  const bool enemySide = enemyPhase == kEnemyPick;
  ComputeWalkCountsFor(enemySide, enemySide ? actingEnemyX : actingAllyX,
                       enemySide ? actingEnemyY : actingAllyY);
  (enemySide ? enemyPathState : allyPathState) = 1;
}

void BattleScreen::ClearWalk() {
  std::memset(walkX, 0, sizeof walkX);
  std::memset(walkY, 0, sizeof walkY);
  std::memset(walkMarked, 0, sizeof walkMarked);
  walkLength = 0;
  walkStep = 0;
  allyWalking = enemyWalking = 0;
}

void BattleScreen::PlanComputerPath(bool enemySide) {
  const int self = enemySide ? actingEnemy : actingAlly;
  const int32_t sx = enemySide ? actingEnemyX : actingAllyX;
  const int32_t sy = enemySide ? actingEnemyY : actingAllyY;
  uint8_t* moves = enemySide ? &enemyMoves[self] : &allyMoves[self];
  uint8_t* pending = enemySide ? &enemyAttackPending : &allyAttackPending;
  uint8_t* blocked = enemySide ? enemyStepBlocked : allyStepBlocked;
  uint8_t* pathState = enemySide ? &enemyPathState : &allyPathState;

  ComputeWalkCountsFor(enemySide, sx, sy);
  blockedCount = 0;
  *pathState = 1;
  ClearWalk();
  std::memset(blocked, 0, kMovesPerTurn);
  pathEnded = 0;
  planIncomplete = 0;

  int32_t x = sx;
  int32_t y = sy;
  for (int step = 0; step < kMaxPathSteps && StepsLeft(); ++step) {
    if (*moves == 0) {
      planIncomplete = 1;
      break;
    }
    TakeStep(&x, &y);
    const bool last = !StepsLeft();
    targetX = x;
    targetY = y;
    --*moves;
    walkX[walkLength] = x;
    walkY[walkLength] = y;
    walkMarked[walkLength] = 1;
    ++walkLength;
    *pathState = static_cast<uint8_t>(step + 2);

    if (enemySide) {
      int met = -1;
      if (FighterAtPoint(x, y)) {
        met = kEnemyTargetFighter;
      } else if (const int j = ArmyAtPoint(x, y, -1); j >= 0) {
        met = kEnemyTargetArmyBase + j;
      } else if (const int u = AllyAtPoint(x, y, -1); u >= 0) {
        met = kEnemyTargetAllyBase + u;
      }
      if (met >= 0) {
        *pending = 1;
        enemyMetTarget = static_cast<uint8_t>(met);
        pathEnded = 1;
        ++blockedCount;
        blocked[step] = 1;
      } else if (EnemyAtPoint(x, y, self) >= 0) {
        ++blockedCount;
        blocked[step] = 1;
        if (last) pathEnded = 1;
      }
    } else {
      const int enemy = EnemyAtPoint(x, y, -1);
      if (enemy >= 0) {
        *pending = 1;
        allyMetTarget = static_cast<uint8_t>(enemy);
        pathEnded = 1;
        blocked[step] = 1;
      } else if (FighterAtPoint(x, y) || ArmyAtPoint(x, y, -1) >= 0 ||
                 AllyAtPoint(x, y, self) >= 0) {
        ++blockedCount;
        blocked[step] = 1;
        if (last) pathEnded = 1;
      }
    }
    if (pathEnded) break;
  }

  // A blocked run at the end of an ended path is withdrawn: the walker stops
  // before it. One step back keeps the attack, more drop it.
  if (pathEnded && walkLength > 0 && blocked[walkLength - 1]) {
    int withdrawn = 0;
    while (walkLength > 0 && blocked[walkLength - 1]) {
      --walkLength;
      walkX[walkLength] = walkY[walkLength] = 0;
      walkMarked[walkLength] = 0;
      ++*moves;
      ++withdrawn;
    }
    if (withdrawn >= 2) *pending = 0;
  }
  targetX = walkLength > 0 ? walkX[walkLength - 1] : sx;
  targetY = walkLength > 0 ? walkY[walkLength - 1] : sy;
}

// The counts of ComputeWalkCounts for a given side and start.
void BattleScreen::ComputeWalkCountsFor(bool enemySide, int32_t sx, int32_t sy) {
  CountSteps(sx, sy, destinationX, destinationY);
  uint8_t* counts[4] = {&stepsRight, &stepsLeft, &stepsUp, &stepsDown};
  bool cut = false;
  for (uint8_t* c : counts) {
    if (*c > kMaxPathSteps) {
      *c = kMaxPathSteps;
      cut = true;
    }
  }
  if (cut) (enemySide ? enemyAttackPending : allyAttackPending) = 0;
}

void BattleScreen::PlanEnemyPath() { PlanComputerPath(true); }

void BattleScreen::PlanAllyPath() { PlanComputerPath(false); }

void BattleScreen::WalkComputerUnit(bool enemySide, int32_t step) {
  const int self = enemySide ? actingEnemy : actingAlly;
  int32_t* x = enemySide ? &enemyX[self] : &allyX[self];
  int32_t* y = enemySide ? &enemyY[self] : &allyY[self];
  uint8_t* facing = enemySide ? &enemyFacing[self] : &allyFacing[self];

  if (walkStep < walkLength && walkStep < kPathSlots) {
    (enemySide ? enemyWalking : allyWalking) = 1;
    if (walkNewLeg) StartLeg(*x, *y, walkX[walkStep], walkY[walkStep], facing);
    if (StepLeg(x, y, walkX[walkStep], walkY[walkStep], step)) {
      walkMarked[walkStep] = 0;
      ++walkStep;
      walkNewLeg = 1;
    }
  }
  if (walkStep < walkLength && walkStep < kPathSlots) return;

  // Arrival: the side strikes (phase 3) or chooses its next unit.
  walkNewLeg = 1;
  if (enemySide) {
    enemyPathState = 0;
    enemyPhase = enemyAttackPending ? kEnemyAttack : kEnemyPick;
    if (enemyPhase == kEnemyPick) enemyChooseNext = 1;
    enemyCell[self] = SettleCell(enemyCell[self], *x, *y, EnemyOccupant(self));
    enemyActed[self] = 1;
  } else {
    allyPathState = 0;
    allyPhase = allyAttackPending ? kAllyAttack : kAllyPick;
    if (allyPhase == kAllyPick) allyChooseNext = 1;
    allyCell[self] = SettleCell(allyCell[self], *x, *y, AllyOccupant(self));
    allyActed[self] = 1;
  }
  ClearWalk();
}

void BattleScreen::WalkEnemy(int32_t step) {
  if (enemyPhase != kEnemyMove || actingEnemy >= kEnemySlots) return;
  WalkComputerUnit(true, step);
}

void BattleScreen::WalkAlly(int32_t step) {
  if (allyPhase != kAllyMove || actingAlly >= kAllySlots) return;
  WalkComputerUnit(false, step);
}
