// The day change, the night and the game's ends.

#include "map/day_change.h"

#include <cstdint>

bool GameEnded(const MapTurnFlags& flags) {
  return flags.endVictory || flags.endPeaceTreaty || flags.endSurrendered;
}

// Filled in by the next commits.
void EndDay(MapEncounters&, GameState&, KingdomMap*, MapTurnFlags&) {}
void PayFameLadder(MapEncounters&, GameState&) {}
void RunInvasionTimetable(MapEncounters&, GameState&, KingdomMap*, MapTurnFlags&) {}
void SetInvaderReminders(MapEncounters&) {}
bool RunNightIfDue(MapEncounters&, GameState&, MapTurnFlags&) { return false; }
void RecoverOvernight(MapEncounters&, GameState&) {}
int32_t AddSaturated(int32_t value, int64_t amount) {
  const int64_t sum = int64_t{value} + amount;
  if (sum > INT32_MAX) return INT32_MAX;
  if (sum < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(sum);
}
