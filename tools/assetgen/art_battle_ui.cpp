// The battle screen's interface pictures: the side buttons and the retreat
// question's, the words and digit sheets of the bottom bar and its blow
// reports, the name strip, the experience page's background and row frame,
// the move hints, and the two letter sheets that names are drawn from.
// Sizes, frames and keys come from battle/battle_art.h.
#include <string>

#include "art_battle.h"
#include "assetgen.h"
#include "battle/battle_art.h"
#include "game/glyph_name.h"
#include "letter_cells.h"

using namespace assetgen;
namespace ba = battle_art;

namespace {

// ------------------------------------------------------------------ words and digits

// A word of the bottom bar: light lettering with an ink rim, from the left
// edge, so that the bar's numbers can follow it.
TextStyle Word(Rgb color, int size) {
  TextStyle t = GoldCaption(size);
  t.color = color;
  t.align = Align::Left;
  t.margin = 3;
  return t;
}

void DrawWord(Canvas& c, const std::string& word, Rgb color, int size) {
  c.Text(3, 0, c.w - 6, c.h, word, Word(color, size));
}

void DrawCentredWord(Canvas& c, const std::string& word, Rgb color, int size) {
  TextStyle t = GoldCaption(size);
  t.color = color;
  c.Text(0, 0, c.w, c.h, word, t);
}

// Frame d shows the digit d, for numbers whose digits stand pitch frame pixels apart.
void DrawDigits(Canvas& c, int fw, Rgb color, float pitch) {
  TextStyle t = GoldCaption(fw);
  t.color = color;
  DigitCells(c, fw, c.h, pitch, t);
}

// ------------------------------------------------------------------ letters

// Names: small letters on the first sheet; capitals (two cells wide, I and J
// one), the full stop and the digits on the second; the digits once more on
// their own sheet, which the battle draws over the second's. The letters are
// the name entry's, for cells 14 pixels apart at 0.875: one frame apart.
void DrawLetters(Canvas& c, const ba::Picture& sheet, int first) {
  LetterSheet(c, sheet.frameWidth, sheet.frameHeight, float(sheet.frameWidth), first, sheet.frames,
              LetterStyle(pal::ParchmentLight), false);
}

// ------------------------------------------------------------------ buttons

ButtonStyle SideButton() {
  ButtonStyle st;
  st.face = pal::Wood;
  st.text = pal::ParchmentLight;
  return st;
}

void DrawAnswerButton(Canvas& c, const std::string& caption, Rgb face) {
  ButtonStyle st;
  st.face = face;
  st.text = pal::ParchmentLight;
  st.textSize = 14;
  DrawButtonLooks(c, 32, 32, caption, st);
}

// ------------------------------------------------------------------ panels

// The name strip over the bottom bar: stretched 12.5 times across, so plain
// along its length, a wooden board lit from above.
void DrawNameStrip(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, Mix(pal::WoodLight, pal::Wood, 0.4f), pal::WoodDark);
  c.Rect(0, 0, c.w, 1, pal::Ink);
  c.Rect(0, 1, c.w, 1, Lighten(pal::WoodLight, 0.2f));
  c.Rect(0, c.h - 2, c.w, 1, pal::WoodDeep);
  c.Rect(0, c.h - 1, c.w, 1, pal::Ink);
}

// The experience page: a dark leather ground over the whole screen, on which
// the page's coloured numbers and the light name letters read, in a gold
// frame.
void DrawPageBack(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, Mix(pal::WoodDark, pal::Night, 0.35f),
              Mix(pal::WoodDeep, pal::Night, 0.45f));
  c.Noise(0, 0, c.w, c.h, 4);
  c.Speckle(0, 0, c.w, c.h, Mix(pal::WoodDeep, pal::Ink, 0.5f), 0.05f);
  c.Vignette(0, 0, c.w, c.h, 0.4f);
  c.Frame(0, 0, c.w, c.h, pal::Ink, 2);
  c.Frame(3, 3, c.w - 6, c.h - 6, pal::GoldDark, 1);
}

// The frame around an army's icon on the experience page.
void DrawRowFrame(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 3);
  c.Well(6, 6, c.w - 12, c.h - 12, Mix(pal::WoodDeep, pal::Parchment, 0.15f), 2);
  c.Frame(5, 5, c.w - 10, c.h - 10, pal::Gold);
}

// Not drawn by the battle; kept in the house style.
void DrawExpMark(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::WoodDark, 2);
  c.Polygon({{16, 4},
             {19, 12},
             {28, 12},
             {21, 17},
             {24, 26},
             {16, 21},
             {8, 26},
             {11, 17},
             {4, 12},
             {13, 12}},
            pal::Gold);
  c.Polygon({{16, 8}, {18, 13}, {16, 17}, {14, 13}}, pal::GoldLight);
}

void DrawBlockTile(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Stone, 3);
  c.Noise(3, 3, c.w - 6, c.h - 6, 10);
  c.Rect(3, 15, c.w - 6, 1, pal::StoneDark);
  c.Rect(15, 3, 1, 12, pal::StoneDark);
  c.Rect(9, 16, 1, 13, pal::StoneDark);
  c.Rect(23, 16, 1, 13, pal::StoneDark);
}

// ------------------------------------------------------------------ hints

