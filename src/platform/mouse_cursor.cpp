#include "platform/mouse_cursor.h"

#include <algorithm>

#include "platform/graphics_device.h"
#include "platform/input_hub.h"

namespace {

// The positions the cursor may be drawn at on the 800 x 600 screen.
constexpr int32_t kLeftmost = 2, kRightmost = 796, kTopmost = 2, kBottommost = 598;

}  // namespace

MouseCursor::MouseCursor() : prevX(400), prevY(400), x(400), y(400) {}

MouseCursor::~MouseCursor() {
  mouse.Release();
  sheet.Release();
}

uint32_t MouseCursor::Load(GraphicsDevice* device) {
  sheet.Init(device, 2);
  sheet.SetAlphaTest(1);
  sheet.LoadImage(0, "Art\\Cursor2.bmp", 64, 64, 0xFF000000u, kFormatA1R5G5B5);
  return sheet.LoadImage(1, "Art\\Cursor1.bmp", 32, 32, 0xFF000000u, kFormatA1R5G5B5);
}

void MouseCursor::Poll() {
  mouse.Acquire(1);
  // A poll that fails (window in the background) brings no motion.
  if (!mouse.Poll()) return;
  const InputHub& hub = InputHub::Get();
  if (hub.followsPointer) {
    // The system pointer is not captured: the cursor is drawn where it is,
    // kept on the screen so that a pointer on the bars beside the picture
    // still reaches the screen's edges.
    if (hub.pointerKnown) {
      x = std::clamp(hub.pointerX, kLeftmost, kRightmost);
      y = std::clamp(hub.pointerY, kTopmost, kBottommost);
    }
  } else {
    x += mouse.XDelta();
    y += mouse.YDelta();
  }
  // A press belongs to what was under the cursor as it began.
  if (mouse.pressBegan) mouse.SetPressOrigin(x, y);
}

void MouseCursor::KeepOnScreen() {
  if (IsOffScreen(0, 0, 800, 600, x, y) == 1) RestorePrevious();
  prevX = x;
  prevY = y;
}

void MouseCursor::Draw() {
  KeepOnScreen();
  sheet.Draw(0, 0, x, y, 0xFFFFFFFFu, 0.8f, 0.6f);
}

void MouseCursor::DrawBusy(int32_t frame) {
  KeepOnScreen();
  sheet.Draw(1, frame & 255, x - 15, y - 15, 0xFFFFFFFFu, 1.1f, 1.1f);
}

void MouseCursor::RestorePrevious() {
  x = prevX;
  y = prevY;
}

uint32_t MouseCursor::IsOffScreen(int32_t left, int32_t top, int32_t width, int32_t height,
                                  int32_t px, int32_t py) {
  const int64_t l = left, t = top;
  if (px <= l + 1 || px >= l + width - 3 || py <= t + 1 || py >= t + height - 1) return 1;
  return 0;
}
