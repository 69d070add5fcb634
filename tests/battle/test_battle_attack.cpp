// Attack resolution: damage classes, soldier bonuses, the weak-enemy
// reduction, the wound model and what a blow leaves on the field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/battle_screen.h"
#include "battle_rules_util.h"

using namespace battle;
using namespace battle_test;

namespace {

TEST(BattleAttack, DamageClassByStrengthDifference) {
  EXPECT_EQ(BattleScreen::DamageClass(40, 45), 5);
  EXPECT_EQ(BattleScreen::DamageClass(40, 50), 4);
  EXPECT_EQ(BattleScreen::DamageClass(40, 69), 3);
  EXPECT_EQ(BattleScreen::DamageClass(40, 70), 2);
  EXPECT_EQ(BattleScreen::DamageClass(40, 89), 2);
  EXPECT_EQ(BattleScreen::DamageClass(40, 90), 1);
  EXPECT_EQ(BattleScreen::DamageClass(40, 139), 1);
  EXPECT_EQ(BattleScreen::DamageClass(40, 140), 0);
  EXPECT_EQ(BattleScreen::DamageClass(50, 50), 6);
  EXPECT_EQ(BattleScreen::DamageClass(58, 50), 14);
}

// A player's blow on enemy 0 standing next to the striker.
class PlayerBlow : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearField(b);
    PutFighter(b, 4, 4, 50, 40, 10);
    PutArmy(b, 2, 6, 4, 9, 40, 10);
  }
  void Strike(bool fighter) {
    b.figureAttacks = fighter;
    b.armyAttacks = fighter ? 0 : 3;
    b.targetEnemy = 0;
    b.attackState = kAttackStart;
    b.attackStep = 1;
    b.StartPlayerAttack();
    b.ResolvePlayerAttack();
  }
  BattleScreen b;
};

TEST_F(PlayerBlow, AnArmyAddsAThirdOfItsSoldiersTheFighterNothing) {
  PutEnemy(b, 0, 5, 4, 20, 10, 45);
  Strike(false);
  EXPECT_EQ(b.blowDamage, 8);  // class 5 + 9 / 3
  EXPECT_EQ(b.armyMoves[2], 0);
  EXPECT_EQ(b.armyFights[2], 1u);
  EXPECT_EQ(b.armyFacing[2], kFacingLeft);
  EXPECT_EQ(b.enemyWounds1[0], 8);
  EXPECT_EQ(b.attackState, kAttackNone);

  Strike(true);
  EXPECT_EQ(b.blowDamage, 5);
  EXPECT_EQ(b.figureMoves, 0);
  EXPECT_EQ(b.figureFacing, kFacingRight);
}

TEST_F(PlayerBlow, EachSideRaisesItsOwnStrikeMarksUntilTheHitEnds) {
  PutEnemy(b, 0, 5, 4, 200, 10, 10);  // stands through all the blows
  PutAlly(b, 0, 5, 5, 12, 10, 10);
  auto endHit = [&] {
    for (int i = 0; i < 20 && b.hitActive; ++i) b.AdvanceStepTimersAt(1000000u * (i + 1));
  };
  Strike(true);
  EXPECT_EQ(b.hitMarks[kHitMarkFighter], 1);
  EXPECT_EQ(b.hitMarks[kHitMarkArmy], 0);
  EXPECT_EQ(b.allyStriking + b.enemyStriking, 0);
  endHit();
  EXPECT_EQ(b.hitMarks[kHitMarkFighter], 0);

  Strike(false);
  EXPECT_EQ(b.hitMarks[kHitMarkArmy], 1);
  EXPECT_EQ(b.hitMarks[kHitMarkFighter], 0);
  EXPECT_EQ(b.strikingArmy, 3);  // slot 2
  endHit();

  // An allied unit's blow: only the allied side's flag.
  b.allyPhase = kAllyAttack;
  b.actingAlly = 0;
  b.allyAttackPending = 1;
  b.StartAllyAttack();
  b.ResolveAllyAttack();
  EXPECT_EQ(b.allyStriking, 1);
  EXPECT_EQ(b.hitMarks[kHitMarkFighter] + b.hitMarks[kHitMarkArmy], 0);
  endHit();
  EXPECT_EQ(b.allyStriking, 0);
  EXPECT_EQ(b.allyPhase, kAllyPick);

  // An enemy's blow on the fighter raises the enemy side's flag, no mark.
  b.allyPhase = kAllyIdle;
  b.enemyPhase = kEnemyAttack;
  b.actingEnemy = 0;
  b.adjacentFound = 1;
  b.enemyTarget = kEnemyTargetFighter;
  b.enemyAttackPending = 1;
  b.StartEnemyAttack();
  b.ResolveEnemyAttack();
  EXPECT_EQ(b.enemyStriking, 1);
  EXPECT_EQ(b.hitMarks[kHitMarkFighter] + b.hitMarks[kHitMarkArmy], 0);
  endHit();
  EXPECT_EQ(b.enemyStriking, 0);
  EXPECT_EQ(b.enemyPhase, kEnemyPick);
}

