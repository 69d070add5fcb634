// What a place mends: on entry (and whenever the raising popup is closed)
// the visitor's downed soldiers stand up again and every army's count is
// set from its training and equipment; the Heal button cures the visitor's
// health and the wound marks of its six army slots for one price.
//
// Soldier counts are bytes: a count that would pass 255 stops there. Gold
// is a signed amount; a price is paid only by gold that reaches it, so a
// negative gold never pays.

#include <algorithm>
#include <cstring>

#include "game/game_state.h"
#include "places/house_screen.h"

namespace {

constexpr int kMostSoldiers = 255;
constexpr int64_t kPointsPerSoldier = 10;

// An army's full strength: a soldier per ten points of training and
// equipment, from 0 to the most a count can hold.
uint8_t FullStrength(int32_t training, int32_t equipment) {
  const int64_t full = (int64_t(training) + equipment) / kPointsPerSoldier;
  return uint8_t(std::clamp<int64_t>(full, 0, kMostSoldiers));
}

bool GoldPays(int32_t gold, uint32_t price) { return int64_t(gold) >= int64_t(price); }

}  // namespace

void HouseScreen::CheckHeal(int32_t gold) {
  healResult = 0;
  healRefused = 0;
  for (int s = 0; s < kHouseArmySlots; ++s)
    if (armyUsed[s] && (armyWound1[s] || armyWound2[s] || armyWound3[s])) healResult = 1;
  if (health < maxHealth) healResult = 1;
  if (healResult && !GoldPays(gold, healPrice)) {
    healResult = 0;
    healRefused = 1;
    healUnpaidNote = 1;
  }
}

void HouseScreen::Heal(GameState& state) {
  healAsked = 0;
  CheckHeal(state.gold);
  if (!healResult) {
    healUnpaidNote = 1;
    healPaidNote = 0;
    return;
  }
  healResult = 0;
  healPaidNote = 1;
  healUnpaidNote = 0;
  if (GoldPays(state.gold, healPrice)) state.gold -= int32_t(healPrice);
  if (!IsVisitorCode(visitorCode)) return;

  ArmyRecord* armies = nullptr;
  if (visitorCode == kVisitorPlayer) {
    state.playerHealth() = state.playerMaxHealth();
    health = maxHealth;
    armies = &state.playerArmies;
  } else if (placeKind == PlaceKind::Town) {
    // A town heals a hero to the health total the record holds now.
    townHeroIndex = heroIndex;
    townHeroHealth = state.heroStats[kStatMaxHealth][heroIndex];
    state.heroStats[kStatHealth][heroIndex] = townHeroHealth;
    maxHealth = townHeroHealth;
    health = townHeroHealth;
    armies = &state.heroArmies[heroIndex];
  } else {
    state.heroStats[kStatHealth][heroIndex] = state.heroStats[kStatMaxHealth][heroIndex];
    health = maxHealth;
    armies = &state.heroArmies[heroIndex];
  }
  // Every slot's wound marks, used or not; downed soldiers wait for the
  // raising.
  for (uint8_t* marks : {armyWound1, armyWound2, armyWound3, armies->armyMark1, armies->armyMark2,
                         armies->armyMark3})
    std::memset(marks, 0, kHouseArmySlots);
}

void HouseScreen::RefreshArmies() {
  if (health <= 0) {
    raisedNote = 1;
    health = 1;
  }
  for (int s = 0; s < kHouseArmySlots; ++s) {
    armyCountBefore[s] = armyCount[s];
    armyRaised[s] = 0;
    if (!armyUsed[s] || armyDowned[s] == 0) continue;
    raisedNote = 1;
    armyCount[s] = uint8_t(std::min(armyCount[s] + armyDowned[s], kMostSoldiers));
    armyDowned[s] = 0;
    armyRaised[s] = 1;
  }
  // With nothing raised, every army stands at its full strength, up or
  // down.
  if (!raisedNote) {
    for (int s = 0; s < kHouseArmySlots; ++s) {
      if (!armyUsed[s]) continue;
      armyCount[s] = FullStrength(armyTraining[s], armyEquipment[s]);
      if (armyCountBefore[s] >= armyCount[s]) continue;
      armyGrew[s] = 1;
      armyBelowFull[s] = 0;
      armyRaised[s] = 0;
      grewNote = 1;
    }
  }
  for (int s = 0; s < kHouseArmySlots; ++s) {
    armyBelowFull[s] = 0;
    if (!armyUsed[s]) continue;
    armyFullStrength[s] = FullStrength(armyTraining[s], armyEquipment[s]);
    if (armyFullStrength[s] > armyDowned[s] + armyCount[s]) armyBelowFull[s] = 1;
  }
}
