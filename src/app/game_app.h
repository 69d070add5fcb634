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

#include "app/free_screen.h"
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
struct MemberArmies;
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

// What GameApp::closeAsked means: the window's close, while a game is under
// way, asks the save-and-quit question before anything is thrown away.
constexpr uint8_t kCloseNone = 0;
constexpr uint8_t kCloseAsked = 1;    // the question is on its way: a repeat is the same close
constexpr uint8_t kCloseWaiting = 2;  // the question has shown: a further close quits
constexpr uint8_t kCloseSaving = 3;   // Yes was given: a repeat is the same close, saved first
// A further close came with the question up: the question's next frame
// takes the answer pressed before it (Yes saves, after No the close asks
// again); with none, the close quits.
constexpr uint8_t kCloseInsisted = 4;

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
  // The window's close: on the menus it quits at once; while a game is under
  // way it is remembered in closeAsked, and the screens go to the
  // save-and-quit question (Yes then saves and quits the program, No goes
  // back to the game). A further close while the question is up quits
  // without saving; once Yes is given, it waits for the save.
  intptr_t WindowProc(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;

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
  // Takes back a leave asked for earlier in this frame: the screen whose
  // stub is current stays, its clock running on, and no entry reset follows.
  void CancelLeave(ScreenProc current);

  // Backspace or Escape pressed (both latched), or the window's close
  // waiting: each screen of play then leaves the way its Back does, toward
  // the map or the battle, which open the save-and-quit question.
  uint32_t TakeBack();

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

  // Hands the selected army of a member screen to the name editor (its name
  // into the rename buffer when a box is selected) and leaves for it.
  // The control bar and the figure the member screens share with the map.
  void MakeMemberObjects();
  // The control bar's hide/show toggle once released over it.
  void ToggleMemberSlots(PlayerScreen& screen);
  void HandArmyToRename(const MemberArmies& armies, uint8_t owner, uint8_t returnTo);

  uint32_t framesCounted{0};
  TextFont font;
  HeroFigure* heroFigure{nullptr};
  ControlBar* controlBar{nullptr};
  CastleHouseScreen* castleScreen{nullptr};
  CreditsScreen* creditsScreen{nullptr};
  FileBuffer* writeFile{nullptr};
  FileBuffer* readFile{nullptr};
  FileBuffer* probeFile{nullptr};
  BattleScreen* battleScreen{nullptr};
  HallOfFameScreen* hallOfFameScreen{nullptr};
  HeroesScreen* heroesScreen{nullptr};
  GameState* gameState{nullptr};
  InfoScreen* infoScreen{nullptr};
  SaveSlotsPanel* saveSlotsPanel{nullptr};
  KingdomMap* kingdomMap{nullptr};
  MainMenuScreen* mainMenuScreen{nullptr};
  MouseCursor cursor;
  AnimClock* animClock[kAnimClockCount]{};
  StoryScene* storyScene{nullptr};
  NameEntryScreen* nameEntryScreen{nullptr};
  NameEntry* nameEditor{nullptr};
  BitmapFont* bitmapFont{nullptr};
  MapEncounters* mapEncounters{nullptr};
  OptionsScreen* optionsScreen{nullptr};
  PalaceHouseScreen* palaceScreen{nullptr};
  NewGameMenu* newGameMenu{nullptr};
  QuestLog* questLog{nullptr};
  SaveAndQuitDialog* saveAndQuitDialog{nullptr};
  DataSettings* settings{nullptr};
  TempleHouseScreen* templeScreen{nullptr};
  TowerHouseScreen* towerScreen{nullptr};
  TownHouseScreen* townScreen{nullptr};
  ItemExchangeScreen* itemExchangeScreen{nullptr};
  ArmyExchangeScreen* armyExchangeScreen{nullptr};
  ExchangeChoiceScreen* exchangeChoiceScreen{nullptr};
  VillageHouseScreen* villageScreen{nullptr};
  WealthScreen* wealthScreen{nullptr};
  PlayerScreen* playerScreen{nullptr};
  ScreenProc screenProc{nullptr};
  uint8_t clickHandled{0};
  uint8_t endSurrendered{0};
  uint8_t endPeaceTreaty{0};
  uint8_t endVictory{0};
  uint8_t quitAfterSave{0};
  uint8_t saveFailed{0};  // the last save could not be written; the save-and-quit question says so
  uint8_t saveQuitFromBattle{0};
  uint8_t saveQuitFromMap{0};
  uint8_t closeAsked{kCloseNone};
  uint8_t optionsFromBattle{0};
  uint8_t optionsFromMap{0};
  uint8_t mapEnemyIndex{0};
  uint8_t mapQuestIndex{0};
  uint8_t renameReturned{0};
  uint8_t battleRelocated{0};
  uint8_t dayRecoveryPending{0};
  uint8_t musicChanged{0};
  uint8_t leaveCode{0};
  uint32_t framesPerSecond{0};
  uint8_t selectedHero{0};
  uint8_t shownHero{200};
  uint8_t mapJustEntered{0};
  uint8_t mapShowMessages{1};
  uint8_t battleReturned{0};
  uint8_t battleFoughtByPlayer{0};
  uint8_t battleFoughtByHero{0};
  uint8_t renameArmy{0};
  uint8_t renameHero{0};
  uint8_t renameArmySlot{0};
  uint8_t renameOwner{0};
  uint8_t renameReturn{0};
  uint8_t renameDone{0};
  uint32_t frameStartMs{0};
  uint32_t msCounted{0};
  uint32_t lastFrameMs{0};
  uint8_t timingValid{0};
  uint8_t screenEntered{1};
  uint32_t secondsOnScreen{0};
  uint32_t screenStartMs{0};

  // Every member once (game/field_list.h): the hand-over flags and the
  // frame timing are the dump's "app"; the screen objects, the record and the
  // settings are dumped under "objects" and "state" by their own lists, the
  // platform objects not at all.
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(static_cast<const AppFrame&>(*this));
    v.Handle(font);
    v.Handle(heroFigure);
    v.Handle(controlBar);
    v.Handle(castleScreen);
    v.Handle(creditsScreen);
    v.Handle(writeFile);
    v.Handle(readFile);
    v.Handle(probeFile);
    v.Handle(battleScreen);
    v.Handle(hallOfFameScreen);
    v.Handle(heroesScreen);
    v.Handle(gameState);
    v.Handle(infoScreen);
    v.Handle(saveSlotsPanel);
    v.Handle(kingdomMap);
    v.Handle(mainMenuScreen);
    v.Handle(cursor);
    v.Handle(animClock);
    v.Handle(storyScene);
    v.Handle(nameEntryScreen);
    v.Handle(nameEditor);
    v.Handle(bitmapFont);
    v.Handle(mapEncounters);
    v.Handle(optionsScreen);
    v.Handle(palaceScreen);
    v.Handle(newGameMenu);
    v.Handle(questLog);
    v.Handle(saveAndQuitDialog);
    v.Handle(settings);
    v.Handle(templeScreen);
    v.Handle(towerScreen);
    v.Handle(townScreen);
    v.Handle(itemExchangeScreen);
    v.Handle(armyExchangeScreen);
    v.Handle(exchangeChoiceScreen);
    v.Handle(villageScreen);
    v.Handle(wealthScreen);
    v.Handle(playerScreen);
    v.Handle(screenProc);
    v("framesCounted", framesCounted);
    v("clickHandled", clickHandled);
    v("endSurrendered", endSurrendered);
    v("endPeaceTreaty", endPeaceTreaty);
    v("endVictory", endVictory);
    v("quitAfterSave", quitAfterSave);
    v("saveFailed", saveFailed);
    v("saveQuitFromBattle", saveQuitFromBattle);
    v("saveQuitFromMap", saveQuitFromMap);
    v("closeAsked", closeAsked);
    v("optionsFromBattle", optionsFromBattle);
    v("optionsFromMap", optionsFromMap);
    v("mapEnemyIndex", mapEnemyIndex);
    v("mapQuestIndex", mapQuestIndex);
    v("renameReturned", renameReturned);
    v("battleRelocated", battleRelocated);
    v("dayRecoveryPending", dayRecoveryPending);
    v("musicChanged", musicChanged);
    v("leaveCode", leaveCode);
    v("framesPerSecond", framesPerSecond);
    v("selectedHero", selectedHero);
    v("shownHero", shownHero);
    v("mapJustEntered", mapJustEntered);
    v("mapShowMessages", mapShowMessages);
    v("battleReturned", battleReturned);
    v("battleFoughtByPlayer", battleFoughtByPlayer);
    v("battleFoughtByHero", battleFoughtByHero);
    v("renameArmy", renameArmy);
    v("renameHero", renameHero);
    v("renameArmySlot", renameArmySlot);
    v("renameOwner", renameOwner);
    v("renameReturn", renameReturn);
    v("renameDone", renameDone);
    v("frameStartMs", frameStartMs);
    v("msCounted", msCounted);
    v("lastFrameMs", lastFrameMs);
    v("timingValid", timingValid);
    v("screenEntered", screenEntered);
    v("secondsOnScreen", secondsOnScreen);
    v("screenStartMs", screenStartMs);
  }

 private:
  // One frame of a visit to the place whose object the field holds
  // (places/house_proc.cpp); the six place procedures call it.
  template <class Screen>
  void VisitPlace(Screen*& screen);

  // The steps of the kingdom map's frame (map_proc.cpp), in frame order:
  // the bar, the entry reset and the frame's start; the figure, the view
  // and the clocks; the population built on entry; the sounds, find
  // pictures and bag loads; the clocks' steps; the walks; the hand-over to a
  // battle or the exchange; the texts that close; the places entered; the
  // animations; a refused exchange; the drawing and cursor; the leave.
  void MapBeginFrame();
  void MapLoadView();
  void MapBuildPopulation();
  void MapPendingLoads(MapEncounters& e);
  uint8_t MapAdvanceClocks();
  bool MapMove(MapEncounters& e, KingdomMap& view, uint8_t walkStep);
  void MapHandOver(MapEncounters& e);
  void MapCloseTexts(MapEncounters& e, KingdomMap& view, bool clickTaken);
  void MapEnterPlaces(MapEncounters& e);
  void MapAnimate(MapEncounters& e, KingdomMap& view, ControlBar& bar);
  void MapRefuseExchange(MapEncounters& e);
  void MapDraw(MapEncounters& e, KingdomMap& view, ControlBar& bar);
  void MapLeave(MapEncounters& e);
  // The question's Yes over a message of the armies' turn: the message is
  // taken as read, the turn ends, the night runs and the map is written back
  // again, so that the game is saved with its day whole.
  void MapEndTurnForSave();
};
