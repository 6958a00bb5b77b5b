// Check boxes and radio buttons: which frame of the skin's check or radio
// strip shows, and where the box stands in the control's row.
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

// A check box's frame from its button state (BM_GETSTATE): 2 when checked,
// 1 when not (the indeterminate state too), 3 whenever disabled.
int CheckBoxFrame(unsigned buttonState, bool enabled);
// A radio button's frame: 1 off, 2 on, 3 and 4 the same disabled.
int RadioButtonFrame(bool checked, bool enabled);

// The box of a frameWidth x frameHeight image in row (the whole control):
// centred vertically, and centred in the 14-pixel cell where the system puts
// its box, on the left or (text on the left) on the right. An image 15 or more
// pixels wide sits flush with the left edge, or one pixel in from the right.
TRect ToggleBoxRect(const TRect& row, int frameWidth, int frameHeight, bool boxOnRight);

// What the skinner paints over: the box, widened to the system's own 13-pixel
// box at the same edge and two pixels taller each way (systems place theirs a
// row apart), inside the row. The caption starts past the system's box, so
// this never reaches it.
TRect ToggleCoverRect(const TRect& row, const TRect& box, bool boxOnRight);

}  // namespace pelorin
