// Whole battles played frame by frame, every battle number: the player
// gives random orders or sends every unit at its nearest enemy. Every battle must
// come to its end within a frame budget, and no two units ever share a cell.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "battle/battle_screen.h"
#include "battle_rules_util.h"
#include "game/game_state.h"

using namespace battle;
using namespace battle_test;

namespace {

constexpr int kFrameBudget = 60000;
constexpr int32_t kWalkStep = 20;  // pixels per frame

std::vector<uint32_t> BattleNumbers() {
  std::vector<uint32_t> ids;
  for (uint32_t id = 1; id <= 73; ++id) ids.push_back(id);
  for (uint32_t id = 81; id <= 93; ++id) ids.push_back(id);
  return ids;
}

bool PlayerMayAct(const BattleScreen& b) {
  return b.enemyPhase == kEnemyIdle && b.allyPhase == kAllyIdle && !Walking(b) &&
         b.attackStep == 0 && !b.battleOver;
}

// The player's units in order: the fighter (-1), then the armies.
bool CanStrike(const BattleScreen& b, int unit) {
  if (unit < 0) return b.figureHealth > 0 && b.figureMoves > 0 && !b.figureAttacked;
  return b.armyUsed[unit] && b.armyMoves[unit] > 0 && !b.armyAttacked[unit];
}

// Sends the next unit that has not yet tried this turn at its nearest enemy;
// false when every unit has tried.
bool AttackNearest(BattleScreen& b, int* nextUnit) {
  for (; *nextUnit < battle::kArmySlots; ++*nextUnit) {
    const int unit = *nextUnit;
    if (!CanStrike(b, unit)) continue;
    const int32_t x = unit < 0 ? b.figureX : b.armyX[unit];
    const int32_t y = unit < 0 ? b.figureY : b.armyY[unit];
    int nearest = -1;
    for (int e = 0; e < kEnemySlots; ++e)
      if (b.enemyAlive[e] &&
          (nearest < 0 || CellDistance(x, y, b.enemyX[e], b.enemyY[e]) <
                              CellDistance(x, y, b.enemyX[nearest], b.enemyY[nearest])))
        nearest = e;
    if (nearest < 0) return false;
    Click(b, unit < 0 ? b.figureCell : b.armyCell[unit]);
    Click(b, b.enemyCell[nearest]);
    Confirm(b);
    ++*nextUnit;
    return true;
  }
  return false;
}

// Plays one battle; returns "" when it ended properly, else what went wrong.
// Without a random source the player attacks with every unit when `attack`
// is set, else he only ends his turns.
std::string Play(BattleScreen& b, std::mt19937* random, int* framesUsed, bool attack = false) {
  int nextUnit = -1;
  for (int frame = 0; frame < kFrameBudget; ++frame) {
    if (b.battleOver) {
      *framesUsed = frame;
      if (b.victory) {
        int32_t gold = 0;
        b.EvaluateVictory(&gold);
        GameState state;
        b.ApplyVictoryEffects(&state);
      }
      return "";
    }
    if (PlayerMayAct(b)) {
      if (random && (*random)() % 8 != 0) {
        // A random click (often on an enemy), sometimes confirmed.
        uint32_t cell = 1 + (*random)() % kCellCount;
        const int e = static_cast<int>((*random)() % kEnemySlots);
        const int j = static_cast<int>((*random)() % battle::kArmySlots);
        const uint32_t pick = (*random)() % 4;
        if (pick == 0 && b.enemyAlive[e]) cell = b.enemyCell[e];
        if (pick == 1) cell = b.armyUsed[j] ? b.armyCell[j] : b.figureCell;
        Click(b, cell);
        if ((*random)() % 3) Confirm(b);
      } else if (!attack || !AttackNearest(b, &nextUnit)) {
        b.EndTurn();
        nextUnit = -1;
      }
    }
    Frame(b, kWalkStep);
    if (const std::string fault = OccupancyFault(b); !fault.empty())
      return "frame " + std::to_string(frame) + ": " + fault;
    if (b.turnNumber > b.turnLimit)
      return "turn " + std::to_string(b.turnNumber) + " passed the limit";
  }
  return "no end within the frame budget (turn " + std::to_string(b.turnNumber) + ", ally phase " +
         std::to_string(b.allyPhase) + ", enemy phase " + std::to_string(b.enemyPhase) + ")";
}

TEST(BattlePlay, EveryBattleEndsUnderRandomOrdersAndStrongOrWeakSides) {
  std::mt19937 random(20261207);
  int defeats = 0;
  for (uint32_t id : BattleNumbers()) {
    for (int strength : {5, 60}) {
      headless::SetNowMs(0);
      BattleScreen b;
      b.caughtByArmy = static_cast<uint8_t>(id % 2);
      for (uint8_t& stage : b.questStage) stage = static_cast<uint8_t>(random() % 8);
      SetUpRealBattle(b, id, strength, static_cast<uint8_t>(strength / 2 + 3),
                      static_cast<uint32_t>(strength));
      ASSERT_EQ(OccupancyFault(b), "") << "battle " << id;
      int frames = 0;
      EXPECT_EQ(Play(b, &random, &frames), "") << "battle " << id << " strength " << strength;
      defeats += b.defeat;
    }
  }
  EXPECT_GT(defeats, 0);
}

TEST(BattlePlay, AStrongSideThatStrikesTheNearestEnemyWinsTheBattles) {
  int victories = 0;
  for (uint32_t id : BattleNumbers()) {
    headless::SetNowMs(0);
    BattleScreen b;
    SetUpRealBattle(b, id, 250, 100, 250);
    int frames = 0;
    EXPECT_EQ(Play(b, nullptr, &frames, true), "") << "battle " << id;
    victories += b.victory != 0;
    if (id == 1) {
      EXPECT_EQ(b.victory, kVictoryJustWon) << "battle 1";
      EXPECT_GT(b.figureExperience, 0);
    }
  }
  EXPECT_EQ(victories, static_cast<int>(BattleNumbers().size()));
}

}  // namespace
