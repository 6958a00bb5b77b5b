// Skinned combo boxes, edits and up-down controls under Wine: combo frames
// and arrow read back from the screen, the edit's flat ring after the system
// drew its frame again, the spin of a date-time picker, the pressed half of
// an up-down, and attach cycles that leave nothing behind.
#include <gtest/gtest.h>

#include "controls/ComboLayout.h"
#include "controls/win/AttachInputs.h"
#include "controls/win/SkinEdit.h"
#include "controls/win/SkinUpDown.h"
#include "host/win/ComCtrls.h"
#include "host/win/StdCtrls.h"
#include "host/win/platform/GdiCounters.h"
#include "paint/PieceBlit.h"
#include "tests/support/win/AllocationCount.h"
#include "tests/support/win/ScreenRead.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/HostTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

constexpr TColor ComboBack = MakeRGB(30, 60, 90);
constexpr TColor EditBack = MakeRGB(250, 240, 200);

class ControlInputs : public THostTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    // Dark, with a one-pixel sunken edge so that the ring inside it shows.
    TSkinFiles files = ThemeFiles(skingen::EmberTheme());
    SetKeys(files, "SunkEdge", {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"}, "1");
    skin = MakeSkin(PackFiles(files));
    ASSERT_FALSE(skin->Empty);
    form = new TForm(app);
    form->SetBounds(40, 40, 420, 260);
    for (int i = 0; i < 3; ++i) {
      combos[i] = new TComboBox(form);
      combos[i]->SetParent(form);
      combos[i]->SetStyle(i == 0 ? csDropDown : i == 1 ? csDropDownList : csSimple);
      combos[i]->SetBounds(20 + 140 * i, 20, 120, i == 2 ? 80 : 24);
      combos[i]->SetColor(ComboBack);
      combos[i]->AddItem("First");
    }
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 110, 120, 24);
    memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(160, 110, 120, 60);
    memo->SetScrollBars(ssVertical);
    for (TWinControl* c : {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(memo)}) c->SetColor(EditBack);
    picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetDateMode(dmUpDown);
    picker->SetBounds(20, 180, 140, 24);
    upDown = new TUpDown(form);
    upDown->SetParent(form);
    upDown->SetBounds(300, 110, 17, 25);
    form->Show();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    skinner->AttachForm(form);
    PostMessageW(form->Handle(), WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
    testing::Pump();
    // Two combos, edit, memo, picker and its spin, up-down; the simple combo is left alone.
    ASSERT_EQ(skinner->ControlSkinners().size(), 7u);
    EXPECT_EQ(WindowSkinners().Find(combos[2]->Handle()), nullptr);
    edit->SetFocus();
    testing::Pump();
  }
  void TearDown() override {
    skinner.reset();
    THostTest::TearDown();
  }
  // Pixels of the combo's drop-down button that differ from frame of the button and arrow.
  int ButtonMismatch(TComboBox* combo, int frame) {
    const TBitmap shown = ReadScreen(combo->Handle());
    const TRect r = Rect(0, 0, shown.Width(), shown.Height());
    const TRect b = ComboButtonRect(r, GetSystemMetrics(SM_CXHSCROLL) + 2);
    TBitmap expected(r.Width(), r.Height());
    expected.Fill(ColorToRGB(skin->colors[csButtonFace]));
    const TDataSkinObject &button = *skin->ComboButton, &arrow = *skin->ExtraImages;
    TSkinControl::DrawStretchedFrame(expected, b, button.Style.Frames, frame, button.Bitmap);
    const int aw = arrow.Bitmap.Width() / arrow.Style.Frames;
    TSkinControl::DrawStretchedFrame(expected, ComboArrowRect(b, r, aw, arrow.Bitmap.Height()), arrow.Style.Frames,
                                     frame, arrow.Bitmap);
    TBitmap a(b.Width(), b.Height()), e(b.Width(), b.Height());
    CopyPixels(a, 0, 0, shown, b);
    CopyPixels(e, 0, 0, expected, b);
    return DifferingPixels(a, e);
  }
  // The flat ring: the shadow colour outside, the edit's own background inside.
  void ExpectRing(TWinControl* c, const char* when) {
    SCOPED_TRACE(when);
    const TBitmap shown = ReadScreen(c->Handle());
    const int y = shown.Height() / 2;
    EXPECT_EQ(shown.GetPixel(0, y), ColorToRGB(skin->colors[csButtonShadow]));
    EXPECT_EQ(shown.GetPixel(shown.Width() - 1, y), ColorToRGB(skin->colors[csButtonShadow]));
    EXPECT_EQ(shown.GetPixel(1, y), EditBack);
    EXPECT_EQ(shown.GetPixel(2, y), EditBack);
  }

  std::unique_ptr<TSkinData> skin;
  TForm* form = nullptr;
  TComboBox* combos[3] = {};
  TEdit* edit = nullptr;
  TMemo* memo = nullptr;
  TDateTimePicker* picker = nullptr;
  TUpDown* upDown = nullptr;
  std::unique_ptr<TWinSkinForm> skinner;
};

