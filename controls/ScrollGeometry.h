// Scroll bar geometry: where a window's bars lie, how long the thumb is and
// where, which part a point hits, and which position a thumb dragged by the
// mouse stands for. Positions are 32-bit; the arithmetic runs in 64 bits.
#pragma once

#include <cstdint>

#include "host/core/Geometry.h"

namespace pelorin {

// Scroll codes of the scroll messages and the hit test.
enum TScrollCode : int {
  scLineUp = 0, scLineDown = 1, scPageUp = 2, scPageDown = 3, scThumbPosition = 4, scThumbTrack = 5,
  scEndScroll = 8, scNoPart = -1
};

// The part shown pressed: 0 none, arrows 1 left, 2 right, 3 up, 4 down,
// thumbs 5 horizontal, 6 vertical.
enum TPressedPart : int {
  ppNone = 0, ppLeftArrow = 1, ppRightArrow = 2, ppUpArrow = 3, ppDownArrow = 4, ppHorzThumb = 5, ppVertThumb = 6
};

// What the control reports of one bar.
struct TScrollValues {
  int Min = 0;
  int Max = 0;
  unsigned Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// Lengths along one bar, in pixels.
struct TBarMetrics {
  int ArrowSize = 0;
  int TrackLength = 0;
  int ThumbLength = 0;
  int ThumbOffset = 0;  // from the end of the first arrow to the thumb's start
  friend bool operator==(const TBarMetrics&, const TBarMetrics&) = default;
};

// What the window tells of its frame, in window coordinates (origin at the
// window's top-left; for a right-to-left window the mirrored coordinates
// that its window DC uses).
struct TBarFrame {
  TRect Client;  // the client area
  bool Horz = false;
  bool Vert = false;
  bool LeftBar = false;  // the vertical bar is left of the client area
  int BarSize = 0;       // the system's bar thickness
};

struct TBarRects {
  TRect Horz;
  TRect Vert;
  TRect SizeBox;  // between the two bars, only when both are shown
};

// The bars lie along the client area, outside it.
TBarRects ComputeBarRects(const TBarFrame& frame);

// The part a scroll code presses, for the horizontal or the vertical bar.
int PressedPartFor(bool vertical, int code);
// Frame (1-based, of the 23-frame arrow strip) of the first or second arrow.
int ArrowFrame(bool vertical, bool second, int pressedPart);

// Thumb metrics of a bar length along the bar with arrows of arrowSize;
// minThumb the smallest proportional thumb, fixedThumb the thumb of a bar
// without a page. False (metrics untouched) for an empty range.
bool ComputeThumb(int barLength, int arrowSize, int minThumb, int fixedThumb, const TScrollValues& values,
                  TBarMetrics& metrics);

// The scroll code of the part at pos (pixels from the bar's start), or scNoPart.
int HitTestBar(int pos, const TBarMetrics& metrics);

// The highest position a drag or scroll can reach: the last page's first one.
int MaxScrollPos(const TScrollValues& values);

struct TThumbPlace {
  int Offset = 0;
  int Pos = 0;
};
// The thumb moved by delta pixels from startOffset: its offset inside the
// track and the position it stands for, within [Min, MaxScrollPos].
TThumbPlace DragThumb(int startOffset, int64_t delta, const TBarMetrics& metrics, const TScrollValues& values);

// a * b / c rounded half away from zero, as the system's MulDiv; -1 when c
// is zero or the result does not fit.
int MulDiv64(int64_t a, int64_t b, int64_t c);

}  // namespace pelorin
