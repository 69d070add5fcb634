// The kingdom map sheet: "Art\Map\<name>.bmp", 120 images.
//
// The land is painted as one country: a field of ground kinds in world
// coordinates (meadow, the lush southern forest land, the northern desert,
// the brown foothills and mountains, the grey wasteland of the east, two
// lakes) with roads laid as lines in world coordinates. A square used at one
// place of the map is painted from the field at that place, so its edges
// meet its neighbours'; a square used at many places is one plain ground.
// Every ground texture repeats every 128 pixels (one square), so squares of
// the same ground join seamlessly. Places, mountains, trees and the other
// features are drawn on top with one-pixel ink outlines and shadows falling
// to the lower right.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "assetgen.h"
#include "map/map_layout.h"
#include "noise.h"

using namespace assetgen;

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kTile = 128;
constexpr float kWorldPerPixel = 200.0f / 128.0f;

// ------------------------------------------------------------- noise

float Hash01(int x, int y, uint32_t salt) {
  return float(noise::AddHash(uint32_t(x), uint32_t(y), salt) & 0xFFFFFF) / 16777215.0f;
}

using noise::Wrap;

// Smooth value noise that repeats every 128 pixels; cells lattice cells per
// 128 pixels (a divisor of 128). 0..1.
float Noise(float x, float y, int cells, uint32_t salt) {
  return noise::WrapNoise(x, y, kTile, cells, [salt](int i, int j) { return Hash01(i, j, salt); });
}

// The 128-pixel texture coordinates of a world point.
float TexX(float wx) { return (wx + 1800.0f) / kWorldPerPixel; }
float TexY(float wy) { return (wy + 1200.0f) / kWorldPerPixel; }

Rgb Bright(Rgb c, float delta) { return Shade(c, int(std::lround(delta))); }

// ------------------------------------------------------------- grounds

enum Ground : uint8_t { kGrass, kLush, kSand, kEarth, kWaste, kWater };

const Rgb kGrassBase = Mix(pal::Grass, pal::GrassLight, 0.18f);
const Rgb kLushBase = Mix(pal::Grass, pal::GrassDark, 0.38f);
const Rgb kSandBase = Mix(pal::Sand, pal::SandLight, 0.25f);
const Rgb kEarthBase = Mix(pal::Earth, pal::EarthLight, 0.45f);
const Rgb kWasteBase = Mix(pal::Slate, pal::SlateLight, 0.22f);
const Rgb kRoadBase = Mix(pal::SandDark, pal::EarthLight, 0.45f);

// The colour of a ground at texture point (x, y) (0..128, repeating).
Rgb GroundAt(Ground g, int x, int y) {
  x = Wrap(x, kTile);
  y = Wrap(y, kTile);
  const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
  const float low = Noise(fx, fy, 4, 11) - 0.5f;
  const float mid = Noise(fx, fy, 16, 12) - 0.5f;
  const float grain = Hash01(x, y, 13) - 0.5f;
  // A small feature per 8-pixel cell at a hashed spot.
  const int cx = x / 8, cy = y / 8, ox = x % 8, oy = y % 8;
  const float pick = Hash01(cx, cy, 14 + g);
  const int sx = 2 + int(Hash01(cx, cy, 30 + g) * 4), sy = 2 + int(Hash01(cx, cy, 40 + g) * 4);
  switch (g) {
    case kGrass:
    case kLush: {
      Rgb base = g == kGrass ? kGrassBase : kLushBase;
      Rgb c = Bright(base, low * 14 + mid * 8 + grain * 7);
      // Tufts: a small light V over a dark root.
      if (pick < (g == kGrass ? 0.55f : 0.75f)) {
        if ((ox == sx && oy == sy) || (oy == sy - 1 && (ox == sx - 1 || ox == sx + 1)))
          return Mix(c, g == kGrass ? pal::GrassLight : pal::Grass, 0.7f);
        if (ox == sx && oy == sy + 1) return Mix(c, pal::GrassDark, 0.6f);
      }
      if (g == kLush && pick > 0.93f && ox == sx && oy == sy) return pal::Leaf;
      return c;
    }
    case kSand: {
      // Dune ripples across the sand, bent by the noise.
      float ripple = std::sin(2 * kPi * (fy * 7.0f / kTile + fx * 2.0f / kTile + mid * 0.9f));
      Rgb c = Bright(kSandBase, low * 16 + grain * 6 + ripple * 6);
      if (ripple > 0.92f) c = Mix(c, pal::SandLight, 0.5f);
      if (ripple < -0.93f) c = Mix(c, pal::SandDark, 0.35f);
      if (pick < 0.12f && ox == sx && oy == sy) c = pal::SandDark;
      return c;
    }
    case kEarth: {
      Rgb c = Bright(kEarthBase, low * 16 + mid * 10 + grain * 8);
      if (pick < 0.45f && ox == sx && oy == sy) c = Mix(pal::StoneLight, c, 0.3f);
      if (pick < 0.45f && ox == sx + 1 && oy == sy + 1) c = pal::EarthDark;
      return c;
    }
    case kWaste: {
      Rgb c = Bright(kWasteBase, low * 16 + mid * 8 + grain * 7);
      // Thin cracks where the noise runs along its middle, few and faint.
      float crack = std::fabs(Noise(fx, fy, 4, 15) - 0.5f);
      float fine = std::fabs(Noise(fx, fy, 8, 16) - 0.5f);
      const float patch = Noise(fx, fy, 4, 17);
      if (crack < 0.008f && patch > 0.5f) c = Mix(c, pal::SlateDark, 0.5f);
      else if (fine < 0.007f && patch < 0.4f) c = Mix(c, pal::SlateDark, 0.35f);
      if (pick < 0.3f && ox == sx && oy == sy) c = Mix(pal::StoneLight, c, 0.3f);
      if (pick < 0.3f && ox == sx + 1 && oy == sy + 1) c = pal::SlateDark;
      return c;
    }
    case kWater: {
      Rgb c = Bright(pal::Water, low * 12 + grain * 4);
      // Short ripples.
      if (pick < 0.4f && oy == sy && ox >= sx - 1 && ox <= sx + 1)
        c = Mix(c, pal::WaterLight, 0.6f);
      return c;
    }
  }
  return pal::Ink;
}

// ------------------------------------------------------------- the field

// A wiggle that repeats every square (200 world pixels).
float Wig(float t) {
  return 7.0f * std::sin(2 * kPi * t / 200.0f) + 3.0f * std::sin(4 * kPi * t / 200.0f + 1.3f);
}

float Knots(const std::vector<Pt>& k, float x) {
  if (x <= k.front().x) return k.front().y;
  for (size_t i = 1; i < k.size(); ++i) {
    if (x <= k[i].x) {
      float t = (x - k[i - 1].x) / (k[i].x - k[i - 1].x);
      t = t * t * (3 - 2 * t);
      return k[i - 1].y + (k[i].y - k[i - 1].y) * t;
    }
  }
  return k.back().y;
}

// The wasteland lies east of this x.
float WasteX(float wy) { return 1670.0f + Wig(wy + 37.0f); }
// The desert lies north of this y.
float DesertY(float wx) {
  static const std::vector<Pt> k = {{-1800, -276}, {-800, -276}, {-600, -330}, {-520, -400},
                                    {-400, -476},  {1000, -476}, {1200, -530}, {1700, -540}};
  return Knots(k, wx) + Wig(wx);
}
// The brown earth of the foothills and the mountains: east of EarthX, north of EarthY.
float EarthX(float wy) { return 1040.0f + Wig(wy + 71.0f); }
float EarthY(float wx) { return 1150.0f + 0.6f * Wig(wx + 13.0f); }
// The lush land of the south: south of LushY, east of LushX. Its northern
// edge runs through the corner (-200, 1000), where the plain meadow square
// above meets the plain lush square below, and then keeps above the row of
// squares at y 800, so that GrassG1, which lies there and again among the
// plain lush squares under the mountains, is lush all over in both places.
float LushY(float wx) {
  static const std::vector<Pt> k = {{-400, 1060}, {-200, 997}, {-100, 775}, {1800, 775}};
  return Knots(k, wx) + 0.6f * Wig(wx + 29.0f);
}
float LushX(float wy) { return -350.0f + Wig(wy + 91.0f); }

struct Lake {
  float cx, cy, rx, ry;
};
const Lake kLakes[] = {{300, -300, 78, 64}, {-500, -104, 66, 76}};

// How far inside a lake (0 at the shore, 1 at the middle); below 0 outside.
float LakeDepth(float wx, float wy) {
  float best = -1;
  for (const Lake& l : kLakes) {
    float dx = (wx - l.cx) / l.rx, dy = (wy - l.cy) / l.ry;
    float wobble = 0.08f * std::sin(std::atan2(dy, dx) * 5.0f + l.cx);
    best = std::max(best, 1.0f + wobble - std::sqrt(dx * dx + dy * dy));
  }
  return best;
}

