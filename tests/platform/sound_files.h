#pragma once
// MIDI and wave files written by hand for the music tests: good ones and
// the damaged shapes that once hung the sound font synthesiser.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform_test_util.h"

namespace soundfiles {

using Bytes = std::vector<uint8_t>;

// A note held for four beats (two seconds at the default tempo: at least
// one however the synthesiser rounds), then the end of the track.
inline const Bytes kNotes = {0, 0x90, 60, 100, 0x83, 0x00, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
// The same, its note ended under running status.
inline const Bytes kRunningNotes = {0, 0x90, 60, 100, 0x83, 0x00, 60, 0, 0, 0xFF, 0x2F, 0};
inline const Bytes kEndOfTrack = {0, 0xFF, 0x2F, 0};

inline Bytes NotesOnly() { return Bytes(kNotes.begin(), kNotes.end() - kEndOfTrack.size()); }

inline Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

inline void PutBig(Bytes& b, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A delta time as a MIDI file writes it: seven bits a byte, high ones first.
inline Bytes VarLen(uint32_t v) {
  Bytes b = {static_cast<uint8_t>(v & 0x7F)};
  for (v >>= 7; v; v >>= 7) b.insert(b.begin(), static_cast<uint8_t>(0x80 | (v & 0x7F)));
  return b;
}

// A tempo event: microseconds a beat, after a delta time.
inline Bytes Tempo(uint32_t delta, uint32_t micros) {
  Bytes b = Cat({VarLen(delta), {0xFF, 0x51, 3}});
  PutBig(b, micros, 3);
  return b;
}

// The same bytes again and again.
inline Bytes Repeat(const Bytes& part, size_t times) {
  Bytes out;
  out.reserve(part.size() * times);
  for (size_t i = 0; i < times; ++i) out.insert(out.end(), part.begin(), part.end());
  return out;
}

inline Bytes EndOfTrackAt(uint32_t delta) { return Cat({VarLen(delta), {0xFF, 0x2F, 0}}); }

inline Bytes Chunk(const char* kind, const Bytes& body) {
  Bytes b(kind, kind + 4);
  PutBig(b, static_cast<uint32_t>(body.size()), 4);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

inline Bytes Track(const Bytes& events) { return Chunk("MTrk", events); }

// A header for format, tracks and division, then the chunks as given.
inline Bytes Midi(int format, int tracks, const std::vector<Bytes>& chunks, int division = 96) {
  Bytes head;
  PutBig(head, static_cast<uint32_t>(format), 2);
  PutBig(head, static_cast<uint32_t>(tracks), 2);
  PutBig(head, static_cast<uint32_t>(division), 2);
  Bytes b = Chunk("MThd", head);
  for (const Bytes& c : chunks) b.insert(b.end(), c.begin(), c.end());
  return b;
}

inline Bytes Cut(Bytes b, size_t bytes) {
  b.resize(b.size() - bytes);
  return b;
}

// 42 bytes: a header of two tracks, one empty track, then 16 bytes of 0xFF
// where the second track belongs.
inline Bytes GarbageTrack() {
  Bytes b = Midi(1, 2, {Track(kEndOfTrack)});
  b.insert(b.end(), 16, 0xFF);
  return b;
}

// A header chunk of seven bytes.
inline Bytes LongHeader() {
  Bytes b = Midi(1, 1, {});
  b[7] = 7;
  b.push_back(0);
  const Bytes t = Track(kNotes);
  b.insert(b.end(), t.begin(), t.end());
  return b;
}

inline Bytes UnknownChunkAmongTracks() {
  return Midi(1, 2, {Track(kNotes), Chunk("XFIH", {1, 2, 3, 4, 5}), Track(kNotes)});
}

// A first track whose chunk says 6 bytes (a note and the next time) while
// its events go on into the second track's chunk.
inline Bytes EventsPastTheirChunk() {
  Bytes first = Track(kNotes);
  first[7] = 6;
  return Midi(1, 2, {first, Track(kNotes)});
}

// Every event on tick 0: the piece lasts no time.
inline Bytes ZeroLengthPiece() { return Midi(1, 1, {Track(Cat({{0, 0x90, 60, 1}, kEndOfTrack}))}); }

// 29 bytes: a note on tick 0, then an empty system exclusive event a beat
// later and no end of track. The synthesiser drops the empty event, and with
// it the only time the piece had.
inline Bytes EmptySysExLast() {
  return Midi(1, 1, {Track({0, 0x90, 0x3C, 0x40, 0x60, 0xF0, 0x00})});
}

constexpr uint32_t kFastestTempo = 1;       // microseconds a beat
constexpr uint32_t kSecondABeat = 1000000;  // microseconds a beat
constexpr size_t kDenseNotes = 400000;      // the 1.6 MB file that was found
constexpr size_t kFewerDenseNotes = 40000;  // the same kind in 160 KB

// A beat of a microsecond, the given count of notes on tick 0 and the end of
// the track a tick later: the synthesiser starts it again every few
// milliseconds, reading every note each time.
inline Bytes DenseShortPiece(size_t notes) {
  return Midi(
      1, 1,
      {Track(Cat({Tempo(0, kFastestTempo), Repeat({0, 0x90, 60, 100}, notes), EndOfTrackAt(1)}))});
}

// A piece of the given seconds (a beat each) with this many notes: all on
// tick 0, or one on each tick from the start.
inline Bytes NotesOverSeconds(size_t notes, uint32_t seconds, bool together) {
  const uint32_t division = together ? 1 : static_cast<uint32_t>((notes + seconds - 1) / seconds);
  const Bytes note = {static_cast<uint8_t>(together ? 0 : 1), 0x90, 60, 100};
  const uint32_t lastNote = together ? 0 : static_cast<uint32_t>(notes - 1);
  return Midi(1, 1,
              {Track(Cat({Tempo(0, kSecondABeat),
                          {0, 0x90, 60, 100},
                          Repeat(note, notes - 1),
                          EndOfTrackAt(division * seconds - lastNote)}))},
              static_cast<int>(division));
}

// A tempo of a microsecond a beat for the first tick, then a slow one for a
// minute of notes. The synthesiser takes a new tempo only between its blocks
// of samples, so the fast one runs through the whole piece at once.
inline Bytes FastTempoForATick() {
  const Bytes beat = {0x60, 0x90, 60, 100, 0x60, 0x80, 60, 0};
  return Midi(1, 1,
              {Track(Cat({Tempo(0, kFastestTempo), Tempo(1, kSecondABeat), Repeat(beat, 30),
                          kEndOfTrack}))});
}

// A note held from tick 0 for the given ticks, then the end of the track.
// The tempo (microseconds a beat) is set on tick 0 when one is given; else
// the default one holds.
inline Bytes HeldNote(uint32_t ticks, int division, uint32_t tempo = 0) {
  const Bytes tempoEvent = tempo ? Tempo(0, tempo) : Bytes{};
  return Midi(
      1, 1,
      {Track(Cat({tempoEvent, {0, 0x90, 60, 100}, VarLen(ticks), {0x80, 60, 0}, kEndOfTrack}))},
      division);
}

// The crowded pieces below play at a tick a beat and a second a beat: a
// second as the check reckons it (at twice the tempo) is two ticks.
constexpr uint32_t kCrowdTicks = 20;  // the length of each

// A tempo and notes on tick 0, `together` events in all, one more note at
// tick `next` and the end of the track at kCrowdTicks.
inline Bytes Crowd(size_t together, uint32_t next) {
  return Midi(1, 1,
              {Track(Cat({Tempo(0, kSecondABeat),
                          Repeat({0, 0x90, 60, 100}, together - 1),
                          VarLen(next),
                          {0x90, 60, 100},
                          EndOfTrackAt(kCrowdTicks - next)}))},
              1);
}

// A note from tick 0 to kCrowdTicks, then this many markers a tick apart and
// no end of track. The synthesiser drops the markers, only reads them: with
// nothing it keeps after them, they count at the piece's end.
inline Bytes MarkersAfterTheEnd(size_t markers) {
  return Midi(1, 1,
              {Track(Cat({Tempo(0, kSecondABeat),
                          {0, 0x90, 60, 100},
                          VarLen(kCrowdTicks),
                          {0x80, 60, 0},
                          Repeat({1, 0xFF, 0x06, 0}, markers)}))},
              1);
}

struct WaveSpec {
  uint16_t format = 1;  // PCM
  uint16_t channels = 1;
  uint32_t rate = 22050;
  uint16_t bits = 16;
  int blockAlign = -1;  // -1: channels x bits / 8
  uint32_t formatBytes = 16;
  uint32_t dataBytes = 8;
  int64_t dataBytesSaid = -1;  // -1: dataBytes
  uint32_t riffExtra = 0;      // added to the RIFF length
  bool withFormat = true;
};

inline Bytes Wave(const WaveSpec& s) {
  const uint16_t align =
      static_cast<uint16_t>(s.blockAlign >= 0 ? s.blockAlign : s.channels * s.bits / 8);
  Bytes body = {'W', 'A', 'V', 'E'};
  if (s.withFormat) {
    body.insert(body.end(), {'f', 'm', 't', ' '});
    testutil::Put32(body, s.formatBytes);
    Bytes fmt;
    testutil::Put16(fmt, s.format);
    testutil::Put16(fmt, s.channels);
    testutil::Put32(fmt, s.rate);
    testutil::Put32(fmt, s.rate * align);
    testutil::Put16(fmt, align);
    testutil::Put16(fmt, s.bits);
    fmt.resize(s.formatBytes, 0);
    body.insert(body.end(), fmt.begin(), fmt.end());
  }
  body.insert(body.end(), {'d', 'a', 't', 'a'});
  testutil::Put32(body,
                  static_cast<uint32_t>(s.dataBytesSaid >= 0 ? s.dataBytesSaid : s.dataBytes));
  body.insert(body.end(), s.dataBytes, 0);
  Bytes b = {'R', 'I', 'F', 'F'};
  testutil::Put32(b, static_cast<uint32_t>(body.size()) + s.riffExtra);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

}  // namespace soundfiles
