// Placing joining heroes and the enemy armies, the roads, the legs of a
// march and the search for a defender (the whole turn: test_invasion_turn.cpp).

#include <gtest/gtest.h>

#include "game/cell_geometry.h"
#include "test_map_encounters_util.h"

TEST(MapEncountersPlacing, JoiningHeroFindsAFreeCell) {
  MapEncounters e;
  e.playerCell = 978;
  e.heroPlacePending = 1;
  e.heroToPlace = 1;
  e.FindFreeCell();
  EXPECT_EQ(e.heroPlacePending, 0);
  EXPECT_EQ(e.heroCell[1], 977u);
  EXPECT_EQ(e.heroX[1], 240);
  EXPECT_EQ(e.heroY[1], 160);

  MapEncounters f;
  f.heroCell[1] = 3658;
  f.heroCell[3] = 977;
  f.heroPlacePending = 1;
  f.heroToPlace = 2;
  f.FindFreeCell();
  EXPECT_EQ(f.heroCell[2], 979u);
  EXPECT_EQ(f.heroX[2], 320);
  EXPECT_EQ(f.heroY[2], 160);

  // Each hero's candidates in order: every placement takes the first free
  // one; once all eleven are taken the hero stays where it was.
  struct Spot {
    uint32_t cell;
    int32_t x, y;
  };
  struct List {
    uint8_t hero;
    Spot spot[11];
  };
  const List lists[] = {
      {1,
       {{978, 280, 160},
        {977, 240, 160},
        {979, 320, 160},
        {976, 200, 160},
        {975, 160, 160},
        {980, 360, 160},
        {1025, 160, 200},
        {1026, 200, 200},
        {1027, 240, 200},
        {1028, 280, 200},
        {1029, 320, 200}}},
      {2,
       {{3658, 1880, 160},
        {977, 240, 160},
        {979, 320, 160},
        {976, 200, 160},
        {975, 160, 160},
        {980, 360, 160},
        {1025, 160, 200},
        {1026, 200, 200},
        {1027, 240, 200},
        {1028, 280, 200},
        {1029, 320, 200}}},
      {3,
       {{8960, -1440, 1640},
        {8961, -1400, 1640},
        {8962, -1360, 1640},
        {8963, -1320, 1640},
        {8964, -1280, 1640},
        {8965, -1240, 1640},
        {8966, -1200, 1640},
        {8967, -1160, 1640},
        {8968, -1120, 1640},
        {8969, -1080, 1640},
        {8970, -1040, 1640}}},
      {4,
       {{8870, -1040, 1480},
        {8871, -1000, 1480},
        {8872, -960, 1480},
        {8873, -920, 1480},
        {8874, -880, 1480},
        {8875, -840, 1480},
        {8894, -1080, 1520},
        {8895, -1040, 1520},
        {8896, -1000, 1520},
        {8897, -960, 1520},
        {8898, -920, 1520}}},
      {6,
       {{8293, 880, 1560},
        {8294, 920, 1560},
        {8295, 960, 1560},
        {8296, 1000, 1560},
        {8297, 1040, 1560},
        {8298, 1080, 1560},
        {8299, 1120, 1560},
        {8300, 1160, 1560},
        {8341, 800, 1600},
        {8342, 840, 1600},
        {8343, 880, 1600}}},
      {8,
       {{8563, -320, 1800},
        {8564, -280, 1800},
        {8565, -240, 1800},
        {8566, -200, 1800},
        {8567, -160, 1800},
        {8610, -440, 1840},
        {8611, -400, 1840},
        {8612, -360, 1840},
        {8613, -320, 1840},
        {8615, -240, 1840},
        {8713, -320, 1920}}},
      {9,
       {{4615, 1760, 800},
        {4616, 1800, 800},
        {4617, 1840, 800},
        {4618, 1880, 800},
        {8567, -160, 1800},
        {8610, -440, 1840},
        {8611, -400, 1840},
        {8612, -360, 1840},
        {8613, -320, 1840},
        {8615, -240, 1840},
        {8713, -320, 1920}}},
  };
  for (const List& list : lists) {
    MapEncounters h;
    // The player and the nine other heroes hold the candidates already used.
    int holders[10];
    holders[0] = -1;
    for (int k = 0, n = 1; k < 10; ++k)
      if (k != list.hero) holders[n++] = k;
    for (int i = 0; i < 11; ++i) {
      h.heroPlacePending = 1;
      h.heroToPlace = list.hero;
      h.FindFreeCell();
      ASSERT_EQ(h.heroPlacePending, 0) << int(list.hero) << " " << i;
      EXPECT_EQ(h.heroCell[list.hero], list.spot[i].cell) << int(list.hero) << " " << i;
      EXPECT_EQ(h.heroX[list.hero], list.spot[i].x) << int(list.hero) << " " << i;
      EXPECT_EQ(h.heroY[list.hero], list.spot[i].y) << int(list.hero) << " " << i;
      if (i < 10) {
        if (holders[i] < 0) h.playerCell = list.spot[i].cell;
        else h.heroCell[holders[i]] = list.spot[i].cell;
      }
    }
    h.heroPlacePending = 1;
    h.FindFreeCell();
    EXPECT_EQ(h.heroPlacePending, 1);
    EXPECT_EQ(h.heroCell[list.hero], list.spot[10].cell);
  }
  // A hero without a list is not placed.
  MapEncounters k;
  k.heroPlacePending = 1;
  k.heroToPlace = 5;
  k.FindFreeCell();
  EXPECT_EQ(k.heroPlacePending, 1);
  EXPECT_EQ(k.heroCell[5], 0u);
}

