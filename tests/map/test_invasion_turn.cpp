// The invading armies' turn: the outcome at each army's place, the
// surrender, the camera following the moving army, the end of every turn,
// and the return to the map that must not give the armies another march.

#include "map/invasion_turn.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "map/day_change.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "test_map_encounters_util.h"

namespace {

using namespace invasion;

constexpr uint32_t kFarCell = 5000;  // a cell no army passes nor searches

struct Turn {
  GameState state;
  MapEncounters map;
  KingdomMap view;
  MapTurnFlags flags;

  Turn() {
    RunNewGameSequence(state);
    poptest::BuildFromGame(map, state);
    map.SetCode(map.playerCell, 0);
    map.playerCell = kFarCell;
    cells::CellCorner(kFarCell, &map.playerX, &map.playerY);
  }
  uint8_t& Quest(int q) { return state.questStage[q - 1]; }
  // Army a on the map, standing at its place, its turn in hand.
  void AtPlace(const Invader& a) {
    state.enemyPresent[a.army] = 1;
    map.enemyPresent[a.army] = 2;
    if (a.axis == Axis::kX) map.enemyX[a.army] = a.at;
    else map.enemyY[a.army] = a.at;
    map.movingArmy = a.army;
    map.marchPhase = MapEncounters::kSettle;
    Quest(a.quest) = kQuestUnderWay;
  }
  void Frame(uint8_t pixels = 5) { RunInvasionTurn(map, state, &view, pixels, flags); }
  // What the map screen's Enter does to the turn's messages.
  void Enter() {
    if (map.questMessage) {
      map.questMessage = 0;
      flags.mapShowMessages = 1;
    }
    if (map.outcomeShown) {
      map.outcomeShown = 0;
      map.questMessage = 0;
      map.marchPhase = MapEncounters::kTurnOver;
    }
  }
};

TEST(InvadingArmies, TheirTable) {
  struct Row {
    uint8_t army, quest;
    int32_t closedFame, helpedFame, helpedGold;
    uint8_t lastCheckpoint, surrenders;
  };
  const Row rows[] = {
      {80, 6, 5, 2, 200, 6, 0},  {81, 77, 5, 2, 200, 3, 0}, {82, 78, 5, 2, 200, 3, 0},
      {83, 80, 5, 2, 200, 3, 0}, {84, 84, 5, 2, 200, 3, 0}, {85, 86, 5, 2, 200, 3, 0},
      {86, 92, 5, 2, 200, 3, 0}, {87, 93, 5, 2, 200, 1, 0}, {88, 94, 10, 0, 0, 22, 0},
      {89, 95, 10, 0, 0, 6, 0},  {90, 96, 10, 0, 0, 22, 1}, {91, 97, 10, 0, 0, 22, 1},
      {92, 98, 10, 0, 0, 22, 1},
  };
  for (const Row& r : rows) {
    const Invader* a = FindInvader(r.army);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->quest, r.quest);
    EXPECT_EQ(a->closedFame, r.closedFame);
    EXPECT_EQ(a->helpedFame, r.helpedFame);
    EXPECT_EQ(a->helpedGold, r.helpedGold);
    EXPECT_EQ(a->lastCheckpoint, r.lastCheckpoint);
    EXPECT_EQ(a->surrenders, r.surrenders);
  }
  EXPECT_EQ(FindInvader(79), nullptr);
  EXPECT_EQ(FindInvader(93), nullptr);

  // Destinations: army 80 at x 240 or 280, 81 at y -480, 90 at x 1760.
  MapEncounters m;
  m.enemyX[80] = 280;
  m.enemyY[81] = -480;
  m.enemyX[90] = 1760;
  m.enemyX[82] = 1880;
  EXPECT_TRUE(AtDestination(m, 80));
  EXPECT_TRUE(AtDestination(m, 81));
  EXPECT_TRUE(AtDestination(m, 90));
  EXPECT_FALSE(AtDestination(m, 82));
  EXPECT_FALSE(AtDestination(m, 5));
}

