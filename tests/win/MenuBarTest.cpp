// The skinned menu bar on a live window: the native bar removed and put
// back, the bar's pixels, hit testing and accelerators, commands of plain and
// disabled items, and moving between bar items while a popup is open.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/win/Graphics.h"
#include "manager/ManagerCore.h"
#include "menus/win/WinSkinMenu.h"
#include "menus/win/WinSkinPopMenu.h"
#include "MenuTestUtil.h"
#include "skinmodel/SkinRules.h"
#include "skinmodel/WinSkinData.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
// File (popup), Go (command 300), Edit (disabled popup), View (popup).
HMENU SampleMenu() {
  auto popup = [](const wchar_t* first, UINT id) { return BuildMenu(false, {{first, id}, {L"-"}, {L"Second", id + 1}}); };
  return BuildMenu(true, {{L"&File", 0, popup(L"&Open", 100)},
                          {L"&Go", 300},
                          {L"&Edit", 0, popup(L"Cut", 200), MF_GRAYED},
                          {L"&View", 0, popup(L"Zoom", 400)}});
}
HWND MakeWindowWithMenu(HMENU menu) { return MenuWindow(menu, false); }

class MenuBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    EnsureSkinManager();
    skin = std::make_unique<TSkinData>(nullptr);
    GiveMenuItemImage(*skin);
    skin->MenuBar = std::make_unique<TDataSkinObject>("MenuBar");
    // Two stacked frames: active on top, inactive below.
    skin->MenuBar->Bitmap.SetSize(30, 40);
    skin->MenuBar->Bitmap.FillRect({0, 0, 30, 20}, MakeRGB(0, 0, 120));
    skin->MenuBar->Bitmap.FillRect({0, 20, 30, 40}, MakeRGB(0, 120, 0));
    skin->MenuBar->Margins = {2, 0, 2, 0};
    skin->MenuBar->Style = MenuBarStyle(0);  // drawn as a strip
    skin->colors[csMenuBarText] = MakeRGB(255, 255, 255);
    skin->colors[csButtonHilight] = MakeRGB(255, 0, 0);
    menuCommands.clear();
  }
  void TearDown() override {
    skin.reset();
    DestroySkinManager();
  }
  // A paint lays the items out at (4, 30) in window coordinates.
  static void PlaceItems(TWinSkinMenu& bar) {
    TBitmap target(400, 60);
    TBitmapCanvas canvas(target);
    bar.PaintMenuBar(canvas.Handle(), {4, 30, 396, 50}, true);
  }
  std::unique_ptr<TSkinData> skin;
  TNCObjectOwner owner;
};
}  // namespace

TEST_F(MenuBarTest, NativeBarGoesWhileSkinnedAndComesBack) {
  HMENU menu = SampleMenu();
  HWND wnd = MakeWindowWithMenu(menu);
  RECT before;
  GetClientRect(wnd, &before);
  {
    TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
    bar.LoadMenuItems();
    EXPECT_EQ(GetMenu(wnd), nullptr);
    ASSERT_EQ(bar.Count(), 4);
    EXPECT_EQ(bar.Items()[0]->Caption, "&File");
    EXPECT_TRUE(bar.Items()[0]->SubMenu);
    EXPECT_EQ(bar.Items()[1]->Command, 300u);
    EXPECT_FALSE(bar.Items()[2]->Enabled);
    RECT skinned;
    GetClientRect(wnd, &skinned);
    EXPECT_GT(skinned.bottom, before.bottom);  // the native bar's room went to the client

    // Something puts the native bar back while skinned: it is taken away again.
    SetMenu(wnd, menu);
    DrainMessages();
    EXPECT_EQ(GetMenu(wnd), nullptr);
    bar.RestoreMenu();
  }
  EXPECT_EQ(GetMenu(wnd), menu);
  DestroyWindow(wnd);

  // A window whose menu has no items keeps it.
  HMENU empty = CreateMenu();
  wnd = MakeWindowWithMenu(empty);
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  EXPECT_EQ(bar.Count(), 0);
  EXPECT_EQ(GetMenu(wnd), empty);
  DestroyWindow(wnd);
}