TEST(MapEncountersPlacing, ArmiesAndRoads) {
  MapEncounters e;
  poptest::BuildNewGame(e);
  EXPECT_EQ(e.enemyX[7], -200);
  EXPECT_EQ(e.enemyY[7], 760);
  EXPECT_EQ(e.enemyKind[7], 3);

  // A march begins: the army gets its arrival cell once.
  e.enemyPresent[80] = 1;
  e.enemyPresent[84] = 1;
  e.PlaceEnemyArmies();
  EXPECT_EQ(e.enemyPresent[80], 2);
  EXPECT_EQ(e.enemyCell[80], 9596u);
  EXPECT_EQ(e.enemyX[80], -1000);
  EXPECT_EQ(e.enemyY[80], 40);
  EXPECT_EQ(e.enemyFacing[80], 4);
  EXPECT_EQ(e.enemyPlaced[80], 1);
  EXPECT_EQ(e.enemyKind[80], 7);
  e.enemyX[80] = -960;  // it has moved on
  e.PlaceEnemyArmies();
  EXPECT_EQ(e.enemyX[80], -960);
  EXPECT_EQ(e.enemyKind[7], 3);

  // Army 84 writes roadA after army 80.
  e.PlaceRoutes();
  EXPECT_EQ(e.roadA.length, 2);
  EXPECT_EQ(e.roadA.startCell, 158u);
  EXPECT_EQ(e.armyOnRoad[84], 1);
  EXPECT_EQ(e.armyOnRoad[80], 0);
  e.enemyPresent[84] = 0;
  e.PlaceRoutes();
  EXPECT_EQ(e.roadA.length, 31);
  EXPECT_EQ(e.roadA.roadCell[2], 9650u);
  EXPECT_EQ(e.roadA.roadX[31], 320);  // beyond the length
  EXPECT_EQ(e.roadA.roadCell[31], 929u);

  // Every road point lies in its cell.
  for (int a : {80, 81, 82, 89, 90}) {
    MapEncounters r;
    r.enemyPresent[a] = 1;
    r.PlaceRoutes();
    const MapRoad& road = a == 81 ? r.roadB : r.roadA;
    EXPECT_EQ(cells::CellAt(road.startX, road.startY), road.startCell) << a;
    for (int i = 0; i < road.length; ++i)
      EXPECT_EQ(cells::CellAt(road.roadX[i], road.roadY[i]), road.roadCell[i])
          << a << " point " << i;
  }

  // The choice of the next army.
  MapEncounters s;
  s.enemyPresent[80] = 2;
  s.enemyPresent[83] = 2;
  s.enemyDone[80] = 1;
  s.enemyX[83] = 1600;
  s.enemyY[83] = -800;
  s.SelectNextMover();
  EXPECT_EQ(s.movingArmy, 83);
  EXPECT_EQ(s.moverFound, 1);
  EXPECT_EQ(s.moverX, 1600);
  EXPECT_EQ(s.moverY, -800);
  s.enemyDone[83] = 1;
  s.SelectNextMover();
  EXPECT_EQ(s.marchPhase, MapEncounters::kSettle);
  EXPECT_EQ(s.moverFound, 0);

  // Army 81 aims one cell down at its road.
  MapEncounters t;
  t.enemyPresent[81] = 1;
  t.PlaceEnemyArmies();
  t.PlaceRoutes();
  t.movingArmy = 81;
  t.moverX = -520;
  t.moverY = -1000;
  t.AimAtRouteStart();
  EXPECT_EQ(t.moveDown, 1);
  EXPECT_EQ(t.moveUp + t.moveLeft + t.moveRight, 0);
  EXPECT_EQ(t.legTargetY, -960);
}

