#pragma once
#include <cstdint>

#include "platform/texture.h"

class GraphicsDevice;

// A device-bound list of images, each cut into equal frames numbered left
// to right, then top to bottom.
class SpriteSheet {
 public:
  SpriteSheet();
  ~SpriteSheet();
  SpriteSheet(const SpriteSheet&) = delete;
  SpriteSheet& operator=(const SpriteSheet&) = delete;

  uint32_t Init(GraphicsDevice* device, int32_t count);
  uint32_t SetAlphaTest(uint32_t flag);
  // A frame width or height of 0 takes the picture's own.
  uint32_t LoadImage(int32_t index, const char* path, int16_t frameWidth, int16_t frameHeight,
                     uint32_t colourKey, uint32_t format);
  uint32_t FreeImage(int32_t index);
  // Frame `frame` of image `index` at (x, y); colour is not used (the frame
  // keeps its own colours). 0 for an index outside the sheet, an image not
  // loaded, or a frame outside the picture.
  uint32_t Draw(int32_t index, int32_t frame, int32_t x, int32_t y, uint32_t colour, float scaleX,
                float scaleY);
  // Keeps frame `frame` of image `index` scaled by (scaleX, scaleY) so that
  // its draws at that scale copy rows (Texture::KeepScaled); 1 when kept.
  uint32_t KeepScaled(int32_t index, int32_t frame, float scaleX, float scaleY);
  uint32_t Release();

  GraphicsDevice* device;
  int32_t count;
  Texture* textures;
  int32_t* frameWidth;
  int32_t* frameHeight;
  int32_t* framesPerRow;

 private:
  // The source corner of a frame; false for an index outside the sheet, an
  // image not loaded, or a frame outside the picture.
  bool FrameRect(int32_t index, int32_t frame, int32_t* srcX, int32_t* srcY) const;
};

// A new sheet of count images for the device, drawn with the alpha test,
// as every screen's pictures are; the caller deletes it.
SpriteSheet* NewSheet(GraphicsDevice* device, int32_t count);

// Releases a sheet created with new, deletes it and empties the pointer; an
// empty pointer is left alone.
void DeleteSheet(SpriteSheet*& sheet);
