// Screens still to be built run a plain stand-in frame that shows the
// screen's name. When a screen is built, its line here goes and its own
// procedure takes the name.

#include <cstring>

#include "app/game_app.h"
#include "platform/input_device.h"

void GameApp::PlaceholderProc(const char* screenName, int32_t fpsY) {
  BeginScreenFrame();

  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    if (std::strcmp(screenName, "ItemExchangeProc") == 0) {
      // The item exchange's stand-in goes back to the exchange choice,
      // which waits for it.
      LeaveScreen(GoExchangeChoice);
    } else {
      LeaveScreen(GoMainMenu);
    }
  }

  UpdateScreenClock();

  int32_t width = font.TextWidth(screenName);
  font.DrawText(screenName, (800 - width) / 2, 284, 0, 0, 0xFFE6E6E6, 0);
  if (fpsY >= 0) DrawFramesPerSecond(fpsY);

  EndScreenFrame();
}

void GameApp::ItemExchangeProc() { PlaceholderProc("ItemExchangeProc", -1); }
