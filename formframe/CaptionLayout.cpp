// Caption text placement inside the title bar.
#include "formframe/CaptionLayout.h"

#include <algorithm>
#include <cstdlib>

#include "skinmodel/SkinRecords.h"

namespace pelorin {

TCaptionPlace PlaceCaption(const TRect& r, TSize textSize, const TDataSkinTitle& title) {
  const int shift = title.Margins.Left, shiftVert = title.Margins.Top, rightClip = title.Margins.Right;
  const int backLeft = title.TextBackLeft, backRight = title.TextBackRight;
  TRect t = Bounds(r.Left, r.Top, std::max(0, textSize.cx), std::max(0, textSize.cy));
  t.Right += backLeft + backRight;

  int dx = 0;
  switch (title.TextAlignment) {
    case 1: dx = (r.Width() - t.Width()) / 2; break;
    // Skins give right-aligned captions their room on the right as a
    // negative TextRightClip.
    case 2: dx = r.Width() + rightClip - t.Width(); break;
    default: dx = shift; break;
  }
  const int dy = (r.Height() - t.Height()) / 2 + shiftVert / 2;
  t = t.Offset(dx, dy);
  // A text wider than the room starts at the title's left edge, so it does
  // not run over the left border, and is cut at the clip line. The clip line
  // keeps the room of either sign: a negative TextRightClip would otherwise
  // put it past the title, over the border or off the window.
  if (t.Left < r.Left) t = t.Offset(r.Left - t.Left, 0);
  t.Right = std::min(t.Right, r.Right - std::abs(rightClip));
  t.Right = std::max(t.Right, t.Left);

  TCaptionPlace place;
  place.Text = t;
  place.Back = Rect(t.Left, r.Top, t.Right, r.Bottom);
  place.Draw = Rect(t.Left + backLeft, t.Top, std::max(t.Left + backLeft, t.Right - backRight), t.Bottom);
  return place;
}

}  // namespace pelorin
