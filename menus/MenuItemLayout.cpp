// Menu item sizes, part placement, colours and separator pieces.
#include "menus/MenuItemLayout.h"

#include <cstdint>

#include "paint/FrameSelect.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

TMenuItemSize MeasureNativeMenuItem(int textWidth, int proposedHeight, bool separator, uint32_t winVersion) {
  TMenuItemSize s{textWidth + 26, separator ? 8 : proposedHeight + 4};
  if (IsWin9xVersion(winVersion)) s.Height += 4;
  return s;
}

TMenuItemSize MeasureComponentMenuItem(TMenuItemSize measured, bool separator, uint32_t winVersion) {
  measured.Width += 28;
  if (IsWin9xVersion(winVersion) && !separator) measured.Height += 4;
  return measured;
}

TMenuItemBoxes MenuItemBoxes(const TRect& r, bool separator) {
  TMenuItemBoxes b;
  if (!separator) b.Glyph = {r.Left + 1, r.Top + 1, r.Left + 17, r.Top + 17};
  b.Text = {b.Glyph.Right + 3, r.Top, r.Right - 1, r.Bottom};
  return b;
}

TRect CentreMenuText(const TRect& measured, const TRect& textBox, const TRect& r) {
  const int h = measured.Height();
  const int top = r.Top + (r.Height() - h) / 2;
  return {textBox.Left, top, textBox.Left + measured.Width(), top + h};
}

TColor MenuItemTextColor(const TSkinColors& colors, bool selected, bool enabled) {
  if (!enabled)
    return colors[csButtonShadow] == colors[csMenuText] ? clBtnShadow : colors[csButtonShadow];
  return selected ? colors[csHilightText] : colors[csMenuText];
}

TColor MenuBarTextColor(const TSkinColors& colors, bool enabled) {
  // A disabled bar caption always takes the system's shadow colour, so it
  // reads as disabled on any bar image.
  return enabled ? colors[csMenuBarText] : clBtnShadow;
}

TSliceList MenuSeparatorPieces(const TDataSkinObject& menuItem, int destWidth, int destHeight) {
  const int w = menuItem.Bitmap.Width(), h = menuItem.Bitmap.Height();
  TRect frame = SelectFrame(w, h, menuItem.Style.Vertical, menuItem.Style.Frames, mfSeparator);
  if (frame.IsEmpty() || destWidth <= 0 || destHeight <= 0) return {};
  if (h > destHeight) frame.Top = frame.Bottom - destHeight;
  int left = menuItem.Margins.Left < 0 ? 0 : menuItem.Margins.Left;
  int right = menuItem.Margins.Right < 0 ? 0 : menuItem.Margins.Right;
  const int fw = frame.Width();
  if (int64_t(left) + right > fw || int64_t(left) + right > destWidth) left = right = 0;
  const int top = frame.Top, bottom = frame.Bottom;
  TSliceList pieces;
  if (left > 0) pieces.push_back({{frame.Left, top, frame.Left + left, bottom}, {0, 0, left, destHeight}});
  if (fw - left - right > 0)
    pieces.push_back({{frame.Left + left, top, frame.Right - right, bottom}, {left, 0, destWidth - right, destHeight}});
  if (right > 0)
    pieces.push_back({{frame.Right - right, top, frame.Right, bottom}, {destWidth - right, 0, destWidth, destHeight}});
  return pieces;
}

}  // namespace pelorin
