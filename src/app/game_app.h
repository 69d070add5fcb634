#pragma once
// The application object: the platform objects, the game record, the
// settings, one pointer per kind of screen object, the hand-over flags by
// which the screens pass decisions to one another, the current screen and
// the frame and screen timing.
//
// The game is a state machine of screens. GameApp::screenProc holds the stub
// of the current screen; Frame calls it once per pass of the message loop and
// the stub calls the screen's procedure, a frame method of GameApp. A screen
// is left by storing another stub in screenProc, setting screenEntered to 1
// and leaveCode to a non-zero code in the same frame.

#include <cstdint>

#include "platform/app_frame.h"
#include "platform/mouse_cursor.h"
#include "platform/text_font.h"

class AnimClock;
class ArmyExchangeScreen;
class BattleScreen;
class BitmapFont;
class CastleHouseScreen;
class ControlBar;
class CreditsScreen;
class DataSettings;
class ExchangeChoiceScreen;
class FileBuffer;
class GameState;
class HallOfFameScreen;
class HeroFigure;
class HeroesScreen;
class InfoScreen;
class ItemExchangeScreen;
class KingdomMap;
class MainMenuScreen;
class MapEncounters;
class NameEntry;
class NameEntryScreen;
class NewGameMenu;
class OptionsScreen;
class PalaceHouseScreen;
class PlayerScreen;
class QuestLog;
class SaveAndQuitDialog;
class SaveSlotsPanel;
class StoryScene;
class TempleHouseScreen;
class TowerHouseScreen;
class TownHouseScreen;
class VillageHouseScreen;
class WealthScreen;

class GameApp;

// A screen stub: a static function taking the application object that runs
// the procedure of one kind of screen.
using ScreenProc = void (*)(GameApp*);

// What GameApp::leaveCode means besides 0 (stay).
constexpr uint8_t kLeaveNormal = 1;        // the usual value: the object is released this frame
constexpr uint8_t kLeaveKeepOrFree = 2;    // heroes, player, battle, save-and-quit
constexpr uint8_t kLeaveToOptions = 3;     // the battle leaving for the options
constexpr uint8_t kLeaveNewGame = 5;       // the main menu starts a new game at the frame's end
constexpr uint8_t kLeaveFreshRecord = 13;  // the main menu rebuilds the game record on entry

// Colour of the frames-per-second display.
constexpr uint32_t kFramesPerSecondColour = 0xFFF582F5;

constexpr int kAnimClockCount = 7;

class GameApp : public AppFrame {
 public:
  GameApp();
  ~GameApp() override;

  uint32_t Init() override;
  uint32_t Shutdown() override;
  uint32_t Frame() override;

  void BeginFrameTiming();
  void EndFrameTiming();
  void CountFrame();

  // Pieces of the frame of every screen procedure, in frame order:
  // BeginScreenFrame is the entry reset (when leaveCode is non-zero), the frame
  // timing and count, the cursor poll, BeginScene and Clear; UpdateScreenClock
  // is the screen clock; EndScreenFrame draws the cursor, ends the scene,
  // presents and ends the frame timing.
  void BeginScreenFrame();
  void UpdateScreenClock();
  void EndScreenFrame();

  // Leaves the current screen for the one whose stub is next: the three
  // writes of every leave (the stub, the entered flag, the leave code).
  void LeaveScreen(ScreenProc next, uint8_t code = kLeaveNormal);

  // The frames-per-second display at height y, when the first number of the
  // settings file is non-zero.
  void DrawFramesPerSecond(int32_t y);

  // The screen stubs.
  static void GoCastle(GameApp* app);
  static void GoTower(GameApp* app);
  static void GoPalace(GameApp* app);
  static void GoNewGamePortrait(GameApp* app);
  static void GoTemple(GameApp* app);
  static void GoQuestLog(GameApp* app);
  static void GoVillage(GameApp* app);
  static void GoTown(GameApp* app);
  static void GoItemExchange(GameApp* app);
  static void GoArmyExchange(GameApp* app);
  static void GoExchangeChoice(GameApp* app);
  static void GoBattle(GameApp* app);
  static void GoKingdomMap(GameApp* app);
  static void GoMainMenu(GameApp* app);
  static void GoStory(GameApp* app);
  static void GoNameEntry(GameApp* app);
  static void GoHelp(GameApp* app);
  static void GoCredits(GameApp* app);
  static void GoSaveGame(GameApp* app);
  static void GoLoadGame(GameApp* app);
  static void GoSaveAndQuit(GameApp* app);
  static void GoOptions(GameApp* app);
  static void GoHallOfFame(GameApp* app);
  static void GoLoadSlots(GameApp* app);
  static void GoNewGameSlot(GameApp* app);
  static void GoHeroes(GameApp* app);
  static void GoWealth(GameApp* app);
  static void GoPlayer(GameApp* app);
  static void GoRename(GameApp* app);
  static void GoWriteHallOfFame(GameApp* app);

