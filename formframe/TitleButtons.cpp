// Title-bar button rules: the mouse state machine, visibility, layout, frames
// and click effects.
#include "formframe/TitleButtons.h"

#include <algorithm>
#include <cstdint>

#include "host/core/Bitmap.h"
#include "paint/PaintTypes.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

namespace {
bool Had(const TFrameFacts& f, unsigned style) { return (f.SavedStyles & style) != 0; }

// The two visibility conditions of a code; first = from Visibility.
bool VisibilityCondition(int code, const TDataSkinSysButton& b, const TFrameFacts& f, bool first) {
  const bool maximised = f.State == nwMaximized;
  switch (code) {
    case 0: return first ? (f.Kind != frFixed && (b.Action != 0 || Had(f, ssSysMenu))) : true;
    case 1: return maximised;
    case 2: return !maximised;
    case 3: return f.Active;
    case 4: return !f.Active;
    case 6: return Had(f, ssMaximizeBox) && (!first || Had(f, ssSysMenu));
    case 7: return !Had(f, ssMaximizeBox);
    case 8: return Had(f, ssMinimizeBox) && (!first || Had(f, ssSysMenu));
    case 9: return !Had(f, ssMinimizeBox);
    case 100: return f.MdiChildMaximized && f.HasMenuBar;
    default: return code >= 200 && code <= 2000;
  }
}
}  // namespace

bool IsSysButtonVisible(const TDataSkinSysButton& b, const TFrameFacts& f) {
  bool visible = VisibilityCondition(b.Visibility, b, f, true) && VisibilityCondition(b.Visibility1, b, f, false);
  if (b.Action == 1 && !Had(f, ssMaximizeBox)) visible = false;
  if (b.Action == 2 && !Had(f, ssMinimizeBox)) visible = false;
  return visible;
}

std::optional<TRect> LayoutSysButton(const TDataSkinSysButton& b, int imageWidth, int imageHeight,
                                     int frameCount, const TButtonLayoutFrame& frame) {
  if (imageWidth <= 0 || imageHeight <= 0) return std::nullopt;
  const int fw = imageWidth / (frameCount < 1 ? 1 : frameCount);
  // Summed wide: skin coordinates may be anything an integer holds.
  int64_t left = 0, top = 0;
  const int64_t x = b.XCoord, y = b.YCoord;
  switch (b.Align) {
    case 0: left = x; top = y; break;
    case 1: left = frame.WindowWidth - x; top = y; break;
    case 2:
    case 8: left = int64_t(frame.CaptionText.Left) - fw - x; top = y; break;
    case 3:
    case 9: left = int64_t(frame.CaptionText.Right) + x; top = y; break;
    case 100:
      left = int64_t(frame.WindowWidth) - x - frame.Metrics.Right - frame.MenuBarMarginLeft;
      top = frame.Metrics.Top + (int64_t(frame.Metrics.MenuBar) - imageHeight) / 2;
      break;
    default: break;
  }
  // A button placed beyond any window is never seen nor hit; its rectangle
  // stays where sums of coordinates cannot overflow.
  const auto place = [](int64_t v) { return int(std::clamp<int64_t>(v, -MaxPaintCoord, MaxPaintCoord)); };
  return Bounds(place(left), place(top), std::min(fw, TBitmap::MaxSide), std::min(imageHeight, TBitmap::MaxSide));
}

int RestingButtonFrame(int frameCount, bool active) { return active || frameCount < 4 ? 1 : 4; }

int StateButtonFrame(TNCState state, int visibility) {
  if (state == nsHot && visibility == MdiButtonVisibility) return 4;
  return int(state);
}

TSysButtonEffect SysButtonEffect(int action, TNCWindowState state) {
  switch (action) {
    case 0: return beClose;
    case 1:
    case 22: return state == nwMaximized ? beRestore : beMaximize;
    case 2:
    case 23: return state == nwMinimized ? beRestore : beMinimize;
    case 3:
    case 11:
    case 12: return beSysMenu;
    case 7:
    case 60: return beMdiMinimize;
    case 8:
    case 61: return beMdiRestore;
    case 9:
    case 62: return beMdiClose;
    default: return beCustom;
  }
}

bool SysButtonAccepts(const TNCObject& b, int action, TPoint p) {
  return b.Visible && action >= 0 && b.BoundsRect.Contains(p);
}

}  // namespace pelorin
