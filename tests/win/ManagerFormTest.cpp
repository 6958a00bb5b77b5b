// The skin manager with the real form skinner on host framework forms.
#include <gtest/gtest.h>

#include "host/win/Forms.h"
#include "host/win/platform/GdiCounters.h"
#include "tests/support/win/AllocationCount.h"
#include "manager/win/WinSkinFormAdapter.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/ManagerTestUtil.h"

namespace pelorin::testing {
namespace {

class TManagerFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    DestroySkinManager();
    InstallWinSkinManager();
    app = new TApplication(nullptr);
    app->Initialize();
    skin = testing::MakeSkin(skingen::SlateTheme());
  }
  void TearDown() override {
    skin.reset();
    delete app;
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
    SetFrameManagerLink(nullptr);
  }
  TForm* NewForm(int tag = 0) {
    auto* form = new TForm(app);
    form->SetBounds(60, 60, 420, 300);
    form->SetTag(tag);
    return form;
  }
  static TSize ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return {r.right, r.bottom};
  }

  TApplication* app = nullptr;
  std::unique_ptr<TSkinData> skin;
};

TEST_F(TManagerFormTest, ActivatedFormsAreSkinnedAndGivenBack) {
  TSkinManage& m = *WinSkinManager();
  ASSERT_FALSE(skin->Empty);
  skin->SetActive(true);
  EXPECT_TRUE(m.Active);

  TForm* form = NewForm();
  TForm* tagged = NewForm(99);
  const HWND wnd = form->Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE) | WS_VISIBLE;
  const TSize client = ClientSize(wnd);
  form->Show();
  app->ProcessMessages();
  ASSERT_TRUE(m.IsTracked(wnd));
  auto* skinner = static_cast<TWinSkinFormAdapter*>(m.FindSkinner(wnd));
  EXPECT_EQ(skinner->SkinForm().Form(), form);
  EXPECT_EQ(skinner->SkinForm().SkinData(), skin.get());
  ASSERT_TRUE(PumpUntil([&] { return skinner->SkinForm().Stage() == stActive; }));
  EXPECT_EQ(ClientSize(wnd), client);  // the frame changed, the client area did not

  tagged->Show();
  app->ProcessMessages();
  EXPECT_FALSE(m.IsTracked(tagged->Handle()));
  EXPECT_EQ(m.LastRefusal(), TSkinRefusal::FormTag99);

  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_TRUE(m.FormSkinners().empty());
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE), style);
  EXPECT_EQ(ClientSize(wnd), client);

  // Skin and unskin many times: every skinner goes, the window stays as it
  // was, and no GDI object or memory is kept (counted after a first cycle,
  // which grows the shared paint buffers once).
  long gdi = 0, memory = 0;
  for (int i = 0; i < 201; ++i) {
    if (i == 1) {
      app->ProcessMessages();
      gdi = GdiCounters::Live();
      memory = LiveAllocations();
    }
    m.PostAction(maSkinAll);
    m.DoAction();
    ASSERT_TRUE(m.IsTracked(wnd)) << "cycle " << i;
    app->ProcessMessages();
    m.PostAction(maUnskinAll);
    m.DoAction();
    ASSERT_TRUE(m.FormSkinners().empty()) << "cycle " << i;
  }
  app->ProcessMessages();
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(LiveAllocations(), memory);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE), style);
  EXPECT_EQ(ClientSize(wnd), client);
}

TEST_F(TManagerFormTest, SkinChangeReappliesAndNotifiesOnce) {
  TSkinManage& m = *WinSkinManager();
  int notified = 0;
  skin->OnSkinChanged = [&](TObject*) { ++notified; };
  skin->SetActive(true);
  TForm* a = NewForm();
  TForm* b = NewForm();
  a->Show();
  b->Show();
  app->ProcessMessages();
  ASSERT_EQ(m.FormSkinners().size(), 2u);
  const TSize client = ClientSize(a->Handle());

  // A new skin loaded into the same component.
  testing::LoadArchive(*skin, testing::ThemeArchive(skingen::HarborTheme()));
  m.PendingSkinData = skin.get();
  m.PostAction(maSkinChanged);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  for (const auto& s : m.FormSkinners()) EXPECT_EQ(static_cast<TWinSkinFormAdapter&>(*s).SkinForm().Stage(), stActive);
  EXPECT_EQ(ClientSize(a->Handle()), client);
}

}  // namespace
}  // namespace pelorin::testing
