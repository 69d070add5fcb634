#pragma once
// The options screen's pictures: what the screen loads into its sheet and the
// picture generator draws.

#include "menus/picture_file.h"

namespace options_picture {

constexpr int kMusic = 0;            // the "Music" heading
constexpr int kSounds = 1;           // the "Sounds" heading
constexpr int kMovementMain = 2;     // heading of the map speed
constexpr int kMovementBattles = 3;  // heading of the battle movement speed
constexpr int kSwingBattles = 4;     // heading of the battle swing speed
constexpr int kSlow = 5;
constexpr int kAverage = 6;
constexpr int kFast = 7;
constexpr int kCheck = 8;  // the mark beside the current choice
constexpr int kLine = 9;   // a short rule, stretched across the screen
constexpr int kOn = 10;
constexpr int kOff = 11;
constexpr int kBack = 12;
constexpr int kPictureCount = 13;

constexpr PictureFile kPictures[kPictureCount] = {
    {"Art\\Menu\\Music.bmp", 128, 64, 0xFF000000u},
    {"Art\\Menu\\Sounds.bmp", 128, 32, 0xFF000000u},
    {"Art\\Menu\\MovementMain.bmp", 512, 64, 0xFF000000u},
    {"Art\\Menu\\MovementBattles.bmp", 512, 64, 0xFF000000u},
    {"Art\\Menu\\SwingBattles.bmp", 512, 64, 0xFF000000u},
    {"Art\\Menu\\Slow.bmp", 128, 64, 0xFF000000u},
    {"Art\\Menu\\Average.bmp", 128, 64, 0xFF000000u},
    {"Art\\Menu\\Fast.bmp", 128, 64, 0xFF000000u},
    {"Art\\Menu\\WriteCheck.bmp", 32, 32, 0xFF0000FFu},
    {"Art\\Menu\\Line.bmp", 64, 4, 0},
    {"Art\\Menu\\On.bmp", 64, 32, 0xFF000000u},
    {"Art\\Menu\\Off.bmp", 64, 32, 0xFF000000u},
    {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0},
};

// The words the caption pictures show.
constexpr const char* kCaptionTexts[kPictureCount] = {
    "Music",
    "Sounds",
    "Movement on the map",
    "Movement in battles",
    "Swing in battles",
    "Slow",
    "Average",
    "Fast",
    nullptr,
    nullptr,
    "On",
    "Off",
    nullptr,
};

}  // namespace options_picture
