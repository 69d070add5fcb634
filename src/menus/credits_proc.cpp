// The credits screen's frame.

#include "app/game_app.h"
#include "menus/credits_screen.h"
#include "platform/input_device.h"

// The credits follow the frame of every screen procedure step by step; the
// other screens add their own steps in the same places.
void GameApp::CreditsProc() {
  // Entry reset, frame timing, cursor, scene.
  BeginScreenFrame();

  // The screen's object on its first frame.
  if (!creditsScreen) {
    creditsScreen = new CreditsScreen;
    creditsScreen->LoadArt(&graphics);
  }
  CreditsScreen* screen = creditsScreen;

  // Keys: Backspace and Escape go back.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoMainMenu);

  // Hover and click.
  screen->HoverBack(cursor.x, cursor.y);
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    if (screen->ClickBack(cursor.x, cursor.y, &cursor.mouse)) screen->held = 1;
  }
  if (screen->pressedId == 1) {
    if (screen->hoverId != 1 || WaitForMouseRelease(&cursor.mouse)) {
      LeaveScreen(GoMainMenu);
      screen->held = 0;
      screen->pressedId = 0;
    }
  }

  // Drawing.
  screen->DrawBackground();
  screen->DrawBack();
  screen->ClearHover();

  UpdateScreenClock();
  screen->DrawCredits();

  // Leaving: the object goes.
  if (leaveCode != 0) FreeScreen(creditsScreen);

  EndScreenFrame();
}
