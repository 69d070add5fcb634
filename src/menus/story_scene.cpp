#include "menus/story_scene.h"

#include "menus/story_picture.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"

namespace pic = story_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr int32_t kPictureStartY = 600;
constexpr float kPictureScale = 1.2f;
// The picture slides at the speed of timer 4 (60 pixels a second), the
// rocks fall at that of timer 5 (250).
constexpr int kSlideClock = 4;
constexpr int kFallClock = 5;

bool ValidMode(uint8_t mode) { return mode >= kStoryIntro && mode <= kStoryVictory; }

void Load(SpriteSheet* sheet, int image, const PictureFile& file) {
  sheet->LoadImage(image, file.path, file.frameWidth, file.frameHeight, file.colourKey,
                   kFormatA1R5G5B5);
}

}  // namespace

uint8_t EndingStoryScene(uint8_t surrendered, uint8_t peaceTreaty, uint8_t victory) {
  uint8_t scene = 0;
  if (surrendered) scene = kStorySurrendered;
  if (peaceTreaty) scene = kStoryPeaceTreaty;
  if (victory) scene = kStoryVictory;
  return scene;
}

StoryScene::StoryScene()
    : sheet(nullptr),
      mode(0),
      pictureX(0),
      pictureY(kPictureStartY),
      pictureScaleX(kPictureScale),
      pictureScaleY(kPictureScale),
      rockY{},
      rockFrame{},
      rockFalling{},
      burstActive{},
      fragmentX{},
      fragmentY{},
      fragmentFrame(0) {}

StoryScene::~StoryScene() { ReleaseArt(); }

void StoryScene::LoadArt(GraphicsDevice* device) {
  if (!ValidMode(mode)) return;
  sheet = new SpriteSheet;
  if (mode == kStoryVictory) {
    sheet->Init(device, 4);
    sheet->SetAlphaTest(1);
    Load(sheet, kStoryPictureImage, pic::kVictory);
    Load(sheet, kStoryRockImage, pic::kRocks);
    Load(sheet, kStoryFragmentImage, pic::kFragments);
    return;
  }
  sheet->Init(device, 1);
  sheet->SetAlphaTest(1);
  const PictureFile* files[] = {&pic::kIntro, &pic::kSurrendered, &pic::kPeaceTreaty};
  Load(sheet, kStoryPictureImage, *files[mode - 1]);
}

void StoryScene::Reset() {
  pictureX = ValidMode(mode) ? kStoryModes[mode - 1].pictureX : 0;
  pictureY = kPictureStartY;
  pictureScaleX = kPictureScale;
  pictureScaleY = kPictureScale;
  for (int k = 0; k < kStoryRocks; ++k) {
    rockY[k] = kStoryRockTable[k].startY;
    rockFrame[k] = kStoryRockTable[k].startFrame;
    rockFalling[k] = 1;
    burstActive[k] = 0;
    for (int j = 0; j < kStoryFragments; ++j) fragmentX[j][k] = fragmentY[j][k] = 0;
  }
  fragmentFrame = 0;
  frameTimer = StepTimer();
}

void StoryScene::ReleaseArt() { DeleteSheet(sheet); }

void StoryScene::SlidePicture(const int32_t* steps) {
  if (!ValidMode(mode)) return;
  const int32_t finalY = kStoryModes[mode - 1].finalY;
  pictureY -= steps[kSlideClock];
  if (pictureY < finalY) pictureY = finalY;
}

void StoryScene::StepVictory(const int32_t* steps) {
  SlidePicture(steps);
  for (int k = 0; k < kStoryRocks; ++k) {
    if (!rockFalling[k]) continue;
    rockY[k] += steps[kFallClock];
    if (rockY[k] > kStoryBurstY) {
      rockFalling[k] = 0;
      burstActive[k] = 1;
      for (int j = 0; j < kStoryFragments; ++j) {
        fragmentX[j][k] = 58 + 200 * k;
        fragmentY[j][k] = kStoryFragmentStartY;
      }
    }
  }
}

void StoryScene::MoveFragments(const int32_t* steps) {
  for (int k = 0; k < kStoryRocks; ++k) {
    if (!burstActive[k]) continue;
    for (int j = 0; j < kStoryFragments; ++j) {
      const StoryFragmentMove& m = kStoryFragmentMoves[j][k];
      fragmentX[j][k] += m.dxSign * steps[m.dxClock];
      fragmentY[j][k] += m.dySign * steps[m.dyClock];
    }
  }
}

void StoryScene::StepFrames(uint32_t nowMs) {
  if (!frameTimer.Step(nowMs, kStoryFrameStepMs)) return;
  fragmentFrame = static_cast<uint8_t>((fragmentFrame + 1) % pic::kRockFrames);
  for (uint8_t& frame : rockFrame) frame = static_cast<uint8_t>((frame + 1) % pic::kRockFrames);
}

void StoryScene::DrawPicture() {
  if (sheet)
    sheet->Draw(kStoryPictureImage, 0, pictureX, pictureY, kWhite, pictureScaleX, pictureScaleY);
}

void StoryScene::DrawVictory() {
  if (!sheet) return;
  DrawPicture();
  for (int k = 0; k < kStoryRocks; ++k) {
    if (!rockFalling[k]) continue;
    const StoryRock& rock = kStoryRockTable[k];
    sheet->Draw(kStoryRockImage, rockFrame[k], rock.x, rockY[k], kWhite, rock.scaleX, rock.scaleY);
  }
  for (int k = 0; k < kStoryRocks; ++k) {
    if (!burstActive[k]) continue;
    for (int j = 0; j < kStoryFragments; ++j) {
      const float* scale = kStoryFragmentScale[j][k < 2 ? 0 : 1];
      sheet->Draw(kStoryFragmentImage, fragmentFrame, fragmentX[j][k], fragmentY[j][k], kWhite,
                  scale[0], scale[1]);
    }
  }
}
