#include "places/place_table.h"

#include "game/game_state.h"

namespace {

// Army kinds the places offer.
constexpr uint8_t kPeasants = 0;
constexpr uint8_t kMilitia = 1;
constexpr uint8_t kInfantry = 2;
constexpr uint8_t kGoldenInfantry = 3;
constexpr uint8_t kRoyalInfantry = 4;
constexpr uint8_t kDogs = 20;
constexpr uint8_t kWarDogs = 21;

// kind, count, attack, shield, training, equipment, price, joined price.
constexpr RecruitCandidate kVillageRecruits[kRecruitCandidates] = {
    {kDogs, 2, 2, 2, 10, 10, 120, 110},       {kDogs, 4, 6, 6, 20, 20, 160, 150},
    {kPeasants, 4, 8, 8, 20, 20, 240, 230},   {kPeasants, 4, 10, 14, 20, 20, 320, 310},
    {kPeasants, 6, 16, 20, 30, 30, 500, 490},
};
constexpr RecruitCandidate kTownRecruits[kRecruitCandidates] = {
    {kMilitia, 5, 20, 20, 25, 25, 710, 700},    {kMilitia, 6, 24, 26, 30, 30, 860, 850},
    {kInfantry, 5, 30, 30, 25, 25, 1010, 1000}, {kInfantry, 6, 36, 36, 30, 30, 1220, 1200},
    {kInfantry, 7, 42, 42, 35, 35, 1530, 1500},
};
// The castle and the tower offer the towns' armies at the towns' prices.
constexpr RecruitCandidate kFortRecruits[kRecruitCandidates] = {
    {kMilitia, 5, 20, 20, 25, 25, 710, 710},    {kMilitia, 6, 24, 26, 30, 30, 860, 860},
    {kInfantry, 5, 30, 30, 25, 25, 1010, 1010}, {kInfantry, 6, 36, 36, 30, 30, 1220, 1220},
    {kInfantry, 7, 42, 42, 35, 35, 1530, 1530},
};
constexpr RecruitCandidate kTempleRecruits[kRecruitCandidates] = {
    {kInfantry, 6, 36, 36, 30, 30, 1220, 1220},
    {kInfantry, 7, 42, 42, 35, 35, 1530, 1530},
    {kGoldenInfantry, 8, 45, 45, 40, 40, 2000, 2000},
    {kGoldenInfantry, 9, 50, 50, 45, 45, 2500, 2500},
    {kGoldenInfantry, 10, 58, 58, 50, 50, 3000, 3000},
};
constexpr RecruitCandidate kPalaceRecruits[kRecruitCandidates] = {
    {kWarDogs, 5, 10, 8, 25, 25, 270, 270},
    {kWarDogs, 6, 12, 9, 30, 30, 360, 360},
    {kRoyalInfantry, 8, 45, 45, 40, 40, 2000, 2000},
    {kRoyalInfantry, 9, 50, 50, 45, 45, 2500, 2500},
    {kRoyalInfantry, 10, 58, 58, 50, 50, 3000, 3000},
};

constexpr PlaceRow Village(uint8_t v, uint8_t joiningQuest) {
  return {PlaceKind::Village,
          v,
          kVillageRecruits,
          joiningQuest,
          uint8_t(kVillageHeldBackRow + v - 1),
          uint8_t(kVillageHeldBackCopyRow + v - 1),
          kRenameToVillage};
}

constexpr PlaceRow Town(uint8_t t, uint8_t joiningQuest) {
  return {PlaceKind::Town,
          t,
          kTownRecruits,
          joiningQuest,
          uint8_t(kTownHeldBackRow + t - 1),
          uint8_t(kTownHeldBackCopyRow + t - 1),
          kRenameToTown};
}

constexpr PlaceRow Single(PlaceKind kind, const RecruitCandidate* recruits, uint8_t heldBackRow,
                          uint8_t renameReturn) {
  return {kind, 0, recruits, 0, heldBackRow, uint8_t(heldBackRow + 1), renameReturn};
}

constexpr uint8_t kNoJoiningQuest = 0;

}  // namespace

// Number, joining quest; the four single places never join.
const PlaceRow kPlaces[kPlaceRows] = {
    Village(1, 5),
    Village(2, 29),
    Village(3, 28),
    Village(4, 48),
    Village(5, 73),
    Village(6, 49),
    Village(7, 62),
    Village(8, 65),
    Village(9, kNoJoiningQuest),
    Town(1, 13),
    Town(2, 3),
    Town(3, 38),
    Town(4, 46),
    Single(PlaceKind::Palace, kPalaceRecruits, kPalaceHeldBackRow, kRenameToPalace),
    Single(PlaceKind::Temple, kTempleRecruits, kTempleHeldBackRow, kRenameToTemple),
    Single(PlaceKind::Castle, kFortRecruits, kCastleHeldBackRow, kRenameToCastle),
    Single(PlaceKind::Tower, kFortRecruits, kTowerHeldBackRow, kRenameToTower),
};

const PlaceRow* FindPlace(PlaceKind kind, uint8_t number) {
  const int index = house_art::PlaceIndex(kind, number);
  return index < 0 ? nullptr : &kPlaces[index];
}

const uint8_t* JoinedFlag(const GameState& state, const PlaceRow& row) {
  if (row.kind == PlaceKind::Village) return &state.wealth.villageJoined[row.number - 1];
  if (row.kind == PlaceKind::Town) return &state.wealth.townOwned[row.number];
  return nullptr;
}

uint8_t* JoinedFlag(GameState& state, const PlaceRow& row) {
  return const_cast<uint8_t*>(JoinedFlag(static_cast<const GameState&>(state), row));
}
