// Skinned check boxes and radio buttons under Wine: the skin's box read back
// from the screen in every state, on either side of the caption, after the
// system redrew its own, and captions legible on a dark skin.
#include <gtest/gtest.h>

#include "controls/ToggleBox.h"
#include "controls/win/WinSubClass.h"
#include "host/win/StdCtrls.h"
#include "paint/PieceBlit.h"
#include "tests/support/win/ScreenRead.h"
#include "tests/win/FrameTestUtil.h"
#include "tests/win/HostTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

class ControlCheckRadio : public THostTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    skin = MakeSkin(skingen::GraphiteTheme());  // dark
    form = new TForm(app);
    form->SetBounds(40, 40, 400, 220);
    TControl* focusTaker = new TEdit(form);
    focusTaker->SetParent(form);
    focusTaker->SetBounds(250, 150, 100, 24);
    TButtonControl* all[] = {checks[0] = new TCheckBox(form), checks[1] = new TCheckBox(form),
                             radios[0] = new TRadioButton(form), radios[1] = new TRadioButton(form)};
    for (int i = 0; i < 4; ++i) {
      all[i]->SetParent(form);
      all[i]->SetBounds(20, 10 + 30 * i, 160, 20);
      all[i]->SetCaption("Caption");
    }
    // The second of each has its box on the right.
    checks[1]->SetAlignment(taLeftJustify);
    radios[1]->SetAlignment(taLeftJustify);
    for (TCheckBox* c : checks) c->SetAllowGrayed(true);
    form->Show();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    skinner->AttachForm(form);
    PostMessageW(form->Handle(), WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
    static_cast<TWinControl*>(focusTaker)->SetFocus();
    testing::Pump();
    ASSERT_EQ(skinner->ControlSkinners().size(), 5u);
  }
  void TearDown() override {
    skinner.reset();
    THostTest::TearDown();
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
    TBitmap expected(cover.Width(), cover.Height()), shown(cover.Width(), cover.Height());
    expected.Fill(ColorToRGB(skin->colors[csButtonFace]));
    CopyPixelsKeyed(expected, box.Left - cover.Left, box.Top - cover.Top, strip,
                    Rect((frame - 1) * fw, 0, frame * fw, strip.Height()), 0xFF00FF);
    CopyPixels(shown, 0, 0, screen, cover);
    return DifferingPixels(shown, expected);
  }

  std::unique_ptr<TSkinData> skin;
  TForm* form = nullptr;
  TCheckBox* checks[2] = {};
  TRadioButton* radios[2] = {};
  std::unique_ptr<TWinSkinForm> skinner;
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
  const TColor face = ColorToRGB(skin->colors[csButtonFace]), text = ColorToRGB(skin->colors[csButtonText]);
  const TBitmap shown = ReadScreen(checks[0]->Handle());
  int faces = 0, texts = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 20; x < shown.Width(); ++x) {
      faces += shown.GetPixel(x, y) == face;
      texts += shown.GetPixel(x, y) == text;
    }
  EXPECT_GT(faces, shown.Width() * shown.Height() / 2);
  EXPECT_GT(texts, 10);
}

}  // namespace
}  // namespace pelorin
