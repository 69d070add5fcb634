#include "platform/blitter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

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

// The source index of position k (counted from the draw point) along an
// axis of srcLen source pixels at scale s, or -1 when it shows none: a frame
// pixel shows the source pixel under its centre.
int32_t StepIndex(int64_t k, int32_t srcLen, double s) {
  const double t = (static_cast<double>(k) + 0.5) / s;
  const double idx = std::floor(t);
  if (idx < 0 || idx >= srcLen) return -1;
  return static_cast<int32_t>(idx);
}

// Draw points further out than this are drawn without the kept scaled
// copies, whose positions are worked out for the frame's own range.
constexpr int32_t kCopyReach = 1 << 16;

// A draw of at least this many frame pixels from an opaque rectangle at a
// scale other than one is a large one (see SpriteBlitter::Draw).
constexpr double kLargeDraw = 800.0 * 600.0 / 4.0;

uint32_t RunSlot(uint64_t imageId, int32_t srcX, int32_t srcY, int32_t srcWidth, int32_t srcHeight,
                 float scaleX, float scaleY, uint32_t slots) {
  uint32_t sx, sy;
  std::memcpy(&sx, &scaleX, sizeof sx);
  std::memcpy(&sy, &scaleY, sizeof sy);
  uint64_t h = imageId * 0x9E3779B97F4A7C15ull;
  for (uint32_t v : {static_cast<uint32_t>(srcX), static_cast<uint32_t>(srcY),
                     static_cast<uint32_t>(srcWidth), static_cast<uint32_t>(srcHeight), sx, sy}) {
    h = (h ^ v) * 0x9E3779B97F4A7C15ull;
  }
  return static_cast<uint32_t>(h >> 32) & (slots - 1);
}

}  // namespace

const SpriteBlitter::AxisSteps* SpriteBlitter::StepsFor(int32_t srcLen, float scale) {
  uint32_t bits;
  std::memcpy(&bits, &scale, sizeof bits);
  const uint32_t slot = (bits * 2654435761u + static_cast<uint32_t>(srcLen) * 40503u) >> 26;
  AxisSteps& a = steps_[slot % kStepsKept];
  if (a.count >= 0 && a.srcLen == srcLen && a.scale == scale) return a.count > 0 ? &a : nullptr;
  a.srcLen = srcLen;
  a.scale = scale;
  a.k0 = 0;
  a.count = 0;
  const double s = scale;
  const double end = srcLen * s;
  const double k0 = std::ceil(std::min(0.0, end) - 0.5);
  const double k1 = std::ceil(std::max(0.0, end) - 0.5);
  if (k1 - k0 > kMostSteps || k1 <= k0) return nullptr;  // worked out per pixel instead
  a.k0 = static_cast<int32_t>(k0);
  a.count = static_cast<int32_t>(k1 - k0);
  for (int32_t i = 0; i < a.count; ++i) a.index[i] = StepIndex(a.k0 + i, srcLen, s);
  return &a;
}

