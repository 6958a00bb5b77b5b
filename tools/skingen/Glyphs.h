// Glyphs drawn into a square box: the title-bar button symbols, check marks,
// radio dots and arrows. Stroke width scales with the box.
#pragma once

#include "tools/skingen/Draw.h"

namespace pelorin::skingen {

enum class TGlyph { Close, Maximize, Minimize, Restore, Help, Pin, Check, Dot, ArrowLeft, ArrowRight, ArrowUp, ArrowDown, Leaf };

// Draws the glyph centred in box (a square works best) in colour c.
void DrawGlyph(TBitmap& b, const TRect& box, TGlyph glyph, TPixel c);

}  // namespace pelorin::skingen
