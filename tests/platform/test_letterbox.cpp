// The frame scaled onto a display of another size, and the game's cursor
// put where the system pointer is through that scaling.
#include "platform/letterbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "platform/input_hub.h"
#include "platform/mouse_cursor.h"

namespace {

constexpr int kW = 800, kH = 600;

struct Point {
  int x, y;
};

Point ToFrame(const FrameFit& fit, int px, int py) {
  Point p{};
  OutputToFrame(fit, kW, kH, px, py, &p.x, &p.y);
  return p;
}

TEST(Letterbox, FitsWithAspectKeptAndMapsPointsBack) {
  // A wide display: bars left and right, 1440 x 1080 from x 240.
  const FrameFit wide = FitFrame(1920, 1080, kW, kH);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  // A tall window: bars above and below.
  const FrameFit tall = FitFrame(1000, 1000, kW, kH);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 125);
  EXPECT_EQ(tall.width, 1000);
  EXPECT_EQ(tall.height, 750);
  // The frame's own size is not scaled; nor is it without a size.
  const FrameFit same = FitFrame(kW, kH, kW, kH);
  EXPECT_EQ(same.x, 0);
  EXPECT_EQ(same.width, kW);
  EXPECT_EQ(FitFrame(0, 0, kW, kH).width, kW);

  // The corners of the scaled frame are the frame's corners; a point on a
  // bar lies outside the frame, also just left of it (-1, not 0).
  EXPECT_EQ(ToFrame(wide, 240, 0).x, 0);
  EXPECT_EQ(ToFrame(wide, 1679, 1079).x, 799);
  EXPECT_EQ(ToFrame(wide, 1679, 1079).y, 599);
  EXPECT_EQ(ToFrame(wide, 239, 500).x, -1);
  EXPECT_GT(ToFrame(wide, 1900, 500).x, 799);
  EXPECT_EQ(ToFrame(tall, 500, 124).y, -1);
  EXPECT_EQ(ToFrame(tall, 500, 125 + 375).y, 300);
  // The middle of the display is the middle of the frame.
  EXPECT_EQ(ToFrame(wide, 960, 540).x, 400);
  EXPECT_EQ(ToFrame(wide, 960, 540).y, 300);
  // Unscaled, every point is itself.
  for (int x : {0, 1, 399, 799}) EXPECT_EQ(ToFrame(same, x, x / 2).x, x);
}

// Switching between full screen and a window puts the pointer back over the
// frame pixel it was on: every pixel must come back as itself, on the
// scaled frame, whatever the scale.
TEST(Letterbox, EveryFramePixelHasAPointThatMapsBackToIt) {
  for (const auto& [w, h] : {std::pair{kW, kH}, std::pair{1280, 1024}, std::pair{1920, 1080},
                             std::pair{1366, 768}, std::pair{801, 1000}, std::pair{2560, 1600}}) {
    const FrameFit fit = FitFrame(w, h, kW, kH);
    int bad = 0;
    for (int fy = 0; fy < kH; ++fy) {
      for (int fx = 0; fx < kW; ++fx) {
        int px = 0, py = 0;
        FrameToOutput(fit, kW, kH, fx, fy, &px, &py);
        const Point back = ToFrame(fit, px, py);
        if (back.x != fx || back.y != fy || px < fit.x || py < fit.y) ++bad;
      }
    }
    EXPECT_EQ(bad, 0) << w << " x " << h;
  }
  // Shrunk (a display smaller than the frame) some pixels are not shown:
  // the point stays on the display and lands next to the pixel.
  const FrameFit small = FitFrame(640, 480, kW, kH);
  for (int f = 0; f < kW; ++f) {
    int px = 0, py = 0;
    FrameToOutput(small, kW, kH, f, f * kH / kW, &px, &py);
    ASSERT_LT(px, 640);
    ASSERT_LT(py, 480);
    ASSERT_LE(std::abs(ToFrame(small, px, py).x - f), 1) << f;
  }
}

TEST(Letterbox, TheCursorGoesWhereThePointerIsKeptOnTheScreen) {
  SetBackend(Backend::Headless);
  headless::Reset();
  InputSystem system;
  system.Create(nullptr, nullptr);
  MouseCursor cursor;
  cursor.mouse.Create(&system, kDeviceMouse, 0);
  InputHub& hub = InputHub::Get();
  hub.followsPointer = true;

  // Before the pointer has been over the game, the cursor stays put.
  headless::MouseMotion(50, 50);
  cursor.Poll();
  EXPECT_EQ(cursor.x, 400);
  EXPECT_EQ(cursor.y, 400);

  // Relative motion no longer moves it: the pointer's place does.
  const FrameFit wide = FitFrame(1920, 1080, kW, kH);
  const Point p = ToFrame(wide, 960 + 90, 540 - 45);
  hub.PointerAt(p.x, p.y);
  headless::MouseMotion(7, 7);
  cursor.Poll();
  EXPECT_EQ(cursor.x, 450);
  EXPECT_EQ(cursor.y, 275);
  cursor.Draw();
  EXPECT_EQ(cursor.x, 450);

  // On the bars and past the edges it stops at the screen's edges, where
  // the map scrolls, instead of staying where it was.
  const Point left = ToFrame(wide, 10, 5);
  hub.PointerAt(left.x, left.y);
  cursor.Poll();
  cursor.Draw();
  EXPECT_EQ(cursor.x, 2);
  EXPECT_EQ(cursor.y, 2);
  hub.PointerAt(5000, 5000);
  cursor.Poll();
  cursor.Draw();
  EXPECT_EQ(cursor.x, 796);
  EXPECT_EQ(cursor.y, 598);

  // A pointer that leaves a window leaves the cursor resting inside the
  // picture, clear of the edges that scroll the map; a point well inside
  // stays where it is.
  int32_t fx = 799, fy = 0;
  RestingPoint(kW, kH, 16, &fx, &fy);
  hub.PointerAt(fx, fy);
  cursor.Poll();
  cursor.Draw();
  EXPECT_EQ(cursor.x, 783);
  EXPECT_EQ(cursor.y, 16);
  fx = 300;
  fy = 200;
  RestingPoint(kW, kH, 16, &fx, &fy);
  EXPECT_EQ(fx, 300);
  EXPECT_EQ(fy, 200);

  // In the background the cursor does not follow.
  headless::SetInputFocus(false);
  hub.PointerAt(100, 100);
  cursor.Poll();
  EXPECT_EQ(cursor.x, 783);
  headless::SetInputFocus(true);

  // A reset gives back relative motion.
  headless::Reset();
  EXPECT_FALSE(hub.followsPointer);
}

}  // namespace
