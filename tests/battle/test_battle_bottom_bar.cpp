// The bottom bar: the selected unit hides a blow report, the hint that Enter
// moves a unit, an army's soldiers down and left, and numbers of four digits.

#include <gtest/gtest.h>

#include "battle_draw_util.h"

using namespace battle;
using drawtest::Differ;
using drawtest::Lit;

namespace {

struct Bar {
  explicit Bar(drawtest::Device& d) {
    b.battleId = 1;
    b.fightByPlayer = 1;
    b.armyUsed[0] = 1;
    b.armyKind[0] = 0;
    b.armyCount[0] = 12;
    b.enemyAlive[0] = 1;
    b.enemyPictureUsed[0] = 1;
    drawtest::LoadAll(b, &d.dev);
  }
  ~Bar() { b.ReleasePictures(); }
  void Draw() {
    b.DrawSelectionBar();
    b.DrawEnemyHitReport();
    b.DrawFighterHitReport();
    b.DrawUnitHitReport();
  }
  BattleScreen b;
};

}  // namespace

TEST(BattleBottomBar, SelectionHidesTheEnemyReport) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  Bar bar(d);
  bar.b.enemyHitShown = 1;
  bar.b.damageShown = 12;
  const auto report = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Lit(report, 0, 540, 800, 50), 30000);  // the bar
  EXPECT_EQ(Lit(report, 400, 494, 300, 30), 0);    // no name strip
  bar.b.figureSelected = 1;
  bar.b.figureMoves = 7;
  const auto selected = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Lit(selected, 400, 494, 300, 30), 5000);  // the name strip of the selection
  EXPECT_GT(Differ(report, selected, 0, 527, 800, 73), 1000);
}

TEST(BattleBottomBar, EnterHintWhenHoveredAndDoneWithoutMoves) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  Bar bar(d);
  bar.b.figureSelected = 1;
  bar.b.figureMoves = 3;
  const auto arrow = d.Frame([&] { bar.Draw(); });
  bar.b.enterHintHovered = 1;
  const auto enter = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Differ(arrow, enter, 330, 500, 20, 25),
            20);  // only the Enter picture reaches left of 350
  bar.b.figureMoves = 0;
  const auto done = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Differ(enter, done, 330, 496, 250, 30), 100);
}

TEST(BattleBottomBar, ArmySoldiersDownAndLeft) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  Bar bar(d);
  bar.b.armySelected = 1;
  bar.b.armySlot = 0;
  bar.b.armyMoves[0] = 7;
  bar.b.armyKilled[0] = 0;
  const auto none = d.Frame([&] { bar.Draw(); });
  bar.b.armyKilled[0] = 3;
  const auto three = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Differ(none, three, 145, 531, 60, 50), 100);  // the down picture and its number
  // No soldiers left still shows the digit 0 after the alive picture.
  bar.b.armyCount[0] = 0;
  const auto zero = d.Frame([&] { bar.Draw(); });
  bar.b.armyCount[0] = 1;
  const auto one = d.Frame([&] { bar.Draw(); });
  EXPECT_GT(Differ(zero, one, 256, 565, 16, 22), 5);
}

TEST(BattleBottomBar, FourDigitHealthShowsItsLastThree) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  Bar bar(d);
  bar.b.figureSelected = 1;
  bar.b.figureMoves = 7;
  bar.b.figureHealth = 1234;
  const auto big = d.Frame([&] { bar.Draw(); });
  bar.b.figureHealth = 234;
  const auto small = d.Frame([&] { bar.Draw(); });
  EXPECT_EQ(Differ(big, small, 200, 527, 100, 73), 0);
}
