// Where the member who fought a marching army stands after the battle.

#include "game/cell_geometry.h"
#include "game/game_state.h"

namespace {

struct FallbackList {
  uint8_t ids[4];  // battle ids using this list, 0 ends
  uint32_t cells[kFallbackCells];
};

const FallbackList kFallbackLists[] = {
    {{81, 90}, {774, 676, 832, 1075, 1125, 1178, 934, 785, 482, 475, 1171}},
    {{82, 85, 87}, {357, 355, 202, 154, 62, 164, 263, 264, 265, 266, 267}},
    {{83}, {3055, 2756, 2637, 2582, 2642, 3179, 3178, 3177, 3176, 3175, 3174}},
    {{84}, {7187, 7249, 2571, 2627, 2691, 6887, 6888, 6889, 6890, 6891, 6892}},
    {{86}, {8885, 8811, 10413, 8842, 8916, 8966, 9012, 9013, 9014, 9015, 9016}},
    {{88}, {4386, 4323, 4320, 4498, 4619, 4680, 4743, 4744, 4745, 4746, 4747}},
    {{89, 91, 92, 93}, {4191, 4250, 4308, 4370, 4488, 4609, 4671, 4611, 4612, 4731, 4730}},
};

const FallbackList* ListFor(uint8_t battleId) {
  for (const FallbackList& list : kFallbackLists) {
    for (uint8_t id : list.ids) {
      if (id != 0 && id == battleId) return &list;
    }
  }
  return nullptr;
}

}  // namespace

void GameState::RelocateAfterBattle(uint8_t battleId, uint8_t playerFought, uint8_t heroNumber) {
  relocationState = kRelocationDone;
  // Hero numbers run 1..10; anything else names no hero.
  if (heroNumber > kHeroCount) heroNumber = 0;

  if (useFallbackCells == 0 && battleId > 80) {
    // The army's leg began at (partyX, partyY) when it walked to waypoint 1,
    // else at waypoint w - 2 of its route; other indexes name no waypoint.
    int w = mapSnapshot.heroIndex;
    bool known = true;
    int x = partyX;
    int y = partyY;
    if (w != 1) {
      int point = w - 2;
      if (point >= 0 && point < kRouteLength) {
        x = mapSnapshot.snapshotLegX[point];
        y = mapSnapshot.snapshotLegY[point];
      } else {
        known = false;
      }
    }
    uint32_t cell = known ? cells::CellAt(x, y) : 0;
    if (cell != 0) {
      if (playerFought) partyCell = cell;
      if (heroNumber) heroCell[heroNumber - 1] = cell;
    }
  }

  // Only the marching armies (battle ids above 80) move anybody; for the
  // others even a list still pending from an earlier call stays untried.
  if (useFallbackCells && battleId > 80) {
    if (const FallbackList* list = ListFor(battleId)) {
      fallbackPending = 1;
      fallbackCount = 0;
      for (int j = 0; j < kFallbackCells; ++j) fallbackCells[j] = list->cells[j];
    }
    auto tryCandidate = [this](uint32_t c, uint32_t* target) {
      fallbackCount = 0;
      for (uint32_t cell : heroCell) {
        if (cell != c) ++fallbackCount;
      }
      if (fallbackPending == 1 && c != partyCell && fallbackCount == kHeroCount) {
        *target = c;
        fallbackPending = 0;
      } else {
        fallbackCount = 0;
      }
    };
    for (int j = 0; j < kFallbackCells; ++j) {
      if (playerFought) tryCandidate(fallbackCells[j], &partyCell);
      if (heroNumber) tryCandidate(fallbackCells[j], &heroCell[heroNumber - 1]);
    }
  }

  useFallbackCells = 0;
}
