// The story screen's frame.

#include "app/game_app.h"
#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/main_menu_screen.h"
#include "menus/story_scene.h"
#include "platform/anim_clock.h"
#include "platform/clock.h"
#include "platform/input_device.h"

void GameApp::StoryProc() {
  BeginScreenFrame();

  if (!gameState) {
    gameState = new GameState;
    RunNewGameSequence(*gameState);
  }
  for (int t = 0; t < kStoryClocks; ++t) {
    if (animClock[t]) continue;
    animClock[t] = new AnimClock;
    animClock[t]->base = gameState->clockBase;
  }
  if (!storyScene) {
    storyScene = new StoryScene;
    // Every road here sets the scene first; anything else is taken for the
    // intro, which leaves the game record as it is.
    const uint8_t scene = gameState->storyScene;
    storyScene->mode = scene >= kStoryIntro && scene <= kStoryVictory ? scene : kStoryIntro;
    storyScene->LoadArt(&graphics);
    storyScene->Reset();
    leaveCode = 0;
  }
  StoryScene* scene = storyScene;

  // Enter, Escape or a click leaves; the scene is still drawn this frame.
  keyboard.Acquire(1);
  keyboard.Poll();
  for (int key : {kKeyEnter, kKeyEscape}) {
    if (keyboard.KeyPressed(key)) {
      keyboard.SetLatch(key, 1);
      leaveCode = kLeaveNormal;
    }
  }
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    leaveCode = kLeaveNormal;
    cursor.mouse.SetLatch(kMouseLeft, 1);
    cursor.mouse.SetLatch(kMouseRight, 1);
  }

  if (timingValid) {
    int32_t steps[kStoryClocks];
    for (int t = 0; t < kStoryClocks; ++t)
      steps[t] = animClock[t]->AdvanceAveraged(kStoryClockSpeeds[t], lastFrameMs);
    if (scene->mode == kStoryVictory) {
      scene->StepVictory(steps);
      scene->MoveFragments(steps);
    } else {
      scene->SlidePicture(steps);
    }
  }
  if (scene->mode == kStoryVictory) {
    scene->StepFrames(timeGetTime());
    scene->DrawVictory();
  } else {
    scene->DrawPicture();
  }

  UpdateScreenClock();
  DrawFramesPerSecond(560);

  if (leaveCode != 0) {
    if (scene->mode == kStoryIntro) {
      LeaveScreen(GoKingdomMap);
    } else {
      // The finished game's result is in the hall of fame already: the
      // record becomes a new game's before the hall is shown.
      LeaveScreen(GoHallOfFame);
      delete gameState;
      gameState = nullptr;
      FreeScreen(mapEncounters);
      FreeScreen(kingdomMap);
      gameState = new GameState;
      RunNewGameSequence(*gameState);
    }
    FreeScreen(storyScene);
    // The main menu's object goes too.
    FreeScreen(mainMenuScreen);
    DeleteClocks(animClock);
  }

  EndScreenFrame();
}
