#pragma once
// Letter sheets of the game's letter codes (src/game/glyph_name.h): frame k
// shows the cell of code k + firstCode; the capitals other than I and J are
// split over two cells; every letter stands on one baseline.

#include "assetgen.h"

namespace assetgen {

// caret: code 1 shows a bar (the name entry's caret) instead of nothing.
void LetterSheet(Canvas& c, int fw, int fh, int firstCode, int frames, const TextStyle& style,
                 bool caret);
// Hard-edged outlined letters of a size and colour.
TextStyle LetterStyle(int size, Rgb colour);

}  // namespace assetgen
