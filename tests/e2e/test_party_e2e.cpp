// The player screen played headless: opened from the map's control bar, an
// item worn by drag and drop, a dragged item that keeps the screen open,
// and the game record after leaving.
#include <cstring>
#include <ostream>
#include <string>

#include "app/game_app.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "party/heroes_screen.h"
#include "party/member_items.h"
#include "party/player_screen.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

constexpr uint8_t kSword = 233;
constexpr int kSwordPlace = kFirstBodyPlace + kBodySword;

TEST_F(EndToEnd, PlayerScreenWearsASwordAndWritesItBack) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.playerItems[0] = kSword;
  s.playerItemHeld[kSword - 1] = 1;
  const int32_t baseAttack = s.playerBaseAttack();
  d.Goto("GoKingdomMap");
  d.RunFrames(3);
  d.Click(600, 560, kMouseLeft);  // the day's board
  d.RunFrames(2);
  d.Click(700, 130, kMouseLeft);  // the control bar's player button
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "PlayerProc");
  ASSERT_NE(d.App().playerScreen, nullptr);

  // The sword picked up and held over the figure: Escape does nothing.
  HoldPlaceOver(d, 0, kSwordPlace);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "PlayerProc");
  EXPECT_EQ(d.App().playerScreen->items.draggedItem, kSword);
  d.WriteShot(Out("party_player_dragging.png"));

  // Let go over the sword slot: worn, the attack follows.
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(d.App().playerScreen->items.itemSlots[kSwordPlace], kSword);
  EXPECT_EQ(s.playerAttack(), baseAttack + ItemCatalog::BonusOf(kSword));
  d.WriteShot(Out("party_player.png"));

  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().playerScreen, nullptr);
  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  const JsonValue* items = FindJsonPath(dump, "state.playerItems");
  ASSERT_NE(items, nullptr);
  ASSERT_GT(items->items.size(), size_t(kSwordPlace));
  EXPECT_EQ(items->items[kSwordPlace].number, kSword);
  EXPECT_EQ(items->items[0].number, 0);
}

// The army drawn in box b (1..6) of a record, or -1.
int SlotInBox(const ArmyRecord& a, int box) {
  for (int i = 0; i < kArmySlots; ++i)
    if (a.armyUsed[i] && a.armyPanelPlace[i] + 1 == box) return i;
  return -1;
}

TEST_F(EndToEnd, PlayerScreenDisbandsTheChosenBoxAndHandsAnArmyToTheNameEditor) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  const int first = SlotInBox(s.playerArmies, 1);
  const int second = SlotInBox(s.playerArmies, 2);
  ASSERT_GE(first, 0);
  ASSERT_GE(second, 0);
  ASSERT_TRUE(d.Goto("GoPlayer"));
  d.RunFrames(3);

  // Box 1, Disband, Yes: that army goes, the other stays.
  d.Click(60, 560, kMouseLeft);
  d.RunFrames(1);
  d.Click(750, 212, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(d.App().playerScreen->disbandQuestion, 1);
  d.Click(200, 560, kMouseLeft);  // box 2 takes no press while the question is open
  d.RunFrames(1);
  EXPECT_EQ(d.App().playerScreen->armies.selectedArmy, 1);
  d.Click(615, 425, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(d.App().playerScreen->disbandQuestion, 0);

  // Box 2, Rename army: the editor gets the army, its owner and its name.
  d.Click(200, 560, kMouseLeft);
  d.RunFrames(1);
  s.playerStats[kStatExperience] = 12345678;
  d.MoveTo(600, 290);  // over the army's shield: its caption shows
  d.RunFrames(1);
  d.WriteShot(Out("party_player_army.png"));
  d.Click(600, 215, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().playerScreen, nullptr);
  EXPECT_EQ(d.App().renameArmy, 1);
  EXPECT_EQ(d.App().renameOwner, 1);
  EXPECT_EQ(d.App().renameArmySlot, 2);
  EXPECT_EQ(std::memcmp(s.renameBuffer, s.playerArmies.armyNames[second], kGlyphNameLength), 0);
  EXPECT_EQ(s.playerArmies.armyUsed[first], 0);
  EXPECT_EQ(s.playerArmies.armyKindCode[first], 0);
  EXPECT_NE(s.playerArmies.armyUsed[second], 0);
}

// Rename army with no army chosen still opens the editor, which stores
// nothing; the player screen comes back with every army name as it was.
TEST_F(EndToEnd, PlayerScreenRenamesNoArmyWhenNoneIsChosen) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  const ArmyRecord armies = s.playerArmies;
  uint8_t buffer[kGlyphNameLength];
  std::memcpy(buffer, s.renameBuffer, sizeof buffer);
  ASSERT_TRUE(d.Goto("GoPlayer"));
  d.RunFrames(3);

  d.Click(600, 215, kMouseLeft);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().renameArmySlot, 0);
  EXPECT_EQ(std::memcmp(s.renameBuffer, buffer, sizeof buffer), 0);
  d.PressKey(kKeyB);
  d.PressKey(kKeyEnter);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "PlayerProc");
  ASSERT_NE(d.App().playerScreen, nullptr);
  EXPECT_EQ(d.App().playerScreen->armies.selectedArmy, kNoArmyBox);
  EXPECT_EQ(std::memcmp(s.playerArmies.armyNames, armies.armyNames, sizeof armies.armyNames), 0);
}

