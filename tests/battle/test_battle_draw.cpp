// Drawing the battlefield: one backdrop per battle group, the grid's inner
// lines only, units of kinds without pictures, a fighter who is down, and
// the hit effect in his place.

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
  b.enemyPhase = kEnemyAttack;
  b.hitActive = 1;
  b.hitMarks[kHitMarkFighter] = 1;
  b.enemyTarget = kEnemyTargetFighter;
  b.swingFrame = 1;
  const auto struck = d.Frame([&] { b.DrawUnits(); });
  EXPECT_GT(Lit(struck, 240 + 29, 240 + 20, 22, 51), 50);
  b.ReleasePictures();
}
