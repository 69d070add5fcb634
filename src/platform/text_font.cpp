#include "platform/text_font.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/graphics_device.h"
#include "platform/regular_file.h"
#include "platform/text_log.h"

#ifndef QORV_FONT_DIR
#define QORV_FONT_DIR "/usr/share/fonts/truetype/liberation2"
#endif

// A loaded face with the lines it has drawn so far, kept as coverage masks.
class FontFace {
 public:
  struct Mask {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> alpha;
    // Each row's inked part: the columns from the first to past the last
    // with any alpha.
    std::vector<int32_t> inkFrom, inkTo;
  };

  // Looked up by a view of the text, so a line drawn before costs no copy.
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  TTF_Font* ttf = nullptr;
  GraphicsDevice* device = nullptr;
  int32_t lineHeight = 0;
  uint64_t id = 0;  // never the same for two fonts created in one run
  // The device whose frame has a text of this face still to draw.
  GraphicsDevice* pendingIn = nullptr;
  std::unordered_map<std::string, Mask, KeyHash, std::equal_to<>> cache;
  // The widths of lines measured before: screens measure their panels'
  // lines on every frame.
  std::unordered_map<std::string, int32_t, KeyHash, std::equal_to<>> widths;

  const Mask& Line(std::string_view text);
  int32_t Width(std::string_view text);
};

namespace {

// The longest font file opened.
constexpr uint64_t kFontMaxBytes = 64u << 20;

constexpr size_t kCacheLimit = 512;

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Liberation's faces stand in for the Windows faces of the same metrics.
std::string FontFile(const char* face, bool bold, bool italic) {
  std::string family = "Sans";
  if (strncasecmp(face, "Times", 5) == 0) family = "Serif";
  if (strncasecmp(face, "Courier", 7) == 0) family = "Mono";
  std::string style = "Regular";
  if (bold && italic) style = "BoldItalic";
  else if (bold) style = "Bold";
  else if (italic) style = "Italic";

  const std::string configured = QORV_FONT_DIR;
  std::vector<std::string> dirs;
  if (configured.size() > 4 && configured.compare(configured.size() - 4, 4, ".ttf") == 0) {
    // A single file was configured: its folder holds the other styles.
    const size_t slash = configured.rfind('/');
    if (slash != std::string::npos) dirs.push_back(configured.substr(0, slash));
  } else {
    dirs.push_back(configured);
  }
  dirs.push_back("/usr/share/fonts/truetype/liberation2");
  dirs.push_back("/usr/share/fonts/truetype/liberation");
  dirs.push_back("/usr/share/fonts/liberation-sans");
  dirs.push_back("/usr/share/fonts/liberation");
  dirs.push_back("/usr/share/fonts/TTF");
  for (const std::string& d : dirs) {
    for (const std::string& s : {style, std::string("Regular")}) {
      const std::string path = d + "/Liberation" + family + "-" + s + ".ttf";
      if (Exists(path)) return path;
    }
  }
  return std::string();
}

// x / 255 for x below 65535 (a blend's sums stay below 65153).
uint32_t Div255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

void BlendMask(FrameTarget* t, const FontFace::Mask& mask, int32_t left, int32_t top,
               int32_t clipX0, int32_t clipY0, int32_t clipX1, int32_t clipY1, uint32_t colour) {
  const int32_t x0 = std::max(left, clipX0);
  const int32_t y0 = std::max(top, clipY0);
  const int32_t x1 =
      static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(left) + mask.width, clipX1));
  const int32_t y1 =
      static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(top) + mask.height, clipY1));
  if (x0 >= x1 || y0 >= y1) return;
  ReadyFrameRect(t, x0, y0, x1, y1);
  const uint32_t ca = colour >> 24;
  const uint32_t cr = (colour >> 16) & 255, cg = (colour >> 8) & 255, cb = colour & 255;
  // A fully inked pixel in an opaque colour is the colour itself.
  const uint32_t solid = ca == 255 ? 0xFF000000u | (cr << 16) | (cg << 8) | cb : 0;
  const uint32_t crb = (cr << 16) | cb;
  for (int32_t py = y0; py < y1; ++py) {
    const uint8_t* src = mask.alpha.data() + static_cast<size_t>(py - top) * mask.width;
    uint32_t* dst = t->pixels + static_cast<size_t>(py) * t->width;
    const int32_t from = std::max(x0, left + mask.inkFrom[py - top]);
    const int32_t to = std::min(x1, left + mask.inkTo[py - top]);
    for (int32_t px = from; px < to; ++px) {
      const uint32_t m = src[px - left];
      if (m == 0) continue;
      if (m == 255 && solid) {
        dst[px] = solid;
        continue;
      }
      const uint32_t a = Div255(m * ca + 127);
      if (a == 0) continue;
      const uint32_t d = dst[px];
      const uint32_t ia = 255 - a;
      // Red and blue side by side, each in its own 16 bits.
      const uint32_t rb = (d & 0x00FF00FFu) * ia + crb * a + 0x007F007Fu;
      const uint32_t g = Div255(cg * a + ((d >> 8) & 255) * ia + 127);
      dst[px] = 0xFF000000u |
                (((rb + 0x00010001u + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu) | (g << 8);
    }
  }
}

}  // namespace

