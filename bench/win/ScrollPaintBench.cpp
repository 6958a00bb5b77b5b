// Times repainting both skinned bars of a 400 x 300 memo against one BitBlt
// of the two bars' area, side by side, and scrolling a 10000-line memo by
// wheel with and without skinned bars in the same run.
#include <windows.h>

#include <string>

#include "bench/win/BenchUtil.h"
#include "controls/win/SkinScrollBar.h"
#include "formframe/WinSkinForm.h"
#include "host/core/Bitmap.h"
#include "skinbase/SkinMessages.h"

using namespace pelorin;

namespace {

HWND MakeMemo(HWND parent, int x, const std::wstring& text) {
  HWND memo = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                              x, 10, 400, 300, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(memo, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(memo, text.c_str());
  return memo;
}

// Twenty notches down and twenty back up, with the repaints they cause.
void Wheel(HWND memo) {
  RECT r;
  GetWindowRect(memo, &r);
  const LPARAM at = MAKELPARAM(r.left + 50, r.top + 50);
  for (int delta : {-WHEEL_DELTA, WHEEL_DELTA})
    for (int i = 0; i < 20; ++i) {
      SendMessageW(memo, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
      UpdateWindow(memo);
    }
  GdiFlush();
}

void Run(const skingen::TSkinTheme& theme, int runs) {
  TSkinData skin(nullptr);
  testing::LoadArchive(skin, testing::ThemeArchive(theme));
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelorinScrollBench";
  RegisterClassW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Scroll bar benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 860, 380,
                             nullptr, nullptr, wc.hInstance, nullptr);
  std::wstring text;
  for (int i = 0; i < 10000; ++i) text += L"line " + std::to_wstring(i) + L" of the memo, long enough to scroll sideways too\r\n";
  HWND plain = MakeMemo(wnd, 10, text), skinned = MakeMemo(wnd, 430, text);
  ShowWindow(wnd, SW_SHOW);
  testing::DrainMessages();
  TWinSkinForm frame(&skin);
  frame.AttachWindow(wnd);
  PostMessageW(wnd, WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
  testing::DrainMessages();
  auto bars = std::make_unique<TSkinScrollBar>(frame);
  TSkinScrollBar* skinner = bars.get();
  if (!bars->AttachWindow(skinned, &skin)) {
    std::printf("%-9s the memo was not skinned\n", theme.Name.c_str());
  } else {
    frame.AdoptControlSkinner(std::move(bars));
    testing::DrainMessages();
    RECT wr;
    GetWindowRect(skinned, &wr);
    const TRect whole = Rect(0, 0, wr.right - wr.left, wr.bottom - wr.top);
    skinner->PaintNow();
    const int area = skinner->Bars().Horz.Width() * skinner->Bars().Horz.Height() +
                     skinner->Bars().Vert.Width() * skinner->Bars().Vert.Height();
    const int blitHeight = (area + whole.Width() - 1) / whole.Width();
    TBitmap ready(whole.Width(), blitHeight);
    ready.Fill(MakeRGB(90, 120, 160));
    HDC dc = GetWindowDC(skinned);
    auto blit = [&] {
      BitBlt(dc, 0, 0, whole.Width(), blitHeight, static_cast<HDC>(ready.DC()), 0, 0, SRCCOPY);
      GdiFlush();
    };
    auto paint = [&] {
      skinner->Paint(dc, whole);
      GdiFlush();
    };
    auto paintNow = [&] {
      skinner->PaintNow();
      GdiFlush();
    };
    blit();
    paint();
    std::vector<double> ms = bench::InterleavedMs(runs, {blit, paint, paintNow});
    ReleaseDC(skinned, dc);
    std::printf("%-9s both bars of a 400x300 memo (%d px): BitBlt %.4f ms; Paint %.4f ms (ratio %.2f); "
                "PaintNow %.4f ms (ratio %.2f)\n",
                theme.Name.c_str(), area, ms[0], ms[1], ms[1] / ms[0], ms[2], ms[2] / ms[0]);
    ms = bench::InterleavedMs(runs / 40, {[&] { Wheel(plain); }, [&] { Wheel(skinned); }});
    std::printf("%-9s 40 wheel notches on a 10000-line memo: unskinned %.3f ms; skinned %.3f ms (ratio %.2f)\n",
                theme.Name.c_str(), ms[0], ms[1], ms[1] / ms[0]);
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
