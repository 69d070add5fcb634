#include "party/hero_strip.h"

#include <gtest/gtest.h>

#include "party/heroes_screen.h"
#include "party/member_armies.h"
#include "platform/input_device.h"

namespace {

TEST(HeroStrip, ScrollingStaysInsideTheTable) {
  HeroStrip strip;
  auto scroll = [&](StripScroll button) {
    strip.Scroll(button);
    strip.scrollArmed = 1;
  };
  scroll(kScrollBackOne);
  EXPECT_EQ(strip.firstPlace, 0);
  EXPECT_EQ(strip.stripOffset, 0);
  scroll(kScrollForwardOne);
  EXPECT_EQ(strip.firstPlace, 1);
  EXPECT_EQ(strip.stripOffset, -kStripCellSize);
  // Unarmed, a held press scrolls no further.
  strip.Scroll(kScrollForwardOne);
  strip.Scroll(kScrollForwardOne);
  EXPECT_EQ(strip.firstPlace, 2);
  for (int i = 0; i < 10; ++i) scroll(kScrollForwardPage);
  EXPECT_EQ(strip.firstPlace, kLastFirstPlace);
  scroll(kScrollForwardOne);
  EXPECT_EQ(strip.firstPlace, kLastFirstPlace);
  EXPECT_EQ(strip.stripOffset, -kLastFirstPlace * kStripCellSize);
  // The last cell shows the last place of the table.
  strip.PressCell(kStripCells);
  EXPECT_EQ(strip.selectedPlace, kStripPlaces);
  scroll(kScrollBackPage);
  EXPECT_EQ(strip.firstPlace, kLastFirstPlace - kStripPageStep);
  for (int i = 0; i < 10; ++i) scroll(kScrollBackPage);
  EXPECT_EQ(strip.firstPlace, 0);
  EXPECT_EQ(strip.stripOffset, 0);
  // The arrow keys need no arming and stop at the same ends.
  strip.scrollArmed = 0;
  strip.ScrollBy(-1);
  EXPECT_EQ(strip.stripOffset, 0);
  for (int i = 0; i < kStripPlaces; ++i) strip.ScrollBy(1);
  EXPECT_EQ(strip.firstPlace, kLastFirstPlace);
  EXPECT_EQ(strip.stripOffset, -kLastFirstPlace * kStripCellSize);
}

TEST(HeroesScreen, TopBarButtonsLeaveTheStripItsCells) {
  HeroesScreen screen;
  // Below the Back button the last strip cell takes the press.
  EXPECT_EQ(screen.ClickButtons(750, 35, true), 0);
  EXPECT_EQ(HeroStrip::CellAt(750, 35), kStripCells);
  EXPECT_EQ(screen.ClickButtons(750, 15, false), 1);
  EXPECT_EQ(screen.pressedId, kPlayerBack);
  // The Name button is there only with a hero shown.
  EXPECT_EQ(screen.ClickHeroButtons(500, 190, false), 0);
  EXPECT_EQ(screen.ClickHeroButtons(500, 190, true), 1);
  EXPECT_EQ(screen.heroPressed, kHeroName);
  // Count, once acted on, clears the chosen place; choosing one closes it.
  screen.heroPressed = kHeroNoButton;
  screen.strip.selectedPlace = 3;
  ASSERT_EQ(screen.ClickHeroButtons(650, 10, true), 1);
  InputDevice mouse;
  EXPECT_EQ(screen.ActOnHeroButton(mouse), kHeroCounter);  // cursor left it: at once
  EXPECT_EQ(screen.countShown, 1);
  EXPECT_EQ(screen.strip.selectedPlace, kNoStripPlace);
}

TEST(HeroStrip, HeroesArePlacedChosenAndSwitched) {
  HeroStrip strip;
  const uint8_t present[kHeroCount] = {1, 0, 1, 1};
  const uint8_t places[kHeroCount] = {3, 0, 0, 3};  // hero 3 claims hero 0's place
  strip.Load(present, places);
  EXPECT_EQ(strip.heroCount, 3);
  EXPECT_EQ(strip.HeroAt(3), 0);
  EXPECT_EQ(strip.HeroAt(1), 2);
  EXPECT_EQ(strip.HeroAt(2), 3);
  EXPECT_EQ(strip.HeroAt(kStripPlaces + 1), -1);

  strip.PressCell(strip.CellAt(150, 60));  // cell 2: place 2
  EXPECT_EQ(strip.selectedPlace, 2);
  strip.PressCell(2);
  EXPECT_EQ(strip.selectedPlace, kNoStripPlace);
  strip.PressCell(2);

  // Switch: hero 3 moves from place 2 to the empty place 6.
  strip.switchMode = kSwitchArmed;
  strip.CommitMark();
  EXPECT_EQ(strip.switchMode, kSwitchPicked);
  strip.PressCell(6);
  EXPECT_EQ(strip.HeroAt(6), 3);
  EXPECT_EQ(strip.HeroAt(2), -1);
  EXPECT_EQ(strip.heroPlace[3], 6);
  EXPECT_EQ(strip.heroX[3], 5 * kStripCellSize);
  EXPECT_EQ(strip.switchMode, kSwitchIdle);

  // Onto a held place the two heroes trade.
  strip.switchMode = kSwitchArmed;
  strip.CommitMark();
  strip.PressCell(3);
  EXPECT_EQ(strip.HeroAt(3), 3);
  EXPECT_EQ(strip.HeroAt(6), 0);
  EXPECT_EQ(strip.heroPlace[0], 6);
}

TEST(MemberArmies, DisbandRemovesTheArmyDrawnInTheChosenBox) {
  MemberArmies armies;
  // Slot 0 drawn in box 3, slot 2 drawn in box 1.
  armies.armyUsed[0] = armies.armyUsed[2] = 1;
  armies.armyCode[0] = 4;
  armies.armyCode[2] = 2;
  armies.armyPlace[0] = 2;
  armies.armyPlace[2] = 0;
  EXPECT_EQ(armies.BoxAt(300, 560), 3);
  EXPECT_EQ(armies.BoxAt(300, 499), kNoArmyBox);
  armies.Disband(3);
  EXPECT_EQ(armies.armyUsed[0], 0);
  EXPECT_EQ(armies.armyCode[0], 0);
  EXPECT_EQ(armies.armyUsed[2], 1);
  EXPECT_EQ(armies.armyCode[2], 2);
  armies.Disband(2);  // an empty box: nothing happens
  EXPECT_EQ(armies.armyUsed[2], 1);
  armies.Disband(1);
  EXPECT_EQ(armies.armyCode[2], 0);
}

}  // namespace
