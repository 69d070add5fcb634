// Letter and digit cells drawn for the pitch at which the game sets them.
#include "letter_cells.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "game/glyph_name.h"

namespace assetgen {

namespace {

// Glyphs are set this many times finer than the frame, then reduced: a frame
// pixel is ink where enough of the fine pixels it covers are.
constexpr int kFine = 4;
constexpr int kInkShare = 40;  // percent of a frame pixel's fine pixels

// Ink of one-cell letters and digits (outline included) as a share of the pitch.
constexpr float kCellInk = 0.88f;
// Letters fill a little more of their cells than digits.
constexpr float kLetterInk = 0.94f;
// A round small letter's share of a cell's ink; a narrow letter is widened to
// at least kNarrowest of it, so that the fixed cells leave no holes beside an
// i or an l.
constexpr float kRoundShare = 0.92f;
constexpr float kNarrowest = 0.9f;
// A two-cell capital spans this many pitches, outline included.
constexpr float kCapitalSpan = 1.85f;
// Digits stand this much taller than wide, as far as the frame allows.
constexpr float kDigitAspect = 1.3f;

// A glyph's ink at the fine resolution.
struct Ink {
  int w = 0, h = 0;
  int top = 0;  // fine rows from the cap line down to the ink's top
  std::vector<uint8_t> on;
  bool At(int x, int y) const { return on[size_t(y) * w + x] != 0; }
};

// ch as the face sets it behind a capital H (so every glyph keeps the
// baseline), at size fine pixels.
Ink FineGlyph(char ch, int size, bool mono) {
  TextStyle st;
  st.size = size;
  st.bold = true;
  st.mono = mono;
  st.antialias = false;
  st.color = pal::ParchmentLight;
  st.align = Align::Left;
  st.margin = 0;
  st.shrinkToFit = false;
  const int w = size * 4, h = size * 3;
  Canvas with(w, h, kKeyBlack), without(w, h, kKeyBlack);
  with.Text(0, 0, w, h, std::string("H") + ch, st);
  without.Text(0, 0, w, h, "H ", st);
  int x0 = w, x1 = -1, y0 = h, y1 = -1, capLine = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!without.IsKey(x, y)) capLine = std::min(capLine, y);
      if (with.Get(x, y) == without.Get(x, y)) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  Ink ink;
  if (x1 < x0) return ink;
  ink.w = x1 - x0 + 1;
  ink.h = y1 - y0 + 1;
  ink.top = y0 - capLine;
  ink.on.resize(size_t(ink.w) * ink.h);
  for (int y = 0; y < ink.h; ++y)
    for (int x = 0; x < ink.w; ++x)
      ink.on[size_t(y) * ink.w + x] = with.Get(x0 + x, y0 + y) != without.Get(x0 + x, y0 + y);
  return ink;
}

int Frame(int fine) { return (fine + kFine / 2) / kFine; }

// Puts the ink scaled to tw x th frame pixels with its top left at (x, y).
void PutInk(Canvas& f, const Ink& ink, int x, int y, int tw, int th, Rgb colour) {
  if (ink.w == 0 || tw <= 0 || th <= 0) return;
  for (int dy = 0; dy < th; ++dy) {
    const int sy0 = dy * ink.h / th, sy1 = std::max(sy0 + 1, (dy + 1) * ink.h / th);
    for (int dx = 0; dx < tw; ++dx) {
      const int sx0 = dx * ink.w / tw, sx1 = std::max(sx0 + 1, (dx + 1) * ink.w / tw);
      int n = 0;
      for (int sy = sy0; sy < sy1; ++sy)
        for (int sx = sx0; sx < sx1; ++sx) n += ink.At(sx, sy);
      if (n * 100 >= kInkShare * (sy1 - sy0) * (sx1 - sx0)) f.Set(x + dx, y + dy, colour);
    }
  }
}

// The character and the half (0 whole, 1 left, 2 right) a letter code shows.
bool LetterOfCode(int code, char* ch, int* half) {
  using namespace glyph;
  *half = 0;
  if (code >= kSmallA && code <= kSmallZ) {
    *ch = char('a' + code - kSmallA);
  } else if (code == kCapitalI || code == kCapitalJ) {
    *ch = code == kCapitalI ? 'I' : 'J';
  } else if (code >= kCapitalA && code < kCapitalI) {
    *ch = char('A' + (code - kCapitalA) / 2);
    *half = 1 + (code - kCapitalA) % 2;
  } else if (code >= kCapitalK && code <= kCapitalZ + 1) {
    *ch = char('K' + (code - kCapitalK) / 2);
    *half = 1 + (code - kCapitalK) % 2;
  } else if (code == kFullStop) {
    *ch = '.';
  } else if (code >= kDigitZero && code <= kDigitZero + 9) {
    *ch = char('0' + code - kDigitZero);
  } else {
    return false;
  }
  return true;
}

// The lettering of one sheet: the monospaced face for the one-cell glyphs,
// sized so that a round small letter (n, o) fills its share of the pitch and
// the lines fit the frame (wider letters are narrowed to the cell, narrower
// ones widened); the capitals from the proportional face at the same cap
// height.
struct Lettering {
  int size = 0, capitalSize = 0;  // fine pixels
  int cellInk = 0;                // widest ink of a one-cell letter, frame pixels, no outline
  int capLine = 0;                // frame row of the cap line
};

Lettering LetteringFor(float pitch, int fh) {
  // Glyphs grow in proportion to the size: measured once, then checked.
  constexpr int kProbe = 100 * kFine;
  auto measure = [](int size, int* round, int* lines) {
    const int capH = FineGlyph('H', size, true).h;
    int below = 0;
    *round = std::max(FineGlyph('n', size, true).w, FineGlyph('o', size, true).w);
    for (char ch : std::string("gjpqy")) {
      const Ink g = FineGlyph(ch, size, true);
      below = std::max(below, g.top + g.h - capH);
    }
    *lines = capH + below;
    return capH;
  };
  Lettering l;
  l.cellInk = int(std::lround(pitch * kLetterInk)) - 2;
  const int roundInk = int(std::lround(l.cellInk * kRoundShare));
  int round = 0, lines = 0;
  measure(kProbe, &round, &lines);
  int size = std::min(roundInk * kFine * kProbe / round, (fh - 4) * kFine * kProbe / lines);
  for (;; size -= kFine / 2) {
    const int capH = measure(size, &round, &lines);
    if (size > kFine * 4 && (Frame(round) > roundInk || Frame(lines) > fh - 4)) continue;
    l.size = size;
    l.capLine = (fh - Frame(lines)) / 2;
    const int sansCapH = FineGlyph('H', size, false).h;
    l.capitalSize = std::max(kFine, size * capH / std::max(sansCapH, 1));
    return l;
  }
}

// A cell is drawn on its own keyed canvas (a key no lettering uses), outlined
// whole, then its pixels put into the frame.
constexpr uint32_t kCellKey = 0xFFFF00FFu;

Canvas CellCanvas(int w, int fh) { return Canvas(w, fh, kCellKey); }

// Outlines the cell when the style does and puts its pixels from column x on
// into the frame.
void PutCell(Canvas& f, Canvas& cell, int x, const TextStyle& style) {
  if (style.outline) cell.OutlineShapes(style.outlineColor);
  for (int y = 0; y < f.h; ++y)
    for (int dx = 0; dx < f.w; ++dx)
      if (cell.In(x + dx, y) && !cell.IsKey(x + dx, y)) f.Set(dx, y, cell.Get(x + dx, y));
}

}  // namespace

