// The items: 221 icons ("Art\Items\Item<id>.bmp") and the 276 pictures of
// worn items that the party screens lay over a figure. Each item is one
// scene in figure space (art_figure.h): placed where the screens draw its
// worn picture, and framed for its icon. The make of an item (its tier in
// the item table) sets its metal: iron grey, steel, bronze, silver, gold,
// enchanted blue; better makes carry more trim, gems and, at the top, runes.
#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "art_figure.h"
#include "assetgen.h"
#include "game/item_data.h"

using namespace assetgen;
using namespace figart;

namespace {

// --------------------------------------------------------------- looks

struct Look {
  int tier;     // items::Tier
  int variant;  // varies items of one kind and tier
  Rgb metal, metalDark, trim, gem, cloth, leather, glow;
};

const items::ItemEntry* Entry(int id) {
  for (const items::ItemEntry& e : items::kItemTable)
    if (e.id == id) return &e;
  return nullptr;
}

Look LookOf(int id) {
  static const Rgb kMetal[] = {pal::Iron,   pal::Steel, pal::Bronze,
                               pal::Silver, pal::Gold,  pal::Enchanted};
  static const Rgb kTrim[] = {pal::SlateDark, pal::SlateLight, pal::GoldDark,
                              pal::Gold,      pal::GoldLight,  pal::Silver};
  static const Rgb kGems[] = {pal::Red,    pal::Blue, pal::Grass,
                              pal::Purple, pal::Fire, pal::WaterLight};
  static const Rgb kCloth[] = {pal::RedDeep, pal::BlueDeep, pal::GrassDark,
                               pal::Purple,  pal::Earth,    pal::SlateDark};
  static const Rgb kLeather[] = {pal::Wood, pal::WoodDark, pal::Earth, pal::EarthDark};
  const items::ItemEntry* e = Entry(id);
  Look l{};
  l.tier = e ? e->tier : 0;
  l.variant = id * 7 % 13;
  l.metal = kMetal[l.tier];
  l.metalDark = Darken(l.metal, 0.35f);
  l.trim = kTrim[l.tier];
  l.gem = kGems[(id * 5) % 6];
  if (l.tier == items::kRuned && l.gem == pal::WaterLight) l.gem = pal::Red;
  l.cloth = kCloth[(id * 3) % 6];
  l.leather = kLeather[id % 4];
  l.glow = pal::WaterLight;
  return l;
}

Shape& Metal(Shape& s) {
  s.metal = true;
  s.bevelStrength = 0.45f;
  return s;
}

void Gem(Scene& s, float x, float y, float r, Rgb c) {
  Shape& g = s.Ellipse(x, y, r, r, c);
  g.dome = true;
  g.bevelStrength = 0.6f;
  s.Ellipse(x - r * 0.35f, y - r * 0.35f, r * 0.28f, r * 0.28f, Lighten(c, 0.7f)).outline = 0;
}

void Runes(Shape& s, const Look& l, float size) {
  s.pattern = Pattern::Runes;
  s.patternColor = l.glow;
  s.patternSize = size;
}

// --------------------------------------------------------------- helmets

void AddHelmet(Scene& s, int id) {
  const Look l = LookOf(id);
  const float cx = fig::kCentreX;
  // Mail or plate guarding the neck, joining the body below.
  Shape& aventail = s.Polygon({{62, 244}, {98, 244}, {104, 261}, {56, 261}},
                              l.tier >= 4 ? l.metalDark : pal::Steel);
  aventail.pattern = l.tier >= 4 ? Pattern::Bands : Pattern::Chain;
  aventail.patternColor = Darken(aventail.color, 0.4f);
  aventail.patternSize = l.tier >= 4 ? 5 : 3.5f;
  // Wings or horns behind the dome on the finest helms.
  if (l.tier == items::kRuned) {
    if (l.variant % 2) {
      for (int side = -1; side <= 1; side += 2) {
        std::vector<V2> wing = {{cx + side * 18, 226},
                                {cx + side * 29, 204},
                                {cx + side * 30, 214},
                                {cx + side * 27, 232}};
        Shape& w = s.Polygon(wing, pal::Silver);
        w.pattern = Pattern::Bands;
        w.patternColor = pal::SlateLight;
        w.patternSize = 4;
      }
    } else {
      s.Capsule(cx - 20, 222, cx - 28, 203, 5, 2, pal::ParchmentLight).dome = true;
      s.Capsule(cx + 20, 222, cx + 28, 203, 5, 2, pal::ParchmentLight).dome = true;
    }
  }
  // A plume or crest on the silver and golden helms.
  if (l.tier == items::kSilver || l.tier == items::kGold) {
    Shape& plume = s.Polygon({{cx - 3, 206},
                              {cx + 3, 206},
                              {cx + 12, 201},
                              {cx + 26, 205},
                              {cx + 16, 207},
                              {cx + 6, 212}},
                             l.variant % 2 ? pal::Red : pal::Blue);
    plume.pattern = Pattern::Stitches;
    plume.patternColor = Darken(plume.color, 0.3f);
    plume.patternSize = 3;
  }
  // The dome and the face plate.
  Shape& dome = Metal(s.Ellipse(cx, 227, 23, 24, l.metal));
  dome.dome = true;
  if (l.tier == items::kIron) {
    dome.pattern = Pattern::Rivets;
    dome.patternColor = pal::SlateLight;
    dome.patternSize = 7;
  }
  if (l.tier == items::kRuned) Runes(dome, l, 7);
  std::vector<V2> face = {{cx - 21, 228}, {cx + 21, 228}, {cx + 19, 252},
                          {cx + 8, 258},  {cx - 8, 258},  {cx - 19, 252}};
  if (l.tier == items::kBronze)
    face = {{cx - 22, 226}, {cx + 22, 226}, {cx + 20, 254}, {cx + 5, 258},
            {cx + 4, 246},  {cx - 4, 246},  {cx - 5, 258},  {cx - 20, 254}};
  Shape& plate = Metal(s.Polygon(face, l.metal));
  plate.dome = true;
  if (l.tier == items::kRuned) Runes(plate, l, 7);
  // Brow band.
  Shape& brow = s.Box(cx - 23, 223, cx + 23, 229, 2, l.trim);
  if (l.tier <= items::kSteel) {
    brow.pattern = Pattern::Rivets;
    brow.patternColor = pal::SlateLight;
    brow.patternSize = 6;
  }
  // Eye slit and nasal; the finest glow.
  const Rgb slit = l.tier == items::kRuned ? l.glow : pal::InkSoft;
  Shape& eyes = s.Box(cx - 16, 234, cx + 16, 239, 1.5f, slit);
  eyes.outline = l.tier == items::kRuned ? 0.8f : 0;
  eyes.bevel = 0;
  Metal(s.Box(cx - 3, 226, cx + 3, 249, 1.5f, l.tier >= items::kSilver ? l.trim : l.metal));
  if (l.tier <= items::kBronze) {
    // Breathing holes.
    for (int i = -1; i <= 1; i += 2)
      for (int j = 0; j < 2; ++j)
        s.Ellipse(cx + i * (10 + j * 5), 247, 1.3f, 1.3f, pal::InkSoft).outline = 0;
  }
  // Crest ridge and the crown of the golden helms.
  if (l.tier >= items::kBronze) Metal(s.Capsule(cx, 205, cx, 222, 2.5f, 2.5f, l.trim));
  if (l.tier == items::kGold) {
    for (int i = -2; i <= 2; ++i)
      s.Polygon({{cx + i * 9 - 4, 224}, {cx + i * 9 + 4, 224}, {cx + i * 9, 215}}, pal::GoldLight);
    Gem(s, cx, 226, 3, l.gem);
  }
  if (l.tier == items::kSilver || l.tier == items::kRuned) Gem(s, cx, 226, 2.6f, l.gem);
}

// --------------------------------------------------------------- torso armour

void AddTorso(Scene& s, int id) {
  const Look l = LookOf(id);
  const float cx = fig::kCentreX;
  const bool mail = l.tier <= items::kSteel;
  const bool plate = l.tier >= items::kGold;
  const Rgb mailColour = l.tier == items::kIron ? pal::Iron : pal::Steel;
  const Rgb sleeve = mail ? l.metal : (plate ? l.metalDark : pal::Steel);
  // Sleeves to the wrists.
  for (int side = 0; side < 2; ++side) {
    const float sx = side ? 118.0f : 42.0f, ex = side ? 124.0f : 36.0f;
    const float wx = side ? fig::kHandRightX : fig::kHandLeftX;
    Shape& fore = s.Capsule(ex, 324, wx, 362, 8, 7, sleeve);
    fore.pattern = plate ? Pattern::Bands : Pattern::Chain;
    fore.patternColor = Darken(sleeve, 0.4f);
    fore.patternSize = plate ? 6 : 3.5f;
    if (plate) Metal(fore);
    Shape& arm = s.Capsule(sx, 284, ex, 326, 10.5f, 8.5f, sleeve);
    arm.pattern = plate ? Pattern::Bands : Pattern::Chain;
    arm.patternColor = Darken(sleeve, 0.4f);
    arm.patternSize = plate ? 6 : 3.5f;
    if (!mail) {
      // Vambraces on the forearms.
      Shape& vam = Metal(s.Capsule(ex + (wx - ex) * 0.3f, 336, wx, 360, 8, 7.5f, l.metal));
      if (l.tier == items::kRuned) Runes(vam, l, 6);
    }
  }
  // The coat or the plate.
  std::vector<V2> body = {{54, 270},  {106, 270}, {121, 282}, {117, 312}, {112, 350},
                          {110, 386}, {50, 386},  {48, 350},  {43, 312},  {39, 282}};
  Shape& coat = s.Polygon(body, mail ? mailColour : (plate ? l.metalDark : pal::Steel));
  coat.dome = true;
  coat.pattern = plate ? Pattern::Bands : Pattern::Chain;
  coat.patternColor = Darken(coat.color, 0.45f);
  coat.patternSize = plate ? 7 : 3.5f;
  if (mail) {
    // A surcoat over the better mail.
    if (l.tier == items::kSteel) {
      Shape& tabard = s.Polygon({{62, 290}, {98, 290}, {100, 386}, {60, 386}}, l.cloth);
      tabard.pattern = Pattern::Weave;
      Shape& emblem =
          s.Polygon({{cx, 310}, {cx + 9, 322}, {cx, 334}, {cx - 9, 322}}, pal::Parchment);
      emblem.dome = true;
    }
    // A leather collar.
    s.Capsule(cx - 14, 272, cx + 14, 272, 5, 5, l.leather).pattern = Pattern::Stitches;
  } else {
    // Breastplate.
    std::vector<V2> breast = {{56, 276}, {104, 276}, {113, 292}, {108, 334},
                              {98, 358}, {62, 358},  {52, 334},  {47, 292}};
    Shape& bp = Metal(s.Polygon(breast, l.metal));
    bp.dome = true;
    if (l.tier == items::kRuned) Runes(bp, l, 8);
    // Ridge down the middle.
    s.Capsule(cx, 282, cx, 352, 1.2f, 1.2f, Lighten(l.metal, 0.35f)).outline = 0;
    if (l.tier >= items::kSilver) {
      // Trim along the edges and a gem or emblem.
      Shape& edge = s.Polygon({{56, 276}, {104, 276}, {104, 281}, {56, 281}}, l.trim);
      edge.bevel = 1;
      s.Capsule(62, 357, 98, 357, 2.2f, 2.2f, l.trim);
      switch (l.variant % 3) {
        case 0: Gem(s, cx, 312, 5, l.gem); break;
        case 1:
          s.Box(cx - 2.5f, 298, cx + 2.5f, 330, 1, l.trim);
          s.Box(cx - 11, 307, cx + 11, 312, 1, l.trim);
          break;
        default:
          s.Polygon({{cx, 298}, {cx + 11, 314}, {cx, 330}, {cx - 11, 314}}, l.trim).dome = true;
          Gem(s, cx, 314, 3.5f, l.gem);
          break;
      }
    } else if (l.variant % 2) {
      s.Ellipse(cx, 312, 6, 6, l.trim).dome = true;
    }
    // Faulds below the plate.
    for (int i = 0; i < 2; ++i) {
      Shape& fauld = Metal(s.Box(52 + i * 1.0f, 358 + i * 10.0f, 108 - i * 1.0f, 372 + i * 10.0f, 2,
                                 i ? l.metalDark : l.metal));
      fauld.bevelStrength = 0.3f;
    }
    // Gorget.
    Metal(s.Capsule(cx - 13, 271, cx + 13, 271, 6, 6, plate ? l.metal : l.metalDark));
  }
  // Shoulders: pauldrons on plate and cuirasses, a mantle on mail.
  for (int side = 0; side < 2; ++side) {
    const float px = side ? 118.0f : 42.0f;
    if (mail) {
      Shape& p = s.Ellipse(px, 283, 12, 10, l.tier == items::kIron ? pal::WoodDark : l.cloth);
      p.dome = true;
      p.pattern = Pattern::Quilt;
      p.patternColor = Darken(p.color, 0.3f);
      p.patternSize = 5;
    } else {
      const float r = plate ? 15.0f : 12.5f;
      Shape& p = Metal(s.Ellipse(px, 283, r, r * 0.8f, l.metal));
      p.dome = true;
      if (l.tier == items::kRuned) Runes(p, l, 6);
      if (plate) s.Capsule(px - 12, 292, px + 12, 292, 2, 2, l.trim);
    }
  }
  if (mail && l.tier == items::kIron) {
    // A plain leather girdle closes the iron mail.
    s.Box(50, 364, 110, 372, 2, pal::WoodDark);
  }
}

// --------------------------------------------------------------- belts

void AddBelt(Scene& s, int id, bool forIcon) {
  const Look l = LookOf(id);
  const float cx = fig::kCentreX;
  const bool girdle = l.tier >= items::kGold;
  if (forIcon) {
    // Rolled up: the strap as a ring with its buckle in front.
    Shape& ring = s.Ellipse(cx, 380, 30, 22, girdle ? l.metalDark : l.leather);
    ring.pattern = girdle ? Pattern::Bands : Pattern::Stitches;
    ring.patternColor = girdle ? l.trim : Lighten(l.leather, 0.35f);
    ring.patternSize = 5;
    Shape& hole = s.Ellipse(cx, 378, 21, 13, 0);
    hole.hole = true;
    s.Capsule(cx + 10, 398, cx + 34, 404, 5, 5, girdle ? l.metalDark : l.leather).pattern =
        Pattern::Stitches;
    // Studs of the make's metal round the band, more on the better belts.
    if (!girdle && l.tier >= items::kSteel) {
      const int studs = 6 + 2 * l.tier;
      for (int i = 0; i < studs; ++i) {
        const float a = 3.14159265f * (1.1f + 0.8f * float(i) / float(studs - 1));
        Shape& stud = Metal(
            s.Ellipse(cx + 25.5f * std::cos(a), 379 + 17.5f * std::sin(a), 2.4f, 2.4f, l.metal));
        stud.outline = 0.6f;
        stud.dome = true;
      }
    }
  } else {
    Shape& band = s.Box(52, 373, 108, 385, 2.5f, girdle ? l.metalDark : l.leather);
    band.pattern = girdle ? Pattern::Bands : Pattern::Stitches;
    band.patternColor = girdle ? l.trim : Lighten(l.leather, 0.35f);
    band.patternSize = girdle ? 4 : 3;
  }
  // Studs or plates along the band.
  const float y = forIcon ? 400.0f : 379.0f;
  if (!forIcon && l.tier >= items::kSteel) {
    for (int i = 0; i < 4; ++i) {
      const float x = 58 + i * 6.0f;
      Shape& stud = Metal(s.Ellipse(x, y, 2, 2, l.metal));
      stud.outline = 0.6f;
      Shape& stud2 = Metal(s.Ellipse(2 * cx - x, y, 2, 2, l.metal));
      stud2.outline = 0.6f;
    }
  }
  // Buckle.
  Shape& buckle = Metal(s.Box(cx - 8, y - 8, cx + 8, y + 8, 2, l.metal));
  buckle.dome = true;
  if (l.tier <= items::kSteel) {
    Shape& gap = s.Box(cx - 4, y - 4, cx + 4, y + 4, 1, girdle ? l.metalDark : l.leather);
    gap.bevel = 1;
    s.Capsule(cx, y - 4, cx, y + 4, 1, 1, l.metalDark).outline = 0;
  } else if (l.tier >= items::kSilver) {
    Gem(s, cx, y, 3.5f, l.gem);
  } else {
    s.Ellipse(cx, y, 3.5f, 3.5f, l.trim).dome = true;
  }
  if (l.tier == items::kRuned) Runes(buckle, l, 5);
}

// --------------------------------------------------------------- pants

void AddPants(Scene& s, int id) {
  const Look l = LookOf(id);
  static const Rgb kTrousers[] = {pal::Earth,   pal::SlateDark, pal::WoodDark,
                                  pal::RedDeep, pal::BlueDeep,  pal::GrassDark};
  const Rgb cloth = kTrousers[(id * 5) % 6];
  const bool greaves = l.tier >= items::kBronze;
  const bool cuisses = l.tier >= items::kGold;
  Shape& seat = s.Polygon({{53, 371}, {107, 371}, {110, 400}, {50, 400}}, cloth);
  seat.pattern = Pattern::Quilt;
  seat.patternColor = Darken(cloth, 0.25f);
  seat.patternSize = 6;
  for (int side = 0; side < 2; ++side) {
    const float hx = side ? fig::kLegRightX - 1 : fig::kLegLeftX + 1;
    const float ax = side ? fig::kLegRightX + 2 : fig::kLegLeftX - 2;
    const float kx = (hx + ax) / 2;
    Shape& leg = s.Capsule(hx, fig::kHipY, ax, 470, 14, 10, cloth);
    leg.pattern = Pattern::Quilt;
    leg.patternColor = Darken(cloth, 0.25f);
    leg.patternSize = 6;
    if (cuisses) {
      Shape& thigh = Metal(s.Capsule(hx, 396, kx, 424, 12, 10, l.metal));
      thigh.pattern = Pattern::Bands;
      thigh.patternColor = l.metalDark;
      thigh.patternSize = 7;
      if (l.tier == items::kRuned) Runes(thigh, l, 6);
    }
    if (!greaves) {
      // Mail chausses over the lower leg, of the make's metal.
      Shape& mail = s.Capsule(kx, 436, ax, 468, 11, 9, l.metal);
      mail.pattern = Pattern::Chain;
      mail.patternColor = l.metalDark;
      mail.patternSize = 3.5f;
    }
    if (greaves) {
      Shape& shin = Metal(s.Capsule(kx, 440, ax, 468, 10, 8.5f, l.metal));
      shin.dome = true;
      if (l.tier == items::kRuned) Runes(shin, l, 6);
      s.Capsule(kx, 444, ax, 466, 1, 1, Lighten(l.metal, 0.35f)).outline = 0;
    }
    // Knee cop.
    Shape& knee = Metal(s.Ellipse(kx, 432, 10, 9, l.tier == items::kIron ? pal::Iron : l.metal));
    knee.dome = true;
    if (l.tier >= items::kSilver) Gem(s, kx, 432, 2.5f, l.gem);
    else s.Ellipse(kx, 432, 2.5f, 2.5f, l.trim).dome = true;
  }
  // Waistband.
  Shape& band =
      s.Box(52, 371, 108, 378, 2, l.tier >= items::kSilver ? l.trim : Darken(cloth, 0.3f));
  band.bevel = 1.5f;
}

// --------------------------------------------------------------- shoes

void AddShoe(Scene& s, int id, bool left) {
  const Look l = LookOf(id);
  const float ax = left ? fig::kLegLeftX - 2 : fig::kLegRightX + 2;
  const bool sabatons = l.tier >= items::kGold;
  const Rgb body = sabatons ? l.metal : l.leather;
  // Shaft of the boot, up the shin.
  Shape& shaft = s.Capsule(ax, 468, ax, 484, 10.5f, 10, body);
  shaft.dome = true;
  if (sabatons) {
    Metal(shaft).pattern = Pattern::Bands;
    shaft.patternColor = l.metalDark;
    shaft.patternSize = 6;
  }
  // The foot: heel and a rounded toe turned outwards.
  std::vector<V2> heel = {
      {ax - 9, 478}, {ax + 10, 478}, {ax + 12, 499}, {ax - 10, 499}, {ax - 11, 490}};
  if (left) heel = Scene::Mirror(heel, ax);
  Shape& h = s.Polygon(heel, body);
  h.dome = true;
  Shape& f = s.Ellipse(ax + (left ? -1 : 1) * 11.0f, 491, 14, 8.5f, body);
  f.dome = true;
  if (sabatons) {
    Metal(h);
    Metal(f).pattern = Pattern::Bands;
    f.patternColor = l.metalDark;
    f.patternSize = 4;
    if (l.tier == items::kRuned) Runes(f, l, 5);
  }
  // Sole.
  s.Box(std::min(ax - 11, ax + (left ? -1 : 1) * 25.0f), 497,
        std::max(ax + 12, ax + (left ? -1 : 1) * 25.0f), 501, 1.5f, pal::WoodDeep)
      .bevel = 0;
  // Cuff and toe cap in the make's metal.
  Shape& cuff = Metal(s.Box(ax - 11.5f, 456, ax + 11.5f, 463, 2, sabatons ? l.trim : l.metal));
  cuff.bevel = 1.5f;
  if (!sabatons) {
    Metal(s.Ellipse(ax + (left ? -1 : 1) * 19.0f, 492, 6.5f, 6, l.metal)).dome = true;
    if (l.tier >= items::kBronze) {
      Shape& shin = Metal(s.Capsule(ax, 466, ax, 478, 5, 4.5f, l.metal));
      shin.dome = true;
    } else {
      s.Box(ax - 10, 474, ax + 10, 477, 1, Darken(l.leather, 0.35f)).outline = 0;
    }
  }
  if (l.tier >= items::kSilver) Gem(s, ax, 459.5f, 2.2f, l.gem);
}

// --------------------------------------------------------------- gloves

void AddGlove(Scene& s, int id, bool left) {
  const Look l = LookOf(id);
  const float cx = left ? fig::kHandLeftX : fig::kHandRightX;
  const float side = left ? 1.0f : -1.0f;  // thumb towards the body
  const bool gauntlet = l.tier >= items::kGold;
  const Rgb body = gauntlet ? l.metal : l.leather;
  // Flared cuff.
  // The cuff is always of the make's metal, so that the plain gloves show
  // their make as well as the gauntlets do.
  Shape& cuff =
      Metal(s.Polygon({{cx - 7, 370}, {cx + 7, 370}, {cx + 10, 357}, {cx - 10, 357}}, l.metal));
  if (l.tier == items::kRuned) Runes(cuff, l, 4);
  Shape& palm = s.Box(cx - 8, 367, cx + 8, 389, 5, body);
  palm.dome = true;
  if (gauntlet) {
    Metal(palm).pattern = Pattern::Bands;
    palm.patternColor = l.metalDark;
    palm.patternSize = 5;
  }
  s.Capsule(cx + side * 7, 372, cx + side * 8, 382, 3.2f, 2.8f, body);
  for (int f = -1; f <= 1; ++f) {
    Shape& line = s.Capsule(cx + f * 4.0f, 380, cx + f * 4.0f, 388, 0.5f, 0.5f, Darken(body, 0.4f));
    line.outline = 0;
    line.bevel = 0;
  }
  // Knuckle plate.
  if (l.tier >= items::kSteel && !gauntlet) {
    Shape& plate = Metal(s.Box(cx - 7, 375, cx + 7, 380, 1.5f, l.metal));
    plate.bevel = 1;
  }
  if (l.tier == items::kIron) {
    for (int i = -1; i <= 1; ++i)
      s.Ellipse(cx + i * 4.5f, 377, 1.2f, 1.2f, pal::SlateLight).outline = 0;
  }
  if (l.tier >= items::kSilver) Gem(s, cx, 362.5f, 2.2f, l.gem);
}

// --------------------------------------------------------------- shields

void AddShield(Scene& s, int id) {
  const Look l = LookOf(id);
  const float cx = 120, cy = 340;
  if (l.tier == items::kIron) {
    // Round buckler: iron rim, wooden face, iron boss.
    Metal(s.Ellipse(cx, cy, 32, 32, l.metal)).dome = true;
    Shape& face = s.Ellipse(cx, cy, 27, 27, pal::Wood);
    face.pattern = Pattern::Stitches;
    face.patternColor = pal::WoodDark;
    face.patternSize = 6;
    face.dome = true;
    for (int i = 0; i < 8; ++i) {
      const float a = i * 0.785f;
      s.Ellipse(cx + 24 * std::cos(a), cy + 24 * std::sin(a), 1.6f, 1.6f, pal::SlateLight).outline =
          0.5f;
    }
    Shape& boss = Metal(s.Ellipse(cx, cy, 9, 9, l.metal));
    boss.dome = true;
    return;
  }
  // Heater shield.
  std::vector<V2> outer = {{cx - 33, 296}, {cx + 33, 296}, {cx + 33, 336}, {cx + 24, 364},
                           {cx, 384},      {cx - 24, 364}, {cx - 33, 336}};
  std::vector<V2> inner = {{cx - 28, 301}, {cx + 28, 301}, {cx + 28, 335}, {cx + 20, 360},
                           {cx, 377},      {cx - 20, 360}, {cx - 28, 335}};
  // The rim is of the make's metal; only the golden and runed shields, whose
  // face is metal already, take the trim colour for it.
  Shape& rim = Metal(s.Polygon(outer, l.tier >= items::kGold ? l.trim : l.metal));
  rim.dome = true;
  Rgb fieldColour = l.cloth;
  if (l.tier == items::kGold) fieldColour = l.metal;
  if (l.tier == items::kRuned) fieldColour = l.metal;
  Shape& field = s.Polygon(inner, fieldColour);
  field.dome = true;
  if (l.tier >= items::kGold) Metal(field);
  if (l.tier == items::kRuned) Runes(field, l, 8);
  if (l.tier == items::kSteel) {
    field.pattern = Pattern::Weave;
  }
  // The charge, in the make's metal (red on the golden shields).
  const Rgb charge =
      l.tier == items::kGold ? pal::Red : (l.tier == items::kRuned ? pal::Silver : l.metal);
  switch (l.variant % 4) {
    case 0:  // cross
      Metal(s.Box(cx - 4, 304, cx + 4, 372, 1, charge));
      Metal(s.Box(cx - 25, 326, cx + 25, 334, 1, charge));
      break;
    case 1:  // chevron
      Metal(s.Polygon(
          {{cx - 26, 346}, {cx, 318}, {cx + 26, 346}, {cx + 26, 356}, {cx, 330}, {cx - 26, 356}},
          charge));
      break;
    case 2:  // bend
      Metal(s.Polygon({{cx - 28, 306}, {cx - 18, 301}, {cx + 26, 355}, {cx + 18, 362}}, charge));
      break;
    default:  // roundel
      Metal(s.Ellipse(cx, 336, 13, 13, charge)).dome = true;
      break;
  }
  // Boss, with a gem on the finer shields.
  Metal(s.Ellipse(cx, 336, 6, 6, l.tier >= items::kSilver ? l.trim : l.metalDark)).dome = true;
  if (l.tier >= items::kSilver) Gem(s, cx, 336, 3.2f, l.gem);
  if (l.tier >= items::kBronze) {
    for (int i = 0; i < 2; ++i) {
      s.Ellipse(cx - 28 + i * 56, 301, 1.8f, 1.8f, l.tier >= items::kSilver ? l.gem : l.trim)
          .outline = 0.5f;
    }
  }
}

// --------------------------------------------------------------- swords

// broad widens the blade, so that its metal still shows in the small icon.
void AddSword(Scene& s, int id, float broad = 1.0f) {
  const Look l = LookOf(id);
  const float gx = fig::kHandLeftX;
  // Blade tip height and width by make: the finer the longer and broader.
  static const float kTip[] = {300, 276, 270, 266, 262, 254};
  static const float kWidth[] = {3.5f, 4.0f, 4.5f, 4.0f, 5.0f, 6.0f};
  const float tip = kTip[l.tier], w = kWidth[l.tier] * broad;
  const float base = 362;
  std::vector<V2> blade;
  switch (l.tier) {
    case items::kBronze:  // leaf blade
      blade = {{gx - w, base},      {gx - w - 2, base - 50}, {gx - w, base - 80}, {gx, tip},
               {gx + w, base - 80}, {gx + w + 2, base - 50}, {gx + w, base}};
      break;
    case items::kSilver:  // a sabre's curve
      blade = {{gx - w, base}, {gx - w - 1, base - 50}, {gx - w + 2, base - 85},
               {gx + 6, tip},  {gx + w + 3, base - 80}, {gx + w + 1, base - 40},
               {gx + w, base}};
      break;
    default:
      blade = {{gx - w, base}, {gx - w, tip + 12}, {gx, tip}, {gx + w, tip + 12}, {gx + w, base}};
      break;
  }
  Shape& b = Metal(s.Polygon(blade, l.metal));
  b.bevel = 1.8f;
  if (l.tier == items::kRuned) Runes(b, l, 4.5f);
  // Fuller.
  if (l.tier != items::kSilver) {
    Shape& fuller = s.Capsule(gx, base - 4, gx, tip + 22, 0.9f, 0.6f, Darken(l.metal, 0.3f));
    fuller.outline = 0;
    fuller.bevel = 0;
  }
  // Guard, grip and pommel.
  const float guard = l.tier >= items::kGold ? 15.0f : (l.tier == items::kIron ? 8.0f : 12.0f);
  Shape& cross = Metal(s.Capsule(gx - guard, 364, gx + guard, 364, 2.6f, 2.6f,
                                 l.tier >= items::kSilver ? l.trim : l.metalDark));
  cross.dome = true;
  if (l.tier == items::kRuned) {
    // Swept quillons.
    Metal(s.Capsule(gx - guard, 364, gx - guard - 3, 356, 2.5f, 1.5f, l.trim));
    Metal(s.Capsule(gx + guard, 364, gx + guard + 3, 356, 2.5f, 1.5f, l.trim));
  }
  Shape& grip = s.Capsule(gx, 368, gx, 388, 2.8f, 2.8f,
                          l.tier >= items::kGold ? pal::RedDeep : pal::WoodDark);
  grip.pattern = Pattern::Bands;
  grip.patternColor = Darken(grip.color, 0.4f);
  grip.patternSize = 3;
  Shape& pommel =
      Metal(s.Ellipse(gx, 392, 4.2f, 4.2f, l.tier >= items::kSilver ? l.trim : l.metalDark));
  pommel.dome = true;
  if (l.tier >= items::kGold) {
    Gem(s, gx, 364, 2.4f, l.gem);
    Gem(s, gx, 392, 2.2f, l.gem);
  }
}

// --------------------------------------------------------------- amulets

// Amulet slot k (0..2): the three chains hang nested, slot 0 longest.
void AddAmulet(Scene& s, int id, int slot) {
  const Look l = LookOf(id);
  const int shape = (id - 1) % 12;
  static const float kDrop[] = {302, 292, 284};
  static const float kSize[] = {6.5f, 5.5f, 4.5f};
  const float py = kDrop[slot], r = kSize[slot];
  const float cx = fig::kCentreX;
  const float spread = 10.0f - slot * 1.5f;
  for (int side = -1; side <= 1; side += 2) {
    Shape& chain =
        s.Capsule(cx + side * spread, 273, cx + side * 1.5f, py - r, 1.1f, 1.1f, l.metal);
    chain.outline = 0.6f;
    chain.bevel = 0.8f;
  }
  const Rgb gem = (shape % 2) ? l.gem : Mix(l.gem, pal::Blue, 0.3f);
  switch (shape % 6) {
    case 0:  // medallion
      Metal(s.Ellipse(cx, py, r, r, l.metal)).dome = true;
      Gem(s, cx, py, r * 0.45f, gem);
      break;
    case 1:  // teardrop stone in a setting
      Metal(s.Polygon({{cx, py - r},
                       {cx + r * 0.8f, py + r * 0.3f},
                       {cx, py + r * 1.2f},
                       {cx - r * 0.8f, py + r * 0.3f}},
                      l.metal));
      Gem(s, cx, py + r * 0.2f, r * 0.55f, gem);
      break;
    case 2:  // star
    {
      std::vector<V2> star;
      for (int i = 0; i < 10; ++i) {
        const float a = -1.5708f + i * 0.6283f, rr = (i % 2) ? r * 0.45f : r * 1.05f;
        star.push_back({cx + rr * std::cos(a), py + rr * std::sin(a)});
      }
      Metal(s.Polygon(star, l.metal)).dome = true;
      break;
    }
    case 3:  // cross
      Metal(s.Box(cx - r * 0.3f, py - r, cx + r * 0.3f, py + r * 1.1f, 0.6f, l.metal));
      Metal(s.Box(cx - r * 0.8f, py - r * 0.4f, cx + r * 0.8f, py + r * 0.2f, 0.6f, l.metal));
      Gem(s, cx, py - r * 0.1f, r * 0.28f, gem);
      break;
    case 4:  // crescent
    {
      Metal(s.Ellipse(cx, py, r, r, l.metal)).dome = true;
      Shape& bite = s.Ellipse(cx + r * 0.45f, py - r * 0.3f, r * 0.75f, r * 0.75f, 0);
      bite.hole = true;
      break;
    }
    default:  // a bare stone
      Gem(s, cx, py, r * 0.85f, gem);
      Metal(s.Ellipse(cx, py - r * 0.9f, r * 0.35f, r * 0.25f, l.metal));
      break;
  }
}

// The amulet laid down for its icon: the whole chain and its pendant.
void AddAmuletIcon(Scene& s, int id) {
  const Look l = LookOf(id);
  const float cx = 80, cy = 300;
  Shape& loop = s.Ellipse(cx, cy, 22, 18, l.metal);
  loop.pattern = Pattern::Chain;
  loop.patternColor = l.metalDark;
  loop.patternSize = 3;
  Shape& hole = s.Ellipse(cx, cy, 19, 15, 0);
  hole.hole = true;
  Scene pendant;
  AddAmulet(pendant, id, 0);
  // Keep the pendant only (the last shapes after the two chains), moved to the loop's bottom.
  for (size_t i = 2; i < pendant.shapes.size(); ++i) {
    Shape p = pendant.shapes[i];
    const float dy = (cy + 18 + 5) - 302;
    p.a.y += dy;
    if (p.type == ShapeType::Capsule || p.type == ShapeType::Box) p.b.y += dy;
    for (V2& q : p.pts) q.y += dy;
    // Scale the pendant up about its centre so it reads in the icon.
    const float k = 1.6f, py = cy + 23;
    auto grow = [&](V2& q) { q.x = cx + (q.x - cx) * k, q.y = py + (q.y - py) * k; };
    grow(p.a);
    if (p.type == ShapeType::Ellipse) p.b.x *= k, p.b.y *= k;
    else grow(p.b);
    p.r0 *= k, p.r1 *= k;
    for (V2& q : p.pts) grow(q);
    s.Add(p);
  }
}

// --------------------------------------------------------------- rings

void AddRing(Scene& s, int id) {
  const Look l = LookOf(id);
  const float cx = 80, cy = 300;
  const float thick = 3.5f + l.tier * 0.5f;
  Shape& band = Metal(s.Ellipse(cx, cy + 4, 20, 17, l.metal));
  band.dome = true;
  if (l.tier == items::kRuned) Runes(band, l, 5);
  Shape& hole = s.Ellipse(cx, cy + 5, 20 - thick, 17 - thick, 0);
  hole.hole = true;
  // The setting and its stone grow with the make.
  const float gr = 3.0f + l.tier * 1.2f;
  if (l.tier >= items::kBronze) {
    for (int side = -1; side <= 1; side += 2)
      Metal(s.Capsule(cx + side * gr * 0.9f, cy - 10, cx + side * gr * 0.5f, cy - 14 - gr * 0.6f,
                      1.6f, 1.2f, l.trim));
  }
  Metal(s.Box(cx - gr - 2, cy - 15, cx + gr + 2, cy - 9, 1.5f,
              l.tier >= items::kSilver ? l.trim : l.metal));
  if (l.tier == items::kIron) {
    // A plain signet.
    Metal(s.Box(cx - 7, cy - 19, cx + 7, cy - 11, 2, l.metal)).dome = true;
    s.Capsule(cx - 3, cy - 15, cx + 3, cy - 15, 0.8f, 0.8f, l.metalDark).outline = 0;
  } else {
    Gem(s, cx, cy - 13 - gr * 0.5f, gr, l.gem);
  }
}

// --------------------------------------------------------------- the tables

std::string Num(int n) { return std::to_string(n); }

// A copy of the scene moved dx to the right.
Scene Shifted(const Scene& in, float dx) {
  Scene out;
  for (Shape sh : in.shapes) {
    sh.a.x += dx;
    if (sh.type != ShapeType::Ellipse) sh.b.x += dx;
    for (V2& q : sh.pts) q.x += dx;
    out.Add(sh);
  }
  return out;
}

void DrawIcon(Canvas& c, int id) {
  Scene s;
  float angle = 0, margin = 5;
  if (id <= 36) {
    AddAmuletIcon(s, id);
  } else if (id <= 56) {
    AddHelmet(s, id);
    margin = 6;
  } else if (id <= 86) {
    AddTorso(s, id);
    margin = 4;
  } else if (id <= 98) {
    AddBelt(s, id, true);
  } else if (id <= 126) {
    AddPants(s, id);
    margin = 4;
  } else if (id <= 138) {
    Scene left, right;
    AddShoe(left, id, true);
    AddShoe(right, id, false);
    // The pair side by side, the right one a little behind.
    s.Append(Shifted(right, -16));
    s.Append(left);
  } else if (id <= 150) {
    Scene right;
    AddGlove(s, id, true);
    AddGlove(right, id, false);
    s.Append(Shifted(right, -60));
  } else if (id <= 191) {
    AddRing(s, id);
    margin = 9;
  } else if (id >= 221 && id <= 232) {
    AddShield(s, id);
    margin = 4;
  } else {
    AddSword(s, id, 1.5f);
    angle = 45;
    margin = 2;
  }
  RenderFitted(s, c, margin, angle);
}

}  // namespace

