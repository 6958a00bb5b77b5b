// Painting primitives on TBitmap targets: nine-slice, three-slice, border and
// single-frame drawing, tiling and the transparency-key copy. Each composes
// the visible part of the destination in a scratch bitmap and then puts it on
// the target in one opaque or keyed copy, as the device-context variants in
// paint/win do, so both give the same pixels.
//
// Arguments follow one convention: DestRect in target coordinates, the skin
// image, its frame layout (Vertical = frames stacked), FrameCount and the
// 1-based FrameIndex, and Margins as widths (Left, Top, Right, Bottom). An
// inverted DestRect draws nothing, as do destinations beyond MaxPaintCoord.
#pragma once

#include "host/core/Bitmap.h"
#include "paint/PaintTypes.h"

namespace pelorin {

// Repeats SourceRect of Source over DestRect of Target, whole tiles from
// DestRect's top-left; the last column and row of tiles are not cut at
// DestRect (they may paint past its right and bottom edges, within Target).
// An empty or inverted SourceRect draws nothing.
void TileBitmap(TBitmap& target, const TRect& destRect, const TBitmap& source, const TRect& sourceRect);

// A new bitmap of DestRect's size holding the chosen frame nine-sliced (an
// empty bitmap for an empty or inverted DestRect). Parts of the result that no
// piece covers (a frame smaller than its margins) stay black. Raises
// EOutOfResources for a size no bitmap can have.
TBitmap BuildSkinBitmap(const TRect& destRect, const TBitmap& source, const TRect& margins, bool vertical,
                        bool tile, int frameCount, int frameIndex);

// BuildSkinBitmap's image put at DestRect of Target, opaque or without its
// key-coloured pixels.
void DrawSkinImage(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical, bool tile,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins);

// The chosen frame as left part, middle repeated at its natural width and
// right part, each stretched to DestRect's height (Margins.Left and
// Margins.Right only). When the frame has no middle columns, the gap between
// the parts stays black.
void DrawSkinStrip(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical,
                   bool transparent, int frameCount, int frameIndex, const TRect& margins);

// Only the four corners and four edges of the chosen frame; the centre of
// DestRect keeps what Target holds. The border ring is written whole (black
// where a frame smaller than its margins has nothing for it).
void DrawSkinBorder(TBitmap& target, const TRect& destRect, const TBitmap& source, bool vertical,
                    int frameCount, int frameIndex, const TRect& margins);

// Frame FrameIndex of a horizontal strip whose frames are exactly DestRect's
// width, stretched to DestRect's height (an index past the last frame takes
// the last; columns the image does not have stay black).
void DrawSkinFrame(TBitmap& target, const TRect& destRect, const TBitmap& source, bool transparent,
                   int frameIndex);

// Source's top-left DestRect-sized area copied to DestRect, leaving out
// pixels of KeyColour.
void DrawTransparent(TBitmap& target, const TRect& destRect, const TBitmap& source, TColor keyColour);

// Makes b at least width x height, never smaller: a reused buffer then
// allocates nothing once the largest size has been seen.
void GrowBitmap(TBitmap& b, int width, int height);

// The shared off-screen buffer of the menu bar and the control skinners. It
// lives from first use to the end of the program; one paint at a time uses it.
TBitmap& SharedPaintBuffer();
}  // namespace pelorin
