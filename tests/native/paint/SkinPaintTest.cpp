// Pixel-exact tests of the painting primitives on hand-made images.
#include <gtest/gtest.h>

#include "host/core/Exceptions.h"
#include "paint/DrawElement.h"
#include "paint/PaintTypes.h"
#include "paint/SkinPaint.h"
#include "PaintTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

constexpr uint32_t Key = 0xFF00FF;
constexpr uint32_t Paper = 0x123456;  // what a target holds before drawing

TBitmap PaperBitmap(int w, int h) {
  TBitmap b(w, h);
  b.Fill(ColorFromPixel(Paper));
  return b;
}
bool Inside(const TRect& r, int x, int y) { return r.Contains({x, y}); }

TEST(BuildSkinBitmap, NineSliceStretchedPlacesEverySlice) {
  const TRect m = Rect(3, 2, 4, 5);
  for (bool vertical : {false, true}) {
    const TBitmap src = SliceImage(12, 10, 3, m, vertical);
    for (TRect dest : {Rect(0, 0, 40, 25), Rect(7, 9, 19, 19), Rect(0, 0, 7, 7)}) {
      const TBitmap out = BuildSkinBitmap(dest, src, m, vertical, false, 3, 2);
      ASSERT_EQ(out.Width(), dest.Width());
      EXPECT_TRUE(PixelsAre(out, [&](int x, int y) {
        return SliceColour(1, SliceOf(x, dest.Width(), 3, 4), SliceOf(y, dest.Height(), 2, 5));
      })) << "vertical " << vertical << " width " << dest.Width();
    }
  }
  // Smaller than the margins on both axes: they become 0 and the whole frame
  // is stretched (here reduced by 2).
  const TBitmap out = BuildSkinBitmap(Rect(0, 0, 6, 5), PosImage(12, 10), m, false, false, 1, 1);
  EXPECT_TRUE(PixelsAre(out, [](int x, int y) { return PosColour(2 * x + 1, 2 * y + 1); }));
}

TEST(BuildSkinBitmap, TiledCentreOverhangIsCoveredByLaterPieces) {
  // 4 x 3 tile in a 10 x 9 frame with margins 3, 2, 3, 4; the 11 x 8 centre
  // ends in partial tiles that the right and bottom pieces cut.
  const TBitmap out = BuildSkinBitmap(Rect(0, 0, 17, 14), PosImage(10, 9), Rect(3, 2, 3, 4), false, true, 1, 1);
  EXPECT_TRUE(PixelsAre(out, [&](int x, int y) {
    const int col = SliceOf(x, 17, 3, 3), row = SliceOf(y, 14, 2, 4);
    const int sx = col == 0 ? x : col == 2 ? x - 7 : 3 + (x - 3) % 4;
    const int sy = row == 0 ? y : row == 2 ? y - 5 : 2 + (y - 2) % 3;
    if (col != 1 && row == 1) return PosColour(sx, 2 + ((2 * (y - 2) + 1) * 3) / 16);  // edges stretch
    if (row != 1 && col == 1) return PosColour(3 + ((2 * (x - 3) + 1) * 4) / 22, sy);
    return PosColour(sx, sy);
  }));
}

TEST(DrawSkinImage, OffsetClippedAndKeyedEqualTheBuiltImage) {
  const TRect m = Rect(2, 2, 2, 2);
  TBitmap src = SliceImage(8, 8, 2, m);
  src.ScanLine(0)[8] = Key;  // key-coloured corners in frame 2
  src.ScanLine(7)[15] = Key;
  const TRect dest = Rect(-3, 4, 17, 19);  // reaches past the left and bottom edges
  const TBitmap built = BuildSkinBitmap(dest, src, m, false, false, 2, 2);
  for (bool transparent : {false, true}) {
    TBitmap target = PaperBitmap(16, 16);
    DrawSkinImage(target, dest, src, false, false, transparent, 2, 2, m);
    DrawSkinImage(target, Rect(5, 0, 4, 8), src, false, false, false, 2, 1, m);  // inverted: nothing
    EXPECT_TRUE(PixelsAre(target, [&](int x, int y) {
      if (!Inside(dest, x, y)) return Paper;
      const uint32_t px = built.ScanLine(y - dest.Top)[x - dest.Left] & 0xFFFFFF;
      return transparent && px == Key ? Paper : px;
    })) << "transparent " << transparent;
  }
}

