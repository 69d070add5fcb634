#pragma once
#include <cstdint>

// The millisecond clock of every timer of the game. On the SDL backend it
// is SDL's tick count; on the headless backend it is the fake clock that
// advances inside each GraphicsDevice::Present (see headless.h).
uint32_t timeGetTime();
