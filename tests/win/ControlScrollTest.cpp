// Skinned scroll bars under Wine: the bars of every scrolling control read
// back from the screen before and after each way of scrolling, the pressed
// arrow, thumb drags driven by real mouse input, scroll-bar controls, size
// grips, a left-hand bar, and attach/detach cycles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "controls/ScrollBarImage.h"
#include "controls/win/AttachControls.h"
#include "controls/win/SkinListView.h"
#include "controls/win/SkinScControl.h"
#include "controls/win/SkinScrollBar.h"
#include "controls/win/SkinSizer.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Grids.h"
#include "host/win/StdCtrls.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

// Pixels where the screen differs from the skin's picture of the bar at r
// (window coordinates) with the given state.
int BarMismatch(HWND wnd, const TSkinData& skin, const TRect& r, TBarLook look) {
  TBitmap expected;
  look.Thickness = look.Vertical ? r.Width() : r.Height();
  ComposeBar(expected, skin, look);
  return DifferingPixels(Crop(ReadScreen(wnd), r), Crop(expected, BarImageRect(look)));
}

// Both bars of a scrolling control as the skinner last laid them out.
int BarsMismatch(const TSkinScrollBar& s, const TSkinData& skin) {
  int wrong = 0;
  for (int bar = 0; bar < 2; ++bar) {
    const TRect r = bar ? s.Bars().Vert : s.Bars().Horz;
    if (r.IsEmpty()) continue;
    const TBarLook look{bar == 1, bar ? r.Height() : r.Width(), SystemArrowSize(bar == 1), s.PressedPart(), s.Metrics(bar)};
    wrong += BarMismatch(s.Handle(), skin, r, look);
  }
  return wrong;
}

std::wstring Lines(int n, int width) {
  std::wstring text;
  for (int i = 0; i < n; ++i) text += L"line " + std::to_wstring(i) + std::wstring(static_cast<size_t>(width), L'x') + L"\r\n";
  return text;
}

// Real mouse input; moves are kept on the screen (input beyond it is not clamped everywhere).
void SendMouse(DWORD flags, int x = 0, int y = 0) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{INPUT_MOUSE, {}};
  in.mi = {MulDiv(std::clamp(x, 0, w - 1), 65536, w), MulDiv(std::clamp(y, 0, h - 1), 65536, h), 0, flags, 0, 0};
  SendInput(1, &in, sizeof in);
}
void MoveTo(int x, int y) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y); }

// A drag that never ends would hang the suite: the watchdog takes the capture away.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) { ReleaseCapture(); }
void CALLBACK QuitDuringDrag(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(7);
}

class ControlScroll : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::GraphiteTheme()), 20, 20, 660, 500);  // dark: a system bar shows at once
    memo = Add<TMemo>(10, 10, 200, 150);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    list = Add<TListBox>(220, 10, 150, 150);
    for (int i = 0; i < 60; ++i) list->AddItem("item " + std::to_string(i));
    grid = Add<TStringGrid>(380, 10, 250, 150);
    grid->SetRowCount(60);
    grid->SetColCount(12);
    rich = Add<TRichEdit>(10, 170, 200, 150);
    rich->SetScrollBars(ssVertical);
    tree = Add<TTreeView>(220, 170, 150, 150);
    for (int i = 0; i < 40; ++i) tree->AddNode(-1, "node " + std::to_string(i));
    box = Add<TScrollBox>(380, 170, 150, 150);
    box->SetAutoScroll(true);
    Add<TPanel>(0, 0, 400, 500, box);  // more than the box shows
    view = Add<TListView>(10, 330, 250, 120);
    view->SetViewStyle(vsReport);
    view->AddColumn("Name", 200);
    view->AddColumn("Size", 150);
    for (int i = 0; i < 30; ++i) view->AddItem("row " + std::to_string(i), {"1"});
    hbar = Add<TScrollBar>(280, 340, 200, GetSystemMetrics(SM_CYHSCROLL));
    vbar = Add<TScrollBar>(500, 330, 120, GetSystemMetrics(SM_CXVSCROLL));
    vbar->SetKind(sbVertical);  // turns the bounds too
    form->Show();
    SetWindowTextW(memo->Handle(), Lines(80, 40).c_str());
    SetWindowTextW(rich->Handle(), Lines(80, 0).c_str());
    ShowSkinned();
  }
  TSkinScrollBar* Bars(TWinControl* c) { return WindowSkinners().FindAs<TSkinScrollBar>(c->Handle()); }
  int ControlMismatch(TScrollBar* c) {
    auto* s = WindowSkinners().FindAs<TSkinScControl>(c->Handle());
    RECT r;
    GetWindowRect(c->Handle(), &r);
    const bool v = s->Vertical();
    const TRect whole = Rect(0, 0, r.right - r.left, r.bottom - r.top);
    s->PaintNow();  // metrics of now
    return BarMismatch(c->Handle(), *skin, whole, {v, v ? whole.Height() : whole.Width(), SystemArrowSize(v), s->PressedPart(), s->Metrics()});
  }

  TMemo* memo = nullptr;
  TListBox* list = nullptr;
  TStringGrid* grid = nullptr;
  TRichEdit* rich = nullptr;
  TTreeView* tree = nullptr;
  TScrollBox* box = nullptr;
  TListView* view = nullptr;
  TScrollBar* hbar = nullptr;
  TScrollBar* vbar = nullptr;
};

