// The device-context painting primitives against their TBitmap twins, pixel
// for pixel, read back from DIB sections (never from a window DC).
#include <gtest/gtest.h>

#include <windows.h>

#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "paint/win/SkinPaintDC.h"
#include "tests/native/paint/PaintTestUtil.h"
#include "tests/win/PaintWinTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

constexpr uint32_t Paper = 0x123456;
constexpr int W = 40, H = 30;

// A three-frame skin image with its own colour per slice, key-coloured
// corners and a position-coded middle, so misplaced or mis-stretched pixels show.
TBitmap SkinImage() {
  TBitmap b = SliceImage(11, 9, 3, Rect(3, 2, 2, 3));
  for (int f = 0; f < 3; ++f) {
    b.ScanLine(0)[f * 11] = 0xFF00FF;
    b.ScanLine(8)[f * 11 + 10] = 0xFF00FF;
    for (int y = 2; y < 6; ++y)
      for (int x = 3; x < 9; ++x) b.ScanLine(y)[f * 11 + x] = PosColour(f * 11 + x, y);
  }
  return b;
}

template <class Portable, class OnDC>
::testing::AssertionResult Same(Portable portable, OnDC onDc, int viewX = 0, int viewY = 0) {
  TBitmap want(W, H);
  want.Fill(ColorFromPixel(Paper));
  portable(want);
  TDibCanvas canvas(W, H);
  canvas.Fill(Paper);
  SetViewportOrgEx(canvas.DC(), viewX, viewY, nullptr);
  onDc(canvas.DC());
  return PixelsAre(canvas.Read(), [&](int x, int y) { return want.ScanLine(y)[x]; });
}

void CompareAllPrimitives(const TBitmap& src) {
  const TRect dests[] = {Rect(0, 0, W, H), Rect(3, 4, 17, 15), Rect(-5, -2, 25, 33), Rect(30, 20, 52, 41),
                         Rect(5, 5, 9, 8), Rect(7, 7, 7, 12), Rect(9, 9, 2, 2)};
  const TRect margins[] = {Rect(3, 2, 2, 3), Rect(0, 0, 0, 0), Rect(6, 5, 6, 5)};
  for (const TRect& d : dests)
    for (const TRect& m : margins)
      for (int flags = 0; flags < 8; ++flags) {
        const bool vertical = flags & 1, tile = flags & 2, transparent = flags & 4;
        const int index = 1 + flags % 3;
        SCOPED_TRACE(::testing::Message() << "dest " << d.Left << "," << d.Top << "," << d.Right << ","
                                          << d.Bottom << " margins " << m.Left << " flags " << flags);
        EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinImage(t, d, src, vertical, tile, transparent, 3, index, m); },
                         [&](HDC dc) { DrawSkinImage(dc, d, src, vertical, tile, transparent, 3, index, m); }));
        EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinStrip(t, d, src, vertical, transparent, 3, index, m); },
                         [&](HDC dc) { DrawSkinStrip(dc, d, src, vertical, transparent, 3, index, m); }));
        EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinBorder(t, d, src, vertical, 3, index, m); },
                         [&](HDC dc) { DrawSkinBorder(dc, d, src, vertical, 3, index, m); }));
        EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinFrame(t, d, src, transparent, index); },
                         [&](HDC dc) { DrawSkinFrame(dc, d, src, transparent, index); }));
        EXPECT_TRUE(Same([&](TBitmap& t) { DrawTransparent(t, d, src, TransparentKeyColour); },
                         [&](HDC dc) { DrawTransparent(dc, d, src, TransparentKeyColour); }));
      }
}

TEST(PaintDC, EqualsTheBitmapVariantsWithHeapBitmaps) {
  // Bitmaps without a DC of their own go through SetDIBitsToDevice and
  // temporary DIB sections.
  THeapBitmapsInstalled heap;
  const TBitmap src = SkinImage();
  ASSERT_EQ(src.DC(), nullptr);
  const long live = GdiCounters::Live();
  CompareAllPrimitives(src);
  EXPECT_EQ(GdiCounters::Live(), live) << "every temporary GDI object is freed";
}

TEST(PaintDC, EqualsTheBitmapVariantsWithDibSectionBitmaps) {
  // The host framework's DIB-section bitmaps: the blits read the bitmap's own DC.
  const TBitmap src = SkinImage();
  ASSERT_NE(src.DC(), nullptr);
  CompareAllPrimitives(src);
}

TEST(PaintDC, FollowsTheDCsOriginAndClip) {
  const TBitmap src = SkinImage();
  const TRect m = Rect(3, 2, 2, 3);
  const TRect d = Rect(2, 3, 30, 25);
  // A moved viewport: the DC variant at d equals the bitmap variant at d moved.
  EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinBorder(t, d.Offset(6, -4), src, false, 3, 2, m); },
                   [&](HDC dc) { DrawSkinBorder(dc, d, src, false, 3, 2, m); }, 6, -4));
  EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinImage(t, d.Offset(-3, 5), src, false, true, true, 3, 2, m); },
                   [&](HDC dc) { DrawSkinImage(dc, d, src, false, true, true, 3, 2, m); }, -3, 5));
  // A clip rectangle: inside it the same pixels, outside nothing drawn.
  const TRect clip = Rect(8, 6, 21, 17);
  EXPECT_TRUE(Same(
      [&](TBitmap& t) {
        TBitmap full(W, H);
        full.Fill(ColorFromPixel(Paper));
        DrawSkinImage(full, d, src, false, false, false, 3, 3, m);
        for (int y = clip.Top; y < clip.Bottom; ++y)
          for (int x = clip.Left; x < clip.Right; ++x) t.ScanLine(y)[x] = full.ScanLine(y)[x];
      },
      [&](HDC dc) {
        IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
        DrawSkinImage(dc, d, src, false, false, false, 3, 3, m);
      }));
  // Tiling on a device stops at DestRect.
  EXPECT_TRUE(Same(
      [&](TBitmap& t) {
        TBitmap tiles(W, H);
        TileBitmap(tiles, Rect(1, 1, 12, 9), src, Rect(3, 2, 8, 5));
        CopyPixels(t, 1, 1, tiles, Rect(1, 1, 12, 9));
      },
      [&](HDC dc) { TileBitmap(dc, Rect(1, 1, 12, 9), src, Rect(3, 2, 8, 5)); }));
  // No DC, or nothing visible: nothing happens.
  DrawSkinImage(HDC(nullptr), d, src, false, false, false, 3, 1, m);
  DrawTransparent(HDC(nullptr), d, src, TransparentKeyColour);
}

}  // namespace
}  // namespace pelorin
