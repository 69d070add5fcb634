#include "map/control_bar.h"

#include "map/control_bar_picture.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace {

struct BarPicture {
  const char* path;
  int16_t frameWidth, frameHeight;
  uint32_t colourKey;
};

constexpr int kSheetImages = 20;
constexpr BarPicture kBarFiles[16] = {
    {"Art\\Controls\\Button3.bmp", 64, 64, 0},
    {"Art\\Controls\\ButtonQuit.bmp", 64, 32, 0},
    {"Art\\Controls\\ButtonSave.bmp", 64, 32, 0},
    {"Art\\Controls\\ButtonHide.bmp", 64, 32, 0},
    {"Art\\Controls\\Button4.bmp", 64, 32, 0},
    {"Art\\Controls\\ButtonShow.bmp", 64, 32, 0},
    {"Art\\Controls\\Write1.bmp", 64, 32, 0xFF000000u},
    {"Art\\Controls\\Picture1.bmp", 64, 32, 0xFF000000u},
    {"Art\\Controls\\Portrait.bmp", 64, 64, 0xFF00FF00u},
    {"Art\\Controls\\Fire2.bmp", 32, 32, 0xFF000000u},
    {"Art\\You\\Numbers.bmp", 32, 32, 0xFF000000u},
    {"Art\\Controls\\Numbers1.bmp", 32, 32, 0xFF000000u},
    {"Art\\Heroes\\Back1.bmp", 256, 256, 0},
    {"Art\\Controls\\Button51.bmp", 64, 32, 0},
    {"Art\\Controls\\WriteOptions.bmp", 128, 32, 0xFF000000u},
    {"Art\\Controls\\Options.bmp", 64, 32, 0xFFFF0000u},
};

struct BarButton {
  uint8_t id;
  int32_t x, y, w, h;
  uint8_t ControlBar::*look;
};

// In the order the hover and click tests go through them.
const BarButton kMapButtons[8] = {
    {kBarEndDay, 678, 440, 96, 42, &ControlBar::endDayLook},
    {kBarHideShow, 726, 12, 64, 32, &ControlBar::buttonLook},
    {kBarSaveQuit, 650, 12, 64, 32, &ControlBar::quitLook},
    {kBarPlayer, 659, 100, 256, 70, &ControlBar::playerLook},
    {kBarHeroes, 659, 170, 256, 70, &ControlBar::heroesLook},
    {kBarWealth, 659, 240, 256, 70, &ControlBar::wealthLook},
    {kBarQuestLog, 659, 310, 256, 70, &ControlBar::questLogLook},
    {kBarOptions, 678, 390, 96, 37, &ControlBar::optionsLook},
};

const BarButton kPartyToggle = {kBarPartyToggle, 485, 140, 64, 32, &ControlBar::buttonLook};

// The panels reach past the screen's right edge; only the part on the
// screen counts.
int32_t ShownWidth(const BarButton& b) { return b.x + b.w > 800 ? 800 - b.x : b.w; }

bool Over(const BarButton& b, int32_t x, int32_t y) {
  return PointInRect(b.x, b.y, ShownWidth(b), b.h, x, y) != 0;
}

void HoverButton(ControlBar& bar, const BarButton& b, int32_t x, int32_t y) {
  if (Over(b, x, y)) {
    bar.hoverId = b.id;
    if (!bar.buttonHeld) bar.*b.look = 1;
  } else if (!bar.buttonHeld) {
    bar.*b.look = 0;
  }
}

// A press of the button's own: one that began elsewhere and was moved onto
// it is not.
bool FreshPressOn(const BarButton& b, InputDevice* mouse) {
  return mouse != nullptr && FreshPressIn(*mouse, b.x, b.y, ShownWidth(b), b.h);
}

uint32_t ClickButton(ControlBar& bar, const BarButton& b, int32_t x, int32_t y,
                     InputDevice* mouse) {
  if (!Over(b, x, y) || !FreshPressOn(b, mouse)) return 0;
  bar.pressedId = b.id;
  bar.*b.look = 2;
  return 1;
}

void Put(MapSpriteSink& sink, int image, int frame, int32_t x, int32_t y, float sx, float sy) {
  sink.Sprite({image, frame, x, y, sx, sy});
}

}  // namespace

ControlBar::ControlBar()
    : sheet(nullptr),
      fireStartMs(0),
      firePhase(1),
      fireFrame(0),
      hidePending(0),
      portrait(1),
      hideShowState(1),
      buttonLook(0),
      quitLook(0),
      playerLook(0),
      heroesLook(0),
      wealthLook(0),
      questLogLook(0),
      endDayLook(0),
      optionsLook(0),
      pressedId(0),
      hoverId(0),
      buttonHeld(0) {}

// The bar lives for the whole run; should it be deleted, its sheet goes
// with it rather than leaking.
ControlBar::~ControlBar() { DeleteSheet(sheet); }

uint32_t ControlBar::LoadArt(GraphicsDevice* device) {
  DeleteSheet(sheet);
  sheet = new SpriteSheet();
  sheet->Init(device, kSheetImages);
  sheet->SetAlphaTest(1);
  uint32_t result = 0;
  for (int i = 0; i < 16; ++i) {
    const BarPicture& p = kBarFiles[i];
    result = sheet->LoadImage(i, p.path, p.frameWidth, p.frameHeight, p.colourKey, kFormatA1R5G5B5);
  }
  return result;
}

