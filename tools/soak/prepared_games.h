#pragma once
// The games a soak starts from, chosen by its seed: a new game from the main
// menu, or a game prepared in code, written into the soak's own Saves folder
// by the game's save writer and loaded through the main menu like a player's.

#include <cstdint>

enum class SoakStart : uint8_t {
  kNewGame,      // the main menu's new game, as a player starts
  kHeroBeside,   // beside the palace a hero stands beside the player: Trade opens the
                 // exchanges
  kByTheCastle,  // the party stands beside the castle, the tower a short walk off
  kLastDay,      // the last day, every slot in use: ending the day ends the game, and the
                 // hall of fame is written; a new game must take over a slot
  kByTheTemple,  // the party stands beside the temple, far in the south
};
constexpr int kSoakStartCount = 5;

// The start a seed plays from.
inline SoakStart SoakStartOf(uint64_t seed) {
  return static_cast<SoakStart>(seed % static_cast<uint64_t>(kSoakStartCount));
}

// "new game", "hero beside", "by the castle", "last day", "by the temple".
const char* SoakStartName(SoakStart start);

// The slot a prepared game is written to and loaded from (the last day's
// game fills the other slots too).
constexpr int kPreparedSlot = 1;

// Writes the prepared game of start into its slot under the working folder;
// true when written (and at once for a new game, which needs no file).
bool WritePreparedGame(SoakStart start);
