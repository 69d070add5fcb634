#include <gtest/gtest.h>

#include "game/cell_geometry.h"

TEST(CellGeometry, CornersAndBlockEdges) {
  EXPECT_EQ(cells::CellAt(-800, -600), 1u);
  EXPECT_EQ(cells::CellAt(3560, 1360), 5500u);
  EXPECT_EQ(cells::CellAt(-840, -640), 10800u);
  EXPECT_EQ(cells::CellAt(0, 0), 771u);
  // The first and last cell of every block.
  EXPECT_EQ(cells::CellAt(1200, -600), 2501u);
  EXPECT_EQ(cells::CellAt(1200, 1400), 5501u);
  EXPECT_EQ(cells::CellAt(1200, -1200), 6401u);
  EXPECT_EQ(cells::CellAt(3599, -601), 7300u);
  EXPECT_EQ(cells::CellAt(-800, -1200), 7301u);
  EXPECT_EQ(cells::CellAt(-800, 1400), 8051u);
  EXPECT_EQ(cells::CellAt(1199, 1999), 8800u);
  EXPECT_EQ(cells::CellAt(-1800, 1400), 8801u);
  EXPECT_EQ(cells::CellAt(-1800, -600), 9176u);
  EXPECT_EQ(cells::CellAt(-1800, -1200), 10426u);
  // A point on a boundary belongs to the cell right of it or below it.
  EXPECT_EQ(cells::BlockAt(1200, 0), 2);
  EXPECT_EQ(cells::BlockAt(1199, 0), 1);
  EXPECT_EQ(cells::CellAt(1199, -600), 50u);
  EXPECT_EQ(cells::CellAt(-761, -600), 1u);
  EXPECT_EQ(cells::CellAt(-760, -600), 2u);
  EXPECT_EQ(cells::CellAt(-800, -560), 51u);
}

TEST(CellGeometry, OutsideTheWorld) {
  EXPECT_EQ(cells::CellAt(-1801, 0), 0u);
  EXPECT_EQ(cells::CellAt(3600, 0), 0u);
  EXPECT_EQ(cells::CellAt(0, -1201), 0u);
  EXPECT_EQ(cells::CellAt(0, 2000), 0u);
  EXPECT_EQ(cells::BlockAt(5000, 5000), 0);
  int x = 7, y = 9;
  EXPECT_EQ(cells::CellCorner(0, &x, &y), 0);
  EXPECT_EQ(cells::CellCorner(10801, &x, &y), 0);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 9);
  EXPECT_EQ(cells::BlockOfCell(0), 0);
  EXPECT_EQ(cells::BlockOfCell(10801), 0);
}

TEST(CellGeometry, EveryCellRoundTrips) {
  bool seen[cells::kCellCount + 1] = {};
  for (uint32_t id = 1; id <= cells::kCellCount; ++id) {
    int x = 0, y = 0;
    ASSERT_EQ(cells::CellCorner(id, &x, &y), 1) << id;
    ASSERT_EQ(cells::CellAt(x, y), id) << id;
    ASSERT_EQ(cells::CellAt(x + 39, y + 39), id) << id;
    ASSERT_EQ(cells::BlockOfCell(id), cells::BlockAt(x, y)) << id;
  }
  // And every 40-pixel cell of the world has exactly one id.
  for (int y = cells::kWorldTop; y < cells::kWorldBottom; y += cells::kCellSize) {
    for (int x = cells::kWorldLeft; x < cells::kWorldRight; x += cells::kCellSize) {
      uint32_t id = cells::CellAt(x, y);
      ASSERT_GE(id, 1u);
      ASSERT_LE(id, cells::kCellCount);
      ASSERT_FALSE(seen[id]) << id;
      seen[id] = true;
    }
  }
}
