// Stand-in bodies until the place screen's drawing is written: nothing is
// drawn.

#include "places/house_screen.h"

void HouseScreen::DrawPlace() {}

void HouseScreen::DrawMainPanel(int32_t, int32_t) {}
