#include "platform/clock.h"

#include <SDL.h>

#include "platform/backend.h"
#include "platform/headless.h"

uint32_t timeGetTime() {
  if (IsHeadless()) return headless::NowMs();
  return SDL_GetTicks();
}
