// Screens still to be built run a plain stand-in frame that shows the
// screen's name. When a screen is built, its line here goes and its own
// procedure takes the name.

#include <cstring>

#include "app/game_app.h"
#include "platform/input_device.h"

namespace {

// The screens of play reached from the kingdom map: their stand-ins go back
// to the map with Escape (the others to the main menu).
bool ReturnsToMap(const char* screenName) {
  static const char* const kPlayScreens[] = {
      "HeroesProc",
  };
  for (const char* name : kPlayScreens)
    if (std::strcmp(name, screenName) == 0) return true;
  return false;
}

}  // namespace

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
    } else if (ReturnsToMap(screenName)) {
      LeaveScreen(GoKingdomMap);
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
void GameApp::HeroesProc() { PlaceholderProc("HeroesProc", -1); }
