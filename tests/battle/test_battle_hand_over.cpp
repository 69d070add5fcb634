// What the battle takes from the game record and gives back: the resume
// block in the record's layout and its checks, the outcome given once, the
// fighter's values and armies, and the numbers of a damaged record.

#include <gtest/gtest.h>

#include <string>

#include "battle/battle_screen.h"
#include "game/game_state.h"

using namespace battle;

namespace {

// A fresh battle 1 of a new game, set up as the procedure sets it up.
void SetUp1(BattleScreen& b, GameState& s) {
  RunNewGameSequence(s);
  s.battleId = 1;
  s.battleByPlayer = 1;
  s.battlePending = 1;
  b.battleId = s.battleId;
  ASSERT_TRUE(b.TakeIdentity(s));
  b.SetUpBattle();
  b.PlaceEnemies();
  b.ApplyCarriedWear();
  b.TakeNames(s);
  b.SetUpBattle();
  b.TakeFighterValues(s);
  b.PlaceUnits();
  b.MarkOccupants();
  b.SettleArmySlots();
}

}  // namespace

TEST(BattleHandOver, ResumeBlockLiesWhereTheSaveImageKeepsIt) {
  GameState s;
  BattleScreen b;
  SetUp1(b, s);
  b.turnNumber = 3;
  b.figureFacing = 5;
  b.armyFacing[2] = 7;
  b.figureMoves = 4;
  b.armyMoves[5] = 2;
  b.enemySoldiers[1] = 9;
  b.allyPresent[0] = 1;
  b.allyCell[0] = 21;
  b.allyX[0] = 0;
  b.allyY[0] = 80;
  b.allyName[19][20] = 33;
  b.WriteResume(s);
  EXPECT_EQ(s.battleResume.member1, 3);
  EXPECT_EQ(s.battleResume.member2, 85);
  EXPECT_EQ(s.battleResume.member3[0], 66);
  EXPECT_EQ(s.battleResume.member4[0], 5);      // figureFacing
  EXPECT_EQ(s.battleResume.member4[1 + 2], 7);  // armyFacing[2]
  EXPECT_EQ(s.battleResume.member4[7], 4);      // figureMoves
  EXPECT_EQ(s.battleResume.member4[8 + 5], 2);  // armyMoves[5]
  EXPECT_EQ(s.worldBlockJ[0], b.enemyAlive[0]);
  EXPECT_EQ(s.worldBlockK[50 + 1], b.enemyY[1]);
  EXPECT_EQ(s.worldBlockK[100 + 1], static_cast<int32_t>(b.enemyCell[1]));
  EXPECT_EQ(s.worldBlockL[2 * 50 + 1], 9);  // enemySoldiers, the third byte array
  EXPECT_EQ(s.worldBlockL[550], 1);         // allyPresent after the eleven enemy arrays
  EXPECT_EQ(s.worldBlockM[40], 21);         // allyCell
  EXPECT_EQ(s.worldBlockN[639], 33);        // the last letter of the last allied name

  // Read back into a battle set up afresh, it is the same battle.
  BattleScreen r;
  r.battleId = 1;
  ASSERT_TRUE(r.TakeIdentity(s));
  r.SetUpBattle();
  r.PlaceEnemies();
  ASSERT_TRUE(r.RestoreResume(s));
  EXPECT_EQ(r.turnNumber, 3u);
  EXPECT_EQ(r.figureFacing, 5);
  EXPECT_EQ(r.armyMoves[5], 2);
  EXPECT_EQ(r.enemySoldiers[1], 9);
  EXPECT_EQ(r.allyCell[0], 21u);
  EXPECT_EQ(r.allyName[19][20], 33);
  EXPECT_EQ(r.allyPictureUsed[0], 1);  // the restored unit's picture is loaded
}

TEST(BattleHandOver, ResumeBlockWithNonsenseIsRefused) {
  GameState s;
  BattleScreen b;
  SetUp1(b, s);
  b.WriteResume(s);
  const GameState good = s;
  struct Damage {
    const char* what;
    void (*apply)(GameState&);
  };
  const Damage damages[] = {
      {"turn 0", [](GameState& g) { g.battleResume.member1 = 0; }},
      {"turn at the limit", [](GameState& g) { g.battleResume.member1 = 10; }},
      {"fighter cell", [](GameState& g) { g.battleResume.member2 = 301; }},
      {"army cell", [](GameState& g) { g.battleResume.member3[4] = -5; }},
      {"facing", [](GameState& g) { g.battleResume.member4[3] = 8; }},
      {"moves", [](GameState& g) { g.battleResume.member4[7] = 200; }},
      {"enemy picture", [](GameState& g) { g.worldBlockL[50 + 7] = 11; }},
      {"enemy cell", [](GameState& g) { g.worldBlockK[100 + 0] = 0; }},
      {"enemy position", [](GameState& g) { g.worldBlockK[0] += 3; }},
      {"ally picture", [](GameState& g) { g.worldBlockN[20 + 3] = 3; }},
      {"ally cell",
       [](GameState& g) {
         g.worldBlockL[550 + 2] = 1;
         g.worldBlockM[40 + 2] = 999;
       }},
  };
  for (const Damage& d : damages) {
    GameState bad = good;
    d.apply(bad);
    BattleScreen r;
    r.battleId = 1;
    ASSERT_TRUE(r.TakeIdentity(bad));
    r.SetUpBattle();
    EXPECT_FALSE(r.RestoreResume(bad)) << d.what;
    EXPECT_EQ(r.turnNumber, 1u) << d.what;  // nothing taken
  }
}

