// Colour conversion and rectangle helpers.
#include <gtest/gtest.h>

#include "host/core/Color.h"
#include "host/core/Geometry.h"

using namespace pelorin;

TEST(Color, SystemAndRgbColours) {
  EXPECT_EQ(ColorToRGB(clBtnFace), PlatformSysColor(COLOR_BTNFACE_IDX));
  EXPECT_FALSE(IsSysColor(ColorToRGB(clHighlight)));
  EXPECT_EQ(ColorToRGB(clWindowText), PlatformSysColor(COLOR_WINDOWTEXT_IDX));
  EXPECT_EQ(ColorToRGB(MakeRGB(1, 2, 3)), MakeRGB(1, 2, 3));
  EXPECT_EQ(PixelFromColor(MakeRGB(0x12, 0x34, 0x56)), 0x123456u);
  EXPECT_EQ(ColorFromPixel(0xFF123456u), MakeRGB(0x12, 0x34, 0x56));
  EXPECT_EQ(PlatformSysColor(-1), 0);
  EXPECT_EQ(PlatformSysColor(SYS_COLOR_COUNT + 50), 0);
}

TEST(Geometry, IntersectAndUnionEdges) {
  const TRect a = Rect(0, 0, 10, 10);
  EXPECT_EQ(IntersectRect(a, Rect(5, 5, 20, 20)), Rect(5, 5, 10, 10));
  EXPECT_EQ(IntersectRect(a, Rect(10, 0, 20, 10)), TRect{});  // touching edges share no pixel
  EXPECT_EQ(IntersectRect(a, Rect(8, 8, 4, 4)), TRect{});     // inverted
  EXPECT_EQ(UnionRect(a, Rect(20, 20, 20, 30)), a);           // empty operand ignored
  EXPECT_EQ(UnionRect(Rect(5, 5, 5, 5), a), a);
  EXPECT_EQ(UnionRect(Rect(3, 3, 1, 1), Rect(0, 0, 0, 9)), TRect{});
  EXPECT_EQ(UnionRect(a, Rect(-5, 2, 1, 12)), Rect(-5, 0, 10, 12));
  EXPECT_FALSE(a.Contains(Point(10, 5)));
  EXPECT_TRUE(PtInRect(a, Point(0, 9)));
  EXPECT_EQ(Bounds(2, 3, 4, 5), Rect(2, 3, 6, 8));
}
