#pragma once
#include <cstdint>

class GraphicsDevice;

// One source rectangle of a picture already scaled to its drawn size, kept
// for opaque pictures drawn again and again at one scale (the land's
// squares), so that drawing it is a plain copy of rows.
struct ScaledCopy {
  int32_t srcX, srcY, srcWidth, srcHeight;
  float scaleX, scaleY;
  int32_t width, height;  // drawn size; its top-left pixel is the draw point
  uint32_t* pixels;       // width x height, all opaque
  ScaledCopy* next;
};

// The pixels of one loaded picture: 0xAARRGGBB, alpha 0 where the colour
// key matched, 0xFF elsewhere.
struct TextureImage {
  int32_t width;
  int32_t height;
  uint32_t* pixels;
  ScaledCopy* scaled = nullptr;  // owned list, see Texture::KeepScaled
  // The opaque runs of each row: row y's runs are the pairs
  // runs[2 * i], runs[2 * i + 1] (first column, column past the end) for i
  // in runStart[y] .. runStart[y + 1] - 1. Empty when not worked out.
  int32_t* runStart = nullptr;  // height + 1 entries
  int32_t* runs = nullptr;
  uint64_t id = 0;  // never the same for two pictures loaded in one run
  // The device whose frame has a draw of the picture still to carry out;
  // it carries them out before the picture is freed.
  mutable GraphicsDevice* pendingIn = nullptr;
};

// One colour-keyed picture loaded from a bitmap file and drawn into the
// device's frame as a scaled rectangle of source pixels.
class Texture {
 public:
  Texture();
  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  // colourKey 0 = none; any other ARGB value makes pixels of that colour
  // transparent (alpha 0). 1 on success; a missing or damaged file gives 0
  // and is listed in MissingAssets().
  uint32_t Load(GraphicsDevice* device, const char* path, uint32_t colourKey, uint32_t format);
  // The same from pixels in memory (0xXXRRGGBB, alpha ignored).
  uint32_t LoadPixels(GraphicsDevice* device, const uint32_t* argb, int32_t w, int32_t h,
                      uint32_t colourKey, uint32_t format);
  uint32_t Release();
  // Draws source rectangle (srcX, srcY, srcWidth, srcHeight) with its
  // top-left corner at (x, y), scaled by scaleX, scaleY (negative mirrors);
  // a source width or height of 0 is the texture's own. colour modulates
  // (0xFFFFFFFF = the picture's own colours). The source is clipped to the
  // picture and the result to the frame. 0 without a texture or device, or
  // when no source pixel lies inside the picture; else 1.
  uint32_t Draw(int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t srcWidth,
                int32_t srcHeight, float scaleX, float scaleY, uint32_t colour);
  // Keeps a copy of the source rectangle scaled by (scaleX, scaleY), which
  // later draws of the same rectangle at the same scale copy instead of
  // scaling pixel by pixel; they draw the very same pixels. Only a
  // rectangle inside the picture with no transparent pixel, at positive
  // scales, is kept: 1 when kept (or already), else 0.
  uint32_t KeepScaled(int32_t srcX, int32_t srcY, int32_t srcWidth, int32_t srcHeight, float scaleX,
                      float scaleY);
  uint32_t GetWidth() const;
  uint32_t GetHeight() const;

  GraphicsDevice* device;
  TextureImage* texture;
  uint32_t width;
  uint32_t height;
};
