// Window frame images: a small whole window is drawn once per state and cut
// into the four borders, so corners, title and edges always match.
#include <algorithm>
#include <cmath>

#include "tools/skingen/SkinImages.h"

namespace pelorin::skingen {

namespace {

TPixel Grey(TPixel c) {
  const int l = int(0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF));
  return Rgb(l, l, l);
}

// A rounded rectangle with separate top and bottom radii.
TInside WindowShape(double w, double h, double top, double bottom) {
  const TInside upper = top > 0 ? RoundRect(0, 0, w, h + top, top) : RoundRect(0, 0, w, h, 0);
  const TInside lower = bottom > 0 ? RoundRect(0, -bottom, w, h, bottom) : RoundRect(0, 0, w, h, 0);
  return [=](double x, double y) { return y < h / 2 ? upper(x, y) : lower(x, y); };
}

TBitmap DrawWindow(const TSkinTheme& t, const TFrameGeometry& g, bool active) {
  const int bw = t.BorderWidth, th = t.TitleHeight, bh = t.BottomHeight;
  const int w = 2 * bw + g.FixedLeft + g.Middle + g.FixedRight;
  const int h = th + g.Middle + bh;
  const int phaseX = bw + g.FixedLeft, phaseY = th;
  TBitmap b(w, h);
  const TPixel body = active ? t.P.FrameBody : Mix(t.P.FrameBody, Grey(t.P.FrameBody), 0.6);
  const TPixel top = active ? t.P.TitleTop : t.P.InactiveTop;
  const TPixel bottom = active ? t.P.TitleBottom : t.P.InactiveBottom;
  Fill(b, {0, 0, w, h}, body);
  // The body continues the title's lower colour, slightly darker, so the
  // frame reads as one piece.
  VGradient(b, {0, 0, w, th}, top, bottom);
  if (t.Tiled && t.Texture) {
    const int p = t.TexturePeriod;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int px = ((x - phaseX) % p + p) % p, py = ((y - phaseY) % p + p) % p;
        const bool inTitle = y < th;
        // Along the title the pattern follows x only; down the sides, y only.
        const double s = inTitle ? t.Texture(px, y % p) : (x < bw || x >= w - bw) ? t.Texture(x % p, py) : t.Texture(px, y % p);
        b.ScanLine(y)[x] = Shade(b.ScanLine(y)[x], s);
      }
  }
  // Gloss on the title's first rows, a dark line where the client begins.
  for (int x = 0; x < w; ++x) {
    Blend(b, x, 1, Rgb(255, 255, 255), t.Dark ? 0.10 : 0.30);
    Blend(b, x, 2, Rgb(255, 255, 255), t.Dark ? 0.04 : 0.12);
  }
  const TPixel inner = Shade(body, t.Dark ? -0.45 : -0.30);
  Outline(b, {bw - 1, th - 1, w - bw + 1, h - bh + 1}, inner);
  for (int x = bw - 1; x < w - bw + 1; ++x) Put(b, x, th - 1, Shade(bottom, -0.25));
  // Outer outline following the corners, then the corners keyed out.
  const TInside shape = WindowShape(w, h, t.CornerRadius, t.BottomRadius);
  const TInside inset = [=](double x, double y) {
    return shape(x - 1, y - 1) && shape(x + 1, y + 1) && shape(x - 1, y + 1) && shape(x + 1, y - 1);
  };
  const TPixel frame = active ? t.P.Frame : Mix(t.P.Frame, Grey(t.P.Frame), 0.5);
  FillShape(b, {0, 0, w, h}, Minus(shape, inset), frame);
  if (t.CornerRadius > 0 || t.BottomRadius > 0) KeyOutside(b, {0, 0, w, h}, shape, Mix(frame, Rgb(128, 128, 128), 0.4));
  return b;
}

void CopyArea(TBitmap& dst, int dx, int dy, const TBitmap& src, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) Put(dst, dx + x - r.Left, dy + y - r.Top, src.ScanLine(y)[x]);
}

}  // namespace

