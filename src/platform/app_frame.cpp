#include "platform/app_frame.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend.h"
#include "platform/input_hub.h"
#include "platform/letterbox.h"
#include "platform/sdl_keymap.h"
#include "platform/window_manager.h"

AppFrame* currentApp = nullptr;

namespace {

bool g_quitPosted = false;
int g_quitCode = 0;
bool g_startInWindow = false;

void CopyName(char* dst, const char* src) {
  std::strncpy(dst, src, 259);
  dst[259] = '\0';
}

int ButtonIndex(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    default: return -1;
  }
}

// The frame's size: the graphics device's once it has one.
void FrameSize(int* width, int* height) {
  *width = 800;
  *height = 600;
  if (currentApp && currentApp->graphics.width > 0 && currentApp->graphics.height > 0) {
    *width = currentApp->graphics.width;
    *height = currentApp->graphics.height;
  }
}

// Tells the input where the system pointer is over the frame. On motion
// the position comes from SDL's own record, in window points: a renderer
// scaling the frame rewrites the coordinates of the events it sees. When
// the window itself moves or changes size under a still pointer that
// record is stale, so the pointer is asked of the display instead.
void TrackPointer(SDL_Window* win, bool askDisplay) {
  if (!win) return;
  int px = 0, py = 0, ww = 0, wh = 0, fw = 0, fh = 0;
  if (askDisplay) {
    int wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&px, &py);
    SDL_GetWindowPosition(win, &wx, &wy);
    px -= wx;
    py -= wy;
  } else {
    SDL_GetMouseState(&px, &py);
  }
  SDL_GetWindowSize(win, &ww, &wh);
  FrameSize(&fw, &fh);
  int fx = 0, fy = 0;
  OutputToFrame(FitFrame(ww, wh, fw, fh), fw, fh, px, py, &fx, &fy);
  InputHub::Get().PointerAt(fx, fy);
}

// Across a switch between full screen and a window the game's cursor stays
// on the frame pixel it was on: SDL keeps the pointer's window point, which
// lies elsewhere on the picture (or off the window) once the scale changes.
// The window manager gives the window its new place and size a little
// later, so the pointer is put back each time they change, for a moment.
constexpr uint32_t kKeepPointerMs = 1000;
// How far inside the picture the cursor rests while the pointer is outside
// a window: past the few pixels along the edges that scroll a screen.
constexpr int32_t kRestingMargin = 16;
bool g_keepPointer = false;
int g_keptX = 0, g_keptY = 0;
uint32_t g_keepUntil = 0;

// False once the moment is over.
bool PutPointerBack(SDL_Window* win) {
  if (!g_keepPointer) return false;
  if (SDL_TICKS_PASSED(SDL_GetTicks(), g_keepUntil)) {
    g_keepPointer = false;
    return false;
  }
  int ww = 0, wh = 0, fw = 0, fh = 0;
  SDL_GetWindowSize(win, &ww, &wh);
  FrameSize(&fw, &fh);
  int px = 0, py = 0;
  FrameToOutput(FitFrame(ww, wh, fw, fh), fw, fh, g_keptX, g_keptY, &px, &py);
  SDL_WarpMouseInWindow(win, px, py);
  InputHub::Get().PointerAt(g_keptX, g_keptY);
  return true;
}

// Full screen without a window manager: nobody would make the window full
// screen, so it stays as it is and only keeps the pointer. SDL is not asked
// to make it full screen, as it would then take the window for the size of
// the screen and scale the frame past the window's edges.
bool g_fullInWindow = false;

bool IsFullscreen(SDL_Window* win) {
  return g_fullInWindow || (SDL_GetWindowFlags(win) & SDL_WINDOW_FULLSCREEN) != 0;
}

