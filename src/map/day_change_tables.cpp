// The invasion timetable, the invader reminders and the invading armies.

#include "map/day_change.h"
#include "map/invasion_turn.h"

namespace day_change {

namespace {

constexpr TimetableTest Q = TimetableTest::kQuestStage;
constexpr DayTest On = DayTest::kOn;
constexpr DayTest After = DayTest::kAfter;
constexpr uint8_t Keep = kKeepStage;

}  // namespace

// test, quest, stage, day test, day, warning, army, new stage, message,
// hide board, destroys tower, peace treaty.
const TimetableRow kTimetable[kTimetableRows] = {
    {Q, 6, 0, After, 10, 0, 80, 2, 0, 0, 0, 0},
    {Q, 77, 0, On, 19, 3, 0, 2, 0, 0, 0, 0},
    {Q, 77, 2, After, 22, 0, 81, 4, 0, 0, 0, 0},
    {Q, 78, 0, On, 20, 6, 0, 2, 0, 0, 0, 0},
    {Q, 78, 2, After, 26, 0, 82, 4, 0, 0, 0, 0},
    {Q, 80, 0, On, 31, 9, 0, 2, 0, 0, 0, 0},
    {Q, 80, 2, On, 37, 13, 0, Keep, 0, 0, 0, 0},
    {Q, 80, 2, After, 37, 0, 83, 4, 10, 0, 0, 0},
    {Q, 84, 0, On, 33, 11, 0, 2, 0, 0, 0, 0},
    {Q, 84, 2, On, 39, 14, 0, Keep, 0, 0, 0, 0},
    {Q, 84, 2, After, 39, 0, 84, 4, 10, 0, 0, 0},
    {Q, 86, 0, On, 36, 12, 0, 2, 0, 0, 0, 0},
    {Q, 86, 2, On, 42, 15, 0, Keep, 0, 0, 0, 0},
    {Q, 86, 2, On, 43, 16, 0, Keep, 0, 0, 0, 0},
    {Q, 86, 2, After, 43, 0, 85, 4, 10, 0, 0, 0},
    {Q, 92, 0, On, 46, 17, 0, 2, 0, 0, 0, 0},
    {Q, 92, 2, On, 53, 18, 0, Keep, 0, 0, 0, 0},
    {Q, 92, 2, On, 59, 19, 0, Keep, 0, 0, 0, 0},
    {Q, 92, 2, After, 59, 0, 86, 4, 10, 0, 0, 0},
    {Q, 93, 0, On, 52, 20, 0, 2, 0, 0, 0, 0},
    {Q, 93, 2, On, 58, 21, 0, Keep, 0, 0, 0, 0},
    {Q, 93, 2, On, 61, 22, 0, Keep, 0, 0, 0, 0},
    {Q, 93, 2, After, 61, 0, 87, 4, 10, 0, 0, 0},
    {Q, 94, 0, On, 57, 23, 0, 2, 0, 0, 0, 0},
    {Q, 94, 2, On, 63, 24, 0, Keep, 0, 0, 0, 0},
    {Q, 94, 2, After, 63, 0, 88, 4, 10, 0, 0, 0},
    {Q, 95, 0, On, 65, 25, 0, 1, 0, 0, 0, 0},
    {TimetableTest::kTowerStanding, 0, 0, On, 76, 27, 0, Keep, 0, 0, 1, 0},
    {Q, 95, 1, After, 65, 0, 89, 2, 0, 0, 0, 0},
    {Q, 96, 0, After, 76, 0, 90, 2, 0, 0, 0, 0},
    {Q, 100, 0, On, 87, 30, 0, 1, 0, 0, 0, 0},
    {Q, 99, 0, On, 88, 31, 0, 1, 0, 0, 0, 0},
    {Q, 97, 0, After, 88, 0, 91, 2, 0, 1, 0, 0},
    {Q, 98, 0, On, 99, 34, 0, 1, 0, 0, 0, 0},
    {Q, 98, 1, After, 99, 0, 92, 2, 0, 1, 0, 0},
    {TimetableTest::kAlways, 0, 0, On, kPeaceTreatyDay, 0, 0, Keep, 0, 1, 0, 1},
};

// Message 2 (the enemy slowly moving towards the palace) serves both armies
// bound for the palace, 80 and 89.
const Reminder kReminderRows[kReminders] = {
    {80, 1, 2}, {81, 4, 5}, {82, 7, 8}, {89, 26, 2}, {90, 28, 29}, {91, 32, 33}, {92, 35, 36},
};

}  // namespace day_change

namespace invasion {

namespace {

constexpr Axis X = Axis::kX;
constexpr Axis Y = Axis::kY;

}  // namespace

// army, quest, axis, at, or at, closed fame, helped fame, helped gold, last
// checkpoint, surrenders, clears its counters even after a catch.
const Invader kInvaderRows[kInvaders] = {
    {80, 6, X, 240, 280, 5, 2, 200, 6, 0, 1},    {81, 77, Y, -480, -480, 5, 2, 200, 3, 0, 1},
    {82, 78, X, 1920, 1920, 5, 2, 200, 3, 0, 1}, {83, 80, Y, -760, -760, 5, 2, 200, 3, 0, 1},
    {84, 84, Y, -480, -480, 5, 2, 200, 3, 0, 1}, {85, 86, Y, 1520, 1520, 5, 2, 200, 3, 0, 1},
    {86, 92, Y, -480, -480, 5, 2, 200, 3, 0, 1}, {87, 93, X, 2040, 2040, 5, 2, 200, 1, 0, 1},
    {88, 94, X, 1760, 1760, 10, 0, 0, 22, 0, 0}, {89, 95, X, 240, 240, 10, 0, 0, 6, 0, 0},
    {90, 96, X, 1760, 1760, 10, 0, 0, 22, 1, 0}, {91, 97, X, 1760, 1760, 10, 0, 0, 22, 1, 0},
    {92, 98, X, 1760, 1760, 10, 0, 0, 22, 1, 0},
};

}  // namespace invasion
