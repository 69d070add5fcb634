#pragma once
// What the two exchange screens share: making and loading their sheets,
// loading a member's portrait, the last letter of a name, and drawing a name letter by letter.

#include <cstdint>

#include "game/glyph_name.h"
#include "party/exchange_art.h"

class GraphicsDevice;
class SpriteSheet;

namespace exchange_common {

// A sheet of count images for the device, drawn with the alpha test.
SpriteSheet* NewSheet(GraphicsDevice* device, int32_t count);

// Loads image index of the sheet from the picture p (nothing for a picture
// with no path, or no sheet).
void Load(SpriteSheet* sheet, int32_t index, const exchange_art::Picture& p);

// Loads image `index` of the sheet with the portrait of the member: the
// player by his portrait choice from playerPictures, hero k (member k + 2)
// from the heroes' portraits. Any other member loads nothing.
void LoadMemberPortrait(SpriteSheet* sheet, int32_t index, uint8_t member, uint8_t playerPortrait,
                        const exchange_art::Picture* playerPictures);

// Index of the last non-zero code of a 21-code name; `none` when it has none.
uint8_t LastLetter(const uint8_t* name, uint8_t none);

// Letter j of the name at (x + advance * j, y): codes 0 and 2..27 frame code
// of low, codes 28 and up frame code - 28 of high, and codes 80 and up also
// frame code - 80 of image digitImage of digits when digits is given.
// count is the row's length in cells (a name's 21 by default).
void DrawLetters(SpriteSheet* low, SpriteSheet* high, const uint8_t* name, int32_t x, int32_t y,
                 int32_t advance, float scaleX, float scaleY, SpriteSheet* digits = nullptr,
                 int32_t digitImage = 0, int count = kGlyphNameLength);

}  // namespace exchange_common
