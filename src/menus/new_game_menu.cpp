#include "menus/new_game_menu.h"

#include "menus/new_game_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace pic = new_game_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// Where each asteroid is drawn and how big.
struct AsteroidLook {
  float scaleX, scaleY;
  int32_t topLimit;  // drawn only while y is at least this (and below 600)
};
constexpr AsteroidLook kAsteroidLooks[kAsteroids] = {
    {0.7f, 0.7f, -199}, {1.2f, 0.6f, -199}, {0.3f, 0.4f, -199},
    {0.6f, 1.3f, -199}, {0.9f, 1.2f, -99},
};
constexpr int32_t kAsteroidStartX[kAsteroids] = {670, 0, 100, 350, 300};
constexpr int32_t kAsteroidStartY[kAsteroids] = {460, 650, 650, 650, -100};

constexpr int32_t kCornerX[kCorners] = {30, 500, 60, 480};
constexpr int32_t kCornerY[kCorners] = {60, 60, 300, 300};

void Load(SpriteSheet* sheet, int image, const PictureFile& file) {
  sheet->LoadImage(image, file.path, file.frameWidth, file.frameHeight, file.colourKey,
                   kFormatA1R5G5B5);
}

bool Inside(const PortraitButton& b, int32_t x, int32_t y) {
  return PointInRect(b.x, b.y, b.w, b.h, x, y) != 0;
}

void DrawButton(SpriteSheet* sheet, uint8_t look, const PortraitButton& b) {
  if (sheet) sheet->Draw(0, look, b.drawX, b.drawY, kWhite, b.scale, b.scale);
}

}  // namespace

NewGameMenu::NewGameMenu()
    : wordSheet(nullptr),
      readySheet(nullptr),
      pictureSheet(nullptr),
      backSheet(nullptr),
      leftArrowSheet(nullptr),
      rightArrowSheet(nullptr),
      upperLetterSheet(nullptr),
      lowerLetterSheet(nullptr),
      backLook(0),
      readyLook(0),
      leftLook(0),
      rightLook(0),
      asteroidFrame{},
      cornerFrame{0, 1, 2, 3},
      nameLength(0),
      name{},
      asteroidX{},
      asteroidY{},
      portrait(kFirstPortrait),
      hoveredId(0),
      clickedId(0),
      pressLock(0) {
  for (int k = 0; k < kAsteroids; ++k) {
    asteroidX[k] = kAsteroidStartX[k];
    asteroidY[k] = kAsteroidStartY[k];
  }
}

NewGameMenu::~NewGameMenu() { ReleaseArt(); }

void NewGameMenu::LoadArt(GraphicsDevice* device) {
  wordSheet = NewSheet(device, 4);
  for (int i = 0; i < 4; ++i) Load(wordSheet, i, pic::kWords[i]);
  readySheet = NewSheet(device, 1);
  Load(readySheet, 0, pic::kReadyButton);
  pictureSheet = NewSheet(device, 4);
  for (int i = 0; i < 4; ++i) Load(pictureSheet, i, pic::kPictures[i]);
  backSheet = NewSheet(device, 1);
  Load(backSheet, 0, pic::kBackButton);
  leftArrowSheet = NewSheet(device, 1);
  Load(leftArrowSheet, 0, pic::kLeftArrow);
  rightArrowSheet = NewSheet(device, 1);
  Load(rightArrowSheet, 0, pic::kRightArrow);
  upperLetterSheet = NewSheet(device, 1);
  Load(upperLetterSheet, 0, pic::kUpperLetters);
  lowerLetterSheet = NewSheet(device, 1);
  Load(lowerLetterSheet, 0, pic::kLowerLetters);
}

void NewGameMenu::ReleaseArt() {
  DeleteSheet(wordSheet);
  DeleteSheet(readySheet);
  DeleteSheet(pictureSheet);
  DeleteSheet(backSheet);
  DeleteSheet(leftArrowSheet);
  DeleteSheet(rightArrowSheet);
  DeleteSheet(upperLetterSheet);
  DeleteSheet(lowerLetterSheet);
}

namespace {

void Hover(const PortraitButton& b, uint8_t id, int32_t x, int32_t y, uint8_t pressLock,
           uint8_t& look, uint8_t& hoveredId) {
  if (Inside(b, x, y)) {
    hoveredId = id;
    if (!pressLock) look = 1;
  } else if (!pressLock) {
    look = 0;
  }
}

uint32_t Click(const PortraitButton& b, uint8_t id, int32_t x, int32_t y, InputDevice* mouse,
               uint8_t& clickedId) {
  if (!Inside(b, x, y) || !mouse || !FreshPressIn(*mouse, b.x, b.y, b.w, b.h)) return 0;
  clickedId = id;
  return 1;
}

}  // namespace

void NewGameMenu::HoverBack(int32_t x, int32_t y) {
  Hover(kPortraitBackButton, kPortraitBack, x, y, pressLock, backLook, hoveredId);
}
void NewGameMenu::HoverLeft(int32_t x, int32_t y) {
  Hover(kPortraitLeftButton, kPortraitLeft, x, y, pressLock, leftLook, hoveredId);
}
void NewGameMenu::HoverRight(int32_t x, int32_t y) {
  Hover(kPortraitRightButton, kPortraitRight, x, y, pressLock, rightLook, hoveredId);
}
void NewGameMenu::HoverReady(int32_t x, int32_t y) {
  Hover(kPortraitReadyButton, kPortraitReady, x, y, pressLock, readyLook, hoveredId);
}

