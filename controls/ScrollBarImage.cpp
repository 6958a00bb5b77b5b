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

TRect BarImageRect(const TBarLook& look) { return Along(look.Vertical, 0, std::max(look.Length, 0)); }

void ComposeBar(TBitmap& target, const TSkinModel& skin, const TBarLook& look) {
  const TRect r = BarImageRect(look);
  if (r.IsEmpty()) return;
  GrowBitmap(target, r.Right, r.Bottom);
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
}

}  // namespace pelorin
