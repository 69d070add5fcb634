#pragma once
// The item exchange: two members who met on the map side by side, each with
// figure, bag, name and totals, and the panel of the item last lifted
// between the two bags. Any item of the 62 places (12 bag cells and 19 body
// slots a member) is dragged to any other place of either member by the
// party screens' drop rule (member_items::DropRule). The object never
// touches the game record: its procedure copies the members in and out.

#include <cstdint>

#include "game/glyph_name.h"
#include "game/item_catalog.h"
#include "party/exchange_common.h"
#include "party/member_items.h"

class GraphicsDevice;
class HeroFigure;
class InputDevice;
class SpriteSheet;

constexpr int kExchangePlaces = 31;  // item places of one member
constexpr uint8_t kItemSideLeft = 1;
constexpr uint8_t kItemSideRight = 2;

// How an item came to lie in a place: laid out when the screen opened,
// dropped there, or sent back to the place it was lifted from.
enum class IconArrival : uint8_t { kLaidOut, kDropped, kReturned };

class ItemExchangeScreen : public exchange_common::ExchangeSides {
 public:
  ItemExchangeScreen();
  virtual ~ItemExchangeScreen();
  ItemExchangeScreen(const ItemExchangeScreen&) = delete;
  ItemExchangeScreen& operator=(const ItemExchangeScreen&) = delete;

  void Reset();
  void LoadPictures(GraphicsDevice* device);
  // Creates both figures' worn-item sheets (the bare bodies are the
  // application's HeroFigure, handed in through figure).
  void CreatePictureSheets(GraphicsDevice* device);
  void LoadPortraits(GraphicsDevice* device);
  // Puts every item of the side at its place and records the place.
  void LayoutLeftItems();
  void LayoutRightItems();
  // The icons to load: the items either member owns.
  void MergeHeldFlags();
  void LoadItemPictures();
  void LoadLeftWornItemPictures();
  void LoadRightWornItemPictures();
  void UpdateLengths();

  void HoverBack(int32_t x, int32_t y);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  // A press over a place of either member (no drag running) lifts what
  // lies there, possibly nothing, and starts a drag. Returns 1 on a hit.
  // A press that began off the place (as the mouse tells) lifts nothing.
  int PickUp(int32_t x, int32_t y, const InputDevice* mouse = nullptr);
  // The buttons let go over a place of either member: the held item goes
  // there by the drop rule or back to its source. Returns 1 when a place
  // took the drop (the caller latches the buttons then).
  int Drop(int32_t x, int32_t y);
  // The held item back to the place it was lifted from; ends the drag.
  void ReturnHeldItem();
  void DragFollow(int32_t x, int32_t y);
  // Health, attack and shield totals of what the side's figure wears.
  void ComputeLeftStatTotals(int32_t baseHealth, int32_t baseAttack, int32_t baseShield,
                             int32_t* health, int32_t* attack, int32_t* shield);
  void ComputeRightStatTotals(int32_t baseHealth, int32_t baseAttack, int32_t baseShield,
                              int32_t* health, int32_t* attack, int32_t* shield);
  // The owned tables made to follow the places: an item lying in a side's
  // places belongs to that side alone; an item in no place keeps its owner.
  void SettleOwners();

  void DrawBackground();
  void DrawLeftName(int32_t x, int32_t y);
  void DrawRightName(int32_t x, int32_t y);
  void DrawLeftFigure(int32_t x, int32_t y);
  void DrawRightFigure(int32_t x, int32_t y);
  void DrawBags();
  void DrawHealth(int32_t x, int32_t y, int32_t health, int32_t maxHealth);
  void DrawAttack(int32_t x, int32_t y, int32_t value);
  void DrawShield(int32_t x, int32_t y, int32_t value);
  void DrawLeftItems();
  void DrawRightItems();
  void DrawItemPanel(int32_t x, int32_t y);
  void DrawDraggedItem();
  void ReleasePictures();

