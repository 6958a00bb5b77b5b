#include "controls/ArrowShapes.h"
#include "controls/GlyphLayout.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

constexpr TPoint Client{100, 30};
constexpr TPoint Glyph{16, 16};
constexpr TPoint Text{40, 13};

TEST(GlyphLayout, AutomaticMarginAndSpacingSplitTheFreeSpaceInThirds) {
  const auto p = LayOutGlyphButton(Client, Glyph, Text, gsLeft, -1, -1, TGlyphButtonKind::Bit);
  EXPECT_EQ(p.Glyph.X, 14);  // (100 - 56) / 3
  EXPECT_EQ(p.Glyph.Y, 7);   // (30 - 16 + 1) / 2
  EXPECT_EQ(p.Text, Rect(44, 9, 84, 22));
  EXPECT_EQ(p.Format, cfmtLeft);
}

TEST(GlyphLayout, SpeedButtonsSitOnePixelFurtherWithAutomaticMarginOnly) {
  const auto bit = LayOutGlyphButton(Client, Glyph, Text, gsLeft, -1, 4, TGlyphButtonKind::Bit);
  const auto speed = LayOutGlyphButton(Client, Glyph, Text, gsLeft, -1, 4, TGlyphButtonKind::Speed);
  EXPECT_EQ(bit.Glyph.X, 20);  // (100 - 60) / 2
  EXPECT_EQ(speed.Glyph.X, bit.Glyph.X + 1);
  EXPECT_EQ(bit.Text.Left, 40);
}

TEST(GlyphLayout, EverySideAndGivenValues) {
  auto p = LayOutGlyphButton(Client, Glyph, Text, gsRight, 5, -1, TGlyphButtonKind::Bit);
  EXPECT_EQ(p.Glyph.X, 79);
  EXPECT_EQ(p.Text.Left, 79 - (100 - 21 - 40) / 2 - 40);
  EXPECT_EQ(p.Format, cfmtRight);
  p = LayOutGlyphButton({60, 60}, Glyph, Text, gsTop, 2, 3, TGlyphButtonKind::Bit);
  EXPECT_EQ(p.Glyph, (TPoint{22, 2}));
  EXPECT_EQ(p.Text, Rect(10, 21, 50, 34));
  EXPECT_EQ(p.Format, cfmtCentre);
  p = LayOutGlyphButton({60, 60}, Glyph, Text, gsBottom, 2, 3, TGlyphButtonKind::Bit);
  EXPECT_EQ(p.Glyph.Y, 42);
  EXPECT_EQ(p.Text.Top, 42 - 3 - 13);
  // No caption: no spacing; an unknown side is taken as left.
  p = LayOutGlyphButton(Client, Glyph, {0, 0}, 9, -1, 7, TGlyphButtonKind::Bit);
  EXPECT_EQ(p.Glyph.X, (100 - 16) / 2);
  EXPECT_EQ(p.Text.Left, p.Glyph.X + 16);
}

TEST(GlyphLayout, CaptionPlacement) {
  EXPECT_EQ(PlaceCaption(Rect(0, 0, 100, 25), {40, 13}, cfmtCentre), Rect(30, 5, 70, 18));
  EXPECT_EQ(PlaceCaption(Rect(0, 0, 100, 25), {40, 13}, cfmtLeft), Rect(0, 5, 40, 18));
  // Truncation toward zero for a caption taller than the rectangle.
  EXPECT_EQ(PlaceCaption(Rect(0, 0, 100, 10), {40, 13}, cfmtRight).Top, -2);
  EXPECT_EQ(PlaceCaptionCentred(Rect(10, 10, 110, 35), {40, 13}), Rect(40, 16, 80, 29));
}

TEST(ArrowShapes, PathsStartWithAMoveAndMirror) {
  for (int d = adUp; d <= adRight; ++d) {
    ASSERT_FALSE(ArrowPath(d).empty());
    EXPECT_TRUE(ArrowPath(d).front().Move);
  }
  const auto left = ArrowPath(adLeft), right = ArrowPath(adRight);
  ASSERT_EQ(left.size(), right.size());
  for (size_t i = 0; i < left.size(); ++i) EXPECT_EQ(left[i].To.X, -right[i].To.X);
  EXPECT_TRUE(ArrowPath(-1).empty());
  EXPECT_TRUE(ArrowPath(4).empty());
}

}  // namespace
}  // namespace pelorin
