// The bare body parts of a party member's figure ("Art\Heroes\Legs.bmp" and
// the rest), and the small shape renderer that draws them and the worn items
// from one figure model.
#include "art_figure.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "noise.h"

namespace figart {

using namespace assetgen;

// ------------------------------------------------------------------ scene

Shape& Scene::Add(const Shape& s) {
  shapes.push_back(s);
  Shape& n = shapes.back();
  switch (n.type) {
    case ShapeType::Ellipse:
      n.x0 = n.a.x - n.b.x, n.x1 = n.a.x + n.b.x, n.y0 = n.a.y - n.b.y, n.y1 = n.a.y + n.b.y;
      break;
    case ShapeType::Capsule: {
      const float r = std::max(n.r0, n.r1);
      n.x0 = std::min(n.a.x, n.b.x) - r, n.x1 = std::max(n.a.x, n.b.x) + r;
      n.y0 = std::min(n.a.y, n.b.y) - r, n.y1 = std::max(n.a.y, n.b.y) + r;
      break;
    }
    case ShapeType::Polygon:
      n.x0 = n.y0 = 1e9f, n.x1 = n.y1 = -1e9f;
      for (const V2& p : n.pts) {
        n.x0 = std::min(n.x0, p.x), n.x1 = std::max(n.x1, p.x);
        n.y0 = std::min(n.y0, p.y), n.y1 = std::max(n.y1, p.y);
      }
      break;
    case ShapeType::Box: n.x0 = n.a.x, n.y0 = n.a.y, n.x1 = n.b.x, n.y1 = n.b.y; break;
  }
  return n;
}

Shape& Scene::Ellipse(float cx, float cy, float rx, float ry, Rgb c) {
  Shape s;
  s.type = ShapeType::Ellipse;
  s.a = {cx, cy};
  s.b = {std::max(rx, 0.1f), std::max(ry, 0.1f)};
  s.color = c;
  return Add(s);
}

Shape& Scene::Capsule(float ax, float ay, float bx, float by, float ra, float rb, Rgb c) {
  Shape s;
  s.type = ShapeType::Capsule;
  s.a = {ax, ay};
  s.b = {bx, by};
  s.r0 = ra, s.r1 = rb;
  s.color = c;
  return Add(s);
}

Shape& Scene::Polygon(const std::vector<V2>& pts, Rgb c) {
  Shape s;
  s.type = ShapeType::Polygon;
  s.pts = pts;
  s.color = c;
  return Add(s);
}

Shape& Scene::Box(float x0, float y0, float x1, float y1, float radius, Rgb c) {
  Shape s;
  s.type = ShapeType::Box;
  s.a = {x0, y0};
  s.b = {x1, y1};
  s.r0 = radius;
  s.color = c;
  return Add(s);
}

std::vector<V2> Scene::Mirror(const std::vector<V2>& pts, float axis) {
  std::vector<V2> out;
  for (auto it = pts.rbegin(); it != pts.rend(); ++it) out.push_back({2 * axis - it->x, it->y});
  return out;
}

void Scene::Append(const Scene& other) {
  for (const Shape& s : other.shapes) shapes.push_back(s);
}

void Scene::Bounds(float* x0, float* y0, float* x1, float* y1) const {
  float a = 1e9f, b = 1e9f, c = -1e9f, d = -1e9f;
  for (const Shape& s : shapes) {
    if (s.hole) continue;
    a = std::min(a, s.x0), b = std::min(b, s.y0), c = std::max(c, s.x1), d = std::max(d, s.y1);
  }
  *x0 = a, *y0 = b, *x1 = c, *y1 = d;
}

// ------------------------------------------------------------------ sampling

namespace {

float Len(float x, float y) { return std::sqrt(x * x + y * y); }

float SegmentDistance(V2 p, V2 a, V2 b) {
  const float bx = b.x - a.x, by = b.y - a.y;
  const float l2 = bx * bx + by * by;
  float t = l2 > 0 ? ((p.x - a.x) * bx + (p.y - a.y) * by) / l2 : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return Len(p.x - (a.x + t * bx), p.y - (a.y + t * by));
}

// Signed distance: negative inside.
float Sdf(const Shape& s, V2 p) {
  switch (s.type) {
    case ShapeType::Ellipse: {
      const float px = (p.x - s.a.x), py = (p.y - s.a.y);
      const float k0 = Len(px / s.b.x, py / s.b.y);
      const float k1 = Len(px / (s.b.x * s.b.x), py / (s.b.y * s.b.y));
      if (k1 < 1e-6f) return -std::min(s.b.x, s.b.y);
      return k0 * (k0 - 1.0f) / k1;
    }
    case ShapeType::Capsule: {
      const float bx = s.b.x - s.a.x, by = s.b.y - s.a.y;
      const float l2 = bx * bx + by * by;
      float t = l2 > 0 ? ((p.x - s.a.x) * bx + (p.y - s.a.y) * by) / l2 : 0;
      t = std::clamp(t, 0.0f, 1.0f);
      return Len(p.x - (s.a.x + t * bx), p.y - (s.a.y + t * by)) - (s.r0 + t * (s.r1 - s.r0));
    }
    case ShapeType::Polygon: {
      float best = 1e9f;
      bool inside = false;
      const size_t n = s.pts.size();
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const V2 a = s.pts[j], b = s.pts[i];
        best = std::min(best, SegmentDistance(p, a, b));
        if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x)
          inside = !inside;
      }
      return inside ? -best : best;
    }
    case ShapeType::Box: {
      const float cx = (s.a.x + s.b.x) / 2, cy = (s.a.y + s.b.y) / 2;
      const float hx = (s.b.x - s.a.x) / 2 - s.r0, hy = (s.b.y - s.a.y) / 2 - s.r0;
      const float qx = std::fabs(p.x - cx) - hx, qy = std::fabs(p.y - cy) - hy;
      return Len(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - s.r0;
    }
  }
  return 1e9f;
}

// A pattern cell's hash; the salt is spread over the word first.
uint32_t Hash(int x, int y, uint32_t salt) { return noise::Hash(x, y, salt * 0xCB1AB31Fu); }

float Wrap(float v, float size) {
  float m = std::fmod(v, size);
  return m < 0 ? m + size : m;
}

Rgb ApplyPattern(const Shape& s, V2 p, Rgb c) {
  const float z = s.patternSize;
  switch (s.pattern) {
    case Pattern::None: return c;
    case Pattern::Chain: {
      const float row = std::floor(p.y / (z * 0.8f));
      const float x = Wrap(p.x + (int(row) & 1) * z * 0.5f, z) - z * 0.5f;
      const float y = Wrap(p.y, z * 0.8f) - z * 0.4f;
      const float d = Len(x, y * 1.2f);
      if (std::fabs(d - z * 0.32f) < z * 0.13f) return Lighten(c, 0.18f);
      if (d < z * 0.2f || d > z * 0.47f) return Mix(c, s.patternColor, 0.55f);
      return c;
    }
    case Pattern::Bands: {
      const float y = Wrap(p.y, z);
      if (y < 0.9f) return s.patternColor;
      if (y < 2.0f) return Lighten(c, 0.25f);
      if (y > z - 1.5f) return Darken(c, 0.18f);
      return c;
    }
    case Pattern::Rivets: {
      const float x = Wrap(p.x, z) - z / 2, y = Wrap(p.y, z) - z / 2;
      const float d = Len(x, y);
      if (d < z * 0.13f) return s.patternColor;
      if (d < z * 0.2f) return Darken(c, 0.3f);
      return c;
    }
    case Pattern::Scales: {
      const float row = std::floor(p.y / (z * 0.6f));
      const float x = Wrap(p.x + (int(row) & 1) * z * 0.5f, z) - z * 0.5f;
      const float y = Wrap(p.y, z * 0.6f);
      const float d = Len(x, y);
      if (std::fabs(d - z * 0.55f) < z * 0.1f) return s.patternColor;
      if (d < z * 0.3f) return Lighten(c, 0.15f);
      return c;
    }
    case Pattern::Stitches: {
      const float y = Wrap(p.y, z);
      const float x = Wrap(p.x, z * 3);
      if (x < 0.9f && y < z * 0.55f) return s.patternColor;
      return c;
    }
    case Pattern::Runes: {
      const int cx = int(std::floor(p.x / z)), cy = int(std::floor(p.y / z));
      const uint32_t h = Hash(cx, cy, 77);
      if ((h & 3) != 0) return c;
      const float x = p.x / z - cx, y = p.y / z - cy;
      // One of four small strokes per marked cell: a bar, a cross, an angle, a ring.
      const float w = 0.16f;
      bool on = false;
      switch ((h >> 4) & 3) {
        case 0: on = std::fabs(x - 0.5f) < w && y > 0.15f && y < 0.85f; break;
        case 1:
          on = (std::fabs(x - 0.5f) < w && y > 0.15f && y < 0.85f) ||
               (std::fabs(y - 0.4f) < w && x > 0.2f && x < 0.8f);
          break;
        case 2:
          on = (std::fabs(x - 0.3f) < w && y > 0.15f && y < 0.85f) ||
               (std::fabs(y - x + 0.1f) < w && x > 0.3f && x < 0.8f);
          break;
        default: {
          const float d = Len(x - 0.5f, y - 0.5f);
          on = std::fabs(d - 0.3f) < w * 0.8f;
          break;
        }
      }
      return on ? s.patternColor : c;
    }
    case Pattern::Weave: {
      const int cx = int(std::floor(p.x)), cy = int(std::floor(p.y));
      const uint32_t h = Hash(cx, cy, 5);
      const float t = float(h & 255) / 255.0f - 0.5f;
      return t > 0 ? Lighten(c, t * 0.12f) : Darken(c, -t * 0.12f);
    }
    case Pattern::Quilt: {
      const float u = Wrap(p.x + p.y, z), v = Wrap(p.x - p.y, z);
      if (u < 0.8f || v < 0.8f) return s.patternColor;
      return c;
    }
  }
  return c;
}

// Colour of the topmost shape at p, or false for the background. unit is
// the size of one output pixel in figure units.
bool Sample(const Scene& scene, V2 p, float unit, Rgb* out) {
  for (size_t i = scene.shapes.size(); i-- > 0;) {
    const Shape& s = scene.shapes[i];
    const float margin = 0.5f * unit;
    if (p.x < s.x0 - margin || p.x > s.x1 + margin || p.y < s.y0 - margin || p.y > s.y1 + margin)
      continue;
    const float d = Sdf(s, p);
    if (d >= 0) continue;
    if (s.hole) return false;
    if (s.outline > 0 && d > -s.outline * unit) {
      *out = s.outlineColor;
      return true;
    }
    Rgb c = ApplyPattern(s, p, s.color);
    // Light from the top left: the rim facing it is lit, the far rim shaded.
    const float h = 0.5f * unit;
    const float gx = Sdf(s, {p.x + h, p.y}) - Sdf(s, {p.x - h, p.y});
    const float gy = Sdf(s, {p.x, p.y + h}) - Sdf(s, {p.x, p.y - h});
    const float gl = Len(gx, gy);
    float shade = 0;
    if (gl > 1e-6f && s.bevel > 0) {
      const float edge = std::clamp(1.0f + d / (s.bevel * unit), 0.0f, 1.0f);
      shade += (-(gx + gy) / gl) * 0.7071f * edge * s.bevelStrength;
    }
    if (s.dome) {
      const float nx = (p.x - (s.x0 + s.x1) / 2) / std::max(1.0f, (s.x1 - s.x0) / 2);
      const float ny = (p.y - (s.y0 + s.y1) / 2) / std::max(1.0f, (s.y1 - s.y0) / 2);
      shade += -(nx + ny) * 0.14f;
    }
    if (s.metal) {
      const float t = (p.x - s.x0) / std::max(1.0f, s.x1 - s.x0);
      if (t > 0.24f && t < 0.36f) shade += 0.3f;
    }
    if (shade > 0) c = Lighten(c, std::min(shade, 0.8f));
    if (shade < 0) c = Darken(c, std::min(-shade, 0.8f));
    *out = c;
    return true;
  }
  return false;
}

void RenderAffine(const Scene& scene, Canvas& c, float ox, float oy, float ux, float uy, float vx,
                  float vy) {
  // Figure point of pixel (u, v) = o + (u + 0.5) U + (v + 0.5) V.
  const float unit = std::max(Len(ux, uy), Len(vx, vy));
  for (int v = 0; v < c.h; ++v) {
    for (int u = 0; u < c.w; ++u) {
      const V2 p{ox + (u + 0.5f) * ux + (v + 0.5f) * vx, oy + (u + 0.5f) * uy + (v + 0.5f) * vy};
      Rgb col;
      if (Sample(scene, p, unit, &col)) c.Set(u, v, col);
    }
  }
  if (c.keyed) c.OutlineShapes();
}

}  // namespace

