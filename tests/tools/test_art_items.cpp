// The worn torso pictures as the asset generator wrote them into the game
// folder, laid over the figure where the party screens draw them. The
// screens leave the bare chest out under a worn torso, and the chest carries
// the neck; so every torso must cover the neck wherever the chest of any
// look shows it, or the head picture's own lower edge (long hair, a beard,
// a collar) shows between the chin and the armour as a dark band.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "game/figure_layout.h"
#include "platform/bmp_reader.h"
#include "platform/paths.h"

namespace {

constexpr uint32_t kBlack = 0x000000u, kRed = 0xFF0000u;
constexpr int kTorsoCount = 30;

// The neck's screen rows in which the chest shows it: from the chest's top
// down to its shirt's neckline, above which no look has cloth beside the neck.
constexpr int kNeckFirstRow = figure_layout::kBodyPlaces[figure_layout::kPlaceChest].y;
constexpr int kNecklineRow = 272;

struct Picture {
  BmpImage img;
  uint32_t key;
  figure_layout::Place at;
};

Picture Load(const std::string& path, uint32_t key, const figure_layout::Place& at) {
  Picture p{{}, key, at};
  EXPECT_TRUE(LoadBmpFile(ResolveGamePath(path.c_str()).c_str(), &p.img)) << path;
  return p;
}

// Whether the picture (one frame, the whole file), drawn at its place, shows a pixel at figure
// point (dx, y) (dx from the figure's left edge), as the sprite blitter maps it: screen offset p
// shows frame pixel floor((p + 0.5) / scale).
bool Covers(const Picture& p, int dx, int y) {
  const int px = dx - p.at.dx, py = y - p.at.y;
  if (px < 0 || py < 0) return false;
  const int u = int(std::floor((px + 0.5f) / p.at.scaleX));
  const int v = int(std::floor((py + 0.5f) / p.at.scaleY));
  if (u >= p.img.width || v >= p.img.height) return false;
  return (p.img.pixels[size_t(v) * p.img.width + u] & 0xFFFFFFu) != p.key;
}

TEST(WornTorsoPictures, CoverTheNeckWhereverABareChestShowsIt) {
  using namespace figure_layout;
  const Place chestAt = kBodyPlaces[kPlaceChest];
  const Picture chests[] = {Load("Art\\Heroes\\Chest.bmp", kRed, chestAt),
                            Load("Art\\Heroes\\Chest2.bmp", kBlack, chestAt),
                            Load("Art\\Heroes\\Chest3.bmp", kBlack, chestAt)};
  for (const Picture& chest : chests) ASSERT_FALSE(chest.img.pixels.empty());
  // As far right as the chest picture reaches.
  const int width = chestAt.dx + int(std::ceil(chests[0].img.width * chestAt.scaleX));
  for (int n = 1; n <= kTorsoCount; ++n) {
    const std::string path = "Art\\Items\\Armor\\Torso" + std::to_string(n) + ".bmp";
    const Picture torso = Load(path, kRed, kWornPlaces[kPlaceTorso]);
    ASSERT_FALSE(torso.img.pixels.empty()) << path;
    int shown = 0, bare = 0;
    for (int y = kNeckFirstRow; y < kNecklineRow; ++y)
      for (int dx = 0; dx < width; ++dx) {
        bool chestShows = false;
        for (const Picture& chest : chests) chestShows |= Covers(chest, dx, y);
        if (!chestShows) continue;
        ++shown;
        if (!Covers(torso, dx, y)) ++bare;
      }
    EXPECT_GT(shown, 0) << "no look shows a neck";
    EXPECT_EQ(bare, 0) << path << ": " << bare << " of the " << shown
                       << " neck pixels of the bare chests left uncovered";
  }
}

}  // namespace
