// The brush a control fills its background with, asked of its parent as the
// control itself asks. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

// The parent's answer to WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC for a disabled or
// read-only control) for wnd drawing on dc, or the system's default brush of
// that kind when the parent gives none. The brush is not the caller's to free.
HBRUSH ControlBackgroundBrush(HWND wnd, HDC dc, bool staticLook);

}  // namespace pelorin
