#include "menus/save_and_quit_dialog.h"

#include "menus/save_and_quit_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace pic = save_and_quit_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

const QuestionButton& ButtonOf(uint8_t id) { return kQuestionButtons[id - 1]; }

bool Inside(uint8_t id, int32_t x, int32_t y) {
  const QuestionButton& b = ButtonOf(id);
  return PointInRect(b.x, b.y, b.w, b.h, x, y) != 0;
}

SpriteSheet* NewSheet(GraphicsDevice* device, int count, const PictureFile& picture) {
  SpriteSheet* sheet = NewSheet(device, count);
  sheet->LoadImage(0, picture.path, picture.frameWidth, picture.frameHeight, picture.colourKey,
                   kFormatA1R5G5B5);
  return sheet;
}

}  // namespace

SaveAndQuitDialog::SaveAndQuitDialog()
    : background(nullptr),
      yesSheet(nullptr),
      noSheet(nullptr),
      yesLook(0),
      noLook(0),
      held(0),
      pressedId(0),
      hoverId(0) {}

SaveAndQuitDialog::~SaveAndQuitDialog() { ReleaseArt(); }

void SaveAndQuitDialog::LoadArt(GraphicsDevice* device) {
  ReleaseArt();
  background = new Texture;
  background->Load(device, pic::kBackground.path, pic::kBackground.colourKey, 0);
  yesSheet = NewSheet(device, 2, pic::kYes);
  noSheet = NewSheet(device, 1, pic::kNo);
}

void SaveAndQuitDialog::ReleaseArt() {
  DeleteSheet(yesSheet);
  DeleteSheet(noSheet);
  if (background) {
    background->Release();
    delete background;
    background = nullptr;
  }
}

void SaveAndQuitDialog::DrawBackground() {
  if (background) background->Draw(90, 120, 0, 0, 0, 0, 1.2f, 1.2f, kWhite);
}

void SaveAndQuitDialog::DrawButton(SpriteSheet* sheet, uint8_t id, uint8_t look) {
  if (!sheet || look > 2) return;
  const QuestionButton& b = ButtonOf(id);
  sheet->Draw(0, 0, b.drawX[look], b.drawY, kWhite, b.scale[look], b.scale[look]);
}

void SaveAndQuitDialog::DrawYes() { DrawButton(yesSheet, kQuestionYes, yesLook); }
void SaveAndQuitDialog::DrawNo() { DrawButton(noSheet, kQuestionNo, noLook); }

void SaveAndQuitDialog::Hover(uint8_t id, uint8_t& look, int32_t x, int32_t y) {
  if (Inside(id, x, y)) {
    hoverId = id;
    if (!held) look = 1;
  } else if (!held) {
    look = 0;
  }
}

void SaveAndQuitDialog::HoverYes(int32_t x, int32_t y) { Hover(kQuestionYes, yesLook, x, y); }
void SaveAndQuitDialog::HoverNo(int32_t x, int32_t y) { Hover(kQuestionNo, noLook, x, y); }

uint32_t SaveAndQuitDialog::Click(uint8_t id, int32_t x, int32_t y, InputDevice* mouse) {
  const QuestionButton& b = ButtonOf(id);
  if (!mouse || !Inside(id, x, y) || !FreshPressIn(*mouse, b.x, b.y, b.w, b.h)) return 0;
  pressedId = id;
  return 1;
}

uint32_t SaveAndQuitDialog::ClickYes(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kQuestionYes, x, y, mouse);
}
uint32_t SaveAndQuitDialog::ClickNo(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kQuestionNo, x, y, mouse);
}

void SaveAndQuitDialog::ClearHover() { hoverId = 0; }
