#pragma once
// Hashes of integer lattice points and smooth value noise, for the grain,
// the grounds and the scattered marks of the pictures. The same numbers
// always give the same picture.

#include <cmath>
#include <cstdint>

namespace assetgen::noise {

// A lattice point's hash: the point and the salt (as given) mixed by
// multiplying and shifting.
inline uint32_t Hash(int x, int y, uint32_t salt) {
  uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ salt;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return h;
}

// The map grounds' hash of a lattice point: a multiply-add mix.
inline uint32_t AddHash(uint32_t x, uint32_t y, uint32_t salt) {
  uint32_t h = x * 374761393u + y * 668265263u + salt * 2246822519u + 0x9E3779B9u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// v brought into 0..period-1.
inline int Wrap(int v, int period) { return ((v % period) + period) % period; }

// Smooth value noise on a lattice of `cells` points per side that repeats
// every `size` pixels: the values of the four lattice points around (x, y),
// blended by a smooth step. lattice(i, j) gives a point's value (0..1 gives
// noise 0..1), with i and j already wrapped into 0..cells-1.
template <class Lattice>
float WrapNoise(float x, float y, int size, int cells, Lattice lattice) {
  const float step = float(size) / float(cells);
  const float gx = x / step, gy = y / step;
  const int x0 = int(std::floor(gx)), y0 = int(std::floor(gy));
  const float fx = gx - float(x0), fy = gy - float(y0);
  auto at = [&](int i, int j) { return lattice(Wrap(i, cells), Wrap(j, cells)); };
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const float b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return a + (b - a) * sy;
}

}  // namespace assetgen::noise
