// The live allocation count of the test program (tests/win/support).
#pragma once

namespace pelorin::testing {
long LiveAllocations();
}  // namespace pelorin::testing
