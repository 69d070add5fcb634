#pragma once
// The seventeen places the party can visit: nine villages, four towns, the
// palace, the temple, the castle and the tower. One row per place says what
// is particular to it: its kind and number, its recruits and what they
// cost, the quest that makes it join, where its held-back rewards lie in the
// game record and which screen the name editor returns to. Its name, its
// pictures and where they stand are its row of house_art::kPlaces (the same
// order).
//
// The quests and the talk of each place come with their own change; a row
// has room for them beside the fields below.

#include <cstdint>

#include "places/house_art.h"

class GameState;

// The six kinds of place, each with its own screen procedure.
using PlaceKind = house_art::PlaceKind;

constexpr int kPlaceRows = house_art::kPlaceCount;  // 9 villages, 4 towns, then the four
constexpr int kRecruitCandidates = 5;

// The visitor codes a place accepts (MemberId): the player, heroes 0..9.
constexpr uint8_t kVisitorPlayer = 1;
constexpr uint8_t kVisitorFirstHero = 2;
constexpr uint8_t kVisitorLastHero = 11;
constexpr bool IsVisitorCode(uint8_t code) {
  return code >= kVisitorPlayer && code <= kVisitorLastHero;
}

// Heal prices: every place, and a village or town that has joined.
constexpr uint32_t kHealPrice = 10;
constexpr uint32_t kJoinedHealPrice = 2;

// Where the name editor returns (GameApp::renameReturn).
constexpr uint8_t kRenameToVillage = 1;
constexpr uint8_t kRenameToTown = 4;
constexpr uint8_t kRenameToTemple = 5;
constexpr uint8_t kRenameToPalace = 6;
constexpr uint8_t kRenameToCastle = 7;
constexpr uint8_t kRenameToTower = 8;

// Rows of GameState::worldBlockA, ten item numbers each, that hold the
// places' held-back reward lists (the list and its copy).
constexpr uint8_t kPalaceHeldBackRow = 0;
constexpr uint8_t kTempleHeldBackRow = 2;
constexpr uint8_t kCastleHeldBackRow = 4;
constexpr uint8_t kTowerHeldBackRow = 6;
constexpr uint8_t kVillageHeldBackRow = 8;       // + village - 1
constexpr uint8_t kVillageHeldBackCopyRow = 17;  // + village - 1
constexpr uint8_t kTownHeldBackRow = 26;         // + town - 1
constexpr uint8_t kTownHeldBackCopyRow = 30;     // + town - 1
constexpr int kHeldBackEntries = 10;

// One army a place offers for gold.
struct RecruitCandidate {
  uint8_t kind;  // ArmyKind, the army icon
  uint8_t count;
  uint8_t attack;
  uint8_t shield;
  uint8_t training;
  uint8_t equipment;
  uint32_t price;
  uint32_t joinedPrice;  // once the place has joined; the single places never join
};

struct PlaceRow {
  PlaceKind kind;
  uint8_t number;                    // village 1..9, town 1..4; 0 for a single place
  const RecruitCandidate* recruits;  // five candidates
  uint8_t joiningQuest;              // the quest whose stage 6 makes it join; 0 never joins
  uint8_t heldBackRow;               // its rows of GameState::worldBlockA
  uint8_t heldBackCopyRow;
  uint8_t renameReturn;
};

extern const PlaceRow kPlaces[kPlaceRows];

// A place's row (the index of house_art::PlaceIndex); nullptr for a village
// or town number outside its kind's range.
const PlaceRow* FindPlace(PlaceKind kind, uint8_t number);

// The value of a joined flag once the place has joined.
constexpr uint8_t kPlaceJoined = 1;

// The place's joined flag in the game record (villages: villageJoined[v - 1],
// towns: townOwned[t]); nullptr for the single places, which never join.
const uint8_t* JoinedFlag(const GameState& state, const PlaceRow& row);
uint8_t* JoinedFlag(GameState& state, const PlaceRow& row);
