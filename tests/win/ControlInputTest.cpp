// Skinned combo boxes, edits and up-down controls under Wine: combo frames
// and arrow read back from the screen, the edit's flat ring after the system
// drew its frame again, the spin of a date-time picker, the pressed half of
// an up-down, and attach cycles that leave nothing behind.
#include <gtest/gtest.h>

#include "controls/ComboLayout.h"
#include "controls/win/AttachControls.h"
#include "controls/win/SkinCheckRadio.h"
#include "controls/win/SkinEdit.h"
#include "controls/win/SkinUpDown.h"
#include "host/win/ComCtrls.h"
#include "host/win/StdCtrls.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

constexpr TColor ComboBack = MakeRGB(30, 60, 90);
constexpr TColor EditBack = MakeRGB(250, 240, 200);

class ControlInputs : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    // Dark, with a one-pixel sunken edge so that the ring inside it shows.
    TSkinFiles files = ThemeFiles(skingen::EmberTheme());
    SetKeys(files, "SunkEdge", {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"}, "1");
    MakeForm(MakeSkin(PackFiles(files)), 40, 40, 460, 260);
    // Styles set before the windows exist.
    for (int i = 0; i < 3; ++i) {
      combos[i] = new TComboBox(form);
      combos[i]->SetStyle(TComboBoxStyle(i));  // drop-down, simple, drop-down list
      combos[i]->SetParent(form);
      combos[i]->SetBounds(20 + 140 * i, 20, 120, i == csSimple ? 80 : 24);
      combos[i]->SetColor(ComboBack);
    }
    (edit = Add<TEdit>(20, 110, 120, 24))->SetColor(EditBack);
    (memo = Add<TMemo>(160, 110, 120, 60))->SetColor(EditBack);
    memo->SetScrollBars(ssVertical);
    picker = new TDateTimePicker(form);
    picker->SetDateMode(dmUpDown);
    picker->SetParent(form);
    picker->SetBounds(20, 180, 140, 24);
    upDown = Add<TUpDown>(300, 110, 17, 25);
    ShowSkinned();
    // Two combos, edit, the memo's bars, picker and its spin, up-down; the
    // simple combo is left alone.
    ASSERT_EQ(skinner->ControlSkinners().size(), 7u);
    EXPECT_EQ(WindowSkinners().Find(combos[csSimple]->Handle()), nullptr);
    edit->SetFocus();
    testing::Pump();
  }
  // Pixels of the combo's drop-down button that differ from frame of the button and arrow.
  int ButtonMismatch(TComboBox* combo, int frame) {
    const TBitmap shown = ReadScreen(combo->Handle());
    const TRect r = Rect(0, 0, shown.Width(), shown.Height());
    const TRect b = ComboButtonRect(r, GetSystemMetrics(SM_CXHSCROLL) + 2);
    const TDataSkinObject &button = *skin->ComboButton, &arrow = *skin->ExtraImages;
    const TRect a = ComboArrowRect(b, r, arrow.Bitmap.Width() / arrow.Style.Frames, arrow.Bitmap.Height());
    TBitmap expected(b.Width(), b.Height());
    expected.Fill(ColorToRGB(skin->colors[csButtonFace]));
    TSkinControl::DrawStretchedFrame(expected, b.Offset(-b.Left, 0), button.Style.Frames, frame, button.Bitmap);
    TSkinControl::DrawStretchedFrame(expected, a.Offset(-b.Left, 0), arrow.Style.Frames, frame, arrow.Bitmap);
    return DifferingPixels(Crop(shown, b), expected);
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

  TComboBox* combos[3] = {};
  TEdit* edit = nullptr;
  TMemo* memo = nullptr;
  TDateTimePicker* picker = nullptr;
  TUpDown* upDown = nullptr;
};

TEST_F(ControlInputs, ComboFramesArrowAndSunkenBorder) {
  for (TComboBox* combo : {combos[csDropDown], combos[csDropDownList]}) {
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
  ASSERT_NE(WindowSkinners().FindAs<TSkinUpDown>(spin), nullptr);
  EXPECT_EQ(WindowSkinners().FindAs<TSkinEdit>(picker->Handle())->UpDown(), WindowSkinners().Find(spin));
  const TColor face = ColorToRGB(skin->colors[csButtonFace]), shadow = ColorToRGB(skin->colors[csButtonShadow]),
               dark = ColorToRGB(skin->colors[csButtonDkShadow]);
  EXPECT_EQ(ReadScreen(spin).GetPixel(1, 1), dark);  // the upper half's outline

  // The half under the cursor shows pressed while the button is down.
  const HWND ud = upDown->Handle();
  RECT r;
  GetWindowRect(ud, &r);
  SetCursorPos(r.left + 8, r.top + 18);
  SendMessageW(ud, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 18));
  const TBitmap shown = ReadScreen(ud);
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
  ExpectCyclesLeaveNothing(*form, skin.get(), other.get(), 6, 7);
  EXPECT_EQ(WindowSkinners().Find(picker->Handle()), nullptr);
  EXPECT_EQ(WindowSkinners().Find(GetTopWindow(picker->Handle())), nullptr);
}

TEST(ControlDialogInputs, PlainWindowsByClassAndStyle) {
  auto skin = MakeSkin(skingen::SlateTheme());
  TTestWindow dialog(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 360, 300);
  auto make = [&](const wchar_t* cls, DWORD style, int y, int h) {
    return PlainChild(dialog.wnd, cls, L"", style, 10, y, 150, h, WS_EX_CLIENTEDGE);
  };
  const HWND check = make(L"Button", BS_AUTO3STATE, 10, 20), radio = make(L"Button", BS_AUTORADIOBUTTON, 35, 20),
             drawn = make(L"Button", BS_OWNERDRAW, 60, 20), drop = make(L"ComboBox", CBS_DROPDOWNLIST, 85, 120),
             simple = make(L"ComboBox", CBS_SIMPLE, 115, 60), edit = make(L"Edit", 0, 180, 24),
             extended = make(WC_COMBOBOXEXW, CBS_DROPDOWN, 210, 120);
  TWinSkinForm form(skin.get());
  Skin(form, dialog.wnd);
  EXPECT_NE(WindowSkinners().FindAs<TSkinCheckBox>(check), nullptr);
  EXPECT_NE(WindowSkinners().FindAs<TSkinRadioButton>(radio), nullptr);
  EXPECT_NE(WindowSkinners().Find(drop), nullptr);
  EXPECT_NE(WindowSkinners().Find(GetTopWindow(extended)), nullptr);  // the combo inside
  EXPECT_EQ(WindowSkinners().Find(drawn), nullptr);  // no box to replace
  EXPECT_EQ(WindowSkinners().Find(simple), nullptr);  // no button to draw over
  EXPECT_EQ(AttachChildWindows(form, dialog.wnd, skin.get()), 0);  // once only
  // A plain dialog answers the colour message with the system's window brush.
  const TBitmap shown = ReadScreen(edit);
  EXPECT_EQ(shown.GetPixel(0, 12), ColorToRGB(skin->colors[csButtonShadow]));
  EXPECT_EQ(shown.GetPixel(1, 12), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
  form.Detach();
  EXPECT_EQ(WindowSkinners().Find(check), nullptr);
}

}  // namespace
}  // namespace pelorin
