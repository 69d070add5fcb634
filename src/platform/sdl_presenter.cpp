// The SDL display: the frame goes to a streaming texture that is scaled to
// the window with its aspect kept, one present per frame with vsync.
#include <SDL.h>

#include "platform/presenter.h"

namespace {

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
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (!renderer_) {
      renderer_ = SDL_CreateRenderer(win, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
      if (!renderer_) renderer_ = SDL_CreateRenderer(win, -1, SDL_RENDERER_SOFTWARE);
      if (!renderer_) return false;
    }
    int ww = 0, wh = 0;
    SDL_GetWindowSize(win, &ww, &wh);
    if (ww < width || wh < height) {
      SDL_SetWindowSize(win, width, height);
      SDL_SetWindowPosition(win, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_RenderSetLogicalSize(renderer_, width, height);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    if (!texture_) return false;
    width_ = width;
    height_ = height;
    lastShow_ = SDL_GetPerformanceCounter();
    return true;
  }

  bool Show(const uint32_t* pixels) override {
    if (!renderer_ || !texture_) return false;
    SDL_UpdateTexture(texture_, nullptr, pixels, width_ * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    const double freq = static_cast<double>(SDL_GetPerformanceFrequency());
    const uint64_t before = SDL_GetPerformanceCounter();
    SDL_RenderPresent(renderer_);
    const double presentMs = static_cast<double>(SDL_GetPerformanceCounter() - before) * 1000.0 / freq;
    // A display that does not wait for its retrace (a virtual X server, a
    // hidden window) returns at once; then the frame rate is held at 60 Hz
    // here so that an idle game does not hold a core.
    if (presentMs < 5.0) {
      if (fastPresents_ < 1000) ++fastPresents_;
    } else {
      fastPresents_ = 0;
    }
    if (fastPresents_ >= 10) {
      const double target = 1000.0 / 60.0;
      const double elapsed =
          static_cast<double>(SDL_GetPerformanceCounter() - lastShow_) * 1000.0 / freq;
      if (elapsed < target) SDL_Delay(static_cast<uint32_t>(target - elapsed + 0.5));
    }
    lastShow_ = SDL_GetPerformanceCounter();
    return true;
  }

 private:
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int fastPresents_ = 0;
  uint64_t lastShow_ = 0;
};

}  // namespace

Presenter* CreateSdlPresenter() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
  return new SdlPresenter;
}
