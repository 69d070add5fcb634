#pragma once
// Where an invading army walks, found on a population of a new game: the
// end-to-end tests place the party on its road so that it is caught.

#include <gtest/gtest.h>

#include <cstdint>

#include "game/game_state.h"
#include "map/day_change.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"

// The corner of army 80's third step on its first night, the night after
// day 10 of a new game: a party member waiting there is caught.
inline void ThirdStepOfArmy80(int32_t* x, int32_t* y) {
  GameState s;
  RunNewGameSequence(s);
  s.day = 10;
  MapEncounters probe;
  KingdomMap view;
  MapTurnFlags flags;
  map_copy::BuildFromGame(probe, s);
  EndDay(probe, s, &view, flags);
  for (int f = 0; f < 100000 && probe.legCount < 3 && probe.marchPhase != MapEncounters::kTurnOver;
       ++f)
    RunInvasionTurn(probe, s, &view, 4, flags);
  ASSERT_EQ(probe.movingArmy, 80);
  ASSERT_GE(probe.legCount, 3);
  *x = probe.legX[2];
  *y = probe.legY[2];
}
