// The recruit panel (the gold box, the row of five candidates and the box of
// the picked one with its question) and the notes of a purchase and of the
// Disband question.

#include "places/house_draw.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/sprite_sheet.h"

using namespace house_art;
using house_draw::Amount;
using house_draw::Box;
using house_draw::Line;

namespace {

void Put(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
         float scaleY) {
  if (sheet) sheet->Draw(image, frame, x, y, house_draw::kWhite, scaleX, scaleY);
}

// A line's rectangle unless a row says otherwise.
constexpr int32_t kLineW = 500;
constexpr int32_t kLineH = 32;

// ---- the gold the visitor has, top right

constexpr int32_t kGoldY = 50;
constexpr int32_t kGoldNumberW = 100;
constexpr int32_t kGoldNumberH = 30;

// Where the number and the word "gold" stand, by the gold's size (read as
// an unsigned number: gold below 0 stands as the widest).
struct GoldLine {
  uint32_t below;
  int32_t numberX, wordX;
};
constexpr GoldLine kGoldLines[] = {
    {10, 490, 510}, {100, 495, 525}, {1000, 490, 530}, {10000, 480, 540}, {UINT32_MAX, 470, 546},
};

// ---- the picked candidate's box

constexpr int32_t kPriceY = 300;
constexpr int32_t kPriceX = 265;
constexpr int32_t kWidePriceX = 253;  // a price of four digits
constexpr uint32_t kWidePrice = 1000;
constexpr int32_t kPriceBox = 100;

// ---- the row of candidates

constexpr int32_t kCellStep = 90;
constexpr float kHighlightScale = 1.38f;
constexpr int32_t kRowIconX = 102;
constexpr int32_t kRowIconY = 490;
constexpr float kIconScale = 0.9f;
constexpr int32_t kCountY = 549;
constexpr int32_t kOneDigitX = 123;
constexpr int32_t kTensX = 115;
constexpr int32_t kUnitsX = 130;
constexpr float kCountScaleX = 0.8f;
constexpr float kCountScaleY = 0.7f;
constexpr int kDecimal = 10;
constexpr int kTwoDigitLimit = 100;

}  // namespace

void HouseScreen::DrawRecruitMessages() {
  if (noRoomNote) {
    Box(*this, 160, 320, 5.0f, 1.1f);
    Line(*this, "No room for new recruit!", 200, 340, kLineW, kLineH);
  }
  if (notEnoughGold) {
    Box(*this, 140, 320, 5.2f, 1.1f);
    Line(*this, "You don't have enough money!", 160, 340, kLineW, kLineH);
  }
  if (recruitJoinedNote) {
    Box(*this, 150, 320, 5.0f, 1.1f);
    Line(*this, "New Recruit Joined!", 210, 340, kLineW, kLineH);
  }
  if (disbandAsked) {
    Box(*this, 180, 300, 4.0f, 1.8f);
    Line(*this, "Disband?", 250, 320, kLineW, kLineH);
    const house_layout::Rect yes = house_layout::kDisbandYesRect;
    const house_layout::Rect no = house_layout::kDisbandNoRect;
    Put(buttons, kButtonsYes, lookDisbandYes, yes.x, yes.y, 1.0f, 1.0f);
    Put(buttons, kButtonsNo, lookDisbandNo, no.x, no.y, 1.0f, 1.0f);
  }
}

void HouseScreen::DrawRecruitPanel(int32_t x, int32_t y, int32_t gold) {
  if (!recruitOpen) return;

  Box(*this, 430, 10, 3.1f, 1.2f);
  Line(*this, "You Have", 480, 20, kLineW, kLineH);
  const GoldLine* g = kGoldLines;
  while (uint32_t(gold) >= g->below && g->below != UINT32_MAX) ++g;
  Amount(*this, gold, g->numberX, kGoldY, kGoldNumberW, kGoldNumberH);
  Line(*this, "gold", g->wordX, kGoldY, kLineW, kLineH);

  Box(*this, 75, 440, 7.3f, 2.1f);
  Line(*this, "Recruit", 270, 460, kLineW, kLineH);

  if (selectedCandidate >= 1 && selectedCandidate <= kRecruitCandidates) {
    const int c = selectedCandidate - 1;
    Put(buttons, kButtonsSelection, 0, house_layout::kCandidateCellX[c],
        house_layout::kCandidateCellY, kHighlightScale, kHighlightScale);
    Box(*this, 160, 100, 4.5f, 4.9f);
    Put(armyIcons, candidateKind[c], 0, 280, 140, kIconScale, kIconScale);
    const uint32_t price = candidatePrice[c];
    Amount(*this, int32_t(price), price >= kWidePrice ? kWidePriceX : kPriceX, kPriceY, kPriceBox,
           kPriceBox);
    Line(*this, "gold ", 310, kPriceY, 200, kLineH);
    Line(*this, "Recruit?", 270, 340, kLineW, kLineH);
    const house_layout::Rect yes = house_layout::kRecruitYesRect;
    const house_layout::Rect no = house_layout::kRecruitNoRect;
    Put(buttons, kButtonsYes, lookRecruitYes, yes.x, yes.y, 1.0f, 1.0f);
    Put(buttons, kButtonsNo, lookRecruitNo, no.x, no.y, 1.0f, 1.0f);
    const int32_t values[4] = {candidateAttack[c], candidateShield[c], candidateTraining[c],
                               candidateEquipment[c]};
    house_draw::Values(*this, values, x, y);
    house_draw::Name(*this, candidateName[c], candidateNameLength[c], false);
  }

  for (int c = 0; c < kRecruitCandidates; ++c) {
    if (!candidateAvailable[c]) continue;
    const int32_t dx = kCellStep * c;
    Put(armyIcons, candidateKind[c], 0, kRowIconX + dx, kRowIconY, kIconScale, kIconScale);
    const int count = candidateCount[c];
    if (count < kDecimal) {
      Put(buttons, kButtonsCellDigits, count, kOneDigitX + dx, kCountY, kCountScaleX, kCountScaleY);
    } else if (count < kTwoDigitLimit) {
      Put(buttons, kButtonsCellDigits, count / kDecimal, kTensX + dx, kCountY, kCountScaleX,
          kCountScaleY);
      Put(buttons, kButtonsCellDigits, count % kDecimal, kUnitsX + dx, kCountY, kCountScaleX,
          kCountScaleY);
    }
  }
}
