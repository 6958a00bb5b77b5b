// Skinned push buttons under Wine: frames read back from the screen, clicks
// as posted commands, the one hot button of a form, and detaching.
#include <gtest/gtest.h>

#include "controls/win/AttachControls.h"
#include "controls/win/SkinButton.h"
#include "host/win/StdCtrls.h"
#include "paint/DrawElement.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// What a skinned button of this size shows in frame (without a caption).
TBitmap Expected(const TSkinData& skin, int w, int h, int frame) {
  TBitmap b(w, h);
  b.Fill(ColorToRGB(skin.colors[csButtonFace]));
  DrawElement(b, Rect(0, 0, w, h), *skin.Buttons, frame);
  return b;
}

// The commands the plain dialog's children send.
std::vector<std::pair<WPARAM, LPARAM>> commands;

class ControlButtons : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::GraphiteTheme()), 50, 50, 360, 200);  // a dark skin
    edit = Add<TEdit>(10, 100, 100, 24);
    for (int i = 0; i < 2; ++i) {
      buttons[i] = Add<TButton>(20 + 120 * i, 20, 100, 25);
      buttons[i]->SetCaption("");
    }
    ShowSkinned();
    // The form skinner attached them; asking again attaches nothing twice.
    ASSERT_EQ(skinner->ControlSkinners().size(), 3u);  // and the edit
    EXPECT_EQ(AttachControls(*skinner, *form, skin.get()), 0);
    edit->SetFocus();
    testing::Pump();
  }
  TSkinButton* SkinnerOf(HWND wnd) { return WindowSkinners().FindAs<TSkinButton>(wnd); }
  int ShownFrameMismatch(HWND wnd, int frame) {
    RECT r;
    GetWindowRect(wnd, &r);
    return DifferingPixels(ReadScreen(wnd), Expected(*skin, r.right - r.left, r.bottom - r.top, frame));
  }

  TEdit* edit = nullptr;
  TButton* buttons[2] = {};
};

