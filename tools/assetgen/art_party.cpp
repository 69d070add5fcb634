// The player screen's own pictures: its backgrounds and value panel, the
// bag rows and the selection frames, the empty-slot markers of the figure,
// the value digits and captions, the skull mark, the Toss button and the
// player's portraits. Sizes, frames and keys come from party/party_art.h;
// the pictures it shares with other screens are drawn by their own tables.
#include <algorithm>
#include <string>
#include <vector>

#include "art_people.h"
#include "assetgen.h"
#include "letter_cells.h"
#include "party/heroes_art.h"
#include "party/party_art.h"

using namespace assetgen;
namespace pa = party_art;

namespace {

const pa::Picture& Sheet(int image) {
  for (const pa::SheetEntry& e : pa::kPlayerPictures)
    if (e.image == image) return e.picture;
  return pa::kPlayerPictures[0].picture;
}

void Register(Registry& r, const pa::Picture& p, std::function<void(Canvas&)> draw) {
  r.Picture(p.path, p.width, p.height, p.frameWidth, p.frameHeight, p.key, std::move(draw));
}

// A wooden panel with a parchment inlay.
void WoodPanel(Canvas& c, int inset) {
  c.Fill(pal::WoodDark);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 2);
  c.Noise(0, 0, c.w, c.h, 6);
  if (inset > 0) c.Well(inset, inset, c.w - 2 * inset, c.h - 2 * inset, pal::ParchmentDark, 2);
}

// The outline of a body slot's item, in muted parchment, on the key.
void SlotMarker(Canvas& c, int image) {
  const Rgb ink = pal::ParchmentDark;
  c.Frame(4, 4, c.w - 8, c.h - 8, pal::StoneDark, 2);
  const float cx = c.w / 2.0f, cy = c.h / 2.0f;
  switch (image) {
    case pa::kMarkAmulet:
      c.CircleOutline(cx, cy - 10, 12, ink, 2);
      c.Circle(cx, cy + 10, 8, ink);
      break;
    case pa::kMarkHelmet:
      c.Ellipse(cx, cy, 18, 16, ink);
      c.Rect(int(cx) - 18, int(cy) + 4, 36, 10, ink);
      break;
    case pa::kMarkTorso:
      c.Polygon({{cx - 20, cy - 18}, {cx + 20, cy - 18}, {cx + 14, cy + 20}, {cx - 14, cy + 20}},
                ink);
      break;
    case pa::kMarkBelt:
      c.Rect(8, int(cy) - 6, c.w - 16, 12, ink);
      c.Frame(int(cx) - 7, int(cy) - 8, 14, 16, pal::Gold, 2);
      break;
    case pa::kMarkPants:
      c.Polygon({{cx - 16, cy - 20},
                 {cx + 16, cy - 20},
                 {cx + 16, cy + 22},
                 {cx + 3, cy + 22},
                 {cx, cy - 4},
                 {cx - 3, cy + 22},
                 {cx - 16, cy + 22}},
                ink);
      break;
    case pa::kMarkShoes:
      c.Polygon({{cx - 14, cy - 16},
                 {cx, cy - 16},
                 {cx, cy + 6},
                 {cx + 18, cy + 10},
                 {cx + 18, cy + 18},
                 {cx - 14, cy + 18}},
                ink);
      break;
    case pa::kMarkGloves:
      c.Ellipse(cx, cy + 6, 13, 15, ink);
      for (int f = 0; f < 4; ++f) c.Rect(int(cx) - 12 + 7 * f, int(cy) - 18, 5, 14, ink);
      break;
    case pa::kMarkRing: c.CircleOutline(cx, cy, 12, ink, 4); break;
    case pa::kMarkShield:
      c.Polygon({{cx - 18, cy - 20},
                 {cx + 18, cy - 20},
                 {cx + 16, cy + 4},
                 {cx, cy + 22},
                 {cx - 16, cy + 4}},
                ink);
      break;
    case pa::kMarkSword:
      c.ThickLine(cx, cy - 24, cx, cy + 12, 5, ink);
      c.Rect(int(cx) - 12, int(cy) + 10, 24, 5, ink);
      c.Rect(int(cx) - 2, int(cy) + 14, 5, 10, ink);
      break;
    default: break;
  }
}

// Digits for numbers whose digits stand pitch frame pixels apart.
void Digits(Canvas& c, Rgb colour, float pitch) {
  TextStyle t = GoldCaption(32);
  t.color = colour;
  DigitCells(c, 32, 32, pitch, t);
}

}  // namespace

