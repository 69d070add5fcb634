// The invading armies' turn.

#include "map/invasion_turn.h"

#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_screen.h"

namespace invasion {

const Invader* FindInvader(uint8_t army) {
  for (const Invader& row : kInvaderRows) {
    if (row.army == army) return &row;
  }
  return nullptr;
}

bool AtDestination(const MapEncounters& map, uint8_t army) {
  const Invader* invader = FindInvader(army);
  if (!invader) return false;
  const int32_t at = invader->axis == Axis::kX ? map.enemyX[army] : map.enemyY[army];
  return at == invader->at || at == invader->orAt;
}

}  // namespace invasion

using namespace invasion;

namespace {

bool IsMarcher(uint8_t army) { return army >= kFirstMarcher && army <= kLastMarcher; }

uint8_t& QuestOf(GameState& state, const Invader& invader) {
  return state.questStage[invader.quest - 1];
}

// The carried-over wear of the army's battle (battle army + 1).
bool Unharmed(const GameState& state, uint8_t army) {
  return state.battleDifficulty[army] == 0 && state.battleExtra[army] == 0;
}
void ClearCounters(GameState& state, uint8_t army) {
  state.battleDifficulty[army] = 0;
  state.battleExtra[army] = 0;
}

// Fame never falls below 0 here, and neither fame nor gold wraps.
void AddFame(MapEncounters& map, GameState& state, int32_t amount) {
  state.fame = AddSaturated(state.fame, amount);
  if (state.fame < 0) state.fame = 0;
  map.fame = state.fame;
}

void ClearCaught(MapEncounters& map, GameState& state) {
  map.siegeBattle = 0;
  state.caughtByArmy = 0;
}

// The party beat the army (the battle reported it) and no army moves: its
// quest closes with fame and gold.
void CloseBeaten(MapEncounters& map, GameState& state, const Invader& invader) {
  map.outcomeShown = 1;
  QuestOf(state, invader) = kQuestClosed;
  AddFame(map, state, invader.closedFame);
  state.gold = AddSaturated(state.gold, kClosedGold);
  map.questMessage = 0;
  ClearCounters(state, invader.army);
}

// The moving army stands at its place (or the battle just beat it): it
// searches the place for defenders and, when it finds none, settles its quest.
void SettleArmy(MapEncounters& map, GameState& state, const Invader& invader, MapTurnFlags& flags) {
  const uint8_t a = invader.army;
  if (a >= 88) {
    flags.mapEnemyIndex = a;
    flags.mapQuestIndex = uint8_t(invader.quest - 1);
  }
  if (map.enemyPresent[a]) {
    map.armyMet[a] = 1;
    map.armyChased = 1;
    map.FindDefender();
    if (map.fighterCode) state.relocationState = GameState::kRelocationPending;
    state.useFallbackCells = 1;
  }
  map.outcomeDefendersAlone = 0;
  map.outcomeDefendersHelped = 0;
  map.outcomeArmyDefeated = 0;
  map.outcomeShown = 1;

  bool closed = false;
  if (map.fighterCode == 0) {
    QuestOf(state, invader) = kQuestClosed;
    closed = true;
    if (map.enemyPresent[a]) {
      if (Unharmed(state, a)) {
        map.outcomeDefendersAlone = a;
        if (!invader.surrenders) AddFame(map, state, -kLostFame);
      } else {
        map.outcomeDefendersHelped = a;
        if (!invader.surrenders) {
          AddFame(map, state, invader.helpedFame);
          state.gold = AddSaturated(state.gold, invader.helpedGold);
        }
      }
      if (invader.surrenders) {
        flags.endSurrendered = 1;
        flags.leaveCode = 1;
      }
      map.enemyPresent[a] = 0;
      state.enemyPresent[a] = 0;
      map.questMessage = 0;
      if (a == 89) ClearCaught(map, state);
    }
  }
  if (!map.enemyPresent[a] && !map.outcomeDefendersAlone && !map.outcomeDefendersHelped) {
    QuestOf(state, invader) = kQuestClosed;
    closed = true;
    AddFame(map, state, invader.closedFame);
    state.gold = AddSaturated(state.gold, kClosedGold);
    map.outcomeArmyDefeated = a;
    map.questMessage = 0;
    if (a >= 89) ClearCaught(map, state);
  }
  if (invader.clearsCountersAlways || closed) ClearCounters(state, a);
}

// The moving army's turn is over: the next one is chosen.
void PassTurn(MapEncounters& map, uint8_t army) {
  map.enemyDone[army] = 1;
  map.legReady = 0;
  map.armyStepping = 0;
  map.armyFinished = 1;
  map.marchPhase = MapEncounters::kChooseArmy;
}

void FollowMover(MapEncounters& map, KingdomMap* view) {
  map.armyFollow = 0;
  if (!IsMarcher(map.movingArmy)) return;
  map.followX = map.enemyX[map.movingArmy];
  map.followY = map.enemyY[map.movingArmy];
  if (view)
    map_screen::CentreCamera(*view, map.followX, map.followY, kFollowOffsetX, kFollowOffsetY);
}

void Settle(MapEncounters& map, GameState& state, MapTurnFlags& flags) {
  for (const Invader& invader : kInvaderRows) {
    const uint8_t a = invader.army;
    const bool open = QuestOf(state, invader) < kQuestClosed;
    if (map.outcomeArmyDefeated == a && map.movingArmy == 0 && open)
      CloseBeaten(map, state, invader);
    if (map.movingArmy != a || !open) continue;
    if (map.outcomeArmyDefeated == a || AtDestination(map, a))
      SettleArmy(map, state, invader, flags);
  }

  // The turn ends once no message waits, unless a battle with a defender the
  // army found is about to start.
  const uint8_t m = map.movingArmy;
  if (map.questMessage == 0 && !map.outcomeShown && IsMarcher(m)) {
    const Invader* invader = FindInvader(m);
    const bool searchedAll = invader && map.raidSearchPos == invader->lastCheckpoint;
    if (!map.armyMet[m] || searchedAll || !map.battleStarted) {
      map.marchPhase = MapEncounters::kTurnOver;
      map.fightByPlayer = 0;
      map.fightHero = 0;
    }
  }
  // With no marching army in hand nothing is left to settle.
  if (!IsMarcher(m)) map.marchPhase = MapEncounters::kTurnOver;
}

}  // namespace

