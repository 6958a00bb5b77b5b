// Where the icon and text of a header item, or of a tab with an image, go.
// Sizes are points (X = width, Y = height); a zero icon size means no icon.
#pragma once

#include <cstdint>

#include "host/core/Geometry.h"

namespace pelorin {

struct TIconCaptionPlace {
  TPoint Icon;  // top-left of the icon
  TRect Text;   // where the measured text goes
};

// Icon and text centred together as one group, one pixel between them, each
// centred vertically on its own.
TIconCaptionPlace PlaceIconCaption(const TRect& rect, TPoint icon, TPoint text);

struct THeaderItemPlace {
  TIconCaptionPlace Parts;
  int Format = 0;  // text alignment: 0 left, 1 centre, 2 right
};

// A header item's icon and text: aligned as the item's format says (right,
// centre, else left), 4 pixels from the edge they lean on. The text never
// reaches past 4 pixels before the item's right edge (the rest is cut off);
// a group too wide to centre or right-align leans on the left.
THeaderItemPlace PlaceHeaderItem(const TRect& item, uint32_t fmt, TPoint icon, TPoint text);

}  // namespace pelorin
