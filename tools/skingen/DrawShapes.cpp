// Pixel fills, gradients, bevels and anti-aliased shapes for the generator.
#include "tools/skingen/Draw.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace pelorin::skingen {

TPixel Mix(TPixel a, TPixel b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto ch = [&](int shift) {
    const double x = double((a >> shift) & 0xFF), y = double((b >> shift) & 0xFF);
    return TPixel(std::lround(x + (y - x) * t)) << shift;
  };
  return ch(16) | ch(8) | ch(0);
}

TPixel Shade(TPixel c, double amount) {
  return amount >= 0 ? Mix(c, Rgb(255, 255, 255), amount) : Mix(c, Rgb(0, 0, 0), -amount);
}

std::string ColourText(TPixel c) {
  return std::to_string((c >> 16) & 0xFF) + " " + std::to_string((c >> 8) & 0xFF) + " " + std::to_string(c & 0xFF);
}

void Put(TBitmap& b, int x, int y, TPixel c) {
  if (x >= 0 && y >= 0 && x < b.Width() && y < b.Height()) b.ScanLine(y)[x] = c;
}

void Blend(TBitmap& b, int x, int y, TPixel c, double alpha) {
  if (x >= 0 && y >= 0 && x < b.Width() && y < b.Height()) b.ScanLine(y)[x] = Mix(b.ScanLine(y)[x], c, alpha);
}

void Fill(TBitmap& b, const TRect& r, TPixel c) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) Put(b, x, y, c);
}

void VGradient(TBitmap& b, const TRect& r, TPixel top, TPixel bottom) {
  const int h = r.Bottom - r.Top;
  for (int y = r.Top; y < r.Bottom; ++y) {
    const TPixel c = Mix(top, bottom, h > 1 ? double(y - r.Top) / (h - 1) : 0.0);
    for (int x = r.Left; x < r.Right; ++x) Put(b, x, y, c);
  }
}

void HGradient(TBitmap& b, const TRect& r, TPixel left, TPixel right) {
  const int w = r.Right - r.Left;
  for (int x = r.Left; x < r.Right; ++x) {
    const TPixel c = Mix(left, right, w > 1 ? double(x - r.Left) / (w - 1) : 0.0);
    for (int y = r.Top; y < r.Bottom; ++y) Put(b, x, y, c);
  }
}

void Outline(TBitmap& b, const TRect& r, TPixel c) {
  Bevel(b, r, c, c);
}

void Bevel(TBitmap& b, const TRect& r, TPixel light, TPixel dark) {
  for (int x = r.Left; x < r.Right; ++x) {
    Put(b, x, r.Top, light);
    Put(b, x, r.Bottom - 1, dark);
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    Put(b, r.Left, y, light);
    Put(b, r.Right - 1, y, dark);
  }
}

double Coverage(const TInside& inside, int x, int y) {
  int n = 0;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i) n += inside(x + (i + 0.5) / 4.0, y + (j + 0.5) / 4.0) ? 1 : 0;
  return n / 16.0;
}

void FillShape(TBitmap& b, const TRect& r, const TInside& inside, TPixel c) {
  FillShape(b, r, inside, [c](int, int) { return c; });
}

void FillShape(TBitmap& b, const TRect& r, const TInside& inside, const std::function<TPixel(int, int)>& colour) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const double a = Coverage(inside, x, y);
      if (a > 0) Blend(b, x, y, colour(x, y), a);
    }
}

void KeyOutside(TBitmap& b, const TRect& r, const TInside& inside, TPixel edgeBackground) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) continue;
      const double a = Coverage(inside, x, y);
      TPixel& p = b.ScanLine(y)[x];
      if (a < 0.4) p = KeyPixel;
      else if (a < 1) p = Mix(edgeBackground, p, a);
    }
}

namespace {

// Distance from (x, y) to the rectangle [l, r] x [t, b] shrunk by radius,
// compared with radius: the classic rounded-rectangle test.
bool InRound(double x, double y, double l, double t, double r, double b, double radius) {
  if (x < l || x > r || y < t || y > b) return false;
  const double cx = std::clamp(x, l + radius, r - radius);
  const double cy = std::clamp(y, t + radius, b - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

}  // namespace

TInside RoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) { return InRound(x, y, left, top, right, bottom, radius); };
}

TInside RoundTopRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (y >= top + radius) return x >= left && x <= right && y <= bottom;
    return InRound(x, y, left, top, right, bottom + radius, radius);
  };
}

TInside Disc(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

TInside Ring(double cx, double cy, double outer, double inner) {
  return [=](double x, double y) {
    const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d <= outer * outer && d >= inner * inner;
  };
}

TInside Segment(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= width * width / 4;
  };
}

TInside Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    auto side = [](double ax, double ay, double bx, double by, double px, double py) {
      return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const double a = side(x0, y0, x1, y1, x, y), b = side(x1, y1, x2, y2, x, y), c = side(x2, y2, x0, y0, x, y);
    return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
  };
}

TInside Union(TInside a, TInside b) {
  return [=](double x, double y) { return a(x, y) || b(x, y); };
}

TInside Minus(TInside a, TInside b) {
  return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

}  // namespace pelorin::skingen