TEST_F(ControlScroll, EveryScrollingControlShowsSkinBarsAfterEveryWayOfScrolling) {
  EXPECT_NE(grid->FixedColor(), clBtnFace);
  for (TWinControl* c : std::initializer_list<TWinControl*>{memo, list, grid, rich, tree, box}) {
    SCOPED_TRACE(c->ClassName());
    TSkinScrollBar* s = Bars(c);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->HandleClicks());
    const HWND h = c->Handle();
    ASSERT_FALSE(s->Bars().Vert.IsEmpty());
    EXPECT_EQ(BarsMismatch(*s, *skin), 0);
    // A line scroll shows the pressed arrow until the scroll sequence ends.
    SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(s->PressedPart(), ppDownArrow);
    EXPECT_EQ(BarsMismatch(*s, *skin), 0);
    SendMessageW(h, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(s->PressedPart(), ppNone);
    SendMessageW(h, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(s->PressedPart(), ppNone);  // page presses show no pressed part
    EXPECT_EQ(BarsMismatch(*s, *skin), 0);
    RECT wr;
    GetWindowRect(h, &wr);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(wr.left + 20, wr.top + 20));
    EXPECT_EQ(BarsMismatch(*s, *skin), 0) << "wheel";
    SendMessageW(h, WM_KEYDOWN, VK_NEXT, 0);
    SendMessageW(h, WM_KEYUP, VK_NEXT, 0);
    EXPECT_EQ(BarsMismatch(*s, *skin), 0) << "keys";
  }
  // Typing and setting text move the bars the system draws at once.
  for (TCustomMemo* m : std::initializer_list<TCustomMemo*>{memo, rich}) {
    TSkinScrollBar* s = Bars(m);
    const LPARAM end = GetWindowTextLengthW(m->Handle());
    SendMessageW(m->Handle(), EM_SETSEL, end, end);
    for (wchar_t ch : std::wstring(L"typed\r\r\r"))
      SendMessageW(m->Handle(), WM_CHAR, ch, 0);
    EXPECT_EQ(BarsMismatch(*s, *skin), 0) << "typing";
    const TBarMetrics& v = s->Metrics(1);
    EXPECT_EQ(v.ThumbOffset + v.ThumbLength, v.TrackLength);  // at the end
    SetWindowTextW(m->Handle(), Lines(5, 0).c_str());
    EXPECT_EQ(BarsMismatch(*s, *skin), 0) << "text";
  }
}

