// Recruiting at a place: the five armies it offers, set up once on entry
// from its row of the place table, and the purchase of a confirmed one.
// Removing an army (DisbandArmy) belongs with the army panel's input.

#include <algorithm>
#include <cstring>
#include <iterator>

#include "game/glyph_name.h"
#include "places/house_screen.h"

namespace {

// The names the recruits of each kind of place take, candidate 1..5, in the
// order of PlaceKind.
constexpr const char* kRecruitNames[][kRecruitCandidates] = {
    {"Hounds", "War Hounds", "Farmhands", "Pitchforks", "Yeomen"},                     // village
    {"Militia", "Town Guard", "Footmen", "Spearmen", "Pikemen"},                       // town
    {"Palace Hounds", "Royal Hounds", "Royal Guard", "Royal Lances", "Royal Blades"},  // palace
    {"Spearmen", "Pikemen", "Golden Guard", "Golden Lances", "Golden Blades"},         // temple
    {"Militia", "Castle Guard", "Footmen", "Spearmen", "Pikemen"},                     // castle
    {"Militia", "Tower Guard", "Footmen", "Spearmen", "Pikemen"},                      // tower
};
static_assert(std::size(kRecruitNames) == size_t(PlaceKind::Tower) + 1);

constexpr uint8_t kOffered = 1;
constexpr uint8_t kSlotTaken = 1;  // armyUsed of a slot that holds an army

}  // namespace

void HouseScreen::SetUpRecruits(int32_t day) {
  std::fill(std::begin(candidateAvailable), std::end(candidateAvailable), 0);
  std::memset(candidateName, 0, sizeof candidateName);
  const PlaceRow* row = Place();
  if (!row) return;
  candidateAvailable[0] = kOffered;
  // The day starts at 1, so in play all five are offered.
  for (int c = 1; c < kRecruitCandidates; ++c) candidateAvailable[c] = day > 0 ? kOffered : 0;
  const char* const* names = kRecruitNames[size_t(placeKind)];
  for (int c = 0; c < kRecruitCandidates; ++c) {
    const RecruitCandidate& r = row->recruits[c];
    candidatePrice[c] = r.price;
    candidateKind[c] = r.kind;
    candidateAttack[c] = r.attack;
    candidateShield[c] = r.shield;
    candidateTraining[c] = r.training;
    candidateEquipment[c] = r.equipment;
    candidateCount[c] = r.count;
    GlyphFromText(names[c], candidateName[c]);
  }
}

void HouseScreen::ApplyRecruit(int32_t& gold) {
  if (!recruitConfirmed) return;
  recruitConfirmed = 0;
  recruited = 0;
  if (confirmedCandidate < 1 || confirmedCandidate > kRecruitCandidates) return;
  const int c = confirmedCandidate - 1;
  std::memcpy(recruitNameBuffer, candidateName[c], sizeof recruitNameBuffer);
  recruitNameLength = candidateNameLength[c];

  // Gold below 0 is less than any price.
  const uint32_t price = candidatePrice[c];
  if (gold < 0 || uint32_t(gold) < price) {
    notEnoughGold = 1;
  } else {
    // The lowest free slot takes the army, drawn in the cell of its own number.
    for (int s = 0; s < kHouseArmySlots; ++s) {
      if (armyCode[s] != 0) continue;
      recruited = 1;
      recruitJoinedNote = 1;
      gold -= int32_t(price);
      armyUsed[s] = kSlotTaken;
      armyCode[s] = uint8_t(candidateKind[c] + 1);
      armyPlace[s] = uint8_t(s);
      armyKind[s] = candidateKind[c];
      armyCount[s] = candidateCount[c];
      armyAttack[s] = candidateAttack[c];
      armyShield[s] = candidateShield[c];
      armyTraining[s] = candidateTraining[c];
      armyEquipment[s] = candidateEquipment[c];
      armyWound1[s] = 0;
      armyWound2[s] = 0;
      armyWound3[s] = 0;
      armyDowned[s] = 0;
      recruitSlot = uint8_t(s);
      break;
    }
  }
  if (recruited) {
    std::memcpy(armyName[recruitSlot], recruitNameBuffer, sizeof recruitNameBuffer);
    armyNameLength[recruitSlot] = recruitNameLength;
  } else {
    // Too little money is the only note a refusal for money shows.
    noRoomNote = notEnoughGold ? 0 : 1;
  }
}