Ground FieldAt(float wx, float wy) {
  if (LakeDepth(wx, wy) > 0) return kWater;
  if (wx >= WasteX(wy)) return kWaste;
  if (wy < DesertY(wx)) return kSand;
  if (wx >= EarthX(wy) && wy < EarthY(wx)) return kEarth;
  if (wy >= LushY(wx) && wx >= LushX(wy)) return kLush;
  return kGrass;
}

// The field with its borders roughened by noise that repeats every square.
Ground RoughFieldAt(float wx, float wy) {
  float tx = TexX(wx), ty = TexY(wy);
  float jx = (Noise(tx, ty, 8, 21) - 0.5f) * 14 + (Noise(tx, ty, 32, 22) - 0.5f) * 5;
  float jy = (Noise(tx, ty, 8, 23) - 0.5f) * 14 + (Noise(tx, ty, 32, 24) - 0.5f) * 5;
  // Lakes keep their own smooth shores.
  if (LakeDepth(wx, wy) > 0) return kWater;
  Ground g = FieldAt(wx + jx, wy + jy);
  return g == kWater ? FieldAt(wx, wy) : g;
}

// ------------------------------------------------------------- roads

// Roads follow the middle lines of the squares, wiggling between the edges,
// so a road leaves a square at an edge's middle and joins its neighbour.
struct Road {
  bool across;  // runs west-east along y = at; else north-south along x = at
  float at;
  float from, to;  // extent along the road
};
const Road kRoads[] = {
    {true, 700, -1300, 1650},  // the king's road: Cebula Town to Wawel Castle
    {false, 300, 150, 700},    // from the palace gate down to the king's road
    {false, -500, 490, 1470},  // gold mine - Rabarbar Town - Ziemniak Town
    {false, -700, 500, 700},   // Kapusta Village
};

float RoadWiggle(float t) { return 5.0f * std::sin(kPi * (t + 1800.0f) / 200.0f); }

// Distance in world pixels from a point to the nearest road.
float RoadDistance(float wx, float wy) {
  float best = 1e9f;
  for (const Road& r : kRoads) {
    float along = r.across ? wx : wy, side = r.across ? wy : wx;
    float centre = r.at + RoadWiggle(along + (r.across ? 0.0f : 600.0f));
    float d = std::fabs(side - centre);
    if (along < r.from) d = std::hypot(d, r.from - along);
    if (along > r.to) d = std::hypot(d, along - r.to);
    best = std::min(best, d);
  }
  return best;
}

constexpr float kRoadHalf = 10.0f;

Rgb RoadAt(float d, int x, int y, Rgb ground) {
  float grain = Hash01(Wrap(x, kTile), Wrap(y, kTile), 51) - 0.5f;
  if (d > kRoadHalf) return Mix(ground, pal::EarthDark, 0.35f);  // the verge
  Rgb c = Bright(kRoadBase, grain * 14);
  if (std::fabs(d - 4.0f) < 0.9f) c = Mix(c, pal::Earth, 0.45f);  // wheel ruts
  if (d > kRoadHalf - 1.8f) c = Mix(c, pal::Earth, 0.5f);
  return c;
}

// ------------------------------------------------------------- painting

// An opaque 128-pixel square: the ground of the field at world (x0, y0), or
// one plain ground when plain is set.
Canvas& PaintGround(Canvas& c, float x0, float y0, bool plain, Ground plainGround, bool roads) {
  std::vector<uint8_t> kind(size_t(kTile) * kTile);
  auto worldX = [&](int i) { return x0 + (float(i) + 0.5f) * kWorldPerPixel; };
  auto worldY = [&](int j) { return y0 + (float(j) + 0.5f) * kWorldPerPixel; };
  // Texture coordinates of the square's own place, so the grain runs on
  // across its edges.
  const int tx0 = int(std::lround(TexX(x0))), ty0 = int(std::lround(TexY(y0)));
  auto kindAt = [&](int i, int j) -> Ground {
    if (plain) return plainGround;
    return RoughFieldAt(worldX(i), worldY(j));
  };
  for (int j = 0; j < kTile; ++j)
    for (int i = 0; i < kTile; ++i) kind[size_t(j) * kTile + i] = kindAt(i, j);
  auto kindOf = [&](int i, int j) -> Ground {
    if (i >= 0 && j >= 0 && i < kTile && j < kTile) return Ground(kind[size_t(j) * kTile + i]);
    return kindAt(i, j);
  };
  const int nx[4] = {1, -1, 0, 0}, ny[4] = {0, 0, 1, -1};
  for (int j = 0; j < kTile; ++j) {
    for (int i = 0; i < kTile; ++i) {
      Ground g = kindOf(i, j);
      Rgb col = GroundAt(g, tx0 + i, ty0 + j);
      if (g == kWater) {
        float depth = LakeDepth(worldX(i), worldY(j));
        col = Mix(col, pal::WaterDeep, std::clamp(depth * 1.3f - 0.2f, 0.0f, 0.6f));
        if (depth < 0.07f) col = Mix(col, pal::WaterLight, 0.55f);
      } else {
        // Where two grounds meet, a soft line on the meeting; a shore of
        // light sand around the water.
        bool edge = false, shore = false;
        for (int k = 0; k < 4; ++k) {
          Ground o = kindOf(i + nx[k], j + ny[k]);
          if (o == kWater) shore = true;
          else if (o != g) edge = true;
        }
        if (shore) {
          col = Mix(col, pal::SandLight, 0.6f);
        } else if (edge) {
          Ground other = g;
          for (int k = 0; k < 4 && other == g; ++k) other = kindOf(i + nx[k], j + ny[k]);
          col = Mix(col, GroundAt(other, tx0 + i, ty0 + j), 0.5f);
        }
      }
      if (roads && g != kWater) {
        float d = RoadDistance(worldX(i), worldY(j));
        if (d <= kRoadHalf + 1.0f) col = RoadAt(d, tx0 + i, ty0 + j, col);
      }
      c.Set(i, j, col);
    }
  }
  return c;
}

// A keyed layer for shapes that get the ink outline before they go onto
// an opaque square.
Canvas Layer(int w = kTile, int h = kTile) { return Canvas(w, h, kKeyRed, 7); }

// Puts a layer onto the square: a shadow to the lower right, the ink
// outline, then the shapes.
void Stamp(Canvas& tile, Canvas& layer, int shadow = 2, float darkness = 0.35f) {
  if (shadow > 0) {
    for (int y = 0; y < layer.h; ++y)
      for (int x = 0; x < layer.w; ++x) {
        if (layer.IsKey(x, y)) continue;
        for (int s = 1; s <= shadow; ++s) {
          int tx = x + s, ty = y + s;
          if (tile.In(tx, ty) && layer.IsKey(std::min(tx, layer.w - 1), std::min(ty, layer.h - 1)))
            tile.Set(tx, ty, Darken(tile.Get(tx, ty), darkness / float(s)));
        }
      }
  }
  layer.OutlineShapes(pal::Ink);
  tile.Blit(layer, 0, 0, true);
}

// ------------------------------------------------------------- features

void TreeRound(Canvas& l, float cx, float base, float r, Rgb leaf) {
  l.Rect(int(cx - r * 0.18f), int(base - r * 0.9f), std::max(2, int(r * 0.36f)), int(r * 0.9f),
         pal::WoodDark);
  float cy = base - r * 1.25f;
  l.Circle(cx, cy, r, Darken(leaf, 0.15f));
  l.Circle(cx - r * 0.2f, cy - r * 0.2f, r * 0.75f, leaf);
  l.Circle(cx - r * 0.38f, cy - r * 0.42f, r * 0.32f, Lighten(leaf, 0.25f));
}

void TreePine(Canvas& l, float cx, float base, float h, Rgb leaf) {
  l.Rect(int(cx - 1), int(base - h * 0.22f), 2, int(h * 0.22f) + 1, pal::WoodDark);
  for (int k = 0; k < 3; ++k) {
    float top = base - h + h * 0.22f * float(k);
    float bottom = base - h * 0.18f - h * 0.12f * float(2 - k);
    float half = h * (0.2f + 0.09f * float(k));
    l.Polygon({{cx, top}, {cx + half, bottom}, {cx - half, bottom}}, Darken(leaf, 0.2f));
    l.Polygon({{cx, top}, {cx, bottom}, {cx - half, bottom}}, leaf);
  }
}

void Bush(Canvas& l, float cx, float cy, float r, Rgb leaf) {
  l.Ellipse(cx, cy, r * 1.2f, r * 0.8f, Darken(leaf, 0.15f));
  l.Ellipse(cx - r * 0.3f, cy - r * 0.25f, r * 0.7f, r * 0.5f, Lighten(leaf, 0.15f));
}

