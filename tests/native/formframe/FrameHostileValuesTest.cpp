// Frame geometry from absurd skin values: edges, caption and title-bar
// buttons stay bounded, and no sum overflows on the way.
#include <gtest/gtest.h>

#include <climits>

#include "formframe/CaptionLayout.h"
#include "formframe/FrameMetrics.h"
#include "formframe/TitleButtons.h"
#include "paint/PaintTypes.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {
namespace {

const int Extremes[] = {INT_MIN, -5000, -1, 0, 7, 5000, INT_MAX};

TEST(HostileFrameValues, FrameEdgesAreBoundedAndNoSizeComesBackNegative) {
  TSkinModel skin;
  skin.Borders[bdLeft]->Bitmap.SetSize(4000, 10);
  skin.Borders[bdRight]->Bitmap.SetSize(12, 10);
  skin.Borders[bdTop]->Bitmap.SetSize(10, 4000);
  skin.Borders[bdBottom]->Bitmap.SetSize(10, 60);
  skin.Borders[bdBottom]->Style.Frames = 2;
  const TFrameMetrics m = MeasureFrame(skin, frSizeable, 0);
  EXPECT_EQ(m, (TFrameMetrics{MaxFrameEdge, MaxFrameEdge, 12, 30, 0}));
  // A window squeezed below its frame while skinned.
  EXPECT_EQ(UnskinnedWindowSize({1, 1}, {16, 39}, m), (TSize{0, 0}));
}

TEST(HostileFrameValues, CaptionStaysOnTheTitleForAnyValues) {
  const TRect r = Rect(5, 0, 395, 30);
  TDataSkinTitle title;
  for (TSize text : {TSize{120, 16}, TSize{INT_MAX, INT_MAX}})
    for (int align : {0, 1, 2, -7})
      for (int shift : Extremes)
        for (int vert : Extremes)
          for (int clip : Extremes)
            for (int back : Extremes) {
              title.TextAlignment = align;
              title.Margins = Rect(shift, vert, clip, 0);
              title.TextBackLeft = title.TextBackRight = back;
              const TCaptionPlace p = PlaceCaption(r, text, title);
              const TRect& t = p.Text;
              ASSERT_TRUE(r.Left <= t.Left && t.Left <= t.Right && t.Right <= r.Right && t.Bottom >= r.Top &&
                          t.Top <= r.Bottom && t.Left <= p.Draw.Left && p.Draw.Left <= p.Draw.Right &&
                          p.Draw.Right <= t.Right && p.Back == Rect(t.Left, r.Top, t.Right, r.Bottom))
                  << align << " " << shift << " " << vert << " " << clip << " " << back;
            }
}

TEST(HostileFrameValues, ButtonsStayWithinPaintableCoordinatesForAnyPlace) {
  TButtonLayoutFrame frame;
  frame.WindowWidth = 400;
  frame.CaptionText = Rect(30, 7, 200, 23);
  frame.Metrics = {6, 30, 6, 6, 20};
  TDataSkinSysButton b;
  for (int align : {0, 1, 2, 3, 8, 9, 100, -4})
    for (int x : Extremes)
      for (int y : Extremes)
        for (int margin : {INT_MIN, 0, INT_MAX}) {
          b.Align = align;
          b.XCoord = x;
          b.YCoord = y;
          frame.MenuBarMarginLeft = margin;
          const std::optional<TRect> place = LayoutSysButton(b, 60, 16, 3, frame);
          ASSERT_TRUE(place.has_value());
          ASSERT_TRUE(std::abs(place->Left) <= MaxPaintCoord && std::abs(place->Top) <= MaxPaintCoord &&
                      place->Width() == 20 && place->Height() == 16)
              << align << " " << x << " " << y << " " << margin;
        }
}

}  // namespace
}  // namespace pelorin
