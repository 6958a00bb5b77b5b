// Where a button puts its glyph and caption (pure geometry, shared by the
// bitmap button and the speed button).
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonPieces {
  TRect Glyph;
  TRect Text;
};

// Lays a glyph of glyphSize and a caption of textSize out in client.
// margin -1 centres the pair; otherwise it is the distance from the edge on
// the glyph's side. spacing -1 centres the caption in the room left after
// the glyph; otherwise it is the gap between glyph and caption. A missing
// glyph or caption (size 0) takes no room and no spacing.
TButtonPieces LayoutButton(const TRect& client, TPoint glyphSize, TPoint textSize, TButtonLayout layout, int margin,
                           int spacing);

}  // namespace pelorin
