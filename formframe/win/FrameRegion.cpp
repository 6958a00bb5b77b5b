// The window region of a skinned frame: the borders' key-coloured pixels are
// left out, so rounded or irregular corners show the desktop.
#include <windows.h>

#include "formframe/FrameCompose.h"
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
  for (int i = bdLeft; i <= bdBottom; ++i) shaped = shaped || skin_->Borders[i]->Style.KeyedRegion;
  TGdiRegion shape;
  if (!shaped) {
    shape = RectRegion(0, 0, w, h);
  } else {
    regionSize_ = {w, h};
    // Only the part rectangles matter here: no caption, no buttons.
    TFrameQuery query;
    query.Window = {w, h};
    query.Facts = facts_;
    query.Metrics = metrics_;
    const TFrameLayout layout = LayOutFrame(*skin_, query);
    const auto whole = [](const TRect& r) { return RectRegion(r.Left, r.Top, r.Right, r.Bottom); };
    shape = whole(Rect(layout.Left.Right, layout.Title.Bottom, layout.Right.Left, layout.Bottom.Top));
    if (facts_.Kind != frPopup) {
      // A keyed part at least two pixels deep becomes its opaque pixels.
      const auto part = [&](TFramePart p, const TRect& r, int depth) {
        if (!skin_->Borders[p]->Style.KeyedRegion || depth < 2 || r.IsEmpty()) return whole(r);
        TBitmap bitmap(r.Width(), r.Height());
        DrawBorderPart(bitmap, bitmap.BoundsRect(), *skin_, p, facts_.Active);
        return CreateRegionFromBitmap(bitmap, r.Left, r.Top, 1, 1, 1, TransparentKeyColour);
      };
      TGdiRegion left = part(fpLeft, layout.Left, layout.Left.Height());
      TGdiRegion right = part(fpRight, layout.Right, layout.Right.Height());
      TGdiRegion bottom = part(fpBottom, layout.Bottom, layout.Bottom.Height());
      // The title image alone decides the top's shape: the text and buttons
      // on it are drawn over opaque pixels.
      TGdiRegion top = part(fpTop, layout.Title, layout.Title.Height());
      // A title without one opaque pixel would leave nothing to move the
      // window by and its buttons on thin air: it keeps its rectangle.
      RECT box;
      if (GetRgnBox(top.Get(), &box) == NULLREGION) top = whole(layout.Title);
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
