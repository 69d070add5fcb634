// The wealth screen: its captions, the dark wooden background, the plate
// behind a village, town or mine, and the pictures of the eight villages,
// the four towns and the two mines. The gems, artifacts and digits are the
// map's find pictures (art_population.cpp).
#include <cstdio>
#include <string>

#include "assetgen.h"
#include "party/wealth_picture.h"

using namespace assetgen;
namespace wp = wealth_picture;

namespace {

// Dark wood with a faint grain, the same at every edge so that the three
// copies down the screen join.
void DrawBackground(Canvas& c) {
  const Rgb base = Mix(pal::WoodDeep, pal::Ink, 0.35f);
  c.Fill(base);
  for (int y = 0; y < c.h; y += 3) {
    c.Rect(0, y, c.w, 1, Mix(base, c.rng.Chance(0.5f) ? pal::WoodDark : pal::Ink, 0.35f));
  }
  c.Noise(0, 0, c.w, c.h, 5);
}

// A bevelled wooden plate with a gold rim.
void DrawPlate(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 3);
  c.Noise(3, 3, c.w - 6, c.h - 6, 6);
  c.Frame(4, 4, c.w - 8, c.h - 8, pal::GoldDark);
}

void DrawCaption(Canvas& c, const char* text) {
  c.Text(2, 1, c.w - 4, c.h - 2, text, GoldCaption(22));
}

// Sky and ground of a 64 x 64 place picture.
void Ground(Canvas& c, Rgb sky, Rgb ground, int horizon) {
  c.GradientV(0, 0, c.w, horizon, Lighten(sky, 0.25f), sky);
  c.GradientV(0, horizon, c.w, c.h - horizon, ground, Mix(ground, pal::Ink, 0.35f));
  c.Noise(0, horizon, c.w, c.h - horizon, 6);
}

void House(Canvas& c, int x, int base, int w, int h, Rgb wall, Rgb roof) {
  c.Rect(x - 1, base - h - 1, w + 2, h + 2, pal::Ink);
  c.Rect(x, base - h, w, h, wall);
  c.Rect(x + w / 2 - 2, base - 6, 4, 6, pal::WoodDeep);
  const float top = float(base - h - w / 2 - 2);
  c.Polygon({{float(x - 3), float(base - h + 1)},
             {float(x) + float(w) / 2, top - 1},
             {float(x + w + 3), float(base - h + 1)}},
            pal::Ink);
  c.Polygon({{float(x - 2), float(base - h)},
             {float(x) + float(w) / 2, top},
             {float(x + w + 2), float(base - h)}},
            roof);
}

struct VillageLook {
  Rgb sky, ground, wall, roof;
  int houses;
  bool well;
};

// Eight villages told apart by their ground, walls and roofs.
constexpr VillageLook kVillages[wp::kVillageCount] = {
    {pal::BlueLight, pal::Grass, pal::ParchmentLight, pal::Red, 3, false},
    {pal::BlueLight, pal::GrassLight, pal::Parchment, pal::Gold, 2, true},
    {pal::Slate, pal::SlateDark, pal::StoneLight, pal::SlateDark, 3, false},
    {pal::BlueLight, pal::GrassDark, pal::SandLight, pal::WoodLight, 3, true},
    {pal::Fire, pal::Sand, pal::SandLight, pal::SandDark, 2, false},
    {pal::SlateLight, pal::Stone, pal::Parchment, pal::RedDeep, 3, false},
    {pal::BlueLight, pal::Leaf, pal::ParchmentDark, pal::Blue, 2, false},
    {pal::WaterLight, pal::Grass, pal::StoneLight, pal::Bronze, 3, true},
};

void DrawVillage(Canvas& c, int v) {
  const VillageLook& look = kVillages[v];
  Ground(c, look.sky, look.ground, 30);
  const int xs[3] = {6, 26, 44};
  const int bases[3] = {46, 40, 50};
  for (int k = 0; k < look.houses; ++k) {
    const int i = look.houses == 2 ? k * 2 : k;
    House(c, xs[i], bases[i], 14, 10, look.wall,
          k == 1 ? Mix(look.roof, pal::Ink, 0.2f) : look.roof);
  }
  if (look.well) {
    c.Ellipse(31, 55, 5, 3, pal::Ink);
    c.Ellipse(31, 55, 4, 2, pal::StoneLight);
  }
  c.Frame(0, 0, c.w, c.h, pal::Ink);
}

