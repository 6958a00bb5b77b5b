// Helpers of the painting tests: images with a distinct colour per slice and
// per-pixel comparison that prints the image when it fails.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "host/core/Bitmap.h"

namespace pelorin::testing {

// Colour of slice (col, row) of frame `frame` (all 0-based): distinct and
// never the transparency key.
inline uint32_t SliceColour(int frame, int col, int row) {
  return uint32_t(frame + 1) << 16 | uint32_t(row * 3 + col + 1) << 8 | 0x40;
}

// A strip of `frames` frames of fw x fh (side by side, or stacked), each cut
// into nine slices of its own colour by margins m.
inline TBitmap SliceImage(int fw, int fh, int frames, const TRect& m, bool vertical = false) {
  TBitmap b(vertical ? fw : fw * frames, vertical ? fh * frames : fh);
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x) {
        const int col = x < m.Left ? 0 : x >= fw - m.Right ? 2 : 1;
        const int row = y < m.Top ? 0 : y >= fh - m.Bottom ? 2 : 1;
        const int bx = vertical ? x : f * fw + x, by = vertical ? f * fh + y : y;
        b.ScanLine(by)[bx] = SliceColour(f, col, row);
      }
  return b;
}

// Pixel value that names its own source position (for sampling tests).
inline uint32_t PosColour(int x, int y) { return uint32_t(y) << 12 | uint32_t(x); }
inline TBitmap PosImage(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.ScanLine(y)[x] = PosColour(x, y);
  return b;
}

inline std::string Dump(const TBitmap& b) {
  std::string s;
  if (b.Width() > 64 || b.Height() > 64) return "(image too large to print)\n";
  char buf[16];
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      std::snprintf(buf, sizeof buf, "%06X ", b.ScanLine(y)[x] & 0xFFFFFFu);
      s += buf;
    }
    s += '\n';
  }
  return s;
}

// Compares every pixel with expected(x, y); reports the first mismatches and
// the whole image.
inline ::testing::AssertionResult PixelsAre(const TBitmap& b, const std::function<uint32_t(int, int)>& expected) {
  int bad = 0;
  std::string first;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const uint32_t want = expected(x, y) & 0xFFFFFFu, got = b.ScanLine(y)[x] & 0xFFFFFFu;
      if (want != got && bad++ < 5)
        first += "(" + std::to_string(x) + "," + std::to_string(y) + ") got " + std::to_string(got) + " want " +
                 std::to_string(want) + "\n";
    }
  if (bad == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << bad << " pixels differ:\n" << first << Dump(b);
}

// Slice index (0, 1, 2) of position p in a run of length n cut by margins a, b.
inline int SliceOf(int p, int n, int a, int b) { return p < a ? 0 : p >= n - b ? 2 : 1; }

}  // namespace pelorin::testing
