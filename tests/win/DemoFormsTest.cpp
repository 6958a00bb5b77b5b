// The demo's forms read from their embedded form files: the components whose
// properties only the demo uses, the start-up steps, and the handlers bound
// by name (the host form-file suite reads the common properties back).
#include <gtest/gtest.h>

#include <type_traits>

#include "HostTestUtil.h"
#include "controls/win/AttachControls.h"
#include "controls/win/SkinBox.h"
#include "controls/win/SkinButton.h"
#include "controls/win/SkinCheckRadio.h"
#include "controls/win/SkinCombo.h"
#include "controls/win/SkinEdit.h"
#include "controls/win/SkinGlyphButtons.h"
#include "controls/win/SkinProgress.h"
#include "controls/win/SkinScrollBar.h"
#include "controls/win/SkinStatusBar.h"
#include "controls/win/SkinTab.h"
#include "demo/Unit1.h"
#include "demo/Unit2.h"
#include "manager/win/WinSkinFormAdapter.h"
#include "menus/win/WinSkinMenu.h"

namespace pelorin {
namespace {

class DemoForms : public testing::THostTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    InstallWinSkinManager();
    RegisterDemoForms();
    app->CreateForm(Form1);
  }
  void TearDown() override {
    THostTest::TearDown();  // frees both forms with the application
    Form1 = nullptr;
    Form2 = nullptr;
  }
  // Pumps until the manager's deferred request has run.
  void Settle() {
    for (int i = 0; i < 100 && WinSkinManager()->ActionScheduled(); ++i) {
      Sleep(10);
      Pump();
    }
  }
  template <class T> T* Get(TComponent& form, const char* name) {
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
};

TEST_F(DemoForms, MainFormHoldsEveryComponentAndRunsItsStartUp) {
  TForm1& f = *Form1;
  EXPECT_EQ(f.Menu(), f.MainMenu1);
  EXPECT_EQ(Get<TBitBtn>(f, "BitBtn1")->Kind(), bkClose);
  EXPECT_EQ(Get<TSpeedButton>(f, "SpeedButton1")->Glyph().Width(), 16);
  auto* rich = Get<TRichEdit>(f, "RichEdit1");
  EXPECT_TRUE(rich->ReadOnly());
  EXPECT_EQ(rich->ScrollBars(), ssBoth);
  EXPECT_GT(rich->Lines().Count(), 10);
  auto* status = Get<TStatusBar>(f, "StatusBar1");
  ASSERT_EQ(status->PanelCount(), 3);
  EXPECT_EQ(status->Panel(2).Text, "33333");
  EXPECT_EQ(status->Panel(2).Width, 50);
  EXPECT_EQ(f.ProgressBar1->Position(), 50);
  EXPECT_EQ(f.ImageList1->Count(), 12);
  EXPECT_EQ(Get<TMenuItem>(f, "ColorDialog1")->ImageIndex(), 7);
  EXPECT_EQ(Get<TMenuItem>(f, "Skin51")->Tag(), 4);

  // The store keeps five skins.
  ASSERT_EQ(f.SkinStore1->Store()->Count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_GT(f.SkinStore1->Store()->Item(i)->DataSize(), 1000);

  // Start-up: store skin 2 active in sd1, skin 1 in the dialog skin sd2.
  EXPECT_TRUE(f.sd1->Active());
  EXPECT_FALSE(f.sd1->Empty);
  EXPECT_EQ(f.sd1->SkinStream.GetSizeConst(), f.SkinStore1->Store()->Item(2)->Data.GetSizeConst());
  EXPECT_FALSE(f.sd2->Active());
  EXPECT_EQ(f.sd2->SkinFormtype, sfDialog);
  EXPECT_EQ(f.sd2->SkinStream.GetSizeConst(), f.SkinStore1->Store()->Item(1)->Data.GetSizeConst());
  // The grid lists the skins folder's files below its headings, like the combo box.
  const int files = f.ComboBox1->Items().Count();
  EXPECT_GT(files, 0);
  EXPECT_EQ(f.StringGrid1->RowCount(), files + 1);
  EXPECT_EQ(f.StringGrid1->ColCount(), 7);
  EXPECT_EQ(f.StringGrid1->Cells(6, 0), "column6");
  EXPECT_EQ(f.StringGrid1->Cells(0, files), "skin file" + std::to_string(files));
  EXPECT_EQ(f.StringGrid1->Cells(1, 1), f.ComboBox1->Items()[0]);
  EXPECT_EQ(f.StringGrid1->FixedColor(), f.sd1->colors[csButtonFace]);
}

// The main form as the demo shows it: skinned by the manager, its menu in
// the skinned bar under the title, before and after a skin switch.
TEST_F(DemoForms, MainFormShowsItsMenuInTheSkinnedBar) {
  TForm1& f = *Form1;
  f.Show();
  Pump();
  auto check = [&](const char* when) {
    Settle();
    auto* skinner = static_cast<TWinSkinFormAdapter*>(WinSkinManager()->FindSkinner(f.Handle()));
    ASSERT_NE(skinner, nullptr) << when;
    const TWinSkinForm& form = skinner->SkinForm();
    EXPECT_EQ(GetMenu(f.Handle()), nullptr) << when;
    ASSERT_NE(form.MenuBar(), nullptr) << when;
    EXPECT_EQ(form.MenuBar()->Count(), 4) << when;
    EXPECT_EQ(form.Metrics().MenuBar, GetSystemMetrics(SM_CYMENU)) << when;
    RECT wr;
    GetWindowRect(f.Handle(), &wr);
    POINT origin{0, 0};
    ClientToScreen(f.Handle(), &origin);
    EXPECT_EQ(origin.y - wr.top, form.Metrics().Top + form.Metrics().MenuBar) << when;
  };
  check("at start");
  ASSERT_TRUE(f.SelectSkinFile(f.ComboBox1->Items()[0]));
  check("after a skin file");
}

TEST_F(DemoForms, HandlersBoundByNameDoTheirWork) {
  TForm1& f = *Form1;
  f.Show();
  Pump();

  // Unskin and skin again; the designed caption goes at the first click.
  SendMessageW(f.Button4->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(f.sd1->Active());
  EXPECT_EQ(f.Button4->Caption(), "Skin");
  SendMessageW(f.Button4->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.sd1->Active());
  EXPECT_EQ(f.Button4->Caption(), "Unskin");

  // The timer runs between two clicks on the speed button; the bar wraps after 99.
  auto* speed = Get<TSpeedButton>(f, "SpeedButton1");
  ASSERT_TRUE(speed->OnClick);
  speed->OnClick(speed);
  EXPECT_TRUE(f.Timer1->Enabled());
  speed->OnClick(speed);
  EXPECT_FALSE(f.Timer1->Enabled());
  f.ProgressBar1->SetPosition(99);
  ASSERT_TRUE(f.Timer1->OnTimer);
  f.Timer1->OnTimer(f.Timer1);
  EXPECT_EQ(f.ProgressBar1->Position(), 0);

  // Built-in skins by the item's tag.
  auto* skin5 = Get<TMenuItem>(f, "Skin51");
  ASSERT_TRUE(skin5->OnClick);
  const TColor gridBefore = f.StringGrid1->FixedColor();
  skin5->OnClick(skin5);
  EXPECT_EQ(f.sd1->SkinStream.GetSizeConst(), f.SkinStore1->Store()->Item(4)->Data.GetSizeConst());
  // The skinner recolours the grid's fixed cells for the new skin.
  Settle();
  ASSERT_NE(f.sd1->colors[csButtonFace], gridBefore);
  EXPECT_EQ(f.StringGrid1->FixedColor(), f.sd1->colors[csButtonFace]);

  // A skin file that is not there: the status bar says why nothing changed,
  // and the designed panels come back with the next skin that loads.
  f.sd1->SetSkinFile(SkinsFolder() + "no-such-skin.skn");
  auto* status = Get<TStatusBar>(f, "StatusBar1");
  ASSERT_EQ(status->PanelCount(), 1);
  EXPECT_EQ(status->Panel(0).Text, "Skin not loaded: " + SkinsFolder() + "no-such-skin.skn: the file does not exist");

  // A skin file from the combo box.
  ASSERT_TRUE(f.SelectSkinFile(f.ComboBox1->Items()[0]));
  EXPECT_FALSE(f.sd1->Empty);
  EXPECT_NE(f.sd1->SkinFile().find(f.ComboBox1->Items()[0]), std::string::npos);
  EXPECT_EQ(status->PanelCount(), 3);

  // The message box, and the fault raised by the exception button.
  SendMessageW(Get<TButton>(f, "MessageBtn")->Handle(), BM_CLICK, 0, 0);
  SendMessageW(Get<TButton>(f, "ExceptionBtn")->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "Pelorin2.0 Demo !\rMessage Window Skin Demo.");
  EXPECT_EQ(boxes[1], "Division by zero.");  // the handler ends it with a full stop

  // The second form is made once, with its own skin from the store.
  auto* multi = Get<TButton>(f, "Button1");
  SendMessageW(multi->Handle(), BM_CLICK, 0, 0);
  TForm2* first = Form2;
  ASSERT_NE(first, nullptr);
  SendMessageW(multi->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Form2, first);
  EXPECT_EQ(Form2->Caption(), "Form2");
  EXPECT_EQ(Form2->Memo1->Lines()[0], "Tskindata.SkinFormType=sfOnlyThisForm");
  EXPECT_EQ(Form2->sd3->SkinFormtype, sfOnlyThisForm);
  EXPECT_FALSE(Form2->sd3->Active());
  EXPECT_EQ(Form2->sd3->SkinStream.GetSizeConst(), f.SkinStore1->Store()->Item(1)->Data.GetSizeConst());

  // Its controls keep its own skin, also through a switch of the main skin.
  auto settle = [&] {
    Settle();
    Pump();
  };
  auto skinOf = [](TWinControl* c) {
    auto* s = WindowSkinners().FindAs<TSkinControl>(c->Handle());
    return s ? s->SkinData() : nullptr;
  };
  settle();
  EXPECT_EQ(skinOf(Form2->Memo1), Form2->sd3);
  ASSERT_TRUE(f.SelectSkinFile("graphite"));
  settle();
  EXPECT_EQ(skinOf(Form2->Memo1), Form2->sd3);
  EXPECT_EQ(skinOf(Get<TEdit>(f, "Edit1")), f.sd1);
}

// Every control of the skinned main form has the skinner its kind is given;
// asking again attaches nothing; a control made later is skinned as well.
TEST_F(DemoForms, EveryControlOfTheMainFormGetsItsSkinner) {
  TForm1& f = *Form1;
  f.Show();
  ASSERT_TRUE(f.SelectSkinFile("graphite"));
  TSkinManage* m = WinSkinManager();
  Settle();
  auto* adapter = static_cast<TWinSkinFormAdapter*>(m->FindSkinner(f.Handle()));
  ASSERT_NE(adapter, nullptr);
  auto has = [&](const char* name, auto* kind) {
    using T = std::remove_pointer_t<decltype(kind)>;
    auto* control = dynamic_cast<TWinControl*>(f.FindComponent(name));
    ASSERT_NE(control, nullptr) << name;
    EXPECT_NE(WindowSkinners().FindAs<T>(control->Handle()), nullptr) << name;
  };
  has("PageControl1", static_cast<TSkinTab*>(nullptr));
  has("TabSheet1", static_cast<TSkinControl*>(nullptr));
  has("ComboBox1", static_cast<TSkinComBox*>(nullptr));
  has("CheckBox1", static_cast<TSkinCheckBox*>(nullptr));
  has("RadioButton2", static_cast<TSkinRadioButton*>(nullptr));
  has("Edit1", static_cast<TSkinEdit*>(nullptr));
  has("LoadBtn", static_cast<TSkinButton*>(nullptr));
  has("BitBtn1", static_cast<TSkinBitButton*>(nullptr));
  has("RichEdit1", static_cast<TSkinScrollBar*>(nullptr));
  has("ListBox1", static_cast<TSkinScrollBar*>(nullptr));
  has("StringGrid1", static_cast<TSkinScrollBar*>(nullptr));
  has("StatusBar1", static_cast<TSkinStatusBar*>(nullptr));
  has("Panel1", static_cast<TSkinBox*>(nullptr));
  has("ProgressBar1", static_cast<TSkinProgress*>(nullptr));
  EXPECT_NE(WindowSkinners().FindAs<TSkinSpeedButton>(f.FindComponent("SpeedButton1")), nullptr);

  TWinSkinForm& form = adapter->SkinForm();
  const size_t skinned = form.ControlSkinners().size();
  EXPECT_EQ(AttachControls(form, f, f.sd1), 0);
  EXPECT_EQ(form.ControlSkinners().size(), skinned);
  auto* late = new TButton(&f);
  late->SetParent(&f);
  late->SetBounds(10, 10, 80, 24);
  late->HandleNeeded();
  Pump();
  EXPECT_NE(WindowSkinners().FindAs<TSkinButton>(late->Handle()), nullptr);

  // A control whose window is made again gets its skin back, and the old
  // window's skinner leaves the list.
  auto* box = Get<TCheckBox>(f, "CheckBox2");
  box->SetAlignment(taRightJustify);  // a new window
  Pump();
  EXPECT_NE(WindowSkinners().FindAs<TSkinCheckBox>(box->Handle()), nullptr);
  EXPECT_EQ(form.ControlSkinners().size(), skinned + 1);

  // The label in the default text colour takes the skin's, legible on the
  // dark face; unskinned, it has its parent's font again.
  auto* label = Get<TLabel>(f, "Label1");
  EXPECT_EQ(label->Font().Color(), f.sd1->colors[csButtonText]);
  f.sd1->SetActive(false);
  Settle();
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(label->Font().Color(), f.Font().Color());
}

}  // namespace
}  // namespace pelorin
