// The quests and the talk of villages 1 to 5.

#include "places/talk_tables.h"

using namespace talk;

const PlaceTalk kVillageTalk1to5[5] = {
    {.kind = PlaceKind::Village, .number = 1}, {.kind = PlaceKind::Village, .number = 2},
    {.kind = PlaceKind::Village, .number = 3}, {.kind = PlaceKind::Village, .number = 4},
    {.kind = PlaceKind::Village, .number = 5},
};
