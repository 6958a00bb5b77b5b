#include "controls/EditBorder.h"

namespace pelorin {

TEditRings EditRingRule(TPoint client, TPoint window, bool hasSpinButton) {
  if (client.X == window.X || client.Y == window.Y) return {};
  return {hasSpinButton ? 1 : 2, true};
}

}  // namespace pelorin
