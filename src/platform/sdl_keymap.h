#pragma once
// SDL scancodes to DirectInput scan codes. Internal to the platform layer.
#include <SDL.h>

// 0 for a key the game has no code for.
int DikFromScancode(SDL_Scancode code);
