// MapEncounters::ClickCell: a click on the kingdom map selects a party member
// or plans the selected member's walk as a chain of up to seven 40-pixel
// steps, ending beside an enemy army (an attack) or, in trade mode, beside
// the partner (a trade).

#include "game/game_state.h"
#include "map/map_encounters.h"

void MapEncounters::ClickCell(uint32_t cell, uint8_t& clickFlag, int32_t targetX, int32_t targetY) {
  // A selection beyond the ten heroes (a damaged record) is no selection.
  if (selectedHero > 10) selectedHero = 0;

  // 1. Reset.
  attackPlanned = attackCommand = walkMarkShown = attackPending = 0;
  blockedMarkShown = walkEnded = attackRequested = attackAdjacent = 0;
  waypointCount = 0;
  walkSteps = 0;
  exchangeLeft = exchangeRight = 100;
  const bool nobodySelected = !playerSelected && selectedHero == 0;
  if (nobodySelected) clickFlag = 0;  // a first click can only select
  playerWalkState = kWalkIdle;
  heroWalkReady = 0;
  selectionChanged = 0;
  planState = 0;
  targetCell = cell;
  if (meetingState == kMeetFar) meetingState = kMeetNone;

  // 2. Selection (in trade mode a click on another member names the partner).
  // Trade mode ends when its member is let go (LetGoOfSelection); should it
  // stand with nobody selected, it has nobody to trade for: the click selects
  // as any other, and trade mode ends below, no walk being planned.
  auto namesPartner = [&] { return meetingState == kMeetAsked && !nobodySelected; };
  if (cell == playerCell) {
    if (!namesPartner()) {
      ChooseMember(kMemberPlayer);
      selectionChanged = 1;
    } else if (!playerSelected) {
      meetingState = kMeetWalking;
    }
  }
  for (int k = 0; k < 10; ++k) {
    // A hero who is not on the map keeps a stale cell: it cannot be chosen.
    if (!heroOnMap[k] || cell != heroCell[k]) continue;
    if (!namesPartner()) {
      ChooseMember(uint8_t(k + kFirstHeroMember));
      selectionChanged = 1;
    } else if (selectedHero != k + 1) {
      meetingState = kMeetWalking;
    }
  }

  // 3. Budgets.
  if (playerSelected) playerStepLimit = playerStepsLeft;
  if (selectedHero) {
    if (walkingHero < 10) heroStepLimit[walkingHero] = heroStepsLeft[walkingHero];
    walkingHero = uint8_t(selectedHero - 1);
  }

  const bool playerWalks = playerSelected != 0;
  const bool anyone = playerSelected || selectedHero;

  bool plan = false;
  if (anyone) {
    if (selectionChanged) {
      // 4. A selection click drops any planned walk.
      ClearWaypoints();
      waypointCount = 0;
    } else if (clickFlag) {
      plan = true;
    }
  }

  if (plan) {
    // 5. Start planning. The member whose walk this is fights at its end,
    // whoever is chosen while he walks.
    attackerCode = playerWalks ? kMemberPlayer : uint8_t(selectedHero - 1 + kFirstHeroMember);
    routeShown = 1;
    planState = 1;
    clickFlag = 0;
    ClearWaypoints();
    if (playerWalks) {
      playerStepLimit = playerStepsLeft;
      walkerStartX = playerX;
      walkerStartY = playerY;
      bagState = kBagLoad;
    } else {
      int k = selectedHero - 1;
      heroStepLimit[k] = heroStepsLeft[k];
      walkerStartX = heroX[k];
      walkerStartY = heroY[k];
      walkingHero = uint8_t(k);
      bagHeroToLoad = uint8_t(k + 1);
    }
    waypointCount = 0;

    // 6. Cells to go in each direction.
    planState = 2;
    CountCellsTo(walkerStartX, walkerStartY, targetX, targetY);

    uint8_t& budget = playerWalks ? playerStepLimit : heroStepLimit[walkingHero];
    auto endPlanning = [this] {
      planState = 0;
      waypointIndex = 0;
      ClearMoveFlags();
    };
    // Takes step i back after an army or partner was found on it.
    auto takeBack = [&](int i) {
      budget = uint8_t(budget + 1);
      waypointCount = uint8_t(i);
      pointX = i > 0 ? waypointX[i - 1] : walkerStartX;
      pointY = i > 0 ? waypointY[i - 1] : walkerStartY;
      if (i == 0)
        for (uint8_t& active : waypointActive) active = 0;
    };

    // 7. At most seven steps, diagonal first.
    for (int i = 0; i < 7; ++i) {
      if (planState == 0 || budget == 0) break;
      if (!moveRight && !moveLeft && !moveUp && !moveDown) break;  // nothing left to go
      const int32_t x = i > 0 ? waypointX[i - 1] : walkerStartX;
      const int32_t y = i > 0 ? waypointY[i - 1] : walkerStartY;
      int32_t nx, ny;
      StepTowardsTarget(x, y, nx, ny);
      waypointX[i] = nx;
      waypointY[i] = ny;

      // 7.2 The target is reached, or this is the seventh step.
      if ((!moveRight && !moveLeft && !moveUp && !moveDown) || i == 6) {
        endPlanning();
        if (playerWalks) playerWalkState = kWalkPlanned;
        else heroWalkReady = selectedHero;
        if (i == 6) pointPending = 1;
      }

      // 7.3
      pointX = nx;
      pointY = ny;
      budget = uint8_t(budget - 1);
      waypointActive[i] = 1;
      waypointCount = uint8_t(i + 1);

      // 7.4 An enemy army on the step: the walk ends beside it.
      bool armyFound = false;
      for (int e = 0; e < 100; ++e) {
        if (!enemyPresent[e] || enemyX[e] != nx || enemyY[e] != ny) continue;
        walkMarkShown = 1;
        attackPending = 1;
        enemyIndex = uint8_t(e);
        walkMarkX = enemyX[e];
        walkMarkY = enemyY[e];
        endPlanning();
        pointPending = 1;
        takeBack(i);
        if (i == 0) {
          attackAdjacent = 1;
          playerWalkState = kWalkIdle;
        }
        armyFound = true;
        break;
      }
      if (armyFound) continue;

      // 7.5 In a meeting walk, the partner on the step.
      if (meetingState == kMeetWalking) {
        int partnerCode = 0;
        int32_t px = 0, py = 0;
        if (playerWalks) {
          for (int k = 0; k < 10; ++k) {
            if (heroOnMap[k] && heroX[k] == nx && heroY[k] == ny) {
              partnerCode = k + 2;
              px = heroX[k];
              py = heroY[k];
              break;
            }
          }
          if (partnerCode) {
            exchangeRight = 1;
            exchangeLeft = uint8_t(partnerCode);
          }
        } else {
          for (int k = 0; k < 10; ++k) {
            if (heroOnMap[k] && heroX[k] == nx && heroY[k] == ny) {
              partnerCode = k + 2;
              px = heroX[k];
              py = heroY[k];
            }
          }
          if (playerX == nx && playerY == ny) {
            partnerCode = 1;
            px = playerX;
            py = playerY;
          }
          if (partnerCode) {
            exchangeRight = uint8_t(walkingHero + 2);
            exchangeLeft = uint8_t(partnerCode);
          }
        }
        if (partnerCode) {
          walkMarkShown = 1;
          walkMarkX = px;
          walkMarkY = py;
          endPlanning();
          pointPending = 1;
          takeBack(i);
          if (playerWalks) playerWalkState = kWalkIdle;
          else heroWalkReady = 0;
          if (i == 0) {
            meetingState = kMeetReached;  // side by side: trade at once
            exchangeRequested = 1;
          }
        }
      }
    }
    // 8. Leftover distance is dropped.
    ClearMoveFlags();
  }

  // 9. Outcome.
  if (meetingState == kMeetWalking && exchangeRight == 100) {
    meetingState = kMeetNone;
    meetingCalledOff = 1;
  }
  if (waypointCount >= 2 && !walkMarkShown) meetingState = kMeetFar;
  if (waypointCount >= 1) {
    if (playerWalks) playerWalkState = meetingState == kMeetWalking ? kWalkConfirmed : kWalkPlanned;
    else heroWalkReady = selectedHero;
    beginStepPending = 1;
  }
  attackPlanned = attackPending;
  waypointIndex = 0;
  walkSteps = waypointCount;
  if (meetingState == kMeetAsked) {
    if (waypointCount == 1) {
      if (playerWalks) playerWalkState = kWalkIdle;
      else heroWalkReady = 0;
      waypointCount = 0;
    }
    const bool walkLeft = playerWalks ? playerWalkState != kWalkIdle : heroWalkReady != 0;
    if (!walkLeft) {
      meetingState = kMeetNone;
      waypointActive[0] = 0;
    }
  }
  // A hero's meeting walk sets off at once: its order is handed on as the Walk
  // button hands it on, so that none is left armed once the meeting is over
  // (or refused); a left-over order would start a walk with no route.
  if (meetingState == kMeetWalking && selectedHero) {
    heroWalkPlanned = 1;
    heroWalkReady = 0;
  }
}

