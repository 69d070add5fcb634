// Colours, the deterministic RNG and the canvas drawing primitives.
#include <algorithm>
#include <cmath>
#include <deque>

#include "assetgen.h"

namespace assetgen {

namespace {

int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Pixel centres are sampled at +0.5: shapes are crisp, never anti-aliased.
constexpr float kHalf = 0.5f;

}  // namespace

// ---------------------------------------------------------------- colours

Rgb Mix(Rgb a, Rgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  auto ch = [t](int x, int y) { return Clamp255(int(std::lround(x + (y - x) * t))); };
  return MakeRgb(ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)), ch(BlueOf(a), BlueOf(b)));
}

Rgb Lighten(Rgb c, float amount) { return Mix(c, 0xF8F4EC, amount); }
Rgb Darken(Rgb c, float amount) { return Mix(c, 0x0C0806, amount); }

Rgb Shade(Rgb c, int d) {
  return MakeRgb(Clamp255(RedOf(c) + d), Clamp255(GreenOf(c) + d), Clamp255(BlueOf(c) + d));
}

// ---------------------------------------------------------------- randomness

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int Rng::Int(int lo, int hi) {
  if (hi <= lo) return lo;
  return lo + int(Next() % uint64_t(hi - lo + 1));
}

float Rng::Float() { return float(Next() >> 40) / float(1ull << 24); }
float Rng::Range(float lo, float hi) { return lo + (hi - lo) * Float(); }
bool Rng::Chance(float p) { return Float() < p; }

uint64_t HashString(const std::string& s) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char ch : s) {
    h ^= ch;
    h *= 1099511628211ull;
  }
  return h;
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height, uint32_t keyArgb, uint64_t seed)
    : w(std::max(width, 0)), h(std::max(height, 0)), rng(seed) {
  keyed = keyArgb != kKeyNone;
  key = keyArgb & 0xFFFFFF;
  px.assign(size_t(w) * size_t(h), Clear());
}

// Keeps derived colours (mixes, jitter) from landing exactly on the key.
static Rgb AvoidKey(const Canvas& c, Rgb v) {
  if (!c.keyed || v != c.key) return v;
  return RedOf(v) > 127 ? Shade(v, -1) : Shade(v, 1);
}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
  if (!In(x, y) || alpha <= 0.0f) return;
  Rgb& d = px[size_t(y) * w + x];
  if (keyed && d == key) {
    if (alpha >= 0.5f) d = c;
    return;
  }
  d = alpha >= 1.0f ? c : AvoidKey(*this, Mix(d, c, alpha));
}

void Canvas::Fill(Rgb c) { std::fill(px.begin(), px.end(), c); }

void Canvas::Rect(int x, int y, int rw, int rh, Rgb c) {
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + rw, w), y1 = std::min(y + rh, h);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) px[size_t(yy) * w + xx] = c;
}

void Canvas::Frame(int x, int y, int rw, int rh, Rgb c, int t) {
  if (rw <= 0 || rh <= 0) return;
  t = std::max(1, std::min(t, std::min(rw, rh) / 2 + 1));
  Rect(x, y, rw, t, c);
  Rect(x, y + rh - t, rw, t, c);
  Rect(x, y, t, rh, c);
  Rect(x + rw - t, y, t, rh, c);
}

void Canvas::Panel(int x, int y, int rw, int rh, Rgb face, int bevel, bool outline) {
  Rect(x, y, rw, rh, face);
  int o = outline ? 1 : 0;
  Rgb light = Lighten(face, 0.35f), dark = Darken(face, 0.4f);
  for (int i = 0; i < bevel; ++i) {
    int ix = x + o + i, iy = y + o + i, iw = rw - 2 * (o + i), ih = rh - 2 * (o + i);
    if (iw <= 0 || ih <= 0) break;
    Rect(ix, iy, iw, 1, light);
    Rect(ix, iy, 1, ih, light);
    Rect(ix, iy + ih - 1, iw, 1, dark);
    Rect(ix + iw - 1, iy, 1, ih, dark);
  }
  if (outline) Frame(x, y, rw, rh, pal::Ink);
}

