// Text from Liberation Sans, rendered through SDL2_ttf into a coverage mask
// and composed onto the canvas (never blended into key-coloured pixels).
#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

#include "internal.h"

#ifndef QORV_FONT_DIR
#define QORV_FONT_DIR "/usr/share/fonts/truetype/liberation2"
#endif

namespace assetgen {

namespace {

struct Mask {
  int w = 0, h = 0;
  std::vector<uint8_t> a;
  uint8_t At(int x, int y) const {
    return (x < 0 || y < 0 || x >= w || y >= h) ? 0 : a[size_t(y) * w + x];
  }
};

struct FontMetrics {
  int ascent = 0, lineSkip = 0, capHeight = 0;
};

// SDL_ttf is not thread-safe: every use of it goes through this lock.
std::mutex g_fontLock;
std::map<std::pair<int, int>, TTF_Font*> g_fonts;

// A face: bit 0 bold, bit 1 monospaced (Liberation Mono, every glyph one advance).
constexpr int kFaceBold = 1, kFaceMono = 2;

int FaceOf(const TextStyle& st) { return (st.bold ? kFaceBold : 0) | (st.mono ? kFaceMono : 0); }

TTF_Font* FontLocked(int face, int size) {
  auto k = std::make_pair(face, size);
  auto it = g_fonts.find(k);
  if (it != g_fonts.end()) return it->second;
  if (!TTF_WasInit() && TTF_Init() != 0) {
    std::fprintf(stderr, "assetgen: TTF_Init failed: %s\n", TTF_GetError());
    std::exit(1);
  }
  const bool bold = (face & kFaceBold) != 0;
  std::string path = std::string(QORV_FONT_DIR) +
                     ((face & kFaceMono) ? "/LiberationMono" : "/LiberationSans") +
                     (bold ? "-Bold.ttf" : "-Regular.ttf");
  TTF_Font* f = TTF_OpenFont(path.c_str(), size);
  if (!f) {
    std::fprintf(stderr, "assetgen: cannot open font %s: %s\n", path.c_str(), TTF_GetError());
    std::exit(1);
  }
  g_fonts[k] = f;
  return f;
}

FontMetrics Metrics(int face, int size) {
  std::lock_guard<std::mutex> lock(g_fontLock);
  TTF_Font* f = FontLocked(face, size);
  FontMetrics m;
  m.ascent = TTF_FontAscent(f);
  m.lineSkip = TTF_FontLineSkip(f);
  int minx, maxx, miny, maxy, adv;
  m.capHeight =
      TTF_GlyphMetrics32(f, 'H', &minx, &maxx, &miny, &maxy, &adv) == 0 ? maxy : m.ascent * 7 / 10;
  return m;
}

Mask RenderLine(const std::string& text, int face, int size) {
  Mask m;
  if (text.empty()) return m;
  std::lock_guard<std::mutex> lock(g_fontLock);
  TTF_Font* f = FontLocked(face, size);
  SDL_Color white{255, 255, 255, 255};
  SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), white);
  if (!s) return m;
  SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(s);
  if (!conv) return m;
  m.w = conv->w;
  m.h = conv->h;
  m.a.resize(size_t(m.w) * m.h);
  SDL_LockSurface(conv);
  for (int y = 0; y < m.h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(conv->pixels) + y * conv->pitch);
    for (int x = 0; x < m.w; ++x) m.a[size_t(y) * m.w + x] = uint8_t(row[x] >> 24);
  }
  SDL_UnlockSurface(conv);
  SDL_FreeSurface(conv);
  return m;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t nl = text.find('\n', start);
    out.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out;
}

int CodepointCount(const std::string& s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// The laid-out block: one mask holding every line at its place.
struct Block {
  Mask mask;
  int inkX0 = 0, inkY0 = 0, inkX1 = -1, inkY1 = -1;  // ink bounds within mask
  int bandTop = 0, bandBottom = 0;                   // cap band of the block within mask
};

Block LayOut(const std::vector<std::string>& lines, int face, int size, Align align) {
  Block b;
  FontMetrics fm = Metrics(face, size);
  std::vector<Mask> ms;
  int width = 0;
  for (const std::string& l : lines) {
    ms.push_back(RenderLine(l, face, size));
    width = std::max(width, ms.back().w);
  }
  int height =
      fm.lineSkip * int(lines.size() - 1) + std::max(fm.lineSkip, ms.empty() ? 0 : ms.back().h);
  b.mask.w = width;
  b.mask.h = height;
  b.mask.a.assign(size_t(width) * std::max(height, 0), 0);
  for (size_t i = 0; i < ms.size(); ++i) {
    const Mask& m = ms[i];
    int ox = align == Align::Left ? 0 : (align == Align::Right ? width - m.w : (width - m.w) / 2);
    int oy = int(i) * fm.lineSkip;
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x) {
        int tx = ox + x, ty = oy + y;
        if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
        uint8_t& d = b.mask.a[size_t(ty) * width + tx];
        d = std::max(d, m.a[size_t(y) * m.w + x]);
      }
  }
  b.inkX0 = width;
  b.inkY0 = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (b.mask.a[size_t(y) * width + x] >= 64) {
        b.inkX0 = std::min(b.inkX0, x);
        b.inkX1 = std::max(b.inkX1, x);
        b.inkY0 = std::min(b.inkY0, y);
        b.inkY1 = std::max(b.inkY1, y);
      }
  b.bandTop = fm.ascent - fm.capHeight;
  b.bandBottom = fm.lineSkip * int(lines.size() - 1) + fm.ascent;
  return b;
}

}  // namespace

