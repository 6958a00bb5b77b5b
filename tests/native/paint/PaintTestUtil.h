// Helpers of the painting tests: images with a distinct colour per slice or
// per position, and a per-pixel comparison that reports what differs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/core/Bitmap.h"

namespace pelorin::testing {

// Colour of slice (col, row) of frame `frame` (0-based): distinct, never the key.
inline uint32_t SliceColour(int frame, int col, int row) {
  return uint32_t(frame + 1) << 16 | uint32_t(row * 3 + col + 1) << 8 | 0x40;
}

// Slice index (0, 1, 2) of position p in a run of length n cut by margins a, b.
inline int SliceOf(int p, int n, int a, int b) { return p < a ? 0 : p >= n - b ? 2 : 1; }

// `frames` frames of fw x fh (side by side, or stacked), each cut into nine
// slices of its own colour by margins m.
inline TBitmap SliceImage(int fw, int fh, int frames, const TRect& m, bool vertical = false) {
  TBitmap b(vertical ? fw : fw * frames, vertical ? fh * frames : fh);
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x)
        b.ScanLine(vertical ? f * fh + y : y)[vertical ? x : f * fw + x] =
            SliceColour(f, SliceOf(x, fw, m.Left, m.Right), SliceOf(y, fh, m.Top, m.Bottom));
  return b;
}

// Pixels that name their own position (for sampling tests).
inline uint32_t PosColour(int x, int y) { return uint32_t(y) << 12 | uint32_t(x); }
inline TBitmap PosImage(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.ScanLine(y)[x] = PosColour(x, y);
  return b;
}

// Compares every pixel's RGB with expected(x, y).
inline ::testing::AssertionResult PixelsAre(const TBitmap& b, const std::function<uint32_t(int, int)>& expected) {
  int bad = 0;
  std::string first;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const uint32_t want = expected(x, y) & 0xFFFFFFu, got = b.ScanLine(y)[x] & 0xFFFFFFu;
      if (want != got && bad++ < 8)
        first += " (" + std::to_string(x) + "," + std::to_string(y) + ") " + std::to_string(got) + "!=" +
                 std::to_string(want);
    }
  if (bad == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << bad << " pixels differ:" << first;
}

}  // namespace pelorin::testing
