// The MDI child buttons in the skinned bar of an MDI frame: shown only while
// the active child is maximised, drawn from the skin at the bar's right end,
// and a click on them minimises, restores or closes that child.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include "FrameTestUtil.h"
#include "MenuTestUtil.h"
#include "tests/support/win/ScreenRead.h"
#include "host/win/Graphics.h"
#include "menus/win/WinSkinMenu.h"
#include "paint/PaintTypes.h"
#include "tools/skingen/SkinTheme.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
HWND mdiClient = nullptr;

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(wnd, mdiClient, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

void RegisterClasses() {
  static const bool done = [] {
    WNDCLASSW wc{};
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpfnWndProc = MdiFrameProc;
    wc.lpszClassName = L"PelorinMdiFrameTest";
    const bool frame = RegisterClassW(&wc) != 0;
    wc.lpfnWndProc = MdiChildProc;
    wc.lpszClassName = L"PelorinMdiChildTest";
    return frame && RegisterClassW(&wc) != 0;
  }();
  ASSERT_TRUE(done);
}

// Keeps the flag the frame reports, as the skin manager would.
struct TRecordingLink : TFrameManagerLink {
  bool MdiMax() const override { return mdiMax; }
  void SetMdiMax(bool on) override { mdiMax = on; }
  bool mdiMax = false;
};

class MenuMdi : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterClasses();
    SetFrameManagerLink(&link);
    skin = MakeSkin(skingen::SlateTheme());
    ASSERT_FALSE(skin->Empty);
    HMENU window = BuildMenu(false, {{L"&Tile", 201}});
    HMENU bar = BuildMenu(true, {{L"&File", 0, BuildMenu(false, {{L"&New", 101}})}, {L"&Window", 0, window}});
    frame = CreateWindowExW(0, L"PelorinMdiFrameTest", L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                            520, 380, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{window, 5000};
    mdiClient = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                                frame, nullptr, GetModuleHandleW(nullptr), &ccs);
    ASSERT_TRUE(frame && mdiClient);
    ShowWindow(frame, SW_SHOW);
    SetForegroundWindow(frame);
    Pump();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    Skin(*skinner, frame);
    if (!skinner->IsActive()) SendMessageW(frame, WM_NCACTIVATE, TRUE, 0);
    ASSERT_EQ(skinner->MdiRole(), mrFrame);
    ASSERT_NE(skinner->MenuBar(), nullptr);
  }
  void TearDown() override {
    skinner.reset();
    if (frame) DestroyWindow(frame);
    mdiClient = nullptr;
    SetFrameManagerLink(nullptr);
    Pump();
  }

  HWND NewChild(bool maximised) {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"PelorinMdiChildTest";
    mcs.szTitle = L"Child";
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    mcs.style = WS_OVERLAPPEDWINDOW | (maximised ? WS_MAXIMIZE : 0);
    HWND child = reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    Pump();
    return child;
  }

  // The frame as painted now, in window coordinates.
  TBitmap Painted() {
    RECT wr;
    GetWindowRect(frame, &wr);
    TBitmap target(wr.right - wr.left, wr.bottom - wr.top);
    TBitmapCanvas canvas(target);
    skinner->PaintFrame(canvas.Handle());
    canvas.Flush();
    return target;
  }

  // The MDI buttons in skin order: minimise, restore, close.
  std::vector<TWinSysButton*> MdiButtons() {
    std::vector<TWinSysButton*> out;
    for (const auto& b : skinner->SysButtons())
      if (b->SkinButton().Visibility == MdiButtonVisibility) out.push_back(b.get());
    return out;
  }

  // How many of the opaque pixels of the button's first frame show at its place.
  static int ShownPixels(const TBitmap& painted, const TWinSysButton& b, int* opaque = nullptr) {
    const TBitmap& image = b.Image();
    const int fw = image.Width() / b.FrameCount();
    int same = 0, solid = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < fw; ++x) {
        const TColor c = image.GetPixel(x, y);
        if (c == TransparentKeyColour) continue;
        ++solid;
        same += painted.GetPixel(b.BoundsRect.Left + x, b.BoundsRect.Top + y) == c;
      }
    if (opaque) *opaque = solid;
    return same;
  }

  void Click(const TWinSysButton& b) {
    const TPoint p = Centre(b.BoundsRect);
    PostMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(frame, p));
    PostMessageW(frame, WM_NCLBUTTONUP, HTMENU, ScreenPoint(frame, p));
    Pump();
  }

  TRecordingLink link;
  std::unique_ptr<TSkinData> skin;
  std::unique_ptr<TWinSkinForm> skinner;
  HWND frame = nullptr;
};
}  // namespace

