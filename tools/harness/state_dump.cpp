#include "harness/state_dump.h"

#include "app/game_app.h"
#include "app/screen_names.h"
#include "game/game_state_dump.h"
#include "game/json_out.h"
#include "platform/clock.h"
#include "platform/text_log.h"

#include <cstdio>

#define APP_FIELD(name) out.Num(#name, static_cast<long long>(app.name))

void DumpGameApp(const GameApp& app, JsonOut& out) {
  APP_FIELD(framesCounted);
  APP_FIELD(clickHandled);
  APP_FIELD(endSurrendered);
  APP_FIELD(endPeaceTreaty);
  APP_FIELD(endVictory);
  APP_FIELD(quitAfterSave);
  APP_FIELD(saveFailed);
  APP_FIELD(saveQuitFromBattle);
  APP_FIELD(saveQuitFromMap);
  APP_FIELD(optionsFromBattle);
  APP_FIELD(optionsFromMap);
  APP_FIELD(mapEnemyIndex);
  APP_FIELD(mapQuestIndex);
  APP_FIELD(renameReturned);
  APP_FIELD(battleRelocated);
  APP_FIELD(dayRecoveryPending);
  APP_FIELD(musicChanged);
  APP_FIELD(leaveCode);
  APP_FIELD(framesPerSecond);
  APP_FIELD(selectedHero);
  APP_FIELD(shownHero);
  APP_FIELD(mapJustEntered);
  APP_FIELD(mapShowMessages);
  APP_FIELD(battleReturned);
  APP_FIELD(battleFoughtByPlayer);
  APP_FIELD(battleFoughtByHero);
  APP_FIELD(renameArmy);
  APP_FIELD(renameHero);
  APP_FIELD(renameArmySlot);
  APP_FIELD(renameOwner);
  APP_FIELD(renameReturn);
  APP_FIELD(renameDone);
  APP_FIELD(frameStartMs);
  APP_FIELD(msCounted);
  APP_FIELD(lastFrameMs);
  APP_FIELD(timingValid);
  APP_FIELD(screenEntered);
  APP_FIELD(secondsOnScreen);
  APP_FIELD(screenStartMs);
}

#undef APP_FIELD

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
