#include "controls/ToggleBox.h"

#include <algorithm>

#include "controls/ButtonFrames.h"

namespace pelorin {

namespace {
constexpr unsigned CheckedBit = 1;  // BST_CHECKED; BST_INDETERMINATE (2) shows unchecked
constexpr int SystemBoxCell = 14;
constexpr int SystemBox = 13;
constexpr int PlacementSlack = 2;
}  // namespace

int CheckBoxFrame(unsigned buttonState, bool enabled) {
  if (!enabled) return cfDisabled;
  return (buttonState & CheckedBit) ? cfPressed : cfNormal;
}

int RadioButtonFrame(bool checked, bool enabled) {
  const int frame = checked ? 2 : 1;
  return enabled ? frame : frame + 2;
}

TRect ToggleBoxRect(const TRect& row, int frameWidth, int frameHeight, bool boxOnRight) {
  TRect box;
  box.Top = (row.Height() - frameHeight) / 2 + row.Top;
  box.Bottom = box.Top + frameHeight;
  const bool fits = frameWidth < SystemBoxCell + 1;
  if (boxOnRight) {
    box.Right = fits ? row.Right - (SystemBoxCell - frameWidth) / 2 : row.Right - 1;
    box.Left = box.Right - frameWidth;
  } else {
    box.Left = fits ? row.Left + (SystemBoxCell - frameWidth) / 2 : row.Left;
    box.Right = box.Left + frameWidth;
  }
  return box;
}

TRect ToggleCoverRect(const TRect& row, const TRect& box, bool boxOnRight) {
  const TRect system = boxOnRight ? Rect(row.Right - SystemBox, row.Top, row.Right, row.Top)
                                  : Rect(row.Left, row.Top, row.Left + SystemBox, row.Top);
  const TRect cover{std::min(box.Left, system.Left), box.Top - PlacementSlack, std::max(box.Right, system.Right),
                    box.Bottom + PlacementSlack};
  return IntersectRect(cover, row);
}

}  // namespace pelorin
