// Drawing a skin element by its parsed style: image, frame layout, slicing,
// fill and keying come from the record; the caller says only where and which
// frame. The device-context variants are in paint/win/DrawElementDC.h.
#pragma once

#include "host/core/Bitmap.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

// Frame `frame` (1-based; clamped to the element's frames) drawn at rect as
// the style says: nine-sliced, or as a strip, at the element's slice margins,
// the middle tiled or stretched, keyed or opaque. An element without an image
// draws nothing.
void DrawElement(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame);

// Only the border ring of the frame at the element's slice margins, or at the
// given ones (a ring thinner than the image's); the centre of rect keeps what
// target holds. Rings are put down opaque.
void DrawElementRing(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame);
void DrawElementRing(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame,
                     const TRect& margins);

// The whole frame stretched over rect, keyed as the style says: arrows,
// drop-down buttons and the other glyphs.
void DrawElementFrame(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame);

}  // namespace pelorin
