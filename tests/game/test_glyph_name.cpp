#include <gtest/gtest.h>

#include "game/glyph_name.h"

TEST(GlyphName, LetterCodesOfTheTypingKeys) {
  struct Case {
    char c;
    int cells;
    uint8_t first, second;
  };
  const Case cases[] = {{' ', 1, 0, 0},   {'a', 1, 2, 0},  {'z', 1, 27, 0}, {'A', 2, 28, 29},
                        {'H', 2, 42, 43}, {'I', 1, 44, 0}, {'J', 1, 45, 0}, {'K', 2, 46, 47},
                        {'Z', 2, 76, 77}, {'.', 1, 78, 0}, {'0', 1, 80, 0}, {'9', 1, 89, 0},
                        {'|', 1, 1, 0},   {'#', 0, 0, 0}};
  for (const Case& k : cases) {
    uint8_t c[2] = {};
    EXPECT_EQ(glyph::CellsFor(k.c, c), k.cells) << k.c;
    EXPECT_EQ(c[0], k.first) << k.c;
    EXPECT_EQ(c[1], k.second) << k.c;
  }
}

TEST(GlyphName, TextRoundTripsAndFitting) {
  GlyphName name;
  EXPECT_EQ(GlyphFromText("Sir Kay of Ivel 9.", name), 20);
  EXPECT_EQ(GlyphToText(name), "Sir Kay of Ivel 9.");
  for (int c = 0; c < 26; ++c) {
    std::string s(1, static_cast<char>('A' + c));
    s += static_cast<char>('a' + c);
    GlyphFromText(s, name);
    EXPECT_EQ(GlyphToText(name), s);
  }
  // Ten capitals fill 20 cells; one more letter no longer fits.
  EXPECT_EQ(GlyphFromText("ABCDEFGHKLx", name), 21);
  EXPECT_EQ(GlyphToText(name), "ABCDEFGHKLx");
  EXPECT_EQ(GlyphFromText("ABCDEFGHKLM", name), 20);
  EXPECT_EQ(name[20], 0);
  // The caret and stray codes.
  uint8_t odd[kGlyphNameLength] = {2, 1, 29, 79, 90, 30, 0};
  EXPECT_EQ(GlyphToText(odd), "a|????");
  uint8_t empty[kGlyphNameLength] = {};
  EXPECT_EQ(GlyphToText(empty), "");
  // Other lengths: the 22-cell kind line of the item panel.
  uint8_t line[22];
  EXPECT_EQ(GlyphFromText("Sword", line, 22), 6);
  EXPECT_EQ(GlyphToText(line, 22), "Sword");
}