TEST_F(ControlButtons, FramesOnTheScreenFollowTheState) {
  // The frames tell the states apart at all.
  for (int a = 1; a <= 4; ++a)
    for (int b = a + 1; b <= 4; ++b) ASSERT_GT(DifferingPixels(Expected(*skin, 100, 25, a), Expected(*skin, 100, 25, b)), 0);
  const HWND b0 = buttons[0]->Handle();
  EXPECT_EQ(ShownFrameMismatch(b0, cfNormal), 0);
  SendMessageW(b0, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(ShownFrameMismatch(b0, cfHot), 0);
  SendMessageW(b0, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(ShownFrameMismatch(b0, cfPressed), 0);
  SendMessageW(b0, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(ShownFrameMismatch(b0, cfHot), 0);  // focused and hot
  // The system button's own drawing outside WM_PAINT never stays on screen.
  SendMessageW(b0, BM_SETSTATE, TRUE, 0);
  SendMessageW(b0, BM_SETSTATE, FALSE, 0);
  SendMessageW(b0, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  EXPECT_EQ(ShownFrameMismatch(b0, cfHot), 0);
  buttons[0]->SetEnabled(false);
  SendMessageW(b0, WM_MOUSEMOVE, 0, At(6, 6));
  EXPECT_EQ(ShownFrameMismatch(b0, cfDisabled), 0);  // disabled wins over hot
  testing::Pump();
}

TEST_F(ControlButtons, ARepaintNeverShowsAnOutdatedLook) {
  const HWND b0 = buttons[0]->Handle();
  buttons[0]->SetCaption("Go");
  testing::Pump();
  const int withCaption = ShownFrameMismatch(b0, cfNormal);
  EXPECT_GT(withCaption, 0);
  // A bigger font changes the look the button remembered.
  LOGFONTW lf{};
  lf.lfHeight = -20;
  lstrcpyW(lf.lfFaceName, L"Tahoma");
  HFONT big = CreateFontIndirectW(&lf);
  SendMessageW(b0, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  testing::Pump();
  EXPECT_NE(ShownFrameMismatch(b0, cfNormal), withCaption);
  SendMessageW(b0, WM_SETFONT, 0, FALSE);
  DeleteObject(big);
  buttons[0]->SetCaption("");
  InvalidateRect(b0, nullptr, FALSE);
  testing::Pump();
  EXPECT_EQ(ShownFrameMismatch(b0, cfNormal), 0);
}

TEST_F(ControlButtons, ClicksOnlyWhenPressAndReleaseAreOverTheButton) {
  int clicks = 0;
  buttons[0]->OnClick = [&](TObject*) { ++clicks; };
  const HWND b0 = buttons[0]->Handle();
  SendMessageW(b0, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(GetCapture(), b0);
  SendMessageW(b0, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(clicks, 0);  // the click is posted
  testing::Pump();
  EXPECT_EQ(clicks, 1);
  // Dragged off and released elsewhere.
  SendMessageW(b0, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(b0, WM_MOUSEMOVE, MK_LBUTTON, At(-30, 5));
  EXPECT_FALSE(SkinnerOf(b0)->Pressed());
  SendMessageW(b0, WM_LBUTTONUP, 0, At(-30, 5));
  // A press from outside released over it.
  SendMessageW(b0, WM_LBUTTONUP, 0, At(5, 5));
  testing::Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  // A program's click arrives at once, and not again later.
  SendMessageW(b0, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  testing::Pump();
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlButtons, OneHotButtonPerFormUntilDeactivated) {
  const HWND b0 = buttons[0]->Handle(), b1 = buttons[1]->Handle();
  SendMessageW(b0, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(skinner->HotControl(), SkinnerOf(b0));
  SendMessageW(b1, WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(skinner->HotControl(), SkinnerOf(b1));
  EXPECT_FALSE(SkinnerOf(b0)->Hot());
  EXPECT_TRUE(SkinnerOf(b1)->Hot());
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(skinner->HotControl(), nullptr);
  EXPECT_FALSE(SkinnerOf(b1)->Hot());
}

TEST_F(ControlButtons, AnOnClickThatFreesItsForm) {
  // As the skin manager does: the form skinner goes when the form's window does.
  const TWndMethod formProc = form->WindowProc();
  form->SetWindowProc([this, formProc](TMessage& m) {
    const TWndMethod own = formProc;
    if (m.Msg != WM_DESTROY) return own(m);
    own(m);
    skinner.reset();  // gives the form its own procedure back: nothing of this function is used after
  });
  bool freed = false;
  buttons[0]->OnClick = [&](TObject*) {
    form->Release();
    freed = true;
  };
  const HWND b0 = buttons[0]->Handle(), fw = form->Handle();
  SendMessageW(b0, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(b0, WM_LBUTTONUP, 0, At(5, 5));
  testing::Pump();
  EXPECT_TRUE(freed);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(fw); }));
  EXPECT_EQ(SkinnerOf(b0), nullptr);
  EXPECT_EQ(skinner, nullptr);
}

TEST_F(ControlButtons, DetachKeepsHooksInstalledLaterAndSkinChangesRecolour) {
  // A button made after the form was skinned gets its skinner at the next skin change.
  auto* late = Add<TButton>(20, 60, 100, 25);
  EXPECT_EQ(SkinnerOf(late->Handle()), nullptr);
  skinner->ApplySkinChange();
  EXPECT_NE(SkinnerOf(late->Handle()), nullptr);
  EXPECT_EQ(skinner->ControlSkinners().size(), 4u);
  // A hook an application installs after ours survives our detach.
  int seenByLater = 0;
  TWndMethod ours = buttons[1]->WindowProc();
  buttons[1]->SetWindowProc([&seenByLater, ours](TMessage& m) {
    ++seenByLater;
    ours(m);
  });
  const HWND b1 = buttons[1]->Handle();
  skinner->ApplySkinChange();
  skinner->Detach();
  EXPECT_EQ(SkinnerOf(b1), nullptr);
  SetWindowTextW(b1, L"After");
  EXPECT_GT(seenByLater, 0);
  EXPECT_EQ(buttons[1]->Text(), "After");
  buttons[1]->SetWindowProc(ours);
}

TEST(ControlDialogButtons, PlainButtonsAttachPaintAndPostTheirId) {
  commands.clear();
  dialogCommand = [](WPARAM w, LPARAM l) { commands.emplace_back(w, l); };
  auto skin = MakeSkin(skingen::SlateTheme());
  HWND dialog = PlainWindow(80, 80, 300, 200);
  HWND ok = PlainChild(dialog, L"Button", L"", BS_PUSHBUTTON, 20, 20, 100, 25, 0, reinterpret_cast<HMENU>(42));
  HWND label = PlainChild(dialog, L"Static", L"Legible", 0, 140, 20, 100, 20);
  const LONG_PTR ownProc = GetWindowLongPtrW(ok, GWLP_WNDPROC);
  SetForegroundWindow(dialog);
  SetFocus(dialog);
  {
    TWinSkinForm form(skin.get());
    Skin(form, dialog);
    ASSERT_EQ(form.ControlSkinners().size(), 1u);
    EXPECT_EQ(AttachChildWindows(form, dialog, skin.get()), 0);  // one skinner per window
    EXPECT_EQ(DifferingPixels(ReadScreen(ok), Expected(*skin, 100, 25, cfNormal)), 0);
    // Static text shows in the skin's text colour on its face colour, not
    // in the system's black on grey.
    InvalidateRect(label, nullptr, TRUE);
    const TBitmap text = ReadScreen(label);
    EXPECT_GT(PixelsOf(text, text.BoundsRect(), skin->colors[csButtonFace]), text.Width() * text.Height() / 2);
    EXPECT_GT(PixelsOf(text, text.BoundsRect(), skin->colors[csButtonText]), 0);

    SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(ok, WM_LBUTTONUP, 0, At(5, 5));
    testing::Pump();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].first, MAKEWPARAM(42, BN_CLICKED));
    EXPECT_EQ(commands[0].second, reinterpret_cast<LPARAM>(ok));
    SendMessageW(ok, BM_CLICK, 0, 0);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[1], commands[0]);
    SendMessageW(ok, WM_SETTEXT, 0, 0);  // a null text is harmless
    SendMessageW(ok, WM_MOUSEMOVE, 0, At(6, 6));
    EXPECT_EQ(form.HotControl(), WindowSkinners().Find(ok));

    // The hover timer notices the mouse left a plain window's button.
    SetCursorPos(5, 5);
    EXPECT_TRUE(PumpUntil([&] { return form.HotControl() == nullptr; }, 2000));
    form.Detach();
    EXPECT_EQ(GetWindowLongPtrW(ok, GWLP_WNDPROC), ownProc);
  }
  DestroyWindow(dialog);
  dialogCommand = nullptr;
  testing::Pump();
}

}  // namespace
}  // namespace pelorin
