// The five sound effects, synthesised (22050 Hz, 16-bit mono), and the
// settings file.
#include <algorithm>
#include <cmath>

#include "app/data_settings.h"
#include "assetgen.h"

using namespace assetgen;

namespace {

constexpr int kRate = 22050;
constexpr float kTwoPi = 6.28318530718f;

std::vector<float> Silence(float seconds) {
  return std::vector<float>(size_t(seconds * kRate), 0.0f);
}

// Scales the peak to level and fades the last few milliseconds to zero.
std::vector<float> Finish(std::vector<float> s, float level = 0.85f) {
  float peak = 0.0f;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  if (peak > 0.0f)
    for (float& v : s) v *= level / peak;
  size_t fade = std::min(s.size(), size_t(kRate / 200));
  for (size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= float(i) / float(fade);
  return s;
}

// A low hum with a slow throb; a whole number of cycles so it can repeat.
std::vector<float> Hum() {
  const float f0 = 55.0f, seconds = 88.0f / f0;  // 1.6 s
  std::vector<float> s = Silence(seconds);
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float v = 0.55f * std::sin(kTwoPi * f0 * t) + 0.28f * std::sin(kTwoPi * 2 * f0 * t + 0.6f) +
              0.14f * std::sin(kTwoPi * 3 * f0 * t + 1.1f) + 0.06f * std::sin(kTwoPi * 5 * f0 * t);
    float throb = 0.8f + 0.2f * std::sin(kTwoPi * 5.0f * t);
    float env = std::min(1.0f, t / 0.05f) * std::min(1.0f, (seconds - t) / 0.2f);
    s[i] = v * throb * env;
  }
  return Finish(s, 0.8f);
}

// One metallic tick: a burst of noise and two short rings.
void Tick(std::vector<float>& s, float at, float pitch, float gain, Rng& rng) {
  size_t start = size_t(at * kRate);
  float lp = 0.0f;
  for (size_t i = start; i < s.size(); ++i) {
    float t = float(i - start) / kRate;
    if (t > 0.08f) break;
    float noise = rng.Range(-1.0f, 1.0f);
    float hp = noise - lp;  // a rough high-pass of the noise
    lp += 0.3f * (noise - lp);
    float v = hp * std::exp(-t / 0.0025f) * 0.7f +
              std::sin(kTwoPi * pitch * t) * std::exp(-t / 0.008f) +
              0.5f * std::sin(kTwoPi * pitch * 0.47f * t) * std::exp(-t / 0.015f);
    s[i] += gain * v;
  }
}

std::vector<float> KeyClick() {
  Rng rng(11);
  std::vector<float> s = Silence(0.14f);
  Tick(s, 0.0f, 3300.0f, 1.0f, rng);
  Tick(s, 0.045f, 2700.0f, 0.7f, rng);
  return Finish(s);
}

// A coin: inharmonic partials ringing down, struck twice.
std::vector<float> CoinChink() {
  std::vector<float> s = Silence(0.55f);
  const float freq[] = {2093.0f, 2690.0f, 3951.0f, 5220.0f, 6645.0f};
  const float amp[] = {1.0f, 0.6f, 0.45f, 0.3f, 0.2f};
  const float decay[] = {0.2f, 0.16f, 0.11f, 0.08f, 0.05f};
  const float strikes[][2] = {{0.0f, 1.0f}, {0.085f, 0.6f}};
  for (auto& st : strikes) {
    size_t start = size_t(st[0] * kRate);
    for (size_t i = start; i < s.size(); ++i) {
      float t = float(i - start) / kRate, v = 0.0f;
      for (int p = 0; p < 5; ++p)
        v += amp[p] * std::sin(kTwoPi * freq[p] * (st[1] < 1 ? 1.03f : 1.0f) * t) *
             std::exp(-t / decay[p]);
      s[i] += st[1] * v * std::min(1.0f, t / 0.0008f);
    }
  }
  return Finish(s);
}

// A pick-up: two bright rising blips.
std::vector<float> PickUp() {
  std::vector<float> s = Silence(0.22f);
  const float notes[][3] = {{0.0f, 880.0f, 1175.0f}, {0.075f, 1320.0f, 1760.0f}};
  for (auto& n : notes) {
    size_t start = size_t(n[0] * kRate);
    float phase = 0.0f;
    for (size_t i = start; i < s.size(); ++i) {
      float t = float(i - start) / kRate;
      if (t > 0.14f) break;
      float f = n[1] + (n[2] - n[1]) * std::min(1.0f, t / 0.05f);
      phase += kTwoPi * f / kRate;
      float v = std::sin(phase) + 0.3f * std::sin(3 * phase) + 0.12f * std::sin(5 * phase);
      float env = std::min(1.0f, t / 0.004f) * std::exp(-t / 0.045f);
      s[i] += v * env;
    }
  }
  return Finish(s);
}

// A smash: a burst of darkening noise over a falling thud, then debris.
std::vector<float> Smash() {
  Rng rng(29);
  std::vector<float> s = Silence(0.85f);
  float lp = 0.0f, thudPhase = 0.0f;
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float cutoff = 500.0f + 5500.0f * std::exp(-t / 0.08f);
    float a = 1.0f - std::exp(-kTwoPi * cutoff / kRate);
    lp += a * (rng.Range(-1.0f, 1.0f) - lp);
    float noise = lp * std::exp(-t / 0.16f) * std::min(1.0f, t / 0.002f);
    float f = 40.0f + 60.0f * std::exp(-t / 0.05f);
    thudPhase += kTwoPi * f / kRate;
    float thud = std::sin(thudPhase) * std::exp(-t / 0.12f);
    s[i] = 1.2f * noise + 0.9f * thud;
  }
  // Debris: short clicks thinning out.
  for (int k = 0; k < 28; ++k) {
    float at = 0.05f + 0.6f * std::pow(rng.Float(), 1.6f);
    float gain = 0.35f * std::exp(-at / 0.3f) * rng.Range(0.4f, 1.0f);
    float pitch = rng.Range(1500.0f, 4500.0f);
    size_t start = size_t(at * kRate);
    for (size_t i = start; i < s.size() && i < start + kRate / 50; ++i) {
      float t = float(i - start) / kRate;
      s[i] += gain * std::sin(kTwoPi * pitch * t) * std::exp(-t / 0.004f);
    }
  }
  return Finish(s);
}

}  // namespace

ASSETGEN_TABLE(SoundFiles) {
  r.Wav("Data\\Vibrate.wav", kRate, Hum);
  r.Wav("Data\\Key.wav", kRate, KeyClick);
  r.Wav("Data\\Coin.wav", kRate, CoinChink);
  r.Wav("Data\\Pick.wav", kRate, PickUp);
  r.Wav("Data\\Smash.wav", kRate, Smash);
  // The settings of a fresh game folder; the game then keeps the player's
  // options in it.
  r.PlayersText("Data//data1.txt", kFreshSettings);
}
