#include "menus/name_entry_screen.h"

#include "menus/name_entry_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace pic = name_entry_picture;

namespace {

// The codes of a letter key without and with Shift.
constexpr uint8_t Small(char c) { return static_cast<uint8_t>(kTypeSmallA + (c - 'a')); }
constexpr uint8_t Capital(char c) { return static_cast<uint8_t>(kTypeCapitalA + (c - 'a')); }

}  // namespace

// clang-format off
const NameEntryKey kNameEntryKeys[kNameEntryKeyCount] = {
    {kKeySpace, kTypeSpace, kTypeSpace},
    {kKeyA, Small('a'), Capital('a')},
    {kKeyB, Small('b'), Capital('b')},
    {kKeyC, Small('c'), Capital('c')},
    {kKeyD, Small('d'), Capital('d')},
    {kKeyE, Small('e'), Capital('e')},
    {kKeyF, Small('f'), Capital('f')},
    {kKeyG, Small('g'), Capital('g')},
    {kKeyH, Small('h'), Capital('h')},
    {kKeyI, Small('i'), Capital('i')},
    {kKeyJ, Small('j'), Capital('j')},
    {kKeyK, Small('k'), Capital('k')},
    {kKeyL, Small('l'), Capital('l')},
    {kKeyM, Small('m'), Capital('m')},
    {kKeyN, Small('n'), Capital('n')},
    {kKeyO, Small('o'), Capital('o')},
    {kKeyP, Small('p'), Capital('p')},
    {kKeyQ, Small('q'), Capital('q')},
    {kKeyR, Small('r'), Capital('r')},
    {kKeyS, Small('s'), Capital('s')},
    {kKeyT, Small('t'), Capital('t')},
    {kKeyU, Small('u'), Capital('u')},
    {kKeyV, Small('v'), Capital('v')},
    {kKeyW, Small('w'), Capital('w')},
    {kKeyX, Small('x'), Capital('x')},
    {kKeyY, Small('y'), Capital('y')},
    {kKeyZ, Small('z'), Capital('z')},
    {kKeyPeriod, kTypeFullStop, kTypeFullStop},
    {kKeyBackspace, kTypeDelete, kTypeDelete},
    {kKeyNumpad0, kTypeDelete, kTypeDelete},
};
// clang-format on

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr int32_t kCellY = 410;
constexpr int32_t kLastCell = kGlyphNameLength - 1;

// The cells a code writes (one or two); 0 for a code that types nothing.
int CellsOf(uint8_t code, uint8_t* out) {
  if (code == kTypeSpace || (code >= kTypeSmallA && code < kTypeCapitalA)) {
    out[0] = code;
    return 1;
  }
  if (code >= kTypeCapitalA && code < kTypeCapitalI) {  // A..H
    out[0] = static_cast<uint8_t>(2 * code - 28);
    out[1] = static_cast<uint8_t>(2 * code - 27);
    return 2;
  }
  if (code == kTypeCapitalI || code == kTypeCapitalJ) {
    out[0] = static_cast<uint8_t>(code + (glyph::kCapitalI - kTypeCapitalI));
    return 1;
  }
  if (code >= kTypeCapitalK && code <= kTypeCapitalZ) {
    out[0] = static_cast<uint8_t>(2 * code - 30);
    out[1] = static_cast<uint8_t>(2 * code - 29);
    return 2;
  }
  if (code == kTypeFullStop) {
    out[0] = glyph::kFullStop;
    return 1;
  }
  return 0;
}

// A one-cell letter's cell: the small letters, the space, I, J and the full
// stop; every other code is half of a two-cell capital.
bool OneCellLetter(uint8_t cell) {
  return cell < glyph::kCapitalA || cell == glyph::kCapitalI || cell == glyph::kCapitalJ ||
         cell == glyph::kFullStop;
}

bool Inside(const NameEntryRect& r, int32_t x, int32_t y) {
  return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0;
}

