// The battle screen's frame: on its first frame it creates the battle, fills
// it from the game record and loads what the set-up needs; every frame it
// reads the keyboard and the mouse, drives the player's and the computer's
// actions, draws, and on leaving writes the outcome back and returns to the
// map, the options or the save-and-quit question.

#include "app/game_app.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "game/game_state.h"
#include "platform/anim_clock.h"
#include "platform/empty_method.h"
#include "platform/input_device.h"

using namespace battle;

namespace {

constexpr int kScrollClock = 0;
constexpr int kMoveClock = 1;
constexpr int32_t kScrollSpeed = 500;

int32_t MoveSpeed(uint8_t option) { return option == 1 ? 150 : option == 3 ? 320 : 200; }
uint32_t StepDelay(uint8_t option, uint32_t current) {
  return option == 1 ? 200 : option == 2 ? 100 : option == 3 ? 50 : current;
}

// Leaves for the save-and-quit question, which comes back to the battle on No.
// A button held meanwhile is let go of: its press went to the question, and
// it must not act on the release the battle finds after No.
void OpenSaveAndQuit(GameApp& app) {
  app.battleScreen->LetGoOfButton();
  app.LeaveScreen(GameApp::GoSaveAndQuit, kLeaveKeepOrFree);
  app.saveQuitFromBattle = 1;
  app.gameState->savedInBattle = 1;
  app.gameState->battlePending = 0;
  app.gameState->overlayOpen = 1;
}

}  // namespace

