#include "menus/options_screen.h"

#include "menus/options_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace pic = options_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// The x and width of the Slow, Average and Fast buttons; the three rows sit
// at these heights.
constexpr int32_t kSpeedX[3] = {170, 330, 500};
constexpr int32_t kSpeedW[3] = {100, 120, 85};
constexpr int32_t kMapRowY = 300;
constexpr int32_t kMoveRowY = 421;
constexpr int32_t kSwingRowY = 541;

// Where the check mark stands for Slow, Average and Fast.
constexpr int32_t kSpeedCheckX[3] = {150, 310, 480};
// The Slow, Average and Fast pictures' x for looks 0, 1, 2 (they grow to the
// left and up as they grow); y moves up 4 pixels per look.
constexpr int32_t kSpeedPictureX[3][3] = {{180, 180, 180}, {340, 335, 330}, {510, 510, 510}};

// The size of a choice by its look; Average, the widest word, grows less.
constexpr float kLookScale[3] = {0.8f, 0.95f, 1.1f};
constexpr float kAverageLookScale[3] = {0.8f, 0.9f, 1.0f};

// The rule across the screen: the 64-pixel line stretched to 800.
constexpr float kLineScaleX = 12.5f;

}  // namespace

const OptionsButton kOptionsButtons[kOptionsButtonCount] = {
    {725, 10, 64, 32},
    {190, 60, 70, 50},
    {490, 60, 70, 50},
    {190, 175, 70, 50},
    {490, 175, 70, 50},
    {kSpeedX[0], kMapRowY, kSpeedW[0], 50},
    {kSpeedX[1], kMapRowY, kSpeedW[1], 50},
    {kSpeedX[2], kMapRowY, kSpeedW[2], 50},
    {kSpeedX[0], kMoveRowY, kSpeedW[0], 50},
    {kSpeedX[1], kMoveRowY, kSpeedW[1], 50},
    {kSpeedX[2], kMoveRowY, kSpeedW[2], 50},
    {kSpeedX[0], kSwingRowY, kSpeedW[0], 50},
    {kSpeedX[1], kSwingRowY, kSpeedW[1], 50},
    {kSpeedX[2], kSwingRowY, kSpeedW[2], 50},
};

OptionsScreen::OptionsScreen()
    : sheet(nullptr),
      music(kSwitchOn),
      sounds(kSwitchOn),
      mapSpeed(kSpeedAverage),
      battleMoveSpeed(kSpeedAverage),
      battleSwingSpeed(kSpeedAverage),
      musicRestart(0),
      backLook(0),
      choiceLooks{},
      held(0),
      pressedId(0),
      hoverId(0) {}

OptionsScreen::~OptionsScreen() { ReleaseArt(); }

void OptionsScreen::LoadArt(GraphicsDevice* device) {
  sheet = new SpriteSheet;
  sheet->Init(device, pic::kPictureCount);
  sheet->SetAlphaTest(1);
  for (int i = 0; i < pic::kPictureCount; ++i) {
    const PictureFile& p = pic::kPictures[i];
    sheet->LoadImage(i, p.path, p.frameWidth, p.frameHeight, p.colourKey, kFormatA1R5G5B5);
  }
}

void OptionsScreen::ReleaseArt() { DeleteSheet(sheet); }

uint8_t& OptionsScreen::LookOf(uint8_t id) {
  return id == kOptionsBack ? backLook : choiceLooks[id - kOptionsMusicOn];
}

void OptionsScreen::HoverButtons(int32_t x, int32_t y) {
  for (uint8_t id = 1; id <= kOptionsButtonCount; ++id) {
    const OptionsButton& b = kOptionsButtons[id - 1];
    if (PointInRect(b.x, b.y, b.w, b.h, x, y)) {
      hoverId = id;
      if (!held) LookOf(id) = 1;
    } else if (!held) {
      LookOf(id) = 0;
    }
  }
}

