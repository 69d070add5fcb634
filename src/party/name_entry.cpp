#include "party/name_entry.h"

#include "party/name_editor_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/texture.h"

namespace pic = name_editor_picture;

namespace {

// A letter key's first cell without Shift (a..z) and with it (the two-cell
// capitals, the narrow I and J), by its alphabet position p.
constexpr uint8_t SmallCell(int p) { return static_cast<uint8_t>(glyph::kSmallA + p); }
constexpr uint8_t CapitalCell(int p) {
  if (p < 8) return static_cast<uint8_t>(glyph::kCapitalA + 2 * p);  // A..H
  if (p < 10) return static_cast<uint8_t>(glyph::kCapitalI + (p - 8));
  return static_cast<uint8_t>(glyph::kCapitalK + 2 * (p - 10));  // K..Z
}
constexpr NameEditorKey Letter(int scanCode, char letter) {
  const int p = letter - 'a';
  return {static_cast<uint8_t>(scanCode), 0, SmallCell(p), CapitalCell(p)};
}
constexpr NameEditorKey Digit(int scanCode, int keypadCode, int digit) {
  const uint8_t cell = static_cast<uint8_t>(glyph::kDigitZero + digit);
  return {static_cast<uint8_t>(scanCode), static_cast<uint8_t>(keypadCode), cell, cell};
}

}  // namespace

// clang-format off
const NameEditorKey kNameEditorKeys[kNameEditorKeyCount] = {
    {kKeySpace, 0, glyph::kSpace, glyph::kSpace},
    Letter(kKeyA, 'a'), Letter(kKeyB, 'b'), Letter(kKeyC, 'c'), Letter(kKeyD, 'd'),
    Letter(kKeyE, 'e'), Letter(kKeyF, 'f'), Letter(kKeyG, 'g'), Letter(kKeyH, 'h'),
    Letter(kKeyI, 'i'), Letter(kKeyJ, 'j'), Letter(kKeyK, 'k'), Letter(kKeyL, 'l'),
    Letter(kKeyM, 'm'), Letter(kKeyN, 'n'), Letter(kKeyO, 'o'), Letter(kKeyP, 'p'),
    Letter(kKeyQ, 'q'), Letter(kKeyR, 'r'), Letter(kKeyS, 's'), Letter(kKeyT, 't'),
    Letter(kKeyU, 'u'), Letter(kKeyV, 'v'), Letter(kKeyW, 'w'), Letter(kKeyX, 'x'),
    Letter(kKeyY, 'y'), Letter(kKeyZ, 'z'),
    {kKeyPeriod, 0, glyph::kFullStop, glyph::kFullStop},
    {kKeyBackspace, 0, kNameEditorDelete, kNameEditorDelete},
    Digit(kKey0, kKeyNumpad0, 0), Digit(kKey1, kKeyNumpad1, 1), Digit(kKey2, kKeyNumpad2, 2),
    Digit(kKey3, kKeyNumpad3, 3), Digit(kKey4, kKeyNumpad4, 4), Digit(kKey5, kKeyNumpad5, 5),
    Digit(kKey6, kKeyNumpad6, 6), Digit(kKey7, kKeyNumpad7, 7), Digit(kKey8, kKeyNumpad8, 8),
    Digit(kKey9, kKeyNumpad9, 9),
};
// clang-format on

namespace {

constexpr uint32_t kOpaque = 0xFFFFFFFF;
constexpr int32_t kFirstCellX = 260;
constexpr int32_t kCellStep = 14;
constexpr int32_t kCellY = 410;
constexpr int kLastCell = kGlyphNameLength - 1;
constexpr uint32_t kCaretBlinkMs = 400;

// The buttons by id - 1: Back, Clear, Ready.
struct ButtonPlace {
  int32_t x, y, w, h;
};
constexpr ButtonPlace kButtons[3] = {{700, 10, 64, 32}, {140, 410, 64, 35}, {363, 488, 100, 35}};

bool OnButton(uint8_t id, int32_t x, int32_t y) {
  const ButtonPlace& b = kButtons[id - 1];
  return PointInRect(b.x, b.y, b.w, b.h, x, y) != 0;
}

// Cells that take one column: the space, the small letters, I, J, the full
// stop and the digits; every other code is half of a two-cell capital.
bool Narrow(uint8_t cell) {
  return cell < glyph::kCapitalA || cell == glyph::kCapitalI || cell == glyph::kCapitalJ ||
         cell == glyph::kFullStop || cell >= glyph::kDigitZero;
}

// The codes that fit up to the last column; the others (capitals, I, J and
// the full stop) need the caret one column further left.
bool FitsLastColumn(uint8_t code) { return code < glyph::kCapitalA || code >= glyph::kDigitZero; }

Texture* LoadTexture(GraphicsDevice* device, const PictureFile& file) {
  Texture* texture = new Texture;
  texture->Load(device, file.path, file.colourKey, 0);
  return texture;
}

SpriteSheet* LoadSheet(GraphicsDevice* device, int images, int image, const PictureFile& file) {
  SpriteSheet* sheet = new SpriteSheet;
  sheet->Init(device, images);
  sheet->SetAlphaTest(1);
  sheet->LoadImage(image, file.path, file.frameWidth, file.frameHeight, file.colourKey,
                   kFormatA1R5G5B5);
  return sheet;
}

void Stretch(Texture* texture, int32_t x, int32_t y, float scaleX, float scaleY) {
  if (texture) texture->Draw(x, y, 0, 0, 0, 0, scaleX, scaleY, kOpaque);
}

void DrawImage(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
               float scaleY) {
  if (sheet) sheet->Draw(image, frame, x, y, kOpaque, scaleX, scaleY);
}

}  // namespace