// Fills map[first..last) with the source index for each frame position
// along one axis; returns false when no position maps inside the clipped
// source range [clip0, clip1).
bool SpriteBlitter::MapAxis(int32_t pos, int32_t src, int32_t srcLen, int32_t clip0, int32_t clip1,
                            float scale, int32_t frameLen, int32_t* map, int32_t* first,
                            int32_t* last) {
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
  // Which source pixel a position shows depends only on its distance from
  // the draw point, so the steps of a length and scale are reused.
  const AxisSteps* steps = StepsFor(srcLen, scale);
  int32_t f = -1;
  int32_t l = -1;
  for (int32_t p = static_cast<int32_t>(p0); p < static_cast<int32_t>(p1); ++p) {
    const int64_t k = static_cast<int64_t>(p) - pos;
    const int64_t i = steps ? k - steps->k0 : -1;
    const int32_t idx =
        (i >= 0 && i < (steps ? steps->count : 0)) ? steps->index[i] : StepIndex(k, srcLen, s);
    if (idx < 0) continue;
    const int32_t si = src + idx;
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

bool SpriteBlitter::Opaque(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
                           int32_t srcHeight) {
  if (!image.pixels || srcX < 0 || srcY < 0 || srcWidth <= 0 || srcHeight <= 0) return false;
  if (srcWidth > image.width - srcX || srcHeight > image.height - srcY) return false;
  for (int32_t y = srcY; y < srcY + srcHeight; ++y) {
    if (image.runStart) {
      // One run spans the row's part.
      bool spanned = false;
      for (int32_t i = image.runStart[y]; i < image.runStart[y + 1] && !spanned; ++i)
        spanned = image.runs[2 * i] <= srcX && image.runs[2 * i + 1] >= srcX + srcWidth;
      if (!spanned) return false;
      continue;
    }
    const uint32_t* row = image.pixels + static_cast<size_t>(y) * image.width;
    for (int32_t x = srcX; x < srcX + srcWidth; ++x) {
      if ((row[x] >> 24) != 255) return false;
    }
  }
  return true;
}

bool SpriteBlitter::MapCopy(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
                            int32_t srcHeight, float scaleX, float scaleY, int32_t* width,
                            int32_t* height) {
  // Small scales are left out: their positions would need more bits than
  // the reach of the copies keeps exact.
  constexpr float kSmallest = 1.0f / 64.0f;
  if (!(scaleX >= kSmallest && scaleY >= kSmallest)) return false;
  if (!std::isfinite(scaleX) || !std::isfinite(scaleY)) return false;
  if (double(srcWidth) * scaleX >= kMaxFrameSide || double(srcHeight) * scaleY >= kMaxFrameSide)
    return false;
  if (!Opaque(image, srcX, srcY, srcWidth, srcHeight)) return false;
  int32_t colFirst, colLast, rowFirst, rowLast;
  if (!MapAxis(0, srcX, srcWidth, srcX, srcX + srcWidth, scaleX, kMaxFrameSide, columns_, &colFirst,
               &colLast) ||
      !MapAxis(0, srcY, srcHeight, srcY, srcY + srcHeight, scaleY, kMaxFrameSide, rows_, &rowFirst,
               &rowLast) ||
      colFirst != 0 || rowFirst != 0) {
    return false;
  }
  *width = colLast;
  *height = rowLast;
  return true;
}

void SpriteBlitter::FillCopy(const TextureImage& image, int32_t width, int32_t height,
                             uint32_t* out) const {
  for (int32_t py = 0; py < height; ++py) {
    const uint32_t* srcRow = image.pixels + static_cast<size_t>(rows_[py]) * image.width;
    uint32_t* dst = out + static_cast<size_t>(py) * width;
    if (py > 0 && rows_[py] == rows_[py - 1]) {
      std::memcpy(dst, dst - width, static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    for (int32_t px = 0; px < width; ++px) dst[px] = srcRow[columns_[px]];
  }
}

ScaledCopy* SpriteBlitter::MakeScaledCopy(const TextureImage& image, int32_t srcX, int32_t srcY,
                                          int32_t srcWidth, int32_t srcHeight, float scaleX,
                                          float scaleY) {
  int32_t w, h;
  if (!MapCopy(image, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, &w, &h)) return nullptr;
  ScaledCopy* copy = new (std::nothrow)
      ScaledCopy{srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, w, h, nullptr, nullptr};
  if (!copy) return nullptr;
  copy->pixels = new (std::nothrow) uint32_t[static_cast<size_t>(w) * h];
  if (!copy->pixels) {
    delete copy;
    return nullptr;
  }
  FillCopy(image, w, h, copy->pixels);
  return copy;
}

SpriteBlitter::SpriteBlitter(FrameTarget* target) : target_(target) {
  if (!target) return;
  const size_t room = static_cast<size_t>(std::max(target->width, 0)) *
                      static_cast<size_t>(std::max(target->height, 0));
  for (LargeCopy& slot : large_) {
    slot.copy.pixels = room ? new (std::nothrow) uint32_t[room] : nullptr;
    slot.room = slot.copy.pixels ? room : 0;
  }
  runCopies_ = new (std::nothrow) RunCopy[kRunSlots];
  runRoom_ = new (std::nothrow) uint32_t[kRunRoom];
}

SpriteBlitter::~SpriteBlitter() {
  for (LargeCopy& slot : large_) delete[] slot.copy.pixels;
  delete[] runCopies_;
  delete[] runRoom_;
}

const ScaledCopy* SpriteBlitter::LargeCopyFor(const TextureImage& image, int32_t srcX, int32_t srcY,
                                              int32_t srcWidth, int32_t srcHeight, float scaleX,
                                              float scaleY) {
  ++largeDraws_;
  LargeCopy* oldest = nullptr;
  for (LargeCopy& slot : large_) {
    const ScaledCopy& c = slot.copy;
    if (slot.imageId == image.id && c.srcX == srcX && c.srcY == srcY && c.srcWidth == srcWidth &&
        c.srcHeight == srcHeight && c.scaleX == scaleX && c.scaleY == scaleY) {
      slot.lastUsed = largeDraws_;
      return &slot.copy;
    }
    if (slot.room && (!oldest || slot.lastUsed < oldest->lastUsed)) oldest = &slot;
  }
  // A slot drawn from lately is kept: pictures taking turns (an animation)
  // that outnumber the slots are drawn as they are rather than scaled anew
  // on every frame.
  constexpr uint64_t kLately = 8;
  if (!oldest || (oldest->imageId != 0 && largeDraws_ - oldest->lastUsed <= kLately))
    return nullptr;
  int32_t w, h;
  if (!MapCopy(image, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, &w, &h) ||
      static_cast<size_t>(w) * h > oldest->room) {
    return nullptr;
  }
  FillCopy(image, w, h, oldest->copy.pixels);
  oldest->imageId = image.id;
  oldest->lastUsed = largeDraws_;
  ScaledCopy& c = oldest->copy;
  c.srcX = srcX;
  c.srcY = srcY;
  c.srcWidth = srcWidth;
  c.srcHeight = srcHeight;
  c.scaleX = scaleX;
  c.scaleY = scaleY;
  c.width = w;
  c.height = h;
  return &c;
}

namespace {

// The columns c0..c1 and rows r0..r1 (ends excluded) of a w x h picture at
// (x, y) that land on the frame; false when none do.
bool ClipToFrame(const FrameTarget& t, int32_t x, int32_t y, int32_t w, int32_t h, int32_t& c0,
                 int32_t& c1, int32_t& r0, int32_t& r1) {
  c0 = std::max(x, 0);
  c1 = std::min(x + w, std::min(t.width, SpriteBlitter::kMaxFrameSide));
  r0 = std::max(y, 0);
  r1 = std::min(y + h, std::min(t.height, SpriteBlitter::kMaxFrameSide));
  return c0 < c1 && r0 < r1;
}

// Skips a row's opaque runs that end at or before source column first and
// readies frame row py from x0 to x1 for the rest: written over whole when
// one run spans first to past, else read first. The first run left to draw.
const int32_t* StartRunRow(FrameTarget* t, const int32_t* run, const int32_t* runEnd, int32_t first,
                           int32_t past, int32_t x0, int32_t x1, int32_t py) {
  while (run < runEnd && run[1] <= first) run += 2;
  if (run < runEnd && run[0] <= first && run[1] >= past) {
    CoverFrameRect(t, x0, py, x1, py + 1);
  } else {
    ReadyFrameRect(t, x0, py, x1, py + 1);
  }
  return run;
}

}  // namespace

bool SpriteBlitter::DrawScaledCopy(const ScaledCopy& copy, int32_t x, int32_t y) {
  FrameTarget* t = target_;
  int32_t c0, c1, r0, r1;
  if (!ClipToFrame(*t, x, y, copy.width, copy.height, c0, c1, r0, r1))
    return true;  // entirely off the frame
  CoverFrameRect(t, c0, r0, c1, r1);
  for (int32_t py = r0; py < r1; ++py) {
    std::memcpy(t->pixels + static_cast<size_t>(py) * t->width + c0,
                copy.pixels + static_cast<size_t>(py - y) * copy.width + (c0 - x),
                static_cast<size_t>(c1 - c0) * sizeof(uint32_t));
  }
  return true;
}

const SpriteBlitter::RunCopy* SpriteBlitter::RunCopyFor(const TextureImage& image, int32_t srcX,
                                                        int32_t srcY, int32_t srcWidth,
                                                        int32_t srcHeight, float scaleX,
                                                        float scaleY) {
  if (!runCopies_ || !runRoom_) return nullptr;
  uint32_t i = RunSlot(image.id, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, kRunSlots);
  for (; runCopies_[i].imageId; i = (i + 1) & (kRunSlots - 1)) {
    const RunCopy& c = runCopies_[i];
    if (c.imageId == image.id && c.srcX == srcX && c.srcY == srcY && c.srcWidth == srcWidth &&
        c.srcHeight == srcHeight && c.scaleX == scaleX && c.scaleY == scaleY) {
      runPixelsDrawn_ += static_cast<uint64_t>(c.width) * c.height;
      return &c;
    }
  }
  constexpr float kSmallest = 1.0f / 64.0f;
  if (!(scaleX >= kSmallest && scaleY >= kSmallest) || image.id == 0) return nullptr;
  if (srcX < 0 || srcY < 0 || srcWidth > image.width - srcX || srcHeight > image.height - srcY)
    return nullptr;
  if (double(srcWidth) * scaleX >= kMaxFrameSide || double(srcHeight) * scaleY >= kMaxFrameSide)
    return nullptr;
  int32_t colFirst, colLast, rowFirst, rowLast;
  if (!MapAxis(0, srcX, srcWidth, srcX, srcX + srcWidth, scaleX, kMaxFrameSide, columns_, &colFirst,
               &colLast) ||
      !MapAxis(0, srcY, srcHeight, srcY, srcY + srcHeight, scaleY, kMaxFrameSide, rows_, &rowFirst,
               &rowLast) ||
      colFirst != 0 || rowFirst != 0) {
    return nullptr;
  }
  RunCopy* slot = &runCopies_[i];
  slot->srcX = srcX;
  slot->srcY = srcY;
  slot->srcWidth = srcWidth;
  slot->srcHeight = srcHeight;
  slot->scaleX = scaleX;
  slot->scaleY = scaleY;
  if (runCopyCount_ >= kMostRunCopies || !MakeRunCopy(image, slot, colLast, rowLast)) {
    // Full: make room only once the copies have paid for themselves.
    if (runPixelsDrawn_ < 4 * kRunRoom) return nullptr;
    const RunCopy kept = *slot;
    ForgetRunCopies();
    slot =
        &runCopies_[RunSlot(image.id, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, kRunSlots)];
    *slot = kept;
    if (!MakeRunCopy(image, slot, colLast, rowLast)) return nullptr;
  }
  slot->imageId = image.id;
  ++runCopyCount_;
  runPixelsDrawn_ += static_cast<uint64_t>(slot->width) * slot->height;
  return slot;
}

bool SpriteBlitter::MakeRunCopy(const TextureImage& image, RunCopy* slot, int32_t width,
                                int32_t height) {
  const size_t area = static_cast<size_t>(width) * height;
  if (area > kRunRoom - runRoomUsed_) return false;
  uint32_t* pixels = runRoom_ + runRoomUsed_;
  FillCopy(image, width, height, pixels);
  size_t count = 0;
  for (size_t k = 0; k < area; ++k) {
    if ((pixels[k] >> 24) != 0 && (k % width == 0 || (pixels[k - 1] >> 24) == 0)) ++count;
  }
  const size_t words = area + static_cast<size_t>(height) + 1 + 2 * count;
  if (words > kRunRoom - runRoomUsed_) return false;
  int32_t* runStart = reinterpret_cast<int32_t*>(pixels + area);
  int32_t* runs = runStart + height + 1;
  int32_t n = 0;
  for (int32_t y = 0; y < height; ++y) {
    runStart[y] = n;
    const uint32_t* row = pixels + static_cast<size_t>(y) * width;
    int32_t x = 0;
    while (x < width) {
      while (x < width && (row[x] >> 24) == 0) ++x;
      const int32_t start = x;
      while (x < width && (row[x] >> 24) != 0) ++x;
      if (x > start) {
        runs[2 * n] = start;
        runs[2 * n + 1] = x;
        ++n;
      }
    }
  }
  runStart[height] = n;
  slot->width = width;
  slot->height = height;
  slot->pixels = pixels;
  slot->runStart = runStart;
  slot->runs = runs;
  runRoomUsed_ += words;
  return true;
}

void SpriteBlitter::ForgetRunCopies() {
  for (uint32_t i = 0; i < kRunSlots; ++i) runCopies_[i].imageId = 0;
  runCopyCount_ = 0;
  runRoomUsed_ = 0;
  runPixelsDrawn_ = 0;
}

bool SpriteBlitter::DrawCopyRuns(const RunCopy& copy, int32_t x, int32_t y) {
  FrameTarget* t = target_;
  int32_t c0, c1, r0, r1;
  if (!ClipToFrame(*t, x, y, copy.width, copy.height, c0, c1, r0, r1))
    return true;  // entirely off the frame
  // Copy columns, as the runs count them.
  const int32_t k0 = c0 - x;
  const int32_t k1 = c1 - x;
  for (int32_t py = r0; py < r1; ++py) {
    const int32_t r = py - y;
    const uint32_t* srcRow = copy.pixels + static_cast<size_t>(r) * copy.width;
    uint32_t* dst = t->pixels + static_cast<size_t>(py) * t->width;
    const int32_t* runEnd = copy.runs + 2 * copy.runStart[r + 1];
    const int32_t* run =
        StartRunRow(t, copy.runs + 2 * copy.runStart[r], runEnd, k0, k1, c0, c1, py);
    for (; run < runEnd && run[0] < k1; run += 2) {
      const int32_t p0 = std::max(run[0], k0) + x;
      const int32_t p1 = std::min(run[1], k1) + x;
      std::memcpy(dst + p0, srcRow + (p0 - x), static_cast<size_t>(p1 - p0) * sizeof(uint32_t));
    }
  }
  return true;
}

bool SpriteBlitter::DrawRuns(const TextureImage& image, int32_t colFirst, int32_t colLast,
                             int32_t rowFirst, int32_t rowLast) {
  const int32_t c0 = columns_[colFirst];
  const int32_t c1 = columns_[colLast - 1] + 1;  // past the last source column shown
  if (c1 - c0 > kMaxFrameSide) return false;
  // firstAt_[c - c0]: the first frame column showing source column c or one
  // after it.
  int32_t px = colFirst;
  for (int32_t c = c0; c <= c1; ++c) {
    while (px < colLast && columns_[px] < c) ++px;
    firstAt_[c - c0] = px;
  }
  FrameTarget* t = target_;
  const bool straight = columns_[colLast - 1] - columns_[colFirst] == colLast - 1 - colFirst;
  for (int32_t py = rowFirst; py < rowLast; ++py) {
    const int32_t r = rows_[py];
    const uint32_t* srcRow = image.pixels + static_cast<size_t>(r) * image.width;
    uint32_t* dst = t->pixels + static_cast<size_t>(py) * t->width;
    const int32_t* runEnd = image.runs + 2 * image.runStart[r + 1];
    const int32_t* run =
        StartRunRow(t, image.runs + 2 * image.runStart[r], runEnd, c0, c1, colFirst, colLast, py);
    // A source row shown again is the row just drawn, run for run.
    const bool again = py > rowFirst && rows_[py - 1] == r;
    for (; run < runEnd && run[0] < c1; run += 2) {
      const int32_t p0 = firstAt_[std::max(run[0], c0) - c0];
      const int32_t p1 = firstAt_[std::min(run[1], c1) - c0];
      const size_t bytes = static_cast<size_t>(p1 - p0) * sizeof(uint32_t);
      if (again) {
        std::memcpy(dst + p0, dst - t->width + p0, bytes);
      } else if (straight) {
        std::memcpy(dst + p0, srcRow + columns_[p0], bytes);
      } else {
        for (int32_t p = p0; p < p1; ++p) dst[p] = srcRow[columns_[p]];
      }
    }
  }
  return true;
}

bool SpriteBlitter::Accepts(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
                            int32_t srcHeight, float scaleX, float scaleY, bool* draws) const {
  *draws = false;
  if (!std::isfinite(scaleX) || !std::isfinite(scaleY)) return false;
  if (!image.pixels || srcWidth <= 0 || srcHeight <= 0) return false;
  const int64_t cx1 = std::min<int64_t>(static_cast<int64_t>(srcX) + srcWidth, image.width);
  const int64_t cy1 = std::min<int64_t>(static_cast<int64_t>(srcY) + srcHeight, image.height);
  if (std::max(srcX, 0) >= cx1 || std::max(srcY, 0) >= cy1) return false;
  if (scaleX == 0.0f || scaleY == 0.0f) return true;
  if (!target_ || !target_->pixels) return false;
  *draws = true;
  return true;
}

bool SpriteBlitter::Draw(const TextureImage& image, int32_t x, int32_t y, int32_t srcX,
                         int32_t srcY, int32_t srcWidth, int32_t srcHeight, float scaleX,
                         float scaleY, uint32_t colour) {
  bool draws = false;
  if (!Accepts(image, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY, &draws)) return false;
  if (!draws) return true;
  const int64_t cx0 = std::max<int64_t>(srcX, 0);
  const int64_t cx1 = std::min<int64_t>(static_cast<int64_t>(srcX) + srcWidth, image.width);
  const int64_t cy0 = std::max<int64_t>(srcY, 0);
  const int64_t cy1 = std::min<int64_t>(static_cast<int64_t>(srcY) + srcHeight, image.height);
  FrameTarget* t = target_;
  const int32_t fw = std::min(t->width, kMaxFrameSide);
  const int32_t fh = std::min(t->height, kMaxFrameSide);
  const bool test = t->alphaTestEnable != 0;
  const uint32_t ref = t->alphaRef;
  const bool modulate = colour != 0xFFFFFFFFu;

  // An opaque rectangle kept at this scale: its rows are copied as they
  // are (an opaque pixel blends to itself).
  if (!modulate && (!test || AlphaPasses(t->alphaFunc, 255, ref)) && x > -kCopyReach &&
      x < kCopyReach && y > -kCopyReach && y < kCopyReach) {
    for (const ScaledCopy* c = image.scaled; c; c = c->next) {
      if (c->srcX == srcX && c->srcY == srcY && c->srcWidth == srcWidth &&
          c->srcHeight == srcHeight && c->scaleX == scaleX && c->scaleY == scaleY) {
        return DrawScaledCopy(*c, x, y);
      }
    }
    if ((scaleX != 1.0f || scaleY != 1.0f) &&
        double(srcWidth) * scaleX * double(srcHeight) * scaleY >= kLargeDraw) {
      if (const ScaledCopy* c =
              LargeCopyFor(image, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY))
        return DrawScaledCopy(*c, x, y);
    }
  }

  const bool fastTest = test && t->alphaFunc == kCmpGreaterEqual;
  const bool blend = t->alphaBlendEnable != 0 && t->srcBlend == kBlendSrcAlpha &&
                     t->destBlend == kBlendInvSrcAlpha;
  // Where exactly the opaque pixels are drawn (an alpha test that keeps
  // them and drops the keyed-out ones, or blending, where an opaque pixel
  // blends to itself and a keyed-out one leaves the frame as it is), each
  // row copies its opaque runs and skips the rest.
  const bool keepsOpaque = test ? fastTest && ref >= 1 && ref <= 255 : blend;
  // A picture with keyed-out pixels drawn scaled is kept at its scale with
  // its runs.
  if (keepsOpaque && !modulate && image.runStart && x > -kCopyReach && x < kCopyReach &&
      y > -kCopyReach && y < kCopyReach) {
    if (const RunCopy* c = RunCopyFor(image, srcX, srcY, srcWidth, srcHeight, scaleX, scaleY))
      return DrawCopyRuns(*c, x, y);
  }

  int32_t colFirst, colLast, rowFirst, rowLast;
  if (!MapAxis(x, srcX, srcWidth, static_cast<int32_t>(cx0), static_cast<int32_t>(cx1), scaleX, fw,
               columns_, &colFirst, &colLast)) {
    return true;  // entirely off the frame
  }
  if (!MapAxis(y, srcY, srcHeight, static_cast<int32_t>(cy0), static_cast<int32_t>(cy1), scaleY, fh,
               rows_, &rowFirst, &rowLast)) {
    return true;
  }

  const bool plain = !blend && !modulate && (!test || fastTest);

  // At a scale of one the columns follow on from each other: a row is read
  // straight along.
  const bool straight = columns_[colLast - 1] - columns_[colFirst] == colLast - 1 - colFirst;
  const int32_t shift = columns_[colFirst] - colFirst;
  if (keepsOpaque && !modulate && image.runStart && scaleX > 0.0f &&
      DrawRuns(image, colFirst, colLast, rowFirst, rowLast)) {
    return true;
  }
  if (plain && !test) {
    CoverFrameRect(t, colFirst, rowFirst, colLast, rowLast);
  } else {
    ReadyFrameRect(t, colFirst, rowFirst, colLast, rowLast);
  }
  for (int32_t py = rowFirst; py < rowLast; ++py) {
    const uint32_t* srcRow = image.pixels + static_cast<size_t>(rows_[py]) * image.width;
    uint32_t* dst = t->pixels + static_cast<size_t>(py) * t->width;
    if (plain) {
      if (test) {
        for (int32_t px = colFirst; px < colLast; ++px) {
          const uint32_t p = srcRow[columns_[px]];
          if ((p >> 24) >= ref) dst[px] = p | 0xFF000000u;
        }
      } else if (py > rowFirst && rows_[py] == rows_[py - 1]) {
        // A source row shown again: the row just drawn, as it is.
        std::memcpy(dst + colFirst, dst - t->width + colFirst,
                    static_cast<size_t>(colLast - colFirst) * sizeof(uint32_t));
      } else if (straight) {
        const uint32_t* s = srcRow + shift;
        for (int32_t px = colFirst; px < colLast; ++px) dst[px] = s[px] | 0xFF000000u;
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
