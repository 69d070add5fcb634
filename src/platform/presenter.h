#pragma once
// The display a GraphicsDevice presents its frame to. Internal to the
// platform layer.
#include <cstdint>

#include "platform/graphics_device.h"

class Presenter {
 public:
  virtual ~Presenter() = default;
  // The display's current mode.
  virtual DisplayMode Desktop() const = 0;
  // Prepares to show frames of width x height on the window (the SDL
  // window, or nothing for the headless display). true on success.
  virtual bool Open(void* window, int32_t width, int32_t height) = 0;
  // Shows one frame (0xFFRRGGBB, width x height of Open).
  virtual bool Show(const uint32_t* pixels) = 0;
  // Shows a frame that is the very frame the last Show was given.
  virtual bool ShowUnchanged(const uint32_t* pixels) { return Show(pixels); }
};

// Creates the presenter of the chosen backend; nullptr when none can start.
Presenter* CreatePresenter();
Presenter* CreateHeadlessPresenter();
Presenter* CreateSdlPresenter();
