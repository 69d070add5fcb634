// Fuzzes the bitmap decoder: any bytes either are refused or give a picture
// within the size limits whose pixel count matches its size, all opaque.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bmp_reader.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A file with a well-formed header built from the first bytes of the input
// (bits per pixel, compression, size, a top-down flag, palette length) and
// the rest of the input as palette, masks and pixels, so that the decoding
// of the pixels gets fuzzed and not only the checks of the header.
std::vector<uint8_t> Framed(const uint8_t* data, size_t size) {
  static const uint16_t kBits[] = {1, 4, 8, 16, 24, 32, 0, 2};
  const uint8_t pick = size > 1 ? data[1] : 0;
  const uint16_t bits = kBits[pick & 7];
  const uint32_t compression = (pick >> 3) & 3;  // 0 BI_RGB, 3 BI_BITFIELDS, others refused
  const int32_t width = size > 2 ? data[2] % 64 + 1 : 1;
  int32_t height = size > 3 ? data[3] % 64 + 1 : 1;
  if (pick & 0x20) height = -height;
  const uint32_t colours = size > 4 ? data[4] : 0;
  const size_t rest = size > 5 ? size - 5 : 0;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, uint32_t(54 + rest));
  Put32(out, 0);
  const uint32_t offset = 54 + ((pick & 0x40) ? 0 : colours * 4 + (compression == 3 ? 12 : 0));
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, compression);
  Put32(out, uint32_t(rest));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
  out.insert(out.end(), data + (size - rest), data + size);
  return out;
}

void DecodeAndCheck(const uint8_t* data, size_t size);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DecodeAndCheck(data, size);
  if (size > 0 && (data[0] & 1)) {
    std::vector<uint8_t> file = Framed(data, size);
    DecodeAndCheck(file.data(), file.size());
  }
  return 0;
}

namespace {

void DecodeAndCheck(const uint8_t* data, size_t size) {
  BmpImage image;
  if (!DecodeBmp(data, size, &image)) return;
  Check(image.width > 0 && image.height > 0);
  Check(image.width <= kBmpMaxSide && image.height <= kBmpMaxSide);
  Check(int64_t{image.width} * image.height <= kBmpMaxPixels);
  Check(image.pixels.size() ==
        static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  for (uint32_t pixel : image.pixels) Check((pixel >> 24) == 0xFF);
  // Decoding is a function of the bytes.
  BmpImage again;
  Check(DecodeBmp(data, size, &again));
  Check(again.pixels == image.pixels);
}

}  // namespace
