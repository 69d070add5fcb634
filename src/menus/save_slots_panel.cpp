#include "menus/save_slots_panel.h"

#include "menus/save_slots_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace pic = save_slots_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// Row geometry, slot n at index n - 1.
constexpr int32_t kButtonY[kSaveSlots] = {183, 267, 351, 435, 519};
constexpr int32_t kLoadingY[kSaveSlots] = {200, 284, 368, 448, 536};
constexpr int32_t kRowStep = 84;

// Fame: x offsets of the digits units first, by the number of digits shown.
constexpr int32_t kFameDigitX[5][5] = {
    {43}, {52, 33}, {62, 43, 26}, {77, 58, 39, 20}, {85, 66, 47, 28, 9},
};
// Day: the same for up to three digits.
constexpr int32_t kDayDigitX[3][3] = {
    {362},
    {379, 355},
    {398, 374, 350},
};

constexpr int32_t kNameCentre = 196;
constexpr int32_t kNameHalfAdvance = 11;  // letters 22 pixels apart
constexpr float kNameScale = 0.7f;

void Load(SpriteSheet* sheet, int index, const PictureFile& p) {
  sheet->LoadImage(index, p.path, p.frameWidth, p.frameHeight, p.colourKey, kFormatA1R5G5B5);
}

bool FreshPress(InputDevice* mouse) {
  return mouse && (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight));
}

// A fresh press that began on the button.
bool PressedOn(const SlotRect& r, InputDevice* mouse) {
  return mouse && FreshPressIn(*mouse, r.x, r.y, r.w, r.h);
}

bool Inside(const SlotRect& r, int32_t x, int32_t y) {
  return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0;
}

bool ValidSlot(int n) { return n >= 1 && n <= kSaveSlots; }

}  // namespace

SaveSlotsPanel::SaveSlotsPanel()
    : background(nullptr),
      sheet(nullptr),
      lettersHigh(nullptr),
      lettersLow(nullptr),
      summaryWanted{1, 1, 1, 1, 1},
      summaryDay{},
      summaryFame{},
      digits{},
      nameLast{},
      summaryName{},
      loadingSlot(0),
      slotUsed{1, 1, 1, 1, 1},
      slotUnreadable{},
      unreadableNotice(kNoUnreadableNotice),
      backLook(0),
      slotLooks{},
      held(0),
      pressedId(0),
      hoverId(0) {}

SaveSlotsPanel::~SaveSlotsPanel() { ReleaseArt(); }

void SaveSlotsPanel::LoadArt(GraphicsDevice* device) {
  ReleaseArt();
  background = new Texture;
  background->Load(device, pic::kBackground.path, pic::kBackground.colourKey, 0);
  sheet = NewSheet(device, pic::kSheetImages);
  for (int i = 0; i < pic::kSheetImages; ++i) Load(sheet, i, pic::kSheet[i]);
  lettersHigh = NewSheet(device, 1);
  Load(lettersHigh, 0, pic::kLettersHigh);
  lettersLow = NewSheet(device, 1);
  Load(lettersLow, 0, pic::kLettersLow);
}

void SaveSlotsPanel::ReleaseArt() {
  if (background) {
    background->Release();
    delete background;
    background = nullptr;
  }
  DeleteSheet(sheet);
  DeleteSheet(lettersHigh);
  DeleteSheet(lettersLow);
}

bool SaveSlotsPanel::Loadable(int n) const {
  return ValidSlot(n) && slotUsed[n - 1] && !slotUnreadable[n - 1];
}

bool SaveSlotsPanel::Damaged(int n) const {
  return ValidSlot(n) && slotUsed[n - 1] && slotUnreadable[n - 1];
}

void SaveSlotsPanel::MeasureNames() {
  for (int s = 0; s < kSaveSlots; ++s) {
    nameLast[s] = 0;
    for (int i = 0; i < kGlyphNameLength; ++i)
      if (summaryName[s][i] != 0) nameLast[s] = static_cast<uint8_t>(i);
  }
}

