#pragma once
// Helpers of the platform tests: bitmaps written by hand, a scratch folder,
// a headless device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "test_folder.h"

namespace testutil {

inline void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

struct BmpSpec {
  int width = 0;
  int height = 0;
  int bits = 24;
  bool topDown = false;
  bool bitfields = false;         // BI_BITFIELDS (16 and 32 bits)
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue when bitfields
  std::vector<uint32_t> palette;  // 0xRRGGBB, for 1/4/8 bits
  std::vector<uint32_t> pixels;   // 0xRRGGBB, or palette indices, top row first
};

// A Windows bitmap with a 40-byte header.
inline std::vector<uint8_t> MakeBmp(const BmpSpec& s) {
  const int stride = ((s.width * s.bits + 31) / 32) * 4;
  const uint32_t paletteBytes = s.bits <= 8 ? static_cast<uint32_t>(s.palette.size()) * 4 : 0;
  const uint32_t maskBytes = s.bitfields ? 12 : 0;
  const uint32_t offset = 14 + 40 + maskBytes + paletteBytes;
  const uint32_t fileSize = offset + stride * s.height;
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, fileSize);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(s.width));
  Put32(b, static_cast<uint32_t>(s.topDown ? -s.height : s.height));
  Put16(b, 1);
  Put16(b, static_cast<uint32_t>(s.bits));
  Put32(b, s.bitfields ? 3 : 0);
  Put32(b, stride * s.height);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, s.bits <= 8 ? static_cast<uint32_t>(s.palette.size()) : 0);
  Put32(b, 0);
  if (s.bitfields) {
    for (uint32_t m : s.masks) Put32(b, m);
  }
  if (s.bits <= 8) {
    for (uint32_t c : s.palette) Put32(b, c & 0xFFFFFF);
  }
  for (int fileRow = 0; fileRow < s.height; ++fileRow) {
    const int y = s.topDown ? fileRow : s.height - 1 - fileRow;
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      const uint32_t v = s.pixels[static_cast<size_t>(y) * s.width + x];
      switch (s.bits) {
        case 1: row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(v); break;
        case 16:
          row[2 * x] = static_cast<uint8_t>(v);
          row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
          break;
        case 24:
          row[3 * x] = static_cast<uint8_t>(v);
          row[3 * x + 1] = static_cast<uint8_t>(v >> 8);
          row[3 * x + 2] = static_cast<uint8_t>(v >> 16);
          break;
        case 32:
          row[4 * x] = static_cast<uint8_t>(v);
          row[4 * x + 1] = static_cast<uint8_t>(v >> 8);
          row[4 * x + 2] = static_cast<uint8_t>(v >> 16);
          row[4 * x + 3] = static_cast<uint8_t>(v >> 24);
          break;
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

// A 24-bit bitmap from 0xRRGGBB pixels, top row first.
inline std::vector<uint8_t> MakeBmp24(int w, int h, const std::vector<uint32_t>& pixels) {
  BmpSpec s;
  s.width = w;
  s.height = h;
  s.bits = 24;
  s.pixels = pixels;
  return MakeBmp(s);
}

inline bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> out;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  int c;
  while ((c = std::fgetc(f)) != EOF) out.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  return out;
}

// A fresh folder in the running test's own folder (so its path, too, holds
// a space), removed at the end. Should it not be made, the test fails and
// its own folder stands in, left as it is.
class TempDir {
 public:
  TempDir() {
    std::string name = TestFolder() + "/scratch XXXXXX";
    made_ = mkdtemp(name.data()) != nullptr;
    if (!made_) ADD_FAILURE() << "cannot make a scratch folder in " << TestFolder();
    path_ = made_ ? name : TestFolder();
  }
  ~TempDir() {
    std::error_code ec;
    if (made_) std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  bool made_ = false;
};

// Runs the test body in another working folder.
class ScopedChdir {
 public:
  explicit ScopedChdir(const std::string& dir) {
    char buf[4096];
    old_ = getcwd(buf, sizeof buf) ? buf : ".";
    ok_ = chdir(dir.c_str()) == 0;
  }
  ~ScopedChdir() { (void)chdir(old_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::string old_;
  bool ok_ = false;
};

// A headless 800 x 600 device, cleared to black, alpha test on.
class HeadlessDevice {
 public:
  HeadlessDevice() {
    SetBackend(Backend::Headless);
    headless::Reset();
    created = dev.CreateDirect3D() && dev.CreateDevice(nullptr, 0, 0, 800, 600, 16);
    if (created) dev.Clear(0, 1.0f);
  }
  uint32_t Pixel(int x, int y) { return dev.SettledPixels()[y * 800 + x]; }
  // Pixels of the frame that are not black.
  int CountNonBlack(int x0 = 0, int y0 = 0, int x1 = 800, int y1 = 600) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if ((Pixel(x, y) & 0xFFFFFF) != 0) ++n;
    return n;
  }
  GraphicsDevice dev;
  bool created = false;
};

}  // namespace testutil
