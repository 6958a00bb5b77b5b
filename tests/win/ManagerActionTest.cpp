// The skin manager's deferred requests, skin changes, MDI maximising and
// shutdown, over recording skinners on real windows.
#include <gtest/gtest.h>

#include "host/win/Forms.h"
#include "manager/win/WinSkinFormAdapter.h"
#include "skinmodel/WinSkinStore.h"
#include "tests/support/win/WindowRegion.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/ManagerTestUtil.h"

namespace pelorin::testing {
namespace {

class TManagerActionTest : public TManagerTest {
protected:
  // A started, active manager with n skinned host forms.
  TSkinManage& Started(int n) {
    main = Add(sfMainform);
    TSkinManage& m = Manager();
    m.PostAction(maSkinAll);
    for (int i = 0; i < n; ++i) {
      HWND w = Window();
      host.Forms.push_back({w, 0});
      ShowWindow(w, SW_SHOW);
    }
    PumpFor(20);
    EXPECT_TRUE(m.Started);
    EXPECT_EQ(static_cast<int>(m.FormSkinners().size()), n);
    return m;
  }
  TSkinData* main = nullptr;
};

TEST_F(TManagerActionTest, LatestRequestRunsOnceAfterTheDelay) {
  TSkinManage& m = Started(3);
  m.PostAction(maUnskinAll);
  const auto posted = std::chrono::steady_clock::now();
  PumpFor(100);
  m.PostAction(maSkinAll);  // within the delay: replaces the request, keeps the time
  EXPECT_TRUE(m.ActionScheduled());
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - posted);
  EXPECT_GE(waited.count(), 240);
  EXPECT_LT(waited.count(), 1000);
  // Nothing was unskinned: the skin request won and found every form tracked.
  EXPECT_EQ(log.Count("Detach"), 0);
  EXPECT_EQ(log.Live, 3);
  EXPECT_TRUE(m.Active);

  m.PostAction(maUnskinAll);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_FALSE(m.Active);
  EXPECT_EQ(log.Count("Detach"), 3);  // unskinned, not going: colours come back
  EXPECT_EQ(log.Live, 0);
  // Inactive: a new activation skins nothing.
  ShowWindow(Window(), SW_SHOW);
  PumpFor(20);
  EXPECT_EQ(log.Live, 0);

  m.PostAction(maSkinAll);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(log.Live, 3);  // host forms come back at once; foreign windows on activation
}

TEST_F(TManagerActionTest, SkinChangeReappliesEveryWindowThenNotifiesOnce) {
  TSkinManage& m = Started(2);
  int notified = 0;
  main->OnSkinChanged = [&](TObject* sender) {
    EXPECT_EQ(sender, main);
    ++notified;
  };
  log.Calls.clear();
  // Records about to be replaced concern only the skinners drawing with them.
  m.ClearSysButtons(Add(sfDialog));
  EXPECT_EQ(log.Count("ClearSysButtons"), 0);
  m.ClearSysButtons(main);
  EXPECT_EQ(log.Count("ClearSysButtons"), 2);

  m.PendingSkinData = main;
  m.PostAction(maSkinChanged);
  EXPECT_EQ(notified, 0);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(m.PendingSkinData, nullptr);
  EXPECT_EQ(log.Count("ApplySkinChange"), 2);

  // A second change without a pending skin data re-applies but tells nobody.
  m.PostAction(maSkinChanged);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(log.Count("ApplySkinChange"), 4);
}

// The real form skinner, counting the manager's requests to drop its title
// buttons.
class TCountingFormSkinner : public TWinSkinFormAdapter {
public:
  using TWinSkinFormAdapter::TWinSkinFormAdapter;
  void ClearSysButtons() override {
    ++Clears;
    TWinSkinFormAdapter::ClearSysButtons();
  }
  int Clears = 0;
};

// The real skinner on host forms, for what a skin switch leaves behind.
class TManagerSkinSwitchTest : public TRealManagerTest {
protected:
  void SetUp() override {
    TRealManagerTest::SetUp();
    UseWinSkinManager([] { return std::make_unique<TScreenHost>(); },
                      [](TSkinData* data) { return std::make_unique<TCountingFormSkinner>(data); });
  }
};

// A skin loaded into the component that skins two host forms.
TEST_F(TManagerSkinSwitchTest, EachWindowIsRebuiltOnceFromTheNewSkin) {
  skin = MakeSkin(skingen::SlateTheme());
  TSkinManage& m = *WinSkinManager();
  skin->SetActive(true);
  std::vector<TForm*> forms;
  for (int i = 0; i < 3; ++i) {
    forms.push_back(new TForm(app));
    forms.back()->SetBounds(60 + 20 * i, 60, 420, 300);
  }
  forms[0]->Show();
  forms[1]->Show();
  app->ProcessMessages();
  std::vector<TCountingFormSkinner*> skinners;
  for (int i = 0; i < 2; ++i) {
    skinners.push_back(static_cast<TCountingFormSkinner*>(m.FindSkinner(forms[i]->Handle())));
    ASSERT_NE(skinners[i], nullptr);
    ASSERT_TRUE(PumpUntil([&] { return skinners[i]->SkinForm().Stage() == stActive; }));
  }
  const int builds[] = {skinners[0]->SkinForm().RegionBuilds(), skinners[1]->SkinForm().RegionBuilds()};

  TSkinStore store(nullptr);
  const TBytes harbor = ThemeArchive(skingen::HarborTheme());
  store.Store()->AddItem()->Data.Assign(harbor.data(), harbor.size());
  skin->LoadFromStore(store, 0);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  app->ProcessMessages();

  // A window skinned with the new skin from the start, sized as the others.
  forms[2]->Show();
  app->ProcessMessages();
  auto* fresh = static_cast<TCountingFormSkinner*>(m.FindSkinner(forms[2]->Handle()));
  ASSERT_NE(fresh, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return fresh->SkinForm().Stage() == stActive; }));
  RECT r;
  GetWindowRect(forms[0]->Handle(), &r);
  SetWindowPos(forms[2]->Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HRGN expected = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(forms[2]->Handle(), expected), ERROR);

  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const TWinSkinForm& f = skinners[i]->SkinForm();
    EXPECT_EQ(skinners[i]->Clears, 1);  // before the old records went
    // The new skin's buttons, one on each of its records.
    ASSERT_EQ(f.SysButtons().size(), skin->SysButtons.size());
    for (size_t k = 0; k < f.SysButtons().size(); ++k)
      EXPECT_EQ(&f.SysButtons()[k]->SkinButton(), skin->SysButtons[k].get());
    EXPECT_EQ(f.Metrics().Top, fresh->SkinForm().Metrics().Top);
    // The region the new skin gives, built once.
    EXPECT_TRUE(f.HasRegion());
    EXPECT_EQ(f.RegionBuilds(), builds[i] + 1);
    EXPECT_TRUE(TWindowRegion(forms[i]->Handle()).Equals(expected));
  }
  DeleteObject(expected);
}

