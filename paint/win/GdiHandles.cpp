// The live-object count of the GDI wrappers.
#include "paint/win/GdiHandles.h"

namespace pelorin {

int& LiveGdiObjects() {
  static int count = 0;
  return count;
}

}  // namespace pelorin
