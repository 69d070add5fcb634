// The map sheet as the asset generator paints it: the squares of the land
// join their neighbours without a visible seam.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "map/map_layout.h"
#include "platform/bmp_reader.h"

using namespace maplayout;

namespace {

constexpr int kSide = 128;

int Luma(uint32_t p) { return int((p >> 16 & 255) * 3 + (p >> 8 & 255) * 6 + (p & 255)) / 10; }

// The picture a square shows: its base image, or for a square that follows
// its place the place's picture (placeShown) or the bare wasteland.
int SquareImage(int column, int row, bool placeShown) {
  const int base = kSquareImage[row][column];
  if (base >= 0) return base;
  if (!placeShown) return kGrey6;
  struct Place {
    int32_t x, y;
    int image;
  };
  static const Place kPlaces[] = {
      {2000, 600, kTower},   {2200, 0, kTribe1},         {2600, 400, kTribe5},
      {1800, 1200, kTribe4}, {3000, 1400, kTribe6},      {2400, -600, kTribe3},
      {3000, -200, kTribe2}, {3200, -1000, kDarkTemple}, {3400, 400, kCastleEvil}};
  const int32_t x = kGridLeft + column * kSquareSize, y = kGridTop + row * kSquareSize;
  for (const Place& p : kPlaces) {
    if (p.x == x && p.y == y) return p.image;
  }
  return -1;
}

// How badly two squares disagree along their shared edge. Along the edge,
// in windows of 16 pixels, the mean colour of the last line of the first
// square is compared with the first line of the second; the change across
// the edge counts only as far as it exceeds twice the change between the
// two lines next to it on either side, so a border between grounds that
// merely runs on across the edge does not count, while two grounds meeting
// in a straight line along it do. Windows with outlines or shadows
// (anything dark) are left out: buildings and peaks may stand near an edge.
int SeamScore(const BmpImage& a, const BmpImage& b, bool below) {
  auto at = [&](const BmpImage& img, int along, int across) {
    return below ? img.pixels[size_t(across) * kSide + along]
                 : img.pixels[size_t(along) * kSide + across];
  };
  int worst = 0;
  for (int w = 0; w + 16 <= kSide; w += 8) {
    long sum[4][3] = {};
    bool dark = false;
    for (int t = w; t < w + 16; ++t) {
      const uint32_t lines[4] = {at(a, t, kSide - 2), at(a, t, kSide - 1), at(b, t, 0),
                                 at(b, t, 1)};
      for (int q = 0; q < 4; ++q) {
        dark = dark || Luma(lines[q]) < 50;
        for (int c = 0; c < 3; ++c) sum[q][c] += (lines[q] >> (16 - 8 * c)) & 255;
      }
    }
    if (dark) continue;
    auto change = [&](int p, int q) {
      int s = 0;
      for (int c = 0; c < 3; ++c) s += int(std::labs(sum[p][c] - sum[q][c]) / 16);
      return s;
    };
    worst = std::max(worst, change(1, 2) - 2 * std::max(change(0, 1), change(2, 3)));
  }
  return worst;
}

}  // namespace

TEST(MapSheetArt, SquaresMeetWithoutSeams) {
  std::vector<BmpImage> images(kImageCount);
  for (int i = 0; i < kImageCount; ++i) {
    if (kImages[i].frameWidth != kSide) continue;
    const std::string path = std::string("Art/Map/") + kImages[i].name + ".bmp";
    ASSERT_TRUE(LoadBmpFile(path.c_str(), &images[i])) << path;
    ASSERT_EQ(images[i].width, kSide) << path;
    ASSERT_EQ(images[i].height, kSide) << path;
  }
  // Every pair of neighbours, with the places shown and with them gone.
  for (bool placesShown : {true, false}) {
    for (int row = 0; row < kSquareRows; ++row) {
      for (int column = 0; column < kSquareColumns; ++column) {
        const int here = SquareImage(column, row, placesShown);
        ASSERT_GE(here, 0);
        for (bool below : {false, true}) {
          const int nc = column + (below ? 0 : 1), nr = row + (below ? 1 : 0);
          if (nc >= kSquareColumns || nr >= kSquareRows) continue;
          const int there = SquareImage(nc, nr, placesShown);
          EXPECT_LT(SeamScore(images[here], images[there], below), 24)
              << kImages[here].name << " at (" << kGridLeft + column * kSquareSize << ", "
              << kGridTop + row * kSquareSize << ") and " << kImages[there].name
              << (below ? " below" : " right");
        }
      }
    }
  }
}
