// Battle frame benchmark: the busiest battle frame, battle 73's whole line-up
// with the fighter's six armies and the allied units, the grid, every marker
// and hit effect, the bottom bar with a blow report, the side buttons and the
// turn panel, drawn through the battle screen's own drawing on the game's
// pictures. Prints milliseconds per frame. Not a test.

#include <cstdio>

#include "battle/battle_screen.h"
#include "bench_game.h"
#include "platform/headless.h"

namespace {

constexpr int kFrames = 300;

void DrawFrame(BattleScreen& b) {
  b.DrawBorder();
  b.backdropDrawn = 0;
  b.DrawBackdropBlackZima();
  b.DrawBackdropGrey();
  b.DrawBackdropDesert();
  b.DrawBackdropGrass();
  b.DrawBackdropBrown();
  b.DrawBackdropPlains();
  b.DrawGrid();
  b.DrawUnits();
  b.DrawSelectionBar();
  b.DrawEnemyHitReport();
  b.DrawFighterHitReport();
  b.DrawUnitHitReport();
  b.DrawButtonsAndRetreat();
  b.DrawTurnPanel();
}

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("battle_frame_bench", device)) return 1;
  headless::Reset();

  BattleScreen b;
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

  for (int i = 0; i < 10; ++i) DrawFrame(b);
  int frame = 0;
  const double frameMs = bench::MsPer(kFrames, [&] {
    device.BeginScene();
    device.Clear(0, 1.0f);
    b.swingFrame = static_cast<uint8_t>(1 + frame++ % 3);
    DrawFrame(b);
    device.EndScene();
    device.Present();
  });
  int enemies = 0, allies = 0;
  for (uint8_t alive : b.enemyAlive) enemies += alive;
  for (uint8_t present : b.allyPresent) allies += present;
  std::printf(
      "battle 73 frame (%d enemies, %d allied units, 6 armies, grid, markers, bar, panel): %.3f "
      "ms\n",
      enemies, allies, frameMs);
  b.ReleasePictures();
  device.Release();
  return 0;
}
