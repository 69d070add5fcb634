#pragma once
// The help screen's pictures: what the screen loads into its sheet and the
// picture generator draws. Images 10 and 15..19 of the sheet stay empty.

#include "menus/picture_file.h"

namespace help_picture {

constexpr int kSheetImages = 20;
constexpr int kBackgroundFirst = 0;  // six frames of the opening animation, 0..5
constexpr int kBackgroundCount = 6;
constexpr int kTitle = 6;
constexpr int kArrowLeft = 7;
constexpr int kArrowRight = 8;
constexpr int kBack = 9;
constexpr int kGold = 11;
constexpr int kInfo1 = 12;
constexpr int kInfo2 = 13;
constexpr int kItem = 14;

struct SheetPicture {
  int image;
  PictureFile file;
};

constexpr int kPictureCount = 14;
constexpr SheetPicture kPictures[kPictureCount] = {
    {0, {"Art\\Menu\\Back9.bmp", 256, 256, 0}},
    {1, {"Art\\Menu\\Back10.bmp", 256, 256, 0}},
    {2, {"Art\\Menu\\Back11.bmp", 256, 256, 0}},
    {3, {"Art\\Menu\\Back12.bmp", 256, 256, 0}},
    {4, {"Art\\Menu\\Back13.bmp", 256, 256, 0}},
    {5, {"Art\\Menu\\Back14.bmp", 256, 256, 0}},
    {kTitle, {"Art\\Menu\\WriteInformation.bmp", 256, 64, 0xFF000000u}},
    {kArrowLeft, {"Art\\Menu\\Arrow5.bmp", 32, 64, 0xFFFF0000u}},
    {kArrowRight, {"Art\\Menu\\Arrow6.bmp", 32, 64, 0xFFFF0000u}},
    {kBack, {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0xFFFF0000u}},
    {kGold, {"Art\\Map\\Gold.bmp", 64, 64, 0xFF000000u}},
    {kInfo1, {"Art\\Menu\\Info1.bmp", 512, 64, 0xFF0000FFu}},
    {kInfo2, {"Art\\Menu\\Info2.bmp", 128, 128, 0xFF0000FFu}},
    {kItem, {"Art\\Items\\Item86.bmp", 64, 64, 0xFFFF0000u}},
};

// The title's words.
constexpr const char* kTitleText = "Information";

}  // namespace help_picture
