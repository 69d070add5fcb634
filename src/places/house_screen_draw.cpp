// The place screen's own drawing: the place picture with its four buttons,
// name plate and portrait, the army panel and the selected army's box; and
// the boxes and lines every box of the screen is drawn with.

#include "places/house_draw.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

using namespace house_art;

namespace {

// Draws frame `frame` of image `image`; a sheet that was never created draws
// nothing, as an image without a picture does.
void Put(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
         float scaleY) {
  if (sheet) sheet->Draw(image, frame, x, y, house_draw::kWhite, scaleX, scaleY);
}

void Put(SpriteSheet* sheet, int image, int frame, const Spot& at) {
  Put(sheet, image, frame, at.x, at.y, at.scaleX, at.scaleY);
}

// The place picture fills the 634 x 600 left of the screen.
constexpr float kViewScaleX = 1.2383f;
constexpr float kViewScaleY = 1.171875f;

// One of the four right-hand buttons: its back takes the look as its frame;
// idle it shows its icon, hovered or pressed its caption.
struct RightButton {
  uint8_t HouseScreen::*look;
  int32_t y;
  int icon;
  Spot iconAt;  // the Recruit icon's spot is the place's own
  int caption;
  Spot captionAt;
};

constexpr float kRightBackScaleX = 1.3f;
constexpr float kRightBackScaleY = 1.25f;
constexpr Spot kNoSpot = {0, 0, 1.0f, 1.0f};
constexpr Spot kHealPriceAt = {660, 124, 0.9f, 0.9f};

constexpr RightButton kRightButtons[] = {
    {&HouseScreen::lookLeave,
     0,
     kButtonsLeaveIcon,
     {680, 6, 1.0f, 1.0f},
     kButtonsLeaveCaption,
     {645, 20, 1.1f, 1.1f}},
    {&HouseScreen::lookHeal,
     80,
     kButtonsHealIcon,
     {680, 93, 1.0f, 1.0f},
     kButtonsHealCaption,
     {645, 86, 1.1f, 1.1f}},
    {&HouseScreen::lookRecruit,
     160,
     kButtonsRecruitIcon,
     kNoSpot,
     kButtonsRecruitCaption,
     {645, 185, 1.1f, 1.1f}},
    {&HouseScreen::lookTalk,
     240,
     kButtonsTalkIcon,
     {680, 250, 0.9f, 0.9f},
     kButtonsTalkCaption,
     {675, 265, 1.1f, 1.1f}},
};

constexpr Spot kPortraitFrameAt = {634, 320, 1.2969f, 1.09375f};
constexpr Spot kPortraitAt = {680, 320, 0.54f, 0.54f};

// The spots of the place's name plate, kind caption and Recruit icon. They
// are the same for every place of a kind, so a village or town number
// outside its range takes its kind's.
const house_art::Place& SpotsOf(PlaceKind kind, uint8_t number) {
  int index = PlaceIndex(kind, number);
  if (index < 0) index = PlaceIndex(kind, 1);
  return house_art::kPlaces[index];
}

// ---- the army panel

constexpr float kCellScaleX = 1.3f;
constexpr float kCellScaleY = 1.09375f;
constexpr float kCellIconScale = 0.8f;
constexpr float kCountScaleX = 0.8f;
constexpr float kCountScaleY = 0.7f;
constexpr float kWoundScale = 0.5f;
constexpr float kArrowScaleX = 0.5f;
constexpr float kArrowScaleY = 0.8f;

// Where a cell's pictures go, by its column (cells 0, 2, 4 on the left,
// 1, 3, 5 on the right) and relative to the cell's top.
struct CellColumn {
  int32_t iconX;
  int32_t oneDigitX, unitsX, tensX;
  int32_t woundX[3];
  int32_t arrowX;
};
constexpr CellColumn kCellColumns[2] = {
    {649, 668, 675, 660, {636, 700, 636}, 698},
    {733, 752, 759, 744, {720, 784, 720}, 782},
};
constexpr int32_t kWoundDy[3] = {2, 2, 53};
constexpr int32_t kDigitsDy = 48;
constexpr int32_t kArrowDy = 40;

// A soldier count: one digit below 10, units and tens below 100, nothing
// from 100.
constexpr int kDecimal = 10;
constexpr int kTwoDigitLimit = 100;

// The selected army's box.
constexpr Spot kArmyBoxAt = {160, 100, 4.6f, 2.7f};
constexpr Spot kBoxIconAt = {270, 140, 0.89f, 0.89f};
constexpr Spot kDisbandAt = {340, 142, 1.4f, 1.0f};
constexpr Spot kNameAt = {186, 142, 1.2f, 1.0f};

// A name centred on x 296: letter j at 296 + 12 j - 6 * (last letter's index).
constexpr int32_t kNameCentreX = 296;
constexpr int32_t kLetterStep = 12;
constexpr int32_t kNameY = 110;
constexpr float kLetterScaleX = 0.75f;
constexpr float kLetterScaleY = 0.9f;

// The four values: digits right-aligned on a units column, tens 15 and
// hundreds 30 to its left; at most the last three digits.
constexpr float kValueScale = 0.8f;
constexpr int32_t kDigitStep = 15;
constexpr int kHundreds = 100;

struct ValueLabel {
  int32_t unitsDx, dy;
  uint8_t stat;  // hoveredStat that shows the caption
  int caption;
  int32_t captionDx;
  float captionScaleX, captionScaleY;
  int icon;
  int32_t iconDx;
  float iconScale;
};
constexpr ValueLabel kValueLabels[4] = {
    {30, 0, house_layout::kStatAttack, kButtonsAttackCaption, 49, 0.8f, 0.8f, kButtonsAttackIcon,
     52, 0.8f},
    {30, 32, house_layout::kStatShield, kButtonsShieldCaption, 47, 0.7f, 0.8f, kButtonsShieldIcon,
     52, 0.8f},
    {160, 0, house_layout::kStatTraining, kButtonsTrainingCaption, 177, 0.8f, 0.87f,
     kButtonsTrainingIcon, 182, 0.8f},
    {160, 32, house_layout::kStatEquipment, kButtonsEquipmentCaption, 176, 0.69f, 0.87f,
     kButtonsEquipmentIcon, 182, 0.9f},
};

// A value's digits. A value below 0 has no digits to show and shows none.
void DrawValue(SpriteSheet* sheet, int32_t value, int32_t unitsX, int32_t y) {
  if (value < 0) return;
  Put(sheet, kButtonsValueDigits, value % kDecimal, unitsX, y, kValueScale, kValueScale);
  if (value >= kDecimal)
    Put(sheet, kButtonsValueDigits, value / kDecimal % kDecimal, unitsX - kDigitStep, y,
        kValueScale, kValueScale);
  if (value >= kHundreds)
    Put(sheet, kButtonsValueDigits, value / kHundreds % kDecimal, unitsX - 2 * kDigitStep, y,
        kValueScale, kValueScale);
}

}  // namespace

