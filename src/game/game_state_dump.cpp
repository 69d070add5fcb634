#include "game/game_state_dump.h"

#include "game/json_fields.h"

void DumpGameState(const GameState& state, JsonOut& out, const char* key) {
  out.BeginObject(key);
  DumpFields(state, out);
  out.EndObject();
}
