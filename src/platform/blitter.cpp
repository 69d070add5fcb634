#include "platform/blitter.h"

#include <algorithm>
#include <cmath>

namespace {

bool AlphaPasses(uint32_t func, uint32_t a, uint32_t ref) {
  switch (func) {
    case 1: return false;
    case 2: return a < ref;
    case 3: return a == ref;
    case 4: return a <= ref;
    case 5: return a > ref;
    case 6: return a != ref;
    case 7: return a >= ref;
    default: return true;
  }
}

uint32_t Modulate(uint32_t p, uint32_t colour) {
  const uint32_t a = ((p >> 24) * (colour >> 24) + 127) / 255;
  const uint32_t r = (((p >> 16) & 255) * ((colour >> 16) & 255) + 127) / 255;
  const uint32_t g = (((p >> 8) & 255) * ((colour >> 8) & 255) + 127) / 255;
  const uint32_t b = ((p & 255) * (colour & 255) + 127) / 255;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

uint32_t Blend(uint32_t src, uint32_t dst) {
  const uint32_t a = src >> 24;
  const uint32_t ia = 255 - a;
  const uint32_t r = (((src >> 16) & 255) * a + ((dst >> 16) & 255) * ia + 127) / 255;
  const uint32_t g = (((src >> 8) & 255) * a + ((dst >> 8) & 255) * ia + 127) / 255;
  const uint32_t b = ((src & 255) * a + (dst & 255) * ia + 127) / 255;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Fills map[first..last) with the source index for each frame position
// along one axis; returns false when no position maps inside the clipped
// source range [clip0, clip1).
bool MapAxis(int32_t pos, int32_t src, int32_t srcLen, int32_t clip0, int32_t clip1, float scale,
             int32_t frameLen, int32_t* map, int32_t* first, int32_t* last) {
  const double s = scale;
  const double a = pos;
  const double b = a + srcLen * s;
  const double lo = std::min(a, b);
  const double hi = std::max(a, b);
  // A frame pixel is covered when its centre lies in [lo, hi).
  double p0 = std::ceil(lo - 0.5);
  double p1 = std::ceil(hi - 0.5);
  p0 = std::max(p0, 0.0);
  p1 = std::min(p1, static_cast<double>(frameLen));
  *first = 0;
  *last = 0;
  if (p0 >= p1) return false;
  int32_t f = -1;
  int32_t l = -1;
  for (int32_t p = static_cast<int32_t>(p0); p < static_cast<int32_t>(p1); ++p) {
    const double t = (p + 0.5 - a) / s;
    const double idx = std::floor(t);
    if (idx < 0 || idx >= srcLen) continue;
    const int32_t si = src + static_cast<int32_t>(idx);
    if (si < clip0 || si >= clip1) continue;
    map[p] = si;
    if (f < 0) f = p;
    l = p + 1;
  }
  if (f < 0) return false;
  // The covered positions form one run (the mapping is monotonic and the
  // clipped range contiguous).
  *first = f;
  *last = l;
  return true;
}

}  // namespace

bool SpriteBlitter::Draw(const TextureImage& image, int32_t x, int32_t y, int32_t srcX,
                         int32_t srcY, int32_t srcWidth, int32_t srcHeight, float scaleX,
                         float scaleY, uint32_t colour) {
  if (!std::isfinite(scaleX) || !std::isfinite(scaleY)) return false;
  if (!image.pixels || srcWidth <= 0 || srcHeight <= 0) return false;
  const int64_t cx0 = std::max<int64_t>(srcX, 0);
  const int64_t cx1 = std::min<int64_t>(static_cast<int64_t>(srcX) + srcWidth, image.width);
  const int64_t cy0 = std::max<int64_t>(srcY, 0);
  const int64_t cy1 = std::min<int64_t>(static_cast<int64_t>(srcY) + srcHeight, image.height);
  if (cx0 >= cx1 || cy0 >= cy1) return false;
  if (scaleX == 0.0f || scaleY == 0.0f) return true;
  FrameTarget* t = target_;
  if (!t || !t->pixels) return false;
  const int32_t fw = std::min(t->width, 4096);
  const int32_t fh = std::min(t->height, 4096);

  int32_t colFirst, colLast, rowFirst, rowLast;
  if (!MapAxis(x, srcX, srcWidth, static_cast<int32_t>(cx0), static_cast<int32_t>(cx1), scaleX, fw,
               columns_, &colFirst, &colLast)) {
    return true;  // entirely off the frame
  }
  if (!MapAxis(y, srcY, srcHeight, static_cast<int32_t>(cy0), static_cast<int32_t>(cy1), scaleY, fh,
               rows_, &rowFirst, &rowLast)) {
    return true;
  }

  const bool test = t->alphaTestEnable != 0;
  const bool fastTest = test && t->alphaFunc == kCmpGreaterEqual;
  const uint32_t ref = t->alphaRef;
  const bool blend = t->alphaBlendEnable != 0 && t->srcBlend == kBlendSrcAlpha &&
                     t->destBlend == kBlendInvSrcAlpha;
  const bool modulate = colour != 0xFFFFFFFFu;
  const bool plain = !blend && !modulate && (!test || fastTest);

  for (int32_t py = rowFirst; py < rowLast; ++py) {
    const uint32_t* srcRow = image.pixels + static_cast<size_t>(rows_[py]) * image.width;
    uint32_t* dst = t->pixels + static_cast<size_t>(py) * t->width;
    if (plain) {
      if (test) {
        for (int32_t px = colFirst; px < colLast; ++px) {
          const uint32_t p = srcRow[columns_[px]];
          if ((p >> 24) >= ref) dst[px] = p | 0xFF000000u;
        }
      } else {
        for (int32_t px = colFirst; px < colLast; ++px)
          dst[px] = srcRow[columns_[px]] | 0xFF000000u;
      }
      continue;
    }
    for (int32_t px = colFirst; px < colLast; ++px) {
      uint32_t p = srcRow[columns_[px]];
      if (modulate) p = Modulate(p, colour);
      if (test && !AlphaPasses(t->alphaFunc, p >> 24, ref)) continue;
      dst[px] = blend ? Blend(p, dst[px]) : (p | 0xFF000000u);
    }
  }
  return true;
}
