#include "platform/text_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "platform_test_util.h"

using testutil::HeadlessDevice;

namespace {

// Pixels carrying some of the text colour (red channel above the rest).
int CountText(HeadlessDevice& d, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const uint32_t p = d.Pixel(x, y);
      if (((p >> 16) & 255) > 40) ++n;
    }
  return n;
}

}  // namespace

TEST(TextFont, CharacterHeightAndLines) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  for (uint32_t h : {16u, 20u, 22u, 23u, 30u}) {
    TextFont font;
    ASSERT_EQ(font.Create(&d.dev, "Arial", h, 0, 0, 0, 0), 1u) << h;
    // The height is the em height: Arial's cell is about 1.15 of it.
    EXPECT_NEAR(font.LineHeight(), h * 1.15, 1.5) << h;
    EXPECT_EQ(font.Begin(), 1u);
    EXPECT_EQ(font.End(), 1u);
  }

  TextFont font;
  ASSERT_EQ(font.Create(&d.dev, "Arial", 22, 0, 0, 0, 0), 1u);
  const uint32_t red = 0xFFFF0000u;
  ASSERT_EQ(font.DrawText("Hello", 100, 100, 300, 100, red, 0), 1u);
  // Glyphs land inside the rectangle and look like capital-height letters.
  int top = 600, bottom = -1, left = 800, right = -1;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (((d.Pixel(x, y) >> 16) & 255) > 40) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
  EXPECT_GE(top, 100);
  EXPECT_GE(left, 100);
  EXPECT_NEAR(bottom - top + 1, 16, 2);  // "H" of a 22-pixel em
  EXPECT_NEAR(right - left + 1, font.TextWidth("Hello"), 3);
  // Fully covered pixels carry exactly the colour.
  bool solid = false;
  for (int y = top; y <= bottom && !solid; ++y)
    for (int x = left; x <= right; ++x)
      if (d.Pixel(x, y) == red) solid = true;
  EXPECT_TRUE(solid);

  // A line break starts the next line one line height lower.
  d.dev.Clear(0, 1.0f);
  font.DrawText("A\nA", 0, 0, 200, 200, red, 0);
  const int lh = font.LineHeight();
  EXPECT_GT(CountText(d, 0, 0, 100, lh), 10);
  EXPECT_GT(CountText(d, 0, lh, 100, 2 * lh), 10);
  EXPECT_EQ(CountText(d, 0, 0, 100, lh), CountText(d, 0, lh, 100, 2 * lh));

  // The same text twice draws the same pixels (drawn lines are cached).
  d.dev.Clear(0, 1.0f);
  font.DrawText("Cached", 10, 10, 300, 50, red, 0);
  const int first = CountText(d, 0, 0, 800, 600);
  d.dev.Clear(0, 1.0f);
  font.DrawText("Cached", 10, 10, 300, 50, red, 0);
  EXPECT_EQ(CountText(d, 0, 0, 800, 600), first);

  // A half-transparent colour blends with what lies below.
  d.dev.Clear(0x000000FF, 1.0f);
  font.DrawText("HHHH", 0, 0, 300, 50, 0x80FF0000u, 0);
  bool blended = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) {
      const uint32_t p = d.Pixel(x, y);
      if (((p >> 16) & 255) > 100 && (p & 255) > 100) blended = true;
    }
  EXPECT_TRUE(blended);
}

TEST(TextFont, ClipsToTheRectangle) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TextFont font;
  ASSERT_EQ(font.Create(&d.dev, "Arial", 30, 0, 0, 0, 0), 1u);
  const char* longText = "A text far longer than its narrow box\nwith a second line\nand a third";
  ASSERT_EQ(font.DrawText(longText, 200, 200, 60, 40, 0xFFFF0000u, 0), 1u);
  EXPECT_GT(CountText(d, 200, 200, 260, 240), 50);
  EXPECT_EQ(CountText(d, 0, 0, 800, 600), CountText(d, 200, 200, 260, 240));

  // Width and height 0 are unbounded; the screen still clips.
  d.dev.Clear(0, 1.0f);
  font.DrawText(longText, 700, 580, 0, 0, 0xFFFF0000u, 0);
  EXPECT_GT(CountText(d, 700, 580, 800, 600), 50);

  // Off the screen, or with an empty box, nothing is drawn.
  d.dev.Clear(0, 1.0f);
  EXPECT_EQ(font.DrawText(longText, -2000, -2000, 100, 100, 0xFFFF0000u, 0), 1u);
  EXPECT_EQ(font.DrawText(longText, 10, 10, -5, 100, 0xFFFF0000u, 0), 1u);
  EXPECT_EQ(font.DrawText("", 10, 10, 100, 100, 0xFFFF0000u, 0), 1u);
  EXPECT_EQ(CountText(d, 0, 0, 800, 600), 0);
}

TEST(TextFont, MissingFontOrDevice) {
  HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TextFont font;
  EXPECT_EQ(font.DrawText("x", 0, 0, 10, 10, 0xFFFFFFFF, 0), 0u);
  EXPECT_EQ(font.Begin(), 0u);
  EXPECT_EQ(font.End(), 0u);
  EXPECT_EQ(font.Create(nullptr, "Arial", 16, 0, 0, 0, 0), 0u);
  EXPECT_EQ(font.Create(&d.dev, nullptr, 16, 0, 0, 0, 0), 0u);
  GraphicsDevice empty;
  EXPECT_EQ(font.Create(&empty, "Arial", 16, 0, 0, 0, 0), 0u);
  EXPECT_EQ(font.Release(), 1u);
  EXPECT_EQ(font.Release(), 1u);
  // Creating twice keeps one font.
  EXPECT_EQ(font.Create(&d.dev, "Arial", 16, 1, 0, 1, 0), 1u);
  EXPECT_EQ(font.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
  EXPECT_EQ(font.DrawText("ok", 0, 0, 100, 100, 0xFFFFFFFF, 0), 1u);
}
