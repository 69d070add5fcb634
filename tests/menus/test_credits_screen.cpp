// The credit lines: each one stands in its own box and fits it in the
// screen's own font, and none of them is a made-up web address.

#include "menus/credits_screen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "platform/text_font.h"

TEST(CreditsScreen, EveryLineFitsItsBoxAndNoneIsAnAddress) {
  SetBackend(Backend::Headless);
  headless::Reset();
  GraphicsDevice device;
  ASSERT_TRUE(device.CreateDirect3D() && device.CreateDevice(nullptr, 0, 0, 800, 600, 16));
  {
    CreditsScreen screen;
    screen.LoadArt(&device);
    ASSERT_NE(screen.font, nullptr);
    if (screen.font->TextWidth("Programmed by:") == 0) {
      screen.ReleaseArt();
      device.Release();
      GTEST_SKIP() << "no Liberation Sans to measure with";
    }
    // A line wider than its box is cut off at the box's right edge.
    for (const CreditLine& line : kCreditLines) {
      EXPECT_GT(std::strlen(line.text), 0u);
      EXPECT_LE(screen.font->TextWidth(line.text), line.w) << line.text;
      EXPECT_LE(screen.font->LineHeight(), 30) << line.text;
    }
    screen.ReleaseArt();
  }
  device.Release();
  headless::Reset();

  // Whatever is credited is named, not linked to: no host, path or scheme.
  for (const CreditLine& line : kCreditLines) {
    const std::string text = line.text;
    for (const char* part : {".", "/", "www", "http", "example"})
      EXPECT_EQ(text.find(part), std::string::npos) << text;
  }
}

// Every line stands in its own box: the captions in the left column, the
// credited entries beside them, row by row as the screen is laid out. A
// line moved onto another's row, or a box narrowed or widened, fails here.
TEST(CreditsScreen, EveryLineStandsInItsOwnBox) {
  struct Box {
    int32_t x, y, w;
  };
  constexpr int32_t kCaptionX = 200, kCaptionW = 200, kEntryX = 380;
  const Box boxes[kCreditLineCount] = {
      {kCaptionX, 110, kCaptionW}, {kEntryX, 110, 220}, {kEntryX, 140, 280},
      {kCaptionX, 195, kCaptionW}, {kEntryX, 195, 220}, {kEntryX, 265, 220},
      {kEntryX, 335, 380},         {kEntryX, 365, 380}, {kCaptionX, 430, kCaptionW},
      {kEntryX, 430, 200},         {kEntryX, 460, 300}, {kCaptionX, 500, kCaptionW},
      {kEntryX, 500, 220},
  };
  const char* captions[] = {"Programmed by:", "Art by:", "Music by:", "Sound effects by:"};
  int caption = 0;
  for (int i = 0; i < kCreditLineCount; ++i) {
    const CreditLine& line = kCreditLines[i];
    EXPECT_EQ(line.x, boxes[i].x) << line.text;
    EXPECT_EQ(line.y, boxes[i].y) << line.text;
    EXPECT_EQ(line.w, boxes[i].w) << line.text;
    if (boxes[i].x == kCaptionX) {
      EXPECT_STREQ(line.text, captions[caption++]);
    }
  }
  EXPECT_EQ(caption, 4);
}
