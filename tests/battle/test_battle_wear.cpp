// The wear an unbeaten line-up carries into the next attempt: laid on at the
// start, measured after a defeat, and steady from one defeat to the next.

#include <gtest/gtest.h>

#include <cstring>

#include "battle/battle_screen.h"

namespace {

// Battle 1 placed fresh, worn by the given counters.
void StartBattleOne(BattleScreen& b, uint8_t wear, uint8_t losses) {
  b.battleId = 1;
  b.SetUpBattle();
  b.PlaceEnemies();
  b.carriedWear = wear;
  b.carriedLosses = losses;
}

TEST(BattleWear, WoundPointsFillTheLayersInTurn) {
  // wear: layers 1, 2, 3
  const int rows[][4] = {{0, 0, 0, 0},     {1, 1, 0, 0},     {3, 3, 0, 0},     {4, 3, 1, 0},
                         {5, 3, 2, 0},     {7, 3, 3, 1},     {9, 3, 3, 3},     {10, 4, 3, 3},
                         {11, 4, 4, 3},    {12, 4, 4, 4},    {13, 5, 4, 4},    {20, 7, 7, 6},
                         {28, 10, 9, 9},   {29, 10, 10, 9},  {30, 10, 10, 10}, {31, 10, 10, 10},
                         {33, 11, 11, 11}, {255, 85, 85, 85}};
  for (const auto& row : rows) {
    uint8_t layers[3];
    BattleScreen::CarriedWounds(static_cast<uint8_t>(row[0]), layers);
    EXPECT_EQ(layers[0], row[1]) << "wear " << row[0];
    EXPECT_EQ(layers[1], row[2]) << "wear " << row[0];
    EXPECT_EQ(layers[2], row[3]) << "wear " << row[0];
  }
  // Below 30 every point adds exactly one wound.
  for (int d = 0; d < 30; ++d) {
    uint8_t layers[3];
    BattleScreen::CarriedWounds(static_cast<uint8_t>(d), layers);
    EXPECT_EQ(layers[0] + layers[1] + layers[2], d);
  }
}

TEST(BattleWear, NoWearLeavesTheLineUpAsPlaced) {
  BattleScreen fresh, worn;
  StartBattleOne(fresh, 0, 0);
  StartBattleOne(worn, 0, 0);
  worn.ApplyCarriedWear();
  EXPECT_EQ(std::memcmp(&fresh.enemyAlive, &worn.enemyAlive, sizeof fresh.enemyAlive), 0);
  EXPECT_EQ(std::memcmp(&fresh.enemySoldiers, &worn.enemySoldiers, sizeof fresh.enemySoldiers), 0);
  for (int i = 0; i < battle::kEnemySlots; ++i) {
    EXPECT_EQ(
        worn.enemyWounds1[i] + worn.enemyWounds2[i] + worn.enemyWounds3[i] + worn.enemyKilled[i],
        0);
  }
}

TEST(BattleWear, WearFiveWoundsEveryArmyCutToItsSoldiers) {
  BattleScreen b;
  StartBattleOne(b, 5, 0);
  b.enemySoldiers[1] = 2;
  b.ApplyCarriedWear();
  EXPECT_EQ(b.enemyWounds1[0], 3);  // 10 soldiers
  EXPECT_EQ(b.enemyWounds2[0], 2);
  EXPECT_EQ(b.enemyWounds3[0], 0);
  EXPECT_EQ(b.enemyWounds1[1], 2);  // 2 soldiers
  EXPECT_EQ(b.enemyWounds2[1], 2);
  EXPECT_EQ(b.enemyWounds3[1], 0);
  for (int i = 8; i < battle::kEnemySlots; ++i) {
    EXPECT_EQ(b.enemyWounds1[i] + b.enemyWounds2[i] + b.enemyWounds3[i], 0) << "empty slot " << i;
    EXPECT_EQ(b.enemyAlive[i], 0);
  }
}

TEST(BattleWear, WearThirtyOneGivesTenOnEveryLayer) {
  BattleScreen b;
  b.battleId = 73;  // armies of 42 and more soldiers: nothing is cut
  b.PlaceEnemies();
  b.carriedWear = 31;
  b.ApplyCarriedWear();
  for (int i = 0; i < battle::kEnemySlots; ++i) {
    EXPECT_EQ(b.enemyWounds1[i], 10);
    EXPECT_EQ(b.enemyWounds2[i], 10);
    EXPECT_EQ(b.enemyWounds3[i], 10);
  }
}

TEST(BattleWear, CarriedLossesThinOrRemoveOnlyTheArmiesPlaced) {
  BattleScreen b;
  StartBattleOne(b, 0, 3);
  b.enemySoldiers[1] = 2;
  b.ApplyCarriedWear();
  EXPECT_EQ(b.enemySoldiers[0], 7);  // 10 soldiers
  EXPECT_EQ(b.enemyKilled[0], 3);
  EXPECT_EQ(b.enemyAlive[0], 1);
  EXPECT_EQ(b.enemySoldiers[1], 0);  // 2 soldiers: gone
  EXPECT_EQ(b.enemyAlive[1], 0);
  EXPECT_EQ(b.enemySoldiers[6], 0);  // 3 soldiers: gone
  EXPECT_EQ(b.enemyAlive[6], 0);
  EXPECT_EQ(b.enemySoldiers[7], 1);  // 4 soldiers
  for (int i = 8; i < battle::kEnemySlots; ++i) {
    EXPECT_EQ(b.enemyKilled[i], 0) << "empty slot " << i << " takes no losses";
    EXPECT_EQ(b.enemySoldiers[i], 0);
  }
}

TEST(BattleWear, DefeatStoresTheAveragesPerEnemy) {
  BattleScreen b;
  StartBattleOne(b, 0, 0);
  b.ApplyCarriedWear();
  // The fight: 12 soldiers killed, 21 wound points over the eight armies.
  b.enemyKilled[0] = 5;
  b.enemyKilled[1] = 7;
  b.enemyWounds1[2] = 3;
  b.enemyWounds2[2] = 3;
  b.enemyWounds3[2] = 3;
  b.enemyWounds1[3] = 5;
  b.enemyWounds2[3] = 5;
  b.enemyWounds1[4] = 2;
  b.StoreCarriedWear();
  EXPECT_EQ(b.killedSum, 12);
  EXPECT_EQ(b.woundsSum, 21);
  EXPECT_EQ(b.carriedLosses, 1);  // 12 / 8
  EXPECT_EQ(b.carriedWear, 2);    // 21 / 8
}

TEST(BattleWear, LittleWearIsNotLostInTheDivision) {
  BattleScreen b;
  StartBattleOne(b, 0, 0);
  b.enemyKilled[0] = 1;  // 1 / 8 is 0
  b.StoreCarriedWear();
  EXPECT_EQ(b.carriedLosses, 0);
  EXPECT_EQ(b.carriedWear, 1);
}

// The losses and wear carried from a defeat, with nothing new done in the
// next attempt, come out of that attempt the same: they do not grow.
TEST(BattleWear, ASecondDefeatDoesNotGrowTheWear) {
  BattleScreen first;
  StartBattleOne(first, 5, 2);
  first.ApplyCarriedWear();
  first.StoreCarriedWear();
  EXPECT_EQ(first.carriedLosses, 2);
  EXPECT_LE(first.carriedWear, 5);

  uint8_t wear = first.carriedWear, losses = first.carriedLosses;
  for (int attempt = 0; attempt < 5; ++attempt) {
    BattleScreen next;
    StartBattleOne(next, wear, losses);
    next.ApplyCarriedWear();
    next.StoreCarriedWear();
    EXPECT_EQ(next.carriedLosses, losses) << "attempt " << attempt;
    EXPECT_LE(next.carriedWear, wear) << "attempt " << attempt;
    wear = next.carriedWear;
    losses = next.carriedLosses;
  }
}

TEST(BattleWear, AveragesAreHeldToAByteAndNeedAnEnemyCount) {
  BattleScreen big;
  big.battleId = 27;  // 14 armies over a divisor of 12
  big.PlaceEnemies();
  for (int i = 0; i < big.LineupSlots(); ++i) {
    big.enemyKilled[i] = 250;
    big.enemyWounds1[i] = big.enemyWounds2[i] = big.enemyWounds3[i] = 250;
  }
  big.StoreCarriedWear();
  EXPECT_GT(big.killedPerEnemy, 255);
  EXPECT_EQ(big.carriedLosses, 255);
  EXPECT_EQ(big.carriedWear, 255);

  BattleScreen none;
  none.battleId = 77;  // no line-up
  none.PlaceEnemies();
  none.enemyKilled[0] = 9;  // not a slot of any line-up
  none.StoreCarriedWear();
  EXPECT_EQ(none.killedPerEnemy, 0);
  EXPECT_EQ(none.carriedLosses, 0);
  EXPECT_EQ(none.carriedWear, 0);

  BattleScreen zero;  // a line-up whose divisor was lost
  StartBattleOne(zero, 0, 0);
  zero.enemyCountAtStart = 0;
  zero.enemyKilled[0] = 4;
  zero.StoreCarriedWear();
  EXPECT_EQ(zero.carriedLosses, 0);
  EXPECT_EQ(zero.carriedWear, 1);
}

}  // namespace
