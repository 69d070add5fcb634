#pragma once
// Names in the game are stored as letter codes, one byte per cell: the
// player's, the heroes', the armies', the hall-of-fame rows' and the item
// texts. A cell code picks a frame of a letter sheet; which sheet draws which
// range is each screen's business, but the alphabet itself is fixed here:
//
//   0        space (also an empty cell)
//   1        the caret of a name being typed; drawn as nothing elsewhere
//   2..27    small letters a..z (one cell each)
//   28..77   capitals, two cells each (first half even, second half odd):
//            A 28,29  B 30,31 ... H 42,43, then K 46,47 ... Z 76,77
//   44, 45   the narrow capitals I and J (one cell each)
//   78       full stop
//   80..89   digits 0..9 (one cell each)
//
// The typing screens write exactly these cells: a letter key writes 2 + its
// alphabet position, with Shift the capital's cells, full stop 78, the digit
// keys 80..89.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kGlyphNameLength = 21;

// A name: 21 letter codes, empty cells 0.
using GlyphName = uint8_t[kGlyphNameLength];

namespace glyph {

constexpr uint8_t kSpace = 0;
constexpr uint8_t kCaret = 1;
constexpr uint8_t kSmallA = 2;  // a..z = 2..27
constexpr uint8_t kSmallZ = 27;
constexpr uint8_t kCapitalA = 28;  // first cell of the two-cell A
constexpr uint8_t kCapitalI = 44;
constexpr uint8_t kCapitalJ = 45;
constexpr uint8_t kCapitalK = 46;  // first cell of the two-cell K
constexpr uint8_t kCapitalZ = 76;  // first cell of the two-cell Z
constexpr uint8_t kFullStop = 78;
constexpr uint8_t kDigitZero = 80;  // 0..9 = 80..89

// Writes the cells of character c at out[0] (and out[1]); returns the number
// of cells written: 1 for a small letter, space, I, J, full stop, digit or the
// caret ('|'), 2 for every other capital, 0 for a character the alphabet does
// not have. out must have room for two.
int CellsFor(char c, uint8_t* out);

}  // namespace glyph

// Writes text into cells letter by letter, starting at cell 0; every cell
// behind the text is set to 0. A letter that does not fit any more, and
// everything after it, is dropped; characters outside the alphabet are
// skipped. '|' writes the caret. Returns the number of cells used.
int GlyphFromText(std::string_view text, uint8_t* cells, int cellCount = kGlyphNameLength);

// The readable text of a row of cells: the caret shows as '|', a code the
// alphabet does not know (or half a capital) as '?'. Trailing empty cells
// (code 0) are left out.
std::string GlyphToText(const uint8_t* cells, int cellCount = kGlyphNameLength);

// The index of the last cell that is not empty (code 0); none when every cell
// is empty.
int LastFilledCell(const uint8_t* cells, int cellCount = kGlyphNameLength, int none = 0);
