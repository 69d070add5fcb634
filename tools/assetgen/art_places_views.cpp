// The place pictures (512 x 512, stretched over the left 634 x 600 of the
// place screen): the nine villages, the four towns, the palace, the temple
// and the tower, each its own view. A village is thatched cottages among its
// fields, a town a stone wall with towers and a gate and roofs behind it, the
// palace white and gold under domes, the temple a golden-roofed colonnade on
// steps, the tower a dark spire in the grey wasteland. The castle's picture is
// the main menu's. Every place varies its ground, sky and the one thing it is
// known for (Kapusta's cabbages, Burak's beets, the Iron Village's forge, ...).
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "art_places.h"
#include "assetgen.h"
#include "places/house_art.h"

using namespace assetgen;
namespace ha = house_art;

namespace {

constexpr int kSize = ha::kViewSize;
constexpr float kPi = 3.14159265f;

// ------------------------------------------------------------------ layers

// Buildings, trees and props are drawn on a keyed layer, ringed with ink and
// stamped onto the view with a short shadow down-right (light from the top
// left).
Canvas Layer() { return Canvas(kSize, kSize, kKeyRed, 7); }

void Stamp(Canvas& view, Canvas& layer, int shadow = 3) {
  layer.OutlineShapes(pal::Ink);
  for (int y = 0; y < layer.h; ++y)
    for (int x = 0; x < layer.w; ++x) {
      if (layer.IsKey(x, y)) continue;
      for (int s = 1; s <= shadow; ++s) {
        int tx = x + s, ty = y + s;
        if (tx < layer.w && ty < layer.h && layer.IsKey(tx, ty))
          view.Set(tx, ty, Darken(view.Get(tx, ty), 0.3f / float(s)));
      }
    }
  view.Blit(layer, 0, 0, true);
}

// ------------------------------------------------------------------ sky and land

struct SkyLook {
  Rgb top, bottom;
  Rgb cloud;  // 0: no clouds
  int clouds;
  Rgb sun;  // 0: no sun
  float sunX, sunY, sunR;
};

SkyLook Sky(Rgb top, Rgb bottom, Rgb cloud, int clouds) {
  return {top, bottom, cloud, clouds, 0, 0, 0, 0};
}
SkyLook Sun(SkyLook s, Rgb sun, float x, float y, float r) {
  s.sun = sun;
  s.sunX = x;
  s.sunY = y;
  s.sunR = r;
  return s;
}

void PaintSky(Canvas& c, int horizon, const SkyLook& s) {
  c.GradientV(0, 0, kSize, horizon, s.top, s.bottom);
  if (s.sun) {
    c.Circle(s.sunX, s.sunY, s.sunR * 1.5f, Mix(s.sun, s.bottom, 0.6f));
    c.Circle(s.sunX, s.sunY, s.sunR * 1.2f, Mix(s.sun, s.bottom, 0.3f));
    c.Circle(s.sunX, s.sunY, s.sunR, s.sun);
  }
  for (int i = 0; i < s.clouds && s.cloud; ++i) {
    float x = c.rng.Range(-20, kSize + 20.0f), y = c.rng.Range(30, horizon * 0.6f);
    if (x > 140 && x < 340 && y < 95) y += 60;  // keep the name plate on clear sky
    float w = c.rng.Range(30, 60);
    Rgb shade = Mix(s.cloud, s.top, 0.35f);
    for (int k = 0; k < 5; ++k) {
      float dx = (float(k) - 2) * w * 0.35f, r = w * (0.35f - std::abs(float(k) - 2) * 0.07f);
      c.Ellipse(x + dx + 2, y + 3, r, r * 0.6f, shade);
    }
    for (int k = 0; k < 5; ++k) {
      float dx = (float(k) - 2) * w * 0.35f, r = w * (0.35f - std::abs(float(k) - 2) * 0.07f);
      c.Ellipse(x + dx, y, r * 0.95f, r * 0.55f, s.cloud);
    }
  }
}

// A ridge of hills or mountains: the top line as a sum of waves, slopes that
// face the light lighter; snow above snowLine (0: none). Filled down to the
// bottom of the picture; later grounds cover it.
void Ridge(Canvas& c, float base, float amp, float freq, float phase, Rgb colour,
           float snowLine = 0, bool smooth = false) {
  auto top = [&](float x) {
    return base - amp * (0.55f + 0.3f * std::sin(x * freq + phase) +
                         0.15f * std::sin(x * freq * 2.7f + phase * 1.9f) +
                         0.08f * std::sin(x * freq * 6.1f + phase * 0.7f));
  };
  for (int x = 0; x < kSize; ++x) {
    float y = top(float(x)), slope = top(float(x) + 1) - y;
    Rgb col = slope < 0 ? Lighten(colour, 0.1f) : Darken(colour, 0.12f);
    if (smooth)
      col = Mix(Lighten(colour, 0.12f), Darken(colour, 0.12f),
                std::clamp(0.5f + slope * 2, 0.0f, 1.0f));
    int yi = int(y);
    c.Rect(x, yi, 1, kSize - yi, col);
    if (snowLine > 0 && y < snowLine) {
      int snowEnd = int(snowLine + (snowLine - y) * 0.15f);
      c.Rect(x, yi, 1, snowEnd - yi, slope < 0 ? pal::ParchmentLight : pal::StoneLight);
    }
  }
}

void PaintGround(Canvas& c, int horizon, Rgb far, Rgb near, Rgb speck, float density) {
  c.GradientV(0, horizon, kSize, kSize - horizon, far, near);
  c.Noise(0, horizon, kSize, kSize - horizon, 5);
  c.Speckle(0, horizon, kSize, kSize - horizon, speck, density);
}

// A road from the bottom of the picture up to (x, y), narrowing with distance.
void Road(Canvas& c, float x, float y, float topWidth, float bottomX, float bottomWidth,
          Rgb colour) {
  c.Polygon({{x - topWidth / 2, y},
             {x + topWidth / 2, y},
             {bottomX + bottomWidth / 2, float(kSize)},
             {bottomX - bottomWidth / 2, float(kSize)}},
            colour);
  c.Speckle(int(std::min(x, bottomX) - bottomWidth / 2), int(y),
            int(bottomWidth + std::abs(x - bottomX)), int(kSize - y), Darken(colour, 0.2f), 0.05f);
}

// ------------------------------------------------------------------ plants

void Tree(Canvas& l, float x, float base, float s, Rgb leaf) {
  l.Rect(int(x - 2 * s), int(base - 12 * s), int(std::max(2.0f, 4 * s)), int(12 * s),
         pal::WoodDark);
  l.Ellipse(x, base - 20 * s, 12 * s, 12 * s, Darken(leaf, 0.2f));
  l.Ellipse(x - 2 * s, base - 22 * s, 10 * s, 10 * s, leaf);
  l.Ellipse(x - 4 * s, base - 25 * s, 5 * s, 5 * s, Lighten(leaf, 0.2f));
}

void Pine(Canvas& l, float x, float base, float s, Rgb needles) {
  l.Rect(int(x - 1.5f * s), int(base - 8 * s), int(std::max(2.0f, 3 * s)), int(8 * s),
         pal::WoodDark);
  for (int k = 0; k < 3; ++k) {
    float top = base - 8 * s - float(k + 1) * 11 * s, w = (14 - float(k) * 3.5f) * s;
    l.Polygon({{x - w, top + 14 * s}, {x, top}, {x + w, top + 14 * s}}, needles);
    l.Polygon({{x, top}, {x + w, top + 14 * s}, {x + w * 0.2f, top + 14 * s}},
              Darken(needles, 0.2f));
  }
}

void Palm(Canvas& l, float x, float base, float s) {
  float tx = x + 8 * s, ty = base - 48 * s;
  for (int k = 0; k < 8; ++k) {
    float t0 = float(k) / 8, t1 = float(k + 1) / 8;
    l.ThickLine(x + (tx - x) * t0 * t0, base + (ty - base) * t0, x + (tx - x) * t1 * t1,
                base + (ty - base) * t1, 4 * s, k % 2 ? pal::WoodLight : pal::Wood);
  }
  for (int k = 0; k < 6; ++k) {
    float a = kPi * (1.1f + 0.16f * float(k));
    float ex = tx + std::cos(a) * 22 * s, ey = ty + std::sin(a) * 10 * s + 8 * s;
    l.ThickLine(tx, ty, (tx + ex) / 2, ey - 6 * s, 4 * s, pal::Leaf);
    l.ThickLine((tx + ex) / 2, ey - 6 * s, ex, ey, 3 * s, pal::Leaf);
  }
  l.Circle(tx, ty + 2 * s, 3 * s, pal::WoodDark);
}

void DeadTree(Canvas& l, float x, float base, float s) {
  l.ThickLine(x, base, x + 2 * s, base - 34 * s, 4 * s, pal::EarthDark);
  l.ThickLine(x + 1 * s, base - 18 * s, x - 12 * s, base - 30 * s, 2.5f * s, pal::EarthDark);
  l.ThickLine(x + 2 * s, base - 26 * s, x + 14 * s, base - 38 * s, 2.5f * s, pal::EarthDark);
  l.ThickLine(x - 12 * s, base - 30 * s, x - 16 * s, base - 38 * s, 1.5f * s, pal::EarthDark);
}

void Bush(Canvas& l, float x, float base, float s, Rgb leaf) {
  l.Ellipse(x, base - 5 * s, 9 * s, 6 * s, Darken(leaf, 0.15f));
  l.Ellipse(x - 2 * s, base - 7 * s, 6 * s, 4 * s, leaf);
}

// A field of crop rows between two depths; plant draws one plant at a size.
template <typename Plant>
void Field(Canvas& c, float x0, float x1, float y0, float y1, Rgb soil, int rows, Plant plant) {
  c.Polygon({{x0 + 10, y0}, {x1 - 10, y0}, {x1, y1}, {x0, y1}}, soil);
  for (int r = 0; r < rows; ++r) {
    float t = (float(r) + 0.5f) / float(rows), y = y0 + (y1 - y0) * t;
    float xa = x0 + 10 * (1 - t), xb = x1 - 10 * (1 - t), s = 0.6f + 0.6f * t;
    c.Rect(int(xa), int(y + 2 * s), int(xb - xa), 1, Darken(soil, 0.25f));
    for (float x = xa + 6 * s; x < xb - 4 * s; x += 13 * s) plant(c, x, y, s);
  }
}

void Cabbage(Canvas& c, float x, float y, float s) {
  c.Circle(x, y, 5 * s, Darken(pal::GrassLight, 0.15f));
  c.Circle(x - 1 * s, y - 1 * s, 3 * s, Lighten(pal::GrassLight, 0.25f));
  c.Line(int(x), int(y - 3 * s), int(x), int(y + 3 * s), pal::GrassDark);
}

void Beet(Canvas& c, float x, float y, float s) {
  c.Ellipse(x - 3 * s, y - 5 * s, 2 * s, 5 * s, pal::Leaf);
  c.Ellipse(x + 3 * s, y - 5 * s, 2 * s, 5 * s, pal::Grass);
  c.Circle(x, y, 3.5f * s, Mix(pal::RedDeep, pal::Purple, 0.4f));
  c.Circle(x - 1 * s, y - 1 * s, 1.2f * s, pal::RedLight);
}

void Wheat(Canvas& c, float x, float y, float s) {
  for (int k = -1; k <= 1; ++k) {
    c.ThickLine(x + float(k) * 2 * s, y + 2 * s, x + float(k) * 3 * s, y - 9 * s, 1.2f,
                pal::GoldDark);
    c.Ellipse(x + float(k) * 3 * s, y - 9 * s, 1.3f * s, 3 * s, pal::Gold);
  }
}

void Potato(Canvas& c, float x, float y, float s) {
  c.Ellipse(x, y, 6 * s, 3 * s, pal::EarthLight);
  c.Ellipse(x, y - 3 * s, 3 * s, 2.5f * s, pal::Leaf);
  c.Circle(x - 1 * s, y - 4 * s, 1 * s, pal::GrassLight);
}

void Rhubarb(Canvas& c, float x, float y, float s) {
  c.ThickLine(x - 2 * s, y + 2 * s, x - 4 * s, y - 7 * s, 1.8f * s, pal::RedLight);
  c.ThickLine(x + 2 * s, y + 2 * s, x + 4 * s, y - 6 * s, 1.8f * s, pal::Red);
  c.Ellipse(x - 4 * s, y - 9 * s, 5 * s, 3.5f * s, pal::Grass);
  c.Ellipse(x + 4 * s, y - 8 * s, 4.5f * s, 3 * s, pal::Leaf);
}

void GrassTufts(Canvas& c, int y0, int y1, Rgb blade, int count) {
  for (int i = 0; i < count; ++i) {
    float x = c.rng.Range(0, float(kSize)), y = c.rng.Range(float(y0), float(y1));
    float s = 0.5f + (y - y0) / float(std::max(1, y1 - y0)) * 1.2f;
    for (int k = -1; k <= 1; ++k)
      c.ThickLine(x, y, x + float(k) * 3 * s, y - (6 + float(k == 0) * 3) * s, 1.0f, blade);
  }
}

// ------------------------------------------------------------------ buildings

enum class RoofKind { Thatch, Tiles, Slate, Flat };

struct HouseLook {
  Rgb wall, roof;
  RoofKind kind;
  bool timber;  // dark beams on the walls
  bool chimney;
};

// A house seen from the front left: the gable end facing us, the long side
// in shade to the right, the roof over both. (x, base) is the front corner's
// foot; w, h the gable's width and wall height, d the depth.
void House(Canvas& l, float x, float base, float w, float h, float d, const HouseLook& look) {
  const float rise = d * 0.35f, ridge = base - h - w * 0.5f;
  const float top = base - h;
  // Side wall.
  l.Polygon({{x + w, top}, {x + w + d, top - rise}, {x + w + d, base - rise}, {x + w, base}},
            Darken(look.wall, 0.28f));
  // Front wall and gable.
  l.Rect(int(x), int(top), int(w), int(h) + 1, look.wall);
  if (look.kind != RoofKind::Flat) {
    l.Polygon({{x, top}, {x + w / 2, ridge}, {x + w, top}}, look.wall);
    // Roof over the side, with an overhang along the gable.
    l.Polygon({{x + w / 2, ridge - 1},
               {x + w / 2 + d, ridge - rise - 1},
               {x + w + d + 4, top - rise + 3},
               {x + w + 4, top + 3}},
              look.roof);
    l.ThickLine(x - 3, top + 3, x + w / 2, ridge - 1, 3, Lighten(look.roof, 0.15f));
    l.ThickLine(x + w / 2, ridge - 1, x + w + 4, top + 3, 3, Darken(look.roof, 0.1f));
    // Texture along the roof.
    Rgb streak = Darken(look.roof, 0.2f);
    int lines = look.kind == RoofKind::Thatch ? 7 : 5;
    for (int k = 1; k < lines; ++k) {
      float t = float(k) / float(lines);
      float ax = x + w / 2 + (4) * t + (w / 2) * t, ay = ridge + (top + 3 - ridge) * t;
      l.Line(int(ax), int(ay), int(ax + d), int(ay - rise), streak);
    }
    if (look.kind == RoofKind::Thatch)
      for (int k = 0; k < 10; ++k) {
        float t = float(k) / 10.0f;
        l.Line(int(x + w + 4 + d * t), int(top - rise * t + 3), int(x + w + 4 + d * t),
               int(top - rise * t + 6), Darken(look.roof, 0.3f));
      }
  } else {
    l.Polygon(
        {{x - 1, top}, {x + d - 1, top - rise}, {x + w + d + 1, top - rise}, {x + w + 1, top}},
        Lighten(look.wall, 0.15f));
  }
  if (look.chimney && look.kind != RoofKind::Flat) {
    float cx = x + w / 2 + d * 0.6f, cy = ridge - rise * 0.6f;
    l.Rect(int(cx), int(cy - 8), 6, 12, pal::StoneDark);
    l.Rect(int(cx - 1), int(cy - 9), 8, 2, pal::Stone);
  }
  if (look.timber) {
    Rgb beam = pal::WoodDark;
    l.Rect(int(x), int(top), int(w), 2, beam);
    l.Rect(int(x), int(top), 2, int(h), beam);
    l.Rect(int(x + w - 2), int(top), 2, int(h), beam);
    l.Line(int(x + 2), int(top + 2), int(x + w / 2 - 4), int(base - 2), beam);
  }
  // Door and windows.
  float dw = std::max(5.0f, w * 0.22f), dh = std::max(8.0f, h * 0.6f);
  l.Rect(int(x + w / 2 - dw / 2), int(base - dh), int(dw), int(dh), pal::WoodDeep);
  l.Rect(int(x + w / 2 - dw / 2 + 1), int(base - dh + 1), int(dw - 2), int(dh - 1), pal::Wood);
  l.Rect(int(x + w / 2), int(base - dh + 1), 1, int(dh - 1), pal::WoodDark);
  if (w >= 24) {
    float wy = top + h * 0.25f, ws = std::max(4.0f, w * 0.14f);
    l.Rect(int(x + w * 0.12f), int(wy), int(ws), int(ws), pal::FireLight);
    l.Rect(int(x + w * 0.88f - ws), int(wy), int(ws), int(ws), pal::FireLight);
  }
  for (float t = 0.25f; t < 0.9f; t += 0.35f) {
    float wx = x + w + d * t, wy = top - rise * t + h * 0.3f;
    l.Rect(int(wx), int(wy), 4, 5, Mix(pal::FireLight, pal::Fire, 0.4f));
  }
}

// A round tower with a cone roof or battlements; (cx, base) its foot.
void RoundTower(Canvas& l, float cx, float top, float base, float r, Rgb stone, Rgb roof,
                bool cone) {
  l.Rect(int(cx - r), int(top), int(2 * r), int(base - top), stone);
  l.Rect(int(cx - r), int(top), int(r * 0.5f), int(base - top), Lighten(stone, 0.15f));
  l.Rect(int(cx + r * 0.4f), int(top), int(r * 0.6f) + 1, int(base - top), Darken(stone, 0.22f));
  for (float y = top + 8; y < base - 4; y += 9)
    l.Line(int(cx - r), int(y), int(cx + r), int(y), Darken(stone, 0.12f));
  if (cone) {
    l.Polygon({{cx - r - 4, top + 2}, {cx, top - r * 2.4f}, {cx + r + 4, top + 2}}, roof);
    l.Polygon({{cx, top - r * 2.4f}, {cx + r + 4, top + 2}, {cx + r * 0.2f, top + 2}},
              Darken(roof, 0.2f));
    l.Line(int(cx), int(top - r * 2.4f), int(cx), int(top - r * 2.4f - 10), pal::WoodDark);
    l.Rect(int(cx + 1), int(top - r * 2.4f - 10), 8, 5, pal::Red);
  } else {
    l.Rect(int(cx - r - 2), int(top - 4), int(2 * r + 4), 5, stone);
    for (float x = cx - r - 2; x < cx + r; x += 7) l.Rect(int(x), int(top - 9), 4, 5, stone);
  }
  l.Rect(int(cx - 2), int(top + (base - top) * 0.3f), 4, 7, pal::Night);
}

// A stone wall with battlements from x0 to x1, foot at base.
void Wall(Canvas& l, float x0, float x1, float base, float h, Rgb stone) {
  l.Rect(int(x0), int(base - h), int(x1 - x0), int(h), stone);
  l.Rect(int(x0), int(base - h), int(x1 - x0), 2, Lighten(stone, 0.2f));
  for (float x = x0; x < x1 - 3; x += 9) l.Rect(int(x), int(base - h - 6), 5, 6, stone);
  for (float y = base - h + 8; y < base - 2; y += 8)
    for (float x = x0 + (int(y) % 16 < 8 ? 0 : 7); x < x1 - 2; x += 14)
      l.Rect(int(x), int(y), 12, 1, Darken(stone, 0.15f));
}

void Gate(Canvas& l, float cx, float base, float w, float h) {
  l.Rect(int(cx - w / 2), int(base - h), int(w), int(h), pal::WoodDeep);
  l.Ellipse(cx, base - h, w / 2, w / 2.5f, pal::WoodDeep);
  for (float x = cx - w / 2 + 3; x < cx + w / 2 - 1; x += 5)
    l.Line(int(x), int(base - h - w / 3), int(x), int(base - 1), pal::WoodDark);
}

// An onion dome on a drum; (cx, base) the drum's foot.
void OnionDome(Canvas& l, float cx, float base, float r, Rgb drum, Rgb dome) {
  l.Rect(int(cx - r * 0.8f), int(base - r * 1.2f), int(r * 1.6f), int(r * 1.2f), drum);
  float y = base - r * 1.2f - r * 0.8f;
  l.Ellipse(cx, y, r, r * 0.95f, dome);
  l.Polygon({{cx - r * 0.7f, y - r * 0.6f}, {cx, y - r * 2.0f}, {cx + r * 0.7f, y - r * 0.6f}},
            dome);
  l.Ellipse(cx - r * 0.35f, y - r * 0.2f, r * 0.25f, r * 0.45f, Lighten(dome, 0.35f));
  l.Line(int(cx), int(y - r * 2.0f), int(cx), int(y - r * 2.0f - 8), pal::GoldDark);
}

void Fence(Canvas& l, float x0, float x1, float y, float s) {
  for (float x = x0; x <= x1; x += 12 * s)
    l.Rect(int(x), int(y - 10 * s), int(std::max(2.0f, 2 * s)), int(10 * s), pal::Wood);
  l.Rect(int(x0), int(y - 8 * s), int(x1 - x0 + 2 * s), int(std::max(1.0f, 1.5f * s)),
         pal::WoodLight);
  l.Rect(int(x0), int(y - 4 * s), int(x1 - x0 + 2 * s), int(std::max(1.0f, 1.5f * s)),
         pal::WoodLight);
}

void Well(Canvas& l, float cx, float base) {
  l.Rect(int(cx - 12), int(base - 12), 24, 12, pal::Stone);
  l.Ellipse(cx, base - 12, 12, 4, pal::StoneLight);
  l.Ellipse(cx, base - 12, 9, 2.5f, pal::Night);
  l.Rect(int(cx - 12), int(base - 36), 2, 24, pal::WoodDark);
  l.Rect(int(cx + 10), int(base - 36), 2, 24, pal::WoodDark);
  l.Polygon({{cx - 16, base - 34}, {cx, base - 44}, {cx + 16, base - 34}}, pal::Wood);
}

void Haystack(Canvas& l, float cx, float base, float s) {
  l.Ellipse(cx, base - 10 * s, 14 * s, 12 * s, pal::Gold);
  l.Rect(int(cx - 14 * s), int(base - 10 * s), int(28 * s), int(10 * s), pal::Gold);
  for (int k = 0; k < 5; ++k)
    l.Line(int(cx - 10 * s + float(k) * 5 * s), int(base - 18 * s),
           int(cx - 12 * s + float(k) * 6 * s), int(base - 2), pal::GoldDark);
}

void Windmill(Canvas& l, float cx, float base, float s) {
  l.Polygon({{cx - 10 * s, base},
             {cx - 6 * s, base - 40 * s},
             {cx + 6 * s, base - 40 * s},
             {cx + 10 * s, base}},
            pal::ParchmentDark);
  l.Polygon({{cx - 8 * s, base - 40 * s}, {cx, base - 50 * s}, {cx + 8 * s, base - 40 * s}},
            pal::RedDeep);
  float hx = cx, hy = base - 40 * s;
  for (int k = 0; k < 4; ++k) {
    float a = kPi / 4 + float(k) * kPi / 2;
    float ex = hx + std::cos(a) * 30 * s, ey = hy + std::sin(a) * 30 * s;
    l.ThickLine(hx, hy, ex, ey, 2 * s, pal::WoodDark);
    float px = -std::sin(a) * 5 * s, py = std::cos(a) * 5 * s;
    l.Polygon({{hx + (ex - hx) * 0.3f, hy + (ey - hy) * 0.3f},
               {ex, ey},
               {ex + px, ey + py},
               {hx + (ex - hx) * 0.3f + px, hy + (ey - hy) * 0.3f + py}},
              pal::ParchmentLight);
  }
  l.Circle(hx, hy, 3 * s, pal::WoodDeep);
}

// A hot-air balloon in red and gold gores: a round top narrowing to the
// mouth, (cx, cy) the middle of the round part, r its radius.
void Balloon(Canvas& l, float cx, float cy, float r) {
  for (int y = int(cy - r); y <= int(cy + r * 1.5f); ++y)
    for (int x = int(cx - r); x <= int(cx + r); ++x) {
      float u = (float(x) + 0.5f - cx) / r, v = (float(y) + 0.5f - cy) / r;
      float half = v <= 0 ? std::sqrt(std::max(0.0f, 1 - v * v)) : 1.0f - 0.75f * v / 1.5f;
      if (v > 0) half = std::min(half, std::sqrt(std::max(0.0f, 1 - v * v * 0.25f)));
      if (std::abs(u) > half) continue;
      // The gores bend with the shape: stripe by the angle across the width.
      int gore = int(std::floor((std::asin(std::clamp(u / half, -1.0f, 1.0f)) / kPi + 0.5f) * 6));
      Rgb col = gore % 2 ? pal::Gold : pal::Red;
      if (u < -0.35f * half && v < 0.3f) col = Lighten(col, 0.2f);
      if (u > 0.55f * half) col = Darken(col, 0.2f);
      l.Set(x, y, col);
    }
  const float mouth = cy + r * 1.5f;
  l.Line(int(cx - r * 0.25f), int(mouth), int(cx - r * 0.2f), int(mouth + r * 0.5f), pal::WoodDark);
  l.Line(int(cx + r * 0.25f), int(mouth), int(cx + r * 0.2f), int(mouth + r * 0.5f), pal::WoodDark);
  l.Rect(int(cx - r * 0.25f), int(mouth + r * 0.5f), int(std::max(3.0f, r * 0.5f)),
         int(std::max(3.0f, r * 0.35f)), pal::Wood);
}

// The Iron Village's smithy: an open forge under a slate roof with its fire
// and chimney, the anvil before it and a heap of ore; (x, base) its front
// corner's foot.
void Forge(Canvas& l, float x, float base) {
  House(l, x, base, 100, 56, 60, {pal::StoneDark, pal::SlateDark, RoofKind::Slate, false, false});
  l.Rect(int(x + 10), int(base - 44), 80, 44, pal::Night);
  l.Ellipse(x + 50, base - 10, 26, 10, pal::Fire);
  l.Ellipse(x + 50, base - 12, 14, 6, pal::FireLight);
  l.Rect(int(x + 104), int(base - 110), 16, 60, pal::StoneDark);
  l.Rect(int(x + 102), int(base - 114), 20, 5, pal::Stone);
  // The anvil.
  const float ax = x + 140, ay = base + 30;
  l.Polygon({{ax - 22, ay - 22},
             {ax + 22, ay - 22},
             {ax + 14, ay - 14},
             {ax + 6, ay - 14},
             {ax + 6, ay},
             {ax - 10, ay},
             {ax - 10, ay - 14},
             {ax - 14, ay - 14}},
            pal::Iron);
  l.Rect(int(ax - 20), int(ay - 22), 36, 2, pal::Steel);
  // Ore in a wooden trough.
  l.Rect(int(x + 10), int(base + 44), 70, 16, pal::WoodDark);
  for (int i = 0; i < 9; ++i)
    l.Circle(x + 18 + float(i % 5) * 13, base + 42 - float(i / 5) * 7, 7,
             i % 2 ? pal::Iron : pal::SlateDark);
}

// Smoke rising from (x, y), drifting right as it thins.
void Smoke(Canvas& c, float x, float y) {
  for (int k = 0; k < 9; ++k) {
    const float cx = x + float(k) * 10 + std::sin(float(k) * 1.3f) * 6, cy = y - float(k) * 24;
    const float r = 8 + float(k) * 3;
    for (int yy = int(cy - r); yy <= int(cy + r); ++yy)
      for (int xx = int(cx - r); xx <= int(cx + r); ++xx)
        if ((float(xx) - cx) * (float(xx) - cx) + (float(yy) - cy) * (float(yy) - cy) <= r * r)
          c.Blend(xx, yy, Mix(pal::SlateLight, pal::StoneLight, 0.5f), 0.7f - float(k) * 0.07f);
  }
}

// ------------------------------------------------------------------ villages

struct VillageLook {
  SkyLook sky;
  int horizon;
  Rgb hills;
  bool mountains;
  Rgb groundFar, groundNear, speck;
  float speckDensity = 0.05f;
  Rgb road;
  HouseLook house;
};

VillageLook GreenVillage() {
  VillageLook v;
  const Rgb haze = Lighten(pal::WaterLight, 0.45f);
  v.sky = Sun(Sky(pal::BlueLight, haze, pal::ParchmentLight, 5), pal::ParchmentLight, 420, 70, 18);
  v.horizon = 220;
  v.hills = Mix(pal::GrassDark, pal::BlueLight, 0.35f);
  v.mountains = false;
  v.groundFar = Mix(pal::Grass, pal::GrassLight, 0.3f);
  v.groundNear = pal::GrassDark;
  v.speck = pal::GrassLight;
  v.road = pal::SandDark;
  v.house = {Mix(pal::Parchment, pal::SandLight, 0.5f), Mix(pal::Gold, pal::WoodLight, 0.55f),
             RoofKind::Thatch, true, true};
  return v;
}

// The land, the hills and the road shared by the villages.
void VillageLand(Canvas& c, const VillageLook& v) {
  PaintSky(c, v.horizon, v.sky);
  if (v.mountains) {
    Ridge(c, float(v.horizon) + 10, 150, 0.012f, 1.3f, pal::Slate, float(v.horizon) - 70);
    Ridge(c, float(v.horizon) + 20, 60, 0.02f, 0.2f, Mix(pal::SlateDark, pal::GrassDark, 0.4f));
  } else {
    Ridge(c, float(v.horizon) + 8, 45, 0.011f, 0.8f, v.hills);
    Ridge(c, float(v.horizon) + 14, 22, 0.02f, 2.4f, Mix(v.hills, v.groundFar, 0.5f));
  }
  PaintGround(c, v.horizon + 10, v.groundFar, v.groundNear, v.speck, v.speckDensity);
  Road(c, 300, float(v.horizon + 40), 14, 260, 150, v.road);
}

// Five cottages on the middle ground, back to front, leaving the road free.
void Cottages(Canvas& c, const HouseLook& look, int count, float scale) {
  struct Lot {
    float x, base, w;
  };
  const Lot spots[5] = {
      {118, 262, 46}, {352, 258, 42}, {40, 300, 54}, {380, 318, 60}, {170, 312, 50}};
  // Each village shifts its houses a little; the farther ones are drawn first.
  std::vector<Lot> lots;
  for (int i = 0; i < std::min(count, 5); ++i)
    lots.push_back({spots[i].x + c.rng.Range(-12, 12), spots[i].base + c.rng.Range(-5, 5),
                    spots[i].w * scale * c.rng.Range(0.9f, 1.1f)});
  std::sort(lots.begin(), lots.end(), [](const Lot& a, const Lot& b) { return a.base < b.base; });
  Canvas l = Layer();
  for (const Lot& lot : lots) House(l, lot.x, lot.base, lot.w, lot.w * 0.7f, lot.w * 0.9f, look);
  Stamp(c, l);
}

void DrawVillage(Canvas& c, int number) {
  VillageLook v = GreenVillage();
  switch (number) {
    case 3:  // the Iron Village: stony ground, slate roofs, the forge
      v.sky.top = Mix(pal::Slate, pal::BlueLight, 0.5f);
      v.sky.bottom = pal::StoneLight;
      v.sky.cloud = pal::SlateLight;
      v.groundFar = Mix(pal::Stone, pal::Grass, 0.3f);
      v.groundNear = Mix(pal::StoneDark, pal::EarthDark, 0.5f);
      v.speck = pal::StoneLight;
      v.speckDensity = 0.015f;
      v.road = pal::Stone;
      v.hills = pal::SlateDark;
      v.house = {pal::Stone, pal::SlateDark, RoofKind::Slate, false, true};
      break;
    case 4:  // Balon: a bright day with a balloon aloft
      v.sky.top = pal::Blue;
      v.sky.clouds = 3;
      v.house.roof = pal::RedDeep;
      v.house.kind = RoofKind::Tiles;
      break;
    case 5:  // Trawa: deep meadow at golden evening
      v.sky = Sky(Mix(pal::Blue, pal::Purple, 0.3f), Mix(pal::FireLight, pal::ParchmentLight, 0.4f),
                  Mix(pal::Fire, pal::ParchmentLight, 0.5f), 4);
      v.sky = Sun(v.sky, pal::FireLight, 90, 190, 22);
      v.groundFar = Mix(pal::GrassLight, pal::Gold, 0.35f);
      v.groundNear = pal::Grass;
      break;
    case 6:  // Usta: by the lake
      v.house.wall = pal::ParchmentLight;
      v.house.roof = Mix(pal::Wood, pal::Gold, 0.3f);
      break;
    case 7:  // the Desert Village: dunes, palms, flat roofs
      v.sky = Sky(Mix(pal::BlueLight, pal::WaterLight, 0.5f), pal::SandLight, 0, 0);
      v.sky = Sun(v.sky, pal::ParchmentLight, 80, 60, 24);
      v.hills = pal::SandDark;
      v.groundFar = pal::SandLight;
      v.groundNear = pal::Sand;
      v.speck = pal::SandDark;
      v.road = Mix(pal::SandDark, pal::Earth, 0.3f);
      v.house = {Mix(pal::SandLight, pal::Parchment, 0.4f), pal::SandDark, RoofKind::Flat, false,
                 false};
      break;
    case 8:  // the Mountain Village: snowy peaks, pines, stone and slate
      v.mountains = true;
      v.sky.top = pal::BlueDeep;
      v.sky.bottom = pal::BlueLight;
      v.groundFar = Mix(pal::Grass, pal::Stone, 0.4f);
      v.groundNear = Mix(pal::GrassDark, pal::StoneDark, 0.4f);
      v.speck = pal::StoneLight;
      v.speckDensity = 0.02f;
      v.house = {pal::StoneLight, pal::SlateDark, RoofKind::Slate, false, true};
      break;
    case 9:  // the Little Village: a clearing in the woods at dusk
      v.sky = Sky(pal::Night, Mix(pal::Purple, pal::Fire, 0.45f),
                  Mix(pal::Purple, pal::BlueLight, 0.4f), 4);
      v.hills = Mix(pal::GrassDark, pal::Night, 0.4f);
      v.groundFar = Mix(pal::GrassDark, pal::Grass, 0.4f);
      v.groundNear = Mix(pal::GrassDark, pal::Night, 0.3f);
      break;
    default: break;
  }
  VillageLand(c, v);
  const int h = v.horizon;

  // What lies behind the cottages.
  Canvas back = Layer();
  if (number == 8) {
    for (int i = 0; i < 16; ++i)
      Pine(back, c.rng.Range(0, kSize), c.rng.Range(h + 20.0f, h + 45.0f), 1.0f, pal::GrassDark);
  } else if (number == 7) {
    for (int i = 0; i < 5; ++i)
      Palm(back, c.rng.Range(0, kSize), c.rng.Range(h + 25.0f, h + 40.0f), 1.2f);
  } else if (number == 9) {
    for (int i = 0; i < 22; ++i)
      Pine(back, c.rng.Range(-10, kSize + 10.0f), c.rng.Range(h + 15.0f, h + 40.0f), 1.4f,
           Mix(pal::GrassDark, pal::Night, 0.3f));
  } else {
    for (int i = 0; i < 9; ++i)
      Tree(back, c.rng.Range(0, kSize), c.rng.Range(h + 20.0f, h + 34.0f), 0.9f, pal::Leaf);
  }
  Stamp(c, back, 2);

  // The place's own trade on the ground before the houses.
  switch (number) {
    case 1: Field(c, 10, 230, 360, 470, Mix(pal::EarthDark, pal::Earth, 0.5f), 6, Cabbage); break;
    case 2: Field(c, 300, 505, 360, 470, Mix(pal::EarthDark, pal::Earth, 0.3f), 6, Beet); break;
    case 5:
      GrassTufts(c, h + 30, kSize, pal::GrassLight, 500);
      Field(c, 300, 505, 380, 480, Mix(pal::Earth, pal::GoldDark, 0.4f), 5, Wheat);
      break;
    case 6: {  // the lake on the right, a boat on it
      c.Ellipse(450, 410, 110, 36, pal::Water);
      c.Ellipse(440, 406, 90, 26, pal::WaterLight);
      c.Ellipse(445, 408, 84, 22, pal::Water);
      for (int i = 0; i < 14; ++i) {
        float x = c.rng.Range(370, 510), y = c.rng.Range(390, 430);
        c.Rect(int(x), int(y), int(c.rng.Range(6, 14)), 1, pal::WaterLight);
      }
      Canvas boat = Layer();
      boat.Polygon({{420, 404}, {470, 404}, {462, 414}, {428, 414}}, pal::Wood);
      boat.Rect(444, 378, 2, 26, pal::WoodDark);
      boat.Polygon({{447, 380}, {466, 400}, {447, 400}}, pal::ParchmentLight);
      Stamp(c, boat, 1);
      break;
    }
    case 7:
      for (int i = 0; i < 4; ++i)
        Ridge(c, float(h + 60 + i * 45), 18, 0.015f, float(i) * 1.7f,
              Mix(pal::SandLight, pal::Sand, float(i) / 4), 0, true);
      Road(c, 300, float(h + 40), 14, 260, 150, Mix(pal::SandDark, pal::Earth, 0.3f));
      break;
    default: break;
  }

  const int count = number == 9 ? 3 : 5;
  Cottages(c, v.house, count, number == 9 ? 0.85f : 1.0f);

  // Props in front.
  Canvas front = Layer();
  switch (number) {
    case 1:
      Fence(front, 10, 226, 356, 1.0f);
      Well(front, 290, 400);
      break;
    case 2:
      Fence(front, 300, 500, 356, 1.0f);
      Windmill(front, 470, 246, 0.8f);
      break;
    case 3: Forge(front, 40, 430); break;
    case 4:
      Balloon(front, 150, 100, 34);
      Balloon(front, 400, 150, 16);
      Fence(front, 20, 200, 380, 1.1f);
      break;
    case 5:
      Haystack(front, 90, 380, 1.6f);
      Haystack(front, 440, 420, 1.8f);
      Haystack(front, 150, 440, 1.2f);
      break;
    case 6:
      front.Rect(344, 404, 40, 5, pal::WoodLight);
      for (int x = 346; x < 384; x += 9) front.Rect(x, 408, 3, 10, pal::WoodDark);
      Tree(front, 60, 420, 2.0f, pal::Leaf);
      break;
    case 7:
      Palm(front, 70, 430, 2.2f);
      Palm(front, 470, 400, 1.8f);
      Well(front, 300, 420);
      break;
    case 8:
      Pine(front, 40, 450, 2.4f, pal::GrassDark);
      Pine(front, 480, 430, 2.0f, pal::GrassDark);
      for (int i = 0; i < 5; ++i)
        front.Ellipse(c.rng.Range(100, 220), c.rng.Range(410, 470), c.rng.Range(8, 16),
                      c.rng.Range(5, 9), pal::Stone);
      break;
    case 9:
      Pine(front, 30, 480, 3.0f, Mix(pal::GrassDark, pal::Night, 0.2f));
      Pine(front, 490, 470, 2.6f, Mix(pal::GrassDark, pal::Night, 0.2f));
      Tree(front, 120, 470, 1.8f, Mix(pal::Leaf, pal::Night, 0.2f));
      break;
    default: break;
  }
  for (int i = 0; i < 4 && number != 7 && number != 3; ++i)
    Bush(front, c.rng.Range(0, kSize), c.rng.Range(430, 500), 1.6f, pal::Leaf);
  Stamp(c, front);
  if (number == 3) Smoke(c, 152, 308);
  c.Vignette(0, 0, kSize, kSize, 0.25f);
}

// ------------------------------------------------------------------ towns

void DrawTown(Canvas& c, int number) {
  const Rgb haze = Lighten(pal::BlueLight, 0.4f);
  SkyLook sky = Sun(Sky(pal::Blue, haze, pal::ParchmentLight, 4), pal::ParchmentLight, 90, 80, 20);
  Rgb roofs[3] = {pal::Red, pal::RedDeep, Mix(pal::Red, pal::WoodLight, 0.5f)};
  Rgb stone = Mix(pal::StoneLight, pal::Parchment, 0.3f);
  if (number == 2) {
    sky.top = Mix(pal::Blue, pal::Purple, 0.25f);
    roofs[0] = Mix(pal::Red, pal::RedLight, 0.5f);
    roofs[2] = pal::RedLight;
  } else if (number == 3) {
    sky = Sky(Mix(pal::BlueLight, pal::Slate, 0.3f), pal::ParchmentLight, pal::StoneLight, 6);
    roofs[0] = pal::WoodLight;
    roofs[1] = pal::Wood;
    stone = pal::Stone;
  } else if (number == 4) {
    sky = Sky(pal::BlueDeep, Mix(pal::Fire, pal::ParchmentLight, 0.5f),
              Mix(pal::Purple, pal::Fire, 0.4f), 4);
    sky = Sun(sky, pal::FireLight, 430, 190, 20);
    roofs[0] = pal::BlueDeep;
    roofs[1] = pal::Blue;
    roofs[2] = pal::SlateDark;
  }
  const int horizon = 210;
  PaintSky(c, horizon, sky);
  Ridge(c, horizon + 10.0f, 50, 0.009f, float(number), Mix(pal::GrassDark, pal::BlueLight, 0.35f));
  PaintGround(c, horizon + 12, Mix(pal::Grass, pal::GrassLight, 0.3f), pal::GrassDark,
              pal::GrassLight, 0.05f);

  // Roofs inside the walls, back to front.
  Canvas houses = Layer();
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 7; ++i) {
      float x = 40 + float(i) * 62 + float(row) * 24 + c.rng.Range(-6, 6),
            base = 258 + float(row) * 14;
      float w = c.rng.Range(34, 46);
      HouseLook look = {c.rng.Chance(0.5f) ? pal::ParchmentLight : pal::Parchment,
                        roofs[c.rng.Int(0, 2)], RoofKind::Tiles, c.rng.Chance(0.4f),
                        c.rng.Chance(0.5f)};
      House(houses, x, base, w, w * 0.9f, w * 0.7f, look);
    }
  // The tall building of the town: the onion-domed church (Cebula), a
  // church spire, or the keep.
  if (number == 1) {
    houses.Rect(300, 160, 70, 100, pal::ParchmentLight);
    OnionDome(houses, 335, 160, 24, pal::ParchmentLight, pal::Gold);
    OnionDome(houses, 300, 190, 12, pal::ParchmentLight, pal::Gold);
    OnionDome(houses, 370, 190, 12, pal::ParchmentLight, pal::Gold);
  } else if (number == 4) {
    RoundTower(houses, 330, 130, 260, 20, stone, roofs[0], true);
  } else {
    houses.Rect(150, 170, 40, 90, pal::StoneLight);
    houses.Polygon({{146, 172}, {170, 100}, {194, 172}},
                   number == 3 ? pal::SlateDark : pal::RedDeep);
    houses.Circle(170, 190, 6, pal::GoldDark);
  }
  Stamp(c, houses, 2);

