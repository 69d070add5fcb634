#pragma once
// Copying the two members of an item exchange between the game record and
// the screen: name, places and owned table in; places, owned table and the
// place of every owned item back; the totals of what each figure wears.
// A member id that names nobody moves nothing.

#include <cstdint>

class ItemExchangeScreen;
struct GameState;

// Copies member `member` into the side (kItemSideLeft or kItemSideRight).
// For a hero member, *selectedHero becomes the hero's index.
void CopyItemsIn(const GameState& s, ItemExchangeScreen& screen, uint8_t side, uint8_t member,
                 uint8_t* selectedHero);

// Writes the side's places and owned table back, and for every item the
// side owns the place it lies in.
void CopyItemsBack(GameState& s, const ItemExchangeScreen& screen, uint8_t side, uint8_t member,
                   uint8_t* selectedHero);

// The member's health, attack and shield totals from what the side's figure
// wears; the current health is lowered to a fallen health total.
void UpdateTotals(GameState& s, ItemExchangeScreen& screen, uint8_t side, uint8_t member);
