// The box tile ("Art\Map\Back.bmp") as the asset generator wrote it, drawn
// at every scale the screens stretch it to (every text panel, talk box and
// note, the find's panel, the battle's panels and bar): its light frame
// stays in the outermost scaled pixel all round, and everything inside it is
// a field dark enough for the light texts, so the first line of a box, which
// stands a few pixels inside it, is never printed over a band of the frame.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/bmp_reader.h"
#include "platform/paths.h"

namespace {

constexpr int kTileSide = 64;
constexpr uint32_t kRgb = 0xFFFFFFu;

// Heights the screens stretch the tile by: the place's notes, talk boxes,
// recruit strip and popups (the raising popup's 6.6), the party's question,
// the battle's bar (1.25) and panels, and the map's finds, messages, day
// notes and fame lines (0.6).
constexpr float kScalesY[] = {0.6f, 0.7f,  0.8f, 1.0f, 1.1f, 1.2f, 1.25f, 1.3f,  1.4f, 1.5f,
                              1.6f, 1.65f, 1.7f, 1.8f, 1.9f, 2.0f, 2.1f,  2.15f, 2.2f, 2.25f,
                              2.3f, 2.4f,  2.5f, 2.6f, 2.7f, 3.0f, 3.1f,  3.5f,  3.8f, 4.0f,
                              4.2f, 4.3f,  4.5f, 4.9f, 5.1f, 5.3f, 6.6f,  7.5f};
// Widths: from the battle's small panel (1.3) to its bar (12.5).
constexpr float kScalesX[] = {1.3f, 2.7f, 3.0f, 3.1f,  3.2f, 3.4f,  3.5f,  3.6f, 3.7f, 3.8f,  4.0f,
                              4.1f, 4.4f, 4.5f, 4.6f,  4.7f, 5.0f,  5.2f,  5.3f, 5.4f, 5.5f,  5.6f,
                              5.7f, 5.8f, 5.9f, 5.95f, 6.0f, 6.1f,  6.15f, 6.2f, 6.3f, 6.35f, 6.4f,
                              6.5f, 6.6f, 6.7f, 6.8f,  6.9f, 6.95f, 7.0f,  7.1f, 7.2f, 7.22f, 7.3f,
                              7.4f, 7.5f, 7.6f, 7.7f,  7.8f, 7.9f,  7.95f, 8.0f, 8.1f, 8.2f,  8.3f,
                              8.6f, 8.7f, 9.1f, 9.3f,  9.5f, 9.8f,  12.5f};

// The tile's rows (or columns) along one axis drawn at scale s from screen
// position 0, as the sprite blitter maps them: screen pixel p shows the
// tile's pixel under its centre, floor((p + 0.5) / s).
std::vector<int> Lines(float s) {
  std::vector<int> out;
  for (int p = 0; (p + 0.5) < kTileSide * double(s); ++p)
    out.push_back(int(std::floor((p + 0.5) / double(s))));
  return out;
}

// The panels' light texts (0xE6E6E6) read over a pixel when their contrast
// with it is at least 4.5 (the WCAG ratio for body text); the frame is
// lighter than that.
double Luminance(uint32_t rgb) {
  double l = 0;
  const double weight[3] = {0.2126, 0.7152, 0.0722};
  for (int i = 0; i < 3; ++i) {
    const double c = ((rgb >> (16 - 8 * i)) & 0xFFu) / 255.0;
    l += weight[i] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
  }
  return l;
}
constexpr uint32_t kLightText = 0xE6E6E6u;
constexpr double kReadableContrast = 4.5;
bool TextReadsOver(uint32_t rgb) {
  return (Luminance(kLightText) + 0.05) / (Luminance(rgb) + 0.05) >= kReadableContrast;
}

// The tile seen line by line along one axis (rows, or columns when
// `across`): whether a line is frame from end to end, and whether it is the
// dark field between its two end pixels.
struct TileLines {
  bool frame[kTileSide];
  bool field[kTileSide];
};

bool LoadTile(bool across, TileLines* out) {
  BmpImage img;
  if (!LoadBmpFile(ResolveGamePath("Art\\Map\\Back.bmp").c_str(), &img) || img.width != kTileSide ||
      img.height != kTileSide)
    return false;
  for (int line = 0; line < kTileSide; ++line) {
    out->frame[line] = out->field[line] = true;
    for (int i = 0; i < kTileSide; ++i) {
      const int x = across ? line : i, y = across ? i : line;
      const bool reads = TextReadsOver(img.pixels[size_t(y) * img.width + x] & kRgb);
      if (reads) out->frame[line] = false;
      if (!reads && i > 0 && i < kTileSide - 1) out->field[line] = false;
    }
  }
  return true;
}

// At scale s: the first and last screen lines show the frame (the last one
// only where the tile's last line is drawn at all), and every screen line
// between them that shows a tile line other than the first and last is the
// dark field.
void ExpectFrameOnlyOutermost(const TileLines& t, float s) {
  const std::vector<int> lines = Lines(s);
  ASSERT_FALSE(lines.empty()) << s;
  EXPECT_EQ(lines.front(), 0) << s;
  EXPECT_TRUE(t.frame[0]) << "scale " << s << ": no frame along the first screen line";
  if (lines.back() == kTileSide - 1) {
    EXPECT_TRUE(t.frame[kTileSide - 1]) << "scale " << s << ": no frame along the last screen line";
  }
  for (size_t p = 0; p < lines.size(); ++p) {
    const int line = lines[p];
    if (line == 0 || line == kTileSide - 1) continue;
    if (!t.field[line]) {
      ADD_FAILURE() << "scale " << s << ": screen line " << p << " shows tile line " << line
                    << ", which is not the field";
      break;
    }
  }
}

}  // namespace

// Down the box. At the fame lines' 0.6 the blitter's last screen row shows
// the tile's row 62 and the bottom edge has no frame line: any row above 63
// that held one would stand inside every taller box.
TEST(BoxTile, FrameStaysInTheOutermostRowsAtEveryHeight) {
  TileLines rows;
  ASSERT_TRUE(LoadTile(false, &rows));
  for (float s : kScalesY) ExpectFrameOnlyOutermost(rows, s);
}

TEST(BoxTile, FrameStaysInTheOutermostColumnsAtEveryWidth) {
  TileLines cols;
  ASSERT_TRUE(LoadTile(true, &cols));
  for (float s : kScalesX) {
    EXPECT_EQ(Lines(s).back(), kTileSide - 1) << s;
    ExpectFrameOnlyOutermost(cols, s);
  }
}
