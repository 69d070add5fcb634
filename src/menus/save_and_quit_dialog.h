#pragma once
// The save-and-quit question, opened from the kingdom map or a battle: Yes
// saves the game and ends at the main menu (or ends the program, when the
// window's close asked it), No goes back.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class Texture;

// Button ids.
constexpr uint8_t kQuestionYes = 1;
constexpr uint8_t kQuestionNo = 2;

// One button: its rectangle (hover and click) and, per look (0 normal,
// 1 hovered, 2 pressed), where its picture goes and how large.
struct QuestionButton {
  int32_t x, y, w, h;
  int32_t drawX[3];
  int32_t drawY;
  float scale[3];
};
inline constexpr QuestionButton kQuestionButtons[2] = {
    {90, 270, 240, 140, {130, 110, 95}, 300, {0.6f, 0.8f, 1.05f}},
    {440, 270, 240, 140, {480, 460, 445}, 300, {0.6f, 0.8f, 1.05f}},
};

// Shown under the buttons when the question comes back after a save that
// could not be written.
inline constexpr const char* kSaveFailedText = "The game could not be saved.";
constexpr int32_t kSaveFailedY = 440;
constexpr uint32_t kSaveFailedColour = 0xFFE6E6E6;

class SaveAndQuitDialog {
 public:
  SaveAndQuitDialog();
  virtual ~SaveAndQuitDialog();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  void DrawBackground();
  void DrawYes();
  void DrawNo();
  void HoverYes(int32_t x, int32_t y);
  void HoverNo(int32_t x, int32_t y);
  // 1, and pressedId := the button, when the cursor is in it and mouse
  // button 0 or 1 is freshly pressed by a press that began in it.
  uint32_t ClickYes(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickNo(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();

  Texture* background;
  SpriteSheet* yesSheet;  // image 0 Yes; image 1 stays empty
  SpriteSheet* noSheet;
  uint8_t yesLook;  // 0 normal, 1 hovered, 2 pressed
  uint8_t noLook;
  uint8_t held;       // from a press until it is acted on
  uint8_t pressedId;  // 1 Yes, 2 No, 0 none
  uint8_t hoverId;    // under the cursor this frame

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(background);
    v.Handle(yesSheet);
    v.Handle(noSheet);
    v("yesLook", yesLook);
    v("noLook", noLook);
    v("held", held);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
  }

 private:
  void Hover(uint8_t id, uint8_t& look, int32_t x, int32_t y);
  uint32_t Click(uint8_t id, int32_t x, int32_t y, InputDevice* mouse);
  void DrawButton(SpriteSheet* sheet, uint8_t id, uint8_t look);
};
