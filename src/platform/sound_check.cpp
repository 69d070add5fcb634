#include "platform/sound_check.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------- MIDI

constexpr size_t kChunkHeadBytes = 8;  // four letters of kind, then a length
constexpr uint32_t kHeaderBytes = 6;   // format, tracks, division
constexpr uint16_t kMaxFormat = 2;
// The synthesiser holds fewer tracks than this; a file with more fails to
// load there.
constexpr uint16_t kMaxTracks = 127;
constexpr uint16_t kSmpteDivision = 0x8000;  // frames per second: not played
constexpr int kMaxVarLenBytes = 4;

constexpr uint8_t kStatusBit = 0x80;
constexpr uint8_t kProgramChange = 0xC0;
constexpr uint8_t kChannelPressure = 0xD0;
constexpr uint8_t kSysEx = 0xF0;
constexpr uint8_t kMeta = 0xFF;

constexpr uint8_t kMetaText = 0x01;
constexpr uint8_t kMetaLyric = 0x05;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaSmpteOffset = 0x54;
constexpr uint8_t kMetaTimeSignature = 0x58;
constexpr uint8_t kMetaKeySignature = 0x59;

// Microseconds a beat until the piece sets a tempo (120 beats a minute).
constexpr uint64_t kDefaultTempo = 500000;
constexpr uint64_t kMicrosPerSecond = 1000000;
// The synthesiser rounds to the nearest tick each time it sets a tempo, so
// a piece that sets one on every tick plays in half the time its tempos give.
constexpr uint64_t kRoundingShare = 2;
// A piece shorter than this starts again too often to be music; the game's
// own last about a minute.
constexpr uint64_t kShortestPieceMicros = kMicrosPerSecond;
// The synthesiser counts ticks in a signed 32-bit number, which overflows
// past 2^31; half of that leaves room for the step it takes past the end.
constexpr uint64_t kMaxTicks = uint64_t{1} << 30;
// The synthesiser reads every event again each time the piece starts, in the
// audio thread, at some 0.1 µs each: a million hold the mixer a tenth of a
// second.
constexpr size_t kMaxEvents = size_t{1} << 20;
// The costliest event (a reset of the synthesiser) takes it some 60 µs, so
// this many in a second keep it well ahead of real time; the game's own
// pieces have fewer than a hundred.
constexpr size_t kMaxEventsPerSecond = 1000;

uint32_t Big32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint16_t Big16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

bool KindIs(const uint8_t* p, const char* kind) { return std::memcmp(p, kind, 4) == 0; }

bool KindIsText(const uint8_t* p) {
  return std::all_of(p, p + 4, [](uint8_t c) { return c >= 0x20 && c < 0x7F; });
}

// The length a meta event of this kind must have, or -1 for any.
int MetaLength(uint8_t kind) {
  switch (kind) {
    case kMetaEndOfTrack: return 0;
    case kMetaTempo: return 3;
    case kMetaSmpteOffset: return 5;
    case kMetaTimeSignature: return 4;
    case kMetaKeySignature: return 2;
    default: return -1;
  }
}

// The meta events the synthesiser keeps; it drops every other kind as it
// reads the file.
bool MetaKept(uint8_t kind) {
  return kind == kMetaText || kind == kMetaLyric || kind == kMetaEndOfTrack || kind == kMetaTempo;
}

struct Event {
  uint64_t tick = 0;
  // The synthesiser keeps it. The time of one it drops goes to the next it
  // keeps, so only those that are kept make the piece last.
  bool kept = false;
  uint32_t tempo = 0;  // microseconds a beat, for a tempo event
};

// Reads the events of one track chunk [p, end) in turn. Every event must
// lie within the chunk: one that runs past it leaves the synthesiser reading
// the next chunk from its middle. The end-of-track event is the last one
// read; the rest of the chunk never is.
class TrackReader {
 public:
  TrackReader(const uint8_t* p, const uint8_t* end) : p_(p), end_(end) {}

  // The next event into *e; false at the end of the track, or when the
  // track is damaged, with *fault saying how.
  bool Next(Event* e, std::string* fault) {
    if (ended_ || p_ == end_) return false;
    *fault = Read(e);
    return fault->empty();
  }

 private:
  bool VarLen(uint32_t* out) {
    *out = 0;
    for (int i = 0; i < kMaxVarLenBytes; ++i) {
      if (p_ == end_) return false;
      const uint8_t b = *p_++;
      *out = (*out << 7) | (b & 0x7F);
      if (!(b & kStatusBit)) return true;
    }
    return false;
  }

