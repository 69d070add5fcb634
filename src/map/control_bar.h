#pragma once
// The column of buttons at the right edge of the kingdom map: player,
// heroes, wealth, quest log, options, end of the day, save and quit, and
// the hide/show toggle, with the player's portrait and a little fire. The
// party screens use the same object for their hide/show toggle.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// Button ids as pressedId and hoverId hold them.
constexpr uint8_t kBarEndDay = 1;
constexpr uint8_t kBarHideShow = 2;
constexpr uint8_t kBarSaveQuit = 4;
constexpr uint8_t kBarPlayer = 5;
constexpr uint8_t kBarHeroes = 6;
constexpr uint8_t kBarWealth = 9;
constexpr uint8_t kBarQuestLog = 10;
constexpr uint8_t kBarOptions = 11;
// The party screens' toggle.
constexpr uint8_t kBarPartyToggle = 1;

class ControlBar {
 public:
  ControlBar();
  // Deletes the sheet, should the bar ever be deleted.
  virtual ~ControlBar();

  ControlBar(const ControlBar&) = delete;
  ControlBar& operator=(const ControlBar&) = delete;

  // Creates the sheet and loads its pictures; the result of the last load.
  uint32_t LoadArt(GraphicsDevice* device);
  void Draw();
  void DrawHideShowButton();
  void Animate();
  void Hover(int32_t x, int32_t y);
  void HoverHideShowButton(int32_t x, int32_t y);
  uint32_t Click(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickHideShowButton(int32_t x, int32_t y, InputDevice* mouse);
  // Whether the press now held began on one of the map's buttons as they
  // show (with the bar hidden, its toggle only), whether or not the button
  // took it; a device that cannot tell where the press began says no.
  uint32_t PressBeganOnButton(const InputDevice& mouse) const;
  void ClearHover();

  SpriteSheet* sheet;     // owned; null until LoadArt
  uint32_t fireStartMs;   // when the current fire step began
  uint8_t firePhase;      // 1 start a step at the next Animate, 2 a step runs
  uint8_t fireFrame;      // 0..7
  uint8_t hidePending;    // set by the map screen when it hides the bar
  uint8_t portrait;       // frame of the portrait picture
  uint8_t hideShowState;  // 1 shown, 0 hidden
  uint8_t buttonLook;     // hide/show toggle: 0 idle, 1 hover, 2 pressed
  uint8_t quitLook;
  uint8_t playerLook;
  uint8_t heroesLook;
  uint8_t wealthLook;
  uint8_t questLogLook;
  uint8_t endDayLook;
  uint8_t optionsLook;
  uint8_t pressedId;   // button last clicked, 0 none; the caller clears it
  uint8_t hoverId;     // button under the cursor, 0 none
  uint8_t buttonHeld;  // set by the caller after a click: looks stay put

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v("fireStartMs", fireStartMs);
    v("firePhase", firePhase);
    v("fireFrame", fireFrame);
    v("hidePending", hidePending);
    v("portrait", portrait);
    v("hideShowState", hideShowState);
    v("buttonLook", buttonLook);
    v("quitLook", quitLook);
    v("playerLook", playerLook);
    v("heroesLook", heroesLook);
    v("wealthLook", wealthLook);
    v("questLogLook", questLogLook);
    v("endDayLook", endDayLook);
    v("optionsLook", optionsLook);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
    v("buttonHeld", buttonHeld);
  }
};
