// The generator's drawing: shapes and keying, glyph bounds, seamless tiles,
// clean key colours, and descriptions that name exactly the images drawn.
#include <gtest/gtest.h>

#include <set>

#include "tools/skingen/SkinBuild.h"
#include "tools/skingen/SkinImages.h"

using namespace pelorin;
using namespace pelorin::skingen;

namespace {

// Near the key but not the key: a window region would treat it as
// see-through (tolerance 1), a keyed copy would not.
bool NearKey(uint32_t p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  return p != KeyPixel && r >= 250 && g <= 4 && b >= 250;
}

bool Differs(const TBitmap& b, const TRect& f1, const TRect& f2) {
  for (int y = 0; y < f1.Bottom - f1.Top; ++y)
    for (int x = 0; x < f1.Right - f1.Left; ++x)
      if (b.ScanLine(f1.Top + y)[f1.Left + x] != b.ScanLine(f2.Top + y)[f2.Left + x]) return true;
  return false;
}

}  // namespace

TEST(SkinDrawing, ColoursShapesAndKeying) {
  EXPECT_EQ(Mix(Rgb(0, 0, 0), Rgb(255, 255, 255), 0.5), Rgb(128, 128, 128));
  EXPECT_EQ(Mix(Rgb(10, 20, 30), Rgb(200, 200, 200), 2.0), Rgb(200, 200, 200));  // t is clamped
  EXPECT_EQ(Shade(Rgb(100, 100, 100), -1.0), Rgb(0, 0, 0));
  EXPECT_EQ(ColourText(Rgb(58, 118, 200)), "58 118 200");

  const TInside disc = Disc(8, 8, 6);
  EXPECT_EQ(Coverage(disc, 7, 7), 1.0);
  EXPECT_EQ(Coverage(disc, 0, 0), 0.0);
  const double edge = Coverage(disc, 12, 12);
  EXPECT_GT(edge, 0.0);
  EXPECT_LT(edge, 1.0);

  // A rounded rectangle keyed on a grey square: corners become the key,
  // the inside stays, and edge pixels blend towards the given background.
  TBitmap b(20, 20);
  Fill(b, b.BoundsRect(), Rgb(90, 90, 90));
  KeyOutside(b, b.BoundsRect(), RoundRect(0, 0, 20, 20, 6), Rgb(250, 250, 250));
  EXPECT_EQ(b.ScanLine(0)[0], KeyPixel);
  EXPECT_EQ(b.ScanLine(19)[19], KeyPixel);
  EXPECT_EQ(b.ScanLine(10)[10], Rgb(90, 90, 90));
  EXPECT_EQ(b.ScanLine(10)[0], Rgb(90, 90, 90));
  bool blended = false;
  for (int x = 0; x < 6; ++x) blended = blended || (b.ScanLine(1)[x] != KeyPixel && b.ScanLine(1)[x] != Rgb(90, 90, 90));
  EXPECT_TRUE(blended);
}

TEST(SkinDrawing, GlyphsStayInTheirBoxAndCloseIsSymmetric) {
  for (TGlyph g : {TGlyph::Close, TGlyph::Maximize, TGlyph::Minimize, TGlyph::Restore, TGlyph::Help, TGlyph::Pin, TGlyph::Check,
                   TGlyph::Dot, TGlyph::ArrowLeft, TGlyph::ArrowRight, TGlyph::ArrowUp, TGlyph::ArrowDown, TGlyph::Leaf}) {
    TBitmap b(30, 30);
    DrawGlyph(b, {7, 7, 23, 23}, g, Rgb(255, 255, 255));
    int inside = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) {
        const bool in = x >= 7 && x < 23 && y >= 7 && y < 23;
        if (b.ScanLine(y)[x] != 0) ++(in ? inside : outside);
      }
    EXPECT_GT(inside, 8) << int(g);
    EXPECT_EQ(outside, 0) << int(g);
  }
  TBitmap x(16, 16);
  DrawGlyph(x, {0, 0, 16, 16}, TGlyph::Close, Rgb(255, 255, 255));
  for (int y = 0; y < 16; ++y)
    for (int i = 0; i < 16; ++i) EXPECT_EQ(x.ScanLine(y)[i], x.ScanLine(y)[15 - i]) << i << "," << y;
}

