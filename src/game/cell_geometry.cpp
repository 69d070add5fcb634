#include "game/cell_geometry.h"

namespace cells {

const MapBlock kBlocks[kBlockCount] = {
    {1, -800, -600, 50, 50, 1},       {2, 1200, -600, 60, 50, 2501},
    {3, 1200, 1400, 60, 15, 5501},    {4, 1200, -1200, 60, 15, 6401},
    {5, -800, -1200, 50, 15, 7301},   {6, -800, 1400, 50, 15, 8051},
    {7, -1800, 1400, 25, 15, 8801},   {8, -1800, -600, 25, 50, 9176},
    {9, -1800, -1200, 25, 15, 10426},
};

namespace {

const MapBlock* BlockContaining(int x, int y) {
  for (const MapBlock& b : kBlocks) {
    if (x >= b.left && x < b.left + b.columns * kCellSize && y >= b.top &&
        y < b.top + b.rows * kCellSize) {
      return &b;
    }
  }
  return nullptr;
}

const MapBlock* BlockHolding(uint32_t cell) {
  for (const MapBlock& b : kBlocks) {
    uint32_t count = static_cast<uint32_t>(b.columns * b.rows);
    if (cell >= b.base && cell < b.base + count) return &b;
  }
  return nullptr;
}

}  // namespace

int BlockAt(int x, int y) {
  const MapBlock* b = BlockContaining(x, y);
  return b ? b->number : 0;
}

uint32_t CellAt(int x, int y) {
  const MapBlock* b = BlockContaining(x, y);
  if (!b) return 0;
  int column = (x - b->left) / kCellSize;
  int row = (y - b->top) / kCellSize;
  return b->base + static_cast<uint32_t>(row * b->columns + column);
}

int BlockOfCell(uint32_t cell) {
  const MapBlock* b = BlockHolding(cell);
  return b ? b->number : 0;
}

int CellCorner(uint32_t cell, int* x, int* y) {
  const MapBlock* b = BlockHolding(cell);
  if (!b) return 0;
  int index = static_cast<int>(cell - b->base);
  *x = b->left + (index % b->columns) * kCellSize;
  *y = b->top + (index / b->columns) * kCellSize;
  return 1;
}

}  // namespace cells
