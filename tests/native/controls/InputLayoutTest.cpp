// Check and radio boxes, combo box parts, the edit border rule and up-down
// halves: which frame shows and where each part goes.
#include <gtest/gtest.h>

#include "controls/ArrowShapes.h"
#include "controls/ButtonFrames.h"
#include "controls/ComboLayout.h"
#include "controls/EditBorder.h"
#include "controls/ToggleBox.h"
#include "controls/UpDownLayout.h"

namespace pelorin {
namespace {

TEST(ToggleBox, FramesOfCheckBoxesAndRadioButtons) {
  EXPECT_EQ(CheckBoxFrame(0, true), 1);
  EXPECT_EQ(CheckBoxFrame(1, true), 2);
  EXPECT_EQ(CheckBoxFrame(2, true), 1);       // indeterminate shows unchecked
  EXPECT_EQ(CheckBoxFrame(1 | 4 | 8, true), 2);  // pushed and focused bits play no part
  EXPECT_EQ(CheckBoxFrame(1, false), 3);
  EXPECT_EQ(CheckBoxFrame(0, false), 3);
  EXPECT_EQ(RadioButtonFrame(false, true), 1);
  EXPECT_EQ(RadioButtonFrame(true, true), 2);
  EXPECT_EQ(RadioButtonFrame(false, false), 3);
  EXPECT_EQ(RadioButtonFrame(true, false), 4);
}

TEST(ToggleBox, BoxStandsInTheSystemCellCentredInTheRow) {
  const TRect row = Rect(0, 0, 100, 17);
  EXPECT_EQ(ToggleBoxRect(row, 13, 13, false), Rect(0, 2, 13, 15));
  EXPECT_EQ(ToggleBoxRect(row, 10, 10, false), Rect(2, 3, 12, 13));
  EXPECT_EQ(ToggleBoxRect(row, 10, 10, true), Rect(88, 3, 98, 13));
  EXPECT_EQ(ToggleBoxRect(row, 14, 14, true), Rect(86, 1, 100, 15));
  // From 15 pixels on: flush left, or one pixel in from the right.
  EXPECT_EQ(ToggleBoxRect(row, 15, 15, false), Rect(0, 1, 15, 16));
  EXPECT_EQ(ToggleBoxRect(row, 16, 16, true), Rect(83, 0, 99, 16));
  // A row lower than the box: the box starts above it.
  EXPECT_EQ(ToggleBoxRect(Rect(5, 10, 105, 16), 13, 13, false), Rect(5, 7, 18, 20));
}

TEST(ToggleBox, CoverTakesInTheSystemBoxButStaysInTheRow) {
  const TRect row = Rect(0, 0, 100, 17);
  EXPECT_EQ(ToggleCoverRect(row, Rect(2, 3, 12, 13), false), Rect(0, 1, 13, 15));
  EXPECT_EQ(ToggleCoverRect(row, Rect(88, 3, 98, 13), true), Rect(87, 1, 100, 15));
  EXPECT_EQ(ToggleCoverRect(row, Rect(0, 0, 16, 16), false), Rect(0, 0, 16, 17));
  EXPECT_EQ(ToggleCoverRect(Rect(5, 10, 105, 16), Rect(5, 7, 18, 20), false), Rect(5, 10, 18, 16));
}

TEST(ComboLayout, FrameAndParts) {
  EXPECT_EQ(ComboFrame({}), cfNormal);
  EXPECT_EQ(ComboFrame({false, false, false, false}), cfDisabled);
  EXPECT_EQ(ComboFrame({false, false, true, true}), cfHot);
  EXPECT_EQ(ComboFrame({true, false, false, true}), cfHot);
  EXPECT_EQ(ComboFrame({true, true, true, true}), cfPressed);
  const TRect r = Rect(0, 0, 120, 21);
  const TRect b = ComboButtonRect(r, 18);
  EXPECT_EQ(b, Rect(102, 0, 120, 21));
  EXPECT_EQ(ComboArrowRect(b, r, 10, 7), Rect(106, 7, 116, 14));
}

TEST(ComboLayout, SunkEdgePiecesAndThickness) {
  EXPECT_EQ(SunkEdgeThickness(0), 1);
  EXPECT_EQ(SunkEdgeThickness(1), 1);
  EXPECT_EQ(SunkEdgeThickness(2), 2);
  EXPECT_EQ(SunkEdgeThickness(7), 2);
  const TRect r = Rect(0, 0, 120, 21);
  const TSliceList p = SunkEdgePieces(r, 102, Rect(0, 0, 16, 16), Rect(3, 2, 4, 1));
  ASSERT_EQ(p.size(), 5u);
  EXPECT_EQ(p[0].Source, Rect(0, 2, 3, 15));    // left edge
  EXPECT_EQ(p[0].Dest, Rect(0, 0, 2, 21));
  EXPECT_EQ(p[1].Source, Rect(3, 0, 12, 2));    // top edge, up to the button
  EXPECT_EQ(p[1].Dest, Rect(0, 0, 102, 2));
  EXPECT_EQ(p[2].Source, Rect(0, 0, 3, 2));     // top-left corner
  EXPECT_EQ(p[2].Dest, Rect(0, 0, 2, 2));
  EXPECT_EQ(p[3].Source, Rect(3, 15, 12, 16));  // bottom edge, one pixel
  EXPECT_EQ(p[3].Dest, Rect(0, 20, 102, 21));
  EXPECT_EQ(p[4].Source, Rect(0, 15, 3, 16));
  EXPECT_EQ(p[4].Dest, Rect(0, 20, 1, 21));
}

TEST(ComboLayout, HostileEdgeMarginsStayInsideTheFrame) {
  const TRect frame = Rect(16, 0, 32, 16);  // not the first frame: sources move with it
  const TRect hostile[] = {Rect(-5, -5, -5, -5), Rect(20, 20, 20, 20), Rect(9, 9, 9, 9),
                           Rect(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), Rect(16, 0, 0, 16)};
  for (const TRect& m : hostile) {
    for (const TSlicePiece& p : SunkEdgePieces(Rect(0, 0, 60, 20), 42, frame, m)) {
      EXPECT_FALSE(p.Source.IsEmpty());
      EXPECT_GE(p.Source.Left, frame.Left);
      EXPECT_LE(p.Source.Right, frame.Right);
      EXPECT_GE(p.Source.Top, frame.Top);
      EXPECT_LE(p.Source.Bottom, frame.Bottom);
    }
  }
  // Margins that fit only together with no opposite: one side the whole frame.
  EXPECT_EQ(SunkEdgePieces(Rect(0, 0, 60, 20), 42, frame, Rect(16, 0, 0, 16)).size(), 1u);
  // A button covering everything leaves only the left side.
  EXPECT_EQ(SunkEdgePieces(Rect(0, 0, 10, 20), 0, frame, Rect(2, 2, 2, 2)).size(), 3u);
}

TEST(EditBorder, RingsOnlyForABorderedEdit) {
  EXPECT_EQ(EditRingRule({96, 20}, {100, 24}, false).Background, 2);
  EXPECT_TRUE(EditRingRule({96, 20}, {100, 24}, false).Shadow);
  EXPECT_EQ(EditRingRule({96, 20}, {100, 24}, true).Background, 1);
  // Equal in either direction: no border, nothing drawn.
  EXPECT_EQ(EditRingRule({100, 20}, {100, 24}, false).Background, 0);
  EXPECT_FALSE(EditRingRule({96, 24}, {100, 24}, false).Shadow);
}

TEST(UpDownLayout, HalvesDirectionsAndFrames) {
  TUpDownFacts f;
  f.Cursor = {8, 5};
  auto parts = UpDownParts({17, 24}, f);
  EXPECT_EQ(parts[0].Rect, Rect(1, 1, 16, 12));
  EXPECT_EQ(parts[1].Rect, Rect(1, 12, 16, 23));
  EXPECT_EQ(parts[0].Direction, adUp);
  EXPECT_EQ(parts[1].Direction, adDown);
  EXPECT_EQ(parts[0].Frame, cfNormal);
  f.Pressed = true;
  EXPECT_EQ(UpDownParts({17, 24}, f)[0].Frame, cfPressed);
  EXPECT_EQ(UpDownParts({17, 24}, f)[1].Frame, cfNormal);
  // The pressed frame goes to the half the cursor is in, its first row included.
  f.Cursor = {8, 11};
  EXPECT_EQ(UpDownParts({17, 24}, f)[0].Frame, cfPressed);
  f.Cursor = {8, 12};
  EXPECT_EQ(UpDownParts({17, 24}, f)[1].Frame, cfPressed);
  f.Pressed = false;
  f.Hot = true;
  EXPECT_EQ(UpDownParts({17, 24}, f)[1].Frame, cfHot);
  f.Enabled = false;
  parts = UpDownParts({17, 24}, f);
  EXPECT_EQ(parts[0].Frame, cfDisabled);
  EXPECT_EQ(parts[1].Frame, cfDisabled);

  TUpDownFacts h;
  h.Horizontal = true;
  h.Pressed = true;
  h.Cursor = {14, 3};
  parts = UpDownParts({30, 16}, h);
  EXPECT_EQ(parts[0].Rect, Rect(1, 1, 15, 15));
  EXPECT_EQ(parts[1].Rect, Rect(15, 1, 29, 15));
  EXPECT_EQ(parts[0].Direction, adLeft);
  EXPECT_EQ(parts[0].Frame, cfPressed);
  EXPECT_EQ(parts[1].Frame, cfNormal);
  // A control too small for halves gives empty ones, never inverted sizes that paint.
  parts = UpDownParts({1, 1}, f);
  EXPECT_TRUE(parts[0].Rect.IsEmpty());
  EXPECT_TRUE(parts[1].Rect.IsEmpty());
}

TEST(UpDownLayout, ShadingAndArrowCentre) {
  EXPECT_FALSE(UpDownPartShaded(cfNormal));
  EXPECT_FALSE(UpDownPartShaded(cfDisabled));
  EXPECT_TRUE(UpDownPartShaded(cfPressed));
  EXPECT_TRUE(UpDownPartShaded(cfHot));
  EXPECT_EQ(UpDownArrowCentre(Rect(1, 12, 16, 23), adDown), Point(8, 15));
  EXPECT_EQ(UpDownArrowCentre(Rect(15, 1, 29, 15), adRight), Point(22, 8));
}

}  // namespace
}  // namespace pelorin
