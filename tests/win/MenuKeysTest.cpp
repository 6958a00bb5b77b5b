// Keys on a skinned menu bar: Alt and an item's accelerator open that item's
// popup or send its command, on a plain window and from a focused control of
// a host form; arrow keys in a right-to-left menu move the mirrored way, and
// in a cascaded submenu they work that submenu first.
#include <gtest/gtest.h>

#include <vector>

#include "FrameTestUtil.h"
#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/StdCtrls.h"
#include "MenuTestUtil.h"
#include "tools/skingen/SkinTheme.h"

using namespace pelorin;
using namespace pelorin::testing;
using namespace pelorin::testing;

namespace {
constexpr LPARAM AltDown = 0x20000001;  // the context bit of WM_SYSCHAR

std::vector<WPARAM> commands;
std::vector<HMENU> popupsShown;

LRESULT CALLBACK KeysProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) commands.push_back(wParam);
  if (msg == WM_INITMENUPOPUP && !HIWORD(lParam)) popupsShown.push_back(reinterpret_cast<HMENU>(wParam));
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

HWND MakeWindow(HMENU menu, DWORD exStyle = 0) {
  static const ATOM cls = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = KeysProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PelorinMenuKeysTest";
    return RegisterClassW(&wc);
  }();
  EXPECT_TRUE(cls);
  HWND wnd = CreateWindowExW(exStyle, L"PelorinMenuKeysTest", L"Keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                             420, 300, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(wnd);
  Pump();
  return wnd;
}

HMENU Popup(UINT first) {
  HMENU m = CreatePopupMenu();
  AppendMenuW(m, MF_STRING, first, L"One");
  AppendMenuW(m, MF_STRING, first + 1, L"Two");
  return m;
}

// &File, &Go (command 102), &Edit, &Tools (disabled), all popups but Go.
HMENU BarMenu() {
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(110)), L"&File");
  AppendMenuW(bar, MF_STRING, 102, L"&Go");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(120)), L"&Edit");
  AppendMenuW(bar, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(Popup(130)), L"&Tools");
  return bar;
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
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(110)), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(120)), L"&Edit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup(130)), L"&View");
  if (rightToLeft) ReadRightToLeft(bar);
  return bar;
}

class MenuKeys : public ::testing::Test {
protected:
  void SetUp() override {
    skin = MakeSkin(skingen::SlateTheme());
    ASSERT_FALSE(skin->Empty);
    commands.clear();
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
  SkinWindow(MakeWindow(menu));

  EXPECT_EQ(AltKey(wnd, 'e'), std::vector<int>{2});
  ASSERT_EQ(popupsShown.size(), 1u);
  EXPECT_EQ(popupsShown[0], GetSubMenu(menu, 2));
  EXPECT_EQ(AltKey(wnd, 'F'), std::vector<int>{0});

  // An item without a submenu only sends its command.
  commands.clear();
  popupsShown.clear();
  EXPECT_TRUE(AltKey(wnd, 'g').empty());
  EXPECT_EQ(commands, std::vector<WPARAM>{102});

  // No item, or a disabled one: nothing opens and no command is sent.
  commands.clear();
  EXPECT_TRUE(AltKey(wnd, 'z').empty());
  EXPECT_TRUE(AltKey(wnd, 't').empty());
  EXPECT_TRUE(commands.empty());
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
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  mainMenu->Items()->Add(file);
  auto* open = new TMenuItem(form);
  open->SetCaption("&Open");
  file->Add(open);
  auto* go = new TMenuItem(form);
  go->SetCaption("&Go");
  int menuGo = 0, buttonGo = 0;
  go->OnClick = [&](TObject*) { ++menuGo; };
  mainMenu->Items()->Add(go);
  form->SetMenu(mainMenu);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  auto* button = new TButton(form);
  button->SetParent(form);
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
  SkinWindow(MakeWindow(ThreePopups(true)));
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
  SkinWindow(MakeWindow(ThreePopups(false)));
  TWinSkinMenu& plain = *skinner->MenuBar();
  EXPECT_EQ(run(plain, 0, {VK_LEFT}), (std::vector<int>{0, 2}));
  EXPECT_EQ(run(plain, 0, {VK_RIGHT}), (std::vector<int>{0, 1}));
}

TEST_F(MenuKeys, ArrowsInACascadedSubmenuStayInIt) {
  // File's first item opens a submenu of its own.
  HMENU menu = ThreePopups(false);
  HMENU file = GetSubMenu(menu, 0);
  HMENU more = CreatePopupMenu();
  AppendMenuW(more, MF_STRING, 150, L"Deep");
  InsertMenuW(file, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"&More");
  SkinWindow(MakeWindow(menu));
  TWinSkinMenu& bar = *skinner->MenuBar();
  // Right opens the submenu instead of moving on; Left closes only the
  // submenu; a second Left moves to the bar item before (wrapping).
  const auto seen = WatchBarPopups({VK_RIGHT, VK_LEFT, VK_LEFT}, [&] { bar.PopupMenuBtn(*bar.Items()[0]); });
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 2}));
  // Escape, too, closes only the submenu.
  const auto escaped = WatchBarPopups({VK_RIGHT, VK_ESCAPE, VK_LEFT}, [&] { bar.PopupMenuBtn(*bar.Items()[0]); });
  EXPECT_EQ(escaped, (std::vector<int>{0, 0, 0, 2}));
}
