// A skinned frame on a real window: fitting, region, giving back, re-skinning
// and leaks.
#include <gtest/gtest.h>

#include "formframe/FrameMetrics.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/WindowRegion.h"
#include "host/win/platform/GdiCounters.h"
#include "tests/win/FrameTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

class FrameWindow : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    slate = MakeSkin(skingen::SlateTheme()).release();
    plain = MakeSkin(skingen::PlainTheme()).release();
  }
  static void TearDownTestSuite() {
    delete slate;
    delete plain;
  }
  static TSkinData* slate;
  static TSkinData* plain;
};
TSkinData* FrameWindow::slate = nullptr;
TSkinData* FrameWindow::plain = nullptr;

bool RegionHasPoint(HWND wnd, int x, int y) { return TWindowRegion(wnd).Contains(x, y); }
bool RegionIsRect(HWND wnd, int w, int h) { return TWindowRegion(wnd).IsRect(w, h); }

TEST_F(FrameWindow, ActivationFitsTheSkinnedFrameAndDetachGivesEverythingBack) {
  ASSERT_FALSE(slate->Empty);
  TTestWindow w;
  const TSize client0 = ClientSize(w.wnd), size0 = WindowSize(w.wnd);
  const RECT window0 = w.WindowRect();
  const LONG_PTR proc0 = GetWindowLongPtrW(w.wnd, GWLP_WNDPROC);
  const LONG_PTR style0 = GetWindowLongPtrW(w.wnd, GWL_STYLE);

  {
    TWinSkinForm skinner(slate);
    Skin(skinner, w.wnd);
    ASSERT_TRUE(skinner.Attached());
    EXPECT_EQ(skinner.Stage(), stActive);
    EXPECT_EQ(skinner.FrameKind(), frSizeable);
    const TFrameMetrics m = skinner.Metrics();
    EXPECT_EQ(m, MeasureFrame(*slate, frSizeable, 0));
    EXPECT_GT(m.Top, 0);

    // The client keeps its size; the frame around it is the skin's.
    EXPECT_EQ(ClientSize(w.wnd), client0);
    const RECT cw = w.ClientInWindow(), wr = w.WindowRect();
    EXPECT_EQ(cw.left, m.Left);
    EXPECT_EQ(cw.top, m.Top);
    EXPECT_EQ((wr.right - wr.left) - cw.right, m.Right);
    EXPECT_EQ((wr.bottom - wr.top) - cw.bottom, m.Bottom);
    EXPECT_EQ(wr.left, window0.left);
    EXPECT_EQ(wr.top, window0.top);
    // The system's caption buttons are gone while skinned.
    EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_TRUE(skinner.HasRegion());
    // A second skinner on the same window is refused.
    TWinSkinForm second(slate);
    second.AttachWindow(w.wnd);
    EXPECT_FALSE(second.Attached());
    EXPECT_EQ(WindowSkinners().Find(w.wnd), &skinner);

    skinner.Detach();
    EXPECT_FALSE(skinner.Attached());
    EXPECT_EQ(WindowSkinners().Find(w.wnd), nullptr);
  }
  EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), proc0);
  EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWL_STYLE), style0);
  EXPECT_EQ(WindowSize(w.wnd), size0);
  EXPECT_EQ(ClientSize(w.wnd), client0);
  EXPECT_FALSE(TWindowRegion(w.wnd));

  // Attached but never activated: detaching must not change the size.
  {
    TWinSkinForm skinner(slate);
    skinner.AttachWindow(w.wnd);
    skinner.Detach();
  }
  EXPECT_EQ(WindowSize(w.wnd), size0);
}

TEST_F(FrameWindow, RoundedSkinShapesTheWindowAndOnlyResizingRebuildsIt) {
  TTestWindow w;
  TWinSkinForm skinner(slate);
  Skin(skinner, w.wnd);
  const int width = WindowSize(w.wnd).cx, height = WindowSize(w.wnd).cy;
  EXPECT_FALSE(RegionHasPoint(w.wnd, 0, 0));
  EXPECT_FALSE(RegionHasPoint(w.wnd, width - 1, 0));
  EXPECT_TRUE(RegionHasPoint(w.wnd, width / 2, 1));
  EXPECT_TRUE(RegionHasPoint(w.wnd, width / 2, height / 2));
  EXPECT_FALSE(RegionIsRect(w.wnd, width, height));

  const int builds = skinner.RegionBuilds();
  SetWindowPos(w.wnd, nullptr, 90, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(skinner.RegionBuilds(), builds);
  SetWindowPos(w.wnd, nullptr, 0, 0, width + 50, height + 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(skinner.RegionBuilds(), builds + 1);
  EXPECT_TRUE(RegionHasPoint(w.wnd, width + 40, height / 2));
  EXPECT_FALSE(RegionHasPoint(w.wnd, width + 49, 0));

  // An opaque skin gives the plain rectangle.
  TTestWindow w2;
  TWinSkinForm flat(plain);
  Skin(flat, w2.wnd);
  EXPECT_TRUE(RegionIsRect(w2.wnd, WindowSize(w2.wnd).cx, WindowSize(w2.wnd).cy));
}

TEST_F(FrameWindow, SwitchingSkinsRemeasuresRefitsAndReshapes) {
  TTestWindow w;
  const TSize client0 = ClientSize(w.wnd);
  TWinSkinForm skinner(slate);
  Skin(skinner, w.wnd);
  skinner.SetSkinData(plain);
  skinner.ApplySkinChange();
  Pump();
  EXPECT_EQ(skinner.Stage(), stActive);
  EXPECT_EQ(skinner.Metrics(), MeasureFrame(*plain, frSizeable, 0));
  EXPECT_EQ(ClientSize(w.wnd), client0);
  EXPECT_EQ(w.ClientInWindow().top, skinner.Metrics().Top);
  EXPECT_TRUE(RegionIsRect(w.wnd, WindowSize(w.wnd).cx, WindowSize(w.wnd).cy));
  // The re-skin message does the same for a switch back.
  skinner.SetSkinData(slate);
  SendMessageW(w.wnd, WM_SKIN_RESKIN, 0, 0);  // a raw window: only host forms answer it
  EXPECT_EQ(skinner.Metrics(), MeasureFrame(*plain, frSizeable, 0));
}

TEST_F(FrameWindow, TwoHundredSkinCyclesLeakNoGdiObjectsNorMemory) {
  TTestWindow w;
  for (TSkinData* skin : {slate, plain}) {
    // The shared buffers grow once; that is not a leak.
    TWinSkinForm warm(skin);
    Skin(warm, w.wnd);
    warm.PaintFrame();
  }
  Pump();
  const long live = GdiCounters::Live();
  const long memory = testing::LiveAllocations();
  const TSize size0 = WindowSize(w.wnd);
  for (int i = 0; i < 200; ++i) {
    TWinSkinForm skinner(i % 2 ? slate : plain);
    Skin(skinner, w.wnd);
    skinner.PaintFrame();
    if (i == 0) {
      EXPECT_GT(testing::LiveAllocations(), memory);  // the count sees the skinner's memory
    }
  }
  Pump();
  EXPECT_EQ(GdiCounters::Live(), live);
  EXPECT_EQ(testing::LiveAllocations(), memory);
  EXPECT_EQ(WindowSize(w.wnd), size0);
}

}  // namespace
}  // namespace pelorin
