// The wealth screen's frame.

#include "app/free_screen.h"
#include "app/game_app.h"
#include "game/game_state.h"
#include "party/wealth_screen.h"
#include "platform/input_device.h"

namespace {

// The wealth screen goes back to the map with this leave code; its object
// is released in the same frame.
constexpr uint8_t kLeaveWealth = kLeaveKeepOrFree;

}  // namespace

void GameApp::WealthProc() {
  BeginScreenFrame();

  // The object on the first frame, with a snapshot of the wealth tables.
  if (!wealthScreen) {
    wealthScreen = new WealthScreen;
    wealthScreen->Init();
    wealthScreen->LoadArt(&graphics);
    if (gameState)
      wealthScreen->CopyFrom(gameState->wealth, static_cast<uint32_t>(gameState->gold));
    wealthScreen->LoadGems(&graphics);
    wealthScreen->LoadArtifacts(&graphics);
    wealthScreen->LoadVillages(&graphics);
    wealthScreen->LoadTownsAndMines(&graphics);
    wealthScreen->ComputeTotal();
    wealthScreen->LayOut();
  }
  WealthScreen* screen = wealthScreen;

  // Backspace and Escape go back to the map.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBack()) LeaveScreen(GoKingdomMap, kLeaveWealth);

  // Back: acts on release while the cursor stays on it, at once when it left.
  screen->HoverBack(cursor.x, cursor.y);
  if (screen->ClickBack(cursor.x, cursor.y, &cursor.mouse)) {
    screen->held = 1;
    screen->backLook = 2;
  }
  if (screen->pressedId == 1) {
    if (screen->hoverId != 1 || WaitForMouseRelease(&cursor.mouse)) {
      LeaveScreen(GoKingdomMap, kLeaveWealth);
      screen->held = 0;
      screen->pressedId = 0;
    }
  }

  screen->DrawFrame();
  screen->DrawGems();
  screen->DrawArtifacts();
  screen->DrawVillages();
  screen->DrawTownsAndMines();
  screen->ClearHover();

  UpdateScreenClock();

  if (leaveCode == kLeaveWealth) FreeScreen(wealthScreen);

  EndScreenFrame();
}
