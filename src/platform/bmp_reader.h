#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded bitmap: width x height pixels, 0xFFRRGGBB, top row first.
struct BmpImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// Largest picture accepted, in pixels per side and in pixels all told (a
// small file of one bit per pixel must not make a picture of gigabytes).
constexpr int32_t kBmpMaxSide = 16384;
constexpr int64_t kBmpMaxPixels = 4096 * 4096;

// Decodes an uncompressed Windows bitmap (1, 4, 8, 16, 24 or 32 bits; BI_RGB,
// and BI_BITFIELDS for 16 and 32 bits; bottom-up or top-down). Returns false
// for anything else, or for a damaged or short file; never reads outside
// data[0..size).
bool DecodeBmp(const uint8_t* data, size_t size, BmpImage* out);

// Reads and decodes a bitmap file.
bool LoadBmpFile(const char* path, BmpImage* out);
