// The new game's screens, the story scenes and the hall of fame: the name
// box and its ornaments, the letter sheets, the portraits and the portrait
// choice's starry decorations, the story pictures and the hall's plaques.
#include <cmath>
#include <string>

#include "assetgen.h"
#include "letter_cells.h"
#include "menus/hall_of_fame_picture.h"
#include "menus/name_entry_picture.h"
#include "menus/new_game_picture.h"
#include "menus/story_picture.h"
#include "story_texts.h"

using namespace assetgen;

namespace {

// A picture of one frame, and one of several frames in an image w x h.
void Register(Registry& r, const PictureFile& f, std::function<void(Canvas&)> draw) {
  r.Picture(f.path, f.frameWidth, f.frameHeight, f.frameWidth, f.frameHeight, f.colourKey,
            std::move(draw));
}
void Register(Registry& r, const PictureFile& f, int w, int h, std::function<void(Canvas&)> draw) {
  r.Picture(f.path, w, h, f.frameWidth, f.frameHeight, f.colourKey, std::move(draw));
}

// ---------------------------------------------------------------- name entry

// The typed name's cells stand 14 pixels apart at full size.
constexpr float kTypedPitch = 14;
// The hall's names: 22 pixels apart at 0.7.
constexpr float kHallNamePitch = 22 / 0.7f;

void NameBoxFace(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, Mix(pal::WoodDeep, pal::Ink, 0.3f), pal::WoodDeep);
  c.Noise(0, 0, c.w, c.h, 4);
}

void NameBoxEdge(Canvas& c, bool horizontal) {
  c.Fill(pal::GoldDark);
  if (horizontal) {
    c.Rect(0, 1, c.w, 2, pal::GoldLight);
    c.Rect(0, 3, c.w, 2, pal::Gold);
    c.Rect(0, c.h - 1, c.w, 1, pal::Ink);
    c.Rect(0, 0, c.w, 1, pal::Ink);
  } else {
    c.Rect(1, 0, 2, c.h, pal::GoldLight);
    c.Rect(3, 0, 2, c.h, pal::Gold);
    c.Rect(c.w - 1, 0, 1, c.h, pal::Ink);
    c.Rect(0, 0, 1, c.h, pal::Ink);
  }
}

// The rail above and below the box: a gold bar with studs.
void Rail(Canvas& c) {
  c.Rect(0, 5, c.w, 6, pal::Gold);
  c.Rect(0, 5, c.w, 2, pal::GoldLight);
  c.Rect(0, 10, c.w, 1, pal::GoldDark);
  for (int x = 8; x < c.w - 4; x += 20) {
    c.Circle(float(x), 8, 3.5f, pal::GoldDark);
    c.Circle(float(x) - 0.5f, 7.5f, 2, pal::GoldLight);
  }
  c.OutlineShapes(pal::Ink);
}