uint32_t NewGameMenu::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kPortraitBackButton, kPortraitBack, x, y, mouse, clickedId);
}
uint32_t NewGameMenu::ClickLeft(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kPortraitLeftButton, kPortraitLeft, x, y, mouse, clickedId);
}
uint32_t NewGameMenu::ClickRight(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kPortraitRightButton, kPortraitRight, x, y, mouse, clickedId);
}
uint32_t NewGameMenu::ClickReady(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kPortraitReadyButton, kPortraitReady, x, y, mouse, clickedId);
}

void NewGameMenu::ClearHover() { hoveredId = 0; }

void NewGameMenu::MeasureName() {
  nameLength = 0;
  for (int i = 0; i < kGlyphNameLength; ++i)
    if (name[i] != 0) nameLength = static_cast<uint8_t>(i);
}

void NewGameMenu::StepLeft() {
  portrait = portrait < kSecondPortrait ? portrait + 1 : kFirstPortrait;
}

void NewGameMenu::StepRight() {
  portrait = portrait > kFirstPortrait ? portrait - 1 : kSecondPortrait;
}

void NewGameMenu::MoveAsteroids(int32_t a, int32_t b) {
  asteroidX[0] -= b;
  asteroidY[0] -= b;
  if (asteroidY[0] < 0) {
    asteroidX[1] += b;
    asteroidY[1] -= b;
  }
  if (asteroidY[1] < 0) {
    asteroidX[2] += a;
    asteroidY[2] -= b;
  }
  if (asteroidY[2] < 0) {
    asteroidX[3] -= a;
    asteroidY[3] -= b;
  }
  if (asteroidY[3] < 0) {
    asteroidX[4] -= a;
    asteroidY[4] += b;
  }
  // Once gone they stay gone; keep them from running out of numbers.
  for (int k = 0; k < kAsteroids; ++k) {
    if (asteroidY[k] < -100000) asteroidY[k] = -100000;
    if (asteroidY[k] > 100000) asteroidY[k] = 100000;
    if (asteroidX[k] < -100000) asteroidX[k] = -100000;
    if (asteroidX[k] > 100000) asteroidX[k] = 100000;
  }
}

void NewGameMenu::StepAsteroidFrames(uint32_t nowMs) {
  if (!asteroidTimer.Step(nowMs, kAsteroidStepMs)) return;
  for (int k = 0; k < kAsteroids; ++k) {
    const int turn = k % 2 == 0 ? 1 : pic::kAsteroidFrames - 1;
    asteroidFrame[k] = static_cast<uint8_t>((asteroidFrame[k] + turn) % pic::kAsteroidFrames);
  }
}

void NewGameMenu::StepCorners(uint32_t nowMs) {
  if (!cornerTimer.Step(nowMs, kCornerStepMs)) return;
  for (uint8_t& frame : cornerFrame) frame = static_cast<uint8_t>((frame + 1) % pic::kCornerFrames);
}

void NewGameMenu::DrawBackButton() { DrawButton(backSheet, backLook, kPortraitBackButton); }

void NewGameMenu::DrawReadyButton() {
  DrawButton(readySheet, readyLook, kPortraitReadyButton);
  if (wordSheet) wordSheet->Draw(pic::kWordReady, 0, 360, 430, kWhite, 1.2f, 1.2f);
}

void NewGameMenu::DrawPortrait() {
  if (!pictureSheet) return;
  pictureSheet->Draw(pic::kPictureFrame, 0, 319, 192, kWhite, 1.25f, 1.2f);
  pictureSheet->Draw(pic::kPicturePortraits, portrait - 1, 347, 218, kWhite, 0.8f, 0.8f);
}

void NewGameMenu::DrawBackground() {
  if (pictureSheet) {
    for (int i = 0; i < kCorners; ++i)
      pictureSheet->Draw(pic::kPictureCorners, cornerFrame[i], kCornerX[i], kCornerY[i], kWhite,
                         2.0f, 2.0f);
    for (int k = 0; k < kAsteroids; ++k) {
      const AsteroidLook& look = kAsteroidLooks[k];
      if (asteroidY[k] < look.topLimit || asteroidY[k] >= 600) continue;
      pictureSheet->Draw(pic::kPictureAsteroid, asteroidFrame[k], asteroidX[k], asteroidY[k],
                         kWhite, look.scaleX, look.scaleY);
    }
  }
  if (wordSheet) {
    wordSheet->Draw(pic::kWordChoose, 0, 230, 100, kWhite, 1.2f, 1.2f);
    wordSheet->Draw(pic::kWordYour, 0, 362, 100, kWhite, 1.2f, 1.2f);
    wordSheet->Draw(pic::kWordPortrait, 0, 450, 100, kWhite, 1.2f, 1.2f);
  }
}

void NewGameMenu::DrawLeftArrow() { DrawButton(leftArrowSheet, leftLook, kPortraitLeftButton); }

void NewGameMenu::DrawRightArrow() { DrawButton(rightArrowSheet, rightLook, kPortraitRightButton); }

void NewGameMenu::DrawName() {
  for (int i = 0; i < kGlyphNameLength; ++i) {
    const uint8_t c = name[i];
    if (c == glyph::kCaret) continue;
    const int32_t x = 380 + 16 * (2 * i - nameLength);
    if (c >= glyph::kCapitalA) {
      if (upperLetterSheet)
        upperLetterSheet->Draw(0, c - glyph::kCapitalA, x, 16, kWhite, 1.0f, 1.0f);
    } else if (lowerLetterSheet) {
      lowerLetterSheet->Draw(0, c, x, 16, kWhite, 1.0f, 1.0f);
    }
  }
}
