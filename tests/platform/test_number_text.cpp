#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/number_text.h"

TEST(PrintNumber, PrintsAsThirtyTwoBitLong) {
  char text[16];
  EXPECT_EQ(PrintNumber(text, sizeof text, 0), 1u);
  EXPECT_STREQ(text, "0");
  EXPECT_EQ(PrintNumber(text, sizeof text, 51), 1u);
  EXPECT_STREQ(text, "51");
  EXPECT_EQ(PrintNumber(text, sizeof text, -100), 1u);
  EXPECT_STREQ(text, "-100");
  EXPECT_EQ(PrintNumber(text, sizeof text, INT32_MAX), 1u);
  EXPECT_STREQ(text, "2147483647");
  EXPECT_EQ(PrintNumber(text, sizeof text, INT32_MIN), 1u);
  EXPECT_STREQ(text, "-2147483648");
  // An unsigned count past the signed range prints as the game's long does.
  const uint32_t big = 3000000000u;
  EXPECT_EQ(PrintNumber(text, sizeof text, static_cast<int32_t>(big)), 1u);
  EXPECT_STREQ(text, "-1294967296");
}

TEST(PrintNumber, SmallOrMissingBuffers) {
  char text[4];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(PrintNumber(text, sizeof text, 123), 1u);  // three digits and the zero fit
  EXPECT_STREQ(text, "123");
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(PrintNumber(text, sizeof text, 12345), 0u);  // cut short, still ended
  EXPECT_STREQ(text, "123");
  text[0] = 'x';
  EXPECT_EQ(PrintNumber(text, 0, 7), 0u);
  EXPECT_EQ(text[0], 'x');  // nothing written into a buffer of no size
  EXPECT_EQ(PrintNumber(nullptr, 8, 7), 0u);
  // A buffer of one byte holds only the end of the text.
  text[0] = 'x';
  EXPECT_EQ(PrintNumber(text, 1, 7), 0u);
  EXPECT_STREQ(text, "");
}
