// The framework canvas drawing into TBitmap pixels through the bitmap's DIB
// section, and the GDI objects its tools create and give back.
#include <gtest/gtest.h>

#include "host/win/Graphics.h"
#include "host/win/platform/GdiCounters.h"

namespace pelorin {
namespace {

uint32_t Px(TBitmap& b, int x, int y) {
  GdiFlush();
  return b.ScanLine(y)[x] & 0xFFFFFFu;
}

TEST(HostCanvas, FillFrameLinesAndText) {
  TBitmap bmp(40, 30);
  TBitmapCanvas c(bmp);
  c.Brush().SetColor(clRed);
  c.FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(Px(bmp, 39, 29), 0xFF0000u);
  c.Brush().SetColor(clBlue);
  c.FrameRect(Rect(5, 5, 15, 15));
  EXPECT_EQ(Px(bmp, 5, 5), 0x0000FFu);
  EXPECT_EQ(Px(bmp, 14, 14), 0x0000FFu);
  EXPECT_EQ(Px(bmp, 10, 10), 0xFF0000u);  // frame only
  EXPECT_EQ(Px(bmp, 15, 15), 0xFF0000u);  // right/bottom exclusive

  c.Pen().SetColor(clLime);
  c.MoveTo(0, 20);
  c.LineTo(10, 20);
  EXPECT_EQ(Px(bmp, 0, 20), 0x00FF00u);
  EXPECT_EQ(Px(bmp, 9, 20), 0x00FF00u);
  EXPECT_EQ(Px(bmp, 10, 20), 0xFF0000u);  // the end point is not drawn
  EXPECT_EQ(c.PenPos(), Point(10, 20));

  // Text on a clear brush leaves the background, in the font colour.
  c.Font().SetColor(clWhite);
  c.Brush().SetStyle(bsClear);
  EXPECT_GT(c.TextWidth("WWW"), c.TextWidth("W"));
  EXPECT_EQ(c.TextWidth(""), 0);
  c.TextOut(20, 2, "\xC3\x84W");  // UTF-8 text reaches the wide API
  const int right = 20 + c.TextWidth("\xC3\x84W");
  int white = 0, outside = 0;
  GdiFlush();
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 40; ++x) {
      const uint32_t p = bmp.ScanLine(y)[x] & 0xFFFFFFu;
      if (p == 0xFFFFFFu) ++white;
      if (x >= right && p != 0xFF0000u) ++outside;
    }
  EXPECT_GT(white, 5);
  EXPECT_EQ(outside, 0);  // clear brush: no background box beyond the text
}

TEST(HostCanvas, DrawHonoursTransparencyAndStretches) {
  TBitmap glyph(4, 4);
  glyph.Fill(clFuchsia);
  glyph.FillRect(Rect(1, 1, 3, 3), clBlue);
  TBitmap bmp(20, 20);
  bmp.Fill(clRed);
  TBitmapCanvas c(bmp);
  c.Draw(0, 0, glyph);
  EXPECT_EQ(Px(bmp, 0, 0), 0xFF00FFu);  // opaque: the key colour is drawn
  glyph.SetTransparent(true);
  glyph.SetTransparentColor(clFuchsia);
  c.Draw(10, 10, glyph);
  EXPECT_EQ(Px(bmp, 10, 10), 0xFF0000u);
  EXPECT_EQ(Px(bmp, 11, 11), 0x0000FFu);
  // clDefault takes the bottom-left pixel as the key.
  glyph.SetTransparentColor(clDefault);
  c.Draw(5, 0, glyph);
  EXPECT_EQ(Px(bmp, 5, 0), 0xFF0000u);

  glyph.SetTransparent(false);
  c.StretchDraw(Rect(0, 10, 8, 18), glyph);  // 2x: pixel-exact
  EXPECT_EQ(Px(bmp, 1, 11), 0xFF00FFu);
  EXPECT_EQ(Px(bmp, 2, 12), 0x0000FFu);
  EXPECT_EQ(Px(bmp, 5, 15), 0x0000FFu);
  EXPECT_EQ(Px(bmp, 6, 16), 0xFF00FFu);

  TBitmap copy(8, 8);
  TBitmapCanvas cc(copy);
  cc.CopyRect(Rect(0, 0, 8, 8), c, Rect(10, 10, 14, 14));
  EXPECT_EQ(Px(copy, 0, 0), Px(bmp, 10, 10));
  EXPECT_EQ(Px(copy, 3, 3), 0x0000FFu);
}

TEST(HostCanvas, ToolsGiveTheirHandlesBack) {
  const long before = GdiCounters::Live();
  {
    TBitmap bmp(8, 8);
    TBitmapCanvas c(bmp);
    c.Font().SetStyle(fsBold);
    c.TextOut(0, 0, "x");
    c.Font().SetHeight(-20);  // drops the first font
    c.TextOut(0, 0, "x");
    c.Brush().SetColor(clRed);
    c.FillRect(Rect(0, 0, 2, 2));
    c.Pen().SetWidth(2);
    c.LineTo(5, 5);
    // A font whose handle is selected nowhere after the operation can change.
    EXPECT_EQ(GetCurrentObject(c.Handle(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
  }
  EXPECT_EQ(GdiCounters::Live(), before);

  TFont f;
  LOGFONTW lf{};
  lf.lfHeight = -13;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = 1;
  wcscpy(lf.lfFaceName, L"Tahoma");
  f.SetLogFont(lf);
  EXPECT_EQ(f.Name(), "Tahoma");
  EXPECT_EQ(f.Style(), unsigned(fsBold | fsItalic));
  EXPECT_EQ(f.Size(), 10);
  LOGFONTW back{};
  ASSERT_EQ(GetObjectW(f.Handle(), sizeof back, &back), int(sizeof back));
  EXPECT_EQ(back.lfHeight, -13);
  EXPECT_STREQ(back.lfFaceName, L"Tahoma");
  TFont g;
  g.Assign(f);
  EXPECT_EQ(g.LogFont().lfWeight, FW_BOLD);
}

}  // namespace
}  // namespace pelorin
