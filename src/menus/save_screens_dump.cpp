#include "menus/save_screens_dump.h"

#include "game/game_state_dump.h"
#include "menus/main_menu_screen.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_slots_panel.h"

void DumpMainMenuScreen(const MainMenuScreen& m, JsonOut& out) {
  out.Array("look", m.look);
  out.Num("clickedId", m.clickedId);
  out.Num("hoveredId", m.hoveredId);
  out.Num("pressLock", m.pressLock);
}

void DumpSaveSlotsPanel(const SaveSlotsPanel& p, JsonOut& out) {
  out.Array("summaryWanted", p.summaryWanted);
  out.Array("summaryDay", p.summaryDay);
  out.Array("summaryFame", p.summaryFame);
  out.Array("digits", p.digits);
  out.Array("nameLast", p.nameLast);
  out.Array("summaryName", p.summaryName);
  NamesText(out, "summaryName", p.summaryName);
  out.Num("loadingSlot", p.loadingSlot);
  out.Array("slotUsed", p.slotUsed);
  out.Array("slotUnreadable", p.slotUnreadable);
  out.Num("unreadableNotice", p.unreadableNotice);
  out.Num("backLook", p.backLook);
  out.Array("slotLooks", p.slotLooks);
  out.Num("held", p.held);
  out.Num("pressedId", p.pressedId);
  out.Num("hoverId", p.hoverId);
}

void DumpSaveAndQuitDialog(const SaveAndQuitDialog& d, JsonOut& out) {
  out.Num("yesLook", d.yesLook);
  out.Num("noLook", d.noLook);
  out.Num("held", d.held);
  out.Num("pressedId", d.pressedId);
  out.Num("hoverId", d.hoverId);
}
