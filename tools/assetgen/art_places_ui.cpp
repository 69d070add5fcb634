// The place screens' buttons and panels: the backs of the four right-hand
// buttons with their icons and captions, the Recruit icons of the kinds of
// place, the army panel's cell, the portrait frame, the selection frame, the
// wound mark, the Disband and Name buttons, the arrows, the name letters and
// digits, and every place's name plate and kind caption. The pictures the
// place screens share with other screens (value icons and captions, digits,
// the box tile, Yes and No, the portraits and army icons) are drawn by their
// own tables. Sizes, frames and keys come from places/house_art.h.
#include <algorithm>
#include <set>
#include <string>

#include "art_figure.h"
#include "art_people.h"
#include "art_places.h"
#include "assetgen.h"
#include "game/glyph_name.h"
#include "letter_cells.h"
#include "places/house_art.h"

using namespace assetgen;
using figart::Scene;
using figart::Shape;
namespace ha = house_art;

namespace {

const ha::Picture& Buttons(int image) { return ha::kButtonsPictures[image]; }

Shape& Flat(Shape& s) {
  s.outline = 0;
  s.bevel = 0;
  return s;
}

void Icon(Canvas& c, const std::function<void(Scene&)>& build) {
  Scene s;
  build(s);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

// ------------------------------------------------------------------ the right-hand buttons

// A button's back: a wooden board in its three looks; the icon or the caption
// is drawn over it.
void DrawButtonBack(Canvas& c) {
  ButtonStyle st;
  st.face = pal::Wood;
  st.bevel = 3;
  DrawButtonLooks(c, Buttons(ha::kButtonsBack).frameWidth, Buttons(ha::kButtonsBack).frameHeight,
                  "", st, [](Canvas& f, int look, int x, int y, int w, int h) {
                    // Grain along the board.
                    Rgb grain = Darken(look == 1   ? Lighten(pal::Wood, 0.2f)
                                       : look == 2 ? Darken(pal::Wood, 0.25f)
                                                   : pal::Wood,
                                       0.18f);
                    for (int row = y + 6; row < y + h - 3; row += 9)
                      for (int i = x + 2; i < x + w - 2; ++i)
                        if (((i * 7 + row * 3) % 23) < 15) f.Set(i, row + ((i / 17) % 2), grain);
                  });
}

// Heal: a red cross on a light disc.
void DrawHealIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Ellipse(32, 32, 27, 27, pal::ParchmentLight).bevel = 3;
    s.Polygon({{25, 10},
               {39, 10},
               {39, 25},
               {54, 25},
               {54, 39},
               {39, 39},
               {39, 54},
               {25, 54},
               {25, 39},
               {10, 39},
               {10, 25},
               {25, 25}},
              pal::Red)
        .bevel = 3;
    Flat(s.Box(27, 12, 30, 26, 1, pal::RedLight));
  });
}

// Leave: an open door in a stone arch, a gold arrow pointing out.
void DrawLeaveIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Box(6, 16, 40, 60, 1, pal::StoneLight);
    s.Ellipse(23, 18, 17, 13, pal::StoneLight).bevel = 0;
    Flat(s.Box(12, 20, 34, 60, 0, pal::Night));
    Flat(s.Ellipse(23, 20, 11, 8, pal::Night));
    s.Polygon({{12, 22}, {22, 27}, {22, 62}, {12, 60}}, pal::Wood).bevel = 1.5f;
    Flat(s.Ellipse(19, 42, 1.5f, 1.5f, pal::Gold));
    s.Polygon({{28, 34}, {44, 34}, {44, 25}, {60, 40}, {44, 55}, {44, 46}, {28, 46}}, pal::Gold)
        .bevel = 2;
    Flat(s.Box(29, 35, 43, 37, 0, pal::GoldLight));
  });
}

// Talk: two speech bubbles, the front one with three dots.
void DrawTalkIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Ellipse(42, 40, 17, 12, pal::Gold).bevel = 2;
    s.Polygon({{46, 48}, {56, 60}, {40, 50}}, pal::Gold).bevel = 0;
    s.Ellipse(27, 25, 23, 16, pal::ParchmentLight).bevel = 2.5f;
    s.Polygon({{14, 34}, {8, 48}, {24, 38}}, pal::ParchmentLight).bevel = 0;
    for (int i = 0; i < 3; ++i) Flat(s.Ellipse(17.0f + 10.0f * float(i), 25, 3, 3, pal::InkSoft));
  });
}

// The Recruit icons: a recruit of the kind of place with a plus on a gold coin.
void DrawRecruitIcon(Canvas& c, const people::Look& look) {
  Icon(c, [&look](Scene& s) {
    people::AddPerson(s, people::Place{26.0f, 63.0f, 1.12f, 1.0f}, look, 4, 0.0f);
    s.Ellipse(51, 13, 11, 11, pal::Gold).metal = true;
    Flat(s.Box(49, 5, 53, 21, 0.5f, pal::GrassDark));
    Flat(s.Box(43, 11, 59, 15, 0.5f, pal::GrassDark));
  });
}

