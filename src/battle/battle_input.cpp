// The battle's mouse and keyboard: the seven buttons and their looks, the
// hint area of the bottom bar, the entries of the experience page, the click
// on a cell of the field, and the confirm and continue steps by which Enter,
// the right button and a click move the battle on.

#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"

using namespace battle;

bool BattleScreen::ButtonTakenNow(uint8_t id) const {
  if (id == kButtonYes || id == kButtonNo) return retreatAsked != 0;
  if (id == kButtonEndTurn) return enemyPhase == 0;
  return true;
}

bool BattleScreen::PlayerMayAct() const {
  return selectState <= kSelectChosen && actingArmy == 0 && armyWalkState == 0 && enemyPhase == 0 &&
         allyPhase == 0;
}

void BattleScreen::HoverButtons(int32_t x, int32_t y) {
  for (const ButtonRect& b : kButtonRects) {
    if (!ButtonTakenNow(b.id)) continue;
    if (PointInRect(b.x, b.y, b.w, b.h, x, y)) {
      pressedButton = b.id;
      if (!buttonHeld) buttonHover[b.look] = kLookHover;
    } else if (!buttonHeld) {
      buttonHover[b.look] = kLookIdle;
    }
  }
  if ((figureSelected || armySelected) && PointInRect(kHintX, kHintY, kHintW, kHintH, x, y)) {
    enterHintHovered = 1;
  }
}

void BattleScreen::HoverGainEntries(int32_t x, int32_t y) {
  // Row 0 left to right, then each column's rows 1..6; at most one contains
  // the point.
  for (int c = 0; c < 4; ++c) {
    if (PointInRect(kGainColumnX[c], GainRowY(0), kGainEntryW, kGainEntryH, x, y)) {
      hoverEntry = static_cast<uint8_t>(c + 1);
    }
  }
  for (int c = 0; c < 4; ++c) {
    for (int r = 1; r <= 6; ++r) {
      if (PointInRect(kGainColumnX[c], GainRowY(r), kGainEntryW, kGainEntryH, x, y)) {
        hoverEntry = static_cast<uint8_t>(4 * r + c + 1);
      }
    }
  }
}

uint32_t BattleScreen::ClickCell(int32_t x, int32_t y, InputDevice* mouse) {
  for (int32_t r = 0; r < kRows; ++r) {
    for (int32_t c = 0; c < kColumns; ++c) {
      const int32_t left = kCellSize * c - viewX, top = kCellSize * r - viewY;
      if (!PointInRect(left, top, kCellSize, kCellSize, x, y)) continue;
      // Only a press that began on this same cell: one moved here from
      // another cell or a button is not the cell's.
      if (FreshPressIn(*mouse, left, top, kCellSize, kCellSize)) {
        destinationClicked = 1;
        clickedCell = CellAt(c, r);
        clickedX = kCellSize * c;
        clickedY = kCellSize * r;
        return 1;
      }
    }
  }
  return 0;
}

uint32_t BattleScreen::ClickButtons(int32_t x, int32_t y, InputDevice* mouse) {
  for (const ButtonRect& b : kButtonRects) {
    if (!ButtonTakenNow(b.id)) continue;
    if (!PointInRect(b.x, b.y, b.w, b.h, x, y) || !FreshPressIn(*mouse, b.x, b.y, b.w, b.h))
      continue;
    clickedButton = b.id;
    buttonHeld = 1;
    buttonHover[b.look] = b.id == kButtonRetreat ? kLookHover : kLookPressed;
    if (b.id == kButtonRetreat) retreatAsked = 1;
    if (b.id == kButtonYes) {
      retreatConfirmed = kRetreatYes;
      retreated = 1;
    }
    return 1;
  }
  return 0;
}

void BattleScreen::ClearHover() {
  pressedButton = kButtonNone;
  hoverEntry = 0;
  enterHintHovered = 0;
}

void BattleScreen::ClearOrders() {
  figureSelected = 0;
  armySelected = 0;
  ClearPlayerPath();
  pathBuildState = kPathIdle;
  selectState = kSelectNone;
  actingArmy = 0;
  selectedArmy = 0;
  figureAttacked = 0;
  for (uint8_t& attacked : armyAttacked) attacked = 0;
}

