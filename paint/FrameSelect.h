// Choosing one state frame of a multi-frame skin image.
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

// The rectangle of frame FrameIndex (1-based) of an image of the given size
// whose FrameCount frames lie side by side, or stacked when Vertical. A frame
// is width div count wide (height div count high when stacked); remainders
// are never drawn. A count below 1 means one frame; an index outside
// 1..count is clamped into it, so the result always lies inside the image
// (it is empty when the frames are narrower than one pixel).
TRect SelectFrame(int width, int height, bool vertical, int frameCount, int frameIndex);

// Frame FrameIndex of a horizontal strip whose frames are frameWidth wide
// (the frame width comes from the destination, not from a frame count). The
// index is clamped to the frames the image holds; the rectangle is not cut
// to the image, so it reaches past the right edge when frameWidth > width.
TRect SelectFrameOfWidth(int width, int height, int frameWidth, int frameIndex);

}  // namespace pelorin
