// Drawing the map population: panels where the layout puts them, the
// animations, the unit panel's buttons, and screenshots of the start of a
// new game and of an inspection box for a person to look at.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/cell_geometry.h"
#include "game/save_limits.h"
#include "map/control_bar.h"
#include "map/day_change.h"
#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "map/map_picture.h"
#include "map/map_screen.h"
#include "platform/asset_log.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "test_folder.h"
#include "test_map_encounters_util.h"

namespace {

bool NonBlack(const poptest::HeadlessDevice& d, int x, int y) { return d.Pixel(x, y) != 0; }

bool ScreenBlack(const poptest::HeadlessDevice& d) {
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (NonBlack(d, x, y)) return false;
  return true;
}

struct SpriteList : MapSpriteSink {
  void Sprite(const MapSprite& s) override { sprites.push_back(s); }
  std::vector<MapSprite> sprites;
};

// Every figure, treasure, mark and route dot of the population shown, at
// world point (x, y).
void EverythingAt(MapEncounters& e, int32_t x, int32_t y) {
  for (int k = 0; k < 20; ++k) {
    e.goldPilePresent[k] = e.bagPresent[k] = 1;
    e.goldPileX[k] = e.bagX[k] = x;
    e.goldPileY[k] = e.bagY[k] = y;
  }
  for (int k = 0; k < 50; ++k) {
    e.chestPresent[k] = 1;
    e.chestX[k] = x;
    e.chestY[k] = y;
  }
  for (int a = 0; a < 100; ++a) {
    e.enemyPresent[a] = 1;
    e.enemyX[a] = x;
    e.enemyY[a] = y;
  }
  for (int k = 0; k < 10; ++k) {
    e.heroOnMap[k] = e.waypointActive[k] = 1;
    e.heroX[k] = e.waypointX[k] = x;
    e.heroY[k] = e.waypointY[k] = y;
  }
  e.playerSelected = 1;
  e.selectedHero = 1;
  e.playerX = e.walkMarkX = e.blockedMarkX = x;
  e.playerY = e.walkMarkY = e.blockedMarkY = y;
  e.routeShown = e.walkMarkShown = e.blockedMarkShown = e.meetingState = 1;
}

}  // namespace

TEST(MapEncountersDraw, FameRowsAndBoxesWhereTheLayoutPutsThem) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  MapEncounters e;
  e.LoadArt(&d.dev);
  uint8_t once[100] = {};
  int32_t gold = 0;
  e.GrantFameRewards(30, once, gold);                      // rewards 0..4 are granted, rows 0..4
  for (int k = 2; k < 5; ++k) e.fameRewardGranted[k] = 0;  // keep two: rows 0 and 1
  d.Begin();
  e.DrawFameRewards(1);
  d.End();
  // The heading box at (175, 320), 371 x 38; the rows at y 360 and 400.
  EXPECT_TRUE(NonBlack(d, 180, 325));
  EXPECT_TRUE(NonBlack(d, 540, 395));
  EXPECT_TRUE(NonBlack(d, 180, 405));
  EXPECT_TRUE(NonBlack(d, 180, 436));
  EXPECT_FALSE(NonBlack(d, 180, 442));  // no third row
  EXPECT_FALSE(NonBlack(d, 170, 365));
  EXPECT_FALSE(NonBlack(d, 550, 365));

  // Hidden while the enemy moves or the messages wait.
  d.Begin();
  e.marchPhase = MapEncounters::kChooseArmy;
  e.DrawFameRewards(1);
  e.marchPhase = MapEncounters::kTurnOver;
  e.DrawFameRewards(0);
  d.End();
  EXPECT_FALSE(NonBlack(d, 180, 365));

  // The inspect box: nothing for a code without a row, the row's box else.
  d.Begin();
  e.inspectShown = 1;
  e.inspectCode = 4049;
  e.DrawInspectText();
  d.End();
  EXPECT_FALSE(NonBlack(d, 300, 230));
  d.Begin();
  e.inspectCode = 22;  // 9.5 x 1.1 at (20, 200)
  e.DrawInspectText();
  d.End();
  EXPECT_TRUE(NonBlack(d, 22, 202));
  EXPECT_TRUE(NonBlack(d, 625, 268));
  EXPECT_FALSE(NonBlack(d, 18, 202));
  EXPECT_FALSE(NonBlack(d, 22, 275));

  // The corner box widens for gold above 99999.
  d.Begin();
  e.DrawMessages(295, 280, 0, 99999, nullptr, 0);
  d.End();
  EXPECT_FALSE(NonBlack(d, 200, 10));
  d.Begin();
  e.DrawMessages(295, 280, 0, 100000, nullptr, 0);
  d.End();
  EXPECT_TRUE(NonBlack(d, 200, 10));
  e.ReleaseArt();
}

