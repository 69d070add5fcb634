#include "menus/new_game_dump.h"

#include "game/game_state_dump.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/story_scene.h"

namespace {

void Timer(JsonOut& out, const char* state, const char* start, const StepTimer& t) {
  out.Num(state, t.state);
  out.Num(start, t.start);
}

}  // namespace

void DumpNameEntryScreen(const NameEntryScreen& s, JsonOut& out) {
  out.Array("cells", s.cells);
  NameText(out, "cells", s.cells);
  out.Array("cellX", s.cellX);
  out.Num("typedThisFrame", s.typedThisFrame);
  out.Num("caretPhase", s.caretPhase);
  Timer(out, "caretTimerState", "caretTimerStart", s.caretTimer);
  out.Num("readyLook", s.readyLook);
  out.Num("clearLook", s.clearLook);
  out.Num("backLook", s.backLook);
  out.Num("hoveredId", s.hoveredId);
  out.Num("clickedId", s.clickedId);
  out.Num("pressLock", s.pressLock);
  out.Array("shockX", s.shockX);
  out.BeginArray("shockScale");
  for (float scale : s.shockScale) out.Real(nullptr, scale);
  out.EndArray();
  Timer(out, "shockTimerState", "shockTimerStart", s.shockTimer);
  out.Num("hand1X", s.hand1X);
  out.Num("hand2Offset", s.hand2Offset);
  out.Num("hand3X", s.hand3X);
  out.Num("hand5Y", s.hand5Y);
  out.Num("growPhase", s.growPhase);
  out.Real("growScale", s.growScale);
  Timer(out, "growTimerState", "growTimerStart", s.growTimer);
}

void DumpNewGameMenu(const NewGameMenu& s, JsonOut& out) {
  out.Num("backLook", s.backLook);
  out.Num("readyLook", s.readyLook);
  out.Num("leftLook", s.leftLook);
  out.Num("rightLook", s.rightLook);
  out.Array("asteroidFrame", s.asteroidFrame);
  out.Array("cornerFrame", s.cornerFrame);
  Timer(out, "cornerTimerState", "cornerTimerStart", s.cornerTimer);
  out.Num("nameLength", s.nameLength);
  out.Array("name", s.name);
  NameText(out, "name", s.name);
  Timer(out, "asteroidTimerState", "asteroidTimerStart", s.asteroidTimer);
  out.Array("asteroidX", s.asteroidX);
  out.Array("asteroidY", s.asteroidY);
  out.Num("portrait", s.portrait);
  out.Num("hoveredId", s.hoveredId);
  out.Num("clickedId", s.clickedId);
  out.Num("pressLock", s.pressLock);
}

void DumpStoryScene(const StoryScene& s, JsonOut& out) {
  out.Num("mode", s.mode);
  out.Num("pictureX", s.pictureX);
  out.Num("pictureY", s.pictureY);
  out.Real("pictureScaleX", s.pictureScaleX);
  out.Real("pictureScaleY", s.pictureScaleY);
  out.Array("rockY", s.rockY);
  out.Array("rockFrame", s.rockFrame);
  out.Array("rockFalling", s.rockFalling);
  out.Array("burstActive", s.burstActive);
  out.Array("fragmentX", s.fragmentX);
  out.Array("fragmentY", s.fragmentY);
  out.Num("fragmentFrame", s.fragmentFrame);
  Timer(out, "frameTimerState", "frameTimerStart", s.frameTimer);
}

void DumpHallOfFameScreen(const HallOfFameScreen& s, JsonOut& out) {
  out.Array("digits", s.digits);
  out.Array("rowUsed", s.rowUsed);
  out.Array("scores", s.scores);
  out.Array("names", s.names);
  NamesText(out, "names", s.names);
  out.Array("nameLast", s.nameLast);
  out.Num("backLook", s.backLook);
  out.Num("held", s.held);
  out.Num("pressedId", s.pressedId);
  out.Num("hoverId", s.hoverId);
}
