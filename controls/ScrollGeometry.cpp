#include "controls/ScrollGeometry.h"

#include <algorithm>
#include <limits>

namespace pelorin {

namespace {
// Window coordinates stay far inside this; clamping keeps the sums below
// from overflowing whatever a caller passes.
constexpr int CoordLimit = 1 << 24;
int ClampCoord(int v) { return std::clamp(v, -CoordLimit, CoordLimit); }
}  // namespace

TBarRects ComputeBarRects(const TBarFrame& f) {
  TBarRects r;
  const TRect c{ClampCoord(f.Client.Left), ClampCoord(f.Client.Top), ClampCoord(f.Client.Right),
                ClampCoord(f.Client.Bottom)};
  const int s = std::clamp(f.BarSize, 0, CoordLimit);
  if (f.Horz) r.Horz = {c.Left, c.Bottom, c.Right, c.Bottom + s};
  if (f.Vert) r.Vert = f.LeftBar ? TRect{c.Left - s, c.Top, c.Left, c.Bottom} : TRect{c.Right, c.Top, c.Right + s, c.Bottom};
  if (f.Horz && f.Vert) r.SizeBox = {r.Vert.Left, r.Horz.Top, r.Vert.Right, r.Horz.Bottom};
  return r;
}

int PressedPartFor(bool vertical, int code) {
  switch (code) {
    case scLineUp: return vertical ? ppUpArrow : ppLeftArrow;
    case scLineDown: return vertical ? ppDownArrow : ppRightArrow;
    case scThumbTrack: return vertical ? ppVertThumb : ppHorzThumb;
    default: return ppNone;
  }
}

int ArrowFrame(bool vertical, bool second, int pressedPart) {
  const int part = vertical ? (second ? ppDownArrow : ppUpArrow) : (second ? ppRightArrow : ppLeftArrow);
  // Four frames per arrow: left, right, up, down; the pressed one follows.
  return (part - 1) * 4 + 1 + (pressedPart == part ? 1 : 0);
}

namespace {
// a * b / c rounded half away from zero; c != 0 and |a * b| < 2^63.
int64_t MulDivWide(int64_t a, int64_t b, int64_t c) {
  const int64_t p = a * b;
  const bool negative = (p < 0) != (c < 0);
  const uint64_t up = p < 0 ? uint64_t(0) - uint64_t(p) : uint64_t(p);
  const uint64_t uc = c < 0 ? uint64_t(0) - uint64_t(c) : uint64_t(c);
  const uint64_t q = (up + uc / 2) / uc;
  return negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
}
}  // namespace

int MulDiv64(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return -1;
  // Operands here stay below 2^32, so the product fits in 64 bits.
  const int64_t q = MulDivWide(a, b, c);
  return q < std::numeric_limits<int>::min() || q > std::numeric_limits<int>::max() ? -1 : static_cast<int>(q);
}

namespace {
int64_t RangeOf(const TScrollValues& v) { return int64_t(v.Max) - v.Min + 1; }
}  // namespace

bool ComputeThumb(int barLength, int arrowSize, int minThumb, int fixedThumb, const TScrollValues& v,
                  TBarMetrics& m) {
  const int64_t range = RangeOf(v);
  if (range <= 0) return false;
  const int track = std::max(barLength - 2 * arrowSize, 0);
  // The system keeps the page within the range; a larger one is a full page.
  const int64_t page = std::min<int64_t>(v.Page, range);
  int thumb = page != 0 ? std::max(MulDiv64(page, track, range), minThumb) : fixedThumb;
  thumb = std::min(std::max(thumb, 0), track);
  int offset = 0;
  if (page != range) {
    // Over the positions a scroll can reach, so the last one puts the
    // thumb at the track's end also without a page.
    const int top = MaxScrollPos(v);
    const int64_t span = int64_t(top) - v.Min;
    const int64_t pos = std::clamp<int64_t>(v.Pos, v.Min, top);
    if (span > 0) offset = std::clamp(MulDiv64(pos - v.Min, track - thumb, span), 0, track - thumb);
  } else {
    thumb = std::max(thumb - 1, 0);
  }
  m.ArrowSize = arrowSize;
  m.TrackLength = track;
  m.ThumbLength = thumb;
  m.ThumbOffset = offset;
  return true;
}

int HitTestBar(int pos, const TBarMetrics& m) {
  const int64_t a = m.ArrowSize, p = pos;
  if (p < a) return scLineUp;
  if (p < a + m.ThumbOffset) return scPageUp;
  if (p < a + m.ThumbOffset + m.ThumbLength) return scThumbTrack;
  if (p < a + m.TrackLength) return scPageDown;
  if (p < 2 * a + m.TrackLength) return scLineDown;
  return scNoPart;
}

int MaxScrollPos(const TScrollValues& v) {
  const int64_t top = int64_t(v.Max) - std::max<int64_t>(int64_t(v.Page) - 1, 0);
  return static_cast<int>(std::max<int64_t>(top, v.Min));
}

TThumbPlace DragThumb(int startOffset, int64_t delta, const TBarMetrics& m, const TScrollValues& v) {
  // The thumb stays inside its track, and its two ends stand for the first
  // and the last position: the inverse of ComputeThumb, so the thumb stays
  // under the mouse and a minimum-size thumb still reaches the end.
  const int64_t room = std::max(m.TrackLength - m.ThumbLength, 0);
  const int64_t offset = std::clamp<int64_t>(int64_t(startOffset) + delta, 0, room);
  const int top = MaxScrollPos(v);
  const int64_t span = int64_t(top) - v.Min;
  int64_t pos = v.Min;
  if (room > 0) pos += MulDivWide(offset, span, room);
  return {static_cast<int>(offset), static_cast<int>(std::clamp<int64_t>(pos, v.Min, top))};
}

}  // namespace pelorin