void LetterSheet(Canvas& c, int fw, int fh, float pitch, int firstCode, int frames,
                 const TextStyle& style, bool caret) {
  const Lettering l = LetteringFor(pitch, fh);
  const int step = int(std::lround(pitch));
  ForEachFrame(c, fw, fh, frames, [&](Canvas& f, int k) {
    const int code = k + firstCode;
    if (code == glyph::kCaret) {
      if (caret) {
        f.Rect(fw / 2 - 1, fh / 6, 3, fh * 2 / 3, style.color);
        f.OutlineShapes(pal::Ink);
      }
      return;
    }
    char ch;
    int half;
    if (!LetterOfCode(code, &ch, &half)) return;
    Canvas cell = CellCanvas(half == 0 ? fw : fw + step, fh);
    if (half == 0) {
      const Ink ink = FineGlyph(ch, l.size, true);
      int tw = Frame(ink.w);
      if (std::isalpha(static_cast<unsigned char>(ch)) != 0)
        tw = std::clamp(tw, int(std::lround(l.cellInk * kNarrowest)), l.cellInk);
      // The full stop follows the letter before it, as in print.
      const int x =
          ch == '.' ? std::max(2, int(std::lround((fw - pitch) / 2 + pitch / 8))) : (fw - tw) / 2;
      PutInk(cell, ink, x, l.capLine + Frame(ink.top), tw, Frame(ink.h), style.color);
    } else {
      const Ink ink = FineGlyph(ch, l.capitalSize, false);
      const int tw = int(std::lround(pitch * kCapitalSpan)) - 2;
      PutInk(cell, ink, (fw + step - tw) / 2, l.capLine + Frame(ink.top), tw, Frame(ink.h),
             style.color);
    }
    PutCell(f, cell, half == 2 ? step : 0, style);
  });
}

TextStyle LetterStyle(Rgb colour) {
  TextStyle t = GoldCaption(16);
  t.color = colour;
  return t;
}

void DigitCells(Canvas& c, int fw, int fh, float pitch, const TextStyle& style) {
  const int outline = style.outline ? 2 : 0;
  const int tw = std::min(fw - 2, int(std::lround(pitch * kCellInk))) - outline;
  const int th = std::min(fh - 2 - outline, int(std::lround(tw * kDigitAspect)));
  ForEachFrame(c, fw, fh, 10, [&](Canvas& f, int d) {
    const Ink ink = FineGlyph(char('0' + d), th * kFine * 3 / 2, true);
    Canvas cell = CellCanvas(fw, fh);
    PutInk(cell, ink, (fw - tw) / 2, (fh - th) / 2, tw, th, style.color);
    PutCell(f, cell, 0, style);
  });
}

}  // namespace assetgen
