// The day's income from the wealth, and the hall-of-fame rows.

#include <algorithm>
#include <cstring>

#include "game/game_state.h"

void GameState::ComputeScore() {
  uint32_t total = 0;
  for (int i = 0; i < 30; ++i) {
    if (wealth.gemOwned[i]) total += 3;
    if (wealth.artifactOwned[i]) total += 5;
  }
  for (int i = 0; i < 10; ++i) {
    if (wealth.villageJoined[i]) total += 10;
    if (wealth.townOwned[i]) total += 20;
  }
  score = total;
}

namespace {

struct HallRow {
  uint32_t score;
  uint8_t name[kGlyphNameLength];
};

}  // namespace

void GameState::EnterHallOfFame() {
  // Rows read from a file may have gaps or be out of order: gather the used
  // rows at the top, highest score first, and clear the unused ones, so the
  // insertion below always works on well-formed rows.
  HallRow rows[kHallRows];
  int used = 0;
  for (int r = 0; r < kHallRows; ++r) {
    if (!hallUsed[r]) continue;
    rows[used].score = hallScores[r];
    std::memcpy(rows[used].name, hallNames[r], kGlyphNameLength);
    ++used;
  }
  std::stable_sort(rows, rows + used,
                   [](const HallRow& a, const HallRow& b) { return a.score > b.score; });
  for (int r = 0; r < kHallRows; ++r) {
    hallUsed[r] = r < used ? 1 : 0;
    hallScores[r] = r < used ? rows[r].score : 0;
    if (r < used) {
      std::memcpy(hallNames[r], rows[r].name, kGlyphNameLength);
    } else {
      std::memset(hallNames[r], 0, kGlyphNameLength);
    }
  }

  auto put = [this](int r) {
    hallScores[r] = hallScore;
    std::memcpy(hallNames[r], playerName, kGlyphNameLength);
  };
  auto moveDown = [this](int from, int to) {  // rows from..to-1 move one row down
    for (int r = to; r > from; --r) {
      hallScores[r] = hallScores[r - 1];
      std::memcpy(hallNames[r], hallNames[r - 1], kGlyphNameLength);
    }
  };

  // The new score goes above the first row it reaches. In a hall with room
  // that is at the latest the first free row (cleared to 0 above); in a full
  // one the last row drops out, and a score below every row is not entered.
  const int last = used < kHallRows ? used : kHallRows - 1;
  hallUsed[last] = 1;
  for (int i = 0; i <= last; ++i) {
    if (hallScore >= hallScores[i]) {
      moveDown(i, last);
      put(i);
      return;
    }
  }
}
