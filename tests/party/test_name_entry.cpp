// The name editor's typing rule: what fits where, what Backspace takes, one
// change a frame, and the caret a handed-over name gets.

#include <gtest/gtest.h>

#include <string>

#include "game/glyph_name.h"
#include "party/name_entry.h"

namespace {

// An editor holding text ('|' the caret).
void Hold(NameEntry& e, const char* text) { GlyphFromText(text, e.cells); }
std::string Text(const NameEntry& e) { return GlyphToText(e.cells); }

// One key a frame, as the screen types.
void Type(NameEntry& e, uint8_t code) {
  e.TypeKey(code);
  e.typedThisFrame = 0;
}

}  // namespace

TEST(NameEntry, LettersFitOnlyWhileTheCaretHasRoomBehindThem) {
  NameEntry e;
  // Caret in cell 18: a two-cell capital takes 18 and 19, the caret goes to 20.
  Hold(e, "abcdefghijklmnopqr|");
  Type(e, glyph::kCapitalA);
  EXPECT_EQ(Text(e), "abcdefghijklmnopqrA|");
  // Caret in cell 19: a capital, I, J and the full stop are refused; a small
  // letter, a space or a digit still fits.
  Hold(e, "abcdefghijklmnopqrs|");
  for (uint8_t code : {glyph::kCapitalA, glyph::kCapitalI, glyph::kFullStop}) {
    e.TypeKey(code);
    EXPECT_EQ(e.typedThisFrame, 1) << "the key is consumed";
    e.typedThisFrame = 0;
  }
  EXPECT_EQ(Text(e), "abcdefghijklmnopqrs|");
  Type(e, static_cast<uint8_t>(glyph::kDigitZero + 7));
  EXPECT_EQ(Text(e), "abcdefghijklmnopqrs7|");
  // Caret in cell 20: nothing fits.
  Type(e, glyph::kSmallA);
  EXPECT_EQ(Text(e), "abcdefghijklmnopqrs7|");
}

TEST(NameEntry, BackspaceTakesOneLetterWhateverItsWidth) {
  NameEntry e;
  Hold(e, "9Jx.B|");
  const char* after[] = {"9Jx.|", "9Jx|", "9J|", "9|", "|", "|"};
  for (const char* expected : after) {
    Type(e, kNameEditorDelete);
    EXPECT_EQ(Text(e), expected);
  }
}

TEST(NameEntry, OneChangeAFrameAndClearWins) {
  NameEntry e;
  Hold(e, "ab|");
  e.Clear();
  e.TypeKey(glyph::kSmallA);
  EXPECT_EQ(Text(e), "|");
  e.typedThisFrame = 0;
  e.TypeKey(glyph::kSmallA);
  e.TypeKey(glyph::kSmallA + 1);
  EXPECT_EQ(Text(e), "a|");
}

TEST(NameEntry, AHandedOverNameGetsItsCaretBehindTheLastLetter) {
  NameEntry e;
  Hold(e, "Bold");
  e.AdvanceCaret();
  EXPECT_EQ(Text(e), "Bold|");
  Hold(e, "Bo|");
  e.AdvanceCaret();
  EXPECT_EQ(Text(e), "Bo|") << "a name with its caret keeps it";
  // A full name gets no caret and takes no letter until it is cleared.
  Hold(e, "abcdefghijklmnopqrstu");
  e.AdvanceCaret();
  Type(e, glyph::kSmallA);
  EXPECT_EQ(Text(e), "abcdefghijklmnopqrstu");
  e.Clear();
  EXPECT_EQ(Text(e), "|");
}
