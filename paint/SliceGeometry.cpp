// Slice geometry: which part of a frame goes where, in drawing order.
#include "paint/SliceGeometry.h"

#include <algorithm>
#include <cstdint>

namespace pelorin {

namespace {

// Cuts [s0, s1) to [f0, f1); a 1:1 axis moves the destination along.
bool ClipAxis(int& s0, int& s1, int& d0, int& d1, int f0, int f1, bool repeated) {
  if (s1 <= s0 || d1 <= d0) return false;
  const bool oneToOne = !repeated && int64_t(s1) - s0 == int64_t(d1) - d0;
  const int c0 = std::max(s0, f0);
  const int c1 = std::min(s1, f1);
  if (c1 <= c0) return false;
  if (oneToOne) {
    d0 += c0 - s0;
    d1 -= s1 - c1;
  }
  s0 = c0;
  s1 = c1;
  return true;
}

// Number of whole repetitions of `step` needed to cover `length` (both > 0).
int64_t Repetitions(int64_t length, int64_t step) { return (length + step - 1) / step; }

void Add(TSliceList& list, TSlicePiece piece, const TRect& frame) {
  if (ClipPieceToFrame(piece, frame)) list.push_back(piece);
}

// A rectangle given relative to the frame's top-left corner.
TRect At(const TRect& frame, int l, int t, int r, int b) {
  return {frame.Left + l, frame.Top + t, frame.Left + r, frame.Top + b};
}

void AddNinePieces(TSliceList& list, const TRect& frame, int dw, int dh, const TRect& margins, bool withCentre,
                   bool tile) {
  if (dw <= 0 || dh <= 0 || frame.IsEmpty()) return;
  const TRect m = EffectiveMargins(margins, dw, dh);
  const int L = m.Left, T = m.Top, R = m.Right, B = m.Bottom;
  const int fw = frame.Width(), fh = frame.Height();
  if (L > 0 && T > 0) Add(list, {At(frame, 0, 0, L, T), {0, 0, L, T}}, frame);
  if (L > 0 && B > 0) Add(list, {At(frame, 0, fh - B, L, fh), {0, dh - B, L, dh}}, frame);
  if (R > 0 && T > 0) Add(list, {At(frame, fw - R, 0, fw, T), {dw - R, 0, dw, T}}, frame);
  if (L > 0) Add(list, {At(frame, 0, T, L, fh - B), {0, T, L, dh - B}}, frame);
  if (T > 0) Add(list, {At(frame, L, 0, fw - R, T), {L, 0, dw - R, T}}, frame);
  if (withCentre) {
    TSlicePiece centre{At(frame, L, T, fw - R, fh - B), {L, T, dw - R, dh - B},
                       tile ? TPieceFill::Tile : TPieceFill::Stretch};
    if (ClipPieceToFrame(centre, frame)) {
      if (tile) {
        // Whole tiles from the centre's top-left; the last ones overhang.
        const int64_t tw = centre.Source.Width(), th = centre.Source.Height();
        centre.Dest.Right = int(centre.Dest.Left + Repetitions(centre.Dest.Width(), tw) * tw);
        centre.Dest.Bottom = int(centre.Dest.Top + Repetitions(centre.Dest.Height(), th) * th);
      }
      list.push_back(centre);
    }
  }
  if (R > 0 && B > 0) Add(list, {At(frame, fw - R, fh - B, fw, fh), {dw - R, dh - B, dw, dh}}, frame);
  if (R > 0) Add(list, {At(frame, fw - R, T, fw, fh - B), {dw - R, T, dw, dh - B}}, frame);
  if (B > 0) Add(list, {At(frame, L, fh - B, fw - R, fh), {L, dh - B, dw - R, dh}}, frame);
}

}  // namespace

TRect EffectiveMargins(const TRect& margins, int destWidth, int destHeight) {
  TRect m{std::max(0, margins.Left), std::max(0, margins.Top), std::max(0, margins.Right),
          std::max(0, margins.Bottom)};
  if (int64_t(m.Left) + m.Right > destWidth) m.Left = m.Right = 0;
  if (int64_t(m.Top) + m.Bottom > destHeight) m.Top = m.Bottom = 0;
  return m;
}

bool ClipPieceToFrame(TSlicePiece& piece, const TRect& frame) {
  const bool repeated = piece.Fill != TPieceFill::Stretch;
  TRect& s = piece.Source;
  TRect& d = piece.Dest;
  return ClipAxis(s.Left, s.Right, d.Left, d.Right, frame.Left, frame.Right, repeated) &&
         ClipAxis(s.Top, s.Bottom, d.Top, d.Bottom, frame.Top, frame.Bottom,
                  repeated && piece.Fill == TPieceFill::Tile);
}

TSliceList NineSlice(const TRect& frame, int destWidth, int destHeight, const TRect& margins, bool tile) {
  TSliceList list;
  list.reserve(9);
  AddNinePieces(list, frame, destWidth, destHeight, margins, true, tile);
  return list;
}

TSliceList BorderSlice(const TRect& frame, int destWidth, int destHeight, const TRect& margins) {
  TSliceList list;
  list.reserve(8);
  AddNinePieces(list, frame, destWidth, destHeight, margins, false, false);
  return list;
}

TSliceList ThreeSlice(const TRect& frame, int destWidth, int destHeight, int leftWidth, int rightWidth) {
  TSliceList list;
  if (destWidth <= 0 || destHeight <= 0 || frame.IsEmpty()) return list;
  // Parts wider than the destination show no more than the destination holds.
  const int L = std::clamp(leftWidth, 0, destWidth), R = std::clamp(rightWidth, 0, destWidth);
  const int fw = frame.Width(), fh = frame.Height();
  const int dw = destWidth, dh = destHeight;
  if (L > 0) Add(list, {At(frame, 0, 0, L, fh), {0, 0, L, dh}}, frame);
  const int64_t mw = int64_t(fw) - L - R;
  const int64_t span = int64_t(dw) - R - L;
  if (mw > 0 && span > 0) {
    TSlicePiece middle{At(frame, L, 0, L + int(mw), fh), {L, 0, 0, dh}, TPieceFill::RepeatX};
    middle.Dest.Right = int(L + Repetitions(span, mw) * mw);
    Add(list, middle, frame);
  }
  if (R > 0) Add(list, {At(frame, fw - R, 0, fw, fh), {dw - R, 0, dw, dh}}, frame);
  return list;
}

TSliceList SinglePiece(const TRect& source, const TRect& imageBounds, int destWidth, int destHeight) {
  TSliceList list;
  if (destWidth > 0 && destHeight > 0) Add(list, {source, {0, 0, destWidth, destHeight}}, imageBounds);
  return list;
}

}  // namespace pelorin
