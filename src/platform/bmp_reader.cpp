#include "platform/bmp_reader.h"

#include "platform/regular_file.h"

namespace {

uint32_t U16(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// One colour channel given by a bit mask, widened to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  void Set(uint32_t m) {
    mask = m;
    shift = 0;
    max = 0;
    if (!m) return;
    while (!((m >> shift) & 1u)) ++shift;
    max = m >> shift;
  }
  uint32_t Get(uint32_t v) const {
    if (!max) return 0;
    const uint64_t c = (v & mask) >> shift;
    return static_cast<uint32_t>((c * 255u + max / 2) / max);
  }
};

bool MaskIsContiguous(uint32_t m) {
  if (!m) return true;
  while (!(m & 1u)) m >>= 1;
  return (m & (m + 1)) == 0;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, BmpImage* out) {
  if (!data || !out || size < 14 + 12) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t pixelOffset = U32(data + 10);
  const uint32_t headerSize = U32(data + 14);
  if (headerSize < 12 || headerSize > size - 14) return false;

  int64_t width;
  int64_t height;
  uint32_t planes;
  uint32_t bits;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
  size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = static_cast<int64_t>(U16(data + 18));
    height = static_cast<int16_t>(U16(data + 20));
    planes = U16(data + 22);
    bits = U16(data + 24);
    paletteEntry = 3;
  } else {
    if (headerSize < 40) return false;
    width = static_cast<int32_t>(U32(data + 18));
    height = static_cast<int32_t>(U32(data + 22));
    planes = U16(data + 26);
    bits = U16(data + 28);
    compression = U32(data + 30);
    coloursUsed = U32(data + 46);
  }
  if (planes != 1) return false;
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kBmpMaxSide || height > kBmpMaxSide) return false;
  if (width * height > kBmpMaxPixels) return false;

  Channel red, green, blue;
  size_t afterHeader = 14 + static_cast<size_t>(headerSize);
  if (compression == 0) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (bits == 16) {
      red.Set(0x7C00);
      green.Set(0x03E0);
      blue.Set(0x001F);
    } else if (bits == 32) {
      red.Set(0x00FF0000);
      green.Set(0x0000FF00);
      blue.Set(0x000000FF);
    }
  } else if (compression == 3) {
    if (bits != 16 && bits != 32) return false;
    const uint8_t* masks;
    if (headerSize >= 52) {
      masks = data + 14 + 40;
    } else {
      // The three masks follow a 40-byte header.
      if (size < afterHeader + 12) return false;
      masks = data + afterHeader;
      afterHeader += 12;
    }
    const uint32_t r = U32(masks), g = U32(masks + 4), b = U32(masks + 8);
    if (!MaskIsContiguous(r) || !MaskIsContiguous(g) || !MaskIsContiguous(b)) return false;
    if (bits == 16 && ((r | g | b) >> 16)) return false;
    red.Set(r);
    green.Set(g);
    blue.Set(b);
  } else {
    return false;  // run-length, JPEG, PNG and the rest are not read
  }

  // Palette.
  uint32_t palette[256] = {};
  if (bits <= 8) {
    const uint32_t maxColours = 1u << bits;
    uint32_t n = coloursUsed ? coloursUsed : maxColours;
    if (n > maxColours) n = maxColours;
    if (afterHeader > size || static_cast<uint64_t>(n) * paletteEntry > size - afterHeader) {
      return false;
    }
    for (uint32_t i = 0; i < n; ++i) {
      const uint8_t* e = data + afterHeader + i * paletteEntry;
      palette[i] = 0xFF000000u | (static_cast<uint32_t>(e[2]) << 16) |
                   (static_cast<uint32_t>(e[1]) << 8) | e[0];
    }
    // Indices beyond the palette read as black.
    for (uint32_t i = n; i < 256; ++i) palette[i] = 0xFF000000u;
  }

  const uint64_t stride = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || stride * static_cast<uint64_t>(height) > size - pixelOffset) {
    return false;
  }

  const int32_t w = static_cast<int32_t>(width);
  const int32_t h = static_cast<int32_t>(height);
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  for (int32_t row = 0; row < h; ++row) {
    const int32_t fileRow = topDown ? row : (h - 1 - row);
    const uint8_t* src = data + pixelOffset + stride * static_cast<uint64_t>(fileRow);
    uint32_t* dst = pixels.data() + static_cast<size_t>(row) * w;
    switch (bits) {
      case 1:
        for (int32_t x = 0; x < w; ++x) dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int32_t x = 0; x < w; ++x) dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
        break;
      case 8:
        for (int32_t x = 0; x < w; ++x) dst[x] = palette[src[x]];
        break;
      case 16:
        for (int32_t x = 0; x < w; ++x) {
          const uint32_t v = U16(src + 2 * x);
          dst[x] = 0xFF000000u | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
        }
        break;
      case 24:
        for (int32_t x = 0; x < w; ++x) {
          const uint8_t* p = src + 3 * x;
          dst[x] = 0xFF000000u | (static_cast<uint32_t>(p[2]) << 16) |
                   (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
        break;
      case 32:
        for (int32_t x = 0; x < w; ++x) {
          const uint32_t v = U32(src + 4 * x);
          dst[x] = 0xFF000000u | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
        }
        break;
    }
  }
  out->width = w;
  out->height = h;
  out->pixels.swap(pixels);
  return true;
}

bool LoadBmpFile(const char* path, BmpImage* out) {
  if (!path || !out) return false;
  // No picture that can be accepted needs a longer file than this; a pipe
  // or anything else but a regular file is not waited on.
  const uint64_t limit =
      static_cast<uint64_t>(kBmpMaxPixels) * 4 + static_cast<uint64_t>(kBmpMaxSide) * 4 + 65536;
  std::vector<uint8_t> bytes;
  if (ReadRegularFile(path, limit, &bytes) != FileFound::kRegular) return false;
  return DecodeBmp(bytes.data(), bytes.size(), out);
}
