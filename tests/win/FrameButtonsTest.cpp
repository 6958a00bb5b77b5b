// The skinned frame's pixels, hit testing and title-bar buttons driven by
// non-client mouse messages.
#include <gtest/gtest.h>

#include "formframe/FrameMetrics.h"
#include "paint/PaintTypes.h"
#include "paint/SkinPaint.h"
#include "tests/support/win/ScreenRead.h"
#include "tests/support/win/WindowRegion.h"
#include "tests/win/FrameTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

class FrameButtons : public ::testing::Test {
protected:
  void SetUp() override {
    seen = TSeen{};
    skin = MakeSkin(skingen::SlateTheme());
    ASSERT_FALSE(skin->Empty);
    window = std::make_unique<TTestWindow>();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    Skin(*skinner, window->wnd);
    skinner->PaintFrame();
  }
  void TearDown() override {
    skinner.reset();
    window.reset();
  }
  TWinSysButton* ButtonWith(int action) {
    for (auto& b : skinner->SysButtons())
      if (b->SkinButton().Action == action && b->Visible && !b->BoundsRect.IsEmpty()) return b.get();
    return nullptr;
  }
  void Mouse(UINT msg, TPoint p, WPARAM hit = HTCAPTION) {
    PostMessageW(window->wnd, msg, hit, ScreenPoint(window->wnd, p));
    Pump();
  }

  std::unique_ptr<TSkinData> skin;
  std::unique_ptr<TTestWindow> window;
  std::unique_ptr<TWinSkinForm> skinner;
};

// The frame as the painting primitives compose it, without the caption text.
TBitmap ExpectedFrame(const TWinSkinForm& f, const TSkinData& skin, int w, int h, bool active) {
  TBitmap e(w, h);
  const TFrameMetrics& m = f.Metrics();
  const auto part = [&](int index, const TRect& r, bool vertical) {
    const TDataSkinBorder& b = *skin.Borders[index];
    DrawSkinImage(e, r, b.Bitmap, vertical, b.Tile != 1, false, std::max(1, int(b.FrameCount)),
                  b.FrameCount > 1 && !active ? 2 : 1, b.Margins);
  };
  part(bdLeft, Rect(0, 0, m.Left, h), false);
  part(bdRight, Rect(w - m.Right, 0, w, h), false);
  part(bdBottom, Rect(m.Left, h - m.Bottom, w - m.Right, h), true);
  part(bdTop, Rect(m.Left, 0, w - m.Right, m.Top), true);
  for (auto& b : f.SysButtons()) {
    if (!b->Visible || b->Image().Empty() || b->SkinButton().Visibility == MdiButtonVisibility) continue;
    DrawSkinFrame(e, b->BoundsRect, b->Image(), true, RestingButtonFrame(b->FrameCount(), active));
  }
  return e;
}

// Frame pixels painted into a memory DC against the portable composition,
// and the same frame as it shows on the screen inside the window's region
// (the desktop shows outside it); the caption text's columns are left out.
void ExpectFramePixels(TWinSkinForm& f, const TSkinData& skin, HWND wnd, bool active) {
  const int w = WindowSize(wnd).cx, h = WindowSize(wnd).cy;
  TBitmap painted(w, h);
  painted.Fill(0x010203);
  const uint32_t paper = painted.ScanLine(0)[0];
  ASSERT_NE(painted.DC(), nullptr);
  f.PaintFrame(static_cast<HDC>(painted.DC()));
  f.PaintFrame();
  const TBitmap shown = ReadScreen(wnd);
  const TWindowRegion region(wnd);
  const TBitmap expected = ExpectedFrame(f, skin, w, h, active);
  const TRect client = SkinnedClientRect(Rect(0, 0, w, h), f.Metrics());
  const TRect text = f.CaptionTextRect();
  const auto differ = [&](const TBitmap& b, int x, int y) {
    return (b.ScanLine(y)[x] & 0xFFFFFF) != (expected.ScanLine(y)[x] & 0xFFFFFF);
  };
  int wrong = 0, wrongShown = 0, outside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (client.Contains({x, y})) {
        wrong += painted.ScanLine(y)[x] != paper;  // the client area is the application's: never painted
        continue;
      }
      if (y < f.Metrics().Top && x >= text.Left && x < text.Right) continue;
      wrong += differ(painted, x, y);
      if (region && !region.Contains(x, y)) {
        ++outside;
      } else {
        wrongShown += differ(shown, x, y);
      }
    }
  EXPECT_EQ(wrong, 0) << (active ? "active" : "inactive");
  EXPECT_EQ(wrongShown, 0) << "on the screen, " << (active ? "active" : "inactive");
  EXPECT_LT(outside, w);  // only the corners are cut away
}

