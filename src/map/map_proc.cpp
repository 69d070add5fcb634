// The kingdom map screen's frame: the map's objects and clocks, the entry
// copy from the game record, the keys and clicks, the walks and the
// invading armies, the hand-over to the other screens of play, the drawing
// and the write-back when the map is left.

#include <algorithm>

#include "app/game_app.h"
#include "game/game_music.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "map/day_change.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "map/map_layout.h"
#include "map/map_screen.h"
#include "platform/anim_clock.h"
#include "platform/input_device.h"

namespace {

constexpr uint8_t kScrollSpeed = 0;  // clock 0: scrolling
constexpr uint8_t kWalkClock = 1;    // clock 1: walking and marching
constexpr int32_t kScrollPixelsPerSecond = 1000;
constexpr uint8_t kNoMember = 100;

// The walking speed, pixels a second, of map speed 1, 2 and 3; 0 for any
// other value (the clock then keeps its last step).
int32_t WalkSpeed(uint8_t option) {
  switch (option) {
    case 1: return 100;
    case 2: return 140;
    case 3: return 210;
    default: return 0;
  }
}

// A clock's step of this frame; a clock that never ran gives none.
uint8_t ClockStep(const AnimClock* clock) {
  if (!clock || clock->callerSteps == 255) return 0;
  return clock->callerSteps;
}

uint32_t ClickBlock(KingdomMap& view, int block, int32_t x, int32_t y, InputDevice* mouse) {
  switch (block) {
    case 1: return view.ClickBlock1(x, y, mouse);
    case 2: return view.ClickBlock2(x, y, mouse);
    case 3: return view.ClickBlock3(x, y, mouse);
    case 4: return view.ClickBlock4(x, y, mouse);
    case 5: return view.ClickBlock5(x, y, mouse);
    case 6: return view.ClickBlock6(x, y, mouse);
    case 7: return view.ClickBlock7(x, y, mouse);
    case 8: return view.ClickBlock8(x, y, mouse);
    case 9: return view.ClickBlock9(x, y, mouse);
    default: return 0;
  }
}

// The application's fields that the day change, the night and the invading
// armies' turn read and write, copied out before a call and back after it.
MapTurnFlags TurnFlagsOf(const GameApp& app) {
  MapTurnFlags f;
  f.dayRecoveryPending = app.dayRecoveryPending;
  f.mapShowMessages = app.mapShowMessages;
  f.endSurrendered = app.endSurrendered;
  f.endPeaceTreaty = app.endPeaceTreaty;
  f.endVictory = app.endVictory;
  f.leaveCode = 0;
  f.mapEnemyIndex = app.mapEnemyIndex;
  f.mapQuestIndex = app.mapQuestIndex;
  return f;
}

// A leave the rules decide on is the game's end, which the frame's end-of-game
// step turns into the save step.
void TakeTurnFlags(GameApp& app, const MapTurnFlags& f) {
  app.dayRecoveryPending = f.dayRecoveryPending;
  app.mapShowMessages = f.mapShowMessages;
  app.endSurrendered = f.endSurrendered;
  app.endPeaceTreaty = f.endPeaceTreaty;
  app.mapEnemyIndex = f.mapEnemyIndex;
  app.mapQuestIndex = f.mapQuestIndex;
}

// The inspect text closes without a click: the inspect mode it was shown in
// ends with it as after a closing click (a map click held meanwhile is
// dropped), or the cursor would stay a magnifier and the next click would
// only close a text no longer there.
void CloseInspect(MapEncounters& e) {
  e.inspectShown = 0;
  e.inspectCode = 0;
  if (e.infoMode == MapEncounters::kInfoInspecting) e.infoMode = MapEncounters::kInfoJustClosed;
  e.inspectClose = MapEncounters::kCloseNone;
}

// What a press that closes a box the map shows keeps for the box: a find and
// the bag-full note close on its release and keep the whole press; the
// inspect text and a trade's refusal close at a second press, which keeps
// only the buttons (with nobody selected it inspects the next cell, or
// chooses the member clicked). The right button closes them all at once.
uint8_t PressClosesBox(const MapEncounters& e, bool rightButton) {
  if (e.findShown == MapEncounters::kFindShown || e.bagFull) return MapEncounters::kBoxClickAll;
  if (e.inspectShown && (rightButton || e.inspectClose == MapEncounters::kCloseReleased))
    return MapEncounters::kBoxClickButtons;
  if (e.meetingCalledOff && (rightButton || e.refusedClose == MapEncounters::kCloseReleased))
    return MapEncounters::kBoxClickButtons;
  return MapEncounters::kBoxClickNone;
}

// The find goes into the record: its gold, gem and artifact, and its item
// into the finder's bag.
void TakeFind(MapEncounters& e, GameState& s) {
  if (e.storeFindPending) map_screen::CloseFind(e, s);
  if (e.bagState == MapEncounters::kBagStore) {
    map_copy::StorePlayerBag(e, s);
    e.bagState = MapEncounters::kBagIdle;
  }
  if (e.bagOwner >= 1 && e.bagOwner <= kHeroCount) map_copy::StoreHeroBag(e, s, e.bagOwner);
  e.bagOwner = 0;
}

// The member's world position: 1 the player, k + 2 hero k.
void MemberPosition(const MapEncounters& e, uint8_t member, int32_t& x, int32_t& y,
                    uint32_t& cell) {
  if (member >= 2 && member <= 11) {
    x = e.heroX[member - 2];
    y = e.heroY[member - 2];
    cell = e.heroCell[member - 2];
  } else {
    x = e.playerX;
    y = e.playerY;
    cell = e.playerCell;
  }
}

// The member's steps left today.
uint8_t MemberSteps(const MapEncounters& e, uint8_t member) {
  if (member == kMemberPlayer) return e.playerStepsLeft;
  if (member >= 2 && member <= 11) return e.heroStepsLeft[member - 2];
  return 1;  // no member: nothing to refuse
}

// Panel button 6: the next member on the map becomes selected, the view
// centres on him and his own cell is clicked.
void SelectNextMember(GameApp& app, MapEncounters& e, KingdomMap& view) {
  auto selectHero = [&e](int index) {
    e.ChooseMember(uint8_t(index + kFirstHeroMember));
    e.heroWalkReady = uint8_t(index + 1);
    e.playerWalkState = MapEncounters::kWalkIdle;
  };
  auto selectPlayer = [&e] {
    e.ChooseMember(kMemberPlayer);
    e.playerWalkState = MapEncounters::kWalkPlanned;
    e.heroWalkReady = 0;
  };
  int first = 0;
  if (e.selectedHero >= 1 && e.selectedHero <= kHeroCount) {
    e.heroWalkReady = e.selectedHero;
    first = e.selectedHero;  // the heroes after this one
  } else if (!e.playerSelected) {
    return;
  }
  int next = -1;
  for (int k = first; k < kHeroCount; ++k) {
    if (e.heroOnMap[k]) {
      next = k;
      break;
    }
  }
  if (next >= 0) {
    selectHero(next);
  } else if (first != 0) {
    selectPlayer();
  }
  const uint8_t member = e.playerSelected ? kMemberPlayer : uint8_t(e.selectedHero + 1);
  int32_t x = 0, y = 0;
  uint32_t cell = 0;
  MemberPosition(e, member, x, y, cell);
  map_screen::CentreCamera(view, x, y, 400, 300);
  view.targetCell = cell;
  view.targetX = x;
  view.targetY = y;
  view.targetSet = 1;
  e.ClickCell(view.targetCell, view.targetSet, view.targetX, view.targetY);
  (void)app;
}

void PanelAction(GameApp& app, MapEncounters& e, KingdomMap& view, uint8_t id) {
  switch (id) {
    case MapEncounters::kPanelWalk:
      if (e.meetingState == MapEncounters::kMeetNone || e.meetingState == MapEncounters::kMeetFar) {
        if (e.playerWalkState == MapEncounters::kWalkPlanned)
          e.playerWalkState = MapEncounters::kWalkConfirmed;
        if (e.heroWalkReady) {
          e.heroWalkPlanned = e.heroWalkReady;
          e.heroWalkReady = 0;
        }
      } else {
        e.meetingState = MapEncounters::kMeetNone;
      }
      break;
    case MapEncounters::kPanelTrade:
      if (e.meetingState == MapEncounters::kMeetAsked) e.meetingState = MapEncounters::kMeetNone;
      else if (e.meetingState == MapEncounters::kMeetNone ||
               e.meetingState == MapEncounters::kMeetFar)
        e.meetingState = MapEncounters::kMeetAsked;
      e.infoMode = MapEncounters::kInfoOff;
      break;
    case MapEncounters::kPanelAttack: e.attackCommand = 1; break;
    case MapEncounters::kPanelInspect:
      e.infoMode = MapEncounters::kInfoArmed;
      e.meetingState = MapEncounters::kMeetNone;
      e.attackCommand = 0;
      break;
    case MapEncounters::kPanelCentre: {
      int32_t x = 0, y = 0;
      uint32_t cell = 0;
      MemberPosition(e, e.playerSelected ? kMemberPlayer : uint8_t(e.selectedHero + 1), x, y, cell);
      map_screen::CentreCamera(view, x, y, 400, 300);
      break;
    }
    case MapEncounters::kPanelNext: SelectNextMember(app, e, view); break;
    default: break;
  }
}

// The end-of-day press: every selection, plan and open text goes.
void EndOfDayPress(MapEncounters& e) {
  e.PutFindAway();
  e.bagFullClose = 0;
  e.bagFull = 0;
  e.LetGoOfSelection();
}

void BarAction(GameApp& app, MapEncounters& e, KingdomMap& view, ControlBar& bar) {
  GameState& s = *app.gameState;
  const bool shown = bar.hideShowState != 0;
  switch (bar.pressedId) {
    case kBarEndDay:
      if (shown && map_screen::PartyAtRest(e)) {
        bar.buttonHeld = 0;
        bar.pressedId = 0;
        s.useFallbackCells = 0;
        MapTurnFlags flags = TurnFlagsOf(app);
        EndDay(e, s, &view, flags);
        TakeTurnFlags(app, flags);
      }
      break;
    case kBarHideShow:
      if (!shown) {
        bar.hideShowState = 1;
      } else {
        bar.hideShowState = 0;
        bar.hidePending = 1;
        e.LetGoOfSelection();
      }
      CloseInspect(e);
      break;
    case kBarSaveQuit:
      if (shown) {
        app.LeaveScreen(GameApp::GoSaveAndQuit);
        app.saveQuitFromMap = 1;
        s.overlayOpen = 1;
      }
      break;
    case kBarPlayer:
      if (shown) app.LeaveScreen(GameApp::GoPlayer);
      break;
    case kBarHeroes:
      if (shown) app.LeaveScreen(GameApp::GoHeroes);
      break;
    case kBarWealth:
      if (shown) app.LeaveScreen(GameApp::GoWealth);
      break;
    case kBarQuestLog:
      if (shown) app.LeaveScreen(GameApp::GoQuestLog);
      break;
    case kBarOptions:
      if (shown) {
        app.LeaveScreen(GameApp::GoOptions);
        app.optionsFromMap = 1;
        app.optionsFromBattle = 0;
      }
      break;
    default: break;
  }
  bar.buttonHeld = 0;
  bar.pressedId = 0;
}

// A panel press dropped while held (its member let go by a walk setting off,
// the day's end, the bar hidden, the board choosing another) is still the
// button's until it is let go: nothing beneath the gone button takes it.
void KeepDroppedPanelPress(MapEncounters& e, InputDevice* mouse) {
  if (!e.panelPressDropped) return;
  e.panelPressDropped = 0;
  KeepPressTaken(mouse);
}

// The keys, the scrolling, the clicks and the buttons of one frame.
void MapInput(GameApp& app, MapEncounters& e, KingdomMap& view, ControlBar& bar) {
  InputDevice& keys = app.keyboard;
  InputDevice* mouse = &app.cursor.mouse;
  const int32_t mx = app.cursor.x;
  const int32_t my = app.cursor.y;

  // 1. Backspace and Escape, or the window's close: the save-and-quit
  // question, with the party at rest in the player's turn. The close asks
  // too while a message of the armies' turn waits for Enter (the keys do
  // not): the game waits for the player there as well.
  const bool atRest = map_screen::PartyAtRest(e);
  const bool closeOverMessage = app.closeAsked != kCloseNone && map_screen::TurnWaitsForEnter(e);
  if (atRest && (e.marchPhase == MapEncounters::kTurnOver || closeOverMessage)) {
    keys.Acquire(1);
    keys.Poll();
    if (closeOverMessage || app.TakeBack()) {
      app.LeaveScreen(GameApp::GoSaveAndQuit);
      app.saveQuitFromMap = 1;
      app.gameState->overlayOpen = 1;
    }
  }
  keys.Acquire(1);
  keys.Poll();

  // 2.-3. Scrolling by the keys (not on an entry frame) and at the edges.
  const uint8_t step = ClockStep(app.animClock[kScrollSpeed]);
  if (app.timingValid) {
    if (keys.KeyHeld(kKeyRight) || keys.KeyHeld(kKeyNumpad6)) {
      if (view.cameraX < kCameraMaxX) view.cameraX = std::min(view.cameraX + step, kCameraMaxX);
    }
    if (keys.KeyHeld(kKeyLeft) || keys.KeyHeld(kKeyNumpad4)) {
      if (view.cameraX > kCameraMinX) view.cameraX = std::max(view.cameraX - step, kCameraMinX);
    }
    if (keys.KeyHeld(kKeyUp) || keys.KeyHeld(kKeyNumpad8)) {
      if (view.cameraY > kCameraMinY) view.cameraY = std::max(view.cameraY - step, kCameraMinY);
    }
    if (keys.KeyHeld(kKeyDown) || keys.KeyHeld(kKeyNumpad2)) {
      if (view.cameraY < kCameraMaxY) view.cameraY = std::min(view.cameraY + step, kCameraMaxY);
    }
  }
  view.EdgeScroll(&app.cursor, step);

  // 4.-5. Enter and the key I.
  if (keys.KeyPressed(kKeyEnter)) {
    keys.SetLatch(kKeyEnter, 1);
    map_screen::Acknowledge(e, view, app.mapShowMessages, true);
  }
  if (keys.KeyPressed(kKeyI)) {
    keys.SetLatch(kKeyI, 1);
    if (e.playerSelected || e.selectedHero) e.infoMode = MapEncounters::kInfoArmed;
  }

  // 6. An attack walk starts without confirmation.
  if (e.attackCommand) {
    if (e.attackAdjacent) {
      e.walkEnded = 1;
      e.metCode = 0;  // no walk ran: nothing is met again
    }
    if (e.playerWalkState == MapEncounters::kWalkPlanned && e.attackPending)
      e.playerWalkState = MapEncounters::kWalkConfirmed;
    if (e.heroWalkReady && e.attackPending) {
      e.heroWalkPlanned = e.heroWalkReady;
      e.heroWalkReady = 0;
    }
  }

  // 7. Hover; hovering the player's button selects the player.
  bar.Hover(mx, my);
  e.HoverPanelButtons(mx, my);
  if (e.marchPhase == MapEncounters::kTurnOver && bar.hideShowState && map_screen::PartyAtRest(e) &&
      bar.hoverId == kBarPlayer && !e.selectedHero) {
    e.ChooseMember(kMemberPlayer);
  }
  if (!bar.hideShowState && bar.hoverId != kBarHideShow) bar.hoverId = 0;

  KeepDroppedPanelPress(e, mouse);
  const bool pressed = mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight);

