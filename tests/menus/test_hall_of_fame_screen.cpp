#include <gtest/gtest.h>

#include <climits>

#include "game/glyph_name.h"
#include "menus/hall_of_fame_screen.h"

TEST(HallOfFame, EndingsAdjustTheFame) {
  EXPECT_EQ(FinalFame(80, 1, 0), 0);
  EXPECT_EQ(FinalFame(100, 1, 0), 0);
  EXPECT_EQ(FinalFame(150, 1, 0), 50);
  EXPECT_EQ(FinalFame(-40, 1, 0), 0);
  EXPECT_EQ(FinalFame(40, 0, 1), 140);
  EXPECT_EQ(FinalFame(40, 0, 0), 40);
  EXPECT_EQ(FinalFame(INT32_MAX - 5, 0, 1), INT32_MAX);
}

TEST(HallOfFame, NegativeFameScoresNothing) {
  EXPECT_EQ(HallScoreOf(-1), 0u);
  EXPECT_EQ(HallScoreOf(INT32_MIN), 0u);
  EXPECT_EQ(HallScoreOf(0), 0u);
  EXPECT_EQ(HallScoreOf(123456), 123456u);

  // A lost game with negative fame enters the hall below every real score.
  GameState state;
  state.hallUsed[0] = 1;
  state.hallScores[0] = 5;
  state.hallScore = HallScoreOf(FinalFame(-300, 0, 0));
  state.EnterHallOfFame();
  EXPECT_EQ(state.hallScores[0], 5u);
  EXPECT_EQ(state.hallScores[1], 0u);
  EXPECT_EQ(state.hallUsed[1], 1);
}

TEST(HallOfFame, DigitCountAndPlaces) {
  EXPECT_EQ(HallDigitCount(0), 1);
  EXPECT_EQ(HallDigitCount(7), 1);
  EXPECT_EQ(HallDigitCount(10), 2);
  EXPECT_EQ(HallDigitCount(540), 3);
  EXPECT_EQ(HallDigitCount(1000), 4);
  EXPECT_EQ(HallDigitCount(12345), 5);
  EXPECT_EQ(HallDigitCount(100000), 1);  // the last five digits: 00000
  EXPECT_EQ(HallDigitCount(123456), 5);

  EXPECT_EQ(HallDigitOffset(0, 1, 0, 4), 39);
  EXPECT_EQ(HallDigitOffset(1, 5, 4, 2), 6);
  // A leading 1 of five digits: x + 8 in row 0, x + 9 below.
  EXPECT_EQ(HallDigitOffset(0, 5, 4, 1), 8);
  EXPECT_EQ(HallDigitOffset(2, 5, 4, 1), 9);
  EXPECT_EQ(HallDigitOffset(2, 5, 0, 1), 74);
}

TEST(HallOfFame, CopiesTheRowsAndMeasuresTheNames) {
  GameState state;
  state.hallUsed[0] = 1;
  state.hallScores[0] = 77;
  GlyphFromText("Bo", state.hallNames[0]);
  state.hallUsed[4] = 1;
  state.hallNames[4][20] = 5;
  HallOfFameScreen s;
  s.CopyRows(state);
  EXPECT_EQ(s.rowUsed[0], 1);
  EXPECT_EQ(s.scores[0], 77u);
  EXPECT_EQ(s.nameLast[0], 2);  // B takes two cells, then o
  EXPECT_EQ(s.nameLast[1], 0);
  EXPECT_EQ(s.nameLast[4], 20);
  // Without pictures nothing is drawn, and nothing breaks.
  s.DrawNames();
  s.DrawScore(0, 350, 17);
  s.DrawScore(7, 350, 17);
}
