// The battle record's plain fields by name, for the scenario runner's dump.

#include "battle/battle_screen_dump.h"

#include "battle/battle_screen.h"

void DumpBattleScreen(const BattleScreen& b, JsonOut& out) {
  out.BeginObject();
  out.Num("cellCount", b.cellCount);
  out.Num("pickSoundPending", b.pickSoundPending);
  out.Num("smashSoundState", b.smashSoundState);
  out.Num("stepDelayMs", b.stepDelayMs);
  out.Num("caughtByArmy", b.caughtByArmy);
  out.Num("excludedX", b.excludedX);
  out.Array("questStage", b.questStage);
  out.Array("enemyPictureUsed", b.enemyPictureUsed);
  out.Array("allyPictureUsed", b.allyPictureUsed);
  out.Num("turnPanelShown", b.turnPanelShown);
  out.Num("gradeTurns3", b.gradeTurns3);
  out.Num("gradeTurns2", b.gradeTurns2);
  out.Num("turnLimit", b.turnLimit);
  out.Num("woundsSum", b.woundsSum);
  out.Num("killedSum", b.killedSum);
  out.Num("killedPerEnemy", b.killedPerEnemy);
  out.Num("woundsPerEnemy", b.woundsPerEnemy);
  out.Num("wearAtStart", b.wearAtStart);
  out.Num("leftWithWear", b.leftWithWear);
  out.Num("retreated", b.retreated);
  out.Num("resultsPending", b.resultsPending);
  out.Num("joinedHero", b.joinedHero);
  out.Num("gridShown", b.gridShown);
  out.Num("retreatAsked", b.retreatAsked);
  out.Num("retreatConfirmed", b.retreatConfirmed);
  out.Num("victoryGrade", b.victoryGrade);
  out.Num("releaseSeen", b.releaseSeen);
  out.Num("levelGain", b.levelGain);
  out.Num("healthGain", b.healthGain);
  out.Num("attackGain", b.attackGain);
  out.Num("shieldGain", b.shieldGain);
  out.Array("fighterName", b.fighterName);
  out.Num("playerPortrait", b.playerPortrait);
  out.Num("battleOver", b.battleOver);
  out.Num("battleId", b.battleId);
  out.Num("carriedWear", b.carriedWear);
  out.Num("carriedLosses", b.carriedLosses);
  out.Num("stepStampMs", b.stepStampMs);
  out.Num("stepTimerState", b.stepTimerState);
  out.Num("swingFrame", b.swingFrame);
  out.Num("swingRising", b.swingRising);
  out.Num("hitStampMs", b.hitStampMs);
  out.Num("hitTimerState", b.hitTimerState);
  out.Num("hitFrame", b.hitFrame);
  out.Num("hitRising", b.hitRising);
  out.Num("hitActive", b.hitActive);
  out.Array("hitMarks", b.hitMarks);
  out.Num("pauseActive", b.pauseActive);
  out.Num("pauseStampMs", b.pauseStampMs);
  out.Num("pauseTimerState", b.pauseTimerState);
  out.Num("mouseArmed", b.mouseArmed);
  out.Num("enemyCountAtStart", b.enemyCountAtStart);
  out.Num("figureX", b.figureX);
  out.Num("figureY", b.figureY);
  out.Num("figureCell", b.figureCell);
  out.Num("figureFacing", b.figureFacing);
  out.Num("figureMoves", b.figureMoves);
  out.Num("figureHealth", b.figureHealth);
  out.Num("figureAttack", b.figureAttack);
  out.Num("figureShield", b.figureShield);
  out.Num("figureExperience", b.figureExperience);
  out.Num("figureLevel", b.figureLevel);
  out.Array("armyUsedAtStart", b.armyUsedAtStart);
  out.Array("armyUsed", b.armyUsed);
  out.Array("armyX", b.armyX);
  out.Array("armyY", b.armyY);
  out.Array("armyCell", b.armyCell);
  out.Array("armyFacing", b.armyFacing);
  out.Array("armyKind", b.armyKind);
  out.Array("armyMoves", b.armyMoves);
  out.Array("armyKindUsed", b.armyKindUsed);
  out.Array("armyFights", b.armyFights);
  out.Array("armyCount", b.armyCount);
  out.Array("armyKilled", b.armyKilled);
  out.Array("armyWounds1", b.armyWounds1);
  out.Array("armyWounds2", b.armyWounds2);
  out.Array("armyWounds3", b.armyWounds3);
  out.Array("armyAttack", b.armyAttack);
  out.Array("armyShield", b.armyShield);
  out.Array("armyTraining", b.armyTraining);
  out.Array("armyEquipment", b.armyEquipment);
  out.Array("armyName", b.armyName);
  out.Num("fightByPlayer", b.fightByPlayer);
  out.Num("fightHero", b.fightHero);
  out.Array("enemyAlive", b.enemyAlive);
  out.Array("enemyX", b.enemyX);
  out.Array("enemyY", b.enemyY);
  out.Array("enemyCell", b.enemyCell);
  out.Array("enemyFacing", b.enemyFacing);
  out.Array("enemyPicture", b.enemyPicture);
  out.Array("enemySoldiers", b.enemySoldiers);
  out.Array("enemyAttack", b.enemyAttack);
  out.Array("enemyShield", b.enemyShield);
  out.Array("enemyActed", b.enemyActed);
  out.Array("enemyMoves", b.enemyMoves);
  out.Array("enemyWounds1", b.enemyWounds1);
  out.Array("enemyWounds2", b.enemyWounds2);
  out.Array("enemyWounds3", b.enemyWounds3);
  out.Array("enemyKilled", b.enemyKilled);
  out.Array("allyPresent", b.allyPresent);
  out.Array("allyX", b.allyX);
  out.Array("allyY", b.allyY);
  out.Array("allyCell", b.allyCell);
  out.Array("allyFacing", b.allyFacing);
  out.Array("allyPicture", b.allyPicture);
  out.Array("allyCount", b.allyCount);
  out.Array("allyWounds1", b.allyWounds1);
  out.Array("allyWounds2", b.allyWounds2);
  out.Array("allyWounds3", b.allyWounds3);
  out.Array("allyKilled", b.allyKilled);
  out.Array("allyAttack", b.allyAttack);
  out.Array("allyShield", b.allyShield);
  out.Array("allyActed", b.allyActed);
  out.Array("allyMoves", b.allyMoves);
  out.Array("allyName", b.allyName);
  out.Num("turnNumber", b.turnNumber);
  out.Num("allyPhase", b.allyPhase);
  out.Num("armiesDown", b.armiesDown);
  out.Num("alliesDown", b.alliesDown);
  out.Num("victory", b.victory);
  out.Num("defeat", b.defeat);
  out.Num("viewX", b.viewX);
  out.Num("viewY", b.viewY);
  out.Array("occupant", b.occupant);
  out.Array("buttonHover", b.buttonHover);
  out.Num("clickedCell", b.clickedCell);
  out.Num("hoverEntry", b.hoverEntry);
  out.Num("pressedButton", b.pressedButton);
  out.Num("clickedButton", b.clickedButton);

  // Working fields, one group each.
  // ---- Set-up, line-ups and carried wear

  // ---- Moves and paths

  // ---- Attack resolution

  // ---- Enemy and allied choices

  // ---- Turns, victory and rewards

  // ---- Screen: art, procedure steps, input and view, panels, drawing, bottom bar

  out.EndObject();
}
