#include "platform/bmp_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "platform_test_util.h"

using testutil::BmpSpec;
using testutil::MakeBmp;

namespace {

std::vector<uint32_t> Opaque(const std::vector<uint32_t>& rgb) {
  std::vector<uint32_t> out;
  for (uint32_t c : rgb) out.push_back(0xFF000000u | c);
  return out;
}

bool Decode(const std::vector<uint8_t>& bytes, BmpImage* out) {
  return DecodeBmp(bytes.data(), bytes.size(), out);
}

}  // namespace

TEST(BmpReader, ReadsEveryUncompressedDepth) {
  // 5 x 3 keeps every row padded.
  const std::vector<uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000,
                                     0x123456, 0x654321, 0xABCDEF, 0x808080, 0x010203,
                                     0xFF00FF, 0x00FFFF, 0xFFFF00, 0x7F7F7F, 0x102030};
  BmpImage img;

  BmpSpec s24;
  s24.width = 5;
  s24.height = 3;
  s24.bits = 24;
  s24.pixels = rgb;
  ASSERT_TRUE(Decode(MakeBmp(s24), &img));
  EXPECT_EQ(img.width, 5);
  EXPECT_EQ(img.height, 3);
  EXPECT_EQ(img.pixels, Opaque(rgb));

  s24.topDown = true;
  ASSERT_TRUE(Decode(MakeBmp(s24), &img));
  EXPECT_EQ(img.pixels, Opaque(rgb));

  BmpSpec s32 = s24;
  s32.bits = 32;
  s32.topDown = false;
  ASSERT_TRUE(Decode(MakeBmp(s32), &img));
  EXPECT_EQ(img.pixels, Opaque(rgb));

  // 32 bits with masks in another order (blue high, red low).
  BmpSpec s32f = s32;
  s32f.bitfields = true;
  s32f.masks[0] = 0x000000FF;
  s32f.masks[1] = 0x0000FF00;
  s32f.masks[2] = 0x00FF0000;
  s32f.pixels.clear();
  for (uint32_t c : rgb) s32f.pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | (c >> 16));
  ASSERT_TRUE(Decode(MakeBmp(s32f), &img));
  EXPECT_EQ(img.pixels, Opaque(rgb));

  // 16 bits, 5-5-5 by default and 5-6-5 with bit fields: full channels stay full.
  BmpSpec s16;
  s16.width = 3;
  s16.height = 1;
  s16.bits = 16;
  s16.pixels = {0x7C00, 0x03E0, 0x001F};
  ASSERT_TRUE(Decode(MakeBmp(s16), &img));
  EXPECT_EQ(img.pixels, Opaque({0xFF0000, 0x00FF00, 0x0000FF}));
  s16.bitfields = true;
  s16.masks[0] = 0xF800;
  s16.masks[1] = 0x07E0;
  s16.masks[2] = 0x001F;
  s16.pixels = {0xF800, 0x07E0, 0x001F};
  ASSERT_TRUE(Decode(MakeBmp(s16), &img));
  EXPECT_EQ(img.pixels, Opaque({0xFF0000, 0x00FF00, 0x0000FF}));

  // Palette depths.
  BmpSpec s8;
  s8.width = 3;
  s8.height = 2;
  s8.bits = 8;
  s8.palette = {0x000000, 0xFF0000, 0x00FF00};
  s8.pixels = {0, 1, 2, 2, 1, 0};
  ASSERT_TRUE(Decode(MakeBmp(s8), &img));
  EXPECT_EQ(img.pixels, Opaque({0x000000, 0xFF0000, 0x00FF00, 0x00FF00, 0xFF0000, 0x000000}));

  BmpSpec s4 = s8;
  s4.bits = 4;
  ASSERT_TRUE(Decode(MakeBmp(s4), &img));
  EXPECT_EQ(img.pixels, Opaque({0x000000, 0xFF0000, 0x00FF00, 0x00FF00, 0xFF0000, 0x000000}));

  BmpSpec s1;
  s1.width = 9;
  s1.height = 2;
  s1.bits = 1;
  s1.palette = {0x000000, 0xFFFFFF};
  s1.pixels = {1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0};
  ASSERT_TRUE(Decode(MakeBmp(s1), &img));
  for (size_t i = 0; i < s1.pixels.size(); ++i) {
    EXPECT_EQ(img.pixels[i], s1.pixels[i] ? 0xFFFFFFFFu : 0xFF000000u) << i;
  }

  // An index past the palette reads as black instead of reading past it.
  s8.pixels = {0, 1, 200, 2, 1, 0};
  ASSERT_TRUE(Decode(MakeBmp(s8), &img));
  EXPECT_EQ(img.pixels[2], 0xFF000000u);
}