TEST_F(ControlScroll, ThumbDragsByRealMouseInput) {
  grid->SetRowCount(100000);
  TSkinScrollBar* s = Bars(grid);
  const HWND h = grid->Handle();
  auto thumbCentre = [&] {
    s->PaintNow();
    RECT wr;
    GetWindowRect(h, &wr);
    const TRect& v = s->Bars().Vert;
    const TBarMetrics& m = s->Metrics(1);
    return POINT{wr.left + (v.Left + v.Right) / 2, wr.top + v.Top + m.ArrowSize + m.ThumbOffset + m.ThumbLength / 2};
  };
  RECT gr;
  GetWindowRect(h, &gr);
  SetForegroundWindow(form->Handle());
  testing::Pump();
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 4000, &Watchdog);
  // Dragged beyond the end: the last row shows, not a row past it nor a 16-bit wrap.
  POINT p = thumbCentre();
  MoveTo(p.x, p.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveTo(p.x, p.y + 30);
  MoveTo(p.x, gr.bottom + 60);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return grid->TopRow() == 99999 && !s->Tracking(); }));
  EXPECT_FALSE(grid->CellRect(1, 99999).IsEmpty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(s->PressedPart(), ppNone);
  EXPECT_EQ(BarsMismatch(*s, *skin), 0);
  // Released far outside the window: the drag still ends where the mouse left the thumb.
  p = thumbCentre();
  MoveTo(p.x, p.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveTo(p.x, gr.top - 15);
  MoveTo(gr.left - 30, gr.top - 15);
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return grid->TopRow() == 1 && !s->Tracking(); }));
  EXPECT_EQ(GetCapture(), nullptr);
  KillTimer(nullptr, watchdog);
  // A WM_QUIT posted during a drag still reaches the program's loop; the
  // drag waits for messages meanwhile (the timer that posts it runs).
  p = thumbCentre();
  MoveTo(p.x, p.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SetTimer(nullptr, 0, 200, &QuitDuringDrag);
  MSG msg{};
  bool quit = false;
  EXPECT_TRUE(PumpUntil([&] {
    while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = msg.wParam == 7;
      } else {
        DispatchMessageW(&msg);
      }
    }
    return quit;
  }));
  EXPECT_FALSE(s->Tracking());
  SendMouse(MOUSEEVENTF_LEFTUP);
  testing::Pump();
}

