// The objects part of the state dump: the cursor, the step pacers and every
// object of QORV_HELD_OBJECTS that exists now, each with the fields of its
// field list.

#include "app/data_settings.h"
#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "game/hero_figure.h"
#include "game/json_fields.h"
#include "harness/held_objects.h"
#include "harness/state_dump.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/credits_screen.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/info_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/options_screen.h"
#include "menus/quest_log.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_slots_panel.h"
#include "menus/story_scene.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"
#include "party/heroes_screen.h"
#include "party/item_exchange_screen.h"
#include "party/name_entry.h"
#include "party/player_screen.h"
#include "party/wealth_screen.h"
#include "places/house_screen.h"
#include "platform/anim_clock.h"

namespace {

template <class T>
void DumpObject(const char* key, const T& object, JsonOut& out) {
  out.BeginObject(key);
  DumpFields(object, out);
  out.EndObject();
}

}  // namespace

void DumpHeldObjects(const GameApp& app, JsonOut& out) {
  // The embedded cursor is always there.
  DumpObject("cursor", app.cursor, out);

  // The step pacers: an array of seven, null where none exists.
  bool anyClock = false;
  for (const AnimClock* clock : app.animClock) anyClock = anyClock || clock;
  if (anyClock) {
    out.BeginArray("animClock");
    for (const AnimClock* clock : app.animClock) {
      if (clock) {
        DumpObject(nullptr, *clock, out);
      } else {
        out.Raw(nullptr, "null");
      }
    }
    out.EndArray();
  }

#define DUMP_HELD_OBJECT(field) \
  if (app.field) DumpObject(#field, *app.field, out);
  QORV_HELD_OBJECTS(DUMP_HELD_OBJECT)
#undef DUMP_HELD_OBJECT
}
