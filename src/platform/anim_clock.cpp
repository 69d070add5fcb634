#include "platform/anim_clock.h"

#include <cmath>
#include <cstdint>

namespace {

// Float to int truncating toward zero, held inside the int range.
int32_t TruncToInt(float v) {
  if (!(v == v)) return 0;
  if (v >= 2147483520.0f) return INT32_MAX;
  if (v <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(v);
}

int32_t ClampToInt(int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

float StepOf(int32_t speed, int32_t elapsed) {
  const int64_t product = static_cast<int64_t>(speed) * elapsed;
  return static_cast<float>(product) * 0.001f;
}

}  // namespace

AnimClock::AnimClock()
    : accumulator(0.0f),
      wholeSteps(0),
      steps(0),
      lastStep(0.0f),
      average(0),
      sampleCount(0),
      base(0.0f),
      sampleSum(0.0f),
      expected(5000),
      callerSteps(255) {}

uint8_t AnimClock::Settle(float step) {
  accumulator += step;
  if (accumulator >= 1.0f) {
    // Taking the whole part at once gives exactly what subtracting 1.0 one
    // step at a time gives while the value is below 2^24; above that the
    // single-step subtraction could never finish, so the excess is dropped.
    if (accumulator < 16777216.0f) {
      const float whole = std::floor(accumulator);
      wholeSteps += static_cast<uint32_t>(whole);
      accumulator -= whole;
    } else {
      wholeSteps += 16777216u;
      accumulator = 0.0f;
    }
  }
  steps = static_cast<uint8_t>(wholeSteps % 256u);
  // Hold back steps beyond one more than expected ...
  while (static_cast<int64_t>(steps) > static_cast<int64_t>(expected) + 1 && steps > 0) {
    steps -= 1;
    accumulator += 1.0f;
  }
  // ... and take steps early up to one fewer than expected. A result is one
  // byte: at an expected count beyond 256 it stops at 255.
  while (static_cast<int64_t>(steps) < static_cast<int64_t>(expected) - 1 && steps < 255) {
    steps += 1;
    accumulator -= 1.0f;
  }
  wholeSteps = 0;
  return steps;
}

uint8_t AnimClock::Advance(int32_t speed, int32_t elapsed) {
  const float step = StepOf(speed, elapsed);
  lastStep = step;
  if (expected == 5000) {
    const int64_t b = TruncToInt(base);
    expected = ClampToInt((b / 50 * speed) / 500);
  }
  return Settle(step);
}

uint8_t AnimClock::AdvanceAveraged(int32_t speed, int32_t elapsed) {
  const float step = StepOf(speed, elapsed);
  lastStep = step;
  if (expected == 5000) {
    const int64_t b = TruncToInt(base * 0.02f);
    expected = ClampToInt((b * speed) / 500);
  }
  if (sampleCount < 10) {
    sampleSum += step;
    sampleCount += 1;
  }
  if (sampleCount >= 10) {
    average = TruncToInt(sampleSum * 0.1f);
    expected = average;
    sampleCount = 0;
    sampleSum = 0.0f;
  }
  return Settle(step);
}
