// Skinned check boxes and radio buttons under Wine: the skin's box read back
// from the screen in every state, on either side of the caption, after the
// control redrew itself, and a caption that stays legible on a dark skin.
#include <gtest/gtest.h>

#include "controls/ToggleBox.h"
#include "controls/win/AttachInputs.h"
#include "controls/win/SkinCheckRadio.h"
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
    ASSERT_FALSE(skin->Empty);
    form = new TForm(app);
    form->SetBounds(40, 40, 400, 220);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(250, 150, 100, 24);
    auto place = [&](auto* c, int y, const char* caption, TAlignment a) {
      c->SetParent(form);
      c->SetBounds(20, y, 160, 20);
      c->SetCaption(caption);
      c->SetAlignment(a);
      return c;
    };
    left = place(new TCheckBox(form), 10, "Left box", taRightJustify);
    right = place(new TCheckBox(form), 40, "Right box", taLeftJustify);
    for (TCheckBox* c : {left, right}) c->SetAllowGrayed(true);
    radios[0] = place(new TRadioButton(form), 70, "One", taRightJustify);
    radios[1] = place(new TRadioButton(form), 100, "Two", taLeftJustify);
    form->Show();
    skinner = std::make_unique<TWinSkinForm>(skin.get());
    skinner->AttachForm(form);
    PostMessageW(form->Handle(), WM_SKIN_ACTIVATE, 0, SkinActivateLParam);
    testing::Pump();
    ASSERT_EQ(skinner->ControlSkinners().size(), 5u);  // the edit's too
    edit->SetFocus();
    testing::Pump();
  }
  void TearDown() override {
    skinner.reset();
    THostTest::TearDown();
  }
  // Pixels around and in the control's box that differ from frame of the
  // strip over the face colour (nothing of the system's box may show).
  int BoxMismatch(TWinControl* c, bool radio, int frame) {
    const TBitmap& strip = radio ? skin->Buttons->RadioBitmap : skin->Buttons->CheckBitmap;
    const int frames = radio ? skin->Buttons->RadioFrameCount : skin->Buttons->CheckFrameCount;
    const int fw = strip.Width() / frames, fh = strip.Height();
    const TBitmap screen = ReadScreen(c->Handle());
    const TRect row = Rect(0, 0, screen.Width(), screen.Height());
    const bool onRight = (GetWindowLongPtrW(c->Handle(), GWL_STYLE) & BS_LEFTTEXT) != 0;
    const TRect box = ToggleBoxRect(row, fw, fh, onRight), cover = ToggleCoverRect(row, box, onRight);
    TBitmap expected(cover.Width(), cover.Height()), shown(cover.Width(), cover.Height());
    expected.Fill(ColorToRGB(skin->colors[csButtonFace]));
    CopyPixelsKeyed(expected, box.Left - cover.Left, box.Top - cover.Top, strip,
                    Rect((frame - 1) * fw, 0, frame * fw, fh), 0xFF00FF);
    CopyPixels(shown, 0, 0, screen, cover);
    return DifferingPixels(shown, expected);
  }

  std::unique_ptr<TSkinData> skin;
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TCheckBox* left = nullptr;
  TCheckBox* right = nullptr;
  TRadioButton* radios[2] = {};
  std::unique_ptr<TWinSkinForm> skinner;
};

