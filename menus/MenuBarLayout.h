// The skinned menu bar without Windows: where the items go, which item a
// point hits, which item the arrow keys move to and which item a key opens.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/core/Geometry.h"

namespace pelorin {

class TDataSkinObject;

// Measures the width in pixels of a caption as it is shown (accelerator
// marks already removed).
using TTextWidthFunc = std::function<int(const std::string& text)>;

// One bar item as the layout sees it.
struct TMenuBarEntry {
  std::string Caption;  // with its '&' accelerator mark
  bool Enabled = true;
};

// Where an item went: Bounds in window coordinates (what the mouse hits),
// Text relative to the bar's own top-left (where the caption is centred).
struct TMenuBarSlot {
  TRect Bounds;
  TRect Text;
  friend bool operator==(const TMenuBarSlot&, const TMenuBarSlot&) = default;
};

// x of the first item inside a bar of barWidth pixels: 4 past the skin bar's
// left margin (12 when that does not fit; a negative margin counts as 0), 6
// without a bar image.
int MenuBarFirstX(const TDataSkinObject* menuBar, int barWidth);

// Items side by side from firstX, each its caption's width + 10, in one
// line; the last pixel row of the bar belongs to no item.
std::vector<TMenuBarSlot> LayoutMenuBar(const std::vector<TMenuBarEntry>& items, const TRect& bar, int firstX,
                                        const TTextWidthFunc& textWidth);

// The first item whose bounds hold p and whose caption is not empty, or -1.
int MenuBarItemAt(const std::vector<TMenuBarEntry>& items, const std::vector<TMenuBarSlot>& slots, TPoint p);

// The item after (step 1) or before (step -1) index, wrapping around; -1
// for an empty bar.
int NeighbourBarItem(int index, int count, int step);

// The caption's accelerator: the character after a single '&' ("&&" is a
// literal ampersand), as a code point upper-cased in ASCII, or 0.
unsigned MenuAccelOf(const std::string& caption);
// The caption without its accelerator marks ("&&" becomes "&").
std::string StripMenuAccel(const std::string& caption);
// The first enabled item whose accelerator is ch (case-insensitive), or -1.
int FindMenuAccel(const std::vector<TMenuBarEntry>& items, unsigned ch);

}  // namespace pelorin
