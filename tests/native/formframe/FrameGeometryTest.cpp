// Frame sizes from a skin, styles, the client rectangle, fitting, hit
// testing, caption placement, the whole frame's layout query and its
// composition.
#include <gtest/gtest.h>

#include "formframe/CaptionLayout.h"
#include "formframe/FrameCompose.h"
#include "formframe/FrameLayout.h"
#include "formframe/FrameMetrics.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinRules.h"

using namespace pelorin;

namespace {
void SetBorder(TSkinModel& skin, int index, int w, int h, int frames, TColor colour = clBlack) {
  skin.Borders[index]->Bitmap.SetSize(w, h);
  skin.Borders[index]->Bitmap.Fill(colour);
  skin.Borders[index]->Style.Frames = BoundedFrames(frames);
}
}  // namespace

TEST(FrameMetrics, SizesComeFromBorderFramesAndPopupsHaveNone) {
  TSkinModel skin;
  SetBorder(skin, bdLeft, 12, 40, 2);    // side by side: 6 wide
  SetBorder(skin, bdRight, 7, 40, 1);
  SetBorder(skin, bdTop, 50, 60, 2);     // stacked: 30 high
  SetBorder(skin, bdBottom, 50, 9, 0);   // no count counts as one frame
  const TFrameMetrics m = MeasureFrame(skin, frSizeable, 19);
  EXPECT_EQ(m, (TFrameMetrics{6, 30, 7, 9, 19}));
  EXPECT_EQ(MeasureFrame(skin, frPopup, 19), TFrameMetrics{});

  EXPECT_EQ(BorderFrameIndex(*skin.Borders[bdTop], true), 1);
  EXPECT_EQ(BorderFrameIndex(*skin.Borders[bdTop], false), 2);
  EXPECT_EQ(BorderFrameIndex(*skin.Borders[bdRight], false), 1);
}

TEST(FrameMetrics, KindAndStylesFollowTheWindow) {
  EXPECT_EQ(FrameKindFromStyles(ws::Caption | ws::ThickFrame, 0), frSizeable);
  EXPECT_EQ(FrameKindFromStyles(ws::Popup | ws::Caption, ws::ExWindowEdge), frSizeable);
  EXPECT_EQ(FrameKindFromStyles(ws::Popup, 0), frPopup);
  EXPECT_EQ(FrameKindFromStyles(ws::Popup | ws::Caption, 0), frFixed);
  EXPECT_EQ(FrameKindFromStyles(0, 0), frFixed);

  const uint32_t style = ws::Caption | ws::SysMenu | ws::MaximizeBox | ws::ThickFrame;
  const unsigned saved = SavedStylesFrom(style, false);
  EXPECT_EQ(saved, ssSysMenu | ssMaximizeBox);
  EXPECT_EQ(SavedStylesFrom(ws::Caption, true), unsigned(ssSysMenu));
  const uint32_t stripped = StyleWithSysStyles(style, saved, false);
  EXPECT_EQ(stripped, ws::Caption | ws::ThickFrame);
  EXPECT_EQ(StyleWithSysStyles(stripped, saved, true), style);
}

TEST(FrameMetrics, ClientRectFitAndGiveBackAgree) {
  const TFrameMetrics m{4, 30, 5, 6, 20};
  EXPECT_EQ(SkinnedClientRect(Rect(100, 50, 400, 350), m), Rect(104, 100, 395, 344));
  // A window smaller than its frame: an empty client, never inverted.
  const TRect tiny = SkinnedClientRect(Rect(0, 0, 5, 10), m);
  EXPECT_TRUE(tiny.IsEmpty());
  EXPECT_GE(tiny.Right, tiny.Left);
  EXPECT_GE(tiny.Bottom, tiny.Top);

  const TSize client{291, 244};
  EXPECT_EQ(FittedWindowSize(client, m, 1), (TSize{300, 300}));
  EXPECT_EQ(FittedWindowSize(client, m, 0), (TSize{300, 280}));
  // Unskinning swaps the skin's frame for the system's and keeps the client.
  const TSize system{16, 39};
  const TSize back = UnskinnedWindowSize({300, 300}, system, m);
  EXPECT_EQ(back, (TSize{client.cx + 16, client.cy + 39}));
}

