#include "battle/battle_screen_dump.h"

#include "battle/battle_screen.h"
#include "game/json_fields.h"

void DumpBattleScreen(const BattleScreen& b, JsonOut& out) {
  out.BeginObject();
  DumpFields(b, out);
  out.EndObject();
}
