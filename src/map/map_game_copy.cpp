#include "map/map_game_copy.h"

#include <cstring>

#include "game/game_state.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"

namespace map_copy {

namespace {

// Where the record keeps the population's per-army tables besides
// enemyPresent, enemyX, enemyY, armyRoutePos and armyOnRoad.
constexpr int kArmyCellTable = 2;    // worldBlockC: enemyX, enemyY, enemyCell
constexpr int kArmyFacingTable = 0;  // worldBlockD: enemyFacing, enemyDone, enemyPlaced
constexpr int kArmyDoneTable = 1;
constexpr int kArmyPlacedTable = 2;

// The layout of MapSnapshot's byte runs.
// clang-format off
constexpr int kRoadEndedAt = 1;    // member3Rest: legReached, roadEnded[100], legCount, legPending[7]
constexpr int kLegCountAt = 101;
constexpr int kLegPendingAt = 102;
constexpr int kEncounterAt = 7;    // member5: legMeeting[7], fighterCode, legBuildStage, battleStarted,
                                   // moverFound, routeLength, arrivedX, arrivedY, recomputeDirection
// clang-format on

template <class T, size_t N>
void CopyArray(T (&to)[N], const T (&from)[N]) {
  std::memcpy(to, from, sizeof to);
}

// One field copied to its partner: a number converted to the field's type,
// an array byte for byte.
template <class To, class From>
void Assign(To& to, const From& from) {
  to = static_cast<To>(from);
}
template <class T, size_t N>
void Assign(T (&to)[N], const T (&from)[N]) {
  CopyArray(to, from);
}

// Copies each field of the map's object into its record field.
struct IntoRecord {
  template <class Mine, class Record>
  void operator()(const Mine& mine, Record& record) const {
    Assign(record, mine);
  }
};

// Copies each record field into its field of the map's object.
struct FromRecord {
  template <class Mine, class Record>
  void operator()(Mine& mine, const Record& record) const {
    Assign(mine, record);
  }
};

// The fields the map's object and the record hold alike and copy both
// ways: the places of the party, the heroes and the enemy armies and the
// map's pickups. pair(mine, record) is called for each, the object's field
// first.
template <class Encounters, class State, class Pair>
void PairPlaces(Encounters& e, State& s, Pair pair) {
  pair(e.playerCell, s.partyCell);
  pair(e.playerFacing, s.playerMapState);
  pair(e.playerStepsLeft, s.playerDayAllowance);
  for (int k = 0; k < kHeroCount; ++k) {
    pair(e.heroOnMap[k], s.heroPresent[k]);
    pair(e.heroCell[k], s.heroCell[k]);
    pair(e.heroFacing[k], s.heroMapState[k]);
    pair(e.heroStepsLeft[k], s.heroDayAllowance[k]);
  }
  pair(e.goldPilePresent, s.mapObjectFlagsA);
  pair(e.bagPresent, s.bagPresent);
  pair(e.chestPresent, s.chestPresent);
  for (int a = 0; a < kEnemyArmies; ++a) {
    pair(e.enemyPresent[a], s.enemyPresent[a]);
    pair(e.enemyX[a], s.worldBlockC[0][a]);
    pair(e.enemyY[a], s.worldBlockC[1][a]);
    pair(e.enemyCell[a], s.worldBlockC[kArmyCellTable][a]);
    pair(e.enemyFacing[a], s.worldBlockD[kArmyFacingTable][a]);
    pair(e.enemyDone[a], s.worldBlockD[kArmyDoneTable][a]);
    pair(e.enemyPlaced[a], s.worldBlockD[kArmyPlacedTable][a]);
    pair(e.routePos[a], s.armyRoutePos[a]);
    pair(e.armyOnRoad[a], s.armyOnRoad[a]);
    pair(e.enemyStepsLeft[a], s.worldBlockB[a]);
  }
}

// The gems and artifacts, paired the same way.
template <class Encounters, class State, class Pair>
void PairTreasures(Encounters& e, State& s, Pair pair) {
  pair(e.gemSlots, s.wealth.gemPicture);
  pair(e.gemOwned, s.wealth.gemOwned);
  pair(e.gemSlotOf, s.wealth.gemPicture2);
  pair(e.artifactSlots, s.wealth.artifactPicture);
  pair(e.artifactOwned, s.wealth.artifactOwned);
  pair(e.artifactSlotOf, s.wealth.artifactPicture2);
}

// One road: start x, y and cell as three words, the length as a byte, then
// the 50 cells, xs and ys as 150 words.
void StoreRoad(const MapRoad& r, int32_t* start3, uint8_t& length, int32_t* tables150) {
  start3[0] = r.startX;
  start3[1] = r.startY;
  start3[2] = int32_t(r.startCell);
  length = r.length;
  for (int i = 0; i < 50; ++i) {
    tables150[i] = int32_t(r.roadCell[i]);
    tables150[50 + i] = r.roadX[i];
    tables150[100 + i] = r.roadY[i];
  }
}

void RestoreRoad(MapRoad& r, const int32_t* start3, uint8_t length, const int32_t* tables150) {
  r.startX = start3[0];
  r.startY = start3[1];
  r.startCell = uint32_t(start3[2]);
  r.length = length <= 50 ? length : 50;
  for (int i = 0; i < 50; ++i) {
    r.roadCell[i] = uint32_t(tables150[i]);
    r.roadX[i] = tables150[50 + i];
    r.roadY[i] = tables150[100 + i];
  }
}

}  // namespace

void CopyIn(const GameState& s, MapEncounters& e, KingdomMap* view) {
  e.day = s.day;
  e.fame = s.fame;
  CopyArray(e.placeStates, s.placeState);
  e.towerClosed = s.placeState[10];
  e.playerAlive = MapEncounters::AliveFromHealth(s.playerStats[kStatHealth]);
  if (view) {
    CopyArray(view->placeStates, s.placeState);
    CopyArray(view->villageJoined, s.wealth.villageJoined);
    CopyArray(view->townOwned, s.wealth.townOwned);
  }
  e.portrait = s.playerPortrait;
  PairPlaces(e, s, FromRecord());
}

void CopyWealthAndArmies(const GameState& s, MapEncounters& e) {
  PairTreasures(e, s, FromRecord());
  for (int unit = 0; unit <= kHeroCount; ++unit) {
    const ArmyRecord& r = unit == 0 ? s.playerArmies : s.heroArmies[unit - 1];
    for (int slot = 0; slot < kArmySlots; ++slot) {
      e.unitArmySlots[unit][slot] = r.armyUsed[slot];
      e.unitArmySlots[unit][6 + slot] = r.armyPanelPlace[slot];
      e.unitArmySlots[unit][12 + slot] = r.armyKind[slot];
    }
  }
}

void BuildFromGame(MapEncounters& e, const GameState& s, KingdomMap* view) {
  CopyIn(s, e, view);
  e.FillStartTables();
  e.PlaceEnemyArmies();
  e.PlaceRoutes();
  e.FillCellCodes();
  CopyWealthAndArmies(s, e);
}

void StoreSnapshot(const MapEncounters& e, GameState& s, bool full) {
  MapSnapshot& m = s.mapSnapshot;
  m.member1[0] = e.movingArmy;
  m.member1[1] = e.armyFinished;
  m.member1[2] = e.routeIndex;
  m.member2[0] = e.moverX;
  m.member2[1] = e.moverY;
  m.member2[2] = e.legTargetX;
  m.member2[3] = e.legTargetY;
  m.member2[4] = int32_t(e.legEndCell);
  m.member3[0] = e.legReady;
  m.member3[1] = e.armyStepping;
  if (full) m.member3[2] = e.legHasMeeting;
  m.heroIndex = e.legWaypoint;
  m.member3Rest[0] = e.legReached;
  std::memcpy(m.member3Rest + kRoadEndedAt, e.roadEnded, 100);
  m.member3Rest[kLegCountAt] = e.legCount;
  std::memcpy(m.member3Rest + kLegPendingAt, e.legPending, 7);
  for (int i = 0; i < kRouteLength; ++i) {
    m.snapshotLegA[i] = 0;
    m.snapshotLegX[i] = e.legX[i];
    m.snapshotLegY[i] = e.legY[i];
  }
  std::memcpy(m.member5, e.legMeeting, 7);
  if (full) {
    m.member5[kEncounterAt] = e.fighterCode;
    m.member5[kEncounterAt + 1] = e.legBuildStage;
    m.member5[kEncounterAt + 2] = e.battleStarted;
  }
  m.member5[kEncounterAt + 3] = e.moverFound;
  m.member5[kEncounterAt + 4] = e.routeLength;
  m.member5[kEncounterAt + 5] = e.arrivedX;
  m.member5[kEncounterAt + 6] = e.arrivedY;
  m.member5[kEncounterAt + 7] = e.recomputeDirection;
  // Road A's start words, length and tables; road B's start words close
  // member8 and its tables are member10.
  StoreRoad(e.roadA, m.member6, m.member7, m.member8);
  int32_t roadB[150];
  StoreRoad(e.roadB, m.member8 + 150, m.member9, roadB);
  std::memcpy(m.member10, roadB, sizeof roadB);
}

void RestoreSnapshot(MapEncounters& e, const GameState& s) {
  const MapSnapshot& m = s.mapSnapshot;
  // An entry beyond the hundred armies (a damaged record) moves nobody.
  e.movingArmy = m.member1[0] < kEnemyArmies ? m.member1[0] : 0;
  e.armyFinished = m.member1[1];
  e.routeIndex = m.member1[2];
  e.moverX = m.member2[0];
  e.moverY = m.member2[1];
  e.legTargetX = m.member2[2];
  e.legTargetY = m.member2[3];
  e.legEndCell = uint32_t(m.member2[4]);
  e.legReady = m.member3[0];
  e.armyStepping = m.member3[1];
  e.legHasMeeting = m.member3[2];
  e.legWaypoint = m.heroIndex;
  e.legReached = m.member3Rest[0];
  std::memcpy(e.roadEnded, m.member3Rest + kRoadEndedAt, 100);
  e.legCount = m.member3Rest[kLegCountAt] <= 7 ? m.member3Rest[kLegCountAt] : 7;
  std::memcpy(e.legPending, m.member3Rest + kLegPendingAt, 7);
  for (int i = 0; i < kRouteLength; ++i) {
    e.legX[i] = m.snapshotLegX[i];
    e.legY[i] = m.snapshotLegY[i];
  }
  std::memcpy(e.legMeeting, m.member5, 7);
  e.fighterCode = m.member5[kEncounterAt];
  e.legBuildStage = m.member5[kEncounterAt + 1];
  e.battleStarted = 0;
  e.moverFound = m.member5[kEncounterAt + 3];
  e.routeLength = m.member5[kEncounterAt + 4];
  e.arrivedX = m.member5[kEncounterAt + 5];
  e.arrivedY = m.member5[kEncounterAt + 6];
  e.recomputeDirection = m.member5[kEncounterAt + 7];
  RestoreRoad(e.roadA, m.member6, m.member7, m.member8);
  RestoreRoad(e.roadB, m.member8 + 150, m.member9, m.member10);
}

void WriteBack(const MapEncounters& e, GameState& s) {
  PairTreasures(e, s, IntoRecord());
  PairPlaces(e, s, IntoRecord());
  s.exchangeLeft = e.exchangeLeft;
  s.exchangeRight = e.exchangeRight;
}

void StoreMessageState(const MapEncounters& e, GameState& s) {
  CopyArray(s.fameRewardGranted, e.fameRewardGranted);
  s.fameRewardsShown = e.fameRewardsShown;
  CopyArray(s.fameRewardRow, e.fameRewardRow);
  // The record's last map byte of block G keeps the hero to centre on.
  s.worldBlockGEnd = e.focusHero;
}

void RestoreMessageState(MapEncounters& e, const GameState& s) {
  CopyArray(e.fameRewardGranted, s.fameRewardGranted);
  e.fameRewardsShown = s.fameRewardsShown;
  CopyArray(e.fameRewardRow, s.fameRewardRow);
  e.focusHero = s.worldBlockGEnd <= kHeroCount ? s.worldBlockGEnd : 0;
}

void LoadPlayerBag(const GameState& s, MapEncounters& e) {
  CopyArray(e.itemHeld, s.playerItemHeld);
  CopyArray(e.itemSlot, s.playerItemSlot);
  std::memcpy(e.bagItems, s.playerItems, kBagCells);
}

void LoadHeroBag(const GameState& s, MapEncounters& e, uint8_t heroNumber) {
  if (heroNumber < 1 || heroNumber > kHeroCount) return;
  const ItemRecord& r = s.heroItems[heroNumber - 1];
  CopyArray(e.itemHeld, r.held);
  CopyArray(e.itemSlot, r.slot);
  std::memcpy(e.bagItems, r.items, kBagCells);
}

void StorePlayerBag(const MapEncounters& e, GameState& s) {
  CopyArray(s.playerItemHeld, e.itemHeld);
  CopyArray(s.playerItemSlot, e.itemSlot);
  std::memcpy(s.playerItems, e.bagItems, kBagCells);
}

void StoreHeroBag(const MapEncounters& e, GameState& s, uint8_t heroNumber) {
  if (heroNumber < 1 || heroNumber > kHeroCount) return;
  ItemRecord& r = s.heroItems[heroNumber - 1];
  CopyArray(r.held, e.itemHeld);
  CopyArray(r.slot, e.itemSlot);
  std::memcpy(r.items, e.bagItems, kBagCells);
}

}  // namespace map_copy
