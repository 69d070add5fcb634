// The control bar of the kingdom map: its buttons in three looks, the panel
// captions and pictures, the player's portraits, the fire, two digit sheets
// and the party screens' empty background, all on the bar's sheet.

#include <cmath>
#include <string>

#include "assetgen.h"
#include "letter_cells.h"

using namespace assetgen;

namespace {

ButtonStyle BarButton() {
  ButtonStyle st;
  st.face = pal::Wood;
  st.text = pal::ParchmentLight;
  return st;
}

void Caption(Canvas& c, const std::string& text) {
  DrawButtonLooks(c, c.w / 3, c.h, text, BarButton());
}

// Panel bodies: no caption, the bar draws its contents over them.
void Panel(Canvas& c) {
  ButtonStyle st = BarButton();
  st.face = Mix(pal::Wood, pal::WoodDark, 0.3f);
  DrawButtonLooks(c, 64, c.h, "", st);
}

// Captions shown on a hovered panel: frame 0 "You", 1 "View", 2 "Heroes"
// (left, followed on the same line by frame 6, a small helmet), 5 "Wealth",
// 7 "Quests"; frames 3 and 4 are blank.
void Captions(Canvas& c) {
  ForEachFrame(c, 64, 32, 8, [](Canvas& f, int k) {
    TextStyle t = GoldCaption(15);
    switch (k) {
      case 0: f.Text(0, 0, 64, 32, "You", t); break;
      case 1: f.Text(0, 0, 64, 32, "View", t); break;
      case 2:
        t.align = Align::Left;
        f.Text(4, 0, 58, 32, "Heroes", t);
        break;
      case 5: f.Text(0, 0, 64, 32, "Wealth", t); break;
      case 7: f.Text(0, 0, 64, 32, "Quests", t); break;
      case 6: {
        // A little helmet at the frame's left, where it stays on the panel.
        f.Ellipse(11, 16, 7, 7, pal::Steel);
        f.Rect(4, 16, 15, 7, pal::Steel);
        f.Rect(7, 17, 9, 2, pal::InkSoft);
        f.Rect(10, 17, 3, 6, pal::Steel);
        f.Rect(10, 6, 3, 4, pal::Red);
        f.OutlineShapes(pal::Ink);
        break;
      }
      default: break;
    }
  });
}

void Figure(Canvas& f, float cx, float base, Rgb coat, Rgb hair, float s) {
  f.Polygon({{cx - 5 * s, base},
             {cx - 3.5f * s, base - 11 * s},
             {cx + 3.5f * s, base - 11 * s},
             {cx + 5 * s, base}},
            coat);
  f.Circle(cx, base - 14 * s, 3.6f * s, pal::Skin);
  f.Ellipse(cx, base - 16.5f * s, 3.8f * s, 1.8f * s, hair);
}

// Idle panel pictures: frame 0 the heroes, frame 1 the wealth.
void Pictures(Canvas& c) {
  ForEachFrame(c, 64, 32, 2, [](Canvas& f, int k) {
    if (k == 0) {
      Figure(f, 18, 30, pal::Red, pal::HairBrown, 1.2f);
      Figure(f, 46, 30, pal::Leaf, pal::HairBlond, 1.2f);
      Figure(f, 32, 31, pal::Blue, pal::HairBlack, 1.4f);
    } else {
      for (int i = 0; i < 4; ++i)
        f.Ellipse(20, 27 - float(i) * 4, 10, 3.5f, i % 2 ? pal::GoldLight : pal::Gold);
      f.Rect(36, 14, 20, 14, pal::Wood);
      f.Rect(36, 11, 20, 5, pal::WoodLight);
      f.Rect(45, 15, 3, 4, pal::Gold);
      f.Polygon({{46, 2}, {52, 7}, {46, 13}, {40, 7}}, pal::Enchanted);
    }
    f.OutlineShapes(pal::Ink);
  });
}

// The player's portraits (frame = portrait number) in a gold ring.
void Portraits(Canvas& c) {
  ForEachFrame(c, 64, 64, 3, [](Canvas& f, int k) {
    const Rgb hair[3] = {pal::HairBrown, pal::HairRed, pal::HairGrey};
    const Rgb coat[3] = {pal::Blue, pal::RedDeep, pal::Purple};
    f.Circle(31.5f, 31.5f, 29, pal::GoldDark);
    f.Circle(31.5f, 31.5f, 26.5f, pal::Gold);
    f.Circle(31.5f, 31.5f, 24.5f, Mix(pal::BlueDeep, pal::Night, 0.3f));
    // Shoulders, neck, face.
    f.Ellipse(31.5f, 55, 18, 10, coat[k]);
    f.Rect(28, 38, 8, 9, pal::SkinDark);
    f.Ellipse(31.5f, 30, 10, 12, pal::Skin);
    f.Ellipse(28, 26, 4, 5, pal::SkinLight);
    // Hair by portrait: short, long, a grey beard.
    f.Ellipse(31.5f, 20, 11, 6, hair[k]);
    if (k == 1) {
      f.Rect(20, 20, 5, 22, hair[k]);
      f.Rect(38, 20, 5, 22, hair[k]);
    }
    if (k == 2) f.Polygon({{23, 33}, {40, 33}, {36, 46}, {27, 46}}, hair[k]);
    f.Rect(26, 29, 3, 2, pal::Ink);
    f.Rect(34, 29, 3, 2, pal::Ink);
    f.Rect(29, 38, 6, 1, pal::RedDeep);
    // Cut everything outside the ring back to the key.
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        if (std::hypot(float(x) + 0.5f - 31.5f, float(y) + 0.5f - 31.5f) > 29.5f)
          f.Set(x, y, f.key);
    f.CircleOutline(31.5f, 31.5f, 24.5f, pal::GoldLight, 1);
    f.OutlineShapes(pal::Ink);
  });
}

// A camp fire of eight frames.
void Fire(Canvas& c) {
  ForEachFrame(c, 32, 32, 8, [](Canvas& f, int k) {
    f.ThickLine(6, 28, 26, 24, 3, pal::WoodDark);
    f.ThickLine(6, 24, 26, 28, 3, pal::Wood);
    const float phase = float(k) * 3.14159265f / 4;
    for (int i = 0; i < 3; ++i) {
      float sway = std::sin(phase + float(i) * 2.1f) * 2.5f;
      float h = 14 + 5 * std::sin(phase * 2 + float(i));
      float cx = 11 + float(i) * 5;
      f.Polygon({{cx - 4, 25}, {cx + sway, 25 - h}, {cx + 4, 25}}, pal::Fire);
      f.Polygon({{cx - 2, 25}, {cx + sway * 0.6f, 25 - h * 0.6f}, {cx + 2, 25}}, pal::FireLight);
    }
    f.OutlineShapes(pal::InkSoft);
  });
}

// The day's and the fame's digits: 20 pixels apart at 0.6.
void Digits(Canvas& c, Rgb colour) {
  TextStyle t = GoldCaption(32);
  t.color = colour;
  DigitCells(c, 32, 32, 20 / 0.6f, t);
}

// The party screens' empty member view: a parchment sheet in a dark frame,
// stretched by the screen to 800 x 466.
void PartyBack(Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      float dx = (float(x) - 127.5f) / 128, dy = (float(y) - 127.5f) / 128;
      float edge = std::max(std::fabs(dx), std::fabs(dy));
      c.Set(x, y,
            Mix(pal::Parchment, pal::ParchmentDark, std::clamp(edge * edge * 0.9f, 0.0f, 1.0f)));
    }
  c.Noise(0, 0, c.w, c.h, 5);
  c.Frame(0, 0, c.w, c.h, pal::WoodDeep, 3);
  c.Frame(3, 3, c.w - 6, c.h - 6, pal::GoldDark, 1);
}

