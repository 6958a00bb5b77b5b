// Keys on a skinned menu bar: Alt and an item's accelerator open that item's
// popup or send its command, on a plain window and from a focused control of
// a host form; arrow keys in a right-to-left menu move the mirrored way, and
// in a cascaded submenu they work that submenu first.
#include <gtest/gtest.h>

#include <vector>

#include "FrameTestUtil.h"
#include "HostTestUtil.h"
#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/StdCtrls.h"
#include "MenuTestUtil.h"
#include "tools/skingen/SkinTheme.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
constexpr LPARAM AltDown = 0x20000001;  // the context bit of WM_SYSCHAR

HMENU Popup(UINT first) { return BuildMenu(false, {{L"One", first}, {L"Two", first + 1}}); }

// &File, &Go (command 102), &Edit, &Tools (disabled), all popups but Go.
HMENU BarMenu() {
  return BuildMenu(true, {{L"&File", 0, Popup(110)},
                          {L"&Go", 102},
                          {L"&Edit", 0, Popup(120)},
                          {L"&Tools", 0, Popup(130), MF_GRAYED}});
}

// Marks every item of menu and its submenus right-to-left.
void ReadRightToLeft(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    GetMenuItemInfoW(menu, UINT(i), TRUE, &mii);
    mii.fMask = MIIM_FTYPE;
    mii.fType |= MFT_RIGHTORDER;
    SetMenuItemInfoW(menu, UINT(i), TRUE, &mii);
    if (mii.hSubMenu) ReadRightToLeft(mii.hSubMenu);
  }
}

// &File, &Edit, &View: three popups.
HMENU ThreePopups(bool rightToLeft) {
  HMENU bar = BuildMenu(true, {{L"&File", 0, Popup(110)}, {L"&Edit", 0, Popup(120)}, {L"&View", 0, Popup(130)}});
  if (rightToLeft) ReadRightToLeft(bar);
  return bar;
}

class MenuKeys : public ::testing::Test {
protected:
  void SetUp() override {
    skin = MakeSkin(skingen::SlateTheme());
    ASSERT_FALSE(skin->Empty);
    menuCommands.clear();
    popupsShown.clear();
  }
  // Skins wnd and paints its frame once, which places the bar items.
  void SkinWindow(HWND w) {
    wnd = w;
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    Skin(*skinner, wnd);
    skinner->PaintFrame();
    ASSERT_NE(skinner->MenuBar(), nullptr);
  }
  void TearDown() override {
    skinner.reset();
    if (wnd) DestroyWindow(wnd);
    Pump();
  }
  std::vector<int> AltKey(HWND target, wchar_t ch) {
    return WatchBarPopups({}, [&] {
      PostMessageW(target, WM_SYSCHAR, ch, AltDown);
      Pump();
    });
  }
  std::unique_ptr<TSkinData> skin;
  std::unique_ptr<TWinSkinForm> skinner;
  HWND wnd = nullptr;
};
}  // namespace

TEST_F(MenuKeys, AltAndALetterActsOnTheMatchingBarItem) {
  HMENU menu = BarMenu();
  SkinWindow(MenuWindow(menu));

  EXPECT_EQ(AltKey(wnd, 'e'), std::vector<int>{2});
  ASSERT_EQ(popupsShown.size(), 1u);
  EXPECT_EQ(popupsShown[0], GetSubMenu(menu, 2));
  EXPECT_EQ(AltKey(wnd, 'F'), std::vector<int>{0});

  // An item without a submenu only sends its command.
  menuCommands.clear();
  popupsShown.clear();
  EXPECT_TRUE(AltKey(wnd, 'g').empty());
  EXPECT_EQ(menuCommands, std::vector<WPARAM>{102});

  // No item, or a disabled one: nothing opens and no command is sent.
  menuCommands.clear();
  EXPECT_TRUE(AltKey(wnd, 'z').empty());
  EXPECT_TRUE(AltKey(wnd, 't').empty());
  EXPECT_TRUE(menuCommands.empty());
  EXPECT_TRUE(popupsShown.empty());

  // The system command itself, as another program would send it.
  const auto seen = WatchBarPopups({}, [&] {
    SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    Pump();
  });
  EXPECT_EQ(seen, std::vector<int>{0});
  EXPECT_EQ(TWinSkinMenu::TrackedMenu(), nullptr);

  // The menu key alone is answered: no system menu loop over a bar that is
  // not there.
  std::vector<int> none;
  LRESULT answer = 0;
  none = WatchBarPopups({}, [&] {
    answer = SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
    Pump();
  });
  EXPECT_EQ(answer, 1);
  EXPECT_TRUE(none.empty());
}

