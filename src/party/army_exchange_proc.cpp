// The army exchange's frame: two members who met on the map drag their
// stacks between their twelve army cells; leaving writes both members back
// and returns to the exchange choice.

#include "app/game_app.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "party/army_exchange_copy.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"
#include "party/exchange_common.h"
#include "platform/input_device.h"

void GameApp::ArmyExchangeProc() {
  BeginScreenFrame();

  if (!armyExchangeScreen) {
    // Nobody trades with himself: straight back to the choice.
    if (!ExchangeMembersValid(gameState->exchangeLeft, gameState->exchangeRight)) {
      LeaveScreen(GoExchangeChoice);
      UpdateScreenClock();
      EndScreenFrame();
      return;
    }
    if (!heroFigure) {
      heroFigure = new HeroFigure;
      heroFigure->LoadBodyParts(&graphics);
    }
    armyExchangeScreen = new ArmyExchangeScreen;
    ArmyExchangeScreen* s = armyExchangeScreen;
    exchange_common::OpenExchange(*s, &graphics, heroFigure, *gameState);
    CopyMemberIn(*gameState, *s, kSideLeft, s->leftMember, &selectedHero);
    CopyMemberIn(*gameState, *s, kSideRight, s->rightMember, &selectedHero);
    s->LayoutCells();
    s->UpdateLengths();
    s->LoadArmyIcons(&graphics);
    s->LoadLeftWornItemPictures();
    s->LoadRightWornItemPictures();
  }
  ArmyExchangeScreen* screen = armyExchangeScreen;
  InputDevice* mouse = &cursor.mouse;

  // Backspace and Escape go back, but never while a stack is held. The
  // keyboard is still read then, so that a key pressed and let go during
  // the drag is not kept for after it; a key still down afterwards leaves.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (screen->heldCode == 0 && TakeBack()) LeaveScreen(GoExchangeChoice);

  screen->HoverBack(cursor.x, cursor.y);
  screen->HoverValues(cursor.x, cursor.y);
  if (screen->ClickBack(cursor.x, cursor.y, mouse)) screen->backPressed = 1;

  // Back leaves once released, and only with no stack on the cursor.
  if (screen->backArmed && screen->heldCode == 0) {
    if (!screen->backHovered || WaitForMouseRelease(mouse)) {
      LeaveScreen(GoExchangeChoice);
      screen->backPressed = 0;
      screen->backArmed = 0;
    }
  }

  // A stack is picked up only while the screen stays: once the leave is
  // decided this frame, the stacks are written back as they lie.
  if (!screen->dragging && leaveCode == 0) {
    screen->PickUpStack(cursor.x, cursor.y, mouse);
    if (screen->heldCell) {
      screen->stackX[screen->heldCell - 1] = screen->lastMouseX - 32;
      screen->stackY[screen->heldCell - 1] = screen->lastMouseY - 32;
    }
  }
  if (screen->dragging) {
    screen->DropStack(cursor.x, cursor.y, mouse);
    screen->UpdateLengths();
  }

  // Let go outside every cell, or the press cut by the focus leaving the
  // window: the stack goes home.
  if (!mouse->ButtonPressed(kMouseLeft) && !mouse->ButtonPressed(kMouseRight)) {
    if (screen->dragging && screen->heldCode && screen->heldCell) {
      const int e = screen->heldCell - 1;
      screen->stackX[e] = screen->returnX;
      screen->stackY[e] = screen->returnY;
      screen->armyCode[e] = screen->heldCode;
      screen->heldCode = 0;
    }
    screen->dragging = 0;
    screen->heldCell = 0;
  }
  screen->DragFollow(cursor.x, cursor.y);

  screen->DrawBackground();
  screen->DrawLeftName(158, 46);
  screen->DrawRightName(152, 46);
  screen->DrawLeftFigure(95, 0);
  screen->DrawRightFigure(548, 0);
  screen->DrawStacks();
  screen->DrawStackPanel(400, 150, 272);
  screen->DrawHealth(5, 120, screen->leftHealth, screen->leftMaxHealth);
  screen->DrawHealth(675, 120, screen->rightHealth, screen->rightMaxHealth);
  screen->DrawAttack(10, 190, screen->leftAttack);
  screen->DrawAttack(695, 190, screen->rightAttack);
  screen->DrawShield(15, 340, screen->leftShield);
  screen->DrawShield(676, 340, screen->rightShield);
  screen->ClearHover();

  UpdateScreenClock();

  if (leaveCode == kLeaveNormal) {
    CopyMemberBack(*gameState, *screen, kSideLeft, screen->leftMember, &selectedHero);
    CopyMemberBack(*gameState, *screen, kSideRight, screen->rightMember, &selectedHero);
    FreeScreen(armyExchangeScreen);
  }

  EndScreenFrame();
}
