// The battlefield's ground: the six backdrops (one 128 x 128 square that the
// battle tiles 8 x 6 at 200 x 200, so each wraps around without a seam), the
// plains' decorations, the small extras and the grid lines.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "art_battle.h"
#include "art_figure.h"
#include "assetgen.h"
#include "battle/battle_art.h"
#include "noise.h"

using namespace assetgen;
using figart::Scene;
using figart::Shape;
namespace ba = battle_art;

namespace {

// ------------------------------------------------------------------ wrapping noise

// Smooth value noise 0..1 on a lattice of `cells` per side that repeats every
// `size` pixels.
float WrapNoise(float x, float y, int size, int cells, uint32_t seed) {
  return noise::WrapNoise(x, y, size, cells, [seed](int i, int j) {
    return float(noise::Hash(i, j, seed) & 0xFFFF) / 65535.0f;
  });
}

float Fractal(float x, float y, int size, uint32_t seed) {
  return 0.5f * WrapNoise(x, y, size, 4, seed) + 0.3f * WrapNoise(x, y, size, 8, seed + 1) +
         0.2f * WrapNoise(x, y, size, 16, seed + 2);
}

// Ground by noise: low values take `low`, high values `high`.
void Ground(Canvas& c, Rgb low, Rgb high, uint32_t seed, int grain) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      c.Set(x, y, Mix(low, high, Fractal(float(x), float(y), c.w, seed)));
  c.Noise(0, 0, c.w, c.h, grain);
}

// Draws a detail at (x, y) and again across each edge it crosses, so that
// the square stays seamless.
void Wrapped(Canvas& c, float x, float y, const std::function<void(float, float)>& draw) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) draw(x + float(dx * c.w), y + float(dy * c.h));
}

void Tufts(Canvas& c, int count, Rgb dark, Rgb light) {
  for (int i = 0; i < count; ++i) {
    const float x = c.rng.Range(0, float(c.w)), y = c.rng.Range(0, float(c.h));
    const int blades = c.rng.Int(3, 5);
    Wrapped(c, x, y, [&](float px, float py) {
      for (int b = 0; b < blades; ++b) {
        const float lean = float(b - blades / 2) * 1.5f;
        c.Line(int(px), int(py), int(px + lean), int(py - 4 - (b % 2) * 2), b % 2 ? light : dark);
      }
    });
  }
}

void Pebbles(Canvas& c, int count, Rgb color, float minR, float maxR) {
  for (int i = 0; i < count; ++i) {
    const float x = c.rng.Range(0, float(c.w)), y = c.rng.Range(0, float(c.h));
    const float r = c.rng.Range(minR, maxR);
    Wrapped(c, x, y, [&](float px, float py) {
      c.Ellipse(px + 0.6f, py + 0.8f, r, r * 0.7f, Darken(color, 0.45f));
      c.Ellipse(px, py, r, r * 0.7f, color);
      c.Ellipse(px - r * 0.3f, py - r * 0.25f, r * 0.35f, r * 0.25f, Lighten(color, 0.25f));
    });
  }
}

void Cracks(Canvas& c, int count, Rgb color) {
  for (int i = 0; i < count; ++i) {
    float x = c.rng.Range(0, float(c.w)), y = c.rng.Range(0, float(c.h));
    float angle = c.rng.Range(0, 6.28f);
    for (int seg = 0; seg < 5; ++seg) {
      const float len = c.rng.Range(4, 9);
      const float nx = x + std::cos(angle) * len, ny = y + std::sin(angle) * len;
      Wrapped(c, 0, 0, [&](float ox, float oy) {
        c.Line(int(x + ox), int(y + oy), int(nx + ox), int(ny + oy), color);
      });
      x = nx;
      y = ny;
      angle += c.rng.Range(-0.8f, 0.8f);
    }
  }
}

// ------------------------------------------------------------------ backdrops

void DrawPlains(Canvas& c) {
  Ground(c, pal::Grass, Mix(pal::GrassLight, pal::Sand, 0.25f), 11, 8);
  Tufts(c, 70, pal::GrassDark, pal::GrassLight);
}

void DrawGrass(Canvas& c) {
  Ground(c, pal::GrassDark, pal::Grass, 12, 10);
  Tufts(c, 140, Darken(pal::GrassDark, 0.2f), pal::GrassLight);
}

