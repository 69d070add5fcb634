#include "menus/credits_screen.h"

#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

// Captions in a left column at x 200, the credited entries at x 380: who
// wrote the game, and the Debian packages it is built on and plays with.
// Every picture, piece of music and sound effect is made by the game's own
// generator (tools/assetgen) when it is built; the music is played through
// the General MIDI sound font, and the letters, on the screens and in the
// pictures, are Liberation Sans and Liberation Mono.
const CreditLine kCreditLines[kCreditLineCount] = {
    {"Programmed by:", 200, 110, 200},
    {"The Qorv developers", 380, 110, 220},
    {"libsdl2, libsdl2-mixer, libsdl2-ttf", 380, 140, 280},
    {"Art by:", 200, 195, 200},
    {"Qorv's own generator", 380, 195, 220},
    {"Fonts: Liberation Sans", 380, 265, 220},
    {"and Liberation Mono,", 380, 335, 380},
    {"from the package fonts-liberation2", 380, 365, 380},
    {"Music by:", 200, 430, 200},
    {"Qorv's own generator", 380, 430, 200},
    {"played with timgm6mb-soundfont", 380, 460, 300},
    {"Sound effects by:", 200, 500, 200},
    {"Qorv's own generator", 380, 500, 220},
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
  if (!FreshPressIn(*mouse, kCreditsBackX, kCreditsBackY, kCreditsBackW, kCreditsBackH)) return 0;
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
