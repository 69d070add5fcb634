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

}  // namespace story_picture