void ControlBar::Hover(int32_t x, int32_t y) {
  for (const BarButton& b : kMapButtons) HoverButton(*this, b, x, y);
}

void ControlBar::HoverHideShowButton(int32_t x, int32_t y) {
  HoverButton(*this, kPartyToggle, x, y);
}

uint32_t ControlBar::Click(int32_t x, int32_t y, InputDevice* mouse) {
  for (const BarButton& b : kMapButtons) {
    if (ClickButton(*this, b, x, y, mouse)) return 1;
  }
  return 0;
}

uint32_t ControlBar::ClickHideShowButton(int32_t x, int32_t y, InputDevice* mouse) {
  return ClickButton(*this, kPartyToggle, x, y, mouse);
}

uint32_t ControlBar::PressBeganOnButton(const InputDevice& mouse) const {
  if (!mouse.pressKnown) return 0;
  for (const BarButton& b : kMapButtons) {
    if (!hideShowState && b.id != kBarHideShow) continue;
    if (mouse.PressBeganIn(b.x, b.y, ShownWidth(b), b.h)) return 1;
  }
  return 0;
}

void ControlBar::ClearHover() { hoverId = 0; }

void ControlBar::Animate() {
  const uint32_t now = timeGetTime();
  if (firePhase == 1) {
    fireStartMs = now;
    firePhase = 2;
  }
  // Elapsed time, so the step keeps its length when the clock wraps round.
  if (firePhase == 2 && now - fireStartMs > 200u) {
    firePhase = 1;
    fireFrame = uint8_t(fireFrame + 1);
    if (fireFrame >= 8) fireFrame = 0;
  }
}

void EmitControlBar(const ControlBar& bar, MapSpriteSink& sink) {
  if (bar.hideShowState == 0) {
    Put(sink, kBarButtonShow, bar.buttonLook, 726, 12, 1.0f, 1.0f);
    return;
  }
  Put(sink, kBarButtonHide, bar.buttonLook, 726, 12, 1.0f, 1.0f);
  Put(sink, kBarButtonQuit, bar.quitLook, 650, 12, 1.0f, 1.0f);
  Put(sink, kBarButtonPanel, bar.playerLook, 659, 100, 2.0f, 1.09375f);
  Put(sink, kBarButtonPanel, bar.heroesLook, 659, 170, 2.0f, 1.09375f);
  Put(sink, kBarButtonPanel, bar.wealthLook, 659, 240, 2.0f, 1.09375f);
  Put(sink, kBarButtonPanel, bar.questLogLook, 659, 310, 2.0f, 1.09375f);
  Put(sink, kBarButtonEndDay, bar.endDayLook, 678, 440, 1.5f, 1.3f);

  if (bar.playerLook == 0) {
    Put(sink, kBarPortrait, bar.portrait, 691, 109, 1.0f, 1.0f);
  } else {
    Put(sink, kBarCaptions, 0, 685, 115, 1.2f, 1.2f);
  }
  if (bar.heroesLook == 0) {
    Put(sink, kBarPictures, 0, 688, 186, 1.1f, 1.1f);
  } else {
    Put(sink, kBarCaptions, 1, 685, 174, 1.2f, 1.2f);
    Put(sink, kBarCaptions, 2, 683, 195, 1.1f, 1.2f);
    Put(sink, kBarCaptions, 6, 747, 196, 1.2f, 1.2f);
  }
  if (bar.wealthLook == 0) {
    Put(sink, kBarPictures, 1, 688, 255, 1.1f, 1.1f);
  } else {
    Put(sink, kBarCaptions, 1, 685, 244, 1.2f, 1.2f);
    Put(sink, kBarCaptions, 5, 684, 269, 1.2f, 1.17f);
  }
  if (bar.questLogLook == 0) {
    Put(sink, kBarFire, bar.fireFrame, 708, 325, 1.0f, 1.0f);
  } else {
    Put(sink, kBarCaptions, 1, 685, 314, 1.2f, 1.2f);
    Put(sink, kBarCaptions, 7, 684, 335, 1.2f, 1.17f);
  }
  if (bar.optionsLook == 0) {
    Put(sink, kBarOptionsButton, 0, 678, 390, 1.5f, 1.15f);
    Put(sink, kBarOptionsIcon, 0, 686, 392, 1.3f, 1.15f);
  } else {
    Put(sink, kBarOptionsButton, bar.optionsLook, 678, 390, 1.5f, 1.15f);
    Put(sink, kBarOptionsCaption, 0, 680, 394, 0.9f, 1.0f);
  }
}

void EmitHideShowButton(const ControlBar& bar, MapSpriteSink& sink) {
  Put(sink, bar.hideShowState == 0 ? kBarButtonShow : kBarButtonHide, bar.buttonLook, 485, 140,
      1.0f, 1.0f);
}

void ControlBar::Draw() {
  if (sheet == nullptr) return;
  SheetSpriteSink sink(sheet);
  EmitControlBar(*this, sink);
}

void ControlBar::DrawHideShowButton() {
  if (sheet == nullptr) return;
  SheetSpriteSink sink(sheet);
  EmitHideShowButton(*this, sink);
}
