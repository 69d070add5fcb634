// MapEncounters: the cell under a point, the blocked mark of a click, the
// frame-by-frame walk of the player or a hero, and what happens where a walk
// ends (entering places, taking treasure, storing the find).

#include <cstdint>

#include "game/cell_geometry.h"
#include "map/map_encounters.h"
#include "map/map_moves.h"

namespace {

using map_moves::FacingOf;
using map_moves::MoveTowards;

// Gold and gem of the bags 0..15.
const uint32_t kBagGold[16] = {20,  30,  36, 45,  48,  142, 168, 45,
                               126, 139, 96, 150, 200, 170, 120, 134};
const uint8_t kBagGem[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 19};

const uint32_t kGoldPileGold[20] = {50,  45,  64,  75,  98,  100, 200, 123, 82,  1000,
                                    111, 200, 800, 800, 400, 135, 57,  88,  600, 500};

constexpr int kNone = -1;

struct ChestFind {
  uint32_t gold;
  int gem;       // kNone: no gem
  int artifact;  // kNone: no artifact
  uint8_t item;  // item number
};

// Chests 0..24 (met codes 52..76).
const ChestFind kChestFinds[25] = {
    {80, 15, 0, 1},        {50, 16, 1, 56},       {100, 17, 2, 48},      {120, 18, kNone, 49},
    {150, kNone, 3, 80},   {150, kNone, 4, 115},  {200, kNone, 5, 103},  {210, kNone, 6, 81},
    {150, kNone, 7, 222},  {250, kNone, 8, 64},   {250, 20, 9, 113},     {250, 21, kNone, 66},
    {200, 22, kNone, 65},  {250, 23, kNone, 242}, {250, 24, kNone, 105}, {250, 25, kNone, 57},
    {250, 26, kNone, 220}, {250, 27, kNone, 240}, {250, kNone, 10, 75},  {250, kNone, 11, 112},
    {250, 28, kNone, 122}, {400, kNone, 12, 223}, {400, kNone, 13, 235}, {500, kNone, 14, 61},
    {500, 29, kNone, 84},
};

// The items of the chests left behind (chests 25..49, met codes 77..101).
const uint8_t kLeftChestItems[25] = {1,   56,  48, 49,  80,  115, 103, 68,  222, 64,  113, 66, 65,
                                     242, 105, 57, 220, 240, 75,  112, 122, 223, 235, 61,  84};

// A find's gold never takes the party's gold past its 32-bit limit.
void AddFoundGold(int32_t& gold, uint32_t found) {
  const int64_t sum = int64_t(gold) + int64_t(found);
  gold = sum > INT32_MAX ? INT32_MAX : int32_t(sum);
}

}  // namespace

void MapEncounters::ClearMoveFlags() { moveRight = moveLeft = moveUp = moveDown = 0; }

void MapEncounters::ClearWaypoints() {
  for (int i = 0; i < 10; ++i) {
    waypointActive[i] = 0;
    waypointX[i] = 0;
    waypointY[i] = 0;
  }
}

void MapEncounters::CountCellsTo(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  ClearMoveFlags();
  if (fromX < toX) moveRight = uint8_t((toX - fromX) / 40);
  if (fromX > toX) moveLeft = uint8_t((fromX - toX) / 40);
  if (fromY > toY) moveUp = uint8_t((fromY - toY) / 40);
  if (fromY < toY) moveDown = uint8_t((toY - fromY) / 40);
}

void MapEncounters::StepTowardsTarget(int32_t x, int32_t y, int32_t& nx, int32_t& ny) {
  nx = x;
  ny = y;
  if (moveRight) {
    --moveRight;
    nx = x + 40;
  } else if (moveLeft) {
    --moveLeft;
    nx = x - 40;
  }
  if (moveUp) {
    --moveUp;
    ny = y - 40;
  } else if (moveDown) {
    --moveDown;
    ny = y + 40;
  }
}

void MapEncounters::MeetOnLeg(int n, int32_t x, int32_t y) {
  auto meet = [&](uint8_t code) {
    legBuildStage = 0;
    legReady = 1;
    legWaypoint = 0;
    legHasMeeting = 1;
    fighterCode = code;
    legMeeting[n] = 1;
  };
  if (playerAlive && playerX == x && playerY == y) meet(1);
  for (int k = 0; k < 10; ++k)
    if (heroOnMap[k] && heroX[k] == x && heroY[k] == y) meet(uint8_t(k + 2));
}

