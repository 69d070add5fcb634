// The day change: the fame ladder, the daily income, the invasion timetable
// and its warnings, the reminders, the night and the game's ends.

#include "map/day_change.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/game_state.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "test_map_encounters_util.h"

namespace {

using namespace day_change;

// Quests the timetable reads.
constexpr int kTimetableQuests[] = {6, 77, 78, 80, 84, 86, 92, 93, 94, 95, 96, 97, 98, 99, 100};

struct Day {
  GameState state;
  MapEncounters map;
  KingdomMap view;
  MapTurnFlags flags;

  Day() {
    RunNewGameSequence(state);
    poptest::BuildFromGame(map, state);
  }
  uint8_t& Quest(int q) { return state.questStage[q - 1]; }
  // Every timetable quest closed and the tower destroyed, so that only what
  // a test opens can fire.
  void Quiet() {
    for (int q : kTimetableQuests) Quest(q) = kQuestClosed;
    state.placeState[kTowerPlace] = kTowerDestroyed;
  }
  void End() { EndDay(map, state, &view, flags); }
};

// ---------------------------------------------------------------- fame

TEST(FameLadder, FameMustBeStrictlyAboveEachThreshold) {
  // rung, threshold, gold, hero index (-1 for gold)
  struct Rung {
    int rung;
    int32_t threshold;
    int32_t gold;
    int hero;
  };
  const Rung ladder[] = {
      {1, 1, 100, -1},    {2, 4, 0, 1},       {3, 8, 400, -1},    {4, 14, 500, -1},
      {5, 25, 600, -1},   {6, 39, 600, -1},   {7, 49, 0, 2},      {8, 64, 600, -1},
      {9, 79, 0, 3},      {10, 94, 600, -1},  {11, 109, 600, -1}, {12, 129, 0, 4},
      {13, 159, 600, -1}, {14, 189, 600, -1}, {15, 219, 0, 6},    {16, 249, 600, -1},
      {17, 279, 600, -1}, {18, 309, 0, 8},    {19, 339, 600, -1}, {20, 369, 600, -1},
      {21, 399, 600, -1}, {22, 429, 0, 9},    {23, 459, 900, -1},
  };
  for (const Rung& r : ladder) {
    SCOPED_TRACE(r.rung);
    const int k = r.rung - 1;
    // Every earlier rung already paid: only this one is in question.
    for (int fame : {r.threshold, r.threshold + 1}) {
      Day d;
      for (int j = 0; j < k; ++j) d.state.fameRungDone()[j] = 1;
      d.state.fame = fame;
      d.state.gold = 0;
      PayFameLadder(d.map, d.state);
      const bool paid = fame > r.threshold;
      EXPECT_EQ(d.state.fameRungDone()[k], paid ? 1 : 0);
      EXPECT_EQ(d.map.fameRewardGranted[k], paid ? 1 : 0);
      EXPECT_EQ(d.map.fameRewardsShown, paid ? 1 : 0);
      if (r.hero < 0) {
        EXPECT_EQ(d.state.gold, paid ? r.gold : 0);
      } else {
        EXPECT_EQ(d.state.gold, 0);
        EXPECT_EQ(d.state.heroPresent[r.hero], paid ? 1 : 0);
        EXPECT_EQ(d.map.heroOnMap[r.hero], paid ? 1 : 0);
        if (paid) {
          EXPECT_EQ(d.map.focusHero, r.hero + 1);
          EXPECT_NE(d.map.heroCell[r.hero], 0u);
          EXPECT_EQ(d.state.heroCell[r.hero], d.map.heroCell[r.hero]);
          EXPECT_EQ(d.map.CodeAt(d.map.heroCell[r.hero]), r.hero + 2);
        }
      }
    }
  }
}

TEST(FameLadder, FourPaysRungOneFiveBringsHeroOne) {
  Day four;
  four.state.fame = 4;
  four.End();
  EXPECT_EQ(four.state.fameRungDone()[0], 1);
  EXPECT_EQ(four.state.fameRungDone()[1], 0);
  EXPECT_EQ(four.state.heroPresent[1], 0);

  Day five;
  five.state.fame = 5;
  five.End();
  EXPECT_EQ(five.state.fameRungDone()[1], 1);
  EXPECT_EQ(five.state.heroPresent[1], 1);
  EXPECT_EQ(five.map.focusHero, 2);
  EXPECT_EQ(five.map.fameRewardRow[0], 0);
  EXPECT_EQ(five.map.fameRewardRow[1], 1);
}

TEST(FameLadder, EachRungOncePerGameRowsInRungOrder) {
  Day d;
  d.state.fame = 460;  // every rung at once
  PayFameLadder(d.map, d.state);
  for (int k = 0; k < kFameRungs; ++k) EXPECT_EQ(d.state.fameRungDone()[k], 1) << k;
  EXPECT_EQ(d.state.gold, 100 + 400 + 500 + 600 * 12 + 900);
  for (int h : {1, 2, 3, 4, 6, 8, 9}) EXPECT_EQ(d.state.heroPresent[h], 1) << h;
  for (int h : {0, 5, 7}) EXPECT_EQ(d.state.heroPresent[h], 0) << h;
  for (int k = 0; k < 6; ++k) EXPECT_EQ(d.map.fameRewardRow[k], k);
  for (int k = 6; k < kFameRungs; ++k) EXPECT_EQ(d.map.fameRewardRow[k], 0) << k;

  // The next day pays nothing again and clears the day's lines.
  const int32_t gold = d.state.gold;
  PayFameLadder(d.map, d.state);
  EXPECT_EQ(d.state.gold, gold);
  EXPECT_EQ(d.map.fameRewardsShown, 0);
  for (int k = 0; k < kFameRungs; ++k) EXPECT_EQ(d.map.fameRewardGranted[k], 0);
}

TEST(FameLadder, HeroAlreadyInThePartyIsOnlyMarkedPaid) {
  // A place brought hero 1 in: the record knows it, the map copy too.
  for (bool mapKnows : {true, false}) {
    Day d;
    d.state.heroPresent[1] = 1;
    d.state.heroCell[1] = 5000;
    if (mapKnows) {
      d.map.heroOnMap[1] = 1;
      d.map.heroCell[1] = 5000;
    }
    d.state.fame = 5;
    d.state.gold = 0;
    PayFameLadder(d.map, d.state);
    EXPECT_EQ(d.state.fameRungDone()[1], 1);
    EXPECT_EQ(d.map.fameRewardGranted[1], 0);  // no "A hero joins you!" line
    EXPECT_EQ(d.map.focusHero, 0);
    EXPECT_EQ(d.state.heroCell[1], 5000u);
    if (mapKnows) {
      EXPECT_EQ(d.map.heroCell[1], 5000u);
    }
    EXPECT_EQ(d.state.gold, 100);  // rung 1 still pays
  }
}

TEST(FameLadder, GoldRewardsSaturate) {
  Day d;
  d.state.fame = 9;  // 100 + 400
  d.state.gold = INT32_MAX - 50;
  PayFameLadder(d.map, d.state);
  EXPECT_EQ(d.state.gold, INT32_MAX);
}

// ---------------------------------------------------------------- the day

TEST(DayChange, DailyIncomeIsTheScoreAndSaturates) {
  struct Case {
    int gems, artifacts, villages, towns;
    int32_t income;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0},
      {1, 0, 0, 0, 3},
      {0, 1, 0, 0, 5},
      {0, 0, 1, 0, 10},
      {0, 0, 0, 1, 20},
      {30, 30, 10, 10, 540},
      {2, 3, 4, 5, 6 + 15 + 40 + 100},
  };
  for (const Case& c : cases) {
    Day d;
    // The map's wealth copy is what counts: it is copied back first.
    for (int i = 0; i < c.gems; ++i) d.map.gemOwned[i] = 1;
    for (int i = 0; i < c.artifacts; ++i) d.map.artifactOwned[i] = 1;
    for (int i = 0; i < c.villages; ++i) d.state.wealth.villageJoined[i] = 1;
    for (int i = 0; i < c.towns; ++i) d.state.wealth.townOwned[i] = 1;
    d.state.gold = 1000;
    d.End();
    EXPECT_EQ(d.state.score, uint32_t(c.income));
    EXPECT_EQ(d.state.gold, 1000 + c.income);
    EXPECT_EQ(d.state.wealth.gemOwned[0], c.gems > 0 ? 1 : 0);
  }
  Day rich;
  rich.state.wealth.townOwned[0] = 1;
  rich.state.gold = INT32_MAX - 5;
  rich.End();
  EXPECT_EQ(rich.state.gold, INT32_MAX);
}

