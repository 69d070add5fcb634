// The heroes screen's own pictures: the parchment of the member view, the
// strip cells, the selection marker and the rule under them, the scroll,
// Switch, Count and Back buttons of the top bar with its filler and place
// digits, the hero counter panel and the hero's Name button. Sizes, frames
// and keys come from party/heroes_art.h; the pictures it shares with the
// player screen are drawn by that screen's table.
#include "assetgen.h"
#include "letter_cells.h"
#include "party/heroes_art.h"

using namespace assetgen;
namespace ha = heroes_art;

namespace {

void Register(Registry& r, int image, std::function<void(Canvas&)> draw) {
  const ha::Picture& p = ha::HeroesPicture(image);
  r.Picture(p.path, p.width, p.height, p.frameWidth, p.frameHeight, p.key, std::move(draw));
}

// The three looks of a button that covers only the top-left w x h of its
// frame (the screen sets the next button over the rest).
void ButtonInCorner(Canvas& c, int fw, int w, int h, const std::string& caption,
                    const std::function<void(Canvas&, int, int, int, int, int)>& face = nullptr) {
  ForEachFrame(c, fw, c.h, ha::kLooks, [&](Canvas& f, int look) {
    Canvas button(w, h, 0xFF000000u | f.key);
    DrawButtonLook(button, look, caption, ButtonStyle{}, face);
    f.Blit(button, 0, 0, false);
  });
}

// One arrow head pointing left or right, centred on (cx, cy).
void ArrowHead(Canvas& c, float cx, float cy, bool right, Rgb colour) {
  const float d = right ? 1.0f : -1.0f;
  c.Polygon({{cx - 6 * d, cy - 8}, {cx + 6 * d, cy}, {cx - 6 * d, cy + 8}}, colour);
}

// Scroll button faces: one head for a single place, two for seven.
void ScrollFace(Canvas& c, int heads, bool right) {
  ButtonInCorner(c, 128, 100, 30, "",
                 [heads, right](Canvas& f, int look, int x, int y, int w, int h) {
                   const Rgb ink = look == 1 ? pal::GoldLight : pal::ParchmentLight;
                   const float cx = x + w / 2.0f, cy = y + h / 2.0f;
                   for (int k = 0; k < heads; ++k)
                     ArrowHead(f, cx + (k - (heads - 1) / 2.0f) * 12, cy, right, ink);
                 });
}

}  // namespace

ASSETGEN_TABLE(HeroesScreenPictures) {
  Register(r, ha::kMemberTile, [](Canvas& c) {
    // Tiled 4 x 2 behind the member: no edge shading, so no seams show.
    c.Fill(pal::Parchment);
    c.Noise(0, 0, c.w, c.h, 7);
    c.Speckle(0, 0, c.w, c.h, pal::ParchmentDark, 0.04f);
  });
  Register(r, ha::kScrollBack, [](Canvas& c) { ScrollFace(c, 1, false); });
  Register(r, ha::kScrollAhead, [](Canvas& c) { ScrollFace(c, 1, true); });
  Register(r, ha::kScrollPageBack, [](Canvas& c) { ScrollFace(c, 2, false); });
  Register(r, ha::kScrollPageAhead, [](Canvas& c) { ScrollFace(c, 2, true); });
  Register(r, ha::kBackButton, [](Canvas& c) { ButtonInCorner(c, 128, 100, 30, "Back"); });
  Register(r, ha::kSwitchButton, [](Canvas& c) { ButtonInCorner(c, 128, 128, 30, "Switch"); });
  Register(r, ha::kCountButton, [](Canvas& c) { ButtonInCorner(c, 64, 64, 30, "Count"); });
  Register(r, ha::kStripCell, [](Canvas& c) {
    c.Fill(pal::WoodDark);
    c.Panel(0, 0, c.w, c.h, pal::Wood, 2);
    c.Well(4, 4, c.w - 8, c.h - 8, pal::EarthDark, 2);
    c.Noise(0, 0, c.w, c.h, 5);
  });
  Register(r, ha::kTopFiller, [](Canvas& c) {
    c.GradientV(0, 0, c.w, c.h, pal::WoodLight, pal::WoodDark);
    c.Noise(0, 0, c.w, c.h, 5);
  });
  Register(r, ha::kStripRule, [](Canvas& c) {
    const Rgb rows[] = {pal::GoldDark, pal::GoldLight, pal::Gold, pal::GoldDark};
    for (int y = 0; y < c.h; ++y) c.Rect(0, y, c.w, 1, rows[y % 4]);
  });
  Register(r, ha::kStripMarker, [](Canvas& c) {
    c.ClearToKey();
    c.Frame(0, 0, c.w, c.h, pal::GoldLight, 1);
    c.Frame(1, 1, c.w - 2, c.h - 2, pal::Gold, 1);
  });
  Register(r, ha::kCountPanel, [](Canvas& c) {
    c.ClearToKey();
    c.Panel(0, 0, c.w, c.h, pal::Wood, 2);
    c.Noise(0, 0, c.w, c.h, 5);
    c.Text(6, 6, c.w - 12, 26, "Heroes in", GoldCaption(18));
    c.Text(6, 32, c.w - 12, 26, "the party", GoldCaption(18));
  });
  Register(r, ha::kCountColon, [](Canvas& c) {
    c.ClearToKey();
    c.Circle(8, 4, 3, pal::GoldLight);
    c.OutlineShapes(pal::Ink);
  });
  Register(r, ha::kPlaceDigits, [](Canvas& c) {
    // The first place in view: 16 pixels apart at full size.
    TextStyle t = GoldCaption(32);
    t.color = pal::ParchmentLight;
    c.ClearToKey();
    DigitCells(c, 16, 32, 16, t);
  });
  Register(r, ha::kNameButton, [](Canvas& c) { DrawButtonLooks(c, 64, 32, ""); });
  Register(r, ha::kNameCaption, [](Canvas& c) {
    // Laid over the idle button's face, in its colour.
    c.Fill(pal::Wood);
    TextStyle t;
    t.size = 12;
    t.margin = 0;
    c.Text(0, 0, c.w, c.h, "Name", t);
  });
  Register(r, ha::kNameCaptionLit, [](Canvas& c) {
    // Set at three quarters over the hovered or pressed button: the ink
    // keeps to the part that lands on the button's face.
    c.ClearToKey();
    c.Text(8, 0, 72, c.h, "Name", GoldCaption(22));
  });
  Register(r, ha::kArmyBox, [](Canvas& c) {
    c.ClearToKey();
    c.Panel(0, 0, c.w, c.h, pal::Wood, 2);
    c.Well(4, 4, c.w - 8, c.h - 8, pal::ParchmentDark, 1);
    c.Frame(3, 3, c.w - 6, c.h - 6, pal::GoldDark, 1);
  });
}