void Rock(Canvas& l, float cx, float cy, float r, Rgb stone) {
  l.Polygon({{cx - r, cy + r * 0.5f},
             {cx - r * 0.6f, cy - r * 0.5f},
             {cx + r * 0.2f, cy - r * 0.8f},
             {cx + r, cy},
             {cx + r * 0.7f, cy + r * 0.6f}},
            Darken(stone, 0.2f));
  l.Polygon({{cx - r * 0.8f, cy + r * 0.3f},
             {cx - r * 0.5f, cy - r * 0.45f},
             {cx + r * 0.15f, cy - r * 0.65f},
             {cx + r * 0.1f, cy + r * 0.1f}},
            stone);
  l.Polygon({{cx - r * 0.45f, cy - r * 0.4f},
             {cx + r * 0.1f, cy - r * 0.6f},
             {cx - r * 0.1f, cy - r * 0.15f}},
            Lighten(stone, 0.3f));
}

// A mountain peak lit from the left, with snow when tall.
void Peak(Canvas& l, float cx, float base, float halfWidth, float height, bool snow) {
  const float top = base - height;
  const Rgb lit = Mix(pal::StoneLight, pal::EarthLight, 0.35f),
            dark = Mix(pal::StoneDark, pal::EarthDark, 0.4f);
  l.Polygon({{cx, top}, {cx + halfWidth, base}, {cx - halfWidth, base}}, dark);
  l.Polygon({{cx, top}, {cx + halfWidth * 0.15f, base}, {cx - halfWidth, base}}, lit);
  // A ridge line of the shadow side.
  l.ThickLine(cx, top, cx + halfWidth * 0.15f, base, 1.0f, Mix(lit, dark, 0.5f));
  if (snow) {
    float s = height * 0.28f;
    float w = halfWidth * s / height;
    l.Polygon({{cx, top},
               {cx + w, top + s},
               {cx + w * 0.3f, top + s * 0.8f},
               {cx - w * 0.2f, top + s * 1.05f},
               {cx - w, top + s}},
              pal::ParchmentLight);
  }
}

void House(Canvas& l, float x, float y, float w, float h, Rgb wall, Rgb roof) {
  // y is the foot of the wall.
  float wallTop = y - h;
  l.Rect(int(x), int(wallTop), int(w), int(h), wall);
  l.Rect(int(x + w - 2), int(wallTop), 2, int(h), Darken(wall, 0.2f));
  float roofH = h * 0.8f;
  l.Polygon(
      {{x - 1.5f, wallTop + 0.5f}, {x + w * 0.5f, wallTop - roofH}, {x + w + 1.5f, wallTop + 0.5f}},
      roof);
  l.Polygon({{x + w * 0.5f, wallTop - roofH},
             {x + w + 1.5f, wallTop + 0.5f},
             {x + w * 0.5f, wallTop + 0.5f}},
            Darken(roof, 0.2f));
  l.Rect(int(x + w * 0.5f - 1), int(y - h * 0.55f), 2, int(h * 0.55f), pal::WoodDeep);  // door
  if (w >= 9) l.Rect(int(x + 2), int(wallTop + 2), 2, 2, pal::WoodDeep);                // window
}

void Hut(Canvas& l, float cx, float y, float r, Rgb wall, Rgb thatch) {
  l.Rect(int(cx - r), int(y - r * 0.9f), int(r * 2), int(r * 0.9f), wall);
  l.Polygon({{cx - r - 1.5f, y - r * 0.8f}, {cx, y - r * 2.1f}, {cx + r + 1.5f, y - r * 0.8f}},
            thatch);
  l.Polygon({{cx, y - r * 2.1f}, {cx + r + 1.5f, y - r * 0.8f}, {cx, y - r * 0.8f}},
            Darken(thatch, 0.18f));
  l.Rect(int(cx - 1), int(y - r * 0.6f), 2, int(r * 0.6f), pal::WoodDeep);
}

void Tent(Canvas& l, float cx, float y, float r, Rgb cloth) {
  l.Polygon({{cx - r, y}, {cx, y - r * 1.5f}, {cx + r, y}}, cloth);
  l.Polygon({{cx, y - r * 1.5f}, {cx + r, y}, {cx, y}}, Darken(cloth, 0.22f));
  l.Polygon({{cx - r * 0.25f, y}, {cx, y - r * 0.6f}, {cx + r * 0.25f, y}}, pal::Ink);
  l.ThickLine(cx, y - r * 1.5f, cx - 1, y - r * 1.9f, 1.0f, pal::WoodDark);
}

// A round stone tower with a cone roof or battlements.
void TowerRound(Canvas& l, float cx, float top, float bottom, float r, Rgb stone, Rgb roof,
                bool cone) {
  l.Rect(int(cx - r), int(top), int(r * 2), int(bottom - top), stone);
  l.Rect(int(cx - r), int(top), int(r * 0.6f), int(bottom - top), Lighten(stone, 0.18f));
  l.Rect(int(cx + r * 0.45f), int(top), int(r * 0.55f) + 1, int(bottom - top), Darken(stone, 0.2f));
  l.Ellipse(cx, bottom, r, r * 0.35f, Darken(stone, 0.1f));
  if (cone) {
    l.Polygon({{cx - r - 1.5f, top + 1}, {cx, top - r * 2.2f}, {cx + r + 1.5f, top + 1}}, roof);
    l.Polygon({{cx, top - r * 2.2f}, {cx + r + 1.5f, top + 1}, {cx, top + 1}}, Darken(roof, 0.2f));
  } else {
    for (float x = cx - r; x < cx + r - 1; x += 3) l.Rect(int(x), int(top - 2), 2, 2, stone);
  }
  l.Rect(int(cx - 1), int(top + (bottom - top) * 0.3f), 2, 3, pal::Ink);
}

// A straight stone wall with battlements from (x0, y) to (x1, y), foot at y.
void WallRun(Canvas& l, float x0, float x1, float y, float h, Rgb stone) {
  l.Rect(int(x0), int(y - h), int(x1 - x0), int(h), stone);
  l.Rect(int(x0), int(y - h), int(x1 - x0), 1, Lighten(stone, 0.2f));
  for (float x = x0; x < x1 - 1; x += 4) l.Rect(int(x), int(y - h - 2), 2, 2, stone);
  for (float x = x0 + 2; x < x1 - 2; x += 6)
    l.Rect(int(x), int(y - h * 0.5f), 3, 1, Darken(stone, 0.2f));
}

void Gate(Canvas& l, float cx, float y, float w, float h) {
  l.Rect(int(cx - w / 2), int(y - h), int(w), int(h), pal::WoodDeep);
  l.Ellipse(cx, y - h, w / 2, w / 3, pal::WoodDeep);
}

// ------------------------------------------------------------- squares

struct SquareCtx {
  Canvas& c;
  float x0, y0;  // world corner
  // World point to square pixel.
  float X(float wx) const { return (wx - x0) / kWorldPerPixel; }
  float Y(float wy) const { return (wy - y0) / kWorldPerPixel; }
};

// Villages, drawn over their three cells, with a flag spot left free.
void Village(Canvas& tile, int style, float cx, float cy, uint64_t seed) {
  Canvas l = Layer();
  Rng rng(seed);
  const Rgb walls[4] = {pal::ParchmentDark, Mix(pal::SandLight, pal::Parchment, 0.5f),
                        pal::StoneLight, Mix(pal::Stone, pal::Parchment, 0.4f)};
  const Rgb roofs[4] = {Mix(pal::Gold, pal::WoodLight, 0.5f), Mix(pal::SandDark, pal::Wood, 0.4f),
                        pal::Red, pal::SlateDark};
  // Fields and a fence around the huts.
  if (style == 0) {
    for (int k = 0; k < 2; ++k) {
      float fx = k == 0 ? cx - 44 : cx + 26, fy = cy + 16 + float(k) * 3;
      tile.Rect(int(fx) - 1, int(fy) - 1, 20, 11, Mix(pal::EarthDark, pal::GrassDark, 0.4f));
      tile.Rect(int(fx), int(fy), 18, 9, Mix(pal::GoldDark, pal::Earth, 0.3f));
      for (int r = 0; r < 9; r += 2)
        tile.Rect(int(fx), int(fy + float(r)), 18, 1, Mix(pal::Gold, pal::Earth, 0.3f));
    }
  }
  const float spots[5][2] = {{-26, 2}, {-8, -8}, {13, 0}, {30, -6}, {4, 12}};
  for (int k = 0; k < 5; ++k) {
    float hx = cx + spots[k][0] + float(rng.Int(-2, 2)),
          hy = cy + spots[k][1] + float(rng.Int(-1, 1));
    if (style == 0 || style == 3)
      House(l, hx - 7, hy, 14, 9, walls[style], roofs[k % 2 == 0 ? style : 2]);
    else Hut(l, hx, hy, 6.5f, walls[style], roofs[style]);
  }
  Stamp(tile, l);
}

