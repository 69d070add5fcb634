#include "game/game_state.h"

namespace {

// Opens quest q (1..100) when it has not been given yet.
void Open(uint8_t* stages, int q, bool condition) {
  if (stages[q - 1] == kQuestNotGiven && condition) stages[q - 1] = kQuestOpen;
}

}  // namespace

void GameState::AdvanceQuestChains() {
  uint8_t* s = questStage;
  auto closed = [s](int q) { return s[q - 1] == kQuestClosed; };
  bool dayStarted = static_cast<int32_t>(day) > 0;

  Open(s, 1, dayStarted);
  Open(s, 2, closed(1));
  Open(s, 5, closed(2) && (s[3 - 1] > 4 || s[4 - 1] > 4));
  Open(s, 11, closed(5));
  Open(s, 19, true);
  Open(s, 20, closed(19));
  Open(s, 12, true);
  Open(s, 13, closed(12));
  Open(s, 3, true);
  Open(s, 7, true);
  Open(s, 8, true);
  Open(s, 4, dayStarted);
  Open(s, 9, true);
  Open(s, 10, closed(9));
}
