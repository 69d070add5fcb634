#pragma once
// Where the battle screen puts its buttons, its hint area and the entries of
// the experience page, and what the procedure asks of the application when
// the battle wants to be left. Shared by the input, the panels, the
// procedure and the tests.

#include <cstdint>

namespace battle {

// The seven buttons (BattleScreen::pressedButton, clickedButton).
constexpr uint8_t kButtonNone = 0;
constexpr uint8_t kButtonEndTurn = 1;
constexpr uint8_t kButtonRetreat = 2;
constexpr uint8_t kButtonYes = 3;  // of the retreat question
constexpr uint8_t kButtonNo = 4;   // of the retreat question
constexpr uint8_t kButtonGrid = 5;
constexpr uint8_t kButtonSaveQuit = 6;
constexpr uint8_t kButtonOptions = 7;

// Entries of BattleScreen::buttonHover (entry 4 belongs to no button).
constexpr int kLookGrid = 0;
constexpr int kLookEndTurn = 1;
constexpr int kLookSaveQuit = 2;
constexpr int kLookRetreat = 3;
constexpr int kLookYes = 5;
constexpr int kLookNo = 6;
constexpr int kLookOptions = 7;

struct ButtonRect {
  uint8_t id;
  int32_t x, y, w, h;
  int look;  // its entry in buttonHover
};

// In the order in which they are hover- and click-tested.
constexpr ButtonRect kButtonRects[7] = {
    {kButtonEndTurn, 700, 250, 83, 38, kLookEndTurn},
    {kButtonRetreat, 700, 190, 83, 35, kLookRetreat},
    {kButtonYes, 330, 335, 32, 32, kLookYes},
    {kButtonNo, 430, 335, 32, 32, kLookNo},
    {kButtonGrid, 700, 130, 83, 35, kLookGrid},
    {kButtonSaveQuit, 710, 20, 64, 32, kLookSaveQuit},
    {kButtonOptions, 700, 70, 83, 35, kLookOptions},
};

// The hint area of the bottom bar.
constexpr int32_t kHintX = 200, kHintY = 490, kHintW = 350, kHintH = 50;

// The experience page's 28 entries of 110 x 50: row 0 at y 75 holds entries
// 1..4; rows r = 1..6 at y 170 + 75 (r - 1) hold entries 4 r + 1 .. 4 r + 4,
// column by column from the left.
constexpr int kGainEntries = 28;
constexpr int32_t kGainEntryW = 110, kGainEntryH = 50;
constexpr int32_t kGainColumnX[4] = {140, 290, 435, 570};
constexpr int32_t GainRowY(int row) { return row == 0 ? 75 : 170 + 75 * (row - 1); }

// Where the battle asks to be left (BattleScreen::leaveRequest); the
// procedure makes the leave.
constexpr uint8_t kStay = 0;
constexpr uint8_t kGoToMap = 1;
constexpr uint8_t kGoToSaveAndQuit = 2;
constexpr uint8_t kGoToOptions = 3;

}  // namespace battle

namespace battle {

// Where a number drawn digit by digit puts its digits: one digit, two (ones,
// tens) or three (ones, tens, hundreds). A number below 10 shows one digit,
// below 100 two, otherwise its last three; maxDigits 2 shows nothing for 100
// and above.
struct DigitPlaces {
  int32_t one;
  int32_t twoOnes, twoTens;
  int32_t threeOnes, threeTens, threeHundreds;
  int maxDigits;
};

}  // namespace battle

namespace battle {

// What a blow did to the unit it struck, as the bottom bar and the hit
// effects show it: the wound level reached, or how many went down.
struct BlowReport {
  bool light, serious, critical;
  bool oneDown, severalDown, allDown;
  uint8_t downCount;  // when several went down
};

// Allied units named in the bottom bar's blow report (0..11).
constexpr int kNamedAllies = 12;

}  // namespace battle
