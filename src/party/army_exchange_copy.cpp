#include "party/army_exchange_copy.h"

#include <type_traits>

#include "game/game_state.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"

namespace {

template <class S>
struct Member {
  std::conditional_t<std::is_const_v<S>, const ArmyRecord, ArmyRecord>* armies;
  std::conditional_t<std::is_const_v<S>, const uint8_t, uint8_t>* items;
};

// The member's army record and items; nothing for an id that names nobody.
// A hero member becomes the selected hero.
template <class S>
Member<S> Fields(S& s, uint8_t member, uint8_t* selectedHero) {
  if (member == kMemberPlayer) return {&s.playerArmies, s.playerItems};
  if (member < kFirstHeroMember || member > kLastHeroMember) return {nullptr, nullptr};
  const int k = member - kFirstHeroMember;
  *selectedHero = static_cast<uint8_t>(k);
  return {&s.heroArmies[k], s.heroItems[k].items};
}

int FirstEntry(ExchangeSide side) { return side == kSideRight ? kExchangeSideEntries : 0; }

}  // namespace

void CopyMemberIn(const GameState& s, ArmyExchangeScreen& x, ExchangeSide side, uint8_t member,
                  uint8_t* selectedHero) {
  const auto m = Fields(s, member, selectedHero);
  if (!m.armies) return;
  const bool right = side == kSideRight;
  uint8_t* name = right ? x.rightName : x.leftName;
  int32_t values[4];
  if (member == kMemberPlayer) {
    for (int j = 0; j < kGlyphNameLength; ++j) name[j] = s.playerName[j];
    values[0] = s.playerStats[kStatHealth];
    values[1] = s.playerStats[kStatMaxHealth];
    values[2] = s.playerStats[kStatAttack];
    values[3] = s.playerStats[kStatShield];
  } else {
    const int k = member - kFirstHeroMember;
    s.GetHeroName(k, name);
    values[0] = s.heroStats[kStatHealth][k];
    values[1] = s.heroStats[kStatMaxHealth][k];
    values[2] = s.heroStats[kStatAttack][k];
    values[3] = s.heroStats[kStatShield][k];
  }
  (right ? x.rightHealth : x.leftHealth) = values[0];
  (right ? x.rightMaxHealth : x.leftMaxHealth) = values[1];
  (right ? x.rightAttack : x.leftAttack) = values[2];
  (right ? x.rightShield : x.leftShield) = values[3];
  uint8_t* items = right ? x.rightItems : x.leftItems;
  for (int i = 0; i < kItemPlaceCount; ++i) items[i] = m.items[i];

  const ArmyRecord& a = *m.armies;
  const int first = FirstEntry(side);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    const int e = first + slot;
    x.armyCode[e] = a.armyKindCode[slot];
    x.armyUsed[e] = a.armyUsed[slot];
    x.armyCell[e] = a.armyPanelPlace[slot];
    x.armyKind[e] = a.armyKind[slot];
    x.armyAttack[e] = a.armyValue1[slot];
    x.armyShield[e] = a.armyValue2[slot];
    x.armyTraining[e] = a.armyValue3[slot];
    x.armyEquipment[e] = a.armyValue4[slot];
    x.armyCount[e] = a.armyCount[slot];
    x.armyMark1[e] = a.armyMark1[slot];
    x.armyMark2[e] = a.armyMark2[slot];
    x.armyMark3[e] = a.armyMark3[slot];
    x.armyMark4[e] = a.armyMark4[slot];
    for (int j = 0; j < kGlyphNameLength; ++j) x.armyNames[e][j] = a.armyNames[slot][j];
  }
}

void CopyMemberBack(GameState& s, const ArmyExchangeScreen& x, ExchangeSide side, uint8_t member,
                    uint8_t* selectedHero) {
  const auto m = Fields(s, member, selectedHero);
  if (!m.armies) return;
  const uint8_t* items = side == kSideRight ? x.rightItems : x.leftItems;
  for (int i = 0; i < kItemPlaceCount; ++i) m.items[i] = items[i];

  ArmyRecord& a = *m.armies;
  const int first = FirstEntry(side);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    const int e = first + slot;
    a.armyKindCode[slot] = x.armyCode[e];
    a.armyUsed[slot] = x.armyUsed[e];
    // The cell an entry stands in gives its place among the member's six.
    a.armyPanelPlace[slot] = static_cast<uint8_t>(x.armyCell[e] - 1 - first);
    a.armyKind[slot] = x.armyKind[e];
    a.armyValue1[slot] = x.armyAttack[e];
    a.armyValue2[slot] = x.armyShield[e];
    a.armyValue3[slot] = x.armyTraining[e];
    a.armyValue4[slot] = x.armyEquipment[e];
    a.armyCount[slot] = x.armyCount[e];
    a.armyMark1[slot] = x.armyMark1[e];
    a.armyMark2[slot] = x.armyMark2[e];
    a.armyMark3[slot] = x.armyMark3[e];
    a.armyMark4[slot] = x.armyMark4[e];
    for (int j = 0; j < kGlyphNameLength; ++j) a.armyNames[slot][j] = x.armyNames[e][j];
  }
}
