#pragma once
// The pictures of the hall of fame.

#include "menus/picture_file.h"

namespace hall_of_fame_picture {

constexpr PictureFile kBackground = {"Art\\Menu\\HallOfFame3.bmp", 512, 256, 0};
constexpr PictureFile kDigits = {"Art\\Menu\\Numbers.bmp", 32, 32, 0xFFFF0000u};
constexpr PictureFile kBackButton = {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0xFFFF0000u};
// The names: codes 28 and up (frame code - 28), and codes 0 and 2..27
// (frame = code).
constexpr PictureFile kLettersHigh = {"Art\\Menu\\You1.bmp", 32, 64, 0xFFFF0000u};
constexpr PictureFile kLettersLow = {"Art\\Menu\\You2.bmp", 32, 64, 0xFFFF0000u};

// Where the rows stand: the scores' top edge and the names'.
constexpr int32_t kScoreX = 350;
constexpr int32_t kScoreY[5] = {17, 131, 246, 362, 478};
constexpr int32_t kNameY[5] = {50, 165, 279, 399, 520};
constexpr int32_t kNameCentreX = 390;

}  // namespace hall_of_fame_picture