TEST(MapEncountersMarch, LegsTowardsTheRoad) {
  MapEncounters e;
  e.movingArmy = 85;
  e.enemyPresent[85] = 2;
  e.moverX = 0;
  e.moverY = 400;
  // Three right and five up with four steps.
  e.moveRight = 3;
  e.moveUp = 5;
  e.BuildRoute();
  ASSERT_EQ(e.legCount, 4);
  const int32_t xs[4] = {40, 80, 120, 120}, ys[4] = {360, 320, 280, 240};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(e.legX[i], xs[i]);
    EXPECT_EQ(e.legY[i], ys[i]);
    EXPECT_EQ(e.legPending[i], 1);
  }
  EXPECT_EQ(e.enemyStepsLeft[85], 0);
  EXPECT_EQ(e.legReady, 1);
  EXPECT_EQ(e.legStartX, 0);

  // Two cells left: the leg is complete after the second waypoint.
  MapEncounters f;
  f.movingArmy = 85;
  f.moverX = 400;
  f.moverY = 0;
  f.moveLeft = 2;
  f.BuildRoute();
  EXPECT_EQ(f.legCount, 2);
  EXPECT_EQ(f.legBuildStage, 0);
  EXPECT_EQ(f.enemyStepsLeft[85], 2);

  // More than seven cells with nine steps: seven waypoints, two steps left.
  MapEncounters g;
  g.movingArmy = 90;
  g.enemyStepsLeft[90] = 9;
  g.moveDown = 12;
  g.BuildRoute();
  EXPECT_EQ(g.legCount, 7);
  EXPECT_EQ(g.enemyStepsLeft[90], 2);

  // Meetings: the player and hero 3 on one waypoint give hero 3.
  MapEncounters m;
  m.movingArmy = 86;
  m.moveRight = 4;
  m.playerAlive = 1;
  m.playerX = 80;
  m.heroOnMap[3] = 1;
  m.heroX[3] = 80;
  m.BuildRoute();
  EXPECT_EQ(m.legCount, 2);
  EXPECT_EQ(m.fighterCode, 5);
  EXPECT_EQ(m.legMeeting[1], 1);
  EXPECT_EQ(m.legHasMeeting, 1);
  EXPECT_EQ(m.enemyStepsLeft[86], 2);
  // Heroes 2 and 6 on one waypoint: the higher one.
  MapEncounters n;
  n.movingArmy = 86;
  n.moveRight = 4;
  n.heroOnMap[2] = n.heroOnMap[6] = 1;
  n.heroX[2] = n.heroX[6] = 40;
  n.BuildRoute();
  EXPECT_EQ(n.fighterCode, 8);
  EXPECT_EQ(n.legCount, 1);
  // A player at 0 health is no target here.
  MapEncounters d;
  d.movingArmy = 86;
  d.moveRight = 4;
  d.playerAlive = MapEncounters::AliveFromHealth(0);
  d.playerX = 40;
  d.BuildRoute();
  EXPECT_EQ(d.legHasMeeting, 0);
  EXPECT_EQ(d.legCount, 4);
  // ... while a player whose health word is 256 is.
  MapEncounters q;
  q.movingArmy = 86;
  q.moveRight = 4;
  q.playerAlive = MapEncounters::AliveFromHealth(256);
  q.playerX = 40;
  q.BuildRoute();
  EXPECT_EQ(q.fighterCode, 1);
}