TEST(MapEncountersDraw, WalkAndChestAnimation) {
  SetBackend(Backend::Headless);
  headless::Reset();
  MapEncounters e;
  std::string phases;
  std::string chests;
  for (uint32_t ms = 0; ms <= 1000; ms += 10) {
    headless::SetNowMs(ms);
    const uint8_t before = e.walkPhase;
    const uint8_t chestBefore = e.chestFrame;
    e.Animate();
    if (e.walkPhase != before || ms == 0) phases += char('0' + e.walkPhase);
    if (e.chestFrame != chestBefore) chests += char('0' + e.chestFrame);
  }
  // One step a little over every 100 ms (the next interval starts a frame later).
  EXPECT_EQ(phases.substr(0, 9), "012321012");
  EXPECT_EQ(chests, "1");
  for (uint32_t ms = 1010; ms <= 3000; ms += 10) {
    headless::SetNowMs(ms);
    const uint8_t chestBefore = e.chestFrame;
    e.Animate();
    if (e.chestFrame != chestBefore) chests += char('0' + e.chestFrame);
  }
  EXPECT_EQ(chests.substr(0, 5), "12301");
  headless::Reset();
}

TEST(MapEncountersDraw, PanelButtons) {
  poptest::TestMouse m;
  InputDevice& mouse = m.mouse;

  MapEncounters e;
  // Nothing is hovered or clicked while nobody is selected.
  e.HoverPanelButtons(400, 550);
  EXPECT_EQ(e.hoverPanelButton, 0);
  m.Set(0, true);
  EXPECT_EQ(e.ClickPanelButtons(400, 550, &mouse), 0u);

  e.playerSelected = 1;
  e.HoverPanelButtons(400, 550);  // Walk
  EXPECT_EQ(e.hoverPanelButton, 1);
  EXPECT_EQ(e.panelButtonLook[MapEncounters::LookIndex(1)], 1);
  e.HoverPanelButtons(700, 560);  // Center, stored first
  EXPECT_EQ(e.hoverPanelButton, 5);
  EXPECT_EQ(e.panelButtonLook[0], 1);
  EXPECT_EQ(e.panelButtonLook[1], 0);
  e.ClearPanelHover();
  EXPECT_EQ(e.hoverPanelButton, 0);

  EXPECT_EQ(e.ClickPanelButtons(740, 540, &mouse), 1u);  // Next
  EXPECT_EQ(e.pressedPanelButton, 6);
  EXPECT_EQ(e.panelButtonLook[5], 2);
  EXPECT_EQ(e.panelButtonHeld, 1);
  // While a button is held the looks stay; the hovered id is still recorded.
  e.HoverPanelButtons(400, 550);
  EXPECT_EQ(e.hoverPanelButton, 1);
  EXPECT_EQ(e.panelButtonLook[5], 2);
  EXPECT_EQ(e.panelButtonLook[1], 0);

  // The right button counts like the left one; above the buttons nothing.
  m.Set(0, false);
  EXPECT_EQ(e.ClickPanelButtons(600, 550, &mouse), 0u);
  m.Set(1, true);
  e.panelButtonHeld = 0;
  EXPECT_EQ(e.ClickPanelButtons(600, 550, &mouse), 1u);  // Inspect
  EXPECT_EQ(e.pressedPanelButton, 4);
  EXPECT_EQ(e.ClickPanelButtons(600, 520, &mouse), 0u);
}

