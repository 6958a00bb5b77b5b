// Counts the live allocations of a test program, so tests can see memory
// that skinning keeps after it is undone. Linked into the programs that use it.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/support/win/AllocationCount.h"

namespace {
std::atomic<long> live{0};
}  // namespace

void* operator new(std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) {
    ++live;
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (!p) return;
  --live;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace pelorin::testing {
long LiveAllocations() { return live; }
}  // namespace pelorin::testing
