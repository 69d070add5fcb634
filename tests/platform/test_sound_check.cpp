#include "platform/sound_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform_test_util.h"
#include "sound_files.h"
#include "test_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;
using namespace soundfiles;

const Bytes text = {0, 0xFF, 0x01, 2, 'h', 'i'};

// The check reads an exact-size copy, so that a read past the end shows
// under the address sanitizer.
template <typename Check>
std::string FaultOf(Check check, const Bytes& b) {
  const std::unique_ptr<uint8_t[]> exact(new uint8_t[b.size()]);
  std::copy(b.begin(), b.end(), exact.get());
  return check(exact.get(), b.size());
}
std::string MidiFaultOf(const Bytes& b) {
  return FaultOf([](const uint8_t* d, size_t n) { return MidiFault(d, n); }, b);
}
std::string WaveFaultOf(const Bytes& b) { return FaultOf(WaveFault, b); }

struct Refused {
  const char* name;
  Bytes bytes;
  const char* fault;
};

Bytes GameMusic(const char* name) {
  return testutil::ReadFile(std::string(BuiltGameFolder()) + "/Data/" + name);
}

// The game's music with each track's end-of-track event (its last three
// bytes) made an empty system exclusive event, which the synthesiser drops.
Bytes EndsMadeEmptySysEx(const Bytes& midi) {
  constexpr size_t kHeadBytes = 14;
  constexpr size_t kChunkHead = 8;
  const Bytes emptySysEx = {0xF0, 0};
  Bytes out(midi.begin(), midi.begin() + kHeadBytes);
  for (size_t pos = kHeadBytes; pos + kChunkHead <= midi.size();) {
    const size_t length = (size_t{midi[pos + 4]} << 24) | (size_t{midi[pos + 5]} << 16) |
                          (size_t{midi[pos + 6]} << 8) | midi[pos + 7];
    const Bytes events(midi.begin() + pos + kChunkHead,
                       midi.begin() + pos + kChunkHead + length - kEndOfTrack.size() + 1);
    const Bytes track = Track(Cat({events, emptySysEx}));
    out.insert(out.end(), track.begin(), track.end());
    pos += kChunkHead + length;
  }
  return out;
}

}  // namespace

TEST(SoundCheck, TheGamesOwnFilesPass) {
  for (const char* name : {"Music.mid", "Music2.mid", "Music3.mid"}) {
    const Bytes b = GameMusic(name);
    ASSERT_FALSE(b.empty()) << name;
    EXPECT_EQ(MidiFaultOf(b), "") << name;
    // Some track of each has a note on its last tick, so the piece keeps
    // its length when the synthesiser drops the events that end the tracks.
    EXPECT_EQ(MidiFaultOf(EndsMadeEmptySysEx(b)), "") << name;
  }
  for (const char* name : {"Vibrate.wav", "Key.wav", "Coin.wav", "Pick.wav", "Smash.wav"}) {
    const Bytes b = testutil::ReadFile(std::string(BuiltGameFolder()) + "/Data/" + name);
    ASSERT_FALSE(b.empty()) << name;
    EXPECT_EQ(WaveFaultOf(b), "") << name;
  }
}

// Shapes the synthesiser still plays: what follows the last track is never
// read, a track may end without its end-of-track event, meta events it does
// not know are stepped over, and the events it keeps (a text, a system
// exclusive event of a byte) make the piece last.
TEST(SoundCheck, MidiShapesThatPlayPass) {
  const Bytes note = {0, 0x90, 60, 100};
  const Bytes fourBeats = {0x83, 0};
  const std::vector<std::pair<const char*, Bytes>> good = {
      {"plain", Midi(1, 1, {Track(kNotes)})},
      {"ends on a text", Midi(1, 1, {Track(Cat({note, fourBeats, {0xFF, 0x01, 1, 'a'}}))})},
      {"ends on a lyric", Midi(1, 1, {Track(Cat({note, fourBeats, {0xFF, 0x05, 0}}))})},
      {"ends on a sysex of a byte", Midi(1, 1, {Track(Cat({note, fourBeats, {0xF0, 1, 0xF7}}))})},
      {"a marker's time goes to the next event",
       Midi(1, 1,
            {Track(Cat({note, {0x81, 0x40, 0xFF, 0x06, 1, 'a'}, {0x81, 0x40, 0x80, 60, 0}}))})},
      {"2,000 notes over 20 seconds", NotesOverSeconds(2000, 20, false)},
      {"format 0", Midi(0, 1, {Track(kNotes)})},
      {"no end of track", Midi(1, 1, {Track(NotesOnly())})},
      {"a chunk after the tracks", Midi(1, 1, {Track(kNotes), Chunk("XFIH", {1, 2, 3})})},
      {"text and running status", Midi(1, 1, {Track(Cat({text, kRunningNotes}))})},
      {"two tracks", Midi(1, 2, {Track(kNotes), Track(kNotes)})},
  };
  for (const auto& [name, bytes] : good) EXPECT_EQ(MidiFaultOf(bytes), "") << name;
}

