// Fuzzes the music check against the synthesiser the mixer plays MIDI with:
// every input the check passes is played in process by fluidsynth's player,
// set up as SDL_mixer sets it up (the game's sample rate and sound font, no
// audio driver, looping for ever as the game asks) and rendered in the
// mixer's blocks as fast as it goes. The target fails, saying why, when the
// player
//   - spins: a block has not come back after kSpinSeconds;
//   - falls behind real time: the music took longer to render than to hear;
//   - starts the piece again sooner than the check reckoned it could end;
//   - keeps another length of the piece than the check counted, or stops
//     (it could not read the file).
// At exit each process prints how many inputs the check passed and the
// slowest render it saw, as a share of real time; and a run in which the
// check passed no input at all fails, since it tried nothing against the
// synthesiser.

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/sound_check.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kSampleRate = 22050;  // the game opens the mixer at this rate
constexpr int kBlockFrames = 1024;     // and with blocks of this many frames
constexpr int kChannels = 2;
// Just past the first end of the shortest piece the check passes (a
// second), so that a piece that ends sooner is seen starting again.
constexpr int kBlocks = 22;
constexpr double kBlockSeconds = kBlockFrames / kSampleRate;
constexpr double kRenderSeconds = kBlocks * kBlockSeconds;
constexpr double kSpinSeconds = 2;
constexpr std::chrono::milliseconds kWatchStep{50};
constexpr double kMicrosPerSecond = 1e6;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "midi_player_fuzz: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

// When the block being rendered started (ticks of Clock), or 0 between
// blocks. A thread of its own watches it: a player that spins never comes
// back to be timed.
std::atomic<int64_t> blockStart{0};

void Watch() {
  for (;;) {
    std::this_thread::sleep_for(kWatchStep);
    const int64_t start = blockStart.load();
    if (start == 0) continue;
    const std::chrono::duration<double> taken =
        Clock::now() - Clock::time_point(Clock::duration(start));
    if (taken.count() > kSpinSeconds) {
      char what[160];
      std::snprintf(what, sizeof what,
                    "the player spins: a block of %d frames has not come back in %.0f s",
                    kBlockFrames, kSpinSeconds);
      Fail(what);
    }
  }
}

// The mixer makes a synthesiser for each piece it loads. The target keeps
// one for many pieces, since loading the sound font takes far longer than
// playing one; but the synthesiser counts its samples in 32 bits, which wrap
// after some 54 hours at 22,050 Hz and make its player jump. So a fresh one
// is made well before: after this many samples.
constexpr uint64_t kSamplesPerSynth = uint64_t{1} << 31;

struct Synth {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  uint64_t samples = 0;  // rendered so far
};

Synth* synthesiser = nullptr;

void NewSynth() {
  if (synthesiser) {
    delete_fluid_synth(synthesiser->synth);
    delete_fluid_settings(synthesiser->settings);
    delete synthesiser;
  }
  synthesiser = new Synth;
  synthesiser->settings = new_fluid_settings();
  fluid_settings_setnum(synthesiser->settings, "synth.sample-rate", kSampleRate);
  synthesiser->synth = new_fluid_synth(synthesiser->settings);
  if (!synthesiser->synth || fluid_synth_sfload(synthesiser->synth, QORV_SOUNDFONT, 1) < 0) {
    Fail("cannot load the sound font " QORV_SOUNDFONT);
  }
}
uint64_t inputs = 0;
uint64_t passed = 0;
double slowestShare = 0;  // the slowest render so far, of real time

