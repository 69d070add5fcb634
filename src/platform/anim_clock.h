#pragma once
#include <cstddef>
#include <cstdint>

// Step pacer: turns a speed in steps per second and the last frame's
// milliseconds into the whole steps to take this frame, carrying the
// fraction (and any steps held back or taken early) to later calls.
class AnimClock {
 public:
  AnimClock();

  // Whole steps to take now; kept within one of the expected count.
  uint8_t Advance(int32_t speed, int32_t elapsed);
  // As Advance, but the expected count is the mean step of the last
  // completed block of ten calls.
  uint8_t AdvanceAveraged(int32_t speed, int32_t elapsed);

  float accumulator;    // fraction of a step carried between calls
  uint32_t wholeSteps;  // whole steps counted during one call, 0 between calls
  uint8_t steps;        // result of the last call
  float lastStep;       // speed x elapsed x 0.001 of the last call
  int32_t average;      // last measured mean step (AdvanceAveraged)
  uint8_t sampleCount;  // calls summed so far, 0..10
  float base;           // start value set by the creating screen
  float sampleSum;      // sum of the steps of the calls counted
  int32_t expected;     // whole steps expected per call; 5000 = not yet set
  uint8_t callerSteps;  // the calling screen keeps its result here (255 at start)

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("accumulator", accumulator);
    v("wholeSteps", wholeSteps);
    v("steps", steps);
    v("lastStep", lastStep);
    v("average", average);
    v("sampleCount", sampleCount);
    v("base", base);
    v("sampleSum", sampleSum);
    v("expected", expected);
    v("callerSteps", callerSteps);
  }

 private:
  uint8_t Settle(float step);
};

// Deletes every clock of a set and empties its pointer (a screen that
// leaves drops the clocks it made).
template <std::size_t N>
void DeleteClocks(AnimClock* (&clocks)[N]) {
  for (AnimClock*& clock : clocks) {
    delete clock;
    clock = nullptr;
  }
}
