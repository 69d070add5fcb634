// The talk of a place: the boxes its last step pass flagged.

#include "places/house_screen.h"
#include "places/talk_tables.h"

void HouseScreen::DrawTalk() {
  if (const PlaceTalk* talk = FindPlaceTalk(placeKind, placeNumber)) DrawTalk(*talk);
}

void HouseScreen::DrawTalk(const PlaceTalk&) {}