void BattleScreen::PressEndTurn() {
  if (selectState != kSelectNone || actingArmy != 0 || armyWalkState != 0) return;
  ClearOrders();
  for (uint8_t& moves : enemyMoves) moves = kMovesPerTurn;
  for (uint8_t& moves : allyMoves) moves = kMovesPerTurn;
}

void BattleScreen::Confirm() {
  if (victory == kVictoryExperience) {
    leaveRequest = kGoToMap;
  } else if (victory == kVictoryMessage) {
    victory = kVictoryExperience;
  }
  if (selectState == kSelectChosen) selectState = kSelectConfirmed;
  if (selectedArmy >= 1 && selectedArmy <= kArmySlots) {
    actingArmy = selectedArmy;
    selectedArmy = 0;
  }
  if (pathLength == 0) DropOrder();
  if (markerShown) {
    markerShown = 1;
    DropOrder();
  }
  if (attackAtArrival) attackState = kAttackStart;
  if (attackAdjacent) {
    attackAdjacent = 0;
    attackState = kAttackStart;
    attackStep = 1;
  }
  retreatAsked = 0;
  if (retreatConfirmed != kRetreatNone || defeat) leaveRequest = kGoToMap;
  turnPanelShown = 0;
  // What the release was seen for is acknowledged: the next press, however
  // short, is for whatever it lands on (the experience page that follows
  // the victory message waits for a release of its own).
  releaseSeen = 0;
}

void BattleScreen::DropOrder() {
  selectState = kSelectNone;
  selectedArmy = 0;
  actingArmy = 0;
  armyWalkState = 0;
}

void BattleScreen::Continue() {
  releaseSeen = 0;
  if (victory == kVictoryExperience) {
    leaveRequest = kGoToMap;
  } else if (victory != kVictoryNone) {
    victory = kVictoryExperience;
  }
  retreatAsked = 0;
  if (retreatConfirmed == kRetreatAcknowledged || defeat) {
    leaveRequest = kGoToMap;
  } else if (retreatConfirmed == kRetreatYes) {
    retreatConfirmed = kRetreatAcknowledged;
  }
  turnPanelShown = 0;
}

bool BattleScreen::ShowsSomethingToAcknowledge() const {
  return victory == kVictoryMessage || victory == kVictoryExperience || retreatAsked ||
         retreatConfirmed != kRetreatNone || defeat || turnPanelShown;
}

void BattleScreen::ActOnButton() {
  const uint8_t id = clickedButton;
  const bool phasesIdle = enemyPhase == 0 && allyPhase == 0;
  bool acted = false;
  switch (id) {
    case kButtonEndTurn:
      if (PlayerMayAct()) {
        attackPending = 0;
        attackAtArrival = 0;
        markerShown = 0;
        if (!battleOver) {
          actingAlly = 0;
          actingEnemy = 0;
          allyFound = 0;
          approachFound = 0;
          enemyFound = 0;
        }
        EndTurn();  // the allied units act next, then the enemy
        ClearOrders();
        acted = true;
      }
      break;
    case kButtonRetreat:
    case kButtonYes:
      // The click already opened the question, or confirmed the retreat.
      acted = phasesIdle;
      break;
    case kButtonNo:
      if (phasesIdle && retreatAsked) {
        retreatAsked = 0;
        acted = true;
      }
      break;
    case kButtonGrid:
      gridShown = !gridShown;
      acted = true;
      break;
    case kButtonSaveQuit:
      if (phasesIdle) {
        leaveRequest = kGoToSaveAndQuit;
        acted = true;
      }
      break;
    case kButtonOptions:
      if (phasesIdle) {
        leaveRequest = kGoToOptions;
        acted = true;
      }
      break;
    default: break;
  }
  if (acted) LetGoOfButton();
}

void BattleScreen::LetGoOfButton() {
  const uint8_t id = clickedButton;
  for (const ButtonRect& b : kButtonRects) {
    if (b.id != id) continue;
    // Yes and No reset the retreat button's look and leave their own.
    buttonHover[id == kButtonYes || id == kButtonNo ? kLookRetreat : b.look] = kLookIdle;
  }
  clickedButton = kButtonNone;
  buttonHeld = 0;
}