  std::string Read(Event* e) {
    uint32_t delta = 0;
    if (!VarLen(&delta)) return "an event's time runs past its track or is too long";
    tick_ += delta;
    *e = Event{};
    e->tick = tick_;
    if (p_ == end_) return "a track ends inside an event";
    uint8_t status = running_;
    if (*p_ & kStatusBit) {
      status = *p_++;
    } else if (!running_) {
      return "a track has data without a status";
    }
    if (status < kSysEx) {
      const int dataBytes =
          ((status & 0xF0) == kProgramChange || (status & 0xF0) == kChannelPressure) ? 1 : 2;
      if (end_ - p_ < dataBytes) return "a track ends inside an event";
      for (int i = 0; i < dataBytes; ++i) {
        if (p_[i] & kStatusBit) return "a track has a status byte where data belongs";
      }
      p_ += dataBytes;
      running_ = status;
      e->kept = true;
    } else if (status == kSysEx) {
      running_ = 0;
      uint32_t length = 0;
      if (!VarLen(&length) || static_cast<size_t>(end_ - p_) < length) {
        return "a system exclusive event runs past its track";
      }
      p_ += length;
      e->kept = length > 0;  // an empty one is dropped
    } else if (status == kMeta) {
      running_ = 0;
      if (p_ == end_) return "a track ends inside an event";
      const uint8_t kind = *p_++;
      uint32_t length = 0;
      if (!VarLen(&length) || static_cast<size_t>(end_ - p_) < length) {
        return "a meta event runs past its track";
      }
      const int wanted = MetaLength(kind);
      if (wanted >= 0 && length != static_cast<uint32_t>(wanted)) {
        return "a meta event has the wrong length";
      }
      if (kind == kMetaTempo) {
        e->tempo = (uint32_t{p_[0]} << 16) | (uint32_t{p_[1]} << 8) | p_[2];
        if (e->tempo == 0) return "a tempo of zero";
      }
      p_ += length;
      e->kept = MetaKept(kind);
      ended_ = kind == kMetaEndOfTrack;
    } else {
      return "a track has an unknown status byte";
    }
    return "";
  }

  const uint8_t* p_;
  const uint8_t* end_;
  uint64_t tick_ = 0;
  uint8_t running_ = 0;  // running status; sysex and meta events cancel it
  bool ended_ = false;
};

struct TrackSpan {
  const uint8_t* begin;
  const uint8_t* end;
};

// Reckons time at the piece's fastest tempo: the synthesiser changes tempo
// only between its blocks of samples, so a tempo held for a moment can carry
// the piece far past the slower one that follows.
class Clock {
 public:
  Clock(uint16_t division, uint64_t fastestTempo)
      : division_(division), fastestTempo_(fastestTempo) {}

  // The least time these many ticks can take, in microseconds.
  uint64_t ShortestMicros(uint64_t ticks) const {
    return ticks * fastestTempo_ / (division_ * kRoundingShare);
  }
  // Whether these many ticks can take less than this many microseconds.
  bool CanBeShorter(uint64_t ticks, uint64_t micros) const {
    return ticks * fastestTempo_ < micros * division_ * kRoundingShare;
  }

 private:
  uint64_t division_;
  uint64_t fastestTempo_;
};

// Whether more than kMaxEventsPerSecond events of all the tracks together
// (kept or not: the synthesiser reads them all) fall within any second.
// The tracks have been read once already and are sound.
bool TooDense(const std::vector<TrackSpan>& spans, const Clock& clock, uint64_t lastTick) {
  std::vector<TrackReader> readers;
  using Next = std::pair<uint64_t, size_t>;  // tick, track
  std::priority_queue<Next, std::vector<Next>, std::greater<Next>> queue;
  Event e;
  std::string fault;
  for (const TrackSpan& s : spans) readers.emplace_back(s.begin, s.end);
  for (size_t i = 0; i < readers.size(); ++i) {
    if (readers[i].Next(&e, &fault)) queue.emplace(e.tick, i);
  }
  // The ticks of the latest kMaxEventsPerSecond events, a ring whose oldest
  // is at `oldest`. Events after the last kept one are dropped, only read:
  // they count at the piece's end.
  std::vector<uint64_t> latest(kMaxEventsPerSecond);
  size_t count = 0;
  while (!queue.empty()) {
    const auto [tick, track] = queue.top();
    queue.pop();
    const uint64_t at = std::min(tick, lastTick);
    const size_t oldest = count % kMaxEventsPerSecond;
    if (count >= kMaxEventsPerSecond && clock.CanBeShorter(at - latest[oldest], kMicrosPerSecond))
      return true;
    latest[oldest] = at;
    ++count;
    if (readers[track].Next(&e, &fault)) queue.emplace(e.tick, track);
  }
  return false;
}

// ---------------------------------------------------------------- WAV

constexpr size_t kRiffHeadBytes = 12;  // "RIFF", length, "WAVE"
constexpr uint32_t kFormatBytes = 16;
constexpr uint16_t kPcm = 1;
constexpr uint16_t kMaxChannels = 2;
constexpr uint32_t kMinSampleRate = 4000;
constexpr uint32_t kMaxSampleRate = 192000;
constexpr int kBitsPerByte = 8;

uint32_t Little32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
uint16_t Little16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

