#include "game/glyph_name.h"

namespace glyph {

int CellsFor(char c, uint8_t* out) {
  if (c == ' ') {
    out[0] = kSpace;
    return 1;
  }
  if (c == '|') {
    out[0] = kCaret;
    return 1;
  }
  if (c == '.') {
    out[0] = kFullStop;
    return 1;
  }
  if (c >= '0' && c <= '9') {
    out[0] = static_cast<uint8_t>(kDigitZero + (c - '0'));
    return 1;
  }
  if (c >= 'a' && c <= 'z') {
    out[0] = static_cast<uint8_t>(kSmallA + (c - 'a'));
    return 1;
  }
  if (c == 'I') {
    out[0] = kCapitalI;
    return 1;
  }
  if (c == 'J') {
    out[0] = kCapitalJ;
    return 1;
  }
  if (c >= 'A' && c <= 'H') {
    int first = kCapitalA + 2 * (c - 'A');
    out[0] = static_cast<uint8_t>(first);
    out[1] = static_cast<uint8_t>(first + 1);
    return 2;
  }
  if (c >= 'K' && c <= 'Z') {
    int first = kCapitalK + 2 * (c - 'K');
    out[0] = static_cast<uint8_t>(first);
    out[1] = static_cast<uint8_t>(first + 1);
    return 2;
  }
  return 0;
}

}  // namespace glyph

int GlyphFromText(std::string_view text, uint8_t* cells, int cellCount) {
  int used = 0;
  for (char c : text) {
    uint8_t letter[2];
    const int need = glyph::CellsFor(c, letter);
    if (need == 0) continue;
    if (used + need > cellCount) break;
    for (int i = 0; i < need; ++i) cells[used++] = letter[i];
  }
  for (int i = used; i < cellCount; ++i) cells[i] = 0;
  return used;
}

namespace {

// The character a cell starts, and how many cells it takes; 0 cells for a
// code that starts no letter.
int DecodeCell(const uint8_t* cells, int i, int cellCount, char* out) {
  uint8_t code = cells[i];
  if (code == glyph::kSpace) {
    *out = ' ';
    return 1;
  }
  if (code == glyph::kCaret) {
    *out = '|';
    return 1;
  }
  if (code <= glyph::kSmallZ) {
    *out = static_cast<char>('a' + (code - glyph::kSmallA));
    return 1;
  }
  if (code == glyph::kCapitalI) {
    *out = 'I';
    return 1;
  }
  if (code == glyph::kCapitalJ) {
    *out = 'J';
    return 1;
  }
  if (code == glyph::kFullStop) {
    *out = '.';
    return 1;
  }
  if (code >= glyph::kDigitZero && code <= glyph::kDigitZero + 9) {
    *out = static_cast<char>('0' + (code - glyph::kDigitZero));
    return 1;
  }
  bool firstHalf = code >= glyph::kCapitalA && code <= glyph::kCapitalZ && (code % 2) == 0;
  if (firstHalf && i + 1 < cellCount && cells[i + 1] == code + 1) {
    *out = code < glyph::kCapitalI ? static_cast<char>('A' + (code - glyph::kCapitalA) / 2)
                                   : static_cast<char>('K' + (code - glyph::kCapitalK) / 2);
    return 2;
  }
  return 0;
}

}  // namespace

std::string GlyphToText(const uint8_t* cells, int cellCount) {
  int last = cellCount - 1;
  while (last >= 0 && cells[last] == 0) --last;
  std::string text;
  for (int i = 0; i <= last;) {
    char c = '?';
    int taken = DecodeCell(cells, i, cellCount, &c);
    text += c;
    i += taken > 0 ? taken : 1;
  }
  return text;
}

int LastFilledCell(const uint8_t* cells, int cellCount, int none) {
  for (int j = cellCount - 1; j >= 0; --j)
    if (cells[j] != 0) return j;
  return none;
}
