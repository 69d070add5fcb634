// The name entry's frame.

#include <cstring>

#include "app/game_app.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "menus/name_entry_screen.h"
#include "menus/story_scene.h"
#include "platform/anim_clock.h"
#include "platform/clock.h"
#include "platform/input_device.h"

namespace {

// The timer that paces the sliding ornaments, and its speed in pixels a
// second.
constexpr int kSlideClock = 1;
constexpr int32_t kSlideSpeed = 180;

const NameEntryKey* KeyTyping(uint8_t scanCode) {
  for (const NameEntryKey& key : kNameEntryKeys) {
    if (key.scanCode == scanCode) return &key;
  }
  return nullptr;
}

// Types the keys pressed, in the order they came, however quickly: one
// change a frame, the rest waiting for the next frames, or all of them (those
// pressed before the press numbered before) when a button is about to act on
// the name. True when Enter came (after the letters typed before it).
bool TypeKeys(InputDevice& keyboard, NameEntryScreen& screen, bool all,
              uint32_t before = kAfterEveryPress) {
  TypedKey typed;
  while ((all || !screen.typedThisFrame) && keyboard.NextTyped(&typed, before)) {
    keyboard.SetLatch(typed.key, 1);
    if (typed.key == kKeyEnter) return true;
    if (const NameEntryKey* key = KeyTyping(typed.key)) {
      if (all) screen.typedThisFrame = 0;
      screen.PutLetter(typed.shift ? key->shifted : key->plain);
    }
  }
  return false;
}

}  // namespace

void GameApp::NameEntryProc() {
  BeginScreenFrame();

  // First use: the pacing timer, the figure the next screens share, the
  // screen itself.
  if (!animClock[kSlideClock]) {
    animClock[kSlideClock] = new AnimClock;
    animClock[kSlideClock]->base = gameState->clockBase;
  }
  if (!heroFigure) {
    heroFigure = new HeroFigure;
    heroFigure->LoadBodyParts(&graphics);
  }
  if (!nameEntryScreen) {
    nameEntryScreen = new NameEntryScreen;
    nameEntryScreen->LoadArt(&graphics);
  }
  NameEntryScreen* screen = nameEntryScreen;

  // Escape goes back; Enter confirms the name as it is typed (below).
  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    LeaveScreen(GoMainMenu);
  }

  screen->HoverReady(cursor.x, cursor.y);
  screen->HoverClear(cursor.x, cursor.y);
  screen->HoverBack(cursor.x, cursor.y);

  if (EitherButtonPressed(cursor.mouse) && (screen->ClickReady(cursor.x, cursor.y, &cursor.mouse) ||
                                            screen->ClickClear(cursor.x, cursor.y, &cursor.mouse) ||
                                            screen->ClickBack(cursor.x, cursor.y, &cursor.mouse))) {
    // A button finds the name as it was typed up to its press: the keys
    // typed before the press go in first, and an Enter among them has taken
    // the name before the button.
    if (leaveCode == 0 && TypeKeys(keyboard, *screen, true, cursor.mouse.pressOrder)) {
      screen->clickedId = 0;
      std::memcpy(gameState->playerName, screen->cells, kGlyphNameLength);
      LeaveScreen(GoNewGamePortrait);
    } else {
      screen->pressLock = 1;
      if (screen->clickedId == kNameEntryReady) screen->readyLook = 2;
      if (screen->clickedId == kNameEntryBack) screen->backLook = 2;
      if (screen->clickedId == kNameEntryClear) {
        screen->clearLook = 2;
        screen->typedThisFrame = 0;
        screen->Clear();
      }
    }
  }

  // A pressed button acts once it is let go over it, or at once when the
  // cursor has left it.
  for (uint8_t id : {kNameEntryBack, kNameEntryClear, kNameEntryReady}) {
    if (screen->clickedId != id) continue;
    if (screen->hoveredId == id && !WaitForMouseRelease(&cursor.mouse)) continue;
    screen->pressLock = 0;
    screen->clickedId = 0;
    if (id == kNameEntryBack) {
      LeaveScreen(GoMainMenu);
    } else if (id == kNameEntryReady) {
      TypeKeys(keyboard, *screen, true);
      std::memcpy(gameState->playerName, screen->cells, kGlyphNameLength);
      LeaveScreen(GoNewGamePortrait);
    }
  }

  // The opening animation, then the drawing.
  const uint32_t now = timeGetTime();
  if (timingValid) {
    const int32_t step = animClock[kSlideClock]->AdvanceAveraged(kSlideSpeed, lastFrameMs);
    screen->SlideHands(step);
    screen->StepGrowth(now);
    if (secondsOnScreen > kShockAfterSeconds) screen->StepShocks(now);
  }
  screen->DrawShocks(secondsOnScreen);
  screen->DrawBoxes();
  screen->DrawTitle();
  screen->DrawBackButton();
  screen->DrawLetters();
  screen->DrawReadyButton();
  screen->DrawClearButton();
  screen->DrawHands();

  // Typing; holding a key types its letter once. Enter takes the name once
  // the letters typed before it are in.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (leaveCode == 0 && TypeKeys(keyboard, *screen, false)) {
    std::memcpy(gameState->playerName, screen->cells, kGlyphNameLength);
    LeaveScreen(GoNewGamePortrait);
  }
  screen->typedThisFrame = 0;
  screen->BlinkCaret(now);
  screen->ClearHover();

  UpdateScreenClock();

  // Leaving, whichever way: the screen and the timers go, and the story that
  // follows a new game is the intro.
  if (leaveCode != 0) {
    FreeScreen(nameEntryScreen);
    DeleteClocks(animClock);
    gameState->storyScene = kStoryIntro;
  }

  EndScreenFrame();
}
