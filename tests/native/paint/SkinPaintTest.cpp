// Pixel-exact tests of the painting primitives on hand-made images.
#include <gtest/gtest.h>

#include "host/core/Exceptions.h"
#include "paint/PaintTypes.h"
#include "paint/SkinPaint.h"
#include "PaintTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

constexpr uint32_t Key = 0xFF00FF;
constexpr uint32_t Paper = 0x123456;  // what a target holds before drawing

TBitmap Paper32(int w, int h) {
  TBitmap b(w, h);
  b.Fill(ColorFromPixel(Paper));
  return b;
}

TEST(BuildSkinBitmap, NineSliceStretchedPlacesEverySlice) {
  const TRect m = Rect(3, 2, 4, 5);
  for (bool vertical : {false, true}) {
    const TBitmap src = SliceImage(12, 10, 3, m, vertical);
    for (TRect dest : {Rect(0, 0, 40, 25), Rect(7, 9, 19, 19), Rect(0, 0, 7, 7), Rect(0, 0, 12, 10)}) {
      const TBitmap out = BuildSkinBitmap(dest, src, m, vertical, false, 3, 2);
      ASSERT_EQ(out.Width(), dest.Width());
      ASSERT_EQ(out.Height(), dest.Height());
      EXPECT_TRUE(PixelsAre(out, [&](int x, int y) {
        return SliceColour(1, SliceOf(x, dest.Width(), 3, 4), SliceOf(y, dest.Height(), 2, 5));
      })) << "vertical " << vertical << " dest " << dest.Width() << "x" << dest.Height();
    }
  }
  // Narrower than Left + Right, lower than Top + Bottom: both pairs become 0
  // and the whole frame is stretched.
  const TBitmap src = PosImage(12, 10);
  const TBitmap out = BuildSkinBitmap(Rect(0, 0, 6, 5), src, m, false, false, 1, 1);
  EXPECT_TRUE(PixelsAre(out, [](int x, int y) { return PosColour(2 * x + 1, 2 * y + 1); }));
  // A 1-frame image with frame 1 uses the whole bitmap; equal size is a copy.
  EXPECT_TRUE(PixelsAre(BuildSkinBitmap(Rect(5, 5, 17, 15), src, m, false, true, 1, 1),
                        [](int x, int y) { return PosColour(x, y); }));
}

TEST(BuildSkinBitmap, TiledCentreOverhangIsCoveredByLaterPieces) {
  // 4 x 3 tile in a 10 x 9 frame with margins 3, 2, 3, 4; the 11 x 8 centre
  // ends in partial tiles that the right and bottom pieces cut.
  const TRect m = Rect(3, 2, 3, 4);
  TBitmap src = PosImage(10, 9);
  const TBitmap out = BuildSkinBitmap(Rect(0, 0, 17, 14), src, m, false, true, 1, 1);
  EXPECT_TRUE(PixelsAre(out, [&](int x, int y) {
    const int col = SliceOf(x, 17, 3, 3), row = SliceOf(y, 14, 2, 4);
    const int sx = col == 0 ? x : col == 2 ? x - 17 + 10 : 3 + (x - 3) % 4;
    const int sy = row == 0 ? y : row == 2 ? y - 14 + 9 : 2 + (y - 2) % 3;
    if (col != 1 && row == 1) return PosColour(sx, 2 + ((2 * (y - 2) + 1) * 3) / 16);  // edges stretch
    if (row != 1 && col == 1) return PosColour(3 + ((2 * (x - 3) + 1) * 4) / 22, sy);
    return PosColour(sx, sy);
  }));
  // Without right and bottom margins the overhang is simply cut at the edge.
  const TBitmap open = BuildSkinBitmap(Rect(0, 0, 9, 7), src, Rect(3, 2, 0, 0), false, true, 1, 1);
  EXPECT_EQ(open.ScanLine(6)[8], PosColour(3 + (8 - 3) % 7, 2 + (6 - 2) % 7));
}

TEST(DrawSkinImage, OffsetClippedAndKeyedEqualTheBuiltImage) {
  const TRect m = Rect(2, 2, 2, 2);
  TBitmap src = SliceImage(8, 8, 2, m);
  // Punch key-coloured corners into frame 2.
  src.ScanLine(0)[8] = Key;
  src.ScanLine(7)[15] = Key;
  const TRect dest = Rect(-3, 4, 17, 19);  // reaches past the left and bottom edges
  const TBitmap built = BuildSkinBitmap(dest, src, m, false, false, 2, 2);
  for (bool transparent : {false, true}) {
    TBitmap target = Paper32(16, 16);
    DrawSkinImage(target, dest, src, false, false, transparent, 2, 2, m);
    EXPECT_TRUE(PixelsAre(target, [&](int x, int y) {
      if (!dest.Contains({x, y})) return Paper;
      const uint32_t px = built.ScanLine(y - dest.Top)[x - dest.Left] & 0xFFFFFF;
      return transparent && px == Key ? Paper : px;
    })) << "transparent " << transparent;
  }
  // Inverted and empty destinations draw nothing.
  TBitmap target = Paper32(8, 8);
  DrawSkinImage(target, Rect(5, 0, 4, 8), src, false, false, false, 2, 1, m);
  DrawSkinImage(target, Rect(5, 0, 5, 8), src, false, false, false, 2, 1, m);
  EXPECT_TRUE(PixelsAre(target, [](int, int) { return Paper; }));
}

