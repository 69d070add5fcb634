// Every battle's tables against its summary: the enemy line-up's counts,
// sums, ranges, pictures and facings; the allied units' counts, ranges and
// conditions; and that no two units of a battle ever share a cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "battle/battle_lineups.h"
#include "battle/battle_screen.h"
#include "battle/battle_table_summaries.h"

namespace {

// A battle set up with every allied unit present.
struct FullBattle {
  explicit FullBattle(uint32_t id) {
    b.battleId = id;
    std::fill(std::begin(b.questStage), std::end(b.questStage), uint8_t{7});
    b.caughtByArmy = 1;
    b.SetUpBattle();
    b.PlaceEnemies();
  }
  BattleScreen b;
};

uint32_t Bit(int v) { return 1u << v; }

TEST(BattleLineups, EveryLineUpFitsItsSummary) {
  for (const EnemySummary& s : kEnemySummaries) {
    SCOPED_TRACE(testing::Message() << "battle " << int(s.battleId));
    FullBattle f(s.battleId);
    const BattleScreen& b = f.b;
    int armies = 0, sum = 0;
    int soldiersMin = 999, soldiersMax = -1, attackMin = 999, attackMax = -1, shieldMin = 999,
        shieldMax = -1;
    int columnMin = 99, columnMax = -1, rowMin = 99, rowMax = -1;
    uint32_t pictures = 0, facings = 0;
    for (int i = 0; i < battle::kEnemySlots; ++i) {
      if (!b.enemyAlive[i]) {
        EXPECT_GE(i, s.armies) << "a gap in the line-up at slot " << i;
        EXPECT_EQ(b.enemySoldiers[i], 0);
        continue;
      }
      ++armies;
      ASSERT_TRUE(battle::IsFieldCell(b.enemyCell[i]));
      EXPECT_EQ(b.enemyX[i], battle::CellX(b.enemyCell[i]));
      EXPECT_EQ(b.enemyY[i], battle::CellY(b.enemyCell[i]));
      EXPECT_EQ(b.enemyWounds1[i] + b.enemyWounds2[i] + b.enemyWounds3[i] + b.enemyKilled[i], 0);
      sum += b.enemySoldiers[i];
      soldiersMin = std::min<int>(soldiersMin, b.enemySoldiers[i]);
      soldiersMax = std::max<int>(soldiersMax, b.enemySoldiers[i]);
      attackMin = std::min<int>(attackMin, b.enemyAttack[i]);
      attackMax = std::max<int>(attackMax, b.enemyAttack[i]);
      shieldMin = std::min<int>(shieldMin, b.enemyShield[i]);
      shieldMax = std::max<int>(shieldMax, b.enemyShield[i]);
      columnMin = std::min(columnMin, battle::CellColumn(b.enemyCell[i]));
      columnMax = std::max(columnMax, battle::CellColumn(b.enemyCell[i]));
      rowMin = std::min(rowMin, battle::CellRow(b.enemyCell[i]));
      rowMax = std::max(rowMax, battle::CellRow(b.enemyCell[i]));
      pictures |= Bit(b.enemyPicture[i]);
      facings |= Bit(b.enemyFacing[i]);
    }
    EXPECT_EQ(armies, s.armies);
    EXPECT_EQ(sum, s.soldierSum);
    EXPECT_EQ(soldiersMin, s.soldiersMin);
    EXPECT_EQ(soldiersMax, s.soldiersMax);
    EXPECT_EQ(attackMin, s.attackMin);
    EXPECT_EQ(attackMax, s.attackMax);
    EXPECT_EQ(shieldMin, s.shieldMin);
    EXPECT_EQ(shieldMax, s.shieldMax);
    EXPECT_EQ(columnMin, s.columnMin);
    EXPECT_EQ(columnMax, s.columnMax);
    EXPECT_EQ(rowMin, s.rowMin);
    EXPECT_EQ(rowMax, s.rowMax);
    EXPECT_EQ(pictures, s.pictureMask);
    EXPECT_EQ(facings, s.facingMask);
    EXPECT_EQ(b.enemyCountAtStart, s.divisor);
    uint32_t marked = 0;
    for (int p = 0; p < battle::kEnemyPictures; ++p)
      if (b.enemyPictureUsed[p]) marked |= Bit(p);
    EXPECT_EQ(marked, s.pictureMask) << "the pictures to load are the pictures shown";
  }
}

TEST(BattleLineups, EveryAlliedGroupFitsItsSummary) {
  for (const AllySummary& s : kAllySummaries) {
    SCOPED_TRACE(testing::Message() << "battle " << int(s.battleId));
    FullBattle f(s.battleId);
    const BattleScreen& b = f.b;
    int units = 0;
    int columnMin = 99, columnMax = -1, rowMin = 99, rowMax = -1;
    int soldiersMin = 999, soldiersMax = -1, attackMin = 999, attackMax = -1, shieldMin = 999,
        shieldMax = -1;
    uint32_t pictures = 0;
    for (int i = 0; i < battle::kAllySlots; ++i) {
      if (!b.allyPresent[i]) continue;
      ++units;
      EXPECT_LT(i, s.units) << "units fill the slots from 0";
      ASSERT_TRUE(battle::IsFieldCell(b.allyCell[i]));
      EXPECT_EQ(b.allyX[i], battle::CellX(b.allyCell[i]));
      EXPECT_EQ(b.allyY[i], battle::CellY(b.allyCell[i]));
      EXPECT_LT(b.allyFacing[i], 8);
      columnMin = std::min(columnMin, battle::CellColumn(b.allyCell[i]));
      columnMax = std::max(columnMax, battle::CellColumn(b.allyCell[i]));
      rowMin = std::min(rowMin, battle::CellRow(b.allyCell[i]));
      rowMax = std::max(rowMax, battle::CellRow(b.allyCell[i]));
      soldiersMin = std::min<int>(soldiersMin, b.allyCount[i]);
      soldiersMax = std::max<int>(soldiersMax, b.allyCount[i]);
      attackMin = std::min<int>(attackMin, b.allyAttack[i]);
      attackMax = std::max<int>(attackMax, b.allyAttack[i]);
      shieldMin = std::min<int>(shieldMin, b.allyShield[i]);
      shieldMax = std::max<int>(shieldMax, b.allyShield[i]);
      pictures |= Bit(b.allyPicture[i]);
      EXPECT_EQ(b.allyName[i][kGlyphNameLength - 1], 0) << "a name holds at most 20 letters";
      if (s.battleId == 66) {
        for (uint8_t cellCode : b.allyName[i]) EXPECT_EQ(cellCode, 0);
      } else {
        EXPECT_NE(b.allyName[i][0], 0);
      }
    }
    EXPECT_EQ(units, s.units);
    EXPECT_EQ(columnMin, s.columnMin);
    EXPECT_EQ(columnMax, s.columnMax);
    EXPECT_EQ(rowMin, s.rowMin);
    EXPECT_EQ(rowMax, s.rowMax);
    EXPECT_EQ(soldiersMin, s.soldiersMin);
    EXPECT_EQ(soldiersMax, s.soldiersMax);
    EXPECT_EQ(attackMin, s.attackMin);
    EXPECT_EQ(attackMax, s.attackMax);
    EXPECT_EQ(shieldMin, s.shieldMin);
    EXPECT_EQ(shieldMax, s.shieldMax);
    EXPECT_EQ(pictures, s.pictureMask);
    uint32_t marked = 0;
    for (int p = 0; p < battle::kAllyPictures; ++p)
      if (b.allyPictureUsed[p]) marked |= Bit(p);
    EXPECT_EQ(marked, s.pictureMask);
  }
}

// The allied units come exactly when their condition holds, and a battle
// without any keeps every slot empty and loads no allied picture.
TEST(BattleLineups, AlliedUnitsComeOnlyWhenTheirConditionHolds) {
  std::set<int> withAllies;
  for (const AllySummary& s : kAllySummaries) {
    withAllies.insert(s.battleId);
    if (s.battleId == 73) continue;  // eight groups, tested on their own
    SCOPED_TRACE(testing::Message() << "battle " << int(s.battleId));
    for (int holds = 0; holds <= 1; ++holds) {
      BattleScreen b;
      b.battleId = s.battleId;
      if (s.condition == 1) b.questStage[s.quest - 1] = static_cast<uint8_t>(s.stage - 1 + holds);
      if (s.condition == 2) b.caughtByArmy = static_cast<uint8_t>(holds);
      b.SetUpBattle();
      int units = 0;
      for (uint8_t present : b.allyPresent) units += present;
      const bool comes = s.condition == 0 || holds;
      EXPECT_EQ(units, comes ? s.units : 0) << "condition holds: " << holds;
      if (!comes) {
        for (uint8_t used : b.allyPictureUsed) EXPECT_EQ(used, 0);
      }
    }
  }
  for (const EnemySummary& s : kEnemySummaries) {
    if (withAllies.count(s.battleId)) continue;
    FullBattle f(s.battleId);
    for (uint8_t present : f.b.allyPresent) EXPECT_EQ(present, 0) << "battle " << int(s.battleId);
  }
}

TEST(BattleLineups, NoTwoUnitsOfABattleShareACell) {
  for (const EnemySummary& s : kEnemySummaries) {
    SCOPED_TRACE(testing::Message() << "battle " << int(s.battleId));
    FullBattle f(s.battleId);
    const BattleScreen& b = f.b;
    std::set<uint32_t> taken;
    auto take = [&](uint32_t cell, const char* who) {
      EXPECT_TRUE(battle::IsFieldCell(cell)) << who;
      EXPECT_TRUE(taken.insert(cell).second) << who << " on cell " << cell << ", which is taken";
    };
    take(b.figureCell, "the figure");
    for (uint32_t cell : b.armyCell) take(cell, "an army");
    for (int i = 0; i < battle::kAllySlots; ++i)
      if (b.allyPresent[i]) take(b.allyCell[i], "an allied unit");
    for (int i = 0; i < battle::kEnemySlots; ++i)
      if (b.enemyAlive[i]) take(b.enemyCell[i], "an enemy army");
  }
}

TEST(BattleLineups, EveryBattleGradesBeforeItsLimit) {
  int smallestThreshold = 99, largestLimit = 0;
  for (const EnemySummary& s : kEnemySummaries) {
    const battle::FriendlySetUp* setUp = battle::FindFriendlySetUp(s.battleId);
    ASSERT_NE(setUp, nullptr) << "battle " << int(s.battleId);
    EXPECT_LT(setUp->gradeTurns3, setUp->gradeTurns2) << "battle " << int(s.battleId);
    EXPECT_LT(setUp->gradeTurns2, setUp->turnLimit) << "battle " << int(s.battleId);
    smallestThreshold = std::min<int>(smallestThreshold, setUp->gradeTurns3);
    largestLimit = std::max<int>(largestLimit, setUp->turnLimit);
  }
  EXPECT_EQ(smallestThreshold, 4);
  EXPECT_EQ(battle::FindFriendlySetUp(6)->gradeTurns3, 4);
  EXPECT_EQ(largestLimit, 24);
  EXPECT_EQ(battle::FindFriendlySetUp(73)->turnLimit, 24);
}

TEST(BattleLineups, NumbersWithoutABattlePlaceNothing) {
  for (uint32_t id : {0u, 74u, 77u, 80u, 94u, 100u, 255u, 1000u}) {
    BattleScreen b;
    b.battleId = id;
    b.caughtByArmy = 1;
    std::fill(std::begin(b.questStage), std::end(b.questStage), uint8_t{7});
    b.SetUpBattle();
    b.PlaceEnemies();
    EXPECT_EQ(b.enemyCountAtStart, 0) << id;
    EXPECT_EQ(b.gradeTurns3, 0) << id;
    EXPECT_EQ(b.figureCell, 0u) << id;
    for (uint8_t alive : b.enemyAlive) EXPECT_EQ(alive, 0) << id;
    for (uint8_t used : b.enemyPictureUsed) EXPECT_EQ(used, 0) << id;
    for (uint8_t present : b.allyPresent) EXPECT_EQ(present, 0) << id;
    EXPECT_EQ(b.LineupSlots(), 0) << id;
  }
}

}  // namespace