  // The wall, its towers and the gate.
  Canvas walls = Layer();
  const float base = 330;
  Wall(walls, 0, kSize, base, 60, stone);
  RoundTower(walls, 60, 250, base + 4, 26, stone, roofs[1], true);
  RoundTower(walls, 450, 250, base + 4, 26, stone, roofs[1], true);
  walls.Rect(220, 236, 90, int(base - 236), stone);
  walls.Rect(220, 236, 90, 3, Lighten(stone, 0.2f));
  for (float x = 220; x < 306; x += 11) walls.Rect(int(x), 228, 6, 8, stone);
  Gate(walls, 265, base, 40, 44);
  // Banners beside the gate.
  const Rgb banner = number == 2 ? pal::RedLight : number == 4 ? pal::Gold : pal::Blue;
  for (float x : {232.0f, 290.0f}) {
    walls.Rect(int(x), 246, 10, 28, banner);
    walls.Polygon({{x, 274}, {x + 5, 268}, {x + 10, 274}}, walls.key);
  }
  Stamp(c, walls);

  // The road to the gate and what lies outside the walls.
  Road(c, 265, base, 40, 250, 170, pal::SandDark);
  Canvas front = Layer();
  switch (number) {
    case 1:
      Field(c, 10, 200, 360, 470, Mix(pal::EarthDark, pal::Earth, 0.4f), 5,
            [](Canvas& f, float x, float y, float s) {
              // Onions: white bulbs with green shoots.
              f.ThickLine(x, y - 2 * s, x - 2 * s, y - 10 * s, 1.2f * s, pal::GrassLight);
              f.ThickLine(x, y - 2 * s, x + 2 * s, y - 11 * s, 1.2f * s, pal::Grass);
              f.Ellipse(x, y, 4 * s, 3.5f * s, pal::ParchmentLight);
            });
      Tree(front, 460, 440, 2.0f, pal::Leaf);
      break;
    case 2:
      Field(c, 330, 505, 360, 480, Mix(pal::EarthDark, pal::Earth, 0.4f), 5, Rhubarb);
      Tree(front, 60, 440, 2.0f, pal::Leaf);
      break;
    case 3:
      Field(c, 10, 200, 360, 480, pal::Earth, 5, Potato);
      Windmill(front, 430, 420, 1.6f);
      break;
    case 4: {  // the river and its bridge
      c.Polygon({{0, 360}, {kSize, 380}, {kSize, 420}, {0, 400}}, pal::Water);
      for (int i = 0; i < 18; ++i)
        c.Rect(int(c.rng.Range(0, kSize)), int(c.rng.Range(372, 404)), int(c.rng.Range(6, 16)), 1,
               pal::WaterLight);
      // The road crosses on planks between two stone parapets.
      c.Polygon({{228, 362}, {296, 362}, {310, 418}, {205, 418}}, pal::WoodLight);
      for (int y = 366; y < 418; y += 5) c.Rect(200, y, 115, 1, pal::Wood);
      front.ThickLine(228, 358, 204, 420, 6, pal::StoneLight);
      front.ThickLine(296, 358, 310, 420, 6, pal::Stone);
      for (float t : {0.0f, 0.5f, 1.0f}) {
        front.Rect(int(228 - 24 * t) - 4, int(354 + 62 * t), 8, 10, pal::StoneLight);
        front.Rect(int(296 + 14 * t) - 4, int(354 + 62 * t), 8, 10, pal::Stone);
      }
      break;
    }
    default: break;
  }
  for (int i = 0; i < 3; ++i)
    Bush(front, c.rng.Range(0, kSize), c.rng.Range(440, 500), 1.8f, pal::Leaf);
  Stamp(c, front);
  c.Vignette(0, 0, kSize, kSize, 0.25f);
}

