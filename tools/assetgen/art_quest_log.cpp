// The quest log: the hall it is written in, the quest places (a hearth for
// an open quest, whose fire the game draws over it, and a sealed scroll for
// a finished one), their hover and selection frames, the detail panel with
// its caption and digits, the page caption, the pillars and the Next button.
#include <cmath>
#include <string>

#include "assetgen.h"
#include "letter_cells.h"
#include "menus/quest_log_picture.h"

using namespace assetgen;

namespace pic = quest_log_picture;

namespace {

const PictureFile& File(int image) { return pic::kFiles[image]; }

void Register(Registry& r, int image, int frames, std::function<void(Canvas&)> draw) {
  const PictureFile& f = File(image);
  r.Picture(f.path, f.frameWidth * frames, f.frameHeight, f.frameWidth, f.frameHeight, f.colourKey,
            std::move(draw));
}

// The background is 256 x 256 drawn at 3.125 x 2.34375: work in screen
// pixels and convert.
constexpr float kSx = 256.0f / 800.0f, kSy = 256.0f / 600.0f;
int X(float screen) { return int(std::lround(screen * kSx)); }
int Y(float screen) { return int(std::lround(screen * kSy)); }

void Background(Canvas& c) {
  // A dark stone wall, lit from above.
  c.GradientV(0, 0, c.w, c.h, Mix(pal::SlateDark, pal::Night, 0.55f),
              Mix(pal::Night, pal::Ink, 0.5f));
  for (int row = 0; row * 10 < c.h; ++row) {
    int y = row * 10;
    c.Rect(0, y, c.w, 1, Mix(pal::Night, pal::Ink, 0.6f));
    for (int x = (row % 2) * 12; x < c.w; x += 24)
      c.Rect(x, y, 1, 10, Mix(pal::Night, pal::Ink, 0.6f));
  }
  c.Noise(0, 0, c.w, c.h, 5);
  // The title strip along the top, under the page caption and the buttons.
  c.Rect(0, 0, c.w, Y(52), Mix(pal::WoodDeep, pal::Ink, 0.3f));
  c.Rect(0, Y(52), c.w, 1, pal::GoldDark);
  // The board the quest places hang on: screen x 0..800, y 60..395.
  int bx = X(2), by = Y(60), bw = X(798) - bx, bh = Y(395) - by;
  c.Panel(bx, by, bw, bh, pal::WoodDark, 1);
  c.Well(bx + 2, by + 2, bw - 4, bh - 4, Mix(pal::WoodDeep, pal::Ink, 0.2f), 1);
  c.Noise(bx + 3, by + 3, bw - 6, bh - 6, 3);
  c.Frame(bx + 3, by + 3, bw - 6, bh - 6, pal::GoldDark);
  c.Vignette(0, 0, c.w, c.h, 0.3f);
}

// An open quest: a stone hearth whose middle (frame x 8..24, y 6..22, where
// the game puts the fire at scale 1 over this frame at scale 2) stays dark.
void OpenIcon(Canvas& f) {
  f.Fill(Mix(pal::WoodDeep, pal::Ink, 0.3f));
  f.Panel(0, 0, 32, 32, pal::Stone, 1);
  f.Well(4, 3, 24, 22, Mix(pal::Ink, pal::RedDeep, 0.25f), 1);
  for (int i = 0; i < 4; ++i) f.Rect(4 + i * 6, 25, 5, 4, i % 2 ? pal::StoneLight : pal::Stone);
  f.Frame(0, 0, 32, 32, pal::Ink);
}

// A finished quest: a sealed scroll on a parchment ground.
void FinishedIcon(Canvas& f) {
  f.Fill(pal::WoodDark);
  f.Panel(0, 0, 32, 32, pal::ParchmentDark, 1);
  f.Rect(6, 8, 20, 16, pal::ParchmentLight);
  f.Rect(4, 6, 24, 3, pal::Parchment);
  f.Rect(4, 23, 24, 3, pal::Parchment);
  for (int y = 12; y < 21; y += 3) f.Rect(9, y, 12, 1, pal::InkSoft);
  f.Circle(23, 21, 4, pal::Red);
  f.Circle(22, 20, 1.5f, pal::RedLight);
  f.ThickLine(10, 16, 14, 21, 2, pal::GrassDark);
  f.ThickLine(14, 21, 23, 9, 2, pal::GrassDark);
  f.Frame(0, 0, 32, 32, pal::Ink);
}

// The place frames show only as a ring round the 64 x 64 icon.
void PlaceFrame(Canvas& f, int k) {
  Rgb ring = k == pic::kFrameHovered ? pal::GoldLight : pal::Enchanted;
  f.Fill(ring);
  f.Frame(0, 0, 32, 32, k == pic::kFrameHovered ? pal::GoldDark : pal::BlueDeep);
  f.Frame(2, 2, 28, 28, Lighten(ring, 0.4f));
}

void Panel(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, Mix(pal::Purple, pal::Night, 0.2f), Mix(pal::Purple, pal::Ink, 0.5f));
  c.Noise(0, 0, c.w, c.h, 4);
  c.Frame(0, 0, c.w, c.h, pal::Ink);
  c.Frame(1, 1, c.w - 2, c.h - 2, pal::GoldDark);
  c.Frame(3, 3, c.w - 6, c.h - 6, Mix(pal::Purple, pal::GoldDark, 0.4f));
}

