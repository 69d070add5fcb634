// Clicks on the map, planned walks, stepping, and what a walk finds where it
// ends.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/cell_geometry.h"
#include "platform/music.h"
#include "test_map_encounters_util.h"

namespace {

// An empty map with the place lists laid out and the player at (x, y).
struct Field {
  MapEncounters e;
  explicit Field(int32_t x = 0, int32_t y = 400) { poptest::BuildEmpty(e, cells::CellAt(x, y)); }
  void PutHero(int k, int32_t x, int32_t y) {
    e.heroOnMap[k] = 1;
    e.heroCell[k] = cells::CellAt(x, y);
    e.heroX[k] = x;
    e.heroY[k] = y;
    e.SetCode(e.heroCell[k], uint8_t(k + 2));
  }
  void PutArmy(int a, int32_t x, int32_t y) {
    e.enemyPresent[a] = 1;
    e.enemyX[a] = x;
    e.enemyY[a] = y;
    e.enemyCell[a] = cells::CellAt(x, y);
  }
  // A click on the cell at (x, y), handed over the way the map screen does.
  void Click(int32_t x, int32_t y) {
    uint8_t flag = 1;
    e.ClickCell(cells::CellAt(x, y), flag, x, y);
    e.pointPending = 1;
    if (e.pointPending) {
      e.pointPending = 0;
      e.CellAtPoint();
    }
    if (e.beginStepPending) e.BeginStep();
  }
  void SelectPlayer() { Click(e.playerX, e.playerY); }
  // Confirms a planned walk (the Walk button) and steps until it ends.
  int WalkAll(uint8_t speed, int maxFrames = 1000) {
    if (e.playerWalkState == MapEncounters::kWalkPlanned)
      e.playerWalkState = MapEncounters::kWalkConfirmed;
    if (e.heroWalkReady) {
      e.heroWalkPlanned = e.heroWalkReady;
      e.heroWalkReady = 0;
    }
    for (int frame = 1; frame <= maxFrames; ++frame) {
      e.SettleStep(speed);
      if (e.walkEnded && e.playerWalkState == MapEncounters::kWalkIdle && !e.heroWalking)
        return frame;
    }
    return -1;
  }
};

void ExpectSteps(const MapEncounters& e, const std::vector<std::pair<int32_t, int32_t>>& steps) {
  ASSERT_EQ(e.waypointCount, steps.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(e.waypointX[i], steps[i].first) << "step " << i;
    EXPECT_EQ(e.waypointY[i], steps[i].second) << "step " << i;
    EXPECT_EQ(e.waypointActive[i], 1) << "step " << i;
  }
}

}  // namespace

TEST(MapEncountersClick, SelectionAndPlanning) {
  Field f;
  // A first click elsewhere selects nobody and plans nothing.
  f.Click(200, 200);
  EXPECT_EQ(f.e.playerSelected, 0);
  EXPECT_EQ(f.e.waypointCount, 0);

  f.SelectPlayer();
  EXPECT_EQ(f.e.playerSelected, 1);
  EXPECT_EQ(f.e.attackerCode, 1);
  EXPECT_EQ(f.e.selectionChanged, 1);
  EXPECT_EQ(f.e.waypointCount, 0);

  // Three right and five up: three diagonal steps, then two straight.
  f.Click(120, 200);
  ExpectSteps(f.e, {{40, 360}, {80, 320}, {120, 280}, {120, 240}, {120, 200}});
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
  EXPECT_EQ(f.e.walkSteps, 5);
  EXPECT_EQ(f.e.playerStepLimit, 2);
  EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetFar);
  EXPECT_EQ(f.e.pointX, 120);
  EXPECT_EQ(f.e.pointY, 200);
  EXPECT_EQ(f.e.targetCell, cells::CellAt(120, 200));
  EXPECT_EQ(f.e.bagState, MapEncounters::kBagLoad);
  EXPECT_EQ(f.e.routeShown, 1);
  EXPECT_EQ(f.e.blockedMarkShown, 0);

  // Ten cells away: seven steps, the rest dropped; the last step names the cell.
  f.Click(400, 400);
  EXPECT_EQ(f.e.waypointCount, 7);
  EXPECT_EQ(f.e.waypointX[6], 280);
  EXPECT_EQ(f.e.targetCell, cells::CellAt(280, 400));
  EXPECT_EQ(f.e.moveRight, 0);
  // With three steps left today, three.
  f.e.playerStepsLeft = 3;
  f.Click(400, 400);
  EXPECT_EQ(f.e.waypointCount, 3);
  EXPECT_EQ(f.e.targetCell, cells::CellAt(120, 400));
  // With none, nothing.
  f.e.playerStepsLeft = 0;
  f.Click(400, 400);
  EXPECT_EQ(f.e.waypointCount, 0);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
  EXPECT_EQ(f.e.beginStepPending, 0);

  // A click on the player himself drops the plan and re-selects him.
  f.e.playerStepsLeft = 7;
  f.Click(200, 400);
  f.SelectPlayer();
  EXPECT_EQ(f.e.waypointCount, 0);
  EXPECT_EQ(f.e.waypointActive[0], 0);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
}

