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

// The one camera limit of the map view, for scrolling and for centring: the
// view never shows anything beyond the map picture.
void ClampCamera(KingdomMap& view);
// Puts the camera at (x - dx, y - dy), then clamps it.
void CentreCamera(KingdomMap& view, int32_t x, int32_t y, int32_t dx, int32_t dy);
// Selects hero number h (1..10), letting go of the member selected before,
// and centres on him (x - 570, y - 440).
void FocusHero(MapEncounters& e, KingdomMap& view, uint8_t heroNumber);

// The party is at rest: no walk confirmed or running, no hero arriving.
bool PartyAtRest(const MapEncounters& e);

// The day's message board is on the screen: it shows only in the party's
// turn, once the armies have moved.
bool BoardShown(const MapEncounters& e, uint8_t mapShowMessages);

// The invading armies' turn stands still on a message (a quest event or an
// army's outcome) until Enter takes it: the turn's last phase.
bool TurnWaitsForEnter(const MapEncounters& e);

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
