#pragma once
// The pictures of the story scenes, by scene.

#include "menus/picture_file.h"

namespace story_picture {

constexpr PictureFile kIntro = {"Art\\Menu\\Intro.bmp", 512, 512, 0xFF000000u};
constexpr PictureFile kSurrendered = {"Art\\Menu\\Surrendered.bmp", 512, 256, 0xFF000000u};
constexpr PictureFile kPeaceTreaty = {"Art\\Menu\\PeaceTreaty.bmp", 512, 512, 0xFF000000u};
constexpr PictureFile kVictory = {"Art\\Menu\\Victory.bmp", 512, 512, 0xFF000000u};
// The victory's falling rocks and their fragments, 16 frames each.
constexpr PictureFile kRocks = {"Art\\Menu\\Rocks2.bmp", 32, 32, 0xFF000000u};
constexpr PictureFile kFragments = {"Art\\Menu\\Rocks3.bmp", 16, 16, 0xFF000000u};
constexpr int kRockFrames = 16;

// Where each scene's words stand in its picture, by mode 1..4 (index
// mode - 1): the top and the height of the scroll they are written on. Once
// the picture has come to rest only its part above the screen's bottom edge
// is seen, so the scroll must end above it.
struct WordsScroll {
  int16_t y, h;
};
constexpr WordsScroll kWords[4] = {{330, 130}, {160, 92}, {232, 130}, {320, 110}};

}  // namespace story_picture
