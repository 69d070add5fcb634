#include <gtest/gtest.h>

#include "menus/story_picture.h"
#include "menus/story_scene.h"

namespace {

// Steps of one frame with every timer at the same step.
struct Steps {
  int32_t s[kStoryClocks];
  explicit Steps(int32_t v) {
    for (int32_t& x : s) x = v;
  }
};

}  // namespace

TEST(StoryScene, EndingsChooseTheirScene) {
  EXPECT_EQ(EndingStoryScene(0, 0, 0), 0);
  EXPECT_EQ(EndingStoryScene(1, 0, 0), kStorySurrendered);
  EXPECT_EQ(EndingStoryScene(0, 1, 0), kStoryPeaceTreaty);
  EXPECT_EQ(EndingStoryScene(0, 1, 1), kStoryVictory);
  EXPECT_EQ(EndingStoryScene(1, 1, 0), kStoryPeaceTreaty);
}

TEST(StoryScene, PicturesSlideUpToTheirPlace) {
  const int32_t finalY[] = {20, 100, 150, 70};
  const int32_t x[] = {110, 110, 90, 90};
  for (uint8_t mode = kStoryIntro; mode <= kStoryVictory; ++mode) {
    StoryScene s;
    s.mode = mode;
    s.Reset();
    EXPECT_EQ(s.pictureX, x[mode - 1]);
    EXPECT_EQ(s.pictureY, 600);
    Steps one(1);
    s.SlidePicture(one.s);
    EXPECT_EQ(s.pictureY, 599);
    Steps big(100);
    for (int i = 0; i < 10; ++i) s.SlidePicture(big.s);
    EXPECT_EQ(s.pictureY, finalY[mode - 1]);
    // At rest the scene's words are whole on the screen.
    const story_picture::WordsScroll& words = story_picture::kWords[mode - 1];
    EXPECT_LE(s.pictureY + s.pictureScaleY * float(words.y + words.h), 600.0f) << int(mode);
  }
  // An unknown scene has nothing to slide.
  StoryScene none;
  none.mode = 9;
  none.Reset();
  Steps one(1);
  none.SlidePicture(one.s);
  EXPECT_EQ(none.pictureY, 600);
}

TEST(StoryScene, RocksBurstBelowTheBottomEdge) {
  StoryScene s;
  s.mode = kStoryVictory;
  s.Reset();
  EXPECT_EQ(s.rockY[3], -360);
  EXPECT_EQ(s.rockFrame[2], 14);
  Steps steps(0);
  steps.s[5] = 654;  // rock 0 from -60 to 594: not past it yet
  s.StepVictory(steps.s);
  EXPECT_EQ(s.rockFalling[0], 1);
  steps.s[5] = 1;
  s.StepVictory(steps.s);
  EXPECT_EQ(s.rockFalling[0], 0);
  EXPECT_EQ(s.burstActive[0], 1);
  EXPECT_EQ(s.burstActive[1], 0);
  for (int j = 0; j < kStoryFragments; ++j) {
    EXPECT_EQ(s.fragmentX[j][0], 58);
    EXPECT_EQ(s.fragmentY[j][0], 600);
  }
  // Fragment 0 of burst 0 moves by the 15 step left and the 250 step up.
  Steps move(0);
  move.s[0] = 2;
  move.s[5] = 7;
  s.MoveFragments(move.s);
  EXPECT_EQ(s.fragmentX[0][0], 56);
  EXPECT_EQ(s.fragmentY[0][0], 593);
  // Bursts that have not happened stay where they are.
  EXPECT_EQ(s.fragmentY[0][1], 0);
}

TEST(StoryScene, FragmentsOfBurstOneFallOutOfSight) {
  // Fragments 2 and 4 of burst 1 move down from the bottom edge.
  EXPECT_GT(kStoryFragmentMoves[2][1].dySign, 0);
  EXPECT_GT(kStoryFragmentMoves[4][1].dySign, 0);
  for (int j = 0; j < kStoryFragments; ++j)
    for (int k = 0; k < kStoryRocks; ++k) {
      if (k == 1 && (j == 2 || j == 4)) continue;
      EXPECT_LT(kStoryFragmentMoves[j][k].dySign, 0) << j << " " << k;
    }
}

TEST(StoryScene, FramesTurnEveryTenthOfASecond) {
  StoryScene s;
  s.mode = kStoryVictory;
  s.Reset();
  uint32_t now = 0;
  s.StepFrames(now);
  s.StepFrames(now += 100);
  EXPECT_EQ(s.fragmentFrame, 0);
  s.StepFrames(now += 1);
  EXPECT_EQ(s.fragmentFrame, 1);
  EXPECT_EQ(s.rockFrame[2], 15);
  s.StepFrames(now);
  s.StepFrames(now += 101);
  EXPECT_EQ(s.rockFrame[2], 0);
}
