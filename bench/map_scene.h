// The kingdom map's busiest frame for the benches: every object of the map
// present and drawn (the land, the quest markers, every gold pile, bag,
// chest and army, the party with all ten heroes, the control bar, the unit
// panel and the messages), with the camera where the most of them are on
// the screen.
#pragma once

#include <vector>

#include "game/game_state.h"
#include "map/control_bar.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "map/map_screen.h"
#include "platform/graphics_device.h"

namespace bench {

class MapScene {
 public:
  // Loads the pictures and builds the map; false when a picture is missing.
  bool Build(GraphicsDevice& device) {
    EverythingOnTheMap(state_);
    if (!view_.LoadTiles(&device)) return false;
    bar_.LoadArt(&device);
    map_.LoadArt(&device);
    map_copy::BuildFromGame(map_, state_, &view_);
    // The heroes stand on their candidate cells around the player.
    for (uint8_t k = 0; k < kHeroCount; ++k) {
      map_.heroPlacePending = 1;
      map_.heroToPlace = k;
      map_.FindFreeCell();
    }
    map_.FillCellCodes();
    map_.playerSelected = 1;
    map_.fameRewardsShown = 1;
    AimAtTheMostObjects();
    return true;
  }

  ~MapScene() {
    map_.ReleaseArt();
    view_.ReleaseTiles();
  }

  // One frame as the map screen draws it.
  void Frame(GraphicsDevice& device) {
    device.BeginScene();
    device.Clear(0, 1.0f);
    map_.Animate();
    view_.Animate();
    bar_.Animate();
    map_screen::DrawMap(view_, map_, bar_, state_, 1);
    device.EndScene();
    device.Present();
  }

  int objects = 0;   // objects on the map
  int onScreen = 0;  // of them on the screen (a corner inside it)
  int32_t cameraX = 0, cameraY = 0;

 private:
  struct Point {
    int32_t x, y;
  };

  // Every treasure, every army and every hero on the map; the player
  // selected so that the unit panel shows.
  static void EverythingOnTheMap(GameState& s) {
    RunNewGameSequence(s);
    for (uint8_t& f : s.mapObjectFlagsA) f = 1;
    for (uint8_t& f : s.bagPresent) f = 1;
    for (uint8_t& f : s.chestPresent) f = 1;
    for (int a = 0; a < 65; ++a) s.enemyPresent[a] = 1;
    for (int a = invasion::kFirstInvader; a <= invasion::kLastInvader; ++a) s.enemyPresent[a] = 1;
    for (int k = 0; k < kHeroCount; ++k) s.heroPresent[k] = 1;
  }

  // The world corners of the objects drawn over the land.
  std::vector<Point> ObjectCorners() const {
    std::vector<Point> points;
    for (int i = 0; i < 20; ++i) {
      if (map_.goldPilePresent[i]) points.push_back({map_.goldPileX[i], map_.goldPileY[i]});
      if (map_.bagPresent[i]) points.push_back({map_.bagX[i], map_.bagY[i]});
    }
    for (int i = 0; i < 50; ++i) {
      if (map_.chestPresent[i]) points.push_back({map_.chestX[i], map_.chestY[i]});
    }
    for (int i = 0; i < 100; ++i) {
      if (map_.enemyPresent[i]) points.push_back({map_.enemyX[i], map_.enemyY[i]});
    }
    for (int k = 0; k < kHeroCount; ++k) {
      if (map_.heroCell[k]) points.push_back({map_.heroX[k], map_.heroY[k]});
    }
    points.push_back({map_.playerX, map_.playerY});
    return points;
  }

  // The camera (on a 40-pixel grid within the view's limits) with the most
  // object corners on the screen.
  void AimAtTheMostObjects() {
    const std::vector<Point> points = ObjectCorners();
    objects = static_cast<int>(points.size());
    constexpr int32_t kStep = 40;
    for (int32_t cy = kCameraMinY; cy <= kCameraMaxY; cy += kStep) {
      for (int32_t cx = kCameraMinX; cx <= kCameraMaxX; cx += kStep) {
        int n = 0;
        for (const Point& p : points) {
          n += p.x >= cx && p.x < cx + 800 && p.y >= cy && p.y < cy + 600;
        }
        if (n > onScreen) {
          onScreen = n;
          cameraX = cx;
          cameraY = cy;
        }
      }
    }
    view_.cameraX = cameraX;
    view_.cameraY = cameraY;
  }

  GameState state_;
  KingdomMap view_;
  ControlBar bar_;
  MapEncounters map_;
};

}  // namespace bench