TEST_F(MenuKeys, HostFormTakesAcceleratorsBeforeItsControls) {
  auto* app = new TApplication(nullptr);
  app->Initialize();
  auto* form = new TForm(app);
  form->SetBounds(60, 60, 420, 300);
  auto* mainMenu = new TMainMenu(form);
  NewItem(form, "&Open", NewItem(form, "&File", mainMenu->Items()));
  int menuGo = 0, buttonGo = 0;
  NewItem(form, "&Go", mainMenu->Items())->OnClick = [&](TObject*) { ++menuGo; };
  form->SetMenu(mainMenu);
  auto* edit = Child<TEdit>(form);
  auto* button = Child<TButton>(form);
  button->SetBounds(10, 60, 80, 24);
  button->SetCaption("&Go");
  button->OnClick = [&](TObject*) { ++buttonGo; };
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  {
    TWinSkinForm formSkinner(skin.get());
    formSkinner.AttachForm(form);
    PostMessageW(form->Handle(), WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
    Pump();
    formSkinner.PaintFrame();
    ASSERT_NE(formSkinner.MenuBar(), nullptr);
    edit->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), edit->Handle());

    // The key reaches the focused edit; the form's menu bar answers it.
    EXPECT_EQ(AltKey(edit->Handle(), 'f'), std::vector<int>{0});
    EXPECT_EQ(AltKey(edit->Handle(), 'g'), std::vector<int>{});
    EXPECT_EQ(menuGo, 1);
    EXPECT_EQ(buttonGo, 0);
    // A key the bar does not know still reaches the form's controls.
    button->SetCaption("&Run");
    EXPECT_TRUE(AltKey(edit->Handle(), 'r').empty());
    EXPECT_EQ(buttonGo, 1);
    formSkinner.Detach();
  }
  // Unskinned, the form's own accelerator handling is back.
  button->SetCaption("&Go");
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'g', 0), 1);
  EXPECT_EQ(buttonGo, 2);
  delete app;
  Pump();
}

TEST_F(MenuKeys, ArrowsSwitchTheMirroredWayInRightToLeftMenus) {
  SkinWindow(MenuWindow(ThreePopups(true)));
  TWinSkinMenu& bar = *skinner->MenuBar();
  auto run = [&](TWinSkinMenu& b, int from, std::vector<WPARAM> keys) {
    return WatchBarPopups(std::move(keys), [&] { b.PopupMenuBtn(*b.Items()[size_t(from)]); });
  };
  // Left reads as "next", Right as "previous", both wrapping around.
  EXPECT_EQ(run(bar, 0, {VK_LEFT}), (std::vector<int>{0, 1}));
  EXPECT_EQ(run(bar, 0, {VK_RIGHT}), (std::vector<int>{0, 2}));
  EXPECT_EQ(run(bar, 1, {VK_LEFT, VK_LEFT}), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(TWinSkinMenu::TrackedMenu(), nullptr);
  skinner.reset();
  DestroyWindow(wnd);

  // The same bar read left to right moves the plain way.
  SkinWindow(MenuWindow(ThreePopups(false)));
  TWinSkinMenu& plain = *skinner->MenuBar();
  EXPECT_EQ(run(plain, 0, {VK_LEFT}), (std::vector<int>{0, 2}));
  EXPECT_EQ(run(plain, 0, {VK_RIGHT}), (std::vector<int>{0, 1}));
}

TEST_F(MenuKeys, ArrowsInACascadedSubmenuStayInIt) {
  // File's first item opens a submenu of its own.
  HMENU menu = ThreePopups(false);
  HMENU file = GetSubMenu(menu, 0);
  HMENU more = BuildMenu(false, {{L"Deep", 150}});
  InsertMenuW(file, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"&More");
  SkinWindow(MenuWindow(menu));
  TWinSkinMenu& bar = *skinner->MenuBar();
  // Right opens the submenu instead of moving on; Left closes only the
  // submenu; a second Left moves to the bar item before (wrapping).
  const auto seen = WatchBarPopups({VK_RIGHT, VK_LEFT, VK_LEFT}, [&] { bar.PopupMenuBtn(*bar.Items()[0]); });
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 2}));
  // Escape, too, closes only the submenu.
  const auto escaped = WatchBarPopups({VK_RIGHT, VK_ESCAPE, VK_LEFT}, [&] { bar.PopupMenuBtn(*bar.Items()[0]); });
  EXPECT_EQ(escaped, (std::vector<int>{0, 0, 0, 2}));
}
