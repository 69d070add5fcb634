#pragma once
// A world position less the camera: the screen position a picture is drawn
// at. A difference beyond a million pixels, which no picture on the screen
// can have, is held there, so that neither the difference nor a small
// offset added to it can overflow whatever position or camera it is given.

#include <algorithm>
#include <cstdint>

constexpr int64_t kFarOffScreen = 1 << 20;

constexpr int32_t ScreenOffset(int32_t world, int32_t camera) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(int64_t{world} - camera, -kFarOffScreen, kFarOffScreen));
}
