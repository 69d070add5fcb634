// The player screen's frame: his figure, items, values and armies, opened
// from the kingdom map's control bar. The screen is built from the game
// record each time it opens and written back each time it is left.

#include "app/free_screen.h"
#include "app/game_app.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "party/member_armies.h"
#include "party/player_screen.h"
#include "platform/input_device.h"

namespace {

constexpr uint8_t kOwnerPlayer = 1;
constexpr uint8_t kRenameToPlayer = 2;

}  // namespace

void GameApp::PlayerProc() {
  BeginScreenFrame();
  GameState& s = *gameState;

  MakeMemberObjects();
  if (!playerScreen) {
    playerScreen = new PlayerScreen;
    playerScreen->LoadPictures(&graphics);
    playerScreen->LoadMember(s);
    renameReturned = 0;
  }
  PlayerScreen& screen = *playerScreen;
  MemberItems& items = screen.items;
  const int32_t mx = cursor.x, my = cursor.y;
  InputDevice& mouse = cursor.mouse;

  // Backspace and Escape leave, never while an item is in the air.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (!items.draggedItem && TakeBack()) LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);

  screen.HoverButtons(mx, my);
  controlBar->HoverHideShowButton(mx, my);
  screen.HoverTabs(mx, my);

  // Buttons act only while nothing is dragged; a press held over a dragged
  // item stays pending until it is dropped.
  const bool down = EitherButtonPressed(mouse);
  if (down && !items.dragging && !items.draggedItem && !screen.pressedId) {
    if (!screen.ClickButtons(mx, my, &mouse) && controlBar->ClickHideShowButton(mx, my, &mouse))
      controlBar->buttonHeld = 1;
  }
  ToggleMemberSlots(screen);
  if (screen.pressedId && !items.draggedItem) {
    const uint8_t acted = screen.ActOnPressed(mouse);
    if (acted == kPlayerBack) {
      LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);
    } else if (acted == kPlayerRenameArmy) {
      HandArmyToRename(screen.armies, kOwnerPlayer, kRenameToPlayer);
    }
  }

  // While a question is open the armies and items take no press; an item
  // already in the air still drops. Nothing is lifted in the frame the
  // screen is left, so that what is written back is what lies there.
  const bool questionOpen = screen.disbandQuestion || screen.throwQuestion;
  const bool mayPress = !questionOpen && leaveCode == 0;
  screen.StepItems(mouse, mx, my, down && (items.dragging || mayPress));
  // Leaving with a press still running: whatever it holds goes home first,
  // so that the totals written back count it.
  if (leaveCode != 0 && (items.draggedItem || items.dragging)) items.ReturnToOrigin();

  // Totals of what is worn; the current health never above its total.
  if (items.statsDirty) {
    items.statsDirty = 0;
    items.Totals(s.playerBaseHealth(), s.playerBaseAttack(), s.playerBaseShield(),
                 &s.playerMaxHealth(), &s.playerAttack(), &s.playerShield());
    if (s.playerHealth() > s.playerMaxHealth()) s.playerHealth() = s.playerMaxHealth();
  }

  screen.Draw(heroFigure, s);
  controlBar->DrawHideShowButton();
  screen.ClearHover();
  controlBar->ClearHover();

  UpdateScreenClock();

  // Leaving writes the player's items and armies back.
  if (leaveCode != 0) {
    screen.StoreMember(s);
    FreeScreen(playerScreen);
  }

  EndScreenFrame();
}

void GameApp::MakeMemberObjects() {
  if (!controlBar) {
    controlBar = new ControlBar;
    controlBar->LoadArt(&graphics);
  }
  if (!heroFigure) {
    heroFigure = new HeroFigure;
    heroFigure->LoadBodyParts(&graphics);
  }
}

void GameApp::ToggleMemberSlots(PlayerScreen& screen) {
  if (controlBar->pressedId != kBarPartyToggle) return;
  if (controlBar->hoverId == kBarPartyToggle && !WaitForMouseRelease(&cursor.mouse)) return;
  // Slid off, the toggle keeps its press: back over it, it toggles no more.
  KeepPressTaken(&cursor.mouse);
  controlBar->hideShowState = screen.ToggleEmptySlots();
  controlBar->buttonHeld = 0;
  controlBar->pressedId = 0;
}

void GameApp::HandArmyToRename(const MemberArmies& armies, uint8_t owner, uint8_t returnTo) {
  renameReturn = returnTo;
  renameArmy = 1;
  renameHero = 0;
  renameOwner = owner;
  renameArmySlot = armies.selectedArmy;
  const int slot = armies.SlotInBox(armies.selectedArmy);
  if (slot >= 0)
    for (int i = 0; i < kGlyphNameLength; ++i)
      gameState->renameBuffer[i] = armies.armyNames[slot][i];
  // The player screen is written back and freed before the editor runs;
  // the heroes screen is kept.
  LeaveScreen(GoRename, returnTo == kRenameToPlayer ? kLeaveKeepOrFree : kLeaveNormal);
}
