// Status bars, progress bars, track bars and boxes under Wine: what they show
// read back from the screen, for framework controls and plain dialog windows,
// colours given back on unskinning, and attach / detach cycles.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls/RangeControls.h"
#include "controls/win/AttachControls.h"
#include "controls/win/WinSubClass.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "paint/DrawElement.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

constexpr uint32_t Key = 0xFF00FF;

// A colour as the screen read back holds it.
uint32_t Rgb(TColor c) { return PixelFromColor(ColorToRGB(c)) & 0xFFFFFF; }
uint32_t At(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x] & 0xFFFFFF; }

TRect PartRect(HWND bar, int index) {
  RECT r{};
  SendMessageW(bar, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

// A progress bar of this size showing position in [min, max].
TBitmap ExpectedProgress(const TSkinData& skin, int w, int h, int min, int max, int position) {
  TBitmap b(w, h);
  b.Fill(skin.colors[csButtonFace]);
  DrawElement(b, Rect(0, 0, w, h), *skin.Progress, 1);
  const TRect bar = ProgressFill(Rect(0, 0, w, h), min, max, position, false);
  if (!bar.IsEmpty()) DrawElement(b, bar, *skin.Progress, 2);
  return b;
}

// Pixels of the track bar's thumb that differ from the skin's hot button
// frame stretched over it (the frame's keyed pixels are not compared).
int ThumbMismatch(const TSkinData& skin, HWND track) {
  RECT t{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  const TBitmap shown = ReadScreen(track, true);
  TBitmap expected(shown.Width(), shown.Height());
  expected.Fill(Key);
  const TRect thumb{t.left, t.top, t.right, t.bottom};
  DrawElementFrame(expected, thumb, *skin.Buttons, cfHot);
  int wrong = 0, compared = 0;
  for (int y = thumb.Top; y < thumb.Bottom; ++y)
    for (int x = thumb.Left; x < thumb.Right; ++x)
      if (At(expected, x, y) != Key) {
        ++compared;
        wrong += At(expected, x, y) != At(shown, x, y);
      }
  return compared > 20 ? wrong : -1;
}

class ControlBoxes : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::GraphiteTheme()), 40, 40, 420, 300);  // a dark skin
    ASSERT_TRUE(skin->StatusBarEdge && skin->Progress && skin->Buttons);
    status = Add<TStatusBar>(0, 0, 0, 0);
    status->SetPanels({{"", 90, pbLowered}, {"", 90, pbRaised}, {"", 90, pbNone}});
    toolBar = Add<TToolBar>(0, 0, 0, 0);
    panel = Add<TPanel>(0, 180, 220, 45);
    progress = Add<TProgressBar>(10, 10, 200, 18, panel);
    track = Add<TTrackBar>(10, 70, 200, 40);
    Add<TGroupBox>(230, 70, 150, 100)->SetCaption("Group");
    ShowSkinned();
  }

  TStatusBar* status = nullptr;
  TPanel* panel = nullptr;
  TProgressBar* progress = nullptr;
  TTrackBar* track = nullptr;
  TToolBar* toolBar = nullptr;
};

