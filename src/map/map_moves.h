#pragma once
// Inside the map population: the facing and the frame-by-frame movement
// shared by the walking party and the marching armies.

#include <cstdint>

namespace map_moves {

// Facing from the four direction flags; -1 leaves the facing unchanged.
inline int FacingOf(uint8_t right, uint8_t left, uint8_t up, uint8_t down) {
  if (up && !right && !left) return 0;
  if (up && right) return 1;
  if (right && !up && !down) return 2;
  if (down && right) return 3;
  if (down && !right && !left) return 4;
  if (down && left) return 5;
  if (left && !up && !down) return 6;
  if (up && left) return 7;
  return -1;
}

// One frame of movement towards (wx, wy) by speed pixels, never passing it.
inline void MoveTowards(int32_t& x, int32_t& y, int32_t wx, int32_t wy, uint8_t speed,
                        uint8_t arrivedX, uint8_t arrivedY, uint8_t right, uint8_t left, uint8_t up,
                        uint8_t down) {
  if (!arrivedX) {
    if (right) {
      x += speed;
      if (x > wx) x = wx;
    }
    if (left) {
      x -= speed;
      if (x < wx) x = wx;
    }
  }
  if (!arrivedY) {
    if (up) {
      y -= speed;
      if (y < wy) y = wy;
    }
    if (down) {
      y += speed;
      if (y > wy) y = wy;
    }
  }
}

}  // namespace map_moves
