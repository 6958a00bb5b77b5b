// Controls on a real form under Wine: handles made on demand, window classes
// under the framework names, WindowProc replacement, graphic children that
// get paint, mouse enter/leave and clicks from their parent.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "HostTestUtil.h"

namespace pelorin {
namespace {

using testing::Child;
using testing::THostTest;
using testing::WindowClassOf;

class TTestBox : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TTestBox"; }
  TColor fill = clNone;

protected:
  void Paint() override {
    if (fill == clNone) return;
    Canvas().Brush().SetColor(fill);
    Canvas().FillRect(ClientRect());
  }
};

class TTestShape : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::string ClassName() const override { return "TTestShape"; }
  int paints = 0;

protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }
};

using HostControls = THostTest;

TEST_F(HostControls, HandlesAreMadeOnDemandUnderTheFrameworkClassName) {
  auto* form = new TForm(app);
  auto* box = Child<TTestBox>(form);
  box->SetBounds(10, 20, 30, 40);
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_FALSE(box->HandleAllocated());

  HWND boxWnd = box->Handle();  // makes the form's window first
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_EQ(GetParent(boxWnd), form->Handle());
  EXPECT_EQ(WindowClassOf(boxWnd), "TTestBox");
  EXPECT_EQ(WindowClassOf(form->Handle()), "TForm");
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app->Handle());
  EXPECT_EQ(WindowClassOf(app->Handle()), "TApplication");
  EXPECT_FALSE(IsWindowVisible(app->Handle()));
  EXPECT_EQ(TWinControl::FindControl(boxWnd), box);

  RECT r{};
  GetWindowRect(boxWnd, &r);
  EXPECT_EQ(r.right - r.left, 30);
  box->SetBounds(5, 6, 70, 80);
  GetWindowRect(boxWnd, &r);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.bottom, 86);
  // Moved by Windows: the control follows.
  SetWindowPos(boxWnd, nullptr, 1, 2, 3, 4, SWP_NOZORDER);
  EXPECT_EQ(box->BoundsRect(), Rect(1, 2, 4, 6));

  box->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(boxWnd));
  box->SetVisible(false);
  EXPECT_FALSE(GetWindowLongPtrW(boxWnd, GWL_STYLE) & WS_VISIBLE);
  box->SetText("\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(testing::WindowTextOf(boxWnd), "\xC3\xA9t\xC3\xA9");

  // Recreated windows keep the state of the control.
  box->RecreateWnd();
  EXPECT_NE(box->Handle(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(box->Handle()));
  EXPECT_EQ(box->Text(), "\xC3\xA9t\xC3\xA9");

  // Deleting the child destroys its window; deleting the form its own.
  HWND formWnd = form->Handle();
  boxWnd = box->Handle();
  delete box;
  EXPECT_FALSE(IsWindow(boxWnd));
  EXPECT_EQ(form->ControlCount(), 0);
  delete form;
  EXPECT_FALSE(IsWindow(formWnd));
}

TEST_F(HostControls, ReplacedWindowProcSeesEveryMessageAndCanSwallowThem) {
  auto* form = new TForm(app);
  auto* box = Child<TTestBox>(form);
  std::vector<UINT> seen;
  TWndMethod old = box->WindowProc();
  box->SetWindowProc([&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_USER + 7) {
      m.Result = 42;
      return;
    }
    old(m);
  });
  HWND wnd = box->Handle();
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_NCCREATE)), seen.end());  // from creation on
  EXPECT_EQ(SendMessageW(wnd, WM_USER + 7, 0, 0), 42);
  box->SetEnabled(false);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
  // Messages the replacement passes on still work.
  SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
  EXPECT_EQ(box->Text(), "abc");

  box->SetWindowProc(old);
  seen.clear();
  SendMessageW(wnd, WM_USER + 7, 0, 0);
  EXPECT_TRUE(seen.empty());
  // WM_NCDESTROY reaches the replacement before the handle is gone.
  bool sawDestroy = false;
  box->SetWindowProc([&](TMessage& m) {
    if (m.Msg == WM_NCDESTROY) sawDestroy = box->HandleAllocated();
    old(m);
  });
  box->DestroyHandle();
  EXPECT_TRUE(sawDestroy);
  EXPECT_FALSE(box->HandleAllocated());
  delete form;
}