// At exit: libFuzzer ends a run that has used its time or its count of
// inputs with exit(); a failure ends it at once, without this.
void EndOfRun() {
  std::fprintf(stderr,
               "midi_player_fuzz: %llu of %llu inputs passed; slowest render %.3f of real time\n",
               static_cast<unsigned long long>(passed), static_cast<unsigned long long>(inputs),
               slowestShare);
  if (inputs > 0 && passed == 0) {
    std::fprintf(stderr,
                 "midi_player_fuzz: no input reached the synthesiser: the check refused all "
                 "%llu\n",
                 static_cast<unsigned long long>(inputs));
    std::fflush(stderr);
    // exit() must not be called again while the process exits.
    std::_Exit(EXIT_FAILURE);
  }
}

// What the player did while a piece played: the block being rendered, the
// tick it last reported and the block in which the piece last started (the
// first time at the very beginning of block 0).
struct Playing {
  int block = 0;
  int lastTick = -1;
  int startBlock = 0;
  uint64_t shortestMicros = 0;
};

int OnTick(void* data, int tick) {
  Playing& p = *static_cast<Playing*>(data);
  if (tick < p.lastTick) {
    // Started again within this block, after the start within block
    // startBlock: at most this long after it.
    const double longest = (p.block - p.startBlock + 1) * kBlockSeconds;
    if (longest * kMicrosPerSecond < static_cast<double>(p.shortestMicros)) {
      char what[200];
      std::snprintf(what, sizeof what,
                    "the piece started again after at most %.3f s; the check reckoned at least "
                    "%.3f s",
                    longest, static_cast<double>(p.shortestMicros) / kMicrosPerSecond);
      Fail(what);
    }
    p.startBlock = p.block;
  }
  p.lastTick = tick;
  return FLUID_OK;
}

void Play(const uint8_t* data, size_t size, const MidiLength& length) {
  if (synthesiser->samples >= kSamplesPerSynth) NewSynth();
  synthesiser->samples += uint64_t{kBlocks} * kBlockFrames;
  fluid_synth_t* synth = synthesiser->synth;
  fluid_player_t* player = new_fluid_player(synth);
  if (!player || fluid_player_add_mem(player, data, size) != FLUID_OK) Fail("no player");
  Playing playing;
  playing.shortestMicros = length.shortestMicros;
  fluid_player_set_tick_callback(player, OnTick, &playing);
  fluid_player_set_loop(player, -1);
  fluid_player_play(player);

  std::vector<int16_t> samples(kBlockFrames * kChannels);
  const Clock::time_point begin = Clock::now();
  for (playing.block = 0; playing.block < kBlocks; ++playing.block) {
    blockStart.store(Clock::now().time_since_epoch().count());
    fluid_synth_write_s16(synth, kBlockFrames, samples.data(), 0, kChannels, samples.data(), 1,
                          kChannels);
    blockStart.store(0);
    if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) {
      Fail("the player stopped: the synthesiser could not read the file");
    }
    const int kept = fluid_player_get_total_ticks(player);
    if (playing.block == 0 && static_cast<uint64_t>(kept) != length.ticks) {
      char what[160];
      std::snprintf(what, sizeof what,
                    "the synthesiser keeps %d ticks of the piece; the check counted %llu", kept,
                    static_cast<unsigned long long>(length.ticks));
      Fail(what);
    }
  }
  const std::chrono::duration<double> taken = Clock::now() - begin;
  const double share = taken.count() / kRenderSeconds;
  if (share > slowestShare) slowestShare = share;
  if (share > 1) {
    char what[160];
    std::snprintf(what, sizeof what,
                  "the player falls behind real time: %.2f s of music took %.2f s to render",
                  kRenderSeconds, taken.count());
    Fail(what);
  }
  fluid_player_stop(player);
  delete_fluid_player(player);
  fluid_synth_system_reset(synth);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The synthesiser's own complaints about the files it reads would drown
  // libFuzzer's output; what matters is what it does.
  for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
  NewSynth();
  std::thread(Watch).detach();
  std::atexit(EndOfRun);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MidiLength length;
  ++inputs;
  if (!MidiFault(data, size, &length).empty()) return 0;
  ++passed;
  Play(data, size, length);
  return 0;
}
