// Times painting one skinned 100 x 25 push button against one BitBlt of the
// same area onto the same button, side by side: a repaint of the unchanged
// button and one composed anew, both on a held DC, and the whole PaintNow
// (which also fetches the window DC).
#include <windows.h>

#include "bench/win/BenchUtil.h"
#include "controls/win/WinSubClass.h"
#include "formframe/WinSkinForm.h"
#include "host/core/Bitmap.h"
#include "skinbase/SkinMessages.h"
#include "skinbase/SkinnerRegistry.h"

using namespace pelorin;

namespace {

void Run(const skingen::TSkinTheme& theme, int runs) {
  TSkinData skin(nullptr);
  testing::LoadArchive(skin, testing::ThemeArchive(theme));
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelorinButtonBench";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Button paint benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                             nullptr, nullptr, wc.hInstance, nullptr);
  HWND button = CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 40, 40, 100, 25, wnd,
                                reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
  ShowWindow(wnd, SW_SHOW);
  testing::DrainMessages();
  TWinSkinForm frame(&skin);
  frame.AttachWindow(wnd);  // attaches the window's push buttons
  PostMessageW(wnd, WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
  testing::DrainMessages();
  auto* skinner = WindowSkinners().FindAs<TSkinControl>(button);
  if (!skinner) {
    std::printf("%-9s the button was not skinned\n", theme.Name.c_str());
  } else {
    TBitmap ready(100, 25);
    ready.Fill(MakeRGB(90, 120, 160));
    HDC dc = GetWindowDC(button);
    auto blit = [&] {
      BitBlt(dc, 0, 0, 100, 25, static_cast<HDC>(ready.DC()), 0, 0, SRCCOPY);
      GdiFlush();
    };
    auto paint = [&] {
      skinner->Paint(dc, Rect(0, 0, 100, 25));
      GdiFlush();
    };
    auto compose = [&] {
      skinner->ForgetLook();
      skinner->Paint(dc, Rect(0, 0, 100, 25));
      GdiFlush();
    };
    auto paintNow = [&] {
      skinner->PaintNow();
      GdiFlush();
    };
    blit();
    paint();
    const std::vector<double> ms = bench::InterleavedMs(runs, {blit, paint, compose, paintNow});
    ReleaseDC(button, dc);
    std::printf("%-9s button 100x25: BitBlt %.4f ms; repaint %.4f ms (ratio %.2f); composed anew %.4f ms (ratio %.2f);"
                " PaintNow %.4f ms (ratio %.2f)\n",
                theme.Name.c_str(), ms[0], ms[1], ms[1] / ms[0], ms[2], ms[2] / ms[0], ms[3], ms[3] / ms[0]);
  }
  frame.Detach();
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
  testing::DrainMessages();
}

}  // namespace

int main() {
  for (const auto& theme : {skingen::SlateTheme(), skingen::EmberTheme(), skingen::PlainTheme()}) Run(theme, 200);
  return 0;
}