void RenderPlaced(const Scene& scene, Canvas& c, float dx, float dy, float sx, float sy) {
  RenderAffine(scene, c, dx, dy, sx, 0, 0, sy);
}

void RenderFitted(const Scene& scene, Canvas& c, float margin, float angle) {
  float x0, y0, x1, y1;
  scene.Bounds(&x0, &y0, &x1, &y1);
  if (x1 <= x0 || y1 <= y0) return;
  const float a = angle * 3.14159265f / 180.0f;
  const float ca = std::cos(a), sa = std::sin(a);
  // Extent of the turned box.
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hw = (x1 - x0) / 2, hh = (y1 - y0) / 2;
  const float ew = std::fabs(hw * ca) + std::fabs(hh * sa);
  const float eh = std::fabs(hw * sa) + std::fabs(hh * ca);
  const float zoom = std::min((c.w - 2 * margin) / (2 * ew), (c.h - 2 * margin) / (2 * eh));
  // Pixel (u, v) -> canvas point relative to the centre -> turned back -> figure.
  const float k = 1.0f / zoom;
  const float ux = ca * k, uy = -sa * k;  // one pixel right, turned back by -angle
  const float vx = sa * k, vy = ca * k;
  const float ox = cx - (c.w / 2.0f) * ux - (c.h / 2.0f) * vx;
  const float oy = cy - (c.w / 2.0f) * uy - (c.h / 2.0f) * vy;
  RenderAffine(scene, c, ox, oy, ux, uy, vx, vy);
}

