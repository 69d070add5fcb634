// The name editor's own pictures: the box face, the three title words, the
// background and the Back button. The letter sheet, the box edges and the
// Ready and Clear buttons are the new game's name entry's. Sizes, frames and
// keys come from party/name_editor_picture.h.
#include <string>

#include "assetgen.h"
#include "party/name_editor_picture.h"

using namespace assetgen;
namespace pic = name_editor_picture;

namespace {

void Register(Registry& r, const PictureFile& f, int w, int h, std::function<void(Canvas&)> draw) {
  r.Picture(f.path, w, h, f.frameWidth, f.frameHeight, f.colourKey, std::move(draw));
}

// The box behind the letters: dark wood, lighter towards the bottom.
void BoxFace(Canvas& c) {
  c.GradientV(0, 0, c.w, c.h, pal::WoodDeep, Mix(pal::WoodDeep, pal::WoodDark, 0.6f));
  c.Noise(0, 0, c.w, c.h, 3);
}

// The background, stacked down the screen: a dark wall of wood panels whose
// boards run from top to bottom, so the copies join without a seam.
void Wall(Canvas& c) {
  c.Fill(Mix(pal::WoodDeep, pal::Ink, 0.35f));
  const int boardWidth = 32;
  for (int x = 0; x < c.w; x += boardWidth) {
    const Rgb face =
        (x / boardWidth) % 2 ? pal::WoodDeep : Mix(pal::WoodDeep, pal::WoodDark, 0.35f);
    c.Rect(x + 1, 0, boardWidth - 2, c.h, face);
    c.Rect(x + 1, 0, 1, c.h, Mix(face, pal::WoodDark, 0.6f));
    c.Rect(x + boardWidth - 2, 0, 1, c.h, pal::Ink);
  }
  c.Noise(0, 0, c.w, c.h, 4);
}

void Word(Canvas& c, const std::string& text, Align align, int indent) {
  TextStyle t = GoldCaption(22);
  t.align = align;
  c.Text(indent, 0, c.w - indent, c.h, text, t);
}

}  // namespace

ASSETGEN_TABLE(NameEditorPictures) {
  Register(r, pic::kBoxFace, 32, 32, BoxFace);
  Register(r, pic::kBack, 256, 128, Wall);
  // The words stand close together in both titles ("Enter hero's name",
  // "Enter name").
  Register(r, pic::kEnter, 128, 32, [](Canvas& c) { Word(c, "Enter", Align::Center, 0); });
  Register(r, pic::kHeros, 128, 32, [](Canvas& c) { Word(c, "hero's", Align::Center, 0); });
  Register(r, pic::kName, 128, 32, [](Canvas& c) { Word(c, "name", Align::Left, 14); });
  Register(r, pic::kBackButton, 192, 32, [](Canvas& c) {
    DrawButtonLooks(c, pic::kBackButton.frameWidth, pic::kBackButton.frameHeight, "Back");
  });
}