  // A press that closes a box is the box's own, as the board's is below: it
  // presses nothing beneath it until both buttons are up.
  if (pressed && e.boxClickTaken == MapEncounters::kBoxClickNone)
    e.boxClickTaken = PressClosesBox(e, mouse->ButtonPressed(kMouseRight));

  // 8. The first press on the message board closes it. The board shows only
  // in the party's turn: a press in the armies' turn is not the board's, nor
  // is one held since then when the board comes up.
  if (pressed && !map_screen::BoardShown(e, app.mapShowMessages)) e.messageClickArmed = 0;
  if (pressed && e.messageClickArmed) {
    e.messageClickArmed = 0;
    if (app.mapShowMessages) {
      app.mapShowMessages = 0;
      e.messageClickTaken = 1;
      if (!e.questMessage && !e.outcomeShown) {
        e.fameRewardsShown = 0;
        for (uint8_t& flag : e.fameRewardGranted) flag = 0;
      }
      if (e.focusHero) {
        map_screen::FocusHero(e, view, e.focusHero);
        e.focusHero = 0;
      }
    }
  }

  // 9. The right button acknowledges. The press that closes an army's
  // outcome is the outcome's alone until it is let go: the party's turn it
  // gives back starts with no button pressed, and the day's board that comes
  // up is not closed by the same press held.
  if (mouse->ButtonPressed(kMouseRight)) {
    app.clickHandled = 1;
    const bool outcome = e.outcomeShown != 0;
    map_screen::Acknowledge(e, view, app.mapShowMessages, false);
    if (outcome) {
      e.boxClickTaken = MapEncounters::kBoxClickAll;
      KeepPressTaken(mouse);
    }
  }

