#include "app/game_app.h"

#include <cstdio>
#include <cstring>

#include "app/data_settings.h"
#include "battle/battle_screen.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/credits_screen.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/info_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/options_screen.h"
#include "menus/quest_log.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_slots_panel.h"
#include "menus/story_scene.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"
#include "party/heroes_screen.h"
#include "party/item_exchange_screen.h"
#include "party/name_entry.h"
#include "party/player_screen.h"
#include "party/wealth_screen.h"
#include "places/house_screen.h"
#include "platform/anim_clock.h"
#include "platform/clock.h"
#include "platform/file_buffer.h"
#include "platform/input_device.h"
#include "platform/number_text.h"

namespace {

// The screens on which no game is under way: the menus, the new game's
// questions and story, and the step that loads a game.
bool NoGameUnderWay(ScreenProc screen) {
  for (ScreenProc menu :
       {&GameApp::GoMainMenu, &GameApp::GoStory, &GameApp::GoNameEntry, &GameApp::GoNewGamePortrait,
        &GameApp::GoNewGameSlot, &GameApp::GoHelp, &GameApp::GoCredits, &GameApp::GoLoadGame,
        &GameApp::GoLoadSlots, &GameApp::GoHallOfFame}) {
    if (screen == menu) return true;
  }
  return screen == nullptr;
}

}  // namespace

GameApp::GameApp() {
  std::snprintf(className, sizeof className, "%s", "QorvClass");
  std::snprintf(caption, sizeof caption, "%s", "Qorv");
  windowGeometry.style = kStylePopup;
  windowGeometry.x = 0;
  windowGeometry.y = 0;
  windowGeometry.width = 600;
  windowGeometry.height = 480;
}

GameApp::~GameApp() {
  // The objects the application owns go with it, so that nothing is left
  // behind when the program ends.
  FreeScreen(villageScreen);
  FreeScreen(townScreen);
  FreeScreen(palaceScreen);
  FreeScreen(templeScreen);
  FreeScreen(castleScreen);
  FreeScreen(towerScreen);
  FreeScreen(armyExchangeScreen);
  FreeScreen(itemExchangeScreen);
  FreeScreen(exchangeChoiceScreen);
  FreeScreen(playerScreen);
  FreeScreen(heroesScreen);
  FreeScreen(creditsScreen);
  FreeScreen(wealthScreen);
  FreeScreen(questLog);
  FreeScreen(mainMenuScreen);
  FreeScreen(saveSlotsPanel);
  FreeScreen(saveAndQuitDialog);
  FreeScreen(nameEntryScreen);
  FreeScreen(nameEditor);
  FreeScreen(newGameMenu);
  FreeScreen(storyScene);
  FreeScreen(hallOfFameScreen);
  FreeScreen(optionsScreen);
  FreeScreen(infoScreen);
  FreeScreen(battleScreen);
  FreeScreen(mapEncounters);
  FreeScreen(kingdomMap);
  FreeScreen(controlBar);
  FreeScreen(heroFigure);
  DeleteClocks(animClock);
  delete writeFile;
  delete readFile;
  delete probeFile;
  writeFile = readFile = probeFile = nullptr;
  delete settings;
  settings = nullptr;
  delete gameState;
  gameState = nullptr;
}

uint32_t GameApp::Init() {
  graphics.CreateDirect3D();
  graphics.CreateDevice(window, 0, 0, 800, 600, 16);
  input.Create(window, instance);
  keyboard.Create(&input, kDeviceKeyboard, 1);
  cursor.mouse.Create(&input, kDeviceMouse, 0);
  ShowSystemCursor(0);
  cursor.Load(&graphics);
  font.Create(&graphics, "Arial", 16, 0, 0, 0, 0);
  font.Begin();
  music.Init(window, 22050);
  music.SetVolume(100);
  sound.Create(&music);
  sound.Play("Data\\Vibrate.wav", 5, 1);
  music.SetVolume(100);
  musicTrack.Attach(&music);
  musicTrack.Load("Data\\Music.mid");
  musicTrack.SetVolume(90);
  musicTrack.Play(40, 0);
  framesPerSecond = 0;
  screenProc = GoMainMenu;
  if (!settings) {
    settings = new DataSettings;
    settings->Load();
  }
  if (!gameState) {
    gameState = new GameState;
    RunNewGameSequence(*gameState);
    settings->ApplyOptions(gameState->options);
  }
  return 1;
}