TEST(MapEncountersClick, EnemyOnThePathMakesAnAttack) {
  Field f;
  f.PutArmy(40, 120, 400);
  f.SelectPlayer();
  f.Click(200, 400);
  EXPECT_EQ(f.e.waypointCount, 2);
  EXPECT_EQ(f.e.attackPending, 1);
  EXPECT_EQ(f.e.attackPlanned, 1);
  EXPECT_EQ(f.e.enemyIndex, 40);
  EXPECT_EQ(f.e.walkMarkShown, 1);
  EXPECT_EQ(f.e.walkMarkX, 120);
  EXPECT_EQ(f.e.walkMarkY, 400);
  EXPECT_EQ(f.e.waypointActive[2], 1);  // the taken-back step keeps its dot
  EXPECT_EQ(f.e.pointX, 80);
  EXPECT_EQ(f.e.walkSteps, 2);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
  EXPECT_EQ(f.e.playerStepLimit, 5);
  EXPECT_EQ(f.e.attackAdjacent, 0);
  EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetNone);  // an attack walk is no plain walk

  // The army on the first step: nothing to walk, the attack is adjacent.
  f.PutArmy(41, 40, 400);
  f.Click(40, 400);
  EXPECT_EQ(f.e.waypointCount, 0);
  EXPECT_EQ(f.e.attackPending, 1);
  EXPECT_EQ(f.e.attackAdjacent, 1);
  EXPECT_EQ(f.e.enemyIndex, 41);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
  for (uint8_t active : f.e.waypointActive) EXPECT_EQ(active, 0);
}