TEST(DayChange, ANewDayForEveryone) {
  Day d;
  d.state.day = 5;
  d.map.day = 5;
  d.map.playerStepsLeft = 0;
  d.map.heroStepsLeft[3] = 2;  // hero 3 is not in the party: still refilled
  d.map.enemyStepsLeft[85] = 0;
  d.map.enemyDone[0] = 1;
  d.map.inspectShown = 1;
  d.map.findShown = MapEncounters::kFindShown;
  d.map.attackPending = 1;
  d.map.playerSelected = 1;
  d.map.playerWalkState = MapEncounters::kWalkPlanned;
  d.map.outcomeDefendersAlone = 80;
  d.map.playerForcesHeal = 1;
  d.state.useFallbackCells = 1;
  d.flags.mapShowMessages = 0;
  d.End();
  EXPECT_EQ(d.state.day, 6u);
  EXPECT_EQ(d.map.day, 6u);
  EXPECT_EQ(d.flags.dayRecoveryPending, 1);
  EXPECT_EQ(d.flags.mapShowMessages, 1);
  EXPECT_EQ(d.map.dayEnded, 1);
  EXPECT_EQ(d.map.marchPhase, MapEncounters::kChooseArmy);
  EXPECT_EQ(d.map.armyFinished, 1);
  EXPECT_EQ(d.map.playerStepsLeft, kStepsPerDay);
  EXPECT_EQ(d.state.playerDayAllowance, kStepsPerDay);
  for (int k = 0; k < kHeroCount; ++k) {
    EXPECT_EQ(d.map.heroStepsLeft[k], kStepsPerDay);
    EXPECT_EQ(d.state.heroDayAllowance[k], kStepsPerDay);
  }
  for (int e = 0; e < kEnemyArmies; ++e) {
    EXPECT_EQ(d.map.enemyStepsLeft[e], kArmyStepsPerDay);
    EXPECT_EQ(d.map.enemyDone[e], 0);
  }
  EXPECT_EQ(d.map.inspectShown, 0);
  EXPECT_EQ(d.map.findShown, MapEncounters::kFindNone);
  EXPECT_EQ(d.map.attackPending, 0);
  EXPECT_EQ(d.map.playerSelected, 0);
  EXPECT_EQ(d.map.playerWalkState, MapEncounters::kWalkIdle);
  EXPECT_EQ(d.map.outcomeDefendersAlone, 0);
  EXPECT_EQ(d.map.playerForcesHeal, 0);
  EXPECT_EQ(d.state.useFallbackCells, 0);
}