// The rails' end posts: an upright bar with a knob at each end.
void RailPost(Canvas& c) {
  c.Rect(5, 6, 6, c.h - 12, pal::Gold);
  c.Rect(5, 6, 2, c.h - 12, pal::GoldLight);
  c.Circle(7.5f, 6, 5, pal::Gold);
  c.Circle(7.5f, float(c.h - 7), 5, pal::Gold);
  c.Circle(6.5f, 5, 2, pal::GoldLight);
  c.Circle(6.5f, float(c.h - 8), 2, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

// The ornament at the screen's left edge, where the arm to Clear starts: a
// gold scroll standing wholly inside the picture (it comes to rest at the
// screen's edge), its bar leading right into the arm.
void Scroll(Canvas& c) {
  c.Rect(40, 17, c.w - 40, 8, pal::Gold);
  c.Rect(40, 17, c.w - 40, 2, pal::GoldLight);
  c.Rect(40, 23, c.w - 40, 2, pal::GoldDark);
  c.Circle(24, 24, 18, pal::Gold);
  c.Circle(24, 24, 12, pal::GoldDark);
  c.Circle(24, 24, 8, pal::Gold);
  c.Circle(24, 24, 3, pal::GoldDark);
  c.Circle(20, 20, 3, pal::GoldLight);
  c.Polygon({{10, 40}, {38, 38}, {50, 50}, {18, 56}}, pal::GoldDark);
  c.Polygon({{12, 41}, {36, 40}, {44, 47}, {18, 52}}, pal::Gold);
  c.OutlineShapes(pal::Ink);
}

// The arm from the scroll to Clear.
void Arm(Canvas& c) {
  c.Rect(0, 4, c.w, 8, pal::Gold);
  c.Rect(0, 4, c.w, 2, pal::GoldLight);
  c.Rect(0, 10, c.w, 2, pal::GoldDark);
  c.OutlineShapes(pal::Ink);
}

// The pedestal under Ready.
void Pedestal(Canvas& c) {
  c.Polygon({{4, 63}, {28, 63}, {22, 20}, {10, 20}}, pal::Stone);
  c.Polygon({{10, 20}, {14, 20}, {12, 63}, {4, 63}}, pal::StoneLight);
  c.Rect(6, 12, 20, 8, pal::Gold);
  c.Rect(6, 12, 20, 2, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

// The crest under Ready: wings spreading from a gem.
void Crest(Canvas& c) {
  c.Polygon({{48, 8}, {4, 2}, {14, 10}, {2, 12}, {48, 14}}, pal::Gold);
  c.Polygon({{48, 8}, {92, 2}, {82, 10}, {94, 12}, {48, 14}}, pal::Gold);
  c.Ellipse(48, 8, 7, 6, pal::Red);
  c.Ellipse(46, 6, 2.5f, 2, pal::RedLight);
  c.OutlineShapes(pal::Ink);
}

// Four lightning bolts, one a frame, striking from the top of the screen and
// spending themselves in the dark above the caption (the frames are drawn
// 2.34 times their height, the caption stands at 325).
constexpr float kLightningEnd = 110;

void Lightning(Canvas& c) {
  ForEachFrame(c, 64, 256, 4, [](Canvas& f, int k) {
    float x = 32 + f.rng.Range(-6, 6);
    float y = 0;
    while (y < kLightningEnd) {
      float nx = std::clamp(x + f.rng.Range(-14, 14), 8.0f, 56.0f);
      float ny = y + f.rng.Range(10, 22);
      if (ny > kLightningEnd - 8) ny = kLightningEnd, nx = x + f.rng.Range(-3, 3);
      f.ThickLine(x, y, nx, ny, 5, pal::BlueLight);
      f.ThickLine(x, y, nx, ny, 2, pal::ParchmentLight);
      if (f.rng.Chance(0.3f)) {
        float bx = nx + f.rng.Range(-10, 10), by = ny + f.rng.Range(8, 14);
        f.ThickLine(nx, ny, bx, by, 2, pal::BlueLight);
      }
      x = nx;
      y = ny;
    }
    (void)k;
  });
}

void ButtonLooks(Canvas& c, const PictureFile& f, const std::string& caption) {
  DrawButtonLooks(c, f.frameWidth, f.frameHeight, caption);
}

// ---------------------------------------------------------------- portrait choice

// A player's face in a round medallion: 0 brown-haired in blue, 1
// red-haired in red, as on the control bar.
void Face(Canvas& f, int k) {
  const Rgb hair = k == 0 ? pal::HairBrown : pal::HairRed;
  const Rgb coat = k == 0 ? pal::Blue : pal::RedDeep;
  f.GradientV(0, 0, f.w, f.h, Mix(pal::BlueDeep, pal::Night, 0.4f), pal::BlueDeep);
  f.Ellipse(64, 118, 46, 30, coat);
  f.Ellipse(64, 112, 46, 6, Lighten(coat, 0.2f));
  f.Rect(54, 74, 20, 22, pal::SkinDark);
  f.Ellipse(64, 58, 24, 30, pal::Skin);
  f.Ellipse(56, 48, 9, 11, pal::SkinLight);
  f.Ellipse(64, 34, 27, 14, hair);
  if (k == 1) {
    f.Rect(37, 34, 11, 52, hair);
    f.Rect(80, 34, 11, 52, hair);
  } else {
    f.Rect(38, 34, 6, 16, hair);
    f.Rect(84, 34, 6, 16, hair);
  }
  f.Rect(51, 54, 8, 4, pal::Ink);
  f.Rect(69, 54, 8, 4, pal::Ink);
  f.Rect(52, 54, 2, 2, pal::ParchmentLight);
  f.Rect(70, 54, 2, 2, pal::ParchmentLight);
  f.Rect(62, 60, 4, 10, pal::SkinDark);
  f.Rect(56, 76, 16, 3, pal::RedDeep);
  f.Frame(0, 0, f.w, f.h, pal::Ink, 2);
}

// The frame around the portrait: a gold ring with corner jewels.
void PortraitFrame(Canvas& c) {
  c.Rect(4, 4, 120, 120, pal::GoldDark);
  c.Rect(6, 6, 116, 116, pal::Gold);
  c.Rect(6, 6, 116, 3, pal::GoldLight);
  c.Rect(6, 6, 3, 116, pal::GoldLight);
  c.Rect(20, 20, 88, 88, pal::Ink);
  const float jx[4] = {13, 115, 13, 115}, jy[4] = {13, 13, 115, 115};
  for (int i = 0; i < 4; ++i) {
    c.Circle(jx[i], jy[i], 6, pal::Blue);
    c.Circle(jx[i] - 1.5f, jy[i] - 1.5f, 2, pal::BlueLight);
  }
  c.OutlineShapes(pal::Ink);
}

// The caption's words stand on an opaque banner, so that the rocks drifting
// by pass behind the words, not over them; leftEnd and rightEnd cut the
// banner's ends into a ribbon's swallowtail.
void Banner(Canvas& c, bool leftEnd, bool rightEnd) {
  c.Fill(pal::Ink);
  c.GradientV(0, 3, c.w, c.h - 6, Mix(pal::BlueDeep, pal::Night, 0.2f),
              Mix(pal::BlueDeep, pal::Night, 0.6f));
  c.Rect(0, 3, c.w, 1, pal::Gold);
  c.Rect(0, c.h - 4, c.w, 1, pal::GoldDark);
  const int mid = c.h / 2;
  for (int y = 0; y < c.h; ++y) {
    const int notch = 7 - std::abs(y - mid) * 7 / mid;
    for (int x = 0; x < notch; ++x) {
      if (leftEnd) c.Set(x, y, c.key);
      if (rightEnd) c.Set(c.w - 1 - x, y, c.key);
    }
  }
}

// A slowly turning ring of stars; frame k turns it by k eighths of a point.
void StarRing(Canvas& c) {
  ForEachFrame(c, 128, 128, new_game_picture::kCornerFrames, [](Canvas& f, int k) {
    const float turn = float(k) / 8.0f * (2.0f * 3.14159265f / 6.0f);
    f.CircleOutline(64, 64, 44, Mix(pal::BlueDeep, pal::Night, 0.3f), 1);
    for (int i = 0; i < 6; ++i) {
      const float a = turn + float(i) * 2.0f * 3.14159265f / 6.0f;
      const float x = 64 + 44 * std::cos(a), y = 64 + 44 * std::sin(a);
      f.Circle(x, y, 3.5f, i % 2 ? pal::BlueLight : pal::GoldLight);
      f.Set(int(x), int(y), pal::ParchmentLight);
    }
    for (int i = 0; i < 3; ++i) {
      const float a = -turn * 2 + float(i) * 2.0f * 3.14159265f / 3.0f;
      f.Circle(64 + 22 * std::cos(a), 64 + 22 * std::sin(a), 2, pal::Enchanted);
    }
  });
}

// A lumpy rock turning through 16 frames.
void Asteroid(Canvas& c) {
  float bumps[12];
  Rng rng(7);
  for (float& b : bumps) b = rng.Range(0.75f, 1.0f);
  ForEachFrame(c, 128, 128, new_game_picture::kAsteroidFrames, [&bumps](Canvas& f, int k) {
    const float turn = float(k) / 16.0f * 2.0f * 3.14159265f;
    std::vector<Pt> outline;
    for (int i = 0; i < 12; ++i) {
      const float a = turn + float(i) * 2.0f * 3.14159265f / 12.0f;
      outline.push_back({64 + 50 * bumps[i] * std::cos(a), 64 + 46 * bumps[i] * std::sin(a)});
    }
    f.Polygon(outline, pal::EarthDark);
    f.Ellipse(58, 56, 34, 30, pal::Earth);
    f.Ellipse(52, 50, 16, 12, pal::EarthLight);
    for (int i = 0; i < 3; ++i) {
      const float a = turn + float(i) * 2.1f;
      f.Circle(64 + 24 * std::cos(a), 64 + 20 * std::sin(a), 6, pal::EarthDark);
    }
    f.OutlineShapes(pal::Ink);
  });
}

// The round Ready button: a jewel on a gold disc, in the three looks.
void RoundButton(Canvas& c) {
  ForEachFrame(c, 64, 64, 3, [](Canvas& f, int look) {
    const float off = look == 2 ? 1.0f : 0.0f;
    const Rgb gold = look == 1 ? pal::GoldLight : (look == 2 ? pal::GoldDark : pal::Gold);
    f.Circle(32 + off, 32 + off, 30, gold);
    f.Circle(32 + off, 32 + off, 24, look == 2 ? pal::WoodDeep : pal::WoodDark);
    f.Circle(28 + off, 28 + off, 8, Lighten(pal::WoodDark, 0.2f));
    if (look == 1) f.CircleOutline(32, 32, 29, pal::ParchmentLight, 1);
    f.OutlineShapes(pal::Ink);
  });
}

// An arrow pointing left or right, in the three looks.
void Arrow(Canvas& c, bool left) {
  ForEachFrame(c, 64, 32, 3, [left](Canvas& f, int look) {
    const float off = look == 2 ? 1.0f : 0.0f;
    const Rgb face = look == 1 ? pal::GoldLight : (look == 2 ? pal::GoldDark : pal::Gold);
    std::vector<Pt> p = {{4, 16}, {28, 2}, {28, 10}, {60, 10}, {60, 22}, {28, 22}, {28, 30}};
    for (Pt& q : p) {
      if (!left) q.x = 64 - q.x;
      q.x += off;
      q.y += off;
    }
    f.Polygon(p, face);
    f.OutlineShapes(pal::Ink);
  });
}

// ---------------------------------------------------------------- story

void StarrySky(Canvas& c, int horizon, Rgb low) {
  c.GradientV(0, 0, c.w, horizon, pal::Night, low);
  for (int i = 0; i < 70; ++i)
    c.Set(c.rng.Int(0, c.w - 1), c.rng.Int(0, horizon * 2 / 3), pal::ParchmentLight);
}

void Castle(Canvas& c, int cx, int base, Rgb wall, Rgb roof, bool burning) {
  c.Rect(cx - 60, base - 70, 120, 70, wall);
  for (int t = -1; t <= 1; t += 2) {
    const int tx = cx + t * 60 - 14;
    c.Rect(tx, base - 110, 28, 110, wall);
    c.Polygon({{float(tx - 3), float(base - 110)},
               {float(tx + 14), float(base - 150)},
               {float(tx + 31), float(base - 110)}},
              roof);
  }
  c.Rect(cx - 18, base - 130, 36, 130, Lighten(wall, 0.08f));
  c.Polygon({{float(cx - 22), float(base - 130)},
             {float(cx), float(base - 180)},
             {float(cx + 22), float(base - 130)}},
            roof);
  for (int i = 0; i < 8; ++i) c.Rect(cx - 60 + i * 16, base - 78, 9, 8, wall);
  c.Rect(cx - 12, base - 34, 24, 34, pal::WoodDeep);
  for (int i = 0; i < 4; ++i) c.Rect(cx - 50 + i * 30, base - 56, 4, 7, pal::FireLight);
  if (burning) {
    for (int i = 0; i < 6; ++i) {
      const float x = float(cx - 70 + i * 28), y = float(base - 60 - (i % 3) * 30);
      c.Ellipse(x, y, 10, 18, pal::Fire);
      c.Ellipse(x, y + 4, 5, 10, pal::FireLight);
    }
  }
  c.OutlineShapes(pal::Ink);
}

void Hills(Canvas& c, int top, Rgb near, Rgb far) {
  for (int x = 0; x < c.w; ++x) {
    const float fx = float(x);
    const int a = top + int(10 * std::sin(fx * 0.02f) + 6 * std::sin(fx * 0.07f + 1.0f));
    const int b = top + 30 + int(8 * std::sin(fx * 0.013f + 2.0f));
    c.Rect(x, a, 1, c.h - a, far);
    c.Rect(x, b, 1, c.h - b, near);
  }
}

// The scene's words on a parchment scroll at the bottom of the picture.
void StoryScroll(Canvas& c, const story_texts::StoryText& text, story_picture::WordsScroll at) {
  const int x = 40, w = c.w - 80, y = at.y, h = at.h;
  c.Panel(x, y, w, h, pal::Parchment, 2);
  c.Noise(x + 3, y + 3, w - 6, h - 6, 5);
  c.Frame(x + 5, y + 5, w - 10, h - 10, pal::ParchmentDark);
  TextStyle heading;
  heading.size = 26;
  heading.color = pal::RedDeep;
  heading.antialias = true;
  c.Text(x, y + 6, w, 34, text.heading, heading);
  TextStyle line;
  line.size = 18;
  line.bold = false;
  line.color = pal::Ink;
  int ly = y + 42;
  for (const char* l : text.lines) {
    if (*l) c.Text(x + 10, ly, w - 20, 24, l, line);
    ly += 24;
  }
}

void IntroPicture(Canvas& c) {
  StarrySky(c, 300, Mix(pal::BlueDeep, pal::Purple, 0.4f));
  Hills(c, 260, Mix(pal::GrassDark, pal::Night, 0.4f), Mix(pal::GrassDark, pal::Night, 0.65f));
  Castle(c, 256, 300, pal::SlateDark, pal::BlueDeep, false);
  // The enemy's fires on the far horizon.
  for (int i = 0; i < 9; ++i)
    c.Circle(float(20 + i * 14), float(258 + (i % 2) * 3), 1.5f, pal::Fire);
  for (int i = 0; i < 9; ++i)
    c.Circle(float(380 + i * 14), float(256 + (i % 2) * 3), 1.5f, pal::Fire);
  StoryScroll(c, story_texts::kIntro, story_picture::kWords[0]);
  c.Replace(0x000000, pal::Ink);
}

void SurrenderedPicture(Canvas& c) {
  c.GradientV(0, 0, c.w, 150, Mix(pal::RedDeep, pal::Night, 0.5f), pal::Fire);
  Hills(c, 120, Mix(pal::EarthDark, pal::Night, 0.5f), Mix(pal::EarthDark, pal::Night, 0.7f));
  Castle(c, 256, 150, pal::SlateDark, pal::RedDeep, true);
  // The enemy's banner over the gate.
  c.Rect(254, 40, 3, 40, pal::StoneLight);
  c.Rect(257, 40, 22, 14, pal::Red);
  StoryScroll(c, story_texts::kSurrendered, story_picture::kWords[1]);
  c.Replace(0x000000, pal::Ink);
}

void PeaceTreatyPicture(Canvas& c) {
  c.GradientV(0, 0, c.w, 190, pal::BlueLight, Lighten(pal::GoldLight, 0.3f));
  Hills(c, 140, pal::Grass, pal::GrassLight);
  // Two banners, the kingdom's and the enemy's, over a table and a scroll.
  for (int side = 0; side < 2; ++side) {
    const int x = side == 0 ? 110 : 390;
    c.Rect(x, 20, 4, 130, pal::WoodDark);
    c.Rect(x + 4, 22, 46, 60, side == 0 ? pal::Blue : pal::Red);
    c.Rect(x + 4, 22, 46, 6, side == 0 ? pal::BlueLight : pal::RedLight);
  }
  c.Rect(170, 140, 172, 14, pal::Wood);
  c.Rect(184, 154, 10, 40, pal::WoodDark);
  c.Rect(318, 154, 10, 40, pal::WoodDark);
  c.Rect(216, 124, 80, 18, pal::ParchmentLight);
  c.Line(226, 132, 286, 132, pal::InkSoft);
  c.OutlineShapes(pal::Ink);
  StoryScroll(c, story_texts::kPeaceTreaty, story_picture::kWords[2]);
  c.Replace(0x000000, pal::Ink);
}

void VictoryPicture(Canvas& c) {
  c.GradientV(0, 0, c.w, 280, pal::BlueDeep, Lighten(pal::Gold, 0.2f));
  // Rays of the rising sun behind the castle.
  for (int i = 0; i < 7; ++i) {
    const float a = 3.14159265f * (0.15f + 0.7f * float(i) / 6.0f);
    c.ThickLine(256, 230, 256 - 240 * std::cos(a), 230 - 220 * std::sin(a), 1.5f, pal::GoldLight);
  }
  Hills(c, 230, pal::Grass, Mix(pal::Grass, pal::GoldLight, 0.3f));
  Castle(c, 256, 270, pal::StoneLight, pal::Blue, false);
  // The kingdom's banner on the keep.
  c.Rect(255, 50, 3, 40, pal::StoneLight);
  c.Rect(258, 50, 24, 15, pal::Blue);
  StoryScroll(c, story_texts::kVictory, story_picture::kWords[3]);
  c.Replace(0x000000, pal::Ink);
}

// A tumbling rock of fw x fh frames.
void Rocks(Canvas& c, int fw, int fh) {
  ForEachFrame(c, fw, fh, story_picture::kRockFrames, [fw, fh](Canvas& f, int k) {
    const float turn = float(k) / 16.0f * 2.0f * 3.14159265f;
    const float cx = fw / 2.0f, cy = fh / 2.0f, rad = fw * 0.42f;
    std::vector<Pt> p;
    for (int i = 0; i < 7; ++i) {
      const float a = turn + float(i) * 2.0f * 3.14159265f / 7.0f;
      const float rr = rad * (i % 2 ? 0.8f : 1.0f);
      p.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    f.Polygon(p, pal::Stone);
    f.Circle(cx - rad * 0.3f, cy - rad * 0.3f, rad * 0.3f, pal::StoneLight);
    f.OutlineShapes(pal::Ink);
  });
}

// ---------------------------------------------------------------- hall of fame

// The hall: a dark stone wall with five plaques, one per row; the scores sit
// at the top of each plaque and the names below them. Screen positions are
// converted to the picture's 512 x 256.
void HallBackground(Canvas& c) {
  constexpr float kSx = 512.0f / 800.0f, kSy = 256.0f / 600.0f;
  auto X = [&](float x) { return int(std::lround(x * kSx)); };
  auto Y = [&](float y) { return int(std::lround(y * kSy)); };
  c.GradientV(0, 0, c.w, c.h, Mix(pal::SlateDark, pal::Night, 0.6f),
              Mix(pal::SlateDark, pal::Night, 0.3f));
  for (int y = 0; y < c.h; y += 8)
    for (int x = (y / 8) % 2 ? 0 : 8; x < c.w; x += 16)
      c.Frame(x, y, 16, 8, Mix(pal::SlateDark, pal::Night, 0.7f));
  c.Noise(0, 0, c.w, c.h, 5);
  for (int r = 0; r < 5; ++r) {
    const int top = Y(float(hall_of_fame_picture::kScoreY[r]) - 8);
    const int bottom = Y(float(hall_of_fame_picture::kNameY[r]) + 52);
    const int x0 = X(140), x1 = X(660);
    c.Panel(x0, top, x1 - x0, bottom - top, r == 0 ? pal::GoldDark : pal::Wood, 1);
    c.Rect(x0 + 3, top + 2, x1 - x0 - 6, bottom - top - 4, Mix(pal::WoodDeep, pal::Ink, 0.3f));
    c.Frame(x0 + 2, top + 1, x1 - x0 - 4, bottom - top - 2, r == 0 ? pal::GoldLight : pal::Gold);
  }
  // Torches on the side walls.
  for (int side = 0; side < 2; ++side) {
    const int x = side == 0 ? X(60) : X(740);
    for (int r = 0; r < 3; ++r) {
      const int y = Y(120.0f + 180.0f * float(r));
      c.Rect(x - 1, y, 3, 10, pal::WoodDark);
      c.Ellipse(float(x), float(y - 3), 3, 5, pal::Fire);
      c.Ellipse(float(x), float(y - 2), 1.5f, 3, pal::FireLight);
    }
  }
  TextStyle title = GoldCaption(12);
  c.Text(0, Y(560), X(140), Y(40), "Hall of Fame", title);
}

// A row's score: its digits 17 to 19 pixels apart at 0.6.
void Digits(Canvas& c) { DigitCells(c, 32, 32, 17 / 0.6f, GoldCaption(32)); }

}  // namespace

ASSETGEN_TABLE(NameEntryPictures) {
  namespace p = name_entry_picture;
  Register(r, p::kBoxes[0], NameBoxFace);
  Register(r, p::kBoxes[1], [](Canvas& c) { NameBoxEdge(c, true); });
  Register(r, p::kBoxes[2], [](Canvas& c) { NameBoxEdge(c, false); });
  Register(r, p::kBoxes[3], [](Canvas& c) { NameBoxEdge(c, false); });
  Register(r, p::kHands[0], Rail);
  Register(r, p::kHands[1], RailPost);
  Register(r, p::kHands[2], Scroll);
  Register(r, p::kHands[3], Arm);
  Register(r, p::kHands[4], Pedestal);
  Register(r, p::kHands[5], Crest);
  Register(r, p::kShock, 256, 256, Lightning);
  Register(r, p::kTitle,
           [](Canvas& c) { c.Text(0, 0, c.w, c.h, "Enter Your Name", GoldCaption(22)); });
  Register(r, p::kLetters, 256, 192, [](Canvas& c) {
    LetterSheet(c, 16, 32, kTypedPitch, 0, p::kLetterFrames, LetterStyle(pal::ParchmentLight),
                true);
  });
  Register(r, p::kReady, 384, 32, [](Canvas& c) { ButtonLooks(c, p::kReady, "Ready"); });
  Register(r, p::kClear, 192, 32, [](Canvas& c) { ButtonLooks(c, p::kClear, "Clear"); });
}

ASSETGEN_TABLE(PortraitChoicePictures) {
  namespace p = new_game_picture;
  Register(r, p::kWords[p::kWordChoose], [](Canvas& c) {
    Banner(c, true, false);
    // "your" covers this picture's right end.
    c.Text(8, 0, c.w - 26, c.h, "Choose", GoldCaption(22));
  });
  Register(r, p::kWords[p::kWordYour], [](Canvas& c) {
    Banner(c, false, true);
    c.Text(0, 0, c.w - 6, c.h, "your", GoldCaption(22));
  });
  Register(r, p::kWords[p::kWordPortrait], [](Canvas& c) {
    Banner(c, true, true);
    c.Text(6, 0, c.w - 12, c.h, "portrait", GoldCaption(22));
  });
  Register(r, p::kWords[p::kWordReady],
           [](Canvas& c) { c.Text(0, 0, c.w, c.h, "Ready", GoldCaption(18)); });
  Register(r, p::kReadyButton, 192, 64, RoundButton);
  Register(r, p::kPictures[p::kPictureFrame], PortraitFrame);
  Register(r, p::kPictures[p::kPicturePortraits], 256, 128,
           [](Canvas& c) { ForEachFrame(c, 128, 128, p::kPortraitCount, Face); });
  Register(r, p::kPictures[p::kPictureCorners], 512, 256, StarRing);
  Register(r, p::kPictures[p::kPictureAsteroid], 512, 512, Asteroid);
  Register(r, p::kLeftArrow, 192, 32, [](Canvas& c) { Arrow(c, true); });
  Register(r, p::kRightArrow, 192, 32, [](Canvas& c) { Arrow(c, false); });
}

ASSETGEN_TABLE(StoryPictures) {
  namespace p = story_picture;
  Register(r, p::kIntro, IntroPicture);
  Register(r, p::kSurrendered, SurrenderedPicture);
  Register(r, p::kPeaceTreaty, PeaceTreatyPicture);
  Register(r, p::kVictory, VictoryPicture);
  Register(r, p::kRocks, 128, 128, [](Canvas& c) { Rocks(c, 32, 32); });
  Register(r, p::kFragments, 64, 64, [](Canvas& c) { Rocks(c, 16, 16); });
}

ASSETGEN_TABLE(HallOfFamePictures) {
  namespace p = hall_of_fame_picture;
  Register(r, p::kBackground, HallBackground);
  Register(r, p::kDigits, 320, 32, Digits);
  Register(r, p::kLettersHigh, 256, 512, [](Canvas& c) {
    LetterSheet(c, 32, 64, kHallNamePitch, 28, 62, LetterStyle(pal::ParchmentLight), false);
  });
  Register(r, p::kLettersLow, 256, 256, [](Canvas& c) {
    LetterSheet(c, 32, 64, kHallNamePitch, 0, 28, LetterStyle(pal::ParchmentLight), false);
  });
}
