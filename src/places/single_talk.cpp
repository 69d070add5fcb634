// The quests and the talk of the palace, the temple, the castle and the
// tower.

#include "places/talk_tables.h"

using namespace talk;

const PlaceTalk kSingleTalk[4] = {
    {.kind = PlaceKind::Palace},
    {.kind = PlaceKind::Temple},
    {.kind = PlaceKind::Castle},
    {.kind = PlaceKind::Tower},
};
