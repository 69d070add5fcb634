// Stand-in bodies until the place screen's input is written: only the Leave
// button answers, so that a visit can be left with the mouse.

#include "places/house_screen.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"

void HouseScreen::Hover(int32_t x, int32_t y) {
  if (PointInRect(634, 0, 166, 80, x, y)) hoveredId = kHouseLeave;
}

uint32_t HouseScreen::Click(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse->ButtonPressed(kMouseLeft) && !mouse->ButtonPressed(kMouseRight)) return 0;
  if (!PointInRect(634, 0, 166, 80, x, y)) return 0;
  pressedId = kHouseLeave;
  lookLeave = house_art::kLookPressed;
  return 1;
}

void HouseScreen::ClearHover() {
  hoveredId = 0;
  hoveredStat = 0;
}

void HouseScreen::SelectTests(int32_t, int32_t, InputDevice*) {}

void HouseScreen::MeasureNames() {}

void HouseScreen::DisbandArmy() {}