TEST(DrawSkinStrip, LeftRepeatedMiddleRight) {
  // Frame 2 of two stacked 8 x 4 frames; margins 2 and 1 leave a 5-wide middle.
  const TBitmap src = PosImage(8, 8);
  TBitmap target = Paper32(24, 10);
  DrawSkinStrip(target, Rect(1, 1, 21, 9), src, true, false, 2, 2, Rect(2, 99, 1, 99));
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    if (x < 1 || x >= 21 || y < 1 || y >= 9) return Paper;
    const int dx = x - 1, sy = 4 + (y - 1) / 2;  // 4 rows stretched to 8
    if (dx < 2) return PosColour(dx, sy);
    if (dx >= 19) return PosColour(dx - 19 + 7, sy);
    return PosColour(2 + (dx - 2) % 5, sy);  // the last copy runs under the right part
  }));
  // No middle columns: only the parts; the gap stays black. Transparent
  // strips leave out the key colour.
  TBitmap keyed = SliceImage(6, 3, 1, Rect(3, 0, 3, 0));
  keyed.ScanLine(1)[0] = Key;
  TBitmap t2 = Paper32(10, 3);
  DrawSkinStrip(t2, Rect(0, 0, 10, 3), keyed, false, true, 1, 1, Rect(3, 0, 3, 0));
  EXPECT_TRUE(PixelsAre(t2, [](int x, int y) -> uint32_t {
    if (x == 0 && y == 1) return Paper;
    return x < 3 ? SliceColour(0, 0, 1) : x >= 7 ? SliceColour(0, 2, 1) : 0;
  }));
}

TEST(DrawSkinBorder, LeavesTheCentreAlone) {
  const TRect m = Rect(2, 3, 1, 2);
  const TBitmap src = SliceImage(6, 8, 2, m);
  TBitmap target = Paper32(14, 14);
  DrawSkinBorder(target, Rect(1, 1, 13, 12), src, false, 2, 2, m);
  EXPECT_TRUE(PixelsAre(target, [&](int x, int y) {
    if (x < 1 || x >= 13 || y < 1 || y >= 12) return Paper;
    const int col = SliceOf(x - 1, 12, 2, 1), row = SliceOf(y - 1, 11, 3, 2);
    return col == 1 && row == 1 ? Paper : SliceColour(1, col, row);
  }));
  // Margins too big for the destination: nothing but a centre, so nothing drawn.
  TBitmap t2 = Paper32(4, 4);
  DrawSkinBorder(t2, Rect(0, 0, 4, 4), src, false, 2, 1, Rect(3, 3, 3, 3));
  EXPECT_TRUE(PixelsAre(t2, [](int, int) { return Paper; }));
}

TEST(DrawSkinFrame, FrameWidthComesFromTheDestination) {
  const TBitmap src = PosImage(12, 3);  // three 4-wide frames
  TBitmap target = Paper32(8, 8);
  DrawSkinFrame(target, Rect(2, 1, 6, 7), src, false, 3);
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    if (x < 2 || x >= 6 || y < 1 || y >= 7) return Paper;
    return PosColour(8 + x - 2, (y - 1) / 2);
  }));
  // Transparent: key pixels of the frame leave the target alone.
  TBitmap keyed = PosImage(4, 1);
  keyed.ScanLine(0)[1] = Key;
  TBitmap t2 = Paper32(4, 2);
  DrawSkinFrame(t2, Rect(0, 0, 4, 2), keyed, true, 1);
  EXPECT_TRUE(PixelsAre(t2, [](int x, int) { return x == 1 ? Paper : PosColour(x, 0); }));
}

TEST(DrawTransparent, KeyPixelsAreLeftOut) {
  TBitmap src = PosImage(5, 4);
  TBitmap target = Paper32(6, 6);
  DrawTransparent(target, Rect(1, 1, 5, 4), src, TransparentKeyColour);  // no key pixel: an opaque copy
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    return x >= 1 && x < 5 && y >= 1 && y < 4 ? PosColour(x - 1, y - 1) : Paper;
  }));
  src.Fill(clFuchsia);
  TBitmap t2 = Paper32(6, 6);
  DrawTransparent(t2, Rect(0, 0, 6, 6), src, TransparentKeyColour);  // all key: unchanged
  DrawTransparent(t2, Rect(3, 3, 1, 1), PosImage(5, 4), TransparentKeyColour);  // inverted
  EXPECT_TRUE(PixelsAre(t2, [](int, int) { return Paper; }));
  // A destination larger than the source copies what the source has.
  TBitmap t3 = Paper32(6, 6);
  DrawTransparent(t3, Rect(-1, -1, 9, 9), PosImage(3, 3), ColorFromPixel(PosColour(1, 1)));
  EXPECT_TRUE(PixelsAre(t3, [](int x, int y) { return x < 2 && y < 2 && (x || y) ? PosColour(x + 1, y + 1) : Paper; }));
}

