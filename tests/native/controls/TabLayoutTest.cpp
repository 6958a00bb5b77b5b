#include "controls/HeaderLayout.h"
#include "controls/TabLayout.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

constexpr TColor Red = MakeRGB(255, 0, 0), Green = MakeRGB(0, 160, 0), Blue = MakeRGB(0, 0, 255),
                 Face = MakeRGB(200, 200, 200);

// A 5-frame tab strip, 10 x 8 frames: the outer (top) row red, the rest of
// frame 1 green and of frame 2 blue.
std::unique_ptr<TDataSkinBorder> TabElement(bool withBorder) {
  auto tab = std::make_unique<TDataSkinBorder>("Tabs");
  tab->Bitmap.SetSize(50, 8);
  tab->Bitmap.Fill(Green);
  tab->Bitmap.FillRect(Rect(10, 0, 20, 8), Blue);
  tab->Bitmap.FillRect(Rect(0, 0, 50, 1), Red);
  tab->Style.Frames = 5;
  tab->Margins = Rect(2, 3, 2, 1);
  if (withBorder) {
    tab->Bitmap2.SetSize(12, 20);
    tab->Bitmap2.Fill(Red);
  }
  return tab;
}

TEST(TabLayout, SideFromStyleBits) {
  EXPECT_EQ(TabSideFromStyle(0), tsTop);
  EXPECT_EQ(TabSideFromStyle(0x0002), tsBottom);
  EXPECT_EQ(TabSideFromStyle(0x0080), tsLeft);
  EXPECT_EQ(TabSideFromStyle(0x0082), tsRight);
  EXPECT_EQ(TabSideFromStyle(0x50000000u | 0x0200 | 0x0080), tsLeft);  // other bits ignored
}

TEST(TabLayout, PageFrameAndStripOnEverySide) {
  const TRect client{0, 0, 200, 100};
  struct Case {
    TTabSide side;
    TRect display, page, strip;
  } cases[] = {
      {tsTop, {4, 26, 196, 96}, {0, 23, 200, 100}, {0, 0, 200, 23}},
      {tsBottom, {4, 4, 196, 74}, {0, 0, 200, 77}, {0, 77, 200, 100}},
      {tsLeft, {30, 4, 196, 96}, {27, 0, 200, 100}, {0, 0, 27, 100}},
      {tsRight, {4, 4, 170, 96}, {0, 0, 173, 100}, {173, 0, 200, 100}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TabPageRect(c.side, c.display), c.page) << int(c.side);
    EXPECT_EQ(TabStripRect(c.side, client, c.page), c.strip) << int(c.side);
  }
  EXPECT_EQ(TabStripBufferSize(tsLeft, cases[2].strip), (TPoint{100, 27}));  // lying down
  EXPECT_EQ(TabStripBufferSize(tsBottom, cases[1].strip), (TPoint{200, 23}));
  // A display area outside the control never gives an inverted strip.
  EXPECT_EQ(TabStripRect(tsTop, client, {0, 500, 10, 600}), client);
  EXPECT_EQ(TabStripBufferSize(tsRight, TabStripRect(tsRight, client, {-50, 0, -40, 9})), (TPoint{100, 200}));
  EXPECT_EQ(TabStripBufferSize(tsTop, {10, 10, 0, 0}), (TPoint{0, 0}));
}

