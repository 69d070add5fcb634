// The portrait choice's frame.

#include <cstring>

#include "app/game_app.h"
#include "game/game_state.h"
#include "map/control_bar.h"
#include "menus/main_menu_screen.h"
#include "menus/new_game_menu.h"
#include "menus/story_scene.h"
#include "platform/anim_clock.h"
#include "platform/clock.h"
#include "platform/input_device.h"

namespace {

// Leave code of Ready and Enter: the end of the frame starts the story.
constexpr uint8_t kLeaveToStory = kLeaveKeepOrFree;
// The asteroids' pacing timers and speeds: a slow one and a fast one.
constexpr int kSlowClock = 0;
constexpr int kFastClock = 1;
constexpr int32_t kSlowSpeed = 40;
constexpr int32_t kFastSpeed = 90;

}  // namespace

void GameApp::NewGamePortraitProc() {
  BeginScreenFrame();

  if (!newGameMenu) {
    newGameMenu = new NewGameMenu;
    newGameMenu->LoadArt(&graphics);
    std::memcpy(newGameMenu->name, gameState->playerName, kGlyphNameLength);
    newGameMenu->MeasureName();
  }
  for (int t : {kSlowClock, kFastClock}) {
    if (animClock[t]) continue;
    animClock[t] = new AnimClock;
    animClock[t]->base = gameState->clockBase;
  }
  NewGameMenu* menu = newGameMenu;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoNameEntry);
  if (keyboard.KeyPressed(kKeyEnter)) {
    keyboard.SetLatch(kKeyEnter, 1);
    gameState->playerPortrait = static_cast<uint8_t>(menu->portrait - 1);
    screenEntered = 1;
    leaveCode = kLeaveToStory;
  }

  menu->HoverBack(cursor.x, cursor.y);
  menu->HoverLeft(cursor.x, cursor.y);
  menu->HoverRight(cursor.x, cursor.y);
  menu->HoverReady(cursor.x, cursor.y);

  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    if (menu->ClickBack(cursor.x, cursor.y, &cursor.mouse)) {
      menu->backLook = 2;
      menu->pressLock = 1;
    }
    if (menu->ClickLeft(cursor.x, cursor.y, &cursor.mouse)) {
      menu->leftLook = 2;
      menu->pressLock = 1;
    }
    if (menu->ClickRight(cursor.x, cursor.y, &cursor.mouse)) {
      menu->rightLook = 2;
      menu->pressLock = 1;
    }
    if (menu->ClickReady(cursor.x, cursor.y, &cursor.mouse)) {
      menu->readyLook = 2;
      menu->pressLock = 1;
    }
  }

  for (uint8_t id : {kPortraitBack, kPortraitLeft, kPortraitRight, kPortraitReady}) {
    if (menu->clickedId != id) continue;
    if (menu->hoveredId == id && !WaitForMouseRelease(&cursor.mouse)) continue;
    // Slid off, the button keeps its press: back over it, it steps no more.
    KeepPressTaken(&cursor.mouse);
    menu->pressLock = 0;
    menu->clickedId = 0;
    if (id == kPortraitBack) {
      LeaveScreen(GoNameEntry);
    } else if (id == kPortraitLeft) {
      menu->StepLeft();
    } else if (id == kPortraitRight) {
      menu->StepRight();
    } else {
      gameState->playerPortrait = static_cast<uint8_t>(menu->portrait - 1);
      screenEntered = 1;
      leaveCode = kLeaveToStory;
    }
  }

  // The asteroids move every frame by the steps last measured.
  AnimClock* slow = animClock[kSlowClock];
  AnimClock* fast = animClock[kFastClock];
  if (timingValid) {
    slow->callerSteps = slow->AdvanceAveraged(kSlowSpeed, lastFrameMs);
    fast->callerSteps = fast->AdvanceAveraged(kFastSpeed, lastFrameMs);
  }
  const uint32_t now = timeGetTime();
  const int32_t a = slow->callerSteps == 255 ? 0 : slow->callerSteps;
  const int32_t b = fast->callerSteps == 255 ? 0 : fast->callerSteps;
  menu->MoveAsteroids(a, b);
  menu->StepAsteroidFrames(now);
  menu->StepCorners(now);
  menu->DrawBackButton();
  menu->DrawReadyButton();
  menu->DrawPortrait();
  menu->DrawBackground();
  menu->DrawLeftArrow();
  menu->DrawRightArrow();
  menu->DrawName();
  menu->ClearHover();

  UpdateScreenClock();

  if (leaveCode == kLeaveToStory) {
    // The new game starts: the bar that shows the portrait, then the intro.
    FreeScreen(newGameMenu);
    // The main menu's object goes too.
    FreeScreen(mainMenuScreen);
    if (!controlBar) {
      controlBar = new ControlBar;
      controlBar->LoadArt(&graphics);
    }
    // A bar left from an earlier game shows this game's portrait too.
    controlBar->portrait = gameState->playerPortrait;
    gameState->storyScene = kStoryIntro;
    LeaveScreen(GoStory);
  } else if (leaveCode != 0) {
    FreeScreen(newGameMenu);
  }

  EndScreenFrame();
}