  // 10. The map's click tests; a press a panel or bar button holds is the
  // button's, wherever it has been moved. So is one begun on a bar button
  // that took none (not the party's turn, a box open): the bar lies over map
  // cells, and the cell beneath a button is not where the press began.
  if (e.mapClickArmed && !app.clickHandled && !view.clickLatch && e.hoverPanelButton == 0 &&
      bar.hoverId == 0 && !e.pressedPanelButton && !bar.pressedId && !e.messageClickTaken &&
      e.boxClickTaken != MapEncounters::kBoxClickAll && !bar.PressBeganOnButton(*mouse)) {
    for (int block = 1; block <= 9; ++block) {
      if (maplayout::CameraInBlockWindow(block, view.cameraX, view.cameraY))
        ClickBlock(view, block, mx, my, mouse);
    }
  }

  // 11. Presses.
  const bool playersTurn = !e.outcomeShown && e.playerWalkState < MapEncounters::kWalkConfirmed &&
                           e.heroWalking == 0 && e.marchPhase == MapEncounters::kTurnOver;
  if (pressed) {
    e.mouseDownSeen = 1;
    if (e.findShown == MapEncounters::kFindShown) e.findClose = 1;
    if (e.bagFull) e.bagFullClose = 1;
    if (e.inspectShown && e.inspectClose == MapEncounters::kCloseNone)
      e.inspectClose = MapEncounters::kClosePressed;
    if (e.inspectClose == MapEncounters::kCloseReleased)
      e.inspectClose = MapEncounters::kCloseSecondPress;
    if (e.refusedClose == MapEncounters::kCloseReleased) {
      e.refusedClose = MapEncounters::kCloseSecondPress;
      e.meetingCalledOff = 0;
    }
    if (e.meetingCalledOff) e.refusedClose = MapEncounters::kClosePressed;
    // The press that closed the board or a box presses no button: the board
    // may have chosen a hero whose panel appears under it. Nor does one held
    // on from before the party's turn came back.
    const bool buttonsFree =
        playersTurn && !e.messageClickTaken && !e.boxClickTaken && !e.turnPressHeld;
    if (!playersTurn) e.turnPressHeld = 1;
    if (buttonsFree && bar.Click(mx, my, mouse)) {
      bar.buttonHeld = 1;
      if (bar.pressedId == kBarEndDay && bar.hideShowState) EndOfDayPress(e);
    }
    if (buttonsFree && e.panelClickArmed && e.ClickPanelButtons(mx, my, mouse))
      e.panelButtonHeld = 1;
    e.panelClickArmed = 0;
  }