// Each army at its place, unharmed or weakened by an earlier battle, with
// nobody to defend it: the quest closes and the outcome is paid.
TEST(InvadingArmies, OutcomeAtThePlace) {
  for (const Invader& a : kInvaderRows) {
    for (bool harmed : {false, true}) {
      SCOPED_TRACE(testing::Message() << int(a.army) << (harmed ? " harmed" : " unharmed"));
      Turn t;
      t.AtPlace(a);
      t.state.fame = 10;
      t.map.fame = 10;
      t.state.gold = 1000;
      if (harmed) t.state.battleExtra[a.army] = 4;
      t.map.questMessage = 7;
      t.Frame();
      EXPECT_EQ(t.Quest(a.quest), kQuestClosed);
      EXPECT_EQ(t.map.enemyPresent[a.army], 0);
      EXPECT_EQ(t.state.enemyPresent[a.army], 0);
      EXPECT_EQ(t.map.questMessage, 0);
      EXPECT_EQ(t.map.outcomeShown, 1);
      EXPECT_EQ(t.map.outcomeDefendersAlone, harmed ? 0 : a.army);
      EXPECT_EQ(t.map.outcomeDefendersHelped, harmed ? a.army : 0);
      EXPECT_EQ(t.map.outcomeArmyDefeated, 0);
      EXPECT_EQ(t.state.battleDifficulty[a.army], 0);
      EXPECT_EQ(t.state.battleExtra[a.army], 0);
      EXPECT_EQ(t.state.useFallbackCells, 1);
      EXPECT_EQ(t.map.armyMet[a.army], 1);
      EXPECT_EQ(t.map.raidSearchPos, a.lastCheckpoint);
      if (a.surrenders) {
        EXPECT_EQ(t.flags.endSurrendered, 1);
        EXPECT_EQ(t.flags.leaveCode, 1);
        EXPECT_TRUE(GameEnded(t.flags));
        EXPECT_EQ(t.state.fame, 10);
        EXPECT_EQ(t.state.gold, 1000);
      } else {
        EXPECT_EQ(t.flags.endSurrendered, 0);
        EXPECT_EQ(t.state.fame, harmed ? 10 + a.helpedFame : 10 - kLostFame);
        EXPECT_EQ(t.state.gold, harmed ? 1000 + a.helpedGold : 1000);
      }
      EXPECT_EQ(t.map.fame, t.state.fame);
      if (a.army >= 88) {
        EXPECT_EQ(t.flags.mapEnemyIndex, a.army);
        EXPECT_EQ(t.flags.mapQuestIndex, a.quest - 1);
      }
      // The message waits for Enter, which ends the turn; nothing is paid twice.
      t.Frame();
      EXPECT_EQ(t.map.marchPhase, MapEncounters::kSettle);
      const int32_t fame = t.state.fame;
      t.Enter();
      t.Frame();
      EXPECT_EQ(t.map.marchPhase, MapEncounters::kTurnOver);
      EXPECT_EQ(t.state.fame, fame);
    }
  }
}

TEST(InvadingArmies, LostFameStopsAtZero) {
  Turn t;
  t.AtPlace(*FindInvader(81));
  t.state.fame = 2;
  t.Frame();
  EXPECT_EQ(t.state.fame, 0);
  EXPECT_EQ(t.map.fame, 0);
}

TEST(InvadingArmies, ADefenderOnThePlaceStartsABattle) {
  for (uint8_t army : {80, 88}) {
    const Invader& a = *FindInvader(army);
    Turn t;
    t.AtPlace(a);
    t.state.battleDifficulty[army] = 3;
    t.state.battleExtra[army] = 2;
    t.map.raidSearchPos = 0;
    // The player stands on the first cell the army searches.
    const uint32_t cell = army == 80 ? t.map.palaceCell[3] : t.map.castleCell[0];
    t.map.playerCell = cell;
    t.Frame();
    EXPECT_EQ(t.map.battleStarted, 1);
    EXPECT_EQ(t.map.fighterCode, 1);
    EXPECT_EQ(t.map.enemyIndex, army);
    EXPECT_EQ(t.state.relocationState, GameState::kRelocationPending);
    EXPECT_EQ(t.state.useFallbackCells, 1);
    EXPECT_EQ(t.Quest(a.quest), kQuestUnderWay);
    EXPECT_EQ(t.map.enemyPresent[army], 2);
    // Armies 80..87 forget their wear even now; 88..92 only when settled.
    EXPECT_EQ(t.state.battleDifficulty[army], army < 88 ? 0 : 3);
    EXPECT_EQ(t.map.marchPhase, MapEncounters::kSettle);  // the hand-over leaves the map
  }
}

