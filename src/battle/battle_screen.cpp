// BattleScreen: construction and the record's own geometry.

#include "battle/battle_screen.h"

BattleScreen::BattleScreen() {
  // Every field starts at 0 by its initialiser; then the defaults.
  cellCount = battle::kCellCount;
  stepDelayMs = 100;
  excludedX = battle::kNoExcludedX;
  resultsPending = 1;
  turnPanelShown = 1;
  stepTimerState = battle::kTimerStamp;
  hitTimerState = battle::kTimerStamp;
  hitRising = 1;
  pauseTimerState = battle::kTimerStamp;
  turnNumber = 1;
  figureMoves = battle::kMovesPerTurn;
  for (uint8_t& moves : armyMoves) moves = battle::kMovesPerTurn;
  for (uint8_t& moves : allyMoves) moves = battle::kMovesPerTurn;
  for (uint8_t& moves : enemyMoves) moves = battle::kMovesPerTurn;
}

BattleScreen::~BattleScreen() { ReleasePictures(); }

void BattleScreen::PlaceUnits() {
  figureX = battle::CellX(figureCell);
  figureY = battle::CellY(figureCell);
  for (int j = 0; j < battle::kArmySlots; ++j) {
    armyX[j] = battle::CellX(armyCell[j]);
    armyY[j] = battle::CellY(armyCell[j]);
  }
}
