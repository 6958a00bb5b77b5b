#include "controls/win/SkinSizer.h"

namespace pelorin {

bool TSkinSizer::IsSizeBox(HWND wnd) {
  wchar_t name[16] = {};
  if (!GetClassNameW(wnd, name, 16) || lstrcmpiW(name, L"ScrollBar") != 0) return false;
  return (GetWindowLongPtrW(wnd, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

bool TSkinSizer::BeforeMessage(TMessage& m) {
  return !PaintWholeControl(m);
}

void TSkinSizer::Paint(HDC dc, const TRect& rect) {
  RECT rc{};
  // Client coordinates: the grip has no frame.
  if (GetClientRect(Handle(), &rc)) FillBackground(dc, Rect(0, 0, rc.right, rc.bottom));
  (void)rect;
}

}  // namespace pelorin
