#include "menus/main_menu_screen.h"

#include "menus/main_menu_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace pic = main_menu_picture;

namespace {

const MenuButton& ButtonOf(uint8_t id) { return kMenuButtons[id - 1]; }

bool Inside(const MenuButton& b, int32_t x, int32_t y) {
  return PointInRect(b.x, b.y, b.w, b.h, x, y) != 0;
}

// Captions are drawn in this order.
constexpr uint8_t kCaptionOrder[kMenuButtonCount] = {kMenuNewGame, kMenuLoad, kMenuHallOfFame,
                                                     kMenuCredits, kMenuHelp, kMenuQuit};

}  // namespace

MainMenuScreen::MainMenuScreen()
    : sheet(nullptr), look{}, clickedId(0), hoveredId(0), pressLock(0) {}

MainMenuScreen::~MainMenuScreen() { ReleaseArt(); }

void MainMenuScreen::LoadArt(GraphicsDevice* device) {
  DeleteSheet(sheet);
  sheet = new SpriteSheet;
  sheet->Init(device, pic::kSheetImages);
  sheet->SetAlphaTest(1);
  for (int i = 0; i < pic::kPictureCount; ++i) {
    const PictureFile& p = pic::kPictures[i];
    sheet->LoadImage(i, p.path, p.frameWidth, p.frameHeight, p.colourKey, kFormatA1R5G5B5);
  }
}

void MainMenuScreen::ReleaseArt() { DeleteSheet(sheet); }

void MainMenuScreen::Draw() {
  if (!sheet) return;
  sheet->Draw(pic::kCastle, 0, 0, 0, 0xFFFFFFFF, 1.5625f, 1.17185f);
  sheet->Draw(pic::kButtonStrip, 0, 0, pic::kStripY, 0xFFFFFFFF, pic::kStripScaleX, 1.0f);
  for (uint8_t id : kCaptionOrder) {
    const int image = look[id - 1] == kLookHovered ? pic::kCaptionsLit : pic::kCaptions;
    for (const MenuCaption& c : ButtonOf(id).captions) {
      if (c.frame < 0) continue;
      sheet->Draw(image, c.frame, c.x, c.y, kMenuCaptionColour, kMenuCaptionScale,
                  kMenuCaptionScale);
    }
  }
}

void MainMenuScreen::Hover(uint8_t id, int32_t x, int32_t y) {
  if (Inside(ButtonOf(id), x, y)) {
    if (!pressLock) look[id - 1] = kLookHovered;
    hoveredId = id;
  } else if (!pressLock) {
    look[id - 1] = kLookNormal;
  }
}

uint32_t MainMenuScreen::Click(uint8_t id, int32_t x, int32_t y, InputDevice* mouse) {
  const MenuButton& b = ButtonOf(id);
  if (!mouse || !Inside(b, x, y) || !FreshPressIn(*mouse, b.x, b.y, b.w, b.h)) return 0;
  clickedId = id;
  return 1;
}

void MainMenuScreen::HoverNewGame(int32_t x, int32_t y) { Hover(kMenuNewGame, x, y); }
void MainMenuScreen::HoverHallOfFame(int32_t x, int32_t y) { Hover(kMenuHallOfFame, x, y); }
void MainMenuScreen::HoverLoad(int32_t x, int32_t y) { Hover(kMenuLoad, x, y); }
void MainMenuScreen::HoverHelp(int32_t x, int32_t y) { Hover(kMenuHelp, x, y); }
void MainMenuScreen::HoverCredits(int32_t x, int32_t y) { Hover(kMenuCredits, x, y); }
void MainMenuScreen::HoverQuit(int32_t x, int32_t y) { Hover(kMenuQuit, x, y); }

uint32_t MainMenuScreen::ClickNewGame(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuNewGame, x, y, mouse);
}
uint32_t MainMenuScreen::ClickHallOfFame(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuHallOfFame, x, y, mouse);
}
uint32_t MainMenuScreen::ClickLoad(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuLoad, x, y, mouse);
}
uint32_t MainMenuScreen::ClickHelp(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuHelp, x, y, mouse);
}
uint32_t MainMenuScreen::ClickCredits(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuCredits, x, y, mouse);
}
uint32_t MainMenuScreen::ClickQuit(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kMenuQuit, x, y, mouse);
}

uint32_t MainMenuScreen::WaitForRelease(InputDevice* mouse) { return WaitForMouseRelease(mouse); }

void MainMenuScreen::ClearHover() { hoveredId = 0; }
