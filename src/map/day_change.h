#pragma once
// The day change, the night and the three ends of the campaign, as plain
// rules on the map population, the game record and the map view. The map
// screen calls them; none of them draws.
//
// A day passes in four phases: the player's turn (marchPhase kTurnOver), the
// day change of one frame (EndDay), the invading armies' turn (any other
// marchPhase, invasion_turn.h) and the night (RunNightIfDue, in the first
// frame that finds marchPhase back at kTurnOver).

#include <cstdint>

class GameState;
class KingdomMap;
class MapEncounters;

// The application's fields that the day change, the night and the invading
// armies' turn read and write. The map screen copies them from GameApp into
// one of these before a call and back after it.
struct MapTurnFlags {
  uint8_t dayRecoveryPending = 0;  // the night is due once the armies have moved
  uint8_t mapShowMessages = 1;     // the day's message board is shown
  uint8_t endSurrendered = 0;
  uint8_t endPeaceTreaty = 0;
  uint8_t endVictory = 0;     // set by the battle only; read here
  uint8_t leaveCode = 0;      // 1 when the rules decided to leave the map
  uint8_t mapEnemyIndex = 0;  // armies 88..92: the army of the last outcome
  uint8_t mapQuestIndex = 0;  // armies 88..92: its quest number - 1
};

// Whether one of the three ends of the campaign is set. The map screen then
// stores the save step and leave code 1 near the end of the same frame (the
// save step goes on to the hall of fame).
bool GameEnded(const MapTurnFlags& flags);

// The day change, run once when the end-of-day button's action runs (the
// caller has released the control bar's button). In this order: the night is
// made due; the selection is let go with all asked for it (LetGoOfSelection:
// the attack plan and the inspect text among them), the find message is
// dropped and the day's messages reset; the fame ladder pays (PayFameLadder);
// the invading armies' turn begins (marchPhase kChooseArmy); the day rises by
// 1 in both records; the wealth is copied back and the day's income (the
// score) paid; every enemy entry gets a fresh day (4 steps, not done); the quest
// chains advance; the invasion timetable runs (RunInvasionTimetable) and the
// invader reminders are set (SetInvaderReminders); every member, present or
// not, gets 7 steps. view may be null (then only the records learn that the
// tower is destroyed). The day change that makes day 110 sets endPeaceTreaty:
// GameEnded is then true in the same frame.
void EndDay(MapEncounters& map, GameState& state, KingdomMap* view, MapTurnFlags& flags);

// The fame ladder: every rung whose threshold the record's fame is strictly
// above and that the game has not paid yet (GameState::fameRungDone) is paid
// in rung order: gold (saturating), or its hero joins the party, is placed on
// a free cell and becomes the hero to centre on. Each paid rung gets its line
// under "Because of your high fame:" (rows 0..5; a seventh line keeps row 0).
// A rung whose hero is already in the party is only marked as paid: no line,
// and the hero is not moved.
void PayFameLadder(MapEncounters& map, GameState& state);

// The 36 rows of the invasion timetable against the record's (new) day, in
// order; then the game's end by peace treaty on day 110.
void RunInvasionTimetable(MapEncounters& map, GameState& state, KingdomMap* view,
                          MapTurnFlags& flags);

// The daily reminder of each invading army on the map (entries 80, 81, 82,
// 89, 90, 91, 92 in that order; a later one overwrites an earlier one and any
// message of the timetable).
void SetInvaderReminders(MapEncounters& map);

// The night, run at the end of a frame in which it is due
// (flags.dayRecoveryPending) and the armies' turn is over (kTurnOver);
// true when it ran. Clears dayRecoveryPending, then RecoverOvernight.
bool RunNightIfDue(MapEncounters& map, GameState& state, MapTurnFlags& flags);

// The night's recovery: the enemy at Black Zima Castle (battle 73) heals
// fully; every battle's carried-over wear falls by 6 and its losses by 3 (not
// below 0); the player's and each present hero's health rise by 3 up to the
// maximum; in every army slot of the player and of each present hero one
// downed soldier returns and each wound marker falls by 1. Each change raises
// the line of the day banner it belongs to ("Your forces heal.", "Enemy
// forces heal.", "The enemy at Black Zima Castle fully heals!").
void RecoverOvernight(MapEncounters& map, GameState& state);

// value + amount, held within the 32-bit range (gold and fame never wrap).
int32_t AddSaturated(int32_t value, int64_t amount);

// ================================================================ tables
namespace day_change {

constexpr uint8_t kStepsPerDay = 7;        // each member's steps at the start of a day
constexpr uint8_t kArmyStepsPerDay = 4;    // each enemy entry's steps at the start of a day
constexpr uint32_t kPeaceTreatyDay = 110;  // the day change that makes this day ends the game
constexpr int kTowerPlace = 10;            // placeState entry of the Wasteland Tower
constexpr uint8_t kTowerDestroyed = 1;
constexpr int kCastleBattleEntry = 72;  // battle 73, the enemy's castle (entry = battle - 1)
constexpr uint8_t kNightWearDrop = 6;
constexpr uint8_t kNightLossDrop = 3;
constexpr int32_t kNightHealthGain = 3;

// One row of the invasion timetable: a condition on a quest's stage (or on
// the tower's place state, or none) and on the new day, and its effects.
enum class TimetableTest : uint8_t { kQuestStage, kTowerStanding, kAlways };
enum class DayTest : uint8_t { kOn, kAfter };  // day == value, day > value
constexpr uint8_t kKeepStage = 255;

struct TimetableRow {
  TimetableTest test;
  uint8_t quest;  // 1..100 (kQuestStage)
  uint8_t stage;  // the stage the quest must be at
  DayTest dayTest;
  uint32_t day;
  uint8_t warning;        // 0, or the message to warn with (hides the board)
  uint8_t army;           // 0, or the enemy entry that enters the map
  uint8_t newStage;       // kKeepStage, or the quest's new stage
  uint8_t message;        // 0, or questMessage := this without hiding the board
  uint8_t hideBoard;      // mapShowMessages := 0 besides a warning
  uint8_t destroysTower;  // the Wasteland Tower is destroyed
  uint8_t peaceTreaty;    // the game ends by peace treaty
};
constexpr int kTimetableRows = 36;
extern const TimetableRow kTimetable[kTimetableRows];

// The daily reminders: the message while the army is on the map, and the
// one once it is on its road.
struct Reminder {
  uint8_t army;
  uint8_t message;
  uint8_t onRoadMessage;
};
constexpr int kReminders = 7;
extern const Reminder kReminderRows[kReminders];

}  // namespace day_change
