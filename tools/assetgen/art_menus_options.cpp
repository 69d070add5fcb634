// The options and help screens: the options' headings, choice words and check
// mark; the help screen's opening animation, title, page arrows and
// its two page pictures. Paths, frame sizes and keys come from the screens'
// own picture headers.
#include <cmath>
#include <string>

#include "assetgen.h"
#include "menus/help_picture.h"
#include "menus/options_picture.h"

using namespace assetgen;

namespace {

// ---------------------------------------------------------------- options

void OptionsCaption(Registry& r, int image, int size) {
  const PictureFile& p = options_picture::kPictures[image];
  const std::string text = options_picture::kCaptionTexts[image];
  r.Picture(p.path, p.frameWidth, p.frameHeight, p.frameWidth, p.frameHeight, p.colourKey,
            [text, size](Canvas& c) { c.Text(0, 0, c.w, c.h, text, GoldCaption(size)); });
}

// A choice word: parchment lettering, so the gold headings stand apart.
void OptionsChoice(Registry& r, int image, int size) {
  const PictureFile& p = options_picture::kPictures[image];
  const std::string text = options_picture::kCaptionTexts[image];
  r.Picture(p.path, p.frameWidth, p.frameHeight, p.frameWidth, p.frameHeight, p.colourKey,
            [text, size](Canvas& c) {
              TextStyle t = GoldCaption(size);
              t.color = pal::ParchmentLight;
              c.Text(0, 0, c.w, c.h, text, t);
            });
}

void DrawCheck(Canvas& c) {
  c.ThickLine(6, 17, 13, 25, 5, pal::Grass);
  c.ThickLine(13, 25, 27, 6, 5, pal::Grass);
  c.ThickLine(7, 16, 13, 22, 2, pal::GrassLight);
  c.ThickLine(13, 22, 25, 6, 2, pal::GrassLight);
  c.OutlineShapes();
}

// ---------------------------------------------------------------- help

// The help backdrop: a dark slate board in a gold frame, revealed by two red
// curtains that part over the six frames of the opening.
void DrawHelpBoard(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, Mix(pal::SlateDark, pal::Ink, 0.55f),
              Mix(pal::Ink, pal::BlueDeep, 0.25f));
  c.Noise(0, 0, c.w, c.h, 6);
  c.Vignette(0, 0, c.w, c.h, 0.5f);
  c.Frame(2, 2, c.w - 4, c.h - 4, pal::GoldDark, 3);
  c.Frame(3, 3, c.w - 6, c.h - 6, pal::Gold, 1);
}

void DrawCurtain(Canvas& c, int x0, int x1, bool left) {
  for (int x = x0; x < x1; ++x) {
    const float fold = 0.5f + 0.5f * std::sin(float(x - x0) * 0.45f + (left ? 0.0f : 1.6f));
    c.Rect(x, 0, 1, c.h, Mix(pal::RedDeep, pal::Red, fold * 0.7f));
  }
  const int edge = left ? x1 - 2 : x0;
  c.Rect(edge, 0, 2, c.h, pal::GoldDark);
}

void DrawHelpBackground(Canvas& c, int step) {
  DrawHelpBoard(c);
  // Each half covers half the width at the start and nothing at the end.
  const int half = c.w / 2;
  const int covered = half * (5 - step) / 5;
  if (covered > 0) {
    DrawCurtain(c, 0, covered, true);
    DrawCurtain(c, c.w - covered, c.w, false);
  }
  // The pelmet across the top stays.
  c.Rect(0, 0, c.w, 6, pal::RedDeep);
  c.Rect(0, 6, c.w, 1, pal::GoldDark);
}

void DrawArrow(Canvas& c, bool right) {
  ForEachFrame(c, 32, 64, 3, [right](Canvas& f, int look) {
    const float shift = look == 2 ? 1.0f : 0.0f;
    const Rgb face = look == 1 ? pal::GoldLight : (look == 2 ? pal::GoldDark : pal::Gold);
    const float tip = right ? 28 : 4, back = right ? 6 : 26;
    f.Polygon({{back + shift, 10 + shift}, {tip + shift, 32 + shift}, {back + shift, 54 + shift}},
              face);
    f.OutlineShapes();
  });
}