  // 12. With the bar hidden only its toggle works.
  if (!bar.hideShowState && bar.pressedId != kBarHideShow) {
    bar.buttonHeld = 0;
    bar.pressedId = 0;
    bar.hoverId = 0;
  }

  // 13. Releases close the messages.
  if (e.findClose && WaitForMouseRelease(mouse)) {
    e.findClose = 0;
    e.findShown = MapEncounters::kFindNone;
    e.storeFindPending = 1;
  }
  if (e.bagFullClose && WaitForMouseRelease(mouse)) {
    e.bagFullClose = 0;
    e.bagFull = 0;
  }
  if (e.inspectClose == MapEncounters::kCloseSecondPress && WaitForMouseRelease(mouse)) {
    e.inspectClose = MapEncounters::kCloseNone;
    e.inspectShown = 0;
    e.infoMode = MapEncounters::kInfoJustClosed;
  }
  if (e.inspectClose == MapEncounters::kClosePressed && WaitForMouseRelease(mouse))
    e.inspectClose = MapEncounters::kCloseReleased;
  if (e.refusedClose == MapEncounters::kClosePressed && WaitForMouseRelease(mouse))
    e.refusedClose = MapEncounters::kCloseReleased;
  if (e.refusedClose == MapEncounters::kCloseSecondPress && WaitForMouseRelease(mouse))
    e.refusedClose = MapEncounters::kCloseNone;
  if (view.clickLatch && WaitForMouseRelease(mouse)) view.clickLatch = 0;