void Pillar(Canvas& c) {
  Rgb stone = pal::StoneLight;
  c.Rect(8, 0, 48, 12, stone);    // capital
  c.Rect(4, 116, 56, 12, stone);  // base
  c.Rect(14, 12, 36, 104, pal::Stone);
  for (int x = 18; x < 48; x += 8) c.Rect(x, 14, 2, 100, pal::StoneDark);
  c.Rect(14, 12, 4, 104, pal::StoneLight);
  c.Rect(8, 10, 48, 2, pal::StoneDark);
  c.Rect(4, 116, 56, 2, pal::StoneLight);
  c.Noise(0, 0, c.w, c.h, 5);
  c.OutlineShapes(pal::Ink);
}

void Caption(Canvas& c, const std::string& text, int size, Align align) {
  TextStyle t = GoldCaption(size);
  t.align = align;
  c.Text(0, 0, c.w, c.h, text, t);
}

void Done(Canvas& c) {
  TextStyle t = GoldCaption(24);
  t.color = pal::GrassLight;
  c.Text(0, 0, c.w, c.h, "Finished!", t);
}

// A quest's number: its two digits 40 pixels apart at 0.7.
void Digits(Canvas& c) { DigitCells(c, 64, 64, 40 / 0.7f, GoldCaption(64)); }

}  // namespace

ASSETGEN_TABLE(QuestLogPictures) {
  Register(r, pic::kBackground, 1, Background);
  Register(r, pic::kCaption, 1, [](Canvas& c) { Caption(c, "Quest", 40, Align::Right); });
  Register(r, pic::kDigits, pic::kDigitFrames, Digits);
  Register(r, pic::kQuestIcon, 2, [](Canvas& c) {
    ForEachFrame(c, 32, 32, 2,
                 [](Canvas& f, int k) { k == pic::kIconOpen ? OpenIcon(f) : FinishedIcon(f); });
  });
  Register(r, pic::kPlaceFrame, 2, [](Canvas& c) {
    ForEachFrame(c, 32, 32, 2, [](Canvas& f, int k) { PlaceFrame(f, k); });
  });
  Register(r, pic::kPanel, 1, Panel);
  Register(r, pic::kPillar, 1, Pillar);
  Register(r, pic::kDone, 1, Done);
  Register(r, pic::kPageCaption, 1, [](Canvas& c) { Caption(c, "Page", 26, Align::Right); });
  Register(r, pic::kNextButton, 3, [](Canvas& c) { DrawButtonLooks(c, 64, 32, "Next"); });
}
