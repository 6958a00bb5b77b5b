// Flip and quarter turns of TBitmap pixels.
#include "paint/Orientation.h"

#include <algorithm>
#include <vector>

namespace pelorin {

namespace {

constexpr uint32_t RgbMask = 0xFFFFFFu;

// Copies the old pixels, exchanges width and height and fills each new pixel
// from the old index that `map` gives for it.
template <class Map>
void Rotate(TBitmap& bitmap, Map map) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Empty()) return;
  const std::vector<uint32_t> old(bitmap.Bits(), bitmap.Bits() + size_t(w) * size_t(h));
  bitmap.SetSize(h, w);
  for (int y = 0; y < w; ++y) {
    uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < h; ++x) row[x] = old[map(x, y, w, h)] & RgbMask;
  }
}

}  // namespace

void FlipBitmapVertical(TBitmap& bitmap) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  const int w = bitmap.Width(), h = bitmap.Height();
  for (int top = 0, bottom = h - 1; top <= bottom; ++top, --bottom) {
    uint32_t* a = bitmap.ScanLine(top);
    uint32_t* b = bitmap.ScanLine(bottom);
    for (int x = 0; x < w; ++x) {
      const uint32_t t = a[x] & RgbMask;
      a[x] = b[x] & RgbMask;
      b[x] = t;
    }
  }
}

void RotateBitmapLeft(TBitmap& bitmap) {
  // Old row r, column c lives at old[r * w + c].
  Rotate(bitmap, [](int x, int y, int w, int) { return size_t(x) * size_t(w) + size_t(w - 1 - y); });
}

void RotateBitmapRight(TBitmap& bitmap) {
  Rotate(bitmap, [](int x, int y, int w, int h) { return size_t(h - 1 - x) * size_t(w) + size_t(y); });
}

}  // namespace pelorin