// Full screen (the frame scaled to the display, the pointer kept on it) or
// a window of at least the frame's size (the pointer free).
void SetFullscreen(SDL_Window* win, bool full) {
  if (full) {
    g_fullInWindow = !WindowManagerRuns(win);
    if (!g_fullInWindow) SDL_SetWindowFullscreen(win, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_SetWindowGrab(win, SDL_TRUE);
    return;
  }
  g_fullInWindow = false;
  SDL_SetWindowGrab(win, SDL_FALSE);
  SDL_SetWindowFullscreen(win, 0);
  int ww = 0, wh = 0, fw = 0, fh = 0;
  SDL_GetWindowSize(win, &ww, &wh);
  FrameSize(&fw, &fh);
  if (ww < fw || wh < fh) {
    SDL_SetWindowSize(win, fw, fh);
    SDL_SetWindowPosition(win, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

// With no window manager nobody moves the keyboard focus between windows:
// SDL gives the window the focus as it shows it, and a manager that quits
// later takes it away for good. So there, as a manager that focuses on
// entering or on a click would, the pointer entering the window or a press
// in it takes the focus; SDL then reports it gained, which brings back the
// input and the pointer's hold. The manager is asked about each time, as it
// may have quit since the game started.
void TakeFocusWithoutManager(SDL_Window* win) {
  if (!win || SDL_GetKeyboardFocus() == win || WindowManagerRuns(win)) return;
  SDL_SetWindowInputFocus(win);
}

bool IsAltEnter(const SDL_KeyboardEvent& key) {
  return (key.keysym.scancode == SDL_SCANCODE_RETURN ||
          key.keysym.scancode == SDL_SCANCODE_KP_ENTER) &&
         (key.keysym.mod & KMOD_ALT) != 0;
}

// Turns one SDL event into input state or a window message.
void Dispatch(const SDL_Event& e, void* window) {
  InputHub& hub = InputHub::Get();
  switch (e.type) {
    // The window's close (its button, Alt+F4, the desktop's close) goes to
    // the game, which may ask first. SDL's quit comes from SIGINT or SIGTERM
    // alone (see Run): the program is told to end, and ends.
    case SDL_QUIT: AppFrame::StaticWindowProc(window, kMsgDestroy, 0, 0); break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        AppFrame::StaticWindowProc(window, kMsgClose, 0, 0);
      } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        WindowFocusChanged(window, true);
      } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        WindowFocusChanged(window, false);
      } else if (e.window.event == SDL_WINDOWEVENT_LEAVE) {
        // In a window the pointer is free to go; the game's cursor stays
        // just inside the picture instead of lying against an edge.
        SDL_Window* win = static_cast<SDL_Window*>(window);
        if (!IsFullscreen(win) && hub.pointerKnown) {
          int fw = 0, fh = 0, fx = hub.pointerX, fy = hub.pointerY;
          FrameSize(&fw, &fh);
          RestingPoint(fw, fh, kRestingMargin, &fx, &fy);
          hub.PointerAt(fx, fy);
        }
      } else if (e.window.event == SDL_WINDOWEVENT_ENTER ||
                 e.window.event == SDL_WINDOWEVENT_MOVED ||
                 e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        SDL_Window* win = static_cast<SDL_Window*>(window);
        if (e.window.event == SDL_WINDOWEVENT_ENTER) TakeFocusWithoutManager(win);
        if (!PutPointerBack(win) && SDL_GetMouseFocus() == win) TrackPointer(win, true);
      }
      break;
    case SDL_KEYDOWN:
      if (IsAltEnter(e.key)) {
        // Switches between full screen and a window; the game never sees it.
        if (!e.key.repeat) {
          SDL_Window* win = static_cast<SDL_Window*>(window);
          int fw = 0, fh = 0;
          FrameSize(&fw, &fh);
          g_keepPointer = SDL_GetMouseFocus() == win && hub.pointerKnown;
          g_keptX = std::clamp(hub.pointerX, 0, fw - 1);
          g_keptY = std::clamp(hub.pointerY, 0, fh - 1);
          g_keepUntil = SDL_GetTicks() + kKeepPointerMs;
          SetFullscreen(win, !IsFullscreen(win));
          PutPointerBack(win);
        }
      } else if (!e.key.repeat) {
        const int dik = DikFromScancode(e.key.keysym.scancode);
        if (dik) hub.KeyDown(dik);
      }
      break;
    case SDL_KEYUP: {
      const int dik = DikFromScancode(e.key.keysym.scancode);
      if (dik) hub.KeyUp(dik);
      break;
    }
    case SDL_MOUSEMOTION:
      hub.Motion(e.motion.xrel, e.motion.yrel);
      hub.SetAbsolute(e.motion.x, e.motion.y);
      TrackPointer(static_cast<SDL_Window*>(window), false);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (e.type == SDL_MOUSEBUTTONDOWN) TakeFocusWithoutManager(static_cast<SDL_Window*>(window));
      const int b = ButtonIndex(e.button.button);
      if (b >= 0) hub.Button(b, e.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    case SDL_MOUSEWHEEL: hub.Wheel(e.wheel.y * 120); break;
    default: break;
  }
}

}  // namespace

void WindowFocusChanged(void* window, bool focused) {
  // What is held as the window goes to the background is neither held nor
  // let go from then on (InputHub::SetFocus).
  InputHub::Get().SetFocus(focused);
  AppFrame::StaticWindowProc(window, focused ? kMsgSetFocus : kMsgKillFocus, 0, 0);
}

void PostQuitMessage(int exitCode) {
  g_quitPosted = true;
  g_quitCode = exitCode;
}

bool QuitPosted() { return g_quitPosted; }

int QuitExitCode() { return g_quitCode; }

void SetStartInWindow(bool inWindow) { g_startInWindow = inWindow; }

void ClearQuit() {
  g_quitPosted = false;
  g_quitCode = 0;
}

AppFrame::AppFrame() : instance(nullptr), window(nullptr), className{}, caption{} {
  currentApp = this;
  CopyName(className, "AppClass");
  CopyName(caption, "Application Caption");
  windowGeometry = WindowGeometry{kStylePopup, 0, 0, 500, 500};
}

AppFrame::~AppFrame() {
  if (currentApp == this) currentApp = nullptr;
}

intptr_t AppFrame::WindowProc(void* win, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  (void)wParam;
  (void)lParam;
  // As the system's default handling: closing destroys the window.
  if (message == kMsgClose) return StaticWindowProc(win, kMsgDestroy, 0, 0);
  return 0;
}

uint32_t AppFrame::Init() { return 1; }

uint32_t AppFrame::Shutdown() { return 1; }

uint32_t AppFrame::Frame() { return 1; }

intptr_t AppFrame::StaticWindowProc(void* win, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam) {
  if (message == kMsgDestroy) {
    PostQuitMessage(0);
    return 0;
  }
  if (!currentApp) return 0;
  return currentApp->WindowProc(win, message, wParam, lParam);
}

uint32_t AppFrame::RunFrame() {
  const uint32_t result = Frame();
  InputHub::Get().EndFrame();
  return result;
}

uint32_t AppFrame::FitClientArea(int32_t width, int32_t height) {
  if (window && width > 0 && height > 0) {
    SDL_SetWindowSize(static_cast<SDL_Window*>(window), width, height);
  }
  return 1;
}

uint32_t AppFrame::ShowSystemCursor(int32_t flag) {
  if (!IsHeadless() && SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(flag ? SDL_ENABLE : SDL_DISABLE);
  return 1;
}

uint32_t AppFrame::Run() {
  if (IsHeadless()) {
    // No window: the frames run back to back on the fake clock.
    if (Init() == 1) {
      while (!QuitPosted()) {
        if (!RunFrame()) break;
      }
    }
    Shutdown();
    return 1;
  }

  // Closing the window is the window's close message only, not also a quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "qorv: cannot open a display: %s\n", SDL_GetError());
    return 0;
  }
  // Without a display SDL falls back to drawing nowhere; the game would then
  // run unseen. Only a driver asked for by name is taken as it is.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  if (driver && (!asked || !*asked) &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
       std::strcmp(driver, "evdev") == 0)) {
    std::fprintf(stderr, "qorv: cannot open a display (no X11 or Wayland display found)\n");
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    return 0;
  }
  int w = static_cast<int>(windowGeometry.width);
  int h = static_cast<int>(windowGeometry.height);
  if (w <= 0 || h <= 0) {
    w = 800;
    h = 600;
  }
  // Shown once the game has set its frame up, full screen or as a window.
  SDL_Window* win = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                     SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (!win) {
    std::fprintf(stderr, "qorv: cannot open a window: %s\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    return 0;
  }
  window = win;
  FitClientArea(w, h);
  // The game draws its own cursor where the system pointer is.
  InputHub& hub = InputHub::Get();
  hub.followsPointer = true;
  hub.SetFocus(true);

  if (Init() == 1) {
    SetFullscreen(win, !g_startInWindow);
    SDL_ShowWindow(win);
    SDL_RaiseWindow(win);
    while (!QuitPosted()) {
      SDL_Event e;
      if (SDL_PollEvent(&e)) {
        Dispatch(e, window);
        continue;
      }
      if (!RunFrame()) break;
    }
  }
  Shutdown();

  // The device and its renderer go before their window.
  graphics.Release();
  hub.followsPointer = false;
  SDL_DestroyWindow(win);
  window = nullptr;
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
  return 1;
}
