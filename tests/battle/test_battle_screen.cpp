// The battle record: constructor defaults, cell geometry, the state dump.

#include <gtest/gtest.h>

#include <string>

#include "battle/battle_screen.h"
#include "battle/battle_screen_dump.h"

namespace {

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
