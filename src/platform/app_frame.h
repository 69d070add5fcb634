#pragma once
#include <cstdint>

#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/music.h"

// Window messages the frame passes to WindowProc.
constexpr uint32_t kMsgDestroy = 0x0002;
constexpr uint32_t kMsgSetFocus = 0x0007;
constexpr uint32_t kMsgKillFocus = 0x0008;
constexpr uint32_t kMsgClose = 0x0010;
constexpr uint32_t kMsgQuit = 0x0012;

struct WindowGeometry {
  uint32_t style;
  uint32_t x;
  uint32_t y;
  uint32_t width;
  uint32_t height;
};

constexpr uint32_t kStylePopup = 0x80000000u;

// The framework base class: the window, the message loop and the platform
// objects. Run() opens the window, calls Init once, then Frame (by
// RunFrame) whenever no window message is waiting until the quit message (or
// a Frame result of 0), then Shutdown. The headless harness calls
// Init/RunFrame/Shutdown itself.
class AppFrame {
 public:
  AppFrame();
  virtual ~AppFrame();
  AppFrame(const AppFrame&) = delete;
  AppFrame& operator=(const AppFrame&) = delete;

  // The default handling: a close request destroys the window, whose
  // destruction posts the quit message; everything else returns 0.
  virtual intptr_t WindowProc(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam);
  virtual uint32_t Init();
  virtual uint32_t Shutdown();
  virtual uint32_t Frame();

  // SDL backend: 0 when no window can be opened (a message is printed on
  // standard error), else 1 after the loop and Shutdown. Headless backend:
  // no window; Init, the loop and Shutdown; 1.
  uint32_t Run();
  // One frame of the game: Frame, then the end of the input's frame (a press
  // read during it is done with). Whatever runs the game's frames, the
  // message loops as the scenario runner, runs each through it.
  uint32_t RunFrame();
  uint32_t FitClientArea(int32_t width, int32_t height);
  uint32_t ShowSystemCursor(int32_t flag);
  // Routes a message: kMsgDestroy posts the quit message, the rest goes to
  // currentApp's WindowProc.
  static intptr_t StaticWindowProc(void* window, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam);
  void* GetWindow() { return window; }
  void* GetInstance() { return instance; }

  void* instance;
  void* window;
  char className[260];
  char caption[260];
  WindowGeometry windowGeometry;
  InputSystem input;
  InputDevice keyboard;
  GraphicsDevice graphics;
  MusicSystem music;
  SoundChannel sound;
  MusicTrack musicTrack;
};

// Whether AppFrame::Run opens its window full screen (the default: the frame
// scaled to the whole display with its aspect kept) or as a window. Alt+Enter
// switches between the two at any time. The game's cursor follows the system
// pointer, which is hidden only while over the game; a window never captures
// the pointer, full screen keeps it on the screen. On an X display with no
// window manager full screen is the window as it is, keeping the pointer.
void SetStartInWindow(bool inWindow);

// The one application object (set by the AppFrame constructor).
extern AppFrame* currentApp;

// What the message loop does when the window gains or loses the keyboard
// focus: the input follows (InputHub::SetFocus), then the window procedure
// hears of it.
void WindowFocusChanged(void* window, bool focused);

// The quit message: posted by the game or by closing the window; the
// message loop ends when it finds it.
void PostQuitMessage(int exitCode);
bool QuitPosted();
int QuitExitCode();
void ClearQuit();
