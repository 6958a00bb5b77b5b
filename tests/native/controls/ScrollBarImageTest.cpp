#include "controls/ScrollBarImage.h"

#include <gtest/gtest.h>

#include "skinmodel/SkinModel.h"
#include "tests/support/SkinFixtures.h"

namespace pelorin {
namespace {

const TSkinModel& Skin(bool minimal = false) {
  static const auto load = [](bool m) {
    auto model = std::make_unique<TSkinModel>();
    skingen::TSkinTheme theme = skingen::SlateTheme();
    theme.Minimal = m;
    EXPECT_TRUE(testing::LoadArchive(*model, testing::ThemeArchive(theme)));
    return model;
  };
  static const auto full = load(false), bare = load(true);
  return minimal ? *bare : *full;
}

TBitmap Compose(const TBarLook& look, const TSkinModel& skin = Skin()) {
  TBitmap b(300, 40);
  b.Fill(0x123456);
  ComposeBar(b, skin, look);
  return b;
}

// First and last index along the bar (y of a vertical bar) where a and b differ; {-1, -1} when equal.
std::pair<int, int> Differs(const TBitmap& a, const TBitmap& b, bool vertical) {
  std::pair<int, int> r{-1, -1};
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
        const int along = vertical ? y : x;
        if (r.first < 0 || along < r.first) r.first = along;
        r.second = std::max(r.second, along);
      }
  return r;
}

// The pictures differ, and only within [from, to] along the bar (keyed edges may stay the same).
void ExpectChangeWithin(std::pair<int, int> d, int from, int to) {
  EXPECT_GE(d.first, from);
  EXPECT_LE(d.second, to);
  EXPECT_GE(d.second, d.first);
}

TBarLook Horizontal(int length, TBarMetrics m = {16, 0, 0, 0}, int pressed = ppNone) {
  return {false, length, 16, pressed, m};
}

TEST(ScrollBarImage, PartsLandWhereTheMetricsPutThem) {
  const TBarMetrics m{16, 200, 40, 30};
  const TBitmap plain = Compose(Horizontal(232));
  const TBitmap thumbed = Compose(Horizontal(232, m));
  ExpectChangeWithin(Differs(plain, thumbed, false), 46, 85);  // inside [16 + 30, 16 + 30 + 40)
  ExpectChangeWithin(Differs(thumbed, Compose(Horizontal(232, m, ppHorzThumb)), false), 46, 85);
  EXPECT_EQ(Differs(thumbed, Compose(Horizontal(232, m, ppVertThumb)), false).first, -1);  // the other bar's
  ExpectChangeWithin(Differs(thumbed, Compose(Horizontal(232, m, ppLeftArrow)), false), 0, 15);
  ExpectChangeWithin(Differs(thumbed, Compose(Horizontal(232, m, ppRightArrow)), false), 216, 231);
  // A thumb longer than its track is not drawn.
  EXPECT_EQ(Differs(plain, Compose(Horizontal(232, {16, 200, 201, 0})), false).first, -1);
  // Nothing is written past the bar's picture.
  for (int x = 232; x < 300; ++x) EXPECT_EQ(thumbed.GetPixel(x, 0), 0x123456);
  for (int y = 16; y < 40; ++y) EXPECT_EQ(thumbed.GetPixel(0, y), 0x123456);
}

TEST(ScrollBarImage, ShortBarsHalveTheArrowsAndSkinsWithoutImagesShowTheColour) {
  const TBarLook shortBar{true, 20, 16, ppDownArrow, {16, 0, 0, 0}};
  const TBitmap b = Compose(shortBar);
  EXPECT_EQ(BarImageRect(shortBar), Rect(0, 0, 16, 20));
  // Two half-length arrows meet in the middle: only the lower half shows the pressed frame.
  TBarLook released = shortBar;
  released.PressedPart = ppNone;
  ExpectChangeWithin(Differs(Compose(released), b, true), 10, 19);
  const TBitmap bare = Compose(Horizontal(100, {16, 68, 20, 10}), Skin(true));
  EXPECT_FALSE(HasBarImages(Skin(true)));
  for (int x = 0; x < 100; x += 7) EXPECT_EQ(bare.GetPixel(x, 8), ColorToRGB(Skin(true).colors[csScrollbar])) << x;
  // Stretched across to the screen's thickness, thicker or thinner, in place.
  const TBarLook skinThick = Horizontal(100, {16, 68, 20, 10}, ppLeftArrow);
  const TBitmap base = Compose(skinThick);
  for (int thickness : {20, 9}) {
    TBarLook look = skinThick;
    look.Thickness = thickness;
    const TBitmap wide = Compose(look);
    EXPECT_EQ(BarImageRect(look), Rect(0, 0, 100, thickness));
    for (int y = 0; y < thickness; ++y)
      for (int x = 0; x < 100; ++x) ASSERT_EQ(wide.GetPixel(x, y), base.GetPixel(x, y * 16 / thickness)) << x << "," << y;
    look.Vertical = true;  // the same across columns
    const TBitmap tall = Compose(look), tallBase = Compose({true, 100, 16, ppLeftArrow, {16, 68, 20, 10}});
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < thickness; ++x) ASSERT_EQ(tall.GetPixel(x, y), tallBase.GetPixel(x * 16 / thickness, y));
  }
  TBitmap empty;
  ComposeBar(empty, Skin(), Horizontal(0));  // nothing to draw: no picture is made
  EXPECT_EQ(empty.Width(), 0);
}

}  // namespace
}  // namespace pelorin
