// The map screen's rules that need no application: the camera limits, the
// acknowledgement, the quest events of an arrival, the fixed-place battles
// and the visitor code.

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "game/cell_geometry.h"
#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "map/map_screen.h"
#include "test_map_encounters_util.h"

TEST(MapScreen, CentringAndScrollingShareOneLimit) {
  KingdomMap view;
  map_screen::CentreCamera(view, 5000, 5000, 400, 300);
  EXPECT_EQ(view.cameraX, kCameraMaxX);
  EXPECT_EQ(view.cameraY, kCameraMaxY);
  map_screen::CentreCamera(view, -5000, -5000, 570, 440);
  EXPECT_EQ(view.cameraX, kCameraMinX);
  EXPECT_EQ(view.cameraY, kCameraMinY);
  map_screen::CentreCamera(view, 100, 200, 400, 300);
  EXPECT_EQ(view.cameraX, -300);
  EXPECT_EQ(view.cameraY, -100);
}

TEST(MapScreen, EveryCornerOfTheCameraShowsOnlyTheMap) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  KingdomMap view;
  ASSERT_EQ(view.LoadTiles(&d.dev), 1u);
  const int32_t xs[] = {kCameraMinX, kCameraMaxX};
  const int32_t ys[] = {kCameraMinY, kCameraMaxY};
  for (int32_t x : xs) {
    for (int32_t y : ys) {
      view.cameraX = x;
      view.cameraY = y;
      d.Begin();
      map_screen::DrawLand(view);
      d.End();
      int black = 0;
      for (int py = 0; py < 600; ++py)
        for (int px = 0; px < 800; ++px) black += d.Pixel(px, py) == 0;
      EXPECT_LT(black, 800 * 600 / 100) << "camera " << x << ", " << y;
    }
  }
  view.ReleaseTiles();
}

TEST(MapScreen, AnAdjacentAttackMeetsNothingTwice) {
  auto s = poptest::NewGame();
  MapEncounters e;
  map_copy::BuildFromGame(e, *s);
  // The player took gold pile 0 with his last walk ...
  e.metCode = 12;
  e.EnterPlace(s->gold);
  ASSERT_EQ(s->gold, 50);
  // ... and now attacks the army beside him: no walk runs.
  e.attackAdjacent = 1;
  e.goldPilePresent[0] = 1;  // even a pile that were back would not pay
  KingdomMap view;
  uint8_t showMessages = 0;
  map_screen::Acknowledge(e, view, showMessages, true);
  EXPECT_EQ(e.walkEnded, 1);
  e.EnterPlace(s->gold);
  EXPECT_EQ(s->gold, 50);
}

TEST(MapScreen, FindsNeverTakeGoldPastItsLimit) {
  auto s = poptest::NewGame();
  MapEncounters e;
  map_copy::BuildFromGame(e, *s);
  s->gold = INT32_MAX - 10;
  e.metCode = 12 + 9;  // gold pile 9: 1000 gold
  e.EnterPlace(s->gold);
  EXPECT_EQ(s->gold, INT32_MAX);
}

TEST(MapScreen, AcknowledgementByEnterAndByTheRightButton) {
  MapEncounters e;
  KingdomMap view;
  uint8_t showMessages = 1;
  e.playerWalkState = MapEncounters::kWalkPlanned;
  e.questMessage = 5;
  e.fameRewardsShown = 1;
  e.fameRewardGranted[0] = 1;
  map_screen::Acknowledge(e, view, showMessages, false);
  EXPECT_EQ(e.playerWalkState, MapEncounters::kWalkConfirmed)
      << "the right button starts the planned walk";
  EXPECT_EQ(e.questMessage, 5) << "but does not close a quest-event message";
  EXPECT_EQ(e.fameRewardsShown, 1);
  EXPECT_EQ(showMessages, 0);
  map_screen::Acknowledge(e, view, showMessages, true);
  EXPECT_EQ(e.questMessage, 0);
  EXPECT_EQ(showMessages, 1);

  // A find is taken, an inspect text closes, an outcome ends the armies' turn.
  e.findShown = MapEncounters::kFindShown;
  e.inspectShown = 1;
  e.outcomeShown = 1;
  e.marchPhase = MapEncounters::kSettle;
  map_screen::Acknowledge(e, view, showMessages, true);
  EXPECT_EQ(e.findShown, MapEncounters::kFindNone);
  EXPECT_EQ(e.storeFindPending, 1);
  EXPECT_EQ(e.infoMode, MapEncounters::kInfoJustClosed);
  EXPECT_EQ(e.marchPhase, MapEncounters::kTurnOver);

  // A hero who joined is selected and the view centres on him.
  e.heroOnMap[1] = 1;
  e.heroX[1] = 400;
  e.heroY[1] = 500;
  e.focusHero = 2;
  map_screen::Acknowledge(e, view, showMessages, true);
  EXPECT_EQ(e.selectedHero, 2);
  EXPECT_EQ(e.focusHero, 0);
  EXPECT_EQ(view.cameraX, 400 - 570);
  EXPECT_EQ(view.cameraY, 500 - 440);
}

