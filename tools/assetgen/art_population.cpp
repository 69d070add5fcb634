// Everything that stands on the kingdom map and the map's own panels: the
// enemy armies, gold piles, bags, chests and prisons, the selection ring,
// route dots and click marks, the unit panel with its buttons, icons, words
// and portraits, the message panels, the corner boxes and the digits. The
// people are drawn from the shared figure model (art_people.h); the army
// icons come with the battle's army pictures (art_battle_units.cpp).
#include <cmath>
#include <string>

#include "art_figure.h"
#include "art_people.h"
#include "assetgen.h"
#include "letter_cells.h"

using namespace assetgen;
using namespace people;
using figart::Scene;
using figart::Shape;
using figart::V2;

namespace {

// ------------------------------------------------------------------ enemies

struct MapEnemy {
  const char* file;
  uint32_t key;
  bool dogs;
  Look look;
};

std::vector<MapEnemy> MapEnemies() {
  return {
      {"Art\\Map\\Enemy1.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Bandits)},
      {"Art\\Map\\Enemy2.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Raiders)},
      {"Art\\Map\\EnemyDog.bmp", kKeyRed, true, EnemyLook(EnemyKind::Bandits)},  // wolves
      {"Art\\Map\\Enemy3.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Veterans)},
      {"Art\\Map\\Enemy4.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Archers)},
      {"Art\\Map\\Enemy5.bmp", kKeyBlack, false, EnemyLook(EnemyKind::RedHeads)},
      {"Art\\Map\\Enemy6.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Heavy)},
      {"Art\\Map\\Enemy7.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Host)},
      {"Art\\Map\\Enemy8.bmp", kKeyBlack, false, EnemyLook(EnemyKind::Desert)},
  };
}

// An army: a leader in front and two behind. Rows: 0 and 2 face the viewer
// (row 0 standing), 1 right, 3 left; four walking phases a row.
void DrawEnemy(Canvas& c, const MapEnemy& kind) {
  ForEachFrame(c, 64, 64, 16, [&](Canvas& f, int k) {
    const int row = k / 4, phase = k % 4;
    const int view = (row == 1 || row == 3) ? 2 : 4;
    const float dir = row == 3 ? -1.0f : 1.0f;
    const float stride = row == 0 ? 0.0f : kStride[phase];
    Scene s;
    // The game draws the frame at 0.8 from the cell's corner: the group
    // stands in the frame's top-left 50 x 50, which covers the cell.
    if (kind.dogs) {
      AddDog(s, Place{17.0f, 30.0f, 0.85f, dir}, pal::Slate, pal::SlateLight, -stride, true, view);
      AddDog(s, Place{33.0f, 37.0f, 0.85f, dir}, pal::SlateDark, pal::Slate, stride, true, view);
      AddDog(s, Place{22.0f, 49.0f, 0.95f, dir}, pal::Slate, pal::StoneLight, -stride, true, view);
    } else {
      const Look back = RankOf(kind.look);
      AddPerson(s, Place{12.0f, 40.0f, 0.62f, dir}, back, view, -stride);
      AddPerson(s, Place{38.0f, 40.0f, 0.62f, dir}, back, view, stride);
      AddPerson(s, Place{25.0f, 49.5f, 0.74f, dir}, kind.look, view, stride);
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

// ------------------------------------------------------------------ map objects

void DrawCoin(Scene& s, float x, float y, float r) {
  Shape& c = s.Ellipse(x, y, r, r * 0.55f, pal::Gold);
  c.bevel = 1.5f;
  c.metal = true;
  Plain(s.Ellipse(x - r * 0.25f, y - r * 0.15f, r * 0.35f, r * 0.15f, pal::GoldLight));
}

void DrawGoldPile(Canvas& c) {
  Scene s;
  Plain(s.Ellipse(32, 52, 22, 6, Mix(pal::Ink, pal::GrassDark, 0.35f)));
  Shape& heap = s.Polygon({{10, 50}, {20, 34}, {32, 24}, {44, 34}, {54, 50}}, pal::GoldDark);
  heap.bevel = 3;
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i <= 3 - row; ++i)
      DrawCoin(s, 17.0f + row * 5.0f + i * 10.0f, 49.0f - row * 7.0f, 5.5f);
  DrawCoin(s, 50, 55, 4.5f);
  DrawCoin(s, 13, 56, 4.0f);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

void DrawBag(Canvas& c) {
  Scene s;
  Plain(s.Ellipse(32, 55, 20, 5, Mix(pal::Ink, pal::GrassDark, 0.35f)));
  Shape& sack =
      s.Polygon({{16, 54}, {12, 40}, {18, 26}, {26, 20}, {38, 20}, {46, 26}, {52, 40}, {48, 54}},
                pal::EarthLight);
  sack.bevel = 4;
  sack.pattern = figart::Pattern::Weave;
  s.Polygon({{25, 21}, {22, 12}, {28, 16}, {32, 10}, {36, 16}, {42, 12}, {39, 21}}, pal::EarthLight)
      .bevel = 2;
  s.Box(23, 19, 41, 23, 2, pal::WoodDark);
  Plain(s.Capsule(30, 22, 27, 30, 1, 1, pal::WoodDark));
  DrawCoin(s, 20, 55, 4.5f);
  DrawCoin(s, 27, 58, 4.0f);
  // A stitched gold sign on the sack.
  Plain(s.Ellipse(34, 40, 6, 6, pal::GoldDark));
  Plain(s.Ellipse(34, 40, 4.2f, 4.2f, pal::Gold));
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

void DrawChest(Canvas& c) {
  ForEachFrame(c, 64, 64, 4, [](Canvas& f, int k) {
    Scene s;
    Plain(s.Ellipse(32, 55, 24, 5, Mix(pal::Ink, pal::GrassDark, 0.35f)));
    Shape& body = s.Box(9, 30, 55, 54, 2, pal::Wood);
    body.pattern = figart::Pattern::Bands;
    body.patternColor = pal::WoodDeep;
    body.patternSize = 6;
    Shape& lid = s.Box(9, 16, 55, 31, 8, pal::WoodLight);
    lid.dome = true;
    for (float x : {14.0f, 46.0f}) s.Box(x, 15, x + 5, 54, 1, pal::Iron).metal = true;
    s.Box(8, 29, 56, 33, 1, pal::Iron).metal = true;
    s.Box(27, 27, 37, 39, 2, pal::Gold).metal = true;
    Plain(s.Ellipse(32, 34.5f, 1.5f, 2.2f, pal::Ink));
    // A glint runs along the lid.
    const float gx = 16.0f + k * 11.0f, gy = k % 2 ? 20.0f : 22.0f;
    Plain(s.Polygon({{gx, gy - 6},
                     {gx + 1.3f, gy - 1.3f},
                     {gx + 6, gy},
                     {gx + 1.3f, gy + 1.3f},
                     {gx, gy + 6},
                     {gx - 1.3f, gy + 1.3f},
                     {gx - 6, gy},
                     {gx - 1.3f, gy - 1.3f}},
                    pal::ParchmentLight));
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

void DrawPrison(Canvas& c) {
  Scene s;
  s.Box(3, 26, 29, 30, 1, pal::WoodDark);
  s.Polygon({{2, 9}, {16, 2}, {30, 9}}, pal::SlateDark).bevel = 1;
  for (int i = 0; i < 5; ++i)
    Plain(s.Capsule(5.0f + i * 5.5f, 9, 5.0f + i * 5.5f, 27, 0.9f, 0.9f, pal::Iron));
  s.Box(3, 8, 29, 11, 1, pal::Iron).metal = true;
  s.Box(3, 17, 29, 19, 1, pal::Iron);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

void DrawRing(Canvas& c) {
  Scene s;
  Shape& outer = s.Ellipse(16, 23, 14.5f, 7.5f, pal::Gold);
  outer.bevel = 1;
  Shape& hole = s.Ellipse(16, 23, 11.0f, 5.0f, 0);
  hole.hole = true;
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

void DrawDots(Canvas& c) {
  ForEachFrame(c, 32, 32, 2, [](Canvas& f, int k) {
    Scene s;
    if (k == 0) {
      Shape& d = s.Ellipse(16, 16, 8, 8, pal::Gold);
      d.dome = true;
    } else {
      Shape& ring = s.Ellipse(16, 16, 14, 14, pal::GoldLight);
      ring.bevel = 1.5f;
      Shape& hole = s.Ellipse(16, 16, 10, 10, 0);
      hole.hole = true;
      s.Ellipse(16, 16, 6, 6, pal::Red).dome = true;
    }
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

// The marks over a map cell are drawn whole: a dark tile with a sign.
void MarkTile(Canvas& c, Rgb ground) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, ground, 2);
}

void DrawBlockedMark(Canvas& c) {
  MarkTile(c, pal::SlateDark);
  c.Circle(16, 16, 11, pal::RedLight);
  c.Circle(16, 16, 9, pal::Red);
  c.Rect(9, 14, 15, 4, pal::ParchmentLight);
}

void DrawBattleMark(Canvas& c) {
  MarkTile(c, pal::RedDeep);
  for (int d = -1; d <= 1; d += 2) {
    c.ThickLine(16 - d * 10, 6, 16 + d * 8, 24, 3, pal::Steel);
    c.ThickLine(16 - d * 10, 6, 16 + d * 8, 24, 1, pal::Silver);
    c.ThickLine(16 + d * 5, 21, 16 + d * 11, 19, 2, pal::Gold);
    c.ThickLine(16 + d * 8, 24, 16 + d * 11, 27, 3, pal::WoodDark);
  }
}

void DrawClickBlocked(Canvas& c) {
  MarkTile(c, pal::InkSoft);
  c.ThickLine(8, 8, 24, 24, 4.5f, pal::Red);
  c.ThickLine(24, 8, 8, 24, 4.5f, pal::Red);
  c.ThickLine(8, 8, 24, 24, 1.5f, pal::RedLight);
  c.ThickLine(24, 8, 8, 24, 1.5f, pal::RedLight);
}

// ------------------------------------------------------------------ icons and words

void Icon(Canvas& c, const std::function<void(Scene&)>& build) {
  Scene s;
  build(s);
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

void DrawWalkIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Polygon({{9, 4}, {19, 4}, {19, 19}, {27, 22}, {28, 28}, {7, 28}, {8, 18}}, pal::Earth).bevel =
        2;
    s.Box(6, 26, 29, 29, 1, pal::WoodDeep);
    Plain(s.Box(9, 7, 19, 9, 0.5f, pal::Gold));
  });
}

void DrawAttackIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    for (int d = -1; d <= 1; d += 2) {
      s.Capsule(16 - d * 12, 4, 16 + d * 7, 23, 1.8f, 1.2f, pal::Steel).metal = true;
      s.Capsule(16 + d * 3, 24, 16 + d * 11, 19, 1.3f, 1.3f, pal::Gold);
      s.Capsule(16 + d * 7, 23, 16 + d * 11, 28, 1.5f, 1.5f, pal::WoodDark);
    }
  });
}

void DrawInspectIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Capsule(19, 19, 27, 27, 2.6f, 2.6f, pal::WoodDark);
    s.Ellipse(13, 13, 10, 10, pal::Gold).metal = true;
    s.Ellipse(13, 13, 7, 7, pal::WaterLight).dome = true;
    Plain(s.Ellipse(10.5f, 10.5f, 2.2f, 1.6f, pal::ParchmentLight));
  });
}

void DrawTradeIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Polygon({{3, 10}, {12, 3}, {12, 7}, {26, 7}, {26, 13}, {12, 13}, {12, 17}}, pal::GoldLight)
        .bevel = 1.5f;
    s.Polygon({{29, 22}, {20, 15}, {20, 19}, {6, 19}, {6, 25}, {20, 25}, {20, 29}}, pal::Gold)
        .bevel = 1.5f;
  });
}

void DrawCenterIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Ellipse(16, 16, 12, 12, pal::Gold).bevel = 1.5f;
    s.Ellipse(16, 16, 9, 9, 0).hole = true;
    for (int i = 0; i < 4; ++i) {
      const float dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
      s.Capsule(16 + dx[i] * 7, 16 + dy[i] * 7, 16 + dx[i] * 15, 16 + dy[i] * 15, 1.3f, 1.3f,
                pal::GoldLight);
    }
    s.Ellipse(16, 16, 3, 3, pal::Red).dome = true;
  });
}

void DrawNextIcon(Canvas& c) {
  Icon(c, [](Scene& s) {
    s.Polygon({{4, 11}, {17, 11}, {17, 4}, {29, 16}, {17, 28}, {17, 21}, {4, 21}}, pal::Gold)
        .bevel = 2;
    Plain(s.Box(6, 13, 15, 15, 0.5f, pal::GoldLight));
  });
}

void DrawWord(Canvas& c, const std::string& word) {
  c.Text(1, 3, c.w - 2, c.h - 6, word, GoldCaption(18));
}

// ------------------------------------------------------------------ panels and boxes

// Every text panel, talk box and note, the find's panel and the battle's
// panels and bar: one 64 x 64 picture that each screen stretches to its own
// box (6.7 x 6.6 for the raising popup, 12.5 x 1.25 for the battle bar,
// down to 0.6 high for the fame lines). Scaling repeats each pixel, so a
// line one pixel in from the edge would stand a whole scaled pixel inside
// the box, where the first line of text is: the gold frame is the outermost
// row and column only, lit on the top and left, darker on the bottom and
// right, with a light stud at each corner. The dark field inside, lit a
// little towards its middle where a find shows its gem, gold, artifact or
// item, runs right up to it, so every text over it keeps its contrast.
// (Drawn less than one high, the blitter may skip the last row: the fame
// lines at 0.6 show no bottom line, which no row further in could give them
// without standing inside every taller box.)
void DrawMessagePanel(Canvas& c) {
  const Rgb top = Mix(pal::WoodDeep, pal::Night, 0.35f),
            bottom = Mix(pal::WoodDeep, pal::Ink, 0.55f);
  const float cx = (c.w - 1) / 2.0f, cy = (c.h - 1) / 2.0f;
  for (int y = 0; y < c.h; ++y) {
    const Rgb row = Mix(top, bottom, float(y) / float(c.h - 1));
    for (int x = 0; x < c.w; ++x) {
      const float dx = (x - cx) / cx, dy = (y - cy) / cy;
      const float light = std::max(0.0f, 1.0f - (dx * dx + dy * dy)) * 0.3f;
      c.Set(x, y, Mix(row, pal::WoodDark, light));
    }
  }
  const int right = c.w - 1, lowest = c.h - 1;
  c.Rect(0, 0, c.w, 1, pal::Gold);
  c.Rect(0, 0, 1, c.h, pal::Gold);
  c.Rect(0, lowest, c.w, 1, pal::GoldDark);
  c.Rect(right, 0, 1, c.h, pal::GoldDark);
  for (int x : {0, right})
    for (int y : {0, lowest}) c.Set(x, y, pal::GoldLight);
}

void DrawBox(Canvas& c, int rim) {
  c.Fill(pal::Ink);
  c.GradientV(1, 1, c.w - 2, c.h - 2, Mix(pal::WoodDeep, pal::Night, 0.3f),
              Mix(pal::WoodDeep, pal::Ink, 0.6f));
  c.Frame(1, 1, c.w - 2, c.h - 2, pal::GoldDark, rim);
  c.Frame(1 + rim, 1 + rim, c.w - 2 - 2 * rim, c.h - 2 - 2 * rim, pal::Gold);
  c.Frame(2 + rim, 2 + rim, c.w - 4 - 2 * rim, c.h - 4 - 2 * rim,
          Mix(pal::Ink, pal::WoodDeep, 0.5f));
  // Gold studs at the corners.
  const int xs[2] = {2, c.w - 2 - rim - 2}, ys[2] = {2, c.h - 2 - rim - 2};
  for (int x : xs)
    for (int y : ys) c.Rect(x, y, rim + 2, rim + 2, pal::GoldLight);
}

void DrawMapBox(Canvas& c) {
  DrawBox(c, 4);
  // A faint compass rose and map lines behind the day.
  const Rgb faint = Mix(pal::WoodDeep, pal::Parchment, 0.12f);
  for (int i = 0; i < 7; ++i) c.Line(14, 20 + i * 15, c.w - 15, 14 + i * 15, faint);
  const float cx = c.w - 40, cy = c.h / 2.0f;
  c.Polygon({{cx, cy - 30}, {cx + 6, cy}, {cx, cy + 30}, {cx - 6, cy}},
            Mix(pal::WoodDeep, pal::Gold, 0.25f));
  c.Polygon({{cx - 30, cy}, {cx, cy - 6}, {cx + 30, cy}, {cx, cy + 6}},
            Mix(pal::WoodDeep, pal::Gold, 0.2f));
}

// The unit panel's strip: six wells under the army icons (the strip is
// drawn 4.7 x 1.8 times its size, an icon every 48 pixels from 103).
void DrawUnitStrip(Canvas& c) {
  c.Fill(pal::Ink);
  c.GradientV(0, 1, c.w, c.h - 2, pal::Wood, pal::WoodDark);
  c.Rect(0, 1, c.w, 1, pal::WoodLight);
  for (int k = 0; k < 6; ++k) {
    const int x = int(std::lround(0.64f + k * 10.21f)), w = 10;
    c.Well(x, 5, w, 22, Mix(pal::WoodDeep, pal::Ink, 0.4f), 1);
  }
  c.Rect(0, c.h - 1, c.w, 1, pal::Ink);
}

void DrawStepsBox(Canvas& c) {
  c.Fill(pal::Ink);
  c.GradientV(1, 1, c.w - 2, c.h - 2, pal::Wood, pal::WoodDark);
  c.Well(7, 8, 18, 20, Mix(pal::WoodDeep, pal::Ink, 0.4f), 1);
  // A small boot over the number.
  c.Rect(13, 2, 4, 4, pal::Gold);
  c.Rect(13, 5, 7, 2, pal::Gold);
}

void DrawMouse(Canvas& c) {
  ForEachFrame(c, 32, 64, 2, [](Canvas& f, int k) {
    Scene s;
    // Drawn 40 pixels apart at 0.9: the mouse keeps to the frame's top 44 rows.
    Plain(s.Capsule(16, 1, 16, 8, 0.8f, 0.8f, pal::Slate));
    Shape& body = s.Box(7, 7, 25, 42, 8, pal::StoneLight);
    body.dome = true;
    s.Box(7, 7, 15.5f, 21, 4, k == 0 ? pal::Gold : pal::Stone);
    s.Box(16.5f, 7, 25, 21, 4, k == 1 ? pal::Gold : pal::Stone);
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

// Gold on the map's corner box (20 pixels apart at 0.6) and in a find (22 at
// 0.7, the tightest), the bar's shield, the wealth screen's sums.
void DrawDigits(Canvas& c) {
  TextStyle t = GoldCaption(32);
  t.color = pal::GoldLight;
  DigitCells(c, 32, 32, 22 / 0.7f, t);
}

// ------------------------------------------------------------------ finds

// Gem g: one of six cuts in one of five stones.
void DrawGem(Canvas& c, int g) {
  static const Rgb kStones[5][2] = {{pal::RedLight, pal::RedDeep},
                                    {pal::BlueLight, pal::BlueDeep},
                                    {pal::GrassLight, pal::GrassDark},
                                    {Lighten(pal::Purple, 0.3f), pal::Purple},
                                    {pal::GoldLight, pal::GoldDark}};
  const int cut = g % 6;
  const Rgb light = g >= 25 ? pal::Silver : kStones[(g / 6) % 5][0];
  const Rgb dark = g >= 25 ? pal::SlateDark : kStones[(g / 6) % 5][1];
  Scene s;
  std::vector<V2> outline;
  switch (cut) {
    case 0: outline = {{16, 4}, {27, 11}, {16, 29}, {5, 11}}; break;  // brilliant
    case 1:
      outline = {{10, 5}, {22, 5}, {28, 12}, {28, 20}, {22, 27}, {10, 27}, {4, 20}, {4, 12}};
      break;
    case 2:
      outline = {{8, 6}, {24, 6}, {27, 9}, {27, 23}, {24, 26}, {8, 26}, {5, 23}, {5, 9}};
      break;
    case 3: outline = {{16, 3}, {24, 16}, {16, 29}, {8, 16}}; break;  // marquise
    case 4:
      outline = {{16, 28}, {4, 14}, {6, 7}, {12, 6}, {16, 10}, {20, 6}, {26, 7}, {28, 14}};
      break;
    default: outline = {{16, 4}, {29, 27}, {3, 27}}; break;  // trillion
  }
  Shape& body = s.Polygon(outline, dark);
  body.bevel = 2.5f;
  // Facets: a lighter table and a glint.
  std::vector<V2> table;
  for (V2 v : outline) table.push_back({16 + (v.x - 16) * 0.55f, 15 + (v.y - 15) * 0.55f});
  Plain(s.Polygon(table, light));
  Plain(s.Polygon({{11, 10}, {15, 8}, {13, 13}}, pal::ParchmentLight));
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

// Artifact a: fifteen treasures of the kingdom, each tall and narrow.
void DrawArtifact(Canvas& c, int a) {
  Scene s;
  const Rgb gold = pal::Gold;
  switch (a) {
    case 0:  // a crown on a cushion
      s.Box(4, 44, 28, 56, 4, pal::Red).dome = true;
      s.Box(6, 32, 26, 44, 1, gold).metal = true;
      for (int i = 0; i < 3; ++i)
        s.Polygon({{6.0f + i * 7, 33}, {9.5f + i * 7, 22}, {13.0f + i * 7, 33}}, gold);
      Plain(s.Ellipse(16, 38, 2.5f, 2.5f, pal::Blue));
      break;
    case 1:  // a sceptre
      Plain(s.Capsule(16, 18, 16, 60, 2, 2, gold));
      s.Ellipse(16, 12, 6, 6, pal::RedLight).dome = true;
      s.Box(11, 17, 21, 21, 1, gold);
      break;
    case 2:  // a chalice
      s.Polygon({{6, 10}, {26, 10}, {22, 30}, {10, 30}}, gold).metal = true;
      Plain(s.Capsule(16, 30, 16, 48, 2, 2, pal::GoldDark));
      s.Ellipse(16, 52, 9, 4, gold);
      Plain(s.Ellipse(16, 20, 2.5f, 2.5f, pal::BlueLight));
      break;
    case 3:  // an orb with a cross
      s.Ellipse(16, 40, 12, 12, pal::BlueLight).dome = true;
      Plain(s.Box(4, 38, 28, 42, 1, gold));
      Plain(s.Capsule(16, 14, 16, 28, 1.6f, 1.6f, gold));
      Plain(s.Capsule(11, 19, 21, 19, 1.6f, 1.6f, gold));
      break;
    case 4:  // a war horn
      s.Polygon({{6, 14}, {12, 10}, {24, 40}, {26, 56}, {18, 56}, {16, 42}}, pal::ParchmentLight)
          .bevel = 2;
      Plain(s.Box(9, 20, 17, 23, 1, gold));
      Plain(s.Box(15, 36, 23, 39, 1, gold));
      break;
    case 5:  // a scroll
      s.Box(8, 10, 24, 54, 2, pal::Parchment).pattern = figart::Pattern::Weave;
      s.Capsule(5, 10, 27, 10, 3, 3, pal::ParchmentDark);
      s.Capsule(5, 54, 27, 54, 3, 3, pal::ParchmentDark);
      for (int i = 0; i < 6; ++i)
        Plain(s.Box(11, 17.0f + i * 5, 21, 18.0f + i * 5, 0.3f, pal::InkSoft));
      Plain(s.Ellipse(16, 48, 3, 3, pal::Red));
      break;
    case 6:  // an idol
      s.Box(9, 48, 23, 58, 1, pal::StoneDark);
      s.Ellipse(16, 36, 7, 12, gold).metal = true;
      s.Ellipse(16, 16, 7, 8, gold).dome = true;
      Plain(s.Ellipse(13, 15, 1.3f, 1.3f, pal::Red));
      Plain(s.Ellipse(19, 15, 1.3f, 1.3f, pal::Red));
      break;
    case 7:  // an hourglass
      s.Box(5, 6, 27, 10, 1, pal::Wood);
      s.Box(5, 54, 27, 58, 1, pal::Wood);
      s.Polygon({{8, 10}, {24, 10}, {17, 32}, {24, 54}, {8, 54}, {15, 32}}, pal::WaterLight).bevel =
          1;
      Plain(s.Polygon({{10, 54}, {22, 54}, {16, 44}}, pal::Sand));
      Plain(s.Polygon({{12, 14}, {20, 14}, {16, 24}}, pal::Sand));
      break;
    case 8:  // a lantern
      Plain(s.Capsule(16, 4, 16, 12, 1.2f, 1.2f, pal::Iron));
      s.Polygon({{8, 16}, {24, 16}, {22, 12}, {10, 12}}, pal::Iron);
      s.Box(9, 16, 23, 46, 2, pal::FireLight).dome = true;
      Plain(s.Ellipse(16, 32, 3, 6, pal::Fire));
      s.Box(7, 46, 25, 52, 1, pal::Iron);
      break;
    case 9:  // a ceremonial dagger
      s.Polygon({{13, 32}, {16, 4}, {19, 32}}, pal::Silver).metal = true;
      s.Box(7, 32, 25, 36, 1, gold);
      Plain(s.Capsule(16, 36, 16, 52, 2.2f, 2.2f, pal::RedDeep));
      s.Ellipse(16, 55, 3.5f, 3.5f, gold);
      break;
    case 10:  // a holy book
      s.Box(5, 14, 27, 50, 2, pal::RedDeep).bevel = 2;
      Plain(s.Box(24, 16, 27, 48, 0.5f, pal::ParchmentLight));
      Plain(s.Capsule(16, 22, 16, 40, 1.5f, 1.5f, gold));
      Plain(s.Capsule(10, 28, 22, 28, 1.5f, 1.5f, gold));
      break;
    case 11:  // a harp
      s.Polygon({{6, 8}, {12, 6}, {26, 40}, {24, 58}, {8, 58}}, gold).bevel = 2;
      s.Polygon({{11, 14}, {21, 40}, {20, 52}, {11, 52}}, 0).hole = true;
      for (int i = 0; i < 4; ++i)
        Plain(s.Capsule(12.0f + i * 2.5f, 14.0f + i * 6, 12.0f + i * 2.5f, 52, 0.4f, 0.4f,
                        pal::ParchmentLight));
      break;
    case 12:  // a great key
      s.Ellipse(16, 13, 8, 8, gold).bevel = 2;
      s.Ellipse(16, 13, 4, 4, 0).hole = true;
      Plain(s.Capsule(16, 20, 16, 56, 2.2f, 2.2f, gold));
      Plain(s.Box(16, 46, 24, 49, 0.5f, gold));
      Plain(s.Box(16, 52, 22, 55, 0.5f, gold));
      break;
    case 13:  // a mask
      s.Ellipse(16, 30, 12, 17, pal::Silver).metal = true;
      Plain(s.Ellipse(11, 26, 3, 2, pal::Night));
      Plain(s.Ellipse(21, 26, 3, 2, pal::Night));
      Plain(s.Box(12, 38, 20, 40, 1, pal::Night));
      Plain(s.Capsule(16, 14, 16, 22, 1, 1, pal::Blue));
      break;
    default:  // a crystal staff
      Plain(s.Capsule(16, 18, 16, 61, 1.8f, 1.8f, pal::WoodLight));
      s.Polygon({{16, 2}, {22, 12}, {16, 20}, {10, 12}}, pal::Enchanted).bevel = 2;
      Plain(s.Polygon({{14, 7}, {16, 5}, {15, 11}}, pal::ParchmentLight));
      break;
  }
  figart::RenderPlaced(s, c, 0, 0, 1, 1);
}

}  // namespace

ASSETGEN_TABLE(FindPictures) {
  for (int g = 0; g < 30; ++g)
    r.Picture("Art\\Wealth\\Gem" + std::to_string(g + 1) + ".bmp", 32, 32, 32, 32,
              g == 1 ? kKeyRed : kKeyBlack, [g](Canvas& c) { DrawGem(c, g); });
  for (int a = 0; a < 15; ++a)
    r.Picture("Art\\Wealth\\Artifact" + std::to_string(a + 1) + ".bmp", 32, 64, 32, 64, kKeyBlack,
              [a](Canvas& c) { DrawArtifact(c, a); });
}

ASSETGEN_TABLE(PopulationPictures) {
  // The party's walking and fighting figures are the battle's (art_battle_figure.cpp).
  r.Picture("Art\\Map\\Selected.bmp", 32, 32, 32, 32, kKeyBlack, DrawRing);
  r.Picture("Art\\Map\\Dot.bmp", 64, 32, 32, 32, kKeyBlack, DrawDots);

  // Treasure.
  r.Picture("Art\\Map\\Gold.bmp", 64, 64, 64, 64, kKeyBlack, DrawGoldPile);
  r.Picture("Art\\Map\\Bag.bmp", 64, 64, 64, 64, kKeyBlack, DrawBag);
  r.Picture("Art\\Map\\Chest.bmp", 256, 64, 64, 64, kKeyBlack, DrawChest);
  r.Picture("Art\\Heroes\\Prison.bmp", 32, 32, 32, 32, kKeyRed, DrawPrison);

  // The enemy armies.
  for (const MapEnemy& kind : MapEnemies())
    r.Picture(kind.file, 256, 256, 64, 64, kind.key, [kind](Canvas& c) { DrawEnemy(c, kind); });

  // Marks over the map.
  r.Picture("Art\\Fight\\Blocked.bmp", 32, 32, 32, 32, kKeyNone, DrawBlockedMark);
  r.Picture("Art\\Fight\\Battle.bmp", 32, 32, 32, 32, kKeyNone, DrawBattleMark);
  r.Picture("Art\\Fight\\Blocked2.bmp", 32, 32, 32, 32, kKeyNone, DrawClickBlocked);

  // Panels, boxes and digits.
  r.Picture("Art\\Map\\Back.bmp", 64, 64, 64, 64, kKeyNone, DrawMessagePanel);
  r.Picture("Art\\Map\\Box.bmp", 256, 128, 256, 128, kKeyNone, DrawMapBox);
  r.Picture("Art\\Controls\\Box.bmp", 128, 64, 128, 64, kKeyNone, [](Canvas& c) { DrawBox(c, 2); });
  r.Picture("Art\\Wealth\\Numbers1.bmp", 320, 32, 32, 32, kKeyBlack, DrawDigits);
  r.Picture("Art\\Controls\\DayAndGold.bmp", 128, 32, 64, 32, kKeyBlack, [](Canvas& c) {
    ForEachFrame(c, 64, 32, 2, [](Canvas& f, int k) {
      f.Text(1, 2, f.w - 2, f.h - 4, k == 0 ? "Day" : "Gold", GoldCaption(20));
    });
  });
  r.Picture("Art\\Controls\\Fame.bmp", 64, 32, 64, 32, kKeyBlack,
            [](Canvas& c) { c.Text(1, 2, c.w - 2, c.h - 4, "Fame", GoldCaption(20)); });
  r.Picture("Art\\Controls\\Mouse.bmp", 64, 64, 32, 64, kKeyRed, DrawMouse);

  // The unit panel.
  r.Picture("Art\\Controls\\Back.bmp", 64, 32, 64, 32, kKeyNone, DrawUnitStrip);
  r.Picture("Art\\Controls\\Back7.bmp", 32, 32, 32, 32, kKeyNone, DrawStepsBox);
  r.Picture("Art\\Controls\\Button5.bmp", 192, 64, 64, 64, kKeyNone,
            [](Canvas& c) { DrawButtonLooks(c, 64, 64, ""); });
  r.Picture("Art\\Controls\\Walk.bmp", 32, 32, 32, 32, kKeyBlack, DrawWalkIcon);
  r.Picture("Art\\Controls\\Trade2.bmp", 32, 32, 32, 32, kKeyBlack, DrawTradeIcon);
  r.Picture("Art\\You\\Attack.bmp", 32, 32, 32, 32, kKeyBlack, DrawAttackIcon);
  r.Picture("Art\\Controls\\Inspect.bmp", 32, 32, 32, 32, kKeyBlack, DrawInspectIcon);
  r.Picture("Art\\Controls\\Center.bmp", 32, 32, 32, 32, kKeyBlack, DrawCenterIcon);
  r.Picture("Art\\Controls\\Next.bmp", 32, 32, 32, 32, kKeyBlack, DrawNextIcon);
  const char* words[6][2] = {{"Write2", "Walk"},    {"Write3", "Trade"},  {"Write4", "Attack"},
                             {"Write5", "Inspect"}, {"Write8", "Center"}, {"Write9", "Next"}};
  for (const auto& w : words) {
    const std::string word = w[1];
    r.Picture(std::string("Art\\Controls\\") + w[0] + ".bmp", 64, 32, 64, 32, kKeyBlack,
              [word](Canvas& c) { DrawWord(c, word); });
  }

  // Portraits: the player (frame 1 for portrait number 0) and the ten heroes.
  r.Picture("Art\\Controls\\Portrait2.bmp", 128, 64, 64, 64, kKeyGreen, [](Canvas& c) {
    ForEachFrame(c, 64, 64, 2, [](Canvas& f, int k) { DrawFace(f, kPlayerFaces[1 - k]); });
  });
  r.Picture("Art\\Controls\\H1.bmp", 640, 64, 64, 64, kKeyNone, [](Canvas& c) {
    ForEachFrame(c, 64, 64, 10, [](Canvas& f, int k) { DrawFace(f, kHeroFaces[k]); });
  });
}
