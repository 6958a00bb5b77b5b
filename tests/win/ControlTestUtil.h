// What the control skinners' Wine suites share: a skinned form fixture, pixel
// helpers, plain dialog windows, and the attach and skin-switch cycles that
// must leave nothing behind.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "controls/win/AttachControls.h"
#include "formframe/WinSkinForm.h"
#include "host/win/Forms.h"
#include "host/win/platform/GdiCounters.h"
#include "paint/PieceBlit.h"
#include "tests/support/SkinFixtures.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/Pump.h"
#include "tests/support/win/ScreenRead.h"
#include "tests/win/HostTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin::testing {

// A form of the test's application with the suite's skin; the suite adds its
// controls, then ShowSkinned skins the form as the manager would.
class TSkinnedFormTest : public THostTest {
protected:
  void MakeForm(std::unique_ptr<TSkinData> s, int x, int y, int w, int h) {
    skin = std::move(s);
    EXPECT_FALSE(skin->Empty);
    form = new TForm(app);
    form->SetBounds(x, y, w, h);
  }
  // A control of the form on parent (the form unless given); an empty size keeps its own.
  template <class T>
  T* Add(int x, int y, int w, int h, TWinControl* parent = nullptr) {
    auto* c = new T(form);
    c->SetParent(parent ? parent : form);
    if (w || h) c->SetBounds(x, y, w, h);
    return c;
  }
  void ShowSkinned() {
    form->Show();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    skinner->AttachForm(form);
    PostMessageW(form->Handle(), WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
    testing::Pump();
  }
  void TearDown() override {
    skinner.reset();
    THostTest::TearDown();
  }

  std::unique_ptr<TSkinData> skin;
  TForm* form = nullptr;
  std::unique_ptr<TWinSkinForm> skinner;
};

inline TBitmap Crop(const TBitmap& from, const TRect& r) {
  TBitmap b(r.Width(), r.Height());
  CopyPixels(b, 0, 0, from, r);
  return b;
}

// Pixels of r (clipped to b) showing colour.
inline int PixelsOf(const TBitmap& b, const TRect& r, TColor colour) {
  const uint32_t rgb = PixelFromColor(ColorToRGB(colour)) & 0xFFFFFF;
  int n = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, b.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, b.Width()); ++x) n += (b.ScanLine(y)[x] & 0xFFFFFF) == rgb;
  return n;
}

// A plain top-level window for plain child controls; its WM_COMMAND
// messages go to onCommand when given.
inline void (*dialogCommand)(WPARAM, LPARAM) = nullptr;
inline LRESULT CALLBACK PlainDialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && dialogCommand) {
    dialogCommand(wParam, lParam);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}
inline HWND PlainWindow(int x = 60, int y = 60, int w = 420, int h = 300) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PlainDialogProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"PelorinControlDialog";
    return RegisterClassW(&wc);
  }();
  return cls ? CreateWindowExW(0, L"PelorinControlDialog", L"Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, w, h,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)
             : nullptr;
}
inline HWND PlainChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                       DWORD exStyle = 0, HMENU id = nullptr) {
  return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, id,
                         GetModuleHandleW(nullptr), nullptr);
}

// Each cycle: a fresh form skinner attaches every control of form (attached
// skinners, and owned in all unless 0), switches each to the other skin and paints it.
// After two warm-up cycles, 200 more leave allocations and GDI objects where
// they were.
inline void ExpectCyclesLeaveNothing(TForm& form, TSkinData* a, TSkinData* b, int attached, size_t owned = 0) {
  auto cycle = [&](int i) {
    TWinSkinForm host(i % 2 ? a : b);
    EXPECT_EQ(AttachControls(host, form, host.SkinData()), attached);
    // By index: a paint may hand the form skinner a new skinner.
    for (size_t k = 0; k < host.ControlSkinners().size(); ++k) {
      host.ControlSkinners()[k]->ApplySkinChange(i % 2 ? b : a);
      host.ControlSkinners()[k]->PaintNow();
    }
    if (owned) {
      EXPECT_EQ(host.ControlSkinners().size(), owned);
    }
  };
  cycle(0);
  cycle(1);
  Pump();
  const long memory = LiveAllocations(), gdi = GdiCounters::Live();
  const DWORD system = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) cycle(i);
  Pump();
  EXPECT_EQ(LiveAllocations(), memory);
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), system);
}

}  // namespace pelorin::testing