TEST(MapEncountersClick, TradeMode) {
  {  // A hero two cells away: one step, the meeting walk starts at once.
    Field f;
    f.PutHero(0, 80, 400);
    f.SelectPlayer();
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(80, 400);
    EXPECT_EQ(f.e.playerSelected, 1);  // trade mode names a partner, it selects nobody
    EXPECT_EQ(f.e.waypointCount, 1);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetWalking);
    EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkConfirmed);
    EXPECT_EQ(f.e.exchangeRight, 1);
    EXPECT_EQ(f.e.exchangeLeft, 2);
    EXPECT_EQ(f.e.walkMarkX, 80);
  }
  {  // An adjacent hero: the trade opens at once.
    Field f;
    f.PutHero(3, 40, 400);
    f.SelectPlayer();
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(40, 400);
    EXPECT_EQ(f.e.waypointCount, 0);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetReached);
    EXPECT_EQ(f.e.exchangeRequested, 1);
    EXPECT_EQ(f.e.exchangeRight, 1);
    EXPECT_EQ(f.e.exchangeLeft, 5);
  }
  {  // An empty cell three steps away: a plain walk; an adjacent one ends trade mode.
    Field f;
    f.SelectPlayer();
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(120, 400);
    EXPECT_EQ(f.e.waypointCount, 3);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetFar);
    EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(40, 400);
    EXPECT_EQ(f.e.waypointCount, 0);
    EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetNone);
    EXPECT_EQ(f.e.waypointActive[0], 0);
  }
  {  // A hero nine cells away: seven steps, the meeting is called off.
    Field f;
    f.PutHero(1, 360, 400);
    f.SelectPlayer();
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(360, 400);
    EXPECT_EQ(f.e.waypointCount, 7);
    EXPECT_EQ(f.e.meetingCalledOff, 1);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetFar);
    EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
  }
  {  // No steps left today: no meeting.
    Field f;
    f.PutHero(1, 80, 400);
    f.SelectPlayer();
    f.e.playerStepsLeft = 0;
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(80, 400);
    EXPECT_EQ(f.e.waypointCount, 0);
    EXPECT_EQ(f.e.meetingCalledOff, 1);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetNone);
  }
  {  // A hero walks to the player: the hero's meeting walk starts at once.
    Field f;
    f.PutHero(2, 80, 400);
    f.Click(80, 400);
    EXPECT_EQ(f.e.selectedHero, 3);
    f.e.meetingState = MapEncounters::kMeetAsked;
    f.Click(0, 400);
    EXPECT_EQ(f.e.meetingState, MapEncounters::kMeetWalking);
    EXPECT_EQ(f.e.waypointCount, 1);
    EXPECT_EQ(f.e.exchangeRight, 4);
    EXPECT_EQ(f.e.exchangeLeft, 1);
    // The order is handed on: none is left for the Walk button once the
    // meeting is over or refused.
    EXPECT_EQ(f.e.heroWalkReady, 0);
    EXPECT_EQ(f.e.heroWalkPlanned, 1);
  }
}

TEST(MapEncountersClick, WhoIsSelected) {
  Field f;
  f.PutHero(2, 80, 400);
  f.PutHero(6, 80, 400);
  f.Click(80, 400);
  EXPECT_EQ(f.e.selectedHero, 7);  // the higher-numbered hero on the cell
  EXPECT_EQ(f.e.playerSelected, 0);
  EXPECT_EQ(f.e.attackerCode, 8);
  EXPECT_EQ(f.e.walkingHero, 6);

  // A hero's walk waits for the Walk command as heroWalkReady.
  f.Click(80, 280);
  EXPECT_EQ(f.e.heroWalkReady, 7);
  EXPECT_EQ(f.e.bagHeroToLoad, 7);
  EXPECT_EQ(f.e.heroStepLimit[6], 4);

  // A hero who left the map keeps a stale cell: a click there selects nobody.
  Field g;
  g.e.heroCell[4] = cells::CellAt(160, 400);
  g.e.SetCode(g.e.heroCell[4], 6);  // a stale code too
  g.Click(160, 400);
  EXPECT_EQ(g.e.selectedHero, 0);
  EXPECT_EQ(g.e.playerSelected, 0);
  g.SelectPlayer();
  g.Click(160, 400);
  EXPECT_EQ(g.e.selectedHero, 0);
  EXPECT_EQ(g.e.playerSelected, 1);

  // A damaged record naming hero 200: the click selects and plans nothing
  // (and writes no hero table out of range).
  Field h;
  h.e.selectedHero = 200;
  h.Click(80, 280);
  EXPECT_EQ(h.e.selectedHero, 0);
  EXPECT_EQ(h.e.waypointCount, 0);
  EXPECT_EQ(h.e.heroWalkReady, 0);
}

TEST(MapEncountersWalk, BlockedMark) {
  Field f;
  f.PutHero(7, 80, 400);
  f.PutHero(2, 80, 320);
  f.SelectPlayer();
  // Heroes 6..9 are not looked at by the point tests; the cell code still
  // marks the cell as taken.
  f.e.SetCode(f.e.heroCell[7], 0);
  f.Click(80, 400);  // selects hero 7
  f.SelectPlayer();
  f.e.pointX = 80;
  f.e.pointY = 400;
  f.e.targetCell = cells::CellAt(80, 400);
  f.e.playerWalkState = MapEncounters::kWalkPlanned;
  f.e.BeginStep();
  EXPECT_EQ(f.e.blockedMarkShown, 0);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
  // Hero 2 at the point raises the mark.
  f.e.pointY = 320;
  f.e.targetCell = cells::CellAt(80, 320);
  f.e.BeginStep();
  EXPECT_EQ(f.e.blockedMarkShown, 1);
  EXPECT_EQ(f.e.blockedMarkX, 80);
  EXPECT_EQ(f.e.blockedMarkY, 320);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);  // the cell code dropped the plan
  EXPECT_EQ(f.e.blockedKind, 0);
}