// ------------------------------------------------------------------ the bare body

namespace {

struct LookColours {
  Rgb skin, shirt, sleeve, trousers, shoes, trim;
  Pattern shirtPattern;
};

// Look 0: linen shirt and brown breeches; look 1: a bare-armed fighter in a
// leather jerkin and dark fur breeches; look 2: a blue tunic with gold trim.
// Looks 0 and 2 share the hands and feet.
LookColours Colours(int look) {
  switch (look) {
    case 1:
      return {pal::SkinDark,  pal::Wood,     pal::SkinDark,    pal::WoodDeep,
              pal::EarthDark, pal::HairGrey, Pattern::Stitches};
    case 2:
      return {pal::Skin,     pal::Blue, pal::Blue,     pal::SlateDark,
              pal::WoodDark, pal::Gold, Pattern::Weave};
    default:
      return {pal::Skin,     pal::Parchment,     pal::Parchment, pal::Earth,
              pal::WoodDark, pal::ParchmentDark, Pattern::Weave};
  }
}

void AddHand(Scene& s, float cx, bool left, Rgb skin) {
  const float side = left ? 1.0f : -1.0f;  // the thumb lies towards the body
  s.Capsule(cx, 364, cx, 370, 6.5f, 7.5f, skin).bevel = 2;
  Shape& palm = s.Box(cx - 8, 366, cx + 8, 384, 5, skin);
  palm.dome = true;
  s.Capsule(cx + side * 7, 371, cx + side * 9, 380, 3, 2.5f, skin);
  // Finger lines.
  for (int f = -1; f <= 1; ++f) {
    Shape& line =
        s.Capsule(cx + f * 4.0f, 378, cx + f * 4.0f, 385, 0.45f, 0.45f, Darken(skin, 0.35f));
    line.outline = 0;
    line.bevel = 0;
  }
}

void AddFoot(Scene& s, float ankleX, bool left, const LookColours& c, int look) {
  const float out = left ? -1.0f : 1.0f;  // toes turn outwards
  if (look == 1) {
    // Fur-topped boots, set a little outwards so that their inner side stays
    // inside the foot picture's frame.
    const float bx = ankleX + out * 1.5f;
    s.Capsule(bx, 466, bx, 480, 8, 8, c.shoes);
    Shape& foot = s.Ellipse(bx + out * 7, 490, 15, 8, c.shoes);
    foot.dome = true;
    Shape& fur = s.Ellipse(bx, 469, 9.5f, 5, c.trim);
    fur.pattern = Pattern::Weave;
    return;
  }
  s.Capsule(ankleX, 466, ankleX, 480, 6.5f, 7, c.skin);
  // A shoe of the right foot, mirrored for the left.
  std::vector<V2> shoe = {{ankleX - 6, 478},  {ankleX + 8, 478}, {ankleX + 19, 487},
                          {ankleX + 22, 497}, {ankleX - 6, 497}, {ankleX - 7, 488}};
  if (out < 0) shoe = Scene::Mirror(shoe, ankleX);
  s.Polygon(shoe, c.shoes).dome = true;
  const float heel = out < 0 ? ankleX + 6 : ankleX - 6;
  Shape& strap = s.Box(std::min(heel, ankleX + out * 8), 480, std::max(heel, ankleX + out * 8), 483,
                       1, Darken(c.shoes, 0.3f));
  strap.outline = 0;
}

}  // namespace

