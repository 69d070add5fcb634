#include "menus/map_objects.h"

#include "map/kingdom_map.h"
#include "map/map_encounters.h"

void FreeKingdomMap(KingdomMap*& map) {
  if (!map) return;
  map->ReleaseTiles();
  delete map;
  map = nullptr;
}

void FreeMapEncounters(MapEncounters*& encounters) {
  if (!encounters) return;
  encounters->ReleaseArt();
  delete encounters;
  encounters = nullptr;
}
