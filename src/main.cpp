// The program: finds its game folder (pictures, music, sounds, settings and
// saves), runs the game in a window and ends when the game quits.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "app/game_app.h"
#include "platform/backend.h"

namespace {

bool HoldsArt(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder / "Art", error);
}

// The folder "game" next to the executable, else the current folder when it
// holds Art/. Empty when neither does.
std::filesystem::path FindGameFolder() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    std::filesystem::path beside = exe.parent_path() / "game";
    if (HoldsArt(beside)) return beside;
  }
  std::filesystem::path here = std::filesystem::current_path(error);
  if (!error && HoldsArt(here)) return here;
  return {};
}

}  // namespace

int main() {
  std::filesystem::path folder = FindGameFolder();
  if (folder.empty()) {
    std::fprintf(stderr,
                 "qorv: no game folder found (looked for game/Art next to the program and Art "
                 "in the current folder)\n");
    return 1;
  }
  if (chdir(folder.c_str()) != 0) {
    std::fprintf(stderr, "qorv: cannot enter the game folder %s\n", folder.c_str());
    return 1;
  }

  SetBackend(Backend::Sdl);
  GameApp* app = new (std::nothrow) GameApp;
  if (!app) return 1;
  uint32_t ran = app->Run();
  delete app;
  return ran ? 0 : 1;
}