void OptionsIcon(Canvas& f) {
  // A cog with a hole, light from the top left.
  const float cx = 32, cy = 16;
  for (int i = 0; i < 8; ++i) {
    float a = float(i) * 3.14159265f / 4;
    f.ThickLine(cx + std::cos(a) * 7, cy + std::sin(a) * 7, cx + std::cos(a) * 12,
                cy + std::sin(a) * 12, 4, pal::Steel);
  }
  f.Circle(cx, cy, 9, pal::Steel);
  f.Circle(cx - 2, cy - 2, 5, pal::Silver);
  f.Circle(cx, cy, 3.5f, f.key);
  f.OutlineShapes(pal::Ink);
}

}  // namespace

ASSETGEN_TABLE(ControlBarPictures) {
  r.Picture("Art\\Controls\\Button3.bmp", 192, 64, 64, 64, kKeyNone, Panel);
  r.Picture("Art\\Controls\\ButtonQuit.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { Caption(c, "Quit"); });
  r.Picture("Art\\Controls\\ButtonSave.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { Caption(c, "Save"); });
  r.Picture("Art\\Controls\\ButtonHide.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { Caption(c, "Hide"); });
  r.Picture("Art\\Controls\\ButtonShow.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { Caption(c, "Show"); });
  // The end of the day on the map, the end of a turn in battle.
  r.Picture("Art\\Controls\\Button4.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { Caption(c, "End Turn"); });
  r.Picture("Art\\Controls\\Button51.bmp", 192, 32, 64, 32, kKeyNone,
            [](Canvas& c) { DrawButtonLooks(c, 64, 32, "", BarButton()); });
  r.Picture("Art\\Controls\\Write1.bmp", 256, 64, 64, 32, kKeyBlack, Captions);
  r.Picture("Art\\Controls\\Picture1.bmp", 128, 32, 64, 32, kKeyBlack, Pictures);
  r.Picture("Art\\Controls\\Portrait.bmp", 192, 64, 64, 64, kKeyGreen, Portraits);
  r.Picture("Art\\Controls\\Fire2.bmp", 256, 32, 32, 32, kKeyBlack, Fire);
  r.Picture("Art\\You\\Numbers.bmp", 320, 32, 32, 32, kKeyBlack,
            [](Canvas& c) { Digits(c, pal::GoldLight); });
  r.Picture("Art\\Controls\\Numbers1.bmp", 320, 32, 32, 32, kKeyBlack,
            [](Canvas& c) { Digits(c, pal::ParchmentLight); });
  r.Picture("Art\\Heroes\\Back1.bmp", 256, 256, 256, 256, kKeyNone, PartyBack);
  r.Picture("Art\\Controls\\WriteOptions.bmp", 128, 32, 128, 32, kKeyBlack,
            [](Canvas& c) { c.Text(0, 0, 128, 32, "Options", GoldCaption(18)); });
  r.Picture("Art\\Controls\\Options.bmp", 64, 32, 64, 32, kKeyRed, OptionsIcon);
}
