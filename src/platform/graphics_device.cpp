#include "platform/graphics_device.h"

#include <algorithm>

#include <cmath>
#include <cstring>
#include <new>

#include "platform/backend.h"
#include "platform/blitter.h"
#include "platform/presenter.h"
#include "platform/text_font.h"
#include "platform/text_log.h"
#include "platform/texture.h"

namespace {
constexpr int32_t kMaxSide = 4096;
// Room set aside for one frame's draws and text bytes; a frame with more
// makes it larger once.
constexpr size_t kDrawRoom = 4096;
constexpr size_t kTextRoom = 64 * 1024;

bool SameDraw(const RecordedDraw& a, const char* aText, const RecordedDraw& b, const char* bText) {
  if (a.kind != b.kind || a.colour != b.colour) return false;
  if (a.kind == RecordedDraw::kClear) return true;
  if (a.id != b.id || a.x != b.x || a.y != b.y || a.srcWidth != b.srcWidth ||
      a.srcHeight != b.srcHeight) {
    return false;
  }
  if (a.kind == RecordedDraw::kText) {
    return a.textLength == b.textLength &&
           std::memcmp(aText + a.textAt, bText + b.textAt, a.textLength) == 0;
  }
  return a.srcX == b.srcX && a.srcY == b.srcY && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
         a.alphaTestEnable == b.alphaTestEnable && a.alphaRef == b.alphaRef &&
         a.alphaFunc == b.alphaFunc && a.alphaBlendEnable == b.alphaBlendEnable &&
         a.srcBlend == b.srcBlend && a.destBlend == b.destBlend;
}
}  // namespace

Presenter* CreatePresenter() {
  return IsHeadless() ? CreateHeadlessPresenter() : CreateSdlPresenter();
}

GraphicsDevice::GraphicsDevice()
    : window(nullptr),
      direct3D(nullptr),
      device(nullptr),
      sprite(nullptr),
      desktopMode{0, 0, 0, 0},
      windowed(1),
      depthBuffer(0),
      hardware(0),
      width(0),
      height(0),
      bitsPerPixel(0),
      ambientRed(255),
      ambientGreen(255),
      ambientBlue(255),
      projection{},
      textLog(nullptr),
      skipUnchanged(true),
      drawsCarriedOut(0),
      carriedOut_(0),
      holdsShown_(false) {}

GraphicsDevice::~GraphicsDevice() { Release(); }

void GraphicsDevice::ResetRecord() {
  draws_.clear();
  shownDraws_.clear();
  text_.clear();
  shownText_.clear();
  carriedOut_ = 0;
  holdsShown_ = false;
}

RecordedDraw* GraphicsDevice::NewDraw(RecordedDraw::Kind kind) {
  draws_.push_back(RecordedDraw{});
  RecordedDraw* d = &draws_.back();
  d->kind = kind;
  return d;
}

void GraphicsDevice::RecordPicture(const TextureImage* image, int32_t x, int32_t y, int32_t srcX,
                                   int32_t srcY, int32_t srcWidth, int32_t srcHeight, float scaleX,
                                   float scaleY, uint32_t colour) {
  if (!device || !image) return;
  // A picture kept by another device's frame is drawn there first.
  if (image->pendingIn && image->pendingIn != this) image->pendingIn->CarryOut();
  image->pendingIn = this;
  RecordedDraw* d = NewDraw(RecordedDraw::kPicture);
  d->image = image;
  d->id = image->id;
  d->x = x;
  d->y = y;
  d->srcX = srcX;
  d->srcY = srcY;
  d->srcWidth = srcWidth;
  d->srcHeight = srcHeight;
  d->scaleX = scaleX;
  d->scaleY = scaleY;
  d->colour = colour;
  d->alphaTestEnable = device->alphaTestEnable;
  d->alphaRef = device->alphaRef;
  d->alphaFunc = device->alphaFunc;
  d->alphaBlendEnable = device->alphaBlendEnable;
  d->srcBlend = device->srcBlend;
  d->destBlend = device->destBlend;
}

