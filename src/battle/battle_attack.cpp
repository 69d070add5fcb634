// Attack resolution: the damage of a blow by the strength difference, the
// attacker's soldier bonus, the weak-enemy reduction, the wound model, the
// removal of a destroyed unit, the attacker's facing and the blow record.
#include <cstring>

#include "battle/battle_neighbours.h"
#include "battle/battle_screen.h"
#include "platform/clock.h"

using namespace battle;

namespace {

// Gaps above which an enemy blow loses one point, per kind of defender.
constexpr int32_t kFighterGapSteps[] = {10,  25,  45,  70,  100, 130, 160,
                                        190, 220, 250, 280, 310, 340, 370};
constexpr int32_t kArmyGapSteps[] = {0, 10, 20, 30, 40, 50, 60, 70, 90, 120};
constexpr int32_t kAllyGapSteps[] = {0, 10, 20, 30, 40, 50, 60};

// A class of at least this many points is a strong blow (larger bonuses).
constexpr int32_t kStrongClass = 7;

template <size_t N>
int32_t Reduce(int32_t damage, int32_t gap, const int32_t (&steps)[N]) {
  if (damage <= 1) return damage;
  int32_t off = 0;
  for (int32_t s : steps)
    if (gap > s) ++off;
  damage -= off;
  return damage < 1 ? 1 : damage;
}

// The bracket bonus of an enemy striking the fighter.
int32_t FighterBracketBonus(int32_t soldiers, int32_t cls) {
  int32_t bonus = 0;
  if (soldiers >= 28) bonus = 5;
  else if (soldiers >= 25) bonus = 4;
  else if (soldiers >= 20) bonus = 3;
  else if (soldiers >= 18) bonus = 2;
  else if (soldiers >= 10) bonus = 1;
  if (cls >= kStrongClass) {
    if (soldiers > 30) bonus += 6;
    if (soldiers > 40) bonus += 4;
    for (int32_t over : {50, 60, 70, 80})
      if (soldiers > over) bonus += 2;
  }
  return bonus;
}

// The bonus of an allied unit, or of an enemy striking an army or an ally.
int32_t FifthOrQuarter(int32_t soldiers, int32_t cls) {
  return cls < kStrongClass ? soldiers / 5 : soldiers / 4;
}

// What one blow did to a unit with soldiers.
struct WoundResult {
  uint8_t wound[3];  // points that ended in that level (only the last level reached)
  uint8_t killed;
  bool destroyed;
};

// Spreads the damage over the wound layers, then kills soldiers.
WoundResult ApplyWounds(int32_t damage, uint8_t* soldiers, uint8_t* w1, uint8_t* w2, uint8_t* w3,
                        uint8_t* killed) {
  WoundResult r{};
  int32_t left = damage < 0 ? 0 : damage;
  uint8_t* layers[3] = {w1, w2, w3};
  for (int k = 0; k < 3 && left > 0; ++k) {
    if (*layers[k] >= *soldiers) continue;
    const int32_t room = *soldiers - *layers[k];
    const int32_t put = left < room ? left : room;
    *layers[k] = static_cast<uint8_t>(*layers[k] + put);
    left -= put;
    r.wound[0] = r.wound[1] = r.wound[2] = 0;
    r.wound[k] = static_cast<uint8_t>(put);
  }
  if (left > 0) {
    const int32_t kill = left < *soldiers ? left : *soldiers;
    *killed = static_cast<uint8_t>(*killed + kill);
    *soldiers = static_cast<uint8_t>(*soldiers - kill);
    r.killed = static_cast<uint8_t>(kill);
    if (kill > 0) r.wound[0] = r.wound[1] = r.wound[2] = 0;
  }
  r.destroyed = *soldiers == 0;
  return r;
}

template <typename T>
void Record(const WoundResult& r, T* wound1, T* wound2, T* wound3, T* oneKilled, T* killedShown,
            T* killedCount, T* destroyed) {
  *wound1 = r.wound[0];
  *wound2 = r.wound[1];
  *wound3 = r.wound[2];
  *oneKilled = r.killed == 1;
  *killedShown = r.killed > 1;
  *killedCount = r.killed > 1 ? r.killed : 0;
  *destroyed = r.destroyed;
  if (r.destroyed) *oneKilled = *killedShown = *killedCount = 0;
}

}  // namespace

