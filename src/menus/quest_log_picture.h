#pragma once
// The quest log's pictures, image by image of its sheet, as the screen loads
// them and the picture generator draws them.

#include "menus/picture_file.h"

namespace quest_log_picture {

constexpr int kImageCount = 12;

constexpr int kBackground = 0;
constexpr int kBackButton = 1;
constexpr int kCaption = 2;
constexpr int kDigits = 3;
constexpr int kQuestIcon = 4;
constexpr int kPlaceFrame = 5;
constexpr int kPanel = 6;
constexpr int kFire = 7;
constexpr int kPillar = 8;
constexpr int kDone = 9;
constexpr int kPageCaption = 10;
constexpr int kNextButton = 11;

// Frames of the quest icon and of the place frame.
constexpr int kIconOpen = 0;
constexpr int kIconFinished = 1;
constexpr int kFrameHovered = 0;
constexpr int kFrameSelected = 1;

constexpr int kFireFrames = 8;
// The digits picture holds 0..9 and, as frame 10, a "10" for quest 100.
constexpr int kDigitFrames = 11;

constexpr PictureFile kFiles[kImageCount] = {
    {"Art\\Controls\\Back2.bmp", 256, 256, 0},
    {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0},
    {"Art\\Controls\\WriteQuest.bmp", 256, 64, 0xFFFF0000u},
    {"Art\\Controls\\Numbers4.bmp", 64, 64, 0xFFFF0000u},
    {"Art\\Controls\\Back8.bmp", 32, 32, 0},
    {"Art\\Controls\\Back9.bmp", 32, 32, 0},
    {"Art\\Controls\\BackPurple.bmp", 128, 64, 0},
    {"Art\\Controls\\Fire2.bmp", 32, 32, 0xFF000000u},
    {"Art\\Controls\\Pillar.bmp", 64, 128, 0xFF000000u},
    {"Art\\Controls\\Done.bmp", 128, 32, 0xFF000000u},
    {"Art\\Controls\\PageNumber.bmp", 128, 32, 0xFF000000u},
    {"Art\\Controls\\ButtonNext.bmp", 64, 32, 0},
};

}  // namespace quest_log_picture
