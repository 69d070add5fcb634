#include "platform/sound_check.h"

#include <gtest/gtest.h>

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

std::string MidiFaultOf(const Bytes& b) { return MidiFault(b.data(), b.size()); }
std::string WaveFaultOf(const Bytes& b) { return WaveFault(b.data(), b.size()); }

}  // namespace

TEST(SoundCheck, TheGamesOwnFilesPass) {
  for (const char* name : {"Music.mid", "Music2.mid", "Music3.mid"}) {
    const Bytes b = testutil::ReadFile(std::string(BuiltGameFolder()) + "/Data/" + name);
    ASSERT_FALSE(b.empty()) << name;
    EXPECT_EQ(MidiFaultOf(b), "") << name;
  }
  for (const char* name : {"Vibrate.wav", "Key.wav", "Coin.wav", "Pick.wav", "Smash.wav"}) {
    const Bytes b = testutil::ReadFile(std::string(BuiltGameFolder()) + "/Data/" + name);
    ASSERT_FALSE(b.empty()) << name;
    EXPECT_EQ(WaveFaultOf(b), "") << name;
  }
}

// Shapes the synthesiser still plays: what follows the last track is never
// read, a track may end without its end-of-track event, and meta events it
// does not know are stepped over.
TEST(SoundCheck, MidiShapesThatPlayPass) {
  const std::vector<std::pair<const char*, Bytes>> good = {
      {"plain", Midi(1, 1, {Track(kNotes)})},
      {"format 0", Midi(0, 1, {Track(kNotes)})},
      {"no end of track", Midi(1, 1, {Track(NotesOnly())})},
      {"a chunk after the tracks", Midi(1, 1, {Track(kNotes), Chunk("XFIH", {1, 2, 3})})},
      {"text and running status", Midi(1, 1, {Track(Cat({text, kRunningNotes}))})},
      {"two tracks", Midi(1, 2, {Track(kNotes), Track(kNotes)})},
  };
  for (const auto& [name, bytes] : good) EXPECT_EQ(MidiFaultOf(bytes), "") << name;
}

// Most of these made the synthesiser retry for ever in the audio thread
// (tried by hand under a real mixer); the rest (more tracks than the header
// gives, format 0 with two tracks, division or tempo 0, running status after
// a meta event, a status byte among a note's data) break the file's own
// rules.
TEST(SoundCheck, DamagedMidiShapesFail) {
  const std::vector<std::pair<const char*, Bytes>> bad = {
      {"garbage after an empty track", GarbageTrack()},
      {"empty file", {}},
      {"header cut short", Cut(Midi(1, 1, {}), 4)},
      {"header of 7 bytes", LongHeader()},
      {"format 3", Midi(3, 1, {Track(kNotes)})},
      {"format 0, two tracks", Midi(0, 2, {Track(kNotes), Track(kNotes)})},
      {"no tracks", Midi(1, 0, {Track(kNotes)})},
      {"128 tracks", Midi(1, 128, std::vector<Bytes>(128, Track(kNotes)))},
      {"SMPTE time", Midi(1, 1, {Track(kNotes)}, 0xE728)},
      {"division 0", Midi(1, 1, {Track(kNotes)}, 0)},
      {"fewer tracks than the header", Midi(1, 2, {Track(kNotes)})},
      {"more tracks than the header", Midi(1, 1, {Track(kNotes), Track(kNotes)})},
      {"chunk past the end", Cut(Midi(1, 1, {Track(kNotes)}), 3)},
      {"unknown chunk among the tracks", UnknownChunkAmongTracks()},
      {"events past their chunk", EventsPastTheirChunk()},
      {"event cut at the chunk's end", Midi(1, 2, {Track({0, 0x90, 60}), Track(kNotes)})},
      {"data without a status", Midi(1, 1, {Track(Cat({{0, 60, 100}, kNotes}))})},
      {"running status after a meta event",
       Midi(1, 1, {Track(Cat({{0, 0x90, 60, 100}, text, {0x60, 60, 0}, kEndOfTrack}))})},
      {"running status after sysex",
       Midi(1, 1, {Track(Cat({{0, 0x90, 60, 100, 0, 0xF0, 1, 0xF7, 0x60, 60, 0}, kEndOfTrack}))})},
      {"status in a note's data", Midi(1, 1, {Track(Cat({{0, 0x90, 0x90, 0x90}, kNotes}))})},
      {"time of five bytes",
       Midi(1, 1, {Track(Cat({{0x81, 0x81, 0x81, 0x81, 1, 0x90, 60, 1}, kNotes}))})},
      {"tempo of two bytes", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x51, 2, 7, 0xA1}, kNotes}))})},
      {"tempo of zero", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x51, 3, 0, 0, 0}, kNotes}))})},
      {"time signature of three", Midi(1, 1, {Track(Cat({{0, 0xFF, 0x58, 3, 4, 2, 24}, kNotes}))})},
      {"end of track of one byte", Midi(1, 1, {Track({0, 0x90, 60, 1, 1, 0xFF, 0x2F, 1, 0})})},
      {"sysex past the file", Midi(1, 1, {Track({0, 0xF0, 0x7F, 1, 2})})},
      {"status F7", Midi(1, 1, {Track(Cat({{0, 0xF7, 1, 0}, kNotes}))})},
      {"status F8", Midi(1, 1, {Track(Cat({{0, 0xF8}, kNotes}))})},
      {"lasts no time", ZeroLengthPiece()},
      {"only a marker has time", Midi(1, 1, {Track({0, 0x90, 60, 1, 0x60, 0xFF, 0x06, 1, 'a'})})},
  };
  for (const auto& [name, bytes] : bad) EXPECT_NE(MidiFaultOf(bytes), "") << name;
  EXPECT_EQ(MidiFaultOf(EventsPastTheirChunk()), "track 1: a track ends inside an event");
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
  const std::vector<std::pair<const char*, Bytes>> bad = {
      {"empty", {}},
      {"not RIFF", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
      {"ADPCM", with([](WaveSpec& s) { s.format = 2; })},
      {"no channels", with([](WaveSpec& s) { s.channels = 0; })},
      {"nine channels", with([](WaveSpec& s) { s.channels = 9; })},
      {"rate 0", with([](WaveSpec& s) { s.rate = 0; })},
      {"rate too high", with([](WaveSpec& s) { s.rate = 0x7FFFFFFF; })},
      {"12 bits", with([](WaveSpec& s) { s.bits = 12; })},
      {"block size", with([](WaveSpec& s) { s.blockAlign = 0; })},
      {"short format chunk", with([](WaveSpec& s) { s.formatBytes = 14; })},
      {"data past the file", with([](WaveSpec& s) { s.dataBytesSaid = 4096; })},
      {"RIFF past the file", with([](WaveSpec& s) { s.riffExtra = 100; })},
      {"no format", with([](WaveSpec& s) { s.withFormat = false; })},
      {"no data", noData},
  };
  for (const auto& [name, bytes] : bad) EXPECT_NE(WaveFaultOf(bytes), "") << name;
}
