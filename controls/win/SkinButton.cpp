// TSkinButton: the message filter and the painter of skinned push buttons.
#include "controls/win/SkinButton.h"

#include "host/win/Controls.h"
#include "host/win/Graphics.h"
#include "host/win/platform/WideText.h"
#include "skinbase/win/WinGeometry.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
bool HasImage(const TSkinData* skin) { return skin && skin->Buttons && !skin->Buttons->Bitmap.Empty(); }

bool InClient(HWND wnd, LPARAM lParam) {
  RECT c;
  GetClientRect(wnd, &c);
  const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&c, p) != 0;
}
}  // namespace

bool TSkinButton::BeforeMessage(TMessage& m) {
  if (PaintWholeControl(m)) return false;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != Handle()) SetFocus(Handle());
      // The capture makes the release come here wherever it happens, so only
      // a press that began here can click.
      SetCapture(Handle());
      tracking_ = true;
      SetState(ssPressed, true);
      PaintNow();
      return false;
    case WM_MOUSEMOVE:
      // While pressed the system button would draw its own pushed look.
      if (tracking_) {
        const bool inside = InClient(Handle(), m.LParam);
        if (inside != Pressed()) {
          SetState(ssPressed, inside);
          InvalidateNow();
        }
        return false;
      }
      return true;
    case BM_CLICK:
      // A program's click stays synchronous, as the system button's is; its
      // press and release would otherwise become a posted click.
      if (IsWindowEnabled(Handle())) Notify(false);
      return false;
    case WM_CAPTURECHANGED:
      if (tracking_ && reinterpret_cast<HWND>(m.LParam) != Handle()) {
        tracking_ = false;
        SetState(ssPressed, false);
        InvalidateNow();
      }
      return true;
    default:
      return true;
  }
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (!Enabled()) return;
      SetState(ssHot, true);
      InvalidateNow();
      BecomeHot();
      return;
    case CM_MOUSELEAVE:
      if (!Enabled()) return;
      SetState(ssHot, false);
      if (!tracking_) SetState(ssPressed, false);
      InvalidateNow();
      LoseHot();
      return;
    case WM_MOUSEMOVE:
      if (Hot()) return;
      SetState(ssHot, true);
      BecomeHot();
      InvalidateNow();
      return;
    case WM_LBUTTONUP:
      Release(m.LParam);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        SetState(ssPressed, m.Msg == WM_KEYDOWN);
        InvalidateNow();
      }
      return;
    // The system button draws itself outside WM_PAINT for these.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      InvalidateNow();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinButton::Release(LPARAM lParam) {
  if (!tracking_) return;
  tracking_ = false;
  const HWND wnd = Handle();
  const bool click = InClient(wnd, lParam);
  const std::shared_ptr<bool> alive = Alive();
  if (GetCapture() == wnd) ReleaseCapture();  // WM_CAPTURECHANGED may run anything
  if (!*alive) return;
  SetState(ssPressed, false);
  InvalidateNow();
  if (click) Notify(true);
}

void TSkinButton::Notify(bool post) {
  // A framework parent routes the command back to the button by lParam; a
  // dialog sees an ordinary BN_CLICKED from the button's identifier.
  const HWND wnd = Handle();
  const WPARAM id = Control() ? 0 : MAKEWPARAM(GetDlgCtrlID(wnd), BN_CLICKED);
  if (post) {
    PostMessageW(GetParent(wnd), WM_COMMAND, id, reinterpret_cast<LPARAM>(wnd));
  } else {
    SendMessageW(GetParent(wnd), WM_COMMAND, id, reinterpret_cast<LPARAM>(wnd));
  }
}

void TSkinButton::BecomeHot() {
  TSkinControl* previous = Owner().HotControl();
  if (previous == this) return;
  Owner().SetHotControl(this);
  if (previous) previous->SendMouseLeave();
}

void TSkinButton::LoseHot() {
  if (Owner().HotControl() == this) Owner().SetHotControl(nullptr);
}

int TSkinButton::Frame() const {
  return PushButtonFrame({Hot(), Pressed(), Focused(), Enabled(), false});
}

TButtonColours TSkinButton::CaptionColours() const {
  const TDataSkinButton& b = *SkinData()->Buttons;
  return {SkinData()->colors[csButtonText], b.NormalColour, b.MouseOverColour, b.PressedColour,
          static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))};
}

void TSkinButton::Paint(HDC dc, const TRect& rect) {
  if (!HasImage(SkinData())) return;
  RefreshFacts();
  std::wstring caption = Caption();
  if (caption.empty() && Control()) {
    caption = Utf8ToWide(Control()->Caption());
  }
  const int frame = Frame();
  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  TLookKey key{r.Width(), r.Height(), frame, Enabled(),
               ToColorRef(ButtonCaptionColour(frame, Enabled(), CaptionColours())), Font(), std::move(caption)};
  if (look_.Blit(dc, rect.Left, rect.Top, key)) return;
  DrawElementFace(r, *SkinData()->Buttons, frame);
  HDC buffer = BufferDC();
  if (!buffer) return;
  HGDIOBJ oldFont = SelectObject(buffer, key.Font);
  SetTextColor(buffer, key.TextColour);
  DrawCaption(buffer, r, 1, Enabled(), key.Caption);
  SetBkMode(buffer, OPAQUE);
  SelectObject(buffer, oldFont);
  look_.Store(Buffer(), key);
  BlitBuffer(dc, rect);
}

}  // namespace pelorin