void GraphicsDevice::RecordText(FontFace* face, uint64_t fontId, const char* text, int32_t x,
                                int32_t y, int32_t w, int32_t h, uint32_t colour) {
  if (!device || !face || !text) return;
  GraphicsDevice*& pending = FacePendingIn(face);
  if (pending && pending != this) pending->CarryOut();
  pending = this;
  const size_t length = std::strlen(text);
  RecordedDraw* d = NewDraw(RecordedDraw::kText);
  d->face = face;
  d->id = fontId;
  d->x = x;
  d->y = y;
  d->srcWidth = w;
  d->srcHeight = h;
  d->colour = colour;
  d->textAt = static_cast<uint32_t>(text_.size());
  d->textLength = static_cast<uint32_t>(length);
  text_.insert(text_.end(), text, text + length + 1);  // with its end mark
}

void GraphicsDevice::CarryOut() {
  if (!device || carriedOut_ >= draws_.size()) return;
  FrameTarget* t = device;
  const uint32_t states[6] = {t->alphaTestEnable,  t->alphaRef, t->alphaFunc,
                              t->alphaBlendEnable, t->srcBlend, t->destBlend};
  for (; carriedOut_ < draws_.size(); ++carriedOut_) {
    const RecordedDraw& d = draws_[carriedOut_];
    ++drawsCarriedOut;
    switch (d.kind) {
      case RecordedDraw::kClear:
        t->clearOwed = 1;
        t->clearColour = d.colour;
        std::memset(t->doneCount, 0, static_cast<size_t>(t->height));
        t->rowsDone = 0;
        break;
      case RecordedDraw::kPicture:
        d.image->pendingIn = nullptr;
        t->alphaTestEnable = d.alphaTestEnable;
        t->alphaRef = d.alphaRef;
        t->alphaFunc = d.alphaFunc;
        t->alphaBlendEnable = d.alphaBlendEnable;
        t->srcBlend = d.srcBlend;
        t->destBlend = d.destBlend;
        if (sprite) {
          sprite->Draw(*d.image, d.x, d.y, d.srcX, d.srcY, d.srcWidth, d.srcHeight, d.scaleX,
                       d.scaleY, d.colour);
        }
        break;
      case RecordedDraw::kText:
        FacePendingIn(d.face) = nullptr;
        DrawFaceText(d.face, t, text_.data() + d.textAt, d.x, d.y, d.srcWidth, d.srcHeight,
                     d.colour);
        break;
    }
  }
  t->alphaTestEnable = states[0];
  t->alphaRef = states[1];
  t->alphaFunc = states[2];
  t->alphaBlendEnable = states[3];
  t->srcBlend = states[4];
  t->destBlend = states[5];
}

bool GraphicsDevice::SameAsShown() const {
  if (!holdsShown_ || carriedOut_ != 0 || draws_.size() != shownDraws_.size()) return false;
  // Only a frame that is cleared comes out the same whatever it held before.
  bool cleared = false;
  for (size_t i = 0; i < draws_.size(); ++i) {
    if (!SameDraw(draws_[i], text_.data(), shownDraws_[i], shownText_.data())) return false;
    cleared = cleared || draws_[i].kind == RecordedDraw::kClear;
  }
  return cleared;
}

uint32_t GraphicsDevice::CreateDirect3D() {
  Release();
  direct3D = CreatePresenter();
  return direct3D ? 1 : 0;
}

uint32_t GraphicsDevice::FormatBits(uint32_t format) {
  switch (format) {
    case 20: return 24;
    case 21:
    case 22: return 32;
    case 23:
    case 24:
    case 25:
    case 26: return 16;
    case 40:
    case 41: return 8;
    default: return 0;
  }
}