TEST_F(TManagerActionTest, SkinChangeBeforeStartWaits) {
  TSkinData* main = Add(sfMainform);
  int notified = 0;
  main->OnSkinChanged = [&](TObject*) { ++notified; };
  TSkinManage& m = Manager();
  m.PendingSkinData = main;
  m.PostAction(maSkinChanged);
  PumpFor(300);
  EXPECT_FALSE(m.ActionScheduled());
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(m.PendingSkinData, main);
}

TEST_F(TManagerActionTest, MdiMaxSwitchesChildrenOnly) {
  TSkinManage& m = Started(3);
  auto skinner = [&](int i) { return static_cast<TFakeSkinner*>(m.FindSkinner(host.Forms[i].Wnd)); };
  skinner(0)->role = TSkinnerMdiRole::Child;
  skinner(1)->role = TSkinnerMdiRole::Child;
  skinner(1)->minimized = true;
  skinner(0)->BuildRegion();
  log.Calls.clear();

  m.SetMdiMax(false);  // unchanged: nothing
  EXPECT_TRUE(log.Calls.empty());
  m.SetMdiMax(true);
  EXPECT_EQ(log.Count("RemoveRegion"), 1);  // only the child that had a region
  EXPECT_EQ(log.Count("SetSysStyles(true)"), 2);
  log.Calls.clear();
  m.SetMdiMax(false);
  auto a = std::to_string(reinterpret_cast<uintptr_t>(host.Forms[0].Wnd));
  auto b = std::to_string(reinterpret_cast<uintptr_t>(host.Forms[1].Wnd));
  const std::vector<std::string> expected = {a + " SetNormalState", a + " BuildRegion", a + " SetSysStyles(false)",
                                             b + " SetSysStyles(true)"};
  EXPECT_EQ(log.Calls, expected);
}

TEST_F(TManagerActionTest, ShutdownUnhooksAndFreesEverySkinner) {
  TSkinManage& m = Started(3);
  m.PostAction(maUnskinAll);  // still pending at shutdown: must never fire
  DestroySkinManager();
  EXPECT_EQ(log.Live, 0);
  EXPECT_EQ(log.Count("Detach(going)"), 3);
  const int created = log.Created;
  PumpFor(300);
  ShowWindow(Window(), SW_SHOW);
  PumpFor(20);
  EXPECT_EQ(log.Created, created);  // the hook is gone
  EXPECT_EQ(log.Count("Detach"), 0);
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(TManagerActionTest, TwoHundredCyclesLeaveNoSkinnerBehind) {
  TSkinManage& m = Started(4);
  for (int i = 0; i < 200; ++i) {
    m.PostAction(maUnskinAll);
    m.DoAction();
    ASSERT_EQ(log.Live, 0) << "cycle " << i;
    m.PostAction(maSkinAll);
    m.DoAction();
    ASSERT_EQ(log.Live, 4) << "cycle " << i;
  }
  EXPECT_EQ(log.Created, 4 * 201);
  EXPECT_EQ(ActivationMessages().size(), 4u);
  PumpFor(20);
  for (const auto& [wnd, count] : ActivationMessages()) EXPECT_EQ(count, 201);
  DestroySkinManager();
  EXPECT_EQ(log.Live, 0);
}

}  // namespace
}  // namespace pelorin::testing
