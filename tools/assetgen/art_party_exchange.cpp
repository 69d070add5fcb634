// The pictures of the three exchange screens: the choice between items and
// armies (background, portrait frames, the two big buttons with their
// pictures and captions, the arrows), the army exchange (background, stack
// panel, trade sign, member value digits, highlight, skull mark and the
// player's portraits as that screen names them), and the item exchange
// (item panel and bag marker). Sizes, frames and keys
// come from party/exchange_art.h; the pictures the exchange shares with
// other screens are drawn by their own tables.
#include <string>

#include "art_people.h"
#include "assetgen.h"
#include "letter_cells.h"
#include "party/exchange_art.h"

using namespace assetgen;
namespace ea = exchange_art;

namespace {

// A picture of the tables: frames count wide, one row.
void Register(Registry& r, const ea::Picture& p, int frames, std::function<void(Canvas&)> draw) {
  r.Picture(p.path, p.frameWidth * frames, p.frameHeight, p.frameWidth, p.frameHeight, p.key,
            std::move(draw));
}

const ea::Picture& ArmyUi(int image) {
  for (const ea::NumberedPicture& p : ea::kArmyUiPictures)
    if (p.image == image) return p.picture;
  return ea::kNoPicture;
}

// A full-screen backdrop: a dark wooden hall wall with planks and a vignette.
void DrawHallBack(Canvas& c, Rgb wood, int plank) {
  c.GradientV(0, 0, c.w, c.h, Lighten(wood, 0.08f), Darken(wood, 0.3f));
  for (int y = plank; y < c.h; y += plank) c.Rect(0, y, c.w, 1, Darken(wood, 0.45f));
  for (int row = 0; row * plank < c.h; ++row) {
    const int x = (row * 37) % c.w;
    c.Rect(x, row * plank, 1, plank, Darken(wood, 0.4f));
  }
  c.Noise(0, 0, c.w, c.h, 6);
  c.Vignette(0, 0, c.w, c.h, 0.45f);
}

// The board behind a portrait: a gold-rimmed dark well.
void DrawPortraitBoard(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 3);
  c.Noise(3, 3, c.w - 6, c.h - 6, 5);
  c.Well(6, 6, c.w - 12, c.h - 12, Mix(pal::Night, pal::WoodDeep, 0.5f), 2);
  c.Frame(5, 5, c.w - 10, c.h - 10, pal::Gold);
}

// The body of the Items and Armies buttons: a raised parchment board.
void DrawBigButton(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::WoodLight, 4);
  c.Well(10, 10, c.w - 20, c.h - 20, pal::Parchment, 2);
  c.Noise(12, 12, c.w - 24, c.h - 24, 5);
  c.Frame(8, 8, c.w - 16, c.h - 16, pal::GoldDark);
}

// Two arrows, one each way: the members give and take.
void DrawArrows(Canvas& c) {
  c.Fill(Mix(pal::WoodDeep, pal::Night, 0.3f));
  c.Polygon({{6, 20}, {22, 8}, {22, 15}, {58, 15}, {58, 25}, {22, 25}, {22, 32}}, pal::Gold);
  c.Polygon({{58, 44}, {42, 32}, {42, 39}, {6, 39}, {6, 49}, {42, 49}, {42, 56}}, pal::Gold);
  c.Rect(23, 16, 34, 2, pal::GoldLight);
  c.Rect(8, 40, 34, 2, pal::GoldLight);
}

void DrawCaption(Canvas& c, const std::string& word) {
  c.ClearToKey();
  c.Text(0, 0, c.w, c.h, word, GoldCaption(24));
}

// The Items picture: a sword over a round shield.
void DrawItemsPicture(Canvas& c) {
  c.ClearToKey();
  c.Circle(64, 68, 40, pal::Bronze);
  c.Circle(64, 68, 32, pal::Blue);
  c.Circle(64, 68, 9, pal::GoldLight);
  c.ThickLine(26, 108, 100, 22, 9, pal::Steel);
  c.ThickLine(30, 104, 98, 26, 3, pal::Silver);
  c.ThickLine(30, 84, 50, 104, 7, pal::GoldDark);
  c.ThickLine(20, 114, 33, 101, 7, pal::WoodDark);
  c.OutlineShapes(pal::Ink);
}

// The Armies picture: two banners crossed over a shield.
void DrawArmiesPicture(Canvas& c) {
  c.ClearToKey();
  c.ThickLine(30, 112, 84, 14, 5, pal::WoodDark);
  c.ThickLine(98, 112, 44, 14, 5, pal::WoodDark);
  c.Polygon({{84, 14}, {118, 22}, {110, 34}, {120, 46}, {78, 40}}, pal::Blue);
  c.Polygon({{44, 14}, {10, 22}, {18, 34}, {8, 46}, {50, 40}}, pal::Red);
  c.Polygon({{40, 56}, {88, 56}, {88, 84}, {64, 108}, {40, 84}}, pal::Steel);
  c.Polygon({{47, 62}, {81, 62}, {81, 82}, {64, 99}, {47, 82}}, pal::BlueDeep);
  c.Rect(61, 64, 6, 30, pal::GoldLight);
  c.Rect(52, 72, 24, 6, pal::GoldLight);
  c.OutlineShapes(pal::Ink);
}