void MeasureText(const std::string& text, int size, bool bold, int* width, int* height) {
  std::lock_guard<std::mutex> lock(g_fontLock);
  TTF_Font* f = FontLocked(bold ? kFaceBold : 0, size);
  int w = 0, h = 0;
  if (!text.empty()) TTF_SizeUTF8(f, text.c_str(), &w, &h);
  if (width) *width = w;
  if (height) *height = h ? h : TTF_FontHeight(f);
}

void Canvas::Text(int bx, int by, int bw, int bh, const std::string& text, const TextStyle& st) {
  if (text.empty() || bw <= 0 || bh <= 0) return;
  std::vector<std::string> lines = SplitLines(text);
  bool single = lines.size() == 1 && CodepointCount(text) == 1;
  int extra = (st.outline ? 2 : 0) + (st.shadow ? 1 : 0);
  int availW = bw - 2 * st.margin - extra, availH = bh - 2 * st.margin - extra;

  Block b;
  int size = std::max(st.size, 4);
  for (;;) {
    b = LayOut(lines, FaceOf(st), size, st.align);
    bool hasInk = b.inkX1 >= b.inkX0;
    int inkW = hasInk ? b.inkX1 - b.inkX0 + 1 : 0, inkH = hasInk ? b.inkY1 - b.inkY0 + 1 : 0;
    int layoutW = single ? inkW : b.mask.w;
    if (!st.shrinkToFit || size <= 6 || (layoutW <= availW && inkH <= availH)) break;
    --size;
  }
  if (b.inkX1 < b.inkX0) return;

  // Horizontal: a single glyph centres its ink; text places its advance box.
  int refX0 = single ? b.inkX0 : 0, refW = single ? b.inkX1 - b.inkX0 + 1 : b.mask.w;
  int left = bx + st.margin + (st.outline ? 1 : 0),
      right = bx + bw - st.margin - (st.outline ? 1 : 0) - (st.shadow ? 1 : 0);
  int ox = st.align == Align::Left    ? left - refX0
           : st.align == Align::Right ? right - refW - refX0
                                      : bx + (bw - refW) / 2 - refX0;
  // Vertical: a single glyph centres its ink; text centres its cap band.
  int refY0 = single ? b.inkY0 : b.bandTop,
      refH = single ? b.inkY1 - b.inkY0 + 1 : b.bandBottom - b.bandTop;
  int top = by + st.margin + (st.outline ? 1 : 0),
      bottom = by + bh - st.margin - (st.outline ? 1 : 0) - (st.shadow ? 1 : 0);
  int oy = st.valign == VAlign::Top      ? top - refY0
           : st.valign == VAlign::Bottom ? bottom - refH - refY0
                                         : by + (bh - refH) / 2 - refY0;
  // Keep the ink inside the margins where it fits (descenders, tall glyphs).
  if (oy + b.inkY1 >= bottom) oy = bottom - 1 - b.inkY1;
  if (oy + b.inkY0 < top) oy = top - b.inkY0;
  if (ox + b.inkX1 >= right) ox = right - 1 - b.inkX1;
  if (ox + b.inkX0 < left) ox = left - b.inkX0;

  const Mask& m = b.mask;
  auto alpha = [&](uint8_t cov) -> float {
    if (!st.antialias) return cov >= 128 ? 1.0f : 0.0f;
    return cov / 255.0f;
  };
  auto ring = [&](int x, int y) {
    uint8_t v = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) v = std::max(v, m.At(x + dx, y + dy));
    return v;
  };
  // Shadow, then outline, then the glyphs themselves.
  if (st.shadow)
    for (int y = -1; y <= m.h; ++y)
      for (int x = -1; x <= m.w; ++x) {
        uint8_t cov = st.outline ? ring(x, y) : m.At(x, y);
        if (cov) Blend(ox + x + 1, oy + y + 1, st.shadowColor, alpha(cov));
      }
  if (st.outline)
    for (int y = -1; y <= m.h; ++y)
      for (int x = -1; x <= m.w; ++x) {
        uint8_t cov = ring(x, y);
        if (cov) Blend(ox + x, oy + y, st.outlineColor, alpha(cov));
      }
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x) {
      uint8_t cov = m.At(x, y);
      if (cov) Blend(ox + x, oy + y, st.color, alpha(cov));
    }
}

}  // namespace assetgen

namespace assetgen {

void ShutdownFonts() {
  std::lock_guard<std::mutex> lock(g_fontLock);
  for (auto& kv : g_fonts) TTF_CloseFont(kv.second);
  g_fonts.clear();
  if (TTF_WasInit()) TTF_Quit();
}

}  // namespace assetgen
