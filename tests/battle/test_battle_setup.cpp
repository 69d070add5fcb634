// Setting a battle up by its number: the battles whose units are fixed one
// by one, and the allied units' conditions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "battle/battle_screen.h"
#include "game/glyph_name.h"

namespace {

int AlliesPresent(const BattleScreen& b) {
  int n = 0;
  for (uint8_t present : b.allyPresent) n += present;
  return n;
}

TEST(BattleSetUp, BattleOnePlacesTheFighterItsArmiesAndEightEnemies) {
  BattleScreen b;
  b.battleId = 1;
  b.SetUpBattle();
  b.PlaceEnemies();
  b.PlaceUnits();
  EXPECT_EQ(b.figureCell, 85u);
  EXPECT_EQ(b.figureFacing, battle::kFacingLeft);
  EXPECT_EQ(b.figureX, 320);
  EXPECT_EQ(b.figureY, 320);
  const uint32_t armyCells[6] = {66, 67, 86, 87, 106, 107};
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(b.armyCell[j], armyCells[j]);
    EXPECT_EQ(b.armyFacing[j], battle::kFacingLeft);
    EXPECT_EQ(b.armyX[j], battle::CellX(armyCells[j]));
  }
  EXPECT_EQ(b.gradeTurns3, 6);
  EXPECT_EQ(b.gradeTurns2, 8);
  EXPECT_EQ(b.turnLimit, 10);
  EXPECT_EQ(b.viewX, 0);
  EXPECT_EQ(b.viewY, 0);
  EXPECT_EQ(AlliesPresent(b), 0);

  // slot: cell, picture, facing, soldiers, attack, shield
  const int enemies[8][6] = {{61, 0, 2, 10, 10, 6}, {81, 3, 2, 12, 14, 9}, {101, 0, 2, 5, 6, 6},
                             {49, 0, 4, 5, 6, 6},   {69, 0, 6, 5, 6, 6},   {41, 0, 2, 4, 6, 4},
                             {102, 4, 2, 3, 3, 3},  {122, 4, 2, 4, 5, 4}};
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(b.enemyAlive[i], 1);
    EXPECT_EQ(b.enemyCell[i], static_cast<uint32_t>(enemies[i][0]));
    EXPECT_EQ(b.enemyX[i], battle::CellX(enemies[i][0]));
    EXPECT_EQ(b.enemyY[i], battle::CellY(enemies[i][0]));
    EXPECT_EQ(b.enemyPicture[i], enemies[i][1]);
    EXPECT_EQ(b.enemyFacing[i], enemies[i][2]);
    EXPECT_EQ(b.enemySoldiers[i], enemies[i][3]);
    EXPECT_EQ(b.enemyAttack[i], enemies[i][4]);
    EXPECT_EQ(b.enemyShield[i], enemies[i][5]);
    EXPECT_EQ(b.enemyMoves[i], battle::kMovesPerTurn);
  }
  EXPECT_EQ(b.enemyAlive[8], 0);
  EXPECT_EQ(b.enemyCountAtStart, 8);
  const uint8_t used[11] = {1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0};
  for (int p = 0; p < 11; ++p) EXPECT_EQ(b.enemyPictureUsed[p], used[p]) << p;
}

TEST(BattleSetUp, BattleTwoHasItsAlliesOnlyOnceQuestFiveIsAccepted) {
  for (uint8_t stage = 0; stage <= 7; ++stage) {
    SCOPED_TRACE(static_cast<int>(stage));
    BattleScreen b;
    b.battleId = 2;
    b.questStage[5 - 1] = stage;
    b.SetUpBattle();
    if (stage < 2) {
      EXPECT_EQ(AlliesPresent(b), 0);
      EXPECT_EQ(b.allyPictureUsed[0], 0);
      continue;
    }
    EXPECT_EQ(AlliesPresent(b), 4);
    EXPECT_EQ(b.allyPictureUsed[0], 1);
    EXPECT_EQ(b.allyPictureUsed[1] + b.allyPictureUsed[2], 0);
    const uint32_t cells[4] = {130, 131, 132, 105};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(b.allyCell[i], cells[i]);
      EXPECT_EQ(b.allyX[i], battle::CellX(cells[i]));
      EXPECT_EQ(b.allyY[i], battle::CellY(cells[i]));
      EXPECT_EQ(b.allyFacing[i], battle::kFacingLeft);
      EXPECT_EQ(b.allyPicture[i], 0);
      EXPECT_EQ(b.allyCount[i], 8);
      EXPECT_EQ(b.allyAttack[i], 6);
      EXPECT_EQ(b.allyShield[i], 6);
      EXPECT_EQ(b.allyKilled[i] + b.allyWounds1[i] + b.allyWounds2[i] + b.allyWounds3[i], 0);
      EXPECT_EQ(GlyphToText(b.allyName[i]), "Volunteers");
    }
  }
}

