// The battle's pictures as the asset generator wrote them into the game
// folder: every sheet of battle/battle_art.h at its size and frame grid, its
// colour key used cleanly, and every frame that the battle can draw showing
// something.

#include "battle/battle_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/glyph_name.h"
#include "platform/bmp_reader.h"
#include "platform/paths.h"

using namespace battle_art;

namespace {

// Every picture the battle loads, with the name of its sheet for messages.
struct Entry {
  std::string sheet;
  Picture picture;
};

std::vector<Entry> AllPictures() {
  std::vector<Entry> all;
  for (int i = 0; i < kUiImageCount; ++i)
    if (kUiPictures[i].path) all.push_back({"uiSheet " + std::to_string(i), kUiPictures[i]});
  all.push_back({"uiSheet 1 (battles 3, 4)", kGridHorizontalDark});
  all.push_back({"uiSheet 2 (battles 3, 4)", kGridVerticalDark});
  all.push_back({"letterSheet", kLetters});
  all.push_back({"letterSheetRed", kLettersRed});
  for (int i = 0; i < kTerrainLoaded; ++i)
    all.push_back({"terrainSheet " + std::to_string(i), kTerrainPictures[i]});
  all.push_back({"figureSheet (player)", kPlayerFigure});
  all.push_back({"figureSheet (hero)", kHeroFigure});
  for (int k = 0; k < kArmyKinds; ++k) {
    if (kArmyKindPictures[k].army.path)
      all.push_back({"armySheet " + std::to_string(k), kArmyKindPictures[k].army});
    if (kArmyKindPictures[k].icon.path)
      all.push_back({"armyIconSheet " + std::to_string(k), kArmyKindPictures[k].icon});
  }
  for (int k = 0; k < kAllyKinds; ++k) {
    all.push_back({"allySheet " + std::to_string(k), kAllyPictures[k].army});
    all.push_back({"allyIconSheet " + std::to_string(k), kAllyPictures[k].icon});
  }
  for (int i = 0; i < kEnemyPictureCount; ++i)
    all.push_back({"enemySheet " + std::to_string(i), kEnemyPictures[i]});
  for (const Picture& p : kPlayerPortraits) all.push_back({"portraitSheet (player)", p});
  for (const Picture& p : kHeroPortraits) all.push_back({"portraitSheet (hero)", p});
  return all;
}

uint32_t Rgb(uint32_t argb) { return argb & 0xFFFFFFu; }

int ChannelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
  return worst;
}

// The pixels of frame k, cut row by row as the sprite sheet does.
std::vector<uint32_t> FramePixels(const BmpImage& img, const Picture& p, int k) {
  const int perRow = img.width / p.frameWidth;
  const int x0 = (k % perRow) * p.frameWidth, y0 = (k / perRow) * p.frameHeight;
  std::vector<uint32_t> out;
  for (int y = y0; y < y0 + p.frameHeight; ++y)
    for (int x = x0; x < x0 + p.frameWidth; ++x)
      out.push_back(Rgb(img.pixels[size_t(y) * img.width + x]));
  return out;
}

bool FrameEmpty(const BmpImage& img, const Picture& p, int k) {
  for (uint32_t px : FramePixels(img, p, k))
    if (px != Rgb(p.key)) return false;
  return true;
}

// Letter codes with no glyph: the space, the caret and the unused code after
// the full stop.
bool BlankLetter(int code) {
  return code == glyph::kSpace || code == glyph::kCaret || code == glyph::kFullStop + 1;
}

class BattleArtFiles : public ::testing::Test {
 protected:
  static BmpImage Load(const Picture& p) {
    BmpImage img;
    EXPECT_TRUE(LoadBmpFile(ResolveGamePath(p.path).c_str(), &img)) << p.path << " is missing";
    return img;
  }
};

}  // namespace

