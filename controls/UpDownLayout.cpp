#include "controls/UpDownLayout.h"

#include "controls/ArrowShapes.h"
#include "controls/ButtonFrames.h"

namespace pelorin {

std::array<TUpDownPart, 2> UpDownParts(TPoint size, const TUpDownFacts& f) {
  const TRect c{1, 1, size.X - 1, size.Y - 1};
  std::array<TUpDownPart, 2> parts;
  bool secondUnderCursor;
  if (f.Horizontal) {
    const int split = c.Left + c.Width() / 2;
    parts[0] = {{c.Left, c.Top, split, c.Bottom}, adLeft};
    parts[1] = {{split, c.Top, c.Right, c.Bottom}, adRight};
    secondUnderCursor = f.Cursor.X >= split;
  } else {
    const int split = c.Top + c.Height() / 2;
    parts[0] = {{c.Left, c.Top, c.Right, split}, adUp};
    parts[1] = {{c.Left, split, c.Right, c.Bottom}, adDown};
    secondUnderCursor = f.Cursor.Y >= split;
  }
  for (int i = 0; i < 2; ++i) {
    TUpDownPart& p = parts[static_cast<size_t>(i)];
    p.Frame = cfNormal;
    if ((i == 1) == secondUnderCursor) {
      if (f.Pressed) {
        p.Frame = cfPressed;
      } else if (f.Hot) {
        p.Frame = cfHot;
      }
    }
    if (!f.Enabled) p.Frame = cfDisabled;
  }
  return parts;
}

bool UpDownPartShaded(int frame) { return frame == cfPressed || frame == cfHot; }

TPoint UpDownArrowCentre(const TRect& part, int direction) {
  const bool vertical = direction == adUp || direction == adDown;
  return {part.Width() / 2 + part.Left, part.Height() / 2 + part.Top - (vertical ? 2 : 0)};
}

}  // namespace pelorin
