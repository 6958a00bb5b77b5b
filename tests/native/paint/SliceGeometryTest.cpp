// Frame selection, slice geometry and the stretching rule.
#include <gtest/gtest.h>

#include "paint/FrameSelect.h"
#include "paint/PieceBlit.h"
#include "paint/SliceGeometry.h"

namespace pelorin {
namespace {

using P = TSlicePiece;
constexpr TPieceFill S = TPieceFill::Stretch;

TEST(FrameSelect, PicksFramesAndNeverLeavesTheImage) {
  EXPECT_EQ(SelectFrame(32, 10, false, 3, 3), Rect(20, 0, 30, 10)) << "remainder columns are never used";
  EXPECT_EQ(SelectFrame(10, 30, true, 3, 3), Rect(0, 20, 10, 30));
  // Faulty skins: a count below 1 is one frame, indexes are clamped.
  EXPECT_EQ(SelectFrame(30, 10, true, 0, 7), Rect(0, 0, 30, 10));
  EXPECT_EQ(SelectFrame(30, 10, false, 3, 9), Rect(20, 0, 30, 10));
  EXPECT_EQ(SelectFrame(30, 10, false, 3, -2147483647 - 1), Rect(0, 0, 10, 10));
  EXPECT_TRUE(SelectFrame(3, 10, false, 5, 2).IsEmpty()) << "frames narrower than a pixel";
  EXPECT_EQ(SelectFrameOfWidth(40, 8, 10, 99), Rect(30, 0, 40, 8));
  EXPECT_EQ(SelectFrameOfWidth(40, 8, 50, 2), Rect(0, 0, 50, 8));
}

TEST(SliceGeometry, NineSliceInDrawingOrder) {
  // Frame 2 of a strip of 20 x 12 frames, margins 3, 2, 4, 5, onto 50 x 30:
  // corners TL, BL, TR, left and top edges, centre, then BR, right, bottom.
  const TRect f = Rect(20, 0, 40, 12);
  const TSliceList want = {
      P{Rect(20, 0, 23, 2), Rect(0, 0, 3, 2), S},      P{Rect(20, 7, 23, 12), Rect(0, 25, 3, 30), S},
      P{Rect(36, 0, 40, 2), Rect(46, 0, 50, 2), S},    P{Rect(20, 2, 23, 7), Rect(0, 2, 3, 25), S},
      P{Rect(23, 0, 36, 2), Rect(3, 0, 46, 2), S},     P{Rect(23, 2, 36, 7), Rect(3, 2, 46, 25), S},
      P{Rect(36, 7, 40, 12), Rect(46, 25, 50, 30), S}, P{Rect(36, 2, 40, 7), Rect(46, 2, 50, 25), S},
      P{Rect(23, 7, 36, 12), Rect(3, 25, 46, 30), S},
  };
  EXPECT_EQ(NineSlice(f, 50, 30, Rect(3, 2, 4, 5), false), want);
  // A tiled centre covers whole 13 x 5 tiles, overhanging to (55, 27).
  EXPECT_EQ(NineSlice(f, 50, 30, Rect(3, 2, 4, 5), true)[5],
            (P{Rect(23, 2, 36, 7), Rect(3, 2, 55, 27), TPieceFill::Tile}));
}

TEST(SliceGeometry, SmallDestinationsAndDegenerateFrames) {
  EXPECT_EQ(EffectiveMargins(Rect(3, 2, 4, 5), 6, 30), Rect(0, 2, 0, 5));
  EXPECT_EQ(EffectiveMargins(Rect(-3, 2, 4, -5), 50, 30), Rect(0, 2, 4, 0));
  // Margins larger than the frame: 1:1 corners are cut with their source,
  // pieces without source columns vanish, nothing reaches outside the frame.
  const TRect f = Rect(10, 0, 18, 6);
  const TSliceList big = NineSlice(f, 100, 100, Rect(10, 4, 10, 4), false);
  for (const TSlicePiece& p : big) EXPECT_EQ(IntersectRect(p.Source, f), p.Source);
  EXPECT_EQ(big[0], (P{Rect(10, 0, 18, 4), Rect(0, 0, 8, 4), S}));
  // Parts of a strip wider than the destination are cut to it.
  EXPECT_EQ(ThreeSlice(f, 4, 4, 1000, 2147483647)[0], (P{Rect(10, 0, 14, 6), Rect(0, 0, 4, 4), S}));
  EXPECT_TRUE(NineSlice(TRect{}, 50, 30, Rect(1, 1, 1, 1), true).empty());
}

TEST(Sampling, RuleIsExactForCopiesAndIntegerFactors) {
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(SampleIndex(i, 12, 12), i);
    EXPECT_EQ(SampleIndex(i, 4, 12), i / 3);       // enlarge by 3: each pixel three times
    EXPECT_EQ(SampleIndex(i, 36, 12), 3 * i + 1);  // reduce by 3: the middle one
  }
  // Tables equal the rule, also from an offset start and for huge runs.
  std::vector<int> table;
  for (auto [src, dst] : {std::pair{5, 7}, {7, 5}, {13, 1}, {32768, 3}, {3, 1 << 28}}) {
    const int first = dst > 100 ? dst - 50 : dst / 3, count = std::min(dst - first, 50);
    BuildSampleTable(table, 100, src, dst, first, count);
    for (int k = 0; k < count; ++k) ASSERT_EQ(table[size_t(k)], 100 + SampleIndex(first + k, src, dst));
  }
}

}  // namespace
}  // namespace pelorin
