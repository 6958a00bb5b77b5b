// Menu item sizes, part placement, text colours and separator pieces.
#include <gtest/gtest.h>

#include "menus/MenuItemLayout.h"
#include "skinmodel/SkinRecords.h"

using namespace pelorin;

TEST(MenuItemLayout, SizesByKindAndWindowsFamily) {
  constexpr uint32_t nt = 0x0A280105u, win98 = 0xC0000A04u;
  EXPECT_EQ(MeasureNativeMenuItem(40, 15, false, nt), (TMenuItemSize{66, 19}));
  EXPECT_EQ(MeasureNativeMenuItem(0, 15, true, nt), (TMenuItemSize{26, 8}));
  EXPECT_EQ(MeasureNativeMenuItem(0, 15, true, win98), (TMenuItemSize{26, 12}));
  EXPECT_EQ(MeasureNativeMenuItem(40, 15, false, win98), (TMenuItemSize{66, 23}));
  EXPECT_EQ(MeasureComponentMenuItem({50, 17}, false, nt), (TMenuItemSize{78, 17}));
  EXPECT_EQ(MeasureComponentMenuItem({50, 17}, false, win98), (TMenuItemSize{78, 21}));
  EXPECT_EQ(MeasureComponentMenuItem({50, 5}, true, win98), (TMenuItemSize{78, 5}));
  EXPECT_EQ(MenuItemFrame(true), 4);
  EXPECT_EQ(MenuItemFrame(false), 1);
}

TEST(MenuItemLayout, GlyphCaptionAndShortcutPlaces) {
  const TRect r{10, 20, 150, 42};
  const TMenuItemBoxes b = MenuItemBoxes(r, false);
  EXPECT_EQ(b.Glyph, (TRect{11, 21, 27, 37}));
  EXPECT_EQ(b.Text, (TRect{30, 20, 149, 42}));
  const TMenuItemBoxes sep = MenuItemBoxes(r, true);
  EXPECT_TRUE(sep.Glyph.IsEmpty());
  EXPECT_EQ(sep.Text.Left, 3);

  const TRect caption = CentreMenuText({0, 0, 40, 13}, b.Text, r);
  EXPECT_EQ(caption, (TRect{30, 24, 70, 37}));
  EXPECT_EQ(MenuShortcutRect(caption, r), (TRect{70, 24, 140, 37}));
  // A text taller than the item still centres (it reaches above the top).
  EXPECT_EQ(CentreMenuText({0, 0, 5, 30}, b.Text, r).Top, 16);
}

TEST(MenuItemLayout, TextColoursFollowStateAndFallBack) {
  TSkinColors c{};
  c[csMenuText] = MakeRGB(1, 2, 3);
  c[csHilightText] = MakeRGB(9, 9, 9);
  c[csButtonShadow] = MakeRGB(7, 7, 7);
  c[csMenuBarText] = MakeRGB(5, 5, 5);
  EXPECT_EQ(MenuItemTextColor(c, false, true), c[csMenuText]);
  EXPECT_EQ(MenuItemTextColor(c, true, true), c[csHilightText]);
  EXPECT_EQ(MenuItemTextColor(c, true, false), c[csButtonShadow]);
  c[csButtonShadow] = c[csMenuText];
  EXPECT_EQ(MenuItemTextColor(c, false, false), clBtnShadow);
  EXPECT_EQ(MenuBarTextColor(c, true), c[csMenuBarText]);
  EXPECT_EQ(MenuBarTextColor(c, false), clBtnShadow);
}

TEST(MenuItemLayout, SeparatorTakesTheBottomRowsOfFrameTwo) {
  TDataSkinObject item;
  item.Bitmap.SetSize(100, 30);  // frames 20 wide; frame 2 at x 20..40
  item.Style.Frames = 5;
  item.Margins = {3, 0, 4, 0};
  const TSliceList p = MenuSeparatorPieces(item, 120, 8);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].Source, (TRect{20, 22, 23, 30}));
  EXPECT_EQ(p[0].Dest, (TRect{0, 0, 3, 8}));
  EXPECT_EQ(p[1].Source, (TRect{23, 22, 36, 30}));
  EXPECT_EQ(p[1].Dest, (TRect{3, 0, 116, 8}));
  EXPECT_EQ(p[2].Source, (TRect{36, 22, 40, 30}));
  EXPECT_EQ(p[2].Dest, (TRect{116, 0, 120, 8}));
  // A short image is stretched whole over the height.
  const TSliceList tall = MenuSeparatorPieces(item, 120, 50);
  ASSERT_EQ(tall.size(), 3u);
  EXPECT_EQ(tall[1].Source, (TRect{23, 0, 36, 30}));
  EXPECT_EQ(tall[1].Dest.Bottom, 50);
  // Margins wider than the destination are dropped; no image, no pieces.
  const TSliceList narrow = MenuSeparatorPieces(item, 5, 8);
  ASSERT_EQ(narrow.size(), 1u);
  EXPECT_EQ(narrow[0].Dest, (TRect{0, 0, 5, 8}));
  TDataSkinObject empty;
  EXPECT_TRUE(MenuSeparatorPieces(empty, 100, 8).empty());
  item.Bitmap.SetSize(4, 30);  // frames under one pixel wide
  EXPECT_TRUE(MenuSeparatorPieces(item, 100, 8).empty());
}
