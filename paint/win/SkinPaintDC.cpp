// Device-context variants of the painting primitives.
#include "paint/win/SkinPaintDC.h"

#include "paint/Composition.h"
#include "paint/win/DibBlit.h"
#include "host/win/Graphics.h"
#include "paint/win/GdiHandles.h"

namespace pelorin {

namespace {

using namespace paint_detail;

// The part of destRect the DC can show (its clip box), empty when none.
TRect VisiblePart(HDC dc, const TRect& destRect) {
  RECT box;
  const int kind = GetClipBox(dc, &box);
  if (kind == ERROR || kind == NULLREGION) return {};
  return IntersectRect(destRect, {box.left, box.top, box.right, box.bottom});
}

void Draw(HDC dc, const TRect& destRect, const TBitmap& source, const TComposition& composition) {
  if (!dc) return;
  const TRect visible = VisiblePart(dc, destRect);
  if (visible.IsEmpty()) return;
  TBitmap scratch;
  ComposeVisible(scratch, destRect, visible, source, composition);
  if (composition.Keyed) {
    BlitKeyed(dc, visible.Left, visible.Top, scratch, scratch.BoundsRect(), TransparentKeyColour);
  } else if (!composition.Hole.IsEmpty()) {
    const TRect hole = composition.Hole.Offset(destRect.Left, destRect.Top);
    TDCStateGuard saved(dc);
    ExcludeClipRect(dc, hole.Left, hole.Top, hole.Right, hole.Bottom);
    BlitOpaque(dc, visible.Left, visible.Top, scratch);
  } else {
    BlitOpaque(dc, visible.Left, visible.Top, scratch);
  }
}

}  // namespace

void TileBitmap(HDC dc, const TRect& destRect, const TBitmap& source, const TRect& sourceRect) {
  if (!dc || !Drawable(destRect)) return;
  const TRect visible = VisiblePart(dc, destRect);
  if (visible.IsEmpty()) return;
  TBitmap scratch(visible.Width(), visible.Height());
  TileBitmap(scratch, destRect.Offset(-visible.Left, -visible.Top), source, sourceRect);
  BlitOpaque(dc, visible.Left, visible.Top, scratch);
}

void DrawSkinImage(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(dc, destRect, source,
       NineSliceComposition(destRect, source, vertical, tile, transparent, frameCount, frameIndex, margins));
}

void DrawSkinStrip(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, bool transparent,
                   int frameCount, int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(dc, destRect, source,
       StripComposition(destRect, source, vertical, transparent, frameCount, frameIndex, margins));
}

void DrawSkinBorder(HDC dc, const TRect& destRect, const TBitmap& source, bool vertical, int frameCount,
                    int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(dc, destRect, source, BorderComposition(destRect, source, vertical, frameCount, frameIndex, margins));
}

void DrawSkinFrame(HDC dc, const TRect& destRect, const TBitmap& source, bool transparent, int frameIndex) {
  if (!Drawable(destRect)) return;
  Draw(dc, destRect, source, FrameComposition(destRect, source, transparent, frameIndex));
}

void DrawTransparent(HDC dc, const TRect& destRect, const TBitmap& source, TColor keyColour) {
  if (!dc || !Drawable(destRect)) return;
  BlitKeyed(dc, destRect.Left, destRect.Top, source, {0, 0, destRect.Width(), destRect.Height()}, keyColour);
}

}  // namespace pelorin