// A walled town; roadY / roadX (or -1) are the lanes of the roads through it.
// A road across leaves by an east gate, and by a west gate too when it runs
// on through the town rather than ending in it.
void Town(Canvas& tile, float left, float top, float right, float bottom, float roadY, float roadX,
          bool westGate, uint64_t seed) {
  Canvas l = Layer();
  const Rgb stone = Mix(pal::StoneLight, pal::Parchment, 0.3f);
  Rng rng(seed);
  const bool roadAcross = roadY >= 0, roadDown = roadX >= 0;
  const float midX = roadX, midY = roadY;
  // Cobbles inside the walls.
  for (int y = int(top + 6); y < int(bottom); ++y)
    for (int x = int(left + 3); x < int(right - 3); ++x) {
      Rgb g = tile.Get(x, y);
      float n = Hash01(x, y, 77);
      tile.Set(x, y, Mix(g, n < 0.5f ? pal::StoneLight : pal::Stone, 0.55f));
    }
  // Houses in a loose grid, leaving the road's lanes clear; a church with a
  // spire somewhere near the middle.
  struct Lot {
    float x, y;
  };
  std::vector<Lot> lots;
  for (float y = top + 20; y <= bottom - 3; y += 14) {
    for (float x = left + 7; x <= right - 17; x += 17) {
      if (roadAcross && y > midY - 3 && y - 10 < midY + 8) continue;
      if (roadDown && x + 14 > midX - 7 && x < midX + 7) continue;
      lots.push_back({x + rng.Range(-2, 2), y + rng.Range(-1, 1)});
    }
  }
  const size_t church = lots.empty() ? 0 : (lots.size() / 2 + size_t(rng.Int(0, 1))) % lots.size();
  for (size_t i = 0; i < lots.size(); ++i) {
    if (i != church && rng.Chance(0.15f)) continue;
    const Lot& lot = lots[i];
    if (i == church) {
      House(l, lot.x, lot.y, 14, 9, pal::StoneLight, pal::SlateDark);
      TowerRound(l, lot.x + 11, lot.y - 20, lot.y, 3.5f, pal::StoneLight, pal::SlateDark, true);
      continue;
    }
    const Rgb roofs[4] = {pal::Red, pal::RedDeep, pal::WoodLight,
                          Mix(pal::Red, pal::WoodLight, 0.5f)};
    float w = float(rng.Int(11, 14)), h = float(rng.Int(7, 9));
    House(l, lot.x, lot.y, w, h, rng.Chance(0.5f) ? pal::ParchmentLight : pal::Parchment,
          roofs[rng.Int(0, 3)]);
  }
  // Walls all round, gates where the road goes through.
  WallRun(l, left, right, top + 6, 5, stone);
  WallRun(l, left, right, bottom, 5, stone);
  l.Rect(int(left), int(top + 1), 4, int(bottom - top), stone);
  l.Rect(int(right - 4), int(top + 1), 4, int(bottom - top), stone);
  if (roadAcross) {
    if (westGate) l.Rect(int(left), int(midY - 5), 4, 10, pal::WoodDeep);
    l.Rect(int(right - 4), int(midY - 5), 4, 10, pal::WoodDeep);
  }
  if (roadDown) {
    Gate(l, midX, bottom, 8, 5);
    l.Rect(int(midX - 4), int(top), 8, 6, pal::WoodDeep);
  }
  for (float x : {left + 2, right - 2}) {
    TowerRound(l, x, top - 2, top + 8, 4, stone, pal::RedDeep, true);
    TowerRound(l, x, bottom - 8, bottom + 1, 4, stone, pal::RedDeep, true);
  }
  Stamp(tile, l);
}

void Mine(Canvas& tile, float cx, float cy, Rgb ore) {
  Canvas l = Layer();
  // A rocky mound with a timbered entrance facing the road.
  l.Ellipse(cx, cy, 24, 18, Mix(pal::StoneDark, pal::Earth, 0.4f));
  l.Ellipse(cx - 6, cy - 6, 16, 11, Mix(pal::Stone, pal::EarthLight, 0.3f));
  Rock(l, cx - 15, cy - 3, 6, pal::Stone);
  Rock(l, cx + 14, cy - 6, 7, pal::StoneDark);
  l.Rect(int(cx - 7), int(cy), 14, 14, pal::Ink);
  l.Rect(int(cx - 8), int(cy - 2), 16, 3, pal::WoodLight);
  l.Rect(int(cx - 8), int(cy), 3, 14, pal::Wood);
  l.Rect(int(cx + 5), int(cy), 3, 14, pal::Wood);
  // A cart of ore by the door.
  l.Rect(int(cx + 11), int(cy + 8), 9, 5, pal::WoodDark);
  l.Ellipse(cx + 15.5f, cy + 7, 4, 2.5f, ore);
  l.Circle(cx + 13, cy + 14, 1.5f, pal::Iron);
  l.Circle(cx + 18, cy + 14, 1.5f, pal::Iron);
  Stamp(tile, l);
}

void Palace(Canvas& tile) {
  Canvas l = Layer();
  const Rgb wall = pal::ParchmentLight, trim = pal::Gold;
  // The main hall, the three domed towers under the three flags.
  l.Rect(26, 58, 76, 44, wall);
  l.Rect(26, 58, 76, 3, Lighten(trim, 0.2f));
  l.Rect(92, 58, 10, 44, Mix(wall, pal::ParchmentDark, 0.6f));
  for (int x = 31; x < 96; x += 9) l.Rect(x, 68, 3, 7, pal::BlueDeep);
  for (int x = 31; x < 96; x += 9) l.Rect(x, 82, 3, 7, pal::BlueDeep);
  // Side towers.
  for (float tx : {18.0f, 88.0f}) {
    l.Rect(int(tx - 6), 34, 12, 68, wall);
    l.Rect(int(tx + 2), 34, 4, 68, Mix(wall, pal::ParchmentDark, 0.6f));
    l.Ellipse(tx, 34, 7, 6, pal::Blue);
    l.Ellipse(tx - 2, 32, 3, 2.5f, pal::BlueLight);
  }
  // The central dome.
  l.Rect(40, 48, 24, 12, wall);
  l.Ellipse(52, 48, 14, 11, pal::Blue);
  l.Ellipse(48, 44, 6, 4, pal::BlueLight);
  l.Rect(51, 37, 2, 4, trim);
  // The great gate over the road.
  l.Rect(56, 86, 16, 16, pal::GoldDark);
  l.Ellipse(64, 86, 8, 6, pal::GoldDark);
  l.Rect(59, 88, 10, 14, pal::WoodDeep);
  Stamp(tile, l, 3);
  // Gardens either side of the gate.
  Canvas g = Layer();
  for (float x : {30.0f, 44.0f, 84.0f, 98.0f}) Bush(g, x, 110, 4, pal::Leaf);
  Stamp(tile, g, 1);
}

void Temple(Canvas& tile) {
  Canvas l = Layer();
  const Rgb marble = pal::ParchmentLight;
  // Steps, columns, the golden roof.
  l.Rect(24, 70, 80, 6, Mix(marble, pal::Stone, 0.3f));
  l.Rect(28, 66, 72, 5, marble);
  for (int x = 31; x <= 94; x += 9) {
    l.Rect(x, 40, 5, 26, marble);
    l.Rect(x + 3, 40, 2, 26, Mix(marble, pal::ParchmentDark, 0.6f));
  }
  l.Rect(28, 36, 72, 5, pal::GoldDark);
  l.Polygon({{24, 37}, {64, 16}, {104, 37}}, pal::Gold);
  l.Polygon({{64, 16}, {104, 37}, {64, 37}}, pal::GoldDark);
  l.Circle(64, 29, 3, pal::GoldLight);
  l.Rect(58, 50, 12, 16, pal::WoodDeep);
  Stamp(tile, l, 3);
  // A path to the flag in front.
  Canvas p = Layer();
  for (int y = 76; y < 104; y += 4) p.Rect(60, y, 8, 3, pal::StoneLight);
  Stamp(tile, p, 0);
}