void Canvas::Well(int x, int y, int rw, int rh, Rgb face, int bevel) {
  Rect(x, y, rw, rh, face);
  Rgb light = Lighten(face, 0.3f), dark = Darken(face, 0.45f);
  for (int i = 0; i < bevel; ++i) {
    int ix = x + i, iy = y + i, iw = rw - 2 * i, ih = rh - 2 * i;
    if (iw <= 0 || ih <= 0) break;
    Rect(ix, iy, iw, 1, dark);
    Rect(ix, iy, 1, ih, dark);
    Rect(ix, iy + ih - 1, iw, 1, light);
    Rect(ix + iw - 1, iy, 1, ih, light);
  }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Canvas::ThickLine(float x0, float y0, float x1, float y1, float width, Rgb c) {
  float r = std::max(width, 1.0f) * 0.5f;
  int bx0 = int(std::floor(std::min(x0, x1) - r)), bx1 = int(std::ceil(std::max(x0, x1) + r));
  int by0 = int(std::floor(std::min(y0, y1) - r)), by1 = int(std::ceil(std::max(y0, y1) + r));
  bx0 = std::max(bx0, 0);
  by0 = std::max(by0, 0);
  bx1 = std::min(bx1, w - 1);
  by1 = std::min(by1, h - 1);
  float vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
  float r2 = r * r;
  for (int y = by0; y <= by1; ++y) {
    for (int x = bx0; x <= bx1; ++x) {
      float px_ = x + kHalf, py_ = y + kHalf;
      float t = len2 > 0 ? ((px_ - x0) * vx + (py_ - y0) * vy) / len2 : 0.0f;
      t = std::clamp(t, 0.0f, 1.0f);
      float ex = x0 + vx * t - px_, ey = y0 + vy * t - py_;
      if (ex * ex + ey * ey <= r2) px[size_t(y) * w + x] = c;
    }
  }
}

void Canvas::Ellipse(float cx, float cy, float rx, float ry, Rgb c) {
  if (rx <= 0 || ry <= 0) return;
  int y0 = std::max(0, int(std::floor(cy - ry))), y1 = std::min(h - 1, int(std::ceil(cy + ry)));
  for (int y = y0; y <= y1; ++y) {
    float dy = (y + kHalf - cy) / ry;
    if (dy * dy > 1.0f) continue;
    float hw = rx * std::sqrt(1.0f - dy * dy);
    int xa = int(std::ceil(cx - hw - kHalf)), xb = int(std::floor(cx + hw - kHalf));
    xa = std::max(xa, 0);
    xb = std::min(xb, w - 1);
    for (int x = xa; x <= xb; ++x) px[size_t(y) * w + x] = c;
  }
}

void Canvas::EllipseOutline(float cx, float cy, float rx, float ry, Rgb c, float t) {
  if (rx <= 0 || ry <= 0) return;
  float irx = rx - t, iry = ry - t;
  int y0 = std::max(0, int(std::floor(cy - ry))), y1 = std::min(h - 1, int(std::ceil(cy + ry)));
  int x0 = std::max(0, int(std::floor(cx - rx))), x1 = std::min(w - 1, int(std::ceil(cx + rx)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      float dx = x + kHalf - cx, dy = y + kHalf - cy;
      float outer = (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry);
      if (outer > 1.0f) continue;
      bool inside = irx > 0 && iry > 0 && (dx * dx) / (irx * irx) + (dy * dy) / (iry * iry) <= 1.0f;
      if (!inside) px[size_t(y) * w + x] = c;
    }
  }
}

void Canvas::Polygon(const std::vector<Pt>& pts, Rgb c) {
  if (pts.size() < 3) return;
  float miny = pts[0].y, maxy = pts[0].y;
  for (const Pt& p : pts) {
    miny = std::min(miny, p.y);
    maxy = std::max(maxy, p.y);
  }
  int y0 = std::max(0, int(std::floor(miny))), y1 = std::min(h - 1, int(std::ceil(maxy)));
  std::vector<float> xs;
  for (int y = y0; y <= y1; ++y) {
    float sy = y + kHalf;
    xs.clear();
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Pt& a = pts[i];
      const Pt& b = pts[j];
      if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2) {
      int xa = std::max(0, int(std::ceil(xs[k] - kHalf)));
      int xb = std::min(w - 1, int(std::ceil(xs[k + 1] - kHalf)) - 1);
      for (int x = xa; x <= xb; ++x) px[size_t(y) * w + x] = c;
    }
  }
}

void Canvas::PolygonOutline(const std::vector<Pt>& pts, Rgb c, float t) {
  for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++)
    ThickLine(pts[j].x, pts[j].y, pts[i].x, pts[i].y, t, c);
}

void Canvas::GradientV(int x, int y, int rw, int rh, Rgb top, Rgb bottom) {
  for (int i = 0; i < rh; ++i)
    Rect(x, y + i, rw, 1,
         AvoidKey(*this, Mix(top, bottom, rh > 1 ? float(i) / float(rh - 1) : 0.0f)));
}

void Canvas::GradientH(int x, int y, int rw, int rh, Rgb left, Rgb right) {
  for (int i = 0; i < rw; ++i)
    Rect(x + i, y, 1, rh,
         AvoidKey(*this, Mix(left, right, rw > 1 ? float(i) / float(rw - 1) : 0.0f)));
}

void Canvas::Noise(int x, int y, int rw, int rh, int amount) {
  int x0 = std::max(x, 0), y0 = std::max(y, 0), x1 = std::min(x + rw, w), y1 = std::min(y + rh, h);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) {
      Rgb& d = px[size_t(yy) * w + xx];
      if (keyed && d == key) continue;
      d = AvoidKey(*this, Shade(d, rng.Int(-amount, amount)));
    }
}

