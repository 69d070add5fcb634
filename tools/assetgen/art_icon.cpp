// The program's icon for the desktop: a gold-rimmed shield on a wooden
// board, a sword across it, the game's initial on the shield.
#include "internal.h"

namespace assetgen {

Canvas DrawGameIcon(int size) {
  Canvas c(size, size, kKeyNone, 7);
  const float s = float(size) / 256.0f;
  c.Fill(pal::WoodDeep);
  c.Panel(int(8 * s), int(8 * s), int(240 * s), int(240 * s), pal::Wood, int(6 * s) + 1);
  c.Noise(int(16 * s), int(16 * s), int(224 * s), int(224 * s), 10);
  // The shield: a gold rim around the red field, lit from the top left.
  auto shield = [s](float grow) {
    const float cx = 128 * s;
    return std::vector<Pt>{{cx - (84 + grow) * s, (40 - grow) * s},
                           {cx + (84 + grow) * s, (40 - grow) * s},
                           {cx + (80 + grow) * s, (130) * s},
                           {cx, (222 + grow) * s},
                           {cx - (80 + grow) * s, (130) * s}};
  };
  c.Polygon(shield(8), pal::Ink);
  c.Polygon(shield(5), pal::GoldDark);
  c.Polygon(shield(2), pal::Gold);
  c.Polygon(shield(-6), pal::Red);
  c.GradientV(int(50 * s), int(46 * s), int(156 * s), int(18 * s), pal::RedLight, pal::Red);
  c.Polygon(shield(-6), pal::Red);
  // The sword, point down, across the shield.
  c.ThickLine(128 * s, 26 * s, 128 * s, 236 * s, 15 * s, pal::Ink);
  c.ThickLine(128 * s, 30 * s, 128 * s, 230 * s, 9 * s, pal::Steel);
  c.ThickLine(125 * s, 34 * s, 125 * s, 224 * s, 2.5f * s, pal::Silver);
  c.ThickLine(84 * s, 58 * s, 172 * s, 58 * s, 16 * s, pal::Ink);
  c.ThickLine(88 * s, 58 * s, 168 * s, 58 * s, 10 * s, pal::GoldDark);
  c.ThickLine(88 * s, 56 * s, 168 * s, 56 * s, 4 * s, pal::GoldLight);
  c.Circle(128 * s, 22 * s, 10 * s, pal::Ink);
  c.Circle(128 * s, 22 * s, 7 * s, pal::Gold);
  // The initial on the field.
  TextStyle t = GoldCaption(int(88 * s));
  t.shadow = true;
  c.Text(int(40 * s), int(88 * s), int(176 * s), int(96 * s), "Q", t);
  return c;
}

}  // namespace assetgen
