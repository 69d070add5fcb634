// The battle's small pictures of values (health, shield, level, equipment,
// training) for the experience page, and the portraits of the fighter and of
// the heroes (128 x 128), drawn from the same faces as the control bar's.
#include <string>

#include "art_battle.h"
#include "art_figure.h"
#include "art_people.h"
#include "assetgen.h"
#include "battle/battle_art.h"

using namespace assetgen;
using figart::Scene;
using figart::Shape;
namespace ba = battle_art;

namespace {

void Icon(Canvas& c, const std::function<void(Scene&)>& build) {
  Scene s;
  build(s);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

Shape& Flat(Shape& s) {
  s.outline = 0;
  s.bevel = 0;
  return s;
}

void DrawHealth(Canvas& c) {  // a heart
  Icon(c, [](Scene& s) {
    s.Polygon({{16, 28},
               {4, 16},
               {3, 10},
               {6, 5},
               {11, 4},
               {16, 8},
               {21, 4},
               {26, 5},
               {29, 10},
               {28, 16}},
              pal::Red)
        .bevel = 2.5f;
    Flat(s.Ellipse(9.5f, 9.5f, 2.5f, 2.0f, pal::RedLight));
  });
}

void DrawShield(Canvas& c) {
  Icon(c, [](Scene& s) {
    Shape& sh = s.Polygon({{5, 4}, {27, 4}, {27, 15}, {16, 29}, {5, 15}}, pal::Blue);
    sh.bevel = 2.5f;
    Flat(s.Polygon({{14.5f, 6}, {17.5f, 6}, {17.5f, 25}, {14.5f, 25}}, pal::Gold));
    Flat(s.Polygon({{7, 12}, {25, 12}, {25, 15}, {7, 15}}, pal::Gold));
    s.Ellipse(16, 13.5f, 2.5f, 2.5f, pal::GoldLight).metal = true;
  });
}

void DrawLevel(Canvas& c) {  // a star
  Icon(c, [](Scene& s) {
    s.Polygon({{16, 2},
               {20, 12},
               {30, 12},
               {22, 19},
               {25, 29},
               {16, 23},
               {7, 29},
               {10, 19},
               {2, 12},
               {12, 12}},
              pal::GrassLight)
        .bevel = 2;
    Flat(s.Polygon({{16, 7}, {18, 13}, {16, 18}, {14, 13}}, Lighten(pal::GrassLight, 0.35f)));
  });
}

void DrawEquipment(Canvas& c) {  // a helmet over a breastplate
  Icon(c, [](Scene& s) {
    s.Polygon({{6, 16}, {26, 16}, {24, 30}, {8, 30}}, pal::Steel).metal = true;
    Flat(s.Polygon({{15, 17}, {17, 17}, {17, 29}, {15, 29}}, pal::SlateDark));
    s.Ellipse(16, 11, 9, 8, pal::Silver).metal = true;
    s.Box(7, 11, 25, 14, 1, pal::Steel);
    Flat(s.Box(15, 12, 17, 17, 0.5f, pal::SlateDark));
  });
}

void DrawTraining(Canvas& c) {  // a target with an arrow in it
  Icon(c, [](Scene& s) {
    s.Ellipse(15, 17, 12, 12, pal::ParchmentLight).bevel = 2;
    Flat(s.Ellipse(15, 17, 8.5f, 8.5f, pal::Red));
    Flat(s.Ellipse(15, 17, 5, 5, pal::ParchmentLight));
    Flat(s.Ellipse(15, 17, 2.2f, 2.2f, pal::Red));
    s.Capsule(15, 17, 29, 3, 0.8f, 0.8f, pal::WoodLight).bevel = 0;
    s.Polygon({{25, 3}, {30, 2}, {29, 7}}, pal::GoldLight).bevel = 0;
  });
}

}  // namespace

ASSETGEN_TABLE(BattleIconPictures) {
  Register(r, ba::kUiPictures[ba::kUiHealthIcon], DrawHealth);
  Register(r, ba::kUiPictures[ba::kUiShieldIcon], DrawShield);
  Register(r, ba::kUiPictures[ba::kUiLevelIcon], DrawLevel);
  Register(r, ba::kUiPictures[ba::kUiEquipmentIcon], DrawEquipment);
  Register(r, ba::kUiPictures[ba::kUiTrainingIcon], DrawTraining);
  for (int portrait = 0; portrait < 2; ++portrait)
    Register(r, ba::kPlayerPortraits[portrait],
             [portrait](Canvas& c) { people::DrawFace(c, people::kPlayerFaces[portrait]); });
  for (int hero = 0; hero < ba::kHeroCount; ++hero)
    Register(r, ba::kHeroPortraits[hero],
             [hero](Canvas& c) { people::DrawFace(c, people::kHeroFaces[hero]); });
}
