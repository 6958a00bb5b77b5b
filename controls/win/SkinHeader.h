// Header windows (the column headers of list views, and stand-alone ones):
// every item and the space after the last one painted from the skin's header
// image over what the control drew, texts in the skin's colour, item images
// kept. Win32 build only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinHeader : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  void ApplySkinChange(TSkinData* skinData) override;

private:
  struct TItem;
  // Frame 1 of the header image under the item; its icon and text come after.
  void DrawHeaderItem(HWND wnd, const TRect& at, int index, TItem& item);
  void DrawItemFace(const TItem& item, HDC dc, HIMAGELIST images);
  // Items and the space after them composed in work_, asking the control.
  void Compose(HWND wnd, const TDataSkinObject& image, int width, int height);
  TBitmap work_;
  // work_ holds the items as they are until a message that may change them.
  bool dirty_ = true;
  bool enabledDrawn_ = true;
};

// A header skinner attached to header and given to host; false when the
// window is not a header or already has a skinner. List view skinners call
// this for their header window.
bool AttachHeaderWindow(TControlSkinnerHost& host, HWND header, TSkinData* skinData);

}  // namespace pelorin
