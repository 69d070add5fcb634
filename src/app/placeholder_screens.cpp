// Screens still to be built run a plain stand-in frame that shows the
// screen's name. When a screen is built, its line here goes and its own
// procedure takes the name.

#include <cstring>

#include "app/game_app.h"
#include "places/place_table.h"
#include "platform/input_device.h"

namespace {

// The screens of play reached from the kingdom map: their stand-ins go back
// to the map with Escape (the others to the main menu).
bool ReturnsToMap(const char* screenName) {
  static const char* const kPlayScreens[] = {
      "PlayerProc",         "HeroesProc",       "WealthProc",       "QuestLogProc",
      "ExchangeChoiceProc", "ItemExchangeProc", "ArmyExchangeProc",
  };
  for (const char* name : kPlayScreens)
    if (std::strcmp(name, screenName) == 0) return true;
  return false;
}

// The place the name editor was called from (GameApp::renameReturn), or
// nullptr when it was not called from a place.
ScreenProc PlaceOfRename(uint8_t renameReturn) {
  switch (renameReturn) {
    case kRenameToVillage: return GameApp::GoVillage;
    case kRenameToTown: return GameApp::GoTown;
    case kRenameToTemple: return GameApp::GoTemple;
    case kRenameToPalace: return GameApp::GoPalace;
    case kRenameToCastle: return GameApp::GoCastle;
    case kRenameToTower: return GameApp::GoTower;
    default: return nullptr;
  }
}

}  // namespace

void GameApp::PlaceholderProc(const char* screenName, int32_t fpsY) {
  BeginScreenFrame();

  keyboard.Acquire(1);
  keyboard.Poll();
  if (keyboard.KeyPressed(kKeyEscape)) {
    keyboard.SetLatch(kKeyEscape, 1);
    if (std::strcmp(screenName, "RenameProc") == 0 && PlaceOfRename(renameReturn)) {
      // The name editor's stand-in goes back to the place that called it,
      // the name unchanged; the place is entered anew.
      LeaveScreen(PlaceOfRename(renameReturn));
      renameReturned = 1;
      renameReturn = 0;
      renameArmy = 0;
      renameHero = 0;
    } else if (ReturnsToMap(screenName)) {
      optionsFromMap = 0;
      LeaveScreen(GoKingdomMap);
    } else {
      LeaveScreen(GoMainMenu);
    }
  }

  UpdateScreenClock();

  int32_t width = font.TextWidth(screenName);
  font.DrawText(screenName, (800 - width) / 2, 284, 0, 0, 0xFFE6E6E6, 0);
  if (fpsY >= 0) DrawFramesPerSecond(fpsY);

  EndScreenFrame();
}

void GameApp::QuestLogProc() { PlaceholderProc("QuestLogProc", -1); }
void GameApp::ItemExchangeProc() { PlaceholderProc("ItemExchangeProc", -1); }
void GameApp::ArmyExchangeProc() { PlaceholderProc("ArmyExchangeProc", -1); }
void GameApp::ExchangeChoiceProc() { PlaceholderProc("ExchangeChoiceProc", -1); }
void GameApp::HeroesProc() { PlaceholderProc("HeroesProc", -1); }
void GameApp::WealthProc() { PlaceholderProc("WealthProc", -1); }
void GameApp::PlayerProc() { PlaceholderProc("PlayerProc", -1); }
void GameApp::RenameProc() { PlaceholderProc("RenameProc", -1); }
