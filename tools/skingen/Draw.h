// Small pixel drawing helpers of the skin generator: colours as 0x00RRGGBB
// pixel words, fills, gradients, bevels and anti-aliased shapes given by an
// inside test, with the magenta key for see-through parts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/core/Bitmap.h"

namespace pelorin::skingen {

using TPixel = uint32_t;

inline constexpr TPixel Rgb(int r, int g, int b) {
  return TPixel(r & 0xFF) << 16 | TPixel(g & 0xFF) << 8 | TPixel(b & 0xFF);
}
inline constexpr TPixel KeyPixel = Rgb(255, 0, 255);

// a + (b - a) * t per channel, t in [0, 1].
TPixel Mix(TPixel a, TPixel b, double t);
// Towards white (amount > 0) or black (amount < 0), |amount| <= 1.
TPixel Shade(TPixel c, double amount);
// "R G B" as the description's colour texts write it.
std::string ColourText(TPixel c);

void Fill(TBitmap& b, const TRect& r, TPixel c);
void Put(TBitmap& b, int x, int y, TPixel c);
// Blends c over the pixel by alpha (0..1); pixels outside are ignored.
void Blend(TBitmap& b, int x, int y, TPixel c, double alpha);
// Top colour to bottom colour over r (left to right for HGradient).
void VGradient(TBitmap& b, const TRect& r, TPixel top, TPixel bottom);
void HGradient(TBitmap& b, const TRect& r, TPixel left, TPixel right);
// One-pixel outline of r.
void Outline(TBitmap& b, const TRect& r, TPixel c);
// Raised bevel: light on top and left, dark on bottom and right; swap the
// colours for a sunken one.
void Bevel(TBitmap& b, const TRect& r, TPixel light, TPixel dark);

// A shape as an inside test in continuous coordinates (pixel (x, y) covers
// [x, x + 1) x [y, y + 1)).
using TInside = std::function<bool(double x, double y)>;
// Fraction of pixel (x, y) inside the shape, from 4 x 4 samples.
double Coverage(const TInside& inside, int x, int y);
// Paints the shape over r (the pixels to visit) with colour c, anti-aliased.
void FillShape(TBitmap& b, const TRect& r, const TInside& inside, TPixel c);
// The same with a colour that depends on the pixel (gradients inside shapes).
void FillShape(TBitmap& b, const TRect& r, const TInside& inside, const std::function<TPixel(int x, int y)>& colour);
// Pixels of r mostly outside the shape become the key colour; edge pixels
// are blended with edgeBackground, the colour the image will most likely sit on.
void KeyOutside(TBitmap& b, const TRect& r, const TInside& inside, TPixel edgeBackground);

// Inside tests.
TInside RoundRect(double left, double top, double right, double bottom, double radius);
// Only the top corners rounded (title bars, tabs).
TInside RoundTopRect(double left, double top, double right, double bottom, double radius);
TInside Disc(double cx, double cy, double radius);
TInside Ring(double cx, double cy, double outer, double inner);
// A thick line with round caps.
TInside Segment(double x0, double y0, double x1, double y1, double width);
TInside Triangle(double x0, double y0, double x1, double y1, double x2, double y2);
TInside Union(TInside a, TInside b);
TInside Minus(TInside a, TInside b);

}  // namespace pelorin::skingen