TEST(MapEncountersWalk, SteppingAndTheEndOfAWalk) {
  Field f;
  const uint32_t start = f.e.playerCell;
  f.SelectPlayer();
  f.Click(40, 400);
  ASSERT_EQ(f.e.playerWalkState, MapEncounters::kWalkPlanned);
  f.e.playerWalkState = MapEncounters::kWalkConfirmed;

  // Speed 7, one cell right: on the waypoint after six calls, reached in the seventh.
  const int32_t expected[6] = {7, 14, 21, 28, 35, 40};
  for (int call = 0; call < 6; ++call) {
    f.e.SettleStep(7);
    EXPECT_EQ(f.e.playerX, expected[call]) << "call " << call + 1;
    EXPECT_EQ(f.e.waypointReached, 0);
    EXPECT_EQ(f.e.walkEnded, 0);
    EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkRunning);
  }
  EXPECT_EQ(f.e.playerFacing, 2);
  EXPECT_EQ(f.e.playerSelected, 0);
  f.e.SettleStep(7);
  EXPECT_EQ(f.e.waypointReached, 1);
  EXPECT_EQ(f.e.waypointIndex, 1);
  f.e.SettleStep(7);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
  EXPECT_EQ(f.e.walkEnded, 1);
  EXPECT_EQ(f.e.playerCell, cells::CellAt(40, 400));
  EXPECT_EQ(f.e.CodeAt(start), 0);
  EXPECT_EQ(f.e.CodeAt(f.e.playerCell), 1);
  EXPECT_EQ(f.e.playerStepsLeft, 6);
  EXPECT_EQ(f.e.playerCollects, 1);
  EXPECT_EQ(f.e.moverIsPlayer, 1);
  EXPECT_EQ(f.e.metCode, 0u);
  EXPECT_EQ(f.e.waypointActive[0], 0);

  // A diagonal step moves both coordinates in one frame, facing up-left.
  f.SelectPlayer();
  f.Click(0, 360);
  f.e.playerWalkState = MapEncounters::kWalkConfirmed;
  f.e.SettleStep(10);
  EXPECT_EQ(f.e.playerX, 30);
  EXPECT_EQ(f.e.playerY, 390);
  EXPECT_EQ(f.e.playerFacing, 7);
  // Speed 0 moves nothing.
  f.e.SettleStep(0);
  EXPECT_EQ(f.e.playerX, 30);
  EXPECT_GT(f.WalkAll(10), 0);
  EXPECT_EQ(f.e.playerX, 0);
  EXPECT_EQ(f.e.playerY, 360);

  // A hero walks the same way and writes its own code.
  f.PutHero(5, 200, 400);
  f.Click(200, 400);
  ASSERT_EQ(f.e.selectedHero, 6);
  const uint32_t heroStart = f.e.heroCell[5];
  f.Click(200, 280);
  EXPECT_EQ(f.e.heroWalkReady, 6);
  EXPECT_GT(f.WalkAll(8), 0);
  EXPECT_EQ(f.e.heroY[5], 280);
  EXPECT_EQ(f.e.heroFacing[5], 0);
  EXPECT_EQ(f.e.heroCell[5], cells::CellAt(200, 280));
  EXPECT_EQ(f.e.CodeAt(heroStart), 0);
  EXPECT_EQ(f.e.CodeAt(f.e.heroCell[5]), 7);
  EXPECT_EQ(f.e.heroStepsLeft[5], 4);
  EXPECT_EQ(f.e.heroCollects, 6);
  EXPECT_EQ(f.e.playerCollects, 0);
  EXPECT_EQ(f.e.moverHero, 5);
  EXPECT_EQ(f.e.selectedHero, 0);
}

