// The exchange choice's frame: two members who met on the map choose what
// they exchange. Both exchanges come back here; only this screen goes back
// to the map.

#include "app/game_app.h"
#include "game/game_state.h"
#include "party/exchange_choice_screen.h"
#include "platform/input_device.h"

namespace {

// A side's name: the player's, or hero k's for member k + 2 (which also
// makes k the selected hero).
void CopyMemberName(const GameState& s, uint8_t member, uint8_t* name, uint8_t* selectedHero) {
  if (member == kMemberPlayer) {
    for (int j = 0; j < kGlyphNameLength; ++j) name[j] = s.playerName[j];
  } else if (member >= kFirstHeroMember && member <= kLastHeroMember) {
    *selectedHero = static_cast<uint8_t>(member - kFirstHeroMember);
    s.GetHeroName(*selectedHero, name);
  }
}

}  // namespace

void GameApp::ExchangeChoiceProc() {
  BeginScreenFrame();

  // The object on the first frame after the map; it outlives the exchanges.
  if (!exchangeChoiceScreen) {
    // Nobody trades with himself.
    if (!ExchangeMembersDiffer(gameState->exchangeLeft, gameState->exchangeRight)) {
      LeaveScreen(GoKingdomMap);
      UpdateScreenClock();
      EndScreenFrame();
      return;
    }
    exchangeChoiceScreen = new ExchangeChoiceScreen;
    ExchangeChoiceScreen* s = exchangeChoiceScreen;
    s->LoadPictures(&graphics);
    s->rightMember = gameState->exchangeRight;
    s->leftMember = gameState->exchangeLeft;
    s->playerPortrait = gameState->playerPortrait;
    s->LoadPortraits(&graphics);
    CopyMemberName(*gameState, s->leftMember, s->leftName, &selectedHero);
    CopyMemberName(*gameState, s->rightMember, s->rightName, &selectedHero);
    s->UpdateLengths();
  }
  ExchangeChoiceScreen* screen = exchangeChoiceScreen;

  // Backspace and Escape go back to the map, also before the mouse was let go.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (TakeBack()) LeaveScreen(GoKingdomMap);

  if (screen->ready) screen->HoverButtons(cursor.x, cursor.y);
  if ((cursor.mouse.ButtonPressed(kMouseLeft) || cursor.mouse.ButtonPressed(kMouseRight)) &&
      screen->ready) {
    if (screen->ClickButtons(cursor.x, cursor.y, &cursor.mouse)) screen->buttonPressed = 1;
  }

  // A click acts on release over its button, or at once once the cursor left it.
  if (screen->clickedButton != kChoiceNone && screen->ready) {
    if (screen->hoveredButton != screen->clickedButton || WaitForMouseRelease(&cursor.mouse)) {
      switch (screen->clickedButton) {
        case kChoiceBackId: LeaveScreen(GoKingdomMap); break;
        case kChoiceItemsId:
          screenProc = GoItemExchange;
          screenEntered = 1;
          break;
        case kChoiceArmiesId:
          screenProc = GoArmyExchange;
          screenEntered = 1;
          break;
        default: break;
      }
      screen->buttonPressed = 0;
      screen->clickedButton = kChoiceNone;
    }
  }

  // A button held down when the screen opened clicks nothing until let go.
  if (!screen->ready && WaitForMouseRelease(&cursor.mouse)) screen->ready = 1;

  screen->Draw();
  screen->DrawNames(210, 50);
  screen->ClearHover();

  UpdateScreenClock();

  if (leaveCode != 0) FreeScreen(exchangeChoiceScreen);

  EndScreenFrame();
}
