#pragma once
// The exchange choice: two party members who met on the map side by side
// (portrait and name each), and what they exchange: Items or Armies, or Back
// to the map. The object stays alive while an exchange it opened runs.

#include <cstdint>

#include "game/game_state.h"
#include "game/glyph_name.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// Button ids (hoveredButton, clickedButton).
constexpr uint8_t kChoiceNone = 0;
constexpr uint8_t kChoiceBackId = 1;
constexpr uint8_t kChoiceItemsId = 2;
constexpr uint8_t kChoiceArmiesId = 3;

// 1 when both ids name a member (1..11) and they are two different members:
// nobody trades with himself.
int ExchangeMembersValid(uint8_t left, uint8_t right);
// 1 when the two ids differ. The choice and the item exchange open for any
// such pair; a side whose id names no member simply has nothing to give or
// take.
int ExchangeMembersDiffer(uint8_t left, uint8_t right);

class ExchangeChoiceScreen {
 public:
  ExchangeChoiceScreen();
  virtual ~ExchangeChoiceScreen();
  ExchangeChoiceScreen(const ExchangeChoiceScreen&) = delete;
  ExchangeChoiceScreen& operator=(const ExchangeChoiceScreen&) = delete;

  void LoadPictures(GraphicsDevice* device);
  void LoadPortraits(GraphicsDevice* device);
  void UpdateLengths();
  void HoverButtons(int32_t x, int32_t y);
  // 1 when a button was clicked, else 0.
  uint32_t ClickButtons(int32_t x, int32_t y, InputDevice* mouse);
  void Draw();
  void DrawNames(int32_t x, int32_t y);
  void ClearHover();
  void ReleasePictures();

  SpriteSheet* uiSheet{nullptr};
  SpriteSheet* portraitSheet{nullptr};
  SpriteSheet* nameLetters1{nullptr};
  SpriteSheet* nameLetters2{nullptr};
  uint8_t ready{0};  // 0 until the mouse was released once; clicks wait for it
  uint8_t leftName[kGlyphNameLength]{};
  uint8_t rightName[kGlyphNameLength]{};
  uint8_t leftNameLast{0};
  uint8_t rightNameLast{0};
  uint8_t leftMember{kMemberPlayer};
  uint8_t rightMember{kMemberPlayer};
  uint8_t playerPortrait{0};
  uint8_t backLook{0};
  uint8_t itemsLook{0};
  uint8_t armiesLook{0};
  uint8_t buttonPressed{0};  // from a click until its action is taken
  uint8_t clickedButton{kChoiceNone};
  uint8_t hoveredButton{kChoiceNone};

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(uiSheet);
    v.Handle(portraitSheet);
    v.Handle(nameLetters1);
    v.Handle(nameLetters2);
    v("ready", ready);
    v.Name("leftName", leftName);
    v.Name("rightName", rightName);
    v("leftNameLast", leftNameLast);
    v("rightNameLast", rightNameLast);
    v("leftMember", leftMember);
    v("rightMember", rightMember);
    v("playerPortrait", playerPortrait);
    v("backLook", backLook);
    v("itemsLook", itemsLook);
    v("armiesLook", armiesLook);
    v("buttonPressed", buttonPressed);
    v("clickedButton", clickedButton);
    v("hoveredButton", hoveredButton);
  }
};
