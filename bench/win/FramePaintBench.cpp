// Times one full frame paint of a skinned 1280 x 800 window against one
// BitBlt of a bitmap of the same size onto the same window, side by side.
#include <windows.h>

#include "bench/win/BenchUtil.h"
#include "skinbase/SkinMessages.h"
#include "formframe/WinSkinForm.h"
#include "host/core/Bitmap.h"

using namespace pelorin;

namespace {

HWND MakeWindow(int w, int h) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelorinFrameBench";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Frame paint benchmark", WS_OVERLAPPEDWINDOW, 0, 0, w, h,
                             nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(wnd, SW_SHOW);
  testing::DrainMessages();
  return wnd;
}

void Run(const skingen::TSkinTheme& theme, int runs) {
  TSkinData skin(nullptr);
  testing::LoadArchive(skin, testing::ThemeArchive(theme));
  HWND wnd = MakeWindow(1280, 800);
  TWinSkinForm skinner(&skin);
  skinner.AttachWindow(wnd);
  PostMessageW(wnd, WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
  testing::DrainMessages();
  RECT wr;
  GetWindowRect(wnd, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const TFrameMetrics& m = skinner.Metrics();

  // The reference: the same window area from a ready bitmap, client excluded
  // as the frame paint does.
  TBitmap ready(w, h);
  ready.Fill(MakeRGB(90, 120, 160));
  HDC dc = GetWindowDC(wnd);
  auto blit = [&] {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, m.Left, m.Top + m.MenuBar, w - m.Right, h - m.Bottom);
    BitBlt(dc, 0, 0, w, h, static_cast<HDC>(ready.DC()), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
    GdiFlush();
  };
  auto paint = [&] {
    skinner.PaintFrame(dc);
    GdiFlush();
  };
  // A title that must be composed again (new skin data, activation, width
  // or text): setting the skin data drops the composed title.
  auto repaintTitle = [&] {
    skinner.SetSkinData(&skin);
    skinner.PaintFrame(dc);
    GdiFlush();
  };
  blit();
  paint();  // warm: the shared frame buffer grows once
  const std::vector<double> ms = bench::InterleavedMs(runs, {blit, paint, repaintTitle});
  ReleaseDC(wnd, dc);
  std::printf("%-9s window %dx%d frame %d/%d/%d/%d: BitBlt %.3f ms; PaintFrame %.3f ms (ratio %.2f), "
              "with the title composed anew %.3f ms (ratio %.2f)\n",
              theme.Name.c_str(), w, h, m.Left, m.Top, m.Right, m.Bottom, ms[0], ms[1], ms[1] / ms[0],
              ms[2], ms[2] / ms[0]);
  skinner.Detach();
  DestroyWindow(wnd);
  testing::DrainMessages();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  for (const auto& theme : skingen::AllThemes()) Run(theme, runs);
  return 0;
}
