// Drawing the battlefield: one backdrop per battle group, the grid's inner
// lines only, units of kinds without pictures, a fighter who is down, the
// hit effect in his place, and the strike marks that choose the frames and
// the hit effects.

#include <gtest/gtest.h>

#include <set>

#include "battle/battle_art.h"
#include "battle_draw_util.h"

using namespace battle;
using drawtest::Differ;
using drawtest::Lit;

TEST(BattleDraw, EachBattleGroupShowsItsOwnBackdrop) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  std::set<uint32_t> looks;
  for (uint32_t id : {73u, 62u, 60u, 17u, 45u, 1u}) {
    BattleScreen b;
    b.battleId = id;
    b.LoadTerrain(&d.dev);
    const auto frame = d.Frame([&] {
      b.backdropDrawn = 0;
      b.DrawBackdropBlackZima();
      b.DrawBackdropGrey();
      b.DrawBackdropDesert();
      b.DrawBackdropGrass();
      b.DrawBackdropBrown();
      b.DrawBackdropPlains();
    });
    EXPECT_EQ(b.backdropDrawn, 1) << id;
    EXPECT_EQ(Lit(frame, 0, 0, 800, 600), 800 * 600) << id;  // the whole screen is covered
    uint32_t sum = 0;
    for (int x = 0; x < 800; x += 7) sum = sum * 31 + drawtest::At(frame, x, 150);
    looks.insert(sum);
    b.ReleasePictures();
  }
  EXPECT_EQ(looks.size(), 6u);
}

TEST(BattleDraw, GridHasNoLineOnTheFieldsEdge) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  BattleScreen b;
  b.battleId = 1;
  b.LoadArt(&d.dev);
  b.viewX = kViewMinX;
  b.viewY = kViewMinY;
  const auto frame = d.Frame([&] { b.DrawGrid(); });
  // Field x 0 lies at screen 26: no line; field x 80 at screen 106: a line.
  // (The horizontal lines start at field x 0, so the column is looked at
  // between two of them.)
  EXPECT_EQ(Lit(frame, 26, 27, 1, 78), 0);
  EXPECT_GT(Lit(frame, 106, 40, 1, 400), 300);
  EXPECT_EQ(Lit(frame, 27, 26, 78, 1), 0);
  EXPECT_GT(Lit(frame, 40, 106, 400, 1), 300);
  // The cell at column 0, row 0 has lines on its right and bottom only.
  EXPECT_EQ(Lit(frame, 27, 27, 78, 78), 0);
  b.ReleasePictures();
}

TEST(BattleDraw, UnitsWithoutPicturesAndAFallenFighterDrawNothing) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  auto armyAt = [&](uint8_t kind) {
    BattleScreen b;
    b.battleId = 1;
    b.fightByPlayer = 1;
    b.armyUsed[0] = 1;
    b.armyKind[0] = kind;
    b.armyCell[0] = CellAt(2, 2);
    b.PlaceUnits();
    drawtest::LoadAll(b, &d.dev);
    const auto frame = d.Frame([&] { b.DrawUnits(); });
    b.ReleasePictures();
    return Lit(frame, 160 + 8, 160 + 8, 57, 57);
  };
  EXPECT_GT(armyAt(0), 200);  // peasants are drawn
  EXPECT_EQ(armyAt(5), 0);    // a kind without a picture
  EXPECT_EQ(armyAt(200), 0);  // a kind beyond every table (a damaged record)

  BattleScreen b;
  b.battleId = 1;
  b.fightByPlayer = 1;
  b.figureCell = CellAt(3, 3);
  b.PlaceUnits();
  drawtest::LoadAll(b, &d.dev);
  b.figureHealth = 25;
  const auto standing = d.Frame([&] { b.DrawUnits(); });
  EXPECT_GT(Lit(standing, 240 + 22, 240 + 8, 29, 57), 100);
  b.figureHealth = 0;
  const auto fallen = d.Frame([&] { b.DrawUnits(); });
  EXPECT_EQ(Lit(fallen, 240, 240, 80, 80), 0);
  // While the enemy strikes him, the all-down effect shows in his place.
  b.enemyStriking = 1;
  b.enemyTarget = kEnemyTargetFighter;
  b.swingFrame = 1;
  const auto struck = d.Frame([&] { b.DrawUnits(); });
  EXPECT_GT(Lit(struck, 240 + 29, 240 + 20, 22, 51), 50);
  b.ReleasePictures();
}

