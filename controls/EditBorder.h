// The flat border a skinned edit gets in place of its sunken one.
#pragma once

#include "host/core/Geometry.h"

namespace pelorin {

struct TEditRings {
  // Rings (from the outermost, 0) painted with the edit's own background,
  // covering the inner lines of the system border; ring 0 takes the skin's
  // shadow colour. Zero rings: the edit has no border and is left alone.
  int Background = 0;
  bool Shadow = false;
};

// An edit has a border when its client area is smaller than its window both
// across and down. A spin button inside it sits on the second ring, which is
// then left to it.
TEditRings EditRingRule(TPoint clientSize, TPoint windowSize, bool hasSpinButton);

}  // namespace pelorin
