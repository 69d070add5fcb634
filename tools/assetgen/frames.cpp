// Frame sheets and the three-look buttons.
#include <algorithm>

#include "assetgen.h"

namespace assetgen {

void FramePos(int imageWidth, int fw, int fh, int k, int* x, int* y) {
  int perRow = fw > 0 ? std::max(imageWidth / fw, 1) : 1;
  *x = (k % perRow) * fw;
  *y = (k / perRow) * fh;
}

void ForEachFrame(Canvas& c, int fw, int fh, int count,
                  const std::function<void(Canvas& frame, int k)>& draw) {
  if (fw <= 0 || fh <= 0) return;
  for (int k = 0; k < count; ++k) {
    int x, y;
    FramePos(c.w, fw, fh, k, &x, &y);
    if (x + fw > c.w || y + fh > c.h) break;
    Canvas f = c.Crop(x, y, fw, fh);
    f.rng = Rng(c.rng.Next() ^ (uint64_t(k) * 0x9E3779B97F4A7C15ull));
    draw(f, k);
    c.Blit(f, x, y, false);
  }
}

void DrawButtonLook(Canvas& f, int look, const std::string& caption, const ButtonStyle& st,
                    const std::function<void(Canvas&, int, int, int, int, int)>& face) {
  f.Fill(f.Clear());
  int off = look == 2 ? 1 : 0;
  int bx = off, by = off, bw = f.w - 1, bh = f.h - 1;
  Rgb body = look == 1 ? Lighten(st.face, 0.2f) : (look == 2 ? Darken(st.face, 0.25f) : st.face);
  // Idle and hovered cast a one-pixel shadow down-right; pressed sits in it.
  if (!f.keyed) {
    f.Rect(0, 0, f.w, f.h, pal::Ink);
  } else if (look != 2) {
    f.Rect(bx + 1, by + 1, bw, bh, pal::Ink);
  }
  f.Rect(bx, by, bw, bh, body);
  f.Frame(bx, by, bw, bh, pal::Ink);
  int inner = 1;
  if (look == 1) {
    f.Frame(bx + 1, by + 1, bw - 2, bh - 2, pal::GoldLight);
    f.Frame(bx + 2, by + 2, bw - 4, bh - 4, pal::Gold);
    inner = 3;
  }
  Rgb light = Lighten(body, 0.35f), dark = Darken(body, 0.4f);
  for (int i = 0; i < st.bevel; ++i) {
    int ix = bx + inner + i, iy = by + inner + i, iw = bw - 2 * (inner + i),
        ih = bh - 2 * (inner + i);
    if (iw <= 0 || ih <= 0) break;
    Rgb tl = look == 2 ? dark : light, br = look == 2 ? light : dark;
    f.Rect(ix, iy, iw, 1, tl);
    f.Rect(ix, iy, 1, ih, tl);
    f.Rect(ix, iy + ih - 1, iw, 1, br);
    f.Rect(ix + iw - 1, iy, 1, ih, br);
  }
  if (st.rounded && bw > 6 && bh > 6) {
    const int cx[4] = {bx, bx + bw - 1, bx, bx + bw - 1},
              cy[4] = {by, by, by + bh - 1, by + bh - 1};
    const int ix[4] = {1, -1, 1, -1}, iy[4] = {1, 1, -1, -1};
    for (int i = 0; i < 4; ++i) {
      f.Set(cx[i], cy[i], f.keyed ? f.key : pal::Ink);
      f.Set(cx[i] + ix[i], cy[i] + iy[i], pal::Ink);
    }
  }
  int pad = inner + st.bevel;
  int fx = bx + pad, fy = by + pad, fwid = bw - 2 * pad, fht = bh - 2 * pad;
  if (face) {
    face(f, look, fx, fy, fwid, fht);
    return;
  }
  if (caption.empty()) return;
  TextStyle ts;
  ts.bold = st.bold;
  ts.size = st.textSize > 0 ? st.textSize : std::max(8, (bh * 5) / 10);
  ts.color = look == 1 ? Lighten(st.text, 0.6f) : (look == 2 ? Darken(st.text, 0.15f) : st.text);
  ts.shadow = true;
  ts.shadowColor = pal::Ink;
  ts.margin = 1;
  f.Text(fx, fy, fwid, fht, caption, ts);
}

void DrawButtonLooks(Canvas& c, int fw, int fh, const std::string& caption, const ButtonStyle& st,
                     const std::function<void(Canvas&, int, int, int, int, int)>& face) {
  int count = (c.w / std::max(fw, 1)) * (c.h / std::max(fh, 1));
  ForEachFrame(c, fw, fh, count,
               [&](Canvas& f, int k) { DrawButtonLook(f, k <= 2 ? k : 0, caption, st, face); });
}

}  // namespace assetgen