void GameApp::BattleProc() {
  GameState& state = *gameState;
  // 1. Entry, timing, cursor, scene. A battle still alive is being
  // re-entered from the options or the save-and-quit question: nothing is
  // open over it any more.
  if (leaveCode != 0 && battleScreen) {
    state.overlayOpen = 0;
    optionsFromBattle = 0;
    saveQuitFromBattle = 0;
  }
  BeginScreenFrame();

  // 2. First frame: the battle, set up from the game record.
  if (!battleScreen) {
    if (state.options[kOptionMusic]) {
      musicTrack.Stop();
      musicTrack.Load("Data\\Music2.mid");
      musicTrack.SetVolume(30);
      musicTrack.Play(10, 0);
    }
    BattleScreen* b = battleScreen = new BattleScreen;
    b->battleId = state.battleId;
    b->LoadArt(&graphics);
    b->LoadTerrain(&graphics);
    bool playable = b->TakeIdentity(state);
    if (playable) {
      b->LoadPortrait(&graphics);
      b->SetUpBattle();
      b->PlaceEnemies();
      b->ApplyCarriedWear();
      if (b->carriedWear != 0) b->wearAtStart = 1;
      b->TakeNames(state);
      if (state.battlePending == 0) {
        playable = b->RestoreResume(state);
      } else {
        b->SetUpBattle();
      }
      // A battle with nobody to fight (a damaged record) is not fought.
      playable = playable && b->enemyCountAtStart > 0;
    }
    if (!playable) {
      // The record names a battle or a fighter this screen cannot hold, or
      // its resume block holds nonsense: back to the map, nothing changed.
      FreeScreen(battleScreen);
      state.savedInBattle = 0;
      state.battleByPlayer = 0;
      state.battleHero = 0;
      state.musicRestartPending = 1;
      state.mapSnapshotState = GameState::kSnapshotMapLeft;  // as every leave of the battle
      LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);
      UpdateScreenClock();
      EndScreenFrame();
      return;
    }
    b->TakeFighterValues(state);
    b->LoadFigure(&graphics);
    b->PlaceUnits();
    b->LoadArmyPictures(&graphics);
    b->LoadEnemyPictures(&graphics);
    // An army with no soldiers left is taken off the field before the cells
    // are marked, so that it leaves no invisible obstacle behind.
    b->SettleArmySlots();
    b->MarkOccupants();
  }
  BattleScreen& b = *battleScreen;

  // 3. Clocks and the animation step.
  for (int c : {kScrollClock, kMoveClock}) {
    if (!animClock[c]) {
      animClock[c] = new AnimClock;
      animClock[c]->base = state.clockBase;
    }
  }
  b.stepDelayMs = StepDelay(state.options[kOptionSwingSpeed], b.stepDelayMs);

  // 4. Sounds.
  if (state.options[kOptionSounds]) {
    if (b.pickSoundPending) {
      sound.SetVolume(100);
      sound.Play("Data\\Pick.wav", 90, 1);
      b.pickSoundPending = 0;
    }
    if (b.smashSoundState == kSmashPlay) {
      sound.SetVolume(100);
      sound.Play("Data\\Smash.wav", 75, 1);
      b.smashSoundState = kSmashPlayed;
    }
  }

  // 5. Input.
  InputDevice* mouse = &cursor.mouse;
  b.leaveRequest = kStay;
  if (b.PlayerMayAct()) {
    keyboard.Acquire(1);
    keyboard.Poll();
    if (TakeBack()) b.leaveRequest = kGoToSaveAndQuit;
  }
  keyboard.Acquire(1);
  keyboard.Poll();
  const int32_t scrollStep =
      animClock[kScrollClock]->callerSteps == 255 ? 0 : animClock[kScrollClock]->callerSteps;
  if (timingValid) b.ScrollByKeys(&keyboard, scrollStep);
  b.ScrollView(&cursor, scrollStep);
  if (keyboard.KeyPressed(kKeyEnter)) {
    keyboard.SetLatch(kKeyEnter, 1);
    b.Confirm();
  }
  if (b.mouseArmed) {
    b.HoverButtons(cursor.x, cursor.y);
    if (b.victory != kVictoryNone) b.HoverGainEntries(cursor.x, cursor.y);
  }
  if (mouse->ButtonPressed(kMouseRight)) {
    clickHandled = 1;
    // A right press that acknowledges what is shown is the acknowledgment's
    // alone for as long as it is held: it presses no button, and does not
    // also acknowledge what comes next (the experience page after the
    // victory message).
    const bool acknowledges = b.ShowsSomethingToAcknowledge();
    b.Confirm();
    if (acknowledges) KeepPressTaken(mouse);
  }
  // A press a button holds is the button's, wherever it has been moved.
  if (b.mouseArmed && !clickHandled && b.pressedButton == kButtonNone &&
      b.clickedButton == kButtonNone && b.retreatConfirmed == kRetreatNone) {
    b.ClickCell(cursor.x, cursor.y, mouse);
  }
  if (b.mouseArmed && b.enemyPhase == 0 && b.allyPhase == 0 &&
      b.ClickButtons(cursor.x, cursor.y, mouse)) {
    b.buttonHeld = 1;
    if (b.clickedButton == kButtonEndTurn) b.PressEndTurn();
  }
  if (b.releaseSeen && (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight)))
    b.Continue();
  if (b.clickedButton != kButtonNone && b.mouseArmed &&
      (b.pressedButton != b.clickedButton || WaitForMouseRelease(mouse))) {
    b.ActOnButton();
    if (b.clickedButton == kButtonNone) KeepPressTaken(mouse);
  }
  if (!b.mouseArmed && WaitForMouseRelease(mouse)) b.mouseArmed = 1;
  if (!mouse->ButtonPressed(kMouseLeft) && !mouse->ButtonPressed(kMouseRight)) {
    b.clickedButton = kButtonNone;
    b.buttonHeld = 0;
    if (b.ShowsSomethingToAcknowledge()) b.releaseSeen = 1;
  }

  // 6. The battle's actions.
  animClock[kScrollClock]->callerSteps =
      animClock[kScrollClock]->AdvanceAveraged(kScrollSpeed, lastFrameMs);
  animClock[kMoveClock]->callerSteps = animClock[kMoveClock]->AdvanceAveraged(
      MoveSpeed(state.options[kOptionBattleMoveSpeed]), lastFrameMs);
  b.RunActions(animClock[kMoveClock]->callerSteps);
  if (b.victory == kVictoryJustWon) {
    if (state.options[kOptionMusic]) {
      musicTrack.Stop();
      musicTrack.Load("Data\\Music3.mid");
      musicTrack.SetVolume(70);
      musicTrack.Play(40, 1);
    }
    b.EvaluateVictory(&state.gold);
    b.victory = kVictoryMessage;
    if (b.ApplyVictoryEffects(&state)) endVictory = 1;
    if (b.joinedHero != 0) b.LoadJoinedHeroPortrait(&graphics);
  }

  // 7. Drawing.
  if (b.victory < kVictoryExperience) {
    b.DrawBorder();
    b.backdropDrawn = 0;
    EmptyMethod(&b);
    b.DrawBackdropBlackZima();
    b.DrawBackdropGrey();
    b.DrawBackdropDesert();
    b.DrawBackdropGrass();
    b.DrawBackdropBrown();
    b.DrawBackdropPlains();
    if (b.gridShown) b.DrawGrid();
    b.DrawUnits();
    b.DrawSelectionBar();
    b.DrawEnemyHitReport();
    b.DrawFighterHitReport();
    b.DrawUnitHitReport();
    b.DrawButtonsAndRetreat();
    if (b.turnPanelShown && !b.defeat) b.DrawTurnPanel();
  }
  if (b.battleOver == 1) b.DrawResults();

  // 8. The turn limit.
  b.CheckTurnLimit();

  // 9. A lost or abandoned battle.
  if (b.defeat || b.retreated) {
    if (b.StoreLostBattle(state)) {
      battleReturned = 1;
      battleFoughtByPlayer = b.fightByPlayer;
      battleFoughtByHero = b.fightHero;
    }
    if (state.relocationState == GameState::kRelocationPending) {
      state.RelocateAfterBattle(static_cast<uint8_t>(b.battleId), b.fightByPlayer, b.fightHero);
      battleRelocated = 1;
    }
  }

  // 10. End of the frame's input; the screen clock.
  b.ClearHover();
  clickHandled = 0;
  UpdateScreenClock();

  // The leave the battle asked for.
  if (b.leaveRequest == kGoToMap) {
    LeaveScreen(GoKingdomMap, kLeaveKeepOrFree);
  } else if (b.leaveRequest == kGoToSaveAndQuit) {
    OpenSaveAndQuit(*this);
  } else if (b.leaveRequest == kGoToOptions) {
    LeaveScreen(GoOptions, kLeaveToOptions);
    optionsFromMap = 0;
    optionsFromBattle = 1;
  }
  b.leaveRequest = kStay;

  // 11. Write-back, leaving for the map or the save-and-quit question.
  if (leaveCode == kLeaveKeepOrFree) {
    b.GiveBack(state);
    if (state.overlayOpen == 0 && optionsFromBattle == 0) {
      // The battle is over: nothing of it stays in the record.
      state.battleByPlayer = 0;
      state.battleHero = 0;
      state.savedInBattle = 0;
      FreeScreen(battleScreen);
      state.musicRestartPending = 1;
    }
  }

  // 12. Cursor, scene end, present.
  EndScreenFrame();
}