TEST(MapEncountersMarch, LegsAlongTheRoad) {
  MapEncounters e;
  e.enemyPresent[82] = 2;
  e.PlaceRoutes();
  e.movingArmy = 82;
  e.armyOnRoad[82] = 1;
  e.routePos[82] = 10;
  e.AdvanceOnRoute();
  EXPECT_EQ(e.legCount, 3);  // points 10, 11, 12
  EXPECT_EQ(e.legX[0], 1960);
  EXPECT_EQ(e.legX[2], 1880);
  EXPECT_EQ(e.legY[2], -280);
  EXPECT_EQ(e.roadEnded[82], 1);
  EXPECT_EQ(e.routePos[82], 13);
  EXPECT_EQ(e.enemyStepsLeft[82], 1);
  EXPECT_EQ(e.legReady, 1);
  // The next day the army is done at once.
  e.enemyStepsLeft[82] = 4;
  e.legReady = 0;
  e.AdvanceOnRoute();
  EXPECT_EQ(e.enemyDone[82], 1);
  EXPECT_EQ(e.legCount, 0);
  EXPECT_EQ(e.legReady, 0);
}

TEST(MapEncountersMarch, SteeringAlongALeg) {
  MapEncounters e;
  e.movingArmy = 85;
  e.enemyPresent[85] = 2;
  e.enemyX[85] = 0;
  e.enemyY[85] = 400;
  e.enemyCell[85] = cells::CellAt(0, 400);
  e.SetCode(e.enemyCell[85], 85 + 80);
  e.moverX = 0;
  e.moverY = 400;
  e.moveRight = 1;
  e.BuildRoute();
  ASSERT_EQ(e.legCount, 1);
  // Seven pixels a frame: on the waypoint after six calls, reached in the seventh.
  for (int call = 1; call <= 6; ++call) {
    e.SteerMover(7);
    EXPECT_EQ(e.legReached, 0) << call;
  }
  EXPECT_EQ(e.enemyX[85], 40);
  EXPECT_EQ(e.enemyFacing[85], 2);
  e.SteerMover(0);  // no movement needed: the arrival is seen
  EXPECT_EQ(e.legReached, 1);
  EXPECT_EQ(e.legWaypoint, 1);
  // The leg ends in the next call: steps are left, so another leg follows.
  e.SteerMover(7);
  EXPECT_EQ(e.marchPhase, MapEncounters::kPlanLeg);
  EXPECT_EQ(e.armyStepping, 0);
  EXPECT_EQ(e.enemyCell[85], cells::CellAt(40, 400));
  EXPECT_EQ(e.CodeAt(cells::CellAt(0, 400)), 0);
  EXPECT_EQ(e.CodeAt(cells::CellAt(40, 400)), 165);
  EXPECT_EQ(e.legEndCell, 0u);
  EXPECT_EQ(e.legX[0], 0);

  // A leg without waypoints (no steps left) ends as a finished leg.
  MapEncounters z;
  z.movingArmy = 88;
  z.enemyPresent[88] = 2;
  z.enemyX[88] = 1800;
  z.enemyY[88] = 680;
  z.enemyCell[88] = 4436;
  z.enemyStepsLeft[88] = 0;
  z.moveLeft = 1;
  z.BuildRoute();
  EXPECT_EQ(z.legCount, 0);
  EXPECT_EQ(z.legReady, 1);
  int calls = 0;
  while (z.marchPhase != MapEncounters::kChooseArmy && calls < 10) {
    z.SteerMover(7);
    ++calls;
  }
  EXPECT_EQ(z.marchPhase, MapEncounters::kChooseArmy);
  EXPECT_EQ(z.enemyDone[88], 1);
  EXPECT_EQ(z.armyFinished, 1);
  EXPECT_EQ(z.armyStepping, 0);
  EXPECT_EQ(z.enemyCell[88], 4436u);
  EXPECT_EQ(z.CodeAt(4436), 168);

  // A leg restored with a count beyond its seven waypoints: the walk never
  // looks past the seventh, and the leg ends there.
  MapEncounters r;
  r.movingArmy = 83;
  r.enemyPresent[83] = 2;
  r.enemyX[83] = 1600;
  r.enemyY[83] = 0;
  r.legY[0] = 1600;
  r.fighterCode = 2;
  r.armyStepping = 1;
  r.legCount = 200;
  r.legWaypoint = 7;
  calls = 0;
  while (r.armyStepping && calls < 10) {
    r.SteerMover(7);
    ++calls;
  }
  EXPECT_EQ(r.armyStepping, 0);
  EXPECT_EQ(r.battleStarted, 0);
  EXPECT_EQ(r.fighterCode, 2);
  EXPECT_EQ(r.legY[0], 0);  // the leg's waypoints are cleared at its end
  EXPECT_EQ(r.marchPhase, MapEncounters::kPlanLeg);
  EXPECT_EQ(r.enemyCell[83], cells::CellAt(1600, 0));
}

