#pragma once
// The settings file "Data//data1.txt": up to ten whitespace-separated decimal
// numbers. The first switches the frames-per-second display of the menus.

#include <cstdint>

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

  int32_t values[10];
  uint8_t needsLoad;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("values", values);
    v("needsLoad", needsLoad);
  }
};