// The move hint: a gold arrow pointing on.
void DrawMoveArrow(Canvas& c) {
  c.Polygon({{6, 11}, {38, 11}, {38, 4}, {58, 16}, {38, 28}, {38, 21}, {6, 21}}, pal::Gold);
  c.Polygon({{8, 13}, {38, 13}, {38, 15}, {8, 15}}, pal::GoldLight);
  c.Polygon({{40, 8}, {54, 16}, {50, 16}, {40, 10}}, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

// The raise mark beside an army that can be filled up again: an arrow up.
void DrawRaiseArrow(Canvas& c) {
  c.Polygon({{16, 1}, {27, 9}, {20, 9}, {20, 15}, {12, 15}, {12, 9}, {5, 9}}, pal::GrassLight);
  c.Polygon({{16, 3}, {23, 8}, {16, 8}}, Lighten(pal::GrassLight, 0.3f));
  c.OutlineShapes(pal::Ink);
}

const ba::Picture& Ui(int image) { return ba::kUiPictures[image]; }

// ------------------------------------------------------------------ the bar's words and digits

// A word's picture: the word in its colour at a letter size.
struct WordPicture {
  int image;
  const char* word;
  Rgb color;
  int size;
};
constexpr WordPicture kWordPictures[] = {
    {ba::kUiHealthCaption, "Health", pal::RedLight, 20},
    {ba::kUiAttackCaption, "Attack", pal::Silver, 20},
    {ba::kUiShieldCaption, "Shield", pal::GoldLight, 20},
    {ba::kUiLevelCaption, "Level", pal::GrassLight, 20},
    {ba::kUiTrainingCaption, "Training", pal::RedLight, 20},
    {ba::kUiEquipmentCaption, "Equipment", pal::RedLight, 20},
    {ba::kUiAlive, "Alive", pal::GrassLight, 18},
    {ba::kUiDown, "Down", pal::RedLight, 18},
    {ba::kUiLight, "Light", pal::ParchmentLight, 20},
    {ba::kUiSerious, "Serious", pal::Fire, 20},
    {ba::kUiCritical, "Critical", pal::RedLight, 20},
    {ba::kUiWounds, "wounds", pal::ParchmentLight, 20},
    {ba::kUiWordEnemy, "Enemy", pal::RedLight, 20},
    {ba::kUiWordTakes, "takes", pal::ParchmentLight, 20},
    {ba::kUiWordDamage, "damage", pal::ParchmentLight, 20},
    {ba::kUiWordTaken, "taken", pal::ParchmentLight, 20},
    {ba::kUiEnterToMove, "Press Enter to move", pal::GoldLight, 20},
};

// A digit sheet: ten frames of a width, the digits in a colour, for the
// tightest pitch the game sets them at (frame pixels: screen pitch / scale).
// The bar's values stand 17 pixels apart at 0.5, the field's counts and
// health 13 apart at 0.5, damage 16 apart at full size (the party screens'
// counts, 15 apart at 0.8, share that sheet), a blow's toll 15 apart.
struct DigitPicture {
  int image;
  int frameWidth;
  Rgb color;
  float pitch;
};
constexpr DigitPicture kDigitPictures[] = {
    {ba::kUiHealthDigits, 32, pal::RedLight, 13 / 0.5f},
    {ba::kUiAttackDigits, 32, pal::Silver, 17 / 0.5f},
    {ba::kUiCountDigits, 32, pal::ParchmentLight, 13 / 0.5f},
    {ba::kUiDownDigits, 32, pal::Fire, 17 / 0.5f},
    {ba::kUiDamageDigits, 16, pal::RedLight, 16},
    {ba::kUiReportDigits, 16, pal::Fire, 15},
};

}  // namespace

ASSETGEN_TABLE(BattleUiPictures) {
  // Side buttons and the retreat question.
  Register(r, Ui(ba::kUiRetreatButton),
           [](Canvas& c) { DrawButtonLooks(c, 64, 32, "Retreat", SideButton()); });
  Register(r, Ui(ba::kUiGridButton),
           [](Canvas& c) { DrawButtonLooks(c, 64, 32, "Grid", SideButton()); });
  Register(r, Ui(ba::kUiYesButton), [](Canvas& c) { DrawAnswerButton(c, "Yes", pal::GrassDark); });
  Register(r, Ui(ba::kUiNoButton), [](Canvas& c) { DrawAnswerButton(c, "No", pal::RedDeep); });

  // The bottom bar: captions, words and digits.
  for (const WordPicture& w : kWordPictures)
    Register(r, Ui(w.image), [w](Canvas& c) { DrawWord(c, w.word, w.color, w.size); });
  Register(r, Ui(ba::kUiDone), [](Canvas& c) { DrawCentredWord(c, "Done", pal::Stone, 18); });
  Register(r, Ui(ba::kUiMoveArrow), DrawMoveArrow);
  for (const DigitPicture& d : kDigitPictures)
    Register(r, Ui(d.image), [d](Canvas& c) { DrawDigits(c, d.frameWidth, d.color, d.pitch); });
  // The digits of names, as the second letter sheet has them.
  Register(r, Ui(ba::kUiNameDigits),
           [](Canvas& c) { DrawLetters(c, Ui(ba::kUiNameDigits), glyph::kDigitZero); });

  // Panels.
  Register(r, Ui(ba::kUiNameStrip), DrawNameStrip);
  Register(r, Ui(ba::kUiPageBack), DrawPageBack);
  Register(r, Ui(ba::kUiRowFrame), DrawRowFrame);
  Register(r, Ui(ba::kUiRaiseArrow), DrawRaiseArrow);
  Register(r, Ui(ba::kUiExp), DrawExpMark);
  Register(r, Ui(ba::kUiBlock), DrawBlockTile);

  // Letters for names.
  Register(r, ba::kLetters, [](Canvas& c) { DrawLetters(c, ba::kLetters, 0); });
  Register(r, ba::kLettersRed,
           [](Canvas& c) { DrawLetters(c, ba::kLettersRed, ba::kLetterRedFirstCode); });
}