TEST(InvadingArmies, BeatenArmyClosesItsQuestOnce) {
  // The battle beat army 80, which left the map: on the next entry its quest
  // closes with +5 fame and 500 gold, whether or not it was the moving army.
  for (uint8_t moving : {0, 80}) {
    Turn t;
    t.Quest(6) = kQuestUnderWay;
    t.state.enemyPresent[80] = 0;
    t.map.enemyPresent[80] = 0;
    t.map.movingArmy = moving;
    t.state.defeatedArmy = 80;
    t.state.fame = 10;
    t.state.gold = 100;
    t.state.battleExtra[80] = 5;
    ResumeInvasionTurn(t.map, t.state);
    EXPECT_EQ(t.state.defeatedArmy, 0);
    EXPECT_EQ(t.map.marchPhase, MapEncounters::kSettle);
    for (int frame = 0; frame < 5; ++frame) t.Frame();
    EXPECT_EQ(t.Quest(6), kQuestClosed);
    EXPECT_EQ(t.state.fame, 15);
    EXPECT_EQ(t.state.gold, 600);
    EXPECT_EQ(t.state.battleExtra[80], 0);
    EXPECT_EQ(t.map.outcomeShown, 1);
    if (moving) {
      EXPECT_EQ(t.map.outcomeArmyDefeated, 80);
    }
  }
}

TEST(InvadingArmies, ArmyOfTheCastleSurrendersWhateverItsWear) {
  for (uint8_t army : {90, 91, 92}) {
    for (uint8_t wear : {0, 9}) {
      Turn t;
      t.AtPlace(*FindInvader(army));
      t.state.battleDifficulty[army] = wear;
      t.state.caughtByArmy = 1;
      t.Frame();
      EXPECT_EQ(t.flags.endSurrendered, 1);
      EXPECT_EQ(t.flags.leaveCode, 1);
      EXPECT_EQ(t.state.battleDifficulty[army], 0);
      EXPECT_EQ(t.map.questMessage, 0);
    }
  }
}

TEST(InvadingArmies, Army88WeakenedGivesNothing) {
  Turn t;
  t.AtPlace(*FindInvader(88));
  t.state.battleDifficulty[88] = 4;
  t.state.fame = 30;
  t.state.gold = 50;
  t.Frame();
  EXPECT_EQ(t.Quest(94), kQuestClosed);
  EXPECT_EQ(t.state.fame, 30);
  EXPECT_EQ(t.state.gold, 50);
  EXPECT_EQ(t.map.outcomeDefendersHelped, 88);
}

TEST(InvadingArmies, RewardsSaturate) {
  Turn t;
  t.Quest(6) = kQuestUnderWay;
  t.state.defeatedArmy = 80;
  t.state.gold = INT32_MAX - 10;
  t.state.fame = INT32_MAX - 1;
  ResumeInvasionTurn(t.map, t.state);
  t.Frame();
  EXPECT_EQ(t.state.gold, INT32_MAX);
  EXPECT_EQ(t.state.fame, INT32_MAX);
}

TEST(InvadingArmies, CameraFollowsTheMovingArmyWithinItsLimits) {
  struct Case {
    int32_t x, y, camX, camY;
  };
  const Case cases[] = {
      {-1000, 40, -1400, -360},
      {3240, 680, 2840, 280},
      {-1800, -1000, kCameraMinX, kCameraMinY},
      {3600, 2000, kCameraMaxX, kCameraMaxY},
  };
  for (const Case& c : cases) {
    Turn t;
    t.map.movingArmy = 80;
    t.map.enemyPresent[80] = 2;
    t.map.enemyX[80] = c.x;
    t.map.enemyY[80] = c.y;
    t.map.marchPhase = MapEncounters::kPlanLeg;
    t.Frame(0);
    EXPECT_EQ(t.map.followX, c.x);
    EXPECT_EQ(t.map.followY, c.y);
    EXPECT_EQ(t.view.cameraX, c.camX);
    EXPECT_EQ(t.view.cameraY, c.camY);
    EXPECT_EQ(t.map.armyFollow, 0);
  }
}

