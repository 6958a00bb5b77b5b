#include "controls/ComboLayout.h"

#include "controls/ButtonFrames.h"

namespace pelorin {

int ComboFrame(const TComboFacts& f) {
  int frame = cfNormal;
  if (!f.Enabled) frame = cfDisabled;
  if (f.Focused) frame = cfHot;
  if (f.Pressed) {
    frame = cfPressed;
  } else if (f.Hot) {
    frame = cfHot;
  }
  return frame;
}

TRect ComboButtonRect(const TRect& rect, int buttonWidth) {
  return {rect.Right - buttonWidth, rect.Top, rect.Right, rect.Bottom};
}

TRect ComboArrowRect(const TRect& button, const TRect& rect, int arrowWidth, int arrowHeight) {
  const int left = (button.Width() - arrowWidth) / 2 + button.Left;
  const int top = (rect.Height() - arrowHeight) / 2 + rect.Top;
  return {left, top, left + arrowWidth, top + arrowHeight};
}

int SunkEdgeThickness(int margin) { return margin < 2 ? 1 : 2; }

TSliceList SunkEdgePieces(const TRect& r, int buttonLeft, const TRect& frame, const TRect& margins) {
  const TRect m = EffectiveMargins(margins, frame.Width(), frame.Height());
  const int fl = frame.Left, ft = frame.Top, fr = frame.Right, fb = frame.Bottom;
  const int tl = SunkEdgeThickness(m.Left), tt = SunkEdgeThickness(m.Top), tb = SunkEdgeThickness(m.Bottom);
  const TSlicePiece all[] = {
      {{fl, ft + m.Top, fl + m.Left, fb - m.Bottom}, {r.Left, r.Top, r.Left + tl, r.Bottom}},
      {{fl + m.Left, ft, fr - m.Right, ft + m.Top}, {r.Left, r.Top, buttonLeft, r.Top + tt}},
      {{fl, ft, fl + m.Left, ft + m.Top}, {r.Left, r.Top, r.Left + tt, r.Top + tt}},
      {{fl + m.Left, fb - m.Bottom, fr - m.Right, fb}, {r.Left, r.Bottom - tb, buttonLeft, r.Bottom}},
      {{fl, fb - m.Bottom, fl + m.Left, fb}, {r.Left, r.Bottom - tb, r.Left + tb, r.Bottom}},
  };
  TSliceList pieces;
  for (const TSlicePiece& p : all)
    if (!p.Source.IsEmpty() && !p.Dest.IsEmpty()) pieces.push_back(p);
  return pieces;
}

}  // namespace pelorin