TEST(FrameMetrics, HitTestCoversEveryArea) {
  const TFrameMetrics m{6, 30, 6, 6, 0};
  const TSize w{200, 150};
  EXPECT_EQ(FrameHitTest({100, 80}, w, m, true, false, 4), ht::Client);
  EXPECT_EQ(FrameHitTest({100, 15}, w, m, true, false, 4), ht::Caption);
  EXPECT_EQ(FrameHitTest({100, 1}, w, m, true, false, 4), ht::Top);
  EXPECT_EQ(FrameHitTest({1, 80}, w, m, true, false, 4), ht::Left);
  EXPECT_EQ(FrameHitTest({198, 80}, w, m, true, false, 4), ht::Right);
  EXPECT_EQ(FrameHitTest({100, 148}, w, m, true, false, 4), ht::Bottom);
  EXPECT_EQ(FrameHitTest({1, 1}, w, m, true, false, 4), ht::TopLeft);
  EXPECT_EQ(FrameHitTest({5, 1}, w, m, true, false, 4), ht::TopLeft);  // corner reaches along the top
  EXPECT_EQ(FrameHitTest({198, 1}, w, m, true, false, 4), ht::TopRight);
  EXPECT_EQ(FrameHitTest({1, 148}, w, m, true, false, 4), ht::BottomLeft);
  EXPECT_EQ(FrameHitTest({198, 143}, w, m, true, false, 4), ht::BottomRight);
  EXPECT_EQ(FrameHitTest({198, 141}, w, m, true, false, 4), ht::Right);
  // Fixed and maximised windows do not size.
  EXPECT_EQ(FrameHitTest({1, 80}, w, m, false, false, 4), ht::Border);
  EXPECT_EQ(FrameHitTest({100, 1}, w, m, true, true, 4), ht::Caption);
  EXPECT_EQ(FrameHitTest({200, 1}, w, m, true, false, 4), ht::Nowhere);
  EXPECT_EQ(FrameHitTest({-1, 1}, w, m, true, false, 4), ht::Nowhere);
  // The menu bar lies between the title and the client.
  const TFrameMetrics withMenu{6, 30, 6, 6, 20};
  EXPECT_EQ(FrameHitTest({100, 35}, w, withMenu, true, false, 4), ht::Menu);
  EXPECT_EQ(FrameHitTest({100, 51}, w, withMenu, true, false, 4), ht::Client);
}

TEST(CaptionLayout, AlignmentShiftsAndClipping) {
  TDataSkinTitle title;
  const TRect r = Rect(10, 0, 210, 30);
  title.Margins = Rect(8, 5, 12, 0);  // shift 8, vertical shift 5, right clip 12
  title.TextBackLeft = 3;
  title.TextBackRight = 4;

  TCaptionPlace p = PlaceCaption(r, {50, 14}, title);
  EXPECT_EQ(p.Text, Rect(18, 10, 75, 24));  // (30-14)/2 + 5/2 = 10
  EXPECT_EQ(p.Back, Rect(18, 0, 75, 30));
  EXPECT_EQ(p.Draw, Rect(21, 10, 71, 24));

  title.TextAlignment = 1;
  p = PlaceCaption(r, {50, 14}, title);
  EXPECT_EQ(p.Text.Left, 10 + (200 - 57) / 2);

  // Right aligned: the end goes to r.Right + clip, so a positive clip cuts
  // the text and a negative one keeps room on the right.
  title.TextAlignment = 2;
  p = PlaceCaption(r, {50, 14}, title);
  EXPECT_EQ(p.Text, Rect(165, 10, 198, 24));
  title.Margins.Right = -30;
  p = PlaceCaption(r, {50, 14}, title);
  EXPECT_EQ(p.Text, Rect(123, 10, 180, 24));
  p = PlaceCaption(r, {500, 14}, title);
  EXPECT_EQ(p.Text, Rect(10, 10, 180, 24));  // never past the room, nor off the title
  title.Margins.Right = 12;

  // A long title is cut at the clip line and does not start left of the title.
  for (int align = 0; align < 3; ++align) {
    title.TextAlignment = align;
    p = PlaceCaption(r, {500, 14}, title);
    EXPECT_EQ(p.Text.Right, 198) << align;
    EXPECT_GE(p.Text.Left, r.Left) << align;
    EXPECT_GE(p.Draw.Right, p.Draw.Left) << align;
  }
  // A title lower than the text: the negative offset truncates toward zero.
  title.TextAlignment = 0;
  title.Margins = Rect(0, -3, 0, 0);
  p = PlaceCaption(Rect(0, 0, 100, 10), {20, 13}, title);
  EXPECT_EQ(p.Text.Top, -1 + -1);
}

