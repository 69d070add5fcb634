// The player's name in large letters, as the portrait choice and the save
// slots show it: "Art\\You\\You4.bmp" the small letters and the space,
// "Art\\You\\You5.bmp" the capitals, the full stop and the digits.
#include "assetgen.h"
#include "letter_cells.h"
#include "menus/new_game_picture.h"

using namespace assetgen;

ASSETGEN_TABLE(PlayerNameLetters) {
  namespace p = new_game_picture;
  r.Picture(p::kUpperLetters.path, 256, 512, p::kUpperLetters.frameWidth,
            p::kUpperLetters.frameHeight, p::kUpperLetters.colourKey, [](Canvas& c) {
              LetterSheet(c, 32, 64, 28, 62, LetterStyle(48, pal::GoldLight), false);
            });
  r.Picture(p::kLowerLetters.path, 256, 256, p::kLowerLetters.frameWidth,
            p::kLowerLetters.frameHeight, p::kLowerLetters.colourKey, [](Canvas& c) {
              LetterSheet(c, 32, 64, 0, 28, LetterStyle(48, pal::GoldLight), false);
            });
}
