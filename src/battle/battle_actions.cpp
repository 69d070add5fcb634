// The battle's actions of one frame, in their fixed order: the blows of the
// three sides, the player's path and walk, the allied and the enemy units'
// choices and walks with the view following them, the end of the computer's
// turn, the animation timers and the end test.

#include "battle/battle_screen.h"

using namespace battle;

void BattleScreen::RunActions(int32_t moveStep) {
  // A new blow is taken into the bottom bar's reports once it is resolved.
  const uint8_t hitBefore = hitActive;
  const uint32_t hitStampBefore = hitStampMs;

  if (attackStep) {
    StartPlayerAttack();
    ResolvePlayerAttack();
  }
  if (enemyPhase == kEnemyAttack) {
    CheckAdjacent();
    StartEnemyAttack();
    ResolveEnemyAttack();
  }
  if (allyPhase == kAllyAttack) {
    CheckAdjacent();
    StartAllyAttack();
    ResolveAllyAttack();
  }
  if (hitActive && (!hitBefore || hitStampMs != hitStampBefore)) NoteBlow();

  // The player's order.
  if (enemyPhase == kEnemyIdle && allyPhase == kAllyIdle && destinationClicked &&
      selectState < kSelectConfirmed && actingArmy == 0 && armyWalkState == 0) {
    PlanPlayerPath();
    FindCellAt();
    pathShown = 1;
  }
  if (markerRequest) UpdateMarker();
  if (enemyPhase == kEnemyIdle) WalkPlayerUnit(moveStep);

  // The allied units, then the enemy.
  if (allyPhase == kAllyPick) {
    RunAllyChoice();
    // The view follows a newly chosen unit: between it and its target, or
    // on it when the target stands next to it.
    if (cameraRequest && allyPhase != kAllyIdle && actingAlly < kAllySlots) {
      const int t = approachFound ? approachTarget : nearestTarget;
      const bool listed = t < kEnemySlots;
      CentreViewOnAction(allyX[actingAlly], allyY[actingAlly],
                         listed ? allyTargetX[t] : allyX[actingAlly],
                         listed ? allyTargetY[t] : allyY[actingAlly], adjacentFound != 0);
    }
  }
  if (allyPhase == kAllyMove) WalkAlly(moveStep);
  if (enemyPhase == kEnemyPick) {
    RunEnemyChoice();
    if (cameraRequest && enemyPhase != kEnemyDone && actingEnemy < kEnemySlots) {
      const int t = approachFound ? approachTarget : nearestTarget;
      const bool listed = t < kEnemyTargets;
      CentreViewOnAction(enemyX[actingEnemy], enemyY[actingEnemy],
                         listed ? enemyTargetX[t] : enemyX[actingEnemy],
                         listed ? enemyTargetY[t] : enemyY[actingEnemy], adjacentFound != 0);
    }
  }
  cameraRequest = 0;
  if (enemyPhase == kEnemyMove) WalkEnemy(moveStep);

  // The computer's turn is over once nothing walks any more: the player's
  // next turn begins with the last turn's blow reports put away.
  if (enemyPhase == kEnemyDone) {
    StartPlayerTurn();
    if (enemyPhase == kEnemyIdle) fighterHitShown = armyHitShown = allyHitShown = 0;
  }

  AdvanceStepTimers();
  if (!battleOver) CheckBattleEnd();
}
