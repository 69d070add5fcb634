// The objects of the state dump. Each object the application holds adds one
// line to kHeldObjects: its GameApp field and the function that writes its
// plain fields, void Dump<Type>(const Type&, JsonOut&). HELD_OBJECT is for a
// function that writes the fields only (the dump opens and closes the object
// around them), HELD_OBJECT_VALUE for one that writes the whole object as one
// value. An object shows up under its field name while its pointer is set.

#include "app/data_settings.h"
#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "battle/battle_screen_dump.h"
#include "game/hero_figure.h"
#include "game/json_out.h"
#include "harness/state_dump.h"
#include "map/kingdom_map_dump.h"
#include "map/map_encounters_dump.h"
#include "menus/credits_screen.h"
#include "menus/new_game_dump.h"
#include "menus/save_screens_dump.h"
#include "platform/anim_clock.h"

namespace {

void DumpCreditsScreen(const CreditsScreen& s, JsonOut& out) {
  out.Num("backLook", s.backLook);
  out.Num("hoverId", s.hoverId);
  out.Num("pressedId", s.pressedId);
  out.Num("held", s.held);
}

void DumpHeroFigure(const HeroFigure& f, JsonOut& out) {
  out.Num("reserved1", f.reserved1);
  out.Num("reserved2", f.reserved2);
}

void DumpDataSettings(const DataSettings& s, JsonOut& out) {
  out.Array("values", s.values);
  out.Num("needsLoad", s.needsLoad);
}

struct HeldObject {
  const char* name;
  bool (*write)(const GameApp& app, JsonOut& out);
};

#define HELD_OBJECT(field, dump)                                   \
  HeldObject {                                                     \
#field, [](const GameApp& app, JsonOut& out) {                   \
      if (!app.field) return false;                                  \
      out.BeginObject(#field);                                       \
      dump(*app.field, out);                                         \
      out.EndObject();                                               \
      return true;                                                   \
    } \
  }

#define HELD_OBJECT_VALUE(field, dump)                             \
  HeldObject {                                                     \
#field, [](const GameApp& app, JsonOut& out) {                   \
      if (!app.field) return false;                                  \
      JsonOut value;                                                 \
      dump(*app.field, value);                                       \
      out.Raw(#field, value.Text());                                 \
      return true;                                                   \
    } \
  }

const HeldObject kHeldObjects[] = {
    HELD_OBJECT(settings, DumpDataSettings),
    HELD_OBJECT(kingdomMap, DumpKingdomMap),
    HELD_OBJECT(controlBar, DumpControlBar),
    HELD_OBJECT(heroFigure, DumpHeroFigure),
    HELD_OBJECT_VALUE(mapEncounters, DumpMapEncounters),
    HELD_OBJECT(creditsScreen, DumpCreditsScreen),
    HELD_OBJECT(nameEntryScreen, DumpNameEntryScreen),
    HELD_OBJECT(newGameMenu, DumpNewGameMenu),
    HELD_OBJECT(storyScene, DumpStoryScene),
    HELD_OBJECT(hallOfFameScreen, DumpHallOfFameScreen),
    HELD_OBJECT_VALUE(battleScreen, DumpBattleScreen),
    HELD_OBJECT(mainMenuScreen, DumpMainMenuScreen),
    HELD_OBJECT(saveSlotsPanel, DumpSaveSlotsPanel),
    HELD_OBJECT(saveAndQuitDialog, DumpSaveAndQuitDialog),
};

#undef HELD_OBJECT
#undef HELD_OBJECT_VALUE

void DumpAnimClock(const AnimClock& c, JsonOut& out) {
  out.Real("accumulator", c.accumulator);
  out.Num("wholeSteps", c.wholeSteps);
  out.Num("steps", c.steps);
  out.Real("lastStep", c.lastStep);
  out.Num("average", c.average);
  out.Num("sampleCount", c.sampleCount);
  out.Real("base", c.base);
  out.Real("sampleSum", c.sampleSum);
  out.Num("expected", c.expected);
  out.Num("callerSteps", c.callerSteps);
}

}  // namespace

void DumpHeldObjects(const GameApp& app, JsonOut& out) {
  // The embedded cursor is always there.
  out.BeginObject("cursor");
  out.Num("x", app.cursor.x);
  out.Num("y", app.cursor.y);
  out.Num("prevX", app.cursor.prevX);
  out.Num("prevY", app.cursor.prevY);
  out.EndObject();

  // The step pacers: an array of seven, null where none exists.
  bool anyClock = false;
  for (const AnimClock* clock : app.animClock) anyClock = anyClock || clock;
  if (anyClock) {
    out.BeginArray("animClock");
    for (const AnimClock* clock : app.animClock) {
      if (clock) {
        out.BeginObject();
        DumpAnimClock(*clock, out);
        out.EndObject();
      } else {
        out.Raw(nullptr, "null");
      }
    }
    out.EndArray();
  }

  for (const HeldObject& object : kHeldObjects) object.write(app, out);
}
