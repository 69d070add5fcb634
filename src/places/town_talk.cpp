// The quests and the talk of the four towns.

#include "places/talk_tables.h"

using namespace talk;

const PlaceTalk kTownTalk[4] = {
    {.kind = PlaceKind::Town, .number = 1},
    {.kind = PlaceKind::Town, .number = 2},
    {.kind = PlaceKind::Town, .number = 3},
    {.kind = PlaceKind::Town, .number = 4},
};
