#pragma once
// The battle record's plain fields by name, for the scenario runner's dump.

#include "game/json_out.h"

class BattleScreen;

// Writes one JSON object holding every field of the record's field list
// (pictures and fonts are left out; the names also as text, under the
// field's name + "Text").
void DumpBattleScreen(const BattleScreen& b, JsonOut& out);
