#include "controls/win/ControlBackground.h"

namespace pelorin {

HBRUSH ControlBackgroundBrush(HWND wnd, HDC dc, bool staticLook) {
  const UINT msg = staticLook ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HWND parent = GetParent(wnd);
  HBRUSH brush = nullptr;
  if (parent) {
    // The answer sets colours on dc; keep the caller's.
    const int saved = SaveDC(dc);
    brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(wnd)));
    if (saved) RestoreDC(dc, saved);
  }
  if (!brush || GetObjectType(brush) != OBJ_BRUSH) brush = GetSysColorBrush(staticLook ? COLOR_BTNFACE : COLOR_WINDOW);
  return brush;
}

}  // namespace pelorin
