// Popup menu windows through the skin manager: a frame skinner while a
// popup is open and the manager active, none when it is not, none left after.
#include <gtest/gtest.h>

#include "ManagerTestUtil.h"
#include "MenuTestUtil.h"
#include "menus/win/WinSkinPopMenu.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
int skinnersWhileOpen = -1;
bool skinnedWindowOpen = false;
VOID CALLBACK LookAtPopup(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  skinnersWhileOpen = PopupMenuSkinners().Count();
  skinnedWindowOpen = popup && PopupMenuSkinners().Find(popup);
  EndMenu();
}

void OpenAndLook(HWND owner) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"One");
  skinnersWhileOpen = -1;
  skinnedWindowOpen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, LookAtPopup);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, 50, 50, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  DestroyMenu(menu);
}
}  // namespace

class MenuPopupManagerTest : public TManagerTest {};

TEST_F(MenuPopupManagerTest, MenuWindowsGetAFrameSkinnerWhileActive) {
  TSkinData* skin = Add(sfMainform);
  GiveMenuItemImage(*skin);
  HWND owner = Window();
  Manager().Active = true;
  OpenAndLook(owner);
  EXPECT_EQ(skinnersWhileOpen, 1);
  EXPECT_TRUE(skinnedWindowOpen);
  PumpFor(20);
  EXPECT_EQ(PopupMenuSkinners().Count(), 0);  // released with the window

  Manager().Active = false;
  OpenAndLook(owner);
  EXPECT_EQ(skinnersWhileOpen, 0);

  // No loaded skin: nothing to draw the frame from.
  Manager().Active = true;
  skin->Empty = true;
  OpenAndLook(owner);
  EXPECT_EQ(skinnersWhileOpen, 0);
}