TEST_F(HostControls, GraphicChildrenGetPaintMouseAndClicks) {
  auto* form = new TForm(app);
  form->SetBounds(50, 50, 200, 150);
  auto* shape = Child<TTestShape>(form);
  shape->SetBounds(10, 10, 20, 20);
  std::vector<UINT> seen;
  TWndMethod old = shape->WindowProc();
  shape->SetWindowProc([&](TMessage& m) {
    seen.push_back(m.Msg);
    old(m);
  });
  int clicks = 0;
  shape->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  UpdateWindow(form->Handle());
  EXPECT_GT(shape->paints, 0);
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 15, 15), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 35, 15), ColorToRGB(clBtnFace));  // the form's colour around it
  ReleaseDC(form->Handle(), dc);

  HWND wnd = form->Handle();
  auto send = [&](UINT msg, int x, int y) { SendMessageW(wnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y)); };
  auto count = [&](UINT msg) { return std::count(seen.begin(), seen.end(), msg); };
  send(WM_MOUSEMOVE, 15, 15);
  send(WM_MOUSEMOVE, 16, 16);
  EXPECT_EQ(count(CM_MOUSEENTER), 1);
  EXPECT_TRUE(shape->MouseInControl());
  send(WM_MOUSEMOVE, 100, 100);
  EXPECT_EQ(count(CM_MOUSELEAVE), 1);
  EXPECT_FALSE(shape->MouseInControl());
  send(WM_MOUSEMOVE, 15, 15);
  SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);  // leaving the window leaves the child too
  EXPECT_EQ(count(CM_MOUSELEAVE), 2);

  send(WM_LBUTTONDOWN, 12, 12);
  send(WM_LBUTTONUP, 13, 13);
  EXPECT_EQ(clicks, 1);
  // Pressed inside, released outside: no click; the child saw the release.
  send(WM_LBUTTONDOWN, 12, 12);
  seen.clear();
  send(WM_LBUTTONUP, 100, 100);
  EXPECT_EQ(count(WM_LBUTTONUP), 1);
  EXPECT_EQ(clicks, 1);
  shape->SetEnabled(false);
  send(WM_LBUTTONDOWN, 12, 12);
  send(WM_LBUTTONUP, 13, 13);
  EXPECT_EQ(clicks, 1);
  delete form;
}

TEST_F(HostControls, AlignLaysOutChildrenAndDoubleBufferingPaintsTheSame) {
  auto* form = new TForm(app);
  form->SetBounds(0, 0, 300, 200);
  auto* bottom = new TTestBox(form);
  bottom->SetHeight(40);
  bottom->SetAlign(alBottom);
  bottom->SetParent(form);
  auto* top = new TTestBox(form);
  top->SetHeight(30);
  top->SetAlign(alTop);
  top->SetParent(form);
  auto* rest = new TTestBox(form);
  rest->SetAlign(alClient);
  rest->SetParent(form);
  rest->fill = clRed;
  rest->SetDoubleBuffered(true);
  form->Show();
  const TRect client = form->ClientRect();
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, client.Bottom - 40, client.Right, client.Bottom));
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, client.Right, 30));
  EXPECT_EQ(rest->BoundsRect(), Rect(0, 30, client.Right, client.Bottom - 40));
  // Resizing the form lays out again.
  form->SetWidth(400);
  EXPECT_EQ(rest->Width(), form->ClientWidth());
  bottom->SetVisible(false);
  EXPECT_EQ(rest->BoundsRect().Bottom, form->ClientHeight());

  UpdateWindow(form->Handle());
  HDC dc = GetDC(rest->Handle());
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  ReleaseDC(rest->Handle(), dc);
  delete form;
}

}  // namespace
}  // namespace pelorin
