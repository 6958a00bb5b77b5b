#include "host/core/Color.h"

namespace pelorin {

TColor ColorToRGB(TColor color) {
  if (IsSysColor(color)) return PlatformSysColor(color & 0xFF);
  return color & 0xFFFFFF;
}

}  // namespace pelorin