TFrameGeometry FrameGeometry(const TSkinTheme& t) {
  TFrameGeometry g;
  g.FixedLeft = g.FixedRight = std::max(t.CornerRadius, 4) + 6;
  g.Middle = t.Tiled ? t.TexturePeriod : 16;
  g.Frames = t.TwoFrames ? 2 : 1;
  return g;
}

TBorderImages DrawBorders(const TSkinTheme& t) {
  const TFrameGeometry g = FrameGeometry(t);
  const int bw = t.BorderWidth, th = t.TitleHeight, bh = t.BottomHeight;
  const int strip = g.FixedLeft + g.Middle + g.FixedRight;
  const int h = th + g.Middle + bh;
  TBorderImages r;
  r.Left.SetSize(bw * g.Frames, h);
  r.Right.SetSize(bw * g.Frames, h);
  r.Top.SetSize(strip, th * g.Frames);
  r.Bottom.SetSize(strip, bh * g.Frames);
  for (int f = 0; f < g.Frames; ++f) {
    const TBitmap win = DrawWindow(t, g, f == 0);
    const int w = win.Width();
    CopyArea(r.Left, f * bw, 0, win, {0, 0, bw, h});
    CopyArea(r.Right, f * bw, 0, win, {w - bw, 0, w, h});
    CopyArea(r.Top, 0, f * th, win, {bw, 0, w - bw, th});
    CopyArea(r.Bottom, 0, f * bh, win, {bw, h - bh, w - bw, h});
  }
  return r;
}

TBitmap DrawTextBack(const TSkinTheme& t) {
  const int th = t.TitleHeight, l = t.TextBackLeft, r = t.TextBackRight, w = l + 8 + r;
  TBitmap b(w, 2 * th);
  Fill(b, {0, 0, w, 2 * th}, KeyPixel);
  for (int f = 0; f < 2; ++f) {
    const int y0 = f * th;
    const double top = y0 + 4, bottom = y0 + th - 5, rad = (bottom - top) / 2;
    const TPixel base = f == 0 ? t.P.Accent : Mix(t.P.Accent, Grey(t.P.Accent), 0.7);
    // A pill as wide as the caption: rounded ends in the fixed parts, plain middle.
    const TInside pill = RoundRect(1, top, w - 1, bottom, rad);
    const TInside rim = Minus(pill, RoundRect(2, top + 1, w - 2, bottom - 1, rad - 1));
    const TRect area{0, y0, w, y0 + th};
    FillShape(b, area, pill, [&](int, int y) { return Mix(Shade(base, 0.18), Shade(base, -0.12), (y - top) / (bottom - top)); });
    FillShape(b, area, rim, Shade(base, -0.35));
    KeyOutside(b, area, pill, Mix(f == 0 ? t.P.TitleTop : t.P.InactiveTop, f == 0 ? t.P.TitleBottom : t.P.InactiveBottom, 0.5));
  }
  return b;
}

namespace {

TPixel CircleColour(TGlyph g) {
  switch (g) {
    case TGlyph::Close: return Rgb(232, 92, 80);
    case TGlyph::Minimize: return Rgb(238, 182, 62);
    case TGlyph::Maximize:
    case TGlyph::Restore: return Rgb(98, 190, 92);
    default: return Rgb(110, 160, 230);
  }
}

}  // namespace

