#pragma once
// Copying the two members of an army exchange between the game record and
// the screen: names, values and items in (the figures need them), army
// slots in and back. The left member's six slots are entries 0..5, the right
// member's entries 6..11.

#include <cstdint>

class ArmyExchangeScreen;
class GameState;

enum ExchangeSide : uint8_t { kSideLeft = 0, kSideRight = 1 };

// Copies member `member` into the side's fields and entries. For a hero
// member, *selectedHero becomes the hero's index.
void CopyMemberIn(const GameState& s, ArmyExchangeScreen& screen, ExchangeSide side, uint8_t member,
                  uint8_t* selectedHero);

// Writes the side's six entries back into the member's army slots (the slot
// number of each is its cell's place, 0..5) and its items back unchanged.
// The two further arrays of the army record are left alone.
void CopyMemberBack(GameState& s, const ArmyExchangeScreen& screen, ExchangeSide side,
                    uint8_t member, uint8_t* selectedHero);