// ------------------------------------------------------------------ the palace

void DrawPalace(Canvas& c) {
  const int horizon = 230;
  PaintSky(c, horizon,
           {pal::Blue, Lighten(pal::BlueLight, 0.45f), pal::ParchmentLight, 5, pal::ParchmentLight,
            80, 70, 18});
  Ridge(c, horizon + 6.0f, 30, 0.01f, 2.0f, Mix(pal::GrassDark, pal::BlueLight, 0.4f));
  PaintGround(c, horizon + 8, pal::GrassLight, pal::Grass, Lighten(pal::GrassLight, 0.2f), 0.03f);
  const Rgb marble = Mix(pal::ParchmentLight, pal::StoneLight, 0.3f);

  Canvas l = Layer();
  // Wings and the central hall.
  l.Rect(40, 230, 432, 90, marble);
  l.Rect(40, 230, 432, 4, pal::GoldLight);
  l.Rect(372, 230, 100, 90, Darken(marble, 0.12f));
  l.Rect(170, 190, 172, 130, marble);
  l.Rect(170, 190, 172, 5, pal::GoldLight);
  l.Polygon({{160, 192}, {256, 150}, {352, 192}}, marble);
  l.Polygon({{178, 188}, {256, 158}, {334, 188}}, Darken(marble, 0.1f));
  l.Circle(256, 176, 8, pal::Gold);
  // Columns across the hall and windows along the wings.
  for (int k = 0; k < 7; ++k) {
    float x = 184 + float(k) * 24;
    l.Rect(int(x), 204, 8, 104, Lighten(marble, 0.1f));
    l.Rect(int(x + 6), 204, 2, 104, Darken(marble, 0.2f));
    l.Rect(int(x - 2), 200, 12, 5, pal::GoldLight);
  }
  for (int k = 0; k < 5; ++k)
    for (int side = 0; side < 2; ++side) {
      float x = (side == 0 ? 52 : 362) + float(k) * 22;
      l.Rect(int(x), 252, 10, 20, pal::BlueDeep);
      l.Ellipse(x + 5, 252, 5, 4, pal::BlueDeep);
      l.Rect(int(x), 288, 10, 16, pal::BlueDeep);
    }
  l.Rect(240, 270, 32, 50, pal::WoodDeep);
  l.Ellipse(256, 270, 16, 12, pal::WoodDeep);
  // The domes: a great golden one over the hall, two on the wings.
  OnionDome(l, 256, 150, 38, marble, pal::Gold);
  OnionDome(l, 80, 230, 20, marble, pal::Gold);
  OnionDome(l, 432, 230, 20, marble, pal::Gold);
  for (float x : {60.0f, 452.0f}) {
    l.Line(int(x), 110, int(x), 150, pal::WoodDark);
  }
  // The great stair.
  for (int k = 0; k < 6; ++k)
    l.Rect(206 - k * 10, 320 + k * 6, 100 + k * 20, 6, k % 2 ? Darken(marble, 0.1f) : marble);
  Stamp(c, l);

  // The garden: hedges, a fountain, the path.
  Road(c, 256, 356, 140, 256, 200, pal::SandLight);
  Canvas g = Layer();
  for (int side = 0; side < 2; ++side) {
    float x0 = side == 0 ? 10 : 340;
    for (int k = 0; k < 3; ++k) g.Rect(int(x0), 372 + k * 40, 160, 14, pal::GrassDark);
    Tree(g, side == 0 ? 40.0f : 470.0f, 470, 2.0f, pal::Leaf);
  }
  g.Ellipse(256, 430, 56, 16, pal::StoneLight);
  g.Ellipse(256, 428, 48, 12, pal::Water);
  g.Rect(252, 396, 8, 32, pal::StoneLight);
  g.Ellipse(256, 396, 14, 5, pal::StoneLight);
  Stamp(c, g);
  for (int k = 0; k < 40; ++k) {  // the fountain's spray
    float a = c.rng.Range(0, kPi), r = c.rng.Range(4, 22);
    c.Blend(int(256 + std::cos(a) * r * 1.4f), int(392 - std::sin(a) * r), pal::WaterLight, 0.8f);
  }
  c.Vignette(0, 0, kSize, kSize, 0.2f);
}