TEST(BattleHandOver, IdentityOutsideTheTablesIsRefused) {
  GameState s;
  RunNewGameSequence(s);
  s.battleByPlayer = 1;
  BattleScreen none;
  none.battleId = 0;
  EXPECT_FALSE(none.TakeIdentity(s));
  BattleScreen beyond;
  beyond.battleId = 101;
  EXPECT_FALSE(beyond.TakeIdentity(s));
  BattleScreen hero;
  hero.battleId = 5;
  s.battleHero = 11;
  EXPECT_FALSE(hero.TakeIdentity(s));
  s.battleHero = 0;
  s.battleByPlayer = 0;
  EXPECT_FALSE(hero.TakeIdentity(s));  // nobody fights
  s.battleHero = 3;
  s.battleDifficulty[4] = 7;
  ASSERT_TRUE(hero.TakeIdentity(s));
  EXPECT_EQ(hero.carriedWear, 7);  // battle 5's entry
  EXPECT_EQ(hero.fightHero, 3);
}

TEST(BattleHandOver, OutcomeIsGivenOnceAndValuesEveryTime) {
  GameState s;
  BattleScreen b;
  SetUp1(b, s);
  s.fame = 4;
  const int32_t baseHealth = s.playerStats[kStatBaseHealth];
  const int32_t attack = s.playerStats[kStatAttack];

  // Left undecided (the save-and-quit question): values only.
  b.figureHealth = 0;
  b.GiveBack(s);
  EXPECT_EQ(s.fame, 4);
  EXPECT_EQ(s.playerStats[kStatHealth], 1);  // a fighter who went down leaves with 1
  EXPECT_EQ(b.figureHealth, 0);              // the battle itself goes on as it stands
  EXPECT_EQ(b.outcomeApplied, 0);

  // Won: fame and level gains once, however often it is left.
  b.figureHealth = 12;
  b.victory = kVictoryMessage;
  b.victoryGrade = kGradeGreat;
  b.healthGain = 7;
  b.attackGain = 2;
  s.savedInBattle = 1;
  b.GiveBack(s);
  b.GiveBack(s);
  EXPECT_EQ(s.fame, 6);
  EXPECT_EQ(s.playerStats[kStatBaseHealth], baseHealth + 7);
  EXPECT_EQ(s.playerStats[kStatAttack], attack + 2);
  EXPECT_EQ(s.playerStats[kStatHealth], 12);
  EXPECT_EQ(s.savedInBattle, 0);  // a decided battle is not one to resume
}

TEST(BattleHandOver, DefeatCostsThreeFameAndRetreatOneNeverBelowZero) {
  struct Case {
    bool defeat;  // else a retreat
    int32_t before, after;
  };
  const Case cases[] = {
      {true, 2, 0},  {true, 3, 0},  {true, 4, 1},   // a defeat takes 3
      {false, 0, 0}, {false, 1, 0}, {false, 2, 1},  // a retreat takes 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.defeat ? "defeat" : "retreat") + " from " +
                 std::to_string(c.before));
    GameState s;
    BattleScreen b;
    SetUp1(b, s);
    s.fame = c.before;
    (c.defeat ? b.defeat : b.retreated) = 1;
    b.GiveBack(s);
    EXPECT_EQ(s.fame, c.after);
    b.GiveBack(s);
    EXPECT_EQ(s.fame, c.after) << "the outcome is given once";
  }
}

TEST(BattleHandOver, HeroFightsWithHisOwnRecord) {
  GameState s;
  RunNewGameSequence(s);
  s.battleId = 2;
  s.battleByPlayer = 0;
  s.battleHero = 4;  // hero 3's arrays
  s.heroStats[kStatHealth][3] = 33;
  s.heroArmies[3].armyUsed[1] = 1;
  s.heroArmies[3].armyCount[1] = 9;
  s.heroArmies[3].armyKind[1] = 29;  // a kind without pictures
  const uint8_t playerCount = s.playerArmies.armyCount[1];
  BattleScreen b;
  b.battleId = 2;
  ASSERT_TRUE(b.TakeIdentity(s));
  b.TakeNames(s);
  b.TakeFighterValues(s);
  b.SettleArmySlots();
  EXPECT_EQ(b.figureHealth, 33);
  EXPECT_EQ(b.armyCount[1], 9);
  EXPECT_EQ(b.armyUsed[1], 1);
  b.armyCount[1] = 4;
  b.figureHealth = 20;
  b.GiveBack(s);
  EXPECT_EQ(s.heroStats[kStatHealth][3], 20);
  EXPECT_EQ(s.heroArmies[3].armyCount[1], 4);
  EXPECT_EQ(s.playerArmies.armyCount[1], playerCount);  // the player's own armies untouched
}