ASSETGEN_TABLE(ItemIcons) {
  for (const items::ItemEntry& e : items::kItemTable) {
    const int id = e.id;
    const uint32_t key = (id == 180 || id == 181) ? kKeyBlack : kKeyRed;
    r.Picture("Art\\Items\\Item" + Num(id) + ".bmp", 64, 64, 64, 64, key,
              [id](Canvas& c) { DrawIcon(c, id); });
  }
}

ASSETGEN_TABLE(WornItemPictures) {
  // Where the party screens draw each worn picture.
  using namespace figure_layout;
  // One worn picture: the scene that add builds, sampled where the screens put it.
  auto worn = [&r](const std::string& path, int w, int h, uint32_t key, WornPlace where,
                   std::function<void(Scene&)> add) {
    const Place p = kWornPlaces[where];
    r.Picture(path, w, h, w, h, key, [p, add = std::move(add)](Canvas& c) {
      Scene s;
      add(s);
      RenderPlaced(s, c, p.dx, p.y, p.scaleX, p.scaleY);
    });
  };
  constexpr WornPlace kAmulet[3] = {kPlaceAmulet1, kPlaceAmulet2, kPlaceAmulet3};
  const char kSlotLetter[3] = {'a', 'b', 'c'};
  for (int id = 1; id <= 36; ++id)
    for (int k = 0; k < 3; ++k)
      worn("Art\\Items\\Amulets\\Amulet" + Num(id) + kSlotLetter[k] + ".bmp", 64, 64, kKeyRed,
           kAmulet[k], [id, k](Scene& s) { AddAmulet(s, id, k); });
  for (int id = 37; id <= 56; ++id)
    worn("Art\\Items\\Helmets\\Helmet" + Num(id - 36) + ".bmp", 128, 128, kKeyRed, kPlaceHelmet,
         [id](Scene& s) { AddHelmet(s, id); });
  for (int id = 57; id <= 86; ++id)
    worn("Art\\Items\\Armor\\Torso" + Num(id - 56) + ".bmp", 256, 256, kKeyRed, kPlaceTorso,
         [id](Scene& s) {
           // The chest, neck and all, is not drawn under a worn torso.
           AddNeck(s, pal::Skin);
           AddTorso(s, id);
         });
  for (int id = 87; id <= 98; ++id)
    worn("Art\\Items\\Belts\\Belt" + Num(id - 86) + ".bmp", 128, 32, kKeyRed, kPlaceBelt,
         [id](Scene& s) { AddBelt(s, id, false); });
  for (int id = 99; id <= 126; ++id)
    worn("Art\\Items\\Pants\\Pants" + Num(id - 98) + ".bmp", 128, 256, kKeyRed, kPlacePants,
         [id](Scene& s) { AddPants(s, id); });
  for (int id = 127; id <= 138; ++id) {
    worn("Art\\Items\\Shoes\\Shoe" + Num(id - 126) + "a.bmp", 128, 128, kKeyRed, kPlaceShoe1,
         [id](Scene& s) { AddShoe(s, id, true); });
    worn("Art\\Items\\Shoes\\Shoe" + Num(id - 126) + "b.bmp", 128, 128, kKeyRed, kPlaceShoe2,
         [id](Scene& s) { AddShoe(s, id, false); });
  }
  for (int id = 139; id <= 150; ++id) {
    worn("Art\\Items\\Gloves\\Glove" + Num(id - 138) + "a.bmp", 32, 64, kKeyBlack, kPlaceGlove1,
         [id](Scene& s) { AddGlove(s, id, true); });
    worn("Art\\Items\\Gloves\\Glove" + Num(id - 138) + "b.bmp", 32, 64, kKeyBlack, kPlaceGlove2,
         [id](Scene& s) { AddGlove(s, id, false); });
  }
  for (int id = 221; id <= 232; ++id)
    worn("Art\\Items\\Shields\\Shield" + Num(id - 220) + ".bmp", 128, 128, kKeyRed, kPlaceShield,
         [id](Scene& s) { AddShield(s, id); });
  for (int id = 233; id <= 250; ++id)
    worn("Art\\Items\\Swords\\Sword" + Num(id - 232) + ".bmp", 64, 128, kKeyRed, kPlaceSword,
         [id](Scene& s) { AddSword(s, id); });
}