TEST(BattleDraw, TheStrikeMarksKeepTheirCopyAndHoldThePause) {
  BattleScreen b;
  b.targetEnemy = 4;
  b.shownEnemy = 4;
  b.hitMarks[kHitMarkArmy] = 1;
  b.KeepHitMarks();
  EXPECT_EQ(b.hitMarks[kHitMarkArmyCopy], 1);
  EXPECT_EQ(b.hitMarks[kHitMarkFighterCopy], 0);
  EXPECT_EQ(b.pauseActive, kPauseRunning);
  EXPECT_EQ(b.pauseTimerState, kTimerStamp);
  // The strike is over: the copy stays while the struck enemy is shown...
  b.hitMarks[kHitMarkArmy] = 0;
  b.KeepHitMarks();
  EXPECT_EQ(b.hitMarks[kHitMarkArmyCopy], 1);
  // ... and goes once another enemy is the target, unless an ally strikes.
  b.targetEnemy = 5;
  b.allyStriking = 1;
  b.KeepHitMarks();
  EXPECT_EQ(b.hitMarks[kHitMarkArmyCopy], 1);
  b.allyStriking = 0;
  b.KeepHitMarks();
  EXPECT_EQ(b.hitMarks[kHitMarkArmyCopy], 0);
  // A new blow's report asks for its enemy to be shown.
  b.shownEnemyRequest = 1;
  b.KeepHitMarks();
  EXPECT_EQ(b.shownEnemy, 5);
  EXPECT_EQ(b.shownEnemyRequest, 0);
}

TEST(BattleDraw, StrikeMarksChooseTheStrikingFramesAndTheHitEffects) {
  drawtest::Device d;
  ASSERT_TRUE(d.created);
  BattleScreen b;
  b.battleId = 1;
  b.fightByPlayer = 1;
  b.figureCell = CellAt(3, 3);
  b.figureHealth = 25;
  b.figureFacing = kFacingRight;
  b.armyUsed[0] = b.armyUsed[1] = 1;
  b.armyCount[0] = b.armyCount[1] = 9;
  b.armyCell[0] = CellAt(3, 5);
  b.armyCell[1] = CellAt(5, 5);
  b.armyFacing[0] = b.armyFacing[1] = kFacingRight;
  b.PlaceUnits();
  b.enemyAlive[0] = 1;
  b.enemySoldiers[0] = 5;
  b.enemyCell[0] = CellAt(4, 3);
  b.enemyX[0] = CellX(b.enemyCell[0]);
  b.enemyY[0] = CellY(b.enemyCell[0]);
  b.enemyPictureUsed[0] = 1;
  drawtest::LoadAll(b, &d.dev);
  b.hitFrame = 2;
  b.swingFrame = 2;
  b.blowWound1 = 1;
  const int32_t fx = 240, fy = 240, ex = 320, a0 = 240, a1 = 400, ay = 400;
  const auto idle = d.Frame([&] { b.DrawUnits(); });

  // The fighter strikes: his striking frame, and the struck enemy shows the hit.
  b.hitMarks[kHitMarkFighter] = 1;
  b.shownEnemy = 0;
  const auto fighterStrikes = d.Frame([&] { b.DrawUnits(); });
  EXPECT_GT(Differ(idle, fighterStrikes, fx + 22, fy + 8, 58, 58), 50);
  EXPECT_GT(Differ(idle, fighterStrikes, ex + 23, fy + 28, 28, 28), 20);
  EXPECT_EQ(Differ(idle, fighterStrikes, a0, ay, 80, 80), 0);
  EXPECT_EQ(b.hitMarks[kHitMarkFighterCopy], 1);

  // Army slot 1 strikes: only that army changes its frame.
  b.hitMarks[kHitMarkFighter] = b.hitMarks[kHitMarkFighterCopy] = 0;
  b.hitMarks[kHitMarkArmy] = 1;
  b.strikingArmy = 2;
  const auto armyStrikes = d.Frame([&] { b.DrawUnits(); });
  EXPECT_EQ(Differ(idle, armyStrikes, fx + 22, fy + 8, 58, 58), 0);
  EXPECT_EQ(Differ(idle, armyStrikes, a0, ay, 80, 80), 0);
  EXPECT_GT(Differ(idle, armyStrikes, a1 + 8, ay + 8, 58, 58), 50);

  // An enemy's blow on army slot 0 shows the hit there, not on the enemy.
  b.hitMarks[kHitMarkArmy] = b.hitMarks[kHitMarkArmyCopy] = 0;
  b.enemyStriking = 1;
  b.actingEnemy = 1;  // the striker stands elsewhere
  b.enemyTarget = kEnemyTargetArmyBase + 0;
  const auto enemyStrikes = d.Frame([&] { b.DrawUnits(); });
  EXPECT_GT(Differ(idle, enemyStrikes, a0 + 23, ay + 28, 28, 28), 20);
  EXPECT_EQ(Differ(idle, enemyStrikes, ex + 23, fy + 28, 28, 28), 0);
  b.ReleasePictures();
}