TEST_F(BattleArtFiles, EverySheetHasItsSizeFrameGridAndKey) {
  for (const Entry& e : AllPictures()) {
    const Picture& p = e.picture;
    SCOPED_TRACE(e.sheet + ": " + p.path);
    const BmpImage img = Load(p);
    if (img.pixels.empty()) continue;
    EXPECT_EQ(img.width, p.width);
    EXPECT_EQ(img.height, p.height);
    ASSERT_GT(p.frameWidth, 0);
    ASSERT_GT(p.frameHeight, 0);
    EXPECT_EQ(img.width % p.frameWidth, 0);
    EXPECT_EQ(img.height % p.frameHeight, 0);
    EXPECT_LE(p.frames, (img.width / p.frameWidth) * (img.height / p.frameHeight));
    // No pixel of a red or green keyed picture comes close to the key
    // without being it: an edge blended into the key shows a coloured fringe.
    if (p.key != kKeyRed && p.key != kKeyGreen) continue;
    int fringe = 0;
    for (uint32_t px : img.pixels) {
      const uint32_t c = Rgb(px);
      if (c != Rgb(p.key) && ChannelDistance(c, Rgb(p.key)) < 64) ++fringe;
    }
    EXPECT_EQ(fringe, 0);
  }
}

TEST_F(BattleArtFiles, EveryFrameTheBattleDrawsShowsSomething) {
  for (const Entry& e : AllPictures()) {
    const Picture& p = e.picture;
    if (p.key == kKeyNone) continue;  // an unkeyed picture is filled edge to edge
    SCOPED_TRACE(e.sheet + ": " + p.path);
    const BmpImage img = Load(p);
    if (img.width != p.width || img.height != p.height) continue;  // reported above
    const std::string path = p.path;
    const bool letters = path == kLetters.path || path == kLettersRed.path;
    const int firstCode = path == kLettersRed.path ? kLetterRedFirstCode : 0;
    for (int k = 0; k < p.frames; ++k) {
      if (letters && BlankLetter(firstCode + k)) {
        EXPECT_TRUE(FrameEmpty(img, p, k))
            << "letter code " << firstCode + k << " should draw nothing";
        continue;
      }
      EXPECT_FALSE(FrameEmpty(img, p, k)) << "frame " << k << " is all key colour";
    }
  }
}

// A keyed picture is loaded with the key its sheet passes; a file drawn on
// another key (a shared picture registered by another screen, say) would show
// its ground as a solid block of that key's colour. The generator's palette
// never uses a pure key colour, so no keyed picture holds another key's.
TEST_F(BattleArtFiles, KeyedPicturesHoldNoOtherKeyColour) {
  for (const Entry& e : AllPictures()) {
    const Picture& p = e.picture;
    if (p.key == kKeyNone) continue;
    SCOPED_TRACE(e.sheet + ": " + p.path);
    const BmpImage img = Load(p);
    for (uint32_t other : {kKeyBlack, kKeyRed, kKeyGreen}) {
      if (other == p.key) continue;
      const auto n = std::count_if(img.pixels.begin(), img.pixels.end(),
                                   [&](uint32_t px) { return Rgb(px) == Rgb(other); });
      EXPECT_EQ(n, 0) << std::hex << "pixels of 0x" << other;
    }
  }
}

