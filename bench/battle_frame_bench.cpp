// Battle frame benchmark: the busiest battle frame (battle_scene.h) drawn
// through the battle screen's own drawing on the game's pictures. Prints
// milliseconds per frame (least, middle, greatest). Not a test.

#include <cstdio>
#include <memory>

#include "battle_scene.h"
#include "bench_game.h"

namespace {

constexpr int kFrames = 300;

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("battle_frame_bench", device)) return 1;
  headless::Reset();
  auto scene = std::make_unique<bench::BattleScene>();
  scene->Build(device);
  const bench::Spread frame = bench::MsEach(kFrames, [&] { scene->Frame(device); });
  int enemies = 0, allies = 0;
  for (uint8_t alive : scene->Screen().enemyAlive) enemies += alive;
  for (uint8_t present : scene->Screen().allyPresent) allies += present;
  std::printf(
      "battle 73 frame (%d enemies, %d allied units, 6 armies, grid, markers, bar, panel), %d "
      "frames:\n",
      enemies, allies, kFrames);
  bench::PrintSpread("battle frame", frame);
  scene.reset();
  device.Release();
  return 0;
}
