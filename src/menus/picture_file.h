#pragma once
// One picture file of a menu screen: the path the game loads, the size of the
// whole bitmap, the size of one frame and the colour key. The screens load
// from these and the picture generator draws to them, so the two never
// disagree.

#include <cstdint>

struct PictureFile {
  const char* path;
  int32_t width;  // the whole bitmap
  int32_t height;
  int16_t frameWidth;  // one frame
  int16_t frameHeight;
  uint32_t key;  // ARGB colour key, 0 for none
};
