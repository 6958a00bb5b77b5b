// Where a bitmap or speed button puts its glyph and caption, and where a
// caption measured by the text renderer goes inside a rectangle. Sizes are
// points (X = width, Y = height).
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

enum TGlyphSide : int { gsLeft = 0, gsRight = 1, gsTop = 2, gsBottom = 3 };
// Speed buttons sit one pixel further from the leading edge when only the
// margin is automatic.
enum class TGlyphButtonKind { Bit, Speed };

// Text alignment values of the text renderer.
enum TCaptionFormat : int { cfmtLeft = 0, cfmtCentre = 1, cfmtRight = 2 };

struct TGlyphPlacement {
  TPoint Glyph;
  TRect Text;
  int Format = cfmtLeft;
};

// margin and spacing -1 mean automatic; an unknown side is taken as left.
TGlyphPlacement LayOutGlyphButton(TPoint client, TPoint glyph, TPoint text, int side, int margin, int spacing,
                                  TGlyphButtonKind kind);

// A caption of size measured placed in rect: vertically centred one pixel
// high, horizontally centred only for the centre format.
TRect PlaceCaption(const TRect& rect, TPoint measured, int format);
// Centred both ways (the menu bar's captions).
TRect PlaceCaptionCentred(const TRect& rect, TPoint measured);

}  // namespace pelorin
