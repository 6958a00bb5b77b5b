// Painting primitives composed on TBitmap pixels, and their compositions.
#include "paint/SkinPaint.h"

#include <cstdint>
#include <cstring>

#include "paint/Composition.h"
#include "paint/FrameSelect.h"
#include "paint/PieceBlit.h"
#include "paint/SliceGeometry.h"

namespace pelorin {

namespace paint_detail {

bool Drawable(const TRect& destRect) { return !IsInvertedRect(destRect) && IsPaintableRect(destRect); }

TComposition NineSliceComposition(const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                                  bool transparent, int frameCount, int frameIndex, const TRect& margins) {
  const TRect frame = SelectFrame(source.Width(), source.Height(), vertical, frameCount, frameIndex);
  return {NineSlice(frame, destRect.Width(), destRect.Height(), margins, tile), transparent, {}};
}

TComposition StripComposition(const TRect& destRect, const TBitmap& source, bool vertical, bool transparent,
                              int frameCount, int frameIndex, const TRect& margins) {
  const TRect frame = SelectFrame(source.Width(), source.Height(), vertical, frameCount, frameIndex);
  return {ThreeSlice(frame, destRect.Width(), destRect.Height(), margins.Left, margins.Right), transparent, {}};
}

TComposition BorderComposition(const TRect& destRect, const TBitmap& source, bool vertical, int frameCount,
                               int frameIndex, const TRect& margins) {
  const int dw = destRect.Width(), dh = destRect.Height();
  const TRect frame = SelectFrame(source.Width(), source.Height(), vertical, frameCount, frameIndex);
  const TRect m = EffectiveMargins(margins, dw, dh);
  return {BorderSlice(frame, dw, dh, margins), false, {m.Left, m.Top, dw - m.Right, dh - m.Bottom}};
}

TComposition FrameComposition(const TRect& destRect, const TBitmap& source, bool transparent, int frameIndex) {
  const int dw = destRect.Width(), dh = destRect.Height();
  const TRect src = SelectFrameOfWidth(source.Width(), source.Height(), dw, frameIndex);
  return {SinglePiece(src, source.BoundsRect(), dw, dh), transparent, {}};
}

void ComposeVisible(TBitmap& scratch, const TRect& destRect, const TRect& visible, const TBitmap& source,
                    const TComposition& composition) {
  scratch.SetSize(visible.Width(), visible.Height());
  PaintPieces(scratch, destRect.Left - visible.Left, destRect.Top - visible.Top, scratch.BoundsRect(), source,
              composition.Pieces);
}

}  // namespace paint_detail

namespace {

using namespace paint_detail;

// Keyed drawing composes in this buffer first. It only grows, so painting
// allocates nothing once the largest piece has been seen; one paint at a time
// per thread uses it.
TBitmap& KeyedScratch(int width, int height) {
  static thread_local TBitmap scratch;
  GrowBitmap(scratch, width, height);
  return scratch;
}

// Pieces painted straight into target inside clip; what no piece covers is
// black, as in a freshly composed image.
void PaintDirect(TBitmap& target, const TRect& destRect, const TRect& clip, const TBitmap& source,
                 const TComposition& composition) {
  if (clip.IsEmpty()) return;
  target.FillRect(clip, clBlack);
  PaintPieces(target, destRect.Left, destRect.Top, clip, source, composition.Pieces);
}

// Composes what falls inside target and puts it there.
void Draw(TBitmap& target, const TRect& destRect, const TBitmap& source, const TComposition& composition) {
  const TRect visible = IntersectRect(destRect, target.BoundsRect());
  if (visible.IsEmpty()) return;
  if (composition.Keyed || &target == &source) {
    // Composed aside: keyed pixels must not be written, and a bitmap drawn
    // onto itself must be read before it changes.
    TBitmap& scratch = KeyedScratch(visible.Width(), visible.Height());
    const TRect area{0, 0, visible.Width(), visible.Height()};
    scratch.FillRect(area, clBlack);
    PaintPieces(scratch, destRect.Left - visible.Left, destRect.Top - visible.Top, area, source,
                composition.Pieces);
    if (composition.Keyed) {
      CopyPixelsKeyed(target, visible.Left, visible.Top, scratch, area, PixelFromColor(TransparentKeyColour));
      return;
    }
    const TRect hole = IntersectRect(composition.Hole.Offset(destRect.Left, destRect.Top), visible);
    if (hole.IsEmpty()) {
      CopyPixels(target, visible.Left, visible.Top, scratch, area);
      return;
    }
    auto copy = [&](const TRect& r) {
      if (!r.IsEmpty())
        CopyPixels(target, r.Left, r.Top, scratch, r.Offset(-visible.Left, -visible.Top));
    };
    copy({visible.Left, visible.Top, visible.Right, hole.Top});
    copy({visible.Left, hole.Bottom, visible.Right, visible.Bottom});
    copy({visible.Left, hole.Top, hole.Left, hole.Bottom});
    copy({hole.Right, hole.Top, visible.Right, hole.Bottom});
    return;
  }
  const TRect hole = IntersectRect(composition.Hole.Offset(destRect.Left, destRect.Top), visible);
  if (hole.IsEmpty()) {
    PaintDirect(target, destRect, visible, source, composition);
    return;
  }
  // A border leaves its centre alone: the ring is painted as four bands.
  PaintDirect(target, destRect, {visible.Left, visible.Top, visible.Right, hole.Top}, source, composition);
  PaintDirect(target, destRect, {visible.Left, hole.Bottom, visible.Right, visible.Bottom}, source, composition);
  PaintDirect(target, destRect, {visible.Left, hole.Top, hole.Left, hole.Bottom}, source, composition);
  PaintDirect(target, destRect, {hole.Right, hole.Top, visible.Right, hole.Bottom}, source, composition);
}

}  // namespace

void TileBitmap(TBitmap& target, const TRect& destRect, const TBitmap& source, const TRect& sourceRect) {
  if (!Drawable(destRect) || sourceRect.IsEmpty()) return;
  TSlicePiece piece{sourceRect, {0, 0, destRect.Width(), destRect.Height()}, TPieceFill::Tile};
  if (!ClipPieceToFrame(piece, source.BoundsRect())) return;
  // Whole tiles: round the covered area up to full repetitions.
  const int64_t tw = piece.Source.Width(), th = piece.Source.Height();
  piece.Dest.Right = int((piece.Dest.Right + tw - 1) / tw * tw);
  piece.Dest.Bottom = int((piece.Dest.Bottom + th - 1) / th * th);
  PaintPiece(target, destRect.Left, destRect.Top, target.BoundsRect(), source, piece);
}

TBitmap BuildSkinBitmap(const TRect& destRect, const TBitmap& source, const TRect& margins, bool vertical,
                        bool tile, int frameCount, int frameIndex) {
  TBitmap result;
  if (!Drawable(destRect) || destRect.IsEmpty()) return result;
  result.SetSize(destRect.Width(), destRect.Height());
  const TComposition c =
      NineSliceComposition(destRect, source, vertical, tile, false, frameCount, frameIndex, margins);
  PaintPieces(result, 0, 0, result.BoundsRect(), source, c.Pieces);
  return result;
}

void DrawSkinImage(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(target, destRect, source,
       NineSliceComposition(destRect, source, vertical, tile, transparent, frameCount, frameIndex, margins));
}

void DrawSkinStrip(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(target, destRect, source,
       StripComposition(destRect, source, vertical, transparent, frameCount, frameIndex, margins));
}

void DrawSkinBorder(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical,
                    int frameCount, int frameIndex, const TRect& margins) {
  if (!Drawable(destRect)) return;
  Draw(target, destRect, source, BorderComposition(destRect, source, vertical, frameCount, frameIndex, margins));
}

void DrawSkinFrame(TBitmap& target, const TRect& destRect, const TBitmap& source, bool transparent,
                   int frameIndex) {
  if (!Drawable(destRect)) return;
  Draw(target, destRect, source, FrameComposition(destRect, source, transparent, frameIndex));
}

void DrawTransparent(TBitmap& target, const TRect& destRect, const TBitmap& source, TColor keyColour) {
  if (!Drawable(destRect)) return;
  CopyPixelsKeyed(target, destRect.Left, destRect.Top, source, {0, 0, destRect.Width(), destRect.Height()},
                  PixelFromColor(ColorToRGB(keyColour)));
}

void GrowBitmap(TBitmap& b, int width, int height) {
  if (b.Width() < width || b.Height() < height) b.SetSize(Max(b.Width(), width), Max(b.Height(), height));
}

TBitmap& SharedPaintBuffer() {
  static TBitmap buffer;
  return buffer;
}

}  // namespace pelorin
