// Element drawing on TBitmap targets, and the choice of primitive shared with
// the device-context variants.
#include "paint/DrawElement.h"

#include "paint/ElementDispatch.h"
#include "paint/SkinPaint.h"

namespace pelorin {

namespace paint_detail {

TElementCall ElementCall(const TDataSkinObject& element, TElementPart part, const TRect& margins) {
  using P = TElementCall::TPrimitive;
  const TElementStyle& s = element.Style;
  TElementCall c{P::Image, s.Vertical, s.Fill == TElementFill::Tile, s.Keyed, s.Frames, margins};
  if (element.Bitmap.Empty()) c.Primitive = P::None;
  else if (part == TElementPart::Ring) c.Primitive = P::Border;
  else if (part == TElementPart::Frame) c = {P::Image, s.Vertical, false, s.Keyed, s.Frames, TRect{}};
  else if (s.Slicing == TElementSlicing::Strip) c.Primitive = P::Strip;
  return c;
}

}  // namespace paint_detail

namespace {

using paint_detail::TElementPart;

void Draw(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame, TElementPart part,
          const TRect& margins) {
  paint_detail::DrawElementCall(target, rect, element, frame, part, margins);
}

}  // namespace

void DrawElement(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(target, rect, element, frame, TElementPart::Whole, element.SliceMargins());
}

void DrawElementRing(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(target, rect, element, frame, TElementPart::Ring, element.SliceMargins());
}

void DrawElementRing(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame,
                     const TRect& margins) {
  Draw(target, rect, element, frame, TElementPart::Ring, margins);
}

void DrawElementFrame(TBitmap& target, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(target, rect, element, frame, TElementPart::Frame, TRect{});
}

}  // namespace pelorin