NameEntry::NameEntry()
    : boxes{},
      titleSheet(nullptr),
      letterSheet(nullptr),
      readySheet(nullptr),
      clearSheet(nullptr),
      backSheet(nullptr),
      caretFound(0),
      cells{glyph::kCaret},
      cellX{},
      lastFilled(0),
      caretPhase(0),
      typedThisFrame(0),
      hoveredId(0),
      clickedId(0),
      pressLock(0),
      readyLook(0),
      clearLook(0),
      backLook(0) {
  for (int i = 0; i < kGlyphNameLength; ++i) cellX[i] = kFirstCellX + kCellStep * i;
}

NameEntry::~NameEntry() { ReleaseArt(); }

void NameEntry::LoadArt(GraphicsDevice* device) {
  boxes[0] = LoadTexture(device, pic::kBoxFace);
  boxes[1] = LoadTexture(device, pic::kBoxTopBottom);
  boxes[2] = LoadTexture(device, pic::kBoxLeft);
  boxes[3] = LoadTexture(device, pic::kBoxRight);
  titleSheet = LoadSheet(device, pic::kTitleImages, pic::kWordEnter, pic::kEnter);
  titleSheet->LoadImage(pic::kWordHeros, pic::kHeros.path, pic::kHeros.frameWidth,
                        pic::kHeros.frameHeight, pic::kHeros.colourKey, kFormatA1R5G5B5);
  titleSheet->LoadImage(pic::kWordName, pic::kName.path, pic::kName.frameWidth,
                        pic::kName.frameHeight, pic::kName.colourKey, kFormatA1R5G5B5);
  titleSheet->LoadImage(pic::kBackground, pic::kBack.path, pic::kBack.frameWidth,
                        pic::kBack.frameHeight, pic::kBack.colourKey, kFormatA1R5G5B5);
  letterSheet = LoadSheet(device, 1, 0, pic::kLetters);
  readySheet = LoadSheet(device, 1, 0, pic::kReady);
  clearSheet = LoadSheet(device, 1, 0, pic::kClear);
  backSheet = LoadSheet(device, 1, 0, pic::kBackButton);
}

void NameEntry::ReleaseArt() {
  for (Texture*& texture : boxes) {
    if (!texture) continue;
    texture->Release();
    delete texture;
    texture = nullptr;
  }
  DeleteSheet(titleSheet);
  DeleteSheet(letterSheet);
  DeleteSheet(readySheet);
  DeleteSheet(clearSheet);
  DeleteSheet(backSheet);
}

void NameEntry::TypeKey(uint8_t code) {
  if (typedThisFrame) return;
  int c = 0;
  while (c < kGlyphNameLength && cells[c] != glyph::kCaret) ++c;
  if (c == kGlyphNameLength) return;  // no caret: nothing can be typed

  // Backspace takes the whole letter before the caret, one cell or two; a
  // capital's second half in cell 0 (a damaged name) stays.
  if (code == kNameEditorDelete) {
    if (c == 0) return;
    const int width = Narrow(cells[c - 1]) ? 1 : 2;
    if (c < width) return;
    for (int i = c - width + 1; i <= c; ++i) cells[i] = glyph::kSpace;
    cells[c - width] = glyph::kCaret;
    typedThisFrame = 1;
    return;
  }

  // A key that does not fit is consumed all the same.
  typedThisFrame = 1;
  const int limit = FitsLastColumn(code) ? kLastCell : kLastCell - 1;
  if (c >= limit) return;
  int width = 1;
  cells[c] = code;
  if (!Narrow(code)) {
    cells[c + 1] = static_cast<uint8_t>(code + 1);
    width = 2;
  }
  cells[c + width] = glyph::kCaret;
}

void NameEntry::Clear() {
  if (!typedThisFrame) GlyphFromText("|", cells);
  typedThisFrame = 1;
  cellX[0] = kFirstCellX;
}

