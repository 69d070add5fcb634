#include "platform/sound_check.h"

#include <algorithm>
#include <cstring>

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

constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaSmpteOffset = 0x54;
constexpr uint8_t kMetaTimeSignature = 0x58;
constexpr uint8_t kMetaKeySignature = 0x59;

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

// Reads the events of one track chunk [p, end). Every event must lie within
// the chunk: one that runs past it leaves the synthesiser reading the next
// chunk from its middle. *lastTick is the tick of the last event that
// counts towards the piece's length (those the synthesiser keeps).
std::string TrackFault(const uint8_t* p, const uint8_t* end, uint64_t* lastTick) {
  uint64_t tick = 0;
  uint8_t running = 0;  // running status; sysex and meta events cancel it
  auto varLen = [&](uint32_t* out) {
    *out = 0;
    for (int i = 0; i < kMaxVarLenBytes; ++i) {
      if (p == end) return false;
      const uint8_t b = *p++;
      *out = (*out << 7) | (b & 0x7F);
      if (!(b & kStatusBit)) return true;
    }
    return false;
  };
  while (p < end) {
    uint32_t delta = 0;
    if (!varLen(&delta)) return "an event's time runs past its track or is too long";
    tick += delta;
    if (p == end) return "a track ends inside an event";
    uint8_t status = running;
    if (*p & kStatusBit) {
      status = *p++;
    } else if (!running) {
      return "a track has data without a status";
    }
    if (status < kSysEx) {
      const int dataBytes =
          ((status & 0xF0) == kProgramChange || (status & 0xF0) == kChannelPressure) ? 1 : 2;
      if (end - p < dataBytes) return "a track ends inside an event";
      for (int i = 0; i < dataBytes; ++i) {
        if (p[i] & kStatusBit) return "a track has a status byte where data belongs";
      }
      p += dataBytes;
      running = status;
      *lastTick = std::max(*lastTick, tick);
    } else if (status == kSysEx) {
      running = 0;
      uint32_t length = 0;
      if (!varLen(&length) || static_cast<size_t>(end - p) < length) {
        return "a system exclusive event runs past its track";
      }
      p += length;
      *lastTick = std::max(*lastTick, tick);
    } else if (status == kMeta) {
      running = 0;
      if (p == end) return "a track ends inside an event";
      const uint8_t kind = *p++;
      uint32_t length = 0;
      if (!varLen(&length) || static_cast<size_t>(end - p) < length) {
        return "a meta event runs past its track";
      }
      const int wanted = MetaLength(kind);
      if (wanted >= 0 && length != static_cast<uint32_t>(wanted)) {
        return "a meta event has the wrong length";
      }
      if (kind == kMetaTempo && p[0] == 0 && p[1] == 0 && p[2] == 0) return "a tempo of zero";
      p += length;
      if (kind == kMetaTempo || kind == kMetaEndOfTrack) *lastTick = std::max(*lastTick, tick);
      if (kind == kMetaEndOfTrack) return "";  // the rest of the chunk is never read
    } else {
      return "a track has an unknown status byte";
    }
  }
  return "";
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

std::string MidiFault(const uint8_t* data, size_t size) {
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

  uint16_t seen = 0;
  uint64_t lastTick = 0;
  for (size_t pos = kChunkHeadBytes + kHeaderBytes; pos < size;) {
    const std::string where = "chunk at byte " + std::to_string(pos) + ": ";
    if (size - pos < kChunkHeadBytes) return where + "cut short";
    const uint8_t* head = data + pos;
    if (!KindIsText(head)) return where + "its kind is not four letters";
    const uint32_t length = Big32(head + 4);
    if (size - pos - kChunkHeadBytes < length) return where + "it runs past the end of the file";
    const uint8_t* body = head + kChunkHeadBytes;
    if (KindIs(head, "MTrk")) {
      if (++seen > tracks) return "more tracks than its header gives";
      const std::string fault = TrackFault(body, body + length, &lastTick);
      if (!fault.empty()) return "track " + std::to_string(seen) + ": " + fault;
    } else if (seen < tracks) {
      // The synthesiser reads the tracks one after another and cannot
      // step over anything else on the way.
      return where + "a chunk of another kind among the tracks";
    }
    pos += kChunkHeadBytes + length;
  }
  if (seen < tracks) return "fewer tracks than its header gives";
  // A piece that lasts no time at all starts again at once, for ever.
  if (lastTick == 0) return "it lasts no time";
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
