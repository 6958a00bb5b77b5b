// Bitmap files built by hand for tests: any header, depth, palette, masks and
// pixel bytes, and the common shapes made from them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/BmpFormat.h"
#include "host/core/Streams.h"

namespace pelorin::testing {

using TBytes = std::vector<uint8_t>;

// A bitmap file with an info header (or the OS/2 2.x one of the same layout).
struct TBmpSpec {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint32_t compression = bmp::kBiRgb;
  uint32_t headerSize = bmp::kInfoHeaderSize;
  std::vector<uint32_t> palette{};  // 0x00RRGGBB
  std::vector<uint32_t> masks{};    // written after the header
  uint32_t clrUsed = 0;
  TBytes pixels{};
};

inline TBytes BuildBmp(const TBmpSpec& s) {
  TBytes f(bmp::kFileHeaderSize + s.headerSize + 4 * (s.masks.size() + s.palette.size()), 0);
  const uint32_t fields[] = {s.headerSize, uint32_t(s.width), uint32_t(s.height), 1u | uint32_t(s.bits) << 16,
                             s.compression, 0, 0, 0, s.clrUsed};
  f[0] = 'B', f[1] = 'M';
  bmp::PutU32(&f[2], uint32_t(f.size() + s.pixels.size()));
  bmp::PutU32(&f[10], uint32_t(f.size()));
  uint8_t* p = &f[14];
  for (uint32_t v : fields) bmp::PutU32(p, v), p += 4;
  p = &f[14 + s.headerSize];
  for (uint32_t v : s.masks) bmp::PutU32(p, v), p += 4;
  for (uint32_t v : s.palette) bmp::PutU32(p, v), p += 4;
  f.insert(f.end(), s.pixels.begin(), s.pixels.end());
  return f;
}

// A 24-bit file written by TBitmap; pixel (x, y) has the colour colourAt(x, y).
template <typename F>
TBytes BmpFile(int width, int height, F colourAt) {
  TBitmap b(width, height);
  b.SetPixelFormat(TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, colourAt(x, y));
  TMemoryStream s;
  b.SaveToStream(s);
  return s.Bytes();
}
inline TBytes BmpFile(int width, int height) {
  return BmpFile(width, height, [](int, int) { return clRed; });
}

// A width x height (negative: top-down) file at bpp bits, every pixel rgb
// (0x00RRGGBB; palettes are all rgb; 16-bit files are black).
inline TBytes SolidBmp(int width, int height, uint16_t bpp, uint32_t rgb) {
  const size_t rows = size_t(height < 0 ? -height : height);
  const size_t stride = (size_t(width) * bpp + 31) / 32 * 4;
  TBmpSpec spec{width, height, bpp};
  if (bpp <= 8) spec.palette.assign(size_t(1) << bpp, rgb);
  spec.pixels.assign(stride * rows, 0);
  if (bpp == 24 || bpp == 32)
    for (size_t y = 0; y < rows; ++y)
      for (size_t x = 0; x < size_t(width); ++x)
        for (int i = 0; i < 3; ++i) spec.pixels[y * stride + x * (bpp / 8) + size_t(i)] = uint8_t(rgb >> (8 * i));
  return BuildBmp(spec);
}

// A big one-colour image in a small file: 8-bit run-length coded.
inline TBytes HugeSolidBmp(int width, int height, uint32_t rgb) {
  TBmpSpec spec{width, height, 8, bmp::kBiRle8};
  spec.palette.assign(256, rgb);
  for (int y = 0; y < height; ++y) {
    for (int left = width; left > 0; left -= 255) spec.pixels.insert(spec.pixels.end(), {uint8_t(std::min(left, 255)), 0});
    spec.pixels.insert(spec.pixels.end(), {0, 0});
  }
  spec.pixels.insert(spec.pixels.end(), {0, 1});
  return BuildBmp(spec);
}

}  // namespace pelorin::testing
