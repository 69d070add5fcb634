#include "party/exchange_choice_screen.h"

#include "party/exchange_art.h"
#include "party/exchange_common.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace {

namespace ea = exchange_art;

struct Button {
  uint8_t id;
  int32_t x, y, w, h;
};

constexpr Button kButtons[3] = {
    {kChoiceBackId, 700, 10, 64, 32},
    {kChoiceItemsId, 336, 270, 128, 128},
    {kChoiceArmiesId, 336, 433, 128, 128},
};

// A name of no letters is centred as if it were eleven letters long on the
// left, and starts at the point on the right.
constexpr uint8_t kLeftNoLetters = 10;
constexpr uint8_t kRightNoLetters = 0;

constexpr int32_t kNameAdvance = 14;
constexpr int32_t kRightNameOffset = 356;

using exchange_common::Load;

}  // namespace

int ExchangeMembersValid(uint8_t left, uint8_t right) {
  if (left < kMemberPlayer || left > kLastHeroMember) return 0;
  if (right < kMemberPlayer || right > kLastHeroMember) return 0;
  return ExchangeMembersDiffer(left, right);
}

int ExchangeMembersDiffer(uint8_t left, uint8_t right) { return left != right ? 1 : 0; }

ExchangeChoiceScreen::ExchangeChoiceScreen() = default;

ExchangeChoiceScreen::~ExchangeChoiceScreen() { ReleasePictures(); }

void ExchangeChoiceScreen::LoadPictures(GraphicsDevice* device) {
  nameLetters1 = NewSheet(device, 1);
  Load(nameLetters1, 0, ea::kNameLetters1);
  nameLetters2 = NewSheet(device, 1);
  Load(nameLetters2, 0, ea::kNameLetters2);
  uiSheet = NewSheet(device, ea::kChoiceImages);
  for (int i = 0; i < ea::kChoiceImages; ++i) Load(uiSheet, i, ea::kChoicePictures[i]);
}

void ExchangeChoiceScreen::LoadPortraits(GraphicsDevice* device) {
  portraitSheet = NewSheet(device, 2);
  exchange_common::LoadMemberPortrait(portraitSheet, 0, leftMember, playerPortrait,
                                      ea::kChoicePlayerPortraits);
  exchange_common::LoadMemberPortrait(portraitSheet, 1, rightMember, playerPortrait,
                                      ea::kChoicePlayerPortraits);
}

void ExchangeChoiceScreen::UpdateLengths() {
  leftNameLast = exchange_common::LastLetter(leftName, kLeftNoLetters);
  rightNameLast = exchange_common::LastLetter(rightName, kRightNoLetters);
}

void ExchangeChoiceScreen::HoverButtons(int32_t x, int32_t y) {
  uint8_t* looks[3] = {&backLook, &itemsLook, &armiesLook};
  for (int i = 0; i < 3; ++i) {
    const Button& b = kButtons[i];
    if (PointInRect(b.x, b.y, b.w, b.h, x, y)) {
      hoveredButton = b.id;
      if (!buttonPressed) *looks[i] = ea::kLookHovered;
    } else if (!buttonPressed) {
      *looks[i] = ea::kLookIdle;
    }
  }
}

uint32_t ExchangeChoiceScreen::ClickButtons(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse) return 0;
  uint8_t* looks[3] = {&backLook, &itemsLook, &armiesLook};
  for (int i = 0; i < 3; ++i) {
    const Button& b = kButtons[i];
    if (!PointInRect(b.x, b.y, b.w, b.h, x, y)) continue;
    if (!FreshPressIn(*mouse, b.x, b.y, b.w, b.h)) return 0;
    clickedButton = b.id;
    *looks[i] = ea::kLookPressed;
    buttonPressed = 1;
    return 1;
  }
  return 0;
}

void ExchangeChoiceScreen::Draw() {
  constexpr uint32_t kWhite = 0xFFFFFFFFu;
  if (uiSheet) {
    uiSheet->Draw(ea::kChoiceBackground, 0, 0, 0, kWhite, 3.125f, 2.34375f);
    uiSheet->Draw(ea::kChoiceBack, backLook, 700, 10, kWhite, 1.0f, 1.0f);
    uiSheet->Draw(ea::kChoicePortraitFrame, 0, 160, 100, kWhite, 1.0f, 1.0f);
    uiSheet->Draw(ea::kChoicePortraitFrame, 0, 512, 100, kWhite, 1.0f, 1.0f);
  }
  if (portraitSheet) {
    // The player's first portrait sits a little lower and smaller.
    const bool leftSmall = leftMember == kMemberPlayer && playerPortrait == 0;
    const bool rightSmall = rightMember == kMemberPlayer && playerPortrait == 0;
    if (leftSmall) portraitSheet->Draw(0, 0, 171, 119, kWhite, 0.81f, 0.81f);
    else portraitSheet->Draw(0, 0, 165, 108, kWhite, 0.9f, 0.9f);
    if (rightSmall) portraitSheet->Draw(1, 0, 523, 119, kWhite, 0.81f, 0.81f);
    else portraitSheet->Draw(1, 0, 517, 108, kWhite, 0.9f, 0.9f);
  }
  if (!uiSheet) return;
  uiSheet->Draw(ea::kChoiceArrows, 0, 368, 133, kWhite, 1.0f, 1.0f);
  uiSheet->Draw(ea::kChoiceButton, 0, 336, 270, kWhite, 1.0f, 1.0f);
  if (itemsLook == ea::kLookIdle)
    uiSheet->Draw(ea::kChoiceItemsPicture, 0, 336, 274, kWhite, 1.0f, 1.0f);
  else uiSheet->Draw(ea::kChoiceItemsCaption, 0, 336, 320, kWhite, 1.0f, 1.0f);
  uiSheet->Draw(ea::kChoiceButton, 0, 336, 433, kWhite, 1.0f, 1.0f);
  if (armiesLook == ea::kLookIdle)
    uiSheet->Draw(ea::kChoiceArmiesPicture, 0, 336, 433, kWhite, 1.0f, 1.0f);
  else uiSheet->Draw(ea::kChoiceArmiesCaption, 0, 336, 483, kWhite, 1.0f, 1.0f);
}

void ExchangeChoiceScreen::DrawNames(int32_t x, int32_t y) {
  const int32_t half = kNameAdvance / 2;
  exchange_common::DrawLetters(nameLetters1, nameLetters2, leftName, x + 5 - half * leftNameLast, y,
                               kNameAdvance, 0.875f, 1.0f);
  exchange_common::DrawLetters(nameLetters1, nameLetters2, rightName,
                               x + kRightNameOffset - half * rightNameLast, y, kNameAdvance, 0.875f,
                               1.0f);
}

void ExchangeChoiceScreen::ClearHover() { hoveredButton = kChoiceNone; }

void ExchangeChoiceScreen::ReleasePictures() {
  DeleteSheet(uiSheet);
  DeleteSheet(portraitSheet);
  DeleteSheet(nameLetters1);
  DeleteSheet(nameLetters2);
}
