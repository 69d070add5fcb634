#pragma once
// The battle record's plain fields by name, for the scenario runner's dump.

#include "game/json_out.h"

class BattleScreen;

// Writes one JSON object holding every plain field of the record (pictures
// and fonts are left out).
void DumpBattleScreen(const BattleScreen& b, JsonOut& out);
