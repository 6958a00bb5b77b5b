// List views: their scroll bars as every scrolling control's (the system
// drags the thumbs), and their header. Win32 build only.
#pragma once

#include "controls/win/SkinScrollBar.h"

namespace pelorin {

class TSkinListView : public TSkinScrollBar {
public:
  using TSkinScrollBar::TSkinScrollBar;
  // changeColor says whether thumb presses run our own drag.
  bool AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) override;
  bool AttachWindow(HWND wnd, TSkinData* skinData) override;

  // The list view's header window, if it has one.
  HWND HeaderWindow() const;

protected:
  // The one place the header's skinner is attached (owned by this skinner's
  // owner, like every control skinner). Until the header skinner exists the
  // header keeps the system look.
  virtual void AttachHeader(HWND header);

private:
  void FindHeader();
};

}  // namespace pelorin