TEST_F(ControlInputs, ComboFramesArrowAndSunkenBorder) {
  for (TComboBox* combo : {combos[0], combos[1]}) {
    SCOPED_TRACE(combo->Style());
    const HWND h = combo->Handle();
    EXPECT_EQ(ButtonMismatch(combo, cfNormal), 0);
    combo->Perform(CM_MOUSEENTER);
    EXPECT_EQ(ButtonMismatch(combo, cfHot), 0);
    combo->Perform(CM_MOUSELEAVE);
    SendMessageW(h, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(ButtonMismatch(combo, cfPressed), 0);  // while the list is open
    SendMessageW(h, CB_SHOWDROPDOWN, FALSE, 0);
    combo->SetFocus();
    EXPECT_EQ(ButtonMismatch(combo, cfHot), 0);  // focused
    edit->SetFocus();
    EXPECT_EQ(ButtonMismatch(combo, cfNormal), 0);
    // The sunken edge from the skin, and inside it the combo's own background, not a stock brush.
    const TBitmap shown = ReadScreen(h);
    const TDataSkinObject& edge = *skin->SunkEdge;
    EXPECT_EQ(shown.GetPixel(0, shown.Height() / 2), edge.Bitmap.GetPixel(0, edge.Bitmap.Height() / 2));
    EXPECT_EQ(shown.GetPixel(1, shown.Height() / 2), ComboBack);
    EXPECT_EQ(shown.GetPixel(20, 1), ComboBack);
    combo->SetEnabled(false);
    EXPECT_EQ(ButtonMismatch(combo, cfDisabled), 0);
  }
}

TEST_F(ControlInputs, EditAndMemoRingsComeBackAfterTheFrameIsRedrawn) {
  for (TWinControl* c : {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(memo)}) {
    ExpectRing(c, "painted");
    SendMessageW(c->Handle(), WM_NCPAINT, 1, 0);  // the system's edge drawn again, client untouched
    ExpectRing(c, "after WM_NCPAINT");
  }
}

TEST_F(ControlInputs, PickerSpinAndUpDownHalves) {
  // The spin inside the date-time picker is skinned with it and owned by the form skinner.
  const HWND spin = GetTopWindow(picker->Handle());
  ASSERT_EQ(WindowClassOf(spin), "msctls_updown32");
  auto* pickerSkinner = WindowSkinners().FindAs<TSkinEdit>(picker->Handle());
  ASSERT_NE(pickerSkinner, nullptr);
  EXPECT_EQ(pickerSkinner->UpDown(), WindowSkinners().FindAs<TSkinUpDown>(spin));
  const TColor face = ColorToRGB(skin->colors[csButtonFace]), shadow = ColorToRGB(skin->colors[csButtonShadow]),
               dark = ColorToRGB(skin->colors[csButtonDkShadow]);
  TBitmap shown = ReadScreen(spin);
  EXPECT_EQ(shown.GetPixel(1, 1), dark);  // the upper half's outline
  EXPECT_EQ(shown.GetPixel(2, 3), face);

  // The half under the cursor shows pressed while the button is down.
  const HWND ud = upDown->Handle();
  RECT r;
  GetWindowRect(ud, &r);
  SetCursorPos(r.left + 8, r.top + 18);
  SendMessageW(ud, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 18));
  shown = ReadScreen(ud);
  EXPECT_EQ(shown.GetPixel(2, 3), face);
  EXPECT_EQ(shown.GetPixel(2, 15), shadow);
  EXPECT_EQ(shown.GetPixel(8, 12), dark);  // the line between the halves
  SendMessageW(ud, WM_LBUTTONUP, 0, MAKELPARAM(8, 18));
  EXPECT_EQ(ReadScreen(ud).GetPixel(2, 15), face);

  // Unskinning the form detaches the spin too.
  skinner->Detach();
  EXPECT_EQ(WindowSkinners().Find(spin), nullptr);
  EXPECT_EQ(WindowSkinners().Find(ud), nullptr);
}