void AddNeck(Scene& s, Rgb skin) {
  using namespace fig;
  constexpr float kTopRadius = 8, kBottomRadius = 9;
  s.Capsule(kCentreX, kNeckTop, kCentreX, kNeckBottomY, kTopRadius, kBottomRadius, skin);
}

void AddBodyPart(Scene& s, int look, BodyPart part) {
  const LookColours c = Colours(look);
  using namespace fig;
  switch (part) {
    case BodyPart::Chest: {
      AddNeck(s, c.skin);
      // Arms, shoulder to wrist.
      const Rgb upper = c.sleeve;
      const Rgb lower = look == 0 ? c.sleeve : c.skin;
      for (int side = 0; side < 2; ++side) {
        const float sx = side ? 118.0f : 42.0f, ex = side ? 124.0f : 36.0f,
                    wx = side ? kHandRightX : kHandLeftX;
        Shape& fore = s.Capsule(ex, 324, wx, 362, 7.5f, 6.5f, lower);
        fore.pattern = look == 0 ? Pattern::Weave : Pattern::None;
        Shape& arm = s.Capsule(sx, 284, ex, 326, 10, 8, upper);
        arm.pattern = c.shirtPattern;
        arm.patternColor = Darken(upper, 0.3f);
        arm.patternSize = 5;
        if (look == 1) {
          // Leather bracers.
          s.Capsule(ex + (wx - ex) * 0.45f, 341, wx, 359, 7.5f, 7.2f, pal::WoodDark).pattern =
              Pattern::Stitches;
        }
        if (look == 2)
          s.Capsule(sx, 286, ex, 310, 11, 10, upper).patternColor = Darken(upper, 0.3f);
      }
      // The body of the garment.
      std::vector<V2> body = {{54, 272},  {106, 272}, {120, 282}, {116, 312}, {110, 350},
                              {106, 380}, {54, 380},  {50, 350},  {44, 312},  {40, 282}};
      Shape& torso = s.Polygon(body, look == 1 ? c.skin : c.shirt);
      torso.dome = true;
      torso.pattern = look == 1 ? Pattern::None : c.shirtPattern;
      torso.patternColor = Darken(c.shirt, 0.3f);
      if (look == 1) {
        // Bare chest under an open jerkin.
        s.Capsule(68, 300, 74, 304, 7, 7, Darken(c.skin, 0.12f)).outline = 0;
        s.Capsule(92, 300, 86, 304, 7, 7, Darken(c.skin, 0.12f)).outline = 0;
        Shape& l = s.Polygon(
            {{54, 272}, {66, 272}, {64, 330}, {58, 380}, {52, 380}, {46, 330}, {42, 284}}, c.shirt);
        l.pattern = Pattern::Stitches;
        l.patternColor = pal::WoodDark;
        Shape& r = s.Polygon(Scene::Mirror(l.pts, kCentreX), c.shirt);
        r.pattern = Pattern::Stitches;
        r.patternColor = pal::WoodDark;
        s.Capsule(52, 282, 108, 356, 3, 3, pal::WoodDark);  // shoulder strap
      } else {
        // Neckline.
        const Rgb opening = look == 0 ? c.skin : c.trim;
        s.Polygon({{71, 272}, {89, 272}, {80, 292}}, c.skin);
        if (look == 2) {
          s.Capsule(68, 274, 80, 286, 2, 2, opening);
          s.Capsule(92, 274, 80, 286, 2, 2, opening);
          s.Box(50, 368, 110, 378, 2, opening).pattern = Pattern::None;  // hem band
        } else {
          Shape& lace = s.Capsule(80, 286, 80, 300, 0.8f, 0.8f, pal::WoodDark);
          lace.outline = 0;
        }
      }
      break;
    }
    case BodyPart::Legs: {
      std::vector<V2> hips = {{54, 372}, {106, 372}, {108, 398}, {52, 398}};
      Shape& pelvis = s.Polygon(hips, c.trousers);
      pelvis.pattern = Pattern::Weave;
      for (int side = 0; side < 2; ++side) {
        const float hx = side ? kLegRightX - 1 : kLegLeftX + 1,
                    ax = side ? kLegRightX + 2 : kLegLeftX - 2;
        Shape& leg = s.Capsule(hx, kHipY, ax, 468, 13, 9, c.trousers);
        leg.pattern = look == 1 ? Pattern::Quilt : Pattern::Weave;
        leg.patternColor = Darken(c.trousers, 0.25f);
        leg.patternSize = 7;
      }
      // Cord belt.
      Shape& cord = s.Box(53, 373, 107, 379, 2, look == 2 ? pal::GoldDark : pal::WoodDark);
      cord.outline = 0.8f;
      break;
    }
    case BodyPart::Hand1: AddHand(s, kHandLeftX, true, c.skin); break;
    case BodyPart::Hand2: AddHand(s, kHandRightX, false, c.skin); break;
    case BodyPart::Foot1: AddFoot(s, kLegLeftX - 2, true, c, look); break;
    case BodyPart::Foot2: AddFoot(s, kLegRightX + 2, false, c, look); break;
  }
}

