// The wealth screen's total and the layout of what the game record owns.
#include <gtest/gtest.h>

#include <cstring>

#include "game/game_state.h"
#include "party/wealth_screen.h"

namespace {

constexpr uint8_t kOwned = 1;

// A fresh game's wealth: villages 1..8 and towns and mines 1..6 in order.
Wealth StartWealth() {
  Wealth w{};
  for (uint8_t i = 0; i < 8; ++i) w.villagePicture[i] = static_cast<uint8_t>(i + 1);
  for (uint8_t i = 0; i < 6; ++i) w.townPicture[i] = static_cast<uint8_t>(i + 1);
  return w;
}

}  // namespace

// Every owned flag counts, also those the screen has no picture for (an
// artifact past the 15th, a village past the 8th, towns-and-mines entries 7
// to 10), and the sum is the game's own score.
TEST(WealthScreen, TotalCountsEveryOwnedFlag) {
  GameState state;
  state.wealth = StartWealth();
  for (int i : {0, 5, 29}) state.wealth.gemOwned[i] = kOwned;
  for (int i : {2, 14, 20}) state.wealth.artifactOwned[i] = kOwned;
  for (int i : {0, 7, 9}) state.wealth.villageJoined[i] = kOwned;
  for (int i : {0, 5, 8}) state.wealth.townOwned[i] = kOwned;
  state.gold = 1234567;

  WealthScreen screen;
  screen.Init();
  screen.CopyFrom(state.wealth, static_cast<uint32_t>(state.gold));
  screen.ComputeTotal();
  EXPECT_EQ(screen.total,
            3 * kGemPoints + 3 * kArtifactPoints + 3 * kVillagePoints + 3 * kTownPoints);
  state.ComputeScore();
  EXPECT_EQ(screen.total, state.score);
  EXPECT_EQ(screen.gold, 1234567u);

  // The snapshot is the screen's own: a later change of the record is not seen.
  state.wealth.gemOwned[1] = kOwned;
  screen.ComputeTotal();
  EXPECT_EQ(screen.total, state.score);
}

// Places put their items where the place stands; at a game's start the
// villages stand 96 px apart from x 20 and the towns and mines 120 px apart
// from x 70. An owned item in no place gets no position.
TEST(WealthScreen, LayOutPutsItemsAtTheirPlaces) {
  Wealth w = StartWealth();
  w.gemPicture[3] = 7;     // first row, fourth place
  w.gemPicture[20] = 1;    // second row, sixth place
  w.gemOwned[9] = kOwned;  // in no place
  w.artifactPicture[14] = 2;

  WealthScreen screen;
  screen.CopyFrom(w, 0);
  screen.LayOut();
  EXPECT_EQ(screen.gemX[6], 18 + 52 * 3);
  EXPECT_EQ(screen.gemY[6], 50);
  EXPECT_EQ(screen.gemX[0], 18 + 52 * 5);
  EXPECT_EQ(screen.gemY[0], 90);
  EXPECT_EQ(screen.gemX[9], kWealthUnplaced);
  EXPECT_EQ(screen.artifactX[1], 18 + 52 * 14);
  EXPECT_EQ(screen.artifactY[1], 190);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(screen.villageX[i], 20 + 96 * i);
    EXPECT_EQ(screen.villageY[i], 315);
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(screen.townX[i], 70 + 120 * i);
    EXPECT_EQ(screen.townY[i], 440);
  }
}

// Place entries from a damaged or edited record that name no item are passed
// over: nothing is written outside the position arrays, and the good entries
// still lay out.
TEST(WealthScreen, OutOfRangePlaceEntriesAreSkipped) {
  Wealth w = StartWealth();
  std::memset(w.gemPicture, 255, sizeof w.gemPicture);
  w.gemPicture[0] = 31;
  w.gemPicture[1] = 30;  // the last gem: fine
  std::memset(w.artifactPicture, 200, sizeof w.artifactPicture);
  w.villagePicture[0] = 11;
  w.villagePicture[1] = 250;
  w.townPicture[0] = 11;
  w.townPicture[9] = 255;

  WealthScreen screen;
  screen.CopyFrom(w, 0);
  screen.LayOut();
  EXPECT_EQ(screen.gemX[29], 18 + 52);
  for (int i = 0; i < 29; ++i) EXPECT_EQ(screen.gemX[i], kWealthUnplaced) << i;
  for (int i = 0; i < 30; ++i) EXPECT_EQ(screen.artifactX[i], kWealthUnplaced) << i;
  EXPECT_EQ(screen.villageX[2], 20 + 96 * 2);  // village 3 at the third place
  EXPECT_EQ(screen.villageX[0], kWealthUnplaced);
  EXPECT_EQ(screen.townX[1], 70 + 120);
  EXPECT_EQ(screen.townX[0], kWealthUnplaced);
  EXPECT_EQ(screen.backLook, 0);  // the fields after the arrays are untouched
  EXPECT_EQ(screen.pressedId, 0);
}
