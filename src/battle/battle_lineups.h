#pragma once
// The battle tables by battle id (1..73 and 81..93): the friendly side's
// set-up, the allied units with the conditions under which they come, and
// the enemy line-ups. The tables themselves are in battle_lineups.cpp; the
// set-up operations of BattleScreen read them through these look-ups.

#include <cstddef>
#include <cstdint>

namespace battle {

// Where the fighter and his armies stand and how long the battle may last.
struct FriendlySetUp {
  uint8_t battleId;
  uint8_t gradeTurns3;  // a victory before this turn is grade 3
  uint8_t gradeTurns2;  // ... before this one grade 2
  uint8_t turnLimit;    // reaching this turn loses the battle
  uint16_t figureCell;
  uint8_t figureFacing;
  uint16_t armyCell[6];
  uint8_t armyFacing[6];
  int16_t viewX, viewY;  // the first scroll position
};

enum class AllyCondition : uint8_t {
  kAlways,        // the units come in every fight
  kQuestStage,    // quest `quest` has reached stage `minStage`
  kCaughtByArmy,  // an invading army caught a party member
};

struct AllyPlacement {
  uint16_t cell;
  uint8_t facing;
  uint8_t picture;  // 0 volunteers, 1 palace guards, 2 castle guards
  uint8_t soldiers;
  uint8_t attack;
  uint8_t shield;
  const char* name;  // "" for a unit without a name
};

// A group of allied units that come together, in consecutive slots.
struct AllyGroup {
  uint8_t battleId;
  AllyCondition condition;
  uint8_t quest;  // quest number 1..100
  uint8_t minStage;
  uint8_t firstSlot;
  uint8_t count;
  const AllyPlacement* units;
};

// A battle's groups: count consecutive table rows from first.
struct AllyGroups {
  const AllyGroup* first;
  std::size_t count;
};

struct EnemyPlacement {
  uint16_t cell;
  uint8_t picture;  // 0..10
  uint8_t facing;
  uint8_t soldiers;
  uint8_t attack;
  uint8_t shield;
};

struct EnemyLineup {
  uint8_t battleId;
  uint8_t count;    // armies, in slots 0..count-1
  uint8_t divisor;  // divides the end-of-battle sums
  const EnemyPlacement* armies;
};

// nullptr for a battle id without an entry.
const FriendlySetUp* FindFriendlySetUp(uint32_t battleId);
const EnemyLineup* FindEnemyLineup(uint32_t battleId);
// No groups (count 0) for a battle without allied units.
AllyGroups FindAllyGroups(uint32_t battleId);

}  // namespace battle
