// The story scenes' numbers: the pacing speeds, where each picture stands,
// and the victory's rocks and fragments.

#include "menus/story_scene.h"

// Timer t moves by these many pixels a second.
const int32_t kStoryClockSpeeds[kStoryClocks] = {15, 40, 110, 177, 60, 250};

namespace {

// Timer indexes by their speeds.
constexpr uint8_t k15 = 0, k40 = 1, k110 = 2, k177 = 3, k60 = 4, k250 = 5;

}  // namespace

const StoryMode kStoryModes[4] = {
    {110, 20},   // intro
    {110, 100},  // surrendered
    {90, 150},   // peace treaty
    {90, 70},    // victory
};

const StoryRock kStoryRockTable[kStoryRocks] = {
    {50, 0.5f, 0.8f, -60, 0},
    {250, 0.8f, 1.3f, -180, 5},
    {450, 1.0f, 1.2f, -250, 14},
    {700, 1.2f, 0.9f, -360, 8},
};

// Fragment j (rows) of burst k (columns): dx, dy as a sign and a timer.
const StoryFragmentMove kStoryFragmentMoves[kStoryFragments][kStoryRocks] = {
    {{-1, k15, -1, k250}, {-1, k15, -1, k110}, {-1, k15, -1, k177}, {-1, k15, -1, k110}},
    {{+1, k110, -1, k15}, {+1, k40, -1, k110}, {+1, k40, -1, k177}, {+1, k40, -1, k177}},
    {{+1, k15, -1, k40}, {+1, k177, +1, k250}, {+1, k177, -1, k110}, {+1, k177, -1, k15}},
    {{-1, k250, -1, k60}, {-1, k60, -1, k15}, {-1, k60, -1, k177}, {-1, k60, -1, k40}},
    {{-1, k110, -1, k40}, {-1, k110, +1, k40}, {-1, k110, -1, k250}, {-1, k110, -1, k60}},
    {{+1, k15, -1, k110}, {+1, k40, -1, k250}, {+1, k40, -1, k60}, {+1, k40, -1, k15}},
    {{+1, k110, -1, k60}, {+1, k60, -1, k110}, {+1, k60, -1, k250}, {+1, k60, -1, k110}},
};

// clang-format off
const float kStoryFragmentScale[kStoryFragments][2][2] = {
    {{1.0f, 0.5f}, {0.5f, 0.9f}},
    {{0.9f, 1.1f}, {0.9f, 0.6f}},
    {{1.1f, 1.0f}, {0.6f, 1.1f}},
    {{0.9f, 0.9f}, {0.9f, 0.9f}},
    {{0.7f, 0.9f}, {0.7f, 0.9f}},
    {{1.1f, 0.8f}, {0.5f, 0.8f}},
    {{0.6f, 0.9f}, {0.6f, 0.9f}},
};
// clang-format on
