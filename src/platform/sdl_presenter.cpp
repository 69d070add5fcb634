// The SDL display: the frame goes to a streaming texture that is scaled to
// the window with its aspect kept, one present per frame with vsync.
//
// Where the only accelerated renderer is OpenGL drawn on the processor (a
// virtual X server, a machine without a graphics driver), the frame goes
// straight to the window's own surface instead: only the rows that changed
// since the last frame are copied and sent to the display, at most 60 times a
// second, so that an idle screen costs next to nothing.
#include <SDL.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "platform/presenter.h"

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;
// An unchanged frame is still sent this often, so that a window uncovered by
// another shows the game again.
constexpr double kRefreshMs = 250.0;

// Whether the renderer draws on the processor: SDL's software renderer, or
// OpenGL whose driver is one of Mesa's software rasterisers.
bool DrawsInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
  if (info.flags & SDL_RENDERER_SOFTWARE) return true;
  if (!info.name || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned int);
  constexpr unsigned int kGlRenderer = 0x1F01;
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString) return false;
  const char* name = reinterpret_cast<const char*>(getString(kGlRenderer));
  if (!name) return false;
  for (const char* soft : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
    if (std::strstr(name, soft)) return true;
  }
  return false;
}

class SdlPresenter : public Presenter {
 public:
  ~SdlPresenter() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
  }

  DisplayMode Desktop() const override {
    SDL_DisplayMode mode;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
      return DisplayMode{static_cast<uint32_t>(mode.w), static_cast<uint32_t>(mode.h),
                         static_cast<uint32_t>(mode.refresh_rate), 22};
    }
    return DisplayMode{800, 600, 60, 22};
  }

  bool Open(void* window, int32_t width, int32_t height) override {
    SDL_Window* win = static_cast<SDL_Window*>(window);
    if (!win) return false;
    window_ = win;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    textureFilled_ = false;
    // A window drawn through its surface uses the surface itself, not one
    // that SDL would show through an OpenGL texture again; a renderer is
    // not touched by this.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!renderer_ && !useSurface_) {
      renderer_ = SDL_CreateRenderer(win, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
      if (renderer_ && DrawsInSoftware(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
        useSurface_ = true;
      }
      if (!renderer_ && !useSurface_) useSurface_ = true;
    }
    int ww = 0, wh = 0;
    SDL_GetWindowSize(win, &ww, &wh);
    if (ww < width || wh < height) {
      SDL_SetWindowSize(win, width, height);
      SDL_SetWindowPosition(win, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    width_ = width;
    height_ = height;
    lastShow_ = SDL_GetPerformanceCounter();
    if (useSurface_) {
      if (!SDL_GetWindowSurface(win)) return false;
      shownSurface_ = nullptr;
      shownPixels_ = nullptr;
      return true;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_RenderSetLogicalSize(renderer_, width, height);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    return texture_ != nullptr;
  }

  bool Show(const uint32_t* pixels) override { return ShowFrame(pixels, false); }

  // The frame last shown again: the window's surface or the texture still
  // holds it.
  bool ShowUnchanged(const uint32_t* pixels) override { return ShowFrame(pixels, true); }

 private:
  bool ShowFrame(const uint32_t* pixels, bool unchanged) {
    if (useSurface_) return ShowOnSurface(pixels, unchanged);
    if (!renderer_ || !texture_) return false;
    if (!unchanged || !textureFilled_) SDL_UpdateTexture(texture_, nullptr, pixels, width_ * 4);
    textureFilled_ = true;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    const uint64_t before = SDL_GetPerformanceCounter();
    SDL_RenderPresent(renderer_);
    const double presentMs = MsSince(before);
    // A display that does not wait for its retrace (a hidden window) returns
    // at once; then the frame rate is held at 60 Hz here so that an idle
    // game does not hold a core.
    if (presentMs < 5.0) {
      if (fastPresents_ < 1000) ++fastPresents_;
    } else {
      fastPresents_ = 0;
    }
    if (fastPresents_ >= 10) HoldFrameRate();
    lastShow_ = SDL_GetPerformanceCounter();
    return true;
  }

  double MsSince(uint64_t counter) const {
    return static_cast<double>(SDL_GetPerformanceCounter() - counter) * 1000.0 /
           static_cast<double>(SDL_GetPerformanceFrequency());
  }

  void HoldFrameRate() {
    const double elapsed = MsSince(lastShow_);
    if (elapsed < kFrameMs) SDL_Delay(static_cast<uint32_t>(kFrameMs - elapsed + 0.5));
  }

  // The window's surface: the parts that differ from the frame last sent are
  // copied (the whole frame, scaled with its aspect kept, when the window is
  // not the frame's size) and only they are sent to the display, as a few
  // rectangles around the changed rows.
  // An unchanged frame is not compared at all: only the refresh sends it.
  bool ShowOnSurface(const uint32_t* pixels, bool unchanged) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return false;
    const bool direct = surface->w == width_ && surface->h == height_ &&
                        (surface->format->format == SDL_PIXELFORMAT_RGB888 ||
                         surface->format->format == SDL_PIXELFORMAT_ARGB8888);
    // A surface of the frame's size keeps the frame last sent, so the next
    // one is compared with the surface itself; any other surface, or a new
    // one, takes the whole frame.
    const bool kept = surface == shownSurface_ && surface->pixels == shownPixels_;
    const bool whole = (!direct && !unchanged) || !kept || MsSince(lastSent_) >= kRefreshMs;
    rects_.clear();
    if (whole) {
      rects_.push_back(SDL_Rect{0, 0, width_, height_});
    } else if (!unchanged) {
      FindChangedRects(pixels, surface);
    }
    if (!rects_.empty()) {
      shownSurface_ = surface;
      shownPixels_ = surface->pixels;
      if (direct) {
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        for (const SDL_Rect& r : rects_) {
          for (int y = r.y; y < r.y + r.h; ++y) {
            std::memcpy(static_cast<uint8_t*>(surface->pixels) +
                            static_cast<size_t>(y) * surface->pitch + r.x * 4,
                        pixels + static_cast<size_t>(y) * width_ + r.x,
                        static_cast<size_t>(r.w) * 4);
          }
        }
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
      } else if (!ShowScaled(surface, pixels)) {
        return false;
      }
      lastSent_ = SDL_GetPerformanceCounter();
    }
    HoldFrameRate();
    lastShow_ = SDL_GetPerformanceCounter();
    return true;
  }

  // The rectangles around the rows that differ from the frame last sent:
  // rows close together share one rectangle, as wide as their changes.
  void FindChangedRects(const uint32_t* pixels, const SDL_Surface* surface) {
    constexpr int kJoinGap = 8;
    constexpr size_t kMostRects = 16;
    SDL_Rect band{0, 0, 0, 0};
    bool open = false;
    int lastChanged = -kJoinGap - 1;
    for (int y = 0; y < height_; ++y) {
      const uint32_t* now = pixels + static_cast<size_t>(y) * width_;
      const uint32_t* was = reinterpret_cast<const uint32_t*>(
          static_cast<const uint8_t*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch);
      if (std::memcmp(now, was, static_cast<size_t>(width_) * 4) == 0) continue;
      int left = 0, right = width_ - 1;
      while (now[left] == was[left]) ++left;
      while (now[right] == was[right]) --right;
      if (open && y - lastChanged <= kJoinGap) {
        const int x0 = band.x < left ? band.x : left;
        const int x1 = band.x + band.w - 1 > right ? band.x + band.w - 1 : right;
        band.x = x0;
        band.w = x1 - x0 + 1;
        band.h = y - band.y + 1;
      } else {
        if (open) rects_.push_back(band);
        band = SDL_Rect{left, y, right - left + 1, 1};
        open = true;
      }
      lastChanged = y;
    }
    if (open) rects_.push_back(band);
    if (rects_.size() > kMostRects) {
      // Too many pieces: one rectangle around them all.
      int x0 = width_, y0 = height_, x1 = 0, y1 = 0;
      for (const SDL_Rect& r : rects_) {
        if (r.x < x0) x0 = r.x;
        if (r.y < y0) y0 = r.y;
        if (r.x + r.w > x1) x1 = r.x + r.w;
        if (r.y + r.h > y1) y1 = r.y + r.h;
      }
      rects_.assign(1, SDL_Rect{x0, y0, x1 - x0, y1 - y0});
    }
  }

  // A window of another size: the whole frame, scaled with its aspect kept.
  bool ShowScaled(SDL_Surface* surface, const uint32_t* pixels) {
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(pixels), width_, height_, 32, width_ * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!frame) return false;
    SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
    int w = surface->w, h = surface->w * height_ / width_;
    if (h > surface->h) {
      h = surface->h;
      w = surface->h * width_ / height_;
    }
    SDL_Rect dst{(surface->w - w) / 2, (surface->h - h) / 2, w, h};
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_BlitScaled(frame, nullptr, surface, &dst);
    SDL_FreeSurface(frame);
    SDL_UpdateWindowSurface(window_);
    return true;
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool textureFilled_ = false;  // the texture holds the frame last shown
  bool useSurface_ = false;
  // The window surface the frame was last sent to (a surface of the
  // frame's size holds it), or none.
  const SDL_Surface* shownSurface_ = nullptr;
  const void* shownPixels_ = nullptr;
  std::vector<SDL_Rect> rects_;  // the parts of this frame to send
  int32_t width_ = 0;
  int32_t height_ = 0;
  int fastPresents_ = 0;
  uint64_t lastShow_ = 0;
  uint64_t lastSent_ = 0;
};

}  // namespace

Presenter* CreateSdlPresenter() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
  return new SdlPresenter;
}
