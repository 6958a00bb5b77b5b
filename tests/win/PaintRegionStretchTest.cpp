// Regions from bitmaps against the portable rectangle list, and our
// nearest-neighbour rule against StretchBlt in COLORONCOLOR mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/RegionScan.h"
#include "paint/win/BitmapRegion.h"
#include "tests/native/paint/PaintTestUtil.h"
#include "tests/win/PaintWinTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

// The region holds exactly the pixels of the rectangle list (checked pixel
// by pixel over the bitmap's area and a margin around it).
void ExpectRegionEqualsRects(HRGN rgn, const TRegionRects& rects, const TRect& area) {
  HRGN expected = CreateRectRgn(0, 0, 0, 0);
  for (const TRect& r : rects) {
    HRGN one = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(expected, expected, one, RGN_OR);
    DeleteObject(one);
  }
  EXPECT_TRUE(EqualRgn(rgn, expected));
  DeleteObject(expected);
  int wrong = 0;
  for (int y = area.Top - 2; y < area.Bottom + 2; ++y)
    for (int x = area.Left - 2; x < area.Right + 2; ++x) {
      bool inList = false;
      for (const TRect& r : rects) inList = inList || r.Contains({x, y});
      wrong += bool(PtInRegion(rgn, x, y)) != inList;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(PaintRegion, EqualsTheUnionOfTheRectangleList) {
  // Rounded-corner border: key corners, opaque elsewhere.
  TBitmap border(60, 12);
  border.Fill(clBlue);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3 - y; ++x) {
      border.ScanLine(y)[x] = 0xFF00FF;
      border.ScanLine(y)[59 - x] = 0xFF01FF;  // within tolerance
    }
  // Many runs: more than 2000, so several batches are merged.
  TBitmap many(90, 70);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 90; ++x) many.ScanLine(y)[x] = (x + y) % 3 == 0 ? 0xFF00FF : PosColour(x, y);
  TBitmap allKey(5, 5);
  allKey.Fill(clFuchsia);
  const long live = GdiCounters::Live();
  struct { const TBitmap* b; int dx, dy; } cases[] = {{&border, 0, 0}, {&border, 17, -4}, {&many, 3, 9},
                                                      {&allKey, 0, 0}, {nullptr, 0, 0}};
  for (const auto& c : cases) {
    const TBitmap empty;
    const TBitmap& b = c.b ? *c.b : empty;
    const TRegionRects rects = CreateRegionRects(b, c.dx, c.dy, 1, 1, 1, TransparentKeyColour);
    TGdiRegion rgn = CreateRegionFromBitmap(b, c.dx, c.dy, 1, 1, 1, TransparentKeyColour);
    ASSERT_TRUE(rgn);
    if (&b == &many) {
      EXPECT_GT(rects.size(), 2000u);
    }
    ExpectRegionEqualsRects(rgn.Get(), rects, b.BoundsRect().Offset(c.dx, c.dy));
    RECT box;
    if (rects.empty()) {
      EXPECT_EQ(GetRgnBox(rgn.Get(), &box), NULLREGION);
    }
  }
  EXPECT_EQ(GdiCounters::Live(), live);
}

// Source column each destination column of a StretchBlt (COLORONCOLOR) shows.
std::vector<int> StretchBltColumns(int srcLen, int dstLen) {
  TDibCanvas src(srcLen, 1), dst(dstLen, 1);
  for (int x = 0; x < srcLen; ++x) src.Bits()[x] = uint32_t(x + 1);
  SetStretchBltMode(dst.DC(), COLORONCOLOR);
  StretchBlt(dst.DC(), 0, 0, dstLen, 1, src.DC(), 0, 0, srcLen, 1, SRCCOPY);
  GdiFlush();
  std::vector<int> cols(static_cast<size_t>(dstLen));
  for (int x = 0; x < dstLen; ++x) cols[size_t(x)] = int(dst.Bits()[x] & 0xFFFFFF) - 1;
  return cols;
}

TEST(PaintStretch, RuleAgainstStretchBlt) {
  // Copies and integer enlargements must agree exactly.
  for (auto [s, d] : {std::pair{7, 7}, {1, 9}, {3, 12}, {5, 10}, {16, 64}}) {
    const std::vector<int> gdi = StretchBltColumns(s, d);
    for (int i = 0; i < d; ++i) EXPECT_EQ(gdi[size_t(i)], SampleIndex(i, s, d)) << s << " -> " << d << " at " << i;
  }
  // Elsewhere the two may pick a neighbouring pixel; record where.
  std::string report;
  int differing = 0, total = 0;
  for (auto [s, d] : {std::pair{2, 1}, {4, 2}, {9, 3}, {5, 7}, {7, 5}, {10, 13}, {13, 10}, {3, 8}, {8, 3},
                      {100, 37}, {37, 100}}) {
    const std::vector<int> gdi = StretchBltColumns(s, d);
    std::string diff;
    for (int i = 0; i < d; ++i) {
      ++total;
      const int ours = SampleIndex(i, s, d);
      EXPECT_LE(std::abs(gdi[size_t(i)] - ours), 1) << s << " -> " << d << " at " << i;
      if (gdi[size_t(i)] != ours) {
        ++differing;
        if (diff.size() < 60) diff += " " + std::to_string(i) + ":" + std::to_string(ours) + "/" + std::to_string(gdi[size_t(i)]);
      }
    }
    if (!diff.empty()) report += std::to_string(s) + "->" + std::to_string(d) + diff + "\n";
  }
  std::printf("stretch rule vs StretchBlt: %d of %d columns differ (dest:ours/gdi)\n%s", differing, total,
              report.c_str());
  RecordProperty("differing_columns", differing);
}

}  // namespace
}  // namespace pelorin