int32_t BattleScreen::DamageClass(int32_t attack, int32_t shield) {
  if (attack > shield) return 6 + (attack - shield);
  if (attack == shield) return 6;
  const int32_t gap = shield - attack;
  if (gap < 10) return 5;
  if (gap < 20) return 4;
  if (gap < 30) return 3;
  if (gap < 50) return 2;
  if (gap < 100) return 1;
  return 0;
}

void BattleScreen::StartHit(uint32_t now) {
  hitActive = 1;
  hitStampMs = now;
  hitTimerState = kTimerWaiting;
  hitFrame = 0;
  hitRising = 1;
}

void BattleScreen::BlowSound(bool destroyed) {
  if (destroyed) smashSoundState = kSmashPlay;
  else pickSoundPending = 1;
}

void BattleScreen::WoundEnemy(int e) {
  if (e < 0 || e >= kEnemySlots || !enemyAlive[e]) return;
  const WoundResult r = ApplyWounds(blowDamage, &enemySoldiers[e], &enemyWounds1[e],
                                    &enemyWounds2[e], &enemyWounds3[e], &enemyKilled[e]);
  Record(r, &blowWound1, &blowWound2, &blowWound3, &blowOneKilled, &blowKilledShown,
         &blowKilledCount, &blowDestroyed);
  if (r.destroyed) {
    enemyAlive[e] = 0;
    if (IsFieldCell(enemyCell[e]) && occupant[enemyCell[e]] == EnemyOccupant(e))
      occupant[enemyCell[e]] = 0;
    enemyCell[e] = 0;
  }
  BlowSound(r.destroyed);
}

void BattleScreen::WoundArmy(int j) {
  if (j < 0 || j >= kArmySlots || !armyUsed[j]) return;
  const WoundResult r = ApplyWounds(blowDamage, &armyCount[j], &armyWounds1[j], &armyWounds2[j],
                                    &armyWounds3[j], &armyKilled[j]);
  Record(r, &armyBlowWound1, &armyBlowWound2, &armyBlowWound3, &armyBlowOneKilled,
         &armyBlowKilledShown, &armyBlowKilledCount, &armyBlowDestroyed);
  if (r.destroyed) {
    armyUsed[j] = 0;
    if (IsFieldCell(armyCell[j]) && occupant[armyCell[j]] == ArmyOccupant(j))
      occupant[armyCell[j]] = 0;
    armyCell[j] = 0;
  }
  BlowSound(r.destroyed);
}

void BattleScreen::WoundAlly(int u) {
  if (u < 0 || u >= kAllySlots || !allyPresent[u]) return;
  const WoundResult r = ApplyWounds(blowDamage, &allyCount[u], &allyWounds1[u], &allyWounds2[u],
                                    &allyWounds3[u], &allyKilled[u]);
  Record(r, &allyBlowWound1, &allyBlowWound2, &allyBlowWound3, &allyBlowOneKilled,
         &allyBlowKilledShown, &allyBlowKilledCount, &allyBlowDestroyed);
  if (r.destroyed) {
    allyPresent[u] = 0;
    if (IsFieldCell(allyCell[u]) && occupant[allyCell[u]] == AllyOccupant(u))
      occupant[allyCell[u]] = 0;
    allyCell[u] = 0;
  }
  BlowSound(r.destroyed);
}

// ---- the player's side