// Every pixel of the strip and of the frame's edges is blitted exactly once,
// none of the arrows' window or of the page inside, in few blits; the rest of
// the client is filled exactly once.
TEST(TabLayout, BlitPiecesAndFillsCoverTheClientOnceAroundTheArrows) {
  const TRect client{0, 0, 200, 100};
  // The last display leaves a gap between the page and the client's edge.
  const TRect displays[] = {{4, 26, 196, 96}, {4, 4, 196, 74}, {30, 4, 196, 96}, {4, 4, 170, 90}};
  for (TTabSide side : {tsTop, tsBottom, tsLeft, tsRight}) {
    const TRect page = TabPageRect(side, displays[side]);
    const TRect strip = TabStripRect(side, client, page);
    const TRect m = TabBorderMargins(side);
    const TRect inside{page.Left + m.Left, page.Top + m.Top, page.Right - m.Right, page.Bottom - m.Bottom};
    for (const TRect hole : {TRect{}, TRect{160, 2, 200, 22}, TRect{-5, -5, 300, 300}}) {
      const std::vector<TRect> pieces = TabBlitPieces(client, strip, page, m, hole);
      const std::vector<TRect> fills = TabFillRects(client, strip, page, m);
      // The strip and the frame's edge beside it are one blit at the top and bottom.
      if (hole.Width() == 0 && (side == tsTop || side == tsBottom)) {
        EXPECT_EQ(pieces.size(), 4u);
      }
      for (int y = -2; y < 103; ++y)
        for (int x = -2; x < 203; ++x) {
          const TPoint p{x, y};
          int covered = 0;
          for (const TRect& r : pieces) covered += r.Contains(p);
          const bool wanted = client.Contains(p) && !hole.Contains(p) &&
                              (strip.Contains(p) || (page.Contains(p) && !inside.Contains(p)));
          ASSERT_EQ(covered, wanted ? 1 : 0) << int(side) << " at " << x << "," << y;
          int filled = 0;
          for (const TRect& r : fills) filled += r.Contains(p);
          const bool blank = client.Contains(p) && !strip.Contains(p) && (!page.Contains(p) || inside.Contains(p));
          ASSERT_EQ(filled, blank ? 1 : 0) << int(side) << " at " << x << "," << y;
        }
    }
  }
  // Hostile margins wider than the page never give inverted pieces.
  for (const TRect& r : TabBlitPieces(client, {0, 0, 200, 20}, {0, 20, 200, 100}, {500, -3, 900, 700}, {}))
    EXPECT_TRUE(r.Right > r.Left && r.Bottom > r.Top);
}

TEST(TabLayout, PreparedImagesForEachSide) {
  TTabImages images;
  PrepareTabImages(tsTop, nullptr, images);
  EXPECT_TRUE(images.Tab.Empty());
  // Tabs without a page frame are still drawn.
  auto bare = TabElement(false);
  PrepareTabImages(tsLeft, bare.get(), images);
  EXPECT_EQ(images.Tab.Width(), 50);
  EXPECT_TRUE(images.Border.Empty());

  auto tab = TabElement(true);
  tab->Bitmap2.SetPixel(0, 0, Blue);  // marks the frame image's top-left corner
  PrepareTabImages(tsBottom, tab.get(), images);
  EXPECT_EQ(images.Tab.GetPixel(3, 7), Red);  // the outer row is at the bottom now
  EXPECT_EQ(images.TabMargins, Rect(2, 1, 2, 3));
  EXPECT_EQ(images.Border.GetPixel(0, 19), Blue);
  EXPECT_EQ(images.Tab.PixelFormat(), TPixelFormat::pf24bit);
  PrepareTabImages(tsLeft, tab.get(), images);
  EXPECT_EQ(images.Border.Width(), 20);
  EXPECT_EQ(images.Border.GetPixel(0, 11), Blue);  // anticlockwise
  EXPECT_EQ(images.TabMargins, tab->Margins);
  PrepareTabImages(tsRight, tab.get(), images);
  EXPECT_EQ(images.Border.GetPixel(19, 0), Blue);  // clockwise
  // The frame's thick edge (5) faces the tabs whatever the side.
  EXPECT_EQ(TabBorderMargins(tsTop), Rect(4, 5, 4, 4));
  EXPECT_EQ(TabBorderMargins(tsBottom), Rect(4, 4, 4, 5));
  EXPECT_EQ(TabBorderMargins(tsLeft), Rect(5, 4, 4, 4));
  EXPECT_EQ(TabBorderMargins(tsRight), Rect(4, 4, 5, 4));
}

