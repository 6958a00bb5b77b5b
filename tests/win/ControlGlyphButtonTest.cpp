// Skinned bitmap and speed buttons under Wine: the skin frame with the glyph
// of the state over it, read back from the screen, and a speed button freed
// while its form stays skinned.
#include <gtest/gtest.h>

#include "controls/GlyphLayout.h"
#include "controls/win/AttachControls.h"
#include "controls/win/SkinGlyphButtons.h"
#include "host/win/Buttons.h"
#include "paint/DrawElement.h"
#include "paint/PieceBlit.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

constexpr TColor GlyphColours[] = {MakeRGB(0, 0, 255), MakeRGB(255, 255, 0), MakeRGB(0, 200, 0)};

// A strip of count 16 x 16 glyphs, each one colour with a keyed bottom-left pixel.
TBitmap GlyphStrip(int count) {
  TBitmap b(16 * count, 16);
  for (int i = 0; i < count; ++i) {
    b.FillRect(Rect(16 * i, 0, 16 * i + 16, 16), GlyphColours[i]);
    b.SetPixel(16 * i, 15, MakeRGB(255, 0, 255));
  }
  return b;
}

// The button's look: the skin frame, then glyph index placed as a glyph-only button places it.
TBitmap Expected(const TSkinData& skin, int w, int h, int frame, const TBitmap& strip, int index,
                 TGlyphButtonKind kind) {
  TBitmap b(w, h);
  b.Fill(ColorToRGB(skin.colors[csButtonFace]));
  DrawElement(b, Rect(0, 0, w, h), *skin.Buttons, frame);
  const TPoint at = LayOutGlyphButton({w, h}, {16, 16}, {0, 0}, gsLeft, -1, 4, kind).Glyph;
  CopyPixelsKeyed(b, at.X, at.Y, strip, Rect(16 * (index - 1), 0, 16 * index, 16), strip.ScanLine(15)[16 * (index - 1)] & 0xFFFFFF);
  return b;
}

class ControlGlyphButtons : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::EmberTheme()), 60, 60, 360, 200);  // dark, keyed round corners
    edit = Add<TEdit>(10, 120, 100, 24);
    bit = Add<TBitBtn>(20, 20, 100, 25);
    bit->SetCaption("");
    bit->SetGlyph(GlyphStrip(2));
    bit->SetNumGlyphs(2);
    speed = Add<TSpeedButton>(150, 20, 90, 26);
    speed->SetCaption("");
    speed->SetGlyph(GlyphStrip(3));
    speed->SetNumGlyphs(3);
    push = Add<TButton>(20, 60, 100, 25);
    ShowSkinned();
    ASSERT_EQ(skinner->ControlSkinners().size(), 4u);  // attached with the form, the edit too
    edit->SetFocus();
    testing::Pump();
  }
  int SpeedMismatch(int frame, int index) {
    const TBitmap shown = Crop(ReadScreen(form->Handle(), true), speed->BoundsRect());
    return DifferingPixels(shown, Expected(*skin, 90, 26, frame, GlyphStrip(3), index, TGlyphButtonKind::Speed));
  }

  TEdit* edit = nullptr;
  TBitBtn* bit = nullptr;
  TSpeedButton* speed = nullptr;
  TButton* push = nullptr;
};

TEST_F(ControlGlyphButtons, BitButtonShowsTheFirstGlyphOverEveryFrame) {
  const HWND b = bit->Handle();
  const TBitmap strip = GlyphStrip(2);
  EXPECT_EQ(DifferingPixels(ReadScreen(b), Expected(*skin, 100, 25, cfNormal, strip, 1, TGlyphButtonKind::Bit)), 0);
  SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(DifferingPixels(ReadScreen(b), Expected(*skin, 100, 25, cfPressed, strip, 1, TGlyphButtonKind::Bit)), 0);
  SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(-40, 5));
  bit->SetEnabled(false);
  EXPECT_EQ(DifferingPixels(ReadScreen(b), Expected(*skin, 100, 25, cfDisabled, strip, 1, TGlyphButtonKind::Bit)), 0);
}

TEST_F(ControlGlyphButtons, SpeedButtonFramesGlyphsAndDown) {
  EXPECT_EQ(SpeedMismatch(cfNormal, 1), 0);
  speed->Perform(CM_MOUSEENTER);
  EXPECT_EQ(SpeedMismatch(cfHot, 1), 0);
  speed->Perform(CM_MOUSELEAVE);
  speed->SetEnabled(false);
  speed->Invalidate();
  EXPECT_EQ(SpeedMismatch(cfDisabled, 2), 0);
  speed->SetEnabled(true);
  speed->SetDown(true);
  speed->Perform(CM_MOUSEENTER);  // Down wins over hot
  EXPECT_EQ(SpeedMismatch(cfPressed, 3), 0);
}

TEST_F(ControlGlyphButtons, ASpeedButtonFreedWhileSkinned) {
  const TSpeedButton* gone = speed;
  ASSERT_NE(WindowSkinners().Find(gone), nullptr);
  delete speed;
  speed = nullptr;
  EXPECT_EQ(WindowSkinners().Find(gone), nullptr);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  skinner->ApplySkinChange();  // walks every skinner, the freed button's too
  testing::Pump();
  skinner.reset();
}

// A host that keeps nothing: what the skinners themselves allocate and free.
class TBareHost : public TControlSkinnerHost {
public:
  void AdoptControlSkinner(std::unique_ptr<TSkinControl> s) override { skinners.push_back(std::move(s)); }
  TSkinControl* HotControl() const override { return hot; }
  void SetHotControl(TSkinControl* s) override { hot = s; }
  bool ReleasingSkin() const override { return releasing; }
  bool releasing = false;
  TCanvas& SharedCanvas() override { return canvas; }
  std::vector<std::unique_ptr<TSkinControl>> skinners;
  TSkinControl* hot = nullptr;
  TCanvas canvas;
};

TEST_F(ControlGlyphButtons, AttachDetachAndSkinSwitchCyclesLeaveNothing) {
  auto other = MakeSkin(skingen::SlateTheme());
  skinner.reset();
  ExpectCyclesLeaveNothing(*form, skin.get(), other.get(), 4);
  EXPECT_EQ(WindowSkinners().Find(push->Handle()), nullptr);
  EXPECT_EQ(WindowSkinners().Find(speed), nullptr);
}

TEST_F(ControlGlyphButtons, RecolouredControlsKeepTheSkinColourOnlyWhenTheSkinIsReleased) {
  skinner.reset();
  push->SetColor(clBtnFace);
  const TColor face = skin->colors[csButtonFace];
  for (bool releasing : {false, true}) {
    TBareHost host;
    auto s = std::make_unique<TSkinButton>(host);
    ASSERT_TRUE(s->AttachControl(push, skin.get(), true));
    EXPECT_EQ(push->Color(), face);
    EXPECT_FALSE(s->AttachControl(push, skin.get(), true));  // once only
    host.releasing = releasing;
    s.reset();
    EXPECT_EQ(push->Color(), releasing ? face : clBtnFace);
    push->SetColor(clBtnFace);
  }
}

}  // namespace
}  // namespace pelorin
