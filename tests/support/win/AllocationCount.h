// The live allocation count of the test program (link AllocationCount.cpp
// into it: it replaces the global operator new and delete).
#pragma once

namespace pelorin::testing {
long LiveAllocations();
}  // namespace pelorin::testing
