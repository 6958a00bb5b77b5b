// A one-shot timer on a hidden message-only window of its own, so that the
// manager needs neither a host framework timer nor a window of the application.
#pragma once

#include <windows.h>

#include <functional>

namespace pelorin {

class TActionTimer {
public:
  TActionTimer(UINT interval, std::function<void()> onTimer);
  ~TActionTimer();
  TActionTimer(const TActionTimer&) = delete;
  TActionTimer& operator=(const TActionTimer&) = delete;

  // Starts the timer unless it is already running (a running one keeps its time).
  void Start();
  void Stop();
  bool Enabled() const { return enabled_; }

private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND wnd_ = nullptr;
  UINT interval_;
  std::function<void()> onTimer_;
  bool enabled_ = false;
};

}  // namespace pelorin
