// What the map screen copies between the game record and the map: the entry
// copy and the write-back, the map snapshot kept in the save image's layout,
// and the bags.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "game/cell_geometry.h"
#include "game/save_image.h"
#include "map/map_game_copy.h"
#include "test_map_encounters_util.h"

namespace {

// A population with an invading army half-way through a leg.
void MarchUnderWay(MapEncounters& e) {
  e.movingArmy = 81;
  e.armyFinished = 0;
  e.routeIndex = 5;
  e.moverX = -520;
  e.moverY = -960;
  e.legTargetX = -480;
  e.legTargetY = -880;
  e.legEndCell = 1234;
  e.legReady = 0;
  e.armyStepping = 1;
  e.legHasMeeting = 1;
  e.legWaypoint = 3;
  e.legReached = 0;
  e.roadEnded[82] = 1;
  e.legCount = 4;
  for (int i = 0; i < 7; ++i) {
    e.legPending[i] = uint8_t(i < 4);
    e.legX[i] = -520 + 40 * i;
    e.legY[i] = -960 + 40 * i;
    e.legMeeting[i] = uint8_t(i == 3);
  }
  e.fighterCode = 3;
  e.legBuildStage = 2;
  e.battleStarted = 1;
  e.moverFound = 1;
  e.routeLength = 17;
  e.arrivedX = 1;
  e.recomputeDirection = 1;
  e.roadA.startX = 2400;
  e.roadA.length = 9;
  e.roadA.roadX[8] = 1760;
  e.roadB.startCell = 777;
  e.roadB.length = 12;
  e.roadB.roadY[11] = -480;
}

void ExpectSameMarch(const MapEncounters& a, const MapEncounters& b) {
  EXPECT_EQ(a.movingArmy, b.movingArmy);
  EXPECT_EQ(a.routeIndex, b.routeIndex);
  EXPECT_EQ(a.moverX, b.moverX);
  EXPECT_EQ(a.moverY, b.moverY);
  EXPECT_EQ(a.legTargetX, b.legTargetX);
  EXPECT_EQ(a.legEndCell, b.legEndCell);
  EXPECT_EQ(a.armyStepping, b.armyStepping);
  EXPECT_EQ(a.legHasMeeting, b.legHasMeeting);
  EXPECT_EQ(a.legWaypoint, b.legWaypoint);
  EXPECT_EQ(a.roadEnded[82], b.roadEnded[82]);
  EXPECT_EQ(a.legCount, b.legCount);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(a.legPending[i], b.legPending[i]) << i;
    EXPECT_EQ(a.legX[i], b.legX[i]) << i;
    EXPECT_EQ(a.legY[i], b.legY[i]) << i;
    EXPECT_EQ(a.legMeeting[i], b.legMeeting[i]) << i;
  }
  EXPECT_EQ(a.fighterCode, b.fighterCode);
  EXPECT_EQ(a.legBuildStage, b.legBuildStage);
  EXPECT_EQ(a.routeLength, b.routeLength);
  EXPECT_EQ(a.arrivedX, b.arrivedX);
  EXPECT_EQ(a.recomputeDirection, b.recomputeDirection);
  EXPECT_EQ(a.roadA.startX, b.roadA.startX);
  EXPECT_EQ(a.roadA.length, b.roadA.length);
  EXPECT_EQ(a.roadA.roadX[8], b.roadA.roadX[8]);
  EXPECT_EQ(a.roadB.startCell, b.roadB.startCell);
  EXPECT_EQ(a.roadB.length, b.roadB.length);
  EXPECT_EQ(a.roadB.roadY[11], b.roadB.roadY[11]);
}

}  // namespace

TEST(MapGameCopy, SnapshotComesBackThroughTheSaveFile) {
  auto s = poptest::NewGame();
  auto e = std::make_unique<MapEncounters>();
  map_copy::BuildFromGame(*e, *s);
  MarchUnderWay(*e);
  map_copy::StoreSnapshot(*e, *s, true);

  // The snapshot is part of the save image: it survives a save and a load.
  SaveExtras extras;
  s->enemyPresent[81] = 1;  // the moving army is on the map, so the load keeps it
  std::vector<uint8_t> file = SaveFileBytes(*s, extras);
  auto loaded = std::make_unique<GameState>();
  ASSERT_EQ(ReadSaveFileBytes(*loaded, extras, file.data(), file.size()), 1);

  auto back = std::make_unique<MapEncounters>();
  map_copy::BuildFromGame(*back, *loaded);
  map_copy::RestoreSnapshot(*back, *loaded);
  ExpectSameMarch(*e, *back);
  EXPECT_EQ(back->battleStarted, 0) << "a battle is never started again by a restore";

  // The battle places the caught member from the same route: waypoint 3
  // walks from waypoint 1's point.
  loaded->relocationState = GameState::kRelocationPending;
  loaded->useFallbackCells = 0;
  loaded->RelocateAfterBattle(82, 1, 0);
  EXPECT_EQ(loaded->partyCell, cells::CellAt(e->legX[1], e->legY[1]));
}

