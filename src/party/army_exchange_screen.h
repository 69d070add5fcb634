#pragma once
// The army exchange: both members' six army slots as twelve cells along the
// bottom (the left member's on the left), both figures with their values,
// a panel with the stack last picked, and Back. A stack dragged onto an
// empty cell moves there, onto an occupied cell the two change places;
// kinds, counts and owners are never tested. The object never touches the
// game record: its procedure copies the members in and out.

#include <cstdint>

#include "game/glyph_name.h"
#include "game/item_catalog.h"
#include "party/exchange_common.h"

class GraphicsDevice;
class HeroFigure;
class InputDevice;
class SpriteSheet;

constexpr int kExchangeEntries = 12;  // entry i is drawn in cell i + 1
constexpr int kExchangeSideEntries = 6;
constexpr int kItemPlaceCount = 31;

// Value boxes of the stack panel (valueHover).
constexpr uint8_t kValueNone = 0;
constexpr uint8_t kValueAttack = 5;
constexpr uint8_t kValueTraining = 6;
constexpr uint8_t kValueShield = 7;
constexpr uint8_t kValueEquipment = 8;

// Home of cell c (1..12): the top-left of its stack's icon at rest.
void ArmyCellHome(int cell, int32_t* x, int32_t* y);

class ArmyExchangeScreen : public exchange_common::ExchangeSides {
 public:
  ArmyExchangeScreen();
  virtual ~ArmyExchangeScreen();
  ArmyExchangeScreen(const ArmyExchangeScreen&) = delete;
  ArmyExchangeScreen& operator=(const ArmyExchangeScreen&) = delete;

  void Reset();
  void LoadPictures(GraphicsDevice* device);
  // Creates the worn-item sheets of both figures (the bare bodies are the
  // application's HeroFigure, handed in through figure).
  void CreatePictureSheets(GraphicsDevice* device);
  void LoadPortraits(GraphicsDevice* device);
  void LoadArmyIcons(GraphicsDevice* device);
  void LoadLeftWornItemPictures();
  void LoadRightWornItemPictures();
  void LayoutCells();
  void UpdateLengths();
  void HoverBack(int32_t x, int32_t y);
  void HoverValues(int32_t x, int32_t y);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  // A fresh press that began on a cell lifts its stack (possibly none).
  void PickUpStack(int32_t x, int32_t y, InputDevice* mouse);
  // Both buttons let go over a cell: the held stack goes there, changing
  // places with what lies there. A press cut by the focus leaving the
  // window drops nothing: the procedure sends the stack home.
  void DropStack(int32_t x, int32_t y, InputDevice* mouse);
  void DragFollow(int32_t x, int32_t y);
  void DrawBackground();
  void DrawStacks();
  void DrawStackPanel(int32_t nameX, int32_t nameY, int32_t valueX);
  void DrawLeftName(int32_t x, int32_t y);
  void DrawRightName(int32_t x, int32_t y);
  void DrawHealth(int32_t x, int32_t y, int32_t health, int32_t maxHealth);
  void DrawAttack(int32_t x, int32_t y, int32_t value);
  void DrawShield(int32_t x, int32_t y, int32_t value);
  void DrawLeftFigure(int32_t x, int32_t y);
  void DrawRightFigure(int32_t x, int32_t y);
  void ClearHover();
  void ReleasePictures();

  // Pictures.
  SpriteSheet* uiSheet{nullptr};
  SpriteSheet* armySheet{nullptr};

  // The two members (their sheets, figures and names are ExchangeSides').
  int32_t leftHealth{0}, leftMaxHealth{0}, leftAttack{0}, leftShield{0};
  int32_t rightHealth{0}, rightMaxHealth{0}, rightAttack{0}, rightShield{0};
  uint8_t leftItems[kItemPlaceCount]{};
  uint8_t rightItems[kItemPlaceCount]{};

  // The twelve stacks: a stack is the values at one index.
  uint8_t armyCode[kExchangeEntries]{};
  uint8_t armyUsed[kExchangeEntries]{};
  uint8_t armyCell[kExchangeEntries]{};
  uint8_t armyKind[kExchangeEntries]{};
  int32_t armyAttack[kExchangeEntries]{};
  int32_t armyShield[kExchangeEntries]{};
  int32_t armyTraining[kExchangeEntries]{};
  int32_t armyEquipment[kExchangeEntries]{};
  uint8_t armyCount[kExchangeEntries]{};
  uint8_t armyMark1[kExchangeEntries]{};
  uint8_t armyMark2[kExchangeEntries]{};
  uint8_t armyMark3[kExchangeEntries]{};
  uint8_t armyMark4[kExchangeEntries]{};
  uint8_t armyNames[kExchangeEntries][kGlyphNameLength]{};
  uint8_t armyNameLast[kExchangeEntries]{};
  int32_t stackX[kExchangeEntries]{};
  int32_t stackY[kExchangeEntries]{};
  uint8_t namesDirty{1};

  // The drag, the panel and Back.
  uint8_t dragging{0};
  uint8_t heldCode{0};  // armyCode of the stack on the cursor; 0 nothing held
  uint8_t heldCell{0};  // cell 1..12 it came from; 0 none
  int32_t lastMouseX{0}, lastMouseY{0};
  int32_t returnX{0}, returnY{0};
  uint8_t shownStack{0};
  uint8_t shownCell{0};
  uint8_t lastTarget{0};
  uint8_t valueHover{kValueNone};
  uint8_t backLook{0};
  uint8_t backPressed{0};
  uint8_t backHovered{0};
  uint8_t backArmed{0};

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(uiSheet);
    v.Handle(armySheet);
    exchange_common::VisitSides(v, *this);
    v("leftHealth", leftHealth);
    v("leftMaxHealth", leftMaxHealth);
    v("leftAttack", leftAttack);
    v("leftShield", leftShield);
    v("rightHealth", rightHealth);
    v("rightMaxHealth", rightMaxHealth);
    v("rightAttack", rightAttack);
    v("rightShield", rightShield);
    v("leftItems", leftItems);
    v("rightItems", rightItems);
    v("armyCode", armyCode);
    v("armyUsed", armyUsed);
    v("armyCell", armyCell);
    v("armyKind", armyKind);
    v("armyAttack", armyAttack);
    v("armyShield", armyShield);
    v("armyTraining", armyTraining);
    v("armyEquipment", armyEquipment);
    v("armyCount", armyCount);
    v("armyMark1", armyMark1);
    v("armyMark2", armyMark2);
    v("armyMark3", armyMark3);
    v("armyMark4", armyMark4);
    v.Name("armyNames", armyNames);
    v("armyNameLast", armyNameLast);
    v("stackX", stackX);
    v("stackY", stackY);
    v("namesDirty", namesDirty);
    v("dragging", dragging);
    v("heldCode", heldCode);
    v("heldCell", heldCell);
    v("lastMouseX", lastMouseX);
    v("lastMouseY", lastMouseY);
    v("returnX", returnX);
    v("returnY", returnY);
    v("shownStack", shownStack);
    v("shownCell", shownCell);
    v("lastTarget", lastTarget);
    v("valueHover", valueHover);
    v("backLook", backLook);
    v("backPressed", backPressed);
    v("backHovered", backHovered);
    v("backArmed", backArmed);
  }
};