// A walled town: stone wall, two round towers, roofs and a banner in the
// town's colour over the gate.
void DrawTown(Canvas& c, Rgb banner, Rgb roof) {
  Ground(c, pal::BlueLight, pal::Grass, 34);
  const Rgb stone = Mix(pal::StoneLight, pal::Parchment, 0.3f);
  House(c, 14, 34, 12, 10, pal::ParchmentLight, roof);
  House(c, 36, 32, 14, 12, pal::Parchment, roof);
  c.Rect(27, 10, 8, 24, pal::Ink);
  c.Rect(28, 11, 6, 23, pal::StoneLight);
  c.Polygon({{26, 12}, {31, 2}, {36, 12}}, pal::SlateDark);
  c.Rect(3, 33, 58, 20, pal::Ink);
  c.Rect(4, 34, 56, 18, stone);
  for (int x = 4; x < 60; x += 6) c.Rect(x, 31, 4, 3, stone);
  for (int tx : {2, 52}) {
    c.Rect(tx - 1, 25, 12, 29, pal::Ink);
    c.Rect(tx, 26, 10, 27, pal::StoneLight);
    c.Polygon({{float(tx - 2), 27}, {float(tx + 5), 15}, {float(tx + 12), 27}}, pal::RedDeep);
  }
  c.Rect(27, 40, 10, 12, pal::WoodDeep);
  c.Line(31, 2, 31, -4, pal::Ink);
  c.Rect(32, 2, 7, 5, banner);
  c.Rect(33, 38, 5, 2, banner);
  c.Frame(0, 0, c.w, c.h, pal::Ink);
}

// A mine: a rocky hill with a timbered entrance and a cart of its ore.
void DrawMine(Canvas& c, Rgb ore) {
  Ground(c, pal::BlueLight, pal::EarthLight, 36);
  c.Ellipse(30, 40, 30, 24, pal::Ink);
  c.Ellipse(30, 40, 29, 23, Mix(pal::StoneDark, pal::Earth, 0.4f));
  c.Ellipse(24, 34, 18, 12, Mix(pal::Stone, pal::EarthLight, 0.3f));
  c.Rect(20, 38, 18, 20, pal::Ink);
  c.Rect(18, 35, 22, 4, pal::WoodLight);
  c.Rect(18, 38, 4, 20, pal::Wood);
  c.Rect(36, 38, 4, 20, pal::Wood);
  c.Rect(42, 48, 18, 9, pal::Ink);
  c.Rect(43, 49, 16, 7, pal::WoodDark);
  c.Ellipse(51, 48, 8, 4, pal::Ink);
  c.Ellipse(51, 48, 7, 3, ore);
  c.Set(48, 47, Lighten(ore, 0.5f));
  c.Circle(46, 58, 2, pal::Iron);
  c.Circle(56, 58, 2, pal::Iron);
  c.Frame(0, 0, c.w, c.h, pal::Ink);
}

}  // namespace

ASSETGEN_TABLE(WealthPictures) {
  for (const wp::SheetPicture& p : wp::kSheetPictures) {
    if (p.image == wp::kDigits || p.image == wp::kBackButton) continue;  // made elsewhere
    std::function<void(Canvas&)> draw;
    if (p.image == wp::kBackground) draw = DrawBackground;
    else if (p.image == wp::kPlate) draw = DrawPlate;
    else draw = [text = wp::kCaptionTexts[p.image]](Canvas& c) { DrawCaption(c, text); };
    r.Picture(p.file.path, p.file.frameWidth, p.file.frameHeight, p.file.frameWidth,
              p.file.frameHeight, p.file.colourKey, std::move(draw));
  }
  for (int v = 0; v < wp::kVillageCount; ++v) {
    char path[64];
    std::snprintf(path, sizeof path, wp::kVillagePathFormat, v + 1);
    r.Picture(path, wp::kPlaceSize, wp::kPlaceSize, wp::kPlaceSize, wp::kPlaceSize, kKeyNone,
              [v](Canvas& c) { DrawVillage(c, v); });
  }
  // Gold mine, towns 1..4, iron mine.
  const Rgb banners[4] = {pal::Red, pal::Blue, pal::Gold, pal::Grass};
  const Rgb roofs[4] = {pal::Red, pal::RedDeep, pal::WoodLight, pal::SlateDark};
  for (int t = 0; t < wp::kTownCount; ++t) {
    std::function<void(Canvas&)> draw;
    if (t == 0) draw = [](Canvas& c) { DrawMine(c, pal::Gold); };
    else if (t == wp::kTownCount - 1) draw = [](Canvas& c) { DrawMine(c, pal::SlateLight); };
    else draw = [b = banners[t - 1], f = roofs[t - 1]](Canvas& c) { DrawTown(c, b, f); };
    r.Picture(wp::kTownPaths[t], wp::kPlaceSize, wp::kPlaceSize, wp::kPlaceSize, wp::kPlaceSize,
              kKeyNone, std::move(draw));
  }
}
