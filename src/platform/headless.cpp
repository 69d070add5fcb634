#include "platform/headless.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/input_hub.h"
#include "platform/presenter.h"

namespace {

struct HeadlessState {
  uint32_t frameMs = 16;
  uint32_t nowMs = 0;
  uint32_t presents = 0;
  std::vector<uint32_t> frame = std::vector<uint32_t>(
      static_cast<size_t>(headless::kFrameWidth) * headless::kFrameHeight, 0xFF000000u);
};

HeadlessState& State() {
  static HeadlessState s;
  return s;
}

class HeadlessPresenter : public Presenter {
 public:
  DisplayMode Desktop() const override {
    return DisplayMode{static_cast<uint32_t>(headless::kFrameWidth),
                       static_cast<uint32_t>(headless::kFrameHeight), 60, 22};
  }
  bool Open(void* window, int32_t width, int32_t height) override {
    (void)window;
    width_ = width;
    height_ = height;
    return width > 0 && height > 0;
  }
  bool Show(const uint32_t* pixels) override {
    HeadlessState& s = State();
    // Copy what overlaps the stored 800 x 600 frame.
    const int w = width_ < headless::kFrameWidth ? width_ : headless::kFrameWidth;
    const int h = height_ < headless::kFrameHeight ? height_ : headless::kFrameHeight;
    for (int y = 0; y < h; ++y) {
      std::memcpy(&s.frame[static_cast<size_t>(y) * headless::kFrameWidth],
                  pixels + static_cast<size_t>(y) * width_, sizeof(uint32_t) * w);
    }
    // The wait for the retrace: the clock moves on by one frame.
    s.nowMs += s.frameMs;
    s.presents += 1;
    return true;
  }

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace

Presenter* CreateHeadlessPresenter() { return new HeadlessPresenter; }

namespace headless {

void SetFrameMs(uint32_t ms) { State().frameMs = ms; }
uint32_t FrameMs() { return State().frameMs; }
uint32_t NowMs() { return State().nowMs; }
void SetNowMs(uint32_t ms) { State().nowMs = ms; }
uint32_t PresentCount() { return State().presents; }

void KeyDown(int dik) { InputHub::Get().KeyDown(dik); }
void KeyUp(int dik) { InputHub::Get().KeyUp(dik); }
void MouseMotion(int dx, int dy) { InputHub::Get().Motion(dx, dy); }
void MouseButton(int button, bool down) { InputHub::Get().Button(button, down); }
void SetInputFocus(bool focused) { InputHub::Get().SetFocus(focused); }

const uint32_t* FramePixels() { return State().frame.data(); }

int WritePng(const char* path) {
  if (!path) return 0;
  FILE* f = std::fopen(path, "wb");
  if (!f) return 0;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    if (png) png_destroy_write_struct(&png, nullptr);
    std::fclose(f);
    return 0;
  }
  std::vector<uint8_t> row(static_cast<size_t>(kFrameWidth) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    std::remove(path);
    return 0;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, kFrameWidth, kFrameHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const uint32_t* frame = State().frame.data();
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) {
      const uint32_t p = frame[static_cast<size_t>(y) * kFrameWidth + x];
      row[3 * x] = static_cast<uint8_t>(p >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(p);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0 ? 1 : 0;
}

void Reset() {
  HeadlessState& s = State();
  s.frameMs = 16;
  s.nowMs = 0;
  s.presents = 0;
  std::fill(s.frame.begin(), s.frame.end(), 0xFF000000u);
  InputHub::Get().Reset();
}

}  // namespace headless
