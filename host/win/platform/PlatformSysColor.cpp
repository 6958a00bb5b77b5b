// System colours from the running Windows session.
#include <windows.h>

#include "host/core/Color.h"

namespace pelorin {

TColor PlatformSysColor(int index) {
  if (index < 0 || index >= SYS_COLOR_COUNT) return 0;
  return static_cast<TColor>(GetSysColor(index));
}

}  // namespace pelorin
