// The new game's slot choice, when every save slot is used: the player picks
// the slot that the new game will take over.

#include "app/game_app.h"
#include "game/game_state.h"
#include "menus/save_slots_panel.h"
#include "platform/input_device.h"

void GameApp::NewGameSlotProc() {
  BeginScreenFrame();

  // The main menu hands the panel over filled; made afresh it shows every
  // slot as used, with blank summaries.
  if (!saveSlotsPanel) {
    saveSlotsPanel = new SaveSlotsPanel;
    saveSlotsPanel->LoadArt(&graphics);
  }
  SaveSlotsPanel* panel = saveSlotsPanel;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoMainMenu);

  const uint8_t pressed = panel->TakeMouse(cursor.x, cursor.y, &cursor.mouse);
  if (pressed != 0) {
    if (pressed == kSlotBack) {
      LeaveScreen(GoMainMenu);
    } else {
      // Used or free, the chosen slot is the new game's.
      gameState->slot = pressed;
      LeaveScreen(GoNameEntry);
    }
  }

  panel->DrawNewGame();
  panel->DrawSlotSummaries();
  panel->ClearHover();

  UpdateScreenClock();

  if (leaveCode != 0) FreeScreen(saveSlotsPanel);

  EndScreenFrame();
}
