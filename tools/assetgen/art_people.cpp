// People and animals: the figure model shared by the map and the battle.
#include "art_people.h"

#include <algorithm>
#include <cmath>

namespace people {

using namespace assetgen;

// ------------------------------------------------------------------ shapes

Shape& Plain(Shape& s) {
  s.outline = 0;
  s.bevel = 0;
  return s;
}

V2 Place::P(float x, float y) const {
  if (turn != 0) {
    const float c = std::cos(turn), s = std::sin(turn), dx = x - pivotX, dy = y - pivotY;
    x = pivotX + dx * c - dy * s;
    y = pivotY + dx * s + dy * c;
  }
  return {cx + dir * x * k, footY - y * k};
}

Shape& Ell(Scene& s, const Place& p, float x, float y, float rx, float ry, Rgb c) {
  V2 q = p.P(x, y);
  return s.Ellipse(q.x, q.y, p.L(rx), p.L(ry), c);
}
Shape& Cap(Scene& s, const Place& p, float x0, float y0, float x1, float y1, float r0, float r1,
           Rgb c) {
  V2 a = p.P(x0, y0), b = p.P(x1, y1);
  return s.Capsule(a.x, a.y, b.x, b.y, p.L(r0), p.L(r1), c);
}
Shape& Poly(Scene& s, const Place& p, std::initializer_list<V2> pts, Rgb c) {
  std::vector<V2> out;
  for (V2 v : pts) out.push_back(p.P(v.x, v.y));
  return s.Polygon(out, c);
}
Shape& BoxAt(Scene& s, const Place& p, float x0, float y0, float x1, float y1, float r, Rgb c) {
  V2 a = p.P(x0, y0), b = p.P(x1, y1);
  return s.Box(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
               p.L(r), c);
}

// ------------------------------------------------------------------ people

void ViewOf(int facing, int* view, float* dir) {
  static const int kView[8] = {0, 1, 2, 3, 4, 3, 2, 1};
  *view = kView[facing & 7];
  *dir = (facing >= 5) ? -1.0f : 1.0f;
}

namespace {

void AddHeadgear(Scene& s, const Place& p, const Look& l, float hx, float hy, int view) {
  const float r = 6.0f;
  switch (l.head) {
    case Head::Bare: break;
    case Head::Crown: {
      BoxAt(s, p, hx - 5.5f, hy + 3.5f, hx + 5.5f, hy + 6.0f, 0.5f, l.headColor).bevel = 1;
      for (int i = -1; i <= 1; ++i)
        Plain(Poly(s, p,
                   {{hx + i * 4.0f - 1.6f, hy + 5.5f},
                    {hx + i * 4.0f, hy + 9.0f},
                    {hx + i * 4.0f + 1.6f, hy + 5.5f}},
                   l.headColor));
      break;
    }
    case Head::Hood:
      Ell(s, p, hx - (view == 2 ? 1.5f : 0), hy + 1.5f, r + 1.2f, r + 1.5f, l.headColor);
      if (view >= 2) {
        Plain(Ell(s, p, hx + (view == 2 ? 2.0f : 0), hy - 0.5f, r - 1.4f, r - 1.6f, l.skin));
        if (view == 2) Plain(Ell(s, p, hx + 3.6f, hy + 0.2f, 0.9f, 0.9f, pal::Ink));
        else
          for (int e = -1; e <= 1; e += 2)
            Plain(Ell(s, p, hx + e * 2.0f, hy, 0.85f, 0.9f, pal::Ink));
      }
      break;
    case Head::Helmet:
    case Head::PlumedHelmet:
    case Head::Horned: {
      Shape& dome = Ell(s, p, hx, hy + 4.0f, r + 0.4f, r - 2.2f, l.headColor);
      dome.metal = true;
      Plain(BoxAt(s, p, hx - r - 0.6f, hy + 1.6f, hx + r + 0.6f, hy + 3.2f, 0.5f,
                  Darken(l.headColor, 0.25f)));
      if (view <= 1) Ell(s, p, hx, hy + 0.5f, r + 0.2f, r - 0.5f, l.headColor).metal = true;
      if (l.head == Head::PlumedHelmet)
        Cap(s, p, hx - 1.0f, hy + 8.0f, hx - 5.0f, hy + 11.0f, 1.8f, 1.2f, l.trim).bevel = 1;
      if (l.head == Head::Horned) {
        Cap(s, p, hx - 5.5f, hy + 5.0f, hx - 8.5f, hy + 10.0f, 1.4f, 0.6f, pal::ParchmentLight)
            .bevel = 1;
        Cap(s, p, hx + 5.5f, hy + 5.0f, hx + 8.5f, hy + 10.0f, 1.4f, 0.6f, pal::ParchmentLight)
            .bevel = 1;
      }
      break;
    }
    case Head::Bandana:
      BoxAt(s, p, hx - r, hy + 1.5f, hx + r, hy + 5.5f, 2.0f, l.headColor).bevel = 1;
      if (view <= 1 || view == 2)
        Cap(s, p, hx - r, hy + 3.0f, hx - r - 3.5f, hy - 1.0f, 1.2f, 0.8f, l.headColor);
      break;
    case Head::Turban:
      Ell(s, p, hx, hy + 3.5f, r + 1.2f, r - 1.5f, l.headColor);
      if (view >= 3)
        Plain(BoxAt(s, p, hx - r + 0.5f, hy - 3.5f, hx + r - 0.5f, hy - 0.5f, 1.0f, l.headColor));
      break;
    case Head::StrawHat:
      Ell(s, p, hx, hy + 3.0f, r + 4.5f, 1.8f, l.headColor).bevel = 1;
      Ell(s, p, hx, hy + 5.0f, r - 1.5f, 2.8f, l.headColor);
      break;
    case Head::Cap: Ell(s, p, hx, hy + 3.5f, r + 0.3f, r - 2.5f, l.headColor); break;
  }
}

void AddWeapon(Scene& s, const Place& p, const Look& l, float hx, float hy, int view) {
  const Rgb wood = pal::WoodLight;
  switch (l.weapon) {
    case Weapon::None: break;
    case Weapon::Sword:
      Plain(Cap(s, p, hx, hy, hx + (view == 2 ? 6.0f : 1.5f), hy - 13.0f, 1.3f, 0.8f, l.metal));
      Plain(Cap(s, p, hx - 2.5f, hy - 0.5f, hx + 2.5f, hy - 0.5f, 0.8f, 0.8f, pal::Gold));
      break;
    case Weapon::Spear:
    case Weapon::Pitchfork:
    case Weapon::Halberd:
    case Weapon::Banner: {
      Plain(Cap(s, p, hx, hy - 12.0f, hx, hy + 22.0f, 1.0f, 1.0f, wood));
      if (l.weapon == Weapon::Spear)
        Plain(Poly(s, p, {{hx - 2.0f, hy + 21.0f}, {hx, hy + 29.0f}, {hx + 2.0f, hy + 21.0f}},
                   l.metal));
      if (l.weapon == Weapon::Pitchfork)
        for (int i = -1; i <= 1; ++i)
          Plain(
              Cap(s, p, hx + i * 2.2f, hy + 21.0f, hx + i * 2.2f, hy + 27.0f, 0.8f, 0.6f, l.metal));
      if (l.weapon == Weapon::Halberd) {
        Poly(s, p,
             {{hx, hy + 24.0f}, {hx + 5.0f, hy + 22.0f}, {hx + 5.0f, hy + 16.0f}, {hx, hy + 18.0f}},
             l.metal)
            .metal = true;
        Plain(Poly(s, p, {{hx - 1.6f, hy + 23.0f}, {hx, hy + 29.0f}, {hx + 1.6f, hy + 23.0f}},
                   l.metal));
      }
      if (l.weapon == Weapon::Banner) {
        Shape& flag = Poly(s, p,
                           {{hx, hy + 22.0f},
                            {hx + 11.0f, hy + 20.5f},
                            {hx + 9.0f, hy + 17.0f},
                            {hx + 11.0f, hy + 13.5f},
                            {hx, hy + 13.0f}},
                           l.trim);
        flag.bevel = 1;
      }
      break;
    }
    case Weapon::Club:
      Cap(s, p, hx, hy, hx + (view == 2 ? 5.0f : 2.0f), hy + 11.0f, 1.0f, 2.4f, pal::Wood).bevel =
          1;
      break;
    case Weapon::Axe:
      Plain(Cap(s, p, hx, hy - 2.0f, hx + 1.0f, hy + 12.0f, 1.0f, 1.0f, wood));
      Poly(s, p,
           {{hx + 1.0f, hy + 12.0f},
            {hx + 6.0f, hy + 14.0f},
            {hx + 6.0f, hy + 7.0f},
            {hx + 1.0f, hy + 9.0f}},
           l.metal)
          .metal = true;
      break;
    case Weapon::Bow: {
      Plain(Cap(s, p, hx + 2.5f, hy - 9.0f, hx + 2.5f, hy + 11.0f, 1.2f, 1.2f, pal::WoodLight));
      Plain(Cap(s, p, hx, hy - 9.0f, hx, hy + 11.0f, 0.25f, 0.25f, pal::ParchmentLight));
      break;
    }
  }
}

// A blow in four steps: where the weapon hand is (local units, x forward of
// the shoulder line, y up) and how far the weapon is turned from how it is
// carried, at strike phase t 0..1.
struct Blow {
  float handX, handY, turn;
};
Blow BlowAt(const Look& l, float t, float shoulderY) {
  constexpr float kDeg = 3.14159265f / 180.0f;
  auto lerp = [t](const float(&v)[4]) {
    const float f = std::clamp(t, 0.0f, 1.0f) * 3.0f;
    const int i = std::min(2, int(f));
    return v[i] + (v[i + 1] - v[i]) * (f - float(i));
  };
  switch (l.weapon) {
    case Weapon::Spear:
    case Weapon::Pitchfork:
    case Weapon::Halberd:
    case Weapon::Banner: {  // a thrust: drawn back, then driven forward level
      const float x[4] = {-2.0f, 1.0f, 8.0f, 11.0f}, y[4] = {30.0f, 31.0f, 30.0f, 29.0f};
      const float a[4] = {20.0f, 0.0f, -70.0f, -88.0f};
      return {lerp(x), lerp(y), lerp(a) * kDeg};
    }
    case Weapon::Bow: {  // drawn and loosed
      const float x[4] = {3.0f, 6.0f, 8.0f, 7.0f}, y[4] = {31.0f, 32.0f, 32.0f, 31.0f};
      const float a[4] = {0.0f, 0.0f, 0.0f, 0.0f};
      return {lerp(x), lerp(y), lerp(a) * kDeg};
    }
    case Weapon::Club:
    case Weapon::Axe: {  // raised behind the head, brought down in front
      const float x[4] = {-2.0f, 1.0f, 7.0f, 8.0f},
                  y[4] = {shoulderY + 6.0f, shoulderY + 9.0f, 33.0f, 25.0f};
      const float a[4] = {70.0f, 20.0f, -70.0f, -120.0f};
      return {lerp(x), lerp(y), lerp(a) * kDeg};
    }
    default: {  // a sword's cut: raised high, then swept down and forward
      const float x[4] = {-3.0f, 1.0f, 5.0f, 6.0f},
                  y[4] = {shoulderY + 8.0f, shoulderY + 11.0f, 38.0f, 28.0f};
      const float a[4] = {175.0f, 140.0f, 100.0f, 20.0f};
      return {lerp(x), lerp(y), lerp(a) * kDeg};
    }
  }
}

}  // namespace

void AddPerson(Scene& s, const Place& pl, const Look& l, int view, float stride, bool shadow,
               float strike) {
  Place p = pl;
  const float bob = std::fabs(stride) < 0.5f ? 0.6f : 0.0f;
  if (shadow) {
    Shape& sh = Ell(s, p, 0, 0.5f, 8.5f, 2.2f, Mix(pal::Ink, pal::GrassDark, 0.35f));
    Plain(sh);
  }
  const bool side = view == 2;
  const bool back = view <= 1;
  // The cape behind a front or side view.
  if (l.cape && !back) {
    if (side) Poly(s, p, {{-2.5f, 37.0f}, {-7.5f, 16.0f}, {-1.0f, 17.0f}, {1.5f, 36.0f}}, l.cape);
    else
      Poly(s, p, {{-7.0f, 36.0f}, {-8.5f, 15.0f}, {8.5f, 15.0f}, {7.0f, 36.0f}},
           Darken(l.cape, 0.15f));
  }
  // Legs and boots.
  const float legTop = 22.0f + bob;
  if (side) {
    const float f0 = 5.0f * stride, f1 = -5.0f * stride;
    Cap(s, p, 0.5f, legTop, f1, 4.0f, 2.2f, 1.9f, Darken(l.legs, 0.15f));
    Cap(s, p, f1, 3.0f, f1 + 2.0f, 1.6f, 2.0f, 1.8f, Darken(l.boots, 0.1f));
    Cap(s, p, -0.5f, legTop, f0, 4.0f, 2.2f, 1.9f, l.legs);
    Cap(s, p, f0, 3.0f, f0 + 2.0f, 1.6f, 2.0f, 1.8f, l.boots);
  } else {
    const float lift0 = std::max(0.0f, stride) * 2.2f, lift1 = std::max(0.0f, -stride) * 2.2f;
    Cap(s, p, -2.6f, legTop, -2.8f, 4.0f + lift0, 2.3f, 2.0f, l.legs);
    Cap(s, p, 2.6f, legTop, 2.8f, 4.0f + lift1, 2.3f, 2.0f, l.legs);
    Ell(s, p, -2.9f, 2.2f + lift0, 2.6f, 1.8f, l.boots);
    Ell(s, p, 2.9f, 2.2f + lift1, 2.6f, 1.8f, l.boots);
  }
  // Arms: the far arm first.
  const float shoulderY = 36.0f + bob;
  const float swing = side ? -4.5f * stride : 0;
  const bool threeQuarter = view == 1 || view == 3;
  const float tw = side ? 4.2f : (threeQuarter ? 5.4f : 6.5f);
  if (side)
    Cap(s, p, -0.5f, shoulderY, -swing * 0.8f, 23.0f + bob, 1.8f, 1.6f, Darken(l.tunic, 0.2f));
  if (view == 3)
    Cap(s, p, -tw + 0.4f, shoulderY, -tw - 0.6f, 23.5f + bob, 1.8f, 1.6f, Darken(l.tunic, 0.2f));
  // Torso.
  Shape& torso =
      BoxAt(s, p, -tw, 19.5f + bob, tw, shoulderY + 1.5f, 2.5f, l.armour ? l.metal : l.tunic);
  if (l.armour) {
    torso.pattern = figart::Pattern::Chain;
    torso.patternColor = pal::SlateDark;
    torso.patternSize = 3.0f;
    BoxAt(s, p, -tw - 0.3f, 19.0f + bob, tw + 0.3f, 26.0f + bob, 1.5f, l.tunic);
  }
  Plain(BoxAt(s, p, -tw, 23.5f + bob, tw, 25.5f + bob, 0.5f, l.trim));
  if (!back && !side) Plain(BoxAt(s, p, -0.9f, 26.0f + bob, 0.9f, shoulderY + 1.0f, 0.4f, l.trim));
  // Head.
  const float hx = side ? 0.8f : (threeQuarter ? 1.6f : 0.0f), hy = 44.0f + bob;
  Ell(s, p, hx, hy, 6.0f, 6.2f, l.skin);
  if (back) {
    Ell(s, p, hx, hy + 0.5f, 6.1f, 6.0f, l.hair);
    if (view == 1) Plain(Ell(s, p, hx + 5.6f, hy, 1.2f, 2.0f, l.skin));  // the near ear
  } else {
    // Hair on top, the face below it.
    Plain(Ell(s, p, hx - (side ? 1.8f : 0), hy + 3.0f, 6.0f, 3.6f, l.hair));
    if (side) {
      Plain(Ell(s, p, hx - 3.0f, hy + 0.5f, 3.0f, 4.5f, l.hair));
      Plain(Ell(s, p, hx + 3.5f, hy + 0.8f, 0.9f, 0.9f, pal::Ink));
      Plain(Ell(s, p, hx + 6.2f, hy - 0.8f, 0.9f, 0.8f, Darken(l.skin, 0.15f)));
    } else {
      const float spread = view == 3 ? 1.8f : 2.2f;
      Plain(Ell(s, p, hx - spread, hy + 0.3f, 0.85f, 0.95f, pal::Ink));
      Plain(Ell(s, p, hx + spread, hy + 0.3f, 0.85f, 0.95f, pal::Ink));
      if (view == 3) Plain(Ell(s, p, hx - 5.2f, hy + 1.0f, 2.2f, 3.6f, l.hair));
    }
  }
  AddHeadgear(s, p, l, hx, hy, view);
  // The near arm with the weapon, or the shield.
  if (strike >= 0) {
    // The weapon arm in a blow, drawn in front in every view but the back's.
    const Blow b = BlowAt(l, strike, shoulderY);
    const float sx = side ? 0.8f : tw + 0.6f;
    const float hx =
        side ? b.handX : (back ? tw + 1.0f + b.handX * 0.25f : tw + 1.5f + b.handX * 0.3f);
    const float hy = b.handY + bob;
    if (l.shield) {
      if (side) Ell(s, p, -2.0f, 29.0f + bob, 2.6f, 6.5f, l.shield).metal = true;
      else if (!back) Ell(s, p, -tw - 1.5f, 28.0f + bob, 4.6f, 5.6f, l.shield).dome = true;
      else Ell(s, p, -1.0f, 29.0f + bob, 5.0f, 6.0f, Darken(l.shield, 0.2f)).dome = true;
    } else if (!side) {
      Cap(s, p, -tw - 0.6f, shoulderY, -tw - 1.8f, 23.5f + bob, 1.9f, 1.7f, l.tunic);
    }
    Place wp = p;
    wp.turn = b.turn;
    wp.pivotX = hx;
    wp.pivotY = hy;
    if (back) AddWeapon(s, wp, l, hx, hy, view);
    Cap(s, p, sx, shoulderY, hx, hy, 1.9f, 1.7f, l.tunic);
    Ell(s, p, hx, hy - 0.5f, 1.7f, 1.7f, l.skin);
    if (!back) AddWeapon(s, wp, l, hx + 0.5f, hy, view);
  } else if (side) {
    Cap(s, p, 0.8f, shoulderY, swing, 23.0f + bob, 1.9f, 1.7f, l.tunic);
    Ell(s, p, swing, 22.5f + bob, 1.7f, 1.7f, l.skin);
    AddWeapon(s, p, l, swing + 0.5f, 23.0f + bob, view);
    if (l.shield) Ell(s, p, -2.0f, 29.0f + bob, 2.6f, 6.5f, l.shield).metal = true;
  } else if (!back) {
    if (view == 4) Cap(s, p, -tw - 0.6f, shoulderY, -tw - 1.8f, 23.5f + bob, 1.9f, 1.7f, l.tunic);
    Cap(s, p, tw + 0.6f, shoulderY, tw + 1.8f, 23.5f + bob, 1.9f, 1.7f, l.tunic);
    Ell(s, p, tw + 1.9f, 22.8f + bob, 1.7f, 1.7f, l.skin);
    AddWeapon(s, p, l, tw + 2.0f, 23.0f + bob, view);
    if (l.shield) {
      Shape& sh = Ell(s, p, -tw - 1.5f, 28.0f + bob, 4.6f, 5.6f, l.shield);
      sh.dome = true;
      Plain(Ell(s, p, -tw - 1.5f, 28.0f + bob, 1.3f, 1.3f, pal::Gold));
    } else if (view == 4) {
      Ell(s, p, -tw - 1.9f, 22.8f + bob, 1.7f, 1.7f, l.skin);
    }
  } else {
    // From behind: arms at the sides, the weapon's top over the shoulder.
    AddWeapon(s, p, l, tw + 2.0f, 23.0f + bob, view);
    Cap(s, p, -tw - 0.6f, shoulderY, -tw - 1.6f, 23.5f + bob, 1.9f, 1.7f, l.tunic);
    Cap(s, p, tw + 0.6f, shoulderY, tw + 1.6f, 23.5f + bob, 1.9f, 1.7f, l.tunic);
    if (l.shield) Ell(s, p, -1.0f, 29.0f + bob, 5.0f, 6.0f, Darken(l.shield, 0.2f)).dome = true;
  }
  // The cape over the back.
  if (l.cape && back) {
    const float lean = view == 1 ? 1.5f : 0.0f;
    Poly(s, p,
         {{-tw - 1.5f + lean, shoulderY + 0.5f},
          {tw + 1.5f + lean, shoulderY + 0.5f},
          {tw + 3.0f, 12.0f + bob},
          {-tw - 3.0f, 12.0f + bob}},
         l.cape);
  }
}

const float kStride[4] = {-1.0f, -0.35f, 0.35f, 1.0f};

Look PlayerLook() {
  Look l;
  l.tunic = pal::Blue;
  l.trim = pal::Gold;
  l.cape = pal::RedDeep;
  l.hair = pal::HairBrown;
  l.head = Head::Crown;
  l.headColor = pal::Gold;
  l.legs = pal::BlueDeep;
  l.weapon = Weapon::Sword;
  return l;
}

Look HeroLook() {
  Look l;
  l.tunic = pal::Leaf;
  l.trim = pal::GoldLight;
  l.cape = pal::Wood;
  l.hair = pal::HairBlond;
  l.head = Head::Bare;
  l.legs = pal::EarthDark;
  l.weapon = Weapon::Spear;
  return l;
}

// ------------------------------------------------------------------ animals

void AddDog(Scene& s, const Place& p, Rgb fur, Rgb belly, float stride, bool wolf, int view) {
  Plain(Ell(s, p, 0, 0.5f, 13.0f, 2.2f, Mix(pal::Ink, pal::GrassDark, 0.35f)));
  if (view == 4 || view == 0) {
    // Head-on: body behind, legs, head in front.
    Ell(s, p, 0, 10.0f, 7.0f, 6.0f, fur);
    const float lift0 = std::max(0.0f, stride) * 1.5f, lift1 = std::max(0.0f, -stride) * 1.5f;
    Cap(s, p, -3.5f, 8.0f, -3.5f, 1.5f + lift0, 1.6f, 1.4f, Darken(fur, 0.1f));
    Cap(s, p, 3.5f, 8.0f, 3.5f, 1.5f + lift1, 1.6f, 1.4f, Darken(fur, 0.1f));
    Ell(s, p, 0, 17.0f, 5.0f, 4.5f, fur);
    Poly(s, p, {{-4.5f, 19.0f}, {-4.0f, 25.0f}, {-1.5f, 20.5f}}, Darken(fur, 0.2f));
    Poly(s, p, {{4.5f, 19.0f}, {4.0f, 25.0f}, {1.5f, 20.5f}}, Darken(fur, 0.2f));
    if (view == 4) {
      Plain(Ell(s, p, 0, 14.5f, 2.4f, 2.0f, belly));
      Plain(Ell(s, p, 0, 15.5f, 1.0f, 0.8f, pal::Ink));
      Plain(Ell(s, p, -1.9f, 18.5f, 0.8f, 0.8f, wolf ? pal::RedLight : pal::Ink));
      Plain(Ell(s, p, 1.9f, 18.5f, 0.8f, 0.8f, wolf ? pal::RedLight : pal::Ink));
    }
    return;
  }
  // From the side.
  Cap(s, p, -9.0f, 12.0f, -14.0f, wolf ? 13.0f : 16.0f, 1.6f, 1.0f, fur);  // tail
  const float a = 3.5f * stride;
  Cap(s, p, -6.0f, 9.0f, -6.0f - a, 1.5f, 1.5f, 1.3f, Darken(fur, 0.15f));
  Cap(s, p, 6.0f, 9.0f, 6.0f + a, 1.5f, 1.5f, 1.3f, Darken(fur, 0.15f));
  Ell(s, p, 0, 11.0f, 9.5f, 4.5f, fur);
  Plain(Ell(s, p, 0.5f, 9.0f, 6.5f, 1.8f, belly));
  Cap(s, p, -6.0f, 9.0f, -6.0f + a, 1.5f, 1.5f, 1.3f, fur);
  Cap(s, p, 6.0f, 9.0f, 6.0f - a, 1.5f, 1.5f, 1.3f, fur);
  Ell(s, p, 9.5f, 16.0f, 4.2f, 3.8f, fur);
  Ell(s, p, 13.5f, 14.5f, 3.0f, 2.0f, Lighten(fur, 0.1f));
  Plain(Ell(s, p, 16.0f, 15.0f, 0.9f, 0.8f, pal::Ink));
  Poly(s, p, {{7.5f, 18.5f}, {8.5f, 23.5f}, {10.5f, 19.0f}}, Darken(fur, 0.2f));
  Plain(Ell(s, p, 11.0f, 16.8f, 0.8f, 0.8f, wolf ? pal::RedLight : pal::Ink));
  if (!wolf) Plain(BoxAt(s, p, 6.5f, 12.5f, 8.0f, 17.5f, 0.5f, pal::Red));  // a collar
}

namespace {

Look EnemyBase() {
  Look l;
  l.skin = pal::SkinDark;
  l.hair = pal::HairBlack;
  l.tunic = pal::Red;
  l.trim = pal::InkSoft;
  l.legs = pal::EarthDark;
  l.boots = pal::WoodDeep;
  return l;
}

}  // namespace

Look EnemyLook(EnemyKind kind) {
  Look l = EnemyBase();
  switch (kind) {
    case EnemyKind::Bandits:  // red bandanas and clubs
      l.tunic = pal::Earth;
      l.trim = pal::RedDeep;
      l.head = Head::Bandana;
      l.headColor = pal::Red;
      l.weapon = Weapon::Club;
      break;
    case EnemyKind::Raiders:  // horned helmets and axes
      l.tunic = pal::RedDeep;
      l.head = Head::Horned;
      l.headColor = pal::Iron;
      l.weapon = Weapon::Axe;
      l.metal = pal::Steel;
      break;
    case EnemyKind::Veterans:  // plumed helmets, mail, sword and shield
      l.tunic = pal::RedDeep;
      l.armour = true;
      l.head = Head::PlumedHelmet;
      l.headColor = pal::Steel;
      l.trim = pal::Red;
      l.shield = pal::Red;
      break;
    case EnemyKind::Archers:  // hooded archers
      l.tunic = Mix(pal::Earth, pal::Red, 0.35f);
      l.head = Head::Hood;
      l.headColor = pal::RedDeep;
      l.weapon = Weapon::Bow;
      break;
    case EnemyKind::RedHeads:  // red heads with spears
      l.tunic = pal::Red;
      l.head = Head::Helmet;
      l.headColor = pal::RedLight;
      l.weapon = Weapon::Spear;
      break;
    case EnemyKind::Heavy:  // heavy infantry
      l.tunic = pal::SlateDark;
      l.armour = true;
      l.metal = pal::Iron;
      l.trim = pal::Red;
      l.head = Head::Helmet;
      l.headColor = pal::Iron;
      l.shield = pal::RedDeep;
      break;
    case EnemyKind::Host:  // the invading host: dark knights under a red banner
      l.tunic = Mix(pal::Ink, pal::RedDeep, 0.5f);
      l.armour = true;
      l.metal = pal::SlateDark;
      l.trim = pal::Red;
      l.head = Head::PlumedHelmet;
      l.headColor = pal::SlateDark;
      l.cape = pal::RedDeep;
      l.weapon = Weapon::Banner;
      break;
    case EnemyKind::Desert:  // frontier troops of the desert
      l.tunic = pal::SandDark;
      l.trim = pal::Red;
      l.head = Head::Turban;
      l.headColor = pal::Sand;
      l.weapon = Weapon::Halberd;
      break;
  }
  return l;
}

Look KingdomSoldier() {
  Look l;
  l.tunic = pal::Blue;
  l.trim = pal::Gold;
  l.legs = pal::BlueDeep;
  l.boots = pal::WoodDeep;
  return l;
}

Look RankOf(const Look& leader) {
  Look l = leader;
  l.tunic = Darken(leader.tunic, 0.2f);
  if (leader.weapon == Weapon::Banner) l.weapon = Weapon::Spear;
  return l;
}

// ------------------------------------------------------------------ faces

void DrawFace(Canvas& f, const Face& face) {
  if (!f.keyed) {
    f.GradientV(0, 0, f.w, f.h, Lighten(face.back, 0.15f), Darken(face.back, 0.3f));
  }
  Scene s;
  // Shoulders, neck, head.
  s.Ellipse(32, 70, 26, 18, face.clothes).bevel = 3;
  s.Box(28, 40, 36, 52, 3, Darken(face.skin, 0.1f));
  if (face.hairStyle == 1) s.Box(17, 20, 47, 52, 8, Darken(face.hair, 0.1f));
  if (face.hairStyle == 3) s.Ellipse(32, 30, 19, 21, face.hatColor);
  Shape& head = s.Ellipse(32, 31, 13, 15, face.skin);
  head.dome = true;
  Plain(s.Ellipse(19.5f, 32, 2.5f, 4, face.skin));
  Plain(s.Ellipse(44.5f, 32, 2.5f, 4, face.skin));
  if (face.beard) {
    Shape& b = s.Polygon({{19, 33}, {45, 33}, {42, 46}, {32, 51}, {22, 46}}, face.beardColor);
    b.bevel = 2;
    Plain(s.Box(27, 39, 37, 41, 1, Darken(face.skin, 0.35f)));
  } else {
    Plain(s.Box(28, 39.5f, 36, 41, 0.7f, Darken(face.skin, 0.3f)));
  }
  // Eyes, brows, nose.
  for (int side = -1; side <= 1; side += 2) {
    Plain(s.Ellipse(32 + side * 5.5f, 30, 2.4f, 1.8f, pal::ParchmentLight));
    Plain(s.Ellipse(32 + side * 5.5f, 30.3f, 1.2f, 1.4f, pal::InkSoft));
    Plain(s.Capsule(32 + side * 3.5f, 26.5f, 32 + side * 8.0f, 26.0f, 0.9f, 0.8f,
                    Darken(face.hair, 0.2f)));
  }
  Plain(s.Capsule(32, 31, 33, 35.5f, 1.0f, 1.4f, Darken(face.skin, 0.2f)));
  // Hair.
  if (face.hairStyle == 0 || face.hairStyle == 1)
    s.Polygon({{18.5f, 30},
               {20, 18},
               {28, 13},
               {38, 13},
               {45, 19},
               {45.5f, 30},
               {41, 22},
               {30, 21},
               {23, 23}},
              face.hair)
        .bevel = 2;
  if (face.hairStyle == 2) Plain(s.Ellipse(32, 19, 9, 3, Lighten(face.skin, 0.15f)));
  if (face.hairStyle == 3)
    Plain(
        s.Polygon({{17, 33}, {22, 14}, {32, 10}, {42, 14}, {47, 33}, {43, 22}, {32, 17}, {21, 22}},
                  face.hatColor));
  // Headgear.
  switch (face.hat) {
    case Head::Crown:
      s.Box(20, 15, 44, 20, 1, face.hatColor).metal = true;
      for (int i = 0; i < 3; ++i)
        s.Polygon({{21.0f + i * 9, 16}, {24.0f + i * 9, 8}, {27.0f + i * 9, 16}}, face.hatColor);
      Plain(s.Ellipse(32, 17.5f, 1.6f, 1.6f, pal::Red));
      break;
    case Head::Helmet:
      s.Ellipse(32, 21, 15, 10, face.hatColor).metal = true;
      s.Box(16, 21, 48, 25, 1, Darken(face.hatColor, 0.25f));
      break;
    case Head::Cap:
      s.Ellipse(32, 19, 14, 7, face.hatColor).bevel = 2;
      Plain(s.Capsule(40, 15, 52, 6, 1.2f, 0.6f, pal::ParchmentLight));  // a feather
      break;
    case Head::Bandana: s.Box(19, 17, 45, 22, 2, face.hatColor); break;
    default: break;
  }
  // The face is laid out on 64 units; a larger canvas samples it finer.
  const float unit = 64.0f / float(f.w);
  figart::RenderPlaced(s, f, 0, 0, unit, unit);
  if (!f.keyed) f.Frame(0, 0, f.w, f.h, pal::Ink);
}

const Face kPlayerFaces[2] = {
    {pal::SkinLight, pal::HairBrown, pal::Blue, 0, 0, false, 0, Head::Crown, pal::Gold},
    {pal::Skin, pal::HairBlack, pal::RedDeep, 0, 1, false, 0, Head::Crown, pal::Silver},
};

const Face kHeroFaces[10] = {
    {pal::SkinLight, pal::HairBrown, pal::Blue, pal::BlueDeep, 0, false, 0, Head::Bare, 0},
    {pal::SkinLight, pal::HairBlond, pal::Leaf, pal::GrassDark, 1, false, 0, Head::Bare, 0},
    {pal::Skin, pal::HairGrey, pal::Purple, pal::Night, 3, true, pal::HairGrey, Head::Bare,
     pal::WoodDark},
    {pal::Skin, pal::HairRed, pal::RedDeep, pal::EarthDark, 0, true, pal::HairRed, Head::Helmet,
     pal::Steel},
    {pal::SkinDark, pal::HairBlack, pal::Earth, pal::WoodDark, 0, true, pal::HairBlack,
     Head::Bandana, pal::Red},
    {pal::Skin, pal::HairBlack, pal::Purple, pal::BlueDeep, 1, false, 0, Head::Bandana, pal::Gold},
    {pal::SkinDark, pal::HairBlack, pal::SlateDark, pal::Slate, 2, true, pal::HairBlack, Head::Bare,
     0},
    {pal::SkinLight, pal::HairBlond, pal::RedDeep, pal::Wood, 0, false, 0, Head::Cap, pal::Leaf},
    {pal::Skin, pal::HairBrown, pal::Steel, pal::BlueDeep, 0, true, pal::HairBrown, Head::Helmet,
     pal::Silver},
    {pal::Skin, pal::HairGrey, pal::BlueDeep, pal::Purple, 1, true, pal::Silver, Head::Crown,
     pal::Gold},
};

}  // namespace people
