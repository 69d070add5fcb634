#pragma once
// The five save slots' files and the hall-of-fame file as the menus use
// them: which file belongs to a slot, which slots hold a game and what the
// slot lists show of it, and saving and loading a whole game.
//
// Writing goes through FileBuffer::Save, which writes a temporary file and
// renames it over the old one: a save that fails leaves the old file whole.
// Reading refuses a file of the wrong length or with numbers out of range
// and then leaves the game record as it was.

#include <cstdint>

#include "game/save_image.h"
#include "menus/hall_of_fame_screen.h"  // kHallOfFamePath

#include "platform/regular_file.h"  // FileFound

class FileBuffer;
class GameState;
class SaveSlotsPanel;

// The size of the buffers the slot lists read the files into.
constexpr uint32_t kSlotReadBufferBytes = 70000;

// "Saves\\1.save" .. "Saves\\5.save" for slot 1..5; nullptr for any other.
const char* SaveSlotPath(int slot);

// For each slot: slotUsed is 1 when its name exists at all, 0 when there is
// no such name (the same in state.slotFilled); slotUnreadable is 1 for a
// used slot whose file could not be read whole (not a regular file, no read
// permission, a count that does not match its length). Clears
// state.slotsStale.
void ProbeSaveSlots(SaveSlotsPanel& panel, FileBuffer& probe, GameState& state);

// For each used, readable slot whose summary is still wanted: reads the
// fame, the day and the player's name from its file. A file that holds no
// loadable game marks the slot unreadable instead.
void ReadSlotSummaries(SaveSlotsPanel& panel, FileBuffer& read);

// What both slot lists do before they show the panel: when state.slotsStale
// is set, the probe through a buffer made for it in probeFile and freed again
// (probeFile ends empty); then the summaries still wanted, through read.
void RefreshSlotPanel(SaveSlotsPanel& panel, FileBuffer*& probeFile, FileBuffer& read,
                      GameState& state);

// The first free slot (no file of that name at all); 0 when all five are
// used, damaged ones included.
uint8_t FirstFreeSlot(const SaveSlotsPanel& panel);

// Writes the game into the slot's file through buffer. 1 when the file was
// written; 0 for a slot outside 1..5 or a failed write (the old file stays).
int SaveGameToSlot(FileBuffer& buffer, const GameState& state, const SaveExtras& extras, int slot);

// Reads the slot's file through buffer into state and extras. 1 when it held
// a game; 0 when it is missing or refused, with state and extras untouched.
int LoadGameFromSlot(FileBuffer& buffer, GameState& state, SaveExtras& extras, int slot);

// Reads the hall-of-fame rows from their file; 0 (rows untouched) when the
// file is missing or not a hall of fame. *found (when given): kRegular when
// the rows were read, kMissing when there is no file, kRefused when there is
// one that is not a readable hall of fame.
int LoadHallOfFame(FileBuffer& buffer, GameState& state, FileFound* found = nullptr);

// The highest number a file moved aside takes ("x.bad", "x.bad1" ..).
constexpr int kMaxAsideNumber = 999;

// Renames a damaged file to its name with ".bad" added, or ".bad1",
// ".bad2".. when that is taken; never over an existing file. 1 when moved.
int MoveFileAside(const char* path);

// Before a new hall of fame is written: reads the rows on disk into state,
// and moves a hall-of-fame file that cannot be read out of the way, so that
// its rows are kept. 1 when the new hall may be written (rows read, no file,
// or the damaged one moved aside); 0 when a damaged file is still in place.
int ReadHallOfFameBeforeWrite(FileBuffer& buffer, GameState& state);