const FontFace::Mask& FontFace::Line(std::string_view text) {
  auto it = cache.find(text);
  if (it != cache.end()) return it->second;
  if (cache.size() >= kCacheLimit) cache.clear();
  std::string line(text);
  Mask mask;
  const SDL_Color white = {255, 255, 255, 255};
  if (SDL_Surface* s = TTF_RenderText_Blended(ttf, line.c_str(), white)) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (argb) {
      SDL_LockSurface(argb);
      mask.width = argb->w;
      mask.height = argb->h;
      mask.alpha.resize(static_cast<size_t>(argb->w) * argb->h);
      for (int y = 0; y < argb->h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch);
        for (int x = 0; x < argb->w; ++x)
          mask.alpha[static_cast<size_t>(y) * argb->w + x] = static_cast<uint8_t>(row[x] >> 24);
      }
      mask.inkFrom.assign(static_cast<size_t>(argb->h), 0);
      mask.inkTo.assign(static_cast<size_t>(argb->h), 0);
      for (int y = 0; y < argb->h; ++y) {
        const uint8_t* a = mask.alpha.data() + static_cast<size_t>(y) * argb->w;
        int from = 0, to = argb->w;
        while (from < to && a[from] == 0) ++from;
        while (to > from && a[to - 1] == 0) --to;
        mask.inkFrom[y] = from;
        mask.inkTo[y] = to;
      }
      SDL_UnlockSurface(argb);
      SDL_FreeSurface(argb);
    }
  }
  return cache.emplace(std::move(line), std::move(mask)).first->second;
}

int32_t FontFace::Width(std::string_view text) {
  auto it = widths.find(text);
  if (it != widths.end()) return it->second;
  if (widths.size() >= kCacheLimit) widths.clear();
  std::string line(text);
  int w = 0, h = 0;
  if (TTF_SizeText(ttf, line.c_str(), &w, &h) != 0) w = 0;
  return widths.emplace(std::move(line), w).first->second;
}

TextFont::TextFont() : font(nullptr) {}

TextFont::~TextFont() { Release(); }

