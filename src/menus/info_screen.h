#pragma once
// The help screen: three pages of text with a few pictures over a background
// that plays a short animation once. The title and the page arrows show after
// one second, the page after two. Back, Backspace and Escape return to the
// main menu; the arrows turn the pages round in both directions.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class TextFont;

constexpr uint8_t kHelpPageCount = 3;

// Button ids.
constexpr uint8_t kHelpBack = 1;
constexpr uint8_t kHelpLeft = 2;
constexpr uint8_t kHelpRight = 3;

// Rectangles of the buttons. The left arrow takes clicks from x 10, five
// pixels left of where it is drawn and highlighted.
struct HelpRect {
  int32_t x, y, w, h;
};
constexpr HelpRect kHelpBackRect = {700, 10, 64, 32};
constexpr HelpRect kHelpLeftHover = {15, 4, 32, 64};
constexpr HelpRect kHelpLeftClick = {10, 4, 32, 64};
constexpr HelpRect kHelpRightRect = {65, 4, 32, 64};

// One row of a page: a line of text in the box (x, y, w, 32), or a picture
// (image >= 0) at (x, y).
struct HelpRow {
  int32_t x, y, w;
  const char* text;
  bool heading;
  int image;
};
struct HelpPage {
  const HelpRow* rows;
  int count;
};
extern const HelpPage kHelpPages[kHelpPageCount];

class InfoScreen {
 public:
  InfoScreen();
  virtual ~InfoScreen();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  void HoverBack(int32_t x, int32_t y);
  void HoverLeftArrow(int32_t x, int32_t y);
  void HoverRightArrow(int32_t x, int32_t y);
  // Each 1 when either mouse button is freshly pressed inside it by a press
  // that began there.
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickLeftArrow(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickRightArrow(int32_t x, int32_t y, InputDevice* mouse);
  void Animate();
  void DrawBackground();
  void DrawBack();
  void DrawTitle();
  void DrawArrows();
  void DrawPage();
  void ClearHover();

  TextFont* font;  // "Arial" 22
  SpriteSheet* sheet;
  uint8_t page;          // 0..2
  uint32_t animStartMs;  // time stamp of the current animation frame
  uint8_t animState;     // 1 take a time stamp, 2 waiting
  uint8_t animFrame;     // background picture 0..5
  uint8_t backLook;      // 0 normal, 1 cursor over it, 2 pressed
  uint8_t leftLook;
  uint8_t rightLook;
  uint8_t hoverId;    // button under the cursor this frame, 0 none
  uint8_t pressedId;  // button pressed, 0 none
  uint8_t held;       // from a press until it is acted on

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(font);
    v.Handle(sheet);
    v("page", page);
    v("animStartMs", animStartMs);
    v("animState", animState);
    v("animFrame", animFrame);
    v("backLook", backLook);
    v("leftLook", leftLook);
    v("rightLook", rightLook);
    v("hoverId", hoverId);
    v("pressedId", pressedId);
    v("held", held);
  }

 private:
  void Hover(const HelpRect& r, uint8_t id, uint8_t& look, int32_t x, int32_t y);
  uint32_t Click(const HelpRect& r, uint8_t id, uint8_t& look, int32_t x, int32_t y,
                 InputDevice* mouse);
};
