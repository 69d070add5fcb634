#pragma once
// Helpers of the battle drawing tests: a headless device, a battle with its
// pictures loaded, and frames to compare.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "battle/battle_screen.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"

namespace drawtest {

class Device {
 public:
  Device() {
    SetBackend(Backend::Headless);
    headless::Reset();
    created = dev.CreateDirect3D() && dev.CreateDevice(nullptr, 0, 0, 800, 600, 16);
  }
  ~Device() {
    dev.Release();
    headless::Reset();
  }
  // Runs draw on a black frame and returns the frame.
  template <class F>
  std::vector<uint32_t> Frame(F draw) {
    dev.BeginScene();
    dev.Clear(0xFF000000u, 1.0f);
    draw();
    dev.EndScene();
    dev.Present();
    const uint32_t* p = headless::FramePixels();
    return std::vector<uint32_t>(p, p + 800 * 600);
  }
  GraphicsDevice dev;
  bool created = false;
};

inline uint32_t At(const std::vector<uint32_t>& f, int x, int y) {
  return f[y * 800 + x] & 0xFFFFFFu;
}

// Pixels that are not black in the rectangle.
inline int Lit(const std::vector<uint32_t>& f, int x, int y, int w, int h) {
  int n = 0;
  for (int r = y; r < y + h; ++r)
    for (int c = x; c < x + w; ++c) n += At(f, c, r) != 0;
  return n;
}

// Pixels that differ between two frames in the rectangle.
inline int Differ(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int x, int y,
                  int w, int h) {
  int n = 0;
  for (int r = y; r < y + h; ++r)
    for (int c = x; c < x + w; ++c) n += At(a, c, r) != At(b, c, r);
  return n;
}

// A battle with its pictures as the procedure loads them.
inline void LoadAll(BattleScreen& b, GraphicsDevice* dev) {
  b.LoadArt(dev);
  b.LoadTerrain(dev);
  b.LoadPortrait(dev);
  b.LoadFigure(dev);
  b.LoadArmyPictures(dev);
  b.LoadEnemyPictures(dev);
}

}  // namespace drawtest
