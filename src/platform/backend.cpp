#include "platform/backend.h"

#include <cstdlib>
#include <cstring>

namespace {
bool g_chosen = false;
Backend g_backend = Backend::Sdl;
}  // namespace

void SetBackend(Backend backend) {
  g_backend = backend;
  g_chosen = true;
}

Backend GetBackend() {
  if (g_chosen) return g_backend;
  const char* env = std::getenv("QORV_HEADLESS");
  if (env && std::strcmp(env, "1") == 0) return Backend::Headless;
  return Backend::Sdl;
}
