#pragma once
// The rules of the kingdom map screen that need no application object: the
// camera limits, the acknowledgement of Enter and the right button, the
// quest events of an arrival, the closing of a find, the fixed-place
// battles, the visitor code and the camera that follows a marching army.
// The map screen's frame (map_proc.cpp) calls them in its order.

#include <cstdint>

class ControlBar;
class GameState;
class KingdomMap;
class MapEncounters;

namespace map_screen {

// The values of the population's state bytes that the map screen drives.
// meetingState: no trade, asked for, walking to the partner, partner
// reached, a far partner planned, the exchange open.
constexpr uint8_t kMeetNone = 0;
constexpr uint8_t kMeetAsked = 1;
constexpr uint8_t kMeetWalking = 2;
constexpr uint8_t kMeetReached = 3;
constexpr uint8_t kMeetFar = 4;
constexpr uint8_t kMeetOpen = 7;
// infoMode: off, the next map click inspects, inspecting, a text just closed.
constexpr uint8_t kInfoOff = 0;
constexpr uint8_t kInfoArmed = 1;
constexpr uint8_t kInfoInspecting = 2;
constexpr uint8_t kInfoJustClosed = 7;
// findShown: none, its pictures to load, shown.
constexpr uint8_t kFindNone = 0;
constexpr uint8_t kFindLoad = 1;
constexpr uint8_t kFindShown = 2;
// playerWalkState: idle, planned, confirmed, walking.
constexpr uint8_t kWalkIdle = 0;
constexpr uint8_t kWalkPlanned = 1;
constexpr uint8_t kWalkConfirmed = 2;
constexpr uint8_t kWalkRunning = 3;
// bagState: nothing, load the collector's bag, store it back.
constexpr uint8_t kBagIdle = 0;
constexpr uint8_t kBagLoad = 1;
constexpr uint8_t kBagStore = 2;
// inspectClose and refusedClose: a text closing by the mouse.
constexpr uint8_t kCloseNone = 0;
constexpr uint8_t kClosePressed = 1;
constexpr uint8_t kCloseReleased = 2;
constexpr uint8_t kCloseSecondPress = 3;
// The unit panel's buttons.
constexpr uint8_t kPanelWalk = 1;
constexpr uint8_t kPanelTrade = 2;
constexpr uint8_t kPanelAttack = 3;
constexpr uint8_t kPanelInspect = 4;
constexpr uint8_t kPanelCentre = 5;
constexpr uint8_t kPanelNext = 6;

// The one camera limit of the map view, for scrolling and for centring: the
// view never shows anything beyond the map picture.
void ClampCamera(KingdomMap& view);
// Puts the camera at (x - dx, y - dy), then clamps it.
void CentreCamera(KingdomMap& view, int32_t x, int32_t y, int32_t dx, int32_t dy);
// Selects hero number h (1..10) and centres on him (x - 570, y - 440).
void FocusHero(MapEncounters& e, KingdomMap& view, uint8_t heroNumber);

// The party is at rest: no walk confirmed or running, no hero arriving.
bool PartyAtRest(const MapEncounters& e);

// Enter (enterKey true) or the right button: starts a planned walk, closes
// the find, bag-full and inspect texts, the message board and the day's
// fame list, and ends an invading army's outcome message.
void Acknowledge(MapEncounters& e, KingdomMap& view, uint8_t& mapShowMessages, bool enterKey);

// The quest events of an arrival after EnterPlace: the quest-event spots
// (met codes 1000..1029) and the three fixed places whose quest is running.
void ArrivalQuestEvents(MapEncounters& e, GameState& s);

// The quest row of a quest-event spot's met code, 0 for none.
uint8_t SpotQuest(uint32_t metCode);

// A find or event message was closed: the find goes into the wealth or the
// bag, the find bytes are cleared, and a spot's running quest is done.
void CloseFind(MapEncounters& e, GameState& s);

// The enemy index of the battle at fixed place kind 1..8, or -1 when the
// place starts none (freed, or its quest running).
int FixedPlaceBattle(uint8_t placeKind, const GameState& s);

// The land, block by block, each block while the camera shows it.
void DrawLand(KingdomMap& view);

// The map screen's drawing, in its order: the land block by block, the
// quest markers, the treasures, armies and party, the control bar, the fame
// lines, the messages, the unit panel and the inspect text; then the hover
// marks are cleared for the next frame's hover tests.
void DrawMap(KingdomMap& view, MapEncounters& e, ControlBar& bar, const GameState& s,
             uint8_t showMessages);

// The visitor code of the member who entered a place.
uint8_t VisitorCode(const MapEncounters& e);

}  // namespace map_screen
