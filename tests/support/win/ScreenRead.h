// Reading what a window shows from the screen: Wine puts window drawing on
// the screen once the thread has waited, and window DCs cannot be read back.
#pragma once

#include <windows.h>

#include "host/core/Bitmap.h"
#include "tests/support/win/Pump.h"

namespace pelorin::testing {

// The screen pixels of a window (or of its client area) after its drawing settled.
inline TBitmap ReadScreen(HWND wnd, bool clientOnly = false) {
  GdiFlush();
  Sleep(60);
  Pump();
  RECT r;
  if (clientOnly) {
    GetClientRect(wnd, &r);
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(wnd, &r);
  }
  TBitmap shown(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(static_cast<HDC>(shown.DC()), 0, 0, shown.Width(), shown.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  return shown;
}

// Pixels (RGB only) where two bitmaps of the same size differ; every pixel
// when the sizes differ.
inline int DifferingPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height() + 1;
  int wrong = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.ScanLine(y)[x] & 0xFFFFFF) != (b.ScanLine(y)[x] & 0xFFFFFF)) ++wrong;
  return wrong;
}

}  // namespace pelorin::testing
