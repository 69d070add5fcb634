// Map benchmark: the kingdom map's busiest frame (map_scene.h: every object
// of the map present and drawn, the camera where the most of them are on
// the screen), headless. Prints milliseconds per frame (least, middle,
// greatest) and how many objects the frame shows. (The invading armies' turn
// has its own, invasion_bench.) Not a test.
#include <cstdio>
#include <memory>

#include "bench_game.h"
#include "map_scene.h"

namespace {

constexpr int kFrames = 300;

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("map_bench", device)) return 1;
  auto scene = std::make_unique<bench::MapScene>();
  if (!scene->Build(device)) {
    std::fprintf(stderr, "map_bench: the map's pictures are missing\n");
    return 1;
  }
  const bench::Spread frame = bench::MsEach(kFrames, [&] { scene->Frame(device); });
  std::printf(
      "kingdom map, camera (%d, %d) with %d of the map's %d objects on screen, %d frames:\n",
      scene->cameraX, scene->cameraY, scene->onScreen, scene->objects, kFrames);
  bench::PrintSpread("map frame", frame);
  scene.reset();
  device.Release();
  return 0;
}
