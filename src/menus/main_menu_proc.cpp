// The main menu's frame: the first screen of the program and the one every
// finished, abandoned or cancelled game comes back to. A new game starts
// here by finding its save slot.

#include "app/data_settings.h"
#include "app/game_app.h"
#include "game/game_music.h"
#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/main_menu_screen.h"
#include "menus/save_files.h"
#include "menus/save_slots_panel.h"
#include "platform/anim_clock.h"
#include "platform/file_buffer.h"
#include "platform/input_device.h"

namespace {

// A game has ended or was abandoned: a fresh game record, and the map's
// objects of the old game go.
void RebuildGame(GameApp& app) {
  delete app.gameState;
  app.gameState = nullptr;
  FreeScreen(app.mapEncounters);
  FreeScreen(app.kingdomMap);
}

// Finds the new game's save slot: the first free one goes straight to the
// name entry; with all five used the player picks one to take over.
void StartNewGame(GameApp& app) {
  GameState& state = *app.gameState;
  app.leaveCode = kLeaveNormal;
  app.endSurrendered = 0;
  app.endPeaceTreaty = 0;
  app.endVictory = 0;
  app.dayRecoveryPending = 0;
  if (!app.saveSlotsPanel) {
    app.saveSlotsPanel = new SaveSlotsPanel;
    app.saveSlotsPanel->LoadArt(&app.graphics);
    state.slotsStale = 1;
  }
  if (!app.readFile) {
    app.readFile = new FileBuffer;
    app.readFile->Allocate(kSlotReadBufferBytes);
    state.slotsStale = 1;
  }
  SaveSlotsPanel& panel = *app.saveSlotsPanel;
  RefreshSlotPanel(panel, app.probeFile, *app.readFile, state);
  state.slot = FirstFreeSlot(panel);
  delete app.readFile;
  app.readFile = nullptr;
  if (state.slot != 0) {
    FreeScreen(app.saveSlotsPanel);
    app.LeaveScreen(GameApp::GoNameEntry);
  } else {
    app.LeaveScreen(GameApp::GoNewGameSlot);
  }
}

}  // namespace

void GameApp::MainMenuProc() {
  if (leaveCode == kLeaveFreshRecord) RebuildGame(*this);
  if (!gameState) {
    gameState = new GameState;
    RunNewGameSequence(*gameState);
    // A fresh game takes the options the player chose last.
    if (settings) settings->ApplyOptions(gameState->options);
  }
  BeginScreenFrame();

  if (!mainMenuScreen) {
    mainMenuScreen = new MainMenuScreen;
    mainMenuScreen->LoadArt(&graphics);
    if (musicChanged) {
      PlayMenuMusic(music, musicTrack, 40);
      musicChanged = 0;
    }
  }
  MainMenuScreen* menu = mainMenuScreen;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    PostQuitMessage(0);
    leaveCode = kLeaveNormal;
  }

  const int32_t x = cursor.x;
  const int32_t y = cursor.y;
  menu->HoverNewGame(x, y);
  menu->HoverHallOfFame(x, y);
  menu->HoverLoad(x, y);
  menu->HoverHelp(x, y);
  menu->HoverCredits(x, y);
  menu->HoverQuit(x, y);

  InputDevice* mouse = &cursor.mouse;
  if (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight)) {
    uint32_t (MainMenuScreen::*const clicks[kMenuButtonCount])(int32_t, int32_t, InputDevice*) = {
        &MainMenuScreen::ClickNewGame, &MainMenuScreen::ClickHallOfFame,
        &MainMenuScreen::ClickLoad,    &MainMenuScreen::ClickQuit,
        &MainMenuScreen::ClickHelp,    &MainMenuScreen::ClickCredits};
    for (auto click : clicks) {
      if ((menu->*click)(x, y, mouse)) {
        menu->look[menu->clickedId - 1] = kLookPressed;
        menu->pressLock = 1;
      }
    }
  }

  // A pressed button acts when it is let go over it, or at once when the
  // cursor has left it.
  const uint8_t pressed = menu->clickedId;
  if (pressed != kMenuNone && (menu->hoveredId != pressed || menu->WaitForRelease(mouse))) {
    menu->clickedId = kMenuNone;
    menu->pressLock = 0;
    switch (pressed) {
      case kMenuNewGame: leaveCode = kLeaveNewGame; break;
      case kMenuHallOfFame: LeaveScreen(GoHallOfFame); break;
      case kMenuLoad: LeaveScreen(GoLoadSlots); break;
      case kMenuHelp: LeaveScreen(GoHelp); break;
      case kMenuCredits: LeaveScreen(GoCredits); break;
      case kMenuQuit:
        PostQuitMessage(0);
        leaveCode = kLeaveNormal;
        break;
    }
  }

  menu->Draw();
  menu->ClearHover();

  UpdateScreenClock();
  DrawFramesPerSecond(6);

  // The menu object stays for the screens that come back to it; the
  // animation clocks of the game just left go.
  if (leaveCode != 0) {
    DeleteClocks(animClock);
  }
  if (leaveCode == kLeaveNewGame) StartNewGame(*this);

  EndScreenFrame();
}
