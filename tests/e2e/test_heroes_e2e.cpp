// The heroes screen played headless: a companion hero chosen in the strip,
// a sword worn by drag and drop, an army and the hero renamed through the
// name editor, and the game record after leaving for the map.
#include <cstring>
#include <string>

#include "app/game_app.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "party/heroes_screen.h"
#include "party/member_items.h"
#include "party/name_entry.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

constexpr uint8_t kSword = 233;
constexpr int kSwordPlace = kFirstBodyPlace + kBodySword;
constexpr int kHero = 0;

void TypeName(ScenarioDriver& d) {
  d.Click(170, 425, kMouseLeft);  // Clear
  d.KeyDown(kKeyLShift);
  d.PressKey(kKeyB);
  d.KeyUp(kKeyLShift);
  for (int key : {kKeyO, kKeyL, kKeyD}) d.PressKey(key);
  d.PressKey(kKeyEnter);
}

// Hero kHero joins the party with the player's armies and a sword in the
// first bag cell.
void JoinWithASword(GameState& s) {
  s.heroPresent[kHero] = 1;
  s.heroArmies[kHero] = s.playerArmies;
  s.heroItems[kHero].items[0] = kSword;
  s.heroItems[kHero].held[kSword - 1] = 1;
  s.heroItems[kHero].slot[kSword - 1] = 0;
}

TEST_F(EndToEnd, HeroesScreenEquipsRenamesAndWritesTheHeroBack) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  JoinWithASword(s);
  const int32_t baseAttack = s.heroStats[kStatBaseAttack][kHero];
  ASSERT_TRUE(d.Goto("GoHeroes"));
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  EXPECT_EQ(d.App().shownHero, kNoHeroShown);

  // The hero's portrait in the first strip cell shows him.
  d.Click(50, 80, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(d.App().shownHero, kHero);
  HeroesScreen* screen = d.App().heroesScreen;
  EXPECT_EQ(screen->items.itemSlots[0], kSword);

  // The sword dragged onto the figure and dropped there.
  HoldPlaceOver(d, 0, kSwordPlace);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  EXPECT_EQ(screen->items.draggedItem, kSword);
  EXPECT_TRUE(d.WriteShot(Out("party_heroes_dragging.png")));
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->items.itemSlots[kSwordPlace], kSword);
  EXPECT_EQ(s.heroStats[kStatAttack][kHero], baseAttack + ItemCatalog::BonusOf(kSword));

  // Army box 2 renamed: the hero's record takes the name, the screen keeps
  // the hero and shows it on the way back.
  uint8_t bold[kGlyphNameLength];
  GlyphFromText("Bold|", bold);
  d.Click(200, 560, kMouseLeft);
  d.RunFrames(1);
  d.Click(600, 215, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().renameOwner, kHero + 2);
  EXPECT_EQ(d.App().renameArmySlot, 2);
  EXPECT_EQ(s.heroItems[kHero].items[kSwordPlace], kSword) << "written back before the editor";
  const int slot = screen->armies.SlotInBox(2);
  ASSERT_GE(slot, 0);
  TypeName(d);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  d.RunFrames(2);
  ASSERT_EQ(d.App().heroesScreen, screen);
  EXPECT_EQ(std::memcmp(s.heroArmies[kHero].armyNames[slot], bold, kGlyphNameLength), 0);
  EXPECT_EQ(std::memcmp(screen->armies.armyNames[slot], bold, kGlyphNameLength), 0);
  EXPECT_EQ(d.App().renameReturned, 0);

  // The hero's own Name button.
  d.Click(510, 195, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().renameHero, 1);
  EXPECT_EQ(d.App().renameReturn, kRenameHeroName);
  TypeName(d);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  d.RunFrames(2);
  EXPECT_EQ(std::memcmp(screen->name, bold, kGlyphNameLength), 0);
  EXPECT_TRUE(d.WriteShot(Out("party_heroes.png")));

  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().heroesScreen, nullptr);
  EXPECT_EQ(d.App().shownHero, kHeroesClosed);
  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  const JsonValue* items = FindJsonPath(dump, "state.heroItems");
  ASSERT_NE(items, nullptr);
  ASSERT_GT(items->items.size(), size_t(kHero));
  const JsonValue* bag = FindJsonPath(items->items[kHero], "items");
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->items[kSwordPlace].number, kSword);
  EXPECT_EQ(bag->items[0].number, 0);
  const JsonValue* strip = FindJsonPath(dump, "state.heroStripPlace");
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->items[kHero].number, 1);
}

