// The main menu, the save slots panel and the save-and-quit question: the
// castle, the button strip and its captions, the slot rows with their digit
// and word pictures, the player's name letters and the question's panel and
// buttons. Paths, frame sizes and keys come from the screens' own picture
// headers.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "assetgen.h"
#include "letter_cells.h"
#include "menus/main_menu_picture.h"
#include "menus/main_menu_screen.h"
#include "menus/save_and_quit_picture.h"
#include "menus/save_slots_picture.h"

using namespace assetgen;

namespace {

// ---------------------------------------------------------------- main menu

// The castle picture is 512 x 512 drawn over 800 x 600: work in screen
// pixels and convert.
constexpr float kCastleSx = 512.0f / 800.0f, kCastleSy = 512.0f / 600.0f;
int CX(float screen) { return int(std::lround(screen * kCastleSx)); }
int CY(float screen) { return int(std::lround(screen * kCastleSy)); }

void DrawMenuSky(Canvas& c) {
  const int horizon = CY(380);
  c.GradientV(0, 0, c.w, horizon / 2, pal::BlueDeep, pal::Blue);
  c.GradientV(0, horizon / 2, c.w, horizon - horizon / 2, pal::Blue,
              Mix(pal::Fire, pal::GoldLight, 0.5f));
  c.GradientV(0, horizon, c.w, c.h - horizon, Mix(pal::Fire, pal::GoldLight, 0.5f), pal::Fire);
  // The low sun behind the castle's right shoulder.
  c.Ellipse(CX(610), CY(330), CX(46), CY(46), Mix(pal::FireLight, pal::ParchmentLight, 0.5f));
  c.Ellipse(CX(610), CY(330), CX(38), CY(38), pal::ParchmentLight);
  // A few long clouds lit from below.
  for (int i = 0; i < 7; ++i) {
    float x = c.rng.Range(0, float(c.w)), y = c.rng.Range(float(CY(60)), float(CY(300)));
    float w = c.rng.Range(40, 90), h = c.rng.Range(4, 8);
    c.Ellipse(x, y, w, h, Mix(pal::Purple, pal::Blue, 0.4f));
    c.Ellipse(x + 4, y + 2, w * 0.8f, h * 0.6f, Mix(pal::Fire, pal::Purple, 0.5f));
  }
}

void DrawMenuLand(Canvas& c) {
  // Far mountains, then green hills, then the meadow before the castle.
  for (int x = 0; x < c.w; ++x) {
    float fx = float(x);
    int peak = CY(330) + int(22 * std::sin(fx * 0.021f + 0.7f) + 12 * std::sin(fx * 0.067f + 2.0f));
    c.Rect(x, peak, 1, c.h - peak, Mix(pal::SlateDark, pal::Purple, 0.35f));
    int snow = peak + 3;
    if (peak < CY(318)) c.Rect(x, peak, 1, snow - peak, pal::StoneLight);
    int hill = CY(400) + int(10 * std::sin(fx * 0.03f + 1.1f) + 5 * std::sin(fx * 0.11f));
    c.Rect(x, hill, 1, c.h - hill, pal::GrassDark);
    int meadow = CY(450) + int(4 * std::sin(fx * 0.05f + 0.3f));
    c.GradientV(x, meadow, 1, c.h - meadow, pal::Grass, pal::GrassDark);
  }
  c.Speckle(0, CY(450), c.w, c.h - CY(450), pal::GrassLight, 0.04f);
  // The road up to the gate.
  std::vector<Pt> road = {{float(CX(380)), float(CY(468))},
                          {float(CX(420)), float(CY(468))},
                          {float(CX(500)), float(c.h)},
                          {float(CX(300)), float(c.h)}};
  c.Polygon(road, pal::Sand);
  c.Speckle(CX(300), CY(468), CX(200), c.h - CY(468), pal::SandDark, 0.08f);
  // Trees on both sides.
  for (int i = 0; i < 14; ++i) {
    bool left = i % 2 == 0;
    float x = left ? c.rng.Range(float(CX(10)), float(CX(230)))
                   : c.rng.Range(float(CX(570)), float(CX(790)));
    float y = c.rng.Range(float(CY(430)), float(CY(520)));
    float s = 0.7f + (y - CY(430)) / float(CY(120));
    c.Rect(int(x) - 1, int(y), 3, int(8 * s), pal::WoodDark);
    c.Ellipse(x, y - 4 * s, 9 * s, 12 * s, pal::Leaf);
    c.Ellipse(x - 2 * s, y - 7 * s, 5 * s, 6 * s, Mix(pal::Leaf, pal::GrassLight, 0.4f));
  }
}

// One tower: walls, battlements, a cone roof and a banner.
void Tower(Canvas& c, float sx, float top, float w, float bottom, Rgb roof) {
  int x = CX(sx), y = CY(top), tw = CX(w), b = CY(bottom);
  c.Rect(x, y, tw, b - y, pal::Stone);
  c.Rect(x, y, std::max(1, tw / 5), b - y, pal::StoneLight);
  c.Rect(x + tw - std::max(1, tw / 5), y, std::max(1, tw / 5), b - y, pal::StoneDark);
  for (int i = 0; i < tw; i += 6) c.Rect(x + i, y - 4, 4, 4, pal::Stone);
  c.Polygon({{float(x - 3), float(y - 4)},
             {float(x + tw / 2.0f), float(y - tw * 1.2f)},
             {float(x + tw + 3), float(y - 4)}},
            roof);
  c.Line(x + tw / 2, int(y - tw * 1.2f), x + tw / 2, int(y - tw * 1.2f) - 10, pal::WoodDark);
  c.Rect(x + tw / 2 + 1, int(y - tw * 1.2f) - 10, 7, 4, pal::Gold);
  // Two lit windows.
  c.Rect(x + tw / 2 - 1, y + (b - y) / 4, 3, 5, pal::FireLight);
  c.Rect(x + tw / 2 - 1, y + (b - y) / 2, 3, 5, pal::FireLight);
  c.Frame(x, y, tw, b - y, pal::Ink);
}

void DrawMenuCastle(Canvas& c) {
  const float base = 470;
  // The curtain wall.
  int wx = CX(260), wy = CY(330), ww = CX(540) - wx, wb = CY(base);
  c.Rect(wx, wy, ww, wb - wy, pal::StoneDark);
  c.Rect(wx, wy, ww, 3, pal::StoneLight);
  for (int i = 0; i < ww; i += 7) c.Rect(wx + i, wy - 4, 5, 4, pal::StoneDark);
  c.Noise(wx, wy, ww, wb - wy, 8);
  // The keep behind the gate.
  Tower(c, 345, 190, 110, 330, pal::BlueDeep);
  // Four towers on the wall.
  Tower(c, 235, 260, 50, base, pal::Red);
  Tower(c, 515, 260, 50, base, pal::Red);
  Tower(c, 300, 290, 36, 335, pal::Blue);
  Tower(c, 464, 290, 36, 335, pal::Blue);
  // The gate with its arch and a little light inside.
  int gx = CX(375), gw = CX(50), gy = CY(405);
  c.Rect(gx, gy, gw, wb - gy, pal::WoodDeep);
  c.Ellipse(gx + gw / 2.0f, float(gy), gw / 2.0f, gw / 3.0f, pal::WoodDeep);
  for (int i = 2; i < gw; i += 5) c.Line(gx + i, gy, gx + i, wb - 1, pal::WoodDark);
  c.Frame(wx, wy, ww, wb - wy, pal::Ink);
}

void DrawCastle(Canvas& c) {
  DrawMenuSky(c);
  DrawMenuLand(c);
  DrawMenuCastle(c);
  c.Vignette(0, 0, c.w, c.h, 0.3f);
}

// The strip of six buttons: a dark wooden bar with a raised plaque under each
// button's rectangle.
void DrawButtonStrip(Canvas& c) {
  namespace pic = main_menu_picture;
  c.GradientV(0, 0, c.w, c.h, pal::WoodDark, pal::WoodDeep);
  c.Rect(0, 0, c.w, 2, pal::GoldDark);
  c.Noise(0, 2, c.w, c.h - 2, 5);
  for (const MenuButton& b : kMenuButtons) {
    int x = int(std::lround(b.x / pic::kStripScaleX)) - 4;
    int w = int(std::lround(b.w / pic::kStripScaleX)) + 8;
    int y = b.y - pic::kStripY + 2;
    c.Panel(x, y, w, c.h - y - 3, pal::Wood, 2);
    c.Frame(x + 3, y + 3, w - 6, c.h - y - 9, pal::GoldDark);
  }
}

void DrawCaptions(Canvas& c, bool lit) {
  namespace pic = main_menu_picture;
  ForEachFrame(c, 128, 32, pic::kWordCount, [lit](Canvas& f, int k) {
    TextStyle t = GoldCaption(24);
    t.color = lit ? pal::GoldLight : pal::ParchmentLight;
    t.outlineColor = lit ? pal::RedDeep : pal::Ink;
    f.Text(0, 0, f.w, f.h, pic::kWordTexts[k], t);
  });
}

// ---------------------------------------------------------------- slots

// Names stand 22 pixels apart at 0.7 on the slots (28 apart at 0.875 on the
// player's screen, 32 at 1.0 on the portrait choice).
constexpr float kNamePitch = 22 / 0.7f;

// Digits 0..9 by frame, for numbers whose digits stand pitch frame pixels apart.
void DigitSheet(Canvas& c, int frame, float pitch, Rgb colour) {
  TextStyle t = GoldCaption(frame);
  t.color = colour;
  DigitCells(c, frame, frame, pitch, t);
}

void Words(Canvas& c, const std::string& text, int size, Rgb colour) {
  TextStyle t = GoldCaption(size);
  t.color = colour;
  c.Text(0, 0, c.w, c.h, text, t);
}

// The slot button: a round-cornered plaque in three looks; its number is
// drawn over it from its own digit sheet.
void DrawSlotButton(Canvas& c) {
  ButtonStyle st;
  st.face = pal::Wood;
  st.bevel = 4;
  DrawButtonLooks(c, 128, 128, "", st, [](Canvas& f, int look, int x, int y, int w, int h) {
    f.Well(x + 16, y + 16, w - 32, h - 32, look == 1 ? pal::WoodLight : pal::WoodDark, 3);
  });
}

void DrawLine(Canvas& c) {
  c.Rect(0, 0, c.w, 1, pal::GoldDark);
  c.Rect(0, 1, c.w, 2, pal::Gold);
  c.Rect(0, 3, c.w, 1, pal::WoodDeep);
}

void DrawLoadHeading(Canvas& c) {
  TextStyle t = GoldCaption(40);
  t.margin = 0;
  c.Text(0, 0, c.w, c.h, save_slots_picture::kLoadTitle, t);
}

// ---------------------------------------------------------------- question

void DrawQuestionPanel(Canvas& c) {
  c.Panel(4, 4, c.w - 8, c.h - 8, pal::Wood, 3);
  c.Noise(8, 8, c.w - 16, c.h - 16, 6);
  c.Well(14, 14, c.w - 28, c.h - 28, Mix(pal::Parchment, pal::ParchmentDark, 0.3f), 2);
  c.Noise(16, 16, c.w - 32, c.h - 32, 5);
  c.Frame(20, 20, c.w - 40, c.h - 40, pal::GoldDark);
  TextStyle t = GoldCaption(34);
  t.color = pal::RedDeep;
  t.outline = false;
  t.antialias = true;
  c.Text(24, 24, c.w - 48, 80, save_and_quit_picture::kQuestion, t);
}

void DrawAnswer(Canvas& c, const std::string& word, Rgb face) {
  c.Panel(6, 6, c.w - 12, c.h - 12, face, 4);
  c.Frame(14, 14, c.w - 28, c.h - 28, pal::GoldLight, 2);
  TextStyle t = GoldCaption(64);
  c.Text(16, 16, c.w - 32, c.h - 32, word, t);
}

}  // namespace

