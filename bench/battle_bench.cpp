// Battle benchmark: the computer's whole turn in battle 73, the largest
// battle (50 enemy armies and 16 allied units against the fighter and six
// armies): every allied unit and every enemy choosing, walking and striking,
// frame by frame as the battle procedure drives them. Prints milliseconds
// per turn (least, middle, greatest) for the whole turn and apart for its
// slices: the choices (target lists, approach cells, path search), the walks,
// the blows, and the bookkeeping every frame does (the end-of-battle test,
// the turn and step timers), and microseconds per single choice. Not a
// test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"

#include "battle/battle_screen.h"
#include "battle_rules_util.h"
#include "platform/backend.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTurns = 200;
constexpr int32_t kWalkStep = 16;  // pixels per frame, as at the middle movement speed
constexpr int kFrameGuard = 100000;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Every unit back to full strength, so that every turn keeps all of them
// acting.
void Refresh(BattleScreen& b) {
  for (int j = 0; j < battle::kArmySlots; ++j) {
    b.armyCount[j] = 250;
    b.armyWounds1[j] = b.armyWounds2[j] = b.armyWounds3[j] = b.armyKilled[j] = 0;
  }
  for (int e = 0; e < battle::kEnemySlots; ++e) {
    b.enemySoldiers[e] = 250;
    b.enemyWounds1[e] = b.enemyWounds2[e] = b.enemyWounds3[e] = b.enemyKilled[e] = 0;
  }
  for (int u = 0; u < battle::kAllySlots; ++u) {
    b.allyCount[u] = 250;
    b.allyWounds1[u] = b.allyWounds2[u] = b.allyWounds3[u] = b.allyKilled[u] = 0;
  }
  b.figureHealth = 1000000;
}

// Battle 73 with every allied group present and weak blows on every side.
void SetUp(BattleScreen& b) {
  for (uint8_t& stage : b.questStage) stage = 5;
  battle_test::SetUpRealBattle(b, 73, 250, 250, 250);
  for (int e = 0; e < battle::kEnemySlots; ++e) {
    b.enemyAttack[e] = 1;
    b.enemyShield[e] = 255;
  }
  for (int u = 0; u < battle::kAllySlots; ++u) {
    b.allyAttack[u] = 1;
    b.allyShield[u] = 255;
  }
  b.turnLimit = 255;
  Refresh(b);
}

// The slices of a turn, timed apart.
enum Slice { kChoices, kWalks, kBlows, kBookkeeping, kSlices };
const char* const kSliceNames[kSlices] = {"choices and path search", "walks", "blows",
                                          "per-frame bookkeeping"};

// The time of each slice of one turn, and the single choices.
struct TurnTimes {
  Clock::duration slice[kSlices]{};
  Clock::duration worstChoice{};
  long choices = 0;

  template <class F>
  void Time(Slice s, F&& body) {
    const Clock::time_point t = Clock::now();
    body();
    slice[s] += Clock::now() - t;
  }

  // Runs choose, and counts it as a choice when the side was choosing.
  template <class F>
  void Choice(bool choosing, F&& choose) {
    const Clock::time_point t = Clock::now();
    choose();
    const Clock::duration d = Clock::now() - t;
    slice[choosing ? kChoices : kBookkeeping] += d;
    if (!choosing) return;
    worstChoice = std::max(worstChoice, d);
    ++choices;
  }
};

// One frame of the computer's turn in the procedure's order, its slices
// timed into *times.
void ComputerFrame(BattleScreen& b, TurnTimes* times) {
  headless::SetNowMs(headless::NowMs() + 16);
  if (b.enemyPhase == battle::kEnemyAttack) {
    times->Time(kBlows, [&] {
      b.CheckAdjacent();
      b.StartEnemyAttack();
      b.ResolveEnemyAttack();
      b.enemyAttackPending = 0;
    });
  }
  if (b.allyPhase == battle::kAllyAttack) {
    times->Time(kBlows, [&] {
      b.CheckAdjacent();
      b.StartAllyAttack();
      b.ResolveAllyAttack();
    });
  }
  times->Choice(b.allyPhase == battle::kAllyPick, [&] { b.RunAllyChoice(); });
  if (b.allyPhase == battle::kAllyMove) times->Time(kWalks, [&] { b.WalkAlly(kWalkStep); });
  times->Choice(b.enemyPhase == battle::kEnemyPick, [&] { b.RunEnemyChoice(); });
  if (b.enemyPhase == battle::kEnemyMove) times->Time(kWalks, [&] { b.WalkEnemy(kWalkStep); });
  times->Time(kBookkeeping, [&] {
    b.StartPlayerTurn();
    b.AdvanceStepTimers();
    if (!b.battleOver) b.CheckBattleEnd();
  });
}

}  // namespace

int main() {
  SetBackend(Backend::Headless);
  BattleScreen b;
  SetUp(b);
  int allies = 0;
  int enemies = 0;
  for (int u = 0; u < battle::kAllySlots; ++u) allies += b.allyPresent[u];
  for (int e = 0; e < battle::kEnemySlots; ++e) enemies += b.enemyAlive[e];

  std::vector<double> whole;
  std::vector<double> slices[kSlices];
  Clock::duration allChoices{};
  Clock::duration worstChoice{};
  long choices = 0;
  long frames = 0;
  int turns = 0;
  for (; turns < kTurns && !b.battleOver; ++turns) {
    Refresh(b);
    b.EndTurn();
    TurnTimes t;
    const Clock::time_point turnStart = Clock::now();
    for (int guard = 0; guard < kFrameGuard; ++guard) {
      ComputerFrame(b, &t);
      ++frames;
      if (b.enemyPhase == battle::kEnemyIdle && b.allyPhase == battle::kAllyIdle) break;
    }
    whole.push_back(Ms(Clock::now() - turnStart));
    for (int p = 0; p < kSlices; ++p) slices[p].push_back(Ms(t.slice[p]));
    allChoices += t.slice[kChoices];
    worstChoice = std::max(worstChoice, t.worstChoice);
    choices += t.choices;
  }
  if (turns == 0) return 1;

  std::printf("battle 73: %d enemies, %d allied units, %d turns, %.0f frames per turn\n", enemies,
              allies, turns, static_cast<double>(frames) / turns);
  std::printf("computer's turn, per turn:\n");
  bench::PrintSpread("whole turn", bench::SpreadOf(whole));
  for (int p = 0; p < kSlices; ++p) bench::PrintSpread(kSliceNames[p], bench::SpreadOf(slices[p]));
  std::printf("one choice: %.2f us on average, %.2f us at worst (%ld choices)\n",
              choices ? 1000.0 * Ms(allChoices) / choices : 0.0, 1000.0 * Ms(worstChoice), choices);
  return 0;
}