  // Pictures (the letters, portraits and figures are ExchangeSides').
  SpriteSheet* uiSheet{nullptr};
  ItemView view;  // icons of the items either member owns (eitherHeld)

  // What the two members hold.
  uint8_t leftHeld[kItemIdCount]{};  // per item number: the member owns it
  uint8_t rightHeld[kItemIdCount]{};
  uint8_t leftItems[kExchangePlaces]{};  // item id per place, 0 = empty
  uint8_t rightItems[kExchangePlaces]{};
  // Per item number: the place (0..30) it lies in, on whichever side, and
  // the top-left of its icon.
  uint8_t itemPlace[kItemIdCount]{};
  int32_t itemX[kItemIdCount]{};
  int32_t itemY[kItemIdCount]{};

  // The drag, the panel and Back.
  int32_t heldItem{0};  // id on the cursor; 0 none
  uint8_t dragging{0};  // 1 from a press on a place until the release
  uint8_t sourceSide{0};
  uint8_t sourcePlace{0};
  int32_t returnX{0}, returnY{0};
  int32_t lastMouseX{0}, lastMouseY{0};
  int32_t markerX{0}, markerY{0};  // the bag cell last picked from or dropped on
  int32_t describedItem{0};        // the item last lifted; 0 after an empty place
  ItemPanel panel;                 // text and bonus of panel.describedItem
  uint8_t showWornIcons{1};
  uint8_t totalsDirty{0};
  uint8_t backLook{0};
  uint8_t backHovered{0};
  uint8_t backPressed{0};
  uint8_t backArmed{0};

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(uiSheet);
    v.Handle(view.iconSheet);
    v("eitherHeld", view.itemHeld);
    v("itemPicture", view.iconIndex);
    v("itemKind", view.itemKind);
    exchange_common::VisitSides(v, *this);
    v("leftHeld", leftHeld);
    v("rightHeld", rightHeld);
    v("leftItems", leftItems);
    v("rightItems", rightItems);
    v("itemPlace", itemPlace);
    v("itemX", itemX);
    v("itemY", itemY);
    v("heldItem", heldItem);
    v("dragging", dragging);
    v("sourceSide", sourceSide);
    v("sourcePlace", sourcePlace);
    v("returnX", returnX);
    v("returnY", returnY);
    v("lastMouseX", lastMouseX);
    v("lastMouseY", lastMouseY);
    v("markerX", markerX);
    v("markerY", markerY);
    v("describedItem", describedItem);
    v("shownItem", panel.describedItem);
    v("itemBonus", panel.itemBonus);
    v("line1Last", panel.nameLine1Last);
    v("line2Last", panel.nameLine2Last);
    v.Name("line1", panel.nameLine1);
    v.Name("line2", panel.nameLine2);
    v("line3", panel.kindLine);
    v("showWornIcons", showWornIcons);
    v("totalsDirty", totalsDirty);
    v("backLook", backLook);
    v("backHovered", backHovered);
    v("backPressed", backPressed);
    v("backArmed", backArmed);
  }

 private:
  uint8_t* Places(uint8_t side) { return side == kItemSideRight ? rightItems : leftItems; }
  void Layout(uint8_t side);
  // Puts item id in place p of the side, with its icon there.
  void PutItem(uint8_t side, int place, int32_t itemId,
               IconArrival arrival = IconArrival::kLaidOut);
  // Flags the worn picture of the place for both figures.
  void FlagWorn(int place);
};

// Where place p (0..30) of a side is picked up from and dropped on, and the
// top-left of the icon of an item lying there. Two slots of the right
// figure put an item a little off its first spot once it is dropped there
// (pants, sword) or sent back there (sword).
ScreenRect ExchangePlaceRect(uint8_t side, int place);
void ExchangeIconPlace(uint8_t side, int place, int32_t* x, int32_t* y,
                       IconArrival arrival = IconArrival::kLaidOut);
