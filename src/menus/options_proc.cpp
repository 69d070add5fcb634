// The options' frame: the choices go into the game record on every frame, so
// the map and the battle use them as soon as the player is back; the music
// follows its switch at once.

#include "app/data_settings.h"
#include "app/free_screen.h"
#include "app/game_app.h"
#include "game/game_state.h"
#include "menus/options_screen.h"
#include "platform/input_device.h"

namespace {

// Back to whichever screen opened the options. With neither opener known
// the options stay and start over.
void LeaveOptions(GameApp& app) {
  app.LeaveScreen(GameApp::GoOptions);
  if (app.optionsFromBattle) {
    app.optionsFromBattle = 0;
    app.screenProc = GameApp::GoBattle;
  }
  if (app.optionsFromMap) {
    app.optionsFromMap = 0;
    app.screenProc = GameApp::GoKingdomMap;
  }
}

}  // namespace

void GameApp::OptionsProc() {
  BeginScreenFrame();
  GameState& state = *gameState;
  // The flags say where to go back to and which music to start; they are
  // read before leaving clears them.
  const uint8_t fromBattle = optionsFromBattle;
  const uint8_t fromMap = optionsFromMap;

  if (!optionsScreen) {
    optionsScreen = new OptionsScreen;
    optionsScreen->LoadArt(&graphics);
    OptionsScreen& s = *optionsScreen;
    s.music = state.options[kOptionMusic];
    s.sounds = state.options[kOptionSounds];
    s.mapSpeed = state.options[kOptionMapSpeed];
    s.battleMoveSpeed = state.options[kOptionBattleMoveSpeed];
    s.battleSwingSpeed = state.options[kOptionSwingSpeed];
  }
  OptionsScreen& screen = *optionsScreen;

  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBack()) LeaveOptions(*this);

  screen.HoverButtons(cursor.x, cursor.y);
  if (cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) {
    if (screen.ClickButtons(cursor.x, cursor.y, &cursor.mouse)) screen.held = 1;
  }
  const uint8_t k = screen.pressedId;
  if (k != 0 && (screen.hoverId != k || WaitForMouseRelease(&cursor.mouse))) {
    // Slid off, the button keeps its press: nothing else takes it.
    KeepPressTaken(&cursor.mouse);
    screen.held = 0;
    screen.pressedId = 0;
    if (k == kOptionsBack) LeaveOptions(*this);
    if (k == kOptionsMusicOn && screen.music == kSwitchOn) screen.musicRestart = 1;
  }

  // The choices hold at once.
  state.options[kOptionMusic] = screen.music;
  state.options[kOptionSounds] = screen.sounds;
  state.options[kOptionMapSpeed] = screen.mapSpeed;
  state.options[kOptionBattleMoveSpeed] = screen.battleMoveSpeed;
  state.options[kOptionSwingSpeed] = screen.battleSwingSpeed;

  if (state.options[kOptionMusic] == kSwitchOff) musicTrack.Stop();
  if (screen.musicRestart) {
    screen.musicRestart = 0;
    if (fromBattle) {
      musicTrack.Load("Data\\Music2.mid");
      musicTrack.SetVolume(30);
      musicTrack.Play(10, 0);
    }
    if (fromMap) {
      musicTrack.Load("Data\\Music.mid");
      musicTrack.SetVolume(60);
      musicTrack.Play(10, 0);
    }
  }

  screen.Draw();
  screen.ClearHover();
  UpdateScreenClock();

  if (leaveCode != 0) {
    FreeScreen(optionsScreen);
    optionsFromBattle = 0;
    optionsFromMap = 0;
    // The next start of the game begins with these choices.
    if (settings && settings->StoreOptions(state.options)) settings->Save();
  }

  EndScreenFrame();
}
