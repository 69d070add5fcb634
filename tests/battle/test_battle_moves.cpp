// Moves and paths: selection, the step rule, contact, the walks and the
// cells they settle.
#include <gtest/gtest.h>

#include "battle/battle_screen.h"
#include "battle_rules_util.h"

using namespace battle;
using namespace battle_test;

namespace {

// A fighter at column 5, row 10 on an empty field, selected.
class PlayerPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearField(b);
    PutFighter(b, 5, 10);
    Click(b, b.figureCell);
  }
  BattleScreen b;
};

TEST_F(PlayerPath, ThreeRightAndFiveUpGoesThreeDiagonalThenTwoUp) {
  Click(b, CellAt(8, 5));
  ASSERT_EQ(b.pathLength, 5);
  const int32_t wantX[] = {X(6), X(7), X(8), X(8), X(8)};
  const int32_t wantY[] = {Y(9), Y(8), Y(7), Y(6), Y(5)};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(b.pathX[k], wantX[k]) << k;
    EXPECT_EQ(b.pathY[k], wantY[k]) << k;
  }
  EXPECT_EQ(b.figureMovesPlanned, 2);
  EXPECT_EQ(b.figureMoves, kMovesPerTurn) << "a planned path spends nothing until it is walked";
}

TEST_F(PlayerPath, APointInsideTheClickedCellCountsAsTheCell) {
  b.clickedCell = CellAt(1, 6);
  b.clickedX = X(1) + 79;
  b.clickedY = Y(6) + 41;
  b.destinationClicked = 1;
  b.PlanPlayerPath();
  EXPECT_EQ(b.pathLength, 4);
  EXPECT_EQ(b.targetCell, CellAt(1, 6));
}

TEST_F(PlayerPath, ADestinationBeyondTheMovePointsEndsTwoCellsShort) {
  Click(b, CellAt(14, 10));
  EXPECT_EQ(b.pathLength, 7);
  EXPECT_EQ(b.pathX[6], X(12));
  EXPECT_EQ(b.targetCell, CellAt(12, 10));
  EXPECT_EQ(b.figureMovesPlanned, 0);
}

TEST_F(PlayerPath, AnEnemyOnTheThirdStepEndsThePathAsAnAttackAndTheBlowEndsTheMoves) {
  PutEnemy(b, 4, 8, 10, 10, 10, 10);
  Click(b, CellAt(12, 10));
  EXPECT_EQ(b.pathLength, 2);
  EXPECT_EQ(b.attackAtArrival, 1);
  EXPECT_EQ(b.figureMovesPlanned, 5);
  EXPECT_EQ(b.targetCell, CellAt(7, 10));

  Confirm(b);
  for (int i = 0; i < 100 && b.selectState != kSelectNone; ++i) Frame(b, 20);
  EXPECT_EQ(b.figureCell, CellAt(7, 10));
  Frame(b, 20);  // the blow runs on the frame after the arrival
  EXPECT_EQ(b.figureMoves, 0);
  EXPECT_EQ(b.enemyWounds1[4], 6);
  EXPECT_EQ(OccupancyFault(b), "");
}

TEST_F(PlayerPath, AnEnemyNextToTheUnitIsStruckFromWhereItStands) {
  PutEnemy(b, 0, 6, 9, 10, 10, 10);
  Click(b, CellAt(6, 9));
  EXPECT_EQ(b.pathLength, 0);
  EXPECT_EQ(b.attackAdjacent, 1);
  EXPECT_EQ(b.figureMovesPlanned, kMovesPerTurn);
  Confirm(b);
  EXPECT_EQ(b.selectState, kSelectNone) << "an empty path starts no walk";
  Frame(b, 20);
  EXPECT_EQ(b.enemyWounds1[0], 6);
  EXPECT_EQ(b.figureCell, CellAt(5, 10));
  EXPECT_EQ(b.figureFacing, kFacingUpRight);
}

TEST_F(PlayerPath, AnAllyStopsThePathOwnUnitsArePassedButNeverEndedOn) {
  PutAlly(b, 0, 7, 10);
  Click(b, CellAt(9, 10));
  EXPECT_EQ(b.pathLength, 1);
  EXPECT_EQ(b.attackPending, 0);

  // The fighter walks through his army at column 8 and stops short of the
  // one at column 12, where his seven points would end (two units on one
  // cell would corrupt the occupancy).
  BattleScreen c;
  ClearField(c);
  PutFighter(c, 5, 10);
  PutArmy(c, 2, 8, 10);
  PutArmy(c, 3, 12, 10);
  Click(c, c.figureCell);
  Click(c, CellAt(14, 10));
  EXPECT_EQ(c.pathLength, 6);
  EXPECT_EQ(c.figureMovesPlanned, 1);
  EXPECT_EQ(c.targetCell, CellAt(11, 10));
  Confirm(c);
  for (int i = 0; i < 100 && c.selectState != kSelectNone; ++i) Frame(c, 40);
  EXPECT_EQ(c.figureCell, CellAt(11, 10));
  EXPECT_EQ(OccupancyFault(c), "");

  // An enemy right behind an own unit: the blow is called off.
  BattleScreen d;
  ClearField(d);
  PutFighter(d, 5, 10);
  PutArmy(d, 0, 6, 10);
  PutEnemy(d, 0, 7, 10);
  Click(d, d.figureCell);
  Click(d, CellAt(7, 10));
  EXPECT_EQ(d.pathLength, 0);
  EXPECT_EQ(d.attackPending, 0);
  EXPECT_EQ(d.attackAdjacent, 0);
}

