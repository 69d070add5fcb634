#include "map/map_screen.h"

#include "game/game_state.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_layout.h"

namespace map_screen {

namespace {

// How a quest-event spot whose quest is not running shows the shared
// message 3.
enum class Opening : uint8_t {
  kNever,          // only while the quest runs
  kStage1,         // while the quest is offered
  kStage1OrOther,  // offered, or not given while another quest has started
  kStage0Or1,      // not given or offered
};

struct Spot {
  uint32_t code;
  uint8_t quest;
  uint8_t message;  // shown while the quest is at stage 2..4
  Opening opening;
  uint8_t other;  // the other quest of kStage1OrOther
};

constexpr uint8_t kSharedSpotMessage = 3;

// Tested in this order; a later match overwrites an earlier one.
const Spot kSpots[] = {
    {1000, 1, 1, Opening::kNever, 0},          {1001, 7, 2, Opening::kStage1, 0},
    {1002, 8, 4, Opening::kStage1, 0},         {1003, 9, 5, Opening::kStage1, 0},
    {1004, 10, 6, Opening::kStage1OrOther, 9}, {1005, 18, 7, Opening::kStage1OrOther, 7},
    {1006, 19, 8, Opening::kNever, 0},         {1007, 20, 9, Opening::kNever, 0},
    {1008, 21, 10, Opening::kStage0Or1, 0},    {1009, 22, 11, Opening::kStage0Or1, 0},
    {1010, 25, 12, Opening::kStage0Or1, 0},    {1011, 30, 13, Opening::kStage0Or1, 0},
    {1012, 43, 14, Opening::kStage0Or1, 0},    {1013, 46, 15, Opening::kStage0Or1, 0},
    {1014, 37, 16, Opening::kStage0Or1, 0},    {1015, 38, 17, Opening::kStage0Or1, 0},
    {1016, 51, 18, Opening::kStage0Or1, 0},    {1017, 59, 19, Opening::kStage0Or1, 0},
    {1018, 63, 20, Opening::kStage0Or1, 0},    {1019, 40, 21, Opening::kStage0Or1, 0},
    {1020, 61, 22, Opening::kStage0Or1, 0},    {1021, 72, 23, Opening::kStage0Or1, 0},
    {1022, 52, 24, Opening::kStage0Or1, 0},    {1023, 74, 25, Opening::kStage0Or1, 0},
    {1024, 67, 26, Opening::kStage0Or1, 0},    {1025, 55, 27, Opening::kNever, 0},
    {1026, 64, 28, Opening::kStage0Or1, 0},    {1027, 68, 29, Opening::kStage0Or1, 0},
    {1029, 88, 30, Opening::kStage0Or1, 0},    {1028, 89, 31, Opening::kStage0Or1, 0},
};

// The three fixed places whose running quest is spied on instead of fought.
struct SpyPlace {
  uint8_t placeKind;
  uint8_t quest;
  uint8_t message;
  int placeState;  // a place state byte that must be set, -1 none
};
const SpyPlace kSpyPlaces[] = {
    {1, 15, 101, -1},
    {2, 24, 102, -1},
    {5, 26, 103, 12},
};

// The fixed-place battles in the order they are tested.
struct PlaceBattle {
  uint8_t placeKind;
  int placeState;  // -1: always
  uint8_t quest;   // 0: no quest condition
  uint8_t enemyIndex;
};
const PlaceBattle kPlaceBattles[] = {
    {1, 17, 15, 71}, {6, -1, 0, 72}, {7, 13, 0, 69}, {8, 14, 0, 70},
    {2, 15, 24, 68}, {4, 16, 0, 67}, {3, 11, 0, 66}, {5, 12, 26, 65},
};

uint8_t Stage(const GameState& s, uint8_t quest) { return s.questStage[quest - 1]; }

bool Running(uint8_t stage) { return stage >= kQuestAccepted && stage <= kQuestUnderWay; }

}  // namespace

void ClampCamera(KingdomMap& view) {
  if (view.cameraX > kCameraMaxX) view.cameraX = kCameraMaxX;
  if (view.cameraX < kCameraMinX) view.cameraX = kCameraMinX;
  if (view.cameraY < kCameraMinY) view.cameraY = kCameraMinY;
  if (view.cameraY > kCameraMaxY) view.cameraY = kCameraMaxY;
}

void CentreCamera(KingdomMap& view, int32_t x, int32_t y, int32_t dx, int32_t dy) {
  view.cameraX = x - dx;
  view.cameraY = y - dy;
  ClampCamera(view);
}

void FocusHero(MapEncounters& e, KingdomMap& view, uint8_t heroNumber) {
  if (heroNumber < 1 || heroNumber > kHeroCount) return;
  e.ChooseMember(uint8_t(heroNumber - 1 + kFirstHeroMember));
  CentreCamera(view, e.heroX[heroNumber - 1], e.heroY[heroNumber - 1], 570, 440);
}

bool PartyAtRest(const MapEncounters& e) {
  return e.playerWalkState <= MapEncounters::kWalkPlanned && e.heroWalkPlanned == 0 &&
         e.heroWalking == 0;
}

bool BoardShown(const MapEncounters& e, uint8_t mapShowMessages) {
  return mapShowMessages != 0 && e.marchPhase == MapEncounters::kTurnOver;
}

bool TurnWaitsForEnter(const MapEncounters& e) {
  const bool settling =
      e.marchPhase == MapEncounters::kSettle || e.marchPhase == MapEncounters::kArmyGone;
  return settling && (e.questMessage != 0 || e.outcomeShown != 0);
}

void Acknowledge(MapEncounters& e, KingdomMap& view, uint8_t& mapShowMessages, bool enterKey) {
  // A walk sets off only in the party's turn: the armies' march steers with
  // the same direction flags, and a walk started under it never moves.
  const bool partysTurn = e.marchPhase == MapEncounters::kTurnOver;
  if (e.playerWalkState == MapEncounters::kWalkPlanned && !e.inspectShown && partysTurn)
    e.playerWalkState = MapEncounters::kWalkConfirmed;
  if (e.heroWalkReady && !e.inspectShown && partysTurn) {
    e.heroWalkPlanned = e.heroWalkReady;
    e.heroWalkReady = 0;
  }
  if (e.attackAdjacent) {
    // An attack on an army beside the member ends a walk that never ran:
    // what the last walk met is not met again.
    e.walkEnded = 1;
    e.metCode = 0;
  }
  e.PutFindAway();
  if (e.bagFull) {
    e.bagFull = 0;
    e.bagFullClose = 0;
  }
  if (e.inspectShown) {
    e.inspectShown = 0;
    e.infoMode = MapEncounters::kInfoJustClosed;
    e.inspectCode = 0;
    e.inspectClose = MapEncounters::kCloseNone;
  }
  if (e.marchPhase == MapEncounters::kTurnOver) {
    mapShowMessages = 0;
    if (e.focusHero) {
      FocusHero(e, view, e.focusHero);
      e.focusHero = 0;
    }
  }
  if (!e.questMessage && !e.outcomeShown && e.fameRewardsShown) {
    e.fameRewardsShown = 0;
    for (uint8_t& flag : e.fameRewardGranted) flag = 0;
  }
  if (enterKey && e.questMessage) {
    e.questMessage = 0;
    mapShowMessages = 1;
  }
  if (e.outcomeShown) {
    e.outcomeShown = 0;
    e.questMessage = 0;
    mapShowMessages = 1;
    e.marchPhase = MapEncounters::kTurnOver;
  }
  if (e.meetingCalledOff) e.meetingCalledOff = 0;
}

void ArrivalQuestEvents(MapEncounters& e, GameState& s) {
  e.questEventPending = 0;
  for (const Spot& spot : kSpots) {
    if (spot.code != e.metCode) continue;
    const uint8_t stage = Stage(s, spot.quest);
    uint8_t message = 0;
    if (Running(stage)) {
      message = spot.message;
    } else {
      bool shared = false;
      switch (spot.opening) {
        case Opening::kNever: break;
        case Opening::kStage1: shared = stage == kQuestOpen; break;
        case Opening::kStage1OrOther:
          shared = stage == kQuestOpen || (stage == kQuestNotGiven && Stage(s, spot.other) != 0);
          break;
        case Opening::kStage0Or1: shared = stage <= kQuestOpen; break;
      }
      if (shared) message = kSharedSpotMessage;
    }
    if (message) {
      e.findShown = MapEncounters::kFindLoad;
      e.questEventPending = message;
    }
  }
  for (const SpyPlace& spy : kSpyPlaces) {
    if (e.placeKind != spy.placeKind) continue;
    if (spy.placeState >= 0 && s.placeState[spy.placeState] == 0) continue;
    const uint8_t stage = Stage(s, spy.quest);
    if (stage < kQuestAccepted || stage > kQuestAchievedSeen) continue;
    e.findShown = MapEncounters::kFindLoad;
    e.questEventPending = spy.message;
    s.questStage[spy.quest - 1] = kQuestAchieved;
    e.placeKind = 0;
  }
}

uint8_t SpotQuest(uint32_t metCode) {
  for (const Spot& spot : kSpots)
    if (spot.code == metCode) return spot.quest;
  return 0;
}

void CloseFind(MapEncounters& e, GameState& s) {
  e.storeFindPending = 0;
  e.StoreFind();
  e.goldFound = e.gemFound = e.artifactFound = e.itemFound = 0;
  const uint8_t quest = SpotQuest(e.metCode);
  if (quest && Running(s.questStage[quest - 1])) s.questStage[quest - 1] = kQuestAchieved;
}

int FixedPlaceBattle(uint8_t placeKind, const GameState& s) {
  int index = -1;
  for (const PlaceBattle& b : kPlaceBattles) {
    if (b.placeKind != placeKind) continue;
    if (b.placeState >= 0 && s.placeState[b.placeState] == 0) continue;
    if (b.quest) {
      const uint8_t stage = Stage(s, b.quest);
      if (stage != kQuestNotGiven && stage != kQuestClosed) continue;
    }
    index = b.enemyIndex;
  }
  return index;
}

void DrawLand(KingdomMap& view) {
  for (int block = 1; block <= 9; ++block) {
    if (!maplayout::CameraInBlockWindow(block, view.cameraX, view.cameraY)) continue;
    switch (block) {
      case 1: view.DrawBlock1(); break;
      case 2: view.DrawBlock2(); break;
      case 3: view.DrawBlock3(); break;
      case 4: view.DrawBlock4(); break;
      case 5: view.DrawBlock5(); break;
      case 6: view.DrawBlock6(); break;
      case 7: view.DrawBlock7(); break;
      case 8: view.DrawBlock8(); break;
      case 9: view.DrawBlock9(); break;
    }
  }
}

void DrawMap(KingdomMap& view, MapEncounters& e, ControlBar& bar, const GameState& s,
             uint8_t showMessages) {
  DrawLand(view);
  view.DrawQuestMarkers(s.questStage);
  e.DrawTreasures(view.cameraX, view.cameraY);
  e.DrawEnemies(view.cameraX, view.cameraY);
  e.DrawParty(view.cameraX, view.cameraY);
  bar.Draw();
  e.DrawFameRewards(showMessages);
  e.DrawMessages(295, 280, showMessages, uint32_t(s.gold < 0 ? 0 : s.gold), bar.sheet,
                 bar.hideShowState);
  e.DrawUnitPanel();
  e.DrawInspectText();
  e.ClearPanelHover();
  bar.ClearHover();
}

uint8_t VisitorCode(const MapEncounters& e) {
  uint8_t code = 0;
  if (e.moverIsPlayer) code = 1;
  if (e.moverHero != 0) code = uint8_t(e.moverHero + 2);
  if (code == 0) code = 2;
  return code;
}

}  // namespace map_screen