people::Look VillageRecruit() {  // a farmhand with a pitchfork
  people::Look l = people::KingdomSoldier();
  l.tunic = pal::EarthLight;
  l.trim = pal::Earth;
  l.legs = pal::Earth;
  l.head = people::Head::StrawHat;
  l.headColor = pal::SandLight;
  l.weapon = people::Weapon::Pitchfork;
  l.shield = 0;
  return l;
}

people::Look TownRecruit() {  // a helmeted soldier with a shield
  people::Look l = people::KingdomSoldier();
  l.armour = true;
  l.head = people::Head::Helmet;
  l.headColor = pal::Steel;
  l.weapon = people::Weapon::Spear;
  l.shield = pal::Blue;
  return l;
}

people::Look PalaceRecruit() {  // a royal guard with a halberd and a cape
  people::Look l = people::KingdomSoldier();
  l.tunic = pal::RedDeep;
  l.trim = pal::Gold;
  l.armour = true;
  l.metal = pal::Silver;
  l.head = people::Head::PlumedHelmet;
  l.headColor = pal::Gold;
  l.cape = pal::Red;
  l.weapon = people::Weapon::Halberd;
  return l;
}

// A caption: gold lettering, centred.
void DrawCaption(Canvas& c, const std::string& word, int size) {
  c.Text(0, 0, c.w, c.h, word, GoldCaption(size));
}

// A price under the Heal caption: the number in light lettering, then "gold".
void DrawPrice(Canvas& c, const std::string& number) {
  TextStyle t = GoldCaption(19);
  t.color = pal::ParchmentLight;
  c.Text(0, 0, c.w, c.h, number + " gold", t);
}

// ------------------------------------------------------------------ the panels

// A cell of the army panel: a dark well in a wooden frame.
void DrawArmyCell(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::WoodDark, 2);
  c.Well(4, 4, c.w - 8, c.h - 8, Mix(pal::WoodDeep, pal::Parchment, 0.18f), 2);
  c.Noise(6, 6, c.w - 12, c.h - 12, 4);
}

// The frame behind the portrait: a board with a gold-rimmed well where the
// portrait sits (x 35..89 of the picture, as the screen stretches it).
void DrawPortraitFrame(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 3);
  c.Noise(3, 3, c.w - 6, c.h - 6, 5);
  c.Well(33, 2, 58, c.h - 4, Mix(pal::Night, pal::WoodDeep, 0.5f), 2);
  c.Frame(32, 1, 60, c.h - 2, pal::Gold);
  for (int side = 0; side < 2; ++side) {
    int x = side == 0 ? 16 : 111;
    for (int y = 14; y < c.h; y += 36) {
      c.Circle(float(x), float(y), 3.5f, pal::GoldDark);
      c.Circle(float(x) - 0.8f, float(y) - 0.8f, 1.6f, pal::GoldLight);
    }
  }
}