void MapEncounters::CellAtPoint() {
  uint32_t cell = cells::CellAt(pointX, pointY);
  if (cell != 0) targetCell = cell;
}

void MapEncounters::BeginStep() {
  beginStepPending = 0;
  auto markAtPoint = [this] {
    blockedMarkShown = 1;
    blockedMarkX = pointX;
    blockedMarkY = pointY;
  };
  auto memberOn = [this](uint32_t cell) {
    uint8_t code = CodeAt(cell);
    return code >= 1 && code <= 11;
  };

  if (playerSelected && targetCell != 0) {
    if (memberOn(targetCell)) {
      markAtPoint();
      if (walkMarkX == pointX && walkMarkY == pointY) blockedMarkShown = 0;
    }
    if (playerCell == targetCell) blockedMarkShown = 0;
    if (blockedMarkShown) playerWalkState = kWalkIdle;
    for (int k = 0; k < 6; ++k) {
      if (heroOnMap[k] && heroX[k] == pointX && heroY[k] == pointY) {
        markAtPoint();
        blockedKind = 1;
      }
    }
  }

  if (selectedHero >= 1 && selectedHero <= 10 && targetCell != 0) {
    int h = selectedHero - 1;
    if (memberOn(targetCell)) markAtPoint();
    if (walkMarkX == blockedMarkX && walkMarkY == blockedMarkY) blockedMarkShown = 0;
    if (heroCell[h] == targetCell) blockedMarkShown = 0;
    if (blockedMarkShown) heroWalkReady = 0;
    if (pointX == playerX && pointY == playerY) {
      markAtPoint();
      blockedKind = 2;
    }
    for (int k = 0; k < 6; ++k) {
      if (heroOnMap[k] && heroX[k] == pointX && heroY[k] == pointY) {
        markAtPoint();
        blockedKind = 3;
      }
    }
    if (heroX[h] == pointX && heroY[h] == pointY) {
      blockedMarkShown = 0;
      blockedKind = 0;
    }
  }

  if (blockedKind != 0) {
    blockedKind = 0;
    markAtPoint();
  }
}

