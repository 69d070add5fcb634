#pragma once
// A record of the texts drawn through the fonts, frame by frame: what a
// test reads instead of pixels. Off unless a harness installs one on the
// graphics device; the game itself never keeps one.

#include <cstdint>
#include <string>
#include <vector>

struct DrawnText {
  std::string text;
  int32_t x;
  int32_t y;
  uint32_t colour;
};

class TextLog {
 public:
  // Adds one text to the frame being drawn.
  void Record(const char* text, int32_t x, int32_t y, uint32_t colour);
  // The frame is presented: its texts become the last presented frame's.
  void FramePresented();

  const std::vector<DrawnText>& Presented() const { return presented_; }

 private:
  std::vector<DrawnText> drawing_;
  std::vector<DrawnText> presented_;
};
