// The load step: one frame that draws nothing. It reads the chosen slot's
// game into the record and goes on to the map, the battle it was saved in,
// or the story of its ending; a missing or refused file leaves the record as
// it was and goes back to the main menu. The hall of fame is read from its
// own file either way.

#include <cstring>

#include "app/game_app.h"
#include "game/game_music.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/main_menu_screen.h"
#include "menus/save_files.h"
#include "menus/story_scene.h"
#include "platform/file_buffer.h"

void GameApp::LoadGameProc() {
  GameState& state = *gameState;
  if (!heroFigure) {
    heroFigure = new HeroFigure;
    heroFigure->LoadBodyParts(&graphics);
  }

  delete readFile;
  readFile = new FileBuffer;
  // The slot the player picked: the game is saved back there, whatever
  // slot a file copied from another slot names inside.
  const uint8_t chosenSlot = state.slot;
  SaveExtras extras;
  extras.endVictory = endVictory;
  extras.endPeaceTreaty = endPeaceTreaty;
  extras.endSurrendered = endSurrendered;
  extras.dayRecoveryPending = dayRecoveryPending;
  state.gamePresent = LoadGameFromSlot(*readFile, state, extras, state.slot) ? 1 : 0;
  const bool loaded = state.gamePresent != 0;
  state.readImage = nullptr;
  delete readFile;
  readFile = nullptr;

  if (state.gamePresent) {
    state.slot = chosenSlot;
    // The map's objects of any game before are not this game's: the map
    // builds its population afresh and the view starts at the saved camera.
    FreeScreen(mapEncounters);
    FreeScreen(kingdomMap);
    state.AdvanceQuestChains();
    kingdomMap = new KingdomMap;
    kingdomMap->LoadTiles(&graphics);
    kingdomMap->cameraX = extras.cameraX;
    kingdomMap->cameraY = extras.cameraY;
    static_assert(sizeof kingdomMap->placeStates == sizeof state.placeState);
    std::memcpy(kingdomMap->placeStates, state.placeState, sizeof state.placeState);
    endVictory = extras.endVictory;
    endPeaceTreaty = extras.endPeaceTreaty;
    endSurrendered = extras.endSurrendered;
    // The night due when the game was saved (none in an older save) runs
    // once the armies' turn is over.
    dayRecoveryPending = extras.dayRecoveryPending;
  }

  if (state.savedInBattle) {
    screenProc = state.gamePresent ? GoBattle : GoMainMenu;
  } else {
    screenProc = state.gamePresent ? GoKingdomMap : GoMainMenu;
  }
  state.savedInBattle = 0;
  LeaveScreen(screenProc);

  if (state.gamePresent) {
    const bool musicOn = state.options[kOptionMusic] != 0;
    if (!musicOn) musicTrack.Stop();
    FreeScreen(mainMenuScreen);
    if (!controlBar) {
      controlBar = new ControlBar;
      controlBar->LoadArt(&graphics);
    }
    // The bar shows this game's player even when it was made for another.
    controlBar->portrait = state.playerPortrait;
    if (musicOn) PlayMapMusic(musicTrack);
  }
  state.gamePresent = 0;

  // Only a game just loaded can have ended here; the flags of a game that
  // ended before a refused load are not this one's.
  if (loaded && (endSurrendered || endPeaceTreaty || endVictory)) {
    LeaveScreen(GoStory);
    if (endSurrendered) state.storyScene = kStorySurrendered;
    if (endPeaceTreaty) state.storyScene = kStoryPeaceTreaty;
    if (endVictory) state.storyScene = kStoryVictory;
    FreeScreen(kingdomMap);
    FreeScreen(mapEncounters);
  }

  readFile = new FileBuffer;
  LoadHallOfFame(*readFile, state);
  delete readFile;
  readFile = nullptr;
  state.readImage = nullptr;
}
