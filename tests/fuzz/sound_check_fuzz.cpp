// Fuzzes the checks of music and sound files: any bytes are judged without
// reading outside them, the same way every time; the input is also judged
// as the events of a track and as the chunks of a wave file, so that the
// walk through events and chunks gets fuzzed and not only the headers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_check.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void PutLittle32(std::vector<uint8_t>& out, uint32_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(uint8_t(v >> s));
}

// A header of one track of format 1, then the input as that track.
std::vector<uint8_t> AsTrack(const uint8_t* data, size_t size) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0,  0,   0,   6,   0,
                              1,   0,   1,   0,   96, 'M', 'T', 'r', 'k'};
  PutBig32(out, uint32_t(size));
  out.insert(out.end(), data, data + size);
  return out;
}

// "RIFF", a length, "WAVE", then the input as the chunks.
std::vector<uint8_t> AsWaveChunks(const uint8_t* data, size_t size) {
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  PutLittle32(out, uint32_t(size + 4));
  out.insert(out.end(), {'W', 'A', 'V', 'E'});
  out.insert(out.end(), data, data + size);
  return out;
}

void Judge(const std::vector<uint8_t>& bytes) {
  // An exact-size copy, so that a read past the end shows.
  const size_t size = bytes.size();
  const std::unique_ptr<uint8_t[]> exact(new uint8_t[size]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  const std::string midi = MidiFault(exact.get(), size);
  const std::string wave = WaveFault(exact.get(), size);
  Check(MidiFault(exact.get(), size) == midi);
  Check(WaveFault(exact.get(), size) == wave);
  // A file is never both.
  Check(!midi.empty() || !wave.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Judge(std::vector<uint8_t>(data, data + size));
  Judge(AsTrack(data, size));
  Judge(AsWaveChunks(data, size));
  return 0;
}
