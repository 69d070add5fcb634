#pragma once
// The map population's plain fields by name, for the scenario runner's dump.

#include "game/json_out.h"

class MapEncounters;

// Writes one JSON object holding every plain field of the record (pictures
// and the font are left out).
void DumpMapEncounters(const MapEncounters& e, JsonOut& out);
