#include "platform/music.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/asset_log.h"
#include "platform/backend.h"
#include "platform/paths.h"
#include "platform/regular_file.h"
#include "platform/sound_check.h"

// The mixer and the state every wrapper shares. Without an audio device
// (headless) the same bookkeeping runs and nothing is heard.
class AudioEngine {
 public:
  bool device = false;      // an SDL_mixer device is open
  int32_t masterLevel = 0;  // hundredths of a decibel
  int32_t musicLevel = 0;   // the music path's level
  int nextChannel = 0;
  std::vector<SoundChannel*> channels;
  std::vector<MusicTrack*> tracks;
};

class AudioLoader {};

class AudioPath {
 public:
  int channel = -1;
  int32_t level = 0;
};

class SoundSegment {
 public:
  std::string path;
  Mix_Chunk* chunk = nullptr;
  bool started = false;
};

class MusicSegment {
 public:
  std::string path;
  std::vector<uint8_t> bytes;  // the file as checked; the mixer reads it
  Mix_Music* music = nullptr;
  bool midi = false;
  bool playing = false;
  int32_t repeats = 0;
};

namespace {

constexpr int kChannels = 16;

// The longest sound or music file the game opens.
constexpr uint64_t kAudioMaxBytes = 256u << 20;

int32_t Remainder101(int32_t volume) { return volume % 101; }

bool FileReadable(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

enum class AudioKind { kSound, kMusic };

// Reads a sound or music file whole (only a plain file, never waiting on a
// pipe) and checks it before anything else sees it, with or without a
// device. A missing file is only listed; a damaged one is told once on
// standard error as well, and either plays as silence.
bool ReadChecked(const std::string& path, const std::string& name, AudioKind kind,
                 std::vector<uint8_t>* bytes) {
  if (ReadRegularFile(path, kAudioMaxBytes, bytes) != FileFound::kRegular) return false;
  const std::string fault = kind == AudioKind::kMusic ? MidiFault(bytes->data(), bytes->size())
                                                      : WaveFault(bytes->data(), bytes->size());
  if (fault.empty()) return true;
  static std::set<std::string> told;
  if (told.insert(name).second) {
    std::fprintf(stderr, "qorv: %s is damaged (%s): it plays as silence\n", name.c_str(),
                 fault.c_str());
  }
  return false;
}

// The mixer reads from the bytes that were checked, not from the file again.
SDL_RWops* BytesStream(const std::vector<uint8_t>& bytes) {
  return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

Mix_Chunk* LoadWaveChunk(const std::vector<uint8_t>& bytes) {
  SDL_RWops* stream = BytesStream(bytes);
  return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

Mix_Music* LoadMusic(const std::vector<uint8_t>& bytes) {
  SDL_RWops* stream = BytesStream(bytes);
  return stream ? Mix_LoadMUS_RW(stream, 1) : nullptr;
}

void ApplyMusicVolume(AudioEngine* engine) {
  if (engine && engine->device)
    Mix_VolumeMusic(MixerVolume(engine->masterLevel + engine->musicLevel));
}

void ApplyChannelVolume(AudioEngine* engine, AudioPath* path) {
  if (engine && engine->device && path && path->channel >= 0) {
    Mix_Volume(path->channel, MixerVolume(engine->masterLevel + path->level));
  }
}

const char* SoundFontPath() {
#ifdef QORV_SOUNDFONT
  if (FileReadable(QORV_SOUNDFONT)) return QORV_SOUNDFONT;
#endif
  static const char* const kOthers[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                        "/usr/share/sounds/sf2/default-GM.sf2",
                                        "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
  for (const char* p : kOthers) {
    if (FileReadable(p)) return p;
  }
  return nullptr;
}

// Standard error sent nowhere while it lives: the sound libraries tried in
// turn on a machine without sound each print their own complaints, where
// one line says all a player needs to know.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

// Opens the mixer on the first sound device that works; false when none
// does.
bool OpenSoundDevice(uint32_t sampleRate) {
  QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (const char* fonts = SoundFontPath()) Mix_SetSoundFonts(fonts);
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(static_cast<int>(sampleRate ? sampleRate : 22050), AUDIO_S16SYS, 2, 1024) !=
      0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

int32_t MasterVolumeLevel(int32_t volume) { return 100 * Remainder101(volume) - 9000; }

int32_t SoundVolumeLevel(int32_t volume) { return 100 * Remainder101(volume) - 10000; }

int32_t MusicVolumeLevel(int32_t volume) {
  if (volume == 0) return -9600;
  const int32_t m = Remainder101(volume);
  return static_cast<int32_t>((100.0f - static_cast<float>(m)) * -32.0f);
}

int32_t MixerVolume(int32_t hundredthsDb) {
  if (hundredthsDb >= 0) return MIX_MAX_VOLUME;
  const double gain = std::pow(10.0, hundredthsDb / 2000.0);
  const long v = std::lround(gain * MIX_MAX_VOLUME);
  return static_cast<int32_t>(std::clamp<long>(v, 0, MIX_MAX_VOLUME));
}

// ---------------------------------------------------------------- MusicSystem

MusicSystem::MusicSystem() : window(nullptr), volume(0), performance(nullptr), loader(nullptr) {}

MusicSystem::~MusicSystem() { Shutdown(); }

uint32_t MusicSystem::Init(void* win, uint32_t sampleRate) {
  Shutdown();
  window = win;
  const bool headlessRun = IsHeadless();
  if (!win && !headlessRun) return 0;
  AudioEngine* engine = new AudioEngine;
  if (!headlessRun) {
    // No sound device: the game runs silently and every operation reports 0.
    if (!OpenSoundDevice(sampleRate)) {
      static bool told = false;
      if (!told) std::fprintf(stderr, "qorv: no sound device: playing without sound\n");
      told = true;
      delete engine;
      return 0;
    }
    Mix_AllocateChannels(kChannels);
    engine->device = true;
  }
  performance = engine;
  loader = new AudioLoader;
  SetVolume(100);
  return 1;
}

uint32_t MusicSystem::SetVolume(int32_t v) {
  if (!performance) return 0;
  const int32_t m = Remainder101(v);
  performance->masterLevel = MasterVolumeLevel(v);
  volume = m;
  ApplyMusicVolume(performance);
  for (SoundChannel* c : performance->channels) ApplyChannelVolume(performance, c->audioPath);
  return 1;
}

int32_t MusicSystem::MasterLevel() const { return performance ? performance->masterLevel : 0; }

uint32_t MusicSystem::Shutdown() {
  if (performance) {
    AudioEngine* engine = performance;
    // Whatever still plays stops; the wrappers keep their system pointer
    // but find it without a performance from now on.
    for (SoundChannel* c : std::vector<SoundChannel*>(engine->channels)) c->Release();
    for (MusicTrack* t : std::vector<MusicTrack*>(engine->tracks)) t->Free();
    if (engine->device) {
      Mix_HaltChannel(-1);
      Mix_HaltMusic();
      Mix_CloseAudio();
      Mix_Quit();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete engine;
    performance = nullptr;
  }
  delete loader;
  loader = nullptr;
  return 1;
}

// --------------------------------------------------------------- SoundChannel

SoundChannel::SoundChannel()
    : system(nullptr), audioPath(nullptr), segment(nullptr), volume(0), repeats(0) {}

SoundChannel::~SoundChannel() {
  Release();
  system = nullptr;
}

uint32_t SoundChannel::Create(MusicSystem* sys) {
  Release();
  system = sys;
  if (!sys || !sys->performance || !sys->loader) return 0;
  AudioEngine* engine = sys->performance;
  audioPath = new AudioPath;
  audioPath->channel = engine->nextChannel;
  engine->nextChannel = (engine->nextChannel + 1) % kChannels;
  engine->channels.push_back(this);
  return 1;
}

uint32_t SoundChannel::Play(const char* fileName, int32_t v, int32_t r) {
  Free();
  if (!system || !system->performance || !system->loader || !audioPath || !fileName) return 0;
  AudioEngine* engine = system->performance;
  const std::string path = ResolveGamePath(fileName);
  SoundSegment* s = new SoundSegment;
  s->path = NormalisePath(fileName);
  std::vector<uint8_t> bytes;
  bool ok = ReadChecked(path, s->path, AudioKind::kSound, &bytes);
  if (ok && engine->device) ok = (s->chunk = LoadWaveChunk(bytes)) != nullptr;
  if (!ok) {
    NoteMissingAsset(s->path);
    delete s;
    return 0;
  }
  segment = s;
  repeats = r;
  SetVolume(v);
  if (engine->device) {
    // repeats is how often the sound is heard; 0 repeats it for ever.
    const int loops = r == 0 ? -1 : (r > 0 ? r - 1 : 0);
    if (Mix_PlayChannel(audioPath->channel, s->chunk, loops) < 0) return 0;
  }
  s->started = true;
  return 1;
}

uint32_t SoundChannel::SetVolume(int32_t v) {
  if (!audioPath) return 0;
  audioPath->level = SoundVolumeLevel(v);
  volume = Remainder101(v);
  if (system) ApplyChannelVolume(system->performance, audioPath);
  return 1;
}

uint32_t SoundChannel::Free() {
  if (segment) {
    AudioEngine* engine = system ? system->performance : nullptr;
    if (engine && engine->device && audioPath) Mix_HaltChannel(audioPath->channel);
    if (segment->chunk) Mix_FreeChunk(segment->chunk);
    delete segment;
    segment = nullptr;
  }
  return 1;
}

uint32_t SoundChannel::Release() {
  Free();
  if (audioPath) {
    if (system && system->performance) {
      std::vector<SoundChannel*>& list = system->performance->channels;
      list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    delete audioPath;
    audioPath = nullptr;
  }
  return 1;
}

const char* SoundChannel::LoadedPath() const { return segment ? segment->path.c_str() : ""; }

uint32_t SoundChannel::IsPlaying() const {
  if (!segment || !segment->started) return 0;
  AudioEngine* engine = system ? system->performance : nullptr;
  if (engine && engine->device && audioPath) {
    return (Mix_Playing(audioPath->channel) && Mix_GetChunk(audioPath->channel) == segment->chunk)
               ? 1
               : 0;
  }
  return 1;
}

int32_t SoundChannel::Level() const { return audioPath ? audioPath->level : 0; }

// ----------------------------------------------------------------- MusicTrack

MusicTrack::MusicTrack() : system(nullptr), volume(0), segment(nullptr) {}

MusicTrack::~MusicTrack() {
  Free();
  if (system && system->performance) {
    std::vector<MusicTrack*>& list = system->performance->tracks;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

uint32_t MusicTrack::Attach(MusicSystem* sys) {
  Free();
  if (system && system->performance) {
    std::vector<MusicTrack*>& list = system->performance->tracks;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  system = sys;
  if (!sys || !sys->performance) return 0;
  sys->performance->tracks.push_back(this);
  return sys->loader ? 1 : 0;
}

uint32_t MusicTrack::Load(const char* fileName) {
  Free();
  if (!system || !system->performance || !system->loader || !fileName) return 0;
  AudioEngine* engine = system->performance;
  const std::string path = ResolveGamePath(fileName);
  MusicSegment* s = new MusicSegment;
  s->path = NormalisePath(fileName);
  s->midi = std::strstr(fileName, ".mid") != nullptr;
  bool ok = ReadChecked(path, s->path, AudioKind::kMusic, &s->bytes);
  if (ok && engine->device) ok = (s->music = LoadMusic(s->bytes)) != nullptr;
  if (!ok) {
    NoteMissingAsset(s->path);
    delete s;
    return 0;
  }
  segment = s;
  return 1;
}

uint32_t MusicTrack::Play(int32_t v, int32_t r) {
  Stop();
  if (!system || !system->performance || !segment) return 0;
  AudioEngine* engine = system->performance;
  segment->repeats = r;
  SetVolume(v);
  if (engine->device) {
    // repeats is how often the piece plays; 0 plays it for ever.
    if (Mix_PlayMusic(segment->music, r == 0 ? -1 : (r > 0 ? r : 1)) != 0) return 0;
  }
  segment->playing = true;
  return 1;
}

uint32_t MusicTrack::Stop() {
  if (!system || !system->performance || !segment) return 0;
  AudioEngine* engine = system->performance;
  if (engine->device && segment->playing && Mix_PlayingMusic()) Mix_HaltMusic();
  segment->playing = false;
  return 1;
}

uint32_t MusicTrack::SetVolume(int32_t v) {
  if (!system || !system->performance) return 0;
  AudioEngine* engine = system->performance;
  engine->musicLevel = MusicVolumeLevel(v);
  volume = Remainder101(v);
  ApplyMusicVolume(engine);
  return 1;
}

uint32_t MusicTrack::Free() {
  Stop();
  if (segment) {
    if (segment->music) Mix_FreeMusic(segment->music);
    delete segment;
    segment = nullptr;
  }
  return 1;
}

const char* MusicTrack::LoadedPath() const { return segment ? segment->path.c_str() : ""; }

uint32_t MusicTrack::IsPlaying() const {
  if (!segment || !segment->playing) return 0;
  AudioEngine* engine = system ? system->performance : nullptr;
  if (engine && engine->device) return Mix_PlayingMusic() ? 1 : 0;
  return 1;
}

uint32_t MusicTrack::IsStandardMidi() const { return segment && segment->midi ? 1 : 0; }

int32_t MusicTrack::Level() const {
  return system && system->performance ? system->performance->musicLevel : 0;
}

int32_t MusicTrack::PlayRepeats() const { return segment ? segment->repeats : 0; }