TEST(BmpReader, RefusesDamagedAndUnsupportedFiles) {
  BmpSpec s;
  s.width = 7;
  s.height = 5;
  s.bits = 24;
  s.pixels.assign(35, 0x336699);
  const std::vector<uint8_t> good = MakeBmp(s);
  BmpImage img;
  ASSERT_TRUE(Decode(good, &img));

  // Every shorter prefix fails cleanly.
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + n);
    EXPECT_FALSE(Decode(cut, &img)) << n;
  }

  auto with = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> b = good;
    b[at] = value;
    return b;
  };
  EXPECT_FALSE(Decode(with(0, 'X'), &img));    // not "BM"
  EXPECT_FALSE(Decode(with(30, 1), &img));     // run-length compression
  EXPECT_FALSE(Decode(with(30, 4), &img));     // JPEG
  EXPECT_FALSE(Decode(with(28, 12), &img));    // 12 bits a pixel
  EXPECT_FALSE(Decode(with(18, 0), &img));     // width 0
  EXPECT_FALSE(Decode(with(26, 2), &img));     // two planes
  EXPECT_FALSE(Decode(with(13, 0x7F), &img));  // pixel data far past the end
  EXPECT_FALSE(Decode(with(17, 0x7F), &img));  // header larger than the file
  std::vector<uint8_t> huge = good;            // 2^24 rows in a tiny file
  huge[22] = 0;
  huge[23] = 0;
  huge[24] = 0;
  huge[25] = 1;
  EXPECT_FALSE(Decode(huge, &img));
  EXPECT_FALSE(Decode(with(21, 0xFF), &img));  // negative width
  std::vector<uint8_t> lowest = good;          // height -2^31
  lowest[22] = lowest[23] = lowest[24] = 0;
  lowest[25] = 0x80;
  EXPECT_FALSE(Decode(lowest, &img));
  std::vector<uint8_t> farOffset = good;  // pixel offset 2^32 - 1
  for (int i = 10; i < 14; ++i) farOffset[i] = 0xFF;
  EXPECT_FALSE(Decode(farOffset, &img));
  EXPECT_FALSE(DecodeBmp(nullptr, 100, &img));

  // One bit a pixel packs a picture of 128 MB into a 4 MB file: refused.
  // 4096 x 4096 is the most that is taken.
  auto mono = [](uint32_t w, uint32_t h) {
    BmpSpec m;
    m.width = 8;
    m.height = 1;
    m.bits = 1;
    m.palette = {0x000000, 0xFFFFFF};
    m.pixels.assign(8, 1);
    std::vector<uint8_t> b = MakeBmp(m);
    b.resize(b.size() - 4);
    for (int i = 0; i < 4; ++i) {
      b[18 + i] = static_cast<uint8_t>(w >> (8 * i));
      b[22 + i] = static_cast<uint8_t>(h >> (8 * i));
    }
    b.resize(b.size() + static_cast<size_t>((w + 31) / 32 * 4) * h, 0);
    return b;
  };
  EXPECT_FALSE(Decode(mono(8192, 4096), &img));
  EXPECT_FALSE(Decode(mono(16384, 1025), &img));
  ASSERT_TRUE(Decode(mono(4096, 4096), &img));
  EXPECT_EQ(img.width, 4096);
  EXPECT_EQ(img.pixels.size(), 4096u * 4096u);
  img.pixels = std::vector<uint32_t>();

  // Random damage never reads outside the buffer (the sanitizers watch).
  std::mt19937 rng(1234);
  for (int i = 0; i < 3000; ++i) {
    std::vector<uint8_t> b = good;
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < flips; ++k) b[rng() % 60] = static_cast<uint8_t>(rng());
    if (rng() % 3 == 0) b.resize(rng() % b.size());
    Decode(b, &img);
  }

  EXPECT_FALSE(LoadBmpFile("/no/such/file.bmp", &img));
}
