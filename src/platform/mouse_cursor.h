#pragma once
#include <cstdint>

#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

class GraphicsDevice;

// The game's own cursor, moved by the mouse's relative motion. A move that
// takes it off the allowed area (x 2..796, y 2..598) is undone whole when
// it is drawn at the end of the frame.
class MouseCursor {
 public:
  MouseCursor();
  ~MouseCursor();
  MouseCursor(const MouseCursor&) = delete;
  MouseCursor& operator=(const MouseCursor&) = delete;

  // Image 0 "Art\Cursor2.bmp" (frames 64 x 64), image 1 "Art\Cursor1.bmp"
  // (frames 32 x 32), black transparent; the result of the last load.
  uint32_t Load(GraphicsDevice* device);
  // Moves the position by the motion of this poll (none when the poll fails);
  // on a display whose pointer the game does not capture, puts it where the
  // system pointer is (kept within the allowed area).
  void Poll();
  void Draw();
  void DrawBusy(int32_t frame);
  void RestorePrevious();
  static uint32_t IsOffScreen(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px,
                              int32_t py);

  SpriteSheet sheet;
  int32_t prevX;
  int32_t prevY;
  int32_t x;
  int32_t y;
  InputDevice mouse;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v("x", x);
    v("y", y);
    v("prevX", prevX);
    v("prevY", prevY);
    v.Handle(mouse);
  }

 private:
  void KeepOnScreen();
};