// Per facing, the walking steps the battle plays back and forth are distinct
// poses, and so are the four steps of a blow.
TEST_F(BattleArtFiles, UnitsWalkAndStrikeInTheirOwnFrames) {
  std::vector<Picture> units = {kPlayerFigure, kHeroFigure};
  for (const ArmyKindPictures& k : kArmyKindPictures)
    if (k.army.path) units.push_back(k.army);
  for (const ArmyKindPictures& k : kAllyPictures) units.push_back(k.army);
  for (const Picture& p : kEnemyPictures) units.push_back(p);
  for (const Picture& p : units) {
    SCOPED_TRACE(p.path);
    const BmpImage img = Load(p);
    if (img.width != p.width || img.height != p.height) continue;
    for (int facing = 0; facing < kFacings; ++facing) {
      const auto stand = FramePixels(img, p, StandFrame(facing));
      EXPECT_NE(FramePixels(img, p, WalkFrame(facing, 1)), stand) << "facing " << facing;
      EXPECT_NE(FramePixels(img, p, WalkFrame(facing, 3)), stand) << "facing " << facing;
      EXPECT_NE(FramePixels(img, p, WalkFrame(facing, 1)),
                FramePixels(img, p, WalkFrame(facing, 3)))
          << "facing " << facing;
      for (int a = 0; a < kFramesPerFacing; ++a) {
        EXPECT_NE(FramePixels(img, p, StrikeFrame(facing, a)), stand)
            << "facing " << facing << " strike " << a;
        for (int b = a + 1; b < kFramesPerFacing; ++b)
          EXPECT_NE(FramePixels(img, p, StrikeFrame(facing, a)),
                    FramePixels(img, p, StrikeFrame(facing, b)))
              << "facing " << facing << " strikes " << a << " and " << b;
      }
    }
  }
}

TEST(BattleArt, FramesTheDrawingAsksForLieOnTheirSheets) {
  // Units: four frames a facing, walking steps 1..3, strikes 0..3.
  for (int facing = 0; facing < kFacings; ++facing) {
    EXPECT_LT(WalkFrame(facing, 3), kStrikeFirstFrame);
    EXPECT_GE(StrikeFrame(facing, 0), kStrikeFirstFrame);
    EXPECT_LT(StrikeFrame(facing, 3), kUnitFrames);
  }
  EXPECT_EQ(StandFrame(1), kEnemyReportFrame);
  for (const Picture* p :
       {&kPlayerFigure, &kHeroFigure, &kEnemyPictures[0], &kAllyPictures[0].army})
    EXPECT_EQ(p->frames, kUnitFrames) << p->path;
  // The plains' decorations.
  for (const Decoration& d : kPlainsDecorations) {
    EXPECT_GE(d.frame, 1);
    EXPECT_LT(d.frame, kTerrainPictures[kTerrainExtras1].frames);
  }
  // Hit effects show the swing frame 1..3; the path dots 0 and 1; the rim 0..2;
  // the moves left (up to 7) are a frame of the moves digits.
  for (int image : {kUiHurt, kUiSomeDown, kUiAllDown}) EXPECT_GE(kUiPictures[image].frames, 4);
  EXPECT_GT(kUiPictures[kUiDot].frames, kDotTarget);
  EXPECT_GT(kUiPictures[kUiBorder].frames, kBorderCorner);
  EXPECT_GT(kUiPictures[kUiMovesDigits].frames, 7);
  for (int image : {kUiEndTurnButton, kUiRetreatButton, kUiYesButton, kUiNoButton, kUiGridButton,
                    kUiQuitButton, kUiOptionsButton})
    EXPECT_EQ(kUiPictures[image].frames, kButtonLooks) << kUiPictures[image].path;
  // Names draw codes up to the last digit from the second sheet and the digits' own.
  EXPECT_EQ(kLetterRedFirstCode + kLettersRed.frames - 1, kLetterLastCode);
  EXPECT_EQ(kUiPictures[kUiNameDigits].frames, kLetterLastCode - kLetterDigitFirstCode + 1);
}

TEST_F(BattleArtFiles, ButtonsShowThreeDifferentLooks) {
  for (int image : {kUiEndTurnButton, kUiRetreatButton, kUiYesButton, kUiNoButton, kUiGridButton,
                    kUiQuitButton, kUiOptionsButton}) {
    const Picture& p = kUiPictures[image];
    SCOPED_TRACE(p.path);
    const BmpImage img = Load(p);
    if (img.width != p.width || img.height != p.height) continue;
    EXPECT_NE(FramePixels(img, p, kLookIdle), FramePixels(img, p, kLookHovered));
    EXPECT_NE(FramePixels(img, p, kLookIdle), FramePixels(img, p, kLookPressed));
    EXPECT_NE(FramePixels(img, p, kLookHovered), FramePixels(img, p, kLookPressed));
  }
}

