// Map benchmark: the kingdom map's frame at the start camera with every
// object of the map present and drawn (the land, the quest markers, every
// gold pile, bag, chest and army, the party with all ten heroes, the control
// bar, the unit panel and the messages), headless. Prints milliseconds per
// frame. (The invading armies' turn has its own, invasion_bench.) Not a test.
#include <cstdio>

#include "bench_game.h"
#include "game/game_state.h"
#include "map/control_bar.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "map/map_screen.h"

namespace {

constexpr int kFrames = 300;

// Every treasure, every army and every hero on the map; the player selected
// so that the unit panel shows.
void EverythingOnTheMap(GameState& s) {
  RunNewGameSequence(s);
  for (uint8_t& f : s.mapObjectFlagsA) f = 1;
  for (uint8_t& f : s.bagPresent) f = 1;
  for (uint8_t& f : s.chestPresent) f = 1;
  for (int a = 0; a < 65; ++a) s.enemyPresent[a] = 1;
  for (int a = invasion::kFirstInvader; a <= invasion::kLastInvader; ++a) s.enemyPresent[a] = 1;
  for (int k = 0; k < kHeroCount; ++k) s.heroPresent[k] = 1;
}

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("map_bench", device)) return 1;

  auto* state = new GameState;
  EverythingOnTheMap(*state);
  auto* view = new KingdomMap;
  view->LoadTiles(&device);
  auto* bar = new ControlBar;
  bar->LoadArt(&device);
  auto* map = new MapEncounters;
  map->LoadArt(&device);
  map_copy::BuildFromGame(*map, *state, view);
  // The heroes stand on their candidate cells around the player.
  for (uint8_t k = 0; k < kHeroCount; ++k) {
    map->heroPlacePending = 1;
    map->heroToPlace = k;
    map->FindFreeCell();
  }
  map->FillCellCodes();
  map->playerSelected = 1;
  map->fameRewardsShown = 1;

  const double frameMs = bench::MsPer(kFrames, [&] {
    device.BeginScene();
    device.Clear(0, 1.0f);
    map->Animate();
    view->Animate();
    bar->Animate();
    map_screen::DrawMap(*view, *map, *bar, *state, 1);
    device.EndScene();
    device.Present();
  });

  std::printf("kingdom map, start camera, every object drawn, %d frames:\n", kFrames);
  std::printf("  map frame               %8.3f ms/frame\n", frameMs);

  map->ReleaseArt();
  delete map;
  view->ReleaseTiles();
  delete view;
  delete bar;
  delete state;
  device.Release();
  return 0;
}
