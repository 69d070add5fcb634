// A frame's draws are kept and carried out at the present: a frame drawn
// exactly as the one before is not drawn again, any one change draws it
// all, and a picture or font freed or the frame read in the middle of a
// frame sees the draws so far carried out first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_font.h"
#include "platform/texture.h"
#include "platform_test_util.h"

namespace {

constexpr uint32_t kNoKey = 0;
constexpr uint32_t kOwnColours = 0xFFFFFFFFu;
constexpr int kW = 800;

struct FrameSpec {
  Texture* picture = nullptr;
  int32_t x = 40, y = 30, srcX = 0, srcWidth = 16;
  float scale = 2.0f;
  uint32_t colour = kOwnColours;
  uint32_t blend = 0;
  std::string text = "Gold 100";
  TextFont* font = nullptr;
  uint32_t clear = 0xFF102030u;
};

std::vector<uint32_t> Solid(int w, int h, uint32_t colour) {
  return std::vector<uint32_t>(static_cast<size_t>(w) * h, colour);
}

uint32_t Shown(int x, int y) { return headless::FramePixels()[static_cast<size_t>(y) * kW + x]; }

class FrameRecord : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    const std::vector<uint32_t> pixels = Solid(32, 32, 0xFF4080C0u);
    ASSERT_EQ(a.LoadPixels(&d.dev, pixels.data(), 32, 32, kNoKey, kFormatA1R5G5B5), 1u);
    ASSERT_EQ(b.LoadPixels(&d.dev, pixels.data(), 32, 32, kNoKey, kFormatA1R5G5B5), 1u);
    ASSERT_EQ(font.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
    ASSERT_EQ(otherFont.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
    d.dev.Present();  // the device's first clear
  }

  FrameSpec Base() {
    FrameSpec s;
    s.picture = &a;
    s.font = &font;
    return s;
  }

  // Draws and presents one frame; the draws carried out for it.
  uint64_t Frame(const FrameSpec& s) {
    const uint64_t before = d.dev.drawsCarriedOut;
    d.dev.Clear(s.clear, 1.0f);
    d.dev.EnableAlphaBlending(s.blend, kBlendSrcAlpha, kBlendInvSrcAlpha);
    EXPECT_EQ(s.picture->Draw(s.x, s.y, s.srcX, 0, s.srcWidth, 16, s.scale, s.scale, s.colour), 1u);
    EXPECT_EQ(s.font->DrawText(s.text.c_str(), 100, 200, 0, 0, 0xFFFFFFFFu, 0), 1u);
    EXPECT_EQ(d.dev.Present(), 1u);
    return d.dev.drawsCarriedOut - before;
  }

  testutil::HeadlessDevice d;
  Texture a, b;
  TextFont font, otherFont;
};

}  // namespace

TEST_F(FrameRecord, UnchangedFrameIsNotDrawnAndAnyChangeDrawsIt) {
  const FrameSpec base = Base();
  std::vector<FrameSpec> changes(9, base);
  changes[0].picture = &b;  // the same pixels, another picture
  changes[1].x = 41;
  changes[2].srcX = 1;
  changes[3].scale = 2.5f;
  changes[4].colour = 0xFF808080u;
  changes[5].blend = 1;
  changes[6].text = "Gold 101";
  changes[7].font = &otherFont;
  changes[8].clear = 0xFF102031u;
  for (size_t i = 0; i < changes.size(); ++i) {
    Frame(base);
    const std::vector<uint32_t> shown(headless::FramePixels(), headless::FramePixels() + kW * 600);
    EXPECT_EQ(Frame(base), 0u) << i;
    EXPECT_EQ(std::vector<uint32_t>(headless::FramePixels(), headless::FramePixels() + kW * 600),
              shown)
        << i;
    EXPECT_EQ(Frame(changes[i]), 3u) << i;
  }
  EXPECT_EQ(Shown(40, 30), 0xFF4080C0u);
  EXPECT_EQ(Shown(700, 500), 0xFF102031u);

  // A frame with no clear draws over what the frame holds: drawn each time.
  for (int frame = 0; frame < 2; ++frame) {
    const uint64_t before = d.dev.drawsCarriedOut;
    a.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, kOwnColours);
    d.dev.Present();
    EXPECT_EQ(d.dev.drawsCarriedOut - before, 1u) << frame;
  }

  // Without the skip every frame is drawn.
  d.dev.skipUnchanged = false;
  EXPECT_EQ(Frame(base), 3u);
  EXPECT_EQ(Frame(base), 3u);
}

