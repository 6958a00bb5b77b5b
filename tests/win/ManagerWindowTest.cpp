// The skin manager on real windows: which windows SkinWindow refuses, which
// skin data a window takes, and what the CBT hook sees.
#include <gtest/gtest.h>

#include "tests/win/ManagerTestUtil.h"

namespace pelorin::testing {
namespace {

using TManagerWindowTest = TManagerTest;

TEST_F(TManagerWindowTest, SkinWindowRefusesEachCaseInOrder) {
  TSkinData* main = Add(sfMainform);
  TSkinManage& m = Manager();
  HWND top = Window();

  EXPECT_FALSE(m.SkinWindow(top));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::Inactive);
  m.Active = true;

  HWND child = Window(100, 50, WS_CHILD | WS_VISIBLE, L"PelorinMgrTest", top);
  EXPECT_FALSE(m.SkinWindow(child));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::PlainChild);

  EXPECT_FALSE(m.SkinWindow(Window(0, 0, WS_POPUP)));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::EmptyRect);

  HWND tagged = Window();
  host.Forms.push_back({tagged, 99});
  EXPECT_FALSE(m.SkinWindow(tagged));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::FormTag99);

  EXPECT_FALSE(m.SkinWindow(Window(300, 200, WS_OVERLAPPEDWINDOW, L"TApplication")));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::ApplicationWindow);

  // FormSkinCheck: the built-in refusals and the application's event.
  EXPECT_FALSE(m.SkinWindow(Window(300, 200, WS_OVERLAPPEDWINDOW, L"TfrPreview")));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::FormSkinRefused);
  std::vector<std::string> asked;
  main->OnFormSkin = [&](TObject*, std::string name, bool& doSkin) {
    asked.push_back(name);
    doSkin = name != "PelorinNoSkin";
  };
  EXPECT_FALSE(m.SkinWindow(Window(300, 200, WS_OVERLAPPEDWINDOW, L"PelorinNoSkin")));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::FormSkinRefused);
  EXPECT_EQ(asked, std::vector<std::string>{"PelorinNoSkin"});  // earlier refusals never asked

  // A host form is attached as a form, a foreign window as a window; both
  // get the activation message once.
  HWND form = Window();
  host.Forms.push_back({form, 7});
  ASSERT_TRUE(m.SkinWindow(form));
  ASSERT_TRUE(m.SkinWindow(top));
  EXPECT_EQ(log.Count("AttachForm"), 1);
  EXPECT_EQ(log.Count("AttachWindow"), 1);
  EXPECT_FALSE(m.SkinWindow(top));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::Tracked);
  PumpFor(20);
  EXPECT_EQ(ActivationMessages()[top], 1);

  main->Empty = true;
  EXPECT_FALSE(m.SkinWindow(Window()));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::NoSkinData);
  data.clear();  // no skin data at all; its skinners go with it
  EXPECT_EQ(log.Live, 0);
  EXPECT_FALSE(m.SkinWindow(Window()));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::NoSkinData);

  EXPECT_TRUE(m.IsTracked(nullptr) == false);
  EXPECT_FALSE(m.ReleaseWindow(top));
}

TEST_F(TManagerWindowTest, FindSkinDataPerWindowKind) {
  TSkinData* main = Add(sfMainform);
  TSkinData* dialog = Add(sfDialog);
  TSkinData* own = Add(sfOnlyThisForm);
  TSkinManage& m = Manager();
  HWND form2 = Window();
  host.Owners[own] = form2;
  // The system's dialog class itself (registering one of ours would hide it).
  HWND box = CreateWindowExW(0, L"#32770", L"box", WS_POPUP | WS_CAPTION, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  windows.push_back(box);
  HWND messageForm = Window(300, 200, WS_POPUP | WS_CAPTION, L"TMessageForm");

  EXPECT_EQ(m.FindSkinData(Window()), main);
  EXPECT_EQ(m.FindSkinData(form2), own);
  EXPECT_EQ(m.FindSkinData(box), dialog);
  EXPECT_EQ(m.FindSkinData(messageForm), dialog);

  // An own skin that is not Active still skins its form while the manager is.
  own->SetActive(false);
  m.Active = true;
  ASSERT_TRUE(m.SkinWindow(form2));
  EXPECT_EQ(m.FindSkinner(form2)->SkinData(), own);
  // Without a dialog skin a dialog takes the main one.
  data.erase(data.begin() + 1);
  EXPECT_EQ(m.FindSkinData(box), main);
}

TEST_F(TManagerWindowTest, HookSkinsActivatedWindowsAndReleasesDestroyedOnes) {
  Add(sfMainform);
  TSkinManage& m = Manager();
  EXPECT_FALSE(m.Started);
  m.PostAction(maSkinAll);  // before the first activation: only marks active
  EXPECT_TRUE(m.Active);
  EXPECT_FALSE(m.ActionScheduled());

  HWND top = Window();
  ShowWindow(top, SW_SHOW);
  PumpFor(20);
  EXPECT_TRUE(m.Started);
  ASSERT_TRUE(m.IsTracked(top));
  EXPECT_EQ(ActivationMessages()[top], 1);

  DestroyWindow(top);
  EXPECT_FALSE(m.IsTracked(top));
  EXPECT_EQ(log.Count("Detach(going)"), 1);
  EXPECT_EQ(log.Live, 0);
}

// The message box test closes the box from a timer inside its modal loop.
TSkinManage* gBoxManager = nullptr;
HWND gBoxSeen = nullptr;
TSkinData* gBoxSkin = nullptr;

// Without the hook the box would never close by itself.
void CALLBACK CloseBoxAnyway(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND box = FindWindowW(L"#32770", L"Manager test")) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void CALLBACK CloseSkinnedBox(HWND, UINT, UINT_PTR id, DWORD) {
  for (const auto& s : gBoxManager->FormSkinners()) {
    HWND wnd = static_cast<TManagedWindowSkinner&>(*s).Handle();
    char name[100]{};
    GetClassNameA(wnd, name, sizeof name);
    if (std::string(name) == "#32770") {
      gBoxSeen = wnd;
      gBoxSkin = static_cast<TManagedWindowSkinner&>(*s).SkinData();
      KillTimer(nullptr, id);
      PostMessageW(wnd, WM_COMMAND, IDOK, 0);
      return;
    }
  }
}

TEST_F(TManagerWindowTest, MessageBoxTakesTheDialogSkin) {
  Add(sfMainform);
  TSkinData* dialog = Add(sfDialog);
  TSkinManage& m = Manager();
  m.PostAction(maSkinAll);
  gBoxManager = &m;
  gBoxSeen = nullptr;
  gBoxSkin = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseSkinnedBox);
  const UINT_PTR safety = SetTimer(nullptr, 0, 4000, CloseBoxAnyway);
  const int result = MessageBoxW(nullptr, L"Skinned?", L"Manager test", MB_OK);
  KillTimer(nullptr, timer);
  KillTimer(nullptr, safety);
  EXPECT_EQ(result, IDOK);
  ASSERT_NE(gBoxSeen, nullptr);
  EXPECT_EQ(gBoxSkin, dialog);
  EXPECT_FALSE(m.IsTracked(gBoxSeen));  // released when the box went
  EXPECT_EQ(log.Count("Detach(going)"), 1);
  EXPECT_EQ(log.Live, 0);
}

}  // namespace
}  // namespace pelorin::testing
