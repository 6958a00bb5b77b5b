// Shared constants of the painting primitives: the fixed transparency key and
// the coordinate range the primitives accept.
#pragma once

#include "host/core/Color.h"
#include "host/core/Geometry.h"

namespace pelorin {

// The see-through colour of every skin image drawn transparent and of window
// regions: magenta. Fixed; never read from a skin.
inline constexpr TColor TransparentKeyColour = MakeRGB(255, 0, 255);

inline constexpr int Min(int a, int b) { return a < b ? a : b; }
inline constexpr int Max(int a, int b) { return a > b ? a : b; }

// Destinations whose coordinates lie beyond +/-2^28 are ignored: no device is
// that large, and the limit keeps every sum of coordinates and margins inside int.
inline constexpr int MaxPaintCoord = 1 << 28;

inline constexpr bool IsPaintableRect(const TRect& r) {
  return r.Left >= -MaxPaintCoord && r.Top >= -MaxPaintCoord && r.Right <= MaxPaintCoord &&
         r.Bottom <= MaxPaintCoord;
}

// A rectangle with Right < Left or Bottom < Top: the routines do nothing for it.
inline constexpr bool IsInvertedRect(const TRect& r) { return r.Right < r.Left || r.Bottom < r.Top; }

}  // namespace pelorin
