#pragma once
// The main menu: the castle picture with a strip of six buttons along the
// bottom edge (new game, hall of fame, load, help, credits, quit). The object
// survives visits to help, credits, hall of fame and the load list; it is
// freed when a game starts or is loaded (the menu builds it anew when next
// shown), and its destructor releases its sheet.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// Button ids (1..6), also clickedId and hoveredId.
constexpr uint8_t kMenuNone = 0;
constexpr uint8_t kMenuNewGame = 1;
constexpr uint8_t kMenuHallOfFame = 2;
constexpr uint8_t kMenuLoad = 3;
constexpr uint8_t kMenuHelp = 4;
constexpr uint8_t kMenuCredits = 5;
constexpr uint8_t kMenuQuit = 6;
constexpr int kMenuButtonCount = 6;

// Looks of a button: its caption comes from the lit sheet while hovered.
constexpr uint8_t kLookNormal = 0;
constexpr uint8_t kLookHovered = 1;
constexpr uint8_t kLookPressed = 2;

// One caption frame of a button at its place; frame -1 for none.
struct MenuCaption {
  int8_t frame;
  int32_t x, y;
};

// A button's rectangle (hover and click alike; it reaches below the screen
// edge, only the visible part matters) and its one or two caption frames.
struct MenuButton {
  uint8_t id;
  int32_t x, y, w, h;
  MenuCaption captions[2];
};

// By id, 1..6 at index 0..5.
inline constexpr MenuButton kMenuButtons[kMenuButtonCount] = {
    {kMenuNewGame, 64, 538, 77, 100, {{0, 53, 542}, {7, 53, 566}}},
    {kMenuHallOfFame, 297, 538, 89, 100, {{6, 295, 543}, {2, 295, 567}}},
    {kMenuLoad, 177, 538, 77, 100, {{1, 165, 543}, {7, 165, 566}}},
    {kMenuHelp, 574, 538, 66, 100, {{4, 560, 556}, {-1, 0, 0}}},
    {kMenuCredits, 429, 538, 100, 100, {{3, 430, 556}, {-1, 0, 0}}},
    {kMenuQuit, 667, 538, 68, 100, {{5, 655, 556}, {-1, 0, 0}}},
};

constexpr uint32_t kMenuCaptionColour = 0xFFFFFFFF;
constexpr float kMenuCaptionScale = 0.8f;

class MainMenuScreen {
 public:
  MainMenuScreen();
  virtual ~MainMenuScreen();

  void LoadArt(GraphicsDevice* device);
  // Releases and deletes the sheet (the object has no other pictures).
  void ReleaseArt();
  void Draw();

  // Each: inside the button, hoveredId becomes its id and, unless the press
  // lock is set, its look 1; outside and unlocked, its look 0.
  void HoverNewGame(int32_t x, int32_t y);
  void HoverHallOfFame(int32_t x, int32_t y);
  void HoverLoad(int32_t x, int32_t y);
  void HoverHelp(int32_t x, int32_t y);
  void HoverCredits(int32_t x, int32_t y);
  void HoverQuit(int32_t x, int32_t y);
  // Each: 1, and clickedId := the button, when the cursor is inside it and
  // mouse button 0 or 1 is freshly pressed by a press that began inside it.
  uint32_t ClickNewGame(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickHallOfFame(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickLoad(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickHelp(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickCredits(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickQuit(int32_t x, int32_t y, InputDevice* mouse);
  // 0 while either mouse button still reports a fresh press; else latches
  // both and gives 1.
  uint32_t WaitForRelease(InputDevice* mouse);
  void ClearHover();

  SpriteSheet* sheet;
  uint8_t look[kMenuButtonCount];  // by id - 1
  uint8_t clickedId;               // pressed and waiting for its action; 0 none
  uint8_t hoveredId;               // under the cursor this frame; 0 none
  uint8_t pressLock;               // from a press until its action

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v("look", look);
    v("clickedId", clickedId);
    v("hoveredId", hoveredId);
    v("pressLock", pressLock);
  }

 private:
  void Hover(uint8_t id, int32_t x, int32_t y);
  uint32_t Click(uint8_t id, int32_t x, int32_t y, InputDevice* mouse);
};