// A day of the enemy's turn as the map screen drives it: frames until the
// turn is over, the messages closed by Enter. Returns the frames it took, or
// -1 past the budget; a battle or the surrender ends it too.
int RunTurn(Turn& t, uint8_t pixels, int budget) {
  for (int frame = 1; frame <= budget; ++frame) {
    t.Frame(pixels);
    if (t.map.battleStarted || GameEnded(t.flags)) return frame;
    if (t.map.marchPhase == MapEncounters::kTurnOver) return frame;
    // The player reads a waiting message after a while.
    if (t.map.marchPhase == MapEncounters::kSettle && frame % 3 == 0) t.Enter();
  }
  return -1;
}

TEST(InvadingArmies, ATurnWithEveryMarchingArmyUnderWayAlwaysEnds) {
  for (uint8_t pixels : {1, 2, 3, 7, 40, 255}) {
    SCOPED_TRACE(int(pixels));
    Turn t;
    for (int a = kFirstInvader; a <= kLastInvader; ++a) {
      t.state.enemyPresent[a] = 1;
      t.map.enemyPresent[a] = 1;
      t.Quest(FindInvader(uint8_t(a))->quest) = kQuestUnderWay;
    }
    t.map.PlaceEnemyArmies();
    t.map.PlaceRoutes();
    int32_t startX[100], startY[100];
    for (int a = 0; a < 100; ++a) {
      startX[a] = t.map.enemyX[a];
      startY[a] = t.map.enemyY[a];
    }
    int moved = 0;
    for (int day = 0; day < 40 && !GameEnded(t.flags); ++day) {
      int32_t before[100];
      for (int a = 0; a < 100; ++a) before[a] = t.map.enemyX[a] * 10000 + t.map.enemyY[a];
      EndDay(t.map, t.state, &t.view, t.flags);
      const int frames = RunTurn(t, pixels, 200000);
      ASSERT_GE(frames, 1) << "day " << day;
      ASSERT_LE(frames, 200000);
      for (int a = 0; a < 100; ++a) moved += before[a] != t.map.enemyX[a] * 10000 + t.map.enemyY[a];
      // A battle is handed over and won by the party: the army is gone.
      if (t.map.battleStarted) {
        t.map.battleStarted = 0;
        t.map.enemyPresent[t.map.enemyIndex] = 0;
        t.map.fighterCode = 0;
        t.map.marchPhase = MapEncounters::kTurnOver;
      }
      // The night follows, unless the kingdom surrendered.
      EXPECT_EQ(RunNightIfDue(t.map, t.state, t.flags), !GameEnded(t.flags));
    }
    EXPECT_GT(moved, 0);
    for (int a = 0; a < kFirstInvader; ++a) {
      EXPECT_EQ(t.map.enemyX[a], startX[a]) << "standing army " << a;
      EXPECT_EQ(t.map.enemyY[a], startY[a]) << "standing army " << a;
    }
  }
}

TEST(InvadingArmies, AMarchMeetsThePlayerAndAHero) {
  // Army 89 starts its march west of the palace road; the player and hero 2
  // stand together on its way to the road's start.
  Turn t;
  t.state.enemyPresent[89] = 1;
  t.map.enemyPresent[89] = 1;
  t.Quest(FindInvader(89)->quest) = kQuestUnderWay;
  t.map.PlaceEnemyArmies();
  t.map.PlaceRoutes();
  t.map.playerCell = cells::CellAt(-1320, 120);
  t.map.playerX = -1320;
  t.map.playerY = 120;
  t.map.heroOnMap[2] = 1;
  t.map.heroCell[2] = t.map.playerCell;
  t.map.heroX[2] = -1320;
  t.map.heroY[2] = 120;
  t.map.FillCellCodes();
  EndDay(t.map, t.state, &t.view, t.flags);
  ASSERT_GE(RunTurn(t, 7, 20000), 1);
  ASSERT_EQ(t.map.battleStarted, 1);
  EXPECT_EQ(t.map.fighterCode, 4);  // hero 2 wins over the player
  EXPECT_EQ(t.map.enemyIndex, 89);
  EXPECT_EQ(t.map.legStartX, -1360);
  EXPECT_EQ(t.map.enemyX[89], -1320);
}

