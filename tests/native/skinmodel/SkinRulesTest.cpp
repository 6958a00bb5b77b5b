// Colour texts, image-name resolution, derived frame counts and the MDI strip.
#include <gtest/gtest.h>

#include "skinmodel/SkinColors.h"
#include "skinmodel/SkinRules.h"

using namespace pelorin;

TEST(StrToColour, SeparatorsCountFields) {
  EXPECT_EQ(StrToColour("255 128 0", clNone), MakeRGB(255, 128, 0));
  EXPECT_EQ(StrToColour("255,128,0", clNone), MakeRGB(255, 128, 0));
  EXPECT_EQ(StrToColour("  255 128 0 \t", clNone), MakeRGB(255, 128, 0));
  // A doubled separator skips a component; the tail is then dropped.
  EXPECT_EQ(StrToColour("255  128 0", clNone), MakeRGB(255, 0, 128));
  EXPECT_EQ(StrToColour("255 128", clNone), MakeRGB(255, 0, 0));
  EXPECT_EQ(StrToColour("200", clNone), clBlack);
  EXPECT_EQ(StrToColour("300 0 0", clNone), MakeRGB(44, 0, 0));
  EXPECT_EQ(StrToColour("1 2 3 4", clNone), MakeRGB(1, 2, 3));
  EXPECT_EQ(StrToColour("99999999999 7 8", clNone), MakeRGB(0, 7, 8));  // overflow gives 0
  EXPECT_EQ(StrToColour("", clBtnFace), clBtnFace);
  EXPECT_EQ(StrToColour("   ", clBtnFace), clBlack);  // not empty: converted
}

TEST(SkinRules, ImageNameResolution) {
  EXPECT_EQ(SkinImageFileName("Skins\\Blue\\Border.bmp"), "Border.bmp");
  EXPECT_EQ(SkinImageFileName("C:border.bmp"), "border.bmp");
  EXPECT_EQ(SkinImageFileName("a.b.bmp"), "a.b.bmp");
  EXPECT_EQ(SkinImageFileName("top.BMP"), "");
  EXPECT_EQ(SkinImageFileName("top.bmp.txt"), "");
  EXPECT_EQ(SkinImageFileName("top"), "");
  EXPECT_EQ(SkinImageFileName("folder\\"), "");
}

TEST(SkinRules, FrameCounts) {
  EXPECT_EQ(SysButtonFrameCount(0, 60, 18, 0), 3);   // ratio 3.33
  EXPECT_EQ(SysButtonFrameCount(0, 38, 10, 0), 3);   // exactly 3.8 is not wider
  EXPECT_EQ(SysButtonFrameCount(0, 60, 18, -1), 6);
  EXPECT_EQ(SysButtonFrameCount(0, 0, 0, 0), 6);
  EXPECT_EQ(SysButtonFrameCount(2, 60, 18, -1), 2);  // the key wins

  EXPECT_EQ(ToggleStripFrameCount(64, 16), 4);
  EXPECT_EQ(ToggleStripFrameCount(26, 13), 4);
  EXPECT_EQ(ToggleStripFrameCount(104, 13), 8);

  EXPECT_EQ(SafeFrameWidth(100, 0), 0);
  EXPECT_EQ(SafeFrameWidth(3, 5), 0);
}

TEST(SkinRules, MdiStripSplit) {
  // The even split of a strip is in the parser's tests. Leftover columns beyond 12 frames are not used.
  EXPECT_EQ(MdiStripPart(200, 14, 2).Source, Rect(128, 0, 192, 14));
  // Narrower than 12 pixels: no source, offsets with zero-width frames.
  EXPECT_TRUE(MdiStripPart(11, 14, 0).Source.IsEmpty());
  EXPECT_EQ(MdiStripPart(11, 14, 0).XCoord, 12);
}
