// The table registry, the MIDI writer and the WAV encoder.
#include <algorithm>
#include <cmath>

#include "assetgen.h"

namespace assetgen {

std::string NormalisePath(const std::string& path) {
  std::string out;
  for (char ch : path) {
    char c = ch == '\\' ? '/' : ch;
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(c);
  }
  return out;
}

std::vector<std::pair<TableFn, const char*>>& Tables() {
  static std::vector<std::pair<TableFn, const char*>> tables;
  return tables;
}

TableRegistrar::TableRegistrar(TableFn fn, const char* source) {
  Tables().emplace_back(fn, source);
}

void Registry::Picture(const std::string& path, int width, int height, int frameWidth,
                       int frameHeight, uint32_t key, std::function<void(Canvas&)> draw) {
  pictures.push_back({NormalisePath(path), width, height, frameWidth, frameHeight, key,
                      std::move(draw), currentSource});
}

void Registry::File(const std::string& path, std::function<std::vector<uint8_t>()> make) {
  files.push_back({NormalisePath(path), std::move(make), currentSource});
}

void Registry::Midi(const std::string& path, std::function<MidiWriter()> compose) {
  File(path, [compose = std::move(compose)] { return compose().Bytes(); });
}

void Registry::Wav(const std::string& path, int sampleRate,
                   std::function<std::vector<float>()> synth) {
  File(path, [sampleRate, synth = std::move(synth)] { return WavBytes(synth(), sampleRate); });
}

void Registry::Text(const std::string& path, const std::string& content) {
  File(path, [content] { return std::vector<uint8_t>(content.begin(), content.end()); });
}

void Registry::PlayersText(const std::string& path, const std::string& content) {
  Text(path, content);
  files.back().playersOwn = true;
}

// ---------------------------------------------------------------- MIDI

namespace {

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}
void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v >> 8));
  b.push_back(uint8_t(v));
}
void PutVarLen(std::vector<uint8_t>& b, uint32_t v) {
  uint8_t tmp[5];
  int n = 0;
  tmp[n++] = uint8_t(v & 0x7F);
  while ((v >>= 7) != 0) tmp[n++] = uint8_t(0x80 | (v & 0x7F));
  while (n > 0) b.push_back(tmp[--n]);
}

// Order of events on one tick: meta and program first, note-offs before
// note-ons so a repeated key restarts cleanly.
constexpr int kOrderMeta = 0, kOrderProgram = 1, kOrderOff = 2, kOrderOn = 3;

}  // namespace

int MidiWriter::AddTrack(const std::string& name) {
  names_.push_back(name);
  tracks_.emplace_back();
  ends_.push_back(0);
  return int(tracks_.size()) - 1;
}

void MidiWriter::Tempo(int t, int tick, int bpm) {
  uint32_t us = uint32_t(60000000 / std::max(bpm, 1));
  tracks_[t].push_back(
      {tick, kOrderMeta, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)}});
}

void MidiWriter::TimeSignature(int t, int tick, int num, int denomPow2) {
  tracks_[t].push_back(
      {tick, kOrderMeta, {0xFF, 0x58, 0x04, uint8_t(num), uint8_t(denomPow2), 24, 8}});
}

void MidiWriter::Program(int t, int tick, int ch, int program) {
  tracks_[t].push_back({tick, kOrderProgram, {uint8_t(0xC0 | (ch & 15)), uint8_t(program & 127)}});
}

void MidiWriter::Control(int t, int tick, int ch, int controller, int value) {
  tracks_[t].push_back(
      {tick,
       kOrderProgram,
       {uint8_t(0xB0 | (ch & 15)), uint8_t(controller & 127), uint8_t(value & 127)}});
}

void MidiWriter::Note(int t, int tick, int length, int ch, int key, int velocity) {
  if (length <= 0 || key < 0 || key > 127) return;
  velocity = std::clamp(velocity, 1, 127);
  tracks_[t].push_back(
      {tick, kOrderOn, {uint8_t(0x90 | (ch & 15)), uint8_t(key), uint8_t(velocity)}});
  tracks_[t].push_back({tick + length, kOrderOff, {uint8_t(0x80 | (ch & 15)), uint8_t(key), 0}});
}

void MidiWriter::EndOfTrack(int t, int tick) { ends_[t] = std::max(ends_[t], tick); }

std::vector<uint8_t> MidiWriter::Bytes() const {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
  Put32(out, 6);
  Put16(out, 1);
  Put16(out, uint32_t(tracks_.size()));
  Put16(out, uint32_t(ticksPerBeat_));
  for (size_t t = 0; t < tracks_.size(); ++t) {
    std::vector<Event> ev = tracks_[t];
    std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    PutVarLen(body, 0);
    body.push_back(0xFF);
    body.push_back(0x03);
    PutVarLen(body, uint32_t(names_[t].size()));
    body.insert(body.end(), names_[t].begin(), names_[t].end());
    int now = 0;
    for (const Event& e : ev) {
      PutVarLen(body, uint32_t(std::max(e.tick - now, 0)));
      now = std::max(now, e.tick);
      body.insert(body.end(), e.data.begin(), e.data.end());
    }
    PutVarLen(body, uint32_t(std::max(ends_[t] - now, 0)));
    body.push_back(0xFF);
    body.push_back(0x2F);
    body.push_back(0x00);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Put32(out, uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

// ---------------------------------------------------------------- WAV

std::vector<uint8_t> WavBytes(const std::vector<float>& samples, int sampleRate) {
  std::vector<uint8_t> b;
  auto put32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
  };
  auto put16 = [&b](uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
  };
  auto putTag = [&b](const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
  };
  uint32_t dataBytes = uint32_t(samples.size() * 2);
  b.reserve(44 + dataBytes);
  putTag("RIFF");
  put32(36 + dataBytes);
  putTag("WAVE");
  putTag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(uint32_t(sampleRate));
  put32(uint32_t(sampleRate * 2));
  put16(2);
  put16(16);
  putTag("data");
  put32(dataBytes);
  for (float s : samples) {
    float c = std::clamp(s, -1.0f, 1.0f);
    put16(uint16_t(int16_t(std::lround(c * 32767.0f))));
  }
  return b;
}

}  // namespace assetgen
