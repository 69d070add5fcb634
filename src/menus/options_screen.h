#pragma once
// The options: music and sounds on or off, and the three speeds (movement on
// the kingdom map, movement in battles, swing in battles), each Slow, Average
// or Fast. Drawn on the cleared black frame; Back, Backspace and Escape go
// back to the map or the battle that opened it.

#include <cstdint>

#include "game/game_state.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// Button ids: Back, then the choices in screen order.
constexpr uint8_t kOptionsBack = 1;
constexpr uint8_t kOptionsMusicOn = 2;
constexpr uint8_t kOptionsMusicOff = 3;
constexpr uint8_t kOptionsSoundsOn = 4;
constexpr uint8_t kOptionsSoundsOff = 5;
constexpr uint8_t kOptionsMapSlow = 6;
constexpr uint8_t kOptionsMoveSlow = 9;
constexpr uint8_t kOptionsSwingSlow = 12;
constexpr uint8_t kOptionsButtonCount = 14;
constexpr int kOptionsChoiceCount = 13;

// A button's rectangle.
struct OptionsButton {
  int32_t x, y, w, h;
};
extern const OptionsButton kOptionsButtons[kOptionsButtonCount];

class OptionsScreen {
 public:
  OptionsScreen();
  virtual ~OptionsScreen();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  void HoverButtons(int32_t x, int32_t y);
  // 1 when either mouse button is freshly pressed inside a button by a press
  // that began there: its value is set at once.
  uint32_t ClickButtons(int32_t x, int32_t y, InputDevice* mouse);
  void Draw();
  void ClearHover();

  SpriteSheet* sheet;
  uint8_t music;                             // kSwitchOn or kSwitchOff
  uint8_t sounds;                            // the same
  uint8_t mapSpeed;                          // kSpeedSlow .. kSpeedFast
  uint8_t battleMoveSpeed;                   // the same
  uint8_t battleSwingSpeed;                  // the same
  uint8_t musicRestart;                      // 1: start the music again at the end of this frame
  uint8_t backLook;                          // 0 normal, 1 cursor over it, 2 pressed
  uint8_t choiceLooks[kOptionsChoiceCount];  // looks of buttons 2..14
  uint8_t held;                              // from a press until it is acted on
  uint8_t pressedId;                         // button pressed, 0 none
  uint8_t hoverId;                           // button under the cursor this frame, 0 none

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v("music", music);
    v("sounds", sounds);
    v("mapSpeed", mapSpeed);
    v("battleMoveSpeed", battleMoveSpeed);
    v("battleSwingSpeed", battleSwingSpeed);
    v("musicRestart", musicRestart);
    v("backLook", backLook);
    v("choiceLooks", choiceLooks);
    v("held", held);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
  }

 private:
  uint8_t& LookOf(uint8_t id);
  void SetValue(uint8_t id);
  void DrawChoice(int image, uint8_t id, int32_t x, int32_t y, bool average);
  void DrawSpeedRow(uint8_t firstId, uint8_t speed, int32_t checkY, int32_t buttonY);
};
