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
  using P = paint_detail::TElementCall::TPrimitive;
  const auto c = paint_detail::ElementCall(element, part, margins);
  const TBitmap& image = element.Bitmap;
  switch (c.Primitive) {
    case P::Image: DrawSkinImage(dc, rect, image, c.Vertical, c.Tile, c.Keyed, c.Frames, frame, c.Margins); break;
    case P::Strip: DrawSkinStrip(dc, rect, image, c.Vertical, c.Keyed, c.Frames, frame, c.Margins); break;
    case P::Border: DrawSkinBorder(dc, rect, image, c.Vertical, c.Frames, frame, c.Margins); break;
    case P::None: break;
  }
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
