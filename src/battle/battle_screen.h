#pragma once
// BattleScreen: the one object of a battle. The field of 20 x 15 cells and
// everything that stands on it (the fighter's own figure, the fighter's six
// armies, up to twenty allied units and up to fifty enemy armies), the
// battle's identity and the wear carried over from earlier attempts, the
// turn counter and its thresholds, the action and animation state, the view's
// scroll position, and the picture sheets and fonts of the screen.
//
// The battle screen procedure creates it on the battle's first frame, fills
// it from the game record, drives it every frame and deletes it when the
// battle is left. It keeps no pointer into the game record: it works on
// copies made on entry and written back on leaving. It owns its sheets and
// fonts and nothing else, and releases them when it is deleted.
//
// Cells are numbered 1..300: column c (0..19) and row r (0..14) is cell
// c + 20 r + 1. A unit stands at the top-left pixel corner of its cell
// (battle::CellX, battle::CellY). The view (viewX, viewY) is the field pixel
// at the screen's top-left corner.
//
// The operations live in several files, one group each; the declarations
// below are grouped the same way.

#include <cstdint>

#include "battle/battle_layout.h"
#include "battle/battle_rule_values.h"
#include "battle/battle_texts.h"
#include "game/glyph_name.h"

class GameState;
class GraphicsDevice;
class InputDevice;
class MouseCursor;
class SpriteSheet;
class TextFont;

namespace battle {

// ---- field geometry
constexpr int32_t kColumns = 20;
constexpr int32_t kRows = 15;
constexpr uint32_t kCellCount = 300;                   // cells 1..300
constexpr int32_t kCellSize = 80;                      // pixels per cell side
constexpr int32_t kFieldWidth = kColumns * kCellSize;  // 1600
constexpr int32_t kFieldHeight = kRows * kCellSize;    // 1200

// The view's scroll range.
constexpr int32_t kViewMinX = -26;
constexpr int32_t kViewMaxX = 826;
constexpr int32_t kViewMinY = -26;
constexpr int32_t kViewMaxY = 734;

// Slot counts.
constexpr int kArmySlots = 6;
constexpr int kAllySlots = 20;
constexpr int kEnemySlots = 50;
constexpr int kArmyKinds = 22;      // army kinds 0..21
constexpr int kEnemyPictures = 11;  // enemy pictures 0..10
constexpr int kAllyPictures = 3;    // allied pictures 0..2
constexpr int kButtons = 7;         // the seven buttons 1..7
constexpr int kQuests = 100;        // the copy of the quest stages

// Facings (0 up, then clockwise by eighths).
constexpr uint8_t kFacingUp = 0;
constexpr uint8_t kFacingUpRight = 1;
constexpr uint8_t kFacingRight = 2;
constexpr uint8_t kFacingDownRight = 3;
constexpr uint8_t kFacingDown = 4;
constexpr uint8_t kFacingDownLeft = 5;
constexpr uint8_t kFacingLeft = 6;
constexpr uint8_t kFacingUpLeft = 7;

// Move points of every unit at the start of a turn.
constexpr uint8_t kMovesPerTurn = 7;

// excludedX when no position is to be avoided.
constexpr int32_t kNoExcludedX = 10000;

// ---- occupant codes: who stands in a cell
constexpr uint32_t kOccupantNone = 0;
constexpr uint32_t kOccupantFighter = 1;
constexpr uint32_t kOccupantArmyBase = 2;     // + army slot 0..5
constexpr uint32_t kOccupantAllyBase = 10;    // + allied slot 0..19
constexpr uint32_t kOccupantEnemyBase = 120;  // + enemy slot 0..49

constexpr uint32_t ArmyOccupant(int slot) {
  return kOccupantArmyBase + static_cast<uint32_t>(slot);
}
constexpr uint32_t AllyOccupant(int slot) {
  return kOccupantAllyBase + static_cast<uint32_t>(slot);
}
constexpr uint32_t EnemyOccupant(int slot) {
  return kOccupantEnemyBase + static_cast<uint32_t>(slot);
}
constexpr bool IsArmyOccupant(uint32_t code) {
  return code >= kOccupantArmyBase && code < kOccupantArmyBase + kArmySlots;
}
constexpr bool IsAllyOccupant(uint32_t code) {
  return code >= kOccupantAllyBase && code < kOccupantAllyBase + kAllySlots;
}
constexpr bool IsEnemyOccupant(uint32_t code) {
  return code >= kOccupantEnemyBase && code < kOccupantEnemyBase + kEnemySlots;
}

// ---- state values
// stepTimerState, hitTimerState, pauseTimerState
constexpr uint8_t kTimerStamp = 1;    // take a stamp
constexpr uint8_t kTimerWaiting = 2;  // wait for the period to pass
// pauseActive
constexpr uint8_t kPauseOff = 0;
constexpr uint8_t kPauseRunning = 1;
constexpr uint8_t kPauseStamped = 2;
// smashSoundState
constexpr uint8_t kSmashNone = 0;
constexpr uint8_t kSmashPlay = 1;  // play it this frame
constexpr uint8_t kSmashPlayed = 2;
// allyPhase
constexpr uint8_t kAllyIdle = 0;    // the allied units are not acting
constexpr uint8_t kAllyPick = 1;    // pick and plan the next unit
constexpr uint8_t kAllyMove = 2;    // it moves
constexpr uint8_t kAllyAttack = 3;  // its attack is resolved
// victory
constexpr uint8_t kVictoryNone = 0;
constexpr uint8_t kVictoryJustWon = 1;
constexpr uint8_t kVictoryMessage = 2;     // the victory message is shown
constexpr uint8_t kVictoryExperience = 3;  // the experience page is shown
// retreatConfirmed
constexpr uint8_t kRetreatNone = 0;
constexpr uint8_t kRetreatYes = 1;
constexpr uint8_t kRetreatAcknowledged = 2;  // leaves the battle
// victoryGrade
constexpr uint8_t kGradeVictory = 1;
constexpr uint8_t kGradeGreat = 2;
constexpr uint8_t kGradeBrilliant = 3;
// buttonHover looks
constexpr uint8_t kLookIdle = 0;
constexpr uint8_t kLookHover = 1;
constexpr uint8_t kLookPressed = 2;

// ---- cell geometry
constexpr bool IsFieldCell(uint32_t cell) { return cell >= 1 && cell <= kCellCount; }
// The cell of column 0..19 and row 0..14.
constexpr uint32_t CellAt(int32_t column, int32_t row) {
  return static_cast<uint32_t>(column + kColumns * row + 1);
}
// Column and row of a cell; a number outside 1..300 gives column and row 0.
constexpr int32_t CellColumn(uint32_t cell) {
  return IsFieldCell(cell) ? static_cast<int32_t>((cell - 1) % kColumns) : 0;
}
constexpr int32_t CellRow(uint32_t cell) {
  return IsFieldCell(cell) ? static_cast<int32_t>((cell - 1) / kColumns) : 0;
}
// The field pixel of a cell's top-left corner.
constexpr int32_t CellX(uint32_t cell) { return CellColumn(cell) * kCellSize; }
constexpr int32_t CellY(uint32_t cell) { return CellRow(cell) * kCellSize; }
// The cell under a field pixel inside the field.
constexpr uint32_t CellAtPixel(int32_t x, int32_t y) {
  return CellAt(x / kCellSize, y / kCellSize);
}

}  // namespace battle