TEST(MapGameCopy, WriteBackKeepsTheFourBattleBytes) {
  auto s = poptest::NewGame();
  MapEncounters e;
  map_copy::BuildFromGame(e, *s);
  MarchUnderWay(e);
  map_copy::StoreSnapshot(e, *s, true);
  e.fighterCode = 0;
  e.legBuildStage = 0;
  e.battleStarted = 0;
  e.legHasMeeting = 0;
  e.legWaypoint = 5;
  map_copy::StoreSnapshot(e, *s, false);

  MapEncounters back;
  map_copy::RestoreSnapshot(back, *s);
  EXPECT_EQ(back.fighterCode, 3);
  EXPECT_EQ(back.legBuildStage, 2);
  EXPECT_EQ(back.legHasMeeting, 1);
  EXPECT_EQ(back.legWaypoint, 5) << "the rest is written again";
}

TEST(MapGameCopy, DamagedSnapshotMovesNobody) {
  auto s = poptest::NewGame();
  s->mapSnapshot.member1[0] = 200;
  s->mapSnapshot.member3Rest[101] = 90;  // leg count
  MapEncounters e;
  map_copy::RestoreSnapshot(e, *s);
  EXPECT_EQ(e.movingArmy, 0);
  EXPECT_LE(e.legCount, 7);
}

TEST(MapGameCopy, EntryAndWriteBackAgree) {
  auto s = poptest::NewGame();
  MapEncounters e;
  map_copy::BuildFromGame(e, *s);
  EXPECT_NE(e.enemyX[0], 0) << "standing armies are laid out";

  // What a day on the map changes comes back on the next entry.
  e.playerCell = 1506;
  e.playerStepsLeft = 4;
  e.heroOnMap[1] = 1;
  e.heroCell[1] = 1600;
  e.goldPilePresent[0] = 0;
  e.enemyPresent[80] = 2;
  e.enemyX[80] = -880;
  e.enemyY[80] = 120;
  e.enemyCell[80] = cells::CellAt(-880, 120);
  e.enemyDone[80] = 1;
  e.enemyStepsLeft[80] = 2;
  e.routePos[80] = 6;
  e.armyOnRoad[80] = 1;
  e.exchangeLeft = 1;
  e.exchangeRight = 4;
  e.placeStates[3] = 9;
  e.fame = 77;
  map_copy::WriteBack(e, *s);
  EXPECT_EQ(s->placeState[3], 0) << "place states are not written back";
  EXPECT_EQ(s->fame, 0) << "nor is the fame";
  EXPECT_EQ(s->exchangeLeft, 1);
  EXPECT_EQ(s->exchangeRight, 4);

  MapEncounters back;
  map_copy::BuildFromGame(back, *s);
  EXPECT_EQ(back.playerCell, 1506u);
  EXPECT_EQ(back.playerStepsLeft, 4);
  EXPECT_EQ(back.heroCell[1], 1600u);
  EXPECT_EQ(back.goldPilePresent[0], 0);
  EXPECT_EQ(back.enemyX[80], -880) << "an army already on the map keeps its place";
  EXPECT_EQ(back.enemyY[80], 120);
  EXPECT_EQ(back.enemyDone[80], 1);
  EXPECT_EQ(back.enemyStepsLeft[80], 2);
  EXPECT_EQ(back.CodeAt(1506), 1) << "the player's cell code is laid";
}

TEST(MapGameCopy, HeroToCentreOnAcrossALeave) {
  auto s = poptest::NewGame();
  MapEncounters e;
  e.focusHero = 2;
  map_copy::StoreMessageState(e, *s);
  MapEncounters back;
  map_copy::RestoreMessageState(back, *s);
  EXPECT_EQ(back.focusHero, 2);
  s->worldBlockGEnd = 40;  // a damaged record names no hero
  map_copy::RestoreMessageState(back, *s);
  EXPECT_EQ(back.focusHero, 0);
}

TEST(MapGameCopy, AHerosBagGoesBackToHimAlone) {
  auto s = poptest::NewGame();
  s->heroItems[2].items[3] = 9;
  MapEncounters e;
  map_copy::LoadHeroBag(*s, e, 3);
  EXPECT_EQ(e.bagItems[3], 9);

  const uint8_t playerCell4 = s->playerItems[4];
  e.bagItems[4] = 12;
  e.itemSlot[11] = 4;
  map_copy::StoreHeroBag(e, *s, 3);
  EXPECT_EQ(s->heroItems[2].items[4], 12);
  EXPECT_EQ(s->heroItems[2].slot[11], 4);
  EXPECT_EQ(s->playerItems[4], playerCell4) << "the player's bag is not touched";

  // Hero numbers outside 1..10 touch nothing.
  map_copy::StoreHeroBag(e, *s, 0);
  map_copy::StoreHeroBag(e, *s, 11);
  map_copy::LoadHeroBag(*s, e, 11);
  EXPECT_EQ(e.bagItems[4], 12);
}