// Most of these made the synthesiser retry for ever in the audio thread,
// or fall far behind real time (tried by hand under a real mixer); the rest
// (more tracks than the header gives, format 0 with two tracks, division or
// tempo 0, running status after a meta event, a status byte among a note's
// data) break the file's own rules.
TEST(SoundCheck, DamagedMidiShapesFail) {
  const Bytes note = {0, 0x90, 60, 1};
  const std::vector<Refused> bad = {
      {"garbage after an empty track", GarbageTrack(),
       "chunk at byte 26: its kind is not four letters"},
      {"empty file", {}, "not a MIDI file"},
      {"header cut short", Cut(Midi(1, 1, {}), 4), "not a MIDI file"},
      {"header of 7 bytes", LongHeader(), "its header has the wrong length"},
      {"format 3", Midi(3, 1, {Track(kNotes)}), "its format is unknown"},
      {"format 0, two tracks", Midi(0, 2, {Track(kNotes), Track(kNotes)}),
       "its header gives a count of tracks that cannot be"},
      {"no tracks", Midi(1, 0, {Track(kNotes)}),
       "its header gives a count of tracks that cannot be"},
      {"128 tracks", Midi(1, 128, std::vector<Bytes>(128, Track(kNotes))),
       "its header gives a count of tracks that cannot be"},
      {"SMPTE time", Midi(1, 1, {Track(kNotes)}, 0xE728), "its time division cannot be played"},
      {"division 0", Midi(1, 1, {Track(kNotes)}, 0), "its time division cannot be played"},
      {"fewer tracks than the header", Midi(1, 2, {Track(kNotes)}),
       "fewer tracks than its header gives"},
      {"more tracks than the header", Midi(1, 1, {Track(kNotes), Track(kNotes)}),
       "more tracks than its header gives"},
      {"chunk past the end", Cut(Midi(1, 1, {Track(kNotes)}), 3),
       "chunk at byte 14: it runs past the end of the file"},
      {"chunk head cut short", Cut(Midi(1, 1, {Track({})}), 1), "chunk at byte 14: cut short"},
      {"unknown chunk among the tracks", UnknownChunkAmongTracks(),
       "chunk at byte 35: a chunk of another kind among the tracks"},
      {"events past their chunk", EventsPastTheirChunk(), "track 1: a track ends inside an event"},
      {"event cut at the chunk's end", Midi(1, 2, {Track({0, 0x90, 60}), Track(kNotes)}),
       "track 1: a track ends inside an event"},
      {"time cut at the chunk's end", Midi(1, 1, {Track({0x81})}),
       "track 1: an event's time runs past its track or is too long"},
      {"data without a status", Midi(1, 1, {Track(Cat({{0, 60, 100}, kNotes}))}),
       "track 1: a track has data without a status"},
      {"running status after a meta event",
       Midi(1, 1, {Track(Cat({{0, 0x90, 60, 100}, text, {0x60, 60, 0}, kEndOfTrack}))}),
       "track 1: a track has data without a status"},
      {"running status after sysex",
       Midi(1, 1, {Track(Cat({{0, 0x90, 60, 100, 0, 0xF0, 1, 0xF7, 0x60, 60, 0}, kEndOfTrack}))}),
       "track 1: a track has data without a status"},
      {"status in a note's data", Midi(1, 1, {Track(Cat({{0, 0x90, 0x90, 0x90}, kNotes}))}),
       "track 1: a track has a status byte where data belongs"},
      {"time of five bytes",
       Midi(1, 1, {Track(Cat({{0x81, 0x81, 0x81, 0x81, 1, 0x90, 60, 1}, kNotes}))}),
       "track 1: an event's time runs past its track or is too long"},
      {"meta kind cut", Midi(1, 1, {Track({0, 0xFF})}), "track 1: a track ends inside an event"},
      {"meta past its track", Midi(1, 1, {Track({0, 0xFF, 0x01, 5, 'a'})}),
       "track 1: a meta event runs past its track"},
      {"tempo of two bytes", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x51, 2, 7, 0xA1}, kNotes}))}),
       "track 1: a meta event has the wrong length"},
      {"tempo of zero", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x51, 3, 0, 0, 0}, kNotes}))}),
       "track 1: a tempo of zero"},
      {"time signature of three", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x58, 3, 4, 2, 24}, kNotes}))}),
       "track 1: a meta event has the wrong length"},
      {"end of track of one byte", Midi(1, 1, {Track({0, 0x90, 60, 1, 1, 0xFF, 0x2F, 1, 0})}),
       "track 1: a meta event has the wrong length"},
      {"sysex past the file", Midi(1, 1, {Track({0, 0xF0, 0x7F, 1, 2})}),
       "track 1: a system exclusive event runs past its track"},
      {"status F7", Midi(1, 1, {Track(Cat({{0, 0xF7, 1, 0}, kNotes}))}),
       "track 1: a track has an unknown status byte"},
      {"status F8", Midi(1, 1, {Track(Cat({{0, 0xF8}, kNotes}))}),
       "track 1: a track has an unknown status byte"},
      {"lasts no time", ZeroLengthPiece(), "it lasts no time"},
      {"only a marker has time", Midi(1, 1, {Track(Cat({note, {0x60, 0xFF, 0x06, 1, 'a'}}))}),
       "it lasts no time"},
      {"only a key signature has time",
       Midi(1, 1, {Track(Cat({note, {0x60, 0xFF, 0x59, 2, 0, 0}}))}), "it lasts no time"},
      {"an empty sysex last, no end of track", EmptySysExLast(), "it lasts no time"},
      {"a beat at the default tempo", Midi(1, 1, {Track(Cat({note, EndOfTrackAt(96)}))}),
       "it may play in less than a second"},
      {"400,000 notes in a microsecond", DenseShortPiece(kDenseNotes),
       "it may play in less than a second"},
      {"a fast tempo for a tick, then a minute", FastTempoForATick(),
       "it may play in less than a second"},
      {"past the synthesiser's count of ticks",
       Midi(1, 1, {Track(Cat({note, Repeat({0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 0}, 5)}))}),
       "it lasts too many ticks"},
      {"2,000 notes on one tick of 20 seconds", NotesOverSeconds(2000, 20, true),
       "its events are too dense to play"},
      {"a million notes over an hour", NotesOverSeconds((size_t{1} << 20) + 1, 3600, false),
       "it has too many events"},
  };
  for (const Refused& r : bad) EXPECT_EQ(MidiFaultOf(r.bytes), r.fault) << r.name;
}

