// The help screen's frame.

#include "app/free_screen.h"
#include "app/game_app.h"
#include "game/hero_figure.h"
#include "menus/info_screen.h"
#include "platform/anim_clock.h"
#include "platform/input_device.h"

void GameApp::HelpProc() {
  BeginScreenFrame();

  // The hero figure's body parts are loaded here once for the screens after.
  if (!heroFigure) {
    heroFigure = new HeroFigure;
    heroFigure->LoadBodyParts(&graphics);
  }
  if (!infoScreen) {
    infoScreen = new InfoScreen;
    infoScreen->LoadArt(&graphics);
  }
  InfoScreen& screen = *infoScreen;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBackKeys(keyboard)) LeaveScreen(GoMainMenu);

  // The buttons take clicks even before they are drawn.
  screen.HoverBack(cursor.x, cursor.y);
  screen.HoverLeftArrow(cursor.x, cursor.y);
  screen.HoverRightArrow(cursor.x, cursor.y);
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    screen.ClickBack(cursor.x, cursor.y, &cursor.mouse);
    screen.ClickLeftArrow(cursor.x, cursor.y, &cursor.mouse);
    screen.ClickRightArrow(cursor.x, cursor.y, &cursor.mouse);
  }
  const uint8_t k = screen.pressedId;
  if (k != 0 && (screen.hoverId != k || WaitForMouseRelease(&cursor.mouse))) {
    // Slid off, the button keeps its press: back over it, it turns no page.
    KeepPressTaken(&cursor.mouse);
    if (k == kHelpBack) LeaveScreen(GoMainMenu);
    if (k == kHelpLeft) screen.page = screen.page == 0 ? kHelpPageCount - 1 : screen.page - 1;
    if (k == kHelpRight) screen.page = screen.page + 1 >= kHelpPageCount ? 0 : screen.page + 1;
    screen.held = 0;
    screen.pressedId = 0;
  }

  screen.Animate();
  screen.DrawBackground();
  screen.DrawBack();
  if (secondsOnScreen > 0) {
    screen.DrawTitle();
    screen.DrawArrows();
  }
  if (secondsOnScreen > 1) screen.DrawPage();
  screen.ClearHover();

  UpdateScreenClock();
  DrawFramesPerSecond(560);

  if (leaveCode != 0) {
    FreeScreen(infoScreen);
    DeleteClocks(animClock);
  }

  EndScreenFrame();
}