void BattleScreen::StartPlayerAttack() {
  if (attackState != kAttackStart) return;
  const int e = targetEnemy;
  if (e >= kEnemySlots || !enemyAlive[e]) {
    attackState = kAttackNone;
    return;
  }
  const bool fighter = figureAttacks != 0;
  const int slot = armyAttacks - 1;
  if (!fighter && (slot < 0 || slot >= kArmySlots || !armyUsed[slot])) {
    attackState = kAttackNone;
    return;
  }
  attackState = kAttackResolving;
  const uint32_t now = timeGetTime();
  StartHit(now);
  pauseActive = kPauseStamped;
  pauseStampMs = now;
  pauseTimerState = kTimerWaiting;
  strikerTarget = static_cast<uint8_t>(e);
  bonusApplied = 0;
  strengthGap = 0;
  if (fighter) {
    figureAttacked = 1;
    figureMoves = 0;
    figureSelected = 0;
    selectState = kSelectNone;
    strikerKind = kStrikerFighter;
    hitMarks[kHitMarkFighter] = 1;
    blowDamage = DamageClass(figureAttack, enemyShield[e]);
    figureFacing = FacingTowards(figureX, figureY, enemyX[e], enemyY[e], figureFacing);
  } else {
    armyMoves[slot] = 0;
    ++armyFights[slot];
    armyAttacked[slot] = 1;
    armySelected = 0;
    selectedArmy = 0;
    strikerKind = static_cast<uint8_t>(kStrikerArmyBase + slot);
    strikerArmySlot = static_cast<uint8_t>(slot);
    strikingArmy = static_cast<uint8_t>(slot + 1);
    hitMarks[kHitMarkArmy] = 1;
    blowDamage =
        DamageClass(static_cast<int32_t>(armyAttack[slot]), enemyShield[e]) + armyCount[slot] / 3;
    bonusApplied = 1;
    armyFacing[slot] =
        FacingTowards(armyX[slot], armyY[slot], enemyX[e], enemyY[e], armyFacing[slot]);
  }
}

void BattleScreen::ResolvePlayerAttack() {
  if (attackState == kAttackResolving) {
    attackState = kAttackNone;
    WoundEnemy(targetEnemy);
  }
  attackStep = 0;
}

// ---- the allied side

void BattleScreen::StartAllyAttack() {
  if (!allyAttackPending || allyPhase != kAllyAttack || actingAlly >= kAllySlots) return;
  const int u = actingAlly;
  const int e = targetEnemy;
  allyActed[u] = 1;
  if (e >= kEnemySlots || !enemyAlive[e] || !allyPresent[u]) {
    allyAttackPending = 0;
    allyPhase = kAllyPick;
    allyChooseNext = 1;
    return;
  }
  StartHit(timeGetTime());
  allyStriking = 1;
  strengthGap = 0;
  const int32_t cls = DamageClass(allyAttack[u], enemyShield[e]);
  blowDamage = cls + FifthOrQuarter(allyCount[u], cls);
  bonusApplied = 1;
  allyFacing[u] = FacingTowards(allyX[u], allyY[u], enemyX[e], enemyY[e], allyFacing[u]);
}

void BattleScreen::ResolveAllyAttack() {
  if (!allyAttackPending || allyPhase != kAllyAttack) return;
  allyAttackPending = 0;
  WoundEnemy(targetEnemy);
}

// ---- the enemy side

bool BattleScreen::EnemyTargetPosition(uint8_t target, int32_t* x, int32_t* y) const {
  if (target == kEnemyTargetFighter) {
    if (figureHealth <= 0) return false;
    *x = figureX;
    *y = figureY;
    return true;
  }
  if (target >= kEnemyTargetArmyBase && target < kEnemyTargetAllyBase) {
    const int j = target - kEnemyTargetArmyBase;
    if (!armyUsed[j] || armyCount[j] == 0) return false;
    *x = armyX[j];
    *y = armyY[j];
    return true;
  }
  const int u = target - kEnemyTargetAllyBase;
  if (target < kEnemyTargetAllyBase || u >= kAllySlots || !allyPresent[u] || allyCount[u] == 0)
    return false;
  *x = allyX[u];
  *y = allyY[u];
  return true;
}

void BattleScreen::DropEnemyAttack() {
  enemyAttackPending = 0;
  if (actingEnemy < kEnemySlots) enemyActed[actingEnemy] = 1;
  enemyPhase = kEnemyPick;
  enemyChooseNext = 1;
}

