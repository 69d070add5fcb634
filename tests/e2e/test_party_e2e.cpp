// The player screen played headless: opened from the map's control bar, an
// item worn by drag and drop, a dragged item that keeps the screen open,
// and the game record after leaving.
#include <cstring>
#include <string>

#include "app/game_app.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
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

}  // namespace
