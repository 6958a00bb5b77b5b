// Region scan: key ranges and the portable rectangle list.
#include "paint/RegionScan.h"

#include <algorithm>

namespace pelorin {

TRegionKey::TRegionKey(TColor keyColour, uint8_t toleranceBlue, uint8_t toleranceGreen, uint8_t toleranceRed) {
  const TColor rgb = ColorToRGB(keyColour);
  const uint32_t key[3] = {uint32_t(BValue(rgb)), uint32_t(GValue(rgb)), uint32_t(RValue(rgb))};
  const uint32_t tolerance[3] = {toleranceBlue, toleranceGreen, toleranceRed};
  for (int c = 0; c < 3; ++c) {
    lo_[c] = key[c];
    span_[c] = std::min<uint32_t>(255, key[c] + tolerance[c]) - key[c];
  }
}

TRegionRects CreateRegionRects(const TBitmap& bitmap, int xOffset, int yOffset, uint8_t toleranceBlue,
                               uint8_t toleranceGreen, uint8_t toleranceRed, TColor keyColour) {
  TRegionRects rects;
  const TRegionKey key(keyColour, toleranceBlue, toleranceGreen, toleranceRed);
  rects.reserve(size_t(std::max(0, bitmap.Height())));  // typical shapes have a run or two per row
  ForEachOpaqueRun(bitmap, key, [&](int y, int x0, int x1) {
    rects.push_back({x0 + xOffset, y + yOffset, x1 + xOffset, y + 1 + yOffset});
  });
  return rects;
}

}  // namespace pelorin
