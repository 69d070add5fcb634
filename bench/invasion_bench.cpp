// Invading armies' benchmark: the enemy turn after a day change with every
// marching army (80..92) under way, run frame by frame at the fastest map
// speed's step until it ends, over the first days of the march. An army that
// reaches its place ends the day's turn in the game; here its message is
// closed and the next army moves on, so that every army still on the map
// walks in every turn measured. Prints milliseconds per turn (least, middle,
// greatest) and how many armies moved in a turn. Not a test.
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"

#include "game/game_state.h"
#include "map/day_change.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"

namespace {

constexpr int kDays = 3;  // each run: the first days of the march, before many arrive
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

// Whether any invading army stands elsewhere than at (x, y) of the turn's
// start, one count per army.
int MovedArmies(const MapEncounters& map, const int32_t* x, const int32_t* y) {
  int moved = 0;
  for (int a = invasion::kFirstInvader; a <= invasion::kLastInvader; ++a) {
    moved += map.enemyX[a] != x[a] || map.enemyY[a] != y[a];
  }
  return moved;
}

}  // namespace

int main() {
  using Clock = std::chrono::steady_clock;
  std::vector<double> turnMs;
  long long frames = 0;
  long long moved = 0;
  long long onMap = 0;
  int turns = 0;
  int endedEarly = 0;
  for (int run = 0; run < kRuns; ++run) {
    GameState state;
    MapEncounters map;
    KingdomMap view;
    MapTurnFlags flags;
    Build(state, map);
    for (int day = 0; day < kDays; ++day) {
      EndDay(map, state, &view, flags);
      if (GameEnded(flags)) break;
      int32_t startX[100], startY[100];
      int present = 0;
      for (int a = invasion::kFirstInvader; a <= invasion::kLastInvader; ++a) {
        startX[a] = map.enemyX[a];
        startY[a] = map.enemyY[a];
        present += map.enemyPresent[a] != 0;
      }
      const auto start = Clock::now();
      int f = 0;
      while (map.marchPhase != MapEncounters::kTurnOver && f < kFrameLimit && !GameEnded(flags)) {
        RunInvasionTurn(map, state, &view, kPixels, flags);
        ++f;
        if (map.battleStarted) break;
        // Enter closes a waiting message; after an arrival the next army
        // moves on.
        if (map.marchPhase == MapEncounters::kSettle) {
          map.questMessage = 0;
          if (map.outcomeShown) {
            map.outcomeShown = 0;
            map.enemyDone[map.movingArmy] = 1;
            map.armyFinished = 1;
            map.marchPhase = MapEncounters::kChooseArmy;
          }
        }
      }
      turnMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      if (GameEnded(flags)) ++endedEarly;
      frames += f;
      moved += MovedArmies(map, startX, startY);
      onMap += present;
      ++turns;
      map.marchPhase = MapEncounters::kTurnOver;
      RunNightIfDue(map, state, flags);
    }
  }
  if (turns == 0) return 1;
  std::printf("invading armies' turn, %d runs of the first %d days (%d turns):\n", kRuns, kDays,
              turns);
  std::printf("  armies that moved per turn       %.2f of %.2f on the map (%d armies in all)\n",
              double(moved) / turns, double(onMap) / turns, invasion::kInvaders);
  std::printf("  frames per turn                  %.1f\n", double(frames) / turns);
  std::printf("  turns the game ended in          %d\n", endedEarly);
  bench::PrintSpread("turn", bench::SpreadOf(turnMs));
  return 0;
}
