#pragma once
// The whole game record as one JSON object: every field by its name, arrays
// as arrays (index 0 first), nested records as objects; every letter-code
// name also as readable text under the field's name + "Text".

#include <cstddef>

#include "game/game_state.h"
#include "game/json_out.h"

// Writes the object as one value; key names it inside an enclosing object
// (nullptr inside arrays or as the outermost value).
void DumpGameState(const GameState& state, JsonOut& out, const char* key = nullptr);

// A letter-code name as readable text, under key + "Text". Any dump that
// writes such a name writes its text this way too.
void NameText(JsonOut& out, const char* key, const uint8_t (&name)[kGlyphNameLength]);

// An array of letter-code names as an array of texts, under key + "Text".
void NamesText(JsonOut& out, const char* key, const uint8_t (*names)[kGlyphNameLength],
               std::size_t count);
template <std::size_t N>
void NamesText(JsonOut& out, const char* key, const uint8_t (&names)[N][kGlyphNameLength]) {
  NamesText(out, key, names, N);
}
