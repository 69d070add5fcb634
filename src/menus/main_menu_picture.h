#pragma once
// The main menu's pictures: what the menu loads into its sheet and the
// picture generator draws, and which frame of the caption sheets says what.

#include "menus/picture_file.h"

namespace main_menu_picture {

// Images of the menu's sheet (room for nine; these four are loaded).
constexpr int kSheetImages = 9;
constexpr int kCastle = 0;       // the castle, 512 x 512 drawn over the whole screen
constexpr int kButtonStrip = 1;  // the strip of six buttons along the bottom edge
constexpr int kCaptions = 2;     // captions of a button at rest or pressed
constexpr int kCaptionsLit = 3;  // captions of the button under the cursor
constexpr int kPictureCount = 4;

constexpr PictureFile kPictures[kPictureCount] = {
    {"Art\\CastleDone.bmp", 512, 512, 0},
    {"Art\\Menu2\\Buttons.bmp", 512, 64, 0},
    {"Art\\Menu2\\Words2.bmp", 128, 32, 0xFFFF0000u},
    {"Art\\Menu2\\Words3.bmp", 128, 32, 0xFFFF0000u},
};

// Frames of the two caption sheets.
constexpr int kWordNew = 0;
constexpr int kWordLoad = 1;
constexpr int kWordFame = 2;
constexpr int kWordCredits = 3;
constexpr int kWordHelp = 4;
constexpr int kWordQuit = 5;
constexpr int kWordHallOf = 6;
constexpr int kWordGame = 7;
constexpr int kWordCount = 8;

constexpr const char* kWordTexts[kWordCount] = {"New",  "Load", "Fame",    "Credits",
                                                "Help", "Quit", "Hall of", "Game"};

// The strip is drawn at (0, 536), stretched 1.5625 times across.
constexpr int32_t kStripY = 536;
constexpr float kStripScaleX = 1.5625f;

}  // namespace main_menu_picture
