#pragma once
// Helpers of the map population tests: a population built from a new game the
// way the map screen builds it, and a headless device.

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"

namespace poptest {

// The population of the game record, built by the map screen's own copy.
inline void BuildFromGame(MapEncounters& e, GameState& s) { map_copy::BuildFromGame(e, s); }

inline void BuildNewGame(MapEncounters& e) {
  GameState s;
  RunNewGameSequence(s);
  BuildFromGame(e, s);
}

// A population with nothing on the map but the player at (x, y) and the
// place lists laid out.
inline void BuildEmpty(MapEncounters& e, uint32_t playerCell) {
  e.playerCell = playerCell;
  e.FillStartTables();
  e.FillCellCodes();
}

class HeadlessDevice {
 public:
  HeadlessDevice() {
    SetBackend(Backend::Headless);
    headless::Reset();
    created = dev.CreateDirect3D() && dev.CreateDevice(nullptr, 0, 0, 800, 600, 16);
  }
  ~HeadlessDevice() {
    dev.Release();
    headless::Reset();
  }
  void Begin() {
    dev.BeginScene();
    dev.Clear(0xFF000000u, 1.0f);
  }
  void End() {
    dev.EndScene();
    dev.Present();
  }
  uint32_t Pixel(int x, int y) const { return headless::FramePixels()[y * 800 + x] & 0xFFFFFFu; }
  GraphicsDevice dev;
  bool created = false;
};

}  // namespace poptest
