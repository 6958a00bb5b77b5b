// Frame selection, slice geometry and the stretching rule.
#include <gtest/gtest.h>

#include "paint/FrameSelect.h"
#include "paint/PieceBlit.h"
#include "paint/SliceGeometry.h"

namespace pelorin {
namespace {

using P = TSlicePiece;
constexpr TPieceFill S = TPieceFill::Stretch, T = TPieceFill::Tile;

TEST(FrameSelect, PicksFramesAndNeverLeavesTheImage) {
  EXPECT_EQ(SelectFrame(30, 10, false, 3, 2), Rect(10, 0, 20, 10));
  EXPECT_EQ(SelectFrame(10, 30, true, 3, 3), Rect(0, 20, 10, 30));
  EXPECT_EQ(SelectFrame(32, 10, false, 3, 3), Rect(20, 0, 30, 10)) << "remainder columns are never used";
  EXPECT_EQ(SelectFrame(30, 10, false, 1, 1), Rect(0, 0, 30, 10));
  // Faulty skins: count 0 or negative is one frame, indexes are clamped.
  EXPECT_EQ(SelectFrame(30, 10, false, 0, 1), Rect(0, 0, 30, 10));
  EXPECT_EQ(SelectFrame(30, 10, true, -4, 7), Rect(0, 0, 30, 10));
  EXPECT_EQ(SelectFrame(30, 10, false, 3, 9), Rect(20, 0, 30, 10));
  EXPECT_EQ(SelectFrame(30, 10, false, 3, -2147483647 - 1), Rect(0, 0, 10, 10));
  EXPECT_TRUE(SelectFrame(3, 10, false, 5, 2).IsEmpty()) << "frames narrower than a pixel";
  EXPECT_TRUE(SelectFrame(0, 0, false, 1, 1).IsEmpty());
  // Width from the destination: clamped index, not cut to the image.
  EXPECT_EQ(SelectFrameOfWidth(40, 8, 10, 3), Rect(20, 0, 30, 8));
  EXPECT_EQ(SelectFrameOfWidth(40, 8, 10, 99), Rect(30, 0, 40, 8));
  EXPECT_EQ(SelectFrameOfWidth(40, 8, 50, 2), Rect(0, 0, 50, 8));
  EXPECT_TRUE(SelectFrameOfWidth(40, 8, 0, 1).IsEmpty());
}

TEST(SliceGeometry, NineSliceInDrawingOrder) {
  // Frame 2 of a strip of 20 x 12 frames, margins 3, 2, 4, 5, onto 50 x 30.
  const TRect f = Rect(20, 0, 40, 12);
  const TSliceList got = NineSlice(f, 50, 30, Rect(3, 2, 4, 5), false);
  const TSliceList want = {
      P{Rect(20, 0, 23, 2), Rect(0, 0, 3, 2), S},      P{Rect(20, 7, 23, 12), Rect(0, 25, 3, 30), S},
      P{Rect(36, 0, 40, 2), Rect(46, 0, 50, 2), S},    P{Rect(20, 2, 23, 7), Rect(0, 2, 3, 25), S},
      P{Rect(23, 0, 36, 2), Rect(3, 0, 46, 2), S},     P{Rect(23, 2, 36, 7), Rect(3, 2, 46, 25), S},
      P{Rect(36, 7, 40, 12), Rect(46, 25, 50, 30), S}, P{Rect(36, 2, 40, 7), Rect(46, 2, 50, 25), S},
      P{Rect(23, 7, 36, 12), Rect(3, 25, 46, 30), S},
  };
  EXPECT_EQ(got, want);
  // Tiled centre: whole 13 x 5 tiles from (3, 2), overhanging to (55, 27).
  const TSliceList tiled = NineSlice(f, 50, 30, Rect(3, 2, 4, 5), true);
  ASSERT_EQ(tiled.size(), 9u);
  EXPECT_EQ(tiled[5], (P{Rect(23, 2, 36, 7), Rect(3, 2, 55, 27), T}));
  // Border: the same pieces without the centre.
  TSliceList border = want;
  border.erase(border.begin() + 5);
  EXPECT_EQ(BorderSlice(f, 50, 30, Rect(3, 2, 4, 5)), border);
}

TEST(SliceGeometry, SmallDestinationsAndDegenerateFrames) {
  const TRect f = Rect(0, 0, 20, 12);
  // Too narrow for left + right: both become 0 (top and bottom stay).
  EXPECT_EQ(EffectiveMargins(Rect(3, 2, 4, 5), 6, 30), Rect(0, 2, 0, 5));
  EXPECT_EQ(EffectiveMargins(Rect(3, 2, 4, 5), 7, 6), Rect(3, 0, 4, 0));
  EXPECT_EQ(EffectiveMargins(Rect(-3, 2, 4, -5), 50, 30), Rect(0, 2, 4, 0));
  const TSliceList narrow = NineSlice(f, 6, 30, Rect(3, 2, 4, 5), false);
  ASSERT_EQ(narrow.size(), 3u);  // top edge, centre, bottom edge, all full frame width
  EXPECT_EQ(narrow[1], (P{Rect(0, 2, 20, 7), Rect(0, 2, 6, 25), S}));
  // Margins larger than the frame: 1:1 corners are cut with their source, the
  // pieces without source columns vanish, nothing reaches outside the frame.
  const TSliceList big = NineSlice(Rect(10, 0, 18, 6), 100, 100, Rect(10, 4, 10, 4), false);
  for (const TSlicePiece& p : big) {
    EXPECT_TRUE(p.Source.Left >= 10 && p.Source.Right <= 18 && p.Source.Top >= 0 && p.Source.Bottom <= 6);
    EXPECT_FALSE(p.Source.IsEmpty());
  }
  EXPECT_EQ(big[0], (P{Rect(10, 0, 18, 4), Rect(0, 0, 8, 4), S}));
  // Empty frames and destinations give nothing; huge ones stay in range.
  EXPECT_TRUE(NineSlice(TRect{}, 50, 30, Rect(1, 1, 1, 1), true).empty());
  EXPECT_TRUE(NineSlice(f, 0, 30, Rect(1, 1, 1, 1), true).empty());
  const TSliceList huge = NineSlice(f, 1 << 29, 1 << 29, Rect(1, 1, 1, 1), true);
  EXPECT_EQ(huge[5].Dest.Right, 1 + ((1 << 29) - 2 + 17) / 18 * 18);
}

TEST(SliceGeometry, ThreeSliceRepeatsTheMiddle) {
  const TRect f = Rect(0, 10, 10, 20);  // second of two stacked 10 x 10 frames
  const TSliceList got = ThreeSlice(f, 23, 4, 2, 3);
  const TSliceList want = {
      P{Rect(0, 10, 2, 20), Rect(0, 0, 2, 4), S},
      P{Rect(2, 10, 7, 20), Rect(2, 0, 22, 4), TPieceFill::RepeatX},  // 4 copies of 5 cover 2 .. 20
      P{Rect(7, 10, 10, 20), Rect(20, 0, 23, 4), S},
  };
  EXPECT_EQ(got, want);
  // No middle columns: the parts only. Parts wider than the destination.
  EXPECT_EQ(ThreeSlice(f, 23, 4, 5, 5).size(), 2u);
  const TSliceList wide = ThreeSlice(f, 4, 4, 1000, 2147483647);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], (P{Rect(0, 10, 4, 20), Rect(0, 0, 4, 4), S}));
}

