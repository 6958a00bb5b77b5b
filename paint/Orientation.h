// Turning bitmaps in place: upside down, or a quarter turn either way (tab
// images for tabs that do not sit at the top).
#pragma once

#include "host/core/Bitmap.h"

namespace pelorin {

// Each first makes the bitmap 24-bit (pixel format pf24bit, the unused fourth
// byte of every pixel cleared), then turns it. An empty bitmap stays empty.
void FlipBitmapVertical(TBitmap& bitmap);
// 90 degrees counter-clockwise: new (x, y) = old (W - 1 - y, x).
void RotateBitmapLeft(TBitmap& bitmap);
// 90 degrees clockwise: new (x, y) = old (y, H - 1 - x).
void RotateBitmapRight(TBitmap& bitmap);

}  // namespace pelorin
