// Turns, victory and rewards: the animation step timers, the occupancy of
// the cells, the end tests, the turn hand-overs, the victory grade and its
// rewards and the effects of a victory on the game.
#include <algorithm>
#include <cstring>

#include "battle/battle_reward_tables.h"
#include "battle/battle_screen.h"
#include "game/game_state.h"
#include "platform/clock.h"

using namespace battle;

namespace {

constexpr uint8_t kSwingTop = 3;  // swing and hit frames run 0..3
constexpr uint32_t kPauseSteps = 6;

// A quest that settles with a victory: accepted ones are done by the battle.
constexpr uint8_t kQuestDoneByBattle = kQuestAchieved;

// Heroes who join after certain victories: hero index and map cell.
struct Joining {
  uint32_t battleId;
  int hero;
  uint32_t mapCell;
};
constexpr Joining kJoinings[] = {{4, 0, 1862}, {63, 7, 9688}, {64, 5, 379}};

// Victories in which the beaten army simply leaves the map.
constexpr uint32_t kLeaveOnly[] = {1,  5,  7,  8,  9,  10, 13, 14, 15, 18, 27,
                                   32, 33, 39, 40, 49, 56, 57, 59, 64, 65};

// Victories in which the army leaves and one quest settles.
struct QuestOfBattle {
  uint32_t battleId;
  int quest;
};
constexpr QuestOfBattle kLeaveAndSettle[] = {
    {3, 2},   {4, 3},   {6, 4},   {11, 13}, {12, 16}, {16, 11}, {17, 43}, {19, 39}, {20, 32},
    {21, 33}, {22, 36}, {23, 23}, {24, 71}, {25, 27}, {26, 50}, {28, 17}, {29, 34}, {31, 48},
    {34, 42}, {35, 29}, {36, 54}, {37, 12}, {38, 31}, {41, 62}, {42, 70}, {43, 47}, {44, 49},
    {45, 45}, {46, 35}, {47, 56}, {48, 44}, {50, 81}, {51, 66}, {52, 73}, {53, 69}, {54, 53},
    {55, 57}, {58, 60}, {60, 65}, {61, 58}, {62, 76}, {63, 14},
};

// The fixed place battles: one quest settles and one map place is cleared.
struct PlaceBattle {
  uint32_t battleId;
  int quest;
  int place;
};
constexpr PlaceBattle kPlaceBattles[] = {{66, 90, 12}, {67, 79, 11}, {68, 82, 16}, {69, 75, 15},
                                         {70, 83, 13}, {71, 85, 14}, {72, 41, 17}};

constexpr uint32_t kBattleTownTaken = 2;     // quest 5, the first town-or-mine flag, place 0
constexpr uint32_t kBattleMineTaken = 30;    // quest 28, the sixth town-or-mine flag, place 1
constexpr uint32_t kBattleEnemyCastle = 73;  // the last battle: the game is won
constexpr uint32_t kInvasionFirst = 81;
constexpr uint32_t kInvasionLast = 93;

}  // namespace

// ---- step timers

void BattleScreen::AdvanceStepTimers() { AdvanceStepTimersAt(timeGetTime()); }

void BattleScreen::AdvanceStepTimersAt(uint32_t now) {
  // Swing: 1, 2, 3, 2, 1, 0, 1, ...
  if (stepTimerState == kTimerStamp) {
    stepStampMs = now;
    stepTimerState = kTimerWaiting;
  } else if (now > stepStampMs + stepDelayMs) {
    stepTimerState = kTimerStamp;
    if (swingFrame > kSwingTop) swingFrame = kSwingTop;
    if (swingRising) {
      ++swingFrame;
      if (swingFrame >= kSwingTop) swingRising = 0;
    } else if (swingFrame == 0) {
      swingFrame = 1;
      swingRising = 1;
    } else {
      --swingFrame;
    }
  }

  // Hit: frames 1, 2, 3, 2, 1, 0, then the hit ends and the side goes on.
  if (hitActive) {
    if (hitTimerState == kTimerStamp) {
      hitStampMs = now;
      hitTimerState = kTimerWaiting;
    } else if (now > hitStampMs + stepDelayMs) {
      hitTimerState = kTimerStamp;
      int frame = hitFrame;
      if (hitRising) ++frame;
      if (frame > kSwingTop) {
        frame = kSwingTop;
        hitRising = 0;
      }
      if (!hitRising) --frame;
      if (frame < 0) {
        hitFrame = 0;
        hitActive = 0;
        hitTimerState = kTimerStamp;
        hitRising = 1;
        if (allyPhase == kAllyAttack) {
          allyPhase = kAllyPick;
          allyChooseNext = 1;
        }
        if (enemyPhase == kEnemyAttack) {
          enemyPhase = kEnemyPick;
          enemyChooseNext = 1;
        }
        std::memset(hitMarks, 0, sizeof hitMarks);
        allyStriking = enemyStriking = 0;
      } else {
        hitFrame = static_cast<uint8_t>(frame);
      }
    }
  }

  // Pause of six steps after a blow of the player's side.
  if (pauseActive != kPauseOff) {
    if (pauseTimerState == kTimerStamp) {
      pauseStampMs = now;
      pauseTimerState = kTimerWaiting;
      pauseActive = kPauseStamped;
    } else if (now > pauseStampMs + kPauseSteps * stepDelayMs) {
      pauseTimerState = kTimerStamp;
      pauseActive = kPauseOff;
      std::memset(hitMarks, 0, sizeof hitMarks);
    }
  }
}