TEST_F(ControlBoxes, StatusBarImagePanelsBevelPanelsAndSimpleText) {
  // Status bar, panel, progress, track bar, group box; a second pass adds nothing.
  ASSERT_EQ(skinner->ControlSkinners().size(), 5u);
  EXPECT_EQ(AttachControls(*skinner, *form, skin.get()), 0);
  EXPECT_FALSE(status->SizeGrip());
  EXPECT_TRUE(toolBar->Flat());
  const HWND bar = status->Handle();
  const int w = status->Width(), h = status->Height();
  TBitmap expected(w, h);
  expected.Fill(skin->colors[csButtonFace]);
  for (int i = 0; i < 3; ++i) DrawElement(expected, PartRect(bar, i), *skin->StatusBarEdge, i + 1);
  EXPECT_EQ(DifferingPixels(ReadScreen(bar), expected), 0);

  // Without an image: one-pixel bevels, lowered, raised and none.
  skin->StatusBarEdge->Bitmap = TBitmap();
  InvalidateRect(bar, nullptr, TRUE);
  const TBitmap shown = ReadScreen(bar);
  const uint32_t shadow = Rgb(clBtnShadow), light = Rgb(clBtnHighlight);
  const TRect lowered = PartRect(bar, 0), raised = PartRect(bar, 1), flat = PartRect(bar, 2);
  EXPECT_EQ(At(shown, lowered.Left, lowered.Top + 3), shadow);
  EXPECT_EQ(At(shown, lowered.Right - 1, lowered.Top + 3), light);
  EXPECT_EQ(At(shown, raised.Left + 3, raised.Top), light);
  EXPECT_EQ(At(shown, raised.Left + 3, raised.Bottom - 1), shadow);
  EXPECT_EQ(At(shown, flat.Left, flat.Top), Rgb(skin->colors[csButtonFace]));

  // The simple text, in the element's text colour, whether asked for or for want of panels.
  skin = MakeSkin(skingen::GraphiteTheme());
  skinner->SetSkinData(skin.get());
  skinner->ApplySkinChange();
  const TColor ink = skin->StatusBarEdge->NormalColour;
  status->SetSimpleText("Simple text running past the first panel");
  status->SetPanelText(0, "Zero");
  EXPECT_GT(PixelsOf(ReadScreen(status->Handle()), Rect(0, 0, 90, h), ink), 10);  // panel text
  status->SetSimplePanel(true);
  EXPECT_GT(PixelsOf(ReadScreen(status->Handle()), Rect(90, 0, w, h), ink), 10);  // past the first panel
  status->SetSimplePanel(false);
  status->SetPanels({});
  EXPECT_GT(PixelsOf(ReadScreen(status->Handle()), Rect(90, 0, w, h), ink), 10);
}

