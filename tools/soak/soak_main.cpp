// The soak: plays the game headless from the main menu with seeded random
// input, through every screen it can reach, in a game folder of its own.
//
//   soak --seed N --frames M [--dir GAMEDIR]
//
// Exit status 0 when no fault was seen, 1 on a fault (a screen that hangs;
// a failed internal check or a sanitizer report ends the process itself),
// 2 for a wrong command line or a game folder that cannot be laid out.
// The last line printed is always
//   frames F, screens visited K of 30, saves S, loads L

#include <malloc.h>
#include <unistd.h>

#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/screen_names.h"
#include "soak/game_folder.h"
#include "soak/prepared_games.h"
#include "soak/soak_player.h"

namespace {

// Where the run is, for the line written when the process dies of a failed check.
uint64_t gSeed = 0;
volatile uint32_t gFrame = 0;
// Set by Ctrl-C or a kill: the run ends at the next frame and cleans up.
volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) { gInterrupted = 1; }

void OnAbort(int sig) {
  char line[96];
  const int n = std::snprintf(line, sizeof line, "soak: seed %" PRIu64 " died at frame %u\n", gSeed,
                              static_cast<unsigned>(gFrame));
  [[maybe_unused]] const ssize_t written = n > 0 ? write(2, line, static_cast<size_t>(n)) : 0;
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// Resident memory now and at its peak, in kB.
void ReadMemory(long* rssKb, long* peakKb) {
  *rssKb = *peakKb = 0;
  std::FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return;
  char line[256];
  while (std::fgets(line, sizeof line, f)) {
    if (std::strncmp(line, "VmRSS:", 6) == 0) *rssKb = std::atol(line + 6);
    if (std::strncmp(line, "VmHWM:", 6) == 0) *peakKb = std::atol(line + 6);
  }
  std::fclose(f);
}

// Resident memory alone cannot tell a growing heap from a heap that has
// only spread out: malloc's own count of the bytes in use, and of the bytes
// it holds from the system, tells them apart.
void PrintMemory(uint32_t frame) {
  long rss = 0;
  long peak = 0;
  ReadMemory(&rss, &peak);
  const struct mallinfo2 heap = mallinfo2();
  constexpr size_t kKb = 1024;
  std::printf("memory at frame %u: resident %ld kB, peak %ld kB, heap in use %zu kB of %zu kB\n",
              frame, rss, peak, (heap.uordblks + heap.hblkhd) / kKb,
              (heap.arena + heap.hblkhd) / kKb);
  std::fflush(stdout);
}

bool ParseNumber(const char* text, uint64_t* out) {
  char* end = nullptr;
  if (!text || !*text || *text == '-') return false;
  *out = std::strtoull(text, &end, 10);
  return *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = 0;
  uint64_t frames = 0;
  bool haveSeed = false;
  bool haveFrames = false;
  std::string gameDir = QORV_GAME_DIR;
  bool ok = true;
  for (int i = 1; i < argc && ok; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
      ok = haveSeed = ParseNumber(argv[++i], &seed);
    } else if (std::strcmp(argv[i], "--frames") == 0 && hasValue) {
      ok = haveFrames = ParseNumber(argv[++i], &frames) && frames > 0 && frames <= UINT32_MAX;
    } else if (std::strcmp(argv[i], "--dir") == 0 && hasValue) {
      gameDir = argv[++i];
    } else {
      ok = false;
    }
  }
  if (!ok || !haveSeed || !haveFrames) {
    std::fprintf(stderr, "usage: soak --seed N --frames M [--dir GAMEDIR]\n");
    return 2;
  }

  SoakGameFolder folder(gameDir);
  if (folder.Path().empty() || chdir(folder.Path().c_str()) != 0) {
    std::fprintf(stderr, "soak: %s\n", folder.Error().c_str());
    return 2;
  }
  gSeed = seed;
  // A failed check aborts; a crash is left to the sanitizers' own handler.
  std::signal(SIGABRT, OnAbort);
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);

  // Memory is reported at frame 10,000, every 100,000 frames and at the end.
  constexpr uint32_t kFirstMemoryFrame = 10000;
  constexpr uint32_t kMemoryEvery = 100000;
  std::printf("start: %s\n", SoakStartName(SoakStartOf(seed)));
  SoakResult result;
  {
    SoakPlayer player(seed);
    player.onFrame = [&player](uint32_t frame) {
      gFrame = frame;
      if (gInterrupted) player.Stop();
      if (frame == kFirstMemoryFrame || frame % kMemoryEvery == 0) PrintMemory(frame);
    };
    result = player.Play(static_cast<uint32_t>(frames));
  }
  if (chdir("/") != 0) return 2;

  PrintMemory(result.frames);
  std::printf("restarts %d, digest %016" PRIx64 "\n", result.restarts, result.digest);
  if (!result.unvisited.empty()) std::printf("not visited: %s\n", result.unvisited.c_str());
  if (gInterrupted && result.fault.empty()) result.fault = "interrupted";
  if (!result.fault.empty())
    std::fprintf(stderr, "soak: seed %" PRIu64 ": %s\n", seed, result.fault.c_str());
  std::printf("frames %u, screens visited %d of %d, saves %d, loads %d\n", result.frames,
              result.screensVisited, kScreenCount, result.saves, result.loads);
  return result.fault.empty() ? 0 : 1;
}