void DrawDesert(Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      // Dune ripples that run across the square and wrap with it.
      const float n = Fractal(float(x), float(y), c.w, 13);
      const float ripple =
          0.5f + 0.5f * std::sin((float(y) + 14.0f * n) * 6.2831853f * 4.0f / float(c.h) +
                                 float(x) * 6.2831853f / float(c.w));
      c.Set(x, y, Mix(Mix(pal::SandDark, pal::Sand, n + 0.2f), pal::SandLight, ripple * 0.45f));
    }
  c.Noise(0, 0, c.w, c.h, 6);
  Pebbles(c, 10, pal::SandDark, 0.8f, 1.6f);
}

void DrawBrown(Canvas& c) {
  Ground(c, pal::EarthDark, pal::EarthLight, 14, 12);
  Cracks(c, 8, Darken(pal::EarthDark, 0.3f));
  Pebbles(c, 24, pal::Stone, 0.8f, 2.0f);
  Tufts(c, 14, pal::GrassDark, pal::Leaf);
}

void DrawGrey(Canvas& c) {
  Ground(c, pal::SlateDark, pal::SlateLight, 15, 12);
  Cracks(c, 12, Darken(pal::SlateDark, 0.15f));
  Pebbles(c, 18, pal::Slate, 1.0f, 3.0f);
}

// The black winter of the last battle: frozen dark ground with drifts of snow.
void DrawBlackZima(Canvas& c) {
  const Rgb ground = Mix(pal::Night, pal::SlateDark, 0.45f);
  const Rgb snow = Mix(pal::SlateLight, pal::ParchmentLight, 0.45f);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      const float n = Fractal(float(x), float(y), c.w, 16);
      const float drift = std::clamp((n - 0.62f) * 4.0f, 0.0f, 0.7f);
      c.Set(x, y, Mix(Mix(ground, pal::Slate, n * 0.5f), snow, drift));
    }
  c.Noise(0, 0, c.w, c.h, 8);
  Cracks(c, 8, Mix(pal::Night, pal::SlateDark, 0.4f));
  Pebbles(c, 8, pal::SlateDark, 1.0f, 2.5f);
}

// ------------------------------------------------------------------ decorations

// Frame k of the plains' decorations (frames 1..12 stand on the field).
void DrawDecoration(Canvas& f, int k) {
  Scene s;
  auto shadow = [&s](float x, float y, float rx) {
    Shape& sh = s.Ellipse(x, y, rx, rx * 0.3f, Mix(pal::Ink, pal::GrassDark, 0.4f));
    sh.outline = 0;
    sh.bevel = 0;
  };
  auto bush = [&](float x, float y, float r, Rgb leaf, Rgb berry) {
    shadow(x, y + r * 0.8f, r * 1.1f);
    s.Ellipse(x - r * 0.5f, y + r * 0.1f, r * 0.7f, r * 0.6f, Darken(leaf, 0.15f));
    s.Ellipse(x + r * 0.5f, y + r * 0.1f, r * 0.7f, r * 0.6f, Darken(leaf, 0.1f));
    s.Ellipse(x, y - r * 0.3f, r * 0.8f, r * 0.7f, leaf).dome = true;
    if (berry)
      for (int i = 0; i < 4; ++i) {
        Shape& b = s.Ellipse(x - r * 0.5f + float(i) * r * 0.35f,
                             y - r * 0.1f + float(i % 2) * r * 0.3f, 1.2f, 1.2f, berry);
        b.outline = 0;
      }
  };
  auto rock = [&](float x, float y, float r, Rgb stone, Rgb moss) {
    shadow(x, y + r * 0.5f, r * 1.1f);
    Shape& st = s.Polygon({{x - r, y + r * 0.5f},
                           {x - r * 0.7f, y - r * 0.4f},
                           {x - r * 0.1f, y - r * 0.8f},
                           {x + r * 0.7f, y - r * 0.5f},
                           {x + r, y + r * 0.5f}},
                          stone);
    st.bevel = 2;
    if (moss) {
      Shape& m = s.Ellipse(x - r * 0.2f, y - r * 0.5f, r * 0.5f, r * 0.2f, moss);
      m.outline = 0;
    }
  };
  auto flowers = [&](Rgb petal) {
    for (int i = 0; i < 5; ++i) {
      const float x = 7.0f + float((i * 7) % 19), y = 12.0f + float((i * 11) % 14);
      Shape& stem = s.Capsule(x, y, x, y + 5, 0.5f, 0.5f, pal::Leaf);
      stem.outline = 0;
      s.Ellipse(x, y, 2.2f, 2.2f, petal).bevel = 1;
      Shape& eye = s.Ellipse(x, y, 0.8f, 0.8f, pal::GoldLight);
      eye.outline = 0;
    }
  };
  switch (k) {
    case 0: rock(16, 18, 4, pal::Stone, 0); break;
    case 1: bush(16, 17, 10, pal::Leaf, 0); break;
    case 2: bush(16, 18, 9, pal::GrassDark, 0); break;
    case 3: rock(16, 18, 11, pal::Stone, 0); break;
    case 4:
      rock(11, 20, 7, pal::StoneDark, 0);
      rock(22, 16, 6, pal::Stone, 0);
      break;
    case 5:
      for (int i = 0; i < 7; ++i) {
        Shape& blade = s.Capsule(16, 27, 7.0f + float(i) * 3.0f, 8.0f + float(i % 3) * 3, 1.6f,
                                 0.7f, i % 2 ? pal::GrassLight : pal::Leaf);
        blade.bevel = 0;
        if (i % 2) blade.outline = 0;
      }
      break;
    case 6: flowers(pal::RedLight); break;
    case 7: flowers(pal::GoldLight); break;
    case 8:  // a tree stump
      shadow(16, 24, 9);
      s.Box(10, 12, 22, 25, 2, pal::Wood).pattern = figart::Pattern::Bands;
      s.Ellipse(16, 12, 6, 2.5f, pal::WoodLight);
      break;
    case 9:  // a fallen log
      shadow(16, 22, 13);
      s.Capsule(5, 19, 27, 15, 4, 4, pal::Wood).pattern = figart::Pattern::Bands;
      s.Ellipse(27, 15, 3, 3.5f, pal::WoodLight);
      break;
    case 10: bush(16, 17, 10, pal::Leaf, pal::Red); break;
    case 11: rock(16, 19, 10, pal::Slate, pal::Leaf); break;
    default:  // a young tree
      shadow(16, 28, 7);
      s.Capsule(16, 28, 16, 16, 1.6f, 1.2f, pal::WoodDark);
      s.Ellipse(16, 12, 9, 9, pal::Leaf).dome = true;
      break;
  }
  figart::RenderPlaced(s, f, 0, 0, 1, 1);
}