TEST_F(MenuBarTest, PaintsTheBarAndPlacesItems) {
  HWND wnd = MakeWindowWithMenu(SampleMenu());
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  TBitmap target(300, 60);
  TBitmapCanvas canvas(target);
  const TRect r{4, 30, 296, 50};
  bar.PaintMenuBar(canvas.Handle(), r, true);
  canvas.Flush();
  EXPECT_EQ(target.GetPixel(290, 40), MakeRGB(0, 0, 120));
  EXPECT_EQ(target.GetPixel(3, 40), MakeRGB(0, 0, 0));  // nothing outside
  EXPECT_EQ(bar.BarRect, r);
  const auto& items = bar.Items();
  EXPECT_EQ(items[0]->BoundsRect.Left, r.Left + 2 + 4);
  EXPECT_EQ(items[0]->BoundsRect.Bottom, r.Bottom - 1);
  EXPECT_EQ(items[1]->BoundsRect.Left, items[0]->BoundsRect.Right);
  EXPECT_GT(CountColour(target, items[0]->BoundsRect, MakeRGB(255, 255, 255)), 5);
  // The disabled item's text is not in the bar text colour.
  EXPECT_EQ(CountColour(target, items[2]->BoundsRect, MakeRGB(255, 255, 255)), 0);

  bar.PaintMenuBar(canvas.Handle(), r, false);
  canvas.Flush();
  EXPECT_EQ(target.GetPixel(290, 40), MakeRGB(0, 120, 0));

  EXPECT_EQ(bar.FindMenuBtnAt({items[1]->BoundsRect.Left, 35}), items[1].get());
  EXPECT_EQ(bar.FindMenuBtnAt({290, 35}), nullptr);
  EXPECT_EQ(bar.FindMenuAccel('v'), items[3].get());
  EXPECT_EQ(bar.FindMenuAccel('E'), nullptr);  // disabled

  // A hot item gets a one-pixel frame over the saved background.
  bar.PaintTarget = canvas.Handle();
  items[3]->MouseEnter();
  canvas.Flush();
  const TRect b = items[3]->BoundsRect;
  EXPECT_EQ(target.GetPixel(b.Left, b.Top), MakeRGB(255, 0, 0));
  EXPECT_EQ(target.GetPixel(b.Right - 1, b.Bottom - 1), MakeRGB(255, 0, 0));
  EXPECT_EQ(target.GetPixel(b.Left + 1, b.Top + 1), MakeRGB(0, 120, 0));
  items[3]->MouseLeave();
  canvas.Flush();
  EXPECT_EQ(target.GetPixel(b.Left, b.Top), MakeRGB(0, 120, 0));
  DestroyWindow(wnd);
}

TEST_F(MenuBarTest, PlainAndDisabledItemsOpenNothing) {
  HWND wnd = MakeWindowWithMenu(SampleMenu());
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  PlaceItems(bar);

  EXPECT_FALSE(bar.PopupMenuBtn(*bar.Items()[1]));
  DrainMessages();
  EXPECT_EQ(menuCommands, std::vector<WPARAM>{300});
  menuCommands.clear();
  EXPECT_TRUE(bar.PopupMenuBtn(*bar.Items()[2]));  // returns at once
  DrainMessages();
  EXPECT_TRUE(menuCommands.empty());
  EXPECT_EQ(TWinSkinMenu::TrackedMenu(), nullptr);
  DestroyWindow(wnd);
}

TEST_F(MenuBarTest, RightArrowInTheLastPopupOpensTheFirst) {
  HWND wnd = MakeWindowWithMenu(SampleMenu());
  SetForegroundWindow(wnd);
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  PlaceItems(bar);
  DrainMessages();
  EXPECT_EQ(WatchBarPopups({VK_RIGHT}, [&] { EXPECT_TRUE(bar.PopupMenuBtn(*bar.Items()[3])); }),
            (std::vector<int>{3, 0}));
  EXPECT_EQ(TWinSkinMenu::TrackedMenu(), nullptr);
  EXPECT_FALSE(bar.Tracking());
  DestroyWindow(wnd);
}

namespace {
// Moves the mouse over `target` at the first tick, records the open item at
// the next ones (a slow machine may still be switching at the second) and
// ends the menu at the fourth.
std::vector<int> seenOpen;
int ticks = 0;
TPoint mouseTarget;
VOID CALLBACK MoveMouseOverBar(HWND, UINT, UINT_PTR, DWORD) {
  ++ticks;
  seenOpen.push_back(TWinSkinMenu::TrackedIndex());
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (ticks == 1 && popup) {
    SetCursorPos(mouseTarget.X, mouseTarget.Y);
    PostMessageW(popup, WM_MOUSEMOVE, 0, 0);  // the menu loop reads the message's cursor position
  } else if (ticks >= 4) {
    EndMenu();
  }
}
}  // namespace