TEST_F(FrameRecord, FreedPictureOrFontMidFrameIsDrawnFirstAndNotSkipped) {
  const FrameSpec base = Base();
  Frame(base);
  // The picture is replaced and the font made anew after drawing: what
  // they drew stays, and the frame is not taken for the one before.
  d.dev.Clear(base.clear, 1.0f);
  a.Draw(base.x, base.y, 0, 0, 16, 16, base.scale, base.scale, kOwnColours);
  const std::vector<uint32_t> red = Solid(32, 32, 0xFFC02010u);
  ASSERT_EQ(a.LoadPixels(&d.dev, red.data(), 32, 32, kNoKey, kFormatA1R5G5B5), 1u);
  font.DrawText(base.text.c_str(), 100, 200, 0, 0, 0xFFFFFFFFu, 0);
  ASSERT_EQ(font.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
  const uint64_t before = d.dev.drawsCarriedOut;
  d.dev.Present();
  EXPECT_EQ(d.dev.drawsCarriedOut, before);  // all carried out already
  EXPECT_EQ(Shown(40, 30), 0xFF4080C0u);
  EXPECT_GT(d.CountNonBlack(100, 200, 200, 220), 0);

  // The new picture, maybe at the old one's address, is drawn.
  EXPECT_EQ(Frame(base), 3u);
  EXPECT_EQ(Shown(40, 30), 0xFFC02010u);
  EXPECT_EQ(Frame(base), 0u);
  a.Release();
  font.Release();
}

TEST_F(FrameRecord, ReadingMidFrameGivesTheDrawsSoFarAndLaterOnesFollow) {
  const std::vector<uint32_t> green = Solid(32, 32, 0xFF20A040u);
  ASSERT_EQ(b.LoadPixels(&d.dev, green.data(), 32, 32, kNoKey, kFormatA1R5G5B5), 1u);
  for (int frame = 0; frame < 2; ++frame) {
    const uint64_t before = d.dev.drawsCarriedOut;
    d.dev.Clear(0xFF102030u, 1.0f);
    a.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, kOwnColours);
    EXPECT_EQ(d.Pixel(10, 10), 0xFF4080C0u) << frame;
    EXPECT_EQ(d.Pixel(50, 10), 0xFF102030u) << frame;
    b.Draw(8, 8, 0, 0, 0, 0, 1.0f, 1.0f, kOwnColours);
    d.dev.Present();
    EXPECT_EQ(d.dev.drawsCarriedOut - before, 3u) << frame;  // read, so drawn again
    EXPECT_EQ(Shown(4, 4), 0xFF4080C0u);
    EXPECT_EQ(Shown(10, 10), 0xFF20A040u);
    EXPECT_EQ(Shown(50, 10), 0xFF102030u);
  }
}

TEST(FrameRecordOrder, PicturesAndFontsOutliveTheDeviceAfterASkippedFrame) {
  // The last frame before the device goes is left undrawn; the picture and
  // the font freed afterwards must not reach back into the device.
  Texture picture;
  TextFont font;
  {
    testutil::HeadlessDevice d;
    ASSERT_TRUE(d.created);
    const std::vector<uint32_t> pixels = Solid(32, 32, 0xFF4080C0u);
    ASSERT_EQ(picture.LoadPixels(&d.dev, pixels.data(), 32, 32, kNoKey, kFormatA1R5G5B5), 1u);
    ASSERT_EQ(font.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
    for (int frame = 0; frame < 3; ++frame) {
      d.dev.Clear(0xFF102030u, 1.0f);
      picture.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, kOwnColours);
      font.DrawText("Day 38", 100, 200, 0, 0, 0xFFFFFFFFu, 0);
      d.dev.Present();
    }
  }
  picture.Release();
  font.Release();
}
