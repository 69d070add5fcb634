// The place's held-back rewards: items a quest gave while the bag was full
// wait in the place's list until the visitor has room for them. Entry k
// waits while heldBack[k] is non-zero; heldBackCopy[k] is its item number,
// so item number 0 can wait too.

#include "places/house_screen.h"

namespace {

int EmptyBagCell(const uint8_t (&bag)[kHouseBagCells]) {
  for (int c = 0; c < kHouseBagCells; ++c)
    if (bag[c] == 0) return c;
  return -1;
}

// The number of waiting entries.
uint8_t CountWaiting(const uint8_t (&heldBack)[kHeldBackEntries]) {
  uint8_t count = 0;
  for (uint8_t waiting : heldBack)
    if (waiting) ++count;
  return count;
}

}  // namespace

void HouseScreen::NoteHeldBackItems() {
  if (CountWaiting(heldBack)) holdingAny = 1;
}

void HouseScreen::ReturnHeldItems() {
  heldBackCount = CountWaiting(heldBack);
  holdingAny = heldBackCount > 0 ? 1 : 0;
  severalHeldBack = heldBackCount > 1 ? 1 : 0;
  itemsReturned = 0;

  // From the last waiting entry down, each into the first empty bag cell,
  // until the bag is full. Entries left empty between waiting ones are
  // passed over.
  for (int k = kHeldBackEntries - 1; k >= 0 && holdingAny; --k) {
    if (!heldBack[k]) continue;
    itemPlaced = 0;  // set once this entry has found its cell
    const int c = EmptyBagCell(bag);
    if (c < 0) break;
    itemPlaced = 1;
    const uint8_t n = heldBackCopy[k];
    heldBack[k] = 0;
    bag[c] = uint8_t(n + 1);
    itemHeld[n] = 1;
    itemSlot[n] = uint8_t(c);  // the bag cell is the item's place in the record
    itemsReturned = 1;
  }

  heldBackCount = CountWaiting(heldBack);
  holdingAny = heldBackCount > 0 ? 1 : 0;
  if (!itemsReturned && holdingAny) stillHolding = 1;
}
