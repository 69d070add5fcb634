#include <gtest/gtest.h>

#include "game/glyph_name.h"

TEST(GlyphName, LetterCodesOfTheTypingKeys) {
  uint8_t c[2] = {};
  EXPECT_EQ(glyph::CellsFor(' ', c), 1);
  EXPECT_EQ(c[0], 0);
  EXPECT_EQ(glyph::CellsFor('a', c), 1);
  EXPECT_EQ(c[0], 2);
  EXPECT_EQ(glyph::CellsFor('z', c), 1);
  EXPECT_EQ(c[0], 27);
  EXPECT_EQ(glyph::CellsFor('A', c), 2);
  EXPECT_EQ(c[0], 28);
  EXPECT_EQ(c[1], 29);
  EXPECT_EQ(glyph::CellsFor('H', c), 2);
  EXPECT_EQ(c[0], 42);
  EXPECT_EQ(c[1], 43);
  EXPECT_EQ(glyph::CellsFor('I', c), 1);
  EXPECT_EQ(c[0], 44);
  EXPECT_EQ(glyph::CellsFor('J', c), 1);
  EXPECT_EQ(c[0], 45);
  EXPECT_EQ(glyph::CellsFor('K', c), 2);
  EXPECT_EQ(c[0], 46);
  EXPECT_EQ(c[1], 47);
  EXPECT_EQ(glyph::CellsFor('Z', c), 2);
  EXPECT_EQ(c[0], 76);
  EXPECT_EQ(c[1], 77);
  EXPECT_EQ(glyph::CellsFor('.', c), 1);
  EXPECT_EQ(c[0], 78);
  EXPECT_EQ(glyph::CellsFor('0', c), 1);
  EXPECT_EQ(c[0], 80);
  EXPECT_EQ(glyph::CellsFor('9', c), 1);
  EXPECT_EQ(c[0], 89);
  EXPECT_EQ(glyph::CellsFor('|', c), 1);
  EXPECT_EQ(c[0], 1);
  EXPECT_EQ(glyph::CellsOf('#'), 0);
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
