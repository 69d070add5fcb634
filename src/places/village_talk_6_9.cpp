// The quests and the talk of villages 6 to 9.

#include "places/talk_tables.h"

using namespace talk;

const PlaceTalk kVillageTalk6to9[4] = {
    {.kind = PlaceKind::Village, .number = 6},
    {.kind = PlaceKind::Village, .number = 7},
    {.kind = PlaceKind::Village, .number = 8},
    {.kind = PlaceKind::Village, .number = 9},
};
