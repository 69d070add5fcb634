// One frame of a visit to a place, the same for the villages, the towns, the
// palace, the temple, the castle and the tower: the object is built and
// filled from the game record on the first frame, the keys, the hover and
// the presses are taken, a pressed button acts once it is let go (or the
// cursor has left it, and then nothing else takes that press), the screen is
// drawn, and on leaving everything the visit changed goes back into the
// record.
//
// Recruiting, healing and raising, and the quests and talk of the places come
// with their own changes; the frame marks where they run.

#include <cstring>

#include "app/game_app.h"
#include "game/game_state.h"
#include "places/house_screen.h"
#include "platform/input_device.h"

namespace {

bool MousePressed(InputDevice& mouse) {
  return mouse.ButtonPressed(kMouseLeft) || mouse.ButtonPressed(kMouseRight);
}

// The place number the map handed over: a village's or a town's; the single
// places have none.
uint8_t HandedPlaceNumber(const GameState& s, PlaceKind kind) {
  if (kind == PlaceKind::Village) return s.villageNumber;
  if (kind == PlaceKind::Town) return s.townNumber;
  return 0;
}

// The quest update: the held-back note, the quest steps of the place, then the reward pictures
// unless the visit is being left (device nullptr).
void QuestUpdate(HouseScreen& h, GraphicsDevice* device) {
  h.NoteHeldBackItems();
  h.StepQuests();
  if (device) h.LoadHeldItemPictures(device);
}

// The first frame: the art, the quest stages, the recruits and the
// visitor's copies.
void EnterPlace(GameApp& app, HouseScreen& h) {
  const GameState& s = *app.gameState;
  h.playerPortrait = s.playerPortrait;
  h.visitorCode = s.visitorCode;
  h.LoadArt(&app.graphics);
  h.LoadPlacePictures(&app.graphics);
  h.LoadPortraits(&app.graphics);
  h.LoadArmyIcons(&app.graphics);
  std::memcpy(h.questStage, s.questStage, sizeof h.questStage);
  QuestUpdate(h, &app.graphics);
  h.SetUpRecruits(int32_t(s.day));
  h.visitDay = s.day;
  h.CopyVisitorIn(s);
  h.MeasureNames();
  h.CopyHeldBackIn(s);
  h.ReturnHeldItems();
  h.RefreshArmies();
}

// The raising popup closes; with the soldiers up, the armies' strengths are
// set again, which may bring up the strength popup.
void CloseRaisingPopup(HouseScreen& h) {
  if (!h.raisedNote) return;
  h.raisedNote = 0;
  h.RefreshArmies();
}

// The press let go: the notes it was meant to close close.
void LetGo(HouseScreen& h) {
  h.mouseHeld = 0;
  if (h.healNoteShown) {
    h.healNoteShown = 0;
    h.healUnpaidNote = 0;
    h.healPaidNote = 0;
  }
  if (h.recruitNoteShown) {
    h.recruitNoteShown = 0;
    h.recruitOpen = 0;
    h.selectedCandidate = 0;
    h.noRoomNote = 0;
    h.notEnoughGold = 0;
    h.recruitJoinedNote = 0;
  }
  if (h.runningShown) {
    h.runningShown = 0;
    h.talkOpen = 0;
  }
  if (h.acceptedClose) {
    h.acceptedClose = 0;
    h.talkOpen = 0;
  }
  if (h.currentQuest && h.questStage[h.currentQuest - 1] == kQuestAccepted) {
    h.acceptedClose = 1;
    h.justAccepted = 0;
  }
  if (h.clearReturnNotes) {
    h.itemsReturned = 0;
    h.stillHolding = 0;
    h.clearReturnNotes = 0;
  }
}

// A press a button has taken ends for this screen while it is still held:
// what its release closes closes now, before the button acts, as when it is
// let go over the button, and the press stays taken until it is let go, so
// that nothing else takes it and its release closes nothing more.
void KeepButtonPress(GameApp& app, HouseScreen& h) {
  if (h.mouseHeld) LetGo(h);
  KeepPressTaken(&app.cursor.mouse);
}

// Enter: every note and panel closes; the visit goes on.
void CloseEverything(HouseScreen& h) {
  h.healUnpaidNote = 0;
  h.healPaidNote = 0;
  h.disbandAsked = 0;
  h.selectedArmy = 0;
  h.recruitOpen = 0;
  h.selectedCandidate = 0;
  h.recruitJoinedNote = 0;
  h.noRoomNote = 0;
  h.notEnoughGold = 0;
  h.talkOpen = 0;
  h.acceptAsked = 0;
  h.justAccepted = 0;
  h.itemsReturned = 0;
  h.stillHolding = 0;
  h.grewNote = 0;
  CloseRaisingPopup(h);
}

// A button of a box or a question Enter has closed (the army's box, the
// Disband, recruit and Accept questions) answers nothing: its press is
// dropped, and stays taken until it is let go.
void DropClosedButtonPress(GameApp& app, HouseScreen& h) {
  if (h.pressedId < kHouseDisband || h.pressedId > kHouseAcceptNo) return;
  h.pressedId = 0;
  h.clickTaken = 0;
  KeepButtonPress(app, h);
}

void TakeKeys(GameApp& app, HouseScreen& h) {
  InputDevice& keyboard = app.keyboard;
  keyboard.Acquire(1);
  keyboard.Poll();
  if (app.TakeBack()) app.LeaveScreen(GameApp::GoKingdomMap);
  if (keyboard.KeyPressed(kKeyEnter)) {
    keyboard.SetLatch(kKeyEnter, 1);
    CloseEverything(h);
    DropClosedButtonPress(app, h);
  }
}

// The Name button: the selected army's name goes to the name editor, which
// writes it into the record and comes back to this place, entered anew.
// The leave code makes this frame write the visit back.
void HandToNameEditor(GameApp& app, HouseScreen& h, const PlaceRow& place) {
  app.screenProc = GameApp::GoRename;
  app.leaveCode = kLeaveNormal;
  app.renameReturn = place.renameReturn;
  app.renameArmy = 1;
  if (h.selectedArmy >= 1 && h.selectedArmy <= kHouseArmySlots)
    std::memcpy(app.gameState->renameBuffer, h.armyName[h.selectedArmy - 1], kGlyphNameLength);
  app.renameArmySlot = h.selectedArmy;
  app.renameOwner = h.visitorCode;
  h.clickTaken = 0;
  h.pressedId = 0;
}

void TakePress(GameApp& app, HouseScreen& h, const PlaceRow& place) {
  MouseCursor& cursor = app.cursor;
  if (MousePressed(cursor.mouse)) {
    h.mouseHeld = 1;
    if (h.Click(cursor.x, cursor.y, &cursor.mouse)) h.clickTaken = 1;
    if (h.pressedId == kHouseName) HandToNameEditor(app, h, place);
    h.SelectTests(cursor.x, cursor.y, &cursor.mouse);
    if (h.selectedArmy) {
      h.talkOpen = 0;
      h.acceptAsked = 0;
      h.justAccepted = 0;
    }
    if (h.healUnpaidNote || h.healPaidNote) h.healNoteShown = 1;
    if (h.recruitOpen && h.selectedCandidate == 0) h.recruitNoteShown = 1;
  }
  // A popup up while no button was down closes with the next press.
  if (MousePressed(cursor.mouse) && h.popupSeen) {
    h.popupSeen = 0;
    if (h.grewNote == 1) h.grewNote = 0;
    CloseRaisingPopup(h);
    h.talkOpen = 0;
  }
}

// The press the screen saw is let go.
void TakeRelease(GameApp& app, HouseScreen& h) {
  if (!h.mouseHeld) return;
  h.clearReturnNotes = 1;
  if (!WaitForMouseRelease(&app.cursor.mouse)) return;
  LetGo(h);
}

void CloseTalk(HouseScreen& h) {
  h.talkOpen = 0;
  h.acceptAsked = 0;
  h.justAccepted = 0;
}

// What a button does once it has been let go.
void ActOnButton(GameApp& app, HouseScreen& h, uint8_t id) {
  GameState& s = *app.gameState;
  switch (id) {
    case kHouseLeave: app.LeaveScreen(GameApp::GoKingdomMap); break;
    case kHouseHeal:
      h.healAsked = 1;
      h.recruitOpen = 0;
      CloseTalk(h);
      break;
    case kHouseRecruit:
      h.recruitOpen = 1;
      CloseTalk(h);
      break;
    case kHouseTalk:
      h.talkOpen = 1;
      h.recruitOpen = 0;
      h.MarkJoinedPlaces(s);
      h.disbandAsked = 0;
      h.selectedArmy = 0;
      h.justAccepted = 0;
      QuestUpdate(h, &app.graphics);
      if (h.currentQuest && h.questStage[h.currentQuest - 1] == kQuestUnderWay) h.runningShown = 1;
      break;
    case kHouseDisband: break;  // the press has asked the question
    case kHouseDisbandYes:
      h.disbandAsked = 0;
      h.disbandPlace = h.selectedArmy;
      h.selectedArmy = 0;
      h.DisbandArmy();
      break;
    case kHouseDisbandNo:
      h.disbandAsked = 0;
      h.selectedArmy = 0;
      break;
    case kHouseRecruitYes:
      h.confirmedCandidate = h.selectedCandidate;
      h.recruitConfirmed = 1;
      h.selectedCandidate = 0;
      break;
    case kHouseRecruitNo:
      h.recruitOpen = 0;
      h.selectedCandidate = 0;
      break;
    case kHouseAcceptYes:
      // Refused while its item would find no room: the talk, which the press
      // closed, opens again with a note.
      if (!h.AcceptQuest(s)) {
        h.talkOpen = 1;
        break;
      }
      h.talkOpen = 0;
      h.acceptAsked = 0;
      h.justAccepted = 1;
      QuestUpdate(h, &app.graphics);
      h.CollectReward(s.gold);
      break;
    case kHouseAcceptNo:
      h.talkOpen = 0;
      h.acceptAsked = 0;
      break;
    default: return;
  }
  h.clickTaken = 0;
  h.pressedId = 0;
}

// A pressed button acts in the frame its press is let go, or as soon as the
// cursor has left it while the mouse is still down; then it keeps the press.
void DispatchButton(GameApp& app, HouseScreen& h) {
  const uint8_t id = h.pressedId;
  if (id == 0 || id >= kHouseName) return;
  if (h.hoveredId == id && h.mouseHeld) return;
  if (h.mouseHeld) KeepButtonPress(app, h);
  ActOnButton(app, h, id);
}

void ApplyFame(GameState& s, HouseScreen& h) {
  if (h.fameLoss == kFameRaised) {
    h.fameLoss = kFameApplied;
    if (s.fame != 0) --s.fame;
  }
  if (h.fameGain == kFameRaised) {
    h.fameGain = kFameApplied;
    ++s.fame;
  }
}

}  // namespace

