// BattleScreen: the wear an unbeaten enemy line-up carries from one attempt
// at a battle to the next - laid onto the line-up at the start, measured
// after a defeat or retreat.
//
// Only the slots the line-up fills take part: an empty slot neither takes
// losses nor counts in the averages. (Counting them made every defeat leave
// more losses than the enemy actually took.)

#include "battle/battle_lineups.h"
#include "battle/battle_screen.h"

namespace {

// The per-battle counters are bytes: a larger average is held at the most a
// byte can carry rather than wrapped round to a small one.
uint8_t ClampToByte(int32_t value) {
  constexpr int32_t kByteMax = 255;
  return static_cast<uint8_t>(value < 0 ? 0 : (value > kByteMax ? kByteMax : value));
}

}  // namespace

void BattleScreen::CarriedWounds(uint8_t wear, uint8_t layers[3]) {
  constexpr int kLayerFill = 3;  // points that fill a layer the first time round
  constexpr int kFilledAll = 9;  // all three layers full
  constexpr int kEvenFrom = 30;  // from here every layer takes a third
  const int d = wear;
  if (d >= kEvenFrom) {
    layers[0] = layers[1] = layers[2] = static_cast<uint8_t>(d / 3);
    return;
  }
  if (d <= kFilledAll) {
    for (int k = 0; k < 3; ++k) {
      const int over = d - k * kLayerFill;
      layers[k] = static_cast<uint8_t>(over <= 0 ? 0 : (over < kLayerFill ? over : kLayerFill));
    }
    return;
  }
  // Beyond nine points each further point goes to the next layer in turn.
  const int extra = d - kFilledAll;
  layers[0] = static_cast<uint8_t>(kLayerFill + (extra + 2) / 3);
  layers[1] = static_cast<uint8_t>(kLayerFill + (extra + 1) / 3);
  layers[2] = static_cast<uint8_t>(kLayerFill + extra / 3);
}

int BattleScreen::LineupSlots() const {
  const battle::EnemyLineup* lineup = battle::FindEnemyLineup(battleId);
  if (!lineup) return 0;
  return lineup->count < battle::kEnemySlots ? lineup->count : battle::kEnemySlots;
}

void BattleScreen::ApplyCarriedWear() {
  uint8_t layers[3];
  CarriedWounds(carriedWear, layers);
  const int filled = LineupSlots();
  for (int i = 0; i < filled; ++i) {
    enemyWounds1[i] = static_cast<uint8_t>(enemyWounds1[i] + layers[0]);
    enemyWounds2[i] = static_cast<uint8_t>(enemyWounds2[i] + layers[1]);
    enemyWounds3[i] = static_cast<uint8_t>(enemyWounds3[i] + layers[2]);
  }
  if (carriedLosses != 0) {
    for (int i = 0; i < filled; ++i) {
      enemyKilled[i] = static_cast<uint8_t>(enemyKilled[i] + carriedLosses);
      if (enemyKilled[i] > enemySoldiers[i]) {
        enemySoldiers[i] = 0;
      } else if (enemySoldiers[i] >= carriedLosses) {
        enemySoldiers[i] = static_cast<uint8_t>(enemySoldiers[i] - carriedLosses);
      }
      if (enemySoldiers[i] == 0) enemyAlive[i] = 0;  // gone before the battle starts
    }
  }
  // No layer holds more soldiers than the army has.
  for (int i = 0; i < battle::kEnemySlots; ++i) {
    if (enemyWounds1[i] > enemySoldiers[i]) enemyWounds1[i] = enemySoldiers[i];
    if (enemyWounds2[i] > enemySoldiers[i]) enemyWounds2[i] = enemySoldiers[i];
    if (enemyWounds3[i] > enemySoldiers[i]) enemyWounds3[i] = enemySoldiers[i];
  }
}

void BattleScreen::StoreCarriedWear() {
  const int filled = LineupSlots();
  for (int i = 0; i < filled; ++i) {
    woundsSum += enemyWounds1[i] + enemyWounds2[i] + enemyWounds3[i];
    killedSum += enemyKilled[i];
  }
  // No line-up, no averages.
  if (enemyCountAtStart != 0) {
    killedPerEnemy = killedSum / enemyCountAtStart;
    woundsPerEnemy = woundsSum / enemyCountAtStart;
  } else {
    killedPerEnemy = 0;
    woundsPerEnemy = 0;
  }
  carriedLosses = ClampToByte(killedPerEnemy);
  carriedWear = ClampToByte(woundsPerEnemy);
  // Some wear, however little, is never lost in the division.
  if ((killedSum != 0 || woundsSum != 0) && carriedLosses == 0 && carriedWear == 0) carriedWear = 1;
}
