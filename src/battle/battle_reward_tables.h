#pragma once
// The reward rows of the victories by battle id and the experience needed
// for each level.

#include <cstdint>

#include "battle/battle_screen.h"

namespace battle {

struct RewardRow {
  int32_t gold[kGradeCount];  // for grades 3, 2, 1
  int32_t experience;
  int32_t training[kArmySlots];  // increments of ranks 1..6
  int32_t equipment[kArmySlots];
};

// The row of a battle id: its own, the default, or for every id above 80 the
// last one.
const RewardRow& RewardRowFor(uint32_t battleId);

// Experience needed for levels 1..7; from level 8 on one level per further
// 100 points, level 29 never given, level 70 the highest.
constexpr int32_t kLevelThresholds[] = {50, 100, 160, 230, 310, 400, 500};
constexpr int32_t kLevelStepFrom = 600;  // level 8
constexpr int32_t kLevelStep = 100;
constexpr uint8_t kSkippedLevel = 29;

}  // namespace battle
