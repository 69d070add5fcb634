#include "party/item_exchange_copy.h"

#include <cstring>

#include "game/game_state.h"
#include "party/exchange_choice_screen.h"
#include "party/item_exchange_screen.h"

namespace {

bool IsHero(uint8_t member) { return member >= kFirstHeroMember && member <= kLastHeroMember; }
bool IsMember(uint8_t member) { return member == kMemberPlayer || IsHero(member); }

// Stat word `word` of the member.
int32_t& Stat(GameState& s, uint8_t member, int word) {
  if (member == kMemberPlayer) return s.playerStats[word];
  return s.heroStats[word][member - kFirstHeroMember];
}

// The member's places, owned table and place table.
struct ItemTables {
  uint8_t* places;
  uint8_t* held;
  uint8_t* slotOf;
};
ItemTables TablesOf(GameState& s, uint8_t member) {
  if (member == kMemberPlayer) return {s.playerItems, s.playerItemHeld, s.playerItemSlot};
  ItemRecord& r = s.heroItems[member - kFirstHeroMember];
  return {r.items, r.held, r.slot};
}

}  // namespace

void CopyItemsIn(const GameState& s, ItemExchangeScreen& x, uint8_t side, uint8_t member,
                 uint8_t* selectedHero) {
  if (!IsMember(member)) return;
  const bool right = side == kItemSideRight;
  uint8_t* name = right ? x.rightName : x.leftName;
  if (member == kMemberPlayer) {
    std::memcpy(name, s.playerName, kGlyphNameLength);
  } else {
    s.GetHeroName(member - kFirstHeroMember, name);
    *selectedHero = uint8_t(member - kFirstHeroMember);
  }
  const bool player = member == kMemberPlayer;
  const ItemRecord& r = s.heroItems[player ? 0 : member - kFirstHeroMember];
  std::memcpy(right ? x.rightItems : x.leftItems, player ? s.playerItems : r.items,
              kExchangePlaces);
  std::memcpy(right ? x.rightHeld : x.leftHeld, player ? s.playerItemHeld : r.held, kItemIdCount);
}

void CopyItemsBack(GameState& s, const ItemExchangeScreen& x, uint8_t side, uint8_t member,
                   uint8_t* selectedHero) {
  if (!IsMember(member)) return;
  if (IsHero(member)) *selectedHero = uint8_t(member - kFirstHeroMember);
  const bool right = side == kItemSideRight;
  const uint8_t* held = right ? x.rightHeld : x.leftHeld;
  const ItemTables t = TablesOf(s, member);
  std::memcpy(t.places, right ? x.rightItems : x.leftItems, kExchangePlaces);
  std::memcpy(t.held, held, kItemIdCount);
  for (int n = 0; n < kItemIdCount; ++n)
    if (held[n]) t.slotOf[n] = x.itemPlace[n];
}

void UpdateTotals(GameState& s, ItemExchangeScreen& x, uint8_t side, uint8_t member) {
  if (!IsMember(member)) return;
  int32_t& health = Stat(s, member, kStatMaxHealth);
  int32_t& attack = Stat(s, member, kStatAttack);
  int32_t& shield = Stat(s, member, kStatShield);
  const int32_t baseHealth = Stat(s, member, kStatBaseHealth);
  const int32_t baseAttack = Stat(s, member, kStatBaseAttack);
  const int32_t baseShield = Stat(s, member, kStatBaseShield);
  if (side == kItemSideRight)
    x.ComputeRightStatTotals(baseHealth, baseAttack, baseShield, &health, &attack, &shield);
  else x.ComputeLeftStatTotals(baseHealth, baseAttack, baseShield, &health, &attack, &shield);
  int32_t& current = Stat(s, member, kStatHealth);
  if (current > health) current = health;
}
