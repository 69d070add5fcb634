#pragma once
// Drawing of texture rectangles into the frame. Internal to the platform
// layer.
#include <cstddef>
#include <cstdint>

#include "platform/graphics_device.h"
#include "platform/texture.h"

class SpriteBlitter {
 public:
  // Sets aside room for a few scaled copies of large pictures (see Draw),
  // so that drawing never allocates.
  explicit SpriteBlitter(FrameTarget* target);
  ~SpriteBlitter();
  SpriteBlitter(const SpriteBlitter&) = delete;
  SpriteBlitter& operator=(const SpriteBlitter&) = delete;

  // Draws the source rectangle (already given a width and height) of image
  // with its top-left corner at (x, y), scaled by (scaleX, scaleY),
  // nearest-neighbour, honouring the target's alpha test and blending.
  // Source pixels outside the image are not drawn, nor anything outside
  // the frame. false when no source pixel lies inside the image or a
  // scale is not a finite number. A large opaque rectangle drawn scaled (a
  // full-screen picture) is scaled once into one of the blitter's own few
  // slots and copied from there while it keeps being drawn; a rectangle
  // with keyed-out pixels drawn alpha-tested or blended is kept at its scale
  // with its opaque runs in the blitter's own room.
  bool Draw(const TextureImage& image, int32_t x, int32_t y, int32_t srcX, int32_t srcY,
            int32_t srcWidth, int32_t srcHeight, float scaleX, float scaleY, uint32_t colour);
  // What Draw would give for these arguments, without drawing; *draws
  // tells whether it would touch the frame at all.
  bool Accepts(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
               int32_t srcHeight, float scaleX, float scaleY, bool* draws) const;

  // The source rectangle scaled as Draw would draw it, for
  // TextureImage::scaled; nullptr when the rectangle is not inside the
  // image, has a transparent pixel, a scale is not positive, or the result
  // would be larger than the frame may be.
  ScaledCopy* MakeScaledCopy(const TextureImage& image, int32_t srcX, int32_t srcY,
                             int32_t srcWidth, int32_t srcHeight, float scaleX, float scaleY);

  static constexpr int32_t kMaxFrameSide = 4096;

 private:
  static constexpr int32_t kMostSteps = 1024;
  // The source index (from the rectangle's start, -1 = none) of each
  // position along one axis for one source length and scale, counted from
  // the draw point: positions k0 .. k0 + count - 1. Kept for the last few
  // lengths and scales (one slot for each, chosen by both) so that a frame's
  // draws rarely work them out again.
  struct AxisSteps {
    int32_t srcLen = 0;
    float scale = 0.0f;
    int32_t k0 = 0;
    int32_t count = -1;  // -1 = empty slot
    int32_t index[kMostSteps];
  };
  static constexpr int kStepsKept = 64;

  // nullptr when the steps are too many to keep (then worked out per pixel).
  const AxisSteps* StepsFor(int32_t srcLen, float scale);
  bool MapAxis(int32_t pos, int32_t src, int32_t srcLen, int32_t clip0, int32_t clip1, float scale,
               int32_t frameLen, int32_t* map, int32_t* first, int32_t* last);
  bool DrawScaledCopy(const ScaledCopy& copy, int32_t x, int32_t y);
  // A source rectangle with keyed-out pixels kept scaled, with the opaque
  // runs of its rows (as TextureImage's), in the blitter's own room.
  struct RunCopy {
    uint64_t imageId = 0;  // 0 = empty slot
    int32_t srcX, srcY, srcWidth, srcHeight;
    float scaleX, scaleY;
    int32_t width, height;
    const uint32_t* pixels;
    const int32_t* runStart;
    const int32_t* runs;
  };
  // The copy of a source rectangle inside the picture at positive scales,
  // made now while there is room; nullptr when none can be had.
  const RunCopy* RunCopyFor(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
                            int32_t srcHeight, float scaleX, float scaleY);
  // Makes the copy into the room, false when it does not fit.
  bool MakeRunCopy(const TextureImage& image, RunCopy* slot, int32_t width, int32_t height);
  void ForgetRunCopies();
  // Copies the opaque runs of the copy.
  bool DrawCopyRuns(const RunCopy& copy, int32_t x, int32_t y);
  // Whether the source rectangle lies inside the image and has no
  // transparent pixel.
  static bool Opaque(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
                     int32_t srcHeight);
  // Maps the columns and rows of an opaque rectangle as a draw at (0, 0)
  // does, giving the scaled size; false when it cannot be kept scaled.
  bool MapCopy(const TextureImage& image, int32_t srcX, int32_t srcY, int32_t srcWidth,
               int32_t srcHeight, float scaleX, float scaleY, int32_t* width, int32_t* height);
  // Fills width x height pixels from the mapped columns and rows.
  void FillCopy(const TextureImage& image, int32_t width, int32_t height, uint32_t* out) const;
  // The slot copy of a large rectangle at this scale, made now when a slot
  // is free or long unused; nullptr when none can be had.
  const ScaledCopy* LargeCopyFor(const TextureImage& image, int32_t srcX, int32_t srcY,
                                 int32_t srcWidth, int32_t srcHeight, float scaleX, float scaleY);
  // Copies the opaque runs of the source rows onto the mapped frame
  // rectangle, for a left-to-right column map; false when the source span is
  // too wide for the table (then drawn pixel by pixel).
  bool DrawRuns(const TextureImage& image, int32_t colFirst, int32_t colLast, int32_t rowFirst,
                int32_t rowLast);

  FrameTarget* target_;
  // Source column for each frame column and source row for each frame row
  // (-1 = not drawn); sized for the frame.
  int32_t columns_[kMaxFrameSide];
  int32_t rows_[kMaxFrameSide];
  int32_t firstAt_[kMaxFrameSide + 1];
  AxisSteps steps_[kStepsKept];

  struct LargeCopy {
    uint64_t imageId = 0;  // 0 = empty
    uint64_t lastUsed = 0;
    ScaledCopy copy{};  // its pixels are the slot's room
    size_t room = 0;    // pixels the slot holds
  };
  static constexpr int kLargeSlots = 4;
  LargeCopy large_[kLargeSlots];
  uint64_t largeDraws_ = 0;

  // The copies with runs: an open table of kRunSlots slots, at most
  // kMostRunCopies used, their pixels and runs in kRunRoom words. When the
  // room is full the copies are all dropped to make room, but only once
  // they have been drawn from for a good while (so that more pictures
  // than fit are not scaled anew frame after frame).
  static constexpr uint32_t kRunSlots = 4096;
  static constexpr uint32_t kMostRunCopies = kRunSlots / 2;
  static constexpr size_t kRunRoom = size_t{4} << 20;
  RunCopy* runCopies_ = nullptr;
  uint32_t runCopyCount_ = 0;
  uint32_t* runRoom_ = nullptr;
  size_t runRoomUsed_ = 0;
  uint64_t runPixelsDrawn_ = 0;  // since the copies were last dropped
};
