// What the battle takes from the game record on its first frame and gives
// back when it is left: the battle and its fighter, the fighter's values and
// armies, the wear a lost battle leaves on the enemy, the outcome, and the
// battle-resume block of a game saved during the battle.

#include <algorithm>
#include <cstring>

#include "battle/battle_screen.h"
#include "game/game_state.h"

using battle::CellX;
using battle::CellY;
using battle::IsFieldCell;
using battle::kAllyPictures;
using battle::kAllySlots;
using battle::kCellCount;
using battle::kEnemyPictures;
using battle::kEnemySlots;
using battle::kFacingUpLeft;
using battle::kFameDefeatLoss;
using battle::kFameRetreatLoss;
using battle::kMovesPerTurn;
using battle::kVictoryMessage;
using battle::kVictoryNone;

namespace {

constexpr uint8_t kLastFacing = kFacingUpLeft;
constexpr int kBattleTables = 100;  // per-battle tables, battle id 1..100 at id - 1
// The turn of a resume block that holds no battle to resume (turns start at 1).
constexpr uint8_t kNoTurnToResume = 0;

// The fighter's army record: the player's, or hero k - 1's.
const ArmyRecord& FighterArmies(const GameState& s, uint8_t fightHero) {
  return fightHero != 0 ? s.heroArmies[fightHero - 1] : s.playerArmies;
}
ArmyRecord& FighterArmies(GameState& s, uint8_t fightHero) {
  return fightHero != 0 ? s.heroArmies[fightHero - 1] : s.playerArmies;
}

// The resume block's place in the record: one array after the other.
// Visit calls f(battle array, record array, count) for each array in order.
template <class Screen, class State, class F>
void VisitResume(Screen& b, State& s, F f) {
  auto& r = s.battleResume;
  auto* facings = r.member4;  // figureFacing, armyFacing[6], figureMoves, armyMoves[6]
  f(&b.figureFacing, facings, 1);
  f(b.armyFacing, facings + 1, kArmySlots);
  f(&b.figureMoves, facings + 7, 1);
  f(b.armyMoves, facings + 8, kArmySlots);
  f(b.armyCell, r.member3, kArmySlots);
  f(&b.figureCell, &r.member2, 1);

  f(b.enemyAlive, s.worldBlockJ, kEnemySlots);
  f(b.enemyX, s.worldBlockK, kEnemySlots);
  f(b.enemyY, s.worldBlockK + kEnemySlots, kEnemySlots);
  f(b.enemyCell, s.worldBlockK + 2 * kEnemySlots, kEnemySlots);
  auto* enemyBytes = s.worldBlockL;
  int k = 0;
  for (auto* array :
       {b.enemyFacing, b.enemyPicture, b.enemySoldiers, b.enemyAttack, b.enemyShield, b.enemyActed,
        b.enemyMoves, b.enemyWounds1, b.enemyWounds2, b.enemyWounds3, b.enemyKilled}) {
    f(array, enemyBytes + kEnemySlots * k++, kEnemySlots);
  }
  f(b.allyPresent, enemyBytes + kEnemySlots * k, kAllySlots);
  f(b.allyX, s.worldBlockM, kAllySlots);
  f(b.allyY, s.worldBlockM + kAllySlots, kAllySlots);
  f(b.allyCell, s.worldBlockM + 2 * kAllySlots, kAllySlots);
  k = 0;
  for (auto* array :
       {b.allyFacing, b.allyPicture, b.allyCount, b.allyWounds1, b.allyWounds2, b.allyWounds3,
        b.allyKilled, b.allyAttack, b.allyShield, b.allyActed, b.allyMoves}) {
    f(array, s.worldBlockN + kAllySlots * k++, kAllySlots);
  }
  for (int u = 0; u < kAllySlots; ++u) {
    f(b.allyName[u], s.worldBlockN + kAllySlots * k + kGlyphNameLength * u, kGlyphNameLength);
  }
}

// Copies count values from one array to the other, each in the width of its
// destination: kTake from the record into the battle, kGive back.
template <class To, class From>
void CopyValues(To* to, const From* from, int count) {
  for (int i = 0; i < count; ++i) to[i] = static_cast<To>(from[i]);
}
constexpr auto kTake = [](auto* battleArray, const auto* recordArray, int count) {
  CopyValues(battleArray, recordArray, count);
};
constexpr auto kGive = [](const auto* battleArray, auto* recordArray, int count) {
  CopyValues(recordArray, battleArray, count);
};

bool FacingsSound(const uint8_t* facings, int count) {
  return std::all_of(facings, facings + count, [](uint8_t f) { return f <= kLastFacing; });
}
bool MovesSound(const uint8_t* moves, int count) {
  return std::all_of(moves, moves + count, [](uint8_t m) { return m <= kMovesPerTurn; });
}
// A standing unit's cell is on the field and its position is that cell's.
bool PlacedSound(uint32_t cell, int32_t x, int32_t y) {
  return IsFieldCell(cell) && x == CellX(cell) && y == CellY(cell);
}

}  // namespace