template <class Screen>
void GameApp::VisitPlace(Screen*& screen) {
  BeginScreenFrame();
  GameState& s = *gameState;

  if (!screen) {
    const uint8_t number = HandedPlaceNumber(s, Screen::kKind);
    if (!FindPlace(Screen::kKind, number) || !IsVisitorCode(s.visitorCode)) {
      // No such place or visitor: back to the map, where the party stands.
      LeaveScreen(GoKingdomMap);
      UpdateScreenClock();
      EndScreenFrame();
      return;
    }
    screen = new Screen;
    screen->placeNumber = number;
    EnterPlace(*this, *screen);
  }
  HouseScreen& h = *screen;
  const PlaceRow& place = *h.Place();

  TakeKeys(*this, h);
  h.Hover(cursor.x, cursor.y);
  TakePress(*this, h, place);
  TakeRelease(*this, h);
  DispatchButton(*this, h);
  if (!MousePressed(cursor.mouse)) {
    h.pressedId = 0;
    h.clickTaken = 0;
    if (h.raisedNote == 1 || h.grewNote == 1 || h.talkOpen == 1) h.popupSeen = 1;
  }
  h.ApplyJoinedPrices(s);
  h.ApplyRecruit(s.gold);
  if (h.healAsked) h.Heal(s);
  if (h.rewardPending) {
    h.rewardPending = 0;
    h.CollectReward(s.gold);
  }
  ApplyFame(s, h);

  h.DrawPlace();
  h.DrawMainPanel(kHousePanelX, kHousePanelY);
  h.DrawRecruitMessages();
  h.DrawHealNotes();
  h.DrawRecruitPanel(kHousePanelX, kHousePanelY, s.gold);
  h.DrawTalk();
  h.DrawHealPopup();
  h.ClearHover();

  UpdateScreenClock();

  if (leaveCode == kLeaveNormal) {
    QuestUpdate(h, nullptr);
    h.WriteBack(s);
    FreeScreen(screen);
  }

  EndScreenFrame();
}

template void GameApp::VisitPlace(VillageHouseScreen*&);
template void GameApp::VisitPlace(TownHouseScreen*&);
template void GameApp::VisitPlace(PalaceHouseScreen*&);
template void GameApp::VisitPlace(TempleHouseScreen*&);
template void GameApp::VisitPlace(CastleHouseScreen*&);
template void GameApp::VisitPlace(TowerHouseScreen*&);
