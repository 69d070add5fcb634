// The item exchange's frame: two members who met on the map drag items
// between their bags and figures; leaving writes both members back and
// returns to the exchange choice.

#include "app/game_app.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "party/exchange_choice_screen.h"
#include "party/exchange_common.h"
#include "party/item_exchange_copy.h"
#include "party/item_exchange_screen.h"
#include "platform/input_device.h"

namespace {

void DrawTotals(ItemExchangeScreen& screen, const GameState& s, uint8_t member, int32_t healthX,
                int32_t attackX, int32_t shieldX) {
  const int32_t* stats = nullptr;
  int32_t hero[kStatWords];
  if (member == kMemberPlayer) {
    stats = s.playerStats;
  } else if (member >= kFirstHeroMember && member <= kLastHeroMember) {
    for (int w = 0; w < kStatWords; ++w) hero[w] = s.heroStats[w][member - kFirstHeroMember];
    stats = hero;
  }
  if (!stats) return;
  screen.DrawHealth(healthX, 135, stats[kStatHealth], stats[kStatMaxHealth]);
  screen.DrawAttack(attackX, 273, stats[kStatAttack]);
  screen.DrawShield(shieldX, 380, stats[kStatShield]);
}

// The first frame: the screen, both members' items and their pictures.
void OpenItemExchange(GameApp& app) {
  app.MakeMemberObjects();
  app.itemExchangeScreen = new ItemExchangeScreen;
  ItemExchangeScreen& s = *app.itemExchangeScreen;
  exchange_common::OpenExchange(s, &app.graphics, app.heroFigure, *app.gameState);
  CopyItemsIn(*app.gameState, s, kItemSideLeft, s.leftMember, &app.selectedHero);
  CopyItemsIn(*app.gameState, s, kItemSideRight, s.rightMember, &app.selectedHero);
  s.SettleOwners();
  s.LayoutLeftItems();
  s.LayoutRightItems();
  s.MergeHeldFlags();
  s.LoadLeftWornItemPictures();
  s.LoadRightWornItemPictures();
  s.UpdateLengths();
  s.LoadItemPictures();
}

}  // namespace

void GameApp::ItemExchangeProc() {
  BeginScreenFrame();

  const GameState& record = *gameState;
  if (!itemExchangeScreen && ExchangeMembersDiffer(record.exchangeLeft, record.exchangeRight))
    OpenItemExchange(*this);
  if (!itemExchangeScreen) {
    // Nobody trades with himself: straight back to the choice.
    LeaveScreen(GoExchangeChoice);
    UpdateScreenClock();
    EndScreenFrame();
    return;
  }
  ItemExchangeScreen* screen = itemExchangeScreen;
  InputDevice* mouse = &cursor.mouse;
  const int32_t x = cursor.x, y = cursor.y;

  // Backspace and Escape go back, but never with an item on the cursor.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (screen->heldItem == 0 && TakeBack()) LeaveScreen(GoExchangeChoice);

  screen->HoverBack(x, y);
  if (screen->ClickBack(x, y, mouse)) screen->backPressed = 1;
  // The map's hide/show toggle is not shown here; its press is only held.
  if (controlBar && controlBar->ClickHideShowButton(x, y, mouse)) controlBar->buttonHeld = 1;

  // Back leaves once released, and only with no item on the cursor.
  if (screen->backArmed && screen->heldItem == 0) {
    if (!screen->backHovered || WaitForMouseRelease(mouse)) {
      LeaveScreen(GoExchangeChoice);
      screen->backPressed = 0;
      screen->backArmed = 0;
    }
  }

  const bool down = EitherButtonPressed(*mouse);
  // An item is lifted only while the screen stays: once the leave is decided
  // this frame, the items are written back as they lie.
  if (!screen->dragging && down && leaveCode == 0) {
    screen->PickUp(x, y, mouse);
    if (screen->heldItem == 0) {
      screen->dragging = 0;
    } else {
      screen->itemX[screen->heldItem - 1] = screen->lastMouseX - 32;
      screen->itemY[screen->heldItem - 1] = screen->lastMouseY - 32;
    }
  }
  // Only the player's own release puts the item down: a press cut by the
  // focus leaving the window is no drop, and the item goes home below.
  if (screen->dragging) {
    if (!down && !mouse->PressCut() && screen->Drop(x, y)) {
      mouse->SetLatch(kMouseLeft, 1);
      mouse->SetLatch(kMouseRight, 1);
    }
    screen->totalsDirty = 1;
  }
  // Let go over no place, or cut: the item goes back where it came from.
  if (!down && screen->dragging) screen->ReturnHeldItem();
  if (!down && !screen->heldItem) screen->dragging = 0;

  screen->DragFollow(x, y);
  screen->LoadLeftWornItemPictures();
  screen->LoadRightWornItemPictures();
  if (screen->panel.describedItem != screen->describedItem) {
    ItemCatalog::DescribeItem(screen->panel, screen->describedItem);
    ItemCatalog::ItemBonus(screen->panel, screen->describedItem);
    screen->panel.describedItem = uint8_t(screen->describedItem);
  }
  if (screen->totalsDirty) {
    screen->totalsDirty = 0;
    UpdateTotals(*gameState, *screen, kItemSideLeft, screen->leftMember);
    UpdateTotals(*gameState, *screen, kItemSideRight, screen->rightMember);
  }

  screen->DrawBackground();
  screen->DrawLeftName(170, 48);
  screen->DrawRightName(590, 48);
  screen->DrawLeftFigure(110, 4);
  screen->DrawRightFigure(530, 4);
  screen->DrawBags();
  DrawTotals(*screen, *gameState, screen->leftMember, 23, 24, 30);
  DrawTotals(*screen, *gameState, screen->rightMember, 653, 692, 664);
  screen->DrawLeftItems();
  screen->DrawRightItems();
  screen->DrawItemPanel(396, 413);
  screen->DrawDraggedItem();

  UpdateScreenClock();

  if (leaveCode == kLeaveNormal) {
    // Nothing is left in the air: a held item goes home before the copy.
    screen->ReturnHeldItem();
    screen->SettleOwners();
    CopyItemsBack(*gameState, *screen, kItemSideLeft, screen->leftMember, &selectedHero);
    CopyItemsBack(*gameState, *screen, kItemSideRight, screen->rightMember, &selectedHero);
    FreeScreen(itemExchangeScreen);
  }

  EndScreenFrame();
}