bool BattleScreen::TakeIdentity(const GameState& s) {
  if (battleId < 1 || battleId > kBattleTables) return false;
  if (s.battleHero > kHeroCount || (s.battleByPlayer == 0 && s.battleHero == 0)) return false;
  std::memcpy(questStage, s.questStage, sizeof questStage);
  fightByPlayer = s.battleByPlayer;
  fightHero = s.battleHero;
  carriedWear = s.battleDifficulty[battleId - 1];
  carriedLosses = s.battleExtra[battleId - 1];
  caughtByArmy = s.caughtByArmy;
  playerPortrait = s.playerPortrait;
  return true;
}

void BattleScreen::TakeNames(const GameState& s) {
  const ArmyRecord& armies = FighterArmies(s, fightHero);
  std::memcpy(armyUsed, armies.armyUsed, sizeof armyUsed);
  if (fightHero == 0) {
    std::memcpy(fighterName, s.playerName, sizeof fighterName);
    figureExperience = s.playerStats[kStatExperience];
    figureLevel = s.playerLevel;
  } else {
    s.GetHeroName(fightHero - 1, fighterName);
  }
  std::memcpy(armyName, armies.armyNames, sizeof armyName);
}

void BattleScreen::TakeFighterValues(const GameState& s) {
  if (fightHero == 0) {
    figureHealth = s.playerStats[kStatHealth];
    figureAttack = s.playerStats[kStatAttack];
    figureShield = s.playerStats[kStatShield];
    figureLevel = s.playerLevel;
    figureExperience = s.playerStats[kStatExperience];
  } else {
    const int h = fightHero - 1;
    figureHealth = s.heroStats[kStatHealth][h];
    figureAttack = s.heroStats[kStatAttack][h];
    figureShield = s.heroStats[kStatShield][h];
    figureLevel = s.heroLevel[h];
    figureExperience = s.heroStats[kStatExperience][h];
  }
  const ArmyRecord& a = FighterArmies(s, fightHero);
  for (int j = 0; j < kArmySlots; ++j) {
    armyCount[j] = a.armyCount[j];
    // The kind picks pictures; kinds without one are drawn as nothing.
    armyKind[j] = a.armyKind[j];
    armyKilled[j] = a.armyMark4[j];
    armyWounds1[j] = a.armyMark1[j];
    armyWounds2[j] = a.armyMark2[j];
    armyWounds3[j] = a.armyMark3[j];
    armyAttack[j] = static_cast<uint32_t>(a.armyValue1[j]);
    armyShield[j] = static_cast<uint32_t>(a.armyValue2[j]);
    armyTraining[j] = static_cast<uint32_t>(a.armyValue3[j]);
    armyEquipment[j] = static_cast<uint32_t>(a.armyValue4[j]);
  }
}

void BattleScreen::SettleArmySlots() {
  for (int j = 0; j < kArmySlots; ++j) {
    if (!armyUsed[j]) armyCount[j] = 0;
    armyUsedAtStart[j] = armyUsed[j];
    if (armyCount[j] == 0) armyUsed[j] = 0;
  }
}

bool BattleScreen::ResumeIsSound(const GameState& s) const {
  // The block as this battle would take it.
  BattleScreen* copy = new BattleScreen;
  VisitResume(*copy, s, kTake);
  const BattleScreen& b = *copy;
  bool sound = s.battleResume.member1 > kNoTurnToResume && s.battleResume.member1 < turnLimit;
  sound = sound && FacingsSound(&b.figureFacing, 1) && FacingsSound(b.armyFacing, kArmySlots);
  sound = sound && MovesSound(&b.figureMoves, 1) && MovesSound(b.armyMoves, kArmySlots);
  sound = sound && b.figureCell <= kCellCount;
  for (int j = 0; j < kArmySlots; ++j) sound = sound && b.armyCell[j] <= kCellCount;
  for (int e = 0; e < kEnemySlots && sound; ++e) {
    sound = b.enemyFacing[e] <= kLastFacing && b.enemyPicture[e] < kEnemyPictures &&
            b.enemyMoves[e] <= kMovesPerTurn && b.enemyCell[e] <= kCellCount &&
            (!b.enemyAlive[e] || PlacedSound(b.enemyCell[e], b.enemyX[e], b.enemyY[e]));
  }
  for (int u = 0; u < kAllySlots && sound; ++u) {
    sound = b.allyFacing[u] <= kLastFacing && b.allyPicture[u] < kAllyPictures &&
            b.allyMoves[u] <= kMovesPerTurn && b.allyCell[u] <= kCellCount &&
            (!b.allyPresent[u] || PlacedSound(b.allyCell[u], b.allyX[u], b.allyY[u]));
  }
  delete copy;
  return sound;
}

