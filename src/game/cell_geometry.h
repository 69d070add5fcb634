#pragma once
// The kingdom's world geometry: integer world pixels, x -1800..3600 and
// y -1200..2000, cut into 40-pixel cells (135 x 80) and nine blocks. Cells are
// numbered 1..10800 block by block; inside a block row by row from its
// top-left cell: id = base + row x columns + column. Every range includes its
// lower bound and excludes its upper one.

#include <cstdint>

namespace cells {

constexpr int kCellSize = 40;
constexpr int kWorldLeft = -1800;
constexpr int kWorldTop = -1200;
constexpr int kWorldRight = 3600;   // excluded
constexpr int kWorldBottom = 2000;  // excluded
constexpr int kColumns = 135;
constexpr int kRows = 80;
constexpr uint32_t kCellCount = 10800;
constexpr int kBlockCount = 9;

struct MapBlock {
  int number;     // 1..9
  int left, top;  // world position of the block's top-left corner
  int columns, rows;
  uint32_t base;  // id of the block's top-left cell
};

// The nine blocks, in numbering order (kBlocks[0] is block 1).
extern const MapBlock kBlocks[kBlockCount];

// The block (1..9) that contains the world point, 0 outside the world.
int BlockAt(int x, int y);

// The cell that contains the world point (1..10800), 0 outside the world.
uint32_t CellAt(int x, int y);

// The block (1..9) a cell id belongs to, 0 when the id is not a cell.
int BlockOfCell(uint32_t cell);

// The world top-left corner of a cell. 1 on success; 0 (x, y untouched) when
// the id is not a cell.
int CellCorner(uint32_t cell, int* x, int* y);

}  // namespace cells
