// The hit effects of a blow, shown over the struck unit with the frame of the
// swing (1..3; frame 0 is the first look): a burst when soldiers are hurt, a
// burst with a cloud of dust and a dropped shield when some go down, and a
// grave with rising dust when all are down.
#include <cmath>

#include "art_battle.h"
#include "art_figure.h"
#include "assetgen.h"
#include "battle/battle_art.h"

using namespace assetgen;
using figart::Scene;
using figart::Shape;
namespace ba = battle_art;

namespace {

constexpr float kPi = 3.14159265f;

Shape& Flat(Shape& s) {
  s.outline = 0;
  s.bevel = 0;
  return s;
}

// A star of `points` rays from (cx, cy), radius r, inner radius ri, turned by a.
void Burst(Scene& s, float cx, float cy, float r, float ri, int points, float a, Rgb color) {
  std::vector<figart::V2> pts;
  for (int i = 0; i < points * 2; ++i) {
    const float ang = a + float(i) * kPi / float(points);
    const float rad = i % 2 == 0 ? r : ri;
    pts.push_back({cx + std::cos(ang) * rad, cy + std::sin(ang) * rad});
  }
  s.Polygon(pts, color).bevel = 1.5f;
}

void DrawHurt(Canvas& c) {
  ForEachFrame(c, 64, 64, ba::kHitEffectFrames, [](Canvas& f, int k) {
    Scene s;
    const float grow = 0.55f + 0.15f * float(k);
    Burst(s, 32, 32, 28 * grow, 11 * grow, 8, 0.2f * float(k), pal::Fire);
    Burst(s, 32, 32, 17 * grow, 7 * grow, 8, 0.2f * float(k) + 0.4f, pal::FireLight);
    // Two cuts across the burst.
    for (int i = 0; i < 2; ++i) {
      const float off = float(i * 10 - 5);
      Shape& cut = s.Capsule(14 + off, 12, 48 + off, 50, 2.2f, 1.0f, pal::RedDeep);
      cut.bevel = 0;
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

void DrawSomeDown(Canvas& c) {
  ForEachFrame(c, 64, 64, ba::kHitEffectFrames, [](Canvas& f, int k) {
    Scene s;
    // Dust rolling out from where they fell.
    for (int i = 0; i < 5; ++i) {
      const float ang = float(i) * 1.25f + 0.3f * float(k);
      const float d = 10.0f + 4.0f * float(k);
      s.Ellipse(32 + std::cos(ang) * d, 40 + std::sin(ang) * d * 0.5f, 9 - float(k),
                6 - float(k) * 0.6f, Mix(pal::StoneLight, pal::SandDark, 0.3f))
          .dome = true;
    }
    Burst(s, 32, 28, 16 + 3 * float(k), 7, 7, 0.3f * float(k), pal::Fire);
    // A dropped shield and sword.
    Shape& sword = s.Capsule(16, 50, 46, 44, 1.6f, 1.0f, pal::Steel);
    sword.metal = true;
    s.Ellipse(38, 48, 8, 5, pal::Red).dome = true;
    Flat(s.Ellipse(38, 48, 2, 1.3f, pal::Gold));
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

void DrawAllDown(Canvas& c) {
  ForEachFrame(c, 32, 64, ba::kHitEffectFrames, [](Canvas& f, int k) {
    Scene s;
    // A grave with a wooden cross, dust rising from it.
    s.Ellipse(16, 58, 13, 4, pal::EarthDark).bevel = 1;
    s.Box(14, 30, 18, 58, 1, pal::Wood).bevel = 1.5f;
    s.Box(7, 36, 25, 40, 1, pal::Wood).bevel = 1.5f;
    for (int i = 0; i < 3; ++i) {
      const float rise = float((k + i) % 4) * 6.0f;
      Shape& puff = s.Ellipse(9.0f + float(i) * 7.0f, 26.0f - rise, 4.0f - float(i) * 0.5f, 3.0f,
                              Mix(pal::StoneLight, pal::ParchmentLight, 0.4f));
      puff.dome = true;
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

}  // namespace

ASSETGEN_TABLE(BattleEffectPictures) {
  Register(r, ba::kUiPictures[ba::kUiHurt], DrawHurt);
  Register(r, ba::kUiPictures[ba::kUiSomeDown], DrawSomeDown);
  Register(r, ba::kUiPictures[ba::kUiAllDown], DrawAllDown);
}
