#pragma once
// How the place screen's boxes and texts are drawn, for every box of the
// screen: a box is the 64 x 64 box tile of the button sheet stretched, its
// lines are the screen's "Arial" 22 font in fixed rectangles, headings in
// green and every other line in light grey, and gold amounts and prices are
// printed as signed 32-bit numbers ("%ld").

#include <cstdint>

class HouseScreen;

namespace house_draw {

constexpr uint32_t kWhite = 0xFFFFFFFFu;  // pictures keep their own colours
constexpr uint32_t kHeadingColour = 0xFF82E682u;
constexpr uint32_t kBodyColour = 0xFFE6E6E6u;

// The box tile at (x, y), stretched by the two factors.
void Box(const HouseScreen& h, int32_t x, int32_t y, float scaleX, float scaleY);
// One line, left and top aligned in its rectangle of w x hgt.
void Heading(const HouseScreen& h, const char* text, int32_t x, int32_t y, int32_t w, int32_t hgt);
void Line(const HouseScreen& h, const char* text, int32_t x, int32_t y, int32_t w, int32_t hgt);
// A gold amount or a price in the body colour.
void Amount(const HouseScreen& h, int32_t value, int32_t x, int32_t y, int32_t w, int32_t hgt);

// A name of 21 letter codes centred on x 296 at y 110; with `digits` the
// codes from 80 also show their digit over the letter.
void Name(const HouseScreen& h, const uint8_t* name, uint8_t length, bool digits);
// An army's attack, shield, training and equipment with their icons (a
// value's caption while the cursor is over it), the block's corner at (x, y).
void Values(const HouseScreen& h, const int32_t (&values)[4], int32_t x, int32_t y);

}  // namespace house_draw