void Canvas::Speckle(int x, int y, int rw, int rh, Rgb c, float density, int dot) {
  int x0 = std::max(x, 0), y0 = std::max(y, 0), x1 = std::min(x + rw, w), y1 = std::min(y + rh, h);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) {
      if (!rng.Chance(density)) continue;
      for (int dy = 0; dy < dot; ++dy)
        for (int dx = 0; dx < dot; ++dx) {
          int sx = xx + dx, sy = yy + dy;
          if (sx >= x1 || sy >= y1 || IsKey(sx, sy)) continue;
          Set(sx, sy, c);
        }
    }
}

void Canvas::Vignette(int x, int y, int rw, int rh, float strength) {
  if (rw <= 0 || rh <= 0) return;
  for (int yy = std::max(y, 0); yy < std::min(y + rh, h); ++yy)
    for (int xx = std::max(x, 0); xx < std::min(x + rw, w); ++xx) {
      Rgb& d = px[size_t(yy) * w + xx];
      if (keyed && d == key) continue;
      float u = (xx + kHalf - x) / rw * 2.0f - 1.0f, v = (yy + kHalf - y) / rh * 2.0f - 1.0f;
      float r = std::max(0.0f, std::sqrt(u * u + v * v) - 0.55f) / 0.9f;
      d = AvoidKey(*this, Darken(d, std::min(1.0f, r * r * strength * 2.0f)));
    }
}

void Canvas::Blit(const Canvas& src, int x, int y, bool skipKey) {
  for (int sy = 0; sy < src.h; ++sy)
    for (int sx = 0; sx < src.w; ++sx) {
      Rgb c = src.px[size_t(sy) * src.w + sx];
      if (skipKey && src.keyed && c == src.key) continue;
      Set(x + sx, y + sy, c);
    }
}

void Canvas::BlitScaled(const Canvas& src, int x, int y, int dw, int dh, bool skipKey) {
  if (dw <= 0 || dh <= 0 || src.w <= 0 || src.h <= 0) return;
  for (int dy = 0; dy < dh; ++dy) {
    int sy = int((int64_t(dy) * src.h) / dh);
    for (int dx = 0; dx < dw; ++dx) {
      int sx = int((int64_t(dx) * src.w) / dw);
      Rgb c = src.px[size_t(sy) * src.w + sx];
      if (skipKey && src.keyed && c == src.key) continue;
      Set(x + dx, y + dy, c);
    }
  }
}

void Canvas::FloodFill(int x, int y, Rgb c) {
  if (!In(x, y)) return;
  Rgb from = Get(x, y);
  if (from == c) return;
  std::deque<std::pair<int, int>> q;
  q.emplace_back(x, y);
  px[size_t(y) * w + x] = c;
  while (!q.empty()) {
    auto [cx, cy] = q.front();
    q.pop_front();
    const int nx[4] = {cx + 1, cx - 1, cx, cx}, ny[4] = {cy, cy, cy + 1, cy - 1};
    for (int i = 0; i < 4; ++i) {
      if (!In(nx[i], ny[i]) || px[size_t(ny[i]) * w + nx[i]] != from) continue;
      px[size_t(ny[i]) * w + nx[i]] = c;
      q.emplace_back(nx[i], ny[i]);
    }
  }
}

void Canvas::OutlineShapes(Rgb c) { OutlineShapes(0, 0, w, h, c); }

void Canvas::OutlineShapes(int x, int y, int rw, int rh, Rgb c) {
  if (!keyed) return;
  int x0 = std::max(x, 0), y0 = std::max(y, 0), x1 = std::min(x + rw, w), y1 = std::min(y + rh, h);
  std::vector<size_t> marks;
  auto solid = [&](int xx, int yy) {
    return xx >= x0 && yy >= y0 && xx < x1 && yy < y1 && px[size_t(yy) * w + xx] != key;
  };
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) {
      if (px[size_t(yy) * w + xx] != key) continue;
      if (solid(xx + 1, yy) || solid(xx - 1, yy) || solid(xx, yy + 1) || solid(xx, yy - 1))
        marks.push_back(size_t(yy) * w + xx);
    }
  for (size_t i : marks) px[i] = c;
}

void Canvas::Replace(Rgb from, Rgb to) { std::replace(px.begin(), px.end(), from, to); }

void Canvas::FlipH() {
  for (int y = 0; y < h; ++y)
    std::reverse(px.begin() + size_t(y) * w, px.begin() + size_t(y + 1) * w);
}

Canvas Canvas::Crop(int x, int y, int rw, int rh) const {
  Canvas out(rw, rh, kKeyNone, rng.state_ ^ 0x5DEECE66Dull);
  out.keyed = keyed;
  out.key = key;
  for (int yy = 0; yy < rh; ++yy)
    for (int xx = 0; xx < rw; ++xx) out.px[size_t(yy) * rw + xx] = Get(x + xx, y + yy);
  return out;
}

}  // namespace assetgen