TEST_F(FrameButtons, PaintedFrameEqualsTheComposedSkinImages) {
  EXPECT_TRUE(skinner->IsActive());
  ExpectFramePixels(*skinner, *skin, window->wnd, true);
  SendMessageW(window->wnd, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(skinner->IsActive());
  ExpectFramePixels(*skinner, *skin, window->wnd, false);
  // The caption is drawn in the title, inside the title rectangle.
  const TRect text = skinner->CaptionTextRect();
  EXPECT_GE(text.Left, skinner->Metrics().Left);
  EXPECT_GT(text.Width(), 0);
}

// The composed title is reused between paints; a new text, activation or
// skin must show at once, and a reused title must equal a fresh one.
TEST_F(FrameButtons, RepaintsShowTheCurrentTitle) {
  RECT wr = window->WindowRect();
  const int w = wr.right - wr.left, top = skinner->Metrics().Top;
  const auto paint = [&] {
    TBitmap b(w, wr.bottom - wr.top);
    skinner->PaintFrame(static_cast<HDC>(b.DC()));
    GdiFlush();
    std::vector<uint32_t> title;
    for (int y = 0; y < top; ++y) title.insert(title.end(), b.ScanLine(y), b.ScanLine(y) + w);
    return title;
  };
  const auto first = paint();
  EXPECT_EQ(paint(), first);
  SetWindowTextW(window->wnd, L"Another, longer caption");
  const auto renamed = paint();
  EXPECT_NE(renamed, first);
  SetWindowTextW(window->wnd, L"Frame test");
  EXPECT_EQ(paint(), first);
  SendMessageW(window->wnd, WM_NCACTIVATE, FALSE, 0);
  EXPECT_NE(paint(), first);
  SendMessageW(window->wnd, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(paint(), first);
  // A taller window keeps the reused title, and its side borders follow the
  // new height.
  SetWindowPos(window->wnd, nullptr, 0, 0, w, wr.bottom - wr.top + 37, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  ExpectFramePixels(*skinner, *skin, window->wnd, true);
  SetWindowPos(window->wnd, nullptr, 0, 0, w, wr.bottom - wr.top, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  // The same skin data loaded with another skin.
  auto harbor = MakeSkin(skingen::HarborTheme());
  skinner->SetSkinData(harbor.get());
  skinner->LoadSkinMetrics();
  wr = window->WindowRect();
  EXPECT_NE(paint(), first);
  skinner->SetSkinData(skin.get());
  skinner->LoadSkinMetrics();
}

TEST_F(FrameButtons, HitTestAnswersForTheSkinnedFrame) {
  const TFrameMetrics m = skinner->Metrics();
  RECT wr = window->WindowRect();
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const auto hit = [&](int x, int y) {
    return SendMessageW(window->wnd, WM_NCHITTEST, 0, ScreenPoint(window->wnd, {x, y}));
  };
  EXPECT_EQ(hit(w / 2, h / 2), HTCLIENT);
  EXPECT_EQ(hit(w / 2 + 20, m.Top / 2), HTCAPTION);
  EXPECT_EQ(hit(0, h / 2), HTLEFT);
  EXPECT_EQ(hit(w - 1, h / 2), HTRIGHT);
  EXPECT_EQ(hit(w / 2, h - 1), HTBOTTOM);
  EXPECT_EQ(hit(w - 1, h - 1), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(0, 0), HTTOPLEFT);
}

TEST_F(FrameButtons, ButtonStatesFollowTheMouseAndOnlyAFullClickActs) {
  TWinSysButton* close = ButtonWith(0);
  TWinSysButton* minimise = ButtonWith(2);
  ASSERT_TRUE(close && minimise);
  Mouse(WM_NCMOUSEMOVE, Centre(close->BoundsRect));
  EXPECT_EQ(close->State, nsHot);
  EXPECT_EQ(skinner->CurrentObject, close);
  Mouse(WM_NCLBUTTONDOWN, Centre(close->BoundsRect));
  EXPECT_EQ(close->State, nsPressed);
  // Moving to another button lets go of the pressed one; releasing there does nothing.
  Mouse(WM_NCMOUSEMOVE, Centre(minimise->BoundsRect));
  EXPECT_EQ(close->State, nsNormal);
  EXPECT_EQ(minimise->State, nsHot);
  Mouse(WM_NCLBUTTONUP, Centre(minimise->BoundsRect));
  EXPECT_EQ(seen.Closes, 0);
  EXPECT_FALSE(seen.Saw(SC_MINIMIZE));
  // Leaving the buttons ends the hot state.
  Mouse(WM_NCMOUSEMOVE, {skinner->Metrics().Left + 2, skinner->Metrics().Top + 60});
  EXPECT_EQ(skinner->CurrentObject, nullptr);
  EXPECT_EQ(minimise->State, nsNormal);

  // A full click on close asks the window to close.
  Mouse(WM_NCMOUSEMOVE, Centre(close->BoundsRect));
  Mouse(WM_NCLBUTTONDOWN, Centre(close->BoundsRect));
  Mouse(WM_NCLBUTTONUP, Centre(close->BoundsRect));
  EXPECT_EQ(seen.Closes, 1);
  EXPECT_EQ(close->State, nsHot);

  // An inactive window ignores hovering.
  SendMessageW(window->wnd, WM_NCACTIVATE, FALSE, 0);
  Mouse(WM_NCMOUSEMOVE, Centre(minimise->BoundsRect));
  EXPECT_NE(minimise->State, nsHot);
}

TEST_F(FrameButtons, MaximiseMinimiseRestoreAndApplicationActions) {
  const auto click = [&](TWinSysButton* b) {
    ASSERT_NE(b, nullptr);
    const TPoint p = Centre(b->BoundsRect);
    Mouse(WM_NCMOUSEMOVE, p);
    Mouse(WM_NCLBUTTONDOWN, p);
    Mouse(WM_NCLBUTTONUP, p);
  };
  click(ButtonWith(1));
  EXPECT_TRUE(seen.Saw(SC_MAXIMIZE));
  // Without a window manager Wine's X driver may restore a maximised window
  // at once, so the restore button is tried on the skinner's own state.
  skinner->SetWindowState(nwMaximized);
  skinner->PaintFrame();  // lays out the restore button in place of maximise
  TWinSysButton* restore = ButtonWith(1);
  ASSERT_NE(restore, nullptr);
  EXPECT_EQ(restore->SkinButton().Visibility, 1);
  click(restore);
  EXPECT_TRUE(seen.Saw(SC_RESTORE));
  EXPECT_EQ(skinner->WindowState(), nwNormal);
  skinner->PaintFrame();

  click(ButtonWith(2));
  EXPECT_TRUE(seen.Saw(SC_MINIMIZE));
  EXPECT_TRUE(IsIconic(window->wnd));
  EXPECT_EQ(skinner->WindowState(), nwMinimized);
  ShowWindow(window->wnd, SW_RESTORE);
  Pump();
  EXPECT_FALSE(IsIconic(window->wnd));
  EXPECT_NE(skinner->WindowState(), nwMinimized);
  skinner->SetWindowState(nwNormal);

  // A button with an application-defined action posts its code and nothing else.
  seen = TSeen{};
  for (auto& record : skin->SysButtons)
    if (record->Action == 0) record->Action = 40;
  skinner->LoadSkinMetrics();
  skinner->PaintFrame();
  TWinSysButton* custom = ButtonWith(40);
  click(custom);
  ASSERT_EQ(seen.TitleButtonActions.size(), 1u);
  EXPECT_EQ(seen.TitleButtonActions[0], 40u);
  EXPECT_EQ(seen.Closes, 0);
  EXPECT_TRUE(seen.Messages.empty());
}

}  // namespace
}  // namespace pelorin