  // 14. The unit panel's buttons act on release or when the cursor leaves,
  // once, for the member they were pressed for: letting him go drops the
  // press. A member who has set off since the press (Enter in the same
  // frame) keeps his walk or attack, and the button does nothing.
  if (e.pressedPanelButton && (e.playerSelected || e.selectedHero)) {
    if (e.hoverPanelButton != e.pressedPanelButton || WaitForMouseRelease(mouse)) {
      KeepPressTaken(mouse);
      const uint8_t id = e.pressedPanelButton;
      e.DropPanelPress();
      if (!e.SetOff()) PanelAction(app, e, view, id);
    }
  }

  // 15. The control bar's buttons likewise.
  if (bar.pressedId) {
    if (bar.hoverId != bar.pressedId || WaitForMouseRelease(mouse)) {
      KeepPressTaken(mouse);
      BarAction(app, e, view, bar);
    }
  }

  // 16. Arming once both buttons are up.
  if (!pressed) {
    e.mapClickArmed = 1;
    e.panelClickArmed = 1;
    bar.buttonHeld = 0;
    bar.pressedId = 0;
    if (app.mapShowMessages) e.messageClickArmed = 1;
    e.messageClickTaken = 0;
    e.boxClickTaken = MapEncounters::kBoxClickNone;
    e.turnPressHeld = 0;
  }
}

}  // namespace

void GameApp::MapProc() {
  GameState& s = *gameState;
  MapBeginFrame();
  MapLoadView();
  if (!mapEncounters) MapBuildPopulation();
  MapEncounters& e = *mapEncounters;
  KingdomMap& view = *kingdomMap;
  ControlBar& bar = *controlBar;
  MapPendingLoads(e);

  // 11. Input.
  MapInput(*this, e, view, bar);

  // 12.-13. Clocks and movement.
  const uint8_t walkStep = MapAdvanceClocks();
  const bool clickTaken = MapMove(e, view, walkStep);

  // The invading armies' turn.
  {
    MapTurnFlags flags = TurnFlagsOf(*this);
    RunInvasionTurn(e, s, &view, walkStep, flags);
    TakeTurnFlags(*this, flags);
  }

  // 14. Hand-over to a battle or the exchange.
  MapHandOver(e);

  // The find message closed and taken, inspection.
  MapCloseTexts(e, view, clickTaken);

  // Entering places, once no attack or trade is under way.
  MapEnterPlaces(e);

  // 15.-18. Texts that close, animations.
  MapAnimate(e, view, bar);

  // 19. The night, once the armies have moved.
  {
    MapTurnFlags flags = TurnFlagsOf(*this);
    RunNightIfDue(e, s, flags);
    TakeTurnFlags(*this, flags);
  }

  // 20. An exchange with a member who cannot walk any more is refused.
  MapRefuseExchange(e);

  // 21.-25. Drawing, the screen clock and the cursor.
  MapDraw(e, view, bar);

  // 26. The game's end wins over any other switch of this frame.
  if (endVictory || endPeaceTreaty || endSurrendered) LeaveScreen(GoSaveGame);

  // 27. Leaving: the population goes back into the record.
  if (leaveCode == kLeaveNormal) MapLeave(e);

  // 28.
  graphics.EndScene();
  graphics.Present();
  EndFrameTiming();
}

// 1.-3. The control bar, the entry reset, frame timing, cursor and scene.
void GameApp::MapBeginFrame() {
  if (!controlBar) {
    controlBar = new ControlBar;
    controlBar->LoadArt(&graphics);
    controlBar->portrait = gameState->playerPortrait;
  }
  if (leaveCode != 0) {
    if (controlBar->pressedId) controlBar->pressedId = 0;
    mapJustEntered = 1;
  }
  BeginScreenFrame();
}