void Castle(Canvas& tile, bool evil) {
  Canvas l = Layer();
  const Rgb stone =
      evil ? Mix(pal::SlateDark, pal::Purple, 0.25f) : Mix(pal::StoneLight, pal::Stone, 0.4f);
  const Rgb roof = evil ? pal::RedDeep : pal::BlueDeep;
  // Curtain wall with four corner towers, a keep in the middle.
  WallRun(l, 14, 114, 40, 8, stone);
  WallRun(l, 14, 114, 112, 12, stone);
  l.Rect(14, 36, 6, 70, stone);
  l.Rect(108, 36, 6, 70, Darken(stone, 0.15f));
  // The keep.
  l.Rect(42, 38, 44, 46, Lighten(stone, 0.08f));
  l.Rect(76, 38, 10, 46, Darken(stone, 0.15f));
  for (float x = 42; x < 85; x += 5) l.Rect(int(x), 34, 3, 4, stone);
  for (int x = 48; x < 84; x += 9) l.Rect(x, 48, 3, 8, pal::Ink);
  TowerRound(l, evil ? 64 : 46, 16, 40, 7, stone, roof, true);
  Gate(l, 64, 112, 14, 12);
  Gate(l, 64, 84, 10, 10);
  // Corner towers (the flags fly from the upper ones).
  TowerRound(l, evil ? 11 : 17, 16, 42, 8, stone, roof, evil);
  TowerRound(l, evil ? 96 : 111, 16, 42, 8, stone, roof, evil);
  TowerRound(l, 17, 92, 114, 8, stone, roof, false);
  TowerRound(l, 111, 92, 114, 8, stone, roof, false);
  if (!evil) {
    // The west gate where the king's road comes in.
    l.Rect(14, 58, 6, 12, pal::WoodDeep);
  }
  Stamp(tile, l, 3);
}

void WastelandTower(Canvas& tile) {
  Canvas l = Layer();
  const Rgb stone = Mix(pal::Stone, pal::SlateLight, 0.4f);
  TowerRound(l, 32, 72, 102, 10, stone, pal::BlueDeep, false);
  l.Rect(22, 64, 20, 8, stone);
  for (float x = 22; x < 41; x += 4) l.Rect(int(x), 61, 2, 3, stone);
  Gate(l, 32, 102, 8, 10);
  Rock(l, 66, 96, 7, pal::StoneDark);
  Stamp(tile, l, 3);
}

void EvilTemple(Canvas& tile) {
  Canvas l = Layer();
  const Rgb stone = Mix(pal::SlateDark, pal::Purple, 0.45f);
  l.Rect(28, 34, 72, 44, stone);
  l.Rect(88, 34, 12, 44, Darken(stone, 0.25f));
  // Pointed spires.
  for (float x : {32.0f, 64.0f, 96.0f}) {
    float h = x == 64 ? 30 : 20;
    l.Rect(int(x - 5), int(34 - h * 0.4f), 10, int(h * 0.4f) + 1, stone);
    l.Polygon({{x - 6, 34 - h * 0.4f}, {x, 34 - h * 1.4f}, {x + 6, 34 - h * 0.4f}}, pal::Purple);
  }
  l.Ellipse(64, 50, 7, 7, pal::RedDeep);
  l.Circle(64, 50, 3, pal::Red);
  Gate(l, 64, 78, 12, 14);
  for (int x = 36; x < 92; x += 10) {
    if (x > 54 && x < 74) continue;
    l.Rect(x, 46, 3, 10, pal::Night);
  }
  Stamp(tile, l, 3);
}

void Camp(Canvas& tile, float left, float top, float right, float bottom, uint64_t seed,
          Rgb cloth) {
  Canvas l = Layer();
  Rng rng(seed);
  // A palisade ring, tents, a fire.
  float cx = (left + right) / 2, cy = (top + bottom) / 2;
  float rx = (right - left) / 2, ry = (bottom - top) / 2;
  for (int k = 0; k < 48; ++k) {
    float a = float(k) / 48 * 2 * kPi;
    if (std::fabs(a - kPi * 0.5f) < 0.25f) continue;  // the way in
    float px = cx + std::cos(a) * rx, py = cy + std::sin(a) * ry;
    l.Rect(int(px - 1), int(py - 4), 2, 5, pal::WoodDark);
  }
  const int tents = std::max(3, int(rx * ry / 150));
  for (int k = 0; k < tents; ++k) {
    float a = float(k) / float(tents) * 2 * kPi + 0.3f;
    float tx = cx + std::cos(a) * rx * 0.55f, ty = cy + std::sin(a) * ry * 0.55f + 6;
    Rgb col = k % 3 == 0 ? Mix(cloth, pal::ParchmentDark, 0.4f) : cloth;
    Tent(l, tx + float(rng.Int(-2, 2)), ty, 6.0f + float(rng.Int(0, 2)), col);
  }
  l.Circle(cx, cy + 4, 3, pal::Fire);
  l.Circle(cx - 0.5f, cy + 3, 1.5f, pal::FireLight);
  Stamp(tile, l, 2);
}

// A range of overlapping peaks whose feet lie between rows from and to,
// drawn from the back to the front.
void Mountains(Canvas& tile, int variant, uint64_t seed, float from, float to) {
  Canvas l = Layer();
  Rng rng(seed + uint64_t(variant));
  struct P {
    float x, base, hw, h;
  };
  std::vector<P> peaks;
  for (float base = from + 10; base <= to; base += 11) {
    const int inRow = rng.Int(2, 3);
    for (int k = 0; k < inRow; ++k) {
      float hw = rng.Range(12, 19);
      float x = (float(k) + 0.5f) * float(kTile) / float(inRow) + rng.Range(-9, 9);
      x = std::clamp(x, hw + 2, float(kTile) - hw - 2);
      float h = std::min(hw * rng.Range(1.1f, 1.5f), base - 3);
      if (h < 8) continue;
      peaks.push_back({x, base + rng.Range(-3, 3), hw, h});
    }
  }
  std::sort(peaks.begin(), peaks.end(), [](const P& a, const P& b) { return a.base < b.base; });
  for (const P& p : peaks) {
    Peak(l, p.x, std::min(p.base, float(kTile) - 3), p.hw, p.h, p.h > 21);
    l.PolygonOutline({{p.x, p.base - p.h}, {p.x + p.hw, p.base}, {p.x - p.hw, p.base}},
                     pal::InkSoft, 1);
  }
  Stamp(tile, l, 2, 0.25f);
}

// The road through the mountain pass needs its peaks off the lane.
void PassMountains(Canvas& tile, uint64_t seed) {
  Canvas l = Layer();
  Rng rng(seed);
  // Above the road two rows of peaks, below it one row of foothills.
  for (float base : {30.0f, 46.0f}) {
    for (int k = 0; k < 4; ++k) {
      float hw = rng.Range(12, 17);
      float x = std::clamp(16 + float(k) * 32 + rng.Range(-6, 6) + (base > 40 ? 14.0f : 0.0f),
                           hw + 2, kTile - hw - 2);
      float h = std::min(hw * rng.Range(1.1f, 1.4f), base - 3);
      Peak(l, x, base, hw, h, h > 21);
      l.PolygonOutline({{x, base - h}, {x + hw, base}, {x - hw, base}}, pal::InkSoft, 1);
    }
  }
  for (int k = 0; k < 4; ++k) {
    float hw = rng.Range(12, 16);
    float x = std::clamp(18 + float(k) * 31 + rng.Range(-5, 5), hw + 2, kTile - hw - 2);
    float h = rng.Range(26, 34);
    Peak(l, x, 124, hw, h, false);
    l.PolygonOutline({{x, 124 - h}, {x + hw, 124}, {x - hw, 124}}, pal::InkSoft, 1);
  }
  Stamp(tile, l, 2, 0.25f);
}

// Low hills and stones of the foothills, east of the meadow's edge.
void Foothills(Canvas& tile, uint64_t seed, bool road) {
  Canvas l = Layer();
  Rng rng(seed);
  // Hills apart from one another, drawn from the back to the front, each
  // outlined along its own slopes.
  struct Hill {
    float x, base, hw, h;
  };
  std::vector<Hill> hills;
  for (int k = 0; k < 4; ++k) {
    float x = rng.Range(52, 112), base = rng.Range(22, 122);
    float hw = rng.Range(8, 12);
    float h = hw * rng.Range(0.7f, 0.95f);
    if (road && base > 50 && base < 84) continue;
    bool crowded = false;
    for (const Hill& o : hills)
      crowded = crowded || (std::fabs(o.x - x) < o.hw + hw && std::fabs(o.base - base) < 16);
    if (!crowded) hills.push_back({x, base, hw, h});
  }
  std::sort(hills.begin(), hills.end(),
            [](const Hill& a, const Hill& b) { return a.base < b.base; });
  for (const Hill& p : hills) {
    Peak(l, p.x, p.base, p.hw, p.h, false);
    l.PolygonOutline({{p.x, p.base - p.h}, {p.x + p.hw, p.base}, {p.x - p.hw, p.base}},
                     pal::InkSoft, 1);
  }
  for (int k = 0; k < 3; ++k) {
    float y = rng.Range(12, 120);
    if (road && y > 50 && y < 84) continue;
    Rock(l, rng.Range(48, 118), y, rng.Range(2.5f, 4.0f), pal::Stone);
  }
  Stamp(tile, l, 2, 0.25f);
}

