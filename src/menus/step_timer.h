#pragma once
// The step timer of the menu animations: state 1 stamps the time and goes to
// state 2; in state 2, the first call more than the period after the stamp
// takes one step and goes back to state 1. So a timer takes at most one step
// per frame, and each step waits a full period after the frame that started it.

#include <cstdint>

constexpr uint8_t kTimerStamp = 1;
constexpr uint8_t kTimerWaiting = 2;

struct StepTimer {
  uint8_t state = kTimerStamp;
  uint32_t start = 0;
  // Its members (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("state", state);
    v("start", start);
  }
  // 1 when a step is due now.
  uint32_t Step(uint32_t nowMs, uint32_t periodMs) {
    if (state == kTimerStamp) {
      start = nowMs;
      state = kTimerWaiting;
      return 0;
    }
    if (nowMs - start > periodMs) {
      state = kTimerStamp;
      return 1;
    }
    return 0;
  }
};
