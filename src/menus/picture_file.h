#pragma once
// One picture file of a screen's sprite sheet as the screen loads it and the
// picture generator draws it: the path as the game spells it, the frame size
// and the colour key (0 = none).

#include <cstdint>

struct PictureFile {
  const char* path;
  int16_t frameWidth;
  int16_t frameHeight;
  uint32_t colourKey;
};