TEST(MapScreen, QuestEventSpots) {
  struct Case {
    uint32_t code;
    uint8_t quest;
    uint8_t stage;
    uint8_t message;  // 0: none
  };
  const Case cases[] = {
      {1001, 7, 1, 3}, {1001, 7, 3, 2},  {1001, 7, 0, 0},   {1001, 7, 5, 0},   {1000, 1, 1, 0},
      {1000, 1, 2, 1}, {1008, 21, 0, 3}, {1028, 89, 2, 31}, {1029, 88, 4, 30}, {1025, 55, 0, 0},
  };
  for (const Case& c : cases) {
    auto s = poptest::NewGame();
    for (uint8_t& stage : s->questStage) stage = 0;
    s->questStage[c.quest - 1] = c.stage;
    MapEncounters e;
    e.metCode = c.code;
    map_screen::ArrivalQuestEvents(e, *s);
    EXPECT_EQ(e.questEventPending, c.message) << c.code << " at stage " << int(c.stage);
    EXPECT_EQ(e.findShown, c.message ? MapEncounters::kFindLoad : MapEncounters::kFindNone)
        << c.code;
  }
  // Spot 1004 shows the shared message while quest 9 has started.
  auto s = poptest::NewGame();
  for (uint8_t& stage : s->questStage) stage = 0;
  MapEncounters e;
  e.metCode = 1004;
  map_screen::ArrivalQuestEvents(e, *s);
  EXPECT_EQ(e.questEventPending, 0);
  s->questStage[9 - 1] = 4;
  map_screen::ArrivalQuestEvents(e, *s);
  EXPECT_EQ(e.questEventPending, 3);
}

TEST(MapScreen, ClosingAnEventMessageFinishesItsQuest) {
  auto s = poptest::NewGame();
  s->questStage[7 - 1] = 3;
  MapEncounters e;
  e.metCode = 1001;
  e.storeFindPending = 1;
  map_screen::CloseFind(e, *s);
  EXPECT_EQ(s->questStage[7 - 1], kQuestAchieved);
  EXPECT_EQ(e.storeFindPending, 0);
  // A quest not running stays as it is.
  s->questStage[7 - 1] = 1;
  map_screen::CloseFind(e, *s);
  EXPECT_EQ(s->questStage[7 - 1], 1);
}

TEST(MapScreen, FixedPlacesSpiedOnOrFought) {
  auto s = poptest::NewGame();
  s->placeState[17] = 1;
  s->questStage[15 - 1] = 2;
  MapEncounters e;
  e.placeKind = 1;
  map_screen::ArrivalQuestEvents(e, *s);
  EXPECT_EQ(e.questEventPending, 101);
  EXPECT_EQ(s->questStage[15 - 1], kQuestAchieved);
  EXPECT_EQ(e.placeKind, 0) << "no battle while the quest runs";

  struct Case {
    uint8_t kind;
    int index;  // -1: no battle
  };
  s = poptest::NewGame();
  for (uint8_t& st : s->placeState) st = 1;
  for (uint8_t& stage : s->questStage) stage = 0;
  const Case open[] = {{1, 71}, {2, 68}, {3, 66}, {4, 67}, {5, 65}, {6, 72}, {7, 69}, {8, 70}};
  for (const Case& c : open)
    EXPECT_EQ(map_screen::FixedPlaceBattle(c.kind, *s), c.index) << int(c.kind);
  for (uint8_t& st : s->placeState) st = 0;
  EXPECT_EQ(map_screen::FixedPlaceBattle(3, *s), -1) << "a freed place starts nothing";
  EXPECT_EQ(map_screen::FixedPlaceBattle(6, *s), 72) << "the enemy's castle always fights";
  s->placeState[17] = 1;
  s->questStage[15 - 1] = 4;
  EXPECT_EQ(map_screen::FixedPlaceBattle(1, *s), -1);
  s->questStage[15 - 1] = 7;
  EXPECT_EQ(map_screen::FixedPlaceBattle(1, *s), 71);
}

TEST(MapScreen, VisitorCode) {
  MapEncounters e;
  e.moverIsPlayer = 1;
  EXPECT_EQ(map_screen::VisitorCode(e), 1);
  e.moverIsPlayer = 0;
  e.moverHero = 0;
  EXPECT_EQ(map_screen::VisitorCode(e), 2) << "hero 0";
  e.moverHero = 4;
  EXPECT_EQ(map_screen::VisitorCode(e), 6);
}
