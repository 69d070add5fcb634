// Draws the map view with its quest markers and the control bar at the
// start camera and at four other places into PNGs in the test-output
// folder, for a person to look at; checks that every picture loaded.

#include <gtest/gtest.h>

#include <string>

#include "game/game_state.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "map/map_screen.h"
#include "platform/asset_log.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "test_folder.h"
#include "test_map_encounters_util.h"

namespace {

// The land, then the markers and the bar, as the map screen draws them.
void DrawView(KingdomMap& map, ControlBar& bar, const uint8_t* stages) {
  map_screen::DrawLand(map);
  map.DrawQuestMarkers(stages);
  bar.Draw();
}

}  // namespace

TEST(KingdomMapScreenshot, StartCameraAndFourOthers) {
  SetBackend(Backend::Headless);
  headless::Reset();
  ClearMissingAssets();
  GraphicsDevice device;
  ASSERT_EQ(device.CreateDirect3D(), 1u);
  ASSERT_EQ(device.CreateDevice(nullptr, 0, 0, 800, 600, 16), 1u);

  GameState state;
  RunNewGameSequence(state);

  KingdomMap map;
  EXPECT_EQ(map.LoadTiles(&device), 1u);
  for (int k = 0; k < 30; ++k) map.placeStates[k] = state.placeState[k];
  ControlBar bar;
  EXPECT_EQ(bar.LoadArt(&device), 1u);
  bar.portrait = state.playerPortrait;

  struct Shot {
    const char* name;
    int32_t x, y;
    int setup;  // 0 new game, 1 some places changed from here on
  };
  const Shot shots[] = {
      {"map_start", -1115, 320, 0},       // the start camera: the west and its towns
      {"map_palace", -150, -250, 0},      // the palace, the desert's edge, the lake
      {"map_markers", -700, 950, 0},      // two towns and six quest markers
      {"map_wasteland", 1500, 300, 1},    // the mountains, the castle, the wasteland
      {"map_far_corner", 2958, 1480, 1},  // the south-east corner with its frame
  };
  for (const Shot& s : shots) {
    map.cameraX = s.x;
    map.cameraY = s.y;
    if (s.setup == 1) {
      map.placeStates[10] = 0;   // the tower stands
      map.villageJoined[5] = 1;  // the mountain village has joined
      map.townOwned[4] = 1;
      map.animFrame = 2;
      bar.Hover(700, 200);
    }
    device.BeginScene();
    device.Clear(0xFF000000u, 1.0f);
    DrawView(map, bar, state.questStage);
    device.EndScene();
    device.Present();
    const std::string path = TestFile(s.name + std::string(".png"));
    EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;
    // The land covers the whole screen: no black left between squares.
    const uint32_t* px = headless::FramePixels();
    int black = 0;
    for (int i = 0; i < 800 * 600; ++i) black += (px[i] & 0xFFFFFFu) == 0;
    EXPECT_LT(black, 800 * 600 / 100) << s.name;
  }
  for (const std::string& missing : MissingAssets()) ADD_FAILURE() << "missing picture " << missing;
  map.ReleaseTiles();
  device.Release();
  headless::Reset();
}
