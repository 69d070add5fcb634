// The reward rows of the victories by battle id.
#include "battle/battle_reward_tables.h"

namespace battle {

namespace {

struct IdRow {
  uint32_t id;
  RewardRow row;
};

// gold 3/2/1, experience, training of ranks 1..6, equipment of ranks 1..6.
// clang-format off
#define ROW(g3, g2, g1, xp, t1, e1, t2, e2, t3, e3, t4, e4, t5, e5, t6, e6) \
  RewardRow{{g3, g2, g1}, xp, {t1, t2, t3, t4, t5, t6}, {e1, e2, e3, e4, e5, e6}}
// clang-format on

constexpr RewardRow kDefaultRow = ROW(100, 60, 20, 80, 5, 5, 4, 5, 5, 4, 4, 4, 3, 4, 4, 3);
constexpr RewardRow kInvasionRow = ROW(100, 60, 20, 200, 9, 9, 9, 9, 8, 9, 9, 8, 8, 8, 7, 7);
constexpr uint32_t kInvasionFrom = 81;

constexpr RewardRow k11 = ROW(100, 60, 20, 80, 5, 5, 4, 5, 5, 4, 4, 5, 4, 4, 4, 4);
constexpr RewardRow k13 = ROW(100, 60, 20, 80, 5, 5, 4, 5, 5, 4, 4, 4, 4, 4, 4, 4);
constexpr RewardRow k22 = ROW(120, 60, 20, 100, 5, 5, 5, 5, 4, 5, 5, 4, 4, 4, 4, 4);
constexpr RewardRow k24 = ROW(120, 60, 20, 90, 5, 5, 5, 4, 5, 4, 4, 4, 4, 4, 4, 4);
constexpr RewardRow k44 = ROW(120, 60, 20, 100, 5, 5, 5, 5, 5, 4, 4, 5, 4, 4, 4, 4);
constexpr RewardRow k51 = ROW(120, 60, 20, 110, 5, 5, 5, 5, 5, 4, 4, 5, 4, 4, 4, 4);
constexpr RewardRow k9 = ROW(100, 60, 20, 70, 5, 4, 4, 5, 4, 4, 4, 4, 4, 3, 4, 3);

constexpr IdRow kRewardRows[] = {
    {1, ROW(100, 50, 10, 60, 5, 5, 5, 4, 4, 3, 3, 4, 3, 4, 4, 3)},
    {2, ROW(80, 40, 0, 80, 5, 5, 4, 5, 4, 4, 3, 4, 4, 3, 3, 4)},
    {3, ROW(50, 25, 10, 50, 5, 5, 4, 4, 4, 4, 4, 4, 3, 4, 4, 3)},
    {4, ROW(100, 60, 20, 80, 5, 5, 5, 5, 4, 5, 4, 4, 4, 4, 4, 3)},
    {5, ROW(100, 60, 20, 80, 5, 5, 4, 5, 4, 4, 4, 4, 3, 4, 4, 3)},
    {6, ROW(100, 60, 20, 40, 4, 4, 3, 4, 4, 3, 3, 4, 3, 3, 3, 2)},
    {7, ROW(100, 60, 20, 70, 5, 4, 4, 4, 4, 3, 3, 4, 3, 3, 3, 3)},
    {9, k9},
    {10, k9},
    {11, k11},
    {12, k11},
    {13, k13},
    {16, k13},
    {19, ROW(100, 60, 20, 100, 5, 5, 4, 5, 5, 4, 4, 4, 4, 4, 4, 4)},
    {20, ROW(100, 60, 20, 60, 4, 4, 3, 4, 4, 3, 3, 4, 3, 3, 2, 3)},
    {21, ROW(100, 60, 20, 80, 4, 4, 4, 4, 3, 4, 4, 3, 3, 4, 4, 3)},
    {22, k22},
    {26, k22},
    {24, k24},
    {30, k24},
    {31, k24},
    {25, ROW(120, 60, 20, 80, 5, 5, 4, 5, 4, 4, 4, 4, 4, 4, 4, 4)},
    {34, ROW(100, 60, 20, 90, 5, 5, 5, 4, 4, 5, 4, 4, 4, 4, 4, 4)},
    {35, ROW(100, 60, 20, 80, 5, 4, 5, 4, 4, 5, 4, 4, 4, 4, 3, 4)},
    {36, ROW(100, 60, 20, 100, 5, 5, 5, 5, 4, 5, 5, 4, 4, 4, 4, 4)},
    {38, ROW(100, 60, 20, 100, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4)},
    {44, k44},
    {45, k44},
    {46, k44},
    {47, k44},
    {48, ROW(120, 60, 20, 100, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4)},
    {51, k51},
    {52, k51},
    {53, k51},
    {63, ROW(100, 60, 20, 80, 5, 5, 4, 5, 5, 4, 4, 5, 4, 4, 4, 4)},
    {64, ROW(100, 60, 20, 90, 5, 5, 4, 5, 5, 4, 4, 5, 4, 4, 4, 4)},
};

#undef ROW

}  // namespace

const RewardRow& RewardRowFor(uint32_t battleId) {
  if (battleId >= kInvasionFrom) return kInvasionRow;
  for (const IdRow& r : kRewardRows)
    if (r.id == battleId) return r.row;
  return kDefaultRow;
}

}  // namespace battle
