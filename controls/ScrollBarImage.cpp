#include "controls/ScrollBarImage.h"

#include <algorithm>

#include "paint/DrawElement.h"
#include "paint/SkinPaint.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
// A piece from..to along the bar, across its whole thickness.
TRect Along(bool vertical, int from, int to) {
  return vertical ? TRect{0, from, SkinBarThickness, to} : TRect{from, 0, to, SkinBarThickness};
}
}  // namespace

bool HasBarImages(const TSkinModel& skin) { return skin.ScrollBar && !skin.ScrollBar->Bitmap.Empty(); }

TRect BarImageRect(const TBarLook& look) {
  const int length = std::max(look.Length, 0), thickness = std::max(look.Thickness, 0);
  return look.Vertical ? TRect{0, 0, thickness, length} : TRect{0, 0, length, thickness};
}

namespace {
// The skin-thick picture at the target's origin stretched across to
// thickness, in place: growing walks from the far side, shrinking from the
// near one, so every source pixel is read before it is overwritten.
void StretchAcross(TBitmap& target, bool vertical, int length, int thickness) {
  const int s = SkinBarThickness;
  if (thickness == s || thickness <= 0) return;
  auto source = [&](int i) { return static_cast<int>(int64_t(i) * s / thickness); };
  const bool grow = thickness > s;
  for (int k = 0; k < thickness; ++k) {
    const int i = grow ? thickness - 1 - k : k;
    const int from = source(i);
    if (vertical) {
      for (int y = 0; y < length; ++y) target.ScanLine(y)[i] = target.ScanLine(y)[from];
    } else {
      std::copy_n(target.ScanLine(from), length, target.ScanLine(i));
    }
  }
}
}  // namespace

void ComposeBar(TBitmap& target, const TSkinModel& skin, const TBarLook& look) {
  if (BarImageRect(look).IsEmpty()) return;
  TBarLook skinThick = look;
  skinThick.Thickness = std::max(look.Thickness, SkinBarThickness);
  const TRect work = BarImageRect(skinThick);
  GrowBitmap(target, work.Right, work.Bottom);
  const TRect r = Along(look.Vertical, 0, look.Length);
  target.FillRect(r, ColorToRGB(skin.colors[csScrollbar]));
  const int length = look.Length, s = std::max(look.ArrowSize, 0);
  const bool v = look.Vertical;

  if (const TDataSkinObject* track = (v ? skin.VertScroll : skin.HorzScroll).get(); track && length > 2 * s)
    DrawElement(target, Along(v, s, length - s), *track, 1);

  // A bar too short for two whole arrows shows two halves.
  const int a = length < 2 * s ? length / 2 : s;
  if (HasBarImages(skin) && a > 0) {
    DrawElementFrame(target, Along(v, 0, a), *skin.ScrollBar, ArrowFrame(v, false, look.PressedPart));
    DrawElementFrame(target, Along(v, length - a, length), *skin.ScrollBar, ArrowFrame(v, true, look.PressedPart));
  }

  const TBarMetrics& m = look.Metrics;
  const TDataSkinObject* thumb = (v ? skin.VertScrollThumb : skin.HorzScrollThumb).get();
  if (thumb && m.ThumbLength > 0 && m.ThumbLength <= m.TrackLength) {
    const int start = a + m.ThumbOffset;
    const bool pressed = look.PressedPart == (v ? ppVertThumb : ppHorzThumb);
    DrawElement(target, Along(v, start, start + m.ThumbLength), *thumb, pressed ? 2 : 1);
  }
  StretchAcross(target, v, length, look.Thickness);
}

}  // namespace pelorin