uint32_t GameApp::Shutdown() {
  font.End();
  font.Release();
  keyboard.Release();
  cursor.mouse.Release();
  input.Release();
  sound.Release();
  musicTrack.Free();
  music.Shutdown();
  graphics.Release();
  return 1;
}

uint32_t GameApp::Frame() {
  if (!screenProc) return 1;
  // A close that waited for the game to be saved, or for its end, quits
  // once no game is under way any more.
  if (closeAsked != kCloseNone && NoGameUnderWay(screenProc)) {
    AppFrame::WindowProc(window, kMsgClose, 0, 0);
    return 1;
  }
  const ScreenProc running = screenProc;
  screenProc(this);
  // A close that came while the question was up quits without saving,
  // unless the question took a Yes (the game is saved first) or a No (the
  // close is a new one and asks again) given before it.
  if (closeAsked == kCloseInsisted) {
    AppFrame::WindowProc(window, kMsgClose, 0, 0);
    return 1;
  }
  // Once the question has shown and is still up (after its first frame, or
  // back after a save that failed), a further close is the player insisting.
  if (closeAsked != kCloseNone && running == &GameApp::GoSaveAndQuit &&
      screenProc == &GameApp::GoSaveAndQuit) {
    closeAsked = kCloseWaiting;
  }
  // A screen that handed over this frame leaves whatever is held down to be
  // let go first: one press does not act on two screens.
  if (screenProc != running || leaveCode != 0) {
    keyboard.LatchHeld();
    cursor.mouse.LatchHeld();
  }
  return 1;
}

intptr_t GameApp::WindowProc(void* win, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  // A close repeated before the question has shown (the map's walk or the
  // armies' turn, the battle's enemy turn, an item held in a trade still to
  // end), or after its Yes while the game is being saved, is that same close.
  // One while the question is up quits once the question's next frame has
  // taken the answer given before it (Frame). That holds whatever opened the
  // question: one that Escape, Backspace or the bar's Quit put up (its
  // dialog made, so it has shown) takes a close as a further one too.
  if (message == kMsgClose && !NoGameUnderWay(screenProc)) {
    const bool questionShown = screenProc == &GameApp::GoSaveAndQuit && saveAndQuitDialog;
    if (closeAsked == kCloseNone) closeAsked = questionShown ? kCloseWaiting : kCloseAsked;
    if (closeAsked == kCloseWaiting) closeAsked = kCloseInsisted;
    return 0;
  }
  return AppFrame::WindowProc(win, message, wParam, lParam);
}

uint32_t GameApp::TakeBack() {
  const uint32_t keys = TakeBackKeys(keyboard);
  return keys != 0 || closeAsked != kCloseNone ? 1 : 0;
}

void GameApp::BeginFrameTiming() {
  if (timingValid) frameStartMs = timeGetTime();
}

void GameApp::EndFrameTiming() {
  if (timingValid) {
    lastFrameMs = timeGetTime() - frameStartMs;
  } else {
    timingValid = 1;
  }
}

void GameApp::CountFrame() {
  if (msCounted <= 1000) {
    framesCounted += 1;
    msCounted += lastFrameMs;
  }
  if (msCounted > 1000) {
    framesPerSecond = framesCounted;
    msCounted = 0;
    framesCounted = 0;
  }
}

