// Up-down (spin) controls: the two halves, the arrow each shows, the frame of
// each and where its arrow is centred.
#pragma once

#include <array>

#include "host/core/Geometry.h"

namespace pelorin {

struct TUpDownFacts {
  bool Horizontal = false;  // UDS_HORZ: left and right halves
  bool Pressed = false;
  bool Hot = false;
  bool Enabled = true;
  TPoint Cursor;            // client coordinates
};

struct TUpDownPart {
  TRect Rect;
  int Direction = 0;  // TArrowDirection
  int Frame = 1;
};

// The halves of a client area of clientSize, one pixel in from its edges:
// up then down, or left then right. The pressed or hot frame goes to the half
// under the cursor; disabled (3) goes to both.
std::array<TUpDownPart, 2> UpDownParts(TPoint clientSize, const TUpDownFacts& facts);

// Pressed and hot halves are filled with the shadow colour, the others with
// the face colour.
bool UpDownPartShaded(int frame);

// Where a half's arrow path is centred: the middle, two pixels higher for the
// up and down arrows.
TPoint UpDownArrowCentre(const TRect& part, int direction);

}  // namespace pelorin
