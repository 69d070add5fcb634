// The timing of the benches: a loop in all, or each run apart with the
// least, middle and greatest of them.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace bench {

// Milliseconds per run of body, over count runs.
template <class F>
double MsPer(int count, F&& body) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) body();
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(end - start).count() / count;
}

// The least, middle and greatest of a set of timings, in milliseconds. On a
// busy machine the least is the cost itself; the others show the noise.
struct Spread {
  double min = 0, median = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> ms) {
  if (ms.empty()) return {};
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2], ms.back()};
}

// Each of count runs of body timed on its own, after a few runs that warm
// the caches.
template <class F>
Spread MsEach(int count, F&& body) {
  for (int i = 0; i < 5; ++i) body();
  std::vector<double> ms;
  ms.reserve(count);
  for (int i = 0; i < count; ++i) {
    const auto start = std::chrono::steady_clock::now();
    body();
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  return SpreadOf(std::move(ms));
}

// "min / median / max" of a spread, each to three decimals (or more places
// for small values).
inline void PrintSpread(const char* label, const Spread& s, const char* unit = "ms") {
  std::printf("  %-32s %9.4f / %9.4f / %9.4f %s (min / median / max)\n", label, s.min, s.median,
              s.max, unit);
}

}  // namespace bench
