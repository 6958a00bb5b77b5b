// Where a tab control's skinned parts go: the side its tabs sit on, the page
// frame, the strip of tabs and each tab inside the strip. Strips of side tabs
// are composed lying down, like a strip at the top, and turned afterwards.
// Rectangles are in the control's client coordinates.
#pragma once

#include <vector>

#include <cstdint>

#include "host/core/Bitmap.h"
#include "host/core/Geometry.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

enum TTabSide : uint8_t { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };

// From the style bits "bottom or right" (0x0002) and "vertical" (0x0080).
TTabSide TabSideFromStyle(uint32_t style);

// The page frame: the control's display area grown by 4 on every side, its
// edge facing the tabs moved one pixel away from them.
TRect TabPageRect(TTabSide side, const TRect& display);

// The band between the control's edge on the tabs' side and the page frame.
TRect TabStripRect(TTabSide side, const TRect& client, const TRect& page);

// Size of the buffer the strip is composed in (lying down for side tabs).
TPoint TabStripBufferSize(TTabSide side, const TRect& strip);

// A tab's rectangle moved into the strip buffer; each tab sits one pixel
// further toward the page on the top and bottom, as the system draws them.
TRect TabInStrip(TTabSide side, const TRect& item, const TRect& strip);

// The page frame image's fixed margins turned with the image.
TRect TabBorderMargins(TTabSide side);

// What a repaint puts on screen from the composition, in client
// coordinates: the strip and the page frame's four edges (margins wide),
// clipped to the client, without the hole (the control's scroll arrows,
// which are a window of their own), and joined where two share a whole edge
// so that a repaint takes as few blits as it can.
std::vector<TRect> TabBlitPieces(const TRect& client, const TRect& strip, const TRect& page, const TRect& margins,
                                 const TRect& hole);

// The rest of the client, which the control's own paint would erase: the
// page inside the frame and any gap beside it.
std::vector<TRect> TabFillRects(const TRect& client, const TRect& strip, const TRect& page, const TRect& margins);

// Private copies of the tab and page-frame images for one side, 24-bit:
// both flipped for tabs at the bottom, the frame turned for side tabs.
// Images stay empty when the skin has no tab image; the frame stays empty
// when the skin has none.
struct TTabImages {
  TBitmap Tab;
  TBitmap Border;
  TRect TabMargins;  // the tab element's margins, flipped with the image
};
void PrepareTabImages(TTabSide side, const TDataSkinBorder* tab, TTabImages& images);

// One tab of the lying-down strip: where, and frame 1 or 2 (selected).
void DrawTab(TBitmap& strip, const TRect& at, const TTabImages& images, const TDataSkinObject& tab, int frame);

// The strip composed lying down, turned into standing to stand at its side
// (left: anticlockwise, right: clockwise); top and bottom strips are copied.
// standing keeps its pixel memory while its size stays the same.
void TurnTabStrip(TTabSide side, const TBitmap& lying, TBitmap& standing);

}  // namespace pelorin
