// The busiest battle frame for the benches: battle 73's whole line-up with
// the fighter's six armies and the allied units, the grid, every marker and
// hit effect, the bottom bar with a blow report, the side buttons and the
// turn panel, drawn through the battle screen's own drawing on the game's
// pictures.
#pragma once

#include "battle/battle_art.h"
#include "battle/battle_screen.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"

namespace bench {

class BattleScene {
 public:
  void Build(GraphicsDevice& device) {
    BattleScreen& b = b_;
    b.battleId = 73;
    b.fightByPlayer = 1;
    for (uint8_t& stage : b.questStage) stage = 7;  // every allied group comes
    b.SetUpBattle();
    b.PlaceEnemies();
    for (int j = 0; j < battle::kArmySlots; ++j) {
      b.armyUsed[j] = 1;
      b.armyKind[j] = static_cast<uint8_t>(j < 5 ? j : 20);
      b.armyCount[j] = 25;
    }
    b.figureHealth = 120;
    b.PlaceUnits();
    b.MarkOccupants();
    b.LoadArt(&device);
    b.LoadTerrain(&device);
    b.LoadPortrait(&device);
    b.LoadFigure(&device);
    b.LoadArmyPictures(&device);
    b.LoadEnemyPictures(&device);

    // Every marker: a selected army with a planned path, an attack mark, the
    // destination marker, the grid, a blow on an enemy with its report, and
    // the turn panel with the note on weakened enemies.
    b.gridShown = 1;
    b.armySelected = 1;
    b.armySlot = 0;
    b.armyMoves[0] = 7;
    b.armyMovesPlanned[0] = 2;
    b.pathShown = 1;
    for (int k = 0; k < 5; ++k) {
      b.pathMarked[k] = 1;
      b.pathX[k] = b.armyX[0] + 80 * (k + 1);
      b.pathY[k] = b.armyY[0];
    }
    b.attackPending = 1;
    b.attackEnemyX = b.pathX[4] + 80;
    b.attackEnemyY = b.pathY[4];
    b.markerShown = 1;
    b.markerX = b.pathX[2];
    b.markerY = b.pathY[2] + 80;
    b.hitMarks[battle::kHitMarkArmy] = 1;  // an army strikes: its hit shows on the enemy
    b.strikingArmy = 1;
    b.enemyHitShown = 1;
    b.damageShown = 123;
    b.blowWound2 = 1;
    b.armyHitShown = 1;
    b.hitArmySlot = 1;
    b.armyBlowKilledShown = 1;
    b.armyBlowKilledCount = 12;
    b.carriedWear = 5;
    b.carriedLosses = 2;
    b.viewX = 400;
    b.viewY = 300;
    for (int i = 0; i < 10; ++i) Draw();
    device.Present();  // the warm-up drawn before any timing
  }

  ~BattleScene() { b_.ReleasePictures(); }

  // One frame as the battle screen draws it, the blow's swing moving on.
  void Frame(GraphicsDevice& device) {
    device.BeginScene();
    device.Clear(0, 1.0f);
    b_.swingFrame = static_cast<uint8_t>(1 + frame_++ % 3);
    Draw();
    device.EndScene();
    device.Present();
  }

  const BattleScreen& Screen() const { return b_; }

 private:
  // The battle procedure's drawing, in its order.
  void Draw() {
    using Step = void (BattleScreen::*)();
    static constexpr Step kSteps[] = {&BattleScreen::DrawGrid,
                                      &BattleScreen::DrawUnits,
                                      &BattleScreen::DrawSelectionBar,
                                      &BattleScreen::DrawEnemyHitReport,
                                      &BattleScreen::DrawFighterHitReport,
                                      &BattleScreen::DrawUnitHitReport,
                                      &BattleScreen::DrawButtonsAndRetreat,
                                      &BattleScreen::DrawTurnPanel};
    b_.DrawBorder();
    b_.backdropDrawn = 0;
    b_.DrawBackdrop(battle_art::BackdropOf(b_.battleId));  // the one of the six the screen draws
    for (Step step : kSteps) (b_.*step)();
  }

  BattleScreen b_;
  int frame_ = 0;
};

}  // namespace bench
