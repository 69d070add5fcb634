// The computer's choices: which unit acts, which target it takes, where it
// heads, and how the sides hand over.
#include <gtest/gtest.h>

#include "battle/battle_screen.h"
#include "battle_rules_util.h"

using namespace battle;
using namespace battle_test;

namespace {

// The enemy side choosing, with enemy 0 at column 10, row 7.
class EnemyChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearField(b);
    PutEnemy(b, 0, 10, 7);
    b.enemyPhase = kEnemyPick;
    b.enemyChooseNext = 1;
  }
  BattleScreen b;
};

TEST_F(EnemyChoice, OfTwoTargetsAtTheSameDistanceTheFighterComesFirst) {
  PutFighter(b, 7, 7);
  PutArmy(b, 0, 13, 7);
  b.RunEnemyChoice();
  EXPECT_EQ(b.nearestTarget, kEnemyTargetFighter);
  EXPECT_EQ(b.approachTarget, kEnemyTargetFighter);
  EXPECT_EQ(b.destinationX, X(8));
  EXPECT_EQ(b.destinationY, Y(6))
      << "the first entry at the smallest distance: up-right of the fighter";
  EXPECT_EQ(b.enemyAttackPending, 1);
  EXPECT_EQ(b.enemyPhase, kEnemyMove);
  EXPECT_EQ(b.walkLength, 2);
}

TEST_F(EnemyChoice, AnEnemyNextToTheFighterAndAnArmyStrikesTheFighter) {
  PutArmy(b, 0, 11, 7);
  PutFighter(b, 9, 8);
  b.RunEnemyChoice();
  EXPECT_EQ(b.enemyTarget, kEnemyTargetFighter);
  EXPECT_EQ(b.enemyPhase, kEnemyAttack);
  b.CheckAdjacent();
  b.StartEnemyAttack();
  b.ResolveEnemyAttack();
  EXPECT_LT(b.figureHealth, 50);
  EXPECT_EQ(b.armyWounds1[0], 0);
}

TEST_F(EnemyChoice, ACellBelowTheLastRowIsNeverAnApproach) {
  // The fighter in the bottom row, walled in above and beside.
  PutFighter(b, 10, 14);
  PutEnemy(b, 1, 9, 13);
  PutEnemy(b, 2, 10, 13);
  PutEnemy(b, 3, 11, 13);
  PutEnemy(b, 4, 9, 14);
  PutEnemy(b, 5, 11, 14);
  b.enemyActed[1] = b.enemyActed[2] = b.enemyActed[3] = b.enemyActed[4] = b.enemyActed[5] = 1;
  b.RunEnemyChoice();
  EXPECT_EQ(b.noApproach, 1);
  EXPECT_EQ(b.enemyApproachInField[4], 1) << "row 15 lies inside the bounds";
  EXPECT_EQ(b.enemyApproachFree[4], 0) << "but holds no cell";
  EXPECT_EQ(b.destinationX, X(10));
  EXPECT_EQ(b.destinationY, Y(14));
}

TEST_F(EnemyChoice, WithNoEnemyLeftToActTheTurnCounterRisesByExactlyOne) {
  PutFighter(b, 1, 1);
  for (int e = 0; e < kEnemySlots; ++e) {
    PutEnemy(b, e, e % 20, 3 + e / 20);
    b.enemyActed[e] = 1;
  }
  const uint32_t turn = b.turnNumber;
  b.turnPanelShown = 0;
  b.RunEnemyChoice();
  b.RunEnemyChoice();
  EXPECT_EQ(b.enemyPhase, kEnemyDone);
  EXPECT_EQ(b.turnNumber, turn + 1);
  EXPECT_EQ(b.turnPanelShown, 1);
  b.StartPlayerTurn();
  EXPECT_EQ(b.enemyPhase, kEnemyIdle);
}

TEST_F(EnemyChoice, AnEnemyWhoseWalkNeverStartsCountsAsActedSoTheTurnEnds) {
  PutFighter(b, 4, 7);
  b.enemyMoves[0] = 2;  // points spent by an earlier plan of this turn
  b.RunEnemyChoice();
  EXPECT_EQ(b.planIncomplete, 1);
  EXPECT_EQ(b.enemyActed[0], 1);
  EXPECT_EQ(b.enemyPhase, kEnemyPick);
  EXPECT_EQ(b.enemyCell[0], CellAt(10, 7)) << "the enemy stays";
  const uint32_t turn = b.turnNumber;
  b.RunEnemyChoice();
  EXPECT_EQ(b.enemyPhase, kEnemyDone);
  EXPECT_EQ(b.turnNumber, turn + 1);
}

TEST(AllyChoice, AnAllyWhoseOnlyEnemyIsNineCellsAwayWalksSevenAndTheSideMovesOn) {
  BattleScreen b;
  ClearField(b);
  PutAlly(b, 0, 1, 5);
  PutEnemy(b, 0, 10, 5);
  b.allyPhase = kAllyPick;
  b.allyChooseNext = 1;
  b.RunAllyChoice();
  EXPECT_EQ(b.allyPhase, kAllyMove);
  EXPECT_EQ(b.walkLength, 7);
  EXPECT_EQ(b.allyAttackPending, 0);
  for (int i = 0; i < 100 && b.allyPhase == kAllyMove; ++i) b.WalkAlly(40);
  EXPECT_EQ(b.allyPhase, kAllyPick);
  EXPECT_EQ(b.allyCell[0], CellAt(8, 6))
      << "one diagonal step towards the first nearest approach, then six right";
  EXPECT_EQ(b.allyFacing[0], kFacingRight);
  b.RunAllyChoice();
  EXPECT_EQ(b.allyPhase, kAllyIdle);
  EXPECT_EQ(b.enemyPhase, kEnemyPick);
  EXPECT_EQ(OccupancyFault(b), "");
}

TEST(AllyChoice, AnAllyReachingItsEnemyStrikesAfterTheWalk) {
  BattleScreen b;
  ClearField(b);
  PutAlly(b, 2, 3, 5, 10, 10, 10);
  PutEnemy(b, 0, 7, 2, 10, 10, 10);
  PutEnemy(b, 1, 8, 9, 10, 10, 10);
  b.allyPhase = kAllyPick;
  b.allyChooseNext = 1;
  b.RunAllyChoice();
  EXPECT_EQ(b.approachTarget, 0);
  for (int i = 0; i < 100 && b.allyPhase == kAllyMove; ++i) b.WalkAlly(80);
  ASSERT_EQ(b.allyPhase, kAllyAttack);
  b.CheckAdjacent();
  b.StartAllyAttack();
  b.ResolveAllyAttack();
  EXPECT_EQ(b.targetEnemy, 0);
  EXPECT_EQ(b.enemyWounds1[0], 8);  // class 6 + 10 / 5
}

}  // namespace