TEST(MapEncountersWalk, AWalkWithNoRouteEndsAtOnce) {
  // Set off with no step planned, the player and a hero end their walk in
  // the frame it starts: where they stand, meeting nothing, paying nothing.
  Field f(0, 400);
  f.PutHero(4, 200, 400);
  f.e.goldPilePresent[0] = 1;
  f.e.goldPileCell[0] = f.e.playerCell;
  f.e.walkSteps = 3;  // left over from an earlier walk
  f.e.targetCell = cells::CellAt(400, 400);
  const uint32_t playerCell = f.e.playerCell;
  const uint32_t heroCell = f.e.heroCell[4];

  f.e.playerWalkState = MapEncounters::kWalkConfirmed;
  f.e.SettleStep(7);
  EXPECT_EQ(f.e.playerWalkState, MapEncounters::kWalkIdle);
  EXPECT_EQ(f.e.walkEnded, 1);
  EXPECT_EQ(f.e.metCode, 0u) << "the gold pile he stands on is not met again";
  EXPECT_EQ(f.e.playerCell, playerCell);
  EXPECT_EQ(f.e.playerX, 0);
  EXPECT_EQ(f.e.playerStepsLeft, 7);

  f.e.walkingHero = 4;
  f.e.heroWalkPlanned = 1;
  f.e.SettleStep(7);
  EXPECT_EQ(f.e.heroWalking, 0);
  EXPECT_EQ(f.e.walkEnded, 1);
  EXPECT_EQ(f.e.heroCell[4], heroCell);
  EXPECT_EQ(f.e.heroX[4], 200);
  EXPECT_EQ(f.e.heroStepsLeft[4], 7);
  EXPECT_EQ(f.e.CodeAt(heroCell), 6);

  // A count beyond the ten waypoints ends there too.
  f.e.waypointCount = 200;
  f.e.waypointIndex = 10;
  f.e.heroWalkPlanned = 1;
  f.e.SettleStep(7);
  EXPECT_EQ(f.e.heroWalking, 0);
}

TEST(MapEncountersWalk, GoldPileZeroPaysFiftyWithTheCoinSound) {
  // The walk onto the pile is played end to end in MapE2E.NewGameWalksOntoGoldPileZero.
  MapEncounters e;
  poptest::BuildNewGame(e);
  int32_t gold = 0;
  e.metCode = e.MetCodeOf(1506);
  EXPECT_EQ(e.metCode, 12u);
  e.EnterPlace(gold);
  EXPECT_EQ(gold, 50);
  EXPECT_EQ(e.foundGold, 50u);
  EXPECT_EQ(e.goldFound, 1);
  EXPECT_EQ(e.findShown, MapEncounters::kFindLoad);
  EXPECT_EQ(e.goldPilePresent[0], 0);
  EXPECT_EQ(e.coinSoundPending, 1);

  SetBackend(Backend::Headless);
  MusicSystem music;
  ASSERT_EQ(music.Init(nullptr, 22050), 1u);
  SoundChannel sound;
  ASSERT_EQ(sound.Create(&music), 1u);
  e.PlayPendingSounds(&sound, 1);
  EXPECT_EQ(e.coinSoundPending, 0);
  EXPECT_NE(std::string(sound.LoadedPath()).find("Data/Coin.wav"), std::string::npos)
      << sound.LoadedPath();
  EXPECT_EQ(sound.volume, 84);
  EXPECT_EQ(sound.repeats, 1);

  // A chest plays the key sound; with sounds off nothing plays, the flag clears.
  e.keySoundPending = 1;
  e.PlayPendingSounds(&sound, 1);
  EXPECT_NE(std::string(sound.LoadedPath()).find("Data/Key.wav"), std::string::npos);
  EXPECT_EQ(sound.volume, 90);
  e.coinSoundPending = 1;
  e.PlayPendingSounds(&sound, 0);
  EXPECT_EQ(e.coinSoundPending, 0);
  EXPECT_NE(std::string(sound.LoadedPath()).find("Data/Key.wav"), std::string::npos);
  sound.Release();
  music.Shutdown();
}

