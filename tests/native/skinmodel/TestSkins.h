// Builders of test skins: bitmap files and compressed archives made in memory.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/core/Bitmap.h"
#include "host/core/Streams.h"
#include "skinfile/SkinWriter.h"

namespace pelorin::test {

using Bytes = std::vector<uint8_t>;

// A 24-bit bitmap file; pixel (x, y) has the colour colourAt(x, y).
template <typename F>
Bytes BmpFile(int width, int height, F colourAt) {
  TBitmap b(width, height);
  b.SetPixelFormat(TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, colourAt(x, y));
  TMemoryStream s;
  b.SaveToStream(s);
  return s.Bytes();
}
inline Bytes BmpFile(int width, int height) {
  return BmpFile(width, height, [](int, int) { return clRed; });
}

inline Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A compressed skin archive of the given files.
inline Bytes SkinArchive(const std::vector<std::pair<std::string, Bytes>>& files) {
  TSkinWriter writer;
  for (const auto& [name, data] : files) writer.AddFile(name, data);
  TMemoryStream s;
  writer.SaveToStream(s);
  return s.Bytes();
}

}  // namespace pelorin::test
