// Letter sheets of the game's letter codes.
#include "letter_cells.h"

#include <algorithm>
#include <string>

#include "game/glyph_name.h"

namespace assetgen {

namespace {

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

// A two-cell capital is widened towards its two cells, so that it closes up
// to the letters beside it as the one-cell letters do: up to this factor,
// leaving an eighth of a cell free on each side.
constexpr float kWideStretch = 1.6f;

// Draws ch into a box w x h with every letter on one baseline: the letter is
// written behind a reference capital, and only the pixels the letter adds
// are kept, centred across the box (and widened when wide).
Canvas LetterCanvas(char ch, int w, int h, uint32_t key, const TextStyle& style, bool wide) {
  TextStyle st = style;
  st.align = Align::Left;
  st.shrinkToFit = false;
  Canvas with(w * 4, h, key), without(w * 4, h, key);
  with.Text(0, 0, w * 4, h, std::string("H") + ch, st);
  without.Text(0, 0, w * 4, h, "H ", st);
  int x0 = with.w, x1 = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < with.w; ++x)
      if (with.Get(x, y) != without.Get(x, y)) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
      }
  Canvas out(w, h, key);
  if (x1 < x0) return out;
  const int gw = x1 - x0 + 1;
  int tw = gw;
  if (wide) tw = std::max(gw, std::min(int(float(gw) * kWideStretch), w - w / 8));
  const int left = (w - tw) / 2;
  for (int y = 0; y < h; ++y)
    for (int dx = 0; dx < tw; ++dx) {
      const int x = x0 + dx * gw / tw;
      if (with.Get(x, y) != without.Get(x, y)) out.Set(left + dx, y, with.Get(x, y));
    }
  return out;
}

}  // namespace

// A letter sheet: frame k shows the cell of letter code k + firstCode, the
// capitals split over two cells; code 1 (the caret) as a bar when caret.
void LetterSheet(Canvas& c, int fw, int fh, int firstCode, int frames, const TextStyle& style,
                 bool caret) {
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
    if (half == 0) {
      f.Blit(LetterCanvas(ch, fw, fh, c.keyed ? 0xFF000000u | c.key : kKeyNone, style, false), 0,
             0);
      return;
    }
    Canvas both =
        LetterCanvas(ch, fw * 2, fh, c.keyed ? 0xFF000000u | c.key : kKeyNone, style, true);
    f.Blit(both.Crop(half == 1 ? 0 : fw, 0, fw, fh), 0, 0);
  });
}

TextStyle LetterStyle(int size, Rgb colour) {
  TextStyle t = GoldCaption(size);
  t.color = colour;
  return t;
}

}  // namespace assetgen