std::string FormatFault(const uint8_t* p, uint32_t length) {
  if (length < kFormatBytes) return "its format chunk is too short";
  const uint16_t tag = Little16(p);
  const uint16_t channels = Little16(p + 2);
  const uint32_t rate = Little32(p + 4);
  const uint16_t blockAlign = Little16(p + 12);
  const uint16_t bits = Little16(p + 14);
  if (tag != kPcm) return "it is not plain PCM";
  if (channels < 1 || channels > kMaxChannels) return "it has neither one channel nor two";
  if (rate < kMinSampleRate || rate > kMaxSampleRate) return "its sample rate is out of range";
  if (bits != 8 && bits != 16) return "its samples are neither 8 nor 16 bits";
  if (blockAlign != channels * bits / kBitsPerByte) return "its block size does not fit";
  return "";
}

}  // namespace

std::string MidiFault(const uint8_t* data, size_t size, MidiLength* length) {
  if (size < kChunkHeadBytes + kHeaderBytes || !KindIs(data, "MThd")) return "not a MIDI file";
  if (Big32(data + 4) != kHeaderBytes) return "its header has the wrong length";
  const uint16_t format = Big16(data + 8);
  const uint16_t tracks = Big16(data + 10);
  const uint16_t division = Big16(data + 12);
  if (format > kMaxFormat) return "its format is unknown";
  if (tracks < 1 || tracks > kMaxTracks || (format == 0 && tracks != 1)) {
    return "its header gives a count of tracks that cannot be";
  }
  if (division == 0 || (division & kSmpteDivision)) return "its time division cannot be played";

  std::vector<TrackSpan> spans;
  uint64_t lastTick = 0;  // of the last event the synthesiser keeps
  size_t events = 0;
  uint64_t fastestTempo = UINT32_MAX;  // of those the piece sets
  bool tempoFromStart = false;
  for (size_t pos = kChunkHeadBytes + kHeaderBytes; pos < size;) {
    const std::string where = "chunk at byte " + std::to_string(pos) + ": ";
    if (size - pos < kChunkHeadBytes) return where + "cut short";
    const uint8_t* head = data + pos;
    if (!KindIsText(head)) return where + "its kind is not four letters";
    const uint32_t bytes = Big32(head + 4);
    if (size - pos - kChunkHeadBytes < bytes) return where + "it runs past the end of the file";
    const uint8_t* body = head + kChunkHeadBytes;
    if (KindIs(head, "MTrk")) {
      if (spans.size() == tracks) return "more tracks than its header gives";
      spans.push_back({body, body + bytes});
      TrackReader reader(body, body + bytes);
      Event e;
      std::string fault;
      while (reader.Next(&e, &fault)) {
        ++events;
        if (e.kept) lastTick = std::max(lastTick, e.tick);
        if (e.tempo) {
          fastestTempo = std::min<uint64_t>(fastestTempo, e.tempo);
          if (e.tick == 0) tempoFromStart = true;
        }
      }
      if (!fault.empty()) return "track " + std::to_string(spans.size()) + ": " + fault;
    } else if (spans.size() < tracks) {
      // The synthesiser reads the tracks one after another and cannot
      // step over anything else on the way.
      return where + "a chunk of another kind among the tracks";
    }
    pos += kChunkHeadBytes + bytes;
  }
  if (spans.size() < tracks) return "fewer tracks than its header gives";
  // A piece that lasts no time at all starts again at once, for ever.
  if (lastTick == 0) return "it lasts no time";
  if (lastTick > kMaxTicks) return "it lasts too many ticks";
  // Until a tempo is set on the first tick the default one holds.
  if (!tempoFromStart) fastestTempo = std::min(fastestTempo, kDefaultTempo);
  const Clock clock(division, fastestTempo);
  if (clock.CanBeShorter(lastTick, kShortestPieceMicros))
    return "it may play in less than a second";
  if (events > kMaxEvents) return "it has too many events";
  if (TooDense(spans, clock, lastTick)) return "its events are too dense to play";
  if (length) *length = {lastTick, clock.ShortestMicros(lastTick)};
  return "";
}

std::string WaveFault(const uint8_t* data, size_t size) {
  if (size < kRiffHeadBytes || !KindIs(data, "RIFF") || !KindIs(data + 8, "WAVE")) {
    return "not a wave file";
  }
  const uint32_t riffLength = Little32(data + 4);
  if (riffLength < 4 || size - kChunkHeadBytes < riffLength) {
    return "its length runs past the end of the file";
  }
  const size_t end = kChunkHeadBytes + riffLength;
  bool format = false;
  for (size_t pos = kRiffHeadBytes; pos < end;) {
    if (end - pos < kChunkHeadBytes) return "a chunk is cut short";
    const uint8_t* head = data + pos;
    const uint32_t length = Little32(head + 4);
    if (end - pos - kChunkHeadBytes < length) return "a chunk runs past the end of the file";
    if (KindIs(head, "fmt ") && !format) {
      const std::string fault = FormatFault(head + kChunkHeadBytes, length);
      if (!fault.empty()) return fault;
      format = true;
    } else if (KindIs(head, "data")) {
      return format ? "" : "its samples come before their format";
    }
    // Chunks are padded to an even length.
    pos += kChunkHeadBytes + length + (length & 1);
  }
  return "it has no samples";
}
