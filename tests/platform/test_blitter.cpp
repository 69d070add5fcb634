// The blitter's short cuts (scaled copies kept for a picture, the slots of
// large pictures, the opaque runs of alpha-tested pictures, kept scaled or
// not, the clear that is carried out only where nothing covers it) draw
// exactly the pixels of plain nearest-neighbour scaling onto a cleared
// frame.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/texture.h"
#include "platform_test_util.h"

namespace {

constexpr int kW = 800;
constexpr int kH = 600;
constexpr uint32_t kKeyColour = 0xFF000000u;

struct Picture {
  int w, h;
  std::vector<uint32_t> argb;  // 0xFFRRGGBB; black is keyed out
};

// Every pixel its own colour; with holes, a disc in each 64-pixel frame.
Picture MakePicture(int w, int h, bool holes) {
  Picture p{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int cx = x % 64 - 32, cy = y % 64 - 32;
      const bool hole = holes && cx * cx + cy * cy >= 28 * 28;
      p.argb[static_cast<size_t>(y) * w + x] =
          hole ? kKeyColour : 0xFF000000u | ((x << 12) ^ (y << 4) ^ 0x10101u);
    }
  }
  return p;
}

// Columns [srcX, srcX + srcW) of the picture drawn by hand onto the expected
// frame: a frame pixel shows the source pixel under its centre; keyed-out
// pixels leave the frame alone.
void Paint(std::vector<uint32_t>& frame, const Picture& p, int srcX, int srcW, int x, int y,
           double sx, double sy) {
  for (int py = 0; py < kH; ++py) {
    const double v = (py + 0.5 - y) / sy;
    if (v < 0 || v >= p.h) continue;
    for (int px = 0; px < kW; ++px) {
      const double u = (px + 0.5 - x) / sx;
      if (u < 0 || u >= srcW) continue;
      const uint32_t c =
          p.argb[static_cast<size_t>(std::floor(v)) * p.w + srcX + size_t(std::floor(u))];
      if (c != kKeyColour) frame[static_cast<size_t>(py) * kW + px] = c;
    }
  }
}

int Mismatches(GraphicsDevice& dev, const std::vector<uint32_t>& expected) {
  const uint32_t* got = dev.SettledPixels();
  int n = 0;
  for (size_t i = 0; i < expected.size(); ++i) n += got[i] != expected[i];
  return n;
}

}  // namespace

TEST(Blitter, ShortCutsDrawThePixelsOfPlainScaling) {
  testutil::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  d.dev.SetAlphaTest(1);
  const Picture tile = MakePicture(128, 128, false);
  const Picture sprite = MakePicture(128, 64, true);
  const Picture backdrop = MakePicture(256, 192, false);
  Texture kept, plain, keyed, large;
  ASSERT_EQ(kept.LoadPixels(&d.dev, tile.argb.data(), 128, 128, kKeyColour, kFormatA1R5G5B5), 1u);
  ASSERT_EQ(plain.LoadPixels(&d.dev, tile.argb.data(), 128, 128, kKeyColour, kFormatA1R5G5B5), 1u);
  ASSERT_EQ(keyed.LoadPixels(&d.dev, sprite.argb.data(), 128, 64, kKeyColour, kFormatA1R5G5B5), 1u);
  ASSERT_EQ(large.LoadPixels(&d.dev, backdrop.argb.data(), 256, 192, kKeyColour, kFormatA1R5G5B5),
            1u);
  ASSERT_EQ(kept.KeepScaled(0, 0, 128, 128, 1.5625f, 1.5625f), 1u);
  EXPECT_EQ(keyed.KeepScaled(0, 0, 64, 64, 1.5f, 1.5f), 0u);  // has transparent pixels

  // The eastern square before the western one, gaps left between them, a
  // keyed sprite half over the cleared part, then the frame shown.
  const uint32_t back = 0xFF203040u;
  std::vector<uint32_t> expected(kW * kH, back);
  d.dev.Clear(back, 1.0f);
  kept.Draw(530, -40, 0, 0, 128, 128, 1.5625f, 1.5625f, 0xFFFFFFFFu);
  Paint(expected, tile, 0, 128, 530, -40, 1.5625, 1.5625);
  plain.Draw(-90, 100, 0, 0, 128, 128, 1.5625f, 1.5625f, 0xFFFFFFFFu);
  Paint(expected, tile, 0, 128, -90, 100, 1.5625, 1.5625);
  kept.Draw(250, 420, 0, 0, 128, 128, 1.5625f, 1.5625f, 0xFFFFFFFFu);
  Paint(expected, tile, 0, 128, 250, 420, 1.5625, 1.5625);
  keyed.Draw(430, 90, 64, 0, 64, 64, 0.8f, 1.5f, 0xFFFFFFFFu);
  Paint(expected, sprite, 64, 64, 430, 90, double(0.8f), 1.5);
  // The same sprite again, from its kept copy, cut by each edge.
  for (const int at : {-21, 773}) {
    keyed.Draw(at, at * 3 / 4, 64, 0, 64, 64, 0.8f, 1.5f, 0xFFFFFFFFu);
    Paint(expected, sprite, 64, 64, at, at * 3 / 4, double(0.8f), 1.5);
  }
  EXPECT_EQ(Mismatches(d.dev, expected), 0);
  d.dev.Present();

  // A full-screen stretch, scaled into a slot on its first draw and copied
  // from it on the next.
  for (int frame = 0; frame < 2; ++frame) {
    std::vector<uint32_t> full(kW * kH, 0xFF000000u);
    d.dev.Clear(0, 1.0f);
    large.Draw(-7, 13, 0, 0, 0, 0, 3.125f, 2.34375f, 0xFFFFFFFFu);
    Paint(full, backdrop, 0, 256, -7, 13, 3.125, 2.34375);
    EXPECT_EQ(Mismatches(d.dev, full), 0) << frame;
    d.dev.Present();
  }
}