void Grove(Canvas& tile, float cx, float cy, float spread, int count, Rgb leaf, uint64_t seed,
           bool pines) {
  Canvas l = Layer();
  Rng rng(seed);
  std::vector<Pt> spots;
  for (int k = 0; k < count; ++k)
    spots.push_back(
        {cx + rng.Range(-spread, spread), cy + rng.Range(-spread * 0.7f, spread * 0.7f)});
  std::sort(spots.begin(), spots.end(), [](Pt a, Pt b) { return a.y < b.y; });
  for (size_t k = 0; k < spots.size(); ++k) {
    Rgb c = Mix(leaf, k % 2 ? pal::GrassDark : pal::Grass, 0.25f);
    if (pines && k % 2 == 0) TreePine(l, spots[k].x, spots[k].y, 16 + rng.Range(0, 5), c);
    else TreeRound(l, spots[k].x, spots[k].y, 5.5f + rng.Range(0, 2), c);
  }
  Stamp(tile, l, 2);
}

void Flowers(Canvas& tile, float cx, float cy, float r, uint64_t seed) {
  Rng rng(seed);
  const Rgb colours[4] = {pal::GoldLight, pal::ParchmentLight, pal::RedLight, pal::BlueLight};
  for (int k = 0; k < int(r * r * 0.12f); ++k) {
    float a = rng.Range(0, 2 * kPi), d = r * std::sqrt(rng.Float());
    int x = int(cx + std::cos(a) * d), y = int(cy + std::sin(a) * d);
    Rgb c = colours[rng.Int(0, 3)];
    tile.Set(x, y + 2, pal::GrassDark);
    tile.Rect(x, y, 2, 2, c);
    tile.Set(x + 1, y + 1, Darken(c, 0.25f));
  }
}

// What each image of the sheet shows, painted into its 128-pixel square.
void PaintSquare(Canvas& c, int index, float wx, float wy) {
  const std::string name = maplayout::kImages[index].name;
  auto plain = [&](Ground g) { PaintGround(c, wx, wy, true, g, false); };
  auto field = [&]() { PaintGround(c, wx, wy, false, kGrass, true); };
  SquareCtx s{c, wx, wy};
  const uint64_t seed = HashString(name);

  // Plain grounds, used at many places.
  if (name == "Grass5" || name == "Grass6" || name == "Grass7") {
    plain(kGrass);
    Rng rng(seed);
    // A few darker patches away from the edges.
    for (int k = 0; k < 3; ++k) {
      float cx = rng.Range(24, 104), cy = rng.Range(24, 104);
      for (int y = -10; y <= 10; ++y)
        for (int x = -14; x <= 14; ++x)
          if (x * x / 196.0f + y * y / 100.0f < 1.0f &&
              Hash01(x + 40, y + 40, uint32_t(seed)) < 0.5f)
            c.Set(int(cx) + x, int(cy) + y,
                  Mix(c.Get(int(cx) + x, int(cy) + y), pal::GrassDark, 0.18f));
    }
    return;
  }
  if (name == "Grass3") {
    plain(kGrass);
    Flowers(c, 48, 52, 14, seed);
    Flowers(c, 84, 86, 10, seed + 1);
    return;
  }
  if (name == "Grass4" || name == "Grass1" || name == "Grass2") {
    plain(kGrass);
    Canvas l = Layer();
    Rng rng(seed);
    for (int k = 0; k < 4; ++k) Bush(l, rng.Range(20, 108), rng.Range(20, 108), 4, pal::Leaf);
    Stamp(c, l, 1);
    if (name == "Grass2") Flowers(c, 64, 64, 12, seed);
    return;
  }
  if (name == "Tree1") {
    plain(kGrass);
    Grove(c, 64, 74, 40, 11, pal::Leaf, seed, false);
    return;
  }
  if (name == "Desert8") {
    plain(kSand);
    return;
  }
  if (name == "Grey6") {
    plain(kWaste);
    return;
  }
  if (name == "GrassG3") {
    plain(kLush);
    return;
  }
  if (name == "GrassG9") {
    plain(kLush);
    Grove(c, 60, 70, 26, 7, pal::Leaf, seed, true);
    return;
  }

  // Everything else is painted from the field at its place.
  field();
  if (name == "Palace3") Palace(c);
  else if (name == "Mansion") Temple(c);
  else if (name == "Citadel") Castle(c, false);
  else if (name == "CastleEvil") Castle(c, true);
  else if (name == "Tower") WastelandTower(c);
  else if (name == "DarkTemple") EvilTemple(c);
  else if (name == "Town1") Town(c, 3, 20, 125, 104, s.Y(700), -1, true, seed);    // Moja
  else if (name == "Town5") Town(c, 3, 22, 100, 80, s.Y(700), -1, false, seed);    // Cebula
  else if (name == "Town2") Town(c, 4, 22, 124, 104, -1, s.X(-500), false, seed);  // Rabarbar
  else if (name == "Town4") {                                                      // Ziemniak
    Town(c, 6, 24, 122, 104, -1, -1, false, seed);
    Canvas g = Layer();
    Gate(g, 64, 30, 8, 6);
    Stamp(c, g, 0);
  } else if (name == "MineGold") Mine(c, s.X(-500), s.Y(455), pal::Gold);
  else if (name == "MineIron") Mine(c, s.X(900), s.Y(55), pal::SlateLight);
  else if (name == "Village2") Village(c, 0, s.X(-700), s.Y(495), seed);    // Kapusta
  else if (name == "Village1") Village(c, 0, s.X(-1285), s.Y(1525), seed);  // Burak
  else if (name == "Village3") Village(c, 0, s.X(900), s.Y(325), seed);     // Iron
  else if (name == "Village4") Village(c, 3, s.X(100), s.Y(1305), seed);    // Balon and Trawa
  else if (name == "Village5") Village(c, 1, s.X(-500), s.Y(-452), seed);   // Desert Village
  else if (name == "Grey14") Village(c, 1, s.X(1662), s.Y(-690), seed);     // Mountain Village
  else if (name == "Grey7") Village(c, 2, s.X(1900), s.Y(-280), seed);      // Little Village
  else if (name == "M8") {
    Mountains(c, 1, seed, 10, 40);
    Village(c, 2, s.X(1500), s.Y(325), seed);  // Usta Village
  } else if (name == "M4" || name == "M5") PassMountains(c, seed);
  else if (name == "M2" || name == "M10") Mountains(c, 2, seed, 60, 124);
  else if (name == "M6" || name == "M7") Mountains(c, 3, seed, 8, 80);
  else if (name[0] == 'M' && name.size() <= 3) Mountains(c, name.back(), seed, 8, 124);
  else if (name.rfind("Tribe", 0) == 0) {
    // Olej, Lato, Kawa, Grubas, Janek, Noga: camps over their cells.
    const int n = name.back() - '1';
    const float box[6][4] = {{4, 6, 124, 104},  {30, 6, 100, 104},  {28, 26, 102, 80},
                             {30, 6, 100, 104}, {28, 26, 124, 104}, {6, 6, 124, 80}};
    const Rgb cloth[3] = {pal::RedDeep, Mix(pal::WoodLight, pal::Red, 0.4f),
                          Mix(pal::Purple, pal::RedDeep, 0.5f)};
    Camp(c, box[n][0], box[n][1], box[n][2], box[n][3], seed, cloth[n % 3]);
  } else if (name.rfind("Brown", 0) == 0 || name == "Road7") {
    Foothills(c, seed, name == "Road7");
  } else if (name == "GrassG4" || name == "GrassG8" || name == "GrassG10") {
    Grove(c, 64, 70, 30, 6, pal::Leaf, seed, name != "GrassG8");
  }
  // The other field squares (roads, the edges of the grounds, the lakes)
  // need nothing more.
}

// The world corner at which each image is painted: its first square in the
// grid, or its place square.
bool PlaceOfImage(int index, float* wx, float* wy) {
  using namespace maplayout;
  for (int j = 0; j < kSquareRows; ++j)
    for (int i = 0; i < kSquareColumns; ++i)
      if (kSquareImage[j][i] == index) {
        *wx = float(kGridLeft + i * kSquareSize);
        *wy = float(kGridTop + j * kSquareSize);
        return true;
      }
  struct Placed {
    int index;
    float x, y;
  };
  const Placed placed[] = {
      {kTower, 2000, 600},   {kTribe1, 2200, 0},         {kTribe5, 2600, 400},
      {kTribe4, 1800, 1200}, {kTribe6, 3000, 1400},      {kTribe3, 2400, -600},
      {kTribe2, 3000, -200}, {kDarkTemple, 3200, -1000}, {kCastleEvil, 3400, 400}};
  for (const Placed& p : placed)
    if (p.index == index) {
      *wx = p.x;
      *wy = p.y;
      return true;
    }
  return false;
}

// ------------------------------------------------------------- small pictures

