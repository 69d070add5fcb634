// BMP and PNG encoders.
#include <png.h>

#include <cstdio>

#include "internal.h"

namespace assetgen {

std::vector<uint8_t> BmpBytes(const Canvas& c) {
  const uint32_t rowBytes = (uint32_t(c.w) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * uint32_t(c.h);
  std::vector<uint8_t> b;
  b.reserve(54 + dataBytes);
  auto put32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
  };
  auto put16 = [&b](uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
  };
  b.push_back('B');
  b.push_back('M');
  put32(54 + dataBytes);
  put32(0);
  put32(54);
  put32(40);
  put32(uint32_t(c.w));
  put32(uint32_t(c.h));  // positive: rows bottom-up
  put16(1);
  put16(24);
  put32(0);  // BI_RGB
  put32(dataBytes);
  put32(2835);  // 72 dpi
  put32(2835);
  put32(0);
  put32(0);
  for (int y = c.h - 1; y >= 0; --y) {
    for (int x = 0; x < c.w; ++x) {
      Rgb p = c.px[size_t(y) * c.w + x];
      b.push_back(uint8_t(BlueOf(p)));
      b.push_back(uint8_t(GreenOf(p)));
      b.push_back(uint8_t(RedOf(p)));
    }
    for (uint32_t pad = uint32_t(c.w) * 3; pad < rowBytes; ++pad) b.push_back(0);
  }
  return b;
}

int WritePng(const std::string& path, const Canvas& c) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return 0;
  }
  std::vector<uint8_t> row(size_t(c.w) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return 0;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, uint32_t(c.w), uint32_t(c.h), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < c.h; ++y) {
    for (int x = 0; x < c.w; ++x) {
      Rgb p = c.px[size_t(y) * c.w + x];
      row[size_t(x) * 3] = uint8_t(RedOf(p));
      row[size_t(x) * 3 + 1] = uint8_t(GreenOf(p));
      row[size_t(x) * 3 + 2] = uint8_t(BlueOf(p));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0 ? 1 : 0;
}

}  // namespace assetgen
