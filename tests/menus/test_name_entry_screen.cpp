#include <gtest/gtest.h>

#include <string>

#include "game/glyph_name.h"
#include "menus/name_entry_screen.h"

namespace {

// Types the codes one frame at a time.
void Type(NameEntryScreen& s, std::initializer_list<uint8_t> codes) {
  for (uint8_t code : codes) {
    s.PutLetter(code);
    s.typedThisFrame = 0;
  }
}

std::string Text(const NameEntryScreen& s) { return GlyphToText(s.cells); }

constexpr uint8_t kA = kTypeSmallA, kShiftA = kTypeCapitalA, kShiftW = kTypeCapitalA + 22;

}  // namespace

TEST(NameEntryScreen, LettersTakeOneOrTwoCellsAndDeleteWhole) {
  NameEntryScreen s;
  Type(s, {kA});
  EXPECT_EQ(s.cells[0], 2);
  EXPECT_EQ(s.CaretCell(), 1);
  Type(s, {kTypeDelete});
  EXPECT_EQ(Text(s), "|");

  Type(s, {kShiftA});
  EXPECT_EQ(s.cells[0], 28);
  EXPECT_EQ(s.cells[1], 29);
  EXPECT_EQ(s.CaretCell(), 2);
  Type(s, {kTypeDelete});
  EXPECT_EQ(s.CaretCell(), 0);
  EXPECT_EQ(s.cells[1], 0);
  EXPECT_EQ(s.cells[2], 0);

  // H is the last capital before the narrow I and J; K follows them.
  Type(s, {kTypeCapitalA + 7, kTypeCapitalI, kTypeCapitalJ, kTypeCapitalK, kTypeCapitalZ,
           kTypeFullStop, kTypeSpace, kTypeSmallA + 25});
  EXPECT_EQ(Text(s), "HIJKZ. z|");
  const uint8_t want[] = {42, 43, 44, 45, 46, 47, 76, 77, 78, 0, 27, 1};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(s.cells[i], want[i]) << i;
  // Delete goes back letter by letter: z, space, the full stop, Z (two
  // cells), K (two), J and I (one each), H (two).
  const int caretAfter[] = {10, 9, 8, 6, 4, 3, 2, 0};
  for (int caret : caretAfter) {
    Type(s, {kTypeDelete});
    EXPECT_EQ(s.CaretCell(), caret);
  }
  EXPECT_EQ(Text(s), "|");
  // Delete with the caret in cell 0 changes nothing and types nothing.
  s.PutLetter(kTypeDelete);
  EXPECT_EQ(s.typedThisFrame, 0);
  EXPECT_EQ(Text(s), "|");
}

TEST(NameEntryScreen, ANameFullOfCapitalsTakesNothingMore) {
  NameEntryScreen s;
  for (int i = 0; i < 10; ++i) Type(s, {kShiftW});
  EXPECT_EQ(s.CaretCell(), 20);
  Type(s, {kA, kShiftW, kTypeFullStop});
  EXPECT_EQ(s.CaretCell(), 20);
  // The key is used up all the same.
  s.PutLetter(kA);
  EXPECT_EQ(s.typedThisFrame, 1);

  // A one-cell letter fits with the caret in cell 19; a capital does not.
  NameEntryScreen t;
  for (int i = 0; i < 19; ++i) Type(t, {kA});
  EXPECT_EQ(t.CaretCell(), 19);
  Type(t, {kShiftW});
  EXPECT_EQ(t.CaretCell(), 19);
  Type(t, {kA});
  EXPECT_EQ(t.CaretCell(), 20);
  Type(t, {kA});
  EXPECT_EQ(t.CaretCell(), 20);
}

TEST(NameEntryScreen, OneChangeAFrameAndClearWins) {
  NameEntryScreen s;
  s.PutLetter(kA);
  s.PutLetter(kA + 1);
  EXPECT_EQ(Text(s), "a|");
  s.typedThisFrame = 0;
  Type(s, {kA + 1, kA + 2});
  s.Clear();
  EXPECT_EQ(Text(s), "|");
  s.PutLetter(kA);
  EXPECT_EQ(Text(s), "|");
  // A clear after a letter in the same frame waits for the next frame.
  s.typedThisFrame = 0;
  s.PutLetter(kA);
  s.Clear();
  EXPECT_EQ(Text(s), "a|");
}

