// The menu bar inside a skinned frame: no native bar while skinned, the
// client area below the skinned bar, a click on a bar item through the
// window's own messages, the native bar back after unskinning, and bar items
// under the mouse and the hover timer.
#include <gtest/gtest.h>

#include "FrameTestUtil.h"
#include "MenuTestUtil.h"
#include "menus/win/WinSkinMenu.h"
#include "tools/skingen/SkinTheme.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
HMENU BarMenu() { return BuildMenu(true, {{L"&File", 0, BuildMenu(false, {{L"&Open", 101}})}, {L"&Go", 102}}); }
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
    EXPECT_EQ(WatchBarPopups({}, [&] {
                PostMessageW(w.wnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(onFile.x, onFile.y));
                Pump();
              }),
              std::vector<int>{0});
    skinner.Detach();
  }
  EXPECT_EQ(GetMenu(w.wnd), menu);
  RECT clientAfter;
  GetClientRect(w.wnd, &clientAfter);
  EXPECT_EQ(clientAfter.bottom, clientBefore.bottom);
  const RECT after = w.WindowRect();
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

namespace {
TWinSkinForm* hovered = nullptr;
int hoverTicks = 0;
TNCState fileWhileOpen = nsNormal;
bool fileCurrentWhileOpen = false;
// Moves the cursor off the open item into the client area, then, after the
// hover timer had time to tick, records the item and ends the menu.
VOID CALLBACK LeaveTheOpenItem(HWND, UINT, UINT_PTR, DWORD) {
  ++hoverTicks;
  if (hoverTicks == 1) {
    RECT wr;
    GetWindowRect(hovered->Handle(), &wr);
    SetCursorPos((wr.left + wr.right) / 2, wr.bottom - 40);
  } else if (hoverTicks >= 5) {
    TMenuBtn* file = hovered->MenuBar()->Items()[0].get();
    fileWhileOpen = file->State;
    fileCurrentWhileOpen = hovered->CurrentObject == file;
    EndMenu();
  }
}
}  // namespace

TEST(MenuForm, BarItemsRepaintWhenTheHotItemChangesAndStayPressedWhileOpen) {
  auto skin = MakeSkin(skingen::SlateTheme());
  TTestWindow w;
  SetMenu(w.wnd, BarMenu());
  Pump();
  TWinSkinForm skinner(skin.get());
  Skin(skinner, w.wnd);
  ASSERT_EQ(GetActiveWindow(), w.wnd);
  skinner.PaintFrame();
  TWinSkinMenu& bar = *skinner.MenuBar();
  TMenuBtn* file = bar.Items()[0].get();
  TMenuBtn* go = bar.Items()[1].get();

  // Moves over File, over Go, then over the title.
  bar.ItemPaints = 0;
  for (TMenuBtn* b : {file, file, file, go, go})
    SendMessageW(w.wnd, WM_NCMOUSEMOVE, HTMENU, ScreenPoint(w.wnd, Centre(b->BoundsRect)));
  EXPECT_EQ(skinner.CurrentObject, go);
  EXPECT_EQ(go->State, nsHot);
  EXPECT_EQ(bar.ItemPaints, 3);  // File entered; File left and Go entered
  const RECT wr = w.WindowRect();
  const TPoint onTitle{(wr.right - wr.left) / 2, skinner.Metrics().Top / 2};
  SendMessageW(w.wnd, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(w.wnd, onTitle));
  EXPECT_EQ(skinner.CurrentObject, nullptr);
  EXPECT_EQ(bar.ItemPaints, 4);

  // The hover timer leaves an item alone while its popup is open, even with
  // the cursor elsewhere.
  hovered = &skinner;
  hoverTicks = 0;
  fileWhileOpen = nsNormal;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, LeaveTheOpenItem);
  const POINT onFile = {wr.left + file->BoundsRect.Left + 3, wr.top + file->BoundsRect.Top + 3};
  PostMessageW(w.wnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(onFile.x, onFile.y));
  Pump();
  KillTimer(nullptr, timer);
  EXPECT_GE(hoverTicks, 5);
  EXPECT_EQ(fileWhileOpen, nsPressed);
  EXPECT_TRUE(fileCurrentWhileOpen);
  EXPECT_EQ(skinner.CurrentObject, nullptr);  // the popup closed: the item is left
  skinner.Detach();
}
