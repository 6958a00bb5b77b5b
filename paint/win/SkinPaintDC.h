// The painting primitives on a device context: each composes the visible part
// of its destination off screen (the same pixels the TBitmap variants give)
// and puts it on the DC with one blit, or one keyed blit when transparent.
#pragma once

#include <windows.h>

#include "host/core/Bitmap.h"
#include "paint/SkinPaint.h"

namespace pelorin {

// On a device nothing is painted outside DestRect: the last tiles are cut.
void TileBitmap(HDC dc, const TRect& destRect, const TBitmap& source, const TRect& sourceRect);
void DrawSkinImage(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins);
void DrawSkinStrip(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, bool transparent,
                   int frameCount, int frameIndex, const TRect& margins);
// The centre of DestRect is excluded from the blit, so the DC keeps it.
void DrawSkinBorder(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, int frameCount,
                    int frameIndex, const TRect& margins);
void DrawSkinFrame(HDC dc, const TRect& destRect, const TBitmap& source, bool transparent, int frameIndex);
void DrawTransparent(HDC dc, const TRect& destRect, const TBitmap& source, TColor keyColour);

}  // namespace pelorin
