// The save-and-quit question's frame. It goes back to the screen that opened
// it this time (the map or the battle), or on Yes saves the game and ends at
// the main menu (or ends the program, when the window's close asked it).

#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "game/game_music.h"
#include "game/game_state.h"
#include "map/map_encounters.h"
#include "menus/save_and_quit_dialog.h"
#include "platform/input_device.h"

namespace {

// Back to the screen that opened the question; both flags are spent, so a
// later question remembers only its own opener. A window's close that asked
// it is answered; one that came after the No asks again.
void GoBack(GameApp& app) {
  app.closeAsked = app.closeAsked == kCloseInsisted ? kCloseAsked : kCloseNone;
  ScreenProc next = GameApp::GoKingdomMap;
  if (app.saveQuitFromBattle) {
    app.saveQuitFromBattle = 0;
    next = GameApp::GoBattle;
  }
  if (app.saveQuitFromMap) {
    app.saveQuitFromMap = 0;
    next = GameApp::GoKingdomMap;
  }
  app.LeaveScreen(next);
}

// Yes: the battle's object and the map's population go before the save.
void FreePlayObjects(GameApp& app) {
  FreeScreen(app.battleScreen);
  FreeScreen(app.mapEncounters);
}

}  // namespace

void GameApp::SaveAndQuitProc() {
  BeginScreenFrame();

  if (!saveAndQuitDialog) {
    saveAndQuitDialog = new SaveAndQuitDialog;
    saveAndQuitDialog->LoadArt(&graphics);
    if (musicChanged) {
      PlayMenuMusic(music, musicTrack, 60);
      musicChanged = 0;
    }
  }
  SaveAndQuitDialog* dialog = saveAndQuitDialog;

  keyboard.Acquire(1);
  keyboard.Poll();
  for (int key : {kKeyBackspace, kKeyEscape}) {
    if (leaveCode == 0 && keyboard.KeyPressed(key)) {
      keyboard.SetLatch(key, 1);
      GoBack(*this);
    }
  }

  const int32_t x = cursor.x;
  const int32_t y = cursor.y;
  dialog->HoverYes(x, y);
  dialog->HoverNo(x, y);
  InputDevice* mouse = &cursor.mouse;
  if (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight)) {
    if (dialog->ClickYes(x, y, mouse)) {
      dialog->yesLook = 2;
      dialog->held = 1;
    }
    if (dialog->ClickNo(x, y, mouse)) {
      dialog->noLook = 2;
      dialog->held = 1;
    }
  }
  const uint8_t pressed = dialog->pressedId;
  // An answer taken, held or tapped, is given before a further close decides
  // anything at the frame's end: Yes saves first, and after No that close
  // is a new one, which asks again.
  const bool answerBeforeClose = closeAsked == kCloseInsisted;
  if (leaveCode == 0 && pressed != 0 &&
      (dialog->hoverId != pressed || WaitForMouseRelease(mouse) || answerBeforeClose)) {
    dialog->held = 0;
    dialog->pressedId = 0;
    if (pressed == kQuestionYes) {
      // A close that asked over a message of the armies' turn: the turn
      // ends before the game is saved.
      MapEndTurnForSave();
      quitAfterSave = 1;
      // A window's close that asked is answered: a repeat now waits for the
      // save, and the program ends once it is written.
      if (closeAsked != kCloseNone) closeAsked = kCloseSaving;
      LeaveScreen(GoSaveGame, kLeaveKeepOrFree);
    } else {
      GoBack(*this);
    }
  }

  dialog->DrawBackground();
  dialog->DrawYes();
  dialog->DrawNo();
  dialog->ClearHover();
  if (saveFailed) {
    font.DrawText(kSaveFailedText, (800 - font.TextWidth(kSaveFailedText)) / 2, kSaveFailedY, 0, 0,
                  kSaveFailedColour, 0);
  }

  UpdateScreenClock();

  if (leaveCode != 0) {
    gameState->overlayOpen = 0;
    FreeScreen(saveAndQuitDialog);
    if (leaveCode == kLeaveKeepOrFree) {
      FreePlayObjects(*this);
    } else {
      saveFailed = 0;
    }
  }

  EndScreenFrame();
}
