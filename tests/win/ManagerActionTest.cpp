// The skin manager's deferred requests, skin changes, MDI maximising and
// shutdown, over recording skinners on real windows.
#include <gtest/gtest.h>

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

TEST_F(TManagerActionTest, SkinChangeRunsThreePassesThenNotifiesOnce) {
  TSkinManage& m = Started(2);
  int notified = 0;
  main->OnSkinChanged = [&](TObject* sender) {
    EXPECT_EQ(sender, main);
    ++notified;
  };
  log.Calls.clear();
  m.PendingSkinData = main;
  m.ClearSysButtons();
  m.PostAction(maSkinChanged);
  EXPECT_EQ(notified, 0);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(m.PendingSkinData, nullptr);

  auto a = std::to_string(reinterpret_cast<uintptr_t>(host.Forms[0].Wnd));
  auto b = std::to_string(reinterpret_cast<uintptr_t>(host.Forms[1].Wnd));
  const std::vector<std::string> expected = {
      a + " ClearSysButtons", b + " ClearSysButtons",  // from the skin data's load
      a + " ClearSysButtons", a + " LoadSkinMetrics", b + " ClearSysButtons", b + " LoadSkinMetrics",
      a + " RemoveRegion",    b + " RemoveRegion",     a + " ApplySkinChange", b + " ApplySkinChange"};
  EXPECT_EQ(log.Calls, expected);

  // A second change without a pending skin data re-applies but tells nobody.
  m.PostAction(maSkinChanged);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(log.Count("ApplySkinChange"), 4);
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
