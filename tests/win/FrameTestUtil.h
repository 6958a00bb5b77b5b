// Helpers of the form frame's Wine suites: a raw Win32 test window that
// records the messages the frame sends it, and a skinner attached and
// activated on it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "formframe/WinSkinForm.h"
#include "skinmodel/WinSkinData.h"
#include "tests/support/SkinFixtures.h"
#include "tests/support/win/Pump.h"

namespace pelorin::testing {

// What the test window saw of the frame's actions.
struct TSeen {
  std::vector<UINT> Messages;
  std::vector<WPARAM> TitleButtonActions;
  int Closes = 0;
  bool Saw(UINT msg) const {
    for (UINT m : Messages)
      if (m == msg) return true;
    return false;
  }
};
inline TSeen seen;

inline LRESULT CALLBACK RecordingWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE: ++seen.Closes; return 0;  // kept open: the test destroys it
    case WM_SKIN_TITLEBUTTON: seen.TitleButtonActions.push_back(wParam); return 0;
    case WM_SYSCOMMAND: seen.Messages.push_back(UINT(wParam & 0xFFF0)); break;
    default: break;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

class TTestWindow {
public:
  explicit TTestWindow(DWORD style = WS_OVERLAPPEDWINDOW, int w = 400, int h = 300) {
    static ATOM cls = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &RecordingWindowProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.lpszClassName = L"PelorinFrameTest";
      return RegisterClassW(&wc);
    }();
    (void)cls;
    wnd = CreateWindowExW(0, L"PelorinFrameTest", L"Frame test", style, 60, 50, w, h, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    Pump();
  }
  ~TTestWindow() {
    if (IsWindow(wnd)) DestroyWindow(wnd);
    Pump();
  }
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;

  RECT WindowRect() const {
    RECT r;
    GetWindowRect(wnd, &r);
    return r;
  }
  // The client rectangle in window coordinates.
  RECT ClientInWindow() const {
    RECT c;
    GetClientRect(wnd, &c);
    POINT p{0, 0};
    ClientToScreen(wnd, &p);
    const RECT w = WindowRect();
    return {p.x - w.left, p.y - w.top, p.x - w.left + c.right, p.y - w.top + c.bottom};
  }
  HWND wnd;
};

// Attaches skinner to the window and delivers the activation message.
inline void Skin(TWinSkinForm& skinner, HWND wnd) {
  skinner.AttachWindow(wnd);
  PostMessageW(wnd, WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
  Pump();
}

inline LPARAM ScreenPoint(HWND wnd, TPoint windowPoint) {
  RECT r;
  GetWindowRect(wnd, &r);
  return MAKELPARAM(r.left + windowPoint.X, r.top + windowPoint.Y);
}

inline TSize WindowSize(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

inline TSize ClientSize(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return {r.right, r.bottom};
}

inline TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

}  // namespace pelorin::testing
