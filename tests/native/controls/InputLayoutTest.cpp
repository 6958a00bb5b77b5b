// Check and radio boxes, combo box parts, the edit border rule and up-down
// halves: the rules the screen tests under Wine do not reach.
#include <gtest/gtest.h>

#include "controls/ArrowShapes.h"
#include "controls/ButtonFrames.h"
#include "controls/ComboLayout.h"
#include "controls/EditBorder.h"
#include "controls/ToggleBox.h"
#include "controls/UpDownLayout.h"

namespace pelorin {
namespace {

TEST(ToggleBox, FramesAndPlacementOfImagesOfEverySize) {
  EXPECT_EQ(CheckBoxFrame(2, true), 1);  // indeterminate shows unchecked
  EXPECT_EQ(CheckBoxFrame(1 | 4 | 8, true), 2);  // pushed and focus bits play no part
  EXPECT_EQ(RadioButtonFrame(true, false), 4);
  const TRect row = Rect(0, 0, 100, 17);
  EXPECT_EQ(ToggleBoxRect(row, 10, 10, false), Rect(2, 3, 12, 13));  // centred in the 14-pixel cell
  EXPECT_EQ(ToggleBoxRect(row, 10, 10, true), Rect(88, 3, 98, 13));
  // From 15 pixels on: flush left, or one pixel in from the right.
  EXPECT_EQ(ToggleBoxRect(row, 15, 15, false), Rect(0, 1, 15, 16));
  EXPECT_EQ(ToggleBoxRect(row, 16, 16, true), Rect(83, 0, 99, 16));
  // A row lower than the box: the box starts above it, what is painted stays in it.
  EXPECT_EQ(ToggleBoxRect(Rect(5, 10, 105, 16), 13, 13, false), Rect(5, 7, 18, 20));
  EXPECT_EQ(ToggleCoverRect(Rect(5, 10, 105, 16), Rect(5, 7, 18, 20), false), Rect(5, 10, 18, 16));
  EXPECT_EQ(ToggleCoverRect(row, Rect(88, 3, 98, 13), true), Rect(87, 1, 100, 15));
}

TEST(ComboLayout, PressedBeatsFocusAndEdgePiecesStayInTheirFrame) {
  EXPECT_EQ(ComboFrame({false, true, true, true}), cfPressed);
  EXPECT_EQ(ComboFrame({false, false, false, false}), cfDisabled);
  // Left edge, top edge, top-left corner, bottom edge, bottom-left corner; a
  // margin below 2 draws one pixel.
  const TSliceList p = SunkEdgePieces(Rect(0, 0, 120, 21), 102, Rect(0, 0, 16, 16), Rect(3, 2, 4, 1));
  const TSlicePiece want[] = {{Rect(0, 2, 3, 15), Rect(0, 0, 2, 21)}, {Rect(3, 0, 12, 2), Rect(0, 0, 102, 2)},
                              {Rect(0, 0, 3, 2), Rect(0, 0, 2, 2)}, {Rect(3, 15, 12, 16), Rect(0, 20, 102, 21)},
                              {Rect(0, 15, 3, 16), Rect(0, 20, 1, 21)}};
  ASSERT_EQ(p.size(), 5u);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(p[i], want[i]) << i;
  // Whatever the skin says, every source lies inside the frame it comes from.
  const TRect frame = Rect(16, 0, 32, 16);
  const TRect hostile[] = {Rect(-5, -5, -5, -5), Rect(20, 20, 20, 20), Rect(9, 9, 9, 9),
                           Rect(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), Rect(16, 0, 0, 16)};
  for (const TRect& m : hostile)
    for (const TSlicePiece& s : SunkEdgePieces(Rect(0, 0, 60, 20), 42, frame, m)) {
      EXPECT_FALSE(s.Source.IsEmpty());
      EXPECT_EQ(IntersectRect(s.Source, frame), s.Source);
    }
}

TEST(EditBorder, RingsOnlyForABorderedEdit) {
  EXPECT_EQ(EditRingRule({96, 20}, {100, 24}, true).Background, 1);  // the spin keeps the second ring
  EXPECT_EQ(EditRingRule({100, 20}, {100, 24}, false).Background, 0);
  EXPECT_FALSE(EditRingRule({96, 24}, {100, 24}, false).Shadow);
}

TEST(UpDownLayout, TheHalfUnderTheCursorTakesTheState) {
  TUpDownFacts f{false, true, false, true, {8, 11}};  // pressed on the last row of the upper half
  auto parts = UpDownParts({17, 24}, f);
  EXPECT_EQ(parts[0].Rect, Rect(1, 1, 16, 12));
  EXPECT_EQ(parts[1].Rect, Rect(1, 12, 16, 23));
  EXPECT_EQ(parts[0].Frame, cfPressed);
  EXPECT_EQ(parts[1].Frame, cfNormal);
  f = {true, false, true, true, {15, 3}};  // hot, on the first column of the right half
  parts = UpDownParts({30, 16}, f);
  EXPECT_EQ(parts[1].Rect, Rect(15, 1, 29, 15));
  EXPECT_EQ(parts[0].Direction, adLeft);
  EXPECT_EQ(parts[0].Frame, cfNormal);
  EXPECT_EQ(parts[1].Frame, cfHot);
  f.Enabled = false;
  EXPECT_EQ(UpDownParts({30, 16}, f)[1].Frame, cfDisabled);
  EXPECT_TRUE(UpDownParts({1, 1}, f)[0].Rect.IsEmpty());  // too small for halves: nothing to paint
  EXPECT_EQ(UpDownArrowCentre(Rect(1, 12, 16, 23), adDown), Point(8, 15));  // two pixels up
}

}  // namespace
}  // namespace pelorin
