// Pixel loops behind the painters: one slice piece into a bitmap (1:1,
// stretched or repeated), plain and keyed rectangle copies.
//
// Stretching rule (nearest neighbour, the COLORONCOLOR look): destination
// pixel i of a run of dstLen pixels drawn from srcLen source pixels takes
// source pixel floor((2i + 1) * srcLen / (2 * dstLen)), the one under the
// centre of the destination pixel; columns and rows alike. Equal lengths copy
// 1:1, an integer enlargement by k repeats every pixel k times, an integer
// reduction by k keeps pixel k*i + k/2. The index tables are built once per
// piece by adding a fixed step (no division per pixel).
#pragma once

#include <cstdint>
#include <vector>

#include "host/core/Bitmap.h"
#include "paint/SliceGeometry.h"

namespace pelorin {

// The rule above for one index (tests and documentation; painters use tables).
int SampleIndex(int i, int srcLen, int dstLen);

// Source indexes for destination pixels first .. first + count - 1 of a
// dstLen run drawn from srcLen pixels starting at srcStart.
void BuildSampleTable(std::vector<int>& table, int srcStart, int srcLen, int dstLen, int first, int count);

// Paints piece.Dest moved by (originX, originY) into target, writing only
// inside clip (target coordinates). Source rectangles outside the source
// bitmap are cut to it first, so nothing is ever read outside it.
void PaintPiece(TBitmap& target, int originX, int originY, const TRect& clip, const TBitmap& source,
                const TSlicePiece& piece);
void PaintPieces(TBitmap& target, int originX, int originY, const TRect& clip, const TBitmap& source,
                 const TSliceList& pieces);

// Copies sourceRect of source to (x, y) of target, cut to both bitmaps.
void CopyPixels(TBitmap& target, int x, int y, const TBitmap& source, const TRect& sourceRect);
// The same, leaving out source pixels whose RGB equals keyPixel (0x00RRGGBB).
void CopyPixelsKeyed(TBitmap& target, int x, int y, const TBitmap& source, const TRect& sourceRect,
                     uint32_t keyPixel);

}  // namespace pelorin