// ---------------------------------------------------------------- timetable

TEST(InvasionTimetable, EachRowOnItsDayAndNotBefore) {
  struct Row {
    int row;
    int quest;  // 0: the tower row or the peace row
    uint8_t stage;
    uint32_t day;      // the first new day on which the row fires
    uint8_t message;   // questMessage after the row (0 none)
    uint8_t hides;     // mapShowMessages becomes 0
    uint8_t army;      // 0 none
    uint8_t newStage;  // the quest's stage afterwards
  };
  const Row rows[] = {
      {1, 6, 0, 11, 0, 0, 80, 2},    {2, 77, 0, 19, 3, 1, 0, 2},    {3, 77, 2, 23, 0, 0, 81, 4},
      {4, 78, 0, 20, 6, 1, 0, 2},    {5, 78, 2, 27, 0, 0, 82, 4},   {6, 80, 0, 31, 9, 1, 0, 2},
      {7, 80, 2, 37, 13, 1, 0, 2},   {8, 80, 2, 38, 10, 0, 83, 4},  {9, 84, 0, 33, 11, 1, 0, 2},
      {10, 84, 2, 39, 14, 1, 0, 2},  {11, 84, 2, 40, 10, 0, 84, 4}, {12, 86, 0, 36, 12, 1, 0, 2},
      {13, 86, 2, 42, 15, 1, 0, 2},  {14, 86, 2, 43, 16, 1, 0, 2},  {15, 86, 2, 44, 10, 0, 85, 4},
      {16, 92, 0, 46, 17, 1, 0, 2},  {17, 92, 2, 53, 18, 1, 0, 2},  {18, 92, 2, 59, 19, 1, 0, 2},
      {19, 92, 2, 60, 10, 0, 86, 4}, {20, 93, 0, 52, 20, 1, 0, 2},  {21, 93, 2, 58, 21, 1, 0, 2},
      {22, 93, 2, 61, 22, 1, 0, 2},  {23, 93, 2, 62, 10, 0, 87, 4}, {24, 94, 0, 57, 23, 1, 0, 2},
      {25, 94, 2, 63, 24, 1, 0, 2},  {26, 94, 2, 64, 10, 0, 88, 4}, {27, 95, 0, 65, 25, 1, 0, 1},
      {28, 0, 0, 76, 27, 1, 0, 0},   {29, 95, 1, 66, 0, 0, 89, 2},  {30, 96, 0, 77, 0, 0, 90, 2},
      {31, 100, 0, 87, 30, 1, 0, 1}, {32, 99, 0, 88, 31, 1, 0, 1},  {33, 97, 0, 89, 0, 1, 91, 2},
      {34, 98, 0, 99, 34, 1, 0, 1},  {35, 98, 1, 100, 0, 1, 92, 2}, {36, 0, 0, 110, 0, 1, 0, 0},
  };
  ASSERT_EQ(std::size(rows), size_t(kTimetableRows));
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row);
    for (uint32_t day : {r.day - 1, r.day}) {
      Day d;
      d.Quiet();
      if (r.row == 28) d.state.placeState[kTowerPlace] = 0;
      if (r.quest) d.Quest(r.quest) = r.stage;
      d.state.day = day;
      d.flags.mapShowMessages = 1;
      RunInvasionTimetable(d.map, d.state, &d.view, d.flags);
      const bool fires = day == r.day;
      // The day before, a warning row of the same quest may speak instead.
      if (fires) {
        EXPECT_EQ(d.map.questMessage, r.message);
        EXPECT_EQ(d.flags.mapShowMessages, r.hides ? 0 : 1);
      }
      if (r.army) {
        EXPECT_EQ(d.state.enemyPresent[r.army], fires ? 1 : 0);
        // Entering the map places the army at once.
        EXPECT_EQ(d.map.enemyPresent[r.army], fires ? 2 : 0);
        EXPECT_EQ(d.map.enemyPlaced[r.army], fires ? 1 : 0);
      }
      if (r.quest) {
        EXPECT_EQ(d.Quest(r.quest), fires ? r.newStage : r.stage);
      }
      if (r.row == 28) {
        const uint8_t tower = fires ? kTowerDestroyed : 0;
        EXPECT_EQ(d.state.placeState[kTowerPlace], tower);
        EXPECT_EQ(d.map.placeStates[kTowerPlace], tower);
        EXPECT_EQ(d.map.towerClosed, tower);
        EXPECT_EQ(d.view.placeStates[kTowerPlace], tower);
      }
      EXPECT_EQ(d.flags.endPeaceTreaty, fires && r.row == 36 ? 1 : 0);
    }
  }
}

