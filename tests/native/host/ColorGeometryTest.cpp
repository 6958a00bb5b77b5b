// Colour conversion and rectangle helpers.
#include <gtest/gtest.h>

#include "host/core/Color.h"
#include "host/core/Geometry.h"

using namespace pelorin;

TEST(ColorAndGeometry, SystemColoursAndRectangleEdges) {
  EXPECT_EQ(ColorToRGB(clBtnFace), PlatformSysColor(COLOR_BTNFACE_IDX));
  EXPECT_FALSE(IsSysColor(ColorToRGB(clHighlight)));
  EXPECT_EQ(ColorToRGB(MakeRGB(1, 2, 3)), MakeRGB(1, 2, 3));
  EXPECT_EQ(PlatformSysColor(SYS_COLOR_COUNT + 50), 0);

  const TRect a = Rect(0, 0, 10, 10);
  EXPECT_EQ(IntersectRect(a, Rect(5, 5, 20, 20)), Rect(5, 5, 10, 10));
  EXPECT_EQ(IntersectRect(a, Rect(10, 0, 20, 10)), TRect{});  // touching edges share no pixel
  EXPECT_EQ(UnionRect(Rect(20, 20, 20, 30), a), a);           // an empty operand is ignored
  EXPECT_EQ(UnionRect(Rect(3, 3, 1, 1), Rect(0, 0, 0, 9)), TRect{});
  EXPECT_EQ(UnionRect(a, Rect(-5, 2, 1, 12)), Rect(-5, 0, 10, 12));
}