// The strip composed lying down and turned: each tab covers its own item
// rectangle in the control, its outer edge away from the page.
TEST(TabLayout, ComposedStripPutsEachTabOnItsItem) {
  const TRect client{0, 0, 120, 90};
  auto tab = TabElement(true);
  struct Case {
    TTabSide side;
    TRect display, item;
    TPoint outer, inner;  // a pixel on the tab's outer edge and one inside, in the control
  } cases[] = {
      {tsTop, {4, 24, 116, 86}, {10, 2, 40, 20}, {20, 3}, {20, 12}},  // one pixel toward the page
      {tsBottom, {4, 4, 116, 66}, {10, 70, 40, 88}, {20, 86}, {20, 78}},
      {tsLeft, {30, 4, 116, 86}, {2, 10, 26, 50}, {2, 30}, {12, 30}},
      {tsRight, {4, 4, 90, 86}, {94, 10, 118, 50}, {117, 30}, {105, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.side));
    TTabImages images;
    PrepareTabImages(c.side, tab.get(), images);
    const TRect page = TabPageRect(c.side, c.display);
    const TRect strip = TabStripRect(c.side, client, page);
    const TPoint size = TabStripBufferSize(c.side, strip);
    TBitmap lying(size.X, size.Y), standing;
    lying.Fill(Face);
    DrawTab(lying, TabInStrip(c.side, c.item, strip), images, *tab, 2);
    TurnTabStrip(c.side, lying, standing);
    ASSERT_EQ(standing.Width(), strip.Width());
    ASSERT_EQ(standing.Height(), strip.Height());
    auto at = [&](TPoint p) { return standing.GetPixel(p.X - strip.Left, p.Y - strip.Top); };
    EXPECT_EQ(at(c.outer), Red);
    EXPECT_EQ(at(c.inner), Blue);  // frame 2, the selected tab
    // Nothing of the tab outside its item (shifted one pixel toward the page at top and bottom).
    const int shift = c.side == tsTop ? 1 : c.side == tsBottom ? -1 : 0;
    int covered = 0;
    for (int y = strip.Top; y < strip.Bottom; ++y)
      for (int x = strip.Left; x < strip.Right; ++x) {
        const bool inside = x >= c.item.Left && x < c.item.Right && y >= c.item.Top + shift && y < c.item.Bottom + shift;
        if (at({x, y}) != Face) {
          ++covered;
          EXPECT_TRUE(inside) << x << "," << y;
        }
      }
    EXPECT_EQ(covered, c.item.Width() * c.item.Height());
  }
}

TEST(HeaderLayout, AlignmentGapsIconsNarrowItemsAndTabCaptions) {
  const TRect item{100, 0, 200, 20};
  const TPoint text{30, 12};
  // Right: 4 pixels at the right end; left: 4 at the left; centred both ways.
  EXPECT_EQ(PlaceHeaderItem(item, 0x0001, {}, text).Parts.Text, Rect(166, 4, 196, 16));
  EXPECT_EQ(PlaceHeaderItem(item, 0x4000, {}, text).Parts.Text, Rect(104, 4, 134, 16));
  EXPECT_EQ(PlaceHeaderItem(item, 0x4002, {}, text).Parts.Text, Rect(135, 4, 165, 16));
  EXPECT_EQ(PlaceHeaderItem(item, 0x0005, {}, text).Format, 2);  // reading-order bit ignored
  // An icon leads the text, the pair aligned together.
  const THeaderItemPlace withIcon = PlaceHeaderItem(item, 0x0001, {16, 16}, text);
  EXPECT_EQ(withIcon.Parts.Icon, (TPoint{146, 2}));
  EXPECT_EQ(withIcon.Parts.Text.Left, 166);
  // Too wide: leans left and the text stops 4 pixels before the edge.
  const THeaderItemPlace wide = PlaceHeaderItem(item, 0x0002, {16, 16}, {120, 12});
  EXPECT_EQ(wide.Parts.Icon.X, 104);
  EXPECT_EQ(wide.Parts.Text, Rect(124, 4, 196, 16));
  // Tab captions: icon and text centred together.
  const TRect r{0, 0, 100, 24};
  TIconCaptionPlace p = PlaceIconCaption(r, {16, 16}, {40, 14});
  EXPECT_EQ(p.Icon, (TPoint{22, 4}));
  EXPECT_EQ(p.Text, Rect(39, 5, 79, 19));
  p = PlaceIconCaption(r, {}, {40, 14});  // no icon: the text alone, centred
  EXPECT_EQ(p.Text, Rect(30, 5, 70, 19));
}

}  // namespace
}  // namespace pelorin