// The floor of a second, reckoned at twice the piece's fastest tempo: the
// player rounds to whole ticks each time it sets a tempo and can play a
// piece in about half the time its tempos give. Each piece is a held note:
// the shortest that passes, the one a tick shorter, and the one of half its
// ticks, which lasts a second at the tempo as written.
TEST(SoundCheck, APieceLastsASecondAtTwiceItsFastestTempo) {
  const std::string tooShort = "it may play in less than a second";
  constexpr uint64_t kSecond = 1000000;  // microseconds
  struct Floor {
    const char* name;
    int division;
    uint32_t tempo;  // set on tick 0; 0 for none
    uint32_t ticks;  // the fewest that pass
  };
  const Floor floors[] = {
      // Half of it is a file of 34 bytes that the player started again
      // after at most 0.79 s; these four ticks played for 1.75 s.
      {"a tick a beat", 1, 0, 4},
      {"the default tempo", 96, 0, 384},
      {"a second a beat from tick 0", 96, kSecondABeat, 192},
  };
  for (const Floor& f : floors) {
    MidiLength length;
    const std::string fault =
        FaultOf([&](const uint8_t* d, size_t n) { return MidiFault(d, n, &length); },
                HeldNote(f.ticks, f.division, f.tempo));
    EXPECT_EQ(fault, "") << f.name;
    EXPECT_EQ(length.ticks, f.ticks) << f.name;
    EXPECT_EQ(length.shortestMicros, kSecond) << f.name;
    EXPECT_EQ(MidiFaultOf(HeldNote(f.ticks - 1, f.division, f.tempo)), tooShort) << f.name;
    EXPECT_EQ(MidiFaultOf(HeldNote(f.ticks / 2, f.division, f.tempo)), tooShort) << f.name;
  }
}

