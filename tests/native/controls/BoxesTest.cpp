#include <gtest/gtest.h>

#include <climits>

#include "controls/GroupBoxLayout.h"
#include "controls/RangeControls.h"
#include "controls/StatusPanels.h"

namespace pelorin {
namespace {

TEST(StatusPanels, FramesAlignmentsAndTextPlacement) {
  EXPECT_EQ(PanelFrameOfBevel(0), pfFlat);
  EXPECT_EQ(PanelFrameOfBevel(2), pfRaised);
  EXPECT_EQ(PanelFrameOfBevel(-7), pfLowered);
  EXPECT_EQ(PanelFrameOfDrawFlags(0x0100 | 0x0200), pfFlat);
  EXPECT_EQ(PanelFrameOfDrawFlags(0x1000), pfLowered);
  EXPECT_EQ(AlignmentFormat(1), 2);  // right
  EXPECT_EQ(AlignmentFormat(2), 1);  // centre
  EXPECT_EQ(AlignmentFormat(99), 0);
  // Leading tabs of a plain bar's text say the alignment; a third one is text.
  EXPECT_EQ(PanelFromSystemText(1, L"\tmid", 0).Format, 1);
  const auto right = PanelFromSystemText(2, L"\t\t\tR", 0x0200);
  EXPECT_EQ(right.Text, L"\tR");
  EXPECT_EQ(right.Format, 2);
  EXPECT_EQ(right.Frame, pfRaised);

  const TRect panel{10, 0, 110, 20};
  EXPECT_EQ(PlacePanelText(panel, {40, 14}, 0), Rect(14, 3, 54, 17));
  EXPECT_EQ(PlacePanelText(panel, {40, 14}, 1), Rect(40, 3, 80, 17));
  EXPECT_EQ(PlacePanelText(panel, {40, 14}, 2), Rect(66, 3, 106, 17));
  // Wider than the panel, whatever the alignment: from the left, clipped; a sliver of a panel.
  EXPECT_EQ(PlacePanelText(panel, {300, 14}, 2), Rect(14, 3, 106, 17));
  EXPECT_EQ(PlacePanelText({5, 0, 6, 20}, {10, 14}, 1), Rect(9, 3, 9, 17));
}

TEST(RangeControls, ProgressFillsFromMinInSixtyFourBitsAndTrackBarsSkinOnlyTheThumb) {
  const TRect trough{4, 2, 204, 18};
  EXPECT_EQ(ProgressFill(trough, 0, 100, 50, false), Rect(4, 2, 104, 18));
  EXPECT_EQ(ProgressFill(trough, 50, 150, 50, false).Right, 4);  // Min 50 starts empty
  EXPECT_EQ(ProgressFill(trough, 0, 100, 500, false).Right, 204);  // clamped
  EXPECT_EQ(ProgressFill(trough, 0, 100, -5, false).Right, 4);
  EXPECT_EQ(ProgressFill(trough, 9, 3, 5, false).Right, 4);  // inverted range
  // Ranges whose product overflows 32 bits, and the widest range of all.
  EXPECT_EQ(ProgressFill(trough, 0, 2000000000, 1000000000, false).Right, 104);
  EXPECT_EQ(ProgressFill(trough, INT_MIN, INT_MAX, 0, false).Right, 104);
  EXPECT_EQ(ProgressFill(trough, INT_MIN, INT_MAX, INT_MAX, false).Right, 204);
  // Vertical bars grow from the bottom; troughs of no size, or wider than any window.
  EXPECT_EQ(ProgressFill(trough, 0, 4, 1, true), Rect(4, 14, 204, 18));
  EXPECT_EQ(ProgressFill({10, 10, 0, 0}, 0, 10, 10, false).Right, 10);
  EXPECT_EQ(ProgressFill({INT_MIN, 0, INT_MAX, 1}, 0, 1, 1, false).Right, -1);

  EXPECT_EQ(TrackBarCustomDraw(cddsPrePaint, 0).Result, cdrfNotifyItemDraw);
  const auto thumb = TrackBarCustomDraw(cddsItemPrePaint, tbcdThumb);
  EXPECT_TRUE(thumb.DrawThumb);
  EXPECT_EQ(thumb.Result, cdrfSkipDefault);
  for (uintptr_t item : {uintptr_t{tbcdTics}, uintptr_t{tbcdChannel}})
    EXPECT_EQ(TrackBarCustomDraw(cddsItemPrePaint, item).Result, cdrfDoDefault);
  EXPECT_FALSE(TrackBarCustomDraw(0x10002, tbcdThumb).DrawThumb);  // item post-paint
  EXPECT_EQ(SkinThumbRect({95, -4, 110, 26}, {0, 0, 100, 30}), Rect(95, 0, 100, 26));
  EXPECT_TRUE(SkinThumbRect({120, 5, 130, 26}, {0, 0, 100, 30}).IsEmpty());
}

TEST(GroupBoxLayout, TheCaptionSitsOnTheTopLine) {
  const auto g = LayOutGroupBox({200, 100}, {50, 14}, 0);
  EXPECT_EQ(g.Frame, Rect(0, 7, 200, 100));
  EXPECT_EQ(g.Caption, Rect(8, 0, 62, 14));
  EXPECT_EQ(LayOutGroupBox({200, 100}, {50, 14}, 2).Caption, Rect(138, 0, 192, 14));
  EXPECT_EQ(LayOutGroupBox({200, 100}, {50, 14}, 1).Caption.Left, 73);
  // Without a caption the line is unbroken; a long one stays inside; boxes too small.
  EXPECT_TRUE(LayOutGroupBox({200, 100}, {0, 14}, 0).Caption.IsEmpty());
  EXPECT_EQ(LayOutGroupBox({60, 100}, {500, 14}, 1).Caption, Rect(8, 0, 52, 14));
  EXPECT_EQ(LayOutGroupBox({60, 100}, {INT_MAX, 14}, 2).Caption, Rect(8, 0, 52, 14));
  EXPECT_EQ(LayOutGroupBox({10, 6}, {50, 14}, 0).Frame, Rect(0, 3, 10, 6));
  EXPECT_EQ(LayOutGroupBox({-5, -5}, {50, 14}, 2).Frame, Rect(0, 0, 0, 0));
}

}  // namespace
}  // namespace pelorin
