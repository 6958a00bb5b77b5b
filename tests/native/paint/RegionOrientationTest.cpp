// Region scan and bitmap orientation.
#include <gtest/gtest.h>

#include "paint/Orientation.h"
#include "paint/PaintTypes.h"
#include "paint/RegionScan.h"
#include "PaintTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

constexpr uint32_t Key = 0xFF00FF;

TRegionRects Scan(const TBitmap& b, int dx = 0, int dy = 0) {
  return CreateRegionRects(b, dx, dy, 1, 1, 1, TransparentKeyColour);
}

TEST(RegionScan, RowsBecomeRuns) {
  TBitmap b(6, 3);
  b.Fill(clBlue);
  for (int x = 0; x < 6; x += 2) b.ScanLine(1)[x] = Key;  // row 1 alternates key / opaque
  b.FillRect(Rect(0, 2, 6, 3), clFuchsia);                  // row 2 all key
  b.ScanLine(0)[5] = Key;
  EXPECT_EQ(Scan(b, 10, 20), (TRegionRects{Rect(10, 20, 15, 21), Rect(11, 21, 12, 22), Rect(13, 21, 14, 22),
                                            Rect(15, 21, 16, 22)}));
  b.Fill(clFuchsia);
  EXPECT_TRUE(Scan(b).empty());
  EXPECT_TRUE(Scan(TBitmap()).empty());
}

TEST(RegionScan, ToleranceEdges) {
  // Per channel the see-through range is [key, min(255, key + tolerance)].
  TBitmap b(7, 1);
  const uint32_t px[] = {0xFF01FF, 0xFF02FF, 0xFE00FF, 0xFF00FE, 0xFFFFFF, 0x000000, 0xFF00FF | 0xAB000000u};
  for (int x = 0; x < 7; ++x) b.ScanLine(0)[x] = px[x];
  EXPECT_EQ(Scan(b), (TRegionRects{Rect(1, 0, 6, 1)})) << "green +1 and the unused byte are see-through";
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 0, 0, 0, TransparentKeyColour), (TRegionRects{Rect(0, 0, 6, 1)}));
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 255, 255, 255, clBlack), TRegionRects{});
  // Tolerance never reaches below the key: blue 0xFE stays opaque.
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 255, 0, 0, TransparentKeyColour), (TRegionRects{Rect(0, 0, 6, 1)}));
}

TEST(RegionScan, ManyRunsCoverExactlyTheOpaquePixels) {
  // Thousands of runs of odd lengths; painting the rectangles back must
  // give exactly the opaque pixels, each once.
  TBitmap b(97, 131), back(97, 131);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.ScanLine(y)[x] = (x * 7 + y * 3) % 5 < 2 ? Key : PosColour(x, y) + 1;
  const TRegionRects rects = Scan(b, -3, 5);
  EXPECT_GT(rects.size(), 2000u);
  for (const TRect& r : rects) {
    ASSERT_EQ(r.Height(), 1);
    for (int x = r.Left; x < r.Right; ++x) back.ScanLine(r.Top - 5)[x + 3] += 1;
  }
  EXPECT_TRUE(PixelsAre(back, [&](int x, int y) { return b.ScanLine(y)[x] == Key ? 0u : 1u; }));
}

TEST(Orientation, TurnsAndRoundTrips) {
  TBitmap row = PosImage(4, 1);
  RotateBitmapLeft(row);
  EXPECT_EQ(row.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_TRUE(row.Width() == 1 && PixelsAre(row, [](int, int y) { return PosColour(3 - y, 0); }));

  TBitmap img = PosImage(5, 3);
  img.ScanLine(1)[2] |= 0xCD000000u;  // the unused byte is cleared by the 24-bit conversion
  RotateBitmapRight(img);
  ASSERT_EQ(img.Width(), 3);
  ASSERT_EQ(img.Height(), 5);
  EXPECT_TRUE(PixelsAre(img, [](int x, int y) { return PosColour(y, 2 - x); }));
  EXPECT_EQ(img.ScanLine(2)[1] >> 24, 0u);
  RotateBitmapLeft(img);
  EXPECT_TRUE(PixelsAre(img, [](int x, int y) { return PosColour(x, y); }));
  FlipBitmapVertical(img);
  EXPECT_TRUE(PixelsAre(img, [](int x, int y) { return PosColour(x, 2 - y); }));
  FlipBitmapVertical(img);
  EXPECT_TRUE(PixelsAre(img, [](int x, int y) { return PosColour(x, y); }));

  TBitmap empty;
  RotateBitmapLeft(empty);
  FlipBitmapVertical(empty);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace pelorin