bool MapEncounters::SetOff() const {
  return playerWalkState >= kWalkConfirmed || heroWalkPlanned || heroWalking ||
         (walkEnded && attackPending);
}

void MapEncounters::ChooseMember(uint8_t member) {
  const uint8_t chosen = playerSelected ? kMemberPlayer
                         : selectedHero ? uint8_t(selectedHero - 1 + kFirstHeroMember)
                                        : 0;
  if (chosen != 0 && chosen != member) LetGoOfSelection();
  playerSelected = member == kMemberPlayer ? 1 : 0;
  selectedHero = member >= kFirstHeroMember ? uint8_t(member - kFirstHeroMember + 1) : 0;
  if (!SetOff()) attackerCode = member;
}

void MapEncounters::DropPanelPress() {
  if (pressedPanelButton) panelPressDropped = 1;
  const int look = LookIndex(pressedPanelButton);
  if (look >= 0) panelButtonLook[look] = 0;
  pressedPanelButton = 0;
  panelButtonHeld = 0;
}

void MapEncounters::LetGoOfSelection() {
  playerSelected = 0;
  selectedHero = 0;
  DropPanelPress();
  if (meetingState == kMeetAsked || meetingState == kMeetFar) meetingState = kMeetNone;
  infoMode = kInfoOff;
  inspectShown = 0;
  inspectCode = 0;
  inspectClose = kCloseNone;
  meetingCalledOff = 0;
  refusedClose = kCloseNone;
  if (SetOff()) return;
  playerWalkState = kWalkIdle;
  heroWalkReady = 0;
  attackPlanned = attackCommand = attackPending = attackAdjacent = 0;
  routeShown = walkMarkShown = blockedMarkShown = 0;
  ClearWaypoints();
  waypointCount = 0;
  walkSteps = 0;
}
