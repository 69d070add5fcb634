#pragma once
#include <cstdint>

// Music (MIDI) and sounds (WAV) through SDL_mixer. Volumes are 0..100,
// taken modulo 101, mapped to hundredths of a decibel by the scales below,
// and the master level is added to each channel's level before it becomes
// the mixer's 0..128 linear volume. Every file is read whole and checked
// (platform/sound_check.h) before the mixer gets it; a missing or damaged
// one plays as silence. On the headless backend no audio device is opened:
// files are checked the same way and every field is kept.

class AudioEngine;   // the mixer, when open
class AudioLoader;   // resolves and checks files
class AudioPath;     // a sound channel's mixer channel
class SoundSegment;  // a loaded sound
class MusicSegment;  // a loaded piece of music

// Hundredths of a decibel.
int32_t MasterVolumeLevel(int32_t volume);  // 100 m - 9000
int32_t SoundVolumeLevel(int32_t volume);   // 100 m - 10000
int32_t MusicVolumeLevel(int32_t volume);   // -9600 for 0, else (100 - m) x -32
// Linear mixer volume 0..128 of a level in hundredths of a decibel
// (0 dB = 128; louder levels are held at 128).
int32_t MixerVolume(int32_t hundredthsDb);

class MusicSystem {
 public:
  MusicSystem();
  ~MusicSystem();
  MusicSystem(const MusicSystem&) = delete;
  MusicSystem& operator=(const MusicSystem&) = delete;

  uint32_t Init(void* window, uint32_t sampleRate);
  uint32_t SetVolume(int32_t volume);
  uint32_t Shutdown();
  AudioEngine* GetPerformance() { return performance; }
  AudioLoader* GetLoader() { return loader; }
  // The master level last set, in hundredths of a decibel.
  int32_t MasterLevel() const;

  void* window;
  int32_t volume;
  AudioEngine* performance;
  AudioLoader* loader;
};

// One wave sound at a time; a new sound cuts off the previous one.
class SoundChannel {
 public:
  SoundChannel();
  ~SoundChannel();
  SoundChannel(const SoundChannel&) = delete;
  SoundChannel& operator=(const SoundChannel&) = delete;

  uint32_t Create(MusicSystem* system);
  // repeats: how many times the sound is heard; 0 = for ever.
  uint32_t Play(const char* fileName, int32_t volume, int32_t repeats);
  uint32_t SetVolume(int32_t volume);
  uint32_t Free();
  uint32_t Release();

  // The sound last played ("" when none) and whether it still plays.
  const char* LoadedPath() const;
  uint32_t IsPlaying() const;
  int32_t Level() const;  // hundredths of a decibel last set

  MusicSystem* system;
  AudioPath* audioPath;
  SoundSegment* segment;
  int32_t volume;
  int32_t repeats;
};

// One piece of music, repeated for ever or a given number of times.
class MusicTrack {
 public:
  MusicTrack();
  ~MusicTrack();
  MusicTrack(const MusicTrack&) = delete;
  MusicTrack& operator=(const MusicTrack&) = delete;

  uint32_t Attach(MusicSystem* system);
  uint32_t Load(const char* fileName);
  // repeats: how many times it plays; 0 = for ever.
  uint32_t Play(int32_t volume, int32_t repeats);
  uint32_t Stop();
  uint32_t SetVolume(int32_t volume);
  uint32_t Free();

  const char* LoadedPath() const;
  uint32_t IsPlaying() const;
  uint32_t IsStandardMidi() const;  // the name held ".mid"
  int32_t Level() const;            // hundredths of a decibel last set
  int32_t PlayRepeats() const;      // repeats of the last play

  MusicSystem* system;
  int32_t volume;
  MusicSegment* segment;
};
