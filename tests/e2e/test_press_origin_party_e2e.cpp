// A press on the party screens belongs to what it began on, and only the
// player's own release ends a drag, played headless: the window's focus
// lost in the middle of a drag on each screen that drags (the held item or
// stack goes home, and the close then saves it there), and presses begun
// beside a button, slot or cell and let go over it.

#include <cstring>
#include <memory>
#include <string>

#include "app/game_app.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "game/save_image.h"
#include "harness/scenario_driver.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"
#include "party/heroes_screen.h"
#include "party/item_exchange_screen.h"
#include "party/member_items.h"
#include "party/name_entry.h"
#include "party/player_screen.h"
#include "platform/input_device.h"

namespace {

constexpr uint8_t kSword = 233;
constexpr int kSwordPlace = kFirstBodyPlace + kBodySword;
constexpr int kHero = 1;                    // the strip's first cell
constexpr uint8_t kHeroMember = kHero + 2;  // the exchanges' member id
constexpr uint8_t kPlayerMember = 1;
constexpr uint8_t kStackKind = 2;           // the player's only stack
constexpr uint8_t kStack = kStackKind + 1;  // its kind code
constexpr uint8_t kSaveSlot = 2;
constexpr int kPlayerFirstCell = 7, kHeroFirstCell = 1;  // army exchange cells
// The exchange choice's Items and Armies buttons, the question's Yes.
constexpr int kChoiceX = 400, kItemsY = 334, kArmiesY = 480;
constexpr int kYesX = 210, kYesY = 340;
// The item exchange: the player's first bag cell (right), the hero's sword
// slot (left).
constexpr int kTradeBagX = 576, kTradeBagY = 440, kTradeSwordX = 310, kTradeSwordY = 256;
// A spot on no button, place, box or cell of the member screens.
constexpr int kNowhereX = 300, kNowhereY = 150;

// The player and hero kHero each with a sword in the first bag cell, the
// player with one stack in his first army box, the hero with none.
void StartWithSwordsAndAStack(ScenarioDriver& d) {
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.slot = kSaveSlot;
  s.heroPresent[kHero] = 1;
  s.playerItems[0] = kSword;
  s.playerItemHeld[kSword - 1] = 1;
  s.playerItemSlot[kSword - 1] = 0;
  s.heroItems[kHero].items[0] = kSword;
  s.heroItems[kHero].held[kSword - 1] = 1;
  s.heroItems[kHero].slot[kSword - 1] = 0;
  s.playerArmies = ArmyRecord{};
  s.heroArmies[kHero] = ArmyRecord{};
  for (int slot = 0; slot < kArmySlots; ++slot) {
    s.playerArmies.armyPanelPlace[slot] = uint8_t(slot);
    s.heroArmies[kHero].armyPanelPlace[slot] = uint8_t(slot);
  }
  s.playerArmies.armyKindCode[0] = kStack;
  s.playerArmies.armyUsed[0] = 1;
  s.playerArmies.armyKind[0] = kStackKind;
  s.playerArmies.armyCount[0] = 12;
  s.exchangeLeft = kHeroMember;
  s.exchangeRight = kPlayerMember;
}

void OpenPlayer(ScenarioDriver& d) {
  d.Goto("GoPlayer");
  d.RunFrames(3);
}
void OpenHeroes(ScenarioDriver& d) {
  d.Goto("GoHeroes");
  d.RunFrames(3);
}
void OpenHero(ScenarioDriver& d) {
  OpenHeroes(d);
  d.Click(50, 80, kMouseLeft);
  d.RunFrames(2);
}
void OpenChoice(ScenarioDriver& d) {
  d.Goto("GoExchangeChoice");
  d.RunFrames(3);
}
void OpenItemTrade(ScenarioDriver& d) {
  OpenChoice(d);
  d.Click(kChoiceX, kItemsY, kMouseLeft);
  d.RunFrames(3);
}
void OpenArmyTrade(ScenarioDriver& d) {
  OpenChoice(d);
  d.Click(kChoiceX, kArmiesY, kMouseLeft);
  d.RunFrames(3);
}
void OpenNameEditor(ScenarioDriver& d) {
  OpenPlayer(d);
  d.Click(600, 215, kMouseLeft);  // Rename army
  d.RunFrames(2);
}

// Whether the sword lies in the first bag cell with nothing in the air.
bool SwordHome(const MemberItems& items) {
  return items.itemSlots[0] == kSword && items.itemSlots[kSwordPlace] == 0 &&
         items.draggedItem == 0 && items.dragging == 0;
}

// A drag in progress on one screen: opened, pressed at one spot and held
// over another where a release would put it down, and what the screen holds
// once the drag has ended with the item or stack back home. The item
// exchange is then closed.
struct HeldDrag {
  const char* screen;
  void (*open)(ScenarioDriver&);
  int fromX, fromY, overX, overY;
  bool (*home)(const GameApp&);
  bool thenClose = false;
};

const HeldDrag kHeldDrags[] = {
    // The first bag cell held over the sword slot.
    {"PlayerProc", OpenPlayer, 576, 340, 444, 349,
     [](const GameApp& a) { return SwordHome(a.playerScreen->items); }},
    {"HeroesProc", OpenHero, 576, 340, 444, 349,
     [](const GameApp& a) { return SwordHome(a.heroesScreen->items); }},
    // The player's first cell held over the hero's.
    {"ArmyExchangeProc", OpenArmyTrade, 520, 450, 50, 450,
     [](const GameApp& a) {
       const ArmyExchangeScreen& s = *a.armyExchangeScreen;
       return s.armyCode[kPlayerFirstCell - 1] == kStack && s.armyCode[kHeroFirstCell - 1] == 0 &&
              s.heldCode == 0 && s.dragging == 0;
     }},
    {"ItemExchangeProc", OpenItemTrade, kTradeBagX, kTradeBagY, kTradeSwordX, kTradeSwordY,
     [](const GameApp& a) {
       const ItemExchangeScreen& s = *a.itemExchangeScreen;
       return s.rightItems[0] == kSword && s.leftItems[kSwordPlace] == 0 && s.heldItem == 0 &&
              s.dragging == 0;
     },
     true},
};

// The window loses the focus (Alt+Tab, Alt+F4's window manager) while the
// button is down on a dragged item or stack: the desktop gives the release
// to another window, and the game sees the button up. That is no drop: what
// was held goes back where it was taken from, and stays there once the
// focus is back. So too when the focus goes and comes back between two
// frames (a notification that takes it for an instant). In the item
// exchange the close then saves it there.
void LoseTheFocusMidDrag(const HeldDrag& row, bool backAtOnce) {
  SCOPED_TRACE(row.screen);
  SCOPED_TRACE(backAtOnce ? "back before the next frame" : "away for two frames");
  ScenarioDriver d;
  StartWithSwordsAndAStack(d);
  row.open(d);
  ASSERT_STREQ(d.ScreenName(), row.screen);
  PressAndHoldOver(d, row.fromX, row.fromY, row.overX, row.overY);
  ASSERT_FALSE(row.home(d.App())) << "the drag is under way";

  d.Focus(false);
  if (!backAtOnce) {
    d.RunFrames(2);
    EXPECT_TRUE(row.home(d.App())) << "back home while the window is in the background";
  }
  d.Focus(true);
  d.RunFrames(2);
  d.ButtonUp(kMouseLeft);  // let go in the other window: no release here
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), row.screen);
  EXPECT_TRUE(row.home(d.App())) << "nothing held once the focus is back";
  if (!row.thenClose) return;

  // The window's close, then Yes: the save has the sword in the player's
  // bag and none on the hero.
  d.Close();
  for (int i = 0; i < 10 && d.App().screenProc != GameApp::GoSaveAndQuit; ++i) d.RunFrames(1);
  ASSERT_STREQ(d.ScreenName(), "SaveAndQuitProc");
  d.RunFrames(1);
  d.Click(kYesX, kYesY, kMouseLeft);
  d.RunFrames(2);
  ASSERT_TRUE(d.QuitPosted());
  auto saved = std::make_unique<GameState>();
  SaveExtras extras;
  const std::string save = TestFile("Saves/" + std::to_string(kSaveSlot) + ".save");
  ASSERT_EQ(LoadGameFile(*saved, extras, save.c_str()), 1);
  EXPECT_EQ(saved->playerItems[0], kSword);
  EXPECT_EQ(saved->playerItemHeld[kSword - 1], 1);
  EXPECT_EQ(saved->heroItems[kHero].items[kSwordPlace], 0);
  EXPECT_EQ(saved->heroItems[kHero].held[kSword - 1], 0);
}