// Page 0's path picture: footsteps across a strip of grass that end short of
// a flag, where the walk has run out.
void DrawInfo1(Canvas& c) {
  c.Panel(8, 6, c.w - 16, c.h - 12, pal::GrassDark, 2);
  c.Speckle(10, 8, c.w - 20, c.h - 16, pal::Grass, 0.15f);
  for (int i = 0; i < 9; ++i) {
    const float x = 40 + i * 36.0f, y = 32 + 6 * std::sin(i * 0.8f);
    c.Ellipse(x, y, 6, 4, pal::ParchmentLight);
  }
  c.Rect(420, 14, 3, 36, pal::WoodDark);
  c.Polygon({{423, 14}, {452, 22}, {423, 30}}, pal::Red);
  c.ThickLine(360, 20, 384, 44, 4, pal::RedLight);
  c.ThickLine(384, 20, 360, 44, 4, pal::RedLight);
}

// Page 0's moving picture: the hero's banner on grass with a dotted path
// leading to the clicked spot.
void DrawInfo2(Canvas& c) {
  // Kept to the top 100 rows: the page's next line runs under the rest.
  c.Ellipse(64, 52, 58, 44, pal::Grass);
  c.Speckle(10, 10, 108, 86, pal::GrassLight, 0.08f);
  for (int i = 0; i < 6; ++i) c.Circle(38 + i * 11.0f, 70 - i * 7.0f, 3, pal::ParchmentLight);
  c.Rect(28, 44, 3, 36, pal::WoodDark);
  c.Polygon({{31, 44}, {56, 52}, {31, 60}}, pal::Blue);
  c.CircleOutline(100, 30, 8, pal::GoldLight, 2);
  c.OutlineShapes();
}

}  // namespace

ASSETGEN_TABLE(OptionsAndHelpPictures) {
  namespace op = options_picture;
  OptionsCaption(r, op::kMusic, 44);
  OptionsCaption(r, op::kSounds, 26);
  OptionsCaption(r, op::kMovementMain, 40);
  OptionsCaption(r, op::kMovementBattles, 40);
  OptionsCaption(r, op::kSwingBattles, 40);
  OptionsChoice(r, op::kSlow, 40);
  OptionsChoice(r, op::kAverage, 40);
  OptionsChoice(r, op::kFast, 40);
  OptionsChoice(r, op::kOn, 28);
  OptionsChoice(r, op::kOff, 28);
  const PictureFile& check = op::kPictures[op::kCheck];
  r.Picture(check.path, 32, 32, 32, 32, check.colourKey, DrawCheck);
  // The rule (Line.bmp) is the save slots panel's.

  namespace hp = help_picture;
  for (const hp::SheetPicture& p : hp::kPictures) {
    const PictureFile& f = p.file;
    if (p.image < hp::kBackgroundCount) {
      const int step = p.image;
      r.Picture(f.path, 256, 256, 256, 256, f.colourKey,
                [step](Canvas& c) { DrawHelpBackground(c, step); });
    } else if (p.image == hp::kTitle) {
      r.Picture(f.path, 256, 64, 256, 64, f.colourKey,
                [](Canvas& c) { c.Text(0, 0, c.w, c.h, hp::kTitleText, GoldCaption(40)); });
    } else if (p.image == hp::kArrowLeft || p.image == hp::kArrowRight) {
      const bool right = p.image == hp::kArrowRight;
      r.Picture(f.path, 96, 64, 32, 64, f.colourKey, [right](Canvas& c) { DrawArrow(c, right); });
    } else if (p.image == hp::kInfo1) {
      r.Picture(f.path, 512, 64, 512, 64, f.colourKey, DrawInfo1);
    } else if (p.image == hp::kInfo2) {
      r.Picture(f.path, 128, 128, 128, 128, f.colourKey, DrawInfo2);
    }
  }
}