TEST_F(ControlInputs, AttachDetachAndSkinSwitchCyclesLeaveNothing) {
  auto other = MakeSkin(skingen::SlateTheme());
  skinner.reset();
  auto cycle = [&](int i) {
    TWinSkinForm host(i % 2 ? skin.get() : other.get());
    EXPECT_EQ(SkinFrameworkInputs(host, *form, i % 2 ? skin.get() : other.get()), 6);
    // By index: a paint may hand the form skinner a new skinner.
    for (size_t k = 0; k < host.ControlSkinners().size(); ++k) {
      host.ControlSkinners()[k]->ApplySkinChange(i % 2 ? other.get() : skin.get());
      host.ControlSkinners()[k]->PaintNow();
    }
    EXPECT_EQ(host.ControlSkinners().size(), 7u);
  };
  cycle(0);
  cycle(1);
  testing::Pump();
  const long memory = LiveAllocations(), gdi = GdiCounters::Live();
  for (int i = 0; i < 200; ++i) cycle(i);
  testing::Pump();
  EXPECT_EQ(LiveAllocations(), memory);
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(WindowSkinners().Find(picker->Handle()), nullptr);
  EXPECT_EQ(WindowSkinners().Find(GetTopWindow(picker->Handle())), nullptr);
}

TEST(ControlDialogInputs, DropDownsAndEditsAttachASimpleComboDoesNot) {
  auto skin = MakeSkin(skingen::SlateTheme());
  TTestWindow dialog(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 360, 240);
  auto make = [&](const wchar_t* cls, DWORD style, int y, int h) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | WS_VISIBLE | style, 10, y, 150, h, dialog.wnd,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  };
  const HWND drop = make(L"ComboBox", CBS_DROPDOWNLIST, 10, 120), simple = make(L"ComboBox", CBS_SIMPLE, 40, 60),
             edit = make(L"Edit", 0, 110, 24), extended = make(WC_COMBOBOXEXW, CBS_DROPDOWN, 150, 120);
  TWinSkinForm form(skin.get());
  Skin(form, dialog.wnd);
  EXPECT_NE(WindowSkinners().Find(drop), nullptr);
  EXPECT_EQ(WindowSkinners().Find(simple), nullptr);
  EXPECT_NE(WindowSkinners().FindAs<TSkinEdit>(edit), nullptr);
  EXPECT_NE(WindowSkinners().Find(GetTopWindow(extended)), nullptr);  // the combo inside
  // A plain dialog answers the colour message with the system's window brush.
  const TBitmap shown = ReadScreen(edit);
  EXPECT_EQ(shown.GetPixel(0, 12), ColorToRGB(skin->colors[csButtonShadow]));
  EXPECT_EQ(shown.GetPixel(1, 12), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
  form.Detach();
  EXPECT_EQ(WindowSkinners().Find(drop), nullptr);
}

}  // namespace
}  // namespace pelorin
