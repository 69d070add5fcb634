#include "map/kingdom_map_dump.h"

#include "game/json_out.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"

void DumpKingdomMap(const KingdomMap& m, JsonOut& out) {
  out.Num("animStartMs", m.animStartMs);
  out.Num("animPhase", m.animPhase);
  out.Num("animFrame", m.animFrame);
  out.Num("animRising", m.animRising);
  out.Array("placeStates", m.placeStates);
  out.Array("villageJoined", m.villageJoined);
  out.Array("townOwned", m.townOwned);
  out.Num("cameraX", m.cameraX);
  out.Num("cameraY", m.cameraY);
  out.Num("targetX", m.targetX);
  out.Num("targetY", m.targetY);
  out.Num("targetSet", m.targetSet);
  out.Num("clickLatch", m.clickLatch);
  out.Num("targetCell", m.targetCell);
}

void DumpControlBar(const ControlBar& b, JsonOut& out) {
  out.Num("fireStartMs", b.fireStartMs);
  out.Num("firePhase", b.firePhase);
  out.Num("fireFrame", b.fireFrame);
  out.Num("hidePending", b.hidePending);
  out.Num("portrait", b.portrait);
  out.Num("hideShowState", b.hideShowState);
  out.Num("buttonLook", b.buttonLook);
  out.Num("quitLook", b.quitLook);
  out.Num("playerLook", b.playerLook);
  out.Num("heroesLook", b.heroesLook);
  out.Num("wealthLook", b.wealthLook);
  out.Num("questLogLook", b.questLogLook);
  out.Num("endDayLook", b.endDayLook);
  out.Num("optionsLook", b.optionsLook);
  out.Num("pressedId", b.pressedId);
  out.Num("hoverId", b.hoverId);
  out.Num("buttonHeld", b.buttonHeld);
}
