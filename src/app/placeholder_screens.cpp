// Screens still to be built run a plain stand-in frame that shows the
// screen's name. When a screen is built, its line here goes and its own
// procedure takes the name.

#include <cstring>

#include "app/game_app.h"
#include "platform/input_device.h"

namespace {

// The screens of play reached from the kingdom map: their stand-ins go back
// to the map with Escape (the others to the main menu).
bool ReturnsToMap(const char* screenName) {
  static const char* const kPlayScreens[] = {
      "TownProc",        "VillageProc",      "PalaceProc",      "TempleProc",
      "CastleProc",      "TowerProc",        "PlayerProc",      "HeroesProc",
      "WealthProc",      "QuestLogProc",     "OptionsProc",     "SaveAndQuitProc",
      "ExchangeChoiceProc", "ItemExchangeProc", "ArmyExchangeProc", "SaveGameProc",
  };
  for (const char* name : kPlayScreens)
    if (std::strcmp(name, screenName) == 0) return true;
  return false;
}

}  // namespace

void GameApp::PlaceholderProc(const char* screenName, int mainMenu, int32_t fpsY) {
  const bool entering = leaveCode != 0;
  BeginScreenFrame();
  if (mainMenu && entering) {
    // A button still held from the screen just left (a Back button left with
    // the button down) is not a click here: it stays latched until let go.
    for (int button = kMouseLeft; button <= kMouseRight; ++button)
      if (cursor.mouse.ButtonPressed(button)) cursor.mouse.SetLatch(button, 1);
  }

  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    if (mainMenu) {
      PostQuitMessage(0);
    } else if (ReturnsToMap(screenName)) {
      // The options and the save-and-quit question go back to the screen
      // that opened them; from the map that flag is cleared on the way.
      optionsFromMap = 0;
      saveQuitFromMap = 0;
      LeaveScreen(GoKingdomMap);
    } else {
      LeaveScreen(GoMainMenu);
    }
  }
  if (mainMenu && leaveCode == 0) {
    // A click anywhere opens the credits. The button stays latched until it
    // is let go, so the credits do not take the same press.
    for (int button = kMouseLeft; button <= kMouseRight; ++button) {
      if (leaveCode == 0 && cursor.mouse.ButtonPressed(button)) {
        cursor.mouse.SetLatch(button, 1);
        LeaveScreen(GoCredits);
      }
    }
  }

  UpdateScreenClock();

  int32_t width = font.TextWidth(screenName);
  font.DrawText(screenName, (800 - width) / 2, 284, 0, 0, 0xFFE6E6E6, 0);
  if (mainMenu) {
    const char* hint = "Click: credits    Escape: quit";
    width = font.TextWidth(hint);
    font.DrawText(hint, (800 - width) / 2, 320, 0, 0, 0xFF82E682, 0);
  }
  if (fpsY >= 0) DrawFramesPerSecond(fpsY);

  EndScreenFrame();
}

void GameApp::CastleProc() { PlaceholderProc("CastleProc", 0, -1); }
void GameApp::TowerProc() { PlaceholderProc("TowerProc", 0, -1); }
void GameApp::PalaceProc() { PlaceholderProc("PalaceProc", 0, -1); }
void GameApp::NewGamePortraitProc() { PlaceholderProc("NewGamePortraitProc", 0, -1); }
void GameApp::TempleProc() { PlaceholderProc("TempleProc", 0, -1); }
void GameApp::QuestLogProc() { PlaceholderProc("QuestLogProc", 0, -1); }
void GameApp::VillageProc() { PlaceholderProc("VillageProc", 0, -1); }
void GameApp::TownProc() { PlaceholderProc("TownProc", 0, -1); }
void GameApp::ItemExchangeProc() { PlaceholderProc("ItemExchangeProc", 0, -1); }
void GameApp::ArmyExchangeProc() { PlaceholderProc("ArmyExchangeProc", 0, -1); }
void GameApp::ExchangeChoiceProc() { PlaceholderProc("ExchangeChoiceProc", 0, -1); }
void GameApp::MainMenuProc() { PlaceholderProc("MainMenuProc", 1, 6); }
void GameApp::StoryProc() { PlaceholderProc("StoryProc", 0, 560); }
void GameApp::NameEntryProc() { PlaceholderProc("NameEntryProc", 0, -1); }
void GameApp::HelpProc() { PlaceholderProc("HelpProc", 0, 560); }
void GameApp::SaveGameProc() { PlaceholderProc("SaveGameProc", 0, -1); }
void GameApp::LoadGameProc() { PlaceholderProc("LoadGameProc", 0, -1); }
void GameApp::SaveAndQuitProc() { PlaceholderProc("SaveAndQuitProc", 0, -1); }
void GameApp::OptionsProc() { PlaceholderProc("OptionsProc", 0, -1); }
void GameApp::HallOfFameProc() { PlaceholderProc("HallOfFameProc", 0, 560); }
void GameApp::LoadSlotsProc() { PlaceholderProc("LoadSlotsProc", 0, -1); }
void GameApp::NewGameSlotProc() { PlaceholderProc("NewGameSlotProc", 0, -1); }
void GameApp::HeroesProc() { PlaceholderProc("HeroesProc", 0, -1); }
void GameApp::WealthProc() { PlaceholderProc("WealthProc", 0, -1); }
void GameApp::PlayerProc() { PlaceholderProc("PlayerProc", 0, -1); }
void GameApp::RenameProc() { PlaceholderProc("RenameProc", 0, -1); }
void GameApp::WriteHallOfFameProc() { PlaceholderProc("WriteHallOfFameProc", 0, -1); }
