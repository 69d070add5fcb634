#pragma once
// Named values of the battle rules: the moves and paths, the blows, the
// computer's choices and the turns. Included by battle_screen.h, whose
// working fields are sized by some of them.

#include <cstdint>

namespace battle {

// ---- moves and paths
constexpr int kPathSlots = 10;        // waypoints of a path
constexpr uint8_t kMaxPathSteps = 7;  // steps of one plan (and move points of a turn)
// selectState: the fighter's selection and walk
constexpr uint8_t kSelectNone = 0;
constexpr uint8_t kSelectChosen = 1;     // selected; a planned path waits for confirmation
constexpr uint8_t kSelectConfirmed = 2;  // the procedure confirmed the path: the walk starts
constexpr uint8_t kSelectWalking = 3;
// pathBuildState
constexpr uint8_t kPathIdle = 0;
constexpr uint8_t kPathStart = 1;
constexpr uint8_t kPathCounted = 2;  // then 3..9 after steps 1..7
// armyWalkState: 0 idle, else the walking slot (1..6) + kArmyWalkBase - 1
constexpr uint8_t kArmyWalkBase = 2;  // slot 0 walks with state 2

// ---- blows
// attackState
constexpr uint8_t kAttackNone = 0;
constexpr uint8_t kAttackStart = 1;
constexpr uint8_t kAttackResolving = 2;
// enemyTarget: what the acting enemy strikes
constexpr uint8_t kEnemyTargetFighter = 0;
constexpr uint8_t kEnemyTargetArmyBase = 1;  // + army slot 0..5
constexpr uint8_t kEnemyTargetAllyBase = 7;  // + allied unit 0..19
constexpr uint8_t kNoTarget = 255;           // no unit met at the end of a path
// strikerKind
constexpr uint8_t kStrikerFighter = 1;
constexpr uint8_t kStrikerArmyBase = 2;  // + army slot 0..5
// hitMarks: a blow of the player's side, raised by the attack and kept in a
// copy by the drawing while the struck enemy shows the hit
constexpr int kHitMarkFighter = 0;  // the fighter strikes
constexpr int kHitMarkFighterCopy = 1;
constexpr int kHitMarkArmy = 2;  // an army strikes (strikingArmy)
constexpr int kHitMarkArmyCopy = 3;

// ---- computer choices
// enemyPhase
constexpr uint8_t kEnemyIdle = 0;  // the player's part of the turn
constexpr uint8_t kEnemyPick = 1;
constexpr uint8_t kEnemyMove = 2;
constexpr uint8_t kEnemyAttack = 3;
constexpr uint8_t kEnemyDone = 100;    // the enemy side has finished the turn
constexpr int kEnemyTargets = 30;      // entries 0..26 used
constexpr int kAllyApproaches = 400;   // 50 targets x 8
constexpr int kEnemyApproaches = 240;  // 30 targets x 8
constexpr uint8_t kEnemyNoApproach = 250;
constexpr uint32_t kAllyNoApproach = 410;
constexpr uint8_t kFarDistance = 100;  // start of the nearest searches
// Approach cells lie inside these bounds (rows 15 and 16 count as inside but
// hold no cell, so they are never free).
constexpr int32_t kApproachMaxX = 1520;
constexpr int32_t kApproachMaxY = 1360;
constexpr uint8_t kRetriesAllowed = 1;  // retries of an enemy whose walk ends on another enemy

// ---- turns and rewards
constexpr int kGradeCount = 3;
// Fame a lost and an abandoned battle take on leaving (never below 0); a
// victory adds its grade.
constexpr int32_t kFameDefeatLoss = 3;
constexpr int32_t kFameRetreatLoss = 1;
constexpr int32_t kHealthPerLevel = 7;
constexpr int32_t kAttackPerLevel = 2;
constexpr int32_t kShieldPerLevel = 2;
constexpr int32_t kArmyValuePerGrade = 2;     // attack and shield per army grade risen
constexpr int32_t kArmyGradePoints = 10;      // training + equipment per army grade
constexpr int32_t kGradeExperienceStep = 10;  // experience added at grade 3, taken at grade 1
constexpr uint8_t kHighestLevel = 70;

}  // namespace battle
