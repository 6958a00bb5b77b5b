// Region scan and bitmap orientation.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

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

// The pixels a rectangle list covers, as a set (and no pixel twice).
std::set<std::pair<int, int>> Covered(const TRegionRects& rects) {
  std::set<std::pair<int, int>> s;
  for (const TRect& r : rects)
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) EXPECT_TRUE(s.insert({x, y}).second);
  return s;
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
  // Zero tolerance: only the exact key; wide tolerances stop at 255.
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 0, 0, 0, TransparentKeyColour), (TRegionRects{Rect(0, 0, 6, 1)}));
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 255, 255, 255, clBlack), TRegionRects{});
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 0, 2, 0, TransparentKeyColour), (TRegionRects{Rect(2, 0, 6, 1)}));
  // Tolerance never reaches below the key: blue 0xFE stays opaque.
  EXPECT_EQ(CreateRegionRects(b, 0, 0, 255, 0, 0, TransparentKeyColour), (TRegionRects{Rect(0, 0, 6, 1)}));
}

TEST(RegionScan, ManyRunsCoverExactlyTheOpaquePixels) {
  // 3000+ runs: a checkerboard with every third pixel keyed, in odd shapes.
  TBitmap b(97, 131);
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.ScanLine(y)[x] = (x * 7 + y * 3) % 5 < 2 ? Key : PosColour(x, y);
  const TRegionRects rects = Scan(b, -3, 5);
  EXPECT_GT(rects.size(), 2000u);
  std::set<std::pair<int, int>> want;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[x] != Key) want.insert({x - 3, y + 5});
  EXPECT_EQ(Covered(rects), want);
  for (const TRect& r : rects) EXPECT_EQ(r.Height(), 1);
}

TEST(Orientation, TurnsAndRoundTrips) {
  TBitmap row = PosImage(4, 1);
  RotateBitmapLeft(row);
  EXPECT_EQ(row.Width(), 1);
  EXPECT_EQ(row.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_TRUE(PixelsAre(row, [](int, int y) { return PosColour(3 - y, 0); })) << "leftmost at the bottom";
  row = PosImage(4, 1);
  RotateBitmapRight(row);
  EXPECT_TRUE(PixelsAre(row, [](int, int y) { return PosColour(y, 0); })) << "leftmost at the top";

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
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(img.ScanLine(y)[x] >> 24, 0u);

  TBitmap empty;
  RotateBitmapLeft(empty);
  FlipBitmapVertical(empty);
  RotateBitmapRight(empty);
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.PixelFormat(), TPixelFormat::pf24bit);
}

}  // namespace
}  // namespace pelorin