void MapEncounters::SettleStep(uint8_t speed) {
  // Direction flags towards the current waypoint; returns the new facing or
  // -1 to keep it.
  auto directions = [this](int32_t x, int32_t y) {
    recomputeDirection = 0;
    walkEnded = 1;
    ClearMoveFlags();
    if (waypointIndex < waypointCount && waypointIndex < 10) {
      int w = waypointIndex;
      if (x < waypointX[w]) moveRight = 1;
      if (x > waypointX[w]) moveLeft = 1;
      if (y < waypointY[w]) moveDown = 1;
      if (y > waypointY[w]) moveUp = 1;
      if (moveRight || moveLeft || moveUp || moveDown) walkEnded = 0;
    }
    return FacingOf(moveRight, moveLeft, moveUp, moveDown);
  };
  auto move = [this, speed](int32_t& x, int32_t& y) {
    int w = waypointIndex;
    if (w >= 10) return;
    if (x == waypointX[w]) arrivedX = 1;
    if (y == waypointY[w]) arrivedY = 1;
    MoveTowards(x, y, waypointX[w], waypointY[w], speed, arrivedX, arrivedY, moveRight, moveLeft,
                moveUp, moveDown);
    if (arrivedX && arrivedY) {
      waypointActive[w] = 0;
      arrivedX = 0;
      waypointIndex += 1;
      waypointReached = 1;
      arrivedY = 0;
      recomputeDirection = 1;
    }
  };

  // A walk with no step left to walk (an order that outlived its plan, or a
  // plan of no step) ends where it stands at once: nothing is met, nothing
  // is paid and the walker keeps his cell. Left to run, it would wait for a
  // waypoint that never comes, and the party would never be at rest again.
  auto noRouteLeft = [this] {
    const uint8_t steps = waypointCount < 10 ? waypointCount : 10;
    return waypointIndex >= steps;
  };
  auto endWithoutRoute = [this] {
    ClearMoveFlags();
    arrivedX = arrivedY = 0;
    walkEnded = 1;
    metCode = 0;
  };

  // ---- the player
  // The walker is let go as he sets off, with all that was asked for him
  // (his walk, set off, goes on); a member the day's board chose meanwhile
  // stays chosen.
  if (playerWalkState == kWalkConfirmed) {
    metCode = 0;
    if (playerSelected) LetGoOfSelection();
    ClearMoveFlags();
    playerWalkState = kWalkRunning;
    waypointReached = 0;
    walkEnded = 1;
    recomputeDirection = 1;
  }
  if (recomputeDirection && playerWalkState > kWalkPlanned) {
    int facing = directions(playerX, playerY);
    if (facing >= 0) playerFacing = uint8_t(facing);
  }
  if (waypointReached && playerWalkState != kWalkIdle) {
    waypointReached = 0;
    if (waypointIndex == waypointCount) {
      playerStepsLeft = uint8_t(playerStepsLeft - walkSteps);
      ClearMoveFlags();
      walkEnded = 1;
      playerWalkState = kWalkIdle;
      waypointCount = 0;
      playerCollects = 1;
      heroCollects = 0;
      SetCode(playerCell, 0);
      playerCell = targetCell;
      moverIsPlayer = 1;
      moverHero = 0;
      metCode = MetCodeOf(playerCell);
      SetCode(targetCell, 1);
      ClearWaypoints();
    }
  }
  if (playerWalkState == kWalkRunning && noRouteLeft()) {
    endWithoutRoute();
    playerWalkState = kWalkIdle;
  }
  if (playerWalkState == kWalkRunning) move(playerX, playerY);

  // ---- a hero
  int k = walkingHero < 10 ? walkingHero : 0;
  if (heroWalkPlanned) {
    metCode = 0;
    ClearMoveFlags();
    heroWalking = heroWalkPlanned;
    waypointReached = 0;
    walkEnded = 1;
    moverIsPlayer = 0;
    moverHero = uint8_t(k);
    if (selectedHero == k + 1) LetGoOfSelection();
    heroWalkPlanned = 0;
    recomputeDirection = 1;
  }
  if (recomputeDirection && heroWalking) {
    int facing = directions(heroX[k], heroY[k]);
    if (facing >= 0) heroFacing[k] = uint8_t(facing);
  }
  if (waypointReached && heroWalking) {
    waypointReached = 0;
    if (waypointIndex == waypointCount) {
      heroStepsLeft[k] = uint8_t(heroStepsLeft[k] - walkSteps);
      walkEnded = 1;
      waypointCount = 0;
      ClearMoveFlags();
      heroWalkPlanned = 0;
      heroWalking = 0;
      SetCode(heroCell[k], 0);
      heroCell[k] = targetCell;
      heroCollects = uint8_t(k + 1);
      playerCollects = 0;
      metCode = MetCodeOf(heroCell[k]);
      SetCode(targetCell, uint8_t(k + 2));
      ClearWaypoints();
    }
  }
  if (heroWalking && noRouteLeft()) {
    endWithoutRoute();
    heroWalking = 0;
  }
  if (heroWalking) move(heroX[k], heroY[k]);
}

