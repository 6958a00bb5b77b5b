// Conversions between Win32 geometry and ours, shared by every skinner.
#pragma once

#include <windows.h>

#include "host/core/Geometry.h"

namespace pelorin {

inline TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
// The signed screen point of a mouse message.
inline TPoint PointFromLParam(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace pelorin