class BattleScreen {
 public:
  // Every field 0, then the defaults: cellCount 300, stepDelayMs 100,
  // excludedX none, resultsPending 1, turnPanelShown 1, the three timers
  // ready to stamp, hitRising 1, turnNumber 1, every unit's move points 7.
  BattleScreen();
  virtual ~BattleScreen();  // releases its pictures (ReleasePictures)
  BattleScreen(const BattleScreen&) = delete;
  BattleScreen& operator=(const BattleScreen&) = delete;

  // ---- Record (battle_screen.cpp)
  // figureX/figureY and armyX/armyY of all six slots from their cells.
  void PlaceUnits();

  // ---- Set-up, line-ups and carried wear
  // (battle_setup.cpp, battle_wear.cpp; the tables in battle_lineups.cpp)
  // The friendly side by battleId: thresholds, the figure's and armies'
  // cells and facings, the first view, and the allied units whose
  // conditions hold. An id without an entry changes nothing.
  void SetUpBattle();
  // The enemy line-up of battleId into the enemy slots, the pictures it
  // uses and enemyCountAtStart. An id without a line-up places nothing.
  void PlaceEnemies();
  // Lays carriedWear and carriedLosses onto the armies the line-up placed.
  void ApplyCarriedWear();
  // After a defeat or retreat: the average wounds and losses per enemy
  // army into carriedWear and carriedLosses (clamped to a byte; a count of
  // 0 at the start gives none).
  void StoreCarriedWear();
  // The wound points that wear lays on each of the three wound layers.
  static void CarriedWounds(uint8_t wear, uint8_t layers[3]);
  // The enemy slots the line-up of battleId fills (0..50).
  int LineupSlots() const;

  // ---- Moves and paths (battle_moves.cpp)
  // The cell under (targetX, targetY): into enemyDestinationCell while the
  // enemy side acts, else into targetCell (and allyDestinationCell while the
  // allied side acts). A point in no cell changes nothing.
  void FindCellAt();
  // One click on the field: selects the fighter or an army on clickedCell,
  // or plans the selected unit's path to the clicked point, all steps at once.
  void PlanPlayerPath();
  // Whether and where the destination marker shows (clears markerRequest).
  void UpdateMarker();
  // Moves the walking fighter (selectState 2 or 3) or army (actingArmy) by
  // step pixels along its path; settles the cell at the end.
  void WalkPlayerUnit(int32_t step);
  // The direction counts of the acting computer unit towards
  // (destinationX, destinationY), each cut to 7 (a cut drops the pending
  // attack); starts that side's path state.
  void ComputeWalkCounts();
  // The acting enemy's or allied unit's path, all steps at once.
  void PlanEnemyPath();
  void PlanAllyPath();
  // The acting computer unit's walk; its arrival hands on the side's phase.
  void WalkEnemy(int32_t step);
  void WalkAlly(int32_t step);
  // Helpers of the moves.
  void CountSteps(int32_t sx, int32_t sy, int32_t cx, int32_t cy);
  bool StepsLeft() const;
  void TakeStep(int32_t* x, int32_t* y);
  void ClearPlayerPath();
  void WithdrawPlayerStep(uint8_t* moves);
  void ClearWalk();
  // The unit standing at a field position (-1 none); `except` is skipped.
  int EnemyAtPoint(int32_t x, int32_t y, int except) const;
  int AllyAtPoint(int32_t x, int32_t y, int except) const;
  int ArmyAtPoint(int32_t x, int32_t y, int except) const;
  bool FighterAtPoint(int32_t x, int32_t y) const;
  void StartLeg(int32_t x, int32_t y, int32_t tx, int32_t ty, uint8_t* facing);
  bool StepLeg(int32_t* x, int32_t* y, int32_t tx, int32_t ty, int32_t step);
  uint32_t SettleCell(uint32_t oldCell, int32_t x, int32_t y, uint32_t code);
  void ComputeWalkCountsFor(bool enemySide, int32_t sx, int32_t sy);
  void PlanComputerPath(bool enemySide);
  void WalkComputerUnit(bool enemySide, int32_t step);

  // ---- Attack resolution (battle_attack.cpp)
  // Damage points of a blow by the attacker's value against the defender's.
  static int32_t DamageClass(int32_t attack, int32_t shield);
  // The blow of the fighter or an army on targetEnemy (attackState 1 -> 2 -> 0).
  void StartPlayerAttack();
  void ResolvePlayerAttack();
  // The acting allied unit's blow on targetEnemy.
  void StartAllyAttack();
  void ResolveAllyAttack();
  // The acting enemy's blow on enemyTarget (0 fighter, 1..6 army, 7..26 ally).
  void StartEnemyAttack();
  void ResolveEnemyAttack();
  // Before a computer blow that follows a walk: drops the attack unless the
  // target stands on a neighbouring cell.
  void CheckAdjacent();
  // Helpers of the blows.
  void StartHit(uint32_t now);
  void BlowSound(bool destroyed);
  // The wound model with blowDamage on one unit; a destroyed unit leaves the field.
  void WoundEnemy(int e);
  void WoundArmy(int j);
  void WoundAlly(int u);
  // The position of an enemy's target entry; false when it no longer stands.
  bool EnemyTargetPosition(uint8_t target, int32_t* x, int32_t* y) const;
  // The acting enemy's blow is called off: it counts as acted, the side goes on.
  void DropEnemyAttack();

  // ---- Enemy and allied choices (battle_choices.cpp)
  // The next allied unit / enemy to act and its targets; with none left the
  // side hands on (allies -> enemies -> the next turn).
  void ChooseAlly();
  void ChooseEnemy();
  void NearestTargetAlly();
  void NearestTargetEnemy();
  // A target on a neighbouring cell is struck at once (phase 3).
  void AdjacentAlly();
  void AdjacentEnemy();
  // The eight neighbour cells of one target into the approach entries from
  // approachEntry on (the side in its choosing phase).
  void ApproachCells(int32_t x, int32_t y);
  // Approach entry approachEntry free or not.
  void IsFreeCell(int32_t x, int32_t y);
  void ApproachDistances();
  // The nearest free approach cell becomes the destination.
  void ChooseApproach();
  // One frame of the allied side's / enemy side's choice while its phase is
  // 1: choose, strike at once or plan the walk (with the enemy's retry).
  void RunAllyChoice();
  void RunEnemyChoice();
  // Helpers of the choices.
  void ClearChoice();
  // The approach cells of every listed target, their state and distance, and
  // the choice among them.
  void RateApproaches(bool enemySide);