// Decorations: opaque frames painted on the ground they stand on.
void DecorationGround(Canvas& f, Ground g) {
  for (int y = 0; y < f.h; ++y)
    for (int x = 0; x < f.w; ++x) f.Set(x, y, GroundAt(g, x * 3 + 17, y * 3 + 29));
}

void PaintDecoration(Canvas& f, int image, int frame) {
  using namespace maplayout;
  const float w = float(f.w), h = float(f.h);
  Ground g = kWaste;
  if (image == kMapOthers3) {
    const Ground grounds[8] = {kLush, kLush, kGrass, kGrass, kSand, kGrass, kWaste, kWaste};
    g = grounds[frame];
  } else if (image == kMapOthers5) {
    const Ground grounds[4] = {kLush, kWaste, kWaste, kSand};
    g = grounds[frame];
  }
  DecorationGround(f, g);
  Canvas l(f.w, f.h, kKeyRed, 3);
  auto finish = [&](int shadow) { Stamp(f, l, shadow, 0.3f); };
  if (image == kMapOthers) {
    if (frame == 0) Rock(l, w / 2, h / 2 + 0.5f, 3.2f, pal::Stone);
    else Peak(l, w / 2, h - 0.5f, 2.6f, h - 1.5f, false);
    finish(1);
  } else if (image == kMapOthers2) {
    if (frame == 0) {  // a dry shrub
      l.Line(4, 7, 4, 3, pal::WoodDark);
      l.Line(4, 5, 2, 2, pal::WoodDark);
      l.Line(4, 5, 6, 2, pal::WoodDark);
      l.Set(4, 2, pal::EarthLight);
      finish(0);
    } else if (frame == 1) {  // bones
      l.Rect(2, 4, 4, 1, pal::ParchmentLight);
      l.Rect(1, 3, 1, 3, pal::ParchmentLight);
      l.Rect(6, 3, 1, 3, pal::ParchmentLight);
      finish(0);
    } else if (frame == 2) {  // a stone
      Rock(l, w / 2, h / 2 + 0.5f, 2.8f, pal::Stone);
      finish(1);
    } else {  // a crack in the ground
      for (int x = 0; x < 8; ++x) f.Set(x, 3 + (x % 3 == 1) - (x == 5), pal::SlateDark);
      f.Set(3, 5, pal::SlateDark);
      f.Set(6, 2, pal::SlateDark);
    }
  } else if (image == kMapOthers3) {
    switch (frame) {
      case 0: TreeRound(l, 8, 15, 5.2f, Mix(pal::Leaf, pal::GrassDark, 0.2f)); break;
      case 1: TreePine(l, 8, 15.5f, 14, Mix(pal::Leaf, pal::GrassDark, 0.35f)); break;
      case 2: Bush(l, 8, 10, 5, pal::Leaf); break;
      case 3: {
        const Rgb colours[3] = {pal::GoldLight, pal::RedLight, pal::ParchmentLight};
        for (int k = 0; k < 7; ++k) {
          int x = 2 + (k * 5) % 12, y = 3 + (k * 7) % 10;
          f.Set(x, y + 1, pal::GrassDark);
          f.Set(x, y, colours[k % 3]);
        }
        return;
      }
      case 4: {  // a cactus
        l.Rect(7, 3, 3, 12, pal::Leaf);
        l.Rect(4, 6, 2, 5, pal::Leaf);
        l.Rect(4, 10, 4, 2, pal::Leaf);
        l.Rect(11, 5, 2, 4, pal::Leaf);
        l.Rect(9, 8, 3, 2, pal::Leaf);
        l.Rect(7, 3, 1, 12, Lighten(pal::Leaf, 0.25f));
        break;
      }
      case 5: TreeRound(l, 8, 15, 5.0f, pal::Grass); break;
      case 6:
        Rock(l, 6, 9, 4.5f, pal::Stone);
        Rock(l, 11, 11, 3.2f, pal::StoneDark);
        break;
      default:  // a dead tree
        l.ThickLine(8, 15, 8, 4, 2, pal::WoodDark);
        l.ThickLine(8, 9, 4, 5, 1.2f, pal::WoodDark);
        l.ThickLine(8, 7, 12, 3, 1.2f, pal::WoodDark);
        l.ThickLine(5, 6, 4, 3, 1, pal::WoodDark);
        break;
    }
    finish(1);
  } else {  // MapOthers5
    switch (frame) {
      case 0:
        TreeRound(l, 10, 18, 5, Mix(pal::Leaf, pal::GrassDark, 0.2f));
        TreePine(l, 22, 20, 16, Mix(pal::Leaf, pal::GrassDark, 0.3f));
        TreeRound(l, 15, 30, 6, pal::Leaf);
        break;
      case 1:
        Rock(l, 13, 18, 10, pal::Stone);
        Rock(l, 23, 23, 7, pal::StoneDark);
        Rock(l, 8, 26, 4, pal::StoneLight);
        break;
      case 2: {  // a crater
        for (int y = 0; y < 32; ++y)
          for (int x = 0; x < 32; ++x) {
            float dx = (float(x) - 16) / 13, dy = (float(y) - 16) / 10;
            float r = dx * dx + dy * dy;
            if (r < 1)
              f.Set(x, y,
                    Mix(f.Get(x, y), dy < 0 ? pal::SlateDark : pal::SlateLight,
                        0.35f * (1 - r) + 0.2f));
            if (r >= 0.8f && r < 1.1f)
              f.Set(x, y, Mix(f.Get(x, y), dy < 0 ? pal::SlateLight : pal::SlateDark, 0.5f));
          }
        return;
      }
      default:  // a weathered skull on a dune
        l.Ellipse(16, 17, 8, 6, pal::ParchmentLight);
        l.Rect(12, 21, 8, 4, pal::ParchmentLight);
        l.Circle(13, 17, 2, pal::InkSoft);
        l.Circle(19, 17, 2, pal::InkSoft);
        l.Rect(15, 21, 1, 3, pal::InkSoft);
        l.Rect(17, 21, 1, 3, pal::InkSoft);
        break;
    }
    finish(2);
  }
}

// Flags: four frames of a banner waving on its pole.
void PaintFlag(Canvas& c, int which) {
  ForEachFrame(c, 32, 32, 4, [which](Canvas& f, int k) {
    const Rgb cloth = which == 1 ? pal::Blue : which == 2 ? pal::RedDeep : pal::Gold;
    const Rgb light = which == 1 ? pal::BlueLight : which == 2 ? pal::Red : pal::GoldLight;
    const Rgb mark = which == 1 ? pal::GoldLight : which == 2 ? pal::Ink : pal::BlueDeep;
    const float phase = float(k) * kPi / 2;
    for (int x = 6; x < 28; ++x) {
      float t = float(x - 6) / 22.0f;
      float wave = std::sin(phase + t * 5.0f) * 1.6f * t;
      int top = int(std::lround(4 + wave + t * 1.5f)),
          bottom = int(std::lround(17 + wave - t * 1.0f));
      for (int y = top; y <= bottom; ++y) {
        float shade = std::cos(phase + t * 5.0f);
        f.Set(x, y, shade > 0.3f ? light : shade < -0.5f ? Darken(cloth, 0.2f) : cloth);
      }
    }
    // The mark: a small cross or star near the pole.
    int my = 10 + int(std::lround(std::sin(phase + 1.4f) * 0.6f));
    f.Rect(12, my - 3, 2, 7, mark);
    f.Rect(10, my - 1, 6, 2, mark);
    f.Rect(4, 3, 2, 28, pal::WoodDark);
    f.Rect(4, 3, 1, 28, pal::WoodLight);
    f.Rect(3, 1, 4, 2, pal::GoldLight);
    f.OutlineShapes(pal::Ink);
  });
}

void PaintBorder(Canvas& c) {
  ForEachFrame(c, 32, 32, 3, [](Canvas& f, int k) {
    // Dark wooden planks with a gold line on the side facing the land.
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        int across = k == 0 ? x : y;  // 0 runs upright, 1 lies along
        int along = k == 0 ? y : x;
        Rgb col = Mix(pal::WoodDark, pal::Wood,
                      0.3f + 0.25f * std::sin(float(along) * 0.4f + float(across)));
        if (across < 2) col = pal::WoodLight;
        if (across > 29) col = pal::WoodDeep;
        if (across == 15) col = pal::GoldDark;
        if (k == 2) {
          col = Mix(pal::WoodDark, pal::WoodDeep, 0.3f);
          if (x < 2 || y < 2) col = pal::WoodLight;
          if (x > 29 || y > 29) col = pal::WoodDeep;
          float d = std::hypot(float(x) - 15.5f, float(y) - 15.5f);
          if (d < 6) col = d < 3 ? pal::GoldLight : pal::Gold;
        }
        f.Set(x, y, col);
      }
  });
}

