// The mouse cursor: the arrow (drawn squeezed to 0.8 x 0.6 by the game) and
// the two busy looks of the map (meeting and inspecting).
#include "assetgen.h"

using namespace assetgen;

namespace {

// Recolours the pixels of colour mark with a top-left to bottom-right ramp.
void Ramp(Canvas& c, Rgb mark, Rgb from, Rgb to, int x0, int y0, int x1, int y1) {
  float span = float((x1 - x0) + (y1 - y0));
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (c.Get(x, y) == mark) c.Set(x, y, Mix(from, to, float((x - x0) + (y - y0)) / span));
}

void DrawArrow(Canvas& c) {
  // The outline as it should look on screen, stretched back by 1/0.8 and 1/0.6.
  const Pt shape[] = {{0, 0},   {0, 21},       {5, 16.5f}, {8.5f, 24.5f},
                      {12, 23}, {8.5f, 15.5f}, {15, 15.5f}};
  std::vector<Pt> pts;
  for (const Pt& p : shape) pts.push_back({2 + p.x / 0.8f, 2 + p.y / 0.6f});
  const Rgb mark = pal::Gold;
  c.Polygon(pts, mark);
  Ramp(c, mark, pal::GoldLight, pal::GoldDark, 2, 2, 22, 44);
  // A light edge on the left (light from the top left).
  for (int y = 4; y < 34; ++y) c.Set(3, y, pal::ParchmentLight);
  // Two rings of ink so the outline survives the squeeze.
  c.OutlineShapes(pal::Ink);
  c.OutlineShapes(pal::WoodDark);
}

void DrawMeeting(Canvas& f) {
  f.CircleOutline(16, 16, 14.5f, pal::Gold, 2.5f);
  f.CircleOutline(16, 16, 12, pal::GoldDark, 1);
  // Two small figures side by side, hands joined.
  for (int side = 0; side < 2; ++side) {
    float cx = side == 0 ? 11.5f : 20.5f;
    Rgb coat = side == 0 ? pal::Blue : pal::BlueLight;
    f.Polygon({{cx - 3.5f, 24}, {cx - 2.5f, 14}, {cx + 2.5f, 14}, {cx + 3.5f, 24}}, coat);
    f.Circle(cx, 10.5f, 3.2f, pal::Skin);
    f.Rect(int(cx) - 2, 7, 5, 2, side == 0 ? pal::HairBrown : pal::HairBlond);
  }
  f.ThickLine(13, 17, 19, 17, 2, pal::Skin);
  f.OutlineShapes(pal::Ink);
}

void DrawInspect(Canvas& f) {
  f.ThickLine(18.5f, 18.5f, 28, 28, 5, pal::Wood);
  f.ThickLine(19.5f, 18.5f, 27.5f, 26.5f, 1.5f, pal::WoodLight);
  f.Circle(12.5f, 12.5f, 9.5f, pal::GoldDark);
  f.Circle(12.5f, 12.5f, 7, pal::WaterLight);
  f.EllipseOutline(12.5f, 12.5f, 9.5f, 9.5f, pal::Gold, 2);
  f.ThickLine(9, 8, 11, 6.5f, 1.5f, pal::ParchmentLight);
  f.OutlineShapes(pal::Ink);
}

}  // namespace

ASSETGEN_TABLE(CursorPictures) {
  r.Picture("Art\\Cursor2.bmp", 64, 64, 64, 64, kKeyBlack, DrawArrow);
  r.Picture("Art\\Cursor1.bmp", 64, 32, 32, 32, kKeyBlack, [](Canvas& c) {
    ForEachFrame(c, 32, 32, 2, [](Canvas& f, int k) { k == 0 ? DrawMeeting(f) : DrawInspect(f); });
  });
}