void BattleScreen::StartEnemyAttack() {
  if (!enemyAttackPending || enemyPhase != kEnemyAttack || actingEnemy >= kEnemySlots) return;
  const int e = actingEnemy;
  int32_t tx = 0;
  int32_t ty = 0;
  if (!enemyAlive[e] || !EnemyTargetPosition(enemyTarget, &tx, &ty)) {
    DropEnemyAttack();
    return;
  }
  StartHit(timeGetTime());
  enemyStriking = 1;
  enemyActed[e] = 1;
  strengthGap = 0;
  bonusApplied = 1;
  struckFighter = struckArmy = struckAlly = 0;
  const int32_t soldiers = enemySoldiers[e];
  const int32_t attack = enemyAttack[e];
  if (enemyTarget == kEnemyTargetFighter) {
    if (attack < figureShield) strengthGap = figureShield - attack;
    const int32_t cls = DamageClass(attack, figureShield);
    blowDamage = Reduce(cls + FighterBracketBonus(soldiers, cls) + soldiers / 3, strengthGap,
                        kFighterGapSteps);
    struckFighter = 1;
    // The fighter has no soldiers: the damage comes off the health.
    if (figureHealth < blowDamage) {
      figureHealth = 0;
    } else {
      pickSoundPending = 1;
      figureHealth -= blowDamage;
    }
    if (figureHealth == 0) {
      if (IsFieldCell(figureCell) && occupant[figureCell] == kOccupantFighter)
        occupant[figureCell] = 0;
      smashSoundState = kSmashPlay;
    }
  } else if (enemyTarget < kEnemyTargetAllyBase) {
    const int j = enemyTarget - kEnemyTargetArmyBase;
    const int32_t shield = static_cast<int32_t>(armyShield[j]);
    if (attack < shield) strengthGap = shield - attack;
    const int32_t cls = DamageClass(attack, shield);
    blowDamage = Reduce(cls + FifthOrQuarter(soldiers, cls), strengthGap, kArmyGapSteps);
    struckArmy = 1;
    struckArmySlot = static_cast<uint8_t>(j);
  } else {
    const int u = enemyTarget - kEnemyTargetAllyBase;
    if (attack < allyShield[u]) strengthGap = allyShield[u] - attack;
    const int32_t cls = DamageClass(attack, allyShield[u]);
    blowDamage = Reduce(cls + FifthOrQuarter(soldiers, cls), strengthGap, kAllyGapSteps);
    struckAlly = 1;
    struckAllyIndex = static_cast<uint8_t>(u);
  }
  enemyFacing[e] = FacingTowards(enemyX[e], enemyY[e], tx, ty, enemyFacing[e]);
}

void BattleScreen::ResolveEnemyAttack() {
  if (!enemyAttackPending || enemyPhase != kEnemyAttack) return;
  enemyAttackPending = 0;
  if (struckArmy) {
    ++armyFights[struckArmySlot];
    WoundArmy(struckArmySlot);
  } else if (struckAlly) {
    WoundAlly(struckAllyIndex);
  }
}

// ---- adjacency before a computer blow

void BattleScreen::CheckAdjacent() {
  if (enemyPhase == kEnemyAttack) {
    if (!enemyAttackPending || adjacentFound || actingEnemy >= kEnemySlots) return;
    enemyTarget = approachFound ? approachTarget : enemyMetTarget;
    int32_t tx = 0;
    int32_t ty = 0;
    const int e = actingEnemy;
    if (!EnemyTargetPosition(enemyTarget, &tx, &ty) || !IsNeighbour(enemyX[e], enemyY[e], tx, ty))
      DropEnemyAttack();
    return;
  }
  if (allyPhase == kAllyAttack) {
    if (!allyAttackPending || adjacentFound || actingAlly >= kAllySlots) return;
    const int u = actingAlly;
    if (approachFound) targetEnemy = approachTarget;
    else targetEnemy = allyMetTarget != kNoTarget ? allyMetTarget : nearestTarget;
    allyActed[u] = 1;
    const int e = targetEnemy;
    if (e >= kEnemySlots || !enemyAlive[e] ||
        !IsNeighbour(allyX[u], allyY[u], enemyX[e], enemyY[e])) {
      allyAttackPending = 0;
      allyPhase = kAllyPick;
      allyChooseNext = 1;
    }
  }
}
