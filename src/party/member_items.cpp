#include "party/member_items.h"

#include <cstring>

#include "platform/hit_test.h"

namespace {

// Pick-up and drop rectangles of the body slots (places 12..30) and the
// corners where their icons lie.
constexpr ScreenRect kBodyRects[kBodySlotCount] = {
    {400, 254, 40, 50}, {445, 254, 40, 50}, {490, 254, 40, 50}, {407, 193, 37, 48},
    {190, 295, 63, 57}, {214, 360, 50, 21}, {382, 430, 36, 58}, {426, 450, 63, 37},
    {195, 230, 50, 50}, {170, 395, 30, 25}, {204, 395, 30, 25}, {237, 395, 30, 25},
    {271, 395, 30, 25}, {364, 395, 30, 25}, {398, 395, 30, 25}, {431, 395, 30, 25},
    {464, 395, 30, 25}, {463, 325, 43, 50}, {433, 313, 22, 72},
};
struct Corner {
  int32_t x, y;
};
constexpr Corner kBodyIcons[kBodySlotCount] = {
    {391, 250}, {436, 250}, {481, 250}, {397, 193}, {190, 295}, {214, 340}, {370, 430},
    {426, 430}, {190, 230}, {157, 378}, {191, 378}, {224, 378}, {258, 378}, {351, 378},
    {385, 378}, {418, 378}, {451, 378}, {460, 320}, {413, 320},
};
constexpr int32_t kBagLeft = 544;
constexpr int32_t kBagTop = 308;
constexpr int kBagColumns = 4;

bool IsBag(int place) { return place < kBagCells; }
int BodySlotOf(int place) { return place - kFirstBodyPlace; }
bool ValidId(int32_t itemId) { return itemId >= 1 && itemId < kItemIdCount; }

}  // namespace

namespace member_items {

ScreenRect PlaceRect(int place) {
  if (IsBag(place))
    return {kBagLeft + kItemIconSize * (place % kBagColumns),
            kBagTop + kItemIconSize * (place / kBagColumns), kItemIconSize, kItemIconSize};
  return kBodyRects[BodySlotOf(place)];
}

void IconPlace(int place, int32_t* x, int32_t* y) {
  if (IsBag(place)) {
    const ScreenRect r = PlaceRect(place);
    *x = r.x;
    *y = r.y;
    return;
  }
  *x = kBodyIcons[BodySlotOf(place)].x;
  *y = kBodyIcons[BodySlotOf(place)].y;
}

int PlaceAt(int32_t x, int32_t y) {
  for (int place = 0; place < kItemPlaces; ++place) {
    const ScreenRect r = PlaceRect(place);
    if (PointInRect(r.x, r.y, r.w, r.h, x, y)) return place;
  }
  return -1;
}

DropOutcome DropRule(int32_t dragged, int origin, int target, int32_t lying) {
  if (!ValidId(dragged)) return DropOutcome::kBack;
  if (IsBag(target)) {
    if (lying == 0 || IsBag(origin)) return DropOutcome::kPlaced;
    return ItemCatalog::FitsBodySlot(lying, BodySlotOf(origin)) ? DropOutcome::kPlaced
                                                                : DropOutcome::kBack;
  }
  return ItemCatalog::KindOf(dragged) == ItemCatalog::BodySlotKind(BodySlotOf(target))
             ? DropOutcome::kPlaced
             : DropOutcome::kBack;
}

}  // namespace member_items

void MemberItems::Load(const uint8_t places[kItemPlaces]) {
  std::memcpy(itemSlots, places, sizeof itemSlots);
  std::memset(view.itemHeld, 0, sizeof view.itemHeld);
  for (int place = 0; place < kItemPlaces; ++place)
    if (ValidId(itemSlots[place])) view.itemHeld[itemSlots[place] - 1] = 1;
  for (int32_t id = 1; id < kItemIdCount; ++id) view.itemKind[id - 1] = ItemCatalog::KindOf(id);
  draggedItem = 0;
  dragging = 0;
  chosenItem = 0;
  LayoutBag();
}

