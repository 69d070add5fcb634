#pragma once
// The settings file "Data//data1.txt": up to ten whitespace-separated decimal
// numbers. The first switches the frames-per-second display of the menus; the
// next five keep the player's options (music, sounds and the three speeds)
// from one start of the game to the next.

#include <cstdint>

// Where the options stand among the values.
constexpr int kSettingsOptionsFirst = 1;

// The settings a fresh game folder starts with: the frames-per-second display
// off and no options kept yet. Once the game has kept the player's options in
// a folder, that file is his.
constexpr const char kFreshSettings[] = "0";

class DataSettings {
 public:
  DataSettings();
  virtual ~DataSettings();

  // Reads the file once; later calls do nothing. A missing file, an empty file
  // or a token that is not a decimal integer leaves that value and every one
  // after it 0. Returns 1 when the file was read, 0 when it could not be opened
  // (or is not a regular file of at most 64 KiB) or the settings were already
  // loaded.
  uint32_t Load();
  // The same from a given path (the game always reads "Data//data1.txt").
  uint32_t LoadFrom(const char* path);

  // Writes every value to the file, through a temporary file renamed into
  // place so that a failed write leaves the old file whole. Returns 1 when
  // written.
  uint32_t Save();
  uint32_t SaveTo(const char* path);

  // Takes the five option bytes into the values. Returns 1 when that changed
  // anything (and the file needs writing); the game's start values are not
  // taken into a file that keeps no options yet.
  uint32_t StoreOptions(const uint8_t* options);
  // Puts the stored options into the five option bytes, when all five are
  // valid (switches 0 or 1, speeds 1 to 3); otherwise leaves the bytes alone
  // and returns 0.
  uint32_t ApplyOptions(uint8_t* options) const;

  int32_t values[10];
  uint8_t needsLoad;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("values", values);
    v("needsLoad", needsLoad);
  }
};
