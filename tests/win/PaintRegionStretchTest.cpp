// Regions from bitmaps against the portable rectangle list, and our
// nearest-neighbour rule against StretchBlt in COLORONCOLOR mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "host/win/platform/GdiCounters.h"
#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/RegionScan.h"
#include "paint/win/BitmapRegion.h"
#include "tests/native/paint/PaintTestUtil.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;

// The region a rectangle list describes, built one rectangle at a time.
HRGN UnionOf(const TRegionRects& rects) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (const TRect& r : rects) {
    HRGN one = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(all, all, one, RGN_OR);
    DeleteObject(one);
  }
  return all;
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
    EXPECT_TRUE(&b != &many || rects.size() > 2000u);
    HRGN expected = UnionOf(rects);
    EXPECT_TRUE(EqualRgn(rgn.Get(), expected));
    DeleteObject(expected);
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn.Get(), &box) == NULLREGION, rects.empty());
  }
  EXPECT_EQ(GdiCounters::Live(), live);
}

// Source column each destination column of a StretchBlt (COLORONCOLOR) shows.
std::vector<int> StretchBltColumns(int srcLen, int dstLen) {
  TBitmap src(srcLen, 1), dst(dstLen, 1);  // DIB sections with their own DCs
  for (int x = 0; x < srcLen; ++x) src.ScanLine(0)[x] = uint32_t(x + 1);
  const HDC dc = static_cast<HDC>(dst.DC());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, dstLen, 1, static_cast<HDC>(src.DC()), 0, 0, srcLen, 1, SRCCOPY);
  GdiFlush();
  std::vector<int> cols(static_cast<size_t>(dstLen));
  for (int x = 0; x < dstLen; ++x) cols[size_t(x)] = int(dst.ScanLine(0)[x] & 0xFFFFFF) - 1;
  return cols;
}

TEST(PaintStretch, RuleAgainstStretchBlt) {
  // Copies and integer enlargements agree exactly; elsewhere the two may
  // pick a neighbouring pixel, and the differences are printed.
  std::string report;
  for (auto [s, d] : {std::pair{7, 7}, {1, 9}, {3, 12}, {16, 64}, {2, 1}, {4, 2}, {9, 3}, {5, 7}, {7, 5},
                      {10, 13}, {13, 10}, {8, 3}, {100, 37}, {37, 100}}) {
    const std::vector<int> gdi = StretchBltColumns(s, d);
    std::string diff;
    for (int i = 0; i < d; ++i) {
      const int ours = SampleIndex(i, s, d), theirs = gdi[size_t(i)];
      EXPECT_LE(std::abs(theirs - ours), d % s == 0 ? 0 : 1) << s << " -> " << d << " at " << i;
      if (theirs != ours) diff += " " + std::to_string(i) + ":" + std::to_string(ours) + "/" + std::to_string(theirs);
    }
    if (!diff.empty()) report += "  " + std::to_string(s) + "->" + std::to_string(d) + diff + "\n";
  }
  std::printf("stretch rule vs StretchBlt, dest column: ours/StretchBlt\n%s", report.c_str());
}

}  // namespace
}  // namespace pelorin
