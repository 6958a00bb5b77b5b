// The small arrows of scroll buttons and drop-down buttons as pen moves and
// line segments around the arrow's centre (end points excluded, as lines
// are drawn).
#pragma once

#include <span>

#include "host/core/Geometry.h"

namespace pelorin {

enum TArrowDirection : int { adUp = 0, adDown = 1, adLeft = 2, adRight = 3 };

struct TArrowStep {
  bool Move;  // true: move the pen; false: draw a line to the point
  TPoint To;
};

// The path of a direction; empty for an unknown one.
std::span<const TArrowStep> ArrowPath(int direction);

}  // namespace pelorin