// Quest markers: small objects on the map, red shows through.
void PaintMarker(Canvas& f, int k) {
  const float cx = 16;
  switch (k % 26) {
    case 0:  // a chest
      f.Rect(7, 13, 18, 11, pal::Wood);
      f.Rect(7, 10, 18, 4, pal::WoodLight);
      f.Rect(7, 15, 18, 2, pal::GoldDark);
      f.Rect(15, 14, 3, 4, pal::Gold);
      break;
    case 1:  // a scroll
      f.Rect(9, 9, 14, 15, pal::Parchment);
      f.Rect(7, 8, 18, 3, pal::ParchmentDark);
      f.Rect(7, 23, 18, 3, pal::ParchmentDark);
      for (int y = 13; y < 22; y += 3) f.Rect(11, y, 10, 1, pal::InkSoft);
      break;
    case 2:  // a sword
      f.ThickLine(9, 24, 23, 8, 2.5f, pal::Steel);
      f.ThickLine(8, 19, 14, 25, 2, pal::GoldDark);
      f.ThickLine(6, 27, 10, 23, 2, pal::WoodDark);
      break;
    case 3:  // a shield
      f.Polygon({{8, 8}, {24, 8}, {24, 16}, {16, 26}, {8, 16}}, pal::Blue);
      f.Rect(15, 9, 2, 15, pal::Gold);
      f.Rect(9, 13, 14, 2, pal::Gold);
      break;
    case 4:  // a sack of gold
      f.Ellipse(cx, 19, 8, 7, pal::ParchmentDark);
      f.Rect(13, 9, 6, 5, pal::ParchmentDark);
      f.Rect(12, 12, 8, 2, pal::WoodDark);
      f.Circle(16, 20, 2.5f, pal::Gold);
      break;
    case 5:  // a key
      f.CircleOutline(11, 12, 4, pal::Gold, 2);
      f.ThickLine(14, 15, 24, 25, 2, pal::Gold);
      f.Rect(20, 22, 2, 4, pal::Gold);
      break;
    case 6:  // a crown
      f.Polygon({{7, 22}, {7, 11}, {11, 16}, {16, 9}, {21, 16}, {25, 11}, {25, 22}}, pal::Gold);
      f.Circle(16, 18, 2, pal::Red);
      break;
    case 7:  // a ring
      f.CircleOutline(16, 18, 6, pal::Gold, 2.2f);
      f.Circle(16, 11, 2.5f, pal::Enchanted);
      break;
    case 8:  // a boot
      f.Rect(11, 8, 7, 13, pal::WoodLight);
      f.Rect(11, 19, 14, 5, pal::WoodLight);
      f.Rect(11, 23, 14, 2, pal::WoodDark);
      break;
    case 9:  // a helmet
      f.Ellipse(cx, 17, 9, 9, pal::Steel);
      f.Rect(7, 17, 18, 8, pal::Steel);
      f.Rect(11, 18, 10, 3, pal::Ink);
      f.Rect(15, 18, 2, 7, pal::Steel);
      break;
    case 10:  // a potion
      f.Circle(cx, 20, 7, pal::Enchanted);
      f.Rect(14, 7, 4, 7, pal::SlateLight);
      f.Rect(13, 6, 6, 2, pal::WoodLight);
      break;
    case 11:  // a book
      f.Rect(8, 8, 16, 18, pal::RedDeep);
      f.Rect(10, 10, 12, 14, pal::Red);
      f.Rect(21, 9, 2, 17, pal::ParchmentLight);
      break;
    case 12:  // a gem
      f.Polygon({{16, 7}, {25, 14}, {16, 26}, {7, 14}}, pal::Enchanted);
      f.Polygon({{16, 7}, {16, 26}, {7, 14}}, pal::BlueLight);
      break;
    case 13:  // a skull
      f.Circle(cx, 14, 8, pal::ParchmentLight);
      f.Rect(11, 19, 10, 6, pal::ParchmentLight);
      f.Circle(13, 14, 2, pal::Ink);
      f.Circle(19, 14, 2, pal::Ink);
      break;
    case 14:  // an axe
      f.ThickLine(10, 26, 20, 8, 2, pal::Wood);
      f.Polygon({{17, 6}, {26, 9}, {24, 17}, {19, 12}}, pal::Steel);
      break;
    case 15:  // an apple
      f.Circle(cx, 18, 8, pal::Red);
      f.Circle(13, 15, 2.5f, pal::RedLight);
      f.Rect(16, 7, 2, 5, pal::WoodDark);
      f.Ellipse(20, 8, 3, 1.6f, pal::Leaf);
      break;
    case 16:  // a horn
      f.Polygon({{6, 12}, {10, 10}, {26, 18}, {24, 24}, {8, 16}}, pal::ParchmentDark);
      f.Rect(22, 17, 3, 7, pal::GoldDark);
      break;
    case 17:  // a lantern
      f.Rect(11, 10, 10, 14, pal::Iron);
      f.Rect(13, 12, 6, 10, pal::FireLight);
      f.Rect(14, 6, 4, 4, pal::Iron);
      break;
    case 18:  // herbs
      for (int i = 0; i < 4; ++i) f.ThickLine(16, 26, float(8 + i * 5), 8, 1.5f, pal::Leaf);
      f.Rect(13, 20, 6, 3, pal::WoodLight);
      break;
    case 19:  // bread
      f.Ellipse(cx, 18, 10, 6, pal::WoodLight);
      f.Ellipse(cx - 2, 16, 6, 3, pal::GoldLight);
      break;
    case 20:  // an amulet
      f.CircleOutline(16, 12, 7, pal::Gold, 1.5f);
      f.Circle(16, 21, 5, pal::Gold);
      f.Circle(16, 21, 2.5f, pal::Red);
      break;
    case 21:  // a map
      f.Rect(7, 9, 18, 15, pal::Parchment);
      f.ThickLine(9, 20, 22, 12, 1, pal::RedDeep);
      f.Rect(20, 11, 3, 3, pal::RedDeep);
      break;
    case 22:  // a stack of coins
      for (int i = 0; i < 4; ++i)
        f.Ellipse(cx, 23 - float(i) * 4, 8, 3, i % 2 ? pal::GoldLight : pal::Gold);
      break;
    case 23:  // a banner
      f.Rect(9, 6, 2, 21, pal::WoodDark);
      f.Polygon({{11, 7}, {25, 7}, {21, 12}, {25, 17}, {11, 17}}, pal::Blue);
      break;
    case 24:  // a hammer
      f.ThickLine(12, 26, 18, 12, 2, pal::Wood);
      f.Rect(11, 7, 14, 7, pal::Iron);
      break;
    default:  // a bow
      f.ThickLine(10, 6, 22, 16, 2, pal::Wood);
      f.ThickLine(22, 16, 10, 26, 2, pal::Wood);
      f.Line(10, 6, 10, 26, pal::ParchmentLight);
      break;
  }
  f.OutlineShapes(pal::Ink);
}

}  // namespace

ASSETGEN_TABLE(MapSheet) {
  using namespace maplayout;
  for (int index = 0; index < kImageCount; ++index) {
    const MapImage& im = kImages[index];
    const std::string path = std::string("Art\\Map\\") + im.name + ".bmp";
    const uint32_t key = im.colourKey;
    if (index == kBorder) {
      r.Picture(path, 96, 32, 32, 32, key, PaintBorder);
    } else if (index == kFlag1 || index == kFlag2 || index == kFlag4) {
      const int which = index == kFlag1 ? 1 : index == kFlag2 ? 2 : 4;
      r.Picture(path, 128, 32, 32, 32, key, [which](Canvas& c) { PaintFlag(c, which); });
    } else if (index == kItems || index == kItems2) {
      const int frames = index == kItems ? 16 : 10, first = index == kItems ? 0 : 16;
      r.Picture(path, 128, frames == 16 ? 128 : 96, 32, 32, key, [frames, first](Canvas& c) {
        ForEachFrame(c, 32, 32, frames, [first](Canvas& f, int k) { PaintMarker(f, first + k); });
      });
    } else if (index == kMapOthers || index == kMapOthers2 || index == kMapOthers3 ||
               index == kMapOthers5) {
      const int fw = im.frameWidth;
      const int frames = index == kMapOthers    ? 2
                         : index == kMapOthers2 ? 4
                         : index == kMapOthers3 ? 8
                                                : 4;
      r.Picture(path, fw * frames, fw, fw, fw, key, [index, fw, frames](Canvas& c) {
        ForEachFrame(c, fw, fw, frames,
                     [index](Canvas& f, int k) { PaintDecoration(f, index, k); });
      });
    } else {
      float wx = 0, wy = 0;
      if (!PlaceOfImage(index, &wx, &wy)) {
        // Not on the grid: painted as plain meadow at the palace's corner.
        wx = 0;
        wy = 0;
      }
      r.Picture(path, 128, 128, 128, 128, key,
                [index, wx, wy](Canvas& c) { PaintSquare(c, index, wx, wy); });
    }
  }
}