TEST(BattleSetUp, BattleSeventyThreeFillsAllFiftySlots) {
  BattleScreen b;
  b.battleId = 73;
  b.SetUpBattle();
  b.PlaceEnemies();
  for (int i = 0; i < battle::kEnemySlots; ++i) EXPECT_EQ(b.enemyAlive[i], 1) << i;
  EXPECT_EQ(b.enemyCountAtStart, 50);
  EXPECT_EQ(b.LineupSlots(), 50);
  EXPECT_EQ(b.enemyCell[0], 74u);
  EXPECT_EQ(b.enemySoldiers[21], 160);
  EXPECT_EQ(b.enemyShield[21], 90);
  EXPECT_EQ(b.enemyFacing[21], battle::kFacingDown);
  EXPECT_EQ(b.enemyCell[49], 164u);
  EXPECT_EQ(b.enemyPicture[49], 9);
  EXPECT_EQ(b.enemySoldiers[49], 75);
  EXPECT_EQ(b.figureFacing, battle::kFacingRight);
  EXPECT_EQ(b.viewX, 450);
  EXPECT_EQ(b.viewY, 180);
  EXPECT_EQ(AlliesPresent(b), 0) << "no quest done, no allies";
}

// Each of the eight quests, once done, brings its own group into its own
// slots; accepted is not enough.
TEST(BattleSetUp, BattleSeventyThreeAlliesComeGroupByGroup) {
  struct Group {
    int quest, firstSlot, count;
    uint32_t firstCell;
    uint8_t picture;
  };
  const Group groups[8] = {{4, 0, 1, 149, 1},  {70, 1, 2, 150, 1}, {75, 3, 2, 170, 1},
                           {79, 5, 3, 189, 1}, {81, 8, 1, 67, 2},  {82, 9, 2, 68, 2},
                           {83, 11, 2, 87, 2}, {85, 13, 3, 107, 2}};
  for (const Group& g : groups) {
    SCOPED_TRACE(g.quest);
    BattleScreen b;
    b.battleId = 73;
    b.questStage[g.quest - 1] = 4;
    b.SetUpBattle();
    EXPECT_EQ(AlliesPresent(b), 0);
    b.questStage[g.quest - 1] = 5;
    b.SetUpBattle();
    EXPECT_EQ(AlliesPresent(b), g.count);
    EXPECT_EQ(b.allyPresent[g.firstSlot], 1);
    EXPECT_EQ(b.allyCell[g.firstSlot], g.firstCell);
    EXPECT_EQ(b.allyPicture[g.firstSlot], g.picture);
    EXPECT_EQ(b.allyAttack[g.firstSlot], 34);
    EXPECT_EQ(b.allyShield[g.firstSlot], 25);
    EXPECT_EQ(b.allyPictureUsed[g.picture], 1);
    EXPECT_EQ(b.allyPictureUsed[g.picture == 1 ? 2 : 1], 0);
  }
  BattleScreen all;
  all.battleId = 73;
  for (const Group& g : groups) all.questStage[g.quest - 1] = 7;
  all.SetUpBattle();
  EXPECT_EQ(AlliesPresent(all), 16);
  EXPECT_EQ(all.allyCount[6], 39);
  EXPECT_EQ(all.allyFacing[9], battle::kFacingUp);
}

// The procedure runs the set-up a second time for a fresh battle: it writes
// the same values again.
TEST(BattleSetUp, RunningTheSetUpTwiceChangesNothing) {
  BattleScreen once, twice;
  for (BattleScreen* b : {&once, &twice}) {
    b->battleId = 43;
    b->questStage[47 - 1] = 2;
    b->SetUpBattle();
  }
  twice.SetUpBattle();
  EXPECT_EQ(std::memcmp(once.allyCell, twice.allyCell, sizeof once.allyCell), 0);
  EXPECT_EQ(std::memcmp(once.allyName, twice.allyName, sizeof once.allyName), 0);
  EXPECT_EQ(std::memcmp(once.allyCount, twice.allyCount, sizeof once.allyCount), 0);
  EXPECT_EQ(std::memcmp(once.allyPresent, twice.allyPresent, sizeof once.allyPresent), 0);
  EXPECT_EQ(once.viewX, twice.viewX);
}

}  // namespace
