// Helpers of the bitmap tests: fixture and PPM readers, and loading from bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/BmpFormat.h"
#include "host/core/Streams.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/Files.h"

namespace pelorin::testing {

inline std::string DataPath(const std::string& name) { return std::string(PELORIN_TEST_DATA) + "/bmp/" + name; }

inline void LoadBytes(TBitmap& bmp, const TBytes& bytes) {
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

}  // namespace pelorin::testing
