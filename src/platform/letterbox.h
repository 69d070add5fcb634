#pragma once
// The frame shown on a window or a screen of another size: scaled as large
// as it fits with its aspect kept, centred, black bars on the two sides
// that are left over. Window points map back to frame pixels through it.
#include <cstdint>

struct FrameFit {
  int32_t x;  // where the scaled frame starts on the output
  int32_t y;
  int32_t width;  // the scaled frame's size on the output
  int32_t height;
};

// The scaled frame of frameWidth x frameHeight on an output of
// outWidth x outHeight (all sizes above 0; otherwise the frame unscaled).
FrameFit FitFrame(int32_t outWidth, int32_t outHeight, int32_t frameWidth, int32_t frameHeight);

// The frame pixel under output point (px, py): outside the scaled frame
// (on a bar) it lies outside 0..frameWidth-1 / 0..frameHeight-1.
void OutputToFrame(const FrameFit& fit, int32_t frameWidth, int32_t frameHeight, int32_t px,
                   int32_t py, int32_t* fx, int32_t* fy);

// An output point over frame pixel (fx, fy), the middle one of those that
// OutputToFrame takes to it; the inverse of OutputToFrame wherever the frame
// is shown at its size or larger.
void FrameToOutput(const FrameFit& fit, int32_t frameWidth, int32_t frameHeight, int32_t fx,
                   int32_t fy, int32_t* px, int32_t* py);

// Where the game's cursor rests when the pointer leaves a window: the frame
// pixel it was last on, drawn in from the edges by margin, so that the
// screens that scroll while the cursor lies against an edge stop scrolling
// once the player has gone to another window.
void RestingPoint(int32_t frameWidth, int32_t frameHeight, int32_t margin, int32_t* fx,
                  int32_t* fy);
