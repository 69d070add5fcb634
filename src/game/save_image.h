#pragma once
// The save image of a game and the hall-of-fame image.
//
// A save file is a little-endian u32 byte count (69,992) followed by 17,498
// 32-bit words, one word per element of each saved field of GameState (plus
// the map camera, the three game-end flags and the night due at the end of
// the armies' turn, all of the application). A byte is zero-extended into
// its word (a word above 255 is refused); a 32-bit value takes its word
// whole. Words 131-150, 1266-1299, 4009-4028 and 13795-17497 are written as
// 0 and ignored when read. Word 13794, the night due, was one of them in
// older saves: their 0 is no night due.
//
// The hall-of-fame file is a u32 byte count (600) followed by 150 words: the
// five scores as three words each ((score / 10,000) AND 255, (score / 100)
// mod 100, score mod 100), the five used flags, the five names; words
// 125-149 are written as 0 and ignored.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/game_state.h"
#include "game/save_limits.h"

constexpr uint32_t kSaveImageBytes = 69992;
constexpr int kSaveImageWords = 17498;
constexpr uint32_t kHallOfFameBytes = 600;
constexpr int kHallOfFameWords = 150;

// What the save image carries besides GameState: the map view's camera, the
// application's game-end flags and its night due once the armies have moved
// (a game saved in a battle of the armies' turn).
struct SaveExtras {
  int32_t cameraX = -1115;  // the map view's start camera
  int32_t cameraY = 320;
  uint8_t endVictory = 0;
  uint8_t endPeaceTreaty = 0;
  uint8_t endSurrendered = 0;
  uint8_t dayRecoveryPending = 0;  // 0 or 1
};

// One field of the save image as the layout writes it: count words from word
// on, one element a word. A byte is zero-extended into its word, so the
// reader takes a byte word only when the whole word is 0..255; a 32-bit word
// only when it lies in range. Each of these words is read and checked; a
// hero's army and item records only when the hero is in the party.
enum class SaveWordKind : uint8_t { kByte, kInt32, kUint32 };
struct SaveImageField {
  const char* name;
  int word;
  int count;
  SaveWordKind kind;
  save_limits::Range range;  // what each word may hold
  int hero;                  // -1, or k: hero k's record
};

// Every field of the image in layout order (the unwritten words lie in
// none). Gold and mapSnapshotState each have two fields; the second wins.
const std::vector<SaveImageField>& SaveImageFields();

// Writes the image (kSaveImageBytes bytes, without the count) into image.
void WriteSaveImage(const GameState& state, const SaveExtras& extras, uint8_t* image);

// Reads an image (the bytes behind the count). Heroes not in the party keep
// their army and item records as they are in memory. An image of the wrong
// size, one with a word outside its field's range (SaveImageFields), or one
// whose stored indexes (member numbers, slots, item places, army places,
// picture numbers, stages) lie outside their tables, is refused as a whole:
// result 0, state and extras untouched. 1 on success.
// The caller runs AdvanceQuestChains and takes the camera from extras only
// when it has no map view yet.
int ReadSaveImage(GameState& state, SaveExtras& extras, const uint8_t* image, size_t size);

// The whole file: the count, then the image.
std::vector<uint8_t> SaveFileBytes(const GameState& state, const SaveExtras& extras);
// Reads the whole file; refuses a count other than 69,992 or a file whose
// length does not match it.
int ReadSaveFileBytes(GameState& state, SaveExtras& extras, const uint8_t* file, size_t size);

// Through FileBuffer: 1 on success, 0 when the file cannot be written, read
// or is refused.
int SaveGameFile(const GameState& state, const SaveExtras& extras, const char* path);
int LoadGameFile(GameState& state, SaveExtras& extras, const char* path);

// The hall-of-fame rows (hallScores, hallUsed, hallNames).
void WriteHallOfFameImage(const GameState& state, uint8_t* image600);
// Refuses an image whose size is not 600 bytes (result 0, rows untouched).
int ReadHallOfFameImage(GameState& state, const uint8_t* image, size_t size);
int SaveHallOfFameFile(const GameState& state, const char* path);
int LoadHallOfFameFile(GameState& state, const char* path);