// The frame around a selected army cell or recruit candidate.
void DrawSelection(Canvas& c) {
  c.Frame(1, 1, c.w - 2, c.h - 2, pal::GoldLight, 2);
  c.Frame(3, 3, c.w - 6, c.h - 6, pal::Gold, 1);
  // Corner studs.
  const int at[2] = {5, c.w - 6};
  for (int cx : at)
    for (int cy : at) c.Rect(cx - 2, cy - 2, 5, 5, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

// The wound mark (drawn at half size): a red cross on a light square.
void DrawWoundMark(Canvas& c) {
  c.Fill(pal::Ink);
  c.Rect(2, 2, c.w - 4, c.h - 4, pal::ParchmentLight);
  c.Rect(12, 5, 8, 22, pal::Red);
  c.Rect(5, 12, 22, 8, pal::Red);
}

// The arrow of the raising popup: a gold arrow pointing on.
void DrawRaisedArrow(Canvas& c) {
  c.Polygon({{2, 5}, {18, 5}, {18, 1.5f}, {29.5f, 8}, {18, 14.5f}, {18, 11}, {2, 11}}, pal::Gold);
  c.Rect(3, 6, 15, 1, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

void DrawSmallButton(Canvas& c, const ha::Picture& p, const std::string& caption, Rgb face) {
  ButtonStyle st;
  st.face = face;
  st.textSize = 15;
  DrawButtonLooks(c, p.frameWidth, p.frameHeight, caption, st);
}

void DrawLetters(Canvas& c, const ha::Picture& p, int firstCode) {
  // Names and item texts stand 12 to 14 pixels apart at 0.75 to 0.875: one frame.
  LetterSheet(c, p.frameWidth, p.frameHeight, float(p.frameWidth), firstCode, p.frames,
              LetterStyle(pal::ParchmentLight), false);
}

// ------------------------------------------------------------------ name plates

// A place's name on a parchment banner as wide as the name, from the left
// edge, so that the kind caption can follow it (the castle, palace, temple
// and tower draw their caption 100 pixels to the right of the plate).
void DrawNamePlate(Canvas& c, const std::string& name) {
  constexpr int kSize = 20;
  int tw = 0, th = 0;
  MeasureText(name, kSize, true, &tw, &th);
  const int w = std::min(c.w - 2, tw + 18);
  c.Rect(2, 3, w, c.h - 5, pal::Ink);  // shadow
  c.Rect(1, 2, w, c.h - 6, pal::ParchmentLight);
  c.GradientV(2, 3, w - 2, c.h - 8, pal::ParchmentLight, pal::Parchment);
  c.Rect(2, 3, w - 2, 1, Lighten(pal::ParchmentLight, 0.4f));
  c.Rect(2, c.h - 6, w - 2, 1, pal::ParchmentDark);
  c.Frame(3, 4, w - 4, c.h - 10, pal::GoldDark);
  c.Frame(1, 2, w, c.h - 6, pal::Ink);
  TextStyle t;
  t.size = kSize;
  t.bold = true;
  t.color = pal::WoodDeep;
  t.margin = 1;
  c.Text(1, 2, w, c.h - 6, name, t);
}

// The kind's word: gold lettering from the left edge.
void DrawKindCaption(Canvas& c, const std::string& word) {
  TextStyle t = GoldCaption(24);
  t.align = Align::Left;
  t.margin = 3;
  t.shadow = true;
  c.Text(0, 0, c.w, c.h, word, t);
}

}  // namespace

ASSETGEN_TABLE(PlaceButtonPictures) {
  Register(r, Buttons(ha::kButtonsBack), DrawButtonBack);
  Register(r, Buttons(ha::kButtonsHealIcon), DrawHealIcon);
  Register(r, Buttons(ha::kButtonsLeaveIcon), DrawLeaveIcon);
  Register(r, Buttons(ha::kButtonsTalkIcon), DrawTalkIcon);
  Register(r, Buttons(ha::kButtonsHealCaption), [](Canvas& c) { DrawCaption(c, "Heal", 24); });
  Register(r, Buttons(ha::kButtonsLeaveCaption), [](Canvas& c) { DrawCaption(c, "Leave", 24); });
  Register(r, Buttons(ha::kButtonsRecruitCaption),
           [](Canvas& c) { DrawCaption(c, "Recruit", 24); });
  Register(r, Buttons(ha::kButtonsTalkCaption), [](Canvas& c) { DrawCaption(c, "Talk", 22); });
  Register(r, Buttons(ha::kButtonsHealPrice10), [](Canvas& c) { DrawPrice(c, "10"); });
  Register(r, Buttons(ha::kButtonsHealPrice2), [](Canvas& c) { DrawPrice(c, "2"); });

  Register(r, Buttons(ha::kButtonsArmyCell), DrawArmyCell);
  Register(r, Buttons(ha::kButtonsPortraitFrame), DrawPortraitFrame);
  Register(r, Buttons(ha::kButtonsSelection), DrawSelection);
  Register(r, Buttons(ha::kButtonsWoundMark), DrawWoundMark);
  Register(r, Buttons(ha::kButtonsRaisedArrow), DrawRaisedArrow);
  Register(r, Buttons(ha::kButtonsDisband), [](Canvas& c) {
    DrawSmallButton(c, Buttons(ha::kButtonsDisband), "Disband", pal::RedDeep);
  });
  Register(r, Buttons(ha::kButtonsName),
           [](Canvas& c) { DrawSmallButton(c, Buttons(ha::kButtonsName), "Name", pal::BlueDeep); });
  Register(r, Buttons(ha::kButtonsNameDigits),
           [](Canvas& c) { DrawLetters(c, Buttons(ha::kButtonsNameDigits), glyph::kDigitZero); });
  Register(r, ha::kLetters1, [](Canvas& c) { DrawLetters(c, ha::kLetters1, 0); });
  Register(r, ha::kLetters2,
           [](Canvas& c) { DrawLetters(c, ha::kLetters2, ha::kLetters2FirstCode); });
}

ASSETGEN_TABLE(PlacePlatePictures) {
  // Name plates, one per place; the kind captions and the Recruit icons once
  // per file (a kind's places share theirs). The temple's recruits are the
  // golden infantry, whose icon is the army's own.
  std::set<std::string> done;
  for (const ha::ArmyIconFile& f : ha::kArmyIconFiles) done.insert(f.path);
  for (const ha::Place& p : ha::kPlaces) {
    const std::string name = p.name;
    Register(r, ha::NamePlatePicture(p), [name](Canvas& c) { DrawNamePlate(c, name); });
    if (done.insert(p.kindCaption).second) {
      const std::string word = ha::kKindWords[int(p.kind)];
      Register(r, ha::KindCaptionPicture(p), [word](Canvas& c) { DrawKindCaption(c, word); });
    }
    if (done.insert(p.recruitIcon).second) {
      const people::Look look = p.kind == ha::PlaceKind::Village  ? VillageRecruit()
                                : p.kind == ha::PlaceKind::Palace ? PalaceRecruit()
                                                                  : TownRecruit();
      Register(r, ha::RecruitIconPicture(p), [look](Canvas& c) { DrawRecruitIcon(c, look); });
    }
  }
}