TEST(BattleMoves, AnArmyIsSelectedByItsCellAndWalksItsPath) {
  BattleScreen b;
  ClearField(b);
  PutFighter(b, 1, 1);
  PutArmy(b, 3, 5, 5);
  Click(b, CellAt(5, 5));
  EXPECT_EQ(b.selectedArmy, 4);
  Click(b, CellAt(5, 8));
  ASSERT_EQ(b.pathLength, 3);
  Confirm(b);
  EXPECT_EQ(b.actingArmy, 4);

  // 5 pixels a frame: 16 frames per 80-pixel leg.
  int frames = 0;
  while (b.actingArmy != 0 && frames < 1000) {
    Frame(b, 5);
    ++frames;
  }
  EXPECT_EQ(frames, 48);
  EXPECT_EQ(b.armyCell[3], CellAt(5, 8));
  EXPECT_EQ(b.armyFacing[3], kFacingDown);
  EXPECT_EQ(b.armyMoves[3], 4);
  EXPECT_EQ(OccupancyFault(b), "");
}

TEST(BattleMoves, ChoosingAnotherUnitDropsTheFirstOnesPlannedPath) {
  BattleScreen b;
  ClearField(b);
  PutFighter(b, 1, 1);
  PutArmy(b, 0, 5, 5);
  Click(b, CellAt(5, 5));
  Click(b, CellAt(5, 8));
  Click(b, b.figureCell);
  EXPECT_EQ(b.selectedArmy, 0);
  Click(b, CellAt(3, 1));
  Confirm(b);
  EXPECT_EQ(b.actingArmy, 0);
  for (int i = 0; i < 50; ++i) Frame(b, 40);
  EXPECT_EQ(b.figureCell, CellAt(3, 1));
  EXPECT_EQ(b.figureMoves, kMovesPerTurn - 2);
  EXPECT_EQ(b.armyCell[0], CellAt(5, 5));
  EXPECT_EQ(b.armyMoves[0], kMovesPerTurn);
  EXPECT_EQ(OccupancyFault(b), "");
}

TEST(BattleMoves, AStepLargerThanTheLegLandsExactlyOnTheWaypoint) {
  BattleScreen b;
  ClearField(b);
  PutFighter(b, 2, 2);
  Click(b, b.figureCell);
  Click(b, CellAt(3, 3));
  Confirm(b);
  Frame(b, 500);
  EXPECT_EQ(b.figureX, X(3));
  EXPECT_EQ(b.figureCell, CellAt(3, 3));
}

// The computer's paths: an enemy heading for (destinationX, destinationY).
class ComputerPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearField(b);
    b.enemyPhase = kEnemyPick;
    PutEnemy(b, 0, 2, 7);
    b.actingEnemy = 0;
    b.actingEnemyX = X(2);
    b.actingEnemyY = Y(7);
  }
  void Head(int column, int row, bool attack) {
    b.destinationX = X(column);
    b.destinationY = Y(row);
    b.enemyAttackPending = attack;
    b.ComputeWalkCounts();
    b.PlanEnemyPath();
  }
  BattleScreen b;
};

TEST_F(ComputerPath, ATargetTenCellsAwayIsCutToSevenStepsAndNoAttack) {
  Head(12, 7, true);
  EXPECT_EQ(b.walkLength, 7);
  EXPECT_EQ(b.walkX[6], X(9));
  EXPECT_EQ(b.enemyAttackPending, 0);
  EXPECT_EQ(b.enemyMoves[0], 0);
}

TEST_F(ComputerPath, AnEnemyWalkerStopsNextToTheUnitItMeetsAndKeepsTheAttack) {
  PutArmy(b, 1, 5, 7);
  Head(7, 7, false);
  EXPECT_EQ(b.walkLength, 2);
  EXPECT_EQ(b.enemyAttackPending, 1);
  EXPECT_EQ(b.enemyMetTarget, kEnemyTargetArmyBase + 1);
  EXPECT_EQ(b.enemyMoves[0], kMovesPerTurn - 2);
}

TEST_F(ComputerPath, TwoBlockedStepsAtTheEndAreWithdrawnAndDropTheAttack) {
  PutEnemy(b, 3, 4, 7);
  PutFighter(b, 5, 7);
  Head(7, 7, true);
  EXPECT_EQ(b.walkLength, 1);
  EXPECT_EQ(b.enemyAttackPending, 0);
  EXPECT_EQ(b.enemyMoves[0], kMovesPerTurn - 1);
}

TEST_F(ComputerPath, AnEnemyWalksThroughAnotherEnemyOnTheWay) {
  PutEnemy(b, 3, 3, 7);
  Head(6, 7, true);
  EXPECT_EQ(b.walkLength, 4);
  EXPECT_EQ(b.enemyAttackPending, 1);
}

}  // namespace