TEST(InvasionTimetable, DatedEventsThroughTheDayChange) {
  // Ending day 10 brings army 80 with its reminder.
  Day ten;
  ten.Quiet();
  ten.Quest(6) = 0;
  ten.state.day = 10;
  ten.End();
  EXPECT_EQ(ten.state.enemyPresent[80], 1);
  EXPECT_EQ(ten.map.questMessage, 1);

  // Ending day 18 warns of quest 77, unless army 80 is on the map: its
  // reminder then replaces the warning.
  for (bool army80 : {false, true}) {
    Day d;
    d.Quiet();
    d.Quest(77) = 0;
    if (army80) {
      d.state.enemyPresent[80] = 1;
      d.map.enemyPresent[80] = 2;
      d.map.armyOnRoad[80] = 1;
    }
    d.state.day = 18;
    d.End();
    EXPECT_EQ(d.map.questMessage, army80 ? 2 : 3);
    EXPECT_EQ(d.flags.mapShowMessages, 0);
  }

  // Day 64 warns of quest 95, day 65 brings army 89 on the next day change.
  Day d;
  d.Quiet();
  d.Quest(95) = 0;
  d.state.day = 64;
  d.End();
  EXPECT_EQ(d.map.questMessage, 25);
  EXPECT_EQ(d.Quest(95), 1);
  EXPECT_EQ(d.state.enemyPresent[89], 0);
  d.End();
  EXPECT_EQ(d.state.day, 66u);
  EXPECT_EQ(d.state.enemyPresent[89], 1);
  EXPECT_EQ(d.map.questMessage, 26);
}