// With no hero shown the hide/show toggle still answers and Rename army
// still opens the editor, for no owner: nothing is stored, and the return
// waits for a hero to be picked. Picking another hero keeps the chosen army
// box; Back stays lit while held.
TEST_F(EndToEnd, HeroesScreenWithNoHeroShownStoresNoName) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.heroPresent[0] = s.heroPresent[1] = 1;
  s.heroArmies[0] = s.heroArmies[1] = s.playerArmies;
  ASSERT_TRUE(d.Goto("GoHeroes"));
  d.RunFrames(3);
  HeroesScreen* screen = d.App().heroesScreen;
  ASSERT_NE(screen, nullptr);
  const uint8_t slotsShown = screen->showEmptySlots;
  d.Click(517, 156, kMouseLeft);  // hide/show
  d.RunFrames(2);
  EXPECT_NE(screen->showEmptySlots, slotsShown);

  const GameState before = s;
  d.Click(600, 215, kMouseLeft);  // Rename army
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().renameOwner, kNoHeroShown + 2);
  TypeName(d);
  ASSERT_STREQ(d.ScreenName(), "HeroesProc");
  d.RunFrames(2);
  EXPECT_EQ(d.App().renameReturned, 1);
  EXPECT_EQ(std::memcmp(s.heroArmies, before.heroArmies, sizeof s.heroArmies), 0);
  EXPECT_EQ(std::memcmp(&s.playerArmies, &before.playerArmies, sizeof s.playerArmies), 0);
  EXPECT_EQ(std::memcmp(s.heroNames, before.heroNames, sizeof s.heroNames), 0);

  d.Click(50, 80, kMouseLeft);  // hero 0
  d.RunFrames(2);
  EXPECT_EQ(d.App().renameReturned, 0);
  ASSERT_EQ(d.App().shownHero, 0);
  d.Click(200, 560, kMouseLeft);  // army box 2
  d.RunFrames(1);
  d.Click(150, 80, kMouseLeft);  // hero 1
  d.RunFrames(2);
  ASSERT_EQ(d.App().shownHero, 1);
  EXPECT_EQ(screen->armies.selectedArmy, 2);
  EXPECT_EQ(screen->strip.clickedCell, 0);

  d.MoveTo(750, 15);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->buttonLooks[kPlayerBack], party_art::kLookHovered);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
}

// Heroes beyond the first eight places: reached by the scroll buttons and
// the arrow keys, chosen, moved with Switch, and the hero counter.
TEST_F(EndToEnd, HeroesStripScrollsToFarPlacesAndSwitches) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  constexpr int kFar = 9;
  s.heroPresent[0] = s.heroPresent[kFar] = 1;
  s.heroStripPlace[0] = 1;
  s.heroStripPlace[kFar] = 12;
  ASSERT_TRUE(d.Goto("GoHeroes"));
  d.RunFrames(2);
  HeroesScreen* screen = d.App().heroesScreen;
  ASSERT_NE(screen, nullptr);

  // Seven places ahead (held for a few frames: one step), one more by key.
  d.MoveTo(350, 15);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(3);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(1);
  EXPECT_EQ(screen->strip.firstPlace, 7);
  d.PressKey(kKeyRight);
  EXPECT_EQ(screen->strip.firstPlace, 8);
  EXPECT_EQ(screen->strip.stripOffset, -8 * kStripCellSize);

  // Place 12 is the fourth cell now.
  d.Click(350, 80, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(d.App().shownHero, kFar);
  EXPECT_EQ(d.App().selectedHero, kFar);
  EXPECT_TRUE(d.WriteShot(Out("party_heroes_far.png")));

  // Switch, then the second cell (place 10): the hero moves there.
  d.Click(550, 15, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->strip.pickedPlace, 12);
  d.Click(150, 80, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->strip.HeroAt(10), kFar);
  EXPECT_EQ(screen->strip.HeroAt(12), -1);
  EXPECT_EQ(d.App().shownHero, kFar);

  // Count shows the counter and puts the hero away.
  d.Click(650, 15, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->countShown, 1);
  EXPECT_EQ(screen->strip.selectedPlace, kNoStripPlace);
  EXPECT_TRUE(d.WriteShot(Out("party_heroes_count.png")));

  // Back to the first place, whose hero is chosen next.
  for (int i = 0; i < 3; ++i) d.Click(250, 15, kMouseLeft);
  d.RunFrames(1);
  EXPECT_EQ(screen->strip.firstPlace, 0);
  d.Click(50, 80, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(d.App().shownHero, 0);
  EXPECT_EQ(screen->countShown, 0);

  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(s.heroStripPlace[kFar], 10);
  EXPECT_EQ(s.heroStripPlace[0], 1);
}

// Count pressed and held, slid across a bag cell and on to Switch, let go
// there: Count puts the hero away while the button is still down, and the
// press must still end with the release, lifting nothing on the way, so
// that the keys and the strip answer again.
TEST_F(EndToEnd, HeroesPressSlidFromCountOverTheBagLeavesAWayOut) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  JoinWithASword(s);
  ASSERT_TRUE(d.Goto("GoHeroes"));
  d.RunFrames(3);
  d.Click(50, 80, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(d.App().shownHero, kHero);
  HeroesScreen* screen = d.App().heroesScreen;

  int x, y;
  PlaceCentre(0, &x, &y);
  PressAndHoldOver(d, 658, 15, x, y);  // Count, then the sword's cell
  EXPECT_EQ(screen->items.draggedItem, 0);
  d.MoveTo(554, 15);  // Switch
  d.RunFrames(2);
  EXPECT_EQ(screen->strip.selectedPlace, kNoStripPlace);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->items.dragging, 0);
  EXPECT_EQ(screen->items.draggedItem, 0);
  EXPECT_EQ(screen->items.itemSlots[0], kSword);

  // The strip takes a press again, and Escape leaves with the sword home.
  d.Click(50, 80, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(screen->strip.selectedPlace, 1);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(s.heroItems[kHero].items[0], kSword);
}

}  // namespace