TEST_F(PlayerBlow, TheWoundModelFillsTheLayersThenKills) {
  // 10 soldiers without wounds taking 25 points.
  PutEnemy(b, 0, 5, 4, 10, 10, 10);
  b.blowDamage = 25;
  b.WoundEnemy(0);
  EXPECT_EQ(b.enemyWounds1[0], 10);
  EXPECT_EQ(b.enemyWounds2[0], 10);
  EXPECT_EQ(b.enemyWounds3[0], 5);
  EXPECT_EQ(b.blowWound3, 5);
  EXPECT_EQ(b.blowWound1, 0) << "only the last level reached stays set";

  // Every layer full: 4 points kill 4; the wounds stay above the soldiers.
  b.enemyWounds3[0] = 10;
  b.blowDamage = 4;
  b.WoundEnemy(0);
  EXPECT_EQ(b.enemySoldiers[0], 6);
  EXPECT_EQ(b.enemyWounds1[0], 10);
  EXPECT_EQ(b.blowKilledShown, 1);
  EXPECT_EQ(b.blowKilledCount, 4);
  EXPECT_EQ(b.blowWound3, 0);

  b.blowDamage = 1;
  b.WoundEnemy(0);
  EXPECT_EQ(b.blowOneKilled, 1);
  EXPECT_EQ(b.blowKilledShown, 0);

  // More points than soldiers: all killed, the unit leaves its cell.
  b.blowDamage = 12;
  b.WoundEnemy(0);
  EXPECT_EQ(b.enemyKilled[0], 10);
  EXPECT_EQ(b.enemyAlive[0], 0);
  EXPECT_EQ(b.occupant[CellAt(5, 4)], kOccupantNone);
  EXPECT_EQ(b.blowDestroyed, 1);
  EXPECT_EQ(b.blowKilledCount, 0);
  EXPECT_EQ(b.smashSoundState, kSmashPlay);
}

TEST(BattleAttack, AnAlliedUnitAddsAFifthOrAQuarterOfItsSoldiers) {
  BattleScreen b;
  ClearField(b);
  PutAlly(b, 0, 3, 3, 12, 18, 10);
  PutEnemy(b, 5, 4, 3, 30, 10, 10);
  b.allyPhase = kAllyAttack;
  b.actingAlly = 0;
  b.targetEnemy = 5;
  b.allyAttackPending = 1;
  b.adjacentFound = 1;
  b.CheckAdjacent();
  b.StartAllyAttack();
  EXPECT_EQ(b.blowDamage, 17);  // class 14 + 12 / 4
  b.ResolveAllyAttack();
  EXPECT_EQ(b.enemyWounds1[5], 17);
  EXPECT_EQ(b.allyFacing[0], kFacingRight);

  b.allyAttack[0] = 10;
  b.enemyShield[5] = 35;  // class 3
  b.allyAttackPending = 1;
  b.StartAllyAttack();
  EXPECT_EQ(b.blowDamage, 5);  // 3 + 12 / 5
}