// The trade sign between the two halves of the army exchange.
void DrawTradeSign(Canvas& c) {
  c.ClearToKey();
  c.Circle(32, 32, 28, pal::WoodDark);
  c.Circle(32, 32, 24, pal::Parchment);
  c.Polygon({{8, 24}, {20, 14}, {20, 20}, {52, 20}, {52, 28}, {20, 28}, {20, 34}}, pal::Red);
  c.Polygon({{56, 40}, {44, 30}, {44, 36}, {12, 36}, {12, 44}, {44, 44}, {44, 50}}, pal::Blue);
  c.OutlineShapes(pal::Ink);
}

void DrawPanelBoard(Canvas& c) {
  c.Fill(pal::Ink);
  c.Panel(0, 0, c.w, c.h, pal::Wood, 3);
  // A dark well: the army's name is written in light letters, its values in
  // light digits.
  c.Well(5, 5, c.w - 10, c.h - 10, Mix(pal::WoodDeep, pal::Ink, 0.2f), 2);
  c.Noise(7, 7, c.w - 14, c.h - 14, 4);
}

// The members' values: 20 pixels apart at 0.6.
void DrawDigits(Canvas& c, const ea::Picture& p, Rgb colour) {
  c.ClearToKey();
  TextStyle t = GoldCaption(p.frameHeight);
  t.color = colour;
  DigitCells(c, p.frameWidth, p.frameHeight, 20 / 0.6f, t);
}

// The highlight of the cell whose stack the panel shows: a gold ring.
void DrawHighlight(Canvas& c) {
  c.ClearToKey();
  c.Frame(1, 1, c.w - 2, c.h - 2, pal::GoldLight, 3);
  c.Frame(4, 4, c.w - 8, c.h - 8, pal::Gold, 1);
  c.OutlineShapes(pal::Ink);
}

const ea::Picture& ItemUi(int image) {
  for (const ea::NumberedPicture& p : ea::kItemUiPictures)
    if (p.image == image) return p.picture;
  return ea::kNoPicture;
}

// The marker of the bag cell last used, drawn at twice its size over the
// whole cell: a darker well in a gold rim.
void DrawBagMarker(Canvas& c) {
  c.Fill(Mix(pal::WoodDeep, pal::Night, 0.3f));
  c.Frame(0, 0, c.w, c.h, pal::GoldLight, 2);
  c.Frame(3, 3, c.w - 6, c.h - 6, pal::Gold, 1);
  c.Noise(4, 4, c.w - 8, c.h - 8, 4);
}
}  // namespace

ASSETGEN_TABLE(ExchangeChoicePictures) {
  using namespace ea;
  Register(r, kChoicePictures[kChoiceBackground], 1,
           [](Canvas& c) { DrawHallBack(c, pal::Wood, 32); });
  Register(r, kChoicePictures[kChoicePortraitFrame], 1, DrawPortraitBoard);
  Register(r, kChoicePictures[kChoiceButton], 1, DrawBigButton);
  Register(r, kChoicePictures[kChoiceArrows], 1, DrawArrows);
  Register(r, kChoicePictures[kChoiceItemsCaption], 1, [](Canvas& c) { DrawCaption(c, "Items"); });
  Register(r, kChoicePictures[kChoiceArmiesCaption], 1,
           [](Canvas& c) { DrawCaption(c, "Armies"); });
  Register(r, kChoicePictures[kChoiceItemsPicture], 1, DrawItemsPicture);
  Register(r, kChoicePictures[kChoiceArmiesPicture], 1, DrawArmiesPicture);
}

ASSETGEN_TABLE(ArmyExchangePictures) {
  using namespace ea;
  Register(r, ArmyUi(kArmyBackground), 1, [](Canvas& c) { DrawHallBack(c, pal::WoodDark, 16); });
  Register(r, ArmyUi(kArmyPanel), 1, DrawPanelBoard);
  Register(r, ArmyUi(kArmyTrade), 1, DrawTradeSign);
  // The health and attack digits, the separator and the skull are the party
  // screens' own pictures (art_party.cpp).
  Register(r, ArmyUi(kArmyShieldDigits), 10,
           [](Canvas& c) { DrawDigits(c, ArmyUi(kArmyShieldDigits), pal::BlueLight); });
  Register(r, ArmyUi(kArmyHighlight), 1, DrawHighlight);
  for (int i = 0; i < 2; ++i)
    Register(r, kArmyPlayerPortraits[i], 1,
             [i](Canvas& c) { people::DrawFace(c, people::kPlayerFaces[i]); });
}

ASSETGEN_TABLE(ItemExchangePictures) {
  using namespace ea;
  // The backdrop, the Back button, the digits, the bag rows, the outlines
  // and the arrows are the other screens' pictures.
  Register(r, ItemUi(kItemPanel), 1, DrawPanelBoard);
  Register(r, ItemUi(kItemBagMarker), 1, DrawBagMarker);
}