// 4.-6. The figure, the view and the clocks.
void GameApp::MapLoadView() {
  GameState& s = *gameState;
  if (!heroFigure) {
    heroFigure = new HeroFigure;
    heroFigure->LoadBodyParts(&graphics);
  }
  if (!kingdomMap) {
    if (s.options[kOptionMusic]) PlayMapMusic(musicTrack);
    controlBar->portrait = s.playerPortrait;
    s.AdvanceQuestChains();
    kingdomMap = new KingdomMap;
    kingdomMap->LoadTiles(&graphics);
    for (int k = 0; k < kPlaceCount; ++k) kingdomMap->placeStates[k] = s.placeState[k];
  }
  for (int c = kScrollSpeed; c <= kWalkClock; ++c) {
    if (!animClock[c]) {
      animClock[c] = new AnimClock;
      animClock[c]->base = float(s.clockBase);
    }
  }
}

// 7. The population, built from the record when the map is entered: the
// snapshot a leave stored comes back, and a battle's fighter has no steps
// left unless the battle placed him elsewhere.
void GameApp::MapBuildPopulation() {
  GameState& s = *gameState;
  mapEncounters = new MapEncounters;
  MapEncounters& built = *mapEncounters;
  built.LoadArt(&graphics);
  map_copy::CopyIn(s, built, kingdomMap);
  built.FillStartTables();
  built.PlaceEnemyArmies();
  built.PlaceRoutes();
  if (s.mapSnapshotState == GameState::kSnapshotMapLeft) {
    if (s.musicRestartPending) {
      s.musicRestartPending = 0;
      s.placeVisitFlag = 0;
      if (s.options[kOptionMusic]) PlayMapMusic(musicTrack);
    }
    s.mapSnapshotState = GameState::kSnapshotRestored;
    map_copy::RestoreMessageState(built, s);
    map_copy::RestoreSnapshot(built, s);
    // Only a turn that a battle interrupted goes on: coming back from
    // anywhere else gives the armies no second march the same day.
    ResumeInvasionTurn(built, s);
    built.attackPending = 0;
    built.battleStarted = 0;
    built.fighterCode = 0;
  }
  built.FillCellCodes();
  if (battleReturned) {
    battleReturned = 0;
    if (battleFoughtByPlayer && !battleRelocated) built.playerStepsLeft = 0;
    battleFoughtByPlayer = 0;
    if (battleFoughtByHero >= 1 && battleFoughtByHero <= kHeroCount && !battleRelocated)
      built.heroStepsLeft[battleFoughtByHero - 1] = 0;
    battleFoughtByHero = 0;
    battleRelocated = 0;
  }
  map_copy::CopyWealthAndArmies(s, built);
}

// 8.-10. The sounds (switched off, the requests wait), the pictures of a
// find and the collector's bag.
void GameApp::MapPendingLoads(MapEncounters& e) {
  GameState& s = *gameState;
  if (s.options[kOptionSounds]) {
    if (e.keySoundPending == 1) {
      sound.Play("Data\\Key.wav", 90, 1);
      e.keySoundPending = 0;
    }
    if (e.coinSoundPending == 1) {
      sound.Play("Data\\Coin.wav", 84, 1);
      e.coinSoundPending = 0;
    }
  }
  if (e.findShown == MapEncounters::kFindLoad) {
    e.findShown = MapEncounters::kFindShown;
    e.LoadFindArt(&graphics);
  }
  if (e.bagState == MapEncounters::kBagLoad) {
    e.bagState = MapEncounters::kBagIdle;
    map_copy::LoadPlayerBag(s, e);
  }
  if (e.bagHeroToLoad >= 1 && e.bagHeroToLoad <= kHeroCount)
    map_copy::LoadHeroBag(s, e, e.bagHeroToLoad);
  e.bagHeroToLoad = 0;
}

// 12. The scrolling clock, and the walking clock at the map speed; the
// walking clock's step of this frame.
uint8_t GameApp::MapAdvanceClocks() {
  animClock[kScrollSpeed]->callerSteps =
      animClock[kScrollSpeed]->AdvanceAveraged(kScrollPixelsPerSecond, int32_t(lastFrameMs));
  const int32_t walkSpeed = WalkSpeed(gameState->options[kOptionMapSpeed]);
  if (walkSpeed)
    animClock[kWalkClock]->callerSteps =
        animClock[kWalkClock]->AdvanceAveraged(walkSpeed, int32_t(lastFrameMs));
  return ClockStep(animClock[kWalkClock]);
}

// 13. A clicked cell plans a walk, the steps of a walk, the arrival; true
// when this frame's click was taken for a walk.
bool GameApp::MapMove(MapEncounters& e, KingdomMap& view, uint8_t walkStep) {
  GameState& s = *gameState;
  bool clickTaken = false;
  if (e.infoMode == MapEncounters::kInfoOff && view.targetSet &&
      e.playerWalkState < MapEncounters::kWalkConfirmed && e.heroWalkPlanned == 0 &&
      e.heroWalking == 0) {
    // In the armies' turn a click plans nothing: planning resets the
    // direction flags the marching army steers by.
    if (e.marchPhase == MapEncounters::kTurnOver) {
      e.ClickCell(view.targetCell, view.targetSet, view.targetX, view.targetY);
      e.pointPending = 1;
      clickTaken = true;
    }
    view.targetSet = 0;
  }
  if (e.infoMode == MapEncounters::kInfoJustClosed) {
    e.infoMode = MapEncounters::kInfoOff;
    view.targetSet = 0;
    e.inspectCode = 0;
  }
  if (e.pointPending) {
    e.pointPending = 0;
    e.CellAtPoint();
  }
  if (e.beginStepPending) e.BeginStep();
  if (e.exchangeRequested) {
    e.exchangeRequested = 0;
    LeaveScreen(GoExchangeChoice);
  }
  e.SettleStep(walkStep);
  if (e.walkEnded) {
    e.EnterPlace(s.gold);
    map_screen::ArrivalQuestEvents(e, s);
  }
  return clickTaken;
}

