#pragma once
// The invading armies' turn after a day change: entries 80..92 of the map
// population walk towards their places one at a time, the camera following
// each, and an army that reaches its place settles its quest (the defenders
// win alone, win after the party weakened it, or the kingdom surrenders), or
// catches a party member on one of its place's cells, which starts a battle.
//
// The turn is MapEncounters::marchPhase, whose states are named beside it.
// Only two calls start a turn: EndDay (day_change.h) sets kChooseArmy, and
// ResumeInvasionTurn continues one that a battle interrupted. Coming back to
// the map from anywhere else never starts one.

#include <cstdint>

#include "map/day_change.h"

class GameState;
class KingdomMap;
class MapEncounters;

namespace invasion {

constexpr uint8_t kFirstInvader = 80;
constexpr uint8_t kLastInvader = 92;
constexpr uint8_t kFirstMarcher = 80;  // entries 80..99 march
constexpr uint8_t kLastMarcher = 99;

// Where the camera goes when it follows the moving army: the army's position
// minus this offset, within the map view's own camera limits (the camera
// never shows anything outside the map picture).
constexpr int32_t kFollowOffsetX = 400;
constexpr int32_t kFollowOffsetY = 400;

constexpr int32_t kClosedGold = 500;  // the party beat an invading army
constexpr int32_t kLostFame = 3;      // the defenders won alone

enum class Axis : uint8_t { kX, kY };

// One invading army, tied to one quest.
struct Invader {
  uint8_t army;        // enemy entry 80..92
  uint8_t quest;       // 1..100
  Axis axis;           // the destination test: position on this axis ==
  int32_t at;          //   this value
  int32_t orAt;        //   or this one (same as at when there is one)
  int32_t closedFame;  // the party beat it: fame +closedFame, gold +500
  int32_t helpedFame;  // it arrived weakened: fame +, gold + (0 and 0: nothing)
  int32_t helpedGold;
  uint8_t lastCheckpoint;        // the length of its place's cell list
  uint8_t surrenders;            // arriving on the map makes the kingdom surrender
  uint8_t clearsCountersAlways;  // armies 80..87: battle counters cleared even after a catch
};
constexpr int kInvaders = 13;
extern const Invader kInvaderRows[kInvaders];

// The row of an army, nullptr for any entry but 80..92.
const Invader* FindInvader(uint8_t army);
// Whether the army stands on its destination.
bool AtDestination(const MapEncounters& map, uint8_t army);

}  // namespace invasion

// One frame of the invading armies' turn (after the arrival of a walk, before
// the hand-over tests); nothing while marchPhase is kTurnOver. pixels is the
// walking clock's step of this frame. Moves the camera of view (may be null) to the
// moving army when it starts a leg. When an army reaches its place it settles
// the army's quest: fame, gold, the outcome message (outcomeShown and one of
// outcomeDefendersAlone, outcomeDefendersHelped, outcomeArmyDefeated), the
// battle counters; armies 90..92 arriving make the kingdom surrender
// (flags.endSurrendered and flags.leaveCode := 1). A caught party member
// leaves battleStarted, fighterCode and enemyIndex set for the hand-over. The
// turn ends (kTurnOver) once every army has moved and no message waits;
// an outcome message is closed, and the turn ended, by the map screen's
// Enter.
void RunInvasionTurn(MapEncounters& map, GameState& state, KingdomMap* view, uint8_t pixels,
                     MapTurnFlags& flags);

// For the map's write-back on every leave, before the invading-army block is
// stored: with no turn under way the moving army is forgotten (movingArmy 0),
// so that no later entry takes the stored block for an interrupted turn.
void SettleInvasionForLeave(MapEncounters& map);

// For the map's restore on re-entry, after the invading-army block came back
// from the record (marchPhase is kTurnOver on every entry). A turn continues
// (kPlanLeg, from the army's position) only when the last leave was a battle
// that an army's chase started (GameState::relocationState not
// kRelocationNone, which every other leave writes) and the stored moving
// army is an invading army still on
// the map with steps left and not done; the armies before it in the turn's
// order count as done. An army that the battle beat (GameState::defeatedArmy)
// becomes outcomeArmyDefeated and its quest is settled (kSettle), and the
// record's byte is cleared. Anything else leaves the phase at kTurnOver:
// coming back from a place, a party screen or a battle fought after the
// armies' turn never gives the invading armies another march that day.
void ResumeInvasionTurn(MapEncounters& map, GameState& state);
