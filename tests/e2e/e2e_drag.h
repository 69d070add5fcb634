#pragma once
// Dragging with the mouse as a player does, for the end-to-end tests of the
// party screens and the exchanges.

#include "harness/scenario_driver.h"
#include "party/member_items.h"
#include "platform/input_device.h"

// The centre of a member place (a bag cell or a body slot) on the party
// screens.
inline void PlaceCentre(int place, int* x, int* y) {
  const ScreenRect r = member_items::PlaceRect(place);
  *x = r.x + r.w / 2;
  *y = r.y + r.h / 2;
}

// Presses the left button at (x, y) and moves to (tx, ty), still holding.
inline void PressAndHoldOver(ScenarioDriver& d, int x, int y, int tx, int ty) {
  d.MoveTo(x, y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(tx, ty);
  d.RunFrames(2);
}

// Presses at (x, y), holds, moves to (tx, ty) and lets go there.
inline void Drag(ScenarioDriver& d, int x, int y, int tx, int ty) {
  PressAndHoldOver(d, x, y, tx, ty);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
}

// An item picked up at one member place and held over another.
inline void HoldPlaceOver(ScenarioDriver& d, int from, int to) {
  int x, y, tx, ty;
  PlaceCentre(from, &x, &y);
  PlaceCentre(to, &tx, &ty);
  PressAndHoldOver(d, x, y, tx, ty);
}

// An item dragged from one member place to another.
inline void DragPlace(ScenarioDriver& d, int from, int to) {
  HoldPlaceOver(d, from, to);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
}

// Escape and the left button go down in one frame at the cursor's place,
// then both come up and a frame runs.
inline void PressWithEscape(ScenarioDriver& d) {
  d.KeyDown(kKeyEscape);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.KeyUp(kKeyEscape);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
}
