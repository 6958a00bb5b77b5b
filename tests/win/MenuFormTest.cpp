// The menu bar inside a skinned frame: no native bar while skinned, the
// client area below the skinned bar, a click on a bar item through the
// window's own messages, and the native bar back after unskinning.
#include <gtest/gtest.h>

#include "FrameTestUtil.h"
#include "menus/win/WinSkinMenu.h"
#include "tools/skingen/SkinTheme.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
HMENU BarMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 101, L"&Open");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, 102, L"&Go");
  return bar;
}
int tracked = -2;
VOID CALLBACK SeeTracked(HWND, UINT, UINT_PTR, DWORD) {
  tracked = TWinSkinMenu::TrackedIndex();
  EndMenu();
}
}  // namespace

TEST(MenuForm, SkinnedBarReplacesTheNativeOne) {
  auto skin = MakeSkin(skingen::SlateTheme());
  ASSERT_FALSE(skin->Empty);
  TTestWindow w;
  HMENU menu = BarMenu();
  SetMenu(w.wnd, menu);
  Pump();
  const RECT before = w.WindowRect();
  RECT clientBefore;
  GetClientRect(w.wnd, &clientBefore);
  {
    TWinSkinForm skinner(skin.get());
    Skin(skinner, w.wnd);
    ASSERT_NE(skinner.MenuBar(), nullptr);
    EXPECT_EQ(GetMenu(w.wnd), nullptr);
    const TFrameMetrics& m = skinner.Metrics();
    EXPECT_EQ(m.MenuBar, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(w.ClientInWindow().top, m.Top + m.MenuBar);

    // The bar was painted: its items have places under the title.
    skinner.PaintFrame();
    TMenuBtn* file = skinner.MenuBar()->Items()[0].get();
    EXPECT_EQ(file->BoundsRect.Top, m.Top);
    EXPECT_GT(file->BoundsRect.Width(), 10);
    RECT wr = w.WindowRect();
    const POINT onFile{wr.left + file->BoundsRect.Left + 3, wr.top + file->BoundsRect.Top + 3};
    EXPECT_EQ(SendMessageW(w.wnd, WM_NCHITTEST, 0, MAKELPARAM(onFile.x, onFile.y)), HTMENU);

    // A posted press on the item opens its popup.
    tracked = -2;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, SeeTracked);
    PostMessageW(w.wnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(onFile.x, onFile.y));
    Pump();
    KillTimer(nullptr, timer);
    EXPECT_EQ(tracked, 0);
    skinner.Detach();
  }
  EXPECT_EQ(GetMenu(w.wnd), menu);
  RECT clientAfter;
  GetClientRect(w.wnd, &clientAfter);
  EXPECT_EQ(clientAfter.bottom, clientBefore.bottom);
  const RECT after = w.WindowRect();
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}
