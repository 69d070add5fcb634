// The step that ends a campaign: one frame, nothing drawn. The final fame
// goes into the hall of fame, the hall is written, and the ending's story
// follows.

#include "app/game_app.h"
#include "game/game_state.h"
#include "game/save_image.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/save_files.h"
#include "menus/story_scene.h"
#include "platform/file_buffer.h"

void GameApp::WriteHallOfFameProc() {
  FreeScreen(mapEncounters);
  FreeScreen(kingdomMap);
  if (!gameState) {
    gameState = new GameState;
    RunNewGameSequence(*gameState);
  }

  // The rows on disk come first, so that the hall keeps the earlier games
  // even when this record never read them; a missing file leaves the rows
  // the record holds. A file that cannot be read is moved aside (so its rows
  // are not lost); when even that fails, no new hall is written over it.
  if (!writeFile) writeFile = new FileBuffer;
  const int mayWrite = ReadHallOfFameBeforeWrite(*writeFile, *gameState);

  gameState->fame = FinalFame(gameState->fame, endSurrendered, endVictory);
  gameState->hallScore = HallScoreOf(gameState->fame);
  gameState->EnterHallOfFame();

  // Written to a temporary file renamed into place: a failed write leaves
  // the old hall whole. A failure is not reported.
  writeFile->Allocate(kHallOfFameBytes);
  gameState->writeImage = writeFile->bytes;
  if (mayWrite && writeFile->bytes && writeFile->size == kHallOfFameBytes) {
    WriteHallOfFameImage(*gameState, writeFile->bytes);
    writeFile->Save(kHallOfFamePath);
  }
  writeFile->Free();
  delete writeFile;
  writeFile = nullptr;
  gameState->writeImage = nullptr;

  LeaveScreen(GoStory);
  const uint8_t scene = EndingStoryScene(endSurrendered, endPeaceTreaty, endVictory);
  if (scene != 0) gameState->storyScene = scene;
}
