#include "platform/window_manager.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

// A window that has gone (a window manager that quit) is no reason to stop.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// The window that a _NET_SUPPORTING_WM_CHECK property on w names, or None.
Window CheckWindow(Display* display, Window w, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Window named = None;
  if (XGetWindowProperty(display, w, check, 0, 1, False, AnyPropertyType, &type, &format, &count,
                         &after, &data) == Success &&
      data && format == 32 && count == 1) {
    named = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return named;
}

}  // namespace

bool WindowManagerRuns(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  // The root names the manager's own window, which names itself while the
  // manager runs; a manager that quit leaves the root's property behind.
  XSync(display, False);
  XErrorHandler previous = XSetErrorHandler(IgnoreError);
  const Window manager = CheckWindow(display, XDefaultRootWindow(display), check);
  const bool runs = manager != None && CheckWindow(display, manager, check) == manager;
  XSync(display, False);
  XSetErrorHandler(previous);
  return runs;
}

#else

bool WindowManagerRuns(SDL_Window*) { return true; }

#endif
