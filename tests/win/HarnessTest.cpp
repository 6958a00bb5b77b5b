// Proves the Wine harness: a real window on the display paints its client
// area, and a TBitmap is a DIB section that GDI and pixel code share.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/core/Bitmap.h"
#include "tests/support/win/Pump.h"

using namespace pelorin;

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

TEST(WineHarness, BitmapIsDibSectionSharedWithGdi) {
  TBitmap bmp(16, 8);
  ASSERT_NE(bmp.DC(), nullptr);
  ASSERT_NE(bmp.Handle(), nullptr);
  HDC dc = static_cast<HDC>(bmp.DC());
  HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
  RECT r{4, 2, 8, 6};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  GdiFlush();
  EXPECT_EQ(bmp.GetPixel(4, 2), MakeRGB(255, 0, 0));
  EXPECT_EQ(bmp.GetPixel(3, 2), MakeRGB(0, 0, 0));
  // Rows are top-down for GDI too.
  bmp.SetPixel(1, 7, MakeRGB(1, 2, 3));
  EXPECT_EQ(GetPixel(dc, 1, 7), RGB(1, 2, 3));
}