TBitmap DrawTitleButton(const TSkinTheme& t, TGlyph glyph, int frames, bool danger) {
  const int s = t.ButtonSize;
  TBitmap b(s * frames, s);
  Fill(b, {0, 0, s * frames, s}, KeyPixel);
  const TPixel mid = Mix(t.P.TitleTop, t.P.TitleBottom, 0.5);
  const TPixel midInactive = Mix(t.P.InactiveTop, t.P.InactiveBottom, 0.5);
  for (int f = 0; f < frames; ++f) {
    // 1 normal, 2 pressed, 3 hot, 4 inactive; further frames repeat the first.
    const int state = f < 4 ? f + 1 : 1;
    const double x0 = f * s;
    const TRect area{f * s, 0, f * s + s, s};
    const TPixel behind = state == 4 ? midInactive : mid;
    if (t.ButtonShape == TButtonShape::Circle) {
      const TPixel c = state == 4 ? Mix(midInactive, Rgb(255, 255, 255), t.Dark ? 0.25 : 0.45)
                       : state == 2 ? Shade(CircleColour(glyph), -0.25)
                                    : CircleColour(glyph);
      const TInside disc = Disc(x0 + s / 2.0, s / 2.0, s / 2.0 - 1.5);
      FillShape(b, area, disc, [&](int, int y) { return Mix(Shade(c, 0.15), Shade(c, -0.08), double(y) / s); });
      FillShape(b, area, Ring(x0 + s / 2.0, s / 2.0, s / 2.0 - 1.5, s / 2.0 - 2.5), Shade(c, -0.3));
      if (state == 2 || state == 3) {
        TRect g{int(x0) + 3, 3, int(x0) + s - 3, s - 3};
        DrawGlyph(b, g, glyph, Shade(c, -0.62));
      }
      KeyOutside(b, area, disc, behind);
      continue;
    }
    TPixel face = state == 4 ? Mix(midInactive, Rgb(255, 255, 255), 0.10) : Mix(mid, Rgb(255, 255, 255), 0.14);
    if (state == 3) face = danger ? Rgb(214, 64, 56) : Mix(mid, Rgb(255, 255, 255), 0.32);
    if (state == 2) face = danger ? Rgb(168, 40, 36) : Shade(mid, -0.28);
    const TInside box = RoundRect(x0 + 0.5, 0.5, x0 + s - 0.5, s - 0.5, 3.5);
    FillShape(b, area, box, [&](int, int y) { return Mix(Shade(face, 0.12), Shade(face, -0.08), double(y) / s); });
    FillShape(b, area, Minus(box, RoundRect(x0 + 1.5, 1.5, x0 + s - 1.5, s - 1.5, 2.5)), Shade(face, -0.30));
    const TPixel ink = state == 4 ? Mix(t.P.TitleText, midInactive, 0.45) : (state == 3 && danger) ? Rgb(255, 255, 255) : t.P.TitleText;
    DrawGlyph(b, {int(x0) + 2, 2, int(x0) + s - 2, s - 2}, glyph, ink);
    KeyOutside(b, area, box, behind);
  }
  return b;
}

TBitmap DrawMdiStrip(const TSkinTheme& t) {
  const int w = 16, h = 14;
  TBitmap b(w * 12, h);
  Fill(b, {0, 0, w * 12, h}, KeyPixel);
  const TGlyph glyphs[3] = {TGlyph::Minimize, TGlyph::Restore, TGlyph::Close};
  for (int k = 0; k < 3; ++k)
    for (int f = 0; f < 4; ++f) {
      const int x0 = (k * 4 + f) * w;
      const TRect area{x0, 0, x0 + w, h};
      const TPixel face = f == 1 ? Shade(t.P.Face, -0.18) : f >= 2 ? Mix(t.P.Face, t.P.Hilight, 0.25) : t.P.Face;
      const TInside box = RoundRect(x0 + 0.5, 0.5, x0 + w - 0.5, h - 0.5, 2.5);
      FillShape(b, area, box, face);
      FillShape(b, area, Minus(box, RoundRect(x0 + 1.5, 1.5, x0 + w - 1.5, h - 1.5, 1.5)), t.P.Shadow);
      DrawGlyph(b, {x0 + 2, 1, x0 + w - 2, h - 1}, glyphs[k], t.P.MenuBarText);
      KeyOutside(b, area, box, t.P.MenuBar);
    }
  return b;
}

}  // namespace pelorin::skingen
