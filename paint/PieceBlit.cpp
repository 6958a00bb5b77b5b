// Nearest-neighbour stretching, tiling and keyed copies on TBitmap pixels.
#include "paint/PieceBlit.h"

#include <algorithm>
#include <cstring>

namespace pelorin {

namespace {

// Steps through floor((2i + 1) * srcLen / (2 * dstLen)) for i = first, first + 1 ...
class TSampleStepper {
public:
  TSampleStepper(int srcLen, int dstLen, int first) : den_(2 * int64_t(dstLen)) {
    const int64_t num = (2 * int64_t(first) + 1) * srcLen;
    index_ = num / den_;
    rem_ = num % den_;
    const int64_t step = 2 * int64_t(srcLen);
    stepQ_ = step / den_;
    stepR_ = step % den_;
  }
  int Index() const { return int(index_); }
  void Next() {
    index_ += stepQ_;
    rem_ += stepR_;
    if (rem_ >= den_) {
      rem_ -= den_;
      ++index_;
    }
  }

private:
  int64_t den_, index_, rem_, stepQ_, stepR_;
};

// Row of a periodic fill: dst[0 .. count) gets src[(phase + k) mod period].
void FillPeriodicRow(uint32_t* dst, const uint32_t* src, int period, int phase, int count) {
  const int first = std::min(period - phase, count);
  std::memcpy(dst, src + phase, size_t(first) * 4);
  if (first == count) return;
  uint32_t* run = dst + first;  // starts on a period boundary
  const int rest = count - first;
  int have = std::min(period, rest);
  std::memcpy(run, src, size_t(have) * 4);
  // Double the already periodic run until the row is full.
  while (have < rest) {
    const int n = std::min(have, rest - have);
    std::memcpy(run + have, run, size_t(n) * 4);
    have += n;
  }
}

int PositiveMod(int64_t a, int m) {
  const int64_t r = a % m;
  return int(r < 0 ? r + m : r);
}

std::vector<int>& ColumnTable() {
  // Reused between calls: painting happens on one thread, and a table per
  // piece would otherwise be allocated on every paint.
  static thread_local std::vector<int> table;
  return table;
}

}  // namespace

int SampleIndex(int i, int srcLen, int dstLen) {
  if (srcLen <= 0 || dstLen <= 0) return 0;
  return int((2 * int64_t(i) + 1) * srcLen / (2 * int64_t(dstLen)));
}

void BuildSampleTable(std::vector<int>& table, int srcStart, int srcLen, int dstLen, int first, int count) {
  table.resize(size_t(std::max(0, count)));
  if (count <= 0 || srcLen <= 0 || dstLen <= 0) return;
  TSampleStepper step(srcLen, dstLen, first);
  for (int k = 0; k < count; ++k, step.Next()) table[size_t(k)] = srcStart + step.Index();
}

void PaintPiece(TBitmap& target, int originX, int originY, const TRect& clip, const TBitmap& source,
                const TSlicePiece& original) {
  TSlicePiece piece = original;
  if (!ClipPieceToFrame(piece, source.BoundsRect())) return;
  const TRect dest = piece.Dest.Offset(originX, originY);
  const TRect vis = IntersectRect(IntersectRect(dest, clip), target.BoundsRect());
  if (vis.IsEmpty()) return;

  const TRect& s = piece.Source;
  const int sw = s.Width(), sh = s.Height();
  const int dw = dest.Width(), dh = dest.Height();
  const int count = vis.Width();
  const int firstCol = vis.Left - dest.Left;
  const bool tileX = piece.Fill != TPieceFill::Stretch;
  const bool tileY = piece.Fill == TPieceFill::Tile;
  const bool copyX = !tileX && sw == dw;

  std::vector<int>& table = ColumnTable();
  if (!tileX && !copyX) BuildSampleTable(table, s.Left, sw, dw, firstCol, count);
  const int phaseX = tileX ? PositiveMod(firstCol, sw) : 0;

  const int firstRow = vis.Top - dest.Top;
  TSampleStepper rows(sh, dh, firstRow);
  int phaseY = tileY ? PositiveMod(firstRow, sh) : 0;
  int lastSourceRow = -1;
  for (int y = vis.Top; y < vis.Bottom; ++y) {
    const int sy = tileY ? s.Top + phaseY : s.Top + rows.Index();
    uint32_t* out = target.ScanLine(y) + vis.Left;
    if (sy == lastSourceRow) {
      std::memcpy(out, target.ScanLine(y - 1) + vis.Left, size_t(count) * 4);
    } else if (tileY && y - sh >= vis.Top) {
      std::memcpy(out, target.ScanLine(y - sh) + vis.Left, size_t(count) * 4);
    } else {
      const uint32_t* in = source.ScanLine(sy);
      if (tileX) {
        FillPeriodicRow(out, in + s.Left, sw, phaseX, count);
      } else if (copyX) {
        std::memcpy(out, in + s.Left + firstCol, size_t(count) * 4);
      } else {
        const int* idx = table.data();
        for (int k = 0; k < count; ++k) out[k] = in[idx[k]];
      }
    }
    lastSourceRow = sy;
    if (tileY) {
      if (++phaseY == sh) phaseY = 0;
    } else {
      rows.Next();
    }
  }
}

void PaintPieces(TBitmap& target, int originX, int originY, const TRect& clip, const TBitmap& source,
                 const TSliceList& pieces) {
  for (const TSlicePiece& piece : pieces) PaintPiece(target, originX, originY, clip, source, piece);
}

namespace {

// The part of sourceRect that lands inside both bitmaps when copied to (x, y).
bool ClipCopy(const TBitmap& target, int& x, int& y, const TBitmap& source, TRect& src) {
  TRect s = IntersectRect(src, source.BoundsRect());
  if (s.IsEmpty()) return false;
  x += s.Left - src.Left;
  y += s.Top - src.Top;
  const TRect d = IntersectRect(Bounds(x, y, s.Width(), s.Height()), target.BoundsRect());
  if (d.IsEmpty()) return false;
  s = {s.Left + (d.Left - x), s.Top + (d.Top - y), s.Left + (d.Right - x), s.Top + (d.Bottom - y)};
  x = d.Left;
  y = d.Top;
  src = s;
  return true;
}

}  // namespace

void CopyPixels(TBitmap& target, int x, int y, const TBitmap& source, const TRect& sourceRect) {
  TRect s = sourceRect;
  if (!ClipCopy(target, x, y, source, s)) return;
  for (int row = 0; row < s.Height(); ++row)
    std::memmove(target.ScanLine(y + row) + x, source.ScanLine(s.Top + row) + s.Left, size_t(s.Width()) * 4);
}

void CopyPixelsKeyed(TBitmap& target, int x, int y, const TBitmap& source, const TRect& sourceRect,
                     uint32_t keyPixel) {
  TRect s = sourceRect;
  if (!ClipCopy(target, x, y, source, s)) return;
  const uint32_t key = keyPixel & 0xFFFFFFu;
  for (int row = 0; row < s.Height(); ++row) {
    const uint32_t* in = source.ScanLine(s.Top + row) + s.Left;
    uint32_t* out = target.ScanLine(y + row) + x;
    for (int k = 0; k < s.Width(); ++k)
      if ((in[k] & 0xFFFFFFu) != key) out[k] = in[k];
  }
}

}  // namespace pelorin
