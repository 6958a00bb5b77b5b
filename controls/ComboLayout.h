// Drop-down combo boxes: the frame of the button and arrow images, where the
// button and arrow stand, and the pieces of the sunken border copied from the
// skin's edge image.
#pragma once

#include "host/core/Geometry.h"
#include "paint/SliceGeometry.h"

namespace pelorin {

struct TComboFacts {
  bool Hot = false;
  bool Pressed = false;  // the mouse is down on it, or its list is open
  bool Focused = false;
  bool Enabled = true;
};

// Disabled 3, focused 4, then pressed 2 or else hot 4.
int ComboFrame(const TComboFacts& facts);

// The drop-down button: buttonWidth wide at the right edge, full height.
TRect ComboButtonRect(const TRect& rect, int buttonWidth);
// The arrow image centred across the button and down the whole control.
TRect ComboArrowRect(const TRect& button, const TRect& rect, int arrowWidth, int arrowHeight);

// Thickness of a border side drawn from an edge margin: 1 below 2, else 2.
int SunkEdgeThickness(int margin);

// The sunken border of rect, left of buttonLeft, as five stretched copies out
// of frame (the edge image's first frame, in image coordinates), in drawing
// order: left edge, top edge, top-left corner, bottom edge, bottom-left corner.
// The right side is the button's. Margins are clamped to the frame as every
// element's are (negative ones count 0, a pair wider than the frame both 0),
// so no source ever leaves the frame or turns inside out; pieces whose source
// is empty are left out.
TSliceList SunkEdgePieces(const TRect& rect, int buttonLeft, const TRect& frame, const TRect& margins);

}  // namespace pelorin