// The member screens' totals after a worn item was lifted and let go
// anywhere: on screen and in the record they are always those that opening
// the screen afresh computes. The player's screen and hero 0's are played
// alike.
constexpr int kPlayerMember = -1;
constexpr uint8_t kAmulet = 1;
constexpr uint8_t kHelmet = 37;
constexpr uint8_t kOtherHelmet = 40;
constexpr uint8_t kShield = 221;
constexpr int kAmuletPlace = kFirstBodyPlace + kBodyAmulet1;
constexpr int kHelmetPlace = kFirstBodyPlace + kBodyHelmet;
constexpr int kTorsoPlace = kFirstBodyPlace + kBodyTorso;
constexpr int kShieldCell = 0;
constexpr int kHelmetCell = 1;
constexpr int kEmptyCell = 2;
constexpr int32_t kBaseHealth = 20, kBaseAttack = 5, kBaseShield = 10;

int32_t& Stat(GameState& s, int member, int word) {
  return member == kPlayerMember ? s.playerStats[word] : s.heroStats[word][member];
}

struct Totals {
  int32_t health, maxHealth, attack, shield;
  bool operator==(const Totals&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Totals& t) {
  return os << "health " << t.health << "/" << t.maxHealth << ", attack " << t.attack << ", shield "
            << t.shield;
}
Totals TotalsOf(GameState& s, int member) {
  return {Stat(s, member, kStatHealth), Stat(s, member, kStatMaxHealth),
          Stat(s, member, kStatAttack), Stat(s, member, kStatShield)};
}

// Opens the member's screen with the member shown.
void OpenMember(ScenarioDriver& d, int member) {
  ASSERT_TRUE(d.Goto(member == kPlayerMember ? "GoPlayer" : "GoHeroes"));
  d.RunFrames(3);
  if (member != kPlayerMember) {
    d.Click(50 + kStripCellSize * member, 80, kMouseLeft);
    d.RunFrames(2);
    ASSERT_EQ(d.App().shownHero, member);
  }
}
MemberItems& ItemsShown(ScenarioDriver& d, int member) {
  return member == kPlayerMember ? d.App().playerScreen->items : d.App().heroesScreen->items;
}

// A helmet and an amulet worn, a shield and another helmet in the bag.
void DressMember(GameState& s, int member) {
  uint8_t* places = member == kPlayerMember ? s.playerItems : s.heroItems[member].items;
  uint8_t* held = member == kPlayerMember ? s.playerItemHeld : s.heroItems[member].held;
  places[kHelmetPlace] = kHelmet;
  places[kAmuletPlace] = kAmulet;
  places[kShieldCell] = kShield;
  places[kHelmetCell] = kOtherHelmet;
  for (uint8_t id : {kHelmet, kAmulet, kShield, kOtherHelmet}) held[id - 1] = 1;
  Stat(s, member, kStatBaseHealth) = kBaseHealth;
  Stat(s, member, kStatBaseAttack) = kBaseAttack;
  Stat(s, member, kStatBaseShield) = kBaseShield;
  Stat(s, member, kStatHealth) = kBaseHealth + ItemCatalog::BonusOf(kAmulet);
}

void PlayTotalsAfterEveryDrop(int member) {
  SCOPED_TRACE(member == kPlayerMember ? "player" : "hero");
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  if (member != kPlayerMember) {
    s.heroPresent[member] = 1;
    s.heroArmies[member] = s.playerArmies;
  }
  DressMember(s, member);
  const int32_t fullHealth = kBaseHealth + ItemCatalog::BonusOf(kAmulet);
  ASSERT_NE(ItemCatalog::BonusOf(kHelmet), ItemCatalog::BonusOf(kOtherHelmet));
  OpenMember(d, member);
  ASSERT_EQ(TotalsOf(s, member).shield, kBaseShield + ItemCatalog::BonusOf(kHelmet));
  ASSERT_EQ(TotalsOf(s, member).health, fullHealth);

  // The totals shown now are those written when leaving and those a fresh
  // entry computes.
  auto checkAgainstFreshEntry = [&](const char* what, bool leftAlready) {
    SCOPED_TRACE(what);
    const Totals shown = TotalsOf(s, member);
    if (!leftAlready) d.PressKey(kKeyEscape);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(TotalsOf(s, member), shown);
    OpenMember(d, member);
    EXPECT_EQ(TotalsOf(s, member), shown);
    EXPECT_EQ(TotalsOf(s, member).maxHealth, fullHealth);
  };
  int x, y;
  DragPlace(d, kHelmetPlace, kHelmetPlace);
  checkAgainstFreshEntry("back onto its own slot", false);
  DragPlace(d, kHelmetPlace, kShieldCell);
  EXPECT_EQ(ItemsShown(d, member).itemSlots[kHelmetPlace], kHelmet);
  checkAgainstFreshEntry("onto a bag cell holding a shield", false);
  DragPlace(d, kHelmetPlace, kTorsoPlace);
  checkAgainstFreshEntry("onto the torso", false);
  PlaceCentre(kHelmetPlace, &x, &y);
  Drag(d, x, y, 300, 150);
  checkAgainstFreshEntry("onto no place", false);
  // The amulet lifted takes its health with it; back on, it raises the
  // total but not the current health.
  DragPlace(d, kAmuletPlace, kShieldCell);
  EXPECT_EQ(ItemsShown(d, member).itemSlots[kAmuletPlace], kAmulet);
  EXPECT_EQ(TotalsOf(s, member).health, kBaseHealth);
  checkAgainstFreshEntry("the amulet onto a bag cell holding a shield", false);

  // Swapped with the helmet in the bag: the other helmet counts now.
  DragPlace(d, kHelmetPlace, kHelmetCell);
  EXPECT_EQ(ItemsShown(d, member).itemSlots[kHelmetPlace], kOtherHelmet);
  EXPECT_EQ(TotalsOf(s, member).shield, kBaseShield + ItemCatalog::BonusOf(kOtherHelmet));
  checkAgainstFreshEntry("swapped with a helmet in the bag", false);

  // Escape in the very frame the amulet is pressed on.
  PlaceCentre(kAmuletPlace, &x, &y);
  d.MoveTo(x, y);
  PressWithEscape(d);
  checkAgainstFreshEntry("Escape in the frame of the lift", true);

  // Put down in an empty bag cell the amulet is taken off: the total falls.
  DragPlace(d, kAmuletPlace, kEmptyCell);
  EXPECT_EQ(ItemsShown(d, member).itemSlots[kEmptyCell], kAmulet);
  EXPECT_EQ(TotalsOf(s, member).maxHealth, kBaseHealth);
  EXPECT_EQ(TotalsOf(s, member).health, kBaseHealth);
}

TEST_F(EndToEnd, MemberScreensKeepTheTotalsOfAWornItemThatWasOnlyHeld) {
  PlayTotalsAfterEveryDrop(kPlayerMember);
  PlayTotalsAfterEveryDrop(0);
}

}  // namespace
