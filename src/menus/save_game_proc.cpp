// The save step: one frame that draws nothing. It writes the running game
// into its slot's file and chooses the next screen: back to the map or the
// battle, to the main menu after the save-and-quit question's Yes, or on to
// the hall of fame when the game has ended.

#include "app/game_app.h"
#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/save_files.h"
#include "platform/anim_clock.h"
#include "platform/file_buffer.h"

void GameApp::SaveGameProc() {
  GameState& state = *gameState;
  state.overlayOpen = 0;

  SaveExtras extras;  // the start camera when there is no map view
  if (kingdomMap) {
    extras.cameraX = kingdomMap->cameraX;
    extras.cameraY = kingdomMap->cameraY;
  }
  extras.endVictory = endVictory;
  extras.endPeaceTreaty = endPeaceTreaty;
  extras.endSurrendered = endSurrendered;
  // Saved in a battle of the armies' turn, the night of the day change is
  // still to come.
  extras.dayRecoveryPending = dayRecoveryPending;
  delete writeFile;
  writeFile = new FileBuffer;
  const int saved = SaveGameToSlot(*writeFile, state, extras, state.slot);
  delete writeFile;
  writeFile = nullptr;
  state.writeImage = nullptr;

  const bool ended = endSurrendered || endPeaceTreaty || endVictory;
  if (!saved && quitAfterSave && !ended) {
    // Nothing was written, so the game is not given up: the question comes
    // back, says so, and No still returns to where it was opened.
    quitAfterSave = 0;
    saveFailed = 1;
    state.overlayOpen = 1;
    LeaveScreen(GoSaveAndQuit);
    return;
  }
  saveFailed = 0;
  saveQuitFromMap = 0;
  saveQuitFromBattle = 0;

  // Each later rule overrides the one before; the leave code stays as the
  // screen that entered the step set it.
  screenProc = state.savedInBattle ? GoBattle : GoKingdomMap;
  state.savedInBattle = 0;
  if (quitAfterSave) {
    musicChanged = 1;
    quitAfterSave = 0;
    LeaveScreen(GoMainMenu, kLeaveFreshRecord);
    DeleteClocks(animClock);
    FreeScreen(kingdomMap);
  }
  if (ended) {
    LeaveScreen(GoWriteHallOfFame);
    FreeScreen(kingdomMap);
    FreeScreen(mapEncounters);
  }
}