bool BattleScreen::RestoreResume(const GameState& s) {
  if (!ResumeIsSound(s)) return false;
  turnNumber = s.battleResume.member1;
  VisitResume(*this, s, kTake);
  // The pictures of what stands on the field now.
  for (int e = 0; e < kEnemySlots; ++e) {
    if (enemyAlive[e]) enemyPictureUsed[enemyPicture[e]] = 1;
  }
  for (int u = 0; u < kAllySlots; ++u) {
    if (allyPresent[u]) allyPictureUsed[allyPicture[u]] = 1;
  }
  return true;
}

void BattleScreen::WriteResume(GameState& s) const {
  s.battleResume.member1 = static_cast<uint8_t>(turnNumber);
  VisitResume(*this, s, kGive);
}

bool BattleScreen::StoreLostBattle(GameState& s) {
  if (!resultsPending) return false;
  resultsPending = 0;
  StoreCarriedWear();
  s.battleId = static_cast<uint8_t>(battleId);
  s.battleDifficulty[battleId - 1] = carriedWear;
  s.battleExtra[battleId - 1] = carriedLosses;
  if (carriedWear != 0) leftWithWear = 1;
  return true;
}

bool BattleScreen::Decided() const { return victory >= kVictoryMessage || defeat || retreated; }

void BattleScreen::GiveBack(GameState& s) {
  s.mapSnapshotState = GameState::kSnapshotMapLeft;
  if (victory != kVictoryNone) {
    s.battleDifficulty[battleId - 1] = 0;
    s.battleExtra[battleId - 1] = 0;
  }
  // The outcome is given once, on the first leave after the battle was
  // decided; a later leave (after the save-and-quit question) gives only
  // the values as they stand.
  const bool giveOutcome = Decided() && !outcomeApplied;
  if (giveOutcome) {
    outcomeApplied = 1;
    if (defeat) {
      s.fame = std::max(s.fame - kFameDefeatLoss, 0);
    } else if (retreated) {
      if (s.fame != 0) s.fame -= kFameRetreatLoss;
    } else {
      s.fame += victoryGrade;
    }
  }
  s.battleByPlayer = fightByPlayer;
  s.battleHero = fightHero;
  WriteResume(s);
  // A decided battle is not saved as one to resume: its outcome is already
  // in the record, and resuming it would pay it again. Its block says so
  // too, for the battle entered again from a block after its object is
  // gone (the save after the question's Yes failed, and No came back).
  if (Decided()) {
    s.savedInBattle = 0;
    s.battleResume.member1 = kNoTurnToResume;
  }
  GiveFighterBack(s);
  if (giveOutcome) {
    int32_t* stats[kStatWords];
    for (int w = 0; w < kStatWords; ++w) {
      stats[w] = fightHero == 0 ? &s.playerStats[w] : &s.heroStats[w][fightHero - 1];
    }
    *stats[kStatBaseHealth] += healthGain;
    *stats[kStatMaxHealth] += healthGain;
    *stats[kStatBaseAttack] += attackGain;
    *stats[kStatAttack] += attackGain;
    *stats[kStatBaseShield] += shieldGain;
    *stats[kStatShield] += shieldGain;
  }
}

void BattleScreen::GiveFighterBack(GameState& s) const {
  // A fighter who went down leaves with health 1.
  const int32_t health = std::max(figureHealth, 1);
  if (fightHero == 0) {
    s.playerStats[kStatHealth] = health;
    s.playerLevel = figureLevel;
    s.playerStats[kStatExperience] = figureExperience;
  } else {
    const int h = fightHero - 1;
    s.heroStats[kStatHealth][h] = health;
    s.heroLevel[h] = figureLevel;
    s.heroStats[kStatExperience][h] = figureExperience;
  }
  ArmyRecord& a = FighterArmies(s, fightHero);
  for (int j = 0; j < kArmySlots; ++j) {
    a.armyCount[j] = armyCount[j];
    a.armyValue1[j] = static_cast<int32_t>(armyAttack[j]);
    a.armyValue2[j] = static_cast<int32_t>(armyShield[j]);
    a.armyValue3[j] = static_cast<int32_t>(armyTraining[j]);
    a.armyValue4[j] = static_cast<int32_t>(armyEquipment[j]);
    a.armyMark4[j] = armyKilled[j];
    a.armyMark1[j] = armyWounds1[j];
    a.armyMark2[j] = armyWounds2[j];
    a.armyMark3[j] = armyWounds3[j];
  }
}
