#pragma once
// The first screen of a new game: the player types a name of up to 21 cells
// into a box while ornaments slide in around it; Ready (or Enter) goes on to
// the portrait choice, Back (or Escape) to the main menu. Backspace and the
// keypad's 0 delete the letter before the caret.
//
// The name is kept as letter codes (glyph_name.h), one cell each for a small
// letter, a space, I, J or the full stop and two cells for every other
// capital; the cell holding the caret code is where the next letter goes.

#include <cstdint>

#include "game/glyph_name.h"
#include "menus/step_timer.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class Texture;

// The codes PutLetter takes: a letter key gives kTypeSmallA + its alphabet
// position, with Shift kTypeCapitalA + the position.
constexpr uint8_t kTypeSpace = 0;
constexpr uint8_t kTypeSmallA = 2;
constexpr uint8_t kTypeCapitalA = 28;
constexpr uint8_t kTypeCapitalI = 36;  // I and J are one cell wide
constexpr uint8_t kTypeCapitalJ = 37;
constexpr uint8_t kTypeCapitalK = 38;
constexpr uint8_t kTypeCapitalZ = 53;
constexpr uint8_t kTypeFullStop = 54;
constexpr uint8_t kTypeDelete = 65;

// One key of the typing table: its scan code and the codes it types without
// and with Shift.
struct NameEntryKey {
  uint8_t scanCode;
  uint8_t plain;
  uint8_t shifted;
};
constexpr int kNameEntryKeyCount = 30;
// In the order the keys are tried each frame: Space, A..Z, full stop, then
// the two delete keys.
extern const NameEntryKey kNameEntryKeys[kNameEntryKeyCount];

// The buttons' ids (hoveredId, clickedId).
constexpr uint8_t kNameEntryBack = 1;
constexpr uint8_t kNameEntryClear = 2;
constexpr uint8_t kNameEntryReady = 3;

struct NameEntryRect {
  int32_t x, y, w, h;
};
constexpr NameEntryRect kNameEntryReadyRect = {363, 488, 100, 35};
constexpr NameEntryRect kNameEntryClearRect = {140, 410, 64, 35};
constexpr NameEntryRect kNameEntryBackRect = {700, 10, 64, 32};

// The opening animation's end points.
constexpr int32_t kHand1Stop = 233;
constexpr int32_t kHand2OffsetStop = 336;
constexpr int32_t kHand5Stop = 536;
constexpr float kGrowFull = 1.1f;
constexpr uint8_t kGrowing = 1;
constexpr uint8_t kGrown = 2;
constexpr uint8_t kGrownTwice = 3;
// The lightning comes after this many whole seconds on the screen.
constexpr uint32_t kShockAfterSeconds = 7;

constexpr uint32_t kCaretBlinkMs = 400;
constexpr uint32_t kGrowStepMs = 20;
constexpr uint32_t kShockStepMs = 50;

class NameEntryScreen {
 public:
  NameEntryScreen();
  virtual ~NameEntryScreen();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();

  // The typing rule for one code of the table (kTypeDelete deletes).
  void PutLetter(uint8_t code);
  // Empties the name (unless something was typed this frame).
  void Clear();
  // The cell holding the caret; kGlyphNameLength when there is none.
  int CaretCell() const;
  void BlinkCaret(uint32_t nowMs);

  void HoverReady(int32_t x, int32_t y);
  void HoverClear(int32_t x, int32_t y);
  void HoverBack(int32_t x, int32_t y);
  uint32_t ClickReady(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickClear(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();

  // The opening animation for a step of s pixels (frames with timing only).
  void SlideHands(int32_t s);
  void StepGrowth(uint32_t nowMs);
  void StepShocks(uint32_t nowMs);

  void DrawShocks(uint32_t secondsOnScreen);
  void DrawBoxes();
  void DrawTitle();
  void DrawBackButton();
  void DrawLetters();
  void DrawReadyButton();
  void DrawClearButton();
  void DrawHands();

  Texture* boxes[4];
  Texture* hands[6];
  SpriteSheet* effectSheet;  // 0 the lightning, 1 Back
  SpriteSheet* titleSheet;
  SpriteSheet* letterSheet;
  SpriteSheet* readySheet;
  SpriteSheet* clearSheet;
  uint8_t cells[kGlyphNameLength];
  int32_t cellX[kGlyphNameLength];
  uint8_t typedThisFrame;
  uint8_t caretPhase;  // 0 the caret shows, 1 it is hidden
  StepTimer caretTimer;
  uint8_t readyLook;
  uint8_t clearLook;
  uint8_t backLook;
  uint8_t hoveredId;
  uint8_t clickedId;
  uint8_t pressLock;
  int32_t shockX[4];
  float shockScale[4];
  StepTimer shockTimer;
  int32_t hand1X;
  int32_t hand2Offset;
  int32_t hand3X;
  int32_t hand5Y;
  uint8_t growPhase;
  float growScale;
  StepTimer growTimer;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(boxes);
    v.Handle(hands);
    v.Handle(effectSheet);
    v.Handle(titleSheet);
    v.Handle(letterSheet);
    v.Handle(readySheet);
    v.Handle(clearSheet);
    v.Name("cells", cells);
    v("cellX", cellX);
    v("typedThisFrame", typedThisFrame);
    v("caretPhase", caretPhase);
    v.Inline("caretTimer", caretTimer);
    v("readyLook", readyLook);
    v("clearLook", clearLook);
    v("backLook", backLook);
    v("hoveredId", hoveredId);
    v("clickedId", clickedId);
    v("pressLock", pressLock);
    v("shockX", shockX);
    v("shockScale", shockScale);
    v.Inline("shockTimer", shockTimer);
    v("hand1X", hand1X);
    v("hand2Offset", hand2Offset);
    v("hand3X", hand3X);
    v("hand5Y", hand5Y);
    v("growPhase", growPhase);
    v("growScale", growScale);
    v.Inline("growTimer", growTimer);
  }
};
