#include "platform/letterbox.h"

#include <algorithm>

namespace {

// Rounds towards minus infinity, so that a point just left of the frame is
// -1 and not 0.
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The output point over frame pixel f along one side: the middle of the
// run of points that OutputToFrame takes to it. A shrunk frame does not
// show every pixel; one that is not shown gets the point after it, or the
// last point of the side.
int32_t FrameToOutputAxis(int32_t start, int32_t scaled, int32_t frame, int32_t f) {
  const int64_t first = -FloorDiv(-int64_t{f} * scaled, frame);
  const int64_t last = -FloorDiv(-(int64_t{f} + 1) * scaled, frame) - 1;
  const int64_t at = last > first ? (first + last) / 2 : first;
  return start + static_cast<int32_t>(at < scaled ? at : scaled - 1);
}

}  // namespace

FrameFit FitFrame(int32_t outWidth, int32_t outHeight, int32_t frameWidth, int32_t frameHeight) {
  if (outWidth <= 0 || outHeight <= 0 || frameWidth <= 0 || frameHeight <= 0) {
    return FrameFit{0, 0, frameWidth, frameHeight};
  }
  int64_t w = outWidth;
  int64_t h = int64_t{outWidth} * frameHeight / frameWidth;
  if (h > outHeight) {
    h = outHeight;
    w = int64_t{outHeight} * frameWidth / frameHeight;
  }
  return FrameFit{static_cast<int32_t>((outWidth - w) / 2),
                  static_cast<int32_t>((outHeight - h) / 2), static_cast<int32_t>(w),
                  static_cast<int32_t>(h)};
}

void OutputToFrame(const FrameFit& fit, int32_t frameWidth, int32_t frameHeight, int32_t px,
                   int32_t py, int32_t* fx, int32_t* fy) {
  if (fit.width <= 0 || fit.height <= 0) {
    *fx = px;
    *fy = py;
    return;
  }
  *fx = static_cast<int32_t>(FloorDiv((int64_t{px} - fit.x) * frameWidth, fit.width));
  *fy = static_cast<int32_t>(FloorDiv((int64_t{py} - fit.y) * frameHeight, fit.height));
}

void FrameToOutput(const FrameFit& fit, int32_t frameWidth, int32_t frameHeight, int32_t fx,
                   int32_t fy, int32_t* px, int32_t* py) {
  if (fit.width <= 0 || fit.height <= 0 || frameWidth <= 0 || frameHeight <= 0) {
    *px = fx;
    *py = fy;
    return;
  }
  *px = FrameToOutputAxis(fit.x, fit.width, frameWidth, fx);
  *py = FrameToOutputAxis(fit.y, fit.height, frameHeight, fy);
}

void RestingPoint(int32_t frameWidth, int32_t frameHeight, int32_t margin, int32_t* fx,
                  int32_t* fy) {
  const int32_t mx = std::min(margin, (frameWidth - 1) / 2);
  const int32_t my = std::min(margin, (frameHeight - 1) / 2);
  *fx = std::clamp(*fx, mx, frameWidth - 1 - mx);
  *fy = std::clamp(*fy, my, frameHeight - 1 - my);
}