void GameApp::BeginScreenFrame() {
  if (leaveCode != 0) {
    leaveCode = 0;
    timingValid = 0;
    screenEntered = 1;
    secondsOnScreen = 0;
  }
  BeginFrameTiming();
  CountFrame();
  cursor.Poll();
  graphics.BeginScene();
  graphics.Clear(0, 1.0f);
}

void GameApp::UpdateScreenClock() {
  if (screenEntered == 1) {
    screenStartMs = timeGetTime();
    screenEntered = 0;
  }
  secondsOnScreen = (timeGetTime() - screenStartMs) / 1000;
}

void GameApp::EndScreenFrame() {
  cursor.Draw();
  graphics.EndScene();
  graphics.Present();
  EndFrameTiming();
}

void GameApp::LeaveScreen(ScreenProc next, uint8_t code) {
  screenProc = next;
  screenEntered = 1;
  leaveCode = code;
}

void GameApp::CancelLeave(ScreenProc current) {
  screenProc = current;
  screenEntered = 0;
  leaveCode = 0;
}

void GameApp::DrawFramesPerSecond(int32_t y) {
  if (!settings || settings->values[0] == 0) return;
  char text[32];
  PrintNumber(text, sizeof text, static_cast<int32_t>(framesPerSecond));
  font.DrawText(text, 20, y, 400, 100, kFramesPerSecondColour, 0);
  font.DrawText("Frames per second", 50, y, 400, 100, kFramesPerSecondColour, 0);
}

void GameApp::GoCastle(GameApp* app) { app->CastleProc(); }
void GameApp::GoTower(GameApp* app) { app->TowerProc(); }
void GameApp::GoPalace(GameApp* app) { app->PalaceProc(); }
void GameApp::GoNewGamePortrait(GameApp* app) { app->NewGamePortraitProc(); }
void GameApp::GoTemple(GameApp* app) { app->TempleProc(); }
void GameApp::GoQuestLog(GameApp* app) { app->QuestLogProc(); }
void GameApp::GoVillage(GameApp* app) { app->VillageProc(); }
void GameApp::GoTown(GameApp* app) { app->TownProc(); }
void GameApp::GoItemExchange(GameApp* app) { app->ItemExchangeProc(); }
void GameApp::GoArmyExchange(GameApp* app) { app->ArmyExchangeProc(); }
void GameApp::GoExchangeChoice(GameApp* app) { app->ExchangeChoiceProc(); }
void GameApp::GoBattle(GameApp* app) { app->BattleProc(); }
void GameApp::GoKingdomMap(GameApp* app) { app->MapProc(); }
void GameApp::GoMainMenu(GameApp* app) { app->MainMenuProc(); }
void GameApp::GoStory(GameApp* app) { app->StoryProc(); }
void GameApp::GoNameEntry(GameApp* app) { app->NameEntryProc(); }
void GameApp::GoHelp(GameApp* app) { app->HelpProc(); }
void GameApp::GoCredits(GameApp* app) { app->CreditsProc(); }
void GameApp::GoSaveGame(GameApp* app) { app->SaveGameProc(); }
void GameApp::GoLoadGame(GameApp* app) { app->LoadGameProc(); }
void GameApp::GoSaveAndQuit(GameApp* app) { app->SaveAndQuitProc(); }
void GameApp::GoOptions(GameApp* app) { app->OptionsProc(); }
void GameApp::GoHallOfFame(GameApp* app) { app->HallOfFameProc(); }
void GameApp::GoLoadSlots(GameApp* app) { app->LoadSlotsProc(); }
void GameApp::GoNewGameSlot(GameApp* app) { app->NewGameSlotProc(); }
void GameApp::GoHeroes(GameApp* app) { app->HeroesProc(); }
void GameApp::GoWealth(GameApp* app) { app->WealthProc(); }
void GameApp::GoPlayer(GameApp* app) { app->PlayerProc(); }
void GameApp::GoRename(GameApp* app) { app->RenameProc(); }
void GameApp::GoWriteHallOfFame(GameApp* app) { app->WriteHallOfFameProc(); }
