// The device-context painting primitives against their TBitmap twins, pixel
// for pixel, read back from DIB sections (never from a window DC).
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "host/win/platform/GdiCounters.h"
#include "paint/DrawElement.h"
#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "paint/win/DrawElementDC.h"
#include "paint/win/SkinPaintDC.h"
#include "tests/native/paint/PaintTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

constexpr uint32_t Paper = 0x123456;
constexpr int W = 40, H = 30;

// Plain heap pixels, so a bitmap has no DC of its own.
class THeapPixels final : public TPixelMemory {
public:
  explicit THeapPixels(size_t n) : pixels_(n, 0u) {}
  uint32_t* Bits() override { return pixels_.data(); }

private:
  std::vector<uint32_t> pixels_;
};

// A three-frame skin image with its own colour per slice, key-coloured
// corners and a position-coded middle, so misplaced or mis-stretched pixels show.
TBitmap SkinImage() {
  TBitmap b = SliceImage(11, 9, 3, Rect(3, 2, 2, 3));
  for (int f = 0; f < 3; ++f) {
    b.ScanLine(0)[f * 11] = b.ScanLine(8)[f * 11 + 10] = 0xFF00FF;
    for (int y = 2; y < 6; ++y)
      for (int x = 3; x < 9; ++x) b.ScanLine(y)[f * 11 + x] = PosColour(f * 11 + x, y);
  }
  return b;
}

// Draws with both variants on paper (the DC one into a DIB-section bitmap's
// own DC, its viewport moved by viewX, viewY) and compares.
template <class Portable, class OnDC>
::testing::AssertionResult Same(Portable portable, OnDC onDc, int viewX = 0, int viewY = 0) {
  TBitmap want(W, H), canvas(W, H);
  want.Fill(ColorFromPixel(Paper));
  canvas.Fill(ColorFromPixel(Paper));
  portable(want);
  const HDC dc = static_cast<HDC>(canvas.DC());
  SetViewportOrgEx(dc, viewX, viewY, nullptr);
  onDc(dc);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  GdiFlush();
  return PixelsAre(canvas, [&](int x, int y) { return want.ScanLine(y)[x]; });
}

// One generic call made both ways.
template <class Draw>
::testing::AssertionResult Same(Draw draw) {
  return Same(draw, draw);
}

void CompareAllPrimitives(const TBitmap& src) {
  for (const TRect& d : {Rect(0, 0, W, H), Rect(3, 4, 17, 15), Rect(-5, -2, 25, 33), Rect(30, 20, 52, 41),
                         Rect(5, 5, 9, 8), Rect(7, 7, 7, 12), Rect(9, 9, 2, 2)})
    for (const TRect& m : {Rect(3, 2, 2, 3), Rect(0, 0, 0, 0), Rect(6, 5, 6, 5)})
      for (int flags = 0; flags < 8; ++flags) {
        const bool vertical = flags & 1, tile = flags & 2, transparent = flags & 4;
        const int index = 1 + flags % 3;
        SCOPED_TRACE(::testing::Message() << "dest " << d.Left << "," << d.Top << " .. " << d.Right << ","
                                          << d.Bottom << " margin " << m.Left << " flags " << flags);
        EXPECT_TRUE(Same([&](auto& t) { DrawSkinImage(t, d, src, vertical, tile, transparent, 3, index, m); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawSkinStrip(t, d, src, vertical, transparent, 3, index, m); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawSkinBorder(t, d, src, vertical, 3, index, m); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawSkinFrame(t, d, src, transparent, index); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawTransparent(t, d, src, TransparentKeyColour); }));
      }
}

TEST(PaintDC, EqualsTheBitmapVariants) {
  // The framework's DIB-section bitmaps: the blits read the bitmap's own DC
  // (pixels written by code, read by GDI, and back, rows top-down alike).
  const TBitmap dib = SkinImage();
  ASSERT_NE(dib.DC(), nullptr);
  CompareAllPrimitives(dib);
  // A heap bitmap goes through SetDIBitsToDevice and temporary DIB sections.
  TBitmap::SetPixelMemoryFactory([](int w, int h) { return std::make_unique<THeapPixels>(size_t(w) * h); });
  const TBitmap heap = SkinImage();
  TBitmap::SetPixelMemoryFactory(nullptr);
  ASSERT_EQ(heap.DC(), nullptr);
  const long live = GdiCounters::Live();
  CompareAllPrimitives(heap);
  EXPECT_EQ(GdiCounters::Live(), live) << "every temporary GDI object is freed";
}

TEST(PaintDC, FollowsTheDCsOriginAndClip) {
  const TBitmap src = SkinImage();
  const TRect m = Rect(3, 2, 2, 3), d = Rect(2, 3, 30, 25), clip = Rect(8, 6, 21, 17);
  // A moved viewport: the DC variant at d equals the bitmap variant at d moved.
  EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinBorder(t, d.Offset(6, -4), src, false, 3, 2, m); },
                   [&](HDC dc) { DrawSkinBorder(dc, d, src, false, 3, 2, m); }, 6, -4));
  EXPECT_TRUE(Same([&](TBitmap& t) { DrawSkinImage(t, d.Offset(-3, 5), src, false, true, true, 3, 2, m); },
                   [&](HDC dc) { DrawSkinImage(dc, d, src, false, true, true, 3, 2, m); }, -3, 5));
  // A clip rectangle: inside it the same pixels, outside nothing drawn.
  TBitmap full(W, H);
  DrawSkinImage(full, d, src, false, false, false, 3, 3, m);
  EXPECT_TRUE(Same([&](TBitmap& t) { CopyPixels(t, clip.Left, clip.Top, full, clip); },
                   [&](HDC dc) {
                     IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
                     DrawSkinImage(dc, d, src, false, false, false, 3, 3, m);
                   }));
  // Tiling on a device stops at DestRect.
  TBitmap tiles(W, H);
  TileBitmap(tiles, Rect(1, 1, 12, 9), src, Rect(3, 2, 8, 5));
  EXPECT_TRUE(Same([&](TBitmap& t) { CopyPixels(t, 1, 1, tiles, Rect(1, 1, 12, 9)); },
                   [&](HDC dc) { TileBitmap(dc, Rect(1, 1, 12, 9), src, Rect(3, 2, 8, 5)); }));
  DrawSkinImage(HDC(nullptr), d, src, false, false, false, 3, 1, m);  // no DC: nothing
}

TEST(PaintDC, ElementCallsEqualTheBitmapOnes) {
  TDataSkinObject e("Element");
  e.Bitmap = SkinImage();
  e.Margins = Rect(3, 2, 2, 3);
  for (int variant = 0; variant < 16; ++variant) {
    e.Style = {variant & 1 ? TElementFill::Tile : TElementFill::Stretch, (variant & 2) != 0, 3, (variant & 4) != 0,
               variant & 8 ? TElementSlicing::Strip : TElementSlicing::NineSlice};
    for (const TRect& d : {Rect(0, 0, W, H), Rect(3, 4, 17, 15), Rect(-5, -2, 25, 33)})
      for (int frame : {1, 3}) {
        SCOPED_TRACE(::testing::Message() << "variant " << variant << " dest " << d.Left << "," << d.Top
                                          << " frame " << frame);
        EXPECT_TRUE(Same([&](auto& t) { DrawElement(t, d, e, frame); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawElementRing(t, d, e, frame); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawElementRing(t, d, e, frame, Rect(1, 1, 0, 2)); }));
        EXPECT_TRUE(Same([&](auto& t) { DrawElementFrame(t, d, e, frame); }));
      }
  }
}

}  // namespace
}  // namespace pelorin
