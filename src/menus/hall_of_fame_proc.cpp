// The hall of fame's frame.

#include "app/game_app.h"
#include "game/game_state.h"
#include "menus/hall_of_fame_picture.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/save_files.h"
#include "platform/file_buffer.h"
#include "platform/input_device.h"

void GameApp::HallOfFameProc() {
  BeginScreenFrame();

  if (!hallOfFameScreen) {
    hallOfFameScreen = new HallOfFameScreen;
    hallOfFameScreen->LoadArt(&graphics);
    // The rows on disk, when there is a sound file; otherwise those the
    // record holds.
    if (!readFile) readFile = new FileBuffer;
    LoadHallOfFame(*readFile, *gameState);
    delete readFile;
    readFile = nullptr;
    gameState->readImage = nullptr;
    hallOfFameScreen->CopyRows(*gameState);
  }
  HallOfFameScreen* screen = hallOfFameScreen;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoMainMenu);

  screen->HoverBack(cursor.x, cursor.y);
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    if (screen->ClickBack(cursor.x, cursor.y, &cursor.mouse)) {
      screen->backLook = 2;
      screen->held = 1;
    }
  }
  if (screen->pressedId == 1) {
    if (screen->hoverId != 1 || WaitForMouseRelease(&cursor.mouse)) {
      screen->held = 0;
      screen->pressedId = 0;
      LeaveScreen(GoMainMenu);
    }
  }

  screen->DrawBackground();
  screen->DrawBack();
  screen->DrawNames();
  for (int r = 0; r < kHallRows; ++r)
    screen->DrawScore(r, hall_of_fame_picture::kScoreX, hall_of_fame_picture::kScoreY[r]);
  screen->ClearHover();

  UpdateScreenClock();
  DrawFramesPerSecond(560);

  if (leaveCode != 0) FreeScreen(hallOfFameScreen);

  EndScreenFrame();
}
