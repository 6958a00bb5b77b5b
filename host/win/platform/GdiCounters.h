// Counters of the GDI objects the library creates and deletes itself; leak
// tests compare them (Wine's GetGuiResources reports nothing).
#pragma once

#include <atomic>

namespace pelorin::GdiCounters {

inline std::atomic<long> live{0};
inline void Created(long n = 1) { live += n; }
inline void Deleted(long n = 1) { live -= n; }
inline long Live() { return live.load(); }

}  // namespace pelorin::GdiCounters
