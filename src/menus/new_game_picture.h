#pragma once
// The pictures of the new game's portrait choice.

#include "menus/picture_file.h"
#include "menus/save_slots_picture.h"

namespace new_game_picture {

// The words of the title and of Ready.
constexpr PictureFile kWords[4] = {
    {"Art\\Menu\\WriteChoose.bmp", 128, 32, 0xFFFF0000u},
    {"Art\\Menu\\WriteYour.bmp", 64, 32, 0xFFFF0000u},
    {"Art\\Menu\\WritePortrait.bmp", 128, 32, 0xFFFF0000u},
    {"Art\\Menu\\WriteReady.bmp", 64, 32, 0xFFFF0000u},
};
constexpr int kWordChoose = 0;
constexpr int kWordYour = 1;
constexpr int kWordPortrait = 2;
constexpr int kWordReady = 3;

constexpr PictureFile kReadyButton = {"Art\\Menu\\Button7.bmp", 64, 64, 0xFF000000u};

// The picture sheet: the portrait frame, the two portraits, the animated
// corner ornaments (8 frames) and the tumbling asteroid (16 frames).
constexpr PictureFile kPictures[4] = {
    {"Art\\Menu\\Frame.bmp", 128, 128, 0xFFFF0000u},
    {"Art\\Menu\\Portraits.bmp", 128, 128, 0},
    {"Art\\Menu\\PortraitBack.bmp", 128, 128, 0xFFFF0000u},
    {"Art\\Menu\\Asteroid.bmp", 128, 128, 0xFFFF0000u},
};
constexpr int kPictureFrame = 0;
constexpr int kPicturePortraits = 1;
constexpr int kPictureCorners = 2;
constexpr int kPictureAsteroid = 3;
constexpr int kCornerFrames = 8;
constexpr int kAsteroidFrames = 16;
constexpr int kPortraitCount = 2;

constexpr PictureFile kBackButton = {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0xFFFFFFFFu};
constexpr PictureFile kLeftArrow = {"Art\\Menu\\Arrow3.bmp", 64, 32, 0xFF0000FFu};
constexpr PictureFile kRightArrow = {"Art\\Menu\\Arrow4.bmp", 64, 32, 0xFF0000FFu};
// The player's name in large letters, the same sheets as the save slots':
// codes 28 and up (frame code - 28), and codes 0 and 2..27 (frame = code).
constexpr PictureFile kUpperLetters = save_slots_picture::kLettersHigh;
constexpr PictureFile kLowerLetters = save_slots_picture::kLettersLow;

}  // namespace new_game_picture