TEST_F(ControlScroll, ScrollBarControlsListViewsAndPlainBars) {
  // The framework's scroll-bar controls, both kinds: whole window is the bar.
  hbar->SetParams(30, 0, 100);
  vbar->SetPageSize(20);
  for (TScrollBar* c : {hbar, vbar}) {
    SCOPED_TRACE(c->Kind());
    EXPECT_EQ(ControlMismatch(c), 0);
    const UINT msg = c->Kind() == sbVertical ? CN_VSCROLL : CN_HSCROLL;
    SendMessageW(c->Handle(), msg, SB_LINEDOWN, 0);
    EXPECT_EQ(WindowSkinners().FindAs<TSkinScControl>(c->Handle())->PressedPart(),
              c->Kind() == sbVertical ? ppDownArrow : ppRightArrow);
    EXPECT_EQ(ControlMismatch(c), 0);
    SendMessageW(c->Handle(), msg, SB_ENDSCROLL, 0);
    EXPECT_EQ(WindowSkinners().FindAs<TSkinScControl>(c->Handle())->PressedPart(), ppNone);
  }
  EXPECT_EQ(hbar->Position(), 31);
  // The list view lets the system drag its thumbs and has its header found.
  auto* lv = WindowSkinners().FindAs<TSkinListView>(view->Handle());
  ASSERT_NE(lv, nullptr);
  EXPECT_FALSE(lv->HandleClicks());
  EXPECT_NE(lv->HeaderWindow(), nullptr);
  EXPECT_EQ(BarsMismatch(*lv, *skin), 0);

  // Plain windows a program makes on a skinned form: a bar, a size grip,
  // and a list box with its bar on the left.
  const HWND parent = form->Handle();
  HWND bar = PlainChild(parent, L"ScrollBar", L"", SBS_VERT, 600, 200, 17, 120);
  HWND grip = PlainChild(parent, L"ScrollBar", L"", SBS_SIZEGRIP, 600, 400, 17, 17);
  HWND left = PlainChild(parent, L"ListBox", L"", WS_VSCROLL | WS_BORDER, 280, 380, 150, 80, WS_EX_LEFTSCROLLBAR);
  ASSERT_TRUE(bar && grip && left);
  for (int i = 0; i < 40; ++i) SendMessageW(left, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"entry"));
  EXPECT_EQ(AttachChildWindows(*skinner, parent, skin.get()), 3);
  EXPECT_NE(WindowSkinners().FindAs<TSkinSizer>(grip), nullptr);
  auto* raw = WindowSkinners().FindAs<TSkinScControl>(bar);
  ASSERT_NE(raw, nullptr);
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 200, 40, 120, 0};
  SetScrollInfo(bar, SB_CTL, &si, TRUE);  // the system draws; the skin paints again
  raw->PaintNow();
  EXPECT_GT(raw->Metrics().ThumbOffset, 0);
  EXPECT_EQ(BarMismatch(bar, *skin, Rect(0, 0, 17, 120), {true, 120, SystemArrowSize(true), ppNone, raw->Metrics()}), 0);
  const TBitmap shownGrip = ReadScreen(grip);
  TBitmap face(17, 17);
  face.Fill(ColorToRGB(skin->colors[csButtonFace]));
  EXPECT_EQ(DifferingPixels(shownGrip, face), 0);

  TSkinScrollBar* l = WindowSkinners().FindAs<TSkinScrollBar>(left);
  ASSERT_NE(l, nullptr);
  l->PaintNow();
  RECT wr, cr;
  GetWindowRect(left, &wr);
  GetClientRect(left, &cr);
  MapWindowPoints(left, nullptr, reinterpret_cast<POINT*>(&cr), 2);
  EXPECT_EQ(l->Bars().Vert.Right, cr.left - wr.left);  // left of the client area
  EXPECT_EQ(BarsMismatch(*l, *skin), 0);
  // Right to left: the window DC counts from the right edge; the bar is
  // where the system put it, beside the client area.
  HWND rtl = PlainChild(parent, L"ListBox", L"", WS_VSCROLL | WS_BORDER, 440, 380, 150, 80, WS_EX_LAYOUTRTL);
  for (int i = 0; i < 40; ++i) SendMessageW(rtl, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"entry"));
  EXPECT_TRUE(AttachChildWindow(*skinner, rtl, skin.get()));
  TSkinScrollBar* r = WindowSkinners().FindAs<TSkinScrollBar>(rtl);
  ASSERT_NE(r, nullptr);
  r->PaintNow();
  GetWindowRect(rtl, &wr);
  const TRect v = r->Bars().Vert;
  GetClientRect(rtl, &cr);
  MapWindowPoints(rtl, nullptr, reinterpret_cast<POINT*>(&cr), 2);
  EXPECT_TRUE(wr.right - v.Left <= cr.left || wr.right - v.Right >= cr.right);  // beside the client area, not over it
  const TBitmap shown = ReadScreen(rtl);
  TBitmap expected;
  ComposeBar(expected, *skin, {true, v.Height(), SystemArrowSize(true), ppNone, r->Metrics(1), v.Width()});
  int wrong = 0;  // mirrored on the screen
  for (int y = 0; y < v.Height(); ++y)
    for (int x = 0; x < v.Width(); ++x)
      wrong += (shown.GetPixel(wr.right - wr.left - 1 - (v.Left + x), v.Top + y) & 0xFFFFFF) != (expected.GetPixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(wrong, 0);
}

TEST_F(ControlScroll, AttachDetachCyclesLeaveNothingBehind) {
  skinner.reset();
  auto other = MakeSkin(skingen::SlateTheme());
  ExpectCyclesLeaveNothing(*form, skin.get(), other.get(), 10);
  EXPECT_EQ(WindowSkinners().Find(memo->Handle()), nullptr);
}

}  // namespace
}  // namespace pelorin