// An enemy's blow: enemy 0 next to the fighter, army 0 and ally 0.
class EnemyBlow : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearField(b);
    PutEnemy(b, 0, 5, 5);
    PutFighter(b, 5, 4, 50, 10, 10);
    PutArmy(b, 0, 6, 5, 20, 10, 100);
    PutAlly(b, 0, 4, 5, 20, 10, 10);
    b.enemyPhase = kEnemyAttack;
    b.actingEnemy = 0;
    b.adjacentFound = 1;
  }
  int32_t Strike(uint8_t target, uint8_t soldiers, uint8_t attack) {
    b.enemySoldiers[0] = soldiers;
    b.enemyAttack[0] = attack;
    b.enemyTarget = target;
    b.enemyAttackPending = 1;
    b.StartEnemyAttack();
    b.ResolveEnemyAttack();
    return b.blowDamage;
  }
  BattleScreen b;
};

TEST_F(EnemyBlow, TheFighterLosesTheBlowFromHisHealth) {
  EXPECT_EQ(Strike(kEnemyTargetFighter, 20, 10), 6 + 3 + 6);
  EXPECT_EQ(b.figureHealth, 35);
  EXPECT_EQ(b.enemyFacing[0], kFacingUp);
  // A much weaker enemy (class 2 + 1, gap 30) loses two points but never
  // falls below 1.
  b.figureShield = 40;
  EXPECT_EQ(Strike(kEnemyTargetFighter, 3, 10), 1);
}

// The damage of enemy 0's blow, with soldiers and attack, on the fighter,
// army 0 or allied unit 0 with the given shield, on a field set up afresh.
int32_t EnemyBlowDamage(uint8_t target, uint8_t soldiers, uint8_t attack, int32_t shield) {
  BattleScreen b;
  ClearField(b);
  PutEnemy(b, 0, 5, 5, soldiers, attack);
  PutFighter(b, 5, 4, 10000);
  PutArmy(b, 0, 6, 5, 20);
  PutAlly(b, 0, 4, 5, 20);
  if (target == kEnemyTargetFighter) b.figureShield = shield;
  else if (target < kEnemyTargetAllyBase) b.armyShield[target - kEnemyTargetArmyBase] = shield;
  else b.allyShield[target - kEnemyTargetAllyBase] = static_cast<uint8_t>(shield);
  b.enemyPhase = kEnemyAttack;
  b.actingEnemy = 0;
  b.adjacentFound = 1;
  b.enemyTarget = target;
  b.enemyAttackPending = 1;
  b.StartEnemyAttack();
  return b.blowDamage;
}

TEST(BattleAttack, AnEnemyStrikingTheFighterAddsItsBracketOnBothSidesOfEachStep) {
  // S 10..17 +1, 18..19 +2, 20..24 +3, 25..27 +4, 28 or more +5; a strong
  // blow (class 7 or more) adds +6 above 30, +4 above 40 and +2 above each of
  // 50, 60, 70 and 80. Then S / 3 on top.
  struct Case {
    uint8_t soldiers;
    int32_t cls;
    int32_t bonus;
  };
  const Case cases[] = {
      {9, 6, 0},   {10, 6, 1},  {11, 6, 1},  {17, 6, 1},  {18, 6, 2},  {19, 6, 2},
      {20, 6, 3},  {21, 6, 3},  {24, 6, 3},  {25, 6, 4},  {26, 6, 4},  {27, 6, 4},
      {28, 6, 5},  {29, 6, 5},  {31, 6, 5},  {81, 6, 5},  // no strong steps below class 7
      {29, 7, 5},  {30, 7, 5},  {31, 7, 11}, {39, 7, 11}, {40, 7, 11}, {41, 7, 15},
      {49, 7, 15}, {50, 7, 15}, {51, 7, 17}, {59, 7, 17}, {60, 7, 17}, {61, 7, 19},
      {69, 7, 19}, {70, 7, 19}, {71, 7, 21}, {79, 7, 21}, {80, 7, 21}, {81, 7, 23},
  };
  constexpr int32_t kShield = 20;  // attack 20 is class 6, attack 21 class 7
  for (const Case& c : cases) {
    SCOPED_TRACE("soldiers " + std::to_string(c.soldiers) + ", class " + std::to_string(c.cls));
    const auto attack = static_cast<uint8_t>(kShield + c.cls - 6);
    EXPECT_EQ(EnemyBlowDamage(kEnemyTargetFighter, c.soldiers, attack, kShield),
              c.cls + c.bonus + c.soldiers / 3);
  }
}