// The battle tiles one square 8 x 6 times: the colours across each wrapped
// edge must change no more than between neighbouring lines inside.
TEST_F(BattleArtFiles, BackdropsTileWithoutSeams) {
  for (int image : {kTerrainPlains, kTerrainBlackZima, kTerrainGrey, kTerrainDesert, kTerrainGrass,
                    kTerrainBrown}) {
    const Picture& p = kTerrainPictures[image];
    SCOPED_TRACE(p.path);
    const BmpImage img = Load(p);
    if (img.width != p.width || img.height != p.height) continue;
    auto px = [&](int x, int y) { return Rgb(img.pixels[size_t(y) * img.width + x]); };
    auto lineChange = [&](bool columns, int a, int b) {
      long sum = 0;
      const int n = columns ? img.height : img.width;
      for (int t = 0; t < n; ++t)
        sum += columns ? ChannelDistance(px(a, t), px(b, t)) : ChannelDistance(px(t, a), px(t, b));
      return double(sum) / n;
    };
    for (bool columns : {true, false}) {
      const int last = (columns ? img.width : img.height) - 1;
      double inside = 0;
      for (int i = 0; i < last; ++i) inside += lineChange(columns, i, i + 1);
      inside /= last;
      EXPECT_LT(lineChange(columns, last, 0), inside * 2 + 4)
          << (columns ? "left and right" : "top and bottom");
    }
  }
}

// The grid toggle must show: in every battle the grid's line stands out from
// the bulk of the backdrop it is drawn on.
TEST_F(BattleArtFiles, GridReadsOnTheBackdropOfEveryBattle) {
  auto luma = [](uint32_t c) {
    return (299 * ((c >> 16) & 255) + 587 * ((c >> 8) & 255) + 114 * (c & 255)) / 1000;
  };
  auto median = [&](const Picture& p) {
    const BmpImage img = Load(p);
    std::vector<uint32_t> l;
    for (uint32_t px : img.pixels) l.push_back(luma(px));
    if (l.empty()) return 0u;
    std::nth_element(l.begin(), l.begin() + l.size() / 2, l.end());
    return l[l.size() / 2];
  };
  for (uint32_t battle = 1; battle <= 93; ++battle) {
    const bool dark = UsesDarkGrid(battle);
    for (const Picture& line : {dark ? kGridHorizontalDark : kUiPictures[kUiGridHorizontal],
                                dark ? kGridVerticalDark : kUiPictures[kUiGridVertical]}) {
      const BmpImage img = Load(line);
      if (img.pixels.empty()) continue;
      const Picture& ground = kTerrainPictures[BackdropOf(battle)];
      const int contrast = std::abs(int(median(ground)) - int(luma(img.pixels[0])));
      EXPECT_GE(contrast, 30) << "battle " << battle << ": " << line.path << " on " << ground.path;
    }
  }
}

TEST(BattleArt, BackdropsAndGridsByBattle) {
  EXPECT_EQ(BackdropOf(73), kTerrainBlackZima);
  EXPECT_EQ(BackdropOf(62), kTerrainGrey);
  EXPECT_EQ(BackdropOf(93), kTerrainGrey);
  EXPECT_EQ(BackdropOf(60), kTerrainDesert);
  EXPECT_EQ(BackdropOf(17), kTerrainGrass);
  EXPECT_EQ(BackdropOf(45), kTerrainBrown);
  for (uint32_t plains : {1u, 63u, 90u, 0u, 200u})
    EXPECT_EQ(BackdropOf(plains), kTerrainPlains) << plains;
  EXPECT_TRUE(UsesDarkGrid(3));
  EXPECT_TRUE(UsesDarkGrid(4));
  EXPECT_FALSE(UsesDarkGrid(5));
  EXPECT_EQ(FigureOf(1, 0), &kPlayerFigure);
  EXPECT_EQ(FigureOf(1, 3), &kHeroFigure);
  EXPECT_EQ(FigureOf(0, 0), nullptr);
}
