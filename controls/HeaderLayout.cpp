// Icon and caption placement of header items and tabs.
#include "controls/HeaderLayout.h"

#include <algorithm>

namespace pelorin {

namespace {
constexpr uint32_t JustifyMask = 0x0003, JustifyRight = 0x0001, JustifyCentre = 0x0002;
constexpr int Gap = 4;
constexpr int IconTextGap = 1;
}  // namespace

TIconCaptionPlace PlaceIconCaption(const TRect& rect, TPoint icon, TPoint text) {
  const int iw = std::max(icon.X, 0), tw = std::max(text.X, 0), th = std::max(text.Y, 0);
  const int dx = (rect.Width() - iw - tw) / 2;
  TIconCaptionPlace p;
  p.Icon = {rect.Left + dx, rect.Top + (rect.Height() - std::max(icon.Y, 0)) / 2};
  const int left = rect.Left + dx + iw + (iw > 0 ? IconTextGap : 0);
  const int top = rect.Top + (rect.Height() - th) / 2;
  p.Text = {left, top, left + tw, top + th};
  return p;
}

THeaderItemPlace PlaceHeaderItem(const TRect& item, uint32_t fmt, TPoint icon, TPoint text) {
  THeaderItemPlace p;
  const int iw = std::max(icon.X, 0), tw = std::max(text.X, 0), th = std::max(text.Y, 0);
  const int group = iw + (iw > 0 && tw > 0 ? Gap : 0) + tw;
  const int room = item.Width() - 2 * Gap;
  const uint32_t justify = fmt & JustifyMask;
  int left = item.Left + Gap;
  if (group <= room) {
    if (justify == JustifyRight) {
      p.Format = 2;
      left = item.Right - Gap - group;
    } else if (justify == JustifyCentre) {
      p.Format = 1;
      left = item.Left + (item.Width() - group) / 2;
    }
  }
  p.Parts.Icon = {left, item.Top + (item.Height() - std::max(icon.Y, 0)) / 2};
  const int textLeft = left + group - tw;
  const int top = item.Top + (item.Height() - th) / 2;
  p.Parts.Text = {textLeft, top, std::min(textLeft + tw, item.Right - Gap), top + th};
  return p;
}

}  // namespace pelorin
