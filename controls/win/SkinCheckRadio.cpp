// TSkinCheckBox, TSkinRadioButton: the skin's box over the system's.
#include "controls/win/SkinCheckRadio.h"

#include "controls/ToggleBox.h"
#include "host/win/Graphics.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

void TSkinToggle::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    // The system button draws its box outside WM_PAINT for all of these (a
    // press, the space key, a new check state, focus cues shown): repaint
    // it whole so the skin's box goes back on top.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      InvalidateNow();
      return;
    case CN_CTLCOLORSTATIC:
    case CN_BASE + WM_CTLCOLORBTN:
      // The control shows the skin's face colour: its caption takes the
      // skin's text colour, or it would vanish on a dark skin.
      if (SkinData()) SetTextColor(reinterpret_cast<HDC>(m.WParam), ToColorRef(SkinData()->colors[csButtonText]));
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinToggle::Paint(HDC dc, const TRect& rect) {
  const TSkinData* skin = SkinData();
  if (!skin || !skin->Buttons) return;
  int frames = 0;
  const TBitmap* strip = Strip(frames);
  if (!strip || strip->Empty() || frames < 1) return;
  const int fw = strip->Width() / frames, fh = strip->Height();
  if (fw < 1 || fh < 1) return;
  RefreshFacts();
  const bool boxOnRight = (GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_LEFTTEXT) != 0;
  const TRect box = ToggleBoxRect(rect, fw, fh, boxOnRight);
  const TRect cover = ToggleCoverRect(rect, box, boxOnRight);
  if (cover.IsEmpty()) return;
  TBitmap& buffer = Buffer();
  GdiFlush();
  GrowBitmap(buffer, cover.Width(), cover.Height());
  // Key pixels of the image let the face colour show; the face also hides
  // whatever the system's box shows beside the skin's.
  buffer.FillRect(Rect(0, 0, cover.Width(), cover.Height()), ColorToRGB(skin->colors[csButtonFace]));
  DrawStretchedFrame(buffer, box.Offset(-cover.Left, -cover.Top), frames, Frame(), *strip);
  BlitBuffer(dc, cover);
}

const TBitmap* TSkinCheckBox::Strip(int& frames) const {
  frames = SkinData()->Buttons->CheckFrameCount;
  return &SkinData()->Buttons->CheckBitmap;
}

int TSkinCheckBox::Frame() {
  return CheckBoxFrame(static_cast<unsigned>(SendMessageW(Handle(), BM_GETSTATE, 0, 0)), Enabled());
}

const TBitmap* TSkinRadioButton::Strip(int& frames) const {
  frames = SkinData()->Buttons->RadioFrameCount;
  return &SkinData()->Buttons->RadioBitmap;
}

int TSkinRadioButton::Frame() {
  return RadioButtonFrame((SendMessageW(Handle(), BM_GETCHECK, 0, 0) & BST_CHECKED) != 0, Enabled());
}

}  // namespace pelorin
