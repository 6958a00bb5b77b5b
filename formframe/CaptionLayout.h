// Where the caption text and its back image go inside the title rectangle.
#pragma once

#include "formframe/FrameMetrics.h"
#include "host/core/Geometry.h"

namespace pelorin {

class TDataSkinTitle;

struct TCaptionPlace {
  TRect Text;  // the caption text rectangle, back image margins included
  TRect Back;  // where the back image strip is drawn (full title height)
  TRect Draw;  // the rectangle the text itself is drawn into
};

// textSize is the measured single-line text. Alignment 0 places at TextShift,
// 1 centres, 2 ends the text at r.Right + TextRightClip; the text never starts
// left of r nor passes r.Right - |TextRightClip|, and at least touches r
// vertically, whatever the skin's values.
TCaptionPlace PlaceCaption(const TRect& r, TSize textSize, const TDataSkinTitle& title);

}  // namespace pelorin
