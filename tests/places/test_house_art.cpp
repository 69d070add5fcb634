// The place screens' pictures as the asset generator wrote them into the game
// folder: every picture of places/house_art.h at its size and frame grid, each
// frame the screens draw showing something, and each picture cut on the key
// the screens load it with. The held-item pictures are keyed per item.

#include "places/house_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "game/glyph_name.h"
#include "game/item_catalog.h"
#include "platform/bmp_reader.h"
#include "platform/paths.h"

using namespace house_art;

namespace {

// Every picture a place screen loads, for every place and every visitor, by
// what it is for.
std::vector<std::pair<std::string, Picture>> AllPictures() {
  std::vector<std::pair<std::string, Picture>> all;
  for (int i = 0; i < kButtonsImageCount; ++i)
    if (kButtonsPictures[i].path)
      all.push_back({"buttons " + std::to_string(i), kButtonsPictures[i]});
  all.push_back({"letters1", kLetters1});
  all.push_back({"letters2", kLetters2});
  for (const Place& p : kPlaces) {
    const std::string place = std::string(p.name) + " " + kKindWords[int(p.kind)];
    all.push_back({place + ": view", ViewPicture(p)});
    all.push_back({place + ": name plate", NamePlatePicture(p)});
    all.push_back({place + ": kind caption", KindCaptionPicture(p)});
    all.push_back({place + ": Recruit icon", RecruitIconPicture(p)});
  }
  for (int visitor = kVisitorPlayer; visitor < kVisitorFirstHero + kHeroCount; ++visitor)
    for (int choice = 0; choice < kPlayerPortraitCount; ++choice)
      all.push_back(
          {"portrait of visitor " + std::to_string(visitor), PortraitPicture(visitor, choice)});
  for (const ArmyIconFile& f : kArmyIconFiles)
    all.push_back({"army icon " + std::to_string(f.kind), ArmyIconPicture(f)});
  return all;
}

uint32_t Rgb(uint32_t argb) { return argb & 0xFFFFFFu; }

bool FrameEmpty(const BmpImage& img, const Picture& p, int k) {
  const int perRow = img.width / p.frameWidth;
  const int x0 = (k % perRow) * p.frameWidth, y0 = (k / perRow) * p.frameHeight;
  for (int y = y0; y < y0 + p.frameHeight; ++y)
    for (int x = x0; x < x0 + p.frameWidth; ++x)
      if (Rgb(img.pixels[size_t(y) * img.width + x]) != Rgb(p.key)) return false;
  return true;
}

// A picture drawn on one key and loaded with another shows its ground as a
// solid block: no keyed picture may hold the colour of the other key.
int OtherKeyPixels(const BmpImage& img, uint32_t key) {
  const uint32_t other = key == kKeyRed ? kKeyBlack : kKeyRed;
  return int(std::count_if(img.pixels.begin(), img.pixels.end(),
                           [&](uint32_t px) { return Rgb(px) == Rgb(other); }));
}

bool LettersSheet(const Picture& p) {
  return std::string(p.path) == kLetters1.path || std::string(p.path) == kLetters2.path;
}

}  // namespace

TEST(HouseArtFiles, EveryPictureHasItsSizeFramesAndKey) {
  for (const auto& [use, p] : AllPictures()) {
    SCOPED_TRACE(use + ": " + (p.path ? p.path : "(none)"));
    ASSERT_NE(p.path, nullptr);
    BmpImage img;
    if (!LoadBmpFile(ResolveGamePath(p.path).c_str(), &img)) {
      ADD_FAILURE() << "missing";
      continue;
    }
    ASSERT_EQ(img.width, p.width);
    ASSERT_EQ(img.height, p.height);
    ASSERT_EQ(img.width % p.frameWidth, 0);
    ASSERT_EQ(img.height % p.frameHeight, 0);
    ASSERT_LE(p.frames, (img.width / p.frameWidth) * (img.height / p.frameHeight));
    if (p.key == kKeyNone) continue;  // an opaque picture is filled edge to edge
    EXPECT_EQ(OtherKeyPixels(img, p.key), 0);
    const int firstCode = std::string(p.path) == kLetters2.path ? kLetters2FirstCode : 0;
    for (int k = 0; k < p.frames; ++k) {
      const int code = firstCode + k;
      const bool blank = LettersSheet(p) && (code == glyph::kSpace || code == glyph::kCaret ||
                                             code == glyph::kFullStop + 1);
      if (blank) continue;
      EXPECT_FALSE(FrameEmpty(img, p, k)) << "frame " << k << " is all key colour";
    }
  }
}

// The talk boxes show reward items from their own pictures; each is loaded
// with the key the item's picture is cut on (black for two of them), so its
// ground is see-through rather than a black or red box.
TEST(HouseArtFiles, HeldItemPicturesAreCutOnTheirOwnKey) {
  int loadable = 0;
  for (int n = 0; n < kItemIdCount; ++n) {
    if (!HeldItemLoadable(n) || !ItemCatalog::IsItem(n + 1)) continue;
    ++loadable;
    char path[64];
    uint32_t key = 0;
    ASSERT_TRUE(ItemCatalog::IconFile(n + 1, path, sizeof path, &key));
    SCOPED_TRACE(path);
    BmpImage img;
    ASSERT_TRUE(LoadBmpFile(ResolveGamePath(path).c_str(), &img));
    ASSERT_EQ(img.width, kItemIconSize);
    ASSERT_EQ(img.height, kItemIconSize);
    EXPECT_EQ(Rgb(img.pixels[0]), Rgb(key)) << "the ground is not see-through";
  }
  EXPECT_EQ(loadable, kItemIconImageCount - (kHeldItemSkipLast - kHeldItemSkipFirst + 1));
  uint32_t key = 0;
  ASSERT_TRUE(ItemCatalog::IconFile(180, nullptr, 0, &key));
  EXPECT_EQ(key, kKeyBlack);
}