TEST(MapEncountersWalk, FindsOfBagsAndChests) {
  MapEncounters e;
  int32_t gold = 0;
  e.metCode = 47;  // bag 15
  e.EnterPlace(gold);
  EXPECT_EQ(gold, 134);
  EXPECT_EQ(e.foundGem, 19);
  EXPECT_EQ(e.gemFound, 1);
  // Bags 16..19 hold nothing: the last find's gold is not paid again.
  e.metCode = 48;
  e.EnterPlace(gold);
  EXPECT_EQ(gold, 134);
  EXPECT_EQ(e.foundGold, 0u);

  MapEncounters c;
  gold = 0;
  c.metCode = 59;  // chest 7
  c.EnterPlace(gold);
  EXPECT_EQ(gold, 210);
  EXPECT_EQ(c.foundItem, 81);
  EXPECT_EQ(c.foundArtifact, 6);
  EXPECT_EQ(c.artifactFound, 1);
  EXPECT_EQ(c.gemFound, 0);
  EXPECT_EQ(c.keySoundPending, 1);
  EXPECT_EQ(c.chestPresent[7], 0);
  c.metCode = 84;  // the chest chest 7 left behind
  c.EnterPlace(gold);
  EXPECT_EQ(gold, 210);
  EXPECT_EQ(c.foundItem, 68);
  EXPECT_EQ(c.goldFound, 0);
}

TEST(MapEncountersWalk, EnteringPlaces) {
  struct Case {
    uint32_t met;
    int town, village, kind;
  };
  const Case cases[] = {
      {152, 1, 0, 0},
      {159, 1, 0, 0},
      {160, 2, 0, 0},
      {189, 3, 0, 0},
      {204, 4, 0, 0},
      {205, 0, 1, 0},
      {208, 0, 2, 0},
      {231, 0, 9, 0},
      {345, 0, 0, 1},
      {349, 0, 0, 1},
      {350, 0, 0, 2},
      {356, 0, 0, 3},
      {368, 0, 0, 4},
      {387, 0, 0, 5},
      // Black Zima Castle holds 23 cells (388..410), the Grubas Tribe 10
      // (411..420), the Noga Tribe 14 (421..434).
      {388, 0, 0, 6},
      {410, 0, 0, 6},
      {411, 0, 0, 7},
      {420, 0, 0, 7},
      {421, 0, 0, 8},
      {434, 0, 0, 8},
      {435, 0, 0, 0},
      {1000, 0, 0, 0},
      {2000, 0, 0, 0},
      {102, 0, 0, 0},
  };
  for (const Case& c : cases) {
    MapEncounters e;
    int32_t gold = 0;
    e.metCode = c.met;
    e.EnterPlace(gold);
    EXPECT_EQ(e.enteredTown, c.town ? 1 : 0) << c.met;
    EXPECT_EQ(e.townNumber, c.town) << c.met;
    EXPECT_EQ(e.enteredVillage, c.village ? 1 : 0) << c.met;
    EXPECT_EQ(e.villageNumber, c.village) << c.met;
    EXPECT_EQ(e.placeKind, c.kind) << c.met;
    EXPECT_EQ(gold, 0);
    EXPECT_EQ(e.findShown, MapEncounters::kFindNone);
  }
  // The kinds agree with the cell lists: the last cell of each place.
  MapEncounters e;
  e.FillStartTables();
  const int lastOfPlace[8] = {4, 10, 22, 32, 42, 65, 75, 89};
  for (int p = 0; p < 8; ++p) {
    int32_t gold = 0;
    e.metCode = e.MetCodeOf(e.specialCell[lastOfPlace[p]]);
    e.EnterPlace(gold);
    EXPECT_EQ(e.placeKind, p + 1) << "place " << p;
  }
  const uint32_t others[4][2] = {{302, 0}, {312, 1}, {322, 2}, {344, 3}};
  for (const auto& o : others) {
    MapEncounters p;
    int32_t gold = 0;
    p.metCode = o[0];
    p.EnterPlace(gold);
    const uint8_t flags[4] = {p.enteredPalace, p.enteredTemple, p.enteredCastle, p.enteredTower};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(flags[k], k == int(o[1]) ? 1 : 0) << o[0];
  }
}