// ---- occupancy and end tests

void BattleScreen::MarkOccupants() {
  auto mark = [&](uint32_t cell, uint32_t code) {
    if (IsFieldCell(cell)) occupant[cell] = code;
  };
  if (figureCell != 0) mark(figureCell, kOccupantFighter);
  for (int j = 0; j < battle::kArmySlots; ++j)
    if (armyUsed[j]) mark(armyCell[j], ArmyOccupant(j));
  for (int e = 0; e < kEnemySlots; ++e)
    if (enemyAlive[e]) mark(enemyCell[e], EnemyOccupant(e));
  for (int u = 0; u < kAllySlots; ++u)
    if (allyPresent[u]) mark(allyCell[u], AllyOccupant(u));
}

void BattleScreen::CheckBattleEnd() {
  battleOver = 1;
  armiesDown = 0;
  alliesDown = 0;
  for (int e = 0; e < kEnemySlots; ++e)
    if (enemyAlive[e]) battleOver = 0;
  if (battleOver) {
    victory = kVictoryJustWon;
    defeat = 0;
    return;
  }
  for (int j = 0; j < battle::kArmySlots; ++j)
    if (armyCount[j] == 0) ++armiesDown;
  for (int u = 0; u < kAllySlots; ++u)
    if (allyCount[u] == 0 || !allyPresent[u]) ++alliesDown;
  if (figureHealth == 0 && armiesDown == battle::kArmySlots && alliesDown == kAllySlots) {
    victory = kVictoryNone;
    defeat = 1;
    battleOver = 1;
  }
}

// ---- turns

void BattleScreen::EndTurn() {
  if (battleOver) return;
  allyPhase = kAllyPick;
  allyChooseNext = 1;
  enemyChooseNext = 1;
  std::memset(allyActed, 0, sizeof allyActed);
  std::memset(enemyActed, 0, sizeof enemyActed);
  figureMoves = kMovesPerTurn;
  std::fill(std::begin(armyMoves), std::end(armyMoves), kMovesPerTurn);
  std::fill(std::begin(enemyMoves), std::end(enemyMoves), kMovesPerTurn);
  std::fill(std::begin(allyMoves), std::end(allyMoves), kMovesPerTurn);
  figureAttacked = 0;
  std::memset(armyAttacked, 0, sizeof armyAttacked);
  figureSelected = 0;
  armySelected = 0;
  selectedArmy = 0;
  selectState = kSelectNone;
  markerShown = 0;
  ClearPlayerPath();
  allyStuck = 0;
  enemyStuck = 0;
}

void BattleScreen::StartPlayerTurn() {
  if (enemyPhase != kEnemyDone || walkLength != 0 || armyWalkState != 0 ||
      selectState == kSelectWalking)
    return;
  enemyPhase = kEnemyIdle;
}

void BattleScreen::CheckTurnLimit() {
  if (victory == kVictoryNone && allyPhase == kAllyIdle && turnNumber == turnLimit) {
    defeat = 1;
    enemyPhase = kEnemyIdle;
    battleOver = 1;
  }
}

// ---- victory

uint8_t BattleScreen::LevelForExperience(int32_t experience, uint8_t level) {
  if (experience < kLevelThresholds[0]) return level;
  uint8_t reached = 0;
  for (int32_t t : kLevelThresholds)
    if (experience >= t) ++reached;
  if (experience >= kLevelStepFrom) {
    int32_t n = 8 + (experience - kLevelStepFrom) / kLevelStep;
    if (n >= kSkippedLevel) ++n;
    reached = static_cast<uint8_t>(std::min<int32_t>(n, kHighestLevel));
  }
  return reached;
}

