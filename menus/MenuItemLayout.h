// Owner-drawn menu items without Windows: their measured sizes, the MenuItem
// image frame for a state, where glyph, caption and shortcut go, the text
// colour, and the pieces of a separator image.
#pragma once

#include <cstdint>

#include "host/core/Color.h"
#include "host/core/Geometry.h"
#include "paint/SliceGeometry.h"
#include "skinmodel/SkinColors.h"

namespace pelorin {

class TDataSkinObject;

// Frames of the MenuItem image (five side by side) for each look of an item.
enum : int { mfNormal = 1, mfSeparator = 2, mfSelected = 4 };
inline int MenuItemFrame(bool selected) { return selected ? mfSelected : mfNormal; }

// GetVersion values with the top bit set are the Windows 95 family, whose
// menus need more height.
inline bool IsWin9xVersion(uint32_t winVersion) { return winVersion >= 0x80000000u; }

struct TMenuItemSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TMenuItemSize&, const TMenuItemSize&) = default;
};

// A native menu item (the window's menu): textWidth of caption and shortcut,
// the height the system proposed. Separators are 8 high.
TMenuItemSize MeasureNativeMenuItem(int textWidth, int proposedHeight, bool separator, uint32_t winVersion);
// An item of a popup menu component: the size its own measuring gave, grown.
TMenuItemSize MeasureComponentMenuItem(TMenuItemSize measured, bool separator, uint32_t winVersion);

// Where the parts of an item drawn at r go.
struct TMenuItemBoxes {
  TRect Glyph;  // image or check mark; empty for a separator
  TRect Text;   // the caption's area; the shortcut ends 10 pixels before r's right
};
TMenuItemBoxes MenuItemBoxes(const TRect& r, bool separator);
// A caption measured as measured (any position) centred vertically in r,
// starting at the text box's left.
TRect CentreMenuText(const TRect& measured, const TRect& textBox, const TRect& r);
// The shortcut's rectangle after the caption drawn at caption.
inline TRect MenuShortcutRect(const TRect& caption, const TRect& r) {
  return {caption.Right, caption.Top, r.Right - 10, caption.Bottom};
}

// Caption colour: highlight text when selected, menu text otherwise;
// disabled items the skin's button shadow, or the system's when that equals
// the menu text (it would not look disabled).
TColor MenuItemTextColor(const TSkinColors& colors, bool selected, bool enabled);
// A bar caption's colour.
TColor MenuBarTextColor(const TSkinColors& colors, bool enabled);

// A separator drawn from frame 2 of the MenuItem image (frames as its style
// counts them): its bottom rows (as many as the destination is high, all when
// the image is not taller) as left margin, stretched middle and right margin
// across a destWidth x destHeight area. Nothing for an image without frames.
TSliceList MenuSeparatorPieces(const TDataSkinObject& menuItem, int destWidth, int destHeight);

}  // namespace pelorin
