#pragma once
// The pictures of the new game's name entry.

#include "menus/picture_file.h"

namespace name_entry_picture {

// The name box: its face and its four edges (textures, no key).
constexpr PictureFile kBoxes[4] = {
    {"Art\\Name\\Box2.bmp", 32, 32, 0},  // the face, stretched over the box
    {"Art\\Name\\Box3.bmp", 16, 8, 0},   // top and bottom edge
    {"Art\\Name\\Box4.bmp", 8, 8, 0},    // left edge
    {"Art\\Name\\Box5.bmp", 8, 8, 0},    // right edge
};

// The ornaments that slide and grow in around the box (textures, black key):
// 1 the rails above and below the box, 2 the rails' end pieces, 3 the
// ornament at the left edge, 4 its arm reaching to Clear, 5 the pedestal
// under Ready, 6 the crest over it.
constexpr int kHandCount = 6;
constexpr PictureFile kHands[kHandCount] = {
    {"Art\\Name\\Hand1.bmp", 160, 16, 0xFF000000u}, {"Art\\Name\\Hand2.bmp", 16, 64, 0xFF000000u},
    {"Art\\Name\\Hand3.bmp", 64, 64, 0xFF000000u},  {"Art\\Name\\Hand4.bmp", 64, 16, 0xFF000000u},
    {"Art\\Name\\Hand5.bmp", 32, 64, 0xFF000000u},  {"Art\\Name\\Hand6.bmp", 96, 16, 0xFF000000u},
};

// The four lightning bolts, one frame each.
constexpr PictureFile kShock = {"Art\\Name\\Shock.bmp", 64, 256, 0xFFFF0000u};
constexpr int kShockFrames = 4;
constexpr PictureFile kBackButton = {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0xFFFF0000u};
constexpr PictureFile kTitle = {"Art\\Name\\WriteEnterName.bmp", 256, 32, 0xFFFFFFFFu};
// Frame = letter code: 0 blank, 1 the caret, 2..27 small letters, the
// capitals' cells, 78 the full stop, 80..89 the digits.
constexpr PictureFile kLetters = {"Art\\Name\\Name.bmp", 16, 32, 0xFF000000u};
constexpr int kLetterFrames = 90;
constexpr PictureFile kReady = {"Art\\Name\\ButtonReady.bmp", 128, 32, 0xFFFFFFFFu};
constexpr PictureFile kClear = {"Art\\Name\\ButtonClear.bmp", 64, 32, 0xFFFFFFFFu};

}  // namespace name_entry_picture