void HouseScreen::DrawPlace() {
  Put(placePictures, kPlaceView, 0, 0, 0, kViewScaleX, kViewScaleY);
  const house_art::Place& spots = SpotsOf(placeKind, placeNumber);
  // The four backs first, then what each shows on its back.
  for (const RightButton& b : kRightButtons)
    Put(buttons, kButtonsBack, this->*b.look, house_layout::kRightButtonX, b.y, kRightBackScaleX,
        kRightBackScaleY);
  for (const RightButton& b : kRightButtons) {
    const uint8_t look = this->*b.look;
    if (look == house_art::kLookIdle) {
      Put(buttons, b.icon, 0, b.icon == kButtonsRecruitIcon ? spots.recruitIconAt : b.iconAt);
      continue;
    }
    Put(buttons, b.caption, 0, b.captionAt);
    if (b.caption != kButtonsHealCaption) continue;
    // Only the two prices a place asks have a caption.
    if (healPrice == kHealPriceFull) Put(buttons, kButtonsHealPrice10, 0, kHealPriceAt);
    if (healPrice == kHealPriceJoined) Put(buttons, kButtonsHealPrice2, 0, kHealPriceAt);
  }
  Put(placePictures, kPlaceNamePlate, 0, spots.plateAt);
  Put(placePictures, kPlaceKindCaption, 0, spots.captionAt);
  Put(buttons, kButtonsPortraitFrame, 0, kPortraitFrameAt);
  Put(portrait, 0, 0, kPortraitAt);
}

