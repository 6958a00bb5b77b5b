#include "controls/win/SkinListView.h"

#include <commctrl.h>

#include "controls/win/SkinHeader.h"

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

void TSkinListView::AttachHeader(HWND header) { AttachHeaderWindow(Owner(), header, SkinData()); }

void TSkinListView::ApplySkinChange(TSkinData* skinData) {
  TSkinScrollBar::ApplySkinChange(skinData);
  // A list view switched to report view since the attach has a header now.
  FindHeader();
}

}  // namespace pelorin