TEST_F(ControlCheckRadio, CheckBoxesShowTheirStateOnEitherSide) {
  for (TCheckBox* c : {left, right}) {
    const HWND h = c->Handle();
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    SendMessageW(h, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    // A click toggles through the framework; the pushed look the system draws meanwhile never stays.
    c->SetChecked(false);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    testing::Pump();
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    // The space key: pressed (drawn by the system outside WM_PAINT), then released.
    c->SetFocus();
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(BoxMismatch(c, false, 2), 0);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    testing::Pump();
    EXPECT_EQ(c->State(), cbGrayed);
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    SendMessageW(h, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(BoxMismatch(c, false, 1), 0);
    c->SetChecked(true);
    c->SetEnabled(false);
    EXPECT_EQ(BoxMismatch(c, false, 3), 0);  // disabled, checked or not
  }
}

TEST_F(ControlCheckRadio, RadioButtonsOffOnAndDisabled) {
  EXPECT_EQ(BoxMismatch(radios[0], true, 1), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 1), 0);
  radios[1]->SetChecked(true);
  EXPECT_EQ(BoxMismatch(radios[1], true, 2), 0);
  SendMessageW(radios[0]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(radios[0]->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  testing::Pump();
  EXPECT_EQ(BoxMismatch(radios[0], true, 2), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 1), 0);  // the group let go of it
  radios[0]->SetEnabled(false);
  radios[1]->SetEnabled(false);
  EXPECT_EQ(BoxMismatch(radios[0], true, 4), 0);
  EXPECT_EQ(BoxMismatch(radios[1], true, 3), 0);
}

TEST_F(ControlCheckRadio, CaptionsTakeTheSkinTextColourOnTheFaceColour) {
  const TColor face = ColorToRGB(skin->colors[csButtonFace]);
  const TColor text = ColorToRGB(skin->colors[csButtonText]);
  ASSERT_NE(face, text);
  for (TWinControl* c : {static_cast<TWinControl*>(left), static_cast<TWinControl*>(radios[1])}) {
    const TBitmap shown = ReadScreen(c->Handle());
    int faces = 0, texts = 0, others = 0;
    // The caption half of the control, away from the box.
    const bool onRight = c == radios[1];
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = onRight ? 0 : 20; x < (onRight ? shown.Width() - 20 : shown.Width()); ++x) {
        const TColor p = shown.GetPixel(x, y);
        (p == face ? faces : p == text ? texts : others)++;
      }
    EXPECT_GT(faces, shown.Width() * shown.Height() / 2);
    EXPECT_GT(texts, 10);
  }
}

TEST(ControlDialogCheckRadio, PlainCheckBoxesAndRadioButtonsTakeTheBoxOwnerDrawnOnesDoNot) {
  auto skin = MakeSkin(skingen::SlateTheme());
  TTestWindow dialog(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200);
  auto make = [&](DWORD type, int y) {
    return CreateWindowExW(0, L"Button", L"Item", WS_CHILD | WS_VISIBLE | type, 10, y, 150, 20, dialog.wnd,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  };
  const HWND check = make(BS_AUTO3STATE, 10), radio = make(BS_AUTORADIOBUTTON, 40), drawn = make(BS_OWNERDRAW, 70),
             group = make(BS_GROUPBOX, 100);
  TWinSkinForm form(skin.get());
  Skin(form, dialog.wnd);
  EXPECT_NE(WindowSkinners().FindAs<TSkinCheckBox>(check), nullptr);
  EXPECT_NE(WindowSkinners().FindAs<TSkinRadioButton>(radio), nullptr);
  EXPECT_EQ(WindowSkinners().Find(drawn), nullptr);
  EXPECT_EQ(WindowSkinners().Find(group), nullptr);
  EXPECT_EQ(SkinDialogInputs(form, dialog.wnd, skin.get()), 0);  // once only
  // An auto three-state box clicked twice is indeterminate: the unchecked frame.
  for (int i = 0; i < 2; ++i) SendMessageW(check, BM_CLICK, 0, 0);
  ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  const TBitmap shown = ReadScreen(check);
  const TBitmap& strip = skin->Buttons->CheckBitmap;
  const int fw = strip.Width() / skin->Buttons->CheckFrameCount;
  const TRect box = ToggleBoxRect(Rect(0, 0, 150, 20), fw, strip.Height(), false);
  int wrong = 0;
  for (int y = 0; y < box.Height(); ++y)
    for (int x = 0; x < fw; ++x) {
      const uint32_t want = strip.ScanLine(y)[x] & 0xFFFFFF;
      if (want != 0xFF00FF && (shown.ScanLine(box.Top + y)[box.Left + x] & 0xFFFFFF) != want) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
  form.Detach();
  EXPECT_EQ(WindowSkinners().Find(check), nullptr);
}

}  // namespace
}  // namespace pelorin