// ------------------------------------------------------------------ the temple

void DrawTemple(Canvas& c) {
  const int horizon = 250;
  PaintSky(c, horizon,
           {Mix(pal::Purple, pal::BlueDeep, 0.5f), Mix(pal::Fire, pal::GoldLight, 0.5f),
            Mix(pal::Purple, pal::Fire, 0.5f), 5, pal::GoldLight, 256, 250, 60});
  // Rays of the setting sun behind the temple.
  for (int k = 0; k < 9; ++k) {
    float a = kPi * (0.08f + 0.105f * float(k));
    float ex = 256 + std::cos(a) * 400, ey = 250 - std::sin(a) * 400;
    for (float t = 0; t < 1; t += 0.004f) {
      int x = int(256 + (ex - 256) * t), y = int(250 + (ey - 250) * t);
      for (int d = -2; d <= 2; ++d) c.Blend(x + d, y, pal::GoldLight, 0.18f);
    }
  }
  Ridge(c, horizon + 6.0f, 40, 0.012f, 0.4f, Mix(pal::Purple, pal::EarthDark, 0.5f));
  PaintGround(c, horizon + 8, Mix(pal::SandDark, pal::GrassDark, 0.5f), pal::EarthDark,
              pal::SandDark, 0.04f);

  const Rgb marble = Mix(pal::ParchmentLight, pal::StoneLight, 0.25f);
  Canvas l = Layer();
  // Three broad steps, the floor, the columns, the architrave and the
  // golden roof with its pediment.
  for (int k = 0; k < 4; ++k)
    l.Rect(70 - k * 14, 318 + k * 12, 372 + k * 28, 12, k % 2 ? Darken(marble, 0.1f) : marble);
  l.Rect(96, 170, 320, 24, marble);
  l.Rect(96, 190, 320, 4, Darken(marble, 0.2f));
  for (int k = 0; k < 8; ++k) {
    float x = 104 + float(k) * 42;
    l.Rect(int(x), 194, 20, 124, marble);
    l.Rect(int(x), 194, 5, 124, Lighten(marble, 0.2f));
    l.Rect(int(x + 15), 194, 5, 124, Darken(marble, 0.22f));
    for (int f = 8; f < 16; f += 4) l.Rect(int(x + f), 198, 1, 116, Darken(marble, 0.1f));
    l.Rect(int(x - 3), 194, 26, 6, pal::GoldLight);
    l.Rect(int(x - 3), 312, 26, 6, marble);
  }
  // The dark cella behind the columns with its flame.
  l.Polygon({{80, 172}, {256, 96}, {432, 172}}, pal::Gold);
  l.Polygon({{106, 166}, {256, 106}, {406, 166}}, pal::GoldDark);
  l.Circle(256, 142, 14, pal::GoldLight);
  l.Circle(256, 142, 8, pal::Gold);
  Stamp(c, l);
  // Between the columns, the shadowed hall and a flame on the altar.
  for (int k = 0; k < 7; ++k) {
    float x = 124 + float(k) * 42;
    for (int y = 200; y < 312; ++y)
      for (int xx = int(x); xx < int(x + 22); ++xx)
        c.Set(xx, y, Mix(c.Get(xx, y), pal::Night, 0.55f));
  }
  Canvas altar = Layer();
  altar.Rect(240, 278, 32, 34, pal::GoldDark);
  altar.Ellipse(256, 270, 10, 14, pal::Fire);
  altar.Ellipse(256, 274, 5, 8, pal::FireLight);
  // Braziers on the steps and olive trees beside.
  for (float x : {60.0f, 452.0f}) {
    altar.Rect(int(x - 3), 330, 6, 40, pal::GoldDark);
    altar.Ellipse(x, 330, 12, 5, pal::Gold);
    altar.Ellipse(x, 320, 8, 12, pal::Fire);
    altar.Ellipse(x, 323, 4, 7, pal::FireLight);
  }
  Tree(altar, 30, 470, 2.2f, Mix(pal::Leaf, pal::SlateLight, 0.3f));
  Tree(altar, 490, 480, 2.0f, Mix(pal::Leaf, pal::SlateLight, 0.3f));
  Stamp(c, altar);
  Road(c, 256, 366, 150, 256, 260, Mix(pal::SandLight, pal::ParchmentLight, 0.3f));
  c.Vignette(0, 0, kSize, kSize, 0.3f);
}

