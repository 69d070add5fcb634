#pragma once
// The credits: four role captions with what made that part of the game
// beside them, on a still background, and a Back button. Back, Backspace
// and Escape return to the main menu.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class TextFont;

// Colour of the credit lines.
constexpr uint32_t kCreditsTextColour = 0xFFCE6700;

// The Back button's rectangle.
constexpr int32_t kCreditsBackX = 700;
constexpr int32_t kCreditsBackY = 10;
constexpr int32_t kCreditsBackW = 64;
constexpr int32_t kCreditsBackH = 32;

// One credit line: its text in the box (x, y, w, 30).
struct CreditLine {
  const char* text;
  int32_t x;
  int32_t y;
  int32_t w;
};

constexpr int kCreditLineCount = 13;
extern const CreditLine kCreditLines[kCreditLineCount];

class CreditsScreen {
 public:
  CreditsScreen();
  virtual ~CreditsScreen();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  void HoverBack(int32_t x, int32_t y);
  // 1 when either mouse button is freshly pressed inside Back by a press
  // that began there.
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  void DrawBackground();
  void DrawBack();
  void DrawCredits();
  void ClearHover();

  SpriteSheet* sheet;  // 0 the background, 1 Back
  uint8_t backLook;    // 0 normal, 1 cursor over it, 2 pressed
  uint8_t hoverId;     // 1 while the cursor is over Back this frame
  uint8_t pressedId;   // 1 when Back was pressed
  uint8_t held;        // from the press until it is acted on
  TextFont* font;      // "Arial" 20

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v.Handle(font);
    v("backLook", backLook);
    v("hoverId", hoverId);
    v("pressedId", pressedId);
    v("held", held);
  }
};
