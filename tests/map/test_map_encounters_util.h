#pragma once
// Helpers of the map population tests: a population built from a new game the
// way the map screen builds it, and a headless device.

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "map/map_encounters.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"

namespace poptest {

// Copies what the map screen copies from the game record, then lays out the
// start tables, the armies, their roads and the cell codes.
inline void BuildFromGame(MapEncounters& e, GameState& s) {
  e.day = s.day;
  e.fame = s.fame;
  for (int k = 0; k < 30; ++k) e.placeStates[k] = s.placeState[k];
  e.towerClosed = s.placeState[10];
  e.playerAlive = MapEncounters::AliveFromHealth(s.playerHealth());
  e.portrait = s.playerPortrait;
  e.playerCell = s.partyCell;
  e.playerFacing = s.playerMapState;
  e.playerStepsLeft = s.playerDayAllowance;
  for (int k = 0; k < 10; ++k) {
    e.heroOnMap[k] = s.heroPresent[k];
    e.heroCell[k] = s.heroCell[k];
    e.heroFacing[k] = s.heroMapState[k];
    e.heroStepsLeft[k] = s.heroDayAllowance[k];
  }
  for (int k = 0; k < 20; ++k) e.goldPilePresent[k] = s.mapObjectFlagsA[k];
  for (int k = 0; k < 20; ++k) e.bagPresent[k] = s.bagPresent[k];
  for (int k = 0; k < 50; ++k) e.chestPresent[k] = s.chestPresent[k];
  for (int k = 0; k < 100; ++k) e.enemyPresent[k] = s.enemyPresent[k];
  e.FillStartTables();
  e.PlaceEnemyArmies();
  e.PlaceRoutes();
  e.FillCellCodes();
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