TEST(InvasionTimetable, ReminderOfEachArmyOnTheMap) {
  struct Case {
    uint8_t army;
    uint8_t onRoad;
    uint8_t message;
  };
  const Case cases[] = {
      {80, 0, 1},  {80, 1, 2},  {81, 0, 4},  {81, 1, 5},  {82, 0, 7},  {82, 1, 8},
      {89, 0, 26}, {89, 1, 2},  {90, 0, 28}, {90, 1, 29}, {91, 0, 32}, {91, 1, 33},
      {92, 0, 35}, {92, 1, 36}, {83, 0, 0},  {88, 1, 0},
  };
  for (const Case& c : cases) {
    MapEncounters map;
    map.enemyPresent[c.army] = 2;
    map.armyOnRoad[c.army] = c.onRoad;
    SetInvaderReminders(map);
    EXPECT_EQ(map.questMessage, c.message) << int(c.army) << " " << int(c.onRoad);
  }
  // A later army's reminder wins.
  MapEncounters both;
  both.enemyPresent[80] = 2;
  both.enemyPresent[91] = 2;
  both.questMessage = 13;
  SetInvaderReminders(both);
  EXPECT_EQ(both.questMessage, 32);
}

// ---------------------------------------------------------------- night

TEST(Night, EnemyWearAndLossesFall) {
  struct Case {
    int entry;  // battle id - 1
    uint8_t wear, losses;
    uint8_t wearAfter, lossesAfter;
    uint8_t enemyLine, castleLine;
  };
  const Case cases[] = {
      {5, 10, 2, 4, 0, 1, 0},
      {5, 0, 0, 0, 0, 0, 0},
      {5, 3, 5, 0, 2, 1, 0},
      {99, 6, 3, 0, 0, 1, 0},
      {kCastleBattleEntry, 20, 9, 0, 0, 0, 1},  // battle 73 heals fully
  };
  for (const Case& c : cases) {
    Day d;
    d.state.battleDifficulty[c.entry] = c.wear;
    d.state.battleExtra[c.entry] = c.losses;
    RecoverOvernight(d.map, d.state);
    EXPECT_EQ(d.state.battleDifficulty[c.entry], c.wearAfter) << c.entry;
    EXPECT_EQ(d.state.battleExtra[c.entry], c.lossesAfter) << c.entry;
    EXPECT_EQ(d.map.enemyForcesHeal, c.enemyLine) << c.entry;
    EXPECT_EQ(d.map.castleEnemyHeals, c.castleLine) << c.entry;
  }
}

TEST(Night, HealthRisesByThreeToTheMaximum) {
  struct Case {
    int32_t health, maximum, after;
    uint8_t line;
  };
  const Case cases[] = {
      {10, 20, 13, 1}, {18, 20, 20, 1}, {20, 20, 20, 0}, {25, 20, 25, 0}, {0, 20, 3, 1}};
  for (const Case& c : cases) {
    Day d;
    d.state.playerHealth() = c.health;
    d.state.playerMaxHealth() = c.maximum;
    d.state.heroPresent[2] = 1;
    d.state.heroStats[kStatHealth][2] = c.health;
    d.state.heroStats[kStatMaxHealth][2] = c.maximum;
    d.state.heroStats[kStatHealth][3] = 1;  // not in the party: unchanged
    d.state.heroStats[kStatMaxHealth][3] = 20;
    for (int k = 0; k < kHeroCount; ++k) d.state.heroArmies[k] = ArmyRecord{};
    d.state.playerArmies = ArmyRecord{};
    RecoverOvernight(d.map, d.state);
    EXPECT_EQ(d.state.playerHealth(), c.after) << c.health;
    EXPECT_EQ(d.state.heroStats[kStatHealth][2], c.after) << c.health;
    EXPECT_EQ(d.state.heroStats[kStatHealth][3], 1);
    EXPECT_EQ(d.map.playerForcesHeal, c.line) << c.health;
    EXPECT_EQ(d.map.playerAlive, c.after > 0 ? 1 : 0);
  }
}