void HouseScreen::DrawMainPanel(int32_t x, int32_t y) {
  using house_layout::kArmyCells;
  using house_layout::kCellX;
  using house_layout::kCellY;
  for (int p = 0; p < kArmyCells; ++p)
    Put(buttons, kButtonsArmyCell, 0, kCellX[p], kCellY[p], kCellScaleX, kCellScaleY);

  for (int s = 0; s < kHouseArmySlots; ++s) {
    if (!armyUsed[s]) continue;
    const int p = armyPlace[s];
    if (p >= kArmyCells) continue;
    const CellColumn& c = kCellColumns[p % 2];
    const int32_t top = kCellY[p];
    Put(armyIcons, armyKind[s], 0, c.iconX, top, kCellIconScale, kCellIconScale);
    const int count = armyCount[s];
    if (count < kDecimal) {
      Put(buttons, kButtonsCellDigits, count, c.oneDigitX, top + kDigitsDy, kCountScaleX,
          kCountScaleY);
    } else if (count < kTwoDigitLimit) {
      Put(buttons, kButtonsCellDigits, count % kDecimal, c.unitsX, top + kDigitsDy, kCountScaleX,
          kCountScaleY);
      Put(buttons, kButtonsCellDigits, count / kDecimal, c.tensX, top + kDigitsDy, kCountScaleX,
          kCountScaleY);
    }
    const uint8_t wounds[3] = {armyWound1[s], armyWound2[s], armyWound3[s]};
    for (int w = 0; w < 3; ++w)
      if (wounds[w])
        Put(buttons, kButtonsWoundMark, 0, c.woundX[w], top + kWoundDy[w], kWoundScale,
            kWoundScale);
    if (armyBelowFull[s])
      Put(buttons, kButtonsBelowFullArrow, 0, c.arrowX, top + kArrowDy, kArrowScaleX, kArrowScaleY);
  }

  if (selectedArmy == 0 || selectedArmy > kArmyCells) return;
  const int cell = selectedArmy - 1;
  Put(buttons, kButtonsSelection, 0, kCellX[cell], kCellY[cell], kCellScaleX, kCellScaleY);

  const int s = cell;
  if (!armyUsed[s]) return;
  Put(buttons, kButtonsBoxTile, 0, kArmyBoxAt);
  Put(armyIcons, armyKind[s], 0, kBoxIconAt);
  Put(buttons, kButtonsDisband, lookDisband, kDisbandAt);
  Put(buttons, kButtonsName, lookName, kNameAt);

  house_draw::Name(*this, armyName[s], armyNameLength[s], true);
  const int32_t values[4] = {armyAttack[s], armyShield[s], armyTraining[s], armyEquipment[s]};
  house_draw::Values(*this, values, x, y);
}

namespace house_draw {

void Name(const HouseScreen& h, const uint8_t* name, uint8_t length, bool digits) {
  for (int j = 0; j < kGlyphNameLength; ++j) {
    const int code = name[j];
    const int32_t lx = kNameCentreX + kLetterStep * j - kLetterStep / 2 * length;
    if (code == glyph::kCaret) continue;
    if (code < kLetters2FirstCode) {
      Put(h.letters1, 0, code, lx, kNameY, kLetterScaleX, kLetterScaleY);
    } else {
      Put(h.letters2, 0, code - kLetters2FirstCode, lx, kNameY, kLetterScaleX, kLetterScaleY);
    }
    if (digits && code >= kNameDigitFirstCode)
      Put(h.buttons, kButtonsNameDigits, code - kNameDigitFirstCode, lx, kNameY, kLetterScaleX,
          kLetterScaleY);
  }
}

void Values(const HouseScreen& h, const int32_t (&values)[4], int32_t x, int32_t y) {
  for (int v = 0; v < 4; ++v) {
    const ValueLabel& l = kValueLabels[v];
    const int32_t row = y + l.dy;
    // The attack's label comes before its digits, the others' after.
    if (v != 0) DrawValue(h.buttons, values[v], x + l.unitsDx, row);
    if (h.hoveredStat == l.stat) {
      Put(h.buttons, l.caption, 0, x + l.captionDx, row, l.captionScaleX, l.captionScaleY);
    } else {
      Put(h.buttons, l.icon, 0, x + l.iconDx, row, l.iconScale, l.iconScale);
    }
    if (v == 0) DrawValue(h.buttons, values[v], x + l.unitsDx, row);
  }
}

void Box(const HouseScreen& h, int32_t x, int32_t y, float scaleX, float scaleY) {
  Put(h.buttons, kButtonsBoxTile, 0, x, y, scaleX, scaleY);
}

void Heading(const HouseScreen& h, const char* text, int32_t x, int32_t y, int32_t w, int32_t hgt) {
  if (h.font) h.font->DrawText(text, x, y, w, hgt, kHeadingColour, kTextFormatTopLeft);
}

void Line(const HouseScreen& h, const char* text, int32_t x, int32_t y, int32_t w, int32_t hgt) {
  if (h.font) h.font->DrawText(text, x, y, w, hgt, kBodyColour, kTextFormatTopLeft);
}

void Amount(const HouseScreen& h, int32_t value, int32_t x, int32_t y, int32_t w, int32_t hgt) {
  char text[16];
  PrintNumber(text, sizeof text, value);
  Line(h, text, x, y, w, hgt);
}

}  // namespace house_draw
