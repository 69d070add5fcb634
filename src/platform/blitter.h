#pragma once
// Drawing of texture rectangles into the frame. Internal to the platform
// layer.
#include <cstdint>

#include "platform/graphics_device.h"
#include "platform/texture.h"

class SpriteBlitter {
 public:
  explicit SpriteBlitter(FrameTarget* target) : target_(target) {}

  // Draws the source rectangle (already given a width and height) of image
  // with its top-left corner at (x, y), scaled by (scaleX, scaleY),
  // nearest-neighbour, honouring the target's alpha test and blending.
  // Source pixels outside the image are not drawn, nor anything outside
  // the frame. false when no source pixel lies inside the image or a
  // scale is not a finite number.
  bool Draw(const TextureImage& image, int32_t x, int32_t y, int32_t srcX, int32_t srcY,
            int32_t srcWidth, int32_t srcHeight, float scaleX, float scaleY, uint32_t colour);

 private:
  FrameTarget* target_;
  // Source column for each frame column and source row for each frame row
  // (-1 = not drawn); sized for the frame.
  int32_t columns_[4096];
  int32_t rows_[4096];
};