TEST(SkinDrawing, ImagesAreCleanAndStatesDiffer) {
  for (const TSkinTheme& t : AllThemes()) {
    SCOPED_TRACE(t.Name);
    const TSkinSource s = BuildSkin(t);
    for (const auto& [name, image] : s.Images) {
      int near = 0;
      for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) near += NearKey(image.ScanLine(y)[x]);
      EXPECT_EQ(near, 0) << name;
    }
    const TBorderImages borders = DrawBorders(t);
    // Opaque borders hold no key colour at all.
    if (t.CornerRadius == 0 && t.BottomRadius == 0) {
      for (const TBitmap* b : {&borders.Left, &borders.Right, &borders.Top, &borders.Bottom})
        for (int y = 0; y < b->Height(); ++y)
          for (int x = 0; x < b->Width(); ++x) ASSERT_NE(b->ScanLine(y)[x], KeyPixel);
    }
    if (t.TwoFrames) {
      const int th = t.TitleHeight, w = borders.Top.Width();
      EXPECT_TRUE(Differs(borders.Top, {0, 0, w, th}, {0, th, w, 2 * th}));
    }
    // Title buttons: the hot and the inactive frames look different from the normal one.
    const TBitmap close = DrawTitleButton(t, TGlyph::Close, 4, true);
    const int bs = t.ButtonSize;
    EXPECT_TRUE(Differs(close, {0, 0, bs, bs}, {2 * bs, 0, 3 * bs, bs}));
    EXPECT_TRUE(Differs(close, {0, 0, bs, bs}, {3 * bs, 0, 4 * bs, bs}));
    const TBitmap push = DrawPushButton(t);
    for (int f = 1; f < 4; ++f) EXPECT_TRUE(Differs(push, {0, 0, 24, 24}, {f * 24, 0, f * 24 + 24, 24})) << f;
  }
}

TEST(SkinDrawing, TiledBordersRepeatWithoutSeams) {
  for (const TSkinTheme& t : AllThemes()) {
    if (!t.Tiled) continue;
    SCOPED_TRACE(t.Name);
    const TFrameGeometry g = FrameGeometry(t);
    ASSERT_EQ(g.Middle, t.TexturePeriod);
    const TBorderImages b = DrawBorders(t);
    // The column after the middle continues the pattern as a second copy of
    // the middle would: tiles meet each other and the right end seamlessly.
    for (int y = 3; y < t.TitleHeight - 1; ++y)
      EXPECT_EQ(b.Top.ScanLine(y)[g.FixedLeft + g.Middle], b.Top.ScanLine(y)[g.FixedLeft]) << y;
    for (int x = 1; x < t.BorderWidth - 1; ++x)
      EXPECT_EQ(b.Left.ScanLine(t.TitleHeight + g.Middle)[x], b.Left.ScanLine(t.TitleHeight)[x]) << x;
  }
}

TEST(SkinDrawing, DescriptionNamesExactlyTheImagesDrawn) {
  for (const TSkinTheme& t : AllThemes()) {
    SCOPED_TRACE(t.Name);
    const TSkinSource s = BuildSkin(t);
    std::set<std::string> drawn, named;
    for (const auto& [name, image] : s.Images) {
      EXPECT_TRUE(drawn.insert(name).second) << "twice: " << name;
      EXPECT_FALSE(image.Empty()) << name;
    }
    // Values ending in .bmp in the read sections; the ignored extras may name anything.
    const std::string read = s.Description.substr(0, s.Description.size() - t.IgnoredText.size());
    size_t pos = 0;
    while ((pos = read.find(".bmp", pos)) != std::string::npos) {
      size_t start = read.find_last_of("=\\", pos);
      named.insert(read.substr(start + 1, pos + 4 - start - 1));
      pos += 4;
    }
    std::set<std::string> lowered;
    for (std::string n : named) {
      for (char& c : n) c = char(std::tolower(static_cast<unsigned char>(c)));
      lowered.insert(n);
    }
    EXPECT_EQ(lowered, drawn);
  }
}

TEST(SkinDrawing, TitleButtonsDoNotOverlapAndFitTheTitle) {
  const int width = 400;
  for (const TSkinTheme& t : AllThemes()) {
    SCOPED_TRACE(t.Name);
    std::vector<TRect> placed;
    for (const TTitleButton& b : TitleButtons(t)) {
      if (b.Visibility == 1 || b.Align > 1) continue;  // restore shares the maximise place; caption-relative ones move
      const int w = b.Frames > 0 ? t.ButtonSize : 16, h = b.Frames > 0 ? t.ButtonSize : 16;
      const int x = b.Align == 0 ? b.XCoord : width - b.XCoord;
      const TRect r{x, b.YCoord, x + w, b.YCoord + h};
      EXPECT_GE(r.Left, t.BorderWidth);
      EXPECT_LE(r.Right, width - t.BorderWidth);
      EXPECT_GE(r.Top, 0);
      EXPECT_LE(r.Bottom, t.TitleHeight);
      for (const TRect& o : placed) EXPECT_TRUE(r.Right <= o.Left || o.Right <= r.Left) << b.Section;
      placed.push_back(r);
    }
  }
}
