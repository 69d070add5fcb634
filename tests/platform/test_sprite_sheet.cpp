#include "platform/sprite_sheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "platform/asset_log.h"
#include "platform/texture.h"
#include "platform_test_util.h"

using testutil::HeadlessDevice;
using testutil::TempDir;

namespace {

// The colour of frame k of a grid picture: each 64 x 64 cell one colour.
uint32_t CellColour(int k) { return 0x101010u * static_cast<uint32_t>(k + 1) + 0x000080u; }

// A 256 x 128 picture of 4 x 2 cells of 64 x 64.
std::vector<uint8_t> GridBmp() {
  std::vector<uint32_t> px(256 * 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) px[y * 256 + x] = CellColour((y / 64) * 4 + x / 64);
  return testutil::MakeBmp24(256, 128, px);
}

// 8 x 8: a black border one pixel wide around a red square.
std::vector<uint8_t> KeyedBmp() {
  std::vector<uint32_t> px(64, 0xFF0000);
  for (int i = 0; i < 8; ++i) px[i] = px[56 + i] = px[i * 8] = px[i * 8 + 7] = 0x000000;
  return testutil::MakeBmp24(8, 8, px);
}

}  // namespace

TEST(SpriteSheet, CutsFramesRowByRow) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TempDir dir;
  ASSERT_TRUE(testutil::WriteFile(dir.File("grid.bmp"), GridBmp()));
  SpriteSheet sheet;
  ASSERT_EQ(sheet.Init(&d.dev, 2), 1u);
  sheet.SetAlphaTest(1);
  ASSERT_EQ(sheet.LoadImage(0, dir.File("grid.bmp").c_str(), 64, 64, 0, kFormatA1R5G5B5), 1u);
  EXPECT_EQ(sheet.textures[0].width, 256u);  // no rounding to powers of two either way
  EXPECT_EQ(sheet.textures[0].height, 128u);
  EXPECT_EQ(sheet.framesPerRow[0], 4);

  // Frame 5 is column 1 of row 1.
  ASSERT_EQ(sheet.Draw(0, 5, 100, 100, 0xFFFFFFFF, 1.0f, 1.0f), 1u);
  EXPECT_EQ(d.Pixel(100, 100), 0xFF000000u | CellColour(5));
  EXPECT_EQ(d.Pixel(163, 163), 0xFF000000u | CellColour(5));
  EXPECT_EQ(d.Pixel(164, 100), 0xFF000000u);
  EXPECT_EQ(d.Pixel(100, 164), 0xFF000000u);
  EXPECT_EQ(d.Pixel(99, 100), 0xFF000000u);
  for (int k = 0; k < 8; ++k) {
    d.dev.Clear(0, 1.0f);
    sheet.Draw(0, k, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f);
    EXPECT_EQ(d.Pixel(32, 32), 0xFF000000u | CellColour(k)) << k;
  }

  // A frame past the last row, or a negative one, draws nothing.
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(sheet.Draw(0, 8, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.Draw(0, -1, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(d.CountNonBlack(), 0);

  // Frame size 0 makes the whole picture one frame.
  ASSERT_EQ(sheet.LoadImage(1, dir.File("grid.bmp").c_str(), 0, 0, 0, kFormatA1R5G5B5), 1u);
  EXPECT_EQ(sheet.frameWidth[1], 256);
  EXPECT_EQ(sheet.frameHeight[1], 128);
  sheet.Draw(1, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.CountNonBlack(), 256 * 128);
  EXPECT_EQ(d.Pixel(255, 127), 0xFF000000u | CellColour(7));
}

TEST(SpriteSheet, ColourKeyAndAlphaTest) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TempDir dir;
  ASSERT_TRUE(testutil::WriteFile(dir.File("keyed.bmp"), KeyedBmp()));
  const std::string path = dir.File("keyed.bmp");
  SpriteSheet sheet;
  ASSERT_EQ(sheet.Init(&d.dev, 3), 1u);
  sheet.SetAlphaTest(1);
  sheet.LoadImage(0, path.c_str(), 0, 0, 0xFF000000u, kFormatA1R5G5B5);  // black transparent
  sheet.LoadImage(1, path.c_str(), 0, 0, 0, kFormatA1R5G5B5);            // no key
  sheet.LoadImage(2, path.c_str(), 0, 0, 0xFFFF0000u, kFormatA1R5G5B5);  // red transparent

  const uint32_t back = 0xFF336699u;
  d.dev.Clear(back, 1.0f);
  sheet.Draw(0, 0, 10, 10, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.Pixel(10, 10), back);  // border keyed out
  EXPECT_EQ(d.Pixel(17, 13), back);
  EXPECT_EQ(d.Pixel(11, 11), 0xFFFF0000u);  // inside drawn

  sheet.Draw(1, 0, 30, 10, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.Pixel(30, 10), 0xFF000000u);  // key 0: black is drawn
  sheet.Draw(2, 0, 50, 10, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.Pixel(50, 10), 0xFF000000u);
  EXPECT_EQ(d.Pixel(52, 12), back);

  // With the alpha test off, keyed pixels come out as transparent black.
  d.dev.SetAlphaTest(0);
  sheet.Draw(0, 0, 70, 10, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.Pixel(70, 10), 0xFF000000u);
  // Blending (source alpha) hides them as well.
  d.dev.EnableAlphaBlending(1, kBlendSrcAlpha, kBlendInvSrcAlpha);
  sheet.Draw(0, 0, 90, 10, 0xFFFFFFFF, 1.0f, 1.0f);
  EXPECT_EQ(d.Pixel(90, 10), back);
  EXPECT_EQ(d.Pixel(92, 12), 0xFFFF0000u);
}

TEST(SpriteSheet, ScalesFromTheTopLeftCorner) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  std::vector<uint32_t> px(64 * 64, 0xFFFFFF);
  px[0] = 0xFF0000;   // top-left marker
  px[63] = 0x00FF00;  // top-right marker
  Texture tex;
  ASSERT_EQ(tex.LoadPixels(&d.dev, px.data(), 64, 64, 0, kFormatA1R5G5B5), 1u);

  // 0.8 x 0.6 of 64 x 64 covers 51 x 38 pixels at (200, 100).
  ASSERT_EQ(tex.Draw(200, 100, 0, 0, 0, 0, 0.8f, 0.6f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 51 * 38);
  EXPECT_EQ(d.Pixel(200, 100), 0xFFFF0000u);
  EXPECT_EQ(d.Pixel(250, 100), 0xFF00FF00u);
  EXPECT_EQ(d.Pixel(251, 100), 0xFF000000u);
  EXPECT_EQ(d.Pixel(200, 137), 0xFFFFFFFFu);
  EXPECT_EQ(d.Pixel(200, 138), 0xFF000000u);

  // Doubling makes 2 x 2 blocks.
  d.dev.Clear(0, 1.0f);
  tex.Draw(0, 0, 0, 0, 0, 0, 2.0f, 2.0f, 0xFFFFFFFF);
  EXPECT_EQ(d.CountNonBlack(), 128 * 128);
  EXPECT_EQ(d.Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(d.Pixel(2, 0), 0xFFFFFFFFu);
  EXPECT_EQ(d.Pixel(127, 0), 0xFF00FF00u);

  // A negative scale mirrors the picture to the left of x.
  d.dev.Clear(0, 1.0f);
  tex.Draw(300, 0, 0, 0, 0, 0, -1.0f, 1.0f, 0xFFFFFFFF);
  EXPECT_EQ(d.CountNonBlack(), 64 * 64);
  EXPECT_EQ(d.Pixel(299, 0), 0xFFFF0000u);
  EXPECT_EQ(d.Pixel(236, 0), 0xFF00FF00u);

  // A zero scale draws nothing; a scale that is not a number is refused.
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(tex.Draw(0, 0, 0, 0, 0, 0, 0.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(tex.Draw(0, 0, 0, 0, 0, 0, std::numeric_limits<float>::quiet_NaN(), 1.0f, 0xFFFFFFFF),
            0u);
  EXPECT_EQ(d.CountNonBlack(), 0);

  // A modulating colour tints the picture.
  tex.Draw(0, 0, 1, 1, 1, 1, 1.0f, 1.0f, 0xFF808080u);
  EXPECT_EQ(d.Pixel(0, 0), 0xFF808080u);
}

TEST(SpriteSheet, ClipsSourceAndScreen) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  std::vector<uint32_t> px(32 * 32, 0x00FF00);
  Texture tex;
  ASSERT_EQ(tex.LoadPixels(&d.dev, px.data(), 32, 32, 0, kFormatA1R5G5B5), 1u);

  // Partly off each edge: only the part on the screen is drawn.
  EXPECT_EQ(tex.Draw(-10, -20, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 22 * 12);
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(tex.Draw(790, 590, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 10 * 10);
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(tex.Draw(-100, 10, 0, 0, 0, 0, 50.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 800 * 32);
  d.dev.Clear(0, 1.0f);
  // Entirely off the screen, at the ends of the integer range.
  EXPECT_EQ(tex.Draw(INT_MAX, INT_MAX, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(tex.Draw(INT_MIN, INT_MIN, 0, 0, 0, 0, 1000.0f, 1000.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 0);

  // A source rectangle reaching past the picture draws only its inside part,
  // where it would lie.
  EXPECT_EQ(tex.Draw(100, 100, 16, 16, 64, 64, 1.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(), 16 * 16);
  EXPECT_EQ(d.CountNonBlack(100, 100, 116, 116), 16 * 16);
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(tex.Draw(100, 100, -8, -8, 16, 16, 1.0f, 1.0f, 0xFFFFFFFF), 1u);
  EXPECT_EQ(d.CountNonBlack(108, 108, 116, 116), 8 * 8);
  EXPECT_EQ(d.CountNonBlack(), 8 * 8);
  // A source rectangle wholly outside the picture, or negative, draws nothing.
  EXPECT_EQ(tex.Draw(0, 0, 32, 0, 8, 8, 1.0f, 1.0f, 0xFFFFFFFF), 0u);
  EXPECT_EQ(tex.Draw(0, 0, 0, 0, -8, 8, 1.0f, 1.0f, 0xFFFFFFFF), 0u);
}

TEST(SpriteSheet, UnloadedImagesDrawNothing) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TempDir dir;
  ClearMissingAssets();
  SpriteSheet sheet;
  // Nothing initialised yet.
  EXPECT_EQ(sheet.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.LoadImage(0, "x.bmp", 0, 0, 0, 25), 0u);
  EXPECT_EQ(sheet.Init(&d.dev, 0), 0u);
  EXPECT_EQ(sheet.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.Init(nullptr, 3), 0u);
  EXPECT_EQ(sheet.SetAlphaTest(1), 0u);

  ASSERT_EQ(sheet.Init(&d.dev, 3), 1u);
  // A missing file: load fails, is listed, and draws nothing.
  const std::string missing = dir.File("Art\\Nothing.bmp");
  EXPECT_EQ(sheet.LoadImage(0, missing.c_str(), 64, 64, 0, 25), 0u);
  ASSERT_EQ(MissingAssets().size(), 1u);
  EXPECT_EQ(MissingAssets()[0], dir.Path() + "/Art/Nothing.bmp");
  EXPECT_EQ(sheet.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.Draw(1, 3, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);  // never loaded
  EXPECT_EQ(sheet.Draw(3, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);  // index = count
  EXPECT_EQ(sheet.Draw(-1, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.LoadImage(3, missing.c_str(), 0, 0, 0, 25), 0u);

  // Frames wider than the picture leave no frame in a row: nothing is drawn
  // (and nothing is divided by zero).
  std::vector<uint32_t> px(16 * 16, 0xFFFFFF);
  ASSERT_TRUE(testutil::WriteFile(dir.File("small.bmp"), testutil::MakeBmp24(16, 16, px)));
  ASSERT_EQ(sheet.LoadImage(2, dir.File("small.bmp").c_str(), 64, 64, 0, 25), 1u);
  EXPECT_EQ(sheet.framesPerRow[2], 0);
  EXPECT_EQ(sheet.Draw(2, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(sheet.Draw(2, 7, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
  EXPECT_EQ(d.CountNonBlack(), 0);

  // A damaged file is listed too.
  ASSERT_TRUE(testutil::WriteFile(dir.File("bad.bmp"), {'B', 'M', 1, 2, 3}));
  EXPECT_EQ(sheet.LoadImage(1, dir.File("bad.bmp").c_str(), 0, 0, 0, 25), 0u);
  EXPECT_EQ(MissingAssets().size(), 2u);
  ClearMissingAssets();

  // Releasing twice, and drawing after release, is harmless.
  EXPECT_EQ(sheet.Release(), 1u);
  EXPECT_EQ(sheet.Release(), 1u);
  EXPECT_EQ(sheet.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f), 0u);
}

TEST(GraphicsDevice, FrameAndPresent) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  headless::SetFrameMs(20);
  const uint32_t start = headless::NowMs();
  EXPECT_EQ(d.dev.BeginScene(), 1u);
  EXPECT_EQ(d.dev.Clear(0x00123456, 1.0f), 1u);
  EXPECT_EQ(d.Pixel(799, 599), 0xFF123456u);
  EXPECT_EQ(headless::FramePixels()[0], 0xFF000000u);  // not yet presented
  EXPECT_EQ(d.dev.EndScene(), 1u);
  EXPECT_EQ(d.dev.Present(), 1u);
  EXPECT_EQ(headless::FramePixels()[799 + 599 * 800], 0xFF123456u);
  EXPECT_EQ(headless::NowMs(), start + 20);
  EXPECT_EQ(headless::PresentCount(), 1u);

  EXPECT_EQ(GraphicsDevice::FormatBits(25), 16u);
  EXPECT_EQ(GraphicsDevice::FormatBits(22), 32u);
  EXPECT_EQ(GraphicsDevice::FormatBits(20), 24u);
  EXPECT_EQ(GraphicsDevice::FormatBits(41), 8u);
  EXPECT_EQ(GraphicsDevice::FormatBits(99), 0u);
  EXPECT_EQ(d.dev.EnableZBuffer(1), 0u);  // no depth buffer

  // Every operation of an empty device reports 0, and release is repeatable.
  GraphicsDevice empty;
  EXPECT_EQ(empty.CreateDevice(nullptr, 0, 0, 800, 600, 16), 0u);
  EXPECT_EQ(empty.BeginScene(), 0u);
  EXPECT_EQ(empty.Clear(0, 1.0f), 0u);
  EXPECT_EQ(empty.Present(), 0u);
  EXPECT_EQ(empty.SetAlphaTest(1), 0u);
  EXPECT_EQ(empty.Release(), 1u);
  EXPECT_EQ(empty.Release(), 1u);
  Texture t;
  EXPECT_EQ(t.Load(&empty, "x.bmp", 0, 25), 0u);
  EXPECT_EQ(t.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF), 0u);
  EXPECT_EQ(t.Release(), 1u);
}
