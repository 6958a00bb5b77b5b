// Shared pieces of the Windows timing programs: a high-resolution clock and
// the median of repeated runs (skins and pumping come from the test support).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "tests/support/SkinFixtures.h"
#include "tests/support/win/Pump.h"

namespace pelorin::bench {

inline double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / ticksPerMs;
}

// The middle of a set of timings.
inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Whether paints or messages are still waiting in this thread's queue.
inline bool PaintPending() { return HIWORD(GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE)) != 0; }

// Median of runs timings of body, in milliseconds (the median shrugs off the
// scheduler hiccups a shared machine has).
inline double MedianMs(int runs, const std::function<void()>& body) {
  std::vector<double> times;
  times.reserve(size_t(runs));
  for (int i = 0; i < runs; ++i) {
    const double t0 = NowMs();
    body();
    times.push_back(NowMs() - t0);
  }
  return Median(std::move(times));
}

// Each body's median, averaged over three interleaved rounds so that all of
// them see the same machine load; in the order given, in milliseconds.
inline std::vector<double> InterleavedMs(int runs, std::initializer_list<std::function<void()>> bodies) {
  std::vector<double> means(bodies.size(), 0.0);
  constexpr int Rounds = 3;
  for (int round = 0; round < Rounds; ++round) {
    size_t i = 0;
    for (const auto& body : bodies) means[i++] += MedianMs(runs, body) / Rounds;
  }
  return means;
}

}  // namespace pelorin::bench
