// The credits screen: its background (stretched to 800 x 600 by the game,
// which writes the credit lines over the middle panel) and its Back button.
#include <cmath>

#include "assetgen.h"

using namespace assetgen;

namespace {

// The background is 256 x 256 drawn at 3.125 x 2.34375: work in screen
// pixels and convert.
constexpr float kSx = 256.0f / 800.0f, kSy = 256.0f / 600.0f;
int X(float screen) { return int(std::lround(screen * kSx)); }
int Y(float screen) { return int(std::lround(screen * kSy)); }

void DrawSky(Canvas& c) {
  int horizon = Y(470);
  c.GradientV(0, 0, c.w, horizon / 2, pal::Night, pal::BlueDeep);
  c.GradientV(0, horizon / 2, c.w, horizon - horizon / 2, pal::BlueDeep,
              Mix(pal::Purple, pal::RedDeep, 0.4f));
  c.GradientV(0, horizon, c.w, c.h - horizon, Mix(pal::RedDeep, pal::Fire, 0.3f), pal::RedDeep);
  // Stars, thinning towards the horizon.
  for (int i = 0; i < 90; ++i) {
    int x = c.rng.Int(0, c.w - 1), y = c.rng.Int(0, horizon * 2 / 3);
    c.Set(x, y, c.rng.Chance(0.3f) ? pal::GoldLight : pal::ParchmentLight);
  }
  // The moon, top left.
  c.Ellipse(X(95), Y(70), X(34), Y(34), pal::ParchmentLight);
  c.Ellipse(X(108), Y(62), X(30), Y(31), Mix(pal::Night, pal::BlueDeep, 0.2f));
}

void DrawLand(Canvas& c) {
  // Two ranges of hills, the far one lighter.
  for (int x = 0; x < c.w; ++x) {
    float fx = float(x);
    int far = Y(440) + int(6 * std::sin(fx * 0.07f) + 4 * std::sin(fx * 0.19f + 1.3f));
    int near = Y(500) + int(8 * std::sin(fx * 0.045f + 2.0f) + 3 * std::sin(fx * 0.23f));
    c.Rect(x, far, 1, c.h - far, Mix(pal::GrassDark, pal::Night, 0.55f));
    c.Rect(x, near, 1, c.h - near, Mix(pal::GrassDark, pal::Night, 0.75f));
  }
  // The castle on the left hill, left of the panel.
  auto CX = [](float x) { return X(10 + (x - 18) * 0.85f); };
  auto W = [](float w) { return X(w * 0.85f); };
  Rgb wall = Mix(pal::SlateDark, pal::Night, 0.6f);
  int base = Y(470);
  c.Rect(CX(30), Y(330), W(120), base - Y(330), wall);
  for (int t = 0; t < 2; ++t) {
    int tx = t == 0 ? CX(18) : CX(128);
    c.Rect(tx, Y(280), W(36), base - Y(280), wall);
    c.Polygon({{float(tx - 1), float(Y(280))},
               {float(tx + W(18)), float(Y(225))},
               {float(tx + W(36) + 1), float(Y(280))}},
              Mix(pal::RedDeep, pal::Night, 0.4f));
  }
  c.Rect(CX(66), Y(260), W(46), base - Y(260), wall);
  c.Polygon({{float(CX(64)), float(Y(260))},
             {float(CX(89)), float(Y(190))},
             {float(CX(114)), float(Y(260))}},
            Mix(pal::BlueDeep, pal::Night, 0.3f));
  for (int i = 0; i < 6; ++i) c.Rect(CX(30 + i * 22.0f), Y(320), W(12), Y(10), wall);
  // Lit windows and a gate.
  const float win[][2] = {{36, 320}, {146, 320}, {89, 300}, {60, 380}, {118, 380}};
  for (auto& w : win) c.Rect(CX(w[0]) - 1, Y(w[1]), 2, 3, pal::FireLight);
  c.Rect(CX(80), Y(420), W(20), base - Y(420), pal::WoodDeep);
  // A banner on the keep.
  c.Line(CX(89), Y(190), CX(89), Y(160), pal::StoneLight);
  c.Rect(CX(89) + 1, Y(160), 5, 3, pal::Gold);
}

void DrawPanel(Canvas& c) {
  // The panel the credit lines are written on: screen x 150..785, y 70..565.
  int x = X(150), y = Y(70), w = X(785) - x, h = Y(565) - y;
  c.Rect(x + 2, y + 2, w, h, Mix(pal::Ink, pal::Night, 0.5f));  // shadow down-right
  c.Panel(x, y, w, h, pal::Wood, 2);
  c.Noise(x + 3, y + 3, w - 6, h - 6, 6);
  Rgb inside = Mix(pal::WoodDeep, pal::Ink, 0.35f);
  c.Well(x + 5, y + 5, w - 10, h - 10, inside, 1);
  c.Noise(x + 6, y + 6, w - 12, h - 12, 3);
  c.Frame(x + 8, y + 8, w - 16, h - 16, pal::GoldDark);
  // Gold studs at the corners.
  const int cx[2] = {x + 2, x + w - 4}, cy[2] = {y + 2, y + h - 4};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      c.Rect(cx[i], cy[j], 3, 3, pal::Gold);
      c.Set(cx[i], cy[j], pal::GoldLight);
    }
}

void DrawBackground(Canvas& c) {
  DrawSky(c);
  DrawLand(c);
  DrawPanel(c);
  c.Vignette(0, 0, c.w, c.h, 0.35f);
}

}  // namespace

ASSETGEN_TABLE(CreditsPictures) {
  r.Picture("Art\\Menu\\Back15Back.bmp", 256, 256, 256, 256, kKeyNone, DrawBackground);
  // Three looks side by side; also loaded with red and white keys elsewhere,
  // so it is fully opaque and has neither colour.
  r.Picture("Art\\Controls\\ButtonBack.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { DrawButtonLooks(c, 64, 32, "Back"); });
}