void BattleScreen::EvaluateVictory(int32_t* gold) {
  // Grade by the turns taken.
  const uint8_t turn = static_cast<uint8_t>(turnNumber);
  if (turn < gradeTurns3) victoryGrade = kGradeBrilliant;
  else if (turn < gradeTurns2) victoryGrade = kGradeGreat;
  else victoryGrade = kGradeVictory;

  const RewardRow& row = RewardRowFor(battleId);
  goldReward = row.gold[kGradeBrilliant - victoryGrade];
  goldFound = goldReward;
  if (gold) *gold += goldReward;
  experienceGained = row.experience;
  int32_t adjust = 0;
  if (victoryGrade == kGradeBrilliant) adjust = 1;
  if (victoryGrade == kGradeVictory) adjust = -1;
  experienceGained += adjust * kGradeExperienceStep;
  for (int r = 0; r < battle::kArmySlots; ++r) {
    trainingByRank[r] = row.training[r] + adjust;
    equipmentByRank[r] = row.equipment[r] + adjust;
  }
  for (int j = 0; j < battle::kArmySlots; ++j) {
    trainingBefore[j] = static_cast<int32_t>(armyTraining[j]);
    equipmentBefore[j] = static_cast<int32_t>(armyEquipment[j]);
  }

  // Experience and level; a fighter who is down gains nothing.
  if (figureHealth != 0) figureExperience += experienceGained;
  else experienceGained = 0;
  levelBefore = figureLevel;
  // The recomputation never lowers a level (a record may hold a level above
  // its experience), and the gains are paid only for a rise.
  const uint8_t level = std::max(LevelForExperience(figureExperience, figureLevel), figureLevel);
  const int32_t rise = level - levelBefore;
  figureLevel = level;
  levelGain = static_cast<uint8_t>(rise);
  healthGain = static_cast<uint8_t>(std::min<int32_t>(kHealthPerLevel * rise, 255));
  attackGain = static_cast<uint8_t>(std::min<int32_t>(kAttackPerLevel * rise, 255));
  shieldGain = static_cast<uint8_t>(std::min<int32_t>(kShieldPerLevel * rise, 255));
  figureAttack += attackGain;
  figureShield += shieldGain;

  // Army training by rank of the fights taken; ties keep the lower slot first.
  for (int j = 0; j < battle::kArmySlots; ++j)
    armyGradeBefore[j] = (trainingBefore[j] + equipmentBefore[j]) / kArmyGradePoints;
  uint8_t order[battle::kArmySlots];
  for (int j = 0; j < battle::kArmySlots; ++j) order[j] = static_cast<uint8_t>(j);
  std::stable_sort(order, order + battle::kArmySlots,
                   [&](uint8_t a, uint8_t b) { return armyFights[a] > armyFights[b]; });
  for (int r = 0; r < battle::kArmySlots; ++r) {
    const int j = order[r];
    armyRank[r] = order[r];
    armyTrainingGain[j] = trainingByRank[r];
    armyEquipmentGain[j] = equipmentByRank[r];
    armyGradeAfter[j] = armyGradeRise[j] = armyAttackGain[j] = armyShieldGain[j] = 0;
    if (armyCount[j] == 0) continue;
    armyTraining[j] += static_cast<uint32_t>(trainingByRank[r]);
    armyEquipment[j] += static_cast<uint32_t>(equipmentByRank[r]);
    armyGradeAfter[j] = static_cast<int32_t>(armyTraining[j] + armyEquipment[j]) / kArmyGradePoints;
    armyGradeRise[j] = std::max(armyGradeAfter[j] - armyGradeBefore[j], 0);
    armyAttackGain[j] = armyShieldGain[j] = kArmyValuePerGrade * armyGradeRise[j];
    armyAttack[j] += static_cast<uint32_t>(armyAttackGain[j]);
    armyShield[j] += static_cast<uint32_t>(armyShieldGain[j]);
  }
}

uint8_t BattleScreen::ApplyVictoryEffects(GameState* state) {
  if (!state) return 0;
  const uint32_t id = battleId;
  auto leave = [&]() {
    if (id >= 1 && id <= static_cast<uint32_t>(kEnemyArmies)) state->enemyPresent[id - 1] = 0;
  };
  auto settle = [&](int quest) {
    uint8_t& stage = state->questStage[quest - 1];
    stage = stage >= kQuestAccepted ? kQuestDoneByBattle : kQuestClosed;
    questStage[quest - 1] = stage;
  };
  auto join = [&](int hero, uint32_t cell) {
    state->heroPresent[hero] = 1;
    state->heroCell[hero] = cell;
    joinedHero = static_cast<uint8_t>(hero + 1);
  };

  for (uint32_t leaving : kLeaveOnly)
    if (id == leaving) leave();
  for (const QuestOfBattle& q : kLeaveAndSettle) {
    if (id != q.battleId) continue;
    leave();
    settle(q.quest);
  }
  for (const Joining& j : kJoinings)
    if (id == j.battleId) join(j.hero, j.mapCell);
  for (const PlaceBattle& p : kPlaceBattles) {
    if (id != p.battleId) continue;
    settle(p.quest);
    state->placeState[p.place] = 0;
  }
  if (id == kBattleTownTaken) {
    leave();
    settle(5);
    state->wealth.townOwned[0] = 1;
    state->placeState[0] = 0;
  }
  if (id == kBattleMineTaken) {
    leave();
    settle(28);
    state->wealth.townOwned[5] = 1;
    state->placeState[1] = 0;
  }
  if (id >= kInvasionFirst && id <= kInvasionLast) {
    leave();
    state->defeatedArmy = static_cast<uint8_t>(id - 1);
    state->mapSnapshotState = GameState::kSnapshotMapLeft;
  }
  if (id == kBattleEnemyCastle) {
    settle(87);
    settle(91);
    state->placeState[18] = 0;
    return 1;
  }
  return 0;
}
