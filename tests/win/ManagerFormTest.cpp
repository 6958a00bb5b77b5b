// The skin manager with the real form skinner on host framework forms and
// system dialogs, and skin data events bound in form files.
#include <gtest/gtest.h>

#include "host/core/Filer.h"
#include "host/win/FormStreaming.h"
#include "host/win/Forms.h"
#include "host/win/Graphics.h"
#include "host/win/Grids.h"
#include "host/win/platform/GdiCounters.h"
#include "paint/PaintTypes.h"
#include "skinmodel/WinSkinStore.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/ScreenRead.h"
#include "manager/win/WinSkinFormAdapter.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/ManagerTestUtil.h"

namespace pelorin::testing {
namespace {

class TManagerFormTest : public TRealManagerTest {
protected:
  void SetUp() override {
    TRealManagerTest::SetUp();
    skin = testing::MakeSkin(skingen::SlateTheme());
  }
  TForm* NewForm(int tag = 0) {
    auto* form = new TForm(app);
    form->SetBounds(60, 60, 420, 300);
    form->SetTag(tag);
    return form;
  }
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

// A new skin reaches every skinned form once and recolours the forms' grids;
// unskinning gives each grid its own colour back.
TEST_F(TManagerFormTest, SkinChangeReappliesRecoloursGridsAndNotifiesOnce) {
  TSkinManage& m = *WinSkinManager();
  int notified = 0;
  skin->OnSkinChanged = [&](TObject*) { ++notified; };
  skin->SetActive(true);
  TForm* a = NewForm();
  TForm* b = NewForm();
  auto* grid = new TStringGrid(a);
  grid->SetFixedColor(clRed);
  const TColor formColour = a->Color();
  a->Show();
  b->Show();
  app->ProcessMessages();
  ASSERT_EQ(m.FormSkinners().size(), 2u);
  const TSize client = ClientSize(a->Handle());
  const TColor firstFace = skin->colors[csButtonFace];
  EXPECT_EQ(grid->FixedColor(), firstFace);  // like the form, from the first skin on

  // A new skin loaded into the same component.
  testing::LoadArchive(*skin, testing::ThemeArchive(skingen::HarborTheme()));
  ASSERT_NE(skin->colors[csButtonFace], firstFace);
  m.PendingSkinData = skin.get();
  m.PostAction(maSkinChanged);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(notified, 1);
  for (const auto& s : m.FormSkinners()) EXPECT_EQ(static_cast<TWinSkinFormAdapter&>(*s).SkinForm().Stage(), stActive);
  EXPECT_EQ(ClientSize(a->Handle()), client);
  EXPECT_EQ(grid->FixedColor(), skin->colors[csButtonFace]);
  EXPECT_EQ(a->Color(), skin->colors[csButtonFace]);

  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return !m.ActionScheduled(); }));
  EXPECT_EQ(grid->FixedColor(), clRed);
  EXPECT_EQ(a->Color(), formColour);
}

int InkPixels(const TBitmap& image) {
  int n = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) n += image.GetPixel(x, y) != TransparentKeyColour;
  return n;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) { return DifferingPixels(a, b) == 0; }

