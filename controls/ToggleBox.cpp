#include "controls/ToggleBox.h"

#include "controls/ButtonFrames.h"

namespace pelorin {

namespace {
constexpr unsigned CheckedBit = 1;  // BST_CHECKED; BST_INDETERMINATE (2) shows unchecked
constexpr int SystemBoxCell = 14;
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

}  // namespace pelorin