TEST(DrawSkinImage, UncoveredPartsAreBlackWhateverWasDrawnBefore) {
  // A strip whose frame has no middle leaves a gap between its parts; the gap
  // is black in every path (straight into the target, through the keyed
  // buffer after a large keyed draw, and onto the source itself).
  const TBitmap src = PosImage(4, 3);
  const TRect dest = Rect(1, 0, 11, 3), gap = Rect(3, 0, 9, 3);
  auto expected = [&](int x, int y) -> uint32_t {
    if (!Inside(dest, x, y)) return Paper;
    if (Inside(gap, x, y)) return 0;
    return PosColour(x < gap.Left ? x - 1 : x - 7, y);
  };
  TBitmap big = PosImage(40, 30);
  TBitmap target = PaperBitmap(12, 3);
  DrawSkinImage(target, Rect(0, 0, 12, 3), big, false, false, true, 1, 1, Rect(0, 0, 0, 0));  // fills the buffer
  target.Fill(ColorFromPixel(Paper));
  for (bool transparent : {false, true}) {
    DrawSkinStrip(target, dest, src, false, transparent, 1, 1, Rect(2, 0, 2, 0));
    EXPECT_TRUE(PixelsAre(target, expected)) << "transparent " << transparent;
    target.Fill(ColorFromPixel(Paper));
  }
  // Drawn onto itself: read whole before anything changes.
  TBitmap self = PosImage(8, 8);
  DrawSkinImage(self, Rect(2, 2, 8, 8), self, false, false, false, 1, 1, Rect(0, 0, 0, 0));
  EXPECT_TRUE(PixelsAre(self, [](int x, int y) {
    if (x < 2 || y < 2) return PosColour(x, y);
    return PosColour(((2 * (x - 2) + 1) * 8) / 12, ((2 * (y - 2) + 1) * 8) / 12);
  }));
}

TEST(DrawSkinStrip, LeftRepeatedMiddleRight) {
  // Frame 2 of two stacked 8 x 4 frames; margins 2 and 1 leave a 5-wide middle.
  TBitmap target = PaperBitmap(24, 10);
  DrawSkinStrip(target, Rect(1, 1, 21, 9), PosImage(8, 8), true, false, 2, 2, Rect(2, 99, 1, 99));
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    if (!Inside(Rect(1, 1, 21, 9), x, y)) return Paper;
    const int dx = x - 1, sy = 4 + (y - 1) / 2;  // 4 rows stretched to 8
    return PosColour(dx < 2 ? dx : dx >= 19 ? dx - 12 : 2 + (dx - 2) % 5, sy);
  }));
}

TEST(DrawSkinBorder, LeavesTheCentreAlone) {
  const TRect m = Rect(2, 3, 1, 2);
  const TBitmap src = SliceImage(6, 8, 2, m);
  TBitmap target = PaperBitmap(14, 14);
  DrawSkinBorder(target, Rect(1, 1, 13, 12), src, false, 2, 2, m);
  DrawSkinBorder(target, Rect(0, 0, 4, 4), src, false, 2, 1, Rect(3, 3, 3, 3));  // all centre: nothing
  EXPECT_TRUE(PixelsAre(target, [&](int x, int y) {
    if (!Inside(Rect(1, 1, 13, 12), x, y)) return Paper;
    const int col = SliceOf(x - 1, 12, 2, 1), row = SliceOf(y - 1, 11, 3, 2);
    return col == 1 && row == 1 ? Paper : SliceColour(1, col, row);
  }));
}

TEST(DrawSkinFrameAndTransparent, FramesAndKeys) {
  // Frame 3 of a strip of 4-wide frames, as wide as the destination.
  TBitmap target = PaperBitmap(8, 8);
  DrawSkinFrame(target, Rect(2, 1, 6, 7), PosImage(12, 3), false, 3);
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    return Inside(Rect(2, 1, 6, 7), x, y) ? PosColour(x + 6, (y - 1) / 2) : Paper;
  }));
  // DrawTransparent: no key pixel is an opaque copy; all key changes nothing;
  // a destination larger than the source copies what the source has.
  TBitmap t2 = PaperBitmap(6, 6);
  TBitmap allKey(6, 6);
  allKey.Fill(clFuchsia);
  DrawTransparent(t2, Rect(-1, -1, 9, 9), PosImage(3, 3), ColorFromPixel(PosColour(1, 1)));
  DrawTransparent(t2, Rect(0, 0, 6, 6), allKey, TransparentKeyColour);
  EXPECT_TRUE(PixelsAre(t2, [](int x, int y) {
    return x < 2 && y < 2 && (x || y) ? PosColour(x + 1, y + 1) : Paper;
  }));
}

