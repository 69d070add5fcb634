#pragma once
// The places a screen reacts to, learnt while it runs: every rectangle the
// game hit-tests the cursor against (its buttons, cells and boxes) passes
// through PointInRect, which the soak links wrapped (see tools/README.md).
// The soak aims most of its clicks at them.

#include <cstdint>
#include <tuple>
#include <vector>

struct HotSpot {
  int32_t x, y, w, h;
  bool operator<(const HotSpot& o) const {
    return std::tie(x, y, w, h) < std::tie(o.x, o.y, o.w, o.h);
  }
  bool operator==(const HotSpot& o) const = default;
};

// Starts recording afresh (before a frame runs).
void ClearHotSpots();
// The rectangles tested since the last clear, each once, in a fixed order.
std::vector<HotSpot> TakeHotSpots();
