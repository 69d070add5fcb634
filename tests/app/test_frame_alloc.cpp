// A screen's steady frames make no heap allocation: what a screen needs is
// loaded, built and kept when it is entered, not on each of its frames.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_screen.h"
#include "party/heroes_screen.h"
#include "party/item_exchange_screen.h"
#include "party/player_screen.h"
#include "places/house_screen.h"
#include "platform/input_device.h"
#include "test_folder.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Every allocation of this test program is counted. (The compiler takes the
// pairing of these replacements with malloc and free for a mismatch.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return ::operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

class FrameAlloc : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(chdir(TestFolder().c_str()), 0); }

  // The allocations of `frames` frames, once the screen has settled (the
  // driver's record of drawn texts, which keeps them for the dump, is off).
  long AllocationsOf(int frames) {
    driver.App().graphics.textLog = nullptr;
    driver.RunFrames(10);
    const long before = g_allocations.load();
    driver.RunFrames(frames);
    return g_allocations.load() - before;
  }

  ScenarioDriver driver;
};

}  // namespace

TEST_F(FrameAlloc, MainMenu) {
  driver.Start();
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
  driver.MoveTo(400, 300);
  EXPECT_EQ(AllocationsOf(30), 0);
}

TEST_F(FrameAlloc, LoadList) {
  driver.Start();
  driver.RunFrames(2);
  ASSERT_TRUE(driver.Goto("GoLoadSlots"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "LoadSlotsProc");
  EXPECT_EQ(AllocationsOf(30), 0);
}

TEST_F(FrameAlloc, KingdomMap) {
  driver.Start();
  driver.RunFrames(2);
  ASSERT_TRUE(driver.Goto("GoKingdomMap"));
  driver.RunFrames(5);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  // The day's board, then the map alone.
  EXPECT_EQ(AllocationsOf(30), 0);
  driver.Click(600, 560, kMouseLeft);
  driver.RunFrames(2);
  ASSERT_EQ(driver.App().mapShowMessages, 0);
  EXPECT_EQ(AllocationsOf(30), 0);
  // The player selected and a path drawn to the first enemy army, the
  // cursor over it.
  const MapEncounters& map = *driver.App().mapEncounters;
  const KingdomMap& view = *driver.App().kingdomMap;
  auto clickWorld = [&](int32_t x, int32_t y) {
    driver.Click(x - view.cameraX + 20, y - view.cameraY + 20, kMouseLeft);
    driver.RunFrames(2);
  };
  clickWorld(map.playerX, map.playerY);
  clickWorld(map.enemyX[0], map.enemyY[0]);
  ASSERT_NE(map.playerSelected, 0);
  EXPECT_EQ(AllocationsOf(30), 0);
  // The walk along it.
  const int32_t startX = map.playerX, startY = map.playerY;
  driver.PressKey(kKeyEnter);
  const long before = g_allocations.load();
  driver.RunFrames(20);
  EXPECT_EQ(g_allocations.load() - before, 0);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_NE(map.playerWalkState, MapEncounters::kWalkIdle);
  EXPECT_TRUE(map.playerX != startX || map.playerY != startY);
}

TEST_F(FrameAlloc, Battle) {
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  s.battleId = 1;
  s.battleByPlayer = 1;
  s.battleHero = 0;
  s.battlePending = 1;
  ASSERT_TRUE(driver.Goto("GoBattle"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(AllocationsOf(30), 0);
  // The turn panel closed, the fighter selected, the cursor on a button.
  driver.PressKey(kKeyEnter);
  driver.RunFrames(2);
  BattleScreen& b = *driver.App().battleScreen;
  using battle::CellX;
  using battle::CellY;
  driver.MoveTo(400, 300);
  for (int i = 0; i < 400; ++i) {
    const int32_t x = CellX(b.figureCell) - b.viewX, y = CellY(b.figureCell) - b.viewY;
    int key = 0;
    if (x < 40) key = kKeyLeft;
    else if (x > 560) key = kKeyRight;
    else if (y < 40) key = kKeyUp;
    else if (y > 380) key = kKeyDown;
    if (key == 0) break;
    driver.KeyDown(key);
    driver.RunFrames(1);
    driver.KeyUp(key);
  }
  driver.Click(CellX(b.figureCell) - b.viewX + 40, CellY(b.figureCell) - b.viewY + 40, kMouseLeft);
  driver.RunFrames(2);
  ASSERT_TRUE(b.figureSelected);
  driver.MoveTo(740, 268);
  EXPECT_EQ(AllocationsOf(30), 0);
}

// The other screens of the menus, each in a game of its own.
TEST_F(FrameAlloc, OtherMenuScreens) {
  for (const char* stub : {"GoCredits", "GoHallOfFame", "GoNewGamePortrait", "GoNameEntry",
                           "GoStory", "GoNewGameSlot", "GoSaveAndQuit", "GoHelp", "GoOptions"}) {
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    ASSERT_TRUE(d.Goto(stub));
    d.RunFrames(3);
    d.App().graphics.textLog = nullptr;
    d.RunFrames(10);
    const long before = g_allocations.load();
    d.RunFrames(30);
    EXPECT_EQ(g_allocations.load() - before, 0) << stub << " " << d.ScreenName();
  }
}

// Each kind of place, visited by the player: the place alone, then with an
// army selected (its box open) and the cursor on a button.
TEST_F(FrameAlloc, Places) {
  const struct {
    const char* stub;
    const char* proc;
    HouseScreen* (*screen)(GameApp&);
  } kPlaces[] = {
      {"GoVillage", "VillageProc", [](GameApp& a) -> HouseScreen* { return a.villageScreen; }},
      {"GoTown", "TownProc", [](GameApp& a) -> HouseScreen* { return a.townScreen; }},
      {"GoPalace", "PalaceProc", [](GameApp& a) -> HouseScreen* { return a.palaceScreen; }},
      {"GoTemple", "TempleProc", [](GameApp& a) -> HouseScreen* { return a.templeScreen; }},
      {"GoCastle", "CastleProc", [](GameApp& a) -> HouseScreen* { return a.castleScreen; }},
      {"GoTower", "TowerProc", [](GameApp& a) -> HouseScreen* { return a.towerScreen; }},
  };
  for (const auto& place : kPlaces) {
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    GameState& s = *d.App().gameState;
    s.villageNumber = 1;
    s.townNumber = 1;
    s.visitorCode = 1;
    ASSERT_TRUE(d.Goto(place.stub));
    d.RunFrames(3);
    ASSERT_STREQ(d.ScreenName(), place.proc);
    d.App().graphics.textLog = nullptr;
    auto steadyAllocations = [&] {
      d.RunFrames(10);
      const long before = g_allocations.load();
      d.RunFrames(30);
      return g_allocations.load() - before;
    };
    EXPECT_EQ(steadyAllocations(), 0) << place.proc;
    d.Click(650, 400, kMouseLeft);  // the first army's cell
    d.MoveTo(700, 100);             // over Heal
    EXPECT_EQ(steadyAllocations(), 0) << place.proc << " with an army's box";
    const HouseScreen* h = place.screen(d.App());
    ASSERT_NE(h, nullptr) << place.proc;
    EXPECT_EQ(h->selectedArmy, 1) << place.proc;
    EXPECT_EQ(h->lookHeal, house_art::kLookHovered) << place.proc;
    // The recruit panel with the fifth candidate's box, then its note.
    d.Click(700, 200, kMouseLeft);  // Recruit
    d.RunFrames(1);
    d.Click(490, 530, kMouseLeft);  // the fifth candidate
    d.MoveTo(256, 386);             // over Recruit Yes
    EXPECT_EQ(steadyAllocations(), 0) << place.proc << " with the recruit panel";
    EXPECT_EQ(h->selectedCandidate, 5) << place.proc;
    d.Click(256, 386, kMouseLeft);
    EXPECT_EQ(steadyAllocations(), 0) << place.proc << " with a recruit's note";
    EXPECT_TRUE(h->recruitJoinedNote || h->notEnoughGold) << place.proc;
    d.Click(700, 280, kMouseLeft);  // Talk: the place's boxes stay up
    EXPECT_EQ(steadyAllocations(), 0) << place.proc << " with the talk open";
    EXPECT_EQ(h->talkOpen, 1) << place.proc;
  }
}

// The wealth screen with every kind owned, the cursor over Back.
TEST_F(FrameAlloc, Wealth) {
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  for (int i = 0; i < 30; ++i) {
    s.wealth.gemPicture[i] = static_cast<uint8_t>(i + 1);
    s.wealth.gemOwned[i] = 1;
    s.wealth.artifactPicture[i] = static_cast<uint8_t>(i + 1);
    s.wealth.artifactOwned[i] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    s.wealth.villageJoined[i] = 1;
    s.wealth.townOwned[i] = 1;
  }
  s.gold = 999999;
  ASSERT_TRUE(driver.Goto("GoWealth"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "WealthProc");
  driver.MoveTo(720, 15);
  EXPECT_EQ(AllocationsOf(30), 0);
}

// The quest log with open and finished quests, one of them chosen (its
// objective drawn) and the fire burning.
TEST_F(FrameAlloc, QuestLog) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.questStage[0] = kQuestAccepted;
  s.questStage[33] = kQuestAchieved;
  ASSERT_TRUE(d.Goto("GoQuestLog"));
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "QuestLogProc");
  d.Click(40, 100, kMouseLeft);  // quest 1
  d.MoveTo(600, 300);
  d.App().graphics.textLog = nullptr;
  d.RunFrames(10);
  const long before = g_allocations.load();
  d.RunFrames(30);
  EXPECT_EQ(g_allocations.load() - before, 0);
}

// The exchange choice and the army exchange between the player and hero 0,
// the army exchange also with a stack on the cursor.
TEST_F(FrameAlloc, Exchanges) {
  ScenarioDriver& d = driver;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.heroPresent[0] = 1;
  s.exchangeLeft = 2;
  s.exchangeRight = 1;
  s.playerItems[0] = 233;  // a sword in the player's first bag cell
  s.playerItemHeld[233 - 1] = 1;
  ASSERT_TRUE(d.Goto("GoExchangeChoice"));
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
  d.MoveTo(400, 300);  // over Items
  EXPECT_EQ(AllocationsOf(30), 0);
  d.Click(400, 480, kMouseLeft);  // Armies
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ArmyExchangeProc");
  EXPECT_EQ(AllocationsOf(30), 0);
  d.MoveTo(560, 450);  // the right member's first cell
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(300, 200);
  EXPECT_EQ(AllocationsOf(30), 0);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);

  d.Click(760, 20, kMouseLeft);  // Back to the choice
  d.RunFrames(3);
  d.Click(400, 334, kMouseLeft);  // Items
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "ItemExchangeProc");
  EXPECT_EQ(AllocationsOf(30), 0);
  d.MoveTo(576, 440);  // the player's first bag cell
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(200, 300);
  EXPECT_EQ(AllocationsOf(30), 0) << "an item in the air";
  ASSERT_EQ(d.App().itemExchangeScreen->heldItem, 233);
  d.MoveTo(32, 440);  // the hero's first bag cell
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(AllocationsOf(30), 0) << "an item described";
}