// ------------------------------------------------------------------ the tower

void DrawTower(Canvas& c) {
  const int horizon = 280;
  PaintSky(c, horizon,
           {pal::Night, Mix(pal::SlateDark, pal::Purple, 0.4f), pal::SlateDark, 7,
            pal::ParchmentLight, 430, 70, 22});
  Ridge(c, horizon + 6.0f, 70, 0.014f, 1.0f, Mix(pal::SlateDark, pal::Night, 0.4f));
  PaintGround(c, horizon + 8, pal::Slate, pal::SlateDark, pal::SlateLight, 0.015f);
  // Cracks in the dry ground.
  for (int i = 0; i < 26; ++i) {
    float x = c.rng.Range(0, kSize), y = c.rng.Range(horizon + 20.0f, kSize);
    for (int k = 0; k < 4; ++k) {
      float nx = x + c.rng.Range(-14, 14), ny = y + c.rng.Range(-4, 6);
      c.Line(int(x), int(y), int(nx), int(ny), Darken(pal::SlateDark, 0.3f));
      x = nx;
      y = ny;
    }
  }
  Road(c, 256, 330, 20, 230, 120, Mix(pal::Stone, pal::SlateDark, 0.4f));

  const Rgb stone = Mix(pal::SlateDark, pal::StoneDark, 0.5f);
  Canvas l = Layer();
  // The tall tower, stepping in as it rises, with a slate spire.
  l.Rect(196, 250, 120, 86, stone);
  l.Rect(212, 130, 88, 124, stone);
  l.Rect(224, 60, 64, 74, stone);
  for (auto [x, y, w, h] :
       {std::array<float, 4>{196, 250, 120, 86}, {212, 130, 88, 124}, {224, 60, 64, 74}}) {
    l.Rect(int(x), int(y), int(w * 0.22f), int(h), Lighten(stone, 0.15f));
    l.Rect(int(x + w * 0.72f), int(y), int(w * 0.28f), int(h), Darken(stone, 0.25f));
    for (float yy = y + 10; yy < y + h - 2; yy += 10)
      l.Line(int(x), int(yy), int(x + w - 1), int(yy), Darken(stone, 0.2f));
    for (float xx = x - 4; xx < x + w; xx += 12) l.Rect(int(xx), int(y - 8), 7, 8, stone);
  }
  l.Polygon({{218, 52}, {256, -10}, {294, 52}}, pal::SlateDark);
  l.Polygon({{256, -10}, {294, 52}, {262, 52}}, Darken(pal::SlateDark, 0.3f));
  // Lit windows and the door.
  for (auto [x, y] : {std::array<int, 2>{250, 84}, {236, 160}, {268, 200}, {250, 270}}) {
    l.Rect(x, y, 12, 18, pal::FireLight);
    l.Ellipse(float(x) + 6, float(y), 6, 5, pal::FireLight);
    l.Rect(x + 5, y, 2, 18, pal::Fire);
  }
  l.Rect(238, 300, 36, 36, pal::Night);
  l.Ellipse(256, 300, 18, 12, pal::Night);
  // Dead trees and rocks about it.
  DeadTree(l, 70, 420, 2.6f);
  DeadTree(l, 440, 380, 2.0f);
  DeadTree(l, 140, 340, 1.2f);
  for (int i = 0; i < 7; ++i) {
    float x = c.rng.Range(20, 500), y = c.rng.Range(360, 500);
    if (x > 180 && x < 330) continue;
    l.Ellipse(x, y, c.rng.Range(10, 22), c.rng.Range(6, 12), pal::Stone);
  }
  Stamp(c, l);
  // Ravens over the spire.
  for (auto [x, y] : {std::array<float, 2>{170, 90}, {330, 50}, {360, 110}}) {
    c.ThickLine(x - 9, y - 4, x, y, 2, pal::Ink);
    c.ThickLine(x, y, x + 9, y - 4, 2, pal::Ink);
  }
  c.Vignette(0, 0, kSize, kSize, 0.45f);
}

}  // namespace

ASSETGEN_TABLE(PlaceViewPictures) {
  for (const ha::Place& p : ha::kPlaces) {
    const int number = p.number;
    std::function<void(Canvas&)> draw;
    switch (p.kind) {
      case ha::PlaceKind::Village: draw = [number](Canvas& c) { DrawVillage(c, number); }; break;
      case ha::PlaceKind::Town: draw = [number](Canvas& c) { DrawTown(c, number); }; break;
      case ha::PlaceKind::Palace: draw = DrawPalace; break;
      case ha::PlaceKind::Temple: draw = DrawTemple; break;
      case ha::PlaceKind::Tower: draw = DrawTower; break;
      case ha::PlaceKind::Castle: break;  // the main menu's castle
    }
    if (draw) Register(r, ha::ViewPicture(p), draw);
  }
}