// 14. Hand-over to a battle (a marching army caught a member, an attack
// walk ended, a fixed place fights) or to the exchange.
void GameApp::MapHandOver(MapEncounters& e) {
  GameState& s = *gameState;
  if (e.battleStarted) {
    e.battleStarted = 0;
    s.partyX = e.legStartX;
    s.partyY = e.legStartY;
    if (e.fighterCode >= 1 && e.fighterCode <= 11) {
      e.fightByPlayer = e.fighterCode == kMemberPlayer ? 1 : 0;
      e.fightHero = e.fighterCode == kMemberPlayer ? 0 : uint8_t(e.fighterCode - 1);
      s.relocationState = GameState::kRelocationPending;
      LeaveScreen(GoBattle);
      s.battleByPlayer = e.fightByPlayer;
      s.battleHero = e.fightHero;
      s.battlePending = 1;
      e.battleId = uint8_t(e.enemyIndex + 1);
      s.battleId = e.battleId;
      s.mapSnapshotState = GameState::kSnapshotStored;
      map_copy::StoreSnapshot(e, s, true);
    }
  }
  if (e.meetingState != MapEncounters::kMeetNone && e.walkEnded) {
    if (e.meetingState == MapEncounters::kMeetAsked) e.meetingState = MapEncounters::kMeetNone;
    else if (e.meetingState == MapEncounters::kMeetWalking)
      e.meetingState = MapEncounters::kMeetReached;
  }
  if (e.walkEnded) {
    e.walkEnded = 0;
    if (e.attackPending) {
      e.attackPending = 0;
      e.attackRequested = 1;
    }
  }
  if (e.meetingState == MapEncounters::kMeetReached) {
    e.meetingState = MapEncounters::kMeetOpen;
    LeaveScreen(GoExchangeChoice);
  }
  if (e.placeKind != 0) {
    const int index = map_screen::FixedPlaceBattle(e.placeKind, s);
    if (index >= 0) {
      e.attackRequested = 1;
      e.enemyIndex = uint8_t(index);
    } else {
      e.placeKind = 0;  // a freed place, or one whose quest runs: no battle
    }
  }
  if (e.attackRequested) {
    e.placeKind = 0;
    e.attackRequested = 0;
    if (e.attackerCode == kMemberPlayer) {
      e.fightByPlayer = 1;
      e.fightHero = 0;
    } else if (e.attackerCode >= 2) {
      e.fightByPlayer = 0;
      e.fightHero = uint8_t(e.attackerCode - 1);
    }
    e.heroWalking = 0;
    s.battleByPlayer = e.fightByPlayer;
    s.battleHero = e.fightHero;
    e.attackPending = 1;
    s.battlePending = 1;
    e.battleId = uint8_t(e.enemyIndex + 1);
    s.battleId = e.battleId;
    LeaveScreen(GoBattle);
  }
}

// The find message closed and taken, inspection.
void GameApp::MapCloseTexts(MapEncounters& e, KingdomMap& view, bool clickTaken) {
  GameState& s = *gameState;
  TakeFind(e, s);
  const bool nobodySelected = !e.playerSelected && !e.selectedHero;
  if (e.mapClickArmed && ((e.mouseDownSeen && clickTaken && nobodySelected) ||
                          (e.infoMode == MapEncounters::kInfoArmed && view.targetSet))) {
    e.infoMode =
        nobodySelected && clickTaken ? MapEncounters::kInfoOff : MapEncounters::kInfoInspecting;
    view.targetSet = 0;
    e.mouseDownSeen = 0;
    // A cell with nothing to tell closes the last text instead of leaving it
    // open without words.
    e.inspectShown = 0;
    e.InspectCell(view.targetCell);
    e.inspectClose = e.inspectShown ? MapEncounters::kClosePressed : MapEncounters::kCloseNone;
    // With no text to close, nothing would ever end the inspect mode: the
    // busy cursor would stay and the map would plan no walk.
    if (!e.inspectShown) e.infoMode = MapEncounters::kInfoOff;
  }
  if (e.playerWalkState > MapEncounters::kWalkPlanned || e.heroWalking) CloseInspect(e);
}

