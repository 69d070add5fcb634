// The battle's view: the 1600 x 1200 field seen through the 800 x 600 screen,
// scrolled by the arrow keys, the keypad and the screen edges, and centred on
// a unit of the computer's sides when it starts to act.

#include <algorithm>

#include "battle/battle_screen.h"
#include "map/kingdom_map.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"

using namespace battle;

void BattleScreen::ScrollRight(int32_t step) {
  if (viewX < kViewMaxX) viewX = std::min(viewX + step, kViewMaxX);
}

void BattleScreen::ScrollLeft(int32_t step) {
  if (viewX > kViewMinX) viewX = std::max(viewX - step, kViewMinX);
}

void BattleScreen::ScrollUp(int32_t step) {
  if (viewY > kViewMinY) viewY = std::max(viewY - step, kViewMinY);
}

void BattleScreen::ScrollDown(int32_t step) {
  if (viewY < kViewMaxY) viewY = std::min(viewY + step, kViewMaxY);
}

void BattleScreen::ScrollByKeys(InputDevice* keyboard, int32_t step) {
  // Held keys: the view moves every frame they are down, a latch or not.
  if (keyboard->KeyHeld(kKeyRight) || keyboard->KeyHeld(kKeyNumpad6)) ScrollRight(step);
  if (keyboard->KeyHeld(kKeyLeft) || keyboard->KeyHeld(kKeyNumpad4)) ScrollLeft(step);
  if (keyboard->KeyHeld(kKeyUp) || keyboard->KeyHeld(kKeyNumpad8)) ScrollUp(step);
  if (keyboard->KeyHeld(kKeyDown) || keyboard->KeyHeld(kKeyNumpad2)) ScrollDown(step);
}

void BattleScreen::ScrollView(MouseCursor* cursor, int32_t step) {
  // With the window in the background the cursor only rests where it was
  // left: it scrolls nothing.
  if (cursor->mouse.unreadable) return;
  const int32_t x = cursor->x, y = cursor->y;
  if (IsAtBottomEdge(0, 0, 800, 595, x, y)) ScrollDown(step);
  if (IsAtTopEdge(0, 5, 800, 600, x, y)) ScrollUp(step);
  if (IsAtRightEdge(0, 0, 795, 600, x, y)) ScrollRight(step);
  if (IsAtLeftEdge(5, 0, 800, 600, x, y)) ScrollLeft(step);
}

void BattleScreen::CentreView(int32_t x, int32_t y) {
  viewX = std::clamp(x - 400, kViewMinX, kViewMaxX);
  viewY = std::clamp(y - 300, kViewMinY, kViewMaxY);
}

void BattleScreen::CentreViewOnAction(int32_t unitX, int32_t unitY, int32_t targetX,
                                      int32_t targetY, bool nextToTarget) {
  if (nextToTarget) {
    CentreView(unitX, unitY);
    return;
  }
  int32_t y = (unitY + targetY) / 2;
  if (targetY - unitY > 100) y += 200;
  CentreView((unitX + targetX) / 2, y);
}