TEST(MapEncountersDraw, Screenshots) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  ClearMissingAssets();

  GameState state;
  RunNewGameSequence(state);
  KingdomMap map;
  map.LoadTiles(&d.dev);
  for (int k = 0; k < 30; ++k) map.placeStates[k] = state.placeState[k];
  ControlBar bar;
  bar.LoadArt(&d.dev);
  bar.portrait = state.playerPortrait;

  MapEncounters e;
  e.LoadArt(&d.dev);
  poptest::BuildFromGame(e, state);
  e.unitArmySlots[0][0] = e.unitArmySlots[0][1] = 1;
  e.unitArmySlots[0][6] = 0;
  e.unitArmySlots[0][7] = 1;
  e.unitArmySlots[0][12] = state.playerArmies.armyKind[0];
  e.unitArmySlots[0][13] = state.playerArmies.armyKind[1];

  // The start of a new game: the player selected, a walk planned towards the
  // army that guards the gold mine (the walk ends beside it, in an attack).
  uint8_t flag = 1;
  e.ClickCell(e.playerCell, flag, e.playerX, e.playerY);
  flag = 1;
  const int32_t tx = e.playerX + 200, ty = e.playerY - 120;
  e.ClickCell(cells::CellAt(tx, ty), flag, tx, ty);
  e.CellAtPoint();
  e.BeginStep();
  EXPECT_EQ(e.playerWalkState, MapEncounters::kWalkPlanned);
  EXPECT_EQ(e.waypointCount, 4);
  EXPECT_EQ(e.attackPending, 1);
  EXPECT_EQ(e.enemyIndex, 1);
  e.HoverPanelButtons(420, 560);
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 1);
  d.End();
  std::string path = TestFile("population_new_game.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;
  // The same once the day's banner is closed, with the walk in view.
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 0);
  d.End();
  path = TestFile("population_new_game_walk.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;
  // The unit panel and the player's figure are there.
  const int32_t sx = e.playerX - map.cameraX, sy = e.playerY - map.cameraY;
  EXPECT_NE(d.Pixel(sx + 20, sy + 20), 0u);
  EXPECT_NE(d.Pixel(120, 560), 0u);

  // An inspection box over an enemy army, on day 2 with a hero selected.
  e.day = 2;
  e.heroOnMap[1] = 1;
  e.heroPlacePending = 1;
  e.heroToPlace = 1;
  e.FindFreeCell();
  e.heroFacing[1] = 3;
  uint8_t click = 0;
  e.ClickCell(e.heroCell[1], click, e.heroX[1], e.heroY[1]);
  EXPECT_EQ(e.selectedHero, 2);
  map.cameraX = e.heroX[1] - 400;
  map.cameraY = e.heroY[1] - 300;
  e.InspectCell(e.enemyCell[18]);
  EXPECT_EQ(e.inspectCode, 24u);
  state.gold = 12345;
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 1);
  d.End();
  path = TestFile("population_inspect.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;

  // A find and a quest-event message, for the layout of the texts.
  e.inspectShown = 0;
  int32_t gold = 0;
  e.metCode = 53;  // chest 1: gold, gem, artifact and an item
  e.EnterPlace(gold);
  e.findShown = MapEncounters::kFindShown;
  e.LoadFindArt(&d.dev);
  e.questEventPending = 0;
  state.gold = 1234567;
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 0);
  d.End();
  path = TestFile("population_find.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;

  e.findShown = MapEncounters::kFindNone;
  e.questMessage = 28;
  state.gold = 600;
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 0);
  d.End();
  path = TestFile("population_quest_message.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;

  e.questMessage = 3;
  e.outcomeShown = 1;
  e.outcomeDefendersHelped = 82;
  e.marchPhase = MapEncounters::kSettle;
  d.Begin();
  map_screen::DrawMap(map, e, bar, state, 1);
  d.End();
  EXPECT_EQ(e.questMessage, 0);
  path = TestFile("population_outcome.png");
  EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;

  // Only this record's own pictures must be there; the item pictures belong
  // to the item tables.
  for (const std::string& missing : MissingAssets())
    if (missing.find("Items/") == std::string::npos) ADD_FAILURE() << "missing picture " << missing;

  e.ReleaseArt();
  map.ReleaseTiles();
  bar.sheet->Release();
  delete bar.sheet;
  bar.sheet = nullptr;
}

// The save reader holds the camera and the day to the map's own limits.
static_assert(save_limits::kCameraX.min == kCameraMinX && save_limits::kCameraX.max == kCameraMaxX);
static_assert(save_limits::kCameraY.min == kCameraMinY && save_limits::kCameraY.max == kCameraMaxY);
static_assert(save_limits::kLastCampaignDay == day_change::kPeaceTreatyDay);

// Positions and cameras at the ends of 32 bits put everything far off the
// screen, and the sanitizer build finds no overflow on the way; the corners
// a save may hold draw as ever.
TEST(MapEncountersDraw, FarPositionsAndCamerasDrawNothing) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  MapEncounters e;
  e.LoadArt(&d.dev);
  for (int32_t far : {INT32_MIN, INT32_MAX}) {
    EverythingAt(e, far, far);
    for (int32_t camera : {INT32_MIN, 0, INT32_MAX}) {
      if (camera == far) continue;  // everything at the screen's corner
      d.Begin();
      e.DrawTreasures(camera, camera);
      e.DrawEnemies(camera, camera);
      e.DrawParty(camera, camera);
      d.End();
      EXPECT_TRUE(ScreenBlack(d)) << far << " " << camera;
    }
  }
  uint8_t stages[100] = {};
  KingdomMap view;
  for (int32_t camera : {INT32_MIN, INT32_MAX}) {
    view.cameraX = view.cameraY = camera;
    SpriteList list;
    EmitQuestMarkers(view, stages, list);
    for (const MapSprite& s : list.sprites) EXPECT_TRUE(s.x < -800 || s.x > 800) << camera;
  }

  // The whole map at either corner a save may hold: camera, positions, gold,
  // fame and day at the ends of their ranges.
  GameState state;
  RunNewGameSequence(state);
  KingdomMap map;
  map.LoadTiles(&d.dev);
  ControlBar bar;
  bar.LoadArt(&d.dev);
  for (bool top : {false, true}) {
    const auto end = [top](save_limits::Range r) {
      return static_cast<int32_t>(top ? r.max : r.min);
    };
    state.gold = end(save_limits::kGold);
    state.fame = e.fame = end(save_limits::kFame);
    state.day = e.day = static_cast<uint32_t>(end(save_limits::kDay));
    EverythingAt(e, end(save_limits::kWorldX), end(save_limits::kWorldY));
    map.cameraX = end(save_limits::kCameraX);
    map.cameraY = end(save_limits::kCameraY);
    d.Begin();
    map_screen::DrawMap(map, e, bar, state, 1);
    d.End();
    EXPECT_FALSE(ScreenBlack(d));
  }
  e.ReleaseArt();
  map.ReleaseTiles();
  bar.sheet->Release();
}
