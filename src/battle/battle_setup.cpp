// BattleScreen: setting a battle up by its number - the friendly side with
// its allied units, then the enemy line-up.

#include <cstring>

#include "battle/battle_lineups.h"
#include "battle/battle_screen.h"
#include "game/glyph_name.h"

namespace {

// Names of allied units are at most 20 letter codes; the last byte stays 0.
constexpr int kAllyNameCells = kGlyphNameLength - 1;

bool AllyGroupComes(const battle::AllyGroup& group, const BattleScreen& b) {
  switch (group.condition) {
    case battle::AllyCondition::kAlways: return true;
    case battle::AllyCondition::kQuestStage:
      return group.quest >= 1 && group.quest <= battle::kQuests &&
             b.questStage[group.quest - 1] >= group.minStage;
    case battle::AllyCondition::kCaughtByArmy: return b.caughtByArmy != 0;
  }
  return false;
}

}  // namespace

void BattleScreen::SetUpBattle() {
  const battle::FriendlySetUp* setUp = battle::FindFriendlySetUp(battleId);
  if (!setUp) return;

  gradeTurns3 = setUp->gradeTurns3;
  gradeTurns2 = setUp->gradeTurns2;
  turnLimit = setUp->turnLimit;
  figureCell = setUp->figureCell;
  figureFacing = setUp->figureFacing;
  for (int j = 0; j < battle::kArmySlots; ++j) {
    armyCell[j] = setUp->armyCell[j];
    armyFacing[j] = setUp->armyFacing[j];
  }
  viewX = setUp->viewX;
  viewY = setUp->viewY;

  const battle::AllyGroups groups = battle::FindAllyGroups(battleId);
  for (std::size_t g = 0; g < groups.count; ++g) {
    const battle::AllyGroup& group = groups.first[g];
    if (!AllyGroupComes(group, *this)) continue;
    for (int k = 0; k < group.count; ++k) {
      const int i = group.firstSlot + k;
      if (i >= battle::kAllySlots) break;
      const battle::AllyPlacement& unit = group.units[k];
      allyPresent[i] = 1;
      allyCell[i] = unit.cell;
      allyX[i] = battle::CellX(unit.cell);
      allyY[i] = battle::CellY(unit.cell);
      allyFacing[i] = unit.facing;
      allyPicture[i] = unit.picture;
      allyCount[i] = unit.soldiers;
      allyWounds1[i] = 0;
      allyWounds2[i] = 0;
      allyWounds3[i] = 0;
      allyKilled[i] = 0;
      allyAttack[i] = unit.attack;
      allyShield[i] = unit.shield;
      std::memset(allyName[i], 0, sizeof allyName[i]);
      GlyphFromText(unit.name, allyName[i], kAllyNameCells);
      if (unit.picture < battle::kAllyPictures) allyPictureUsed[unit.picture] = 1;
    }
  }
}

void BattleScreen::PlaceEnemies() {
  std::memset(enemyPictureUsed, 0, sizeof enemyPictureUsed);
  const battle::EnemyLineup* lineup = battle::FindEnemyLineup(battleId);
  if (!lineup) return;

  const int count = lineup->count < battle::kEnemySlots ? lineup->count : battle::kEnemySlots;
  for (int i = 0; i < count; ++i) {
    const battle::EnemyPlacement& army = lineup->armies[i];
    enemyAlive[i] = 1;
    enemyPicture[i] = army.picture;
    enemyCell[i] = army.cell;
    enemyX[i] = battle::CellX(army.cell);
    enemyY[i] = battle::CellY(army.cell);
    enemyWounds1[i] = 0;
    enemyWounds2[i] = 0;
    enemyWounds3[i] = 0;
    enemyKilled[i] = 0;
    enemySoldiers[i] = army.soldiers;
    enemyAttack[i] = army.attack;
    enemyShield[i] = army.shield;
    enemyFacing[i] = army.facing;
    if (army.picture < battle::kEnemyPictures) enemyPictureUsed[army.picture] = 1;
  }
  enemyCountAtStart = lineup->divisor;
}
