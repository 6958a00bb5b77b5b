// Skinned check boxes and radio buttons under Wine: the skin's box read back
// from the screen in every state, on either side of the caption, after the
// system redrew its own, and captions legible on a dark skin.
#include <gtest/gtest.h>

#include "controls/ToggleBox.h"
#include "controls/win/WinSubClass.h"
#include "host/win/StdCtrls.h"
#include "paint/PieceBlit.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

class ControlCheckRadio : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::GraphiteTheme()), 40, 40, 400, 220);  // dark
    auto* focusTaker = Add<TEdit>(250, 150, 100, 24);
    TButtonControl* all[] = {checks[0] = Add<TCheckBox>(20, 10, 160, 20), checks[1] = Add<TCheckBox>(20, 40, 160, 20),
                             radios[0] = Add<TRadioButton>(20, 70, 160, 20), radios[1] = Add<TRadioButton>(20, 100, 160, 20)};
    for (TButtonControl* c : all) c->SetCaption("Caption");
    // The second of each has its box on the right.
    checks[1]->SetAlignment(taLeftJustify);
    radios[1]->SetAlignment(taLeftJustify);
    for (TCheckBox* c : checks) c->SetAllowGrayed(true);
    ShowSkinned();
    focusTaker->SetFocus();
    testing::Pump();
    ASSERT_EQ(skinner->ControlSkinners().size(), 5u);
  }
  // Pixels in and around the box that differ from frame of the strip over
  // the face colour: nothing of the system's box may show.
  int BoxMismatch(TWinControl* c, bool radio, int frame) {
    const TBitmap& strip = radio ? skin->Buttons->RadioBitmap : skin->Buttons->CheckBitmap;
    const int fw = strip.Width() / (radio ? skin->Buttons->RadioFrameCount : skin->Buttons->CheckFrameCount);
    const TBitmap screen = ReadScreen(c->Handle());
    const TRect row = Rect(0, 0, screen.Width(), screen.Height());
    const bool onRight = (GetWindowLongPtrW(c->Handle(), GWL_STYLE) & BS_LEFTTEXT) != 0;
    const TRect box = ToggleBoxRect(row, fw, strip.Height(), onRight), cover = ToggleCoverRect(row, box, onRight);
    TBitmap expected(cover.Width(), cover.Height());
    expected.Fill(ColorToRGB(skin->colors[csButtonFace]));
    CopyPixelsKeyed(expected, box.Left - cover.Left, box.Top - cover.Top, strip,
                    Rect((frame - 1) * fw, 0, frame * fw, strip.Height()), 0xFF00FF);
    return DifferingPixels(Crop(screen, cover), expected);
  }

  TCheckBox* checks[2] = {};
  TRadioButton* radios[2] = {};
};

TEST_F(ControlCheckRadio, CheckBoxesShowTheirStateOnEitherSide) {
  for (TCheckBox* c : checks) {
    const HWND h = c->Handle();
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    SendMessageW(h, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    // The system draws the pushed box outside WM_PAINT; the skin's comes back on top.
    c->SetChecked(false);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    c->SetFocus();
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    SendMessageW(h, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(c->State(), cbGrayed);
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    c->SetChecked(true);
    c->SetEnabled(false);
    EXPECT_EQ(BoxMismatch(c, false, 3), 0);  // disabled, checked or not
  }
}

TEST_F(ControlCheckRadio, RadioButtonsAndLegibleCaptions) {
  radios[1]->SetChecked(true);
  EXPECT_EQ(BoxMismatch(radios[0], true, 1), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 2), 0);
  SendMessageW(radios[0]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(radios[0]->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(BoxMismatch(radios[0], true, 2), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 1), 0);  // the group let go of it
  for (TRadioButton* r : radios) r->SetEnabled(false);
  EXPECT_EQ(BoxMismatch(radios[0], true, 4), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 3), 0);

  // The caption half of a check box: the skin's face colour with text in the skin's text colour.
  const TBitmap shown = ReadScreen(checks[0]->Handle());
  const TRect caption = Rect(20, 0, shown.Width(), shown.Height());
  EXPECT_GT(PixelsOf(shown, caption, skin->colors[csButtonFace]), shown.Width() * shown.Height() / 2);
  EXPECT_GT(PixelsOf(shown, caption, skin->colors[csButtonText]), 10);
}

}  // namespace
}  // namespace pelorin
