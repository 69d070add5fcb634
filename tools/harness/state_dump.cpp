#include "harness/state_dump.h"

#include "app/game_app.h"
#include "app/screen_names.h"
#include "game/game_state_dump.h"
#include "game/json_fields.h"
#include "game/json_out.h"
#include "platform/clock.h"
#include "platform/text_log.h"

#include <cstdio>

void DumpGameApp(const GameApp& app, JsonOut& out) {
  JsonFieldWriter writer(out);
  app.VisitFields(writer);
}

std::string StateDumpJson(const GameApp& app, uint32_t frame) {
  JsonOut out;
  out.BeginObject();
  out.Str("screen", ProcNameOf(app.screenProc));
  out.Num("frame", frame);
  out.Num("clockMs", timeGetTime());
  out.BeginObject("app");
  DumpGameApp(app, out);
  out.EndObject();
  if (app.gameState) {
    DumpGameState(*app.gameState, out, "state");
  } else {
    out.BeginObject("state");
    out.EndObject();
  }
  out.BeginObject("objects");
  DumpHeldObjects(app, out);
  out.EndObject();
  out.BeginArray("texts");
  if (app.graphics.textLog) {
    for (const DrawnText& t : app.graphics.textLog->Presented()) {
      char colour[16];
      std::snprintf(colour, sizeof colour, "0x%08X", t.colour);
      out.BeginObject();
      out.Str("text", t.text);
      out.Num("x", t.x);
      out.Num("y", t.y);
      out.Str("colour", colour);
      out.EndObject();
    }
  }
  out.EndArray();
  out.EndObject();
  return out.Text();
}
