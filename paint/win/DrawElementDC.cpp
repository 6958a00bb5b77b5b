// Element drawing on device contexts, through the same choice of primitive
// as the TBitmap calls.
#include "paint/win/DrawElementDC.h"

#include "paint/ElementDispatch.h"
#include "paint/win/SkinPaintDC.h"

namespace pelorin {

namespace {

using paint_detail::TElementPart;

void Draw(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame, TElementPart part,
          const TRect& margins) {
  paint_detail::DrawElementCall(dc, rect, element, frame, part, margins);
}

}  // namespace

void DrawElement(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(dc, rect, element, frame, TElementPart::Whole, element.SliceMargins());
}

void DrawElementRing(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(dc, rect, element, frame, TElementPart::Ring, element.SliceMargins());
}

void DrawElementRing(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame, const TRect& margins) {
  Draw(dc, rect, element, frame, TElementPart::Ring, margins);
}

void DrawElementFrame(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame) {
  Draw(dc, rect, element, frame, TElementPart::Frame, TRect{});
}

}  // namespace pelorin
