#include "platform/sprite_sheet.h"

#include <new>

#include "platform/graphics_device.h"

SpriteSheet::SpriteSheet()
    : device(nullptr),
      count(0),
      textures(nullptr),
      frameWidth(nullptr),
      frameHeight(nullptr),
      framesPerRow(nullptr) {}

SpriteSheet::~SpriteSheet() { Release(); }

uint32_t SpriteSheet::Init(GraphicsDevice* dev, int32_t n) {
  Release();
  device = dev;
  if (!dev) return 0;
  if (n <= 0) return 0;
  textures = new (std::nothrow) Texture[n];
  frameWidth = new (std::nothrow) int32_t[n]();
  frameHeight = new (std::nothrow) int32_t[n]();
  framesPerRow = new (std::nothrow) int32_t[n]();
  if (!textures || !frameWidth || !frameHeight || !framesPerRow) {
    Release();
    return 0;
  }
  count = n;
  return 1;
}

uint32_t SpriteSheet::SetAlphaTest(uint32_t flag) {
  if (!device) return 0;
  return device->SetAlphaTest(flag);
}

uint32_t SpriteSheet::LoadImage(int32_t index, const char* path, int16_t fw, int16_t fh,
                                uint32_t colourKey, uint32_t format) {
  if (index < 0 || index >= count || !textures) return 0;
  FreeImage(index);
  if (!textures[index].Load(device, path, colourKey, format)) return 0;
  const int32_t w = static_cast<int32_t>(textures[index].width);
  const int32_t h = static_cast<int32_t>(textures[index].height);
  frameWidth[index] = fw == 0 ? w : fw;
  frameHeight[index] = fh == 0 ? h : fh;
  // A frame wider than the picture (or a negative size) leaves no whole
  // frame in a row: such an image draws nothing.
  framesPerRow[index] = frameWidth[index] > 0 ? w / frameWidth[index] : 0;
  return 1;
}

uint32_t SpriteSheet::FreeImage(int32_t index) {
  if (index < 0 || index >= count || !textures) return 0;
  textures[index].Release();
  frameWidth[index] = 0;
  frameHeight[index] = 0;
  framesPerRow[index] = 0;
  return 1;
}

bool SpriteSheet::FrameRect(int32_t index, int32_t frame, int32_t* srcX, int32_t* srcY) const {
  if (!device || index < 0 || index >= count || !textures) return false;
  const int32_t perRow = framesPerRow[index];
  const int32_t fw = frameWidth[index];
  const int32_t fh = frameHeight[index];
  if (perRow <= 0 || fw <= 0 || fh <= 0 || frame < 0) return false;
  const int32_t column = frame % perRow;
  const int32_t row = frame / perRow;
  const int64_t y = static_cast<int64_t>(row) * fh;
  if (y >= static_cast<int64_t>(textures[index].height)) return false;  // past the last row
  *srcX = column * fw;
  *srcY = static_cast<int32_t>(y);
  return true;
}

uint32_t SpriteSheet::Draw(int32_t index, int32_t frame, int32_t x, int32_t y, uint32_t colour,
                           float scaleX, float scaleY) {
  (void)colour;  // frames are always drawn with their own colours
  int32_t srcX, srcY;
  if (!FrameRect(index, frame, &srcX, &srcY)) return 0;
  return textures[index].Draw(x, y, srcX, srcY, frameWidth[index], frameHeight[index], scaleX,
                              scaleY, 0xFFFFFFFFu);
}

uint32_t SpriteSheet::KeepScaled(int32_t index, int32_t frame, float scaleX, float scaleY) {
  int32_t srcX, srcY;
  if (!FrameRect(index, frame, &srcX, &srcY)) return 0;
  return textures[index].KeepScaled(srcX, srcY, frameWidth[index], frameHeight[index], scaleX,
                                    scaleY);
}

uint32_t SpriteSheet::Release() {
  device = nullptr;
  delete[] textures;
  textures = nullptr;
  delete[] frameWidth;
  frameWidth = nullptr;
  delete[] frameHeight;
  frameHeight = nullptr;
  delete[] framesPerRow;
  framesPerRow = nullptr;
  count = 0;
  return 1;
}

void DeleteSheet(SpriteSheet*& sheet) {
  if (!sheet) return;
  sheet->Release();
  delete sheet;
  sheet = nullptr;
}

SpriteSheet* NewSheet(GraphicsDevice* device, int32_t count) {
  SpriteSheet* sheet = new SpriteSheet;
  sheet->Init(device, count);
  sheet->SetAlphaTest(1);
  return sheet;
}