TEST(TileBitmap, WholeTilesWithOverhang) {
  const TBitmap src = PosImage(6, 6);
  TBitmap target = PaperBitmap(12, 12);
  TileBitmap(target, Rect(1, 2, 8, 6), src, Rect(1, 1, 4, 4));  // 3 x 3 tiles: 3 x 2 of them
  TileBitmap(target, Rect(0, 0, 6, 6), src, Rect(2, 2, 2, 5));   // empty source: nothing
  TileBitmap(target, Rect(0, 0, 6, 6), src, Rect(4, 4, 2, 2));   // inverted source: nothing
  EXPECT_TRUE(PixelsAre(target, [](int x, int y) {
    return Inside(Rect(1, 2, 10, 8), x, y) ? PosColour(1 + (x - 1) % 3, 1 + (y - 2) % 3) : Paper;
  }));
}

TEST(SkinPaint, BadGeometryNeverCrashes) {
  const TBitmap src = SliceImage(5, 5, 1, Rect(1, 1, 1, 1)), empty;
  TBitmap target = PaperBitmap(16, 16);
  const int big = 2147483647;
  for (const TRect& m : {Rect(9, 9, 9, 9), Rect(-5, -5, 100, 100), Rect(big, big, big, big)})
    for (const TRect& d : {Rect(10, 10, -10, -10), Rect(3, 3, 3, 9), Rect(-big - 1, -big - 1, big, big),
                           Rect(-50000, -50000, 100000, 100000), Rect(15, 15, 1 << 28, 1 << 28)})
      for (int n : {-3, 0, 1, 7, big})
        for (const TBitmap* s : {&src, &empty}) {
          DrawSkinImage(target, d, *s, n & 1, true, n & 2, n, n, m);
          DrawSkinStrip(target, d, *s, n & 1, n & 2, n, n, m);
          DrawSkinBorder(target, d, *s, n & 1, n, n, m);
          DrawSkinFrame(target, d, *s, n & 2, n);
          DrawTransparent(target, d, *s, TransparentKeyColour);
          TileBitmap(target, d, *s, m);
        }
  // An impossible bitmap is a clear error.
  EXPECT_THROW(BuildSkinBitmap(Rect(0, 0, 1 << 20, 1 << 20), src, TRect{}, false, false, 1, 1), EOutOfResources);
  // A huge destination over a small target composes only what is visible.
  TBitmap t2 = PaperBitmap(8, 8);
  DrawSkinImage(t2, Rect(-100000, -100000, 100000, 100000), src, false, true, false, 1, 1, Rect(1, 1, 1, 1));
  EXPECT_TRUE(PixelsAre(t2, [](int, int) { return SliceColour(0, 1, 1); }));
}

// Target pixels as a function, for comparing two drawings.
std::function<uint32_t(int, int)> PixelsOf(const TBitmap& b) {
  return [&b](int x, int y) { return b.ScanLine(y)[x]; };
}

TEST(DrawElement, DrawsWhatItsStyleSays) {
  const TRect m = Rect(3, 2, 4, 5), dest = Rect(2, 3, 27, 21);  // cut at the right
  for (bool vertical : {false, true}) {
    TDataSkinObject e("Element");
    e.Bitmap = SliceImage(12, 10, 3, m, vertical);
    e.Bitmap.ScanLine(vertical ? 10 : 0)[vertical ? 0 : 12] = Key;  // a keyed corner in frame 2
    e.Margins = m;
    for (int variant = 0; variant < 8; ++variant) {
      const bool keyed = variant & 1, tile = variant & 2, strip = variant & 4;
      e.Style = {tile ? TElementFill::Tile : TElementFill::Stretch, keyed, 3, vertical,
                 strip ? TElementSlicing::Strip : TElementSlicing::NineSlice};
      for (int frame : {0, 2, 9}) {  // clamped to 1..3
        SCOPED_TRACE(::testing::Message() << "vertical " << vertical << " variant " << variant << " frame " << frame);
        TBitmap drawn = PaperBitmap(26, 22), want = PaperBitmap(26, 22);
        DrawElement(drawn, dest, e, frame);
        if (strip) DrawSkinStrip(want, dest, e.Bitmap, vertical, keyed, 3, frame, m);
        else DrawSkinImage(want, dest, e.Bitmap, vertical, tile, keyed, 3, frame, m);
        EXPECT_TRUE(PixelsAre(drawn, PixelsOf(want)));
      }
    }
    // The oracle: frame 2 stretched nine-slice, keyed, its key corner showing the paper.
    e.Style = {TElementFill::Stretch, true, 3, vertical, TElementSlicing::NineSlice};
    TBitmap target = PaperBitmap(26, 22);
    DrawElement(target, dest, e, 2);
    EXPECT_TRUE(PixelsAre(target, [&](int x, int y) {
      if (!Inside(dest, x, y) || (x == dest.Left && y == dest.Top)) return Paper;
      return SliceColour(1, SliceOf(x - dest.Left, dest.Width(), 3, 4), SliceOf(y - dest.Top, dest.Height(), 2, 5));
    })) << "vertical " << vertical;
  }
}

