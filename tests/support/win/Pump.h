// Running the test thread's messages: once, a few rounds, for a time, or
// until a condition holds.
#pragma once

#include <windows.h>

#include <chrono>

namespace pelorin::testing {

// Dispatches what is queued now.
inline void DrainMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Three rounds with a short sleep between: enough for what one posted message
// sets off (a resize, a repaint) to settle.
inline void Pump() {
  for (int round = 0; round < 3; ++round) {
    DrainMessages();
    Sleep(1);
  }
}

inline void PumpFor(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    DrainMessages();
    Sleep(2);
  }
}

// Pumps until done() or the time is up; true when done.
template <class F>
bool PumpUntil(F done, int milliseconds = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    DrainMessages();
    Sleep(1);
  }
  return true;
}

}  // namespace pelorin::testing
