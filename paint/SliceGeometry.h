// The source and destination rectangles of nine-slice, three-slice, border
// and single-frame drawing, as pure functions shared by the painters and tests.
#pragma once

#include <vector>

#include "host/core/Geometry.h"

namespace pelorin {

enum class TPieceFill {
  Stretch,  // Source scaled to Dest (nearest neighbour; 1:1 when sizes agree)
  Tile,     // Source repeated at its natural size in both directions
  RepeatX,  // Source repeated at its natural width, scaled to Dest's height
};

// One copy operation. Source is in the source bitmap's coordinates and lies
// inside the frame; Dest is relative to the destination's top-left corner. A
// repeated piece's Dest covers whole repetitions, so it may reach past the
// nominal area (that overhang is what later pieces paint over); painters clip
// Dest to their target.
struct TSlicePiece {
  TRect Source;
  TRect Dest;
  TPieceFill Fill = TPieceFill::Stretch;
  friend bool operator==(const TSlicePiece&, const TSlicePiece&) = default;
};
using TSliceList = std::vector<TSlicePiece>;

// Margins after the small-destination rule: negative margins count as 0, and
// when Left + Right exceed the destination width both become 0 (the same for
// Top + Bottom and the height).
TRect EffectiveMargins(const TRect& margins, int destWidth, int destHeight);

// Nine-slice of the frame (in source coordinates) onto a destWidth x
// destHeight destination, in drawing order: top-left, bottom-left, top-right
// corners, left edge, top edge, centre (tiled or stretched), bottom-right
// corner, right edge, bottom edge. The last three come after the centre so
// that they cover a tiled centre's overhang. Edges are stretched along their
// length; corners are 1:1 when the margins fit.
TSliceList NineSlice(const TRect& frame, int destWidth, int destHeight, const TRect& margins, bool tile);

// The eight border pieces of NineSlice in the same order, without the centre.
TSliceList BorderSlice(const TRect& frame, int destWidth, int destHeight, const TRect& margins);

// Three-slice along x: the left part (frame width leftWidth), the middle
// repeated at its natural width, the right part last; all stretched to
// destHeight. No middle when the frame has no columns between the parts.
TSliceList ThreeSlice(const TRect& frame, int destWidth, int destHeight, int leftWidth, int rightWidth);

// A nominal source rectangle stretched over the whole destination.
TSliceList SinglePiece(const TRect& source, const TRect& imageBounds, int destWidth, int destHeight);

// Cuts a piece's Source to the frame, axis by axis: an axis copied 1:1 keeps
// its 1:1 mapping (Dest shrinks with Source); a scaled axis scales the part of
// Source that exists over the whole Dest. Returns false when nothing is left
// (an empty, inverted or outside source, or an empty destination).
bool ClipPieceToFrame(TSlicePiece& piece, const TRect& frame);

}  // namespace pelorin
