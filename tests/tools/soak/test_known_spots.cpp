// A screen's learnt rectangles: a screen that tests new ones on every frame
// (the battlefield as it scrolls) must not make the soak's memory grow with
// the length of the run.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "soak/known_spots.h"

namespace {

HotSpot Spot(int32_t i) { return HotSpot{i % 800, i / 800, 10, 10}; }

TEST(KnownSpots, KeepsTheNewestUpToItsLimit) {
  constexpr size_t kLimit = 64;
  KnownSpots known(kLimit);
  // Frames of a few rectangles each, every one new, far past the limit.
  constexpr int32_t kSpots = 5000;
  constexpr int32_t kPerFrame = 7;
  for (int32_t i = 0; i < kSpots; i += kPerFrame) {
    std::vector<HotSpot> frame;
    for (int32_t j = i; j < i + kPerFrame && j < kSpots; ++j) frame.push_back(Spot(j));
    known.Add(frame);
    ASSERT_LE(known.Size(), kLimit) << "after " << i + kPerFrame << " rectangles";
  }
  EXPECT_EQ(known.Size(), kLimit);
  for (int32_t j = kSpots - static_cast<int32_t>(kLimit); j < kSpots; ++j)
    EXPECT_TRUE(known.Has(Spot(j))) << j;
  EXPECT_FALSE(known.Has(Spot(kSpots - static_cast<int32_t>(kLimit) - 1)));
  // Every kept rectangle is reachable by its index, in order.
  for (size_t i = 1; i < known.Size(); ++i) EXPECT_TRUE(known.At(i - 1) < known.At(i));
}

TEST(KnownSpots, ARectangleSeenAgainCostsNothing) {
  constexpr size_t kLimit = 4;
  KnownSpots known(kLimit);
  known.Add({Spot(1), Spot(2), Spot(3), Spot(4)});
  // The same buttons tested frame after frame push nothing out.
  for (int frame = 0; frame < 100; ++frame) known.Add({Spot(1), Spot(3)});
  EXPECT_EQ(known.Size(), kLimit);
  for (int32_t j = 1; j <= 4; ++j) EXPECT_TRUE(known.Has(Spot(j))) << j;
  // A new one takes the place of the first learnt.
  known.Add({Spot(5)});
  EXPECT_FALSE(known.Has(Spot(1)));
  EXPECT_TRUE(known.Has(Spot(5)));
  EXPECT_EQ(known.Size(), kLimit);
}

}  // namespace
