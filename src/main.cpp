// The program: finds its game folder (pictures, music, sounds, settings and
// saves), runs the game full screen or in a window and ends when the game
// quits.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>

#include "app/game_app.h"
#include "platform/app_frame.h"
#include "platform/backend.h"
#include "platform/paths.h"

#ifndef QORV_INSTALLED_DATA
#define QORV_INSTALLED_DATA ""
#endif

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window") == 0) {
      SetStartInWindow(true);
    } else {
      std::fprintf(stderr,
                   "usage: qorv [--window]\n"
                   "  --window  start in a window instead of full screen (Alt+Enter switches)\n");
      return 2;
    }
  }

  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path here = std::filesystem::current_path(error);
  std::string why;
  const GameFolders folders =
      FindGameFolders(exe.string(), here.string(), QORV_INSTALLED_DATA,
                      std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), &why);
  if (folders.work.empty()) {
    std::fprintf(stderr, "qorv: %s\n", why.c_str());
    return 1;
  }
  if (chdir(folders.work.c_str()) != 0) {
    std::fprintf(stderr, "qorv: cannot enter the game folder %s\n", folders.work.c_str());
    return 1;
  }
  SetAssetFolder(folders.assets);

  SetBackend(Backend::Sdl);
  GameApp* app = new (std::nothrow) GameApp;
  if (!app) return 1;
  uint32_t ran = app->Run();
  delete app;
  return ran ? 0 : 1;
}
