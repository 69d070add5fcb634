#pragma once
// Small rules of the battlefield shared by the moves, the blows and the
// computer's choices: the eight neighbour offsets, the cell distance, the
// facing towards a point and the cell under a field pixel.

#include <cstdint>

#include "battle/battle_screen.h"

namespace battle {

// The eight neighbours in test order: up, up-right, right, down-right, down,
// down-left, left, up-left (the facing codes 0..7 in the same order).
constexpr int kNeighbours = 8;
constexpr int32_t kNeighbourDx[kNeighbours] = {0, kCellSize,  kCellSize,  kCellSize,
                                               0, -kCellSize, -kCellSize, -kCellSize};
constexpr int32_t kNeighbourDy[kNeighbours] = {-kCellSize, -kCellSize, 0, kCellSize,
                                               kCellSize,  kCellSize,  0, -kCellSize};

// 1 when (tx, ty) is one of the eight neighbours of (x, y).
constexpr bool IsNeighbour(int32_t x, int32_t y, int32_t tx, int32_t ty) {
  for (int d = 0; d < kNeighbours; ++d)
    if (tx - x == kNeighbourDx[d] && ty - y == kNeighbourDy[d]) return true;
  return false;
}

// Whole cells between two positions, a diagonal step counting as one.
constexpr int32_t CellDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t dx = (x1 > x2 ? x1 - x2 : x2 - x1) / kCellSize;
  const int32_t dy = (y1 > y2 ? y1 - y2 : y2 - y1) / kCellSize;
  return dx > dy ? dx : dy;
}

// The facing from the direction flags of a step or a leg.
constexpr uint8_t FacingOf(bool right, bool left, bool up, bool down, uint8_t unchanged) {
  if (up && right) return kFacingUpRight;
  if (down && right) return kFacingDownRight;
  if (down && left) return kFacingDownLeft;
  if (up && left) return kFacingUpLeft;
  if (up) return kFacingUp;
  if (right) return kFacingRight;
  if (down) return kFacingDown;
  if (left) return kFacingLeft;
  return unchanged;
}

// The facing from (x, y) towards (tx, ty) by the signs of the difference.
constexpr uint8_t FacingTowards(int32_t x, int32_t y, int32_t tx, int32_t ty, uint8_t unchanged) {
  const bool up = ty < y;
  const bool down = ty > y;
  return FacingOf(tx > x, tx < x, up, down, unchanged);
}

// The cell under a field pixel, 0 when the pixel lies in no cell of the grid.
constexpr uint32_t CellUnderPoint(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= kFieldWidth || y >= kFieldHeight) return 0;
  return CellAtPixel(x, y);
}

}  // namespace battle
