// What the benches that draw the game's own pictures share: the generated
// game folder with a headless 800 x 600 device, and the timing of a loop.
#pragma once

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "platform/backend.h"
#include "platform/graphics_device.h"

namespace bench {

// Moves into the game folder and opens the device; says why and returns
// false when either fails.
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
  return true;
}

// Milliseconds per run of body, over count runs.
template <class F>
double MsPer(int count, F&& body) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) body();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count() / count;
}

}  // namespace bench
