// The day change, the night and the game's ends.

#include "map/day_change.h"

#include <cstdint>

#include "game/game_state.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"

using namespace day_change;

namespace {

// One army of the timetable enters the map: it is placed on its arrival cell
// and every marching army's road is written again.
void EnterMap(MapEncounters& map, GameState& state, uint8_t army) {
  state.enemyPresent[army] = 1;
  map.enemyPresent[army] = 1;
  map.PlaceEnemyArmies();
  map.PlaceRoutes();
}

bool RowHolds(const TimetableRow& row, const GameState& state) {
  const bool dayHolds = row.dayTest == DayTest::kOn ? state.day == row.day : state.day > row.day;
  if (!dayHolds) return false;
  switch (row.test) {
    case TimetableTest::kQuestStage: return state.questStage[row.quest - 1] == row.stage;
    case TimetableTest::kTowerStanding: return state.placeState[kTowerPlace] == 0;
    case TimetableTest::kAlways: return true;
  }
  return false;
}

// Lowers a counter by drop, not below 0; true when it changed.
bool Lower(uint8_t& value, uint8_t drop) {
  if (value == 0) return false;
  value = value > drop ? uint8_t(value - drop) : uint8_t{0};
  return true;
}

// Health rises by the night's gain up to the maximum; true when it rose.
bool Heal(int32_t& health, int32_t maximum) {
  if (health >= maximum) return false;
  health = AddSaturated(health, kNightHealthGain);
  if (health > maximum) health = maximum;
  return true;
}

// One downed soldier returns to each slot and each wound marker falls by 1;
// true when anything changed.
bool RestArmies(ArmyRecord& armies) {
  bool changed = false;
  for (int s = 0; s < kArmySlots; ++s) {
    if (armies.armyMark4[s] > 0) {
      armies.armyMark4[s] -= 1;
      if (armies.armyCount[s] < UINT8_MAX) armies.armyCount[s] += 1;
      changed = true;
    }
    for (uint8_t* mark : {armies.armyMark1, armies.armyMark2, armies.armyMark3}) {
      if (mark[s] > 0) {
        mark[s] -= 1;
        changed = true;
      }
    }
  }
  return changed;
}

}  // namespace

