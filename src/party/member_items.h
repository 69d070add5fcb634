#pragma once
// The items of the party member a party screen shows: twelve bag cells and
// nineteen body slots, and the drag and drop between them. An item fits a
// body slot only by its kind; whatever lay in the target takes the dragged
// item's old place when it may go there, and anything that cannot be placed
// goes back where it came from, so no item is ever lost or doubled.
//
// The party screens hold one MemberItems each and feed it the cursor; the
// rules here know nothing of input devices or pictures.

#include <cstdint>

#include "game/game_state.h"
#include "game/item_catalog.h"
#include "party/screen_rect.h"

constexpr int32_t kItemIconSize = 64;
constexpr uint8_t kNoItemPlace = 0xFF;

namespace member_items {
// Where an item place is picked up from and dropped on.
ScreenRect PlaceRect(int place);
// Top-left corner of the icon of an item lying in the place.
void IconPlace(int place, int32_t* x, int32_t* y);
// The item place under the cursor, or -1.
int PlaceAt(int32_t x, int32_t y);

// Where an item let go over a place goes. `dragged` was lifted from place
// `origin` (now empty) and is let go over place `target`, where `lying`
// lies (0: nothing). kPlaced: the dragged item takes the target and `lying`
// takes the origin. kBack: the dragged item goes back to the origin and the
// target keeps `lying`. A body slot takes only its own kind, and an item
// lying in a bag cell changes places with a worn item only when it may be
// worn where that came from. The rule holds alike for places of one member
// and of two.
enum class DropOutcome : uint8_t { kBack, kPlaced };
DropOutcome DropRule(int32_t dragged, int origin, int target, int32_t lying);
// 1 for the bag cells (places 0..11).
inline bool IsBagPlace(int place) { return place >= 0 && place < kBagCells; }
}  // namespace member_items

struct MemberItems {
  uint8_t itemSlots[kItemPlaces] = {};  // item id per place, 0 = empty
  ItemView view;                        // itemHeld, icons and kinds per item number
  WornFigure figure;                    // worn pictures; bodyItems mirrors places 12..30
  uint8_t itemSlotOf[kItemIdCount] = {};
  int32_t itemX[kItemIdCount] = {};
  int32_t itemY[kItemIdCount] = {};
  int32_t draggedItem = 0;  // id in the air, 0 = none
  uint8_t dragOrigin = 0;   // place it came from
  uint8_t dragging = 0;     // 1 from a press on a place until the release
  int32_t originX = 0, originY = 0;
  int32_t lastMouseX = 0, lastMouseY = 0;
  int32_t chosenItem = 0;  // id shown in the item panel and offered to Toss
  int32_t selectedMarkX = 0, selectedMarkY = 0;
  uint8_t statsDirty = 0;  // a lift, a drop, a return or a toss: totals due

  // Copies the member's places in and lays every item out.
  void Load(const uint8_t places[kItemPlaces]);
  // Puts every placed item at its place's icon corner and mirrors the body
  // slots into the figure. The item in the air keeps its position.
  void LayoutBag();
  // A press at (x, y) with no drag running picks up what lies in the place
  // under the cursor (possibly nothing) and centres it on the cursor.
  // Returns 1 when a place was hit.
  int PickUp(int32_t x, int32_t y);
  // Moves the item in the air by the cursor's motion.
  void Follow(int32_t x, int32_t y);
  // Both buttons up at (x, y): the item goes to the place under the cursor
  // by the kind rules, or back to its origin. Ends the drag in every case,
  // and the totals are due.
  void Drop(int32_t x, int32_t y);
  // Ends a drag by putting the item back where it came from; the totals
  // are due.
  void ReturnToOrigin();
  // Removes the chosen item from the member.
  void ThrowAwayChosen();
  // Health, attack and shield totals of what is worn.
  void Totals(int32_t baseHealth, int32_t baseAttack, int32_t baseShield, int32_t* health,
              int32_t* attack, int32_t* shield) const;

  template <class V>
  void VisitFields(V& v) const {
    v("itemSlots", itemSlots);
    v("itemHeld", view.itemHeld);
    v("itemKind", view.itemKind);
    v("bodyItems", figure.bodyItems);
    v("iconIndex", view.iconIndex);
    v("itemSlotOf", itemSlotOf);
    v("itemX", itemX);
    v("itemY", itemY);
    v.Handle(view.iconSheet);
    v.Handle(figure.helmetSheet);
    v.Handle(figure.torsoSheet);
    v.Handle(figure.glovesSheet);
    v.Handle(figure.pantsSheet);
    v.Handle(figure.shoesSheet);
    v.Handle(figure.beltSheet);
    v.Handle(figure.amuletSheet);
    v.Handle(figure.shieldSheet);
    v.Handle(figure.swordSheet);
    v("reloadFlags", figure.reloadFlags);
    v("draggedItem", draggedItem);
    v("dragOrigin", dragOrigin);
    v("dragging", dragging);
    v("originX", originX);
    v("originY", originY);
    v("lastMouseX", lastMouseX);
    v("lastMouseY", lastMouseY);
    v("chosenItem", chosenItem);
    v("selectedMarkX", selectedMarkX);
    v("selectedMarkY", selectedMarkY);
    v("statsDirty", statsDirty);
  }

 private:
  void PlaceItem(int32_t itemId, int place);
  void FlagWorn(int place);
};