void SaveSlotsPanel::DrawRows() {
  for (int k = 0; k < 6; ++k)
    sheet->Draw(pic::kLine, 0, 0, 176 + kRowStep * k, kWhite, 12.5f, 1.0f);
  sheet->Draw(pic::kBack, backLook, kSlotBackButton.x, kSlotBackButton.y, kWhite, 1.0f, 1.0f);
}

void SaveSlotsPanel::DrawSlots() {
  for (int n = 1; n <= kSaveSlots; ++n) {
    sheet->Draw(pic::kSlotButton, slotLooks[n - 1], 470, kButtonY[n - 1], kWhite, 0.9f, 0.6f);
    sheet->Draw(pic::kButtonNumbers, n, 511, kButtonY[n - 1] + 23, kWhite, 1.0f, 1.0f);
  }
  for (int n = 1; n <= kSaveSlots; ++n) {
    const int32_t step = kRowStep * (n - 1);
    if (!slotUsed[n - 1]) {
      sheet->Draw(pic::kEmpty, 0, 240, 197 + step, kWhite, 0.8f, 0.8f);
    } else if (!slotUnreadable[n - 1]) {
      sheet->Draw(pic::kSaved, 0, 620, 193 + step, kWhite, 0.9f, 0.9f);
      sheet->Draw(pic::kSavedNumbers, n, 600, 200 + step, kWhite, 0.8f, 1.3f);
    }
  }
}

void SaveSlotsPanel::DrawLoad() {
  if (!sheet) return;
  DrawRows();
  if (background) background->Draw(322, 20, 0, 0, 0, 0, 1.4f, 1.2f, kWhite);
  sheet->Draw(pic::kLoadCaption, 0, 215, 110, kWhite, 1.4f, 0.9f);
  DrawSlots();
  if (ValidSlot(loadingSlot))
    sheet->Draw(pic::kLoading, 0, 255, kLoadingY[loadingSlot - 1], kWhite, 1.3f, 1.3f);
}

void SaveSlotsPanel::DrawNewGame() {
  if (!sheet) return;
  DrawRows();
  sheet->Draw(pic::kNoRoom, 0, 250, 50, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kPickFile, 0, 220, 100, kWhite, 1.0f, 1.0f);
  DrawSlots();
}

int SaveSlotsPanel::SummarySprites(int n, int32_t x, int32_t y, SlotSprite* out) {
  if (!ValidSlot(n) || loadingSlot == n) return 0;
  int count = 0;
  auto add = [&](SlotSheet from, int32_t image, int32_t frame, int32_t sx, int32_t sy, float scaleX,
                 float scaleY) {
    if (count < kMaxSummarySprites) out[count++] = {from, image, frame, sx, sy, scaleX, scaleY};
  };
  // The first cellCount letter cells, centred on x + 196 by the last one.
  auto letters = [&](const uint8_t* cells, int32_t last, int cellCount, int32_t ly) {
    for (int i = 0; i < cellCount; ++i) {
      const uint8_t c = cells[i];
      if (c == glyph::kCaret) continue;
      const int32_t lx = x + kNameCentre + kNameHalfAdvance * (2 * i - last);
      if (c < glyph::kCapitalA) {
        add(SlotSheet::kLettersLow, 0, c, lx, ly, kNameScale, kNameScale);
      } else {
        add(SlotSheet::kLettersHigh, 0, c - glyph::kCapitalA, lx, ly, kNameScale, kNameScale);
      }
    }
  };
  auto text = [&](const char* line, int32_t ly) {
    GlyphName cells;
    const int used = GlyphFromText(line, cells);
    if (used > 0) letters(cells, used - 1, used, ly);
  };

  if (Damaged(n)) {
    text(kDamagedSlotText, y + 30);
    if (unreadableNotice == n) text(kUnreadableSlotText, y - 2);
    return count;
  }
  if (!Loadable(n)) return 0;
  add(SlotSheet::kPanel, pic::kFameLabel, 0, x + 90, y - 2, 1.0f, 1.0f);
  add(SlotSheet::kPanel, pic::kDayLabel, 0, x + 290, y - 2, 1.0f, 1.0f);

  // The name, every cell of it.
  letters(summaryName[n - 1], nameLast[n - 1], kGlyphNameLength, y + 30);

  // The fame's last five digits, as many as its highest non-zero digit.
  uint32_t rest = summaryFame[n - 1];
  for (int i = 0; i < 5; ++i) {
    digits[i] = static_cast<uint8_t>(rest % 10);
    rest /= 10;
  }
  int shown = 1;
  for (int i = 1; i < 5; ++i)
    if (digits[i] != 0) shown = i + 1;
  for (int i = 0; i < shown; ++i)
    add(SlotSheet::kPanel, pic::kFameDigits, digits[i], x + kFameDigitX[shown - 1][i], y, 0.3f,
        0.35f);

  // The day: up to three digits.
  uint8_t* e = digits + 5;
  const uint8_t day = summaryDay[n - 1];
  e[0] = day % 10;
  e[1] = day / 10 % 10;
  e[2] = day / 100;
  shown = e[2] != 0 ? 3 : e[1] != 0 ? 2 : 1;
  for (int i = 0; i < shown; ++i)
    add(SlotSheet::kPanel, pic::kDayDigits, e[i], x + kDayDigitX[shown - 1][i], y - 4, 0.5f, 0.5f);
  return count;
}

