// TSkinUpDown: both halves composed in the shared buffer, one blit.
#include "controls/win/SkinUpDown.h"

#include <commctrl.h>

#include "controls/UpDownLayout.h"
#include "host/win/Graphics.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_PAINT:
      // Every pixel is ours: the control's own paint would only flash first.
      HandlePaintMessage(m);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      const bool down = m.Msg != WM_LBUTTONUP;
      const std::shared_ptr<bool> alive = Alive();
      if (!down) SetState(ssPressed, false);
      CallPrevious(m);  // the control acts on the press itself
      if (!*alive) return false;
      if (down) SetState(ssPressed, true);
      PaintNow();
      return false;
    }
    default:
      return true;
  }
}

void TSkinUpDown::Paint(HDC dc, const TRect& rect) {
  const TSkinData* skin = SkinData();
  if (!skin) return;
  RECT c;
  if (!GetClientRect(Handle(), &c) || c.right < 1 || c.bottom < 1) return;
  RefreshFacts();
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  TUpDownFacts facts;
  facts.Horizontal = (GetWindowLongPtrW(Handle(), GWL_STYLE) & UDS_HORZ) != 0;
  facts.Pressed = Pressed();
  facts.Hot = Hot();
  facts.Enabled = Enabled();
  facts.Cursor = {cursor.x, cursor.y};

  TBitmap& buffer = Buffer();
  GdiFlush();
  GrowBitmap(buffer, c.right, c.bottom);
  buffer.FillRect(Rect(0, 0, c.right, c.bottom), ColorToRGB(skin->colors[csButtonFace]));
  TCanvas& canvas = Owner().SharedCanvas();
  const HDC previous = canvas.HandleAllocated() ? canvas.Handle() : nullptr;
  canvas.SetHandle(BufferDC());
  for (const TUpDownPart& part : UpDownParts({c.right, c.bottom}, facts))
    if (!part.Rect.IsEmpty()) DrawUpDownPart(canvas, part.Rect, part.Direction, part.Frame);
  canvas.SetHandle(previous);
  GdiFlush();
  BlitBuffer(dc, Bounds(rect.Left, rect.Top, c.right, c.bottom));
}

void TSkinUpDown::DrawUpDownPart(TCanvas& canvas, const TRect& rect, int direction, int frame) {
  const TSkinData* skin = SkinData();
  if (!skin) return;
  canvas.Brush().SetColor(skin->colors[UpDownPartShaded(frame) ? csButtonShadow : csButtonFace]);
  canvas.Pen().SetColor(skin->colors[csButtonDkShadow]);
  canvas.Rectangle(rect);
  const TPoint centre = UpDownArrowCentre(rect, direction);
  DrawArrow(canvas, centre.X, centre.Y, direction);
}

}  // namespace pelorin