void MemberItems::LayoutBag() {
  for (int place = 0; place < kItemPlaces; ++place) {
    const uint8_t id = itemSlots[place];
    if (!ValidId(id)) continue;
    member_items::IconPlace(place, &itemX[id - 1], &itemY[id - 1]);
    itemSlotOf[id - 1] = uint8_t(place);
  }
  std::memcpy(figure.bodyItems, itemSlots + kFirstBodyPlace, sizeof figure.bodyItems);
}

int MemberItems::PickUp(int32_t x, int32_t y) {
  if (dragging || draggedItem) return 0;
  const int place = member_items::PlaceAt(x, y);
  if (place < 0) return 0;
  lastMouseX = x;
  lastMouseY = y;
  dragging = 1;
  draggedItem = itemSlots[place];
  itemSlots[place] = 0;
  dragOrigin = uint8_t(place);
  member_items::IconPlace(place, &originX, &originY);
  chosenItem = draggedItem;
  if (IsBag(place)) {
    selectedMarkX = originX;
    selectedMarkY = originY;
  } else {
    statsDirty = 1;
  }
  if (ValidId(draggedItem)) {
    itemX[draggedItem - 1] = x - kItemIconSize / 2;
    itemY[draggedItem - 1] = y - kItemIconSize / 2;
  }
  LayoutBag();
  return 1;
}

void MemberItems::Follow(int32_t x, int32_t y) {
  if (!dragging || !ValidId(draggedItem)) return;
  itemX[draggedItem - 1] += x - lastMouseX;
  itemY[draggedItem - 1] += y - lastMouseY;
  lastMouseX = x;
  lastMouseY = y;
}

void MemberItems::PlaceItem(int32_t itemId, int place) {
  if (!ValidId(itemId)) return;
  itemSlots[place] = uint8_t(itemId);
  itemSlotOf[itemId - 1] = uint8_t(place);
  member_items::IconPlace(place, &itemX[itemId - 1], &itemY[itemId - 1]);
}

void MemberItems::FlagWorn(int place) {
  if (IsBag(place)) return;
  const int flag = ItemCatalog::ReloadFlagOf(BodySlotOf(place));
  if (flag >= 0) figure.reloadFlags[flag] = 1;
}

void MemberItems::ReturnToOrigin() {
  if (ValidId(draggedItem)) PlaceItem(draggedItem, dragOrigin);
  draggedItem = 0;
  dragging = 0;
  // A worn item lifted took its bonus with it; back home it counts again.
  statsDirty = 1;
  LayoutBag();
}

void MemberItems::Drop(int32_t x, int32_t y) {
  const int target = member_items::PlaceAt(x, y);
  if (!ValidId(draggedItem) || target < 0) {
    ReturnToOrigin();
    return;
  }
  const int32_t dragged = draggedItem;
  const int32_t lying = itemSlots[target];
  if (member_items::DropRule(dragged, dragOrigin, target, lying) ==
      member_items::DropOutcome::kPlaced) {
    itemSlots[dragOrigin] = 0;
    PlaceItem(lying, dragOrigin);
    PlaceItem(dragged, target);
    if (!IsBag(target)) FlagWorn(target);
    if (lying || !IsBag(target)) FlagWorn(dragOrigin);
  } else {
    PlaceItem(dragged, dragOrigin);
  }
  if (IsBag(target)) member_items::IconPlace(target, &selectedMarkX, &selectedMarkY);
  draggedItem = 0;
  dragging = 0;
  // Whatever went where, the totals are those of what is worn now: an item
  // gone back to its body slot, or one from the bag put on in its place.
  statsDirty = 1;
  LayoutBag();
}

void MemberItems::ThrowAwayChosen() {
  if (!ValidId(chosenItem) || draggedItem == chosenItem) return;
  for (uint8_t& slot : itemSlots)
    if (slot == chosenItem) slot = 0;
  view.itemHeld[chosenItem - 1] = 0;
  if (!IsBag(itemSlotOf[chosenItem - 1])) statsDirty = 1;
  chosenItem = 0;
  LayoutBag();
}

void MemberItems::Totals(int32_t baseHealth, int32_t baseAttack, int32_t baseShield,
                         int32_t* health, int32_t* attack, int32_t* shield) const {
  ItemCatalog::ComputeStatTotals(figure, baseHealth, baseAttack, baseShield, health, attack,
                                 shield);
}
