#include "menus/hall_of_fame_screen.h"

#include <cstring>

#include "menus/hall_of_fame_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace pic = hall_of_fame_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr float kDigitScale = 0.6f;
constexpr float kLetterScale = 0.7f;
constexpr int32_t kLetterHalfAdvance = 11;

// Offsets of digits d0 (units) .. d4 from the row's x, by the count shown.
constexpr int32_t kDigitOffsets[kHallDigits][kHallDigits] = {
    {39, 0, 0, 0, 0},    {47, 30, 0, 0, 0},   {58, 39, 22, 0, 0},
    {65, 48, 31, 14, 0}, {74, 57, 40, 23, 6},
};
// A leading 1 of five digits stands further right, a narrower figure.
constexpr int32_t kLeadingOneOffsetTop = 8;
constexpr int32_t kLeadingOneOffset = 9;

void Load(SpriteSheet* sheet, int image, const PictureFile& file) {
  sheet->LoadImage(image, file.path, file.frameWidth, file.frameHeight, file.colourKey,
                   kFormatA1R5G5B5);
}

}  // namespace

int32_t FinalFame(int32_t fame, uint8_t surrendered, uint8_t victory) {
  if (surrendered) fame = fame > kSurrenderFameLoss ? fame - kSurrenderFameLoss : 0;
  if (victory) {
    // Saturates instead of wrapping round to a large loss.
    fame = fame > INT32_MAX - kVictoryFameBonus ? INT32_MAX : fame + kVictoryFameBonus;
  }
  return fame;
}

uint32_t HallScoreOf(int32_t fame) { return fame < 0 ? 0u : static_cast<uint32_t>(fame); }

int HallDigitCount(uint32_t score) {
  int count = 1;
  uint32_t rest = score % 100000;
  for (int d = 1; d < kHallDigits; ++d) {
    rest /= 10;
    if (rest % 10 != 0) count = d + 1;
  }
  return count;
}

int32_t HallDigitOffset(int row, int count, int d, uint8_t digit) {
  if (count == kHallDigits && d == kHallDigits - 1 && digit == 1)
    return row == 0 ? kLeadingOneOffsetTop : kLeadingOneOffset;
  return kDigitOffsets[count - 1][d];
}

HallOfFameScreen::HallOfFameScreen()
    : sheet(nullptr),
      lettersHigh(nullptr),
      lettersLow(nullptr),
      digits{},
      rowUsed{},
      scores{},
      names{},
      nameLast{},
      backLook(0),
      held(0),
      pressedId(0),
      hoverId(0) {}

HallOfFameScreen::~HallOfFameScreen() { ReleaseArt(); }

void HallOfFameScreen::LoadArt(GraphicsDevice* device) {
  sheet = NewSheet(device, 3);
  Load(sheet, kHallBackgroundImage, pic::kBackground);
  Load(sheet, kHallDigitImage, pic::kDigits);
  Load(sheet, kHallBackImage, pic::kBackButton);
  lettersHigh = NewSheet(device, 1);
  Load(lettersHigh, 0, pic::kLettersHigh);
  lettersLow = NewSheet(device, 1);
  Load(lettersLow, 0, pic::kLettersLow);
}

void HallOfFameScreen::ReleaseArt() {
  DeleteSheet(sheet);
  DeleteSheet(lettersHigh);
  DeleteSheet(lettersLow);
}

void HallOfFameScreen::CopyRows(const GameState& state) {
  std::memcpy(names, state.hallNames, sizeof names);
  std::memcpy(rowUsed, state.hallUsed, sizeof rowUsed);
  std::memcpy(scores, state.hallScores, sizeof scores);
  MeasureNames();
}

void HallOfFameScreen::MeasureNames() {
  for (int r = 0; r < kHallRows; ++r) {
    nameLast[r] = 0;
    for (int i = 0; i < kGlyphNameLength; ++i)
      if (names[r][i] != 0) nameLast[r] = static_cast<uint8_t>(i);
  }
}

void HallOfFameScreen::DrawBackground() {
  if (sheet) sheet->Draw(kHallBackgroundImage, 0, 0, 0, kWhite, 1.5625f, 2.34375f);
}

void HallOfFameScreen::DrawBack() {
  if (sheet) sheet->Draw(kHallBackImage, backLook, kHallBackX, kHallBackY, kWhite, 1.0f, 1.0f);
}

void HallOfFameScreen::DrawNames() {
  for (int r = 0; r < kHallRows; ++r) {
    if (!rowUsed[r]) continue;
    for (int i = 0; i < kGlyphNameLength; ++i) {
      const uint8_t c = names[r][i];
      if (c == glyph::kCaret) continue;
      const int32_t x = pic::kNameCentreX + kLetterHalfAdvance * (2 * i - nameLast[r]);
      SpriteSheet* letters = c >= glyph::kCapitalA ? lettersHigh : lettersLow;
      const int frame = c >= glyph::kCapitalA ? c - glyph::kCapitalA : c;
      if (letters) letters->Draw(0, frame, x, pic::kNameY[r], kWhite, kLetterScale, kLetterScale);
    }
  }
}

void HallOfFameScreen::DrawScore(int row, int32_t x, int32_t y) {
  if (row < 0 || row >= kHallRows || !rowUsed[row] || !sheet) return;
  uint32_t rest = scores[row];
  for (uint8_t& digit : digits) {
    digit = static_cast<uint8_t>(rest % 10);
    rest /= 10;
  }
  const int count = HallDigitCount(scores[row]);
  for (int d = 0; d < count; ++d) {
    sheet->Draw(kHallDigitImage, digits[d], x + HallDigitOffset(row, count, d, digits[d]), y,
                kWhite, kDigitScale, kDigitScale);
  }
}

void HallOfFameScreen::HoverBack(int32_t x, int32_t y) {
  if (PointInRect(kHallBackX, kHallBackY, kHallBackW, kHallBackH, x, y)) {
    hoverId = 1;
    if (!held) backLook = 1;
  } else if (!held) {
    backLook = 0;
  }
}

uint32_t HallOfFameScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse) return 0;
  if (!FreshPressIn(*mouse, kHallBackX, kHallBackY, kHallBackW, kHallBackH)) return 0;
  if (!PointInRect(kHallBackX, kHallBackY, kHallBackW, kHallBackH, x, y)) return 0;
  pressedId = 1;
  return 1;
}

void HallOfFameScreen::ClearHover() { hoverId = 0; }
