// The credit lines: each one fits its box in the screen's own font, and none
// of them is a made-up web address.

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