ASSETGEN_TABLE(MainMenuPictures) {
  namespace pic = main_menu_picture;
  const PictureFile* p = pic::kPictures;
  r.Picture(p[pic::kCastle].path, 512, 512, 512, 512, kKeyNone, DrawCastle);
  r.Picture(p[pic::kButtonStrip].path, 512, 64, 512, 64, kKeyNone, DrawButtonStrip);
  r.Picture(p[pic::kCaptions].path, 512, 64, 128, 32, p[pic::kCaptions].colourKey,
            [](Canvas& c) { DrawCaptions(c, false); });
  r.Picture(p[pic::kCaptionsLit].path, 512, 64, 128, 32, p[pic::kCaptionsLit].colourKey,
            [](Canvas& c) { DrawCaptions(c, true); });
}

ASSETGEN_TABLE(SaveSlotsPictures) {
  namespace pic = save_slots_picture;
  const PictureFile* p = pic::kSheet;
  auto add = [&r, p](int image, int w, int h, std::function<void(Canvas&)> draw) {
    r.Picture(p[image].path, w, h, p[image].frameWidth, p[image].frameHeight, p[image].colourKey,
              std::move(draw));
  };
  add(pic::kSlotButton, 384, 128, DrawSlotButton);
  add(pic::kEmpty, 256, 64, [](Canvas& c) { Words(c, pic::kEmptyText, 30, pal::ParchmentDark); });
  add(pic::kSaved, 128, 64, [](Canvas& c) {
    TextStyle t = GoldCaption(22);
    c.Text(14, 0, c.w - 14, c.h, pic::kSavedText, t);
  });
  // The slot's number and the button's stand alone.
  add(pic::kSavedNumbers, 320, 32, [](Canvas& c) { DigitSheet(c, 32, 32, pal::GoldLight); });
  add(pic::kLoading, 128, 32,
      [](Canvas& c) { Words(c, pic::kLoadingText, 22, pal::ParchmentLight); });
  add(pic::kLine, 64, 4, DrawLine);
  add(pic::kButtonNumbers, 320, 32, [](Canvas& c) { DigitSheet(c, 32, 32, pal::ParchmentLight); });
  // Fame digits 17 to 19 pixels apart at 0.3, the day's 24 apart at 0.5.
  add(pic::kFameDigits, 640, 64, [](Canvas& c) { DigitSheet(c, 64, 17 / 0.3f, pal::GoldLight); });
  add(pic::kDayDigits, 640, 64,
      [](Canvas& c) { DigitSheet(c, 64, 24 / 0.5f, pal::ParchmentLight); });
  add(pic::kLoadCaption, 256, 64,
      [](Canvas& c) { Words(c, pic::kLoadCaptionText, 26, pal::ParchmentLight); });
  add(pic::kNoRoom, 256, 32, [](Canvas& c) { Words(c, pic::kNoRoomText, 20, pal::GoldLight); });
  add(pic::kPickFile, 512, 32,
      [](Canvas& c) { Words(c, pic::kPickFileText, 22, pal::ParchmentLight); });
  r.Picture(pic::kBackground.path, 128, 64, 128, 64, pic::kBackground.colourKey, DrawLoadHeading);
  r.Picture(pic::kLettersLow.path, 256, 256, 32, 64, pic::kLettersLow.colourKey, [](Canvas& c) {
    LetterSheet(c, 32, 64, kNamePitch, 0, pic::kLowLetterFrames, LetterStyle(pal::ParchmentLight),
                false);
  });
  r.Picture(pic::kLettersHigh.path, 256, 512, 32, 64, pic::kLettersHigh.colourKey, [](Canvas& c) {
    LetterSheet(c, 32, 64, kNamePitch, 28, pic::kHighLetterFrames, LetterStyle(pal::ParchmentLight),
                false);
  });
}

ASSETGEN_TABLE(SaveAndQuitPictures) {
  namespace pic = save_and_quit_picture;
  r.Picture(pic::kBackground.path, 512, 256, 512, 256, pic::kBackground.colourKey,
            DrawQuestionPanel);
  r.Picture(pic::kYes.path, 256, 128, 256, 128, pic::kYes.colourKey,
            [](Canvas& c) { DrawAnswer(c, "Yes", pal::Grass); });
  r.Picture(pic::kNo.path, 256, 128, 256, 128, pic::kNo.colourKey,
            [](Canvas& c) { DrawAnswer(c, "No", pal::Red); });
}
