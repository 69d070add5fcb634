// The battle record: constructor defaults, cell geometry, the state dump.

#include <gtest/gtest.h>

#include <string>

#include "battle/battle_screen.h"
#include "battle/battle_screen_dump.h"

namespace {

TEST(BattleScreenRecord, ConstructorSetsTheDefaultsAndLeavesTheRestEmpty) {
  BattleScreen b;
  EXPECT_EQ(b.cellCount, 300u);
  EXPECT_EQ(b.stepDelayMs, 100u);
  EXPECT_EQ(b.excludedX, battle::kNoExcludedX);
  EXPECT_EQ(b.resultsPending, 1);
  EXPECT_EQ(b.turnPanelShown, 1);
  EXPECT_EQ(b.stepTimerState, battle::kTimerStamp);
  EXPECT_EQ(b.hitTimerState, battle::kTimerStamp);
  EXPECT_EQ(b.hitRising, 1);
  EXPECT_EQ(b.hitFrame, 0);
  EXPECT_EQ(b.hitActive, 0);
  EXPECT_EQ(b.pauseTimerState, battle::kTimerStamp);
  EXPECT_EQ(b.turnNumber, 1u);
  EXPECT_EQ(b.figureMoves, 7);
  for (uint8_t m : b.armyMoves) EXPECT_EQ(m, 7);
  for (uint8_t m : b.allyMoves) EXPECT_EQ(m, 7);
  for (uint8_t m : b.enemyMoves) EXPECT_EQ(m, 7);
  for (uint32_t o : b.occupant) EXPECT_EQ(o, battle::kOccupantNone);
  for (uint8_t a : b.enemyAlive) EXPECT_EQ(a, 0);
  for (uint8_t a : b.allyPresent) EXPECT_EQ(a, 0);
  EXPECT_EQ(b.uiSheet, nullptr);
  EXPECT_EQ(b.fontLarge, nullptr);
  EXPECT_EQ(b.victory, battle::kVictoryNone);
  EXPECT_EQ(b.viewX, 0);
  EXPECT_EQ(b.viewY, 0);
}

TEST(BattleScreenRecord, CellNumbersAndPixelCornersAreInverse) {
  for (uint32_t cell = 1; cell <= battle::kCellCount; ++cell) {
    const int32_t x = battle::CellX(cell);
    const int32_t y = battle::CellY(cell);
    EXPECT_EQ(x, static_cast<int32_t>((cell - 1) % 20) * 80);
    EXPECT_EQ(y, static_cast<int32_t>((cell - 1) / 20) * 80);
    EXPECT_EQ(battle::CellAtPixel(x + 79, y + 79), cell);
    EXPECT_EQ(battle::CellAt(battle::CellColumn(cell), battle::CellRow(cell)), cell);
  }
  EXPECT_EQ(battle::CellAt(19, 14), 300u);
  // A number off the field never gives a pixel off the field.
  EXPECT_EQ(battle::CellX(0), 0);
  EXPECT_EQ(battle::CellY(301), 0);
}

TEST(BattleScreenRecord, PlaceUnitsPutsTheFigureAndEveryArmyOnItsCell) {
  BattleScreen b;
  b.figureCell = 85;
  const uint32_t cells[6] = {66, 67, 86, 87, 106, 107};
  for (int j = 0; j < 6; ++j) b.armyCell[j] = cells[j];
  b.PlaceUnits();
  EXPECT_EQ(b.figureX, 320);
  EXPECT_EQ(b.figureY, 320);
  EXPECT_EQ(b.armyX[0], 400);
  EXPECT_EQ(b.armyY[0], 240);
  EXPECT_EQ(b.armyX[5], 480);
  EXPECT_EQ(b.armyY[5], 400);
}

TEST(BattleScreenRecord, DumpNamesTheFieldsAndLeavesThePicturesOut) {
  BattleScreen b;
  b.battleId = 73;
  b.occupant[300] = battle::EnemyOccupant(49);
  JsonOut out;
  DumpBattleScreen(b, out);
  const std::string& text = out.Text();
  EXPECT_NE(text.find("\"battleId\":73"), std::string::npos);
  EXPECT_NE(text.find("\"turnNumber\":1"), std::string::npos);
  EXPECT_NE(text.find(",169]"), std::string::npos);  // the last occupant
  EXPECT_NE(text.find("\"allyName\":[["), std::string::npos);
  EXPECT_EQ(text.find("uiSheet"), std::string::npos);
  EXPECT_EQ(text.front(), '{');
  EXPECT_EQ(text.back(), '}');
}

}  // namespace
