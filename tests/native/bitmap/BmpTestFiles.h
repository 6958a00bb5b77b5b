// Helpers of the bitmap tests: hand-built bitmap files, fixture and PPM
// readers, and loading from bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/BmpFormat.h"
#include "host/core/Streams.h"

namespace pelorin::test {

using Bytes = std::vector<uint8_t>;

// A bitmap file with an info header (or a core header when headerSize is 12).
struct TBmpSpec {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  uint32_t compression = bmp::kBiRgb;
  uint32_t headerSize = bmp::kInfoHeaderSize;
  std::vector<uint32_t> palette{};  // 0x00RRGGBB
  std::vector<uint32_t> masks{};    // written after an info header
  uint32_t clrUsed = 0;
  Bytes pixels{};
};

inline Bytes BuildBmp(const TBmpSpec& s) {
  const bool core = s.headerSize == bmp::kCoreHeaderSize;
  const size_t entry = core ? 3 : 4;
  Bytes f(bmp::kFileHeaderSize + s.headerSize + 4 * s.masks.size() + entry * s.palette.size(), 0);
  f[0] = 'B';
  f[1] = 'M';
  bmp::PutU32(&f[2], uint32_t(f.size() + s.pixels.size()));
  bmp::PutU32(&f[10], uint32_t(f.size()));
  uint8_t* h = &f[14];
  bmp::PutU32(h, s.headerSize);
  if (core) {
    bmp::PutU16(h + 4, uint16_t(s.width));
    bmp::PutU16(h + 6, uint16_t(s.height));
    bmp::PutU16(h + 8, 1);
    bmp::PutU16(h + 10, s.bits);
  } else {
    bmp::PutU32(h + 4, uint32_t(s.width));
    bmp::PutU32(h + 8, uint32_t(s.height));
    bmp::PutU16(h + 12, 1);
    bmp::PutU16(h + 14, s.bits);
    bmp::PutU32(h + 16, s.compression);
    bmp::PutU32(h + 32, s.clrUsed);
  }
  uint8_t* p = h + s.headerSize;
  for (uint32_t m : s.masks) bmp::PutU32(p, m), p += 4;
  for (uint32_t c : s.palette) {
    p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
    p += entry;
  }
  f.insert(f.end(), s.pixels.begin(), s.pixels.end());
  return f;
}

inline std::string DataPath(const std::string& name) { return std::string(PELORIN_TEST_DATA) + "/bmp/" + name; }

inline Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void LoadBytes(TBitmap& bmp, const Bytes& bytes) {
  TMemoryStream m;
  m.Assign(bytes.data(), bytes.size());
  bmp.LoadFromStream(m);
}

// A binary PPM (P6, maxval 255) as 0x00RRGGBB words, top row first.
struct TPpm {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

inline TPpm ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  TPpm p;
  in >> magic >> p.width >> p.height >> maxval;
  in.get();
  for (int i = 0; in && i < p.width * p.height; ++i) {
    unsigned char rgb[3] = {};
    in.read(reinterpret_cast<char*>(rgb), 3);
    p.pixels.push_back(uint32_t(rgb[0]) << 16 | uint32_t(rgb[1]) << 8 | rgb[2]);
  }
  return p;
}

inline std::vector<uint32_t> PixelsOf(const TBitmap& bmp) {
  return std::vector<uint32_t>(bmp.Bits(), bmp.Bits() + int64_t(bmp.Width()) * bmp.Height());
}

}  // namespace pelorin::test