// A fresh press that began on the button.
bool PressedOn(const NameEntryRect& r, InputDevice* mouse) {
  return mouse && FreshPressIn(*mouse, r.x, r.y, r.w, r.h);
}

void LoadInto(SpriteSheet* sheet, int image, const PictureFile& file) {
  sheet->LoadImage(image, file.path, file.frameWidth, file.frameHeight, file.colourKey,
                   kFormatA1R5G5B5);
}

Texture* NewTexture(GraphicsDevice* device, const PictureFile& file) {
  Texture* texture = new Texture;
  texture->Load(device, file.path, file.colourKey, 0);
  return texture;
}

void DeleteTexture(Texture*& texture) {
  if (!texture) return;
  texture->Release();
  delete texture;
  texture = nullptr;
}

void DrawTexture(Texture* texture, int32_t x, int32_t y, float scaleX, float scaleY) {
  if (texture) texture->Draw(x, y, 0, 0, 0, 0, scaleX, scaleY, kWhite);
}

}  // namespace

NameEntryScreen::NameEntryScreen()
    : boxes{},
      hands{},
      effectSheet(nullptr),
      titleSheet(nullptr),
      letterSheet(nullptr),
      readySheet(nullptr),
      clearSheet(nullptr),
      cells{glyph::kCaret},
      cellX{},
      typedThisFrame(0),
      caretPhase(0),
      readyLook(0),
      clearLook(0),
      backLook(0),
      hoveredId(0),
      clickedId(0),
      pressLock(0),
      shockX{50, 200, 650, 420},
      shockScale{2.8f, 2.8f, 2.8f, 2.8f},
      hand1X(950),
      hand2Offset(16),
      hand3X(-64),
      hand5Y(664),
      growPhase(kGrowing),
      growScale(0.0f) {
  for (int i = 0; i < kGlyphNameLength; ++i) cellX[i] = 260 + 14 * i;
}

NameEntryScreen::~NameEntryScreen() { ReleaseArt(); }

void NameEntryScreen::LoadArt(GraphicsDevice* device) {
  for (int i = 0; i < 4; ++i) boxes[i] = NewTexture(device, pic::kBoxes[i]);
  for (int i = 0; i < pic::kHandCount; ++i) hands[i] = NewTexture(device, pic::kHands[i]);
  effectSheet = NewSheet(device, 2);
  LoadInto(effectSheet, 0, pic::kShock);
  LoadInto(effectSheet, 1, pic::kBackButton);
  titleSheet = NewSheet(device, 1);
  LoadInto(titleSheet, 0, pic::kTitle);
  letterSheet = NewSheet(device, 1);
  LoadInto(letterSheet, 0, pic::kLetters);
  readySheet = NewSheet(device, 1);
  LoadInto(readySheet, 0, pic::kReady);
  clearSheet = NewSheet(device, 1);
  LoadInto(clearSheet, 0, pic::kClear);
}

void NameEntryScreen::ReleaseArt() {
  for (Texture*& texture : boxes) DeleteTexture(texture);
  for (Texture*& texture : hands) DeleteTexture(texture);
  DeleteSheet(effectSheet);
  DeleteSheet(titleSheet);
  DeleteSheet(letterSheet);
  DeleteSheet(readySheet);
  DeleteSheet(clearSheet);
}

int NameEntryScreen::CaretCell() const {
  for (int i = 0; i < kGlyphNameLength; ++i)
    if (cells[i] == glyph::kCaret) return i;
  return kGlyphNameLength;
}

