// The manager's one-shot timer window.
#include "manager/win/ActionTimer.h"

#include <stdexcept>

namespace pelorin {

namespace {
constexpr const wchar_t* kTimerClass = L"PelorinActionTimer";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TActionTimer::TActionTimer(UINT interval, std::function<void()> onTimer)
    : interval_(interval), onTimer_(std::move(onTimer)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kTimerClass;
  RegisterClassExW(&wc);  // already registered by an earlier manager: fine
  wnd_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!wnd_) throw std::runtime_error("Cannot create the manager's timer window");
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TActionTimer::~TActionTimer() {
  Stop();
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
  DestroyWindow(wnd_);
}

void TActionTimer::Start() {
  if (enabled_) return;
  enabled_ = SetTimer(wnd_, kTimerId, interval_, nullptr) != 0;
}

void TActionTimer::Stop() {
  if (!enabled_) return;
  KillTimer(wnd_, kTimerId);
  enabled_ = false;
}

LRESULT CALLBACK TActionTimer::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    auto* self = reinterpret_cast<TActionTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self) {
      self->Stop();  // one shot
      if (self->onTimer_) self->onTimer_();
    } else {
      KillTimer(wnd, kTimerId);
    }
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace pelorin
