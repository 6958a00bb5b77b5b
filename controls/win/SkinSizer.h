// Size boxes and size grips ("ScrollBar" windows with SBS_SIZEBOX or
// SBS_SIZEGRIP): they show the skin's face colour instead of the system's
// grip. Never put on a real bar. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinSizer : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // Whether wnd is a size box or grip.
  static bool IsSizeBox(HWND wnd);
};

}  // namespace pelorin
