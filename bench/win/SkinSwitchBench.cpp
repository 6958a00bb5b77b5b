// Times a skin switch with ten skinned forms open: from the manager's
// deferred action firing to the last window repainted.
#include <windows.h>

#include "bench/win/BenchUtil.h"
#include "host/win/Forms.h"
#include "manager/win/WinSkinFormAdapter.h"

using namespace pelorin;

using bench::PaintPending;

namespace {

// What the system alone needs for the same work on ten plain windows: drop
// the region, resize, set a region, repaint.
double SystemFloorMs(int runs) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"PelorinSwitchFloor";
  RegisterClassW(&wc);
  std::vector<HWND> windows;
  for (int i = 0; i < 10; ++i) {
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Plain", WS_OVERLAPPEDWINDOW, 520 + 30 * i, 20 + 25 * i, 480, 360,
                             nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    windows.push_back(w);
  }
  testing::DrainMessages();
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double t0 = bench::NowMs();
    for (HWND w : windows) SetWindowRgn(w, nullptr, FALSE);
    for (HWND w : windows) {
      const int grow = run % 2 ? 2 : 0;
      SetWindowPos(w, nullptr, 0, 0, 480 + grow, 360 + grow,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      SetWindowRgn(w, CreateRectRgn(0, 0, 480 + grow, 360 + grow), TRUE);
      RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    for (HWND w : windows) UpdateWindow(w);
    while (PaintPending()) testing::DrainMessages();
    times.push_back(bench::NowMs() - t0);
  }
  for (HWND w : windows) DestroyWindow(w);
  testing::DrainMessages();
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
  InstallWinSkinManager();
  auto* app = new TApplication(nullptr);
  app->Initialize();
  auto skin = std::make_unique<TSkinData>(nullptr);
  testing::LoadArchive(*skin, testing::ThemeArchive(skingen::SlateTheme()));
  skin->SetActive(true);
  std::vector<TForm*> forms;
  for (int i = 0; i < 10; ++i) {
    auto* form = new TForm(app);
    form->SetBounds(20 + 30 * i, 20 + 25 * i, 480, 360);
    form->SetCaption("Form " + std::to_string(i + 1));
    form->Show();
    forms.push_back(form);
  }
  app->ProcessMessages();
  TSkinManage& m = *WinSkinManager();
  std::printf("skinned windows: %zu\n", m.FormSkinners().size());

  // The archives are ready in memory; loading one is not part of the switch.
  const std::vector<skingen::TSkinTheme> themes = {skingen::HarborTheme(), skingen::EmberTheme(),
                                                   skingen::SlateTheme(), skingen::MeadowTheme()};
  std::vector<double> times, actions;
  for (int i = 0; i < runs; ++i) {
    testing::LoadArchive(*skin, testing::ThemeArchive(themes[size_t(i) % themes.size()]));
    m.PendingSkinData = skin.get();
    m.PostAction(maSkinChanged);
    const double t0 = bench::NowMs();
    m.DoAction();
    actions.push_back(bench::NowMs() - t0);
    for (TForm* f : forms) UpdateWindow(f->Handle());
    while (PaintPending()) testing::DrainMessages();
    times.push_back(bench::NowMs() - t0);
  }
  std::sort(times.begin(), times.end());
  std::sort(actions.begin(), actions.end());
  std::printf("skin switch, 10 windows: median %.2f ms (the action alone %.2f ms), best %.2f ms, worst %.2f ms "
              "(%d runs)\n",
              times[times.size() / 2], actions[actions.size() / 2], times.front(), times.back(), runs);
  std::printf("the same steps on ten plain windows without skins: median %.2f ms\n", SystemFloorMs(runs));
  skin.reset();
  delete app;
  DestroySkinManager();
  return 0;
}
