#pragma once
// What the map screen copies between the game record and the map's objects:
// the party, the map's objects and the enemy armies on entry, the wealth and
// the army slots after the snapshot is restored, the bags a find loads and
// stores, the map snapshot kept in the record before a battle and the
// write-back on every leave.

#include <cstdint>

class GameState;
class KingdomMap;
class MapEncounters;

namespace map_copy {

// The entry copy into a new population (and the view's place copies when a
// view is given): day, fame, place states, the player, the heroes, the map's
// objects and the enemy tables.
void CopyIn(const GameState& s, MapEncounters& e, KingdomMap* view);

// After the snapshot restore and the cell codes: the six wealth arrays and
// the slot-used, panel-place and kind arrays of every member's armies.
void CopyWealthAndArmies(const GameState& s, MapEncounters& e);

// The whole build of a population from the record, as the map screen does
// it on entry when there is no snapshot to restore: CopyIn, the start
// tables, the armies and their roads, the cell codes, the wealth and armies.
void BuildFromGame(MapEncounters& e, const GameState& s, KingdomMap* view = nullptr);

// The invading-army block of the population into the record's map
// snapshot. full is the copy made when a battle is handed over; the leave's
// write-back (full false) leaves four bytes of the snapshot as they are:
// the leg's meeting flag, fighterCode, the leg build stage and
// battleStarted.
void StoreSnapshot(const MapEncounters& e, GameState& s, bool full);
// The exact inverse of StoreSnapshot (battleStarted is cleared, not copied).
void RestoreSnapshot(MapEncounters& e, const GameState& s);

// The leave's write-back (after the snapshot fields): wealth, the party's
// cells, facings and steps, the map's objects, the enemy tables and the
// exchange members. Place states, day, fame, portrait and health are not
// copied back.
void WriteBack(const MapEncounters& e, GameState& s);

// The fame-reward state and the hero to centre on, kept in the record
// across a leave.
void StoreMessageState(const MapEncounters& e, GameState& s);
void RestoreMessageState(MapEncounters& e, const GameState& s);

// The bag copies: the player's (or hero k's, k 1..10) held table, slot table
// and twelve bag cells into the population's bag copy, and back.
void LoadPlayerBag(const GameState& s, MapEncounters& e);
void LoadHeroBag(const GameState& s, MapEncounters& e, uint8_t heroNumber);
void StorePlayerBag(const MapEncounters& e, GameState& s);
void StoreHeroBag(const MapEncounters& e, GameState& s, uint8_t heroNumber);

}  // namespace map_copy