int32_t AddSaturated(int32_t value, int64_t amount) {
  const int64_t sum = int64_t{value} + amount;
  if (sum > INT32_MAX) return INT32_MAX;
  if (sum < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(sum);
}

bool GameEnded(const MapTurnFlags& flags) {
  return flags.endVictory || flags.endPeaceTreaty || flags.endSurrendered;
}

void PayFameLadder(MapEncounters& map, GameState& state) {
  // The map's copy of the party agrees with the record (a place may have
  // brought a hero in since the map was built).
  for (int k = 0; k < kHeroCount; ++k) {
    if (state.heroPresent[k]) map.heroOnMap[k] = 1;
  }
  map.GrantFameRewards(state.fame, state.fameRungDone(), state.gold);
  for (int r = 0; r < map_encounters::kFameRewardCount; ++r) {
    const uint8_t h = map_encounters::kFameRewards[r].heroIndex;
    if (!map.fameRewardGranted[r] || h >= kHeroCount) continue;
    state.heroPresent[h] = 1;
    state.heroCell[h] = map.heroCell[h];
  }
}

void RunInvasionTimetable(MapEncounters& map, GameState& state, KingdomMap* view,
                          MapTurnFlags& flags) {
  for (const TimetableRow& row : kTimetable) {
    if (!RowHolds(row, state)) continue;
    if (row.warning) {
      map.questMessage = row.warning;
      flags.mapShowMessages = 0;
    }
    if (row.hideBoard) flags.mapShowMessages = 0;
    if (row.army) EnterMap(map, state, row.army);
    if (row.newStage != kKeepStage) state.questStage[row.quest - 1] = row.newStage;
    if (row.message) map.questMessage = row.message;
    if (row.destroysTower) {
      state.placeState[kTowerPlace] = kTowerDestroyed;
      map.placeStates[kTowerPlace] = kTowerDestroyed;
      map.towerClosed = kTowerDestroyed;
      if (view) view->placeStates[kTowerPlace] = kTowerDestroyed;
    }
    if (row.peaceTreaty) flags.endPeaceTreaty = 1;
  }
}

void SetInvaderReminders(MapEncounters& map) {
  for (const Reminder& r : kReminderRows) {
    if (!map.enemyPresent[r.army]) continue;
    map.questMessage = map.armyOnRoad[r.army] ? r.onRoadMessage : r.message;
  }
}

void EndDay(MapEncounters& map, GameState& state, KingdomMap* view, MapTurnFlags& flags) {
  state.useFallbackCells = 0;
  flags.dayRecoveryPending = 1;

  // Nobody is selected and nothing is planned or asked for: a planned attack
  // and the inspect text go with the rest. The day's messages start afresh.
  map.LetGoOfSelection();
  map.dayEnded = 1;
  flags.mapShowMessages = 1;
  map.outcomeDefendersAlone = 0;
  map.outcomeDefendersHelped = 0;
  map.outcomeArmyDefeated = 0;
  map.armyFollow = 0;

  PayFameLadder(map, state);

  // The invading armies move next; the night's lines wait for the night.
  map.marchPhase = MapEncounters::kChooseArmy;
  map.armyFinished = 1;  // the first army is to be chosen
  map.playerForcesHeal = 0;
  map.enemyForcesHeal = 0;
  map.castleEnemyHeals = 0;

  map.day += 1;
  state.day += 1;
  map.PutFindAway();

  // The day's income is the score of the wealth.
  Wealth& w = state.wealth;
  for (int i = 0; i < 30; ++i) {
    w.gemPicture[i] = map.gemSlots[i];
    w.gemOwned[i] = map.gemOwned[i];
    w.gemPicture2[i] = map.gemSlotOf[i];
    w.artifactPicture[i] = map.artifactSlots[i];
    w.artifactOwned[i] = map.artifactOwned[i];
    w.artifactPicture2[i] = map.artifactSlotOf[i];
  }
  state.ComputeScore();
  state.gold = AddSaturated(state.gold, state.score);

  for (int e = 0; e < kEnemyArmies; ++e) {
    map.enemyDone[e] = 0;
    map.enemyStepsLeft[e] = kArmyStepsPerDay;
  }

  state.AdvanceQuestChains();
  RunInvasionTimetable(map, state, view, flags);
  SetInvaderReminders(map);

  state.playerDayAllowance = kStepsPerDay;
  map.playerStepsLeft = kStepsPerDay;
  for (int k = 0; k < kHeroCount; ++k) {
    state.heroDayAllowance[k] = kStepsPerDay;
    map.heroStepsLeft[k] = kStepsPerDay;
  }
}

void RecoverOvernight(MapEncounters& map, GameState& state) {
  uint8_t& castleWear = state.battleDifficulty[kCastleBattleEntry];
  uint8_t& castleLosses = state.battleExtra[kCastleBattleEntry];
  if (castleWear || castleLosses) {
    castleWear = 0;
    castleLosses = 0;
    map.castleEnemyHeals = 1;
  }
  for (int b = 0; b < 100; ++b) {
    if (Lower(state.battleDifficulty[b], kNightWearDrop)) map.enemyForcesHeal = 1;
    if (Lower(state.battleExtra[b], kNightLossDrop)) map.enemyForcesHeal = 1;
  }

  if (Heal(state.playerHealth(), state.playerMaxHealth())) map.playerForcesHeal = 1;
  map.playerAlive = MapEncounters::AliveFromHealth(state.playerHealth());
  for (int k = 0; k < kHeroCount; ++k) {
    if (!state.heroPresent[k]) continue;
    if (Heal(state.heroStats[kStatHealth][k], state.heroStats[kStatMaxHealth][k]))
      map.playerForcesHeal = 1;
  }
  if (RestArmies(state.playerArmies)) map.playerForcesHeal = 1;
  for (int k = 0; k < kHeroCount; ++k) {
    if (state.heroPresent[k] && RestArmies(state.heroArmies[k])) map.playerForcesHeal = 1;
  }
}

bool RunNightIfDue(MapEncounters& map, GameState& state, MapTurnFlags& flags) {
  if (!flags.dayRecoveryPending || map.marchPhase != MapEncounters::kTurnOver) return false;
  flags.dayRecoveryPending = 0;
  RecoverOvernight(map, state);
  return true;
}
