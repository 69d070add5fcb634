// The bottom bar: the selected unit hides a blow report, the hint that Enter
// moves a unit, an army's soldiers down and left, and numbers of four digits.

#include <gtest/gtest.h>

#include "battle_draw_util.h"

using namespace battle;
using drawtest::Differ;
using drawtest::Lit;

namespace {

// Battle 1 with one army of 12 soldiers and one enemy, its pictures loaded.
class BattleBottomBar : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    b.battleId = 1;
    b.fightByPlayer = 1;
    b.armyUsed[0] = 1;
    b.armyKind[0] = 0;
    b.armyCount[0] = 12;
    b.enemyAlive[0] = 1;
    b.enemyPictureUsed[0] = 1;
    drawtest::LoadAll(b, &d.dev);
  }
  void TearDown() override { b.ReleasePictures(); }
  // One frame of the bar and the three blow reports.
  std::vector<uint32_t> Draw() {
    return d.Frame([&] {
      b.DrawSelectionBar();
      b.DrawEnemyHitReport();
      b.DrawFighterHitReport();
      b.DrawUnitHitReport();
    });
  }
  drawtest::Device d;
  BattleScreen b;
};

}  // namespace

TEST_F(BattleBottomBar, SelectionHidesTheEnemyReport) {
  b.enemyHitShown = 1;
  b.damageShown = 12;
  const auto report = Draw();
  EXPECT_GT(Lit(report, 0, 540, 800, 50), 30000);  // the bar
  EXPECT_EQ(Lit(report, 400, 494, 300, 30), 0);    // no name strip
  b.figureSelected = 1;
  b.figureMoves = 7;
  const auto selected = Draw();
  EXPECT_GT(Lit(selected, 400, 494, 300, 30), 5000);  // the name strip of the selection
  EXPECT_GT(Differ(report, selected, 0, 527, 800, 73), 1000);
}

TEST_F(BattleBottomBar, EnterHintWhenHoveredAndDoneWithoutMoves) {
  b.figureSelected = 1;
  b.figureMoves = 3;
  const auto arrow = Draw();
  b.enterHintHovered = 1;
  const auto enter = Draw();
  EXPECT_GT(Differ(arrow, enter, 330, 500, 20, 25),
            20);  // only the Enter picture reaches left of 350
  b.figureMoves = 0;
  const auto done = Draw();
  EXPECT_GT(Differ(enter, done, 330, 496, 250, 30), 100);
}

TEST_F(BattleBottomBar, ArmySoldiersDownAndLeft) {
  b.armySelected = 1;
  b.armySlot = 0;
  b.armyMoves[0] = 7;
  b.armyKilled[0] = 0;
  const auto none = Draw();
  b.armyKilled[0] = 3;
  const auto three = Draw();
  EXPECT_GT(Differ(none, three, 145, 531, 60, 50), 100);  // the down picture and its number
  // No soldiers left still shows the digit 0 after the alive picture.
  b.armyCount[0] = 0;
  const auto zero = Draw();
  b.armyCount[0] = 1;
  const auto one = Draw();
  EXPECT_GT(Differ(zero, one, 256, 565, 16, 22), 5);
}

TEST_F(BattleBottomBar, FourDigitHealthShowsItsLastThree) {
  b.figureSelected = 1;
  b.figureMoves = 7;
  auto health = [&](int32_t value) {
    b.figureHealth = value;
    return Draw();
  };
  // The health digits follow the value.
  ASSERT_GT(Differ(health(123), health(456), 230, 560, 70, 40), 20);
  EXPECT_EQ(Differ(health(1234), health(234), 200, 527, 100, 73), 0);
  EXPECT_GT(Differ(health(1234), health(1235), 230, 560, 70, 40), 20);
}
