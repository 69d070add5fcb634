#include "menus/credits_screen.h"

#include "app/game_app.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

// Captions in a left column at x 200, the credited entries at x 380.
const CreditLine kCreditLines[kCreditLineCount] = {
    {"Programmed by:", 200, 110, 200},
    {"The Qorv team", 380, 110, 220},
    {"qorv.example.org", 380, 140, 280},
    {"Art by:", 200, 195, 200},
    {"The Qorv team", 380, 195, 220},
    {"Liberation fonts", 380, 265, 220},
    {"by Red Hat, Inc.", 380, 335, 380},
    {"github.com/liberationfonts", 380, 365, 380},
    {"Music by:", 200, 430, 200},
    {"The Qorv team", 380, 430, 200},
    {"qorv.example.org/music", 380, 460, 300},
    {"Sound effects by:", 200, 500, 200},
    {"qorv.example.org/sfx", 380, 500, 220},
};

CreditsScreen::CreditsScreen()
    : sheet(nullptr), backLook(0), hoverId(0), pressedId(0), held(0), font(nullptr) {}

CreditsScreen::~CreditsScreen() { ReleaseArt(); }

void CreditsScreen::LoadArt(GraphicsDevice* device) {
  sheet = new SpriteSheet;
  sheet->Init(device, 2);
  sheet->SetAlphaTest(1);
  sheet->LoadImage(0, "Art\\Menu\\Back15Back.bmp", 256, 256, 0, kFormatA1R5G5B5);
  sheet->LoadImage(1, "Art\\Controls\\ButtonBack.bmp", 64, 32, 0, kFormatA1R5G5B5);
  font = new TextFont;
  font->Create(device, "Arial", 20, 0, 0, 0, 0);
  font->Begin();
}

void CreditsScreen::ReleaseArt() {
  DeleteSheet(sheet);
  DeleteFont(font);
}

void CreditsScreen::HoverBack(int32_t x, int32_t y) {
  if (PointInRect(kCreditsBackX, kCreditsBackY, kCreditsBackW, kCreditsBackH, x, y)) {
    hoverId = 1;
    if (!held) backLook = 1;
  } else if (!held) {
    backLook = 0;
  }
}

uint32_t CreditsScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse) return 0;
  if (!mouse->ButtonPressed(kMouseLeft) && !mouse->ButtonPressed(kMouseRight)) return 0;
  if (!PointInRect(kCreditsBackX, kCreditsBackY, kCreditsBackW, kCreditsBackH, x, y)) return 0;
  pressedId = 1;
  backLook = 2;
  return 1;
}

void CreditsScreen::DrawBackground() {
  if (sheet) sheet->Draw(0, 0, 0, 0, 0xFFFFFFFF, 3.125f, 2.34375f);
}

void CreditsScreen::DrawBack() {
  if (sheet) sheet->Draw(1, backLook, kCreditsBackX, kCreditsBackY, 0xFFFFFFFF, 1.0f, 1.0f);
}

void CreditsScreen::DrawCredits() {
  if (!font) return;
  for (const CreditLine& line : kCreditLines)
    font->DrawText(line.text, line.x, line.y, line.w, 30, kCreditsTextColour, 0);
}

void CreditsScreen::ClearHover() { hoverId = 0; }

// The credits follow the frame of every screen procedure step by step; the
// other screens add their own steps in the same places.
void GameApp::CreditsProc() {
  // Entry reset, frame timing, cursor, scene.
  BeginScreenFrame();

  // The screen's object on its first frame.
  if (!creditsScreen) {
    creditsScreen = new CreditsScreen;
    creditsScreen->LoadArt(&graphics);
  }
  CreditsScreen* screen = creditsScreen;

  // Keys: Backspace and Escape go back.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyBackspace)) {
    keyboard.SetLatch(kKeyBackspace, 1);
    screenProc = GoMainMenu;
    screenEntered = 1;
    leaveCode = 1;
  }
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    screenProc = GoMainMenu;
    screenEntered = 1;
    leaveCode = 1;
  }

  // Hover and click.
  screen->HoverBack(cursor.x, cursor.y);
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    if (screen->ClickBack(cursor.x, cursor.y, &cursor.mouse)) screen->held = 1;
  }
  if (screen->pressedId == 1) {
    if (screen->hoverId != 1 || WaitForMouseRelease(&cursor.mouse)) {
      screenProc = GoMainMenu;
      screenEntered = 1;
      leaveCode = 1;
      screen->held = 0;
      screen->pressedId = 0;
    }
  }

  // Drawing.
  screen->DrawBackground();
  screen->DrawBack();
  screen->ClearHover();

  UpdateScreenClock();
  screen->DrawCredits();

  // Leaving: the object goes.
  if (leaveCode != 0) {
    screen->ReleaseArt();
    delete screen;
    creditsScreen = nullptr;
  }

  EndScreenFrame();
}