TEST(BattleAttack, EachGapStepOfAnEnemyBlowTakesOnePointOnBothSidesOfIt) {
  // The gaps (shield - attack) above which an enemy blow loses one point.
  struct Defender {
    const char* name;
    uint8_t target;
    std::vector<int32_t> steps;
    int32_t soldierBonus;  // of 255 soldiers for a class below 7
  };
  const Defender defenders[] = {
      {"fighter",
       kEnemyTargetFighter,
       {10, 25, 45, 70, 100, 130, 160, 190, 220, 250, 280, 310, 340, 370},
       5 + 255 / 3},
      {"army", kEnemyTargetArmyBase + 0, {0, 10, 20, 30, 40, 50, 60, 70, 90, 120}, 255 / 5},
      {"allied unit", kEnemyTargetAllyBase + 0, {0, 10, 20, 30, 40, 50, 60}, 255 / 5},
  };
  constexpr uint8_t kAttack = 10;
  for (const Defender& d : defenders) {
    for (size_t i = 0; i < d.steps.size(); ++i) {
      // Just below and at the step it has taken i points; just above, i + 1.
      for (int32_t gap : {d.steps[i] - 1, d.steps[i], d.steps[i] + 1}) {
        if (gap < 0) continue;
        const int32_t off = static_cast<int32_t>(i) + (gap > d.steps[i] ? 1 : 0);
        SCOPED_TRACE(std::string(d.name) + ", gap " + std::to_string(gap));
        const int32_t shield = kAttack + gap;
        EXPECT_EQ(EnemyBlowDamage(d.target, 255, kAttack, shield),
                  BattleScreen::DamageClass(kAttack, shield) + d.soldierBonus - off);
      }
    }
  }
}

TEST_F(EnemyBlow, AFighterStruckBelowZeroFallsAndLeavesHisCell) {
  b.figureHealth = 5;
  Strike(kEnemyTargetFighter, 3, 11);  // class 7 + 1 = 8 points
  EXPECT_EQ(b.figureHealth, 0);
  EXPECT_EQ(b.occupant[CellAt(5, 4)], kOccupantNone);
  EXPECT_EQ(b.smashSoundState, kSmashPlay);
}

TEST_F(EnemyBlow, AWeakEnemyAgainstAStrongArmyEndsAtOnePoint) {
  // Attack 20 against shield 100: class 1 + 40 / 5 = 9, reduced to 1.
  EXPECT_EQ(Strike(kEnemyTargetArmyBase + 0, 40, 20), 1);
  EXPECT_EQ(b.armyWounds1[0], 1);
  EXPECT_EQ(b.armyFights[0], 1u);
  // With only class 1 and no bonus it stays at 1.
  EXPECT_EQ(Strike(kEnemyTargetArmyBase + 0, 4, 20), 1);
}

TEST_F(EnemyBlow, AnAlliedUnitLosesAPointPerGapStep) {
  b.allyShield[0] = 35;  // gap 25: above 0, 10 and 20
  EXPECT_EQ(Strike(kEnemyTargetAllyBase + 0, 20, 10), 3 + 4 - 3);
  EXPECT_EQ(b.allyWounds1[0], 4);
}

TEST_F(EnemyBlow, AnAttackAfterAWalkIsDroppedWhenTheTargetIsNotANeighbour) {
  b.adjacentFound = 0;
  b.approachFound = 1;
  b.approachTarget = kEnemyTargetArmyBase + 0;
  b.enemyAttackPending = 1;
  b.CheckAdjacent();
  EXPECT_EQ(b.enemyAttackPending, 1);
  EXPECT_EQ(b.enemyTarget, kEnemyTargetArmyBase + 0);

  b.armyX[0] = X(9);
  b.CheckAdjacent();
  EXPECT_EQ(b.enemyAttackPending, 0);
  EXPECT_EQ(b.enemyActed[0], 1);
  EXPECT_EQ(b.enemyPhase, kEnemyPick);
  EXPECT_EQ(b.enemyChooseNext, 1);
}

}  // namespace