TEST(TileBitmap, WholeTilesWithOverhang) {
  const TBitmap src = PosImage(6, 6);
  TBitmap target = Paper32(12, 12);
  TileBitmap(target, Rect(1, 2, 8, 6), src, Rect(1, 1, 4, 4));  // 3 x 3 tiles: 3 x 2 of them
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    if (x < 1 || x >= 10 || y < 2 || y >= 8) return Paper;
    return PosColour(1 + (x - 1) % 3, 1 + (y - 2) % 3);
  }));
  // Empty, inverted or outside source rectangles draw nothing; a source rect
  // reaching outside the image tiles the part that exists.
  TBitmap t2 = Paper32(6, 6);
  TileBitmap(t2, Rect(0, 0, 6, 6), src, Rect(2, 2, 2, 5));
  TileBitmap(t2, Rect(0, 0, 6, 6), src, Rect(4, 4, 2, 2));
  TileBitmap(t2, Rect(0, 0, 6, 6), src, Rect(10, 10, 20, 20));
  EXPECT_TRUE(PixelsAre(t2, [](int, int) { return Paper; }));
  TileBitmap(t2, Rect(0, 0, 6, 6), src, Rect(4, -5, 8, 1));
  EXPECT_TRUE(PixelsAre(t2, [](int x, int) { return PosColour(4 + x % 2, 0); }));
}

TEST(SkinPaint, BadGeometryNeverCrashes) {
  const TBitmap src = SliceImage(5, 5, 1, Rect(1, 1, 1, 1));
  const TBitmap empty;
  TBitmap target = Paper32(16, 16);
  const TRect margins[] = {Rect(0, 0, 0, 0), Rect(9, 9, 9, 9), Rect(-5, -5, 100, 100),
                           Rect(2147483647, 2147483647, 2147483647, 2147483647), Rect(3, 0, 3, 0)};
  const TRect dests[] = {Rect(0, 0, 16, 16),        Rect(10, 10, -10, -10),
                         Rect(3, 3, 3, 9),          Rect(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647),
                         Rect(-50000, -50000, 100000, 100000), Rect(15, 15, 1 << 28, 1 << 28)};
  for (const TRect& m : margins)
    for (const TRect& d : dests)
      for (int count : {0, -1, 1, 7, 2147483647})
        for (int index : {-3, 0, 1, 3, 2147483647})
          for (const TBitmap* s : {&src, &empty}) {
            DrawSkinImage(target, d, *s, index & 1, true, index & 2, count, index, m);
            DrawSkinImage(target, d, *s, false, false, false, count, index, m);
            DrawSkinStrip(target, d, *s, index & 1, index & 2, count, index, m);
            DrawSkinBorder(target, d, *s, index & 1, count, index, m);
            DrawSkinFrame(target, d, *s, index & 2, index);
            DrawTransparent(target, d, *s, TransparentKeyColour);
            TileBitmap(target, d, *s, m);
          }
  // Nine-slicing into an impossible bitmap is a clear error, not a crash.
  EXPECT_THROW(BuildSkinBitmap(Rect(0, 0, 1 << 20, 1 << 20), src, TRect{}, false, false, 1, 1), EOutOfResources);
  EXPECT_TRUE(BuildSkinBitmap(Rect(0, 0, 1 << 29, 1 << 29), src, TRect{}, false, false, 1, 1).Empty());
  EXPECT_TRUE(BuildSkinBitmap(Rect(4, 4, 3, 9), src, TRect{}, false, false, 1, 1).Empty());
  // A huge destination over a small target composes only what is visible.
  TBitmap t2 = Paper32(8, 8);
  DrawSkinImage(t2, Rect(-100000, -100000, 100000, 100000), src, false, true, false, 1, 1, Rect(1, 1, 1, 1));
  EXPECT_TRUE(PixelsAre(t2, [](int, int) { return SliceColour(0, 1, 1); }));
}

TEST(SkinPaint, SharedPaintBufferIsOneBitmap) {
  TBitmap& a = SharedPaintBuffer();
  a.SetSize(3, 2);
  EXPECT_EQ(&a, &SharedPaintBuffer());
  EXPECT_EQ(SharedPaintBuffer().Width(), 3);
  a.Clear();
}

}  // namespace
}  // namespace pelorin