  // ---- Turns, victory and rewards (battle_turns.cpp)
  // The swing, hit and pause timers against timeGetTime(); once per frame.
  void AdvanceStepTimers();
  void AdvanceStepTimersAt(uint32_t nowMs);
  // Writes occupant for every unit on the field (the others untouched).
  void MarkOccupants();
  // Victory when no enemy stands; defeat when the fighter, every army and
  // every allied unit are down.
  void CheckBattleEnd();
  // The end-of-turn button: the allied side starts, every move point back
  // to 7, the acted marks and the player's selection cleared.
  void EndTurn();
  // Once the enemy side has finished (enemyPhase 100) and nothing walks, the
  // player's part of the next turn begins.
  void StartPlayerTurn();
  // Reaching turnLimit without a victory loses the battle.
  void CheckTurnLimit();
  // Grade, gold (added to *gold), experience, level and army training.
  void EvaluateVictory(int32_t* gold);
  // The effects of this victory on the game by battleId. Returns 1 when the
  // game is won.
  uint8_t ApplyVictoryEffects(GameState* state);
  // The level for an experience total; below 50 the level stays as given.
  static uint8_t LevelForExperience(int32_t experience, uint8_t level);

  // ---- Screen: art, procedure steps, input and view, panels, drawing, bottom bar
  // Pictures (battle_pictures.cpp). LoadArt: uiSheet (the grid by battleId),
  // the two fonts and the two letter sheets; the others as their names say,
  // each loading only what the set-up marked.
  void LoadArt(GraphicsDevice* device);
  void LoadTerrain(GraphicsDevice* device);
  void LoadPortrait(GraphicsDevice* device);
  void LoadFigure(GraphicsDevice* device);
  void LoadArmyPictures(GraphicsDevice* device);
  void LoadEnemyPictures(GraphicsDevice* device);
  void LoadJoinedHeroPortrait(GraphicsDevice* device);
  void ReleasePictures();

  // Hand-over with the game record (battle_hand_over.cpp). Every number
  // taken from the record that indexes a table is checked where it is taken.
  // The battle id, quest stages, fighter, carried wear and losses, the caught
  // flag and the portrait; false when the record names no battle or no
  // fighter (the battle then goes back to the map).
  bool TakeIdentity(const GameState& state);
  // The slots in use, the fighter's name, experience and level, the army names.
  void TakeNames(const GameState& state);
  // The fighter's values and the six armies.
  void TakeFighterValues(const GameState& state);
  // A slot not in use gets no soldiers; armyUsedAtStart; a slot without
  // soldiers is not in use.
  void SettleArmySlots();
  // The battle-resume block of a game saved during this battle. False, with
  // nothing taken, when any cell, position, facing, picture, move count or
  // the turn lies outside what the battle can hold.
  bool ResumeIsSound(const GameState& state) const;
  bool RestoreResume(const GameState& state);
  void WriteResume(GameState& state) const;
  // A lost or abandoned battle, once: the wear into the per-battle tables.
  bool StoreLostBattle(GameState& state);  // true the one time it stores
  // What leaving hands back (fame, the fighter's values and armies, the
  // resume block). The outcome (fame and the level-up gains) is given once,
  // however often the battle is left for the save-and-quit question.
  void GiveBack(GameState& state);
  // The fighter's values and armies into the record.
  void GiveFighterBack(GameState& state) const;
  // Whether the battle has an outcome (won, lost or abandoned).
  bool Decided() const;

