#include <gtest/gtest.h>

#include "game/glyph_name.h"
#include "menus/new_game_menu.h"

TEST(NewGameMenu, ArrowsCycleTheTwoPortraits) {
  NewGameMenu m;
  EXPECT_EQ(m.portrait, kFirstPortrait);
  m.StepLeft();
  EXPECT_EQ(m.portrait, kSecondPortrait);
  m.StepLeft();
  EXPECT_EQ(m.portrait, kFirstPortrait);
  m.StepRight();
  EXPECT_EQ(m.portrait, kSecondPortrait);
  m.StepRight();
  EXPECT_EQ(m.portrait, kFirstPortrait);
}

TEST(NewGameMenu, MeasureNameFindsTheLastFilledCell) {
  NewGameMenu m;
  m.MeasureName();
  EXPECT_EQ(m.nameLength, 0);
  GlyphFromText("Ann|", m.name);
  m.MeasureName();
  EXPECT_EQ(m.nameLength, 4);  // A (two cells), n, n, the caret
  m.name[20] = 3;
  m.MeasureName();
  EXPECT_EQ(m.nameLength, 20);
}

TEST(NewGameMenu, AsteroidsSetOffOneAfterAnother) {
  NewGameMenu m;
  m.MoveAsteroids(1, 2);
  EXPECT_EQ(m.asteroidX[0], 668);
  EXPECT_EQ(m.asteroidY[0], 458);
  EXPECT_EQ(m.asteroidY[1], 650);
  // Once the first is above the top edge the second starts.
  while (m.asteroidY[0] >= 0) m.MoveAsteroids(1, 2);
  const int32_t y1 = m.asteroidY[1];
  m.MoveAsteroids(1, 2);
  EXPECT_EQ(m.asteroidY[1], y1 - 2);
  EXPECT_EQ(m.asteroidY[2], 650);
  for (int i = 0; i < 2000; ++i) m.MoveAsteroids(1, 2);
  // The last one falls down from above the top.
  EXPECT_GT(m.asteroidY[4], -100);
  EXPECT_LT(m.asteroidX[4], 300);
  // Long after, the numbers stay in bounds.
  for (int i = 0; i < 200000; ++i) m.MoveAsteroids(255, 255);
  for (int k = 0; k < kAsteroids; ++k) EXPECT_LE(m.asteroidY[k], 100000);
}

TEST(NewGameMenu, AsteroidAndCornerFramesTurn) {
  NewGameMenu m;
  uint32_t now = 0;
  m.StepAsteroidFrames(now);
  m.StepAsteroidFrames(now += 101);
  EXPECT_EQ(m.asteroidFrame[0], 1);
  EXPECT_EQ(m.asteroidFrame[1], 15);
  EXPECT_EQ(m.asteroidFrame[4], 1);
  m.StepCorners(now);
  for (int i = 0; i < 5; ++i) {
    m.StepCorners(now += 101);
    m.StepCorners(now);
  }
  EXPECT_EQ(m.cornerFrame[0], 5);
  EXPECT_EQ(m.cornerFrame[3], 0);  // 3 + 5 wraps after 7
}
