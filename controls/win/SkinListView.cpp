#include "controls/win/SkinListView.h"

#include <commctrl.h>

namespace pelorin {

bool TSkinListView::AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) {
  if (!AttachScrollBars(control, skinData, changeColor)) return false;
  FindHeader();
  return true;
}

bool TSkinListView::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (!TSkinScrollBar::AttachWindow(wnd, skinData)) return false;
  FindHeader();
  return true;
}

HWND TSkinListView::HeaderWindow() const {
  return Handle() ? reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0)) : nullptr;
}

void TSkinListView::FindHeader() {
  if (HWND header = HeaderWindow()) AttachHeader(header);
}

void TSkinListView::AttachHeader(HWND) {}

}  // namespace pelorin
