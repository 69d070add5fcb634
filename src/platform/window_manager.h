#pragma once
// The window manager, where the window's display has one. Internal to the
// platform layer.
#include <SDL.h>

// Whether a window manager runs on the window's X display, the one that
// makes a window full screen when asked. With none the window keeps its
// place and size, yet SDL takes it for as large as the screen from then on:
// its window size, window surface and renderer output all say so.
// Asked of the display each time, as a manager may quit while the game
// runs. Displays other than X answer true.
bool WindowManagerRuns(SDL_Window* window);