// A press begun beside something, moved onto it and let go there: the
// screen stays and nothing was taken.
struct SlidPress {
  const char* what;
  const char* screen;
  void (*open)(ScenarioDriver&);
  int fromX, fromY, toX, toY;
  bool (*untouched)(const GameApp&);
};

const SlidPress kSlidPresses[] = {
    {"the choice's Items", "ExchangeChoiceProc", OpenChoice, 100, 500, kChoiceX, kItemsY,
     [](const GameApp& a) { return a.exchangeChoiceScreen->clickedButton == kChoiceNone; }},
    {"the player's Back", "PlayerProc", OpenPlayer, kNowhereX, kNowhereY, 760, 20,
     [](const GameApp& a) { return a.playerScreen->pressedId == kPlayerNoButton; }},
    {"the player's sword", "PlayerProc", OpenPlayer, kNowhereX, kNowhereY, 576, 340,
     [](const GameApp& a) { return a.playerScreen->items.chosenItem == 0; }},
    {"the strip's first cell", "HeroesProc", OpenHeroes, kNowhereX, kNowhereY, 50, 80,
     [](const GameApp& a) { return a.shownHero == kNoHeroShown; }},
    {"the name editor's Ready", "RenameProc", OpenNameEditor, 400, 300, 413, 505,
     [](const GameApp& a) { return a.nameEditor->clickedId == 0; }},
};

