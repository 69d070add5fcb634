#include "platform/hit_test.h"

uint32_t PointInRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  // Wide sums: a rectangle near the end of the integer range still works.
  const int64_t right = static_cast<int64_t>(x) + w;
  const int64_t bottom = static_cast<int64_t>(y) + h;
  return (px >= x && px < right && py >= y && py < bottom) ? 1 : 0;
}
