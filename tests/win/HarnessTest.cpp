// Proves the Wine harness: a real window on the display paints its client
// area. (That a TBitmap is a DIB section GDI and pixel code share, rows
// top-down, the DC paint tests prove.)
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/win/Pump.h"

namespace {

constexpr COLORREF kPaintColour = RGB(12, 200, 34);

LRESULT CALLBACK PaintColourProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(kPaintColour);
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

TEST(WineHarness, WindowPaintsAndPixelReadsBack) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PaintColourProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelorinHarnessWindow";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 120,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  UpdateWindow(hwnd);
  pelorin::testing::DrainMessages();

  HDC dc = GetDC(hwnd);
  const COLORREF got = GetPixel(dc, 10, 10);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(got, kPaintColour);

  DestroyWindow(hwnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}
