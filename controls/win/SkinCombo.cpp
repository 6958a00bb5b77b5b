// TSkinComBox: button, arrow and sunken border composed in the shared buffer
// and put on the combo box's edges in one blit.
#include "controls/win/SkinCombo.h"

#include <algorithm>

#include "controls/ComboLayout.h"
#include "controls/win/ControlBackground.h"
#include "host/win/Graphics.h"
#include "paint/FrameSelect.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
bool HasImage(const TDataSkinObject* e) { return e && !e->Bitmap.Empty(); }
int Frames(const TDataSkinObject& e) { return std::max(1, e.Style.Frames); }
// The border band every part drawn here lies in: the sunken edge and the ring inside it.
constexpr int Band = 2;
}  // namespace

void TSkinComBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetState(ssPressed, true);
      PaintNow();
      return;
    case WM_LBUTTONUP:
      SetState(ssPressed, false);
      PaintNow();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!Enabled()) return;
      SetState(ssHot, m.Msg == CM_MOUSEENTER);
      PaintNow();
      return;
    case WM_COMMAND:
      // The edit part tells its combo box when it gains or loses the focus.
      if (HIWORD(m.WParam) == EN_SETFOCUS || HIWORD(m.WParam) == EN_KILLFOCUS) PaintNow();
      return;
    case CB_SHOWDROPDOWN:
      PaintNow();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

bool TSkinComBox::FocusInside() const {
  const HWND focus = GetFocus();
  return focus && (focus == Handle() || IsChild(Handle(), focus));
}

bool TSkinComBox::Dropped() const { return SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TSkinComBox::Paint(HDC dc, const TRect& rect) {
  const TSkinData* skin = SkinData();
  if (!skin || !HasImage(skin->ComboButton.get()) || !HasImage(skin->SunkEdge.get())) return;
  RefreshFacts();
  const int frame = ComboFrame({Hot(), Pressed() || Dropped(), FocusInside(), Enabled()});
  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  if (r.IsEmpty()) return;
  TBitmap& buffer = Buffer();
  GdiFlush();
  GrowBitmap(buffer, r.Right, r.Bottom);
  HDC bufferDC = BufferDC();
  if (!bufferDC) return;

  // The inner line of the system's border takes the control's own background.
  const RECT inner{1, 1, r.Right - 1, r.Bottom - 1};
  FrameRect(bufferDC, &inner, ControlBackgroundBrush(Handle(), bufferDC, !Enabled()));
  GdiFlush();

  const TRect button = ComboButtonRect(r, GetSystemMetrics(SM_CXHSCROLL) + 2);
  buffer.FillRect(IntersectRect(button, r), ColorToRGB(skin->colors[csButtonFace]));
  const TDataSkinObject& combo = *skin->ComboButton;
  DrawStretchedFrame(buffer, button, Frames(combo), frame, combo.Bitmap);
  if (const TDataSkinObject* arrow = skin->ExtraImages.get(); HasImage(arrow)) {
    const TRect a = ComboArrowRect(button, r, arrow->Bitmap.Width() / Frames(*arrow), arrow->Bitmap.Height());
    DrawStretchedFrame(buffer, a, Frames(*arrow), frame, arrow->Bitmap);
  }
  const TDataSkinObject& edge = *skin->SunkEdge;
  const TRect first = SelectFrame(edge.Bitmap.Width(), edge.Bitmap.Height(), false, Frames(edge), 1);
  PaintPieces(buffer, 0, 0, r, edge.Bitmap, SunkEdgePieces(r, button.Left, first, edge.Margins));

  // One blit, kept off the text inside the border.
  TDCStateGuard guard(dc);
  ExcludeClipRect(dc, rect.Left + Band, rect.Top + Band, rect.Left + std::max(Band, button.Left), rect.Bottom - Band);
  BlitBuffer(dc, rect);
}

}  // namespace pelorin
