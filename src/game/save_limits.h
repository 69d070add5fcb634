#pragma once
// The values the game itself can write into the 32-bit fields of a save,
// and into the byte fields whose range is narrower than a byte.
// The save reader refuses an image holding anything else, so a loaded game
// never starts from a number that play could not have made. Each bound is
// taken from the rule that makes the value, with room to spare where the
// value grows by play.

#include <cstdint>

#include "game/cell_geometry.h"

namespace save_limits {

// An inclusive range of values.
struct Range {
  int64_t min, max;
  constexpr bool Holds(int64_t v) const { return v >= min && v <= max; }
};

// A flag: 0 or 1.
constexpr Range kFlag{0, 1};

// The map view's camera: the view clamps it to these (kingdom_map.h).
constexpr Range kCameraX{-1826, 2958};
constexpr Range kCameraY{-1226, 1480};

// A world position of anything on the map (armies, figures, routes, roads):
// a cell corner of the world or a step between two of them; 0 where unused.
constexpr Range kWorldX{cells::kWorldLeft - cells::kCellSize,
                        cells::kWorldRight + cells::kCellSize};
constexpr Range kWorldY{cells::kWorldTop - cells::kCellSize,
                        cells::kWorldBottom + cells::kCellSize};
// A map cell id, 0 = none.
constexpr Range kMapCell{0, cells::kCellCount};

// The battle field: 20 x 15 cells of 80 pixels (cells 1..300, 0 = none). A
// unit stands on a cell corner or between two; a field's width and height
// beyond every side is room to spare.
constexpr int64_t kBattleFieldWidth = 1600;
constexpr int64_t kBattleFieldHeight = 1200;
constexpr Range kBattleX{-kBattleFieldWidth, 2 * kBattleFieldWidth};
constexpr Range kBattleY{-kBattleFieldHeight, 2 * kBattleFieldHeight};
constexpr Range kBattleCell{0, 300};

// The campaign: day 1 at a new game; the day change that makes day 110
// ends it by peace treaty (day_change.h), so no day after it is played.
constexpr uint32_t kLastCampaignDay = 110;
constexpr Range kDay{1, kLastCampaignDay};

// The day's income: 3 per gem, 5 per artifact, 10 per village, 20 per town
// or mine (GameState::ComputeScore).
constexpr Range kScore{0, 30 * 3 + 30 * 5 + 10 * 10 + 10 * 20};

// Gold starts at 0, is paid only when it covers the price, and grows by the
// day's income (at most 540 a day) and by once-only or step-bound rewards
// (finds, quests, battles, fame rungs, invasions), each a few thousand at
// most: far below this bound in a 110-day campaign.
constexpr Range kGold{0, 100'000'000};
// Fame starts at 0, is never taken below 0, and grows by 1 to 10 a quest,
// battle or invasion.
constexpr Range kFame{0, 1'000'000};

// Stats (health, attack, shield, experience) and army values (attack,
// shield, training, equipment) grow by small steps per battle, level, item
// or visit; no game comes near this bound on either side.
constexpr Range kQuantity{-10'000'000, 10'000'000};

}  // namespace save_limits
