#include "app/screen_names.h"

#include <cstring>

const ScreenName kScreenNames[kScreenCount] = {
    {&GameApp::GoCastle, "GoCastle", "CastleProc"},
    {&GameApp::GoTower, "GoTower", "TowerProc"},
    {&GameApp::GoPalace, "GoPalace", "PalaceProc"},
    {&GameApp::GoNewGamePortrait, "GoNewGamePortrait", "NewGamePortraitProc"},
    {&GameApp::GoTemple, "GoTemple", "TempleProc"},
    {&GameApp::GoQuestLog, "GoQuestLog", "QuestLogProc"},
    {&GameApp::GoVillage, "GoVillage", "VillageProc"},
    {&GameApp::GoTown, "GoTown", "TownProc"},
    {&GameApp::GoItemExchange, "GoItemExchange", "ItemExchangeProc"},
    {&GameApp::GoArmyExchange, "GoArmyExchange", "ArmyExchangeProc"},
    {&GameApp::GoExchangeChoice, "GoExchangeChoice", "ExchangeChoiceProc"},
    {&GameApp::GoBattle, "GoBattle", "BattleProc"},
    {&GameApp::GoKingdomMap, "GoKingdomMap", "MapProc"},
    {&GameApp::GoMainMenu, "GoMainMenu", "MainMenuProc"},
    {&GameApp::GoStory, "GoStory", "StoryProc"},
    {&GameApp::GoNameEntry, "GoNameEntry", "NameEntryProc"},
    {&GameApp::GoHelp, "GoHelp", "HelpProc"},
    {&GameApp::GoCredits, "GoCredits", "CreditsProc"},
    {&GameApp::GoSaveGame, "GoSaveGame", "SaveGameProc"},
    {&GameApp::GoLoadGame, "GoLoadGame", "LoadGameProc"},
    {&GameApp::GoSaveAndQuit, "GoSaveAndQuit", "SaveAndQuitProc"},
    {&GameApp::GoOptions, "GoOptions", "OptionsProc"},
    {&GameApp::GoHallOfFame, "GoHallOfFame", "HallOfFameProc"},
    {&GameApp::GoLoadSlots, "GoLoadSlots", "LoadSlotsProc"},
    {&GameApp::GoNewGameSlot, "GoNewGameSlot", "NewGameSlotProc"},
    {&GameApp::GoHeroes, "GoHeroes", "HeroesProc"},
    {&GameApp::GoWealth, "GoWealth", "WealthProc"},
    {&GameApp::GoPlayer, "GoPlayer", "PlayerProc"},
    {&GameApp::GoRename, "GoRename", "RenameProc"},
    {&GameApp::GoWriteHallOfFame, "GoWriteHallOfFame", "WriteHallOfFameProc"},
};

const char* ProcNameOf(ScreenProc stub) {
  if (!stub) return "";
  for (const ScreenName& s : kScreenNames)
    if (s.stub == stub) return s.procName;
  return "";
}

ScreenProc StubNamed(const char* stubName) {
  if (!stubName) return nullptr;
  for (const ScreenName& s : kScreenNames)
    if (std::strcmp(s.stubName, stubName) == 0) return s.stub;
  return nullptr;
}
