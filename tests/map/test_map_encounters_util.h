#pragma once
// Helpers of the map tests: a population built from a new game the way the
// map screen builds it, a headless mouse and a headless device.

#include <gtest/gtest.h>

#include <memory>

#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "map/map_layout.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "platform/input_device.h"

namespace poptest {

// The population of the game record, built by the map screen's own copy.
inline void BuildFromGame(MapEncounters& e, GameState& s) { map_copy::BuildFromGame(e, s); }

// A new game's record, on the heap (it is large).
inline std::unique_ptr<GameState> NewGame() {
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  return s;
}

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

// A headless mouse whose buttons the test presses and releases.
class TestMouse {
 public:
  TestMouse() {
    SetBackend(Backend::Headless);
    headless::Reset();
    system_.Create(nullptr, nullptr);
    mouse.Create(&system_, kDeviceMouse, 0);
  }
  ~TestMouse() { headless::Reset(); }
  void Set(int button, bool down) {
    headless::MouseButton(button, down);
    mouse.Poll();
  }
  InputDevice mouse;

 private:
  InputSystem system_;
};

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