TEST(Night, OneDownedSoldierReturnsAndWoundsFall) {
  Day d;
  d.state.playerHealth() = d.state.playerMaxHealth();
  ArmyRecord& a = d.state.playerArmies;
  a = ArmyRecord{};
  a.armyCount[0] = 5;
  a.armyMark4[0] = 2;
  a.armyMark1[0] = 1;
  a.armyMark3[0] = 3;
  a.armyCount[1] = 7;  // nothing down, no wounds: unchanged
  a.armyCount[2] = 255;
  a.armyMark4[2] = 1;  // the count cannot rise past its byte
  ArmyRecord& absent = d.state.heroArmies[5];
  absent.armyMark4[0] = 2;
  RecoverOvernight(d.map, d.state);
  EXPECT_EQ(a.armyCount[0], 6);
  EXPECT_EQ(a.armyMark4[0], 1);
  EXPECT_EQ(a.armyMark1[0], 0);
  EXPECT_EQ(a.armyMark2[0], 0);
  EXPECT_EQ(a.armyMark3[0], 2);
  EXPECT_EQ(a.armyCount[1], 7);
  EXPECT_EQ(a.armyCount[2], 255);
  EXPECT_EQ(a.armyMark4[2], 0);
  EXPECT_EQ(absent.armyMark4[0], 2);
  EXPECT_EQ(d.map.playerForcesHeal, 1);

  Day calm;  // nothing to heal: no line
  calm.state.playerHealth() = calm.state.playerMaxHealth();
  calm.state.playerArmies = ArmyRecord{};
  RecoverOvernight(calm.map, calm.state);
  EXPECT_EQ(calm.map.playerForcesHeal, 0);
}

TEST(Night, RunsOnceAfterTheArmiesHaveMoved) {
  Day d;
  d.state.playerHealth() = 5;
  d.state.playerMaxHealth() = 20;
  d.End();
  EXPECT_FALSE(RunNightIfDue(d.map, d.state, d.flags));  // the armies move first
  EXPECT_EQ(d.state.playerHealth(), 5);
  d.map.marchPhase = MapEncounters::kTurnOver;
  EXPECT_TRUE(RunNightIfDue(d.map, d.state, d.flags));
  EXPECT_EQ(d.flags.dayRecoveryPending, 0);
  EXPECT_EQ(d.state.playerHealth(), 8);
  EXPECT_FALSE(RunNightIfDue(d.map, d.state, d.flags));
  EXPECT_EQ(d.state.playerHealth(), 8);
}

// ---------------------------------------------------------------- game ends

TEST(GameEnds, PeaceTreatyInTheFrameThatMakesDay110) {
  Day d;
  d.state.day = 108;
  d.End();
  EXPECT_FALSE(GameEnded(d.flags));
  d.End();
  EXPECT_EQ(d.state.day, 110u);
  EXPECT_EQ(d.flags.endPeaceTreaty, 1);
  EXPECT_EQ(d.flags.mapShowMessages, 0);
  EXPECT_TRUE(GameEnded(d.flags));
  // The night has not run: the save step comes first.
  EXPECT_FALSE(RunNightIfDue(d.map, d.state, d.flags));
}

TEST(GameEnds, AWholeCampaignOfDayChanges) {
  // From a new game, every day ended at once: the armies of the timetable
  // enter on their days and the treaty ends the game on day 110, not before.
  Day d;
  std::vector<uint32_t> entered(100, 0);
  while (!GameEnded(d.flags)) {
    ASSERT_LT(d.state.day, 110u);
    d.End();
    for (int a = 80; a <= 92; ++a) {
      if (d.state.enemyPresent[a] && !entered[a]) entered[a] = d.state.day;
    }
  }
  EXPECT_EQ(d.state.day, 110u);
  EXPECT_EQ(entered[80], 11u);
  EXPECT_EQ(entered[81], 23u);
  EXPECT_EQ(entered[82], 27u);
  EXPECT_EQ(entered[83], 38u);
  EXPECT_EQ(entered[84], 40u);
  EXPECT_EQ(entered[85], 44u);
  EXPECT_EQ(entered[86], 60u);
  EXPECT_EQ(entered[87], 62u);
  EXPECT_EQ(entered[88], 64u);
  EXPECT_EQ(entered[89], 66u);
  EXPECT_EQ(entered[90], 77u);
  EXPECT_EQ(entered[91], 89u);
  EXPECT_EQ(entered[92], 100u);
  EXPECT_EQ(d.state.placeState[kTowerPlace], kTowerDestroyed);
}

}  // namespace
