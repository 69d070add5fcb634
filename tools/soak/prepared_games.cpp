#include "soak/prepared_games.h"

#include <memory>

#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/save_image.h"
#include "menus/save_files.h"
#include "menus/save_slots_panel.h"

namespace {

// The castle's gate, and the last day (ending it makes peace).
constexpr uint32_t kCastleGateCell = 4375;
constexpr uint32_t kTempleCell = 8362;
constexpr uint32_t kPalaceCell = 929;  // its east side
constexpr uint32_t kLastDay = 109;
// A hero's steps for a day.
constexpr uint8_t kHeroSteps = 7;

uint32_t CellBeside(uint32_t cell, int dx) {
  int x = 0;
  int y = 0;
  cells::CellCorner(cell, &x, &y);
  return cells::CellAt(x + dx * cells::kCellSize, y);
}

}  // namespace

const char* SoakStartName(SoakStart start) {
  switch (start) {
    case SoakStart::kNewGame: return "new game";
    case SoakStart::kHeroBeside: return "hero beside";
    case SoakStart::kByTheCastle: return "by the castle";
    case SoakStart::kLastDay: return "last day";
    case SoakStart::kByTheTemple: return "by the temple";
  }
  return "";
}

bool WritePreparedGame(SoakStart start) {
  if (start == SoakStart::kNewGame) return true;
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  GlyphFromText("Soak|", s->playerName);
  switch (start) {
    case SoakStart::kHeroBeside:
      s->partyCell = CellBeside(kPalaceCell, 1);
      s->heroPresent[0] = 1;
      s->heroCell[0] = CellBeside(s->partyCell, 1);
      s->heroDayAllowance[0] = kHeroSteps;
      break;
    case SoakStart::kByTheCastle: s->partyCell = CellBeside(kCastleGateCell, -1); break;
    case SoakStart::kLastDay:
      // Its steps walked: the end of the day is the next thing to do.
      s->day = kLastDay;
      s->playerDayAllowance = 0;
      break;
    case SoakStart::kByTheTemple: s->partyCell = CellBeside(kTempleCell, -1); break;
    case SoakStart::kNewGame: break;
  }
  const int lastSlot = start == SoakStart::kLastDay ? kSaveSlots : kPreparedSlot;
  for (int slot = kPreparedSlot; slot <= lastSlot; ++slot) {
    s->slot = static_cast<uint8_t>(slot);
    if (SaveGameFile(*s, SaveExtras(), SaveSlotPath(slot)) != 1) return false;
  }
  return true;
}