void NameEntry::AdvanceCaret() {
  lastFilled = 0;
  for (int i = 0; i < kGlyphNameLength; ++i)
    if (cells[i] != glyph::kSpace) lastFilled = static_cast<uint8_t>(i);
  caretFound = cells[lastFilled] == glyph::kCaret ? 1 : 0;
  if (!caretFound && lastFilled < kLastCell) cells[lastFilled + 1] = glyph::kCaret;
}

void NameEntry::BlinkCaret(uint32_t nowMs) {
  if (caretTimer.Step(nowMs, kCaretBlinkMs)) caretPhase = caretPhase ? 0 : 1;
}

namespace {

void Hover(uint8_t id, int32_t x, int32_t y, uint8_t pressLock, uint8_t& look, uint8_t& hoveredId) {
  const bool over = OnButton(id, x, y);
  if (over) hoveredId = id;
  if (!pressLock) look = over ? 1 : 0;
}

uint32_t Click(uint8_t id, int32_t x, int32_t y, InputDevice* mouse, uint8_t& clickedId) {
  if (!mouse || !OnButton(id, x, y)) return 0;
  const ButtonPlace& b = kButtons[id - 1];
  if (!FreshPressIn(*mouse, b.x, b.y, b.w, b.h)) return 0;
  clickedId = id;
  return 1;
}

}  // namespace

void NameEntry::HoverReady(int32_t x, int32_t y) {
  Hover(kNameEditorReady, x, y, pressLock, readyLook, hoveredId);
}
void NameEntry::HoverClear(int32_t x, int32_t y) {
  Hover(kNameEditorClear, x, y, pressLock, clearLook, hoveredId);
}
void NameEntry::HoverBack(int32_t x, int32_t y) {
  Hover(kNameEditorBack, x, y, pressLock, backLook, hoveredId);
}
uint32_t NameEntry::ClickReady(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kNameEditorReady, x, y, mouse, clickedId);
}
uint32_t NameEntry::ClickClear(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kNameEditorClear, x, y, mouse, clickedId);
}
uint32_t NameEntry::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kNameEditorBack, x, y, mouse, clickedId);
}
void NameEntry::ClearHover() { hoveredId = 0; }

void NameEntry::DrawBackground() {
  for (int32_t y = 0; y < 512; y += 128)
    DrawImage(titleSheet, pic::kBackground, 0, 0, y, 3.125f, 1.0f);
  DrawImage(titleSheet, pic::kBackground, 0, 0, 512, 3.125f, 0.6875f);
}

void NameEntry::DrawHeroTitle() {
  DrawImage(titleSheet, pic::kWordEnter, 0, 270, 325, 1.0f, 1.0f);
  DrawImage(titleSheet, pic::kWordHeros, 0, 359, 325, 1.0f, 1.0f);
  DrawImage(titleSheet, pic::kWordName, 0, 472, 326, 1.0f, 1.0f);
}

void NameEntry::DrawNameTitle() {
  DrawImage(titleSheet, pic::kWordEnter, 0, 326, 325, 1.0f, 1.0f);
  DrawImage(titleSheet, pic::kWordName, 0, 420, 326, 1.0f, 1.0f);
}

void NameEntry::DrawBoxes() {
  // The face, then the edges over it: top, bottom, left, right.
  struct Piece {
    int texture;
    int32_t x, y;
    float scaleX, scaleY;
  };
  static constexpr Piece kPieces[] = {{0, 258, 400, 9.5f, 1.3f},
                                      {1, 250, 392, 19.9f, 1.0f},
                                      {1, 250, 442, 19.9f, 1.0f},
                                      {2, 250, 400, 1.0f, 5.3f},
                                      {3, 560, 400, 1.0f, 5.3f}};
  for (const Piece& p : kPieces) Stretch(boxes[p.texture], p.x, p.y, p.scaleX, p.scaleY);
}

void NameEntry::DrawLetters() {
  for (int i = 0; i < kGlyphNameLength; ++i) {
    const int frame = cells[i] == glyph::kCaret ? 1 - caretPhase : cells[i];
    DrawImage(letterSheet, 0, frame, cellX[i], kCellY, 1.0f, 1.0f);
  }
}

void NameEntry::DrawReadyButton() {
  const ButtonPlace& b = kButtons[kNameEditorReady - 1];
  DrawImage(readySheet, 0, readyLook, b.x, b.y, 1.0f, 1.1f);
}

void NameEntry::DrawClearButton() {
  const ButtonPlace& b = kButtons[kNameEditorClear - 1];
  DrawImage(clearSheet, 0, clearLook, b.x, b.y, 1.0f, 1.1f);
}

void NameEntry::DrawBackButton() {
  const ButtonPlace& b = kButtons[kNameEditorBack - 1];
  DrawImage(backSheet, 0, backLook, b.x, b.y, 1.0f, 1.0f);
}