// Small extras: pebbles and tufts in 16 x 16 frames.
void DrawExtra(Canvas& f, int k) {
  Scene s;
  if (k % 2 == 0) {
    const Rgb stone = k % 4 == 0 ? pal::Stone : pal::Slate;
    s.Ellipse(8, 9, 3.0f + float(k % 3), 2.2f + float(k % 2), stone).bevel = 1;
  } else {
    for (int i = 0; i < 4; ++i) {
      Shape& blade = s.Capsule(8, 14, 3.0f + float(i) * 3.3f, 4.0f + float((i + k) % 3) * 2, 1.1f,
                               0.5f, i % 2 ? pal::GrassLight : pal::Leaf);
      blade.bevel = 0;
      blade.outline = 0;
    }
  }
  figart::RenderPlaced(s, f, 0, 0, 1, 1);
}

// ------------------------------------------------------------------ grid

void DrawGridLine(Canvas& c, Rgb color) { c.Fill(color); }

}  // namespace

ASSETGEN_TABLE(BattleTerrainPictures) {
  const ba::Picture* t = ba::kTerrainPictures;
  Register(r, t[ba::kTerrainPlains], DrawPlains);
  Register(r, t[ba::kTerrainGrass], DrawGrass);
  Register(r, t[ba::kTerrainDesert], DrawDesert);
  Register(r, t[ba::kTerrainBrown], DrawBrown);
  Register(r, t[ba::kTerrainGrey], DrawGrey);
  Register(r, t[ba::kTerrainBlackZima], DrawBlackZima);
  Register(r, t[ba::kTerrainExtras1], [](Canvas& c) {
    ForEachFrame(c, 32, 32, ba::kTerrainPictures[ba::kTerrainExtras1].frames, DrawDecoration);
  });
  Register(r, t[ba::kTerrainExtras2], [](Canvas& c) {
    ForEachFrame(c, 16, 16, ba::kTerrainPictures[ba::kTerrainExtras2].frames, DrawExtra);
  });
  // The grid: a deep green line that still reads on the dark ground of the
  // last battle, and the ink-dark one of battles 3 and 4.
  const Rgb soft = Mix(pal::GrassDark, pal::Ink, 0.75f), dark = pal::Ink;
  Register(r, ba::kUiPictures[ba::kUiGridHorizontal], [soft](Canvas& c) { DrawGridLine(c, soft); });
  Register(r, ba::kUiPictures[ba::kUiGridVertical], [soft](Canvas& c) { DrawGridLine(c, soft); });
  Register(r, ba::kGridHorizontalDark, [dark](Canvas& c) { DrawGridLine(c, dark); });
  Register(r, ba::kGridVerticalDark, [dark](Canvas& c) { DrawGridLine(c, dark); });
}