// Windows without an icon of their own, host forms as system dialogs, show
// the application's icon in the icon button, not an empty square; a window
// with an icon shows its own.
TEST_F(TManagerFormTest, WindowsWithoutAnIconShowTheApplications) {
  TSkinManage& m = *WinSkinManager();
  ASSERT_TRUE(skin->IconBitmap.Empty());
  skin->SetActive(true);
  TForm* form = NewForm();
  form->Show();
  app->ProcessMessages();
  auto* formSkinner = static_cast<TWinSkinFormAdapter*>(m.FindSkinner(form->Handle()));
  ASSERT_NE(formSkinner, nullptr);
  const TBitmap& appIcon = formSkinner->SkinForm().FormIcon();
  EXPECT_GT(InkPixels(appIcon), 0);

  const auto dialog = [&](HICON icon, int x) {
    HWND box = CreateWindowExW(0, L"#32770", L"box", WS_POPUP | WS_CAPTION | WS_SYSMENU, x, 60, 260, 160, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (icon) SendMessageW(box, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ShowWindow(box, SW_SHOW);
    SetForegroundWindow(box);
    app->ProcessMessages();
    return box;
  };
  HWND plain = dialog(nullptr, 300);
  HWND own = dialog(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ERROR)), 40);
  auto* plainSkinner = static_cast<TWinSkinFormAdapter*>(m.FindSkinner(plain));
  auto* ownSkinner = static_cast<TWinSkinFormAdapter*>(m.FindSkinner(own));
  ASSERT_TRUE(plainSkinner && ownSkinner);
  EXPECT_TRUE(SamePixels(plainSkinner->SkinForm().FormIcon(), appIcon));
  EXPECT_GT(InkPixels(ownSkinner->SkinForm().FormIcon()), 0);
  EXPECT_FALSE(SamePixels(ownSkinner->SkinForm().FormIcon(), appIcon));

  // On screen: the dialog's icon button shows the application's icon.
  const TWinSkinForm& box = plainSkinner->SkinForm();
  ASSERT_TRUE(PumpUntil([&] { return box.Stage() == stActive; }));
  RedrawWindow(plain, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  app->ProcessMessages();
  const TWinSysButton* iconButton = nullptr;
  for (const auto& b : box.SysButtons())
    if (b->SkinButton().Action == sbaIconA || b->SkinButton().Action == sbaIconB) iconButton = b.get();
  ASSERT_NE(iconButton, nullptr);
  EXPECT_EQ(&iconButton->Image(), &box.FormIcon());
  HDC dc = GetWindowDC(plain);
  int shown = 0;
  for (int y = 0; y < appIcon.Height(); ++y)
    for (int x = 0; x < appIcon.Width(); ++x)
      if (appIcon.GetPixel(x, y) != TransparentKeyColour)
        shown += GetPixel(dc, iconButton->BoundsRect.Left + x, iconButton->BoundsRect.Top + y) ==
                 ToColorRef(appIcon.GetPixel(x, y));
  ReleaseDC(plain, dc);
  EXPECT_EQ(shown, InkPixels(appIcon));
  DestroyWindow(plain);
  DestroyWindow(own);
}

// A skin data component's events name methods of its form in the form file.
class TSkinEventsForm : public TForm {
public:
  using TForm::TForm;
  std::string ClassName() const override { return "TSkinEventsForm"; }
  void FormSkin(TObject* sender, std::string name, bool& doSkin) {
    asker = sender;
    doSkin = name != "TRefusedForm";
  }
  void SkinChanged(TObject* sender) { changedBy = sender; }
  TObject* asker = nullptr;
  TObject* changedBy = nullptr;
};

TEST_F(TManagerFormTest, SkinDataEventsBindToFormMethodsInFormFiles) {
  RegisterHostClasses();
  RegisterSkinModelClasses();
  RegisterComponentClass<TSkinEventsForm>("TSkinEventsForm");
  RegisterMethod("TSkinEventsForm", "FormSkin", &TSkinEventsForm::FormSkin);
  RegisterMethod("TSkinEventsForm", "SkinChanged", &TSkinEventsForm::SkinChanged);
  auto* form = new TSkinEventsForm(app);
  ReadComponentText(R"(object SkinEventsForm: TSkinEventsForm
  object sd: TSkinData
    SkinFormtype = sfDialog
    OnFormSkin = FormSkin
    OnSkinChanged = SkinChanged
  end
end
)",
                    *form);
  auto* sd = dynamic_cast<TSkinData*>(form->FindComponent("sd"));
  ASSERT_NE(sd, nullptr);
  bool doSkin = true;
  sd->FormSkinCheck("TRefusedForm", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_EQ(form->asker, sd);
  doSkin = true;
  sd->FormSkinCheck("TOtherForm", doSkin);
  EXPECT_TRUE(doSkin);
  sd->DoSkinChanged();
  EXPECT_EQ(form->changedBy, sd);

  // Written back, the bindings keep the methods' names.
  const std::string text = WriteComponentText(*form);
  EXPECT_NE(text.find("OnFormSkin = FormSkin"), std::string::npos);
  EXPECT_NE(text.find("OnSkinChanged = SkinChanged"), std::string::npos);
}

}  // namespace
}  // namespace pelorin::testing
