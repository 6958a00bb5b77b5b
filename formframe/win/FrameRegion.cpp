// The window region of a skinned frame: the borders' key-coloured pixels are
// left out, so rounded or irregular corners show the desktop.
#include <windows.h>

#include "formframe/WinSkinForm.h"
#include "paint/PaintTypes.h"
#include "paint/win/BitmapRegion.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
TGdiRegion RectRegion(int left, int top, int right, int bottom) {
  TGdiRegion r(CreateRectRgn(left, top, right, bottom));
  if (!r) throw EOutOfResources("Cannot create a window region");
  return r;
}
void Merge(TGdiRegion& into, const TGdiRegion& other) { CombineRgn(into.Get(), into.Get(), other.Get(), RGN_OR); }
}  // namespace

void TWinSkinForm::BuildRegion() {
  if (!wnd_ || !skin_ || skin_->Empty) return;
  RECT wr;
  GetWindowRect(wnd_, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (int64_t(w) * h <= 0) return;
  if (mdiRole_ == mrChild && facts_.State != nwNormal) return;
  if (regionSet_ && w == regionSize_.cx && h == regionSize_.cy && mdiRole_ != mrChild && stage_ != stReskin) return;

  bool shaped = false;
  for (int i = bdLeft; i <= bdBottom; ++i) shaped = shaped || skin_->Borders[i]->Trans != 0;
  const TFrameMetrics& m = metrics_;
  TGdiRegion shape;
  if (!shaped) {
    shape = RectRegion(0, 0, w, h);
  } else {
    regionSize_ = {w, h};
    shape = RectRegion(m.Left, m.Top, w - m.Right, h - m.Bottom);
    if (facts_.Kind != frPopup) {
      const auto keyed = [&](int index) { return skin_->Borders[index]->Trans == 1; };
      const auto piece = [&](TFramePart part, int pw, int ph, int x, int y) {
        TBitmap bitmap(pw, ph);
        DrawFramePart(part, bitmap.BoundsRect(), bitmap);
        return CreateRegionFromBitmap(bitmap, x, y, 1, 1, 1, TransparentKeyColour);
      };
      const int middle = w - m.Left - m.Right;
      TGdiRegion left = keyed(bdLeft) && h >= 2 && m.Left > 0 ? piece(fpLeft, m.Left, h, 0, 0)
                                                              : RectRegion(0, 0, m.Left, h);
      TGdiRegion right = keyed(bdRight) && h >= 2 && m.Right > 0 ? piece(fpRight, m.Right, h, w - m.Right, 0)
                                                                 : RectRegion(w - m.Right, 0, w, h);
      TGdiRegion bottom = keyed(bdBottom) && m.Bottom >= 2 && middle > 0
                              ? piece(fpBottom, middle, m.Bottom, m.Left, h - m.Bottom)
                              : RectRegion(m.Left, h - m.Bottom, w - m.Right, h);
      // The title image alone decides the top's shape: the text and buttons
      // on it are drawn over opaque pixels.
      TGdiRegion top = keyed(bdTop) && m.Top >= 2 && middle > 0 ? piece(fpTop, middle, m.Top, m.Left, 0)
                                                                : RectRegion(m.Left, 0, w - m.Right, m.Top);
      // A title without one opaque pixel would leave nothing to move the
      // window by and its buttons on thin air: it keeps its rectangle.
      RECT box;
      if (GetRgnBox(top.Get(), &box) == NULLREGION) top = RectRegion(m.Left, 0, w - m.Right, m.Top);
      Merge(left, right);
      Merge(top, bottom);
      Merge(top, left);
      Merge(shape, top);
    }
  }
  // The window system owns the region from here on.
  if (SetWindowRgn(wnd_, shape.Get(), TRUE)) shape.Release();
  regionSet_ = true;
  ++regionBuilds_;
}

void TWinSkinForm::RemoveRegion() {
  if (!regionSet_) return;
  titleCache_.Clear();
  SetWindowRgn(wnd_, nullptr, FALSE);
  regionSet_ = false;
}

}  // namespace pelorin