ASSETGEN_TABLE(PlayerScreenPictures) {
  Register(r, Sheet(pa::kTopBar), [](Canvas& c) {
    c.GradientV(0, 0, c.w, c.h, pal::WoodLight, pal::WoodDark);
    c.Noise(0, 0, c.w, c.h, 5);
    c.Rect(0, c.h - 2, c.w, 2, pal::GoldDark);
  });
  Register(r, Sheet(pa::kMemberBack), [](Canvas& c) {
    c.GradientV(0, 0, c.w, c.h, pal::Parchment, pal::ParchmentDark);
    c.Noise(0, 0, c.w, c.h, 8);
    c.Vignette(0, 0, c.w, c.h, 0.35f);
  });
  // The heroes screen's value panel, bag and bag frame look as the player's.
  for (const pa::Picture* p :
       {&Sheet(pa::kValuePanel), &heroes_art::HeroesPicture(heroes_art::kValuePanel)})
    Register(r, *p, [](Canvas& c) { WoodPanel(c, 6); });
  Register(r, Sheet(pa::kGreens), [](Canvas& c) {
    c.ClearToKey();
    for (int x = 0; x < c.w; x += 6) {
      const int h = 10 + (x * 7919 % 13);
      c.ThickLine(float(x), float(c.h), float(x + 3), float(c.h - h), 2, pal::Grass);
    }
    c.Rect(0, c.h - 6, c.w, 6, pal::GrassDark);
  });
  for (const pa::Picture* p :
       {&Sheet(pa::kBagRow), &heroes_art::HeroesPicture(heroes_art::kBagRow)})
    Register(r, *p, [](Canvas& c) {
      c.Fill(pal::WoodDark);
      for (int k = 0; k < 4; ++k) c.Well(32 * k + 1, 1, 30, 30, pal::Earth, 2);
    });
  for (const pa::Picture* p :
       {&Sheet(pa::kBagSelected), &heroes_art::HeroesPicture(heroes_art::kBagSelected)})
    Register(r, *p, [](Canvas& c) {
      c.Fill(pal::EarthLight);
      c.Frame(0, 0, c.w, c.h, pal::GoldLight, 2);
    });
  Register(r, Sheet(pa::kArmySelection), [](Canvas& c) {
    c.ClearToKey();
    c.Frame(0, 0, c.w, c.h, pal::Gold, 1);
  });
  for (int image :
       {pa::kMarkShoes, pa::kMarkPants, pa::kMarkBelt, pa::kMarkRing, pa::kMarkGloves,
        pa::kMarkTorso, pa::kMarkAmulet, pa::kMarkHelmet, pa::kMarkShield, pa::kMarkSword})
    Register(r, Sheet(image), [image](Canvas& c) {
      c.ClearToKey();
      SlotMarker(c, image);
    });
  Register(r, Sheet(pa::kHealthDigits), [](Canvas& c) {
    c.ClearToKey();
    Digits(c, pal::RedLight, 23 / 0.7f);  // 23 pixels apart at 0.7
  });
  Register(r, Sheet(pa::kDigits), [](Canvas& c) {
    c.ClearToKey();
    Digits(c, pal::GoldLight, 17 / 0.8f);  // eight-digit experience: 17 apart at 0.8
  });
  Register(r, Sheet(pa::kHealthSlash), [](Canvas& c) {
    c.ClearToKey();
    c.Text(0, 0, c.w, c.h, "/", GoldCaption(26));
  });
  Register(r, Sheet(pa::kExperienceCaption), [](Canvas& c) {
    c.ClearToKey();
    c.Text(0, 0, c.w, c.h, "Experience", GoldCaption(14));
  });
  Register(r, Sheet(pa::kSkull), [](Canvas& c) {
    c.Fill(pal::WoodDark);
    c.Ellipse(16, 13, 10, 9, pal::StoneLight);
    c.Rect(11, 18, 10, 7, pal::StoneLight);
    c.Circle(12, 13, 3, pal::Ink);
    c.Circle(20, 13, 3, pal::Ink);
  });
  Register(r, Sheet(pa::kTossButton), [](Canvas& c) { DrawButtonLooks(c, 64, 32, "Toss"); });
  Register(r, pa::kPlayerPortraits, [](Canvas& c) {
    ForEachFrame(c, 128, 128, 2,
                 [](Canvas& f, int k) { people::DrawFace(f, people::kPlayerFaces[k]); });
  });
}