TEST(MapEncountersMarch, FindingADefender) {
  MapEncounters e;
  e.FillStartTables();
  e.movingArmy = 88;
  e.enemyPresent[88] = 2;
  e.heroCell[5] = e.castleCell[2];
  e.FindDefender();
  EXPECT_EQ(e.battleStarted, 1);
  EXPECT_EQ(e.fighterCode, 7);
  EXPECT_EQ(e.raidSearchPos, 2);
  EXPECT_EQ(e.enemyIndex, 88);
  EXPECT_EQ(e.siegeBattle, 0);

  // Each search starts from the first cell, whatever an earlier one left.
  MapEncounters f;
  f.FillStartTables();
  f.movingArmy = 80;
  f.enemyPresent[80] = 2;
  f.raidSearchPos = 6;
  f.playerCell = f.palaceCell[3];  // the first cell searched for the palace
  f.FindDefender();
  EXPECT_EQ(f.battleStarted, 1);
  EXPECT_EQ(f.fighterCode, 1);
  EXPECT_EQ(f.raidSearchPos, 0);
  // The tower's one cell is searched too.
  MapEncounters t;
  t.FillStartTables();
  t.movingArmy = 87;
  t.enemyPresent[87] = 2;
  t.raidSearchPos = 3;
  t.heroCell[0] = 4502;
  t.FindDefender();
  EXPECT_EQ(t.battleStarted, 1);
  EXPECT_EQ(t.fighterCode, 2);

  // No defender: the search position names the list's length.
  const int lengths[4][2] = {{89, 6}, {81, 3}, {87, 1}, {92, 22}};
  for (const auto& l : lengths) {
    MapEncounters n;
    n.FillStartTables();
    n.movingArmy = uint8_t(l[0]);
    n.enemyPresent[l[0]] = 2;
    n.FindDefender();
    EXPECT_EQ(n.battleStarted, 0) << l[0];
    EXPECT_EQ(n.raidSearchPos, l[1]) << l[0];
    EXPECT_EQ(n.siegeBattle, 0) << l[0];
  }
  // A siege for the castle's last three armies and the palace's second.
  MapEncounters s;
  s.FillStartTables();
  s.movingArmy = 91;
  s.enemyPresent[91] = 2;
  s.playerCell = s.castleCell[21];
  s.FindDefender();
  EXPECT_EQ(s.siegeBattle, 1);
  EXPECT_EQ(s.raidSearchPos, 21);

  // A raiding army that is gone: no battle even with a defender there.
  MapEncounters g;
  g.FillStartTables();
  g.movingArmy = 84;
  g.playerCell = g.villageCell[18];
  g.FindDefender();
  EXPECT_EQ(g.battleStarted, 0);
  EXPECT_EQ(g.fighterCode, 0);
  EXPECT_EQ(g.marchPhase, MapEncounters::kArmyGone);
  EXPECT_EQ(g.raidSearchPos, 3);

  // Armies without a raid change nothing.
  MapEncounters o;
  o.movingArmy = 95;
  o.enemyPresent[95] = 2;
  o.playerCell = 5;
  o.FindDefender();
  EXPECT_EQ(o.battleStarted, 0);
  EXPECT_EQ(o.raidSearchPos, 0);
}
