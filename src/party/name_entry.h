#pragma once
// The name editor: the player retypes the 21-cell name of a hero or of an
// army (glyph_name.h). Every cell is drawn as the letter sheet's frame of
// its code; the cell holding the caret code is where the next letter goes.
// Ready (or Enter) stores the name where the calling screen said and goes
// back to it, Back goes back without storing, Clear empties the name.

#include <cstdint>

#include "game/glyph_name.h"
#include "menus/step_timer.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class Texture;

// Where the editor returns (GameApp::renameReturn), beside the places'
// codes of places/place_table.h; every other value, the hero name's 0
// among them, returns to the heroes screen.
constexpr uint8_t kRenameHeroName = 0;
constexpr uint8_t kRenameToPlayer = 2;
constexpr uint8_t kRenameToHeroes = 3;

// The buttons' ids (hoveredId, clickedId).
constexpr uint8_t kNameEditorBack = 1;
constexpr uint8_t kNameEditorClear = 2;
constexpr uint8_t kNameEditorReady = 3;

// The code TypeKey takes for "delete the letter before the caret".
constexpr uint8_t kNameEditorDelete = 255;

// One key of the typing table: its scan codes (a digit has two, the second
// 0 for the others) and the first cell it types without and with Shift. A
// two-cell capital is given by its first cell.
struct NameEditorKey {
  uint8_t scanCode;
  uint8_t altScanCode;
  uint8_t plain;
  uint8_t shifted;
};
constexpr int kNameEditorKeyCount = 39;
// In the order the keys are tried each frame: Space, A..Z, full stop,
// Backspace, the digits 0..9.
extern const NameEditorKey kNameEditorKeys[kNameEditorKeyCount];

class NameEntry {
 public:
  NameEntry();
  virtual ~NameEntry();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();

  // The typing rule for one code: a cell code (a capital's first cell
  // writes both of its cells) or kNameEditorDelete.
  void TypeKey(uint8_t code);
  // Empties the name (unless something was typed this frame).
  void Clear();
  // Puts a caret behind the last letter of a name handed over without one.
  void AdvanceCaret();
  void BlinkCaret(uint32_t nowMs);

  // Per button: the hover test (hoveredId and, unless a press is held, the
  // look) and the click test (clickedId; 1 when it was pressed).
  void HoverReady(int32_t x, int32_t y);
  uint32_t ClickReady(int32_t x, int32_t y, InputDevice* mouse);
  void HoverClear(int32_t x, int32_t y);
  uint32_t ClickClear(int32_t x, int32_t y, InputDevice* mouse);
  void HoverBack(int32_t x, int32_t y);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();

  void DrawBackground();
  void DrawHeroTitle();
  void DrawNameTitle();
  void DrawBoxes();
  void DrawLetters();
  void DrawReadyButton();
  void DrawClearButton();
  void DrawBackButton();

  Texture* boxes[4];  // face, top and bottom edge, left edge, right edge
  SpriteSheet* titleSheet;
  SpriteSheet* letterSheet;
  SpriteSheet* readySheet;
  SpriteSheet* clearSheet;
  SpriteSheet* backSheet;
  uint8_t caretFound;  // AdvanceCaret's working flag
  uint8_t cells[kGlyphNameLength];
  int32_t cellX[kGlyphNameLength];
  uint8_t lastFilled;  // AdvanceCaret's working value
  StepTimer caretTimer;
  uint8_t caretPhase;  // 0 the caret shows, 1 it is hidden
  uint8_t typedThisFrame;
  uint8_t hoveredId;  // the button under the cursor this frame
  uint8_t clickedId;  // the pressed button waiting for its action
  uint8_t pressLock;  // a press is held: hovering leaves the looks alone
  // 0 normal, 1 hovered, 2 pressed: the frame each button is drawn in.
  uint8_t readyLook;
  uint8_t clearLook;
  uint8_t backLook;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(boxes);
    v.Handle(titleSheet);
    v.Handle(letterSheet);
    v.Handle(readySheet);
    v.Handle(clearSheet);
    v.Handle(backSheet);
    v("caretFound", caretFound);
    v.Name("cells", cells);
    v("cellX", cellX);
    v("lastFilled", lastFilled);
    v.Inline("caretTimer", caretTimer);
    v("caretPhase", caretPhase);
    v("typedThisFrame", typedThisFrame);
    v("hoveredId", hoveredId);
    v("clickedId", clickedId);
    v("pressLock", pressLock);
    v("readyLook", readyLook);
    v("clearLook", clearLook);
    v("backLook", backLook);
  }
};
