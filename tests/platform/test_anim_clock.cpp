#include "platform/anim_clock.h"

#include <gtest/gtest.h>

TEST(AnimClock, AdvanceKeepsWithinOneOfExpected) {
  AnimClock c;
  EXPECT_EQ(c.expected, 5000);
  EXPECT_EQ(c.callerSteps, 255);
  // Base 0: expects 0, so every call returns 0 or 1 and the rest is carried.
  EXPECT_EQ(c.Advance(100, 16), 1);
  EXPECT_EQ(c.expected, 0);
  EXPECT_FLOAT_EQ(c.lastStep, 1.6f);
  EXPECT_NEAR(c.accumulator, 0.6f, 1e-5);
  EXPECT_EQ(c.wholeSteps, 0u);
  EXPECT_EQ(c.Advance(100, 16), 1);  // 2.2: one taken, 1.2 carried
  EXPECT_NEAR(c.accumulator, 1.2f, 1e-5);
  // Whole steps counted in one call wrap at 256: that call returns 0 and
  // those steps are dropped.
  int calls = 2;
  int zeroAt = -1;
  while (calls < 1000) {
    ++calls;
    if (c.Advance(100, 16) == 0) {
      zeroAt = calls;
      break;
    }
  }
  ASSERT_GT(zeroAt, 400);
  ASSERT_LT(zeroAt, 440);
  EXPECT_LT(c.accumulator, 1.0f);
  EXPECT_EQ(c.Advance(100, 16), 1);

  // With a base the expected count follows it: (base / 50 x speed) / 500.
  AnimClock b;
  b.base = 1000.0f;
  EXPECT_EQ(b.Advance(100, 16), 3);  // expected 4: 1.6 steps, two taken early
  EXPECT_EQ(b.expected, 4);
  EXPECT_NEAR(b.accumulator, 0.6f - 2.0f, 1e-5);

  // No time, no speed: nothing taken.
  AnimClock z;
  EXPECT_EQ(z.Advance(0, 16), 0);
  EXPECT_EQ(z.Advance(500, 0), 0);
}

TEST(AnimClock, AdvanceAveragedFollowsTheMeasuredMean) {
  AnimClock c;
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(c.AdvanceAveraged(1000, 20), 1) << i;
  }
  EXPECT_EQ(c.sampleCount, 9);
  EXPECT_NEAR(c.accumulator, 9 * 19.0f, 1e-3);
  // The tenth call measures the mean (20) and returns one more while the
  // carried steps are paid back.
  EXPECT_EQ(c.AdvanceAveraged(1000, 20), 21);
  EXPECT_EQ(c.average, 20);
  EXPECT_EQ(c.expected, 20);
  EXPECT_EQ(c.sampleCount, 0);
  int twentyOnes = 1;
  int calls = 10;
  while (calls < 400) {
    ++calls;
    const uint8_t s = c.AdvanceAveraged(1000, 20);
    if (s == 21) {
      ++twentyOnes;
    } else {
      EXPECT_EQ(s, 20);
      break;
    }
  }
  EXPECT_EQ(twentyOnes, 171);  // the 171 carried steps, one a call
  EXPECT_EQ(c.AdvanceAveraged(1000, 20), 20);

  // A slower frame rate is followed after the next block of ten calls.
  for (int i = 0; i < 20; ++i) c.AdvanceAveraged(1000, 40);
  EXPECT_EQ(c.expected, 40);
}

TEST(AnimClock, ExtremesNeverHang) {
  // Speed x time past 256 steps a call: the result holds at 255.
  AnimClock a;
  a.base = 1.0e9f;
  EXPECT_EQ(a.Advance(1000, 300), 255);
  AnimClock b;
  for (int i = 0; i < 20; ++i) b.AdvanceAveraged(1000, 300);
  EXPECT_EQ(b.expected, 300);
  EXPECT_EQ(b.AdvanceAveraged(1000, 300), 255);
  // A frame of ages (the clock jumped) is counted in one go.
  AnimClock c;
  c.Advance(1000, 2000000000);
  EXPECT_LT(c.accumulator, 1.0e7f);
  // A negative speed runs the steps back without looping for ever.
  AnimClock d;
  EXPECT_EQ(d.Advance(-100, 16), 0);
  EXPECT_EQ(d.Advance(100, 16), 0);
  AnimClock e;
  e.base = 100000.0f;  // expects -400 steps a call
  EXPECT_EQ(e.Advance(-100, 16), 0);
  EXPECT_EQ(e.expected, -400);
}