  // The screen procedures, each written beside its screen.
  void CastleProc();
  void TowerProc();
  void PalaceProc();
  void NewGamePortraitProc();
  void TempleProc();
  void QuestLogProc();
  void VillageProc();
  void TownProc();
  void ItemExchangeProc();
  void ArmyExchangeProc();
  void ExchangeChoiceProc();
  void BattleProc();
  void MapProc();
  void MainMenuProc();
  void StoryProc();
  void NameEntryProc();
  void HelpProc();
  void CreditsProc();
  void SaveGameProc();
  void LoadGameProc();
  void SaveAndQuitProc();
  void OptionsProc();
  void HallOfFameProc();
  void LoadSlotsProc();
  void NewGameSlotProc();
  void HeroesProc();
  void WealthProc();
  void PlayerProc();
  void RenameProc();
  void WriteHallOfFameProc();

  // The frame of a screen that is not built yet: it shows the screen's name.
  // Escape goes back to the kingdom map from the screens of play reached from
  // it (the options opened from a battle go back to it), else to the main
  // menu. fpsY is the height of the frames-per-second display, or -1 for none.
  void PlaceholderProc(const char* screenName, int32_t fpsY);

  uint32_t framesCounted;
  TextFont font;
  HeroFigure* heroFigure;
  ControlBar* controlBar;
  CastleHouseScreen* castleScreen;
  CreditsScreen* creditsScreen;
  FileBuffer* writeFile;
  FileBuffer* readFile;
  FileBuffer* probeFile;
  BattleScreen* battleScreen;
  HallOfFameScreen* hallOfFameScreen;
  HeroesScreen* heroesScreen;
  GameState* gameState;
  InfoScreen* infoScreen;
  SaveSlotsPanel* saveSlotsPanel;
  KingdomMap* kingdomMap;
  MainMenuScreen* mainMenuScreen;
  MouseCursor cursor;
  AnimClock* animClock[kAnimClockCount];
  StoryScene* storyScene;
  NameEntryScreen* nameEntryScreen;
  NameEntry* nameEditor;
  BitmapFont* bitmapFont;
  MapEncounters* mapEncounters;
  OptionsScreen* optionsScreen;
  PalaceHouseScreen* palaceScreen;
  NewGameMenu* newGameMenu;
  QuestLog* questLog;
  SaveAndQuitDialog* saveAndQuitDialog;
  DataSettings* settings;
  TempleHouseScreen* templeScreen;
  TowerHouseScreen* towerScreen;
  TownHouseScreen* townScreen;
  ItemExchangeScreen* itemExchangeScreen;
  ArmyExchangeScreen* armyExchangeScreen;
  ExchangeChoiceScreen* exchangeChoiceScreen;
  VillageHouseScreen* villageScreen;
  WealthScreen* wealthScreen;
  PlayerScreen* playerScreen;
  ScreenProc screenProc;
  uint8_t clickHandled;
  uint8_t endSurrendered;
  uint8_t endPeaceTreaty;
  uint8_t endVictory;
  uint8_t quitAfterSave;
  uint8_t saveFailed;  // the last save could not be written; the save-and-quit question says so
  uint8_t saveQuitFromBattle;
  uint8_t saveQuitFromMap;
  uint8_t optionsFromBattle;
  uint8_t optionsFromMap;
  uint8_t mapEnemyIndex;
  uint8_t mapQuestIndex;
  uint8_t renameReturned;
  uint8_t battleRelocated;
  uint8_t dayRecoveryPending;
  uint8_t musicChanged;
  uint8_t leaveCode;
  uint32_t framesPerSecond;
  uint8_t selectedHero;
  uint8_t shownHero;
  uint8_t mapJustEntered;
  uint8_t mapShowMessages;
  uint8_t battleReturned;
  uint8_t battleFoughtByPlayer;
  uint8_t battleFoughtByHero;
  uint8_t renameArmy;
  uint8_t renameHero;
  uint8_t renameArmySlot;
  uint8_t renameOwner;
  uint8_t renameReturn;
  uint8_t renameDone;
  uint32_t frameStartMs;
  uint32_t msCounted;
  uint32_t lastFrameMs;
  uint8_t timingValid;
  uint8_t screenEntered;
  uint32_t secondsOnScreen;
  uint32_t screenStartMs;
};
