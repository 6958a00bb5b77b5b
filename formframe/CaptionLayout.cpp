// Caption text placement inside the title bar.
#include "formframe/CaptionLayout.h"

#include <algorithm>
#include <cstdlib>

#include "host/core/Bitmap.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

namespace {
// Skin values are cut to what a bitmap side can be, so no sum below overflows.
int SkinValue(int v) { return std::clamp(v, -TBitmap::MaxSide, TBitmap::MaxSide); }
}  // namespace

TCaptionPlace PlaceCaption(const TRect& r, TSize textSize, const TDataSkinTitle& title) {
  const int shift = SkinValue(title.Margins.Left), shiftVert = SkinValue(title.Margins.Top);
  const int rightClip = SkinValue(title.Margins.Right);
  const int backLeft = std::max(0, SkinValue(title.TextBackLeft));
  const int backRight = std::max(0, SkinValue(title.TextBackRight));
  TRect t = Bounds(r.Left, r.Top, std::clamp(textSize.cx, 0, TBitmap::MaxSide),
                   std::clamp(textSize.cy, 0, TBitmap::MaxSide));
  t.Right += backLeft + backRight;

  int dx = 0;
  switch (title.TextAlignment) {
    case 1: dx = (r.Width() - t.Width()) / 2; break;
    // Skins give right-aligned captions their room on the right as a
    // negative TextRightClip.
    case 2: dx = r.Width() + rightClip - t.Width(); break;
    default: dx = shift; break;
  }
  // A vertical shift never takes the text wholly off the title.
  const int dy = std::clamp((r.Height() - t.Height()) / 2 + shiftVert / 2, -t.Height(), std::max(0, r.Height()));
  t = t.Offset(dx, dy);
  // A text wider than the room starts at the title's left edge, so it does
  // not run over the left border, and is cut at the clip line. The clip line
  // keeps the room of either sign: a negative TextRightClip would otherwise
  // put it past the title, over the border or off the window. A shift past
  // the clip line leaves an empty text there.
  const int clipLine = std::max(r.Left, r.Right - std::abs(rightClip));
  if (t.Left < r.Left) t = t.Offset(r.Left - t.Left, 0);
  t.Left = std::min(t.Left, clipLine);
  t.Right = std::clamp(t.Right, t.Left, clipLine);

  TCaptionPlace place;
  place.Text = t;
  place.Back = Rect(t.Left, r.Top, t.Right, r.Bottom);
  // The text itself stays inside its box, whatever the back image margins.
  const int drawLeft = std::min(t.Left + backLeft, t.Right);
  place.Draw = Rect(drawLeft, t.Top, std::max(drawLeft, t.Right - backRight), t.Bottom);
  return place;
}

}  // namespace pelorin
