// What a visit copies between the game record and the place screen object:
// the visitor's health, bag, item tables and armies, and the place's
// held-back rewards; and the two things a village or town writes at once,
// its joined flags and its joined prices.

#include <cstring>
#include <type_traits>

#include "game/game_state.h"
#include "places/house_screen.h"

namespace {

// One army array into its twin of the same shape.
template <class To, class From>
void CopyArray(To& to, const From& from) {
  static_assert(std::is_same_v<std::remove_cv_t<To>, std::remove_cv_t<From>>);
  std::memcpy(&to, &from, sizeof to);
}

// Each army array of a member's record with the object's array of the same
// meaning; fn(recordField, objectField).
template <class Record, class Screen, class Fn>
void ArmyPairs(Record& r, Screen& h, Fn fn) {
  fn(r.armyUsed, h.armyUsed);
  fn(r.armyKindCode, h.armyCode);
  fn(r.armyPanelPlace, h.armyPlace);
  fn(r.armyKind, h.armyKind);
  fn(r.armyValue1, h.armyAttack);
  fn(r.armyValue2, h.armyShield);
  fn(r.armyValue3, h.armyTraining);
  fn(r.armyValue4, h.armyEquipment);
  fn(r.armyCount, h.armyCount);
  fn(r.armyMark1, h.armyWound1);
  fn(r.armyMark2, h.armyWound2);
  fn(r.armyMark3, h.armyWound3);
  fn(r.armyMark4, h.armyDowned);
  fn(r.armyNames, h.armyName);
}

// The visitor's item tables in the record: its item list (the twelve bag
// cells come first), the held table and the slot table.
template <class State>
auto VisitorItems(State& s, uint8_t code) {
  using Byte = std::conditional_t<std::is_const_v<State>, const uint8_t, uint8_t>;
  struct Tables {
    Byte* items;
    Byte* held;
    Byte* slot;
  };
  if (code == kVisitorPlayer) return Tables{s.playerItems, s.playerItemHeld, s.playerItemSlot};
  auto& r = s.heroItems[code - kVisitorFirstHero];
  return Tables{r.items, r.held, r.slot};
}

template <class State>
auto& VisitorArmies(State& s, uint8_t code) {
  return code == kVisitorPlayer ? s.playerArmies : s.heroArmies[code - kVisitorFirstHero];
}

}  // namespace

void HouseScreen::CopyVisitorIn(const GameState& s) {
  if (!IsVisitorCode(visitorCode)) return;
  if (visitorCode == kVisitorPlayer) {
    health = s.playerStats[kStatHealth];
    maxHealth = s.playerStats[kStatMaxHealth];
  } else {
    heroIndex = uint8_t(visitorCode - kVisitorFirstHero);
    health = s.heroStats[kStatHealth][heroIndex];
    maxHealth = s.heroStats[kStatMaxHealth][heroIndex];
  }
  const auto items = VisitorItems(s, visitorCode);
  std::memcpy(bag, items.items, sizeof bag);
  std::memcpy(itemHeld, items.held, sizeof itemHeld);
  std::memcpy(itemSlot, items.slot, sizeof itemSlot);
  ArmyPairs(VisitorArmies(s, visitorCode), *this,
            [](const auto& record, auto& object) { CopyArray(object, record); });
}

void HouseScreen::CopyHeldBackIn(const GameState& state) {
  const PlaceRow* row = Place();
  if (!row) return;
  std::memcpy(heldBack, state.worldBlockA[row->heldBackRow], sizeof heldBack);
  std::memcpy(heldBackCopy, state.worldBlockA[row->heldBackCopyRow], sizeof heldBackCopy);
}

void HouseScreen::WriteBack(GameState& s) const {
  const PlaceRow* row = Place();
  if (row) {
    std::memcpy(s.worldBlockA[row->heldBackRow], heldBack, sizeof heldBack);
    std::memcpy(s.worldBlockA[row->heldBackCopyRow], heldBackCopy, sizeof heldBackCopy);
  }
  std::memcpy(s.questStage, questStage, sizeof questStage);
  if (!IsVisitorCode(visitorCode)) return;
  if (visitorCode == kVisitorPlayer) {
    s.playerStats[kStatHealth] = health;
    s.playerStats[kStatMaxHealth] = maxHealth;
  } else {
    // A hero revived on this visit keeps the health it was revived to; its
    // health total is the record's own and is not written.
    s.heroStats[kStatHealth][heroIndex] = health;
  }
  const auto items = VisitorItems(s, visitorCode);
  std::memcpy(items.items, bag, sizeof bag);
  std::memcpy(items.held, itemHeld, sizeof itemHeld);
  std::memcpy(items.slot, itemSlot, sizeof itemSlot);
  ArmyPairs(VisitorArmies(s, visitorCode), *this,
            [](auto& record, const auto& object) { CopyArray(record, object); });
}

void HouseScreen::MarkJoinedPlaces(GameState& state) const {
  for (const PlaceRow& row : kPlaces) {
    if (row.kind != placeKind || row.joiningQuest == 0) continue;
    if (questStage[row.joiningQuest - 1] != kQuestAchievedSeen) continue;
    if (uint8_t* joined = JoinedFlag(state, row)) *joined = kPlaceJoined;
  }
}

void HouseScreen::ApplyJoinedPrices(const GameState& state) {
  const PlaceRow* row = Place();
  if (!row) return;
  const uint8_t* joined = JoinedFlag(state, *row);
  if (!joined) return;
  if (joinState == kNotJoined && *joined) joinState = kFoundJoined;
  if (joinState != kFoundJoined) return;
  joinState = kJoinedPrices;
  healPrice = kJoinedHealPrice;
  for (int c = 0; c < kRecruitCandidates; ++c) candidatePrice[c] = row->recruits[c].joinedPrice;
}
