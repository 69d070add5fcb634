#pragma once
// Letter and digit cells: the game writes names and numbers cell by cell, one
// frame at a time, each cell a fixed distance (the pitch) to the right of the
// one before. The cells are drawn for that pitch, so that the frames drawn
// side by side read as words and numbers:
// - letters (src/game/glyph_name.h): frame k shows the cell of code
//   k + firstCode; small letters, I, J, the full stop and the digits take one
//   cell, every other capital is one letter across two cells (left half, right
//   half) that joins up when its cells stand side by side; every letter stands
//   on one baseline;
// - digits: frame d shows the digit d, every digit's ink equally wide and
//   centred in its frame, so that a number's digits stand as close as print.
// The pitch is given in frame pixels: the screen distance between two cells
// divided by the horizontal scale they are drawn at. A sheet drawn at two
// pitches is drawn for the tighter.

#include "assetgen.h"

namespace assetgen {

// caret: code 1 shows a bar (the name entry's caret) instead of nothing. The
// style gives the colour and outline; the size follows from the pitch.
void LetterSheet(Canvas& c, int fw, int fh, float pitch, int firstCode, int frames,
                 const TextStyle& style, bool caret);
// Hard-edged outlined letters of a colour.
TextStyle LetterStyle(Rgb colour);

// Frames 0..9 of fw x fh: the digits, for numbers drawn pitch frame pixels apart.
void DigitCells(Canvas& c, int fw, int fh, float pitch, const TextStyle& style);

}  // namespace assetgen
