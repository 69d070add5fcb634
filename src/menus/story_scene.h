#pragma once
// The story screen: one full-screen picture sliding up from the bottom edge,
// the intro of a new game or one of the three endings; the victory adds four
// falling rocks that burst into fragments. Enter, Escape or a click leaves.

#include <cstdint>

#include "menus/step_timer.h"

class GraphicsDevice;
class SpriteSheet;

// GameState::storyScene and StoryScene::mode.
constexpr uint8_t kStoryIntro = 1;
constexpr uint8_t kStorySurrendered = 2;
constexpr uint8_t kStoryPeaceTreaty = 3;
constexpr uint8_t kStoryVictory = 4;

// The sheet's images in the victory.
constexpr int kStoryPictureImage = 0;
constexpr int kStoryRockImage = 2;
constexpr int kStoryFragmentImage = 3;

constexpr int kStoryRocks = 4;
constexpr int kStoryFragments = 7;
constexpr int32_t kStoryBurstY = 594;  // a rock bursts once it passes this
constexpr int32_t kStoryFragmentStartY = 600;
constexpr uint32_t kStoryFrameStepMs = 100;

// The six pacing timers' speeds in pixels a second (timers 0..5).
constexpr int kStoryClocks = 6;
extern const int32_t kStoryClockSpeeds[kStoryClocks];

// What a scene shows: the picture's x and the y it slides up to.
struct StoryMode {
  int32_t pictureX;
  int32_t finalY;
};
// By mode 1..4 (index mode - 1).
extern const StoryMode kStoryModes[4];

// A big rock of the victory.
struct StoryRock {
  int32_t x;
  float scaleX, scaleY;
  int32_t startY;
  uint8_t startFrame;
};
extern const StoryRock kStoryRockTable[kStoryRocks];

// How fragment j of burst k moves: the timers (by index, see
// kStoryClockSpeeds) whose steps it moves by, with their signs.
struct StoryFragmentMove {
  int8_t dxSign;
  uint8_t dxClock;
  int8_t dySign;
  uint8_t dyClock;
};
extern const StoryFragmentMove kStoryFragmentMoves[kStoryFragments][kStoryRocks];
// Fragment j's scale in bursts 0 and 1 (index 0) and in bursts 2 and 3 (1).
extern const float kStoryFragmentScale[kStoryFragments][2][2];

// The scene an ending shows, from the three game-end flags (the later flag
// wins); 0 when no flag is set.
uint8_t EndingStoryScene(uint8_t surrendered, uint8_t peaceTreaty, uint8_t victory);

class StoryScene {
 public:
  StoryScene();
  virtual ~StoryScene();

  void LoadArt(GraphicsDevice* device);
  void Reset();
  void ReleaseArt();

  // steps[t] is this frame's step of timer t.
  void SlidePicture(const int32_t* steps);
  void StepVictory(const int32_t* steps);
  void MoveFragments(const int32_t* steps);
  void StepFrames(uint32_t nowMs);
  void DrawPicture();
  void DrawVictory();

  SpriteSheet* sheet;
  uint8_t mode;
  int32_t pictureX;
  int32_t pictureY;
  float pictureScaleX;
  float pictureScaleY;
  int32_t rockY[kStoryRocks];
  uint8_t rockFrame[kStoryRocks];
  uint8_t rockFalling[kStoryRocks];
  uint8_t burstActive[kStoryRocks];
  int32_t fragmentX[kStoryFragments][kStoryRocks];
  int32_t fragmentY[kStoryFragments][kStoryRocks];
  uint8_t fragmentFrame;
  StepTimer frameTimer;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v("mode", mode);
    v("pictureX", pictureX);
    v("pictureY", pictureY);
    v("pictureScaleX", pictureScaleX);
    v("pictureScaleY", pictureScaleY);
    v("rockY", rockY);
    v("rockFrame", rockFrame);
    v("rockFalling", rockFalling);
    v("burstActive", burstActive);
    v("fragmentX", fragmentX);
    v("fragmentY", fragmentY);
    v("fragmentFrame", fragmentFrame);
    v.Inline("frameTimer", frameTimer);
  }
};