void SlideAPressOnto(const SlidPress& row) {
  SCOPED_TRACE(row.what);
  ScenarioDriver d;
  StartWithSwordsAndAStack(d);
  row.open(d);
  ASSERT_STREQ(d.ScreenName(), row.screen);
  Drag(d, row.fromX, row.fromY, row.toX, row.toY);
  ASSERT_STREQ(d.ScreenName(), row.screen);
  EXPECT_TRUE(row.untouched(d.App()));
}

// The throw question's No and Yes lie over the bag. The sword is moved to
// the place under No, on the player or on hero kHero, and chosen; Toss asks.
// No is pressed over the sword and slid onto Yes, where No acts at once, and
// back over the sword: No kept its press, which lifts nothing and presses
// Yes for nothing.
void SlideNoOffAndBackOverTheSword(bool hero) {
  SCOPED_TRACE(hero ? "the heroes screen" : "the player screen");
  constexpr int kPlace = 6;
  constexpr int kNoX = 712, kYesX = 610, kOverY = 412, kBackX = 705;
  ScenarioDriver d;
  StartWithSwordsAndAStack(d);
  GameState& s = *d.App().gameState;
  ItemRecord moved{};
  moved.items[kPlace] = kSword;
  moved.held[kSword - 1] = 1;
  moved.slot[kSword - 1] = kPlace;
  if (hero) {
    s.heroItems[kHero] = moved;
    OpenHero(d);
  } else {
    std::memcpy(s.playerItems, moved.items, sizeof s.playerItems);
    s.playerItemSlot[kSword - 1] = kPlace;
    OpenPlayer(d);
  }
  PlayerScreen& screen = hero ? *d.App().heroesScreen : *d.App().playerScreen;
  int x, y;
  PlaceCentre(kPlace, &x, &y);
  ASSERT_TRUE(x - 32 <= kBackX && kBackX < kNoX && kOverY < y + 32) << "No lies over the place";
  d.Click(x, y, kMouseLeft);  // the sword chosen
  d.RunFrames(2);
  ASSERT_EQ(screen.items.chosenItem, kSword);
  d.Click(747, 235, kMouseLeft);  // Toss
  d.RunFrames(2);
  ASSERT_EQ(screen.throwQuestion, 1);

  PressAndHoldOver(d, kNoX, kOverY, kYesX, kOverY);
  EXPECT_EQ(screen.throwQuestion, 0) << "No acted as the press reached Yes";
  d.MoveTo(kBackX, kOverY);
  d.RunFrames(2);
  EXPECT_EQ(screen.items.draggedItem, 0) << "the press lifted nothing";
  EXPECT_EQ(screen.items.dragging, 0);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen.items.itemSlots[kPlace], kSword) << "nothing lifted, nothing thrown";
  EXPECT_EQ(screen.items.draggedItem, 0);
}

}  // namespace

class PartyPress : public EndToEnd {};

TEST_F(PartyPress, AButtonSlidOffKeepsItsPressFromTheBagBeneath) {
  for (const bool hero : {false, true}) SlideNoOffAndBackOverTheSword(hero);
}

TEST_F(PartyPress, AFocusLostMidDragSendsTheHeldThingHome) {
  for (const bool backAtOnce : {false, true})
    for (const HeldDrag& row : kHeldDrags) LoseTheFocusMidDrag(row, backAtOnce);
}

TEST_F(PartyPress, APressSlidOntoAButtonOrSlotDoesNothing) {
  for (const SlidPress& row : kSlidPresses) SlideAPressOnto(row);
}