namespace {

struct PartPicture {
  const char* path;
  int w, h;
  uint32_t key;
  int look;
  BodyPart part;
};

constexpr PartPicture kParts[] = {
    {"Art\\Heroes\\Legs.bmp", 128, 256, kKeyRed, 0, BodyPart::Legs},
    {"Art\\Heroes\\Chest.bmp", 256, 256, kKeyRed, 0, BodyPart::Chest},
    {"Art\\Heroes\\Hand1.bmp", 64, 64, kKeyRed, 0, BodyPart::Hand1},
    {"Art\\Heroes\\Hand2.bmp", 64, 64, kKeyRed, 0, BodyPart::Hand2},
    {"Art\\Heroes\\Foot1.bmp", 64, 64, kKeyRed, 0, BodyPart::Foot1},
    {"Art\\Heroes\\Foot2.bmp", 64, 64, kKeyRed, 0, BodyPart::Foot2},
    {"Art\\Heroes\\Legs2.bmp", 128, 256, kKeyRed, 2, BodyPart::Legs},
    {"Art\\Heroes\\Chest2.bmp", 256, 256, kKeyBlack, 2, BodyPart::Chest},
    {"Art\\Heroes\\Legs3.bmp", 128, 256, kKeyBlack, 1, BodyPart::Legs},
    {"Art\\Heroes\\Chest3.bmp", 256, 256, kKeyBlack, 1, BodyPart::Chest},
    {"Art\\Heroes\\Hand3.bmp", 64, 64, kKeyBlack, 1, BodyPart::Hand1},
    {"Art\\Heroes\\Hand4.bmp", 64, 64, kKeyBlack, 1, BodyPart::Hand2},
    {"Art\\Heroes\\Foot3.bmp", 64, 64, kKeyBlack, 1, BodyPart::Foot1},
    {"Art\\Heroes\\Foot4.bmp", 64, 64, kKeyBlack, 1, BodyPart::Foot2},
};

// The whole figure of look 0 with a plain head, standing in a tall frame.
void DrawWholeBody(Canvas& c) {
  Scene s;
  const BodyPart order[] = {BodyPart::Legs,  BodyPart::Chest, BodyPart::Hand1,
                            BodyPart::Hand2, BodyPart::Foot1, BodyPart::Foot2};
  for (BodyPart part : order) AddBodyPart(s, 0, part);
  using fig::kCentreX;
  s.Ellipse(kCentreX, 236, 19, 23, pal::Skin).dome = true;
  Shape& hair = s.Polygon({{61, 232},
                           {63, 216},
                           {72, 210},
                           {88, 210},
                           {97, 216},
                           {99, 232},
                           {93, 222},
                           {80, 219},
                           {67, 222}},
                          pal::HairBrown);
  hair.pattern = Pattern::Weave;
  s.Ellipse(72, 236, 2.2f, 2.6f, pal::InkSoft).outline = 0;
  s.Ellipse(88, 236, 2.2f, 2.6f, pal::InkSoft).outline = 0;
  s.Capsule(75, 248, 85, 248, 0.8f, 0.8f, pal::SkinDark).outline = 0;
  RenderFitted(s, c, 8);
}

}  // namespace

}  // namespace figart

using namespace assetgen;

ASSETGEN_TABLE(HeroFigureParts) {
  for (const figart::PartPicture& p : figart::kParts) {
    r.Picture(p.path, p.w, p.h, p.w, p.h, p.key, [p](Canvas& c) {
      figart::Scene s;
      figart::AddBodyPart(s, p.look, p.part);
      const figure_layout::Place& at = figure_layout::kBodyPlaces[static_cast<int>(p.part)];
      figart::RenderPlaced(s, c, at.dx, at.y, at.scaleX, at.scaleY);
    });
  }
  r.Picture("Art\\Heroes\\Body1.bmp", 256, 512, 256, 512, kKeyRed, figart::DrawWholeBody);
}