void OptionsScreen::SetValue(uint8_t id) {
  switch (id) {
    case kOptionsMusicOn: music = kSwitchOn; break;
    case kOptionsMusicOff: music = kSwitchOff; break;
    case kOptionsSoundsOn: sounds = kSwitchOn; break;
    case kOptionsSoundsOff: sounds = kSwitchOff; break;
    default:
      if (id >= kOptionsSwingSlow) {
        battleSwingSpeed = static_cast<uint8_t>(kSpeedSlow + id - kOptionsSwingSlow);
      } else if (id >= kOptionsMoveSlow) {
        battleMoveSpeed = static_cast<uint8_t>(kSpeedSlow + id - kOptionsMoveSlow);
      } else if (id >= kOptionsMapSlow) {
        mapSpeed = static_cast<uint8_t>(kSpeedSlow + id - kOptionsMapSlow);
      }
      break;
  }
}

uint32_t OptionsScreen::ClickButtons(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse) return 0;
  for (uint8_t id = 1; id <= kOptionsButtonCount; ++id) {
    const OptionsButton& b = kOptionsButtons[id - 1];
    if (!PointInRect(b.x, b.y, b.w, b.h, x, y) || !FreshPressIn(*mouse, b.x, b.y, b.w, b.h))
      continue;
    SetValue(id);
    LookOf(id) = 2;
    pressedId = id;
    return 1;
  }
  return 0;
}

void OptionsScreen::DrawChoice(int image, uint8_t id, int32_t x, int32_t y, bool average) {
  const uint8_t look = LookOf(id) > 2 ? 2 : LookOf(id);
  const float s = average ? kAverageLookScale[look] : kLookScale[look];
  sheet->Draw(image, 0, x, y, kWhite, s, s);
}

void OptionsScreen::DrawSpeedRow(uint8_t firstId, uint8_t speed, int32_t checkY, int32_t buttonY) {
  if (speed >= kSpeedSlow && speed <= kSpeedFast)
    sheet->Draw(pic::kCheck, 0, kSpeedCheckX[speed - kSpeedSlow], checkY, kWhite, 1.0f, 1.0f);
  for (int k = 0; k < 3; ++k) {
    const uint8_t id = static_cast<uint8_t>(firstId + k);
    const uint8_t look = LookOf(id) > 2 ? 2 : LookOf(id);
    DrawChoice(pic::kSlow + k, id, kSpeedPictureX[k][look], buttonY + 4 - 4 * look, k == 1);
  }
}

void OptionsScreen::Draw() {
  if (!sheet) return;
  sheet->Draw(pic::kBack, backLook, 725, 10, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kMusic, 0, 310, 5, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kLine, 0, 0, 5, kWhite, kLineScaleX, 1.0f);

  sheet->Draw(pic::kCheck, 0, music == kSwitchOn ? 172 : 470, 69, kWhite, 1.0f, 1.0f);
  DrawChoice(pic::kOn, kOptionsMusicOn, 200, 75, false);
  DrawChoice(pic::kOff, kOptionsMusicOff, 500, 75, false);

  sheet->Draw(pic::kSounds, 0, 310, 125, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kLine, 0, 0, 115, kWhite, kLineScaleX, 1.0f);
  sheet->Draw(pic::kCheck, 0, sounds == kSwitchOn ? 172 : 470, 184, kWhite, 1.0f, 1.0f);
  DrawChoice(pic::kOn, kOptionsSoundsOn, 200, 190, false);
  DrawChoice(pic::kOff, kOptionsSoundsOff, 500, 190, false);

  sheet->Draw(pic::kMovementMain, 0, 170, 230, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kLine, 0, 0, 230, kWhite, kLineScaleX, 1.0f);
  DrawSpeedRow(kOptionsMapSlow, mapSpeed, 308, kMapRowY);

  sheet->Draw(pic::kMovementBattles, 0, 190, 355, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kLine, 0, 0, 355, kWhite, kLineScaleX, 1.0f);
  DrawSpeedRow(kOptionsMoveSlow, battleMoveSpeed, 429, kMoveRowY);

  sheet->Draw(pic::kSwingBattles, 0, 140, 475, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kLine, 0, 0, 475, kWhite, kLineScaleX, 1.0f);
  DrawSpeedRow(kOptionsSwingSlow, battleSwingSpeed, 551, kSwingRowY);

  sheet->Draw(pic::kLine, 0, 0, 594, kWhite, kLineScaleX, 1.0f);
}

void OptionsScreen::ClearHover() { hoverId = 0; }
