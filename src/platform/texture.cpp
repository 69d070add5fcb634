#include "platform/texture.h"

#include <atomic>
#include <new>
#include <string>

#include "platform/asset_log.h"
#include "platform/blitter.h"
#include "platform/bmp_reader.h"
#include "platform/graphics_device.h"
#include "platform/paths.h"

namespace {

// The opaque runs of each row, which alpha-tested draws copy while they
// skip the keyed-out pixels between them. Left out when memory is short.
void FindRuns(TextureImage* image) {
  const int32_t w = image->width;
  auto eachRun = [&](int32_t y, auto&& run) {
    const uint32_t* row = image->pixels + static_cast<size_t>(y) * w;
    int32_t x = 0;
    while (x < w) {
      while (x < w && (row[x] >> 24) == 0) ++x;
      const int32_t start = x;
      while (x < w && (row[x] >> 24) != 0) ++x;
      if (x > start) run(start, x);
    }
  };
  size_t count = 0;
  for (int32_t y = 0; y < image->height; ++y) eachRun(y, [&](int32_t, int32_t) { ++count; });
  image->runStart = new (std::nothrow) int32_t[static_cast<size_t>(image->height) + 1];
  image->runs = new (std::nothrow) int32_t[2 * count + 1];
  if (!image->runStart || !image->runs || count > 0x3FFFFFFF) {
    delete[] image->runStart;
    delete[] image->runs;
    image->runStart = nullptr;
    image->runs = nullptr;
    return;
  }
  int32_t n = 0;
  for (int32_t y = 0; y < image->height; ++y) {
    image->runStart[y] = n;
    eachRun(y, [&](int32_t start, int32_t end) {
      image->runs[2 * n] = start;
      image->runs[2 * n + 1] = end;
      ++n;
    });
  }
  image->runStart[image->height] = n;
}

// Pixels of the key colour become transparent black (alpha 0), the rest
// opaque; one-bit-alpha formats keep exactly that.
TextureImage* MakeImage(const uint32_t* argb, int32_t w, int32_t h, uint32_t colourKey) {
  if (!argb || w <= 0 || h <= 0) return nullptr;
  static std::atomic<uint64_t> lastId{0};
  TextureImage* image = new (std::nothrow) TextureImage{w, h, nullptr};
  if (!image) return nullptr;
  image->id = ++lastId;
  const size_t n = static_cast<size_t>(w) * h;
  image->pixels = new (std::nothrow) uint32_t[n];
  if (!image->pixels) {
    delete image;
    return nullptr;
  }
  const uint32_t key = colourKey | 0xFF000000u;
  for (size_t i = 0; i < n; ++i) {
    const uint32_t p = argb[i] | 0xFF000000u;
    image->pixels[i] = (colourKey != 0 && p == key) ? 0u : p;
  }
  FindRuns(image);
  return image;
}

}  // namespace

Texture::Texture() : device(nullptr), texture(nullptr), width(0), height(0) {}

Texture::~Texture() { Release(); }

uint32_t Texture::Load(GraphicsDevice* dev, const char* path, uint32_t colourKey, uint32_t format) {
  Release();
  device = dev;
  if (!dev || !dev->GetDevice() || !path) return 0;
  (void)format;  // every format keeps the full colours and a one-bit alpha
  const std::string file = ResolveGamePath(path);
  BmpImage bmp;
  if (!LoadBmpFile(file.c_str(), &bmp)) {
    NoteMissingAsset(NormalisePath(path));
    return 0;
  }
  texture = MakeImage(bmp.pixels.data(), bmp.width, bmp.height, colourKey);
  if (!texture) return 0;
  width = static_cast<uint32_t>(texture->width);
  height = static_cast<uint32_t>(texture->height);
  return 1;
}

uint32_t Texture::LoadPixels(GraphicsDevice* dev, const uint32_t* argb, int32_t w, int32_t h,
                             uint32_t colourKey, uint32_t format) {
  Release();
  device = dev;
  if (!dev || !dev->GetDevice()) return 0;
  (void)format;
  texture = MakeImage(argb, w, h, colourKey);
  if (!texture) return 0;
  width = static_cast<uint32_t>(w);
  height = static_cast<uint32_t>(h);
  return 1;
}

uint32_t Texture::Release() {
  if (texture) {
    if (texture->pendingIn) texture->pendingIn->CarryOut();
    while (ScaledCopy* copy = texture->scaled) {
      texture->scaled = copy->next;
      delete[] copy->pixels;
      delete copy;
    }
    delete[] texture->runStart;
    delete[] texture->runs;
    delete[] texture->pixels;
    delete texture;
    texture = nullptr;
  }
  device = nullptr;
  width = 0;
  height = 0;
  return 1;
}

uint32_t Texture::Draw(int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t srcWidth,
                       int32_t srcHeight, float scaleX, float scaleY, uint32_t colour) {
  if (!texture || !device || !device->GetSprite()) return 0;
  if (srcWidth == 0) srcWidth = texture->width;
  if (srcHeight == 0) srcHeight = texture->height;
  // Kept with the frame's draws and carried out at the present.
  bool draws = false;
  if (!device->GetSprite()->Accepts(*texture, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY,
                                    &draws)) {
    return 0;
  }
  if (draws)
    device->RecordPicture(texture, x, y, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, colour);
  return 1;
}

uint32_t Texture::KeepScaled(int32_t srcX, int32_t srcY, int32_t srcWidth, int32_t srcHeight,
                             float scaleX, float scaleY) {
  if (!texture || !device || !device->GetSprite()) return 0;
  for (const ScaledCopy* c = texture->scaled; c; c = c->next) {
    if (c->srcX == srcX && c->srcY == srcY && c->srcWidth == srcWidth &&
        c->srcHeight == srcHeight && c->scaleX == scaleX && c->scaleY == scaleY) {
      return 1;
    }
  }
  ScaledCopy* copy = device->GetSprite()->MakeScaledCopy(*texture, srcX, srcY, srcWidth, srcHeight,
                                                         scaleX, scaleY);
  if (!copy) return 0;
  copy->next = texture->scaled;
  texture->scaled = copy;
  return 1;
}

uint32_t Texture::GetWidth() const { return texture ? static_cast<uint32_t>(texture->width) : 0; }

uint32_t Texture::GetHeight() const { return texture ? static_cast<uint32_t>(texture->height) : 0; }
