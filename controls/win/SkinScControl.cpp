#include "controls/win/SkinScControl.h"

#include <windowsx.h>

#include "skinmodel/WinSkinData.h"

namespace pelorin {

bool TSkinScControl::Vertical() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBS_VERT) != 0; }

int TSkinScControl::PartAt(LPARAM clientPoint) {
  RECT rc{};
  GetClientRect(Handle(), &rc);
  const bool vertical = Vertical();
  ComputeThumb(vertical ? rc.bottom : rc.right);
  const int pos = vertical ? GET_Y_LPARAM(clientPoint) : GET_X_LPARAM(clientPoint);
  return PressedPartFor(vertical, HitTestBar(pos, metrics_));
}

bool TSkinScControl::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        m.Result = 0;
        return false;
      }
      return true;
    case CN_HSCROLL:
    case CN_VSCROLL: {
      pressedPart_ = PressedPartFor(m.Msg == CN_VSCROLL, LOWORD(m.WParam));
      const auto alive = Alive();
      CallPrevious(m);
      if (*alive) PaintNow();
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The system's tracking loop runs inside; what it changes is painted
      // as it goes (the position messages), with the pressed part shown.
      pressedPart_ = PartAt(m.LParam);
      PaintNow();
      const auto alive = Alive();
      CallPrevious(m);
      if (!*alive) return false;
      pressedPart_ = ppNone;
      PaintNow();
      return false;
    }
    case WM_PAINT:
      if (!Skinned()) return true;  // a skin without bar images leaves the system's look
      HandlePaintMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!Skinned()) return true;
      m.Result = 1;
      return false;
    default:
      return true;
  }
}

bool TSkinScControl::Skinned() const {
  const TSkinData* skin = SkinData();
  return skin && !skin->Empty && HasBarImages(*skin);
}

void TSkinScControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_TIMER:
    case WM_STYLECHANGED:
      PaintNow();
      break;
    case WM_NCDESTROY:
      TSkinControl::AfterMessage(m);
      break;
    default:
      break;
  }
}

void TSkinScControl::ComputeThumb(int length) {
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(Handle(), SB_CTL, &si)) return;
  const bool vertical = Vertical();
  TScrollValues v{si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
  if (pressedPart_ == (vertical ? ppVertThumb : ppHorzThumb)) v.Pos = v.TrackPos;
  pelorin::ComputeThumb(length, SystemArrowSize(vertical), 8, SystemFixedThumb(vertical), v, metrics_);
}

void TSkinScControl::Paint(HDC dc, const TRect& rect) {
  if (!Skinned()) return;
  const TSkinData* skin = SkinData();
  const bool vertical = Vertical();
  const int length = vertical ? rect.Height() : rect.Width();
  ComputeThumb(length);
  DrawSkinBar(dc, rect, *skin, {vertical, length, SystemArrowSize(vertical), pressedPart_, metrics_}, cache_);
}

void TSkinScControl::ApplySkinChange(TSkinData* skinData) {
  cache_.Clear();
  TSkinControl::ApplySkinChange(skinData);
}

}  // namespace pelorin
