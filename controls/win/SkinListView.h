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
  void ApplySkinChange(TSkinData* skinData) override;

  // The list view's header window, if it has one.
  HWND HeaderWindow() const;

protected:
  // The header's skinner is owned by this skinner's owner, like every control skinner.
  virtual void AttachHeader(HWND header);

private:
  void FindHeader();
};

}  // namespace pelorin