void SaveSlotsPanel::DrawSlotSummaries() {
  for (int n = 1; n <= kSaveSlots; ++n) DrawSlotSummary(n, kSummaryX, kSummaryY[n - 1]);
}

void SaveSlotsPanel::DrawSlotSummary(int n, int32_t x, int32_t y) {
  SlotSprite sprites[kMaxSummarySprites];
  const int count = SummarySprites(n, x, y, sprites);
  for (int i = 0; i < count; ++i) {
    const SlotSprite& s = sprites[i];
    SpriteSheet* from = s.sheet == SlotSheet::kPanel        ? sheet
                        : s.sheet == SlotSheet::kLettersLow ? lettersLow
                                                            : lettersHigh;
    if (from) from->Draw(s.image, s.frame, s.x, s.y, kWhite, s.scaleX, s.scaleY);
  }
}

void SaveSlotsPanel::HoverSlot(int n, int32_t x, int32_t y) {
  if (!ValidSlot(n)) return;
  if (Inside(kSlotButtons[n - 1], x, y)) {
    hoverId = static_cast<uint8_t>(n);
    if (!held) slotLooks[n - 1] = 1;
  } else if (!held) {
    slotLooks[n - 1] = 0;
  }
}

void SaveSlotsPanel::HoverBack(int32_t x, int32_t y) {
  if (Inside(kSlotBackButton, x, y)) {
    hoverId = kSlotBack;
    if (!held) backLook = 1;
  } else if (!held) {
    backLook = 0;
  }
}

uint32_t SaveSlotsPanel::ClickSlot(int n, int32_t x, int32_t y, InputDevice* mouse) {
  if (!ValidSlot(n) || !Inside(kSlotButtons[n - 1], x, y) || !PressedOn(kSlotButtons[n - 1], mouse))
    return 0;
  pressedId = static_cast<uint8_t>(n);
  return 1;
}

uint32_t SaveSlotsPanel::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  if (!Inside(kSlotBackButton, x, y) || !PressedOn(kSlotBackButton, mouse)) return 0;
  pressedId = kSlotBack;
  return 1;
}

void SaveSlotsPanel::ClearHover() { hoverId = 0; }

uint8_t SaveSlotsPanel::TakeMouse(int32_t x, int32_t y, InputDevice* mouse) {
  for (int n = 1; n <= kSaveSlots; ++n) HoverSlot(n, x, y);
  HoverBack(x, y);
  if (FreshPress(mouse)) {
    for (int n = 1; n <= kSaveSlots; ++n) {
      if (ClickSlot(n, x, y, mouse)) {
        slotLooks[n - 1] = 2;
        held = 1;
      }
    }
    if (ClickBack(x, y, mouse)) {
      backLook = 2;
      held = 1;
    }
  }
  const uint8_t pressed = pressedId;
  if (pressed == 0 || (hoverId == pressed && !WaitForMouseRelease(mouse))) return 0;
  held = 0;
  pressedId = 0;
  return pressed;
}
