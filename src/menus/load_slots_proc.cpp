// The load list: the five save slots; a used one is loaded by the load step,
// a damaged one says it cannot be read.

#include "app/game_app.h"
#include "game/game_state.h"
#include "menus/save_files.h"
#include "menus/save_slots_panel.h"
#include "platform/file_buffer.h"
#include "platform/input_device.h"

void GameApp::LoadSlotsProc() {
  if (leaveCode != 0) gameState->slotsStale = 1;
  BeginScreenFrame();

  if (!saveSlotsPanel) {
    saveSlotsPanel = new SaveSlotsPanel;
    saveSlotsPanel->LoadArt(&graphics);
  }
  if (!readFile) {
    readFile = new FileBuffer;
    readFile->Allocate(kSlotReadBufferBytes);
  }
  SaveSlotsPanel* panel = saveSlotsPanel;
  RefreshSlotPanel(*panel, probeFile, *readFile, *gameState);

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoMainMenu);

  const uint8_t pressed = panel->TakeMouse(cursor.x, cursor.y, &cursor.mouse);
  if (pressed != 0) {
    if (pressed == kSlotBack) {
      LeaveScreen(GoMainMenu);
    } else if (panel->Loadable(pressed)) {
      gameState->slot = pressed;
      panel->loadingSlot = pressed;
      LeaveScreen(GoLoadGame);
    } else if (panel->Damaged(pressed)) {
      // The row says the save cannot be read; the file stays as it is.
      panel->unreadableNotice = pressed;
    }
    // A free slot does nothing.
  }

  // The last frame shows the loading picture on the chosen row; the load
  // step draws nothing, so it stays on the screen while the game loads.
  panel->DrawLoad();
  panel->DrawSlotSummaries();
  panel->ClearHover();

  UpdateScreenClock();

  if (leaveCode != 0) {
    FreeScreen(saveSlotsPanel);
    delete readFile;
    readFile = nullptr;
  }

  EndScreenFrame();
}