void NameEntryScreen::PutLetter(uint8_t code) {
  if (typedThisFrame) return;
  const int c = CaretCell();
  if (c >= kGlyphNameLength) return;  // no caret: nothing can be typed
  if (code == kTypeDelete) {
    if (c == 0) return;
    if (OneCellLetter(cells[c - 1])) {
      cells[c - 1] = glyph::kCaret;
      cells[c] = glyph::kSpace;
      typedThisFrame = 1;
    } else if (c > 1) {
      cells[c - 2] = glyph::kCaret;
      cells[c - 1] = glyph::kSpace;
      cells[c] = glyph::kSpace;
      typedThisFrame = 1;
    }
    return;
  }
  uint8_t out[2];
  const int n = CellsOf(code, out);
  if (n == 0) return;
  // The letter and the caret behind it must fit: a one-cell letter needs
  // the caret below the last cell, a two-cell one below the one before.
  typedThisFrame = 1;
  if (c + n > kLastCell) return;
  for (int i = 0; i < n; ++i) cells[c + i] = out[i];
  cells[c + n] = glyph::kCaret;
}

void NameEntryScreen::Clear() {
  if (!typedThisFrame) {
    cells[0] = glyph::kCaret;
    for (int i = 1; i < kGlyphNameLength; ++i) cells[i] = glyph::kSpace;
  }
  typedThisFrame = 1;
}

void NameEntryScreen::BlinkCaret(uint32_t nowMs) {
  if (caretTimer.Step(nowMs, kCaretBlinkMs)) caretPhase = caretPhase ? 0 : 1;
}

namespace {

void Hover(const NameEntryRect& r, uint8_t id, int32_t x, int32_t y, uint8_t pressLock,
           uint8_t& look, uint8_t& hoveredId) {
  if (Inside(r, x, y)) {
    hoveredId = id;
    if (!pressLock) look = 1;
  } else if (!pressLock) {
    look = 0;
  }
}

}  // namespace

void NameEntryScreen::HoverReady(int32_t x, int32_t y) {
  Hover(kNameEntryReadyRect, kNameEntryReady, x, y, pressLock, readyLook, hoveredId);
}

void NameEntryScreen::HoverClear(int32_t x, int32_t y) {
  Hover(kNameEntryClearRect, kNameEntryClear, x, y, pressLock, clearLook, hoveredId);
}

void NameEntryScreen::HoverBack(int32_t x, int32_t y) {
  Hover(kNameEntryBackRect, kNameEntryBack, x, y, pressLock, backLook, hoveredId);
}

uint32_t NameEntryScreen::ClickReady(int32_t x, int32_t y, InputDevice* mouse) {
  if (!Inside(kNameEntryReadyRect, x, y) || !PressedOn(kNameEntryReadyRect, mouse)) return 0;
  clickedId = kNameEntryReady;
  return 1;
}

uint32_t NameEntryScreen::ClickClear(int32_t x, int32_t y, InputDevice* mouse) {
  if (!Inside(kNameEntryClearRect, x, y) || !PressedOn(kNameEntryClearRect, mouse)) return 0;
  clickedId = kNameEntryClear;
  return 1;
}

uint32_t NameEntryScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  if (!Inside(kNameEntryBackRect, x, y) || !PressedOn(kNameEntryBackRect, mouse)) return 0;
  clickedId = kNameEntryBack;
  return 1;
}

void NameEntryScreen::ClearHover() { hoveredId = 0; }

void NameEntryScreen::SlideHands(int32_t s) {
  hand1X -= s;
  if (hand1X < kHand1Stop) hand1X = kHand1Stop;
  if (hand1X == kHand1Stop) {
    hand2Offset += s;
    if (hand2Offset > kHand2OffsetStop) hand2Offset = kHand2OffsetStop;
  }
  if (hand3X < 0) {
    hand3X += s / 3;
    if (hand3X > 0) hand3X = 0;
  }
  if (hand5Y > kHand5Stop) {
    hand5Y -= s / 3;
    if (hand5Y < kHand5Stop) hand5Y = kHand5Stop;
  }
}

void NameEntryScreen::StepGrowth(uint32_t nowMs) {
  if (!growTimer.Step(nowMs, kGrowStepMs)) return;
  if (growPhase == kGrowing && hand3X == 0) {
    growScale += 0.03f;
    if (growScale >= kGrowFull) {
      growScale = 0.0f;
      growPhase = kGrown;
    }
  } else if (growPhase == kGrown) {
    growScale += 0.04f;
    if (growScale >= kGrowFull) {
      growScale = 0.0f;
      growPhase = kGrownTwice;
    }
  }
}

