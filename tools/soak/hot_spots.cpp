#include "soak/hot_spots.h"

#include <set>

#include "platform/hit_test.h"

namespace {

std::set<HotSpot>& Recorded() {
  static std::set<HotSpot> spots;
  return spots;
}

// Rectangles larger than this are backgrounds and panels, not buttons.
constexpr int32_t kMaxSpotArea = 400 * 300;

}  // namespace

void ClearHotSpots() { Recorded().clear(); }

std::vector<HotSpot> TakeHotSpots() {
  std::vector<HotSpot> out(Recorded().begin(), Recorded().end());
  Recorded().clear();
  return out;
}

// The linker sends every call of PointInRect here (-Wl,--wrap); the real
// test stays the game's own.
extern "C" uint32_t __real__Z11PointInRectiiiiii(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 int32_t px, int32_t py);

extern "C" uint32_t __wrap__Z11PointInRectiiiiii(int32_t x, int32_t y, int32_t w, int32_t h,
                                                 int32_t px, int32_t py) {
  if (w > 0 && h > 0 && static_cast<int64_t>(w) * h <= kMaxSpotArea && x < 800 && y < 600 &&
      x + w > 0 && y + h > 0)
    Recorded().insert(HotSpot{x, y, w, h});
  return __real__Z11PointInRectiiiiii(x, y, w, h, px, py);
}
