// Times repainting a tab control with eight tabs against one BitBlt of its
// tab strip onto the same window, side by side: the skinner's paint alone on
// a held DC, its PaintNow, the whole repaint (with a page frame in the skin
// the skinner paints the control alone) and the same repaint of an unskinned
// twin.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "bench/win/BenchUtil.h"
#include "controls/win/SkinTab.h"
#include "controls/win/WinSubClass.h"
#include "formframe/WinSkinForm.h"
#include "host/core/Bitmap.h"
#include "skinbase/SkinnerRegistry.h"

using namespace pelorin;

namespace {

HWND MakeTabs(HWND parent, int x) {
  HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, 10, 440, 260, parent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < 8; ++i) {
    std::wstring text = L"Page " + std::to_wstring(i + 1);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  return tab;
}

void Run(const skingen::TSkinTheme& theme, int runs) {
  TSkinData skin(nullptr);
  testing::LoadArchive(skin, testing::ThemeArchive(theme));
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"PelorinTabBench";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Tab paint benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 940, 320,
                             nullptr, nullptr, wc.hInstance, nullptr);
  HWND tab = MakeTabs(wnd, 10), twin = MakeTabs(wnd, 470);
  ShowWindow(wnd, SW_SHOW);
  testing::DrainMessages();
  TWinSkinForm host(&skin);
  {
    auto tabSkinner = std::make_unique<TSkinTab>(host);
    if (tabSkinner->AttachWindow(tab, &skin)) host.AdoptControlSkinner(std::move(tabSkinner));
  }
  auto* skinner = WindowSkinners().FindAs<TSkinControl>(tab);
  if (!skinner || WindowSkinners().Find(twin)) {
    std::printf("%-9s the tab control was not skinned alone\n", theme.Name.c_str());
  } else {
    RECT d{0, 0, 440, 260};
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    const int stripHeight = d.top - 3;
    TBitmap ready(440, stripHeight);
    ready.Fill(MakeRGB(90, 120, 160));
    HDC dc = GetWindowDC(tab);
    auto blit = [&] {
      BitBlt(dc, 0, 0, 440, stripHeight, static_cast<HDC>(ready.DC()), 0, 0, SRCCOPY);
      GdiFlush();
    };
    auto paint = [&] {
      skinner->Paint(dc, Rect(0, 0, 440, 260));
      GdiFlush();
    };
    auto paintNow = [&] {
      skinner->PaintNow();
      GdiFlush();
    };
    auto repaint = [](HWND w) {
      return [w] {
        InvalidateRect(w, nullptr, TRUE);
        UpdateWindow(w);
        GdiFlush();
      };
    };
    blit();
    paint();
    const std::vector<double> ms = bench::InterleavedMs(runs, {blit, paint, paintNow, repaint(tab), repaint(twin)});
    ReleaseDC(tab, dc);
    std::printf("%-9s 8 tabs, strip 440x%d: BitBlt %.4f ms; Paint %.4f ms (ratio %.2f); PaintNow %.4f ms (ratio %.2f); "
                "repaint %.4f ms (ratio %.2f); unskinned repaint %.4f ms (ratio %.2f)\n",
                theme.Name.c_str(), stripHeight, ms[0], ms[1], ms[1] / ms[0], ms[2], ms[2] / ms[0], ms[3], ms[3] / ms[0],
                ms[4], ms[4] / ms[0]);
  }
  host.Detach();
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
  testing::DrainMessages();
}

}  // namespace

int main() {
  for (const auto& theme : {skingen::SlateTheme(), skingen::EmberTheme(), skingen::GraphiteTheme()}) Run(theme, 200);
  return 0;
}