// At most 1,000 events within any second; a second is two ticks in these
// pieces.
TEST(SoundCheck, AThousandEventsASecondAtMost) {
  const std::string tooDense = "its events are too dense to play";
  constexpr size_t kMost = 1000;
  constexpr uint32_t kSecondTicks = 2;
  EXPECT_EQ(MidiFaultOf(Crowd(kMost, kSecondTicks)), "");
  EXPECT_EQ(MidiFaultOf(Crowd(kMost + 1, kSecondTicks)), tooDense);
  EXPECT_EQ(MidiFaultOf(Crowd(kMost, kSecondTicks - 1)), tooDense);
  // The markers join the note's end on its last tick. Counted at their own
  // ticks, a tick apart, they would pass however many there were.
  EXPECT_EQ(MidiFaultOf(MarkersAfterTheEnd(kMost - 1)), "");
  EXPECT_EQ(MidiFaultOf(MarkersAfterTheEnd(kMost)), tooDense);
}

TEST(SoundCheck, WaveHeaderAndDataSize) {
  EXPECT_EQ(WaveFaultOf(Wave({})), "");
  WaveSpec stereo8;
  stereo8.channels = 2;
  stereo8.bits = 8;
  EXPECT_EQ(WaveFaultOf(Wave(stereo8)), "");
  Bytes listed = Wave({});  // a chunk of another kind, odd-sized, before the data
  listed.insert(listed.begin() + 36, {'L', 'I', 'S', 'T', 1, 0, 0, 0, 'x', 0});
  listed[4] += 10;
  EXPECT_EQ(WaveFaultOf(listed), "");

  Bytes noData = Cut(Wave({}), 16);  // the data chunk's 8 + 8 bytes
  noData[4] -= 16;
  auto with = [](auto change) {
    WaveSpec s;
    change(s);
    return Wave(s);
  };
  const std::vector<Refused> bad = {
      {"empty", {}, "not a wave file"},
      {"not RIFF", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not a wave file"},
      {"ADPCM", with([](WaveSpec& s) { s.format = 2; }), "it is not plain PCM"},
      {"no channels", with([](WaveSpec& s) { s.channels = 0; }),
       "it has neither one channel nor two"},
      {"nine channels", with([](WaveSpec& s) { s.channels = 9; }),
       "it has neither one channel nor two"},
      {"rate 0", with([](WaveSpec& s) { s.rate = 0; }), "its sample rate is out of range"},
      {"rate too high", with([](WaveSpec& s) { s.rate = 0x7FFFFFFF; }),
       "its sample rate is out of range"},
      {"12 bits", with([](WaveSpec& s) { s.bits = 12; }), "its samples are neither 8 nor 16 bits"},
      {"block size", with([](WaveSpec& s) { s.blockAlign = 0; }), "its block size does not fit"},
      {"short format chunk", with([](WaveSpec& s) { s.formatBytes = 14; }),
       "its format chunk is too short"},
      {"data past the file", with([](WaveSpec& s) { s.dataBytesSaid = 4096; }),
       "a chunk runs past the end of the file"},
      {"RIFF past the file", with([](WaveSpec& s) { s.riffExtra = 100; }),
       "its length runs past the end of the file"},
      {"chunk head cut short",
       Bytes{'R', 'I', 'F', 'F', 8, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '},
       "a chunk is cut short"},
      {"no format", with([](WaveSpec& s) { s.withFormat = false; }),
       "its samples come before their format"},
      {"no data", noData, "it has no samples"},
  };
  for (const Refused& r : bad) EXPECT_EQ(WaveFaultOf(r.bytes), r.fault) << r.name;
}
