// TSkinProgress: range and position are read from the window, so framework
// bars and plain ones are drawn alike.
#include "controls/win/SkinProgress.h"

#include <commctrl.h>

#include "controls/RangeControls.h"
#include "paint/DrawElement.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

bool TSkinProgress::HasImage() const {
  return SkinData() && SkinData()->Progress && !SkinData()->Progress->Bitmap.Empty();
}

TSkinProgress::~TSkinProgress() { TSkinProgress::Detach(); }

void TSkinProgress::Detach() {
  DetachAndRepaint();
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
  // A skin without a progress image leaves the bar its system look.
  if (!HasImage()) return true;
  return !PaintWholeControl(m);
}

void TSkinProgress::Paint(HDC dc, const TRect& rect) {
  if (!HasImage()) return;
  const HWND wnd = Handle();
  PBRANGE range{};
  SendMessageW(wnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageW(wnd, PBM_GETPOS, 0, 0));
  const bool vertical = (GetWindowLongPtrW(wnd, GWL_STYLE) & PBS_VERTICAL) != 0;

  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  const TDataSkinObject& element = *SkinData()->Progress;
  DrawElementFace(r, element, 1);
  const TRect bar = ProgressFill(r, range.iLow, range.iHigh, position, vertical);
  if (!bar.IsEmpty()) DrawElement(Buffer(), bar, element, 2);
  BlitBuffer(dc, rect);
}

}  // namespace pelorin
