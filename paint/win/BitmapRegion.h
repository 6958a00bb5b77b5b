// Window regions from bitmaps: the opaque runs of the region scan turned into
// an HRGN in batches.
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/core/Bitmap.h"
#include "paint/win/GdiHandles.h"

namespace pelorin {

// The region of every pixel that is not of the key colour (within the
// tolerances), moved by (xOffset, yOffset); an empty region for a bitmap that
// is all key colour. Rectangles go to ExtCreateRegion at most 2000 at a time
// and the pieces are merged with CombineRgn. Raises EOutOfResources when GDI
// cannot make a region. Callers pass tolerances 1, 1, 1 and TransparentKeyColour.
TGdiRegion CreateRegionFromBitmap(const TBitmap& bitmap, int xOffset, int yOffset, uint8_t toleranceBlue,
                                  uint8_t toleranceGreen, uint8_t toleranceRed, TColor keyColour);

}  // namespace pelorin
