// What the benches that draw the game's own pictures share: the generated
// game folder with a headless 800 x 600 device, and the timing of a loop
// (bench_timing.h).
#pragma once

#include <unistd.h>

#include <cstdio>

#include "bench_timing.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"

namespace bench {

// Moves into the game folder and opens the device, which draws every frame
// it is given; says why and returns false when either fails.
inline bool OpenGame(const char* bench, GraphicsDevice& device) {
  if (chdir(QORV_GAME_DIR) != 0) {
    std::fprintf(stderr, "%s: no game folder at %s\n", bench, QORV_GAME_DIR);
    return false;
  }
  SetBackend(Backend::Headless);
  if (!device.CreateDirect3D() || !device.CreateDevice(nullptr, 0, 0, 800, 600, 16)) {
    std::fprintf(stderr, "%s: no device\n", bench);
    return false;
  }
  // Every timed frame is drawn, even one the same as the frame before.
  device.skipUnchanged = false;
  return true;
}

}  // namespace bench