TEST_F(ControlBoxes, ProgressFillsFromMinAndTrackBarThumbIsTheHotButton) {
  const HWND bar = progress->Handle();
  struct {
    int Min, Max, Position;
  } const cases[] = {{50, 150, 50}, {50, 150, 100}, {50, 150, 150}, {0, 2000000000, 1000000000}, {7, 7, 7}};
  for (const auto& c : cases) {
    progress->SetRange(c.Min, c.Max);
    progress->SetPosition(c.Position);
    EXPECT_EQ(DifferingPixels(ReadScreen(bar), ExpectedProgress(*skin, 200, 18, c.Min, c.Max, c.Position)), 0)
        << c.Min << ".." << c.Max << " at " << c.Position;
  }

  const HWND th = track->Handle();
  track->SetPosition(40);
  EXPECT_EQ(ThumbMismatch(*skin, th), 0);
  // Without a button image: a rectangle outlined in the shadow colour.
  skin->Buttons->Bitmap = TBitmap();
  InvalidateRect(th, nullptr, TRUE);
  RECT t{};
  SendMessageW(th, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  const TBitmap shown = ReadScreen(th, true);
  for (int x : {int(t.left), int(t.right - 1)})
    EXPECT_EQ(At(shown, x, (t.top + t.bottom) / 2), Rgb(skin->colors[csButtonShadow]));
}

TEST_F(ControlBoxes, UnskinningGivesBackTheGroupBoxFontAndThePanelColours) {
  // Two boxes skinned now: one with its parent's font, one with a font of its own.
  auto* inherits = Add<TGroupBox>(230, 180, 150, 45);
  auto* own = Add<TGroupBox>(230, 230, 150, 45);
  inherits->SetCaption("Box");
  own->Font().SetColor(clRed);
  ASSERT_FALSE(own->ParentFont());
  ASSERT_TRUE(inherits->ParentFont());
  const TColor inherited = inherits->Font().Color();
  EXPECT_EQ(AttachControls(*skinner, *form, skin.get()), 2);
  const TColor caption = skin->colors[csButtonText];
  EXPECT_GT(PixelsOf(ReadScreen(inherits->Handle()), Rect(0, 0, 60, 16), caption), 5);
  EXPECT_EQ(inherits->Font().Color(), caption);
  EXPECT_EQ(own->Font().Color(), caption);
  EXPECT_EQ(panel->Color(), skin->colors[csButtonFace]);
  // The panel's raised bevel: its top line in the skin's light colour, not the system's white.
  EXPECT_GT(PixelsOf(ReadScreen(panel->Handle()), Rect(20, 0, 200, 1), skin->colors[csButtonHilight]), 150);

  skinner->Detach();
  EXPECT_EQ(panel->BevelHighlight(), clDefault);
  EXPECT_EQ(panel->BevelShadow(), clDefault);
  EXPECT_EQ(inherits->Font().Color(), inherited);
  EXPECT_TRUE(inherits->ParentFont());
  form->Font().SetColor(clBlue);  // and it follows its parent again
  EXPECT_EQ(inherits->Font().Color(), clBlue);
  EXPECT_EQ(own->Font().Color(), clRed);
  EXPECT_FALSE(own->ParentFont());
  EXPECT_EQ(panel->Color(), clBtnFace);
}

TEST_F(ControlBoxes, AttachDetachAndSkinSwitchCyclesLeaveNothing) {
  skinner.reset();
  auto other = MakeSkin(skingen::SlateTheme());  // a light skin
  ExpectCyclesLeaveNothing(*form, skin.get(), other.get(), 5);
  EXPECT_EQ(WindowSkinners().Find(status->Handle()), nullptr);
}

TEST(ControlDialogBoxes, PlainStatusProgressTrackAndGroupWindows) {
  auto skin = MakeSkin(skingen::GraphiteTheme());
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  HWND dialog = CreateWindowExW(0, L"#32770", L"Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 420, 300,
                                nullptr, nullptr, inst, nullptr);
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
    return PlainChild(dialog, cls, text, style, x, y, w, h);
  };
  HWND status = child(STATUSCLASSNAMEW, L"", 0, 0, 0, 0, 0);
  const int parts[] = {120, -1};
  SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(status, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(L"\t\tright"));
  HWND progress = child(PROGRESS_CLASSW, L"", 0, 10, 10, 200, 18);
  HWND track = child(TRACKBAR_CLASSW, L"", TBS_AUTOTICKS, 10, 40, 200, 40);
  HWND box = child(L"Button", L"Choices", BS_GROUPBOX, 230, 10, 150, 100);
  HWND inside = child(L"Static", L"Inside the box", 0, 240, 40, 120, 20);
  SetForegroundWindow(dialog);
  {
    TWinSkinForm form(skin.get());
    Skin(form, dialog);
    ASSERT_EQ(form.ControlSkinners().size(), 4u);
    EXPECT_EQ(AttachChildWindows(form, dialog, skin.get()), 0);
    EXPECT_EQ(DifferingPixels(ReadScreen(progress), ExpectedProgress(*skin, 200, 18, 0, 100, 0)), 0);
    EXPECT_EQ(ThumbMismatch(*skin, track), 0);  // through the notification to the dialog
    const TBitmap bar = ReadScreen(status);
    const TRect right = PartRect(status, 1);
    // The raised panel's text sits on its right.
    const TColor ink = skin->StatusBarEdge->NormalColour;
    EXPECT_GT(PixelsOf(bar, Rect(right.Right - right.Width() / 3, 0, right.Right, bar.Height()), ink), 5);
    EXPECT_EQ(PixelsOf(bar, Rect(right.Left, 0, right.Left + right.Width() / 3, bar.Height()), ink), 0);
    EXPECT_GT(PixelsOf(ReadScreen(box), Rect(0, 0, 80, 16), skin->colors[csButtonText]), 5);
    // The box repainted alone leaves what lies on it alone.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_LT(PixelsOf(ReadScreen(inside), Rect(0, 0, 120, 20), skin->colors[csButtonFace]), 120 * 20);
    // In simple mode the bar's one text runs across the whole bar.
    SendMessageW(status, SB_SIMPLE, TRUE, 0);
    SendMessageW(status, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"A simple text that runs on and on"));
    EXPECT_GT(PixelsOf(ReadScreen(status), Rect(120, 0, 400, bar.Height()), ink), 10);
    form.Detach();
    for (HWND w : {status, progress, track, box}) EXPECT_EQ(WindowSkinners().Find(w), nullptr);
  }
  // Unskinned, the track bar draws its own thumb again at once.
  EXPECT_GT(ThumbMismatch(*skin, track), 0);
  DestroyWindow(dialog);
  testing::Pump();
}

}  // namespace
}  // namespace pelorin