  // Input and view (battle_input.cpp, battle_view.cpp).
  void HoverButtons(int32_t x, int32_t y);
  void HoverGainEntries(int32_t x, int32_t y);
  uint32_t ClickCell(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickButtons(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();
  bool ButtonTakenNow(uint8_t id) const;
  // The player may give orders: nothing walks, no computer side acts.
  bool PlayerMayAct() const;
  // The press of the end-of-turn button (before its release).
  void PressEndTurn();
  // The released button's action (leaveRequest for the ones that leave).
  void ActOnButton();
  // The pressed button is let go of without acting: its look goes back to
  // rest, and its release is nobody's.
  void LetGoOfButton();
  // Clears the player's selection, path and attack marks.
  void ClearOrders();
  // The battle's actions of one frame, walks by moveStep pixels.
  void RunActions(int32_t moveStep);
  // Takes the blow that just started into the bottom bar's reports.
  void NoteBlow();
  // Enter or the right button. It acknowledges what is shown, as Continue
  // does, and spends releaseSeen with it.
  void Confirm();
  void DropOrder();
  // A fresh press once both buttons were seen up, while something waits to
  // be acknowledged.
  void Continue();
  bool ShowsSomethingToAcknowledge() const;
  void ScrollRight(int32_t step);
  void ScrollLeft(int32_t step);
  void ScrollUp(int32_t step);
  void ScrollDown(int32_t step);
  void ScrollByKeys(InputDevice* keyboard, int32_t step);
  void ScrollView(MouseCursor* cursor, int32_t step);
  void CentreView(int32_t x, int32_t y);
  void CentreViewOnAction(int32_t unitX, int32_t unitY, int32_t targetX, int32_t targetY,
                          bool nextToTarget);

  // Drawing (battle_draw.cpp): pieces shared by the panels and the bar.
  void DrawPicture(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
                   float scaleY);
  // At a field position under the view.
  void DrawField(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y, float scaleX,
                 float scaleY);
  void DrawPanelBack(int32_t x, int32_t y, float scaleX, float scaleY);
  void DrawName(const uint8_t* name, int32_t x, int32_t y, float scaleX, float scaleY);
  void DrawDigits(SpriteSheet* sheet, int image, int32_t value, int32_t y, float scaleX,
                  float scaleY, const battle::DigitPlaces& places, int32_t dx);
  void DrawLine(TextFont* font, const char* text, int32_t x, int32_t y, int32_t w, int32_t h,
                uint32_t colour);
  void DrawLine(TextFont* font, const battle_texts::TextLine& line);
  void DrawNumber(TextFont* font, int32_t value, int32_t x, int32_t y, int32_t w, int32_t h,
                  uint32_t colour);
  // The field.
  void DrawBorder();
  void DrawBackdrop(int image);
  void DrawBackdropBlackZima();
  void DrawBackdropGrey();
  void DrawBackdropDesert();
  void DrawBackdropGrass();
  void DrawBackdropBrown();
  void DrawBackdropPlains();
  void DrawGrid();
  void DrawUnits();
  void DrawCount(int32_t count, int32_t x, int32_t y, bool threeDigits);
  void DrawPathAndMarkers();
  // The hit bookkeeping after the units: keeps the copies of the strike
  // marks while the struck enemy shows the hit, and holds the pause.
  void KeepHitMarks();
  void DrawHitEffects();
  void DrawHitEffect(int32_t x, int32_t y, bool allDown, bool someDown, int32_t allDownDx);
  // Panels (battle_panels.cpp).
  void DrawButtonsAndRetreat();
  void DrawTurnPanel();
  void DrawResults();
  void DrawVictoryMessage();
  void DrawExperiencePage();
  // The bottom bar (battle_bottom_bar.cpp).
  void DrawSelectionBar();
  void DrawEnemyHitReport();
  void DrawFighterHitReport();
  void DrawUnitHitReport();
  void DrawBarBackground(bool nameStrip);
  void DrawMoveHint(uint8_t moves);
  void DrawMovesLeft(uint8_t moves);
  void DrawBarValue(int which, int32_t value);  // 0 health, 1 attack, 2 shield
  void DrawBlowOutcome(const battle::BlowReport& report);
  void DrawUnitReport(SpriteSheet* icons, int icon, const uint8_t* name,
                      const battle::BlowReport& report);
  battle::BlowReport EnemyReport() const;
  battle::BlowReport ArmyReport() const;
  battle::BlowReport AllyReport() const;

  // ================================================================ fields

  // Field
  uint32_t cellCount{};  // 300

  // Pictures
  SpriteSheet* uiSheet{};         // 63 images; image 50 the joined hero's portrait
  SpriteSheet* terrainSheet{};    // 10 images: the terrain backdrops
  SpriteSheet* figureSheet{};     // 10 images: the fighter's figure
  SpriteSheet* armySheet{};       // 30 images by army kind
  SpriteSheet* armyIconSheet{};   // 30 images by army kind
  SpriteSheet* enemySheet{};      // 11 images by enemy picture
  SpriteSheet* allySheet{};       // 10 images (three used)
  SpriteSheet* allyIconSheet{};   // 10 images (three used)
  SpriteSheet* portraitSheet{};   // the fighter's portrait
  SpriteSheet* letterSheetRed{};  // name letters, red key
  SpriteSheet* letterSheet{};     // name letters
  TextFont* fontMedium{};         // "Arial" 22
  TextFont* fontLarge{};          // "Arial" 30

  // Sounds
  uint8_t pickSoundPending{};  // 1: play the pick sound this frame
  uint8_t smashSoundState{};   // kSmash*

  // Timing
  uint32_t stepDelayMs{};  // one animation step: 200, 100 or 50 by the swing speed

  // Map
  uint8_t caughtByArmy{};  // copy of GameState::caughtByArmy
  int32_t excludedX{};     // x the enemy's choice must avoid; kNoExcludedX none

  // Copies
  uint8_t questStage[battle::kQuests]{};  // quest q at index q - 1

  // Picture needs
  uint8_t enemyPictureUsed[battle::kEnemyPictures]{};
  uint8_t allyPictureUsed[battle::kAllyPictures]{};

  // Turns
  uint8_t turnPanelShown{};  // 1 while the turn panel is shown
  uint8_t gradeTurns3{};     // a victory before this turn is grade 3
  uint8_t gradeTurns2{};     // ... before this one grade 2, later grade 1
  uint8_t turnLimit{};       // reaching this turn loses the battle

  // Sums (end of battle)
  int32_t woundsSum{};
  int32_t killedSum{};
  int32_t killedPerEnemy{};
  int32_t woundsPerEnemy{};

  // Flags
  uint8_t wearAtStart{};     // carriedWear was non-zero at set-up
  uint8_t leftWithWear{};    // carriedWear non-zero after the write-back
  uint8_t retreated{};       // the retreat was confirmed
  uint8_t resultsPending{};  // cleared once the end-of-battle write-back is done
  uint8_t joinedHero{};      // hero number 1..10 shown joining, 0 none
  uint8_t gridShown{};
  uint8_t retreatAsked{};      // the retreat question is open
  uint8_t retreatConfirmed{};  // kRetreat*

  // Results
  uint8_t victoryGrade{};  // kGrade*
  uint8_t releaseSeen{};   // both buttons were up while a panel is shown
  uint8_t levelGain{};
  uint8_t healthGain{};
  uint8_t attackGain{};
  uint8_t shieldGain{};

  // Fighter
  uint8_t fighterName[kGlyphNameLength]{};
  uint8_t playerPortrait{};  // 0 or 1
  uint8_t battleOver{};      // the battle is decided

  // Identity
  uint32_t battleId{};      // 1..93
  uint8_t carriedWear{};    // GameState battleWear of this battle
  uint8_t carriedLosses{};  // GameState battleLosses of this battle

  // Step timer
  uint32_t stepStampMs{};
  uint8_t stepTimerState{};  // kTimer*
  uint8_t swingFrame{};      // 1..3
  uint8_t swingRising{};

  // Hit timer
  uint32_t hitStampMs{};
  uint8_t hitTimerState{};
  uint8_t hitFrame{};
  uint8_t hitRising{};
  uint8_t hitActive{};
  uint8_t hitMarks[4]{};  // battle::kHitMark*: the player's side strikes

  // Pause timer
  uint8_t pauseActive{};  // kPause*
  uint32_t pauseStampMs{};
  uint8_t pauseTimerState{};
  uint8_t mouseArmed{};         // both buttons were released after entering
  uint8_t enemyCountAtStart{};  // divisor of the end averages

  // Fighter values
  int32_t figureX{}, figureY{};
  uint32_t figureCell{};
  uint8_t figureFacing{};
  uint8_t figureMoves{};
  int32_t figureHealth{};
  int32_t figureAttack{};
  int32_t figureShield{};
  int32_t figureExperience{};
  uint8_t figureLevel{};

  // Armies (six slots)
  uint8_t armyUsedAtStart[battle::kArmySlots]{};
  uint8_t armyUsed[battle::kArmySlots]{};
  int32_t armyX[battle::kArmySlots]{};
  int32_t armyY[battle::kArmySlots]{};
  uint32_t armyCell[battle::kArmySlots]{};
  uint8_t armyFacing[battle::kArmySlots]{};
  uint8_t armyKind[battle::kArmySlots]{};  // ArmyKind, also the picture index
  uint8_t armyMoves[battle::kArmySlots]{};
  uint8_t armyKindUsed[battle::kArmyKinds]{};  // its pictures are loaded
  uint32_t armyFights[battle::kArmySlots]{};   // ranks the armies at a victory
  uint8_t armyCount[battle::kArmySlots]{};     // soldiers left; 0 down
  uint8_t armyKilled[battle::kArmySlots]{};
  uint8_t armyWounds1[battle::kArmySlots]{};
  uint8_t armyWounds2[battle::kArmySlots]{};
  uint8_t armyWounds3[battle::kArmySlots]{};
  uint32_t armyAttack[battle::kArmySlots]{};
  uint32_t armyShield[battle::kArmySlots]{};
  uint32_t armyTraining[battle::kArmySlots]{};
  uint32_t armyEquipment[battle::kArmySlots]{};
  uint8_t armyName[battle::kArmySlots][kGlyphNameLength]{};

  // Fighter identity
  uint8_t fightByPlayer{};  // 1 when the player fights
  uint8_t fightHero{};      // hero number 1..10 when a hero fights, else 0

  // Enemies (fifty slots)
  uint8_t enemyAlive[battle::kEnemySlots]{};
  int32_t enemyX[battle::kEnemySlots]{};
  int32_t enemyY[battle::kEnemySlots]{};
  uint32_t enemyCell[battle::kEnemySlots]{};
  uint8_t enemyFacing[battle::kEnemySlots]{};
  uint8_t enemyPicture[battle::kEnemySlots]{};
  uint8_t enemySoldiers[battle::kEnemySlots]{};
  uint8_t enemyAttack[battle::kEnemySlots]{};
  uint8_t enemyShield[battle::kEnemySlots]{};
  uint8_t enemyActed[battle::kEnemySlots]{};
  uint8_t enemyMoves[battle::kEnemySlots]{};
  uint8_t enemyWounds1[battle::kEnemySlots]{};
  uint8_t enemyWounds2[battle::kEnemySlots]{};
  uint8_t enemyWounds3[battle::kEnemySlots]{};
  uint8_t enemyKilled[battle::kEnemySlots]{};

  // Allies (twenty slots)
  uint8_t allyPresent[battle::kAllySlots]{};
  int32_t allyX[battle::kAllySlots]{};
  int32_t allyY[battle::kAllySlots]{};
  uint32_t allyCell[battle::kAllySlots]{};
  uint8_t allyFacing[battle::kAllySlots]{};
  uint8_t allyPicture[battle::kAllySlots]{};
  uint8_t allyCount[battle::kAllySlots]{};
  uint8_t allyWounds1[battle::kAllySlots]{};
  uint8_t allyWounds2[battle::kAllySlots]{};
  uint8_t allyWounds3[battle::kAllySlots]{};
  uint8_t allyKilled[battle::kAllySlots]{};
  uint8_t allyAttack[battle::kAllySlots]{};
  uint8_t allyShield[battle::kAllySlots]{};
  uint8_t allyActed[battle::kAllySlots]{};
  uint8_t allyMoves[battle::kAllySlots]{};
  uint8_t allyName[battle::kAllySlots][kGlyphNameLength]{};

  // Turn
  uint32_t turnNumber{};  // saved as one byte
  uint8_t allyPhase{};    // kAlly*

  // End tests
  uint8_t armiesDown{};  // 0..6
  uint8_t alliesDown{};  // 0..20
  uint8_t victory{};     // kVictory*
  uint8_t defeat{};

  // View
  int32_t viewX{}, viewY{};

  // Occupancy, indexed by cell number 1..300 (entry 0 unused): kOccupant*
  uint32_t occupant[battle::kCellCount + 1]{};

  // Input
  uint8_t buttonHover[8]{};  // look of buttons 1..7: kLook*
  uint32_t clickedCell{};
  uint8_t hoverEntry{};     // results panel entry under the cursor
  uint8_t pressedButton{};  // 1..7
  uint8_t clickedButton{};  // 1..7

  // ================================================================ working fields
  // Each group of operations keeps its own working fields here.

  // ---- Set-up, line-ups and carried wear

  // ---- Moves and paths
  // Selection and confirmation (the battle input and procedure set and
  // confirm them, the moves act on them).
  uint8_t selectState{};           // kSelect*: the fighter's selection and walk
  uint8_t selectedArmy{};          // 1..6: an army's planned path waits for confirmation
  uint8_t actingArmy{};            // 1..6: the confirmed army walks
  int32_t clickedX{}, clickedY{};  // field pixel of the last field click
  uint8_t destinationClicked{};    // a field click waits to be handled
  uint8_t figureSelected{};
  uint8_t armySelected{};        // 1..6, 0 none
  uint8_t armySlot{};            // the same slot counted from 0
  uint8_t figureMovesPlanned{};  // working copies spent while a path is planned
  uint8_t armyMovesPlanned[battle::kArmySlots]{};
  // The player's path
  int32_t pathX[battle::kPathSlots]{};
  int32_t pathY[battle::kPathSlots]{};
  uint8_t pathMarked[battle::kPathSlots]{};
  uint8_t pathLength{};      // waypoints in use
  uint8_t pathStep{};        // waypoint the walker heads for
  uint8_t pathBuildState{};  // 0 idle, 1 start, 2 counts ready, 3..9 after step 1..7
  int32_t pathStartX{}, pathStartY{};
  uint8_t stepsRight{}, stepsLeft{}, stepsUp{}, stepsDown{};
  int32_t targetX{}, targetY{};
  uint32_t targetCell{};    // 0 none
  uint8_t attackPending{};  // the path ends next to targetEnemy
  int32_t attackEnemyX{}, attackEnemyY{};
  uint8_t targetEnemy{};      // enemy slot struck by the player's side or an allied unit
  uint8_t attackAtArrival{};  // strike once the walk ends
  uint8_t attackAdjacent{};   // strike from where the unit stands (empty path)
  uint8_t figureAttacks{};    // the fighter strikes
  uint8_t armyAttacks{};      // army slot 1..6 strikes
  uint8_t markerShown{};
  int32_t markerX{}, markerY{};
  uint8_t markerRequest{};
  uint8_t markerOwnUnit{};  // the destination holds one of the player's units
  uint8_t armyWalkState{};  // 0 idle, slot 1..6 + 1 while that army walks
  uint8_t walkLegDone{}, walkNewLeg{};
  uint8_t walkAtX{}, walkAtY{};                       // the leg's axis has been reached
  uint8_t legRight{}, legLeft{}, legUp{}, legDown{};  // direction flags of the leg
  uint8_t arrivalOccupant{};                          // what the destination held at arrival
  // Computer-side paths (one walker at a time)
  int32_t walkX[battle::kPathSlots]{};
  int32_t walkY[battle::kPathSlots]{};
  uint8_t walkMarked[battle::kPathSlots]{};
  uint8_t walkLength{}, walkStep{};
  uint8_t enemyPathState{}, allyPathState{};  // 0 idle, 1..7 next step
  uint8_t blockedCount{};
  uint8_t enemyStepBlocked[battle::kMovesPerTurn]{};
  uint8_t allyStepBlocked[battle::kMovesPerTurn]{};
  uint32_t enemyDestinationCell{}, allyDestinationCell{};
  uint8_t pathEnded{};       // the planning stopped on contact or at the last count
  uint8_t planIncomplete{};  // the move points ran out before the counts did

  // ---- Attack resolution
  int32_t blowDamage{};
  int32_t strengthGap{};  // defender's value - attacker's when the attacker is weaker
  uint8_t bonusApplied{};
  uint8_t attackState{};  // kAttack*
  uint8_t attackStep{};   // run the player's blow steps this frame
  uint8_t figureAttacked{};
  uint8_t armyAttacked[battle::kArmySlots]{};
  uint8_t enemyTarget{};  // kEnemyTarget*: what the acting enemy strikes
  uint8_t enemyAttackPending{}, allyAttackPending{};
  uint8_t enemyMetTarget{};  // the unit an enemy's path ended at (kNoTarget none)
  uint8_t allyMetTarget{};   // the enemy an allied path ended at (kNoTarget none)
  // The last blow on an enemy (read by the panels): the points that ended in
  // the last wound level reached, the soldiers killed, the unit destroyed.
  uint8_t blowWound1{}, blowWound2{}, blowWound3{};
  uint8_t blowOneKilled{}, blowKilledShown{}, blowKilledCount{}, blowDestroyed{};
  // The same for the last blow on an army and on an allied unit.
  uint32_t armyBlowWound1{}, armyBlowWound2{}, armyBlowWound3{};
  uint32_t armyBlowOneKilled{}, armyBlowKilledShown{}, armyBlowKilledCount{}, armyBlowDestroyed{};
  uint32_t allyBlowWound1{}, allyBlowWound2{}, allyBlowWound3{};
  uint32_t allyBlowOneKilled{}, allyBlowKilledShown{}, allyBlowKilledCount{}, allyBlowDestroyed{};
  // Who struck whom.
  uint8_t strikerKind{};    // 1 the fighter, 2..7 army slot 1..6
  uint8_t strikerTarget{};  // the enemy slot struck
  uint8_t strikerArmySlot{};
  uint8_t struckFighter{}, struckArmy{}, struckAlly{};
  uint8_t struckArmySlot{};   // 0..5
  uint8_t struckAllyIndex{};  // 0..19
  // Animation flags of the sides, for the drawing: a computer side's strike
  // or walk is under way; the army slot 1..6 that strikes.
  uint8_t allyStriking{}, enemyStriking{};
  uint8_t allyWalking{}, enemyWalking{};
  uint8_t strikingArmy{};

  // ---- Enemy and allied choices
  uint8_t enemyPhase{};  // kEnemy*
  uint8_t allyChooseNext{}, enemyChooseNext{};
  uint8_t actingAlly{}, actingEnemy{};
  int32_t actingAllyX{}, actingAllyY{}, actingEnemyX{}, actingEnemyY{};
  uint8_t allyFound{}, enemyFound{};
  uint8_t targetCount{};
  uint8_t cameraRequest{};  // a unit was just chosen: the view may follow it
  // Targets: the allied side lists enemy slot e at entry e; the enemy side
  // lists the fighter at 0, army slot j at 1 + j, allied unit u at 7 + u.
  uint8_t allyTargetUsed[battle::kEnemySlots]{};
  int32_t allyTargetX[battle::kEnemySlots]{};
  int32_t allyTargetY[battle::kEnemySlots]{};
  uint32_t enemyTargetUsed[battle::kEnemyTargets]{};
  int32_t enemyTargetX[battle::kEnemyTargets]{};
  int32_t enemyTargetY[battle::kEnemyTargets]{};
  // Approach cells: entry = target x 8 + direction.
  int32_t allyApproachX[battle::kAllyApproaches]{};
  int32_t allyApproachY[battle::kAllyApproaches]{};
  uint8_t allyApproachInField[battle::kAllyApproaches]{};
  uint8_t allyApproachFree[battle::kAllyApproaches]{};
  uint8_t allyApproachDistance[battle::kAllyApproaches]{};
  int32_t enemyApproachX[battle::kEnemyApproaches]{};
  int32_t enemyApproachY[battle::kEnemyApproaches]{};
  uint8_t enemyApproachInField[battle::kEnemyApproaches]{};
  uint8_t enemyApproachFree[battle::kEnemyApproaches]{};
  uint8_t enemyApproachDistance[battle::kEnemyApproaches]{};
  uint32_t approachEntry{};  // the entry ApproachCells and IsFreeCell write
  uint8_t nearestTarget{}, nearestDistance{};
  uint8_t enemyChosenApproach{};  // kEnemyNoApproach none
  uint32_t allyChosenApproach{};  // kAllyNoApproach none
  uint8_t chosenDistance{};
  uint8_t approachFound{};
  uint8_t approachTarget{};  // chosen approach / 8
  uint8_t noApproach{};
  int32_t destinationX{}, destinationY{};
  uint8_t adjacentFound{};
  uint8_t retryCount{};
  int32_t excludedY{};                // with excludedX: the position the enemy's choice avoids
  uint8_t allyStuck{}, enemyStuck{};  // no approach cell and an empty walk

  // ---- Turns, victory and rewards
  int32_t goldReward{};
  int32_t goldFound{};                     // the gold reward as the result panel shows it
  uint8_t armyRank[battle::kArmySlots]{};  // army slot of rank 1..6
  uint8_t levelBefore{};
  int32_t armyTrainingGain[battle::kArmySlots]{};
  int32_t armyEquipmentGain[battle::kArmySlots]{};
  int32_t trainingByRank[battle::kArmySlots]{};
  int32_t equipmentByRank[battle::kArmySlots]{};
  int32_t trainingBefore[battle::kArmySlots]{};
  int32_t equipmentBefore[battle::kArmySlots]{};
  int32_t armyGradeBefore[battle::kArmySlots]{};
  int32_t armyGradeAfter[battle::kArmySlots]{};
  int32_t armyGradeRise[battle::kArmySlots]{};
  int32_t armyAttackGain[battle::kArmySlots]{};
  int32_t armyShieldGain[battle::kArmySlots]{};
  int32_t experienceGained{};

  // ---- Screen: art, procedure steps, input and view, panels, drawing, bottom bar
  uint8_t enterHintHovered{};   // the cursor is over the bar's hint area (this frame)
  uint8_t buttonHeld{};         // from a button's click until both buttons are up
  uint8_t backdropDrawn{};      // one backdrop a frame
  uint8_t shownEnemy{};         // enemy slot showing the hit effect
  uint8_t shownEnemyRequest{};  // the next drawing takes targetEnemy into shownEnemy
  uint8_t pathShown{};          // the planned path and its markers are shown
  uint8_t pathExhausted{};      // the selected unit has no planned move points left
  uint8_t turnsLeft{};          // to the last threshold the turn panel tested
  uint8_t armyRaiseLimit[battle::kArmySlots]{};  // (training + equipment) / 10
  uint8_t armyRaiseMark[battle::kArmySlots]{};   // the army may take on more soldiers
  uint8_t leaveRequest{};    // battle::kStay, kGoTo*: the procedure makes the leave
  uint8_t outcomeApplied{};  // the fame and gains of the outcome went into the record
  // The bottom bar's blow reports, taken from the blow record when a blow starts.
  int32_t damageShown{};    // the damage of the last blow
  uint8_t downCount{};      // soldiers down in the last blow (when several)
  uint8_t enemyHitShown{};  // the report of a blow on an enemy army
  uint8_t hitEnemySlot{};
  uint8_t fighterHitShown{};
  uint8_t armyHitShown{};
  int32_t hitArmySlot{};  // 0..5
  uint8_t allyHitShown{};
  uint8_t hitAllySlot{};  // 0..19

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("cellCount", cellCount);
    v.Handle(uiSheet);
    v.Handle(terrainSheet);
    v.Handle(figureSheet);
    v.Handle(armySheet);
    v.Handle(armyIconSheet);
    v.Handle(enemySheet);
    v.Handle(allySheet);
    v.Handle(allyIconSheet);
    v.Handle(portraitSheet);
    v.Handle(letterSheetRed);
    v.Handle(letterSheet);
    v.Handle(fontMedium);
    v.Handle(fontLarge);
    v("pickSoundPending", pickSoundPending);
    v("smashSoundState", smashSoundState);
    v("stepDelayMs", stepDelayMs);
    v("caughtByArmy", caughtByArmy);
    v("excludedX", excludedX);
    v("questStage", questStage);
    v("enemyPictureUsed", enemyPictureUsed);
    v("allyPictureUsed", allyPictureUsed);
    v("turnPanelShown", turnPanelShown);
    v("gradeTurns3", gradeTurns3);
    v("gradeTurns2", gradeTurns2);
    v("turnLimit", turnLimit);
    v("woundsSum", woundsSum);
    v("killedSum", killedSum);
    v("killedPerEnemy", killedPerEnemy);
    v("woundsPerEnemy", woundsPerEnemy);
    v("wearAtStart", wearAtStart);
    v("leftWithWear", leftWithWear);
    v("retreated", retreated);
    v("resultsPending", resultsPending);
    v("joinedHero", joinedHero);
    v("gridShown", gridShown);
    v("retreatAsked", retreatAsked);
    v("retreatConfirmed", retreatConfirmed);
    v("victoryGrade", victoryGrade);
    v("releaseSeen", releaseSeen);
    v("levelGain", levelGain);
    v("healthGain", healthGain);
    v("attackGain", attackGain);
    v("shieldGain", shieldGain);
    v.Name("fighterName", fighterName);
    v("playerPortrait", playerPortrait);
    v("battleOver", battleOver);
    v("battleId", battleId);
    v("carriedWear", carriedWear);
    v("carriedLosses", carriedLosses);
    v("stepStampMs", stepStampMs);
    v("stepTimerState", stepTimerState);
    v("swingFrame", swingFrame);
    v("swingRising", swingRising);
    v("hitStampMs", hitStampMs);
    v("hitTimerState", hitTimerState);
    v("hitFrame", hitFrame);
    v("hitRising", hitRising);
    v("hitActive", hitActive);
    v("hitMarks", hitMarks);
    v("pauseActive", pauseActive);
    v("pauseStampMs", pauseStampMs);
    v("pauseTimerState", pauseTimerState);
    v("mouseArmed", mouseArmed);
    v("enemyCountAtStart", enemyCountAtStart);
    v("figureX", figureX);
    v("figureY", figureY);
    v("figureCell", figureCell);
    v("figureFacing", figureFacing);
    v("figureMoves", figureMoves);
    v("figureHealth", figureHealth);
    v("figureAttack", figureAttack);
    v("figureShield", figureShield);
    v("figureExperience", figureExperience);
    v("figureLevel", figureLevel);
    v("armyUsedAtStart", armyUsedAtStart);
    v("armyUsed", armyUsed);
    v("armyX", armyX);
    v("armyY", armyY);
    v("armyCell", armyCell);
    v("armyFacing", armyFacing);
    v("armyKind", armyKind);
    v("armyMoves", armyMoves);
    v("armyKindUsed", armyKindUsed);
    v("armyFights", armyFights);
    v("armyCount", armyCount);
    v("armyKilled", armyKilled);
    v("armyWounds1", armyWounds1);
    v("armyWounds2", armyWounds2);
    v("armyWounds3", armyWounds3);
    v("armyAttack", armyAttack);
    v("armyShield", armyShield);
    v("armyTraining", armyTraining);
    v("armyEquipment", armyEquipment);
    v.Name("armyName", armyName);
    v("fightByPlayer", fightByPlayer);
    v("fightHero", fightHero);
    v("enemyAlive", enemyAlive);
    v("enemyX", enemyX);
    v("enemyY", enemyY);
    v("enemyCell", enemyCell);
    v("enemyFacing", enemyFacing);
    v("enemyPicture", enemyPicture);
    v("enemySoldiers", enemySoldiers);
    v("enemyAttack", enemyAttack);
    v("enemyShield", enemyShield);
    v("enemyActed", enemyActed);
    v("enemyMoves", enemyMoves);
    v("enemyWounds1", enemyWounds1);
    v("enemyWounds2", enemyWounds2);
    v("enemyWounds3", enemyWounds3);
    v("enemyKilled", enemyKilled);
    v("allyPresent", allyPresent);
    v("allyX", allyX);
    v("allyY", allyY);
    v("allyCell", allyCell);
    v("allyFacing", allyFacing);
    v("allyPicture", allyPicture);
    v("allyCount", allyCount);
    v("allyWounds1", allyWounds1);
    v("allyWounds2", allyWounds2);
    v("allyWounds3", allyWounds3);
    v("allyKilled", allyKilled);
    v("allyAttack", allyAttack);
    v("allyShield", allyShield);
    v("allyActed", allyActed);
    v("allyMoves", allyMoves);
    v.Name("allyName", allyName);
    v("turnNumber", turnNumber);
    v("allyPhase", allyPhase);
    v("armiesDown", armiesDown);
    v("alliesDown", alliesDown);
    v("victory", victory);
    v("defeat", defeat);
    v("viewX", viewX);
    v("viewY", viewY);
    v("occupant", occupant);
    v("buttonHover", buttonHover);
    v("clickedCell", clickedCell);
    v("hoverEntry", hoverEntry);
    v("pressedButton", pressedButton);
    v("clickedButton", clickedButton);

    // Working fields, one group each.
    // ---- Moves and paths
    v("selectState", selectState);
    v("selectedArmy", selectedArmy);
    v("actingArmy", actingArmy);
    v("clickedX", clickedX);
    v("clickedY", clickedY);
    v("destinationClicked", destinationClicked);
    v("figureSelected", figureSelected);
    v("armySelected", armySelected);
    v("armySlot", armySlot);
    v("figureMovesPlanned", figureMovesPlanned);
    v("armyMovesPlanned", armyMovesPlanned);
    v("pathX", pathX);
    v("pathY", pathY);
    v("pathMarked", pathMarked);
    v("pathLength", pathLength);
    v("pathStep", pathStep);
    v("pathBuildState", pathBuildState);
    v("pathStartX", pathStartX);
    v("pathStartY", pathStartY);
    v("stepsRight", stepsRight);
    v("stepsLeft", stepsLeft);
    v("stepsUp", stepsUp);
    v("stepsDown", stepsDown);
    v("targetX", targetX);
    v("targetY", targetY);
    v("targetCell", targetCell);
    v("attackPending", attackPending);
    v("attackEnemyX", attackEnemyX);
    v("attackEnemyY", attackEnemyY);
    v("targetEnemy", targetEnemy);
    v("attackAtArrival", attackAtArrival);
    v("attackAdjacent", attackAdjacent);
    v("figureAttacks", figureAttacks);
    v("armyAttacks", armyAttacks);
    v("markerShown", markerShown);
    v("markerX", markerX);
    v("markerY", markerY);
    v("markerRequest", markerRequest);
    v("markerOwnUnit", markerOwnUnit);
    v("armyWalkState", armyWalkState);
    v("walkLegDone", walkLegDone);
    v("walkNewLeg", walkNewLeg);
    v("walkAtX", walkAtX);
    v("walkAtY", walkAtY);
    v("legRight", legRight);
    v("legLeft", legLeft);
    v("legUp", legUp);
    v("legDown", legDown);
    v("arrivalOccupant", arrivalOccupant);
    v("walkX", walkX);
    v("walkY", walkY);
    v("walkMarked", walkMarked);
    v("walkLength", walkLength);
    v("walkStep", walkStep);
    v("enemyPathState", enemyPathState);
    v("allyPathState", allyPathState);
    v("blockedCount", blockedCount);
    v("enemyStepBlocked", enemyStepBlocked);
    v("allyStepBlocked", allyStepBlocked);
    v("enemyDestinationCell", enemyDestinationCell);
    v("allyDestinationCell", allyDestinationCell);
    v("pathEnded", pathEnded);
    v("planIncomplete", planIncomplete);

    // ---- Attack resolution
    v("blowDamage", blowDamage);
    v("strengthGap", strengthGap);
    v("bonusApplied", bonusApplied);
    v("attackState", attackState);
    v("attackStep", attackStep);
    v("figureAttacked", figureAttacked);
    v("armyAttacked", armyAttacked);
    v("enemyTarget", enemyTarget);
    v("enemyAttackPending", enemyAttackPending);
    v("allyAttackPending", allyAttackPending);
    v("enemyMetTarget", enemyMetTarget);
    v("allyMetTarget", allyMetTarget);
    v("blowWound1", blowWound1);
    v("blowWound2", blowWound2);
    v("blowWound3", blowWound3);
    v("blowOneKilled", blowOneKilled);
    v("blowKilledShown", blowKilledShown);
    v("blowKilledCount", blowKilledCount);
    v("blowDestroyed", blowDestroyed);
    v("armyBlowWound1", armyBlowWound1);
    v("armyBlowWound2", armyBlowWound2);
    v("armyBlowWound3", armyBlowWound3);
    v("armyBlowOneKilled", armyBlowOneKilled);
    v("armyBlowKilledShown", armyBlowKilledShown);
    v("armyBlowKilledCount", armyBlowKilledCount);
    v("armyBlowDestroyed", armyBlowDestroyed);
    v("allyBlowWound1", allyBlowWound1);
    v("allyBlowWound2", allyBlowWound2);
    v("allyBlowWound3", allyBlowWound3);
    v("allyBlowOneKilled", allyBlowOneKilled);
    v("allyBlowKilledShown", allyBlowKilledShown);
    v("allyBlowKilledCount", allyBlowKilledCount);
    v("allyBlowDestroyed", allyBlowDestroyed);
    v("strikerKind", strikerKind);
    v("strikerTarget", strikerTarget);
    v("strikerArmySlot", strikerArmySlot);
    v("struckFighter", struckFighter);
    v("struckArmy", struckArmy);
    v("struckAlly", struckAlly);
    v("struckArmySlot", struckArmySlot);
    v("struckAllyIndex", struckAllyIndex);
    v("allyStriking", allyStriking);
    v("enemyStriking", enemyStriking);
    v("allyWalking", allyWalking);
    v("enemyWalking", enemyWalking);
    v("strikingArmy", strikingArmy);

    // ---- Enemy and allied choices
    v("enemyPhase", enemyPhase);
    v("allyChooseNext", allyChooseNext);
    v("enemyChooseNext", enemyChooseNext);
    v("actingAlly", actingAlly);
    v("actingEnemy", actingEnemy);
    v("actingAllyX", actingAllyX);
    v("actingAllyY", actingAllyY);
    v("actingEnemyX", actingEnemyX);
    v("actingEnemyY", actingEnemyY);
    v("allyFound", allyFound);
    v("enemyFound", enemyFound);
    v("targetCount", targetCount);
    v("cameraRequest", cameraRequest);
    v("allyTargetUsed", allyTargetUsed);
    v("allyTargetX", allyTargetX);
    v("allyTargetY", allyTargetY);
    v("enemyTargetUsed", enemyTargetUsed);
    v("enemyTargetX", enemyTargetX);
    v("enemyTargetY", enemyTargetY);
    v("allyApproachX", allyApproachX);
    v("allyApproachY", allyApproachY);
    v("allyApproachInField", allyApproachInField);
    v("allyApproachFree", allyApproachFree);
    v("allyApproachDistance", allyApproachDistance);
    v("enemyApproachX", enemyApproachX);
    v("enemyApproachY", enemyApproachY);
    v("enemyApproachInField", enemyApproachInField);
    v("enemyApproachFree", enemyApproachFree);
    v("enemyApproachDistance", enemyApproachDistance);
    v("approachEntry", approachEntry);
    v("nearestTarget", nearestTarget);
    v("nearestDistance", nearestDistance);
    v("enemyChosenApproach", enemyChosenApproach);
    v("allyChosenApproach", allyChosenApproach);
    v("chosenDistance", chosenDistance);
    v("approachFound", approachFound);
    v("approachTarget", approachTarget);
    v("noApproach", noApproach);
    v("destinationX", destinationX);
    v("destinationY", destinationY);
    v("adjacentFound", adjacentFound);
    v("retryCount", retryCount);
    v("excludedY", excludedY);
    v("allyStuck", allyStuck);
    v("enemyStuck", enemyStuck);

    // ---- Turns, victory and rewards
    v("goldReward", goldReward);
    v("goldFound", goldFound);
    v("armyRank", armyRank);
    v("levelBefore", levelBefore);
    v("armyTrainingGain", armyTrainingGain);
    v("armyEquipmentGain", armyEquipmentGain);
    v("trainingByRank", trainingByRank);
    v("equipmentByRank", equipmentByRank);
    v("trainingBefore", trainingBefore);
    v("equipmentBefore", equipmentBefore);
    v("armyGradeBefore", armyGradeBefore);
    v("armyGradeAfter", armyGradeAfter);
    v("armyGradeRise", armyGradeRise);
    v("armyAttackGain", armyAttackGain);
    v("armyShieldGain", armyShieldGain);
    v("experienceGained", experienceGained);

    // ---- Screen: art, procedure steps, input and view, panels, drawing, bottom bar
    v("enterHintHovered", enterHintHovered);
    v("buttonHeld", buttonHeld);
    v("backdropDrawn", backdropDrawn);
    v("shownEnemy", shownEnemy);
    v("shownEnemyRequest", shownEnemyRequest);
    v("pathShown", pathShown);
    v("pathExhausted", pathExhausted);
    v("turnsLeft", turnsLeft);
    v("armyRaiseLimit", armyRaiseLimit);
    v("armyRaiseMark", armyRaiseMark);
    v("leaveRequest", leaveRequest);
    v("outcomeApplied", outcomeApplied);
    v("damageShown", damageShown);
    v("downCount", downCount);
    v("enemyHitShown", enemyHitShown);
    v("hitEnemySlot", hitEnemySlot);
    v("fighterHitShown", fighterHitShown);
    v("armyHitShown", armyHitShown);
    v("hitArmySlot", hitArmySlot);
    v("allyHitShown", allyHitShown);
    v("hitAllySlot", hitAllySlot);
  }
};
