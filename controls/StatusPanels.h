// What a skinned status bar shows: which panels, with which image frame,
// text and alignment, and where a panel's text goes.
#pragma once

#include <string>
#include <vector>

#include "host/core/Geometry.h"

namespace pelorin {

// Frames of the status bar's panel image.
enum TPanelFrame : int { pfLowered = 1, pfRaised = 2, pfFlat = 3 };

// The framework's panel bevel (none 0, lowered 1, raised 2) as an image
// frame; an unknown bevel is lowered.
int PanelFrameOfBevel(int bevel);
// The drawing flags the system status bar keeps with a panel's text.
int PanelFrameOfDrawFlags(unsigned flags);
// The framework's alignment (left 0, right 1, centre 2) as a text renderer
// format (left 0, centre 1, right 2).
int AlignmentFormat(int alignment);

struct TStatusPanelView {
  int Index = -1;  // the system bar's part; -1: the whole bar
  std::wstring Text;
  int Format = 0;  // text renderer format
  int Frame = pfLowered;
};

// A plain status bar's text: one leading tab centres it, two put it on the
// right; the tabs are not shown.
TStatusPanelView PanelFromSystemText(int index, std::wstring text, unsigned flags);

// The simple panel stands for the whole bar while the bar is simple or has
// no panels.
std::vector<TStatusPanelView> PlanStatusPanels(bool simple, const std::wstring& simpleText,
                                               std::vector<TStatusPanelView> panels);

// Where a text of size measured goes inside a panel, after the bevel: kept
// off the edges, centred vertically, placed horizontally by format.
TRect PlacePanelText(const TRect& panel, TPoint measured, int format);

}  // namespace pelorin