TEST(NameEntryScreen, NoCaretNoTyping) {
  NameEntryScreen s;
  s.cells[0] = 0;
  s.PutLetter(kA);
  s.PutLetter(kTypeDelete);
  for (uint8_t cell : s.cells) EXPECT_EQ(cell, 0);
}

TEST(NameEntryScreen, TheKeyTableTypesTheAlphabet) {
  // Two names' worth: a name holds twenty letters.
  NameEntryScreen first, second;
  int typed = 0;
  for (const NameEntryKey& key : kNameEntryKeys) {
    if (key.plain == kTypeDelete) continue;
    Type(typed++ < 14 ? first : second, {key.plain});
  }
  EXPECT_EQ(Text(first) + Text(second), " abcdefghijklm|nopqrstuvwxyz.|");
  int capitals = 0;
  for (const NameEntryKey& key : kNameEntryKeys)
    if (key.shifted >= kTypeCapitalA && key.shifted <= kTypeCapitalZ) ++capitals;
  EXPECT_EQ(capitals, 26);
}

TEST(NameEntryScreen, StepTimerWaitsAFullPeriod) {
  StepTimer timer;
  EXPECT_EQ(timer.Step(1000, 400), 0u);  // stamps
  EXPECT_EQ(timer.Step(1400, 400), 0u);  // not more than the period yet
  EXPECT_EQ(timer.Step(1401, 400), 1u);
  EXPECT_EQ(timer.Step(5000, 400), 0u);  // stamps again
  EXPECT_EQ(timer.Step(5401, 400), 1u);

  NameEntryScreen s;
  s.BlinkCaret(0);
  s.BlinkCaret(401);
  EXPECT_EQ(s.caretPhase, 1);
  s.BlinkCaret(500);
  s.BlinkCaret(901);
  EXPECT_EQ(s.caretPhase, 0);
}

TEST(NameEntryScreen, HandsSlideToTheirPlaces) {
  NameEntryScreen s;
  for (int i = 0; i < 400; ++i) s.SlideHands(3);
  EXPECT_EQ(s.hand1X, kHand1Stop);
  EXPECT_EQ(s.hand2Offset, kHand2OffsetStop);
  EXPECT_EQ(s.hand3X, 0);
  EXPECT_EQ(s.hand5Y, kHand5Stop);
  // A step below 3 moves the slow ones not at all.
  NameEntryScreen t;
  t.SlideHands(2);
  EXPECT_EQ(t.hand3X, -64);
  EXPECT_EQ(t.hand1X, 948);

  // The grow steps begin once the left ornament is in: phase 2 after
  // 1.1 / 0.03 steps, phase 3 after 1.1 / 0.04 more.
  uint32_t now = 0;
  t.StepGrowth(now);
  for (int i = 0; i < 5; ++i) t.StepGrowth(now += 21);
  EXPECT_EQ(t.growScale, 0.0f);
  int steps = 0;
  while (s.growPhase == kGrowing && steps < 1000) {
    s.StepGrowth(now += 21);
    ++steps;
  }
  EXPECT_EQ(s.growPhase, kGrown);
  EXPECT_NEAR(steps, 2 * 37, 2);
}

TEST(NameEntryScreen, LightningBoltsFollowOneAnother) {
  NameEntryScreen s;
  uint32_t now = 0;
  s.StepShocks(now);
  int steps = 0;
  while (s.shockScale[1] == 2.8f && steps < 1000) {
    s.StepShocks(now += 51);  // a step
    s.StepShocks(now);        // the timer starts again
    ++steps;
  }
  // The first bolt went from 2.8 to below -2.0 before the second moved.
  EXPECT_EQ(steps, 69);
  EXPECT_LT(s.shockScale[0], -2.0f);
  EXPECT_EQ(s.shockX[0], 50 + 69);
  EXPECT_EQ(s.shockX[1], 201);
  EXPECT_EQ(s.shockScale[2], 2.8f);
}