void NameEntryScreen::StepShocks(uint32_t nowMs) {
  if (!shockTimer.Step(nowMs, kShockStepMs)) return;
  shockScale[0] -= 0.07f;
  shockX[0] += 1;
  for (int k = 1; k < 4; ++k) {
    if (shockScale[k - 1] < -2.0f) {
      shockScale[k] -= 0.07f;
      shockX[k] += 1;
    }
  }
}

void NameEntryScreen::DrawShocks(uint32_t secondsOnScreen) {
  if (secondsOnScreen <= kShockAfterSeconds || !effectSheet) return;
  for (int k = 0; k < pic::kShockFrames; ++k) {
    const bool shown = shockScale[k] > 1.5f && (k == 0 || shockScale[k - 1] < -2.0f);
    if (shown) effectSheet->Draw(0, k, shockX[k], 0, kWhite, shockScale[k], 2.34375f);
  }
}

void NameEntryScreen::DrawBoxes() {
  DrawTexture(boxes[0], 258, 400, 9.5f, 1.3f);
  DrawTexture(boxes[1], 250, 392, 19.9f, 1.0f);
  DrawTexture(boxes[1], 250, 442, 19.9f, 1.0f);
  DrawTexture(boxes[2], 250, 400, 1.0f, 5.3f);
  DrawTexture(boxes[3], 560, 400, 1.0f, 5.3f);
}

void NameEntryScreen::DrawTitle() {
  if (titleSheet) titleSheet->Draw(0, 0, 285, 325, kWhite, 1.0f, 1.0f);
}

void NameEntryScreen::DrawBackButton() {
  if (effectSheet)
    effectSheet->Draw(1, backLook, kNameEntryBackRect.x, kNameEntryBackRect.y, kWhite, 1.0f, 1.0f);
}

void NameEntryScreen::DrawLetters() {
  if (!letterSheet) return;
  for (int i = 0; i < kGlyphNameLength; ++i) {
    const int frame = cells[i] == glyph::kCaret ? 1 - caretPhase : cells[i];
    letterSheet->Draw(0, frame, cellX[i], kCellY, kWhite, 1.0f, 1.0f);
  }
}

void NameEntryScreen::DrawReadyButton() {
  if (readySheet)
    readySheet->Draw(0, readyLook, kNameEntryReadyRect.x, kNameEntryReadyRect.y, kWhite, 1.0f,
                     1.1f);
}

void NameEntryScreen::DrawClearButton() {
  if (clearSheet)
    clearSheet->Draw(0, clearLook, kNameEntryClearRect.x, kNameEntryClearRect.y, kWhite, 1.0f,
                     1.1f);
}

void NameEntryScreen::DrawHands() {
  DrawTexture(hands[0], hand1X, 358, 2.117f, 1.0f);
  DrawTexture(hands[0], hand1X, 450, 2.117f, 1.0f);
  DrawTexture(hands[1], hand1X, 387, 1.0f, 1.0f);
  DrawTexture(hands[1], hand1X + hand2Offset, 387, 1.0f, 1.0f);
  DrawTexture(hands[2], hand3X, 430, 1.0f, 1.0f);
  if (growPhase == kGrowing) {
    DrawTexture(hands[3], 64, 443, growScale, 1.0f);
  } else {
    DrawTexture(hands[3], 64, 443, 1.1f, 1.0f);
  }
  DrawTexture(hands[4], 400, hand5Y, 1.0f, 1.0f);
  if (growPhase == kGrowing) {
    DrawTexture(hands[5], 352, 520, growScale, growScale);
  } else {
    DrawTexture(hands[5], 350, 520, 1.0f, 1.0f);
  }
}