uint32_t GraphicsDevice::CheckFormat(uint32_t format, uint32_t windowedFlag,
                                     uint32_t hardwareFlag) {
  // The software frame is always 32 bits; every display format the game
  // asks for can be shown.
  (void)windowedFlag;
  (void)hardwareFlag;
  if (!direct3D) return 0;
  return FormatBits(format) ? 1 : 0;
}

uint32_t GraphicsDevice::CreateDevice(void* windowHandle, uint32_t windowedFlag,
                                      uint32_t depthBufferWanted, int32_t w, int32_t h,
                                      uint8_t bits) {
  window = windowHandle;
  if (!direct3D) return 0;
  if (!window && !IsHeadless()) return 0;
  desktopMode = direct3D->Desktop();
  if (w == 0) w = static_cast<int32_t>(desktopMode.width);
  if (h == 0) h = static_cast<int32_t>(desktopMode.height);
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return 0;
  bitsPerPixel = bits;
  if (bits == 0 || windowedFlag == 1) {
    bits = static_cast<uint8_t>(FormatBits(desktopMode.format));
    if (bits == 0) return 0;
  }
  windowed = windowedFlag;
  // Full screen 16 bits asks for R5G6B5 first; the software device takes it.
  hardware = 1;
  depthBuffer = depthBufferWanted == 1 ? 1 : 0;

  // A second device on the same display replaces the first frame.
  CarryOut();
  ResetRecord();
  delete sprite;
  sprite = nullptr;
  if (device) {
    delete[] device->doneRuns;
    delete[] device->doneCount;
    delete[] device->pixels;
    delete device;
    device = nullptr;
  }
  if (!direct3D->Open(window, w, h)) return 0;

  FrameTarget* target = new (std::nothrow) FrameTarget{};
  if (!target) return 0;
  target->width = w;
  target->height = h;
  target->pixels = new (std::nothrow) uint32_t[static_cast<size_t>(w) * h];
  if (!target->pixels) {
    delete target;
    return 0;
  }
  target->doneRuns =
      new (std::nothrow) int32_t[static_cast<size_t>(h) * 2 * FrameTarget::kDoneRuns];
  target->doneCount = new (std::nothrow) uint8_t[h];
  if (!target->doneRuns || !target->doneCount) {
    delete[] target->doneRuns;
    delete[] target->doneCount;
    delete[] target->pixels;
    delete target;
    return 0;
  }
  for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) target->pixels[i] = 0xFF000000u;
  device = target;
  width = w;
  height = h;
  draws_.reserve(kDrawRoom);
  shownDraws_.reserve(kDrawRoom);
  text_.reserve(kTextRoom);
  shownText_.reserve(kTextRoom);

  EnableLighting(0);
  EnableZBuffer(depthBuffer);
  EnableAlphaBlending(0, kBlendSrcAlpha, kBlendInvSrcAlpha);
  SetAlphaTest(0);
  SetAmbientLight(255, 255, 255);
  SetPerspective(0.7853982f, static_cast<float>(w) / static_cast<float>(h), 1.0f, 10000.0f);

  sprite = new (std::nothrow) SpriteBlitter(device);
  return sprite ? 1 : 0;
}

uint32_t GraphicsDevice::Release() {
  CarryOut();
  ResetRecord();
  delete sprite;
  sprite = nullptr;
  if (device) {
    delete[] device->doneRuns;
    delete[] device->doneCount;
    delete[] device->pixels;
    delete device;
    device = nullptr;
  }
  delete direct3D;
  direct3D = nullptr;
  return 1;
}

uint32_t GraphicsDevice::BeginScene() {
  if (!device) return 0;
  device->inScene = 1;
  return 1;
}

uint32_t GraphicsDevice::EndScene() {
  if (!device) return 0;
  device->inScene = 0;
  return 1;
}