// The player screen at its busiest: an item in the air over the figure and
// the bag, then a chosen item with its panel.
TEST_F(FrameAlloc, PlayerScreen) {
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  s.playerItems[0] = 233;  // a sword in the first bag cell
  s.playerItems[kFirstBodyPlace + kBodyHelmet] = 37;
  ASSERT_TRUE(driver.Goto("GoPlayer"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "PlayerProc");
  driver.MoveTo(576, 340);
  driver.ButtonDown(kMouseLeft);
  driver.RunFrames(2);
  driver.MoveTo(420, 350);
  EXPECT_EQ(AllocationsOf(30), 0) << "an item in the air";
  ASSERT_EQ(driver.App().playerScreen->items.draggedItem, 233);
  driver.ButtonUp(kMouseLeft);
  driver.RunFrames(2);
  EXPECT_EQ(AllocationsOf(30), 0) << "an item chosen";
}

// The heroes screen with a hero shown and his sword in the air.
TEST_F(FrameAlloc, HeroesScreen) {
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  s.heroPresent[0] = 1;
  s.heroItems[0].items[0] = 233;
  s.heroItems[0].held[232] = 1;
  ASSERT_TRUE(driver.Goto("GoHeroes"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "HeroesProc");
  driver.Click(50, 80, kMouseLeft);  // the hero's strip cell
  driver.RunFrames(2);
  ASSERT_EQ(driver.App().shownHero, 0);
  EXPECT_EQ(AllocationsOf(30), 0) << "a hero shown";
  driver.MoveTo(576, 340);
  driver.ButtonDown(kMouseLeft);
  driver.RunFrames(2);
  driver.MoveTo(420, 350);
  EXPECT_EQ(AllocationsOf(30), 0) << "an item in the air";
  ASSERT_EQ(driver.App().heroesScreen->items.draggedItem, 233);
  driver.ButtonUp(kMouseLeft);
  driver.RunFrames(2);
}

TEST_F(FrameAlloc, NameEditor) {
  driver.Start();
  driver.RunFrames(2);
  driver.App().renameArmy = 1;
  driver.App().renameArmySlot = 1;
  driver.App().renameOwner = 1;
  ASSERT_TRUE(driver.Goto("GoRename"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "RenameProc");
  driver.MoveTo(400, 500);  // over Ready
  EXPECT_EQ(AllocationsOf(30), 0);
}