TEST(Sampling, RuleIsExactForCopiesAndIntegerFactors) {
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(SampleIndex(i, 12, 12), i);
    EXPECT_EQ(SampleIndex(i, 4, 12), i / 3);          // enlarge by 3: each pixel three times
    EXPECT_EQ(SampleIndex(i, 24, 12), 2 * i + 1);     // reduce by 2
    EXPECT_EQ(SampleIndex(i, 36, 12), 3 * i + 1);     // reduce by 3: the middle one
  }
  // Fractional factors stay symmetric: a mirrored run samples mirrored pixels.
  for (int i = 0; i < 7; ++i) EXPECT_EQ(SampleIndex(i, 5, 7), 4 - SampleIndex(6 - i, 5, 7));
  // Tables equal the rule, also from an offset start and for huge runs.
  std::vector<int> table;
  for (auto [src, dst] : {std::pair{5, 7}, {7, 5}, {1, 13}, {13, 1}, {32768, 3}, {3, 1 << 28}}) {
    const int first = dst > 100 ? dst - 50 : dst / 3;
    const int count = std::min(dst - first, 50);
    BuildSampleTable(table, 100, src, dst, first, count);
    for (int k = 0; k < count; ++k) ASSERT_EQ(table[size_t(k)], 100 + SampleIndex(first + k, src, dst));
  }
}

}  // namespace
}  // namespace pelorin
