// The invading armies' turn.

#include "map/invasion_turn.h"

// Filled in by the next commits.
void RunInvasionTurn(MapEncounters&, GameState&, KingdomMap*, uint8_t, MapTurnFlags&) {}
void SettleInvasionForLeave(MapEncounters&) {}
void ResumeInvasionTurn(MapEncounters&, GameState&) {}
