#pragma once
// Helpers of the battle rule tests: an empty field with units placed by
// hand, a real battle set up by its number, the player's orders as the battle
// procedure gives them, one frame of battle actions in the procedure's order,
// and a check that the occupancy table matches the units.

#include <string>

#include "battle/battle_neighbours.h"
#include "battle/battle_screen.h"
#include "platform/headless.h"

namespace battle_test {

using namespace battle;

inline int32_t X(int column) { return column * kCellSize; }
inline int32_t Y(int row) { return row * kCellSize; }

// A field with nothing on it: the fighter's health 0 and off the field.
inline void ClearField(BattleScreen& b) {
  b.figureHealth = 0;
  b.figureCell = 0;
  for (uint32_t& o : b.occupant) o = 0;
}

inline void PutFighter(BattleScreen& b, int column, int row, int32_t health = 50,
                       int32_t attack = 10, int32_t shield = 10) {
  b.figureCell = CellAt(column, row);
  b.figureX = X(column);
  b.figureY = Y(row);
  b.figureHealth = health;
  b.figureAttack = attack;
  b.figureShield = shield;
  b.occupant[b.figureCell] = kOccupantFighter;
}

inline void PutArmy(BattleScreen& b, int slot, int column, int row, uint8_t soldiers = 10,
                    uint32_t attack = 10, uint32_t shield = 10) {
  b.armyUsed[slot] = 1;
  b.armyUsedAtStart[slot] = 1;
  b.armyCell[slot] = CellAt(column, row);
  b.armyX[slot] = X(column);
  b.armyY[slot] = Y(row);
  b.armyCount[slot] = soldiers;
  b.armyAttack[slot] = attack;
  b.armyShield[slot] = shield;
  b.occupant[b.armyCell[slot]] = ArmyOccupant(slot);
}

inline void PutEnemy(BattleScreen& b, int slot, int column, int row, uint8_t soldiers = 10,
                     uint8_t attack = 10, uint8_t shield = 10) {
  b.enemyAlive[slot] = 1;
  b.enemyCell[slot] = CellAt(column, row);
  b.enemyX[slot] = X(column);
  b.enemyY[slot] = Y(row);
  b.enemySoldiers[slot] = soldiers;
  b.enemyAttack[slot] = attack;
  b.enemyShield[slot] = shield;
  b.occupant[b.enemyCell[slot]] = EnemyOccupant(slot);
}

inline void PutAlly(BattleScreen& b, int slot, int column, int row, uint8_t soldiers = 10,
                    uint8_t attack = 10, uint8_t shield = 10) {
  b.allyPresent[slot] = 1;
  b.allyCell[slot] = CellAt(column, row);
  b.allyX[slot] = X(column);
  b.allyY[slot] = Y(row);
  b.allyCount[slot] = soldiers;
  b.allyAttack[slot] = attack;
  b.allyShield[slot] = shield;
  b.occupant[b.allyCell[slot]] = AllyOccupant(slot);
}

// A real battle by its number, with a fighter and six armies of the given
// strength, as the procedure's first frame leaves it.
inline void SetUpRealBattle(BattleScreen& b, uint32_t battleId, int32_t fighterValue,
                            uint8_t soldiers, uint32_t armyValue) {
  b.battleId = battleId;
  b.fightByPlayer = 1;
  b.SetUpBattle();
  b.PlaceEnemies();
  b.ApplyCarriedWear();
  b.figureHealth = fighterValue;
  b.figureAttack = fighterValue;
  b.figureShield = fighterValue;
  for (int j = 0; j < kArmySlots; ++j) {
    b.armyUsed[j] = 1;
    b.armyCount[j] = soldiers;
    b.armyAttack[j] = armyValue;
    b.armyShield[j] = armyValue;
    b.armyUsedAtStart[j] = 1;
  }
  b.PlaceUnits();
  b.MarkOccupants();
}

// A click on the field at a cell, handled as the procedure handles it.
inline void Click(BattleScreen& b, uint32_t cell) {
  b.clickedCell = cell;
  b.clickedX = CellX(cell);
  b.clickedY = CellY(cell);
  b.destinationClicked = 1;
  b.PlanPlayerPath();
  b.FindCellAt();
  if (b.markerRequest) b.UpdateMarker();
}

// The confirm action (Enter or the right button) on a planned path.
inline void Confirm(BattleScreen& b) {
  if (b.selectState == kSelectChosen) b.selectState = kSelectConfirmed;
  if (b.selectedArmy >= 1 && b.selectedArmy <= kArmySlots) {
    b.actingArmy = b.selectedArmy;
    b.selectedArmy = 0;
  }
  if (b.pathLength == 0 || b.markerShown) {
    b.selectState = kSelectNone;
    b.selectedArmy = 0;
    b.actingArmy = 0;
    b.armyWalkState = 0;
  }
  if (b.attackAtArrival) b.attackState = kAttackStart;
  if (b.attackAdjacent) {
    b.attackAdjacent = 0;
    b.attackState = kAttackStart;
    b.attackStep = 1;
  }
}

// True while a unit of either side is walking.
inline bool Walking(const BattleScreen& b) {
  return b.selectState == kSelectWalking || b.selectState == kSelectConfirmed ||
         b.armyWalkState != 0 || b.actingArmy != 0 || b.allyPhase == kAllyMove ||
         b.enemyPhase == kEnemyMove;
}

// One frame of the battle actions in the procedure's order; the clock moves
// on by frameMs and walkers move by step pixels.
inline void Frame(BattleScreen& b, int32_t step, uint32_t frameMs = 16) {
  headless::SetNowMs(headless::NowMs() + frameMs);
  if (b.attackStep) {
    b.StartPlayerAttack();
    b.ResolvePlayerAttack();
  }
  if (b.enemyPhase == kEnemyAttack) {
    b.CheckAdjacent();
    b.StartEnemyAttack();
    b.ResolveEnemyAttack();
    b.enemyAttackPending = 0;
  }
  if (b.allyPhase == kAllyAttack) {
    b.CheckAdjacent();
    b.StartAllyAttack();
    b.ResolveAllyAttack();
  }
  if (b.enemyPhase == kEnemyIdle) b.WalkPlayerUnit(step);
  b.RunAllyChoice();
  if (b.allyPhase == kAllyMove) b.WalkAlly(step);
  b.RunEnemyChoice();
  if (b.enemyPhase == kEnemyMove) b.WalkEnemy(step);
  b.StartPlayerTurn();
  b.AdvanceStepTimers();
  if (!b.battleOver) b.CheckBattleEnd();
  b.CheckTurnLimit();
}

// "" when every standing unit's cell holds its code and no cell holds a
// code of a unit that is not there; else what is wrong.
inline std::string OccupancyFault(const BattleScreen& b) {
  uint32_t expect[kCellCount + 1] = {};
  auto put = [&](uint32_t cell, uint32_t code) -> std::string {
    if (!IsFieldCell(cell)) return "unit " + std::to_string(code) + " off the field";
    if (expect[cell] != 0)
      return "cell " + std::to_string(cell) + " holds " + std::to_string(expect[cell]) + " and " +
             std::to_string(code);
    expect[cell] = code;
    return "";
  };
  std::string fault;
  if (b.figureHealth > 0 && fault.empty()) fault = put(b.figureCell, kOccupantFighter);
  for (int j = 0; j < kArmySlots && fault.empty(); ++j)
    if (b.armyUsed[j]) fault = put(b.armyCell[j], ArmyOccupant(j));
  for (int e = 0; e < kEnemySlots && fault.empty(); ++e)
    if (b.enemyAlive[e]) fault = put(b.enemyCell[e], EnemyOccupant(e));
  for (int u = 0; u < kAllySlots && fault.empty(); ++u)
    if (b.allyPresent[u]) fault = put(b.allyCell[u], AllyOccupant(u));
  for (uint32_t c = 1; c <= kCellCount && fault.empty(); ++c)
    if (b.occupant[c] != expect[c])
      fault = "cell " + std::to_string(c) + " marked " + std::to_string(b.occupant[c]) +
              ", holds " + std::to_string(expect[c]);
  return fault;
}

}  // namespace battle_test
