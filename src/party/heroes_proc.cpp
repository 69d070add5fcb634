// The heroes screen's frame: the strip of companion heroes and the chosen
// hero's figure, items, values and armies, opened from the kingdom map's
// control bar. The shown hero is written back whenever another is chosen,
// before the name editor runs and when the screen is left for the map.

#include "app/free_screen.h"
#include "app/game_app.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "party/heroes_screen.h"
#include "party/name_entry.h"
#include "platform/input_device.h"

namespace {

constexpr uint8_t kFirstHeroOwner = 2;

}  // namespace

void GameApp::HeroesProc() {
  BeginScreenFrame();
  GameState& s = *gameState;

  MakeMemberObjects();
  if (!heroesScreen) {
    heroesScreen = new HeroesScreen;
    heroesScreen->LoadPictures(&graphics);
    heroesScreen->LoadHeroPictures(&graphics);
    heroesScreen->LoadStrip(s);
    selectedHero = shownHero = kNoHeroShown;
  }
  HeroesScreen& screen = *heroesScreen;
  MemberItems& items = screen.items;
  const int32_t mx = cursor.x, my = cursor.y;
  InputDevice& mouse = cursor.mouse;

  keyboard.Acquire(1);
  keyboard.Poll();
  // Backspace and Escape leave, never while an item is in the air.
  if (!items.draggedItem && TakeBack()) LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);
  // The arrow keys scroll the strip one place.
  for (const int key : {kKeyLeft, kKeyRight})
    if (keyboard.KeyPressed(key)) {
      keyboard.SetLatch(key, 1);
      screen.strip.ScrollBy(key == kKeyLeft ? -1 : 1);
    }

  // The member view is there while the selected place holds the hero the
  // screen has loaded.
  const bool heroShown = shownHero < kHeroCount && screen.SelectedHero() == shownHero;
  screen.HoverButtons(mx, my, heroShown);
  controlBar->HoverHideShowButton(mx, my);
  screen.HoverTabs(mx, my, true);

  // A press on a button is that button's until it is let go: the bag
  // takes only a press begun on one of its places, and a button slid off
  // keeps its press.
  const bool down = EitherButtonPressed(mouse);
  if (down && !items.dragging && !items.draggedItem && !screen.pressedId && !screen.heroPressed) {
    const bool buttonTook = screen.ClickButtons(mx, my, heroShown, &mouse) ||
                            screen.ClickHeroButtons(mx, my, heroShown, &mouse);
    if (!buttonTook && screen.ClickStrip(mx, my, &mouse)) {
      mouse.SetLatch(kMouseLeft, 1);
      mouse.SetLatch(kMouseRight, 1);
    }
  }
  // The hide/show toggle answers every frame, shown hero or not.
  if (controlBar->ClickHideShowButton(mx, my, &mouse)) controlBar->buttonHeld = 1;
  ToggleMemberSlots(screen);
  if (screen.pressedId && !items.draggedItem) {
    const uint8_t acted = screen.ActOnPressed(mouse);
    if (acted == kPlayerBack) {
      LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);
    } else if (acted == kPlayerRenameArmy) {
      // With no hero shown the owner names nobody and the editor stores
      // nothing; the hero the screen still holds is written back all the same.
      if (shownHero < kHeroCount) screen.StoreHero(s, shownHero);
      const uint8_t owner = heroShown ? shownHero : kNoHeroShown;
      HandArmyToRename(screen.armies, uint8_t(owner + kFirstHeroOwner), kRenameToHeroes);
    } else if ((acted == kPlayerDisbandYes || acted == kPlayerThrowYes) && heroShown) {
      screen.refreshRequest = 1;
    }
  }

  if (screen.ActOnHeroButton(mouse) == kHeroName && heroShown) {
    screen.StoreHero(s, shownHero);
    s.GetHeroName(shownHero, s.heroNameBuffer);
    renameHero = 1;
    renameArmy = 0;
    renameReturn = kRenameHeroName;
    selectedHero = shownHero;
    LeaveScreen(GoRename);
  }
  // While switching, the selected place is the one whose hero moves; a
  // chosen place closes the hero counter.
  screen.strip.CommitMark();
  if (screen.strip.selectedPlace) screen.countShown = 0;

  // The release ends a drag whether or not the hero is still shown (Count
  // may have put him away under a held button). Nothing is lifted in the
  // frame the screen is left, and leaving with a press still running sends
  // what it holds home first, so that the totals written back count it.
  if (heroShown) screen.StepItems(mouse, mx, my, down && (items.dragging || leaveCode == 0));
  else if (!down && (items.dragging || items.draggedItem)) items.ReturnToOrigin();
  if (leaveCode != 0 && screenProc != GoRename && (items.draggedItem || items.dragging))
    items.ReturnToOrigin();

  // Choosing another hero writes the shown one back; a return from the
  // name editor reloads the shown hero with what the editor stored.
  const int chosen = screen.SelectedHero();
  const bool pick = chosen >= 0 && chosen != shownHero;
  if (pick || renameReturned || screen.refreshRequest) {
    if (!renameDone && shownHero < kHeroCount && !renameReturned) screen.StoreHero(s, shownHero);
    renameDone = 0;
    screen.refreshRequest = 0;
    if (chosen >= 0) {
      renameReturned = 0;
      selectedHero = shownHero = uint8_t(chosen);
      screen.LoadHero(s, chosen);
    }
  }

  if (items.statsDirty && shownHero < kHeroCount) {
    items.statsDirty = 0;
    const int h = shownHero;
    int32_t(*st)[kHeroCount] = s.heroStats;
    items.Totals(st[kStatBaseHealth][h], st[kStatBaseAttack][h], st[kStatBaseShield][h],
                 &st[kStatMaxHealth][h], &st[kStatAttack][h], &st[kStatShield][h]);
    if (st[kStatHealth][h] > st[kStatMaxHealth][h]) st[kStatHealth][h] = st[kStatMaxHealth][h];
  }

  const bool drawn = shownHero < kHeroCount && screen.SelectedHero() == shownHero;
  screen.DrawHeroes(heroFigure, controlBar->sheet, s, drawn ? int(shownHero) : -1, controlBar);
  screen.ClearHover();
  controlBar->ClearHover();

  UpdateScreenClock();

  if (leaveCode != 0 && screenProc != GoRename) {
    if (shownHero < kHeroCount) screen.StoreHero(s, shownHero);
    for (int k = 0; k < kHeroCount; ++k) s.heroStripPlace[k] = screen.strip.heroPlace[k];
    FreeScreen(heroesScreen);
    shownHero = kHeroesClosed;
  }

  EndScreenFrame();
}
