// Where a plain group box's frame line and caption go: the caption sits on
// the top line, which runs through the middle of the text.
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

struct TGroupBoxLayout {
  TRect Frame;    // the etched frame
  TRect Caption;  // the text, with its gap in the top line around it; empty without a caption
};

// client: the box's size; measured: the caption's size (0 wide: no caption);
// format: text renderer format (left 0, centre 1, right 2).
TGroupBoxLayout LayOutGroupBox(TPoint client, TPoint measured, int format);

}  // namespace pelorin