void RunInvasionTurn(MapEncounters& map, GameState& state, KingdomMap* view, uint8_t pixels,
                     MapTurnFlags& flags) {
  if (map.marchPhase == MapEncounters::kTurnOver) return;

  if (map.marchPhase == MapEncounters::kChooseArmy) {
    if (map.armyFinished) {
      map.armyFinished = 0;
      map.SelectNextMover();
    }
    if (map.marchPhase != MapEncounters::kTurnOver && map.marchPhase != MapEncounters::kSettle)
      map.marchPhase = MapEncounters::kPlanLeg;
  }

  if (map.marchPhase == MapEncounters::kPlanLeg) {
    const uint8_t m = map.movingArmy;
    if (!IsMarcher(m)) {
      map.marchPhase = MapEncounters::kTurnOver;  // nobody to move
    } else if (!map.enemyPresent[m]) {
      PassTurn(map, m);  // gone from the map: the next army moves
    } else {
      map.armyFollow = 1;
      if (!map.armyOnRoad[m]) {
        map.AimAtRouteStart();
        map.BuildRoute();
      } else if (map.enemyStepsLeft[m] != 0) {
        map.AdvanceOnRoute();
      } else {
        PassTurn(map, m);  // on its road with no steps left: its day is over
      }
      if (map.marchPhase == MapEncounters::kPlanLeg) map.marchPhase = MapEncounters::kWalkLeg;
    }
  }

  if (map.marchPhase == MapEncounters::kWalkLeg) {
    const uint8_t m = map.movingArmy;
    if (m == 0) {
      map.marchPhase = MapEncounters::kTurnOver;
    } else if (IsMarcher(m)) {
      const bool legOver = !map.legReady && !map.armyStepping;
      if (legOver && map.enemyDone[m]) {
        map.marchPhase = MapEncounters::kTurnOver;
        map.questMessage = 0;
      }
      if (AtDestination(map, m)) {
        map.marchPhase = MapEncounters::kSettle;
        map.armyStepping = 0;
      } else if (map.marchPhase == MapEncounters::kWalkLeg) {
        if (legOver) PassTurn(map, m);  // a leg that cannot be walked ends the army's day
        else map.SteerMover(pixels);
      }
    } else {
      map.marchPhase = MapEncounters::kTurnOver;
    }
  }

  if (map.marchPhase != MapEncounters::kTurnOver && map.armyFollow) FollowMover(map, view);

  if (map.marchPhase == MapEncounters::kSettle || map.marchPhase == MapEncounters::kArmyGone)
    Settle(map, state, flags);
}

void SettleInvasionForLeave(MapEncounters& map) {
  if (map.marchPhase == MapEncounters::kTurnOver) map.movingArmy = 0;
}

void ResumeInvasionTurn(MapEncounters& map, GameState& state) {
  map.marchPhase = MapEncounters::kTurnOver;
  // Only a battle that an army's chase started interrupts a turn: its leave
  // is the only one that leaves relocationState other than kRelocationNone.
  const uint8_t m = map.movingArmy;
  const bool chaseBattle = state.relocationState != GameState::kRelocationNone;
  if (chaseBattle && IsMarcher(m) && map.enemyPresent[m] && !map.enemyDone[m] &&
      map.enemyStepsLeft[m] != 0) {
    // The armies are taken in rising order: those before the interrupted one
    // have had their day.
    for (int a = kFirstMarcher; a < m; ++a) map.enemyDone[a] = 1;
    map.moverX = map.enemyX[m];
    map.moverY = map.enemyY[m];
    map.marchPhase = MapEncounters::kPlanLeg;
  }
  const uint8_t beaten = state.defeatedArmy;
  if (beaten != 0) {
    state.defeatedArmy = 0;
    if (FindInvader(beaten)) {
      map.outcomeArmyDefeated = beaten;
      map.marchPhase = MapEncounters::kSettle;
    }
  }
}
