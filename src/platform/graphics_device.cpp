#include "platform/graphics_device.h"

#include <algorithm>

#include <cmath>
#include <cstring>
#include <new>

#include "platform/backend.h"
#include "platform/blitter.h"
#include "platform/presenter.h"
#include "platform/text_log.h"

namespace {
constexpr int32_t kMaxSide = 4096;
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
      textLog(nullptr) {}

GraphicsDevice::~GraphicsDevice() { Release(); }

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
  delete sprite;
  sprite = nullptr;
  if (device) {
    delete[] device->doneFrom;
    delete[] device->doneTo;
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
  target->doneFrom = new (std::nothrow) int32_t[h];
  target->doneTo = new (std::nothrow) int32_t[h];
  if (!target->doneFrom || !target->doneTo) {
    delete[] target->doneFrom;
    delete[] target->doneTo;
    delete[] target->pixels;
    delete target;
    return 0;
  }
  for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) target->pixels[i] = 0xFF000000u;
  device = target;
  width = w;
  height = h;

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
  delete sprite;
  sprite = nullptr;
  if (device) {
    delete[] device->doneFrom;
    delete[] device->doneTo;
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
  return direct3D->Show(SettledPixels()) ? 1 : 0;
}

uint32_t GraphicsDevice::Clear(uint32_t colour, float depth) {
  (void)depth;  // there is no depth buffer to clear in the software frame
  return ClearDisplay(colour);
}

uint32_t GraphicsDevice::ClearDisplay(uint32_t colour) {
  if (!device) return 0;
  device->clearOwed = 1;
  device->clearColour = colour | 0xFF000000u;
  for (int32_t y = 0; y < device->height; ++y) device->doneFrom[y] = device->doneTo[y] = 0;
  return 1;
}

const uint32_t* GraphicsDevice::SettledPixels() {
  if (!device) return nullptr;
  SettleFrame(device);
  return device->pixels;
}

namespace {

void FillRun(FrameTarget* t, int32_t y, int32_t x0, int32_t x1) {
  uint32_t* p = t->pixels + static_cast<size_t>(y) * t->width;
  const uint32_t c = t->clearColour;
  for (int32_t x = x0; x < x1; ++x) p[x] = c;
}

}  // namespace

void CoverFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  if (!t->clearOwed || x0 >= x1) return;
  for (int32_t y = y0; y < y1; ++y) {
    int32_t& from = t->doneFrom[y];
    int32_t& to = t->doneTo[y];
    if (from >= to) {
      from = x0;
      to = x1;
      continue;
    }
    // The run stays one run: a gap between it and the new part is cleared.
    if (x1 < from) FillRun(t, y, x1, from);
    if (x0 > to) FillRun(t, y, to, x0);
    from = std::min(from, x0);
    to = std::max(to, x1);
  }
}

void ReadyFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  if (!t->clearOwed || x0 >= x1) return;
  for (int32_t y = y0; y < y1; ++y) {
    int32_t& from = t->doneFrom[y];
    int32_t& to = t->doneTo[y];
    if (from >= to) {
      FillRun(t, y, x0, x1);
      from = x0;
      to = x1;
      continue;
    }
    if (x0 < from) FillRun(t, y, x0, from);
    if (x1 > to) FillRun(t, y, to, x1);
    from = std::min(from, x0);
    to = std::max(to, x1);
  }
}

void SettleFrame(FrameTarget* t) {
  if (!t->clearOwed) return;
  for (int32_t y = 0; y < t->height; ++y) {
    if (t->doneFrom[y] >= t->doneTo[y]) {
      FillRun(t, y, 0, t->width);
    } else {
      FillRun(t, y, 0, t->doneFrom[y]);
      FillRun(t, y, t->doneTo[y], t->width);
    }
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