TEST(DrawElement, RingFrameTitleAndMissingImage) {
  const TRect m = Rect(2, 3, 1, 2), dest = Rect(1, 1, 13, 12);
  TDataSkinObject e("Edge");
  e.Bitmap = SliceImage(6, 8, 2, m);
  e.Margins = m;
  e.Style = {TElementFill::Tile, true, 2, false, TElementSlicing::NineSlice};
  // The ring is the border (tested above), opaque whatever the style's
  // keying, at the image's margins or thinner ones.
  TBitmap ring = PaperBitmap(14, 14), want = PaperBitmap(14, 14);
  DrawElementRing(ring, dest, e, 2);
  DrawSkinBorder(want, dest, e.Bitmap, false, 2, 2, m);
  EXPECT_TRUE(PixelsAre(ring, PixelsOf(want)));
  DrawElementRing(ring, dest, e, 1, Rect(1, 1, 0, 1));
  DrawSkinBorder(want, dest, e.Bitmap, false, 2, 1, Rect(1, 1, 0, 1));
  EXPECT_TRUE(PixelsAre(ring, PixelsOf(want)));

  // A glyph: the whole frame stretched over the place, key left out.
  TDataSkinObject arrows("Arrows");
  arrows.Bitmap = PosImage(12, 3);
  arrows.Bitmap.ScanLine(1)[9] = Key;
  arrows.Style = {TElementFill::Tile, true, 3, false, TElementSlicing::Strip};
  TBitmap glyph = PaperBitmap(10, 8);
  DrawElementFrame(glyph, Rect(2, 1, 10, 7), arrows, 3);
  EXPECT_TRUE(PixelsAre(glyph, [](int x, int y) {
    if (!Inside(Rect(2, 1, 10, 7), x, y)) return Paper;
    const int sx = 8 + (x - 2) / 2, sy = (y - 1) / 2;
    return sx == 9 && sy == 1 ? Paper : PosColour(sx, sy);
  }));

  // The caption back is sliced at its text back widths, not at its Margins.
  TDataSkinTitle title("Title");
  title.Bitmap = PosImage(9, 8);
  title.Margins = Rect(4, 1, 4, 0);
  title.TextBackLeft = 2;
  title.TextBackRight = 1;
  title.Style = {TElementFill::Stretch, true, 2, true, TElementSlicing::Strip};
  TBitmap caption = PaperBitmap(20, 8), strip = PaperBitmap(20, 8);
  DrawElement(caption, Rect(1, 1, 19, 7), title, 2);
  DrawSkinStrip(strip, Rect(1, 1, 19, 7), title.Bitmap, true, true, 2, 2, Rect(2, 0, 1, 0));
  EXPECT_TRUE(PixelsAre(caption, PixelsOf(strip)));

  // No image: nothing is drawn, not even black.
  TDataSkinObject none;
  TBitmap untouched = PaperBitmap(6, 6);
  DrawElement(untouched, Rect(0, 0, 6, 6), none, 1);
  DrawElementRing(untouched, Rect(0, 0, 6, 6), none, 1);
  DrawElementFrame(untouched, Rect(0, 0, 6, 6), none, 1);
  EXPECT_TRUE(PixelsAre(untouched, [](int, int) { return Paper; }));
}

}  // namespace
}  // namespace pelorin
