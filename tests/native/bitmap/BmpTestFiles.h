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
  Bytes pixels{};
};

inline Bytes BuildBmp(const TBmpSpec& s) {
  Bytes f(bmp::kFileHeaderSize + s.headerSize + 4 * (s.masks.size() + s.palette.size()), 0);
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

// A binary PPM (P6, maxval 255): width, height, then 0x00RRGGBB words.
inline std::vector<uint32_t> ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  in >> magic >> w >> h >> maxval;
  in.get();
  std::vector<uint32_t> p = {uint32_t(w), uint32_t(h)};
  for (unsigned char c[3]; in.read(reinterpret_cast<char*>(c), 3);) p.push_back(uint32_t(c[0]) << 16 | c[1] << 8 | c[2]);
  return p;
}

inline std::vector<uint32_t> PixelsOf(const TBitmap& bmp) {
  return std::vector<uint32_t>(bmp.Bits(), bmp.Bits() + int64_t(bmp.Width()) * bmp.Height());
}
// Size and pixels in the form ReadPpm gives.
inline std::vector<uint32_t> SizeAndPixelsOf(const TBitmap& bmp) {
  std::vector<uint32_t> p = {uint32_t(bmp.Width()), uint32_t(bmp.Height())};
  const auto px = PixelsOf(bmp);
  p.insert(p.end(), px.begin(), px.end());
  return p;
}

}  // namespace pelorin::test
