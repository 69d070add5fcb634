// Invading armies' benchmark: the enemy turn after a day change with every
// marching army (80..92) under way, run frame by frame at the fastest map
// speed's step until it ends, over the first days of the march. Prints
// milliseconds per turn and per frame. Not a test.
#include <chrono>
#include <cstdio>

#include "game/game_state.h"
#include "map/day_change.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"

namespace {

constexpr int kDays = 20;  // each run: the first days of the march
constexpr int kRuns = 50;
constexpr uint8_t kPixels = 4;  // 210 pixels a second at about 50 frames a second
constexpr int kFrameLimit = 1000000;

// A new game with every invading army entering the map, the party out of
// their way.
void Build(GameState& state, MapEncounters& map) {
  RunNewGameSequence(state);
  for (int a = invasion::kFirstInvader; a <= invasion::kLastInvader; ++a) {
    state.enemyPresent[a] = 1;
    state.questStage[invasion::FindInvader(static_cast<uint8_t>(a))->quest - 1] = kQuestUnderWay;
  }
  map.day = state.day;
  map.fame = state.fame;
  for (int k = 0; k < 100; ++k) map.enemyPresent[k] = state.enemyPresent[k];
  map.playerCell = 5000;
  map.playerAlive = 1;
  map.FillStartTables();
  map.PlaceEnemyArmies();
  map.PlaceRoutes();
  map.FillCellCodes();
}

}  // namespace

int main() {
  using Clock = std::chrono::steady_clock;
  double turnMs = 0;
  long long frames = 0;
  int turns = 0;
  for (int run = 0; run < kRuns; ++run) {
    GameState state;
    MapEncounters map;
    KingdomMap view;
    MapTurnFlags flags;
    Build(state, map);
    for (int day = 0; day < kDays && !GameEnded(flags); ++day) {
      EndDay(map, state, &view, flags);
      const auto start = Clock::now();
      int f = 0;
      while (map.marchPhase != MapEncounters::kTurnOver && f < kFrameLimit && !GameEnded(flags)) {
        RunInvasionTurn(map, state, &view, kPixels, flags);
        ++f;
        if (map.battleStarted) break;
        // Enter closes a waiting message.
        if (map.marchPhase == MapEncounters::kSettle) {
          map.questMessage = 0;
          if (map.outcomeShown) {
            map.outcomeShown = 0;
            map.marchPhase = MapEncounters::kTurnOver;
          }
        }
      }
      turnMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      frames += f;
      ++turns;
      map.marchPhase = MapEncounters::kTurnOver;
      RunNightIfDue(map, state, flags);
    }
  }
  std::printf(
      "invading armies' turn, every marching army under way: %.4f ms per turn, %.2f frames per "
      "turn, "
      "%.6f ms per frame (%d turns)\n",
      turnMs / turns, double(frames) / turns, frames ? turnMs / double(frames) : 0.0, turns);
  return 0;
}