TEST_F(MenuMdi, ButtonsShowInTheBarOnlyWhileTheChildIsMaximised) {
  HWND child = NewChild(false);
  ASSERT_TRUE(child);
  Painted();
  for (TWinSysButton* b : MdiButtons()) EXPECT_FALSE(b->Visible);
  EXPECT_FALSE(link.mdiMax);

  SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  ASSERT_TRUE(IsZoomed(child));
  const TBitmap painted = Painted();
  EXPECT_TRUE(link.mdiMax);
  const auto buttons = MdiButtons();
  ASSERT_EQ(buttons.size(), 3u);
  const TFrameMetrics& m = skinner->Metrics();
  const TRect barRect = skinner->MenuBar()->BarRect;
  int lastLeft = 0;
  for (TWinSysButton* b : buttons) {
    ASSERT_TRUE(b->Visible);
    // Inside the bar, right of its items, in the skin's order left to right.
    EXPECT_GE(b->BoundsRect.Top, m.Top);
    EXPECT_LE(b->BoundsRect.Bottom, m.Top + m.MenuBar);
    EXPECT_LE(b->BoundsRect.Right, barRect.Right);
    EXPECT_GT(b->BoundsRect.Left, skinner->MenuBar()->Items().back()->BoundsRect.Right);
    EXPECT_GT(b->BoundsRect.Left, lastLeft);
    lastLeft = b->BoundsRect.Left;
    int opaque = 0;
    EXPECT_EQ(ShownPixels(painted, *b, &opaque), opaque);
    EXPECT_GT(opaque, 20);
    // The bar's items do not claim the buttons' place.
    EXPECT_EQ(skinner->MenuBar()->FindMenuBtnAt(Centre(b->BoundsRect)), nullptr);
  }

  // Restored, the child's buttons leave the bar.
  SendMessageW(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  const TBitmap plain = Painted();
  for (TWinSysButton* b : buttons) {
    EXPECT_FALSE(b->Visible);
    EXPECT_LT(ShownPixels(plain, *b), 5);
  }
}

TEST_F(MenuMdi, ClicksOnTheButtonsActOnTheActiveChild) {
  HWND child = NewChild(true);
  ASSERT_TRUE(child && IsZoomed(child));
  Painted();
  ASSERT_EQ(MdiButtons().size(), 3u);
  ASSERT_TRUE(link.mdiMax);

  Click(*MdiButtons()[1]);
  EXPECT_FALSE(IsZoomed(child));
  EXPECT_TRUE(IsWindow(child));
  EXPECT_FALSE(link.mdiMax);
  // The frame was repainted without them.
  EXPECT_FALSE(MdiButtons()[1]->Visible);

  SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  Painted();
  Click(*MdiButtons()[0]);
  EXPECT_TRUE(IsIconic(child));
  EXPECT_FALSE(link.mdiMax);
  EXPECT_FALSE(MdiButtons()[0]->Visible);

  SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  Painted();
  ASSERT_TRUE(IsZoomed(child));
  Click(*MdiButtons()[2]);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0), 0);
  EXPECT_FALSE(MdiButtons()[2]->Visible);
  // The frame itself stays as it was.
  EXPECT_TRUE(IsWindow(frame));
  EXPECT_FALSE(IsZoomed(frame) || IsIconic(frame));
}

// A hovered MDI button is drawn at once with its hot frame over the bar's own
// background (read back from the screen).
TEST_F(MenuMdi, HoveredButtonShowsItsHotFrameOverTheBar) {
  HWND child = NewChild(true);
  ASSERT_TRUE(child && IsZoomed(child));
  RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Painted();
  TWinSysButton& close = *MdiButtons()[2];
  // The cursor itself goes there too, or the hover check would let the button go.
  const LPARAM at = ScreenPoint(frame, Centre(close.BoundsRect));
  SetCursorPos(GET_X_LPARAM(at), GET_Y_LPARAM(at));
  PostMessageW(frame, WM_NCMOUSEMOVE, HTMENU, at);
  Pump();
  ASSERT_EQ(close.State, nsHot);
  const TBitmap shown = ReadScreen(frame);
  const TRect& r = close.BoundsRect;

  const TBitmap& image = close.Image();
  const int fw = image.Width() / close.FrameCount(), hot = 4;
  const TWinSkinMenu& bar = *skinner->MenuBar();
  int wrong = 0, keyed = 0;
  for (int y = 0; y < r.Height() && y < image.Height(); ++y)
    for (int x = 0; x < fw && x < r.Width(); ++x) {
      TColor want = image.GetPixel((hot - 1) * fw + x, y);
      if (want == TransparentKeyColour) {
        ++keyed;
        want = bar.Background.GetPixel(r.Left + x - bar.BarRect.Left, r.Top + y - bar.BarRect.Top);
      }
      wrong += shown.GetPixel(r.Left + x, r.Top + y) != want;
    }
  EXPECT_GT(keyed, 0);  // the test sees the background through the button
  EXPECT_EQ(wrong, 0);
}
