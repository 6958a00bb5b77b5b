// What each painting primitive draws, described once for the TBitmap and the
// device-context variants: slice pieces, keying and an untouched centre.
#pragma once

#include "host/core/Bitmap.h"
#include "paint/SliceGeometry.h"

namespace pelorin {

namespace paint_detail {

// The pieces (relative to DestRect's top-left), whether the result is keyed,
// and for borders the centre that must stay untouched (relative to DestRect,
// empty when none).
struct TComposition {
  TSliceList Pieces;
  bool Keyed = false;
  TRect Hole;
};

TComposition NineSliceComposition(const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                                  bool transparent, int frameCount, int frameIndex, const TRect& margins);
TComposition StripComposition(const TRect& destRect, const TBitmap& source, bool vertical, bool transparent,
                              int frameCount, int frameIndex, const TRect& margins);
TComposition BorderComposition(const TRect& destRect, const TBitmap& source, bool vertical, int frameCount,
                               int frameIndex, const TRect& margins);
TComposition FrameComposition(const TRect& destRect, const TBitmap& source, bool transparent, int frameIndex);

// True when DestRect can be drawn at all (not inverted, inside MaxPaintCoord).
bool Drawable(const TRect& destRect);

// Composes the part `visible` (target coordinates, inside DestRect) of a
// composition drawn at DestRect into a bitmap of visible's size.
void ComposeVisible(TBitmap& scratch, const TRect& destRect, const TRect& visible, const TBitmap& source,
                    const TComposition& composition);

}  // namespace paint_detail

}  // namespace pelorin