TEST(InvadingArmies, ComingBackToTheMapGivesNoExtraMarch) {
  // A whole turn on the day an army is under way, then the party visits a
  // place: the write-back forgets the moving army, the map is built again
  // from the record (every entry, 0 too, has 4 steps again), and the armies
  // stay where they are for the rest of the day.
  for (bool stale : {false, true}) {
    Turn t;
    t.state.enemyPresent[85] = 1;
    t.map.enemyPresent[85] = 1;
    t.map.PlaceEnemyArmies();
    t.map.PlaceRoutes();
    EndDay(t.map, t.state, &t.view, t.flags);
    ASSERT_GE(RunTurn(t, 5, 100000), 1);
    ASSERT_EQ(t.map.marchPhase, MapEncounters::kTurnOver);
    SettleInvasionForLeave(t.map);
    EXPECT_EQ(t.map.movingArmy, 0);
    map_copy::WriteBack(t.map, t.state);

    MapEncounters back;
    poptest::BuildFromGame(back, t.state);
    // Even a stored moving army with steps left is no interrupted turn after
    // a place: the leave wrote kRelocationNone.
    back.movingArmy = stale ? 85 : 0;
    t.state.relocationState = GameState::kRelocationNone;
    ASSERT_EQ(back.enemyStepsLeft[0], 4);
    ResumeInvasionTurn(back, t.state);
    EXPECT_EQ(back.marchPhase, MapEncounters::kTurnOver);
    const int32_t x = back.enemyX[85], y = back.enemyY[85];
    for (int frame = 0; frame < 2000; ++frame) RunInvasionTurn(back, t.state, &t.view, 7, t.flags);
    EXPECT_EQ(back.enemyX[85], x);
    EXPECT_EQ(back.enemyY[85], y);
    EXPECT_EQ(back.marchPhase, MapEncounters::kTurnOver);
  }
}

TEST(InvadingArmies, AChaseBattleLostResumesTheInterruptedArmyOnly) {
  Turn t;
  for (int a : {80, 83, 84}) {
    t.map.enemyPresent[a] = 2;
    t.state.enemyPresent[a] = 1;
  }
  t.map.movingArmy = 83;
  t.map.enemyStepsLeft[83] = 2;
  t.state.relocationState =
      GameState::kRelocationDone;  // the battle relocated the party after its defeat
  ResumeInvasionTurn(t.map, t.state);
  EXPECT_EQ(t.map.marchPhase, MapEncounters::kPlanLeg);
  EXPECT_EQ(t.map.enemyDone[80], 1);  // army 80 had its turn before 83
  EXPECT_EQ(t.map.enemyDone[84], 0);
  EXPECT_EQ(t.map.moverX, t.map.enemyX[83]);

  Turn spent;  // the interrupted army had no steps left
  spent.map.enemyPresent[83] = 2;
  spent.map.movingArmy = 83;
  spent.map.enemyStepsLeft[83] = 0;
  spent.state.relocationState = GameState::kRelocationPending;
  ResumeInvasionTurn(spent.map, spent.state);
  EXPECT_EQ(spent.map.marchPhase, MapEncounters::kTurnOver);
}

TEST(InvadingArmies, NoArmyToMoveEndsTheTurn) {
  // A phase left at "plan" with no moving army (a damaged record) ends.
  Turn t;
  t.map.movingArmy = 0;
  t.map.marchPhase = MapEncounters::kPlanLeg;
  t.Frame();
  EXPECT_EQ(t.map.marchPhase, MapEncounters::kTurnOver);

  // An army gone from the map hands the turn on to the next one.
  Turn gone;
  gone.map.enemyPresent[84] = 2;
  gone.map.movingArmy = 83;
  gone.map.marchPhase = MapEncounters::kPlanLeg;
  gone.Frame();
  EXPECT_EQ(gone.map.enemyDone[83], 1);
  gone.Frame();
  EXPECT_EQ(gone.map.movingArmy, 84);
  EXPECT_EQ(gone.map.marchPhase, MapEncounters::kWalkLeg);

  // Settling with a mover that is no marching army (a damaged record): no
  // army can settle it, and the turn ends.
  Turn stray;
  stray.map.movingArmy = 50;
  stray.map.marchPhase = MapEncounters::kSettle;
  stray.Frame();
  EXPECT_EQ(stray.map.marchPhase, MapEncounters::kTurnOver);

  // Nobody on the map at all: chosen none, settled, over.
  Turn empty;
  EndDay(empty.map, empty.state, &empty.view, empty.flags);
  EXPECT_GE(RunTurn(empty, 5, 100), 1);
  EXPECT_EQ(empty.map.marchPhase, MapEncounters::kTurnOver);
}

}  // namespace
