#pragma once
// The kingdom map's objects as the menus free them when a game is left or
// replaced: pictures released, object deleted, pointer emptied. An empty
// pointer is left alone.

class KingdomMap;
class MapEncounters;

void FreeKingdomMap(KingdomMap*& map);
void FreeMapEncounters(MapEncounters*& encounters);