TEST_F(MenuBarTest, MouseMovingOverAnotherBarItemOpensItsPopup) {
  HWND wnd = MakeWindowWithMenu(SampleMenu());
  ShowWindow(wnd, SW_SHOW);
  SetForegroundWindow(wnd);
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  PlaceItems(bar);
  DrainMessages();
  RECT wr;
  GetWindowRect(wnd, &wr);
  for (int to : {3, 2}) {  // an enabled item takes over; a disabled one does not
    const TRect& r = bar.Items()[to]->BoundsRect;
    mouseTarget = {wr.left + (r.Left + r.Right) / 2, wr.top + (r.Top + r.Bottom) / 2};
    seenOpen.clear();
    ticks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, MoveMouseOverBar);
    EXPECT_TRUE(bar.PopupMenuBtn(*bar.Items()[0]));
    KillTimer(nullptr, timer);
    ASSERT_GE(seenOpen.size(), 4u) << to;  // the menu stayed open throughout
    EXPECT_EQ(seenOpen[0], 0) << to;
    EXPECT_EQ(seenOpen.back(), to == 3 ? 3 : 0) << to;
    EXPECT_EQ(std::count(seenOpen.begin(), seenOpen.end(), 2), 0) << to;
    EXPECT_FALSE(bar.Tracking());
  }
  DestroyWindow(wnd);
}

namespace {
TBitmap printed, shown;
bool printedFrameSkinned = false;
const TSkinModel* printSkin = nullptr;
VOID CALLBACK PrintMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (popup && printed.Empty()) {
    // The manager would attach this at creation; here it comes late.
    printedFrameSkinned = PopupMenuSkinners().Attach(popup, printSkin) != nullptr;
    RECT wr;
    GetWindowRect(popup, &wr);
    // The window's pixels once the popup has painted itself again.
    RedrawWindow(popup, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    shown.SetSize(wr.right - wr.left, wr.bottom - wr.top);
    HDC window = GetWindowDC(popup);
    BitBlt(static_cast<HDC>(shown.DC()), 0, 0, shown.Width(), shown.Height(), window, 0, 0, SRCCOPY);
    ReleaseDC(popup, window);
    printed.SetSize(wr.right - wr.left, wr.bottom - wr.top);
    SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(printed.DC()),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    GdiFlush();
    PopupMenuSkinners().Release(popup);
  }
  EndMenu();
}
}  // namespace

TEST_F(MenuBarTest, OpenPopupIsDrawnFromTheSkin) {
  EnsureSkinManager().Active = true;
  skin->MenuBackground = std::make_unique<TDataSkinObject>("MenuBackground");
  skin->MenuBackground->Bitmap.SetSize(12, 12);
  skin->MenuBackground->Bitmap.Fill(MakeRGB(250, 0, 250 - 1));
  HWND wnd = MakeWindowWithMenu(SampleMenu());
  TWinSkinMenu bar(owner, wnd, skin.get(), nullptr);
  bar.LoadMenuItems();
  PlaceItems(bar);
  printed.Clear();
  shown.Clear();
  printSkin = skin.get();
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, PrintMenu);
  bar.PopupMenuBtn(*bar.Items()[0]);
  KillTimer(nullptr, timer);
  ASSERT_FALSE(printed.Empty());
  EXPECT_TRUE(printedFrameSkinned);
  // In the window the whole 3-pixel rim is the frame image, also where the
  // system draws its own rim inside the client area.
  const int w = shown.Width(), h = shown.Height();
  const int rim = 3 * 2 * (w + h) - 36;
  EXPECT_EQ(CountColour(shown, {0, 0, w, h}, MakeRGB(250, 0, 249)) -
                CountColour(shown, {3, 3, w - 3, h - 3}, MakeRGB(250, 0, 249)),
            rim);
  // The frame's corner; down the right of the items: the first item selected
  // (frame 4), the separator, 8 high, from frame 2 and the third item from
  // frame 1.
  EXPECT_EQ(printed.GetPixel(0, 0), MakeRGB(250, 0, 249));
  const int x = printed.Width() - 6;
  int selectedRows = 0, normalRows = 0, separatorRows = 0;
  for (int y = 3; y < printed.Height() - 3; ++y) {
    selectedRows += printed.GetPixel(x, y) == kFrameColours[3];
    normalRows += printed.GetPixel(x, y) == kFrameColours[0];
    separatorRows += printed.GetPixel(x, y) == kFrameColours[1];
  }
  EXPECT_GT(selectedRows, 8);
  EXPECT_EQ(normalRows, selectedRows);
  EXPECT_EQ(separatorRows, 8);
  DestroyWindow(wnd);
}