void MapEncounters::EnterPlace(int32_t& gold) {
  uint32_t m = metCode;
  if (m >= 12 && m <= 31) {
    uint32_t i = m - 12;
    findShown = kFindLoad;
    coinSoundPending = 1;
    goldPilePresent[i] = 0;
    goldFound = 1;
    foundGold = kGoldPileGold[i];
    AddFoundGold(gold, foundGold);
  } else if (m >= 32 && m <= 51) {
    uint32_t i = m - 32;
    findShown = kFindLoad;
    coinSoundPending = 1;
    bagPresent[i] = 0;
    goldFound = 1;
    if (i < 16) {
      foundGold = kBagGold[i];
      foundGem = kBagGem[i];
      gemFound = 1;
    } else {
      // Bags 16..19 have no spot and hold nothing; never pay an earlier
      // find's gold again.
      foundGold = 0;
    }
    AddFoundGold(gold, foundGold);
  } else if (m >= 52 && m <= 101) {
    uint32_t i = m - 52;
    findShown = kFindLoad;
    keySoundPending = 1;
    chestPresent[i] = 0;
    goldFound = 1;
    if (i < 25) {
      const ChestFind& find = kChestFinds[i];
      foundGold = find.gold;
      if (find.gem != kNone) {
        foundGem = uint8_t(find.gem);
        gemFound = 1;
      }
      if (find.artifact != kNone) {
        foundArtifact = uint8_t(find.artifact);
        artifactFound = 1;
      }
      foundItem = find.item;
      itemFound = 1;
    } else {
      goldFound = 0;
      foundGold = 0;
      itemFound = 1;
      foundItem = kLeftChestItems[i - 25];
    }
    AddFoundGold(gold, foundGold);
  } else if (m >= 152 && m <= 204) {
    enteredTown = 1;
    townNumber = m <= 159 ? 1 : m <= 174 ? 2 : m <= 189 ? 3 : 4;
  } else if (m >= 205 && m <= 231) {
    enteredVillage = 1;
    villageNumber = uint8_t(1 + (m - 205) / 3);
  } else if (m >= 302 && m <= 307) {
    enteredPalace = 1;
  } else if (m >= 312 && m <= 317) {
    enteredTemple = 1;
  } else if (m >= 322 && m <= 343) {
    enteredCastle = 1;
  } else if (m == 344) {
    enteredTower = 1;
  } else if (m >= 345 && m <= 434) {
    // The special places in the order of their cell lists.
    if (m <= 349) placeKind = 1;       // Evil Nuns Temple
    else if (m <= 355) placeKind = 2;  // Kawa Tribe
    else if (m <= 367) placeKind = 3;  // Olej Tribe
    else if (m <= 377) placeKind = 4;  // Lato Tribe
    else if (m <= 387) placeKind = 5;  // Janek Tribe
    else if (m <= 410) placeKind = 6;  // Black Zima Castle
    else if (m <= 420) placeKind = 7;  // Grubas Tribe
    else placeKind = 8;                // Noga Tribe
  }
}

void MapEncounters::PutFindAway() {
  if (findShown != kFindNone) storeFindPending = 1;
  findShown = kFindNone;
  findClose = 0;
}

void MapEncounters::StoreFind() {
  if (gemFound && foundGem < 30) {
    for (int s = 0; s < 30; ++s) {
      if (gemSlots[s] != 0) continue;
      gemSlots[s] = uint8_t(foundGem + 1);
      gemOwned[foundGem] = 1;
      gemSlotOf[foundGem] = uint8_t(s + 1);
      gemFound = 0;
      break;
    }
  }
  if (artifactFound && foundArtifact < 30) {
    for (int s = 0; s < 15; ++s) {
      if (artifactSlots[s] != 0) continue;
      artifactSlots[s] = uint8_t(foundArtifact + 1);
      artifactOwned[foundArtifact] = 1;
      artifactSlotOf[foundArtifact] = uint8_t(s + 1);
      artifactFound = 0;
      break;
    }
  }
  if (!itemFound) return;
  if (!playerCollects && !heroCollects) return;

  // The first free bag cell takes the item; the item tables keep the cell
  // itself (0..11), as every item place of the game record does.
  int cell = -1;
  for (int c = 0; c < 12; ++c) {
    if (bagItems[c] == 0) {
      cell = c;
      break;
    }
  }
  if (cell >= 0) {
    bagItems[cell] = uint8_t(foundItem + 1);
    itemHeld[foundItem] = 1;
    itemSlot[foundItem] = uint8_t(cell);
    itemFound = 0;
    if (playerCollects) bagState = kBagStore;
    else bagOwner = heroCollects;
  } else {
    itemFound = 0;
    bagFull = 1;
    uint32_t m = metCode;
    if (m >= 52 && m <= 76) {
      // The item stays on the map as the chest left behind on the same spot.
      uint32_t i = m - 52;
      chestPresent[i] = 0;
      chestPresent[25 + i] = 1;
      chestCell[25 + i] = chestCell[i];
      chestX[25 + i] = chestX[i];
      chestY[25 + i] = chestY[i];
    } else if (m >= 77 && m <= 101) {
      chestPresent[m - 52] = 1;
    }
  }
  if (playerCollects) playerCollects = 0;
  else heroCollects = 0;
}
