// Drawing one owner-drawn menu item from the skin: the item's facts, its
// caption, glyph and shortcut, separators, and the whole item composed off
// screen and put on the menu's DC with one blit.
#pragma once

#include <windows.h>

#include <string>

#include "host/core/Bitmap.h"
#include "host/core/Geometry.h"
#include "skinmodel/SkinColors.h"

namespace pelorin {

class TCanvas;
class TDataSkinObject;
class TImageList;
class TMenuItem;
class TSkinModel;

// What the drawing needs of an item: a host menu item or a native one.
struct TMenuItemView {
  std::string Caption;  // "-" for a separator
  std::string ShortCut;  // shortcut text, empty when none
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  bool RightToLeft = false;
  TImageList* Images = nullptr;
  int ImageIndex = -1;
  UINT Alignment = DT_LEFT;  // DT_LEFT, DT_RIGHT or DT_CENTER
  bool IsLine() const { return Caption == "-"; }
  bool HasImage() const;
};

TMenuItemView ViewOfMenuItem(TMenuItem& item);
// A native item by command: caption and shortcut from its text ("-" when it
// has none), state from its flags.
TMenuItemView ViewOfNativeItem(HMENU menu, UINT command);

// Measures (DT_CALCRECT in flags: r receives the size) or draws text in r.
// A separator draws an etched line across r, 4 pixels below its top, instead.
void DrawMenuItemText(const TMenuItemView& item, TCanvas& canvas, UINT flags, bool selected, TRect& r,
                      const TSkinColors& colors, const std::string& text);
// Glyph (image or check mark), caption and shortcut inside r.
void DrawMenuItemContent(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                         const TSkinColors& colors);
// Frame 2 of the MenuItem image across r of target, key colour left out.
void DrawMenuSeparator(TBitmap& target, const TRect& r, const TDataSkinObject& menuItem);
// Without a MenuItem image: highlight or button face, then the content.
void DrawMenuItemPlain(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                       const TSkinColors& colors);
// The item from the skin's MenuItem image (plain without one). The background
// comes from the popup's frame image (the item at r lies 3 pixels inside it)
// when there is one, else the menu colour. Separators, native or the host
// framework's, are frame 2 across the whole item.
void DrawSkinMenuItemView(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                          const TSkinModel& skin, const TBitmap* popupBackground);

}  // namespace pelorin
