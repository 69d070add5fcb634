// The quest log's frame: opened from the kingdom map, always back to it.

#include "app/game_app.h"
#include "game/game_state.h"
#include "menus/quest_log.h"
#include "platform/input_device.h"

void GameApp::QuestLogProc() {
  BeginScreenFrame();

  if (!questLog) {
    questLog = new QuestLog;
    questLog->LoadArt(&graphics);
    questLog->CopyStages(*gameState);
  }
  QuestLog* log = questLog;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBack()) LeaveScreen(GoKingdomMap);

  const int32_t x = cursor.x;
  const int32_t y = cursor.y;
  log->HoverButtons(x, y);
  log->HoverIcons(x, y);
  InputDevice* mouse = &cursor.mouse;
  if (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight)) {
    if (log->ClickButtons(x, y, mouse)) log->held = 1;
    log->ClickIcons(x, y, mouse);
  }
  const uint8_t pressed = log->pressedId;
  if (pressed != 0 && (log->hoverId != pressed || WaitForMouseRelease(mouse))) {
    // Slid off, the button keeps its press: back over it, it turns no page.
    KeepPressTaken(mouse);
    if (pressed == kQuestLogBack) {
      LeaveScreen(GoKingdomMap);
    } else {
      log->TurnPage();
    }
    log->held = 0;
    log->pressedId = 0;
  }

  log->AnimateFire();
  log->DrawFrame();
  log->DrawQuestIcons();
  log->DrawSelectedQuest();
  log->ClearHover();

  UpdateScreenClock();

  if (leaveCode != 0) FreeScreen(questLog);

  EndScreenFrame();
}