// One query gives every part, the caption and the buttons, which follow the
// caption and the window's styles and show the window icon for icon buttons.
TEST(FrameLayout, PartsCaptionAndButtonsFromOneQuery) {
  TSkinModel skin;
  SetBorder(skin, bdLeft, 6, 40, 1);
  SetBorder(skin, bdRight, 7, 40, 1);
  SetBorder(skin, bdTop, 50, 30, 1);
  SetBorder(skin, bdBottom, 50, 9, 1);
  skin.Title->Margins = Rect(10, 0, 0, 0);
  const auto add = [&](int action, int align, int x, int visibility) {
    auto& b = *skin.SysButtons.emplace_back(std::make_unique<TDataSkinSysButton>());
    b.Action = action, b.Align = align, b.XCoord = x, b.YCoord = 5, b.Visibility = visibility, b.Visibility1 = 200;
    if (action != sbaIconA) b.Bitmap.SetSize(60, 16), b.Style.Frames = 3;
    return &b;
  };
  add(0, 1, 30, 0);         // close, 20 wide, from the right
  add(sbaIconA, 2, 4, 200);  // window icon, left of the caption
  add(1, 1, 60, 6);         // maximise: the window has no maximise box
  TBitmap icon(16, 16);
  const std::vector<TTitleButtonInput> buttons = TitleButtonsOf(skin, icon);
  EXPECT_EQ(buttons[1].Image, &icon);
  EXPECT_EQ(buttons[0].Image, &skin.SysButtons[0]->Bitmap);

  TFrameQuery q;
  q.Window = {300, 200};
  q.Facts.Kind = frSizeable;
  q.Facts.SavedStyles = ssSysMenu | ssMinimizeBox;
  q.Metrics = MeasureFrame(skin, frSizeable, 20);
  q.CaptionText = {80, 14};
  q.Buttons = buttons;
  TFrameLayout l = LayOutFrame(skin, q);
  EXPECT_EQ(l.Left, Rect(0, 0, 6, 200));
  EXPECT_EQ(l.Right, Rect(293, 0, 300, 200));
  EXPECT_EQ(l.Title, Rect(6, 0, 293, 30));
  EXPECT_EQ(l.Bottom, Rect(6, 191, 293, 200));
  EXPECT_EQ(l.MenuBar, Rect(6, 30, 293, 50));
  EXPECT_EQ(l.Client, Rect(6, 50, 293, 191));
  EXPECT_EQ(l.Caption.Text, Rect(16, 8, 96, 22));
  ASSERT_EQ(l.Buttons.size(), 3u);
  EXPECT_TRUE(l.Buttons[0].Placed);
  EXPECT_EQ(l.Buttons[0].Bounds, Rect(270, 5, 290, 21));
  EXPECT_EQ(l.Buttons[1].Bounds, Rect(16 - 16 - 4, 5, 16 - 4, 21));
  EXPECT_FALSE(l.Buttons[2].Visible || l.Buttons[2].Placed);

  // A window too narrow for a title keeps an empty caption at the title's left.
  q.Window = {10, 200};
  l = LayOutFrame(skin, q);
  EXPECT_EQ(l.Caption.Text, Rect(6, 0, 6, 30));
  EXPECT_EQ(l.Buttons[1].Bounds.Right, 6 - 4);
}

// A title lower than the system's title and frame leaves a gap above the
// client; the composition fills it with the face brush after the title bar,
// and the menu bar, drawn later, covers its part.
TEST(FrameCompose, GapUnderALowTitleTakesTheFaceBrush) {
  TSkinModel skin;
  const TColor side = MakeRGB(200, 0, 0), top = MakeRGB(0, 0, 200), face = MakeRGB(10, 20, 30), none = MakeRGB(0, 90, 0);
  SetBorder(skin, bdLeft, 6, 40, 1, side);
  SetBorder(skin, bdRight, 7, 40, 1, side);
  SetBorder(skin, bdTop, 50, 10, 1, top);
  SetBorder(skin, bdBottom, 50, 9, 1, side);
  TFrameQuery q;
  q.Window = {100, 80};
  q.Facts.Kind = frSizeable;
  q.Metrics = MeasureFrame(skin, frSizeable, 8);
  q.SystemTitleHeight = 30;
  TFrameLayout l = LayOutFrame(skin, q);
  EXPECT_EQ(l.TitleGap, Rect(6, 10, 93, 22));  // down to the system's 30, less the menu bar

  TBitmap frame(100, 80);
  frame.Fill(none);
  ComposeFrame(frame, skin, l, nullptr);
  EXPECT_EQ(frame.GetPixel(50, 9), top);
  EXPECT_EQ(frame.GetPixel(50, 10), none);  // no brush before a skin made one
  skin.FaceBrush.Recreate(face);
  ComposeFrame(frame, skin, l, nullptr);
  for (const TPoint p : {TPoint{6, 10}, TPoint{92, 10}, TPoint{50, 21}}) EXPECT_EQ(frame.GetPixel(p.X, p.Y), face) << p.X << "," << p.Y;
  EXPECT_EQ(frame.GetPixel(50, 22), none);
  EXPECT_EQ(frame.GetPixel(3, 15), side);
  EXPECT_EQ(frame.GetPixel(95, 15), side);

  // A title and menu bar as high as the system's leave no gap.
  q.SystemTitleHeight = 18;
  l = LayOutFrame(skin, q);
  EXPECT_TRUE(l.TitleGap.IsEmpty());
  frame.Fill(none);
  ComposeFrame(frame, skin, l, nullptr);
  EXPECT_EQ(frame.GetPixel(50, 12), none);
}