uint32_t TextFont::Create(GraphicsDevice* device, const char* face, uint32_t height, int32_t bold,
                          uint8_t italic, uint8_t underline, uint8_t strikeOut) {
  if (!device || !device->GetDevice() || !face) return 0;
  // A second Create replaces the first font rather than losing it.
  Release();
  const std::string file = FontFile(face, bold == 1, italic != 0);
  if (file.empty() || height == 0 || height > 1000) return 0;
  if (TTF_Init() != 0) return 0;
  // The height is the character (em) height; a point size at 72 dpi is
  // that many pixels to the em.
  // Opened without waiting on it: only a plain file reaches the font reader.
  SDL_RWops* stream = OpenRegularFileStream(file, kFontMaxBytes);
  TTF_Font* ttf = stream ? TTF_OpenFontRW(stream, 1, static_cast<int>(height)) : nullptr;
  if (!ttf) {
    TTF_Quit();
    return 0;
  }
  int style = TTF_STYLE_NORMAL;
  if (bold == 1 && file.find("Bold") == std::string::npos) style |= TTF_STYLE_BOLD;
  if (italic && file.find("Italic") == std::string::npos) style |= TTF_STYLE_ITALIC;
  if (underline) style |= TTF_STYLE_UNDERLINE;
  if (strikeOut) style |= TTF_STYLE_STRIKETHROUGH;
  TTF_SetFontStyle(ttf, style);
  TTF_SetFontHinting(ttf, TTF_HINTING_NORMAL);
  static std::atomic<uint64_t> lastId{0};
  FontFace* f = new FontFace;
  f->id = ++lastId;
  f->ttf = ttf;
  f->device = device;
  f->lineHeight = TTF_FontHeight(ttf);
  font = f;
  return 1;
}

uint32_t TextFont::Begin() { return font ? 1 : 0; }

uint32_t TextFont::End() { return font ? 1 : 0; }

uint32_t TextFont::DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                            uint32_t colour, uint32_t format) {
  (void)format;  // left, top, no word breaks, clipped: the only format the game uses
  if (!font) return 0;
  if (font->device && font->device->textLog && text)
    font->device->textLog->Record(text, x, y, colour);
  FrameTarget* t = font->device ? font->device->GetDevice() : nullptr;
  if (!t || !t->pixels || !text) return 1;
  // Kept with the frame's draws and carried out at the present.
  font->device->RecordText(font, font->id, text, x, y, width, height, colour);
  return 1;
}

GraphicsDevice*& FacePendingIn(FontFace* face) { return face->pendingIn; }

void DrawFaceText(FontFace* font, FrameTarget* t, const char* text, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint32_t colour) {
  if (!t || !t->pixels || !text) return;
  const int64_t w = width == 0 ? 65535 : width;
  const int64_t h = height == 0 ? 65536 : height;
  const int32_t clipX0 = std::max<int32_t>(x, 0);
  const int32_t clipY0 = std::max<int32_t>(y, 0);
  const int32_t clipX1 =
      static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(x) + w, 0, t->width));
  const int32_t clipY1 =
      static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(y) + h, 0, t->height));
  if (clipX0 >= clipX1 || clipY0 >= clipY1) return;

  int64_t lineTop = y;
  const char* p = text;
  while (true) {
    const char* end = p;
    while (*end && *end != '\n' && *end != '\r') ++end;
    if (lineTop >= clipY1) break;
    if (end > p && lineTop + font->lineHeight > clipY0) {
      const FontFace::Mask& mask = font->Line(std::string_view(p, static_cast<size_t>(end - p)));
      if (!mask.alpha.empty()) {
        BlendMask(t, mask, x, static_cast<int32_t>(lineTop), clipX0, clipY0, clipX1, clipY1,
                  colour);
      }
    }
    if (!*end) break;
    // "\r\n" is one line break.
    p = (end[0] == '\r' && end[1] == '\n') ? end + 2 : end + 1;
    lineTop += font->lineHeight;
  }
}

uint32_t TextFont::Release() {
  if (font) {
    if (font->pendingIn) font->pendingIn->CarryOut();
    TTF_CloseFont(font->ttf);
    delete font;
    font = nullptr;
    TTF_Quit();
  }
  return 1;
}

int32_t TextFont::LineHeight() const { return font ? font->lineHeight : 0; }

int32_t TextFont::TextWidth(const char* text) const {
  if (!font || !text) return 0;
  const char* end = text;
  while (*end && *end != '\n' && *end != '\r') ++end;
  if (end == text) return 0;
  return font->Width(std::string_view(text, static_cast<size_t>(end - text)));
}

void DeleteFont(TextFont*& font) {
  if (!font) return;
  font->End();
  font->Release();
  delete font;
  font = nullptr;
}
