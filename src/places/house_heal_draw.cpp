// The pictures of the place's mending: the raising popup and the strength
// popup with a before/after cell per army that changed, and the three notes
// of the Heal button.

#include "places/house_art.h"
#include "places/house_draw.h"
#include "places/house_screen.h"
#include "platform/sprite_sheet.h"

using namespace house_art;

namespace {

void Put(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
         float scaleY) {
  if (sheet) sheet->Draw(image, frame, x, y, house_draw::kWhite, scaleX, scaleY);
}

constexpr int32_t kTextW = 400;
constexpr int32_t kTextH = 32;

// A cell of slot s: two columns of three rows.
constexpr int32_t kCellX = 130;
constexpr int32_t kCellDx = 250;
constexpr int32_t kCellY = 200;
constexpr int32_t kCellDy = 130;
constexpr float kIconScale = 0.86f;
constexpr int32_t kAfterDx = 90;  // the second icon and the count after
constexpr int32_t kArrowDx = 64;
constexpr int32_t kArrowDy = 25;
constexpr float kArrowScaleX = 0.9f;
constexpr float kArrowScaleY = 1.1f;
constexpr int32_t kDigitsDy = 54;
constexpr float kDigitScale = 0.8f;
constexpr int32_t kOneDigitDx = 22;
constexpr int32_t kOnesDx = 28;
constexpr int32_t kTensDx = 13;
constexpr int kDecimal = 10;
constexpr int kTwoDigitLimit = 100;

// A count below 100 in digits; from 100 none.
void DrawCount(SpriteSheet* sheet, int count, int32_t x, int32_t y) {
  if (count < kDecimal) {
    Put(sheet, kButtonsCellDigits, count, x + kOneDigitDx, y, kDigitScale, kDigitScale);
  } else if (count < kTwoDigitLimit) {
    Put(sheet, kButtonsCellDigits, count % kDecimal, x + kOnesDx, y, kDigitScale, kDigitScale);
    Put(sheet, kButtonsCellDigits, count / kDecimal, x + kTensDx, y, kDigitScale, kDigitScale);
  }
}

// The cells of the slots flagged in `shown`, with the popup's arrow.
void DrawCells(const HouseScreen& h, const uint8_t (&shown)[kHouseArmySlots], int arrow) {
  for (int s = 0; s < kHouseArmySlots; ++s) {
    if (!shown[s]) continue;
    const int32_t x = kCellX + kCellDx * (s % 2);
    const int32_t y = kCellY + kCellDy * (s / 2);
    Put(h.armyIcons, h.armyKind[s], 0, x, y, kIconScale, kIconScale);
    DrawCount(h.buttons, h.armyCountBefore[s], x, y + kDigitsDy);
    Put(h.buttons, arrow, 0, x + kArrowDx, y + kArrowDy, kArrowScaleX, kArrowScaleY);
    Put(h.armyIcons, h.armyKind[s], 0, x + kAfterDx, y, kIconScale, kIconScale);
    DrawCount(h.buttons, h.armyCount[s], x + kAfterDx, y + kDigitsDy);
  }
}

// The heal notes' box and lines.
constexpr int32_t kNoteX = 180;
constexpr int32_t kNoteY = 200;
constexpr float kNoteScaleX = 5.6f;
constexpr float kNoteScaleY = 1.8f;
constexpr float kShortNoteScaleY = 1.1f;
constexpr int32_t kNoteTextX = 220;
constexpr int32_t kNoteTextW = 500;

}  // namespace

void HouseScreen::DrawHealPopup() {
  using house_draw::Box;
  using house_draw::Line;
  if (raisedNote == 1) {
    Box(*this, 115, 145, 6.7f, 6.6f);
    Line(*this, "All downed armies have been raised.", 150, 154, kTextW, kTextH);
    Line(*this, "(Fame -1)", 150, 175, kTextW, kTextH);
    if (fameLoss == 0) fameLoss = kFameRaised;
  }
  if (grewNote) {
    if (raisedNote == 0) {
      Box(*this, 115, 150, 6.7f, 7.5f);
      Line(*this, "Due to higher training and equipment", 150, 165, kTextW, kTextH);
    }
    DrawCells(*this, armyGrew, kButtonsBelowFullArrow);
  }
  if (raisedNote) DrawCells(*this, armyRaised, kButtonsRaisedArrow);
}

void HouseScreen::DrawHealNotes() {
  using house_draw::Box;
  using house_draw::Line;
  if (healUnpaidNote && !healRefused) {
    Box(*this, kNoteX, kNoteY, kNoteScaleX, kNoteScaleY);
    Line(*this, "0 gold paid", kNoteTextX, 220, kNoteTextW, kTextH);
    Line(*this, "Nobody was hurt", kNoteTextX, 260, kNoteTextW, kTextH);
  }
  if (healUnpaidNote && healRefused) {
    Box(*this, kNoteX, kNoteY, kNoteScaleX, kShortNoteScaleY);
    Line(*this, "You don't have enough gold", kNoteTextX, 224, kNoteTextW, kTextH);
  }
  if (healPaidNote) {
    Box(*this, kNoteX, kNoteY, kNoteScaleX, kNoteScaleY);
    house_draw::Amount(*this, int32_t(healPrice), kNoteTextX, 220, 100, 100);
    Line(*this, "gold paid", 250, 220, 200, kTextH);
    Line(*this, "Everyone has been healed.", kNoteTextX, 260, kNoteTextW, kTextH);
  }
}