TEST(MapEncountersWalk, StoringTheFind) {
  MapEncounters e;
  int32_t gold = 0;
  e.metCode = 52;  // chest 0: gem 15, artifact 0, item 1
  e.EnterPlace(gold);
  e.playerCollects = 1;
  e.bagItems[0] = 10;
  e.bagItems[1] = 20;
  e.gemSlots[0] = 4;
  e.StoreFind();
  EXPECT_EQ(e.bagItems[2], 2);  // item number 1 is item id 2
  EXPECT_EQ(e.itemHeld[1], 1);
  EXPECT_EQ(e.itemSlot[1], 2);  // the bag cell itself, as the game record keeps it
  EXPECT_EQ(e.bagState, MapEncounters::kBagStore);
  EXPECT_EQ(e.itemFound, 0);
  EXPECT_EQ(e.playerCollects, 0);
  EXPECT_EQ(e.gemSlots[1], 16);
  EXPECT_EQ(e.gemOwned[15], 1);
  EXPECT_EQ(e.gemSlotOf[15], 2);
  EXPECT_EQ(e.gemFound, 0);
  EXPECT_EQ(e.artifactSlots[0], 1);
  EXPECT_EQ(e.artifactSlotOf[0], 1);
  EXPECT_EQ(e.artifactFound, 0);

  // A hero's bag: the hero's number tells the map screen whose bag to write.
  MapEncounters h;
  h.metCode = 77;
  h.EnterPlace(gold);
  h.heroCollects = 4;
  h.StoreFind();
  EXPECT_EQ(h.bagItems[0], 2);
  EXPECT_EQ(h.itemSlot[1], 0);
  EXPECT_EQ(h.bagOwner, 4);
  EXPECT_EQ(h.bagState, MapEncounters::kBagIdle);
  EXPECT_EQ(h.heroCollects, 0);
}

TEST(MapEncountersWalk, BagFull) {
  MapEncounters e;
  e.chestPresent[7] = 1;
  e.FillStartTables();
  int32_t gold = 0;
  e.metCode = 59;  // chest 7 with gold and item 81
  e.EnterPlace(gold);
  e.playerCollects = 1;
  for (uint8_t& item : e.bagItems) item = 99;
  e.StoreFind();
  EXPECT_EQ(e.bagFull, 1);
  EXPECT_EQ(e.itemFound, 0);
  EXPECT_EQ(e.playerCollects, 0);
  EXPECT_EQ(e.bagState, MapEncounters::kBagIdle);
  EXPECT_EQ(e.itemHeld[81], 0);
  // The item stays on the spot as the chest left behind.
  EXPECT_EQ(e.chestPresent[7], 0);
  EXPECT_EQ(e.chestPresent[32], 1);
  EXPECT_EQ(e.chestCell[32], 508u);
  EXPECT_EQ(e.chestX[32], e.chestX[7]);
  EXPECT_EQ(e.chestY[32], e.chestY[7]);
  EXPECT_EQ(e.MetCodeOf(508), 84u);

  // Taking that chest again with the bag still full leaves it where it is.
  e.bagFull = 0;
  e.metCode = 84;
  e.EnterPlace(gold);
  EXPECT_EQ(e.foundItem, 68);
  EXPECT_EQ(e.chestPresent[32], 0);
  e.heroCollects = 2;
  e.StoreFind();
  EXPECT_EQ(e.bagFull, 1);
  EXPECT_EQ(e.chestPresent[32], 1);
  EXPECT_EQ(e.heroCollects, 0);
  EXPECT_EQ(e.bagOwner, 0);
}
