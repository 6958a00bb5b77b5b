// Title-bar buttons without Windows: the visibility rules, the layout, the
// frame to draw per state and what a click does.
#pragma once

#include <optional>

#include "formframe/FrameMetrics.h"
#include "host/core/Geometry.h"
#include "skinbase/NCObject.h"

namespace pelorin {

class TDataSkinSysButton;

bool IsSysButtonVisible(const TDataSkinSysButton& b, const TFrameFacts& f);

struct TButtonLayoutFrame {
  int WindowWidth = 0;
  TRect CaptionText;      // where the title text went
  TFrameMetrics Metrics;  // right width, top height, menu bar height
  int MenuBarMarginLeft = 0;
};
// The button's rectangle for an image of imageWidth x imageHeight holding
// frameCount frames side by side; nothing for an empty image. Its corner
// stays within +/-MaxPaintCoord whatever the skin's coordinates.
std::optional<TRect> LayoutSysButton(const TDataSkinSysButton& b, int imageWidth, int imageHeight,
                                     int frameCount, const TButtonLayoutFrame& frame);

// Frame shown in the composed title bar: 1 active, 4 inactive (1 when the
// image has fewer than four frames).
int RestingButtonFrame(int frameCount, bool active);
// Frame shown for a state; a menu-bar (MDI) button shows frame 4 when hot.
int StateButtonFrame(TNCState state, int visibility);

enum TSysButtonEffect {
  beClose,
  beMaximize,
  beMinimize,
  beRestore,
  beSysMenu,
  beMdiMinimize,
  beMdiRestore,
  beMdiClose,
  beCustom,  // the title-button message with the action code
};
TSysButtonEffect SysButtonEffect(int action, TNCWindowState state);

// A button reacts to the mouse at p when visible, its action is not negative
// and p lies in its rectangle.
bool SysButtonAccepts(const TNCObject& b, int action, TPoint p);

}  // namespace pelorin