// Entering places, once no attack or trade is under way.
void GameApp::MapEnterPlaces(MapEncounters& e) {
  GameState& s = *gameState;
  if (e.attackPending == 0 && e.meetingState != MapEncounters::kMeetWalking &&
      e.meetingState != MapEncounters::kMeetOpen) {
    if (e.enteredTown) {
      e.enteredTown = 0;
      s.townNumber = e.townNumber;
      s.visitorCode = map_screen::VisitorCode(e);
      LeaveScreen(GoTown);
    }
    if (e.enteredVillage) {
      e.enteredVillage = 0;
      s.villageNumber = e.villageNumber;
      s.placeVisitFlag = 1;
      s.visitorCode = map_screen::VisitorCode(e);
      LeaveScreen(GoVillage);
    }
    if (e.enteredPalace) {
      s.visitorCode = map_screen::VisitorCode(e);
      LeaveScreen(GoPalace);
    }
    if (e.enteredTemple) {
      s.visitorCode = map_screen::VisitorCode(e);
      LeaveScreen(GoTemple);
    }
    if (e.enteredCastle) {
      s.visitorCode = map_screen::VisitorCode(e);
      LeaveScreen(GoCastle);
    }
    if (e.enteredTower) {
      s.visitorCode = map_screen::VisitorCode(e);
      s.placeVisitFlag = 1;
      LeaveScreen(GoTower);
    }
  }
}

// 15.-18. Texts that close, animations.
void GameApp::MapAnimate(MapEncounters& e, KingdomMap& view, ControlBar& bar) {
  InputDevice* mouse = &cursor.mouse;
  if (leaveCode != 0) CloseInspect(e);
  e.Animate();
  view.Animate();
  bar.Animate();
  if (bar.pressedId == kBarEndDay || bar.pressedId == kBarHideShow || bar.hidePending) {
    e.PutFindAway();
    CloseInspect(e);
    bar.hidePending = 0;
  }
  const bool buttonDown = mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight);
  if (mapJustEntered && !buttonDown) mapJustEntered = 0;
  if (mapJustEntered || e.messageClickTaken || (bar.pressedId && bar.hideShowState) || e.dayEnded) {
    CloseInspect(e);
    e.dayEnded = 0;
  }
}

// 20. An exchange with a member who cannot walk any more is refused: the
// leave to the exchange is taken back and the refusal shown.
void GameApp::MapRefuseExchange(MapEncounters& e) {
  if (leaveCode == 0 || screenProc != GoExchangeChoice) return;
  uint8_t refused = 0;
  for (uint8_t member : {e.exchangeLeft, e.exchangeRight}) {
    if (member != kNoMember && MemberSteps(e, member) == 0) refused = 1;
  }
  if (refused) {
    e.meetingCalledOff = 1;
    CancelLeave(GoKingdomMap);
    e.meetingState = MapEncounters::kMeetNone;
  }
}

// 21.-25. Drawing, the screen clock and the cursor.
void GameApp::MapDraw(MapEncounters& e, KingdomMap& view, ControlBar& bar) {
  map_screen::DrawMap(view, e, bar, *gameState, mapShowMessages);

  clickHandled = 0;
  UpdateScreenClock();
  if (view.targetCell == 0) view.targetCell = 1;

  if ((e.meetingState == MapEncounters::kMeetNone || e.meetingState == MapEncounters::kMeetFar) &&
      e.infoMode == MapEncounters::kInfoOff)
    cursor.Draw();
  if (e.meetingState == MapEncounters::kMeetAsked) cursor.DrawBusy(0);
  if (e.infoMode != MapEncounters::kInfoOff) cursor.DrawBusy(1);
}

// 27. Leaving: the population goes back into the record and the snapshot is
// stored for the next entry; the population goes too unless an overlay
// (the save-and-quit question) is open over the map.
void GameApp::MapLeave(MapEncounters& e) {
  GameState& s = *gameState;
  // A find still shown is taken, not lost: the game may be saved from the
  // screen the map leaves for.
  e.PutFindAway();
  TakeFind(e, s);
  s.caughtByArmy = e.siegeBattle;
  SettleInvasionForLeave(e);
  map_copy::StoreMessageState(e, s);
  map_copy::StoreSnapshot(e, s, false);
  s.relocationState =
      e.fighterCode != 0 ? GameState::kRelocationPending : GameState::kRelocationNone;
  e.fighterCode = 0;
  e.meetingCalledOff = 0;
  // A panel press still to act goes with the hand-over: the press is the
  // next screen's (held, it is kept until let go), and the question opened
  // over the map must not leave it to act after No. So does the bag-full
  // note's close on release: the note stays up for a press of its own.
  e.DropPanelPress();
  e.panelPressDropped = 0;
  e.bagFullClose = 0;
  map_copy::WriteBack(e, s);
  s.mapSnapshotState = GameState::kSnapshotMapLeft;
  if (s.overlayOpen == 0) FreeScreen(mapEncounters);
  s.overlayOpen = 0;
}

void GameApp::MapEndTurnForSave() {
  if (!mapEncounters || !kingdomMap || !map_screen::TurnWaitsForEnter(*mapEncounters)) return;
  MapEncounters& e = *mapEncounters;
  MapTurnFlags flags = TurnFlagsOf(*this);
  // A quest's message read, the army settling may still show its outcome:
  // that is read too.
  for (int read = 0; read < 2 && map_screen::TurnWaitsForEnter(e); ++read) {
    map_screen::Acknowledge(e, *kingdomMap, flags.mapShowMessages, true);
    RunInvasionTurn(e, *gameState, kingdomMap, 0, flags);
  }
  RunNightIfDue(e, *gameState, flags);
  TakeTurnFlags(*this, flags);
  MapLeave(e);
}
