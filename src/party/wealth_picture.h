#pragma once
// The pictures of the wealth screen: its frame sheet (captions, digits, Back,
// the background and the plate behind a village, town or mine) and the item
// pictures of the four kinds, one picture per item.

#include <cstdint>

#include "menus/picture_file.h"

namespace wealth_picture {

// The frame sheet: 20 images, images 1 and 12..19 unused.
constexpr int kSheetImages = 20;
constexpr int kGemsCaption = 0;
constexpr int kPointsCaption = 2;
constexpr int kArtifactsCaption = 3;
constexpr int kVillagesCaption = 4;
constexpr int kTownsCaption = 5;
constexpr int kTotalCaption = 6;
constexpr int kGoldCaption = 7;
constexpr int kDigits = 8;
constexpr int kBackButton = 9;
constexpr int kBackground = 10;
constexpr int kPlate = 11;

struct SheetPicture {
  int image;
  PictureFile file;
};

constexpr SheetPicture kSheetPictures[] = {
    {kGemsCaption, {"Art\\Wealth\\Write1.bmp", 128, 32, 0xFF000000u}},
    {kPointsCaption, {"Art\\Wealth\\Write3.bmp", 256, 32, 0xFF000000u}},
    {kArtifactsCaption, {"Art\\Wealth\\Write4.bmp", 128, 32, 0xFF000000u}},
    {kVillagesCaption, {"Art\\Wealth\\Write5.bmp", 128, 32, 0xFF000000u}},
    {kTownsCaption, {"Art\\Wealth\\Write6.bmp", 256, 32, 0xFF000000u}},
    {kTotalCaption, {"Art\\Wealth\\Write7.bmp", 256, 32, 0xFF000000u}},
    {kGoldCaption, {"Art\\Wealth\\Write8.bmp", 128, 32, 0xFF000000u}},
    {kDigits, {"Art\\Wealth\\Numbers1.bmp", 32, 32, 0xFF000000u}},
    {kBackButton, {"Art\\Controls\\ButtonBack.bmp", 64, 32, 0}},
    {kBackground, {"Art\\Wealth\\Back.bmp", 256, 128, 0}},
    {kPlate, {"Art\\Controls\\Back6.bmp", 64, 64, 0}},
};

// What each caption says (the generator writes it).
constexpr const char* kCaptionTexts[] = {
    "Gems",     nullptr,           "points each",  "Artifacts",
    "Villages", "Towns and mines", "Wealth total", "Gold",
};

// Item pictures: image i of a kind's sheet is item i+1.
constexpr int kGemCount = 30;
constexpr int kArtifactCount = 15;
constexpr int kVillageCount = 8;
constexpr int kTownCount = 6;

// Gems "Art\Wealth\Gem1.bmp" .. "Gem30.bmp", 32 x 32; the second gem keys
// red, the others black.
constexpr const char* kGemPathFormat = "Art\\Wealth\\Gem%d.bmp";
constexpr int16_t kGemSize = 32;
constexpr uint32_t GemKey(int gem) { return gem == 1 ? 0xFFFF0000u : 0xFF000000u; }

// Artifacts "Art\Wealth\Artifact1.bmp" .. "Artifact15.bmp", 32 x 64.
constexpr const char* kArtifactPathFormat = "Art\\Wealth\\Artifact%d.bmp";
constexpr int16_t kArtifactWidth = 32;
constexpr int16_t kArtifactHeight = 64;
constexpr uint32_t kArtifactKey = 0xFF000000u;

// Villages and towns and mines: 64 x 64, opaque.
constexpr const char* kVillagePathFormat = "Art\\Wealth\\Village%d.bmp";
constexpr const char* kTownPaths[kTownCount] = {
    "Art\\Wealth\\GoldMine.bmp", "Art\\Wealth\\Town1.bmp", "Art\\Wealth\\Town2.bmp",
    "Art\\Wealth\\Town3.bmp",    "Art\\Wealth\\Town4.bmp", "Art\\Wealth\\IronMine.bmp",
};
constexpr int16_t kPlaceSize = 64;

}  // namespace wealth_picture