uint32_t GraphicsDevice::Present() {
  if (!device || !direct3D) return 0;
  if (textLog) textLog->FramePresented();
  const bool unchanged = skipUnchanged && SameAsShown();
  if (unchanged) {
    // Left undrawn: the pictures and fonts no longer wait on this frame, so
    // freeing them later never reaches back into this device.
    for (const RecordedDraw& d : draws_) {
      if (d.kind == RecordedDraw::kPicture && d.image->pendingIn == this)
        d.image->pendingIn = nullptr;
      if (d.kind == RecordedDraw::kText && FacePendingIn(d.face) == this)
        FacePendingIn(d.face) = nullptr;
    }
  } else {
    CarryOut();
  }
  // This frame's draws become the ones shown, and their room is reused.
  draws_.swap(shownDraws_);
  text_.swap(shownText_);
  draws_.clear();
  text_.clear();
  carriedOut_ = 0;
  holdsShown_ = true;
  const uint32_t* pixels = SettledPixels();
  return (unchanged ? direct3D->ShowUnchanged(pixels) : direct3D->Show(pixels)) ? 1 : 0;
}

uint32_t GraphicsDevice::Clear(uint32_t colour, float depth) {
  (void)depth;  // there is no depth buffer to clear in the software frame
  return ClearDisplay(colour);
}

uint32_t GraphicsDevice::ClearDisplay(uint32_t colour) {
  if (!device) return 0;
  NewDraw(RecordedDraw::kClear)->colour = colour | 0xFF000000u;
  return 1;
}

const uint32_t* GraphicsDevice::SettledPixels() {
  if (!device) return nullptr;
  CarryOut();
  SettleFrame(device);
  return device->pixels;
}

namespace {

void FillRun(FrameTarget* t, int32_t y, int32_t x0, int32_t x1) {
  uint32_t* p = t->pixels + static_cast<size_t>(y) * t->width;
  const uint32_t c = t->clearColour;
  int32_t x = x0;
  for (; x + 4 <= x1; x += 4) {
    p[x] = c;
    p[x + 1] = c;
    p[x + 2] = c;
    p[x + 3] = c;
  }
  for (; x < x1; ++x) p[x] = c;
}

// Adds [x0, x1) to row y's done runs; ready first clears the part of it
// that no run holds. Runs that touch become one; when there would be too
// many, the narrowest gap between two is cleared and they join.
void AddDoneRun(FrameTarget* t, int32_t y, int32_t x0, int32_t x1, bool ready) {
  constexpr int kMost = FrameTarget::kDoneRuns;
  int32_t* runs = t->doneRuns + static_cast<size_t>(y) * 2 * kMost;
  const int n = t->doneCount[y];
  for (int i = 0; i < n; ++i) {
    if (runs[2 * i] <= x0 && runs[2 * i + 1] >= x1) return;  // done already
  }
  if (ready) {
    int32_t at = x0;
    for (int i = 0; i < n && at < x1; ++i) {
      if (runs[2 * i + 1] <= at) continue;
      if (runs[2 * i] >= x1) break;
      if (runs[2 * i] > at) FillRun(t, y, at, runs[2 * i]);
      at = std::max(at, runs[2 * i + 1]);
    }
    if (at < x1) FillRun(t, y, at, x1);
  }
  int32_t out[2 * (kMost + 1)];
  int m = 0;
  int32_t lo = x0, hi = x1;
  bool placed = false;
  for (int i = 0; i < n; ++i) {
    const int32_t a = runs[2 * i], b = runs[2 * i + 1];
    if (b < lo) {
      out[m++] = a;
      out[m++] = b;
    } else if (a > hi) {
      if (!placed) {
        out[m++] = lo;
        out[m++] = hi;
        placed = true;
      }
      out[m++] = a;
      out[m++] = b;
    } else {
      lo = std::min(lo, a);
      hi = std::max(hi, b);
    }
  }
  if (!placed) {
    out[m++] = lo;
    out[m++] = hi;
  }
  int count = m / 2;
  if (count > kMost) {
    int best = 0;
    for (int i = 1; i + 1 < count; ++i) {
      if (out[2 * i + 2] - out[2 * i + 1] < out[2 * best + 2] - out[2 * best + 1]) best = i;
    }
    FillRun(t, y, out[2 * best + 1], out[2 * best + 2]);
    out[2 * best + 1] = out[2 * best + 3];
    for (int k = 2 * best + 2; k + 2 < m; ++k) out[k] = out[k + 2];
    --count;
  }
  std::memcpy(runs, out, static_cast<size_t>(count) * 2 * sizeof(int32_t));
  t->doneCount[y] = static_cast<uint8_t>(count);
  // A frame done from edge to edge owes no clear any more.
  if (count == 1 && out[0] == 0 && out[1] == t->width && ++t->rowsDone == t->height)
    t->clearOwed = 0;
}

}  // namespace

void CoverFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  if (!t->clearOwed || x0 >= x1) return;
  for (int32_t y = y0; y < y1; ++y) AddDoneRun(t, y, x0, x1, false);
}

void ReadyFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  if (!t->clearOwed || x0 >= x1) return;
  for (int32_t y = y0; y < y1; ++y) AddDoneRun(t, y, x0, x1, true);
}

void SettleFrame(FrameTarget* t) {
  if (!t->clearOwed) return;
  for (int32_t y = 0; y < t->height; ++y) {
    const int32_t* runs = t->doneRuns + static_cast<size_t>(y) * 2 * FrameTarget::kDoneRuns;
    int32_t at = 0;
    for (int i = 0; i < t->doneCount[y]; ++i) {
      if (runs[2 * i] > at) FillRun(t, y, at, runs[2 * i]);
      at = runs[2 * i + 1];
    }
    if (at < t->width) FillRun(t, y, at, t->width);
  }
  t->clearOwed = 0;
}

uint32_t GraphicsDevice::SetAlphaTest(uint32_t flag) {
  if (!device) return 0;
  device->alphaTestEnable = flag;
  if (flag == 1) {
    device->alphaRef = 8;
    device->alphaFunc = kCmpGreaterEqual;
  }
  return 1;
}

uint32_t GraphicsDevice::EnableAlphaBlending(uint32_t flag, uint32_t srcBlend, uint32_t destBlend) {
  if (!device) return 0;
  device->alphaBlendEnable = flag;
  if (flag == 1) {
    device->srcBlend = srcBlend;
    device->destBlend = destBlend;
  }
  return 1;
}

uint32_t GraphicsDevice::EnableLighting(uint32_t flag) {
  if (!device) return 0;
  device->lighting = flag;
  return 1;
}

uint32_t GraphicsDevice::EnableZBuffer(uint32_t flag) {
  if (!device || !depthBuffer) return 0;
  device->zEnable = (flag == 1) ? 1 : 0;
  return 1;
}

uint32_t GraphicsDevice::SetAmbientLight(uint8_t red, uint8_t green, uint8_t blue) {
  if (!device) return 0;
  ambientRed = red;
  ambientGreen = green;
  ambientBlue = blue;
  device->ambient =
      0xFF000000u | (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
  return 1;
}

uint32_t GraphicsDevice::SetPerspective(float fov, float aspect, float nearPlane, float farPlane) {
  if (!device) return 0;
  // Left-handed perspective projection.
  const float yScale = 1.0f / std::tan(fov * 0.5f);
  const float xScale = aspect != 0.0f ? yScale / aspect : 0.0f;
  const float depthRange = farPlane - nearPlane;
  std::memset(projection, 0, sizeof projection);
  projection[0] = xScale;
  projection[5] = yScale;
  projection[10] = depthRange != 0.0f ? farPlane / depthRange : 0.0f;
  projection[11] = 1.0f;
  projection[14] = depthRange != 0.0f ? -nearPlane * farPlane / depthRange : 0.0f;
  return 1;
}
