#pragma once
// Checks a music or sound file's bytes before the mixer is given them. The
// sound font synthesiser reads a MIDI file again in the audio thread each
// time a piece repeats, and a file it cannot read makes it retry for ever
// while holding the mixer's lock: every later call into the mixer then
// waits for good. So a file is taken only when every chunk lies within it,
// every event lies within its track, and the piece lasts at least a second
// with events sparse enough for the synthesiser to keep ahead of real time;
// anything else plays as silence. The headless backend checks the same way.

#include <cstddef>
#include <cstdint>
#include <string>

// How long a MIDI file that can be played lasts, as the check reckons it.
struct MidiLength {
  uint64_t ticks = 0;           // to the last event the synthesiser keeps
  uint64_t shortestMicros = 0;  // the least time one playing can take
};

// What is wrong with a standard MIDI file, or "" when it can be played (and
// then *length, when given, says how long it lasts).
std::string MidiFault(const uint8_t* data, size_t size, MidiLength* length = nullptr);

// What is wrong with a wave file (RIFF WAVE, PCM), or "" when it can be
// played.
std::string WaveFault(const uint8_t* data, size_t size);
