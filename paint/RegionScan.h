// The scan that turns a bitmap into a region: every row's runs of pixels that
// are not of the key colour become one-pixel-high rectangles.
#pragma once

#include <cstdint>
#include <vector>

#include "host/core/Bitmap.h"

namespace pelorin {

// A pixel is see-through when each of its channels c lies in
// [key, min(255, key + tolerance)] of that channel.
class TRegionKey {
public:
  TRegionKey(TColor keyColour, uint8_t toleranceBlue, uint8_t toleranceGreen, uint8_t toleranceRed);
  bool IsTransparent(uint32_t pixel) const {
    return uint32_t((pixel & 0xFF) - lo_[0]) <= span_[0] &&
           uint32_t(((pixel >> 8) & 0xFF) - lo_[1]) <= span_[1] &&
           uint32_t(((pixel >> 16) & 0xFF) - lo_[2]) <= span_[2];
  }

private:
  uint32_t lo_[3];    // blue, green, red
  uint32_t span_[3];  // width of each range minus one
};

// Calls sink(y, x0, x1) for every opaque run [x0, x1) of row y, rows top to
// bottom, runs left to right.
template <class Sink>
void ForEachOpaqueRun(const TBitmap& bitmap, const TRegionKey& key, Sink&& sink) {
  const int w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.ScanLine(y);
    int x = 0;
    while (x < w) {
      while (x < w && key.IsTransparent(row[x])) ++x;
      const int x0 = x;
      while (x < w && !key.IsTransparent(row[x])) ++x;
      if (x > x0) sink(y, x0, x);
    }
  }
}

// Rectangles of a region, one per opaque run, moved by (xOffset, yOffset);
// none for a bitmap that is all key colour.
using TRegionRects = std::vector<TRect>;

// The portable region of a bitmap (the Windows build turns the same runs into
// an HRGN, see paint/win/BitmapRegion.h). Callers pass tolerances 1, 1, 1 and
// TransparentKeyColour.
TRegionRects CreateRegionRects(const TBitmap& bitmap, int xOffset, int yOffset, uint8_t toleranceBlue,
                               uint8_t toleranceGreen, uint8_t toleranceRed, TColor keyColour);

}  // namespace pelorin
