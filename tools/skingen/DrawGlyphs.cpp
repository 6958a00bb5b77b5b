// The generator's glyphs, built from anti-aliased segments, discs and triangles.
#include "tools/skingen/Glyphs.h"

#include <algorithm>
#include <cmath>

namespace pelorin::skingen {

void DrawGlyph(TBitmap& b, const TRect& box, TGlyph glyph, TPixel c) {
  const double w = box.Right - box.Left, h = box.Bottom - box.Top;
  const double s = std::min(w, h);
  const double cx = box.Left + w / 2, cy = box.Top + h / 2;
  const double pen = std::max(1.3, s / 9.0);
  const double k = s * 0.26;  // half size of most symbols
  TInside shape;
  switch (glyph) {
    case TGlyph::Close:
      shape = Union(Segment(cx - k, cy - k, cx + k, cy + k, pen * 1.15), Segment(cx - k, cy + k, cx + k, cy - k, pen * 1.15));
      break;
    case TGlyph::Maximize: {
      const double t = pen;
      shape = Minus(RoundRect(cx - k, cy - k, cx + k, cy + k, 0.6), RoundRect(cx - k + t, cy - k + t * 1.6, cx + k - t, cy + k - t, 0.3));
      break;
    }
    case TGlyph::Minimize:
      shape = RoundRect(cx - k, cy + k - pen * 1.2, cx + k, cy + k, 0.5);
      break;
    case TGlyph::Restore: {
      const double t = pen * 0.9, q = k * 0.75, o = k * 0.45;
      const TInside back = Minus(RoundRect(cx - q + o, cy - q - o, cx + q + o, cy + q - o, 0.4),
                                 RoundRect(cx - q + o + t, cy - q - o + t * 1.4, cx + q + o - t, cy + q - o - t, 0.2));
      const TInside frontOuter = RoundRect(cx - q - o, cy - q + o, cx + q - o, cy + q + o, 0.4);
      const TInside front = Minus(frontOuter, RoundRect(cx - q - o + t, cy - q + o + t * 1.4, cx + q - o - t, cy + q + o - t, 0.2));
      shape = Union(Minus(back, frontOuter), front);
      break;
    }
    case TGlyph::Help: {
      const double r = k * 0.62, hy = cy - k * 0.38;
      const TInside arc = [=](double x, double y) {
        const double d = std::hypot(x - cx, y - hy);
        if (std::fabs(d - r) > pen / 2) return false;
        // The hook: everything but the lower-left quarter of the circle.
        return !(x < cx && y > hy);
      };
      shape = Union(Union(arc, Segment(cx + r * 0.1, hy + r * 0.9, cx, cy + k * 0.35, pen)), Disc(cx, cy + k * 0.85, pen * 0.62));
      break;
    }
    case TGlyph::Pin:
      shape = Union(Union(RoundRect(cx - k * 0.45, cy - k, cx + k * 0.45, cy + k * 0.1, 0.8), RoundRect(cx - k * 0.85, cy, cx + k * 0.85, cy + pen, 0.4)),
                    Segment(cx, cy, cx, cy + k * 1.1, pen * 0.8));
      break;
    case TGlyph::Check:
      shape = Union(Segment(cx - k * 1.05, cy, cx - k * 0.3, cy + k * 0.75, pen * 1.2), Segment(cx - k * 0.3, cy + k * 0.75, cx + k * 1.1, cy - k * 0.85, pen * 1.2));
      break;
    case TGlyph::Dot:
      shape = Disc(cx, cy, s * 0.2);
      break;
    case TGlyph::ArrowLeft:
      shape = Triangle(cx - k * 0.55, cy, cx + k * 0.45, cy - k * 0.9, cx + k * 0.45, cy + k * 0.9);
      break;
    case TGlyph::ArrowRight:
      shape = Triangle(cx + k * 0.55, cy, cx - k * 0.45, cy - k * 0.9, cx - k * 0.45, cy + k * 0.9);
      break;
    case TGlyph::ArrowUp:
      shape = Triangle(cx, cy - k * 0.55, cx - k * 0.9, cy + k * 0.45, cx + k * 0.9, cy + k * 0.45);
      break;
    case TGlyph::ArrowDown:
      shape = Triangle(cx, cy + k * 0.55, cx - k * 0.9, cy - k * 0.45, cx + k * 0.9, cy - k * 0.45);
      break;
    case TGlyph::Leaf: {
      // A lens along the rising diagonal (two overlapping discs) and a stem.
      const double r = k * 1.25, o = k * 0.8;
      shape = [=](double x, double y) {
        return std::hypot(x - (cx + o), y - (cy + o)) <= r && std::hypot(x - (cx - o), y - (cy - o)) <= r;
      };
      shape = Union(shape, Segment(cx - k * 1.3, cy + k * 1.3, cx - k * 0.4, cy + k * 0.4, pen * 0.8));
      break;
    }
  }
  FillShape(b, box, shape, c);
}

}  // namespace pelorin::skingen
