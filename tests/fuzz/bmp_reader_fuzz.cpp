// Fuzzes the bitmap decoder: any bytes either are refused or give a picture
// within the size limits whose pixel count matches its size, all opaque.

#include <cstddef>
#include <cstdint>

#include "platform/bmp_reader.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BmpImage image;
  if (!DecodeBmp(data, size, &image)) return 0;
  Check(image.width > 0 && image.height > 0);
  Check(image.width <= kBmpMaxSide && image.height <= kBmpMaxSide);
  Check(int64_t{image.width} * image.height <= kBmpMaxPixels);
  Check(image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  for (uint32_t pixel : image.pixels) Check((pixel >> 24) == 0xFF);
  // Decoding is a function of the bytes.
  BmpImage again;
  Check(DecodeBmp(data, size, &again));
  Check(again.pixels == image.pixels);
  return 0;
}
