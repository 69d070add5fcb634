// Turns, victory and rewards: the step timers, the end tests, the grades,
// the rewards, the level table, army training and the victory effects.
#include <gtest/gtest.h>

#include <vector>

#include "battle/battle_screen.h"
#include "battle_rules_util.h"
#include "game/game_state.h"

using namespace battle;
using namespace battle_test;

namespace {

TEST(BattleTimers, TheSwingRunsUpAndDownAndAHitShowsSixFramesThenHandsOn) {
  BattleScreen b;
  std::vector<int> swing;
  uint32_t now = 1000;
  for (int i = 0; i < 8; ++i) {
    b.AdvanceStepTimersAt(now);  // stamp
    now += b.stepDelayMs + 1;
    b.AdvanceStepTimersAt(now);  // step
    swing.push_back(b.swingFrame);
  }
  EXPECT_EQ(swing, (std::vector<int>{1, 2, 3, 2, 1, 0, 1, 2}));

  b.hitActive = 1;
  b.enemyPhase = kEnemyAttack;
  b.hitMarks[kHitMarkFighter] = 1;
  std::vector<int> hit;
  for (int i = 0; i < 10 && b.hitActive; ++i) {
    b.AdvanceStepTimersAt(now);
    now += b.stepDelayMs;
    b.AdvanceStepTimersAt(now);  // not strictly later: no step yet
    now += 1;
    b.AdvanceStepTimersAt(now);
    if (b.hitActive) hit.push_back(b.hitFrame);
  }
  EXPECT_EQ(hit, (std::vector<int>{1, 2, 3, 2, 1, 0}));
  EXPECT_EQ(b.hitActive, 0);
  EXPECT_EQ(b.enemyPhase, kEnemyPick);
  EXPECT_EQ(b.enemyChooseNext, 1);
  EXPECT_EQ(b.hitMarks[kHitMarkFighter], 0);
}

TEST(BattleEnd, NoEnemyLeftIsAVictoryAndTheFightersSideWipedOutADefeat) {
  BattleScreen b;
  ClearField(b);
  PutEnemy(b, 3, 4, 4);
  PutArmy(b, 0, 1, 1);
  b.CheckBattleEnd();
  EXPECT_EQ(b.battleOver, 0);
  EXPECT_EQ(b.armiesDown, 5);
  EXPECT_EQ(b.alliesDown, 20);
  b.armyCount[0] = 0;
  b.CheckBattleEnd();
  EXPECT_EQ(b.defeat, 1);
  EXPECT_EQ(b.battleOver, 1);

  BattleScreen w;
  w.CheckBattleEnd();
  EXPECT_EQ(w.victory, kVictoryJustWon);
  EXPECT_EQ(w.battleOver, 1);
}

TEST(BattleTurns, Battle1GradesByTurnAndIsLostAtTurnTen) {
  const struct {
    uint32_t turn;
    uint8_t grade;
  } cases[] = {{5, 3}, {6, 2}, {7, 2}, {8, 1}};
  for (const auto& c : cases) {
    BattleScreen b;
    b.battleId = 1;
    b.SetUpBattle();
    b.turnNumber = c.turn;
    int32_t gold = 0;
    b.EvaluateVictory(&gold);
    EXPECT_EQ(b.victoryGrade, c.grade) << c.turn;
  }

  BattleScreen b;
  b.battleId = 1;
  b.SetUpBattle();
  b.turnNumber = 9;
  b.CheckTurnLimit();
  EXPECT_EQ(b.defeat, 0);
  b.turnNumber = 10;
  b.allyPhase = kAllyPick;
  b.CheckTurnLimit();
  EXPECT_EQ(b.defeat, 0) << "not while the allied side acts";
  b.allyPhase = kAllyIdle;
  b.enemyPhase = kEnemyDone;
  b.CheckTurnLimit();
  EXPECT_EQ(b.defeat, 1);
  EXPECT_EQ(b.battleOver, 1);
  EXPECT_EQ(b.enemyPhase, kEnemyIdle);
}

// A won battle with the fighter standing and six armies.
void Won(BattleScreen& b, uint32_t battleId, uint32_t turn) {
  b.battleId = battleId;
  b.gradeTurns3 = 6;
  b.gradeTurns2 = 8;
  b.turnNumber = turn;
  b.figureHealth = 20;
  b.figureAttack = 10;
  b.figureShield = 10;
  for (int j = 0; j < battle::kArmySlots; ++j) b.armyCount[j] = 5;
  b.victory = kVictoryJustWon;
}

TEST(BattleRewards, GoldAndExperienceByBattleAndGrade) {
  BattleScreen b;
  Won(b, 1, 2);
  int32_t gold = 7;
  b.EvaluateVictory(&gold);
  EXPECT_EQ(gold, 107);
  EXPECT_EQ(b.figureExperience, 70);  // 60 + 10 at grade 3
  EXPECT_EQ(b.trainingByRank[0], 6);

  BattleScreen two;
  Won(two, 2, 9);
  gold = 0;
  two.EvaluateVictory(&gold);
  EXPECT_EQ(gold, 0) << "a grade-1 victory in battle 2 pays no gold";
  EXPECT_EQ(two.experienceGained, 70);
  EXPECT_EQ(two.trainingByRank[3], 2);

  BattleScreen other;
  Won(other, 8, 7);  // the default row
  other.EvaluateVictory(&gold);
  EXPECT_EQ(other.experienceGained, 80);
  BattleScreen invasion;
  Won(invasion, 90, 7);
  invasion.EvaluateVictory(&gold);
  EXPECT_EQ(invasion.experienceGained, 200);

  BattleScreen down;
  Won(down, 1, 2);
  down.figureHealth = 0;
  gold = 0;
  down.EvaluateVictory(&gold);
  EXPECT_EQ(down.experienceGained, 0);
  EXPECT_EQ(down.figureExperience, 0);
  EXPECT_EQ(gold, 100) << "the gold is paid to a fighter who is down";
  EXPECT_EQ(down.armyTraining[0], 6u);
}

TEST(BattleRewards, TheLevelTableSkipsTwentyNineAndStopsAtSeventy) {
  EXPECT_EQ(BattleScreen::LevelForExperience(49, 3), 3);
  EXPECT_EQ(BattleScreen::LevelForExperience(159, 0), 2);
  EXPECT_EQ(BattleScreen::LevelForExperience(500, 0), 7);
  EXPECT_EQ(BattleScreen::LevelForExperience(699, 0), 8);
  EXPECT_EQ(BattleScreen::LevelForExperience(2650, 0), 28);
  EXPECT_EQ(BattleScreen::LevelForExperience(2700, 0), 30);
  EXPECT_EQ(BattleScreen::LevelForExperience(6799, 0), 70);
  EXPECT_EQ(BattleScreen::LevelForExperience(90000, 0), 70);
}

TEST(BattleRewards, ALevelRisePaysGainsAndALevelIsNeverLowered) {
  BattleScreen b;
  Won(b, 1, 2);  // 70 experience
  b.figureExperience = 90;
  b.figureLevel = 1;
  int32_t gold = 0;
  b.EvaluateVictory(&gold);
  EXPECT_EQ(b.figureLevel, 3);
  EXPECT_EQ(b.levelGain, 2);
  EXPECT_EQ(b.healthGain, 14);
  EXPECT_EQ(b.figureAttack, 14);
  EXPECT_EQ(b.figureShield, 14);

  // A record whose level stands above its experience keeps its level and
  // gains nothing.
  BattleScreen high;
  Won(high, 1, 2);
  high.figureExperience = 100;
  high.figureLevel = 12;
  high.EvaluateVictory(&gold);
  EXPECT_EQ(high.figureLevel, 12);
  EXPECT_EQ(high.healthGain, 0);
  EXPECT_EQ(high.figureAttack, 10);
}

TEST(BattleRewards, ArmiesAreTrainedByTheRankOfTheirFights) {
  BattleScreen b;
  Won(b, 1, 7);  // grade 2: the row as it stands
  const uint32_t fights[] = {2, 5, 0, 5, 1, 3};
  for (int j = 0; j < battle::kArmySlots; ++j) {
    b.armyFights[j] = fights[j];
    b.armyTraining[j] = 8;
    b.armyEquipment[j] = 8;
    b.armyAttack[j] = 20;
    b.armyShield[j] = 20;
  }
  b.armyTraining[2] = b.armyEquipment[2] = 10;
  b.armyCount[4] = 0;
  int32_t gold = 0;
  b.EvaluateVictory(&gold);
  // Ranks: slot 1 and 3 (5 fights, the lower slot first), 5, 0, 4, 2.
  EXPECT_EQ(std::vector<int>(b.armyRank, b.armyRank + 6), (std::vector<int>{1, 3, 5, 0, 4, 2}));
  // Battle 1: 5/5 5/4 4/3 3/4 3/4 4/3.
  EXPECT_EQ(b.armyEquipment[3], 12u);
  EXPECT_EQ(b.armyTraining[2], 14u);
  // 16 -> 26 points: grade 1 -> 2, attack and shield + 2.
  EXPECT_EQ(b.armyGradeRise[1], 1);
  EXPECT_EQ(b.armyAttack[1], 22u);
  EXPECT_EQ(b.armyShield[1], 22u);
  // 20 -> 27: no rise.
  EXPECT_EQ(b.armyGradeRise[2], 0);
  EXPECT_EQ(b.armyAttack[2], 20u);
  // A slot without soldiers gets nothing but shows its rank's increments.
  EXPECT_EQ(b.armyTraining[4], 8u);
  EXPECT_EQ(b.armyTrainingGain[4], 3);
  EXPECT_EQ(b.armyAttackGain[4], 0);
}

TEST(BattleVictory, EffectsOfBattles2And4And73AndAnInvasion) {
  GameState s;
  s.questStage[4] = 2;  // quest 5 accepted
  s.enemyPresent[1] = 1;
  s.placeState[0] = 3;
  BattleScreen two;
  two.battleId = 2;
  EXPECT_EQ(two.ApplyVictoryEffects(&s), 0);
  EXPECT_EQ(s.enemyPresent[1], 0);
  EXPECT_EQ(s.questStage[4], kQuestAchieved);
  EXPECT_EQ(s.wealth.townOwned[0], 1);
  EXPECT_EQ(s.placeState[0], 0);

  BattleScreen four;
  four.battleId = 4;
  s.questStage[2] = 1;  // quest 3 only offered: it closes
  four.ApplyVictoryEffects(&s);
  EXPECT_EQ(s.questStage[2], kQuestClosed);
  EXPECT_EQ(s.heroPresent[0], 1);
  EXPECT_EQ(s.heroCell[0], 1862u);
  EXPECT_EQ(four.joinedHero, 1);

  BattleScreen last;
  last.battleId = 73;
  s.questStage[86] = 4;
  s.placeState[18] = 1;
  s.enemyPresent[72] = 1;
  EXPECT_EQ(last.ApplyVictoryEffects(&s), 1) << "the game is won";
  EXPECT_EQ(s.questStage[86], kQuestAchieved);
  EXPECT_EQ(s.placeState[18], 0);
  EXPECT_EQ(s.enemyPresent[72], 1) << "the enemy's castle does not leave the map";

  BattleScreen invasion;
  invasion.battleId = 85;
  s.enemyPresent[84] = 1;
  invasion.ApplyVictoryEffects(&s);
  EXPECT_EQ(s.enemyPresent[84], 0);
  EXPECT_EQ(s.defeatedArmy, 84);
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotMapLeft);
}

}  // namespace
