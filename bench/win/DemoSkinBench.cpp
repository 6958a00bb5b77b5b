// Times skinning the demo's main form with all its controls, and a skin
// switch with the main form and its second form open, each against the same
// system steps (a frame change and a full repaint of every window and
// control) on the same forms unskinned, interleaved in one run.
#include <windows.h>

#include <cstdio>

#include "bench/win/BenchUtil.h"
#include "demo/Unit1.h"
#include "demo/Unit2.h"
#include "manager/win/WinSkinFormAdapter.h"

using namespace pelorin;

using bench::Median;
using bench::PaintPending;

namespace {

void Settle() {
  while (PaintPending() || WinSkinManager()->ActionScheduled()) {
    if (WinSkinManager()->ActionScheduled()) WinSkinManager()->DoAction();
    testing::DrainMessages();
  }
}

// What the system does for the same forms when no skin is involved.
void SystemRepaint(const std::vector<HWND>& forms) {
  for (HWND w : forms) {
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  while (PaintPending()) testing::DrainMessages();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
  InstallWinSkinManager();
  auto* app = new TApplication(nullptr);
  app->Initialize();
  RegisterDemoForms();
  app->CreateForm(Form1);
  TForm1& f = *Form1;
  f.Show();
  Settle();
  TSkinManage& m = *WinSkinManager();
  const HWND main = f.Handle();

  // Skinning the main form (every control attached and painted) against the
  // system's frame change and repaint of the same form unskinned.
  std::vector<double> skinning, plain;
  for (int i = 0; i < runs; ++i) {
    f.sd1->SetActive(false);
    Settle();
    double t0 = bench::NowMs();
    SystemRepaint({main});
    plain.push_back(bench::NowMs() - t0);
    t0 = bench::NowMs();
    f.sd1->SetActive(true);
    Settle();
    skinning.push_back(bench::NowMs() - t0);
  }
  std::printf("skinned controls on the main form: %zu\n",
              static_cast<TWinSkinFormAdapter*>(m.FindSkinner(main))->SkinForm().ControlSkinners().size());
  const double skinMs = Median(skinning), plainMs = Median(plain);
  std::printf("skinning the main form: %.2f ms; the system's repaint unskinned: %.2f ms; ratio %.2f\n", skinMs, plainMs,
              skinMs / plainMs);

  // A skin switch with both forms open against the same repaint unskinned.
  SendMessageW(static_cast<TWinControl*>(f.FindComponent("Button1"))->Handle(), BM_CLICK, 0, 0);
  Settle();
  const std::vector<HWND> both = {main, Form2->Handle()};
  std::vector<double> loading, switching, plainBoth;
  for (int i = 0; i < runs; ++i) {
    // Loading the archive is timed apart: it is the same work with no window open.
    double t0 = bench::NowMs();
    f.sd1->LoadFromStore(*f.SkinStore1, i % 2 ? 2 : 4);
    loading.push_back(bench::NowMs() - t0);
    t0 = bench::NowMs();
    Settle();
    switching.push_back(bench::NowMs() - t0);
    f.sd1->SetActive(false);
    Settle();
    t0 = bench::NowMs();
    SystemRepaint(both);
    plainBoth.push_back(bench::NowMs() - t0);
    f.sd1->SetActive(true);
    Settle();
  }
  const double switchMs = Median(switching), plainBothMs = Median(plainBoth);
  std::printf("skin switch, main form and Form2: %.2f ms after loading the skin (%.2f ms); the system's repaint "
              "unskinned: %.2f ms; ratio %.2f\n",
              switchMs, Median(loading), plainBothMs, switchMs / plainBothMs);
  delete app;
  DestroySkinManager();
  return 0;
}
