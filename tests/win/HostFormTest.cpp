// The application object, forms and menus under Wine: exceptions from
// handlers, the modal loop, release, MDI styles, native menus and shortcuts.
#include <gtest/gtest.h>

#include "HostTestUtil.h"
#include "host/win/Menus.h"

namespace pelorin {
namespace {

using testing::NewItem;
using testing::THostTest;
using testing::TWindowProcRestore;
using testing::WindowClassOf;

class TForm7 : public TForm {
public:
  using TForm::TForm;
  std::string ClassName() const override { return "TForm7"; }
};

using HostForms = THostTest;

TEST_F(HostForms, ExceptionsFromHandlersReachTheApplication) {
  TForm7* form = nullptr;
  app->CreateForm(form);
  EXPECT_EQ(app->MainForm(), form);
  EXPECT_EQ(WindowClassOf(form->Handle()), "TForm7");
  ASSERT_EQ(Screen->FormCount(), 1);
  EXPECT_EQ(Screen->Forms(0), form);
  EXPECT_GT(Screen->MenuFont().Height() != 0, 0);

  TWndMethod old = form->WindowProc();
  const TWindowProcRestore restore(form);
  form->SetWindowProc([&](TMessage& m) {
    if (m.Msg == WM_USER + 1) throw EListError("Division by zero");
    old(m);
  });
  SendMessageW(form->Handle(), WM_USER + 1, 0, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Division by zero.");

  std::string caught;
  TObject* sender = nullptr;
  app->OnException = [&](TObject* s, const std::exception& e) {
    sender = s;
    caught = e.what();
  };
  PostMessageW(form->Handle(), WM_USER + 1, 0, 0);
  Pump();
  EXPECT_EQ(caught, "Division by zero");
  EXPECT_EQ(sender, app);
  EXPECT_EQ(boxes.size(), 1u);

  // Closing the main form ends the message loop.
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  app->Run();
  EXPECT_TRUE(app->Terminated());
}

TEST_F(HostForms, ShowModalDisablesTheOthersAndCloseEndsIt) {
  TForm* main = nullptr;
  app->CreateForm(main);
  main->Show();
  auto* dialog = new TForm(app);
  bool mainEnabledDuring = true;
  dialog->OnShow = [&](TObject*) {
    mainEnabledDuring = IsWindowEnabled(main->Handle());
    PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(mainEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  dialog->OnShow = [&](TObject*) { dialog->SetModalResult(mrOk); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), Exception);

  // A form closed with caFree is gone after the queued messages.
  TCloseAction* seenAction = nullptr;
  dialog->OnClose = [&](TObject*, TCloseAction& a) {
    seenAction = &a;
    a = caFree;
  };
  dialog->Close();
  EXPECT_NE(seenAction, nullptr);
  EXPECT_EQ(Screen->FormCount(), 2);
  Pump();
  EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(HostForms, MdiFrameAndChildren) {
  TForm* frame = nullptr;
  app->CreateForm(frame);
  frame->SetFormStyle(fsMDIForm);
  frame->Show();
  ASSERT_NE(frame->ClientHandle(), nullptr);
  EXPECT_EQ(WindowClassOf(frame->ClientHandle()), "MDIClient");
  auto* child = new TForm(app);
  child->SetFormStyle(fsMDIChild);
  HWND c = child->Handle();
  EXPECT_EQ(GetParent(c), frame->ClientHandle());
  EXPECT_TRUE(GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(frame->ClientHandle(), WM_MDIGETACTIVE, 0, 0)), c);
  // A child without a frame cannot be made.
  auto* orphan = new TForm(nullptr);
  app->SetTitle("x");
  frame->SetFormStyle(fsNormal);
  orphan->SetFormStyle(fsMDIChild);
  EXPECT_THROW(orphan->Handle(), Exception);
  delete orphan;
}

TEST_F(HostForms, MainMenuBuildsANativeMenuAndRoutesCommands) {
  TForm* form = nullptr;
  app->CreateForm(form);
  auto* menu = new TMainMenu(form);
  auto* file = NewItem(form, "&File", menu->Items());
  auto* open = NewItem(form, "&Open", file);
  open->SetShortCut(ShortCut('O', scCtrl));
  auto* line = NewItem(form, "-", file);
  int clicks = 0;
  open->OnClick = [&](TObject*) { ++clicks; };
  std::vector<UINT> seen;
  TWndMethod old = form->WindowProc();
  const TWindowProcRestore restore(form);
  form->SetWindowProc([&](TMessage& m) {
    seen.push_back(m.Msg);
    old(m);
  });
  form->SetMenu(menu);
  HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(sub), 2);
  wchar_t text[64]{};
  GetMenuStringW(sub, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Open\tCtrl+O");
  EXPECT_EQ(GetMenuItemID(sub, 0), open->Command());
  EXPECT_EQ(menu->FindItem(static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)), fkHandle), file);
  EXPECT_EQ(menu->FindItem(open->Command(), fkCommand), open);

  SendMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
  EXPECT_EQ(clicks, 1);
  // A change rebuilds the native menu and tells the form.
  seen.clear();
  open->SetChecked(true);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_MENUCHANGED), seen.end());
  sub = GetSubMenu(GetMenu(form->Handle()), 0);
  EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
  open->SetEnabled(false);
  SendMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
  EXPECT_EQ(clicks, 1);

  // Shortcuts: the key message with Ctrl held clicks the item.
  open->SetEnabled(true);
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG msg{form->Handle(), WM_KEYDOWN, 'O', 0, 0, {}};
  EXPECT_TRUE(menu->IsShortCut(msg));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_FALSE(menu->IsShortCut(msg));
  EXPECT_EQ(clicks, 2);

  // Deleting an item takes it out of the tree and the native menu.
  delete line;
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form->Handle()), 0)), 1);
}

TEST(HostMenuText, AcceleratorsAndShortcutTexts) {
  EXPECT_TRUE(IsAccel('f', "&File"));
  EXPECT_TRUE(IsAccel('F', "&file"));
  EXPECT_FALSE(IsAccel('i', "&File"));
  EXPECT_FALSE(IsAccel('&', "Save && Exit"));
  EXPECT_TRUE(IsAccel('x', "Save && E&xit"));
  EXPECT_FALSE(IsAccel('x', "Trailing&"));
  EXPECT_EQ(GetHotkey("No accel"), 0u);
  EXPECT_EQ(StripHotkey("Save && E&xit"), "Save & Exit");
  EXPECT_EQ(StripHotkey("&"), "");
  EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, scShift | scAlt)), "Shift+Alt+F5");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), "Del");
  EXPECT_EQ(ShortCutToText(0), "");
}

}  // namespace
}  // namespace pelorin
