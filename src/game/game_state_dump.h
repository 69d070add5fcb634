#pragma once
// The whole game record as one JSON object: every field of its field list by
// name, arrays as arrays (index 0 first), nested records as objects; every
// letter-code name also as readable text under the field's name + "Text".

#include "game/game_state.h"
#include "game/json_out.h"

// Writes the object as one value; key names it inside an enclosing object
// (nullptr inside arrays or as the outermost value).
void DumpGameState(const GameState& state, JsonOut& out, const char* key = nullptr);
