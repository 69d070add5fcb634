// Stand-in body until the reward items' pictures are loaded: none is.

#include "places/house_screen.h"

void HouseScreen::LoadHeldItemPictures(GraphicsDevice*) {}
