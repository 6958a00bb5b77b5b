// TSkinScrollBar: painting a window's own bars from the skin, following the
// scroll messages, and the thumb drag on the thread's queue.
#include "controls/win/SkinScrollBar.h"

#include <windowsx.h>

#include <string>

#include "controls/ThumbDrag.h"
#include "controls/win/SkinEdit.h"
#include "host/win/Controls.h"
#include "host/win/Graphics.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
// The smallest proportional thumb, as the system has it.
constexpr int MinThumb = 8;

int BarOf(bool vertical) { return vertical ? SB_VERT : SB_HORZ; }
}  // namespace

void DrawSkinBar(HDC dc, const TRect& r, const TSkinModel& skin, const TBarLook& look, TBarCache& cache) {
  if (!dc || r.IsEmpty()) return;
  TBarLook fitted = look;
  fitted.Thickness = look.Vertical ? r.Width() : r.Height();
  if (cache.Skin != &skin || !(cache.Look == fitted)) {
    cache.Skin = nullptr;
    GdiFlush();  // the picture's last blit may still be queued
    ComposeBar(cache.Picture, skin, fitted);
    cache.Look = fitted;
    cache.Skin = &skin;
  }
  if (auto* source = static_cast<HDC>(cache.Picture.DC()))
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), source, 0, 0, SRCCOPY);
}

int SystemArrowSize(bool vertical) { return GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL); }
int SystemFixedThumb(bool vertical) { return GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB); }

TPoint ScreenToWindowPoint(HWND wnd, TPoint screen) {
  RECT wr{};
  GetWindowRect(wnd, &wr);
  const bool mirrored = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  return {mirrored ? wr.right - 1 - screen.X : screen.X - wr.left, screen.Y - wr.top};
}

// The drag's messages, taken from the thread's queue: it waits instead of
// spinning, holds the capture, keeps a WM_QUIT for after the drag, and notices
// when the window (and with it this skinner) goes away.
class TSkinScrollBar::TDragSource : public TDragMessageSource {
public:
  TDragSource(TSkinScrollBar& owner, int bar, std::shared_ptr<bool> alive)
      : owner_(owner), wnd_(owner.Handle()), bar_(bar), message_(bar ? WM_VSCROLL : WM_HSCROLL), alive_(std::move(alive)) {}

  TDragEvent Next() override {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    for (;;) {
      if (Gone()) return {TDragEventKind::Gone, {}};
      if (GetCapture() != wnd_) return {TDragEventKind::Abort, {}};
      MSG msg;
      if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        switch (msg.message) {
          case WM_QUIT:
            quit_ = true;
            quitCode_ = static_cast<int>(msg.wParam);
            return {TDragEventKind::Abort, {}};
          case WM_LBUTTONUP:
          case WM_NCLBUTTONUP:
            return {TDragEventKind::Release, {}};
          case WM_MOUSEMOVE:
          case WM_NCMOUSEMOVE: {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            if (msg.message == WM_MOUSEMOVE && msg.hwnd) ClientToScreen(msg.hwnd, &p);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (Gone()) return {TDragEventKind::Gone, {}};
            return {TDragEventKind::Move, ScreenToWindowPoint(wnd_, {p.x, p.y})};
          }
          default:
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
      }
      // A release the queue never saw (outside every window of ours).
      if ((GetKeyState(button) & 0x8000) == 0) return {TDragEventKind::Release, {}};
      WaitMessage();
    }
  }

  void Track(int offset, int pos, bool changed) override {
    owner_.metrics_[bar_].ThumbOffset = offset;
    if (!changed) {
      owner_.PaintNow();
      return;
    }
    owner_.values_[bar_].Pos = pos;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(wnd_, BarOf(bar_), &si, FALSE);
    // The control reads the 32-bit position from the bar; wParam holds 16 bits.
    PostMessageW(wnd_, message_, MAKEWPARAM(SB_THUMBTRACK, LOWORD(pos)), 0);
  }

  void Finish(int pos) override {
    // Positions still on their way arrive before the final one.
    MSG msg;
    while (!Gone() && PeekMessageW(&msg, wnd_, message_, message_, PM_REMOVE)) DispatchMessageW(&msg);
    if (Gone()) return;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(wnd_, BarOf(bar_), &si, FALSE);
    SendMessageW(wnd_, message_, MAKEWPARAM(SB_THUMBPOSITION, LOWORD(pos)), 0);
  }

  bool Quit() const { return quit_; }
  int QuitCode() const { return quitCode_; }

private:
  bool Gone() const { return !*alive_ || !IsWindow(wnd_); }

  TSkinScrollBar& owner_;
  HWND wnd_;
  int bar_;
  UINT message_;
  std::shared_ptr<bool> alive_;
  bool quit_ = false;
  int quitCode_ = 0;
};

TSkinScrollBar::TSkinScrollBar(TControlSkinnerHost& owner) : TSkinControl(owner) {}

TSkinScrollBar::~TSkinScrollBar() { TSkinScrollBar::Detach(); }

void TSkinScrollBar::Init(bool handleClicks) {
  tracking_ = false;
  inScroll_[0] = inScroll_[1] = false;
  handleClicks_ = handleClicks;
  pressedPart_ = ppNone;
  painted_ = {};
  painted_.Style = -1;  // the first paint is never skipped
  layoutStale_ = true;
  // A memo or rich edit with the sunken edge gets the flat ring a skinned
  // edit has; this skinner is the only one its window can have.
  char name[100] = {};
  GetClassNameA(Handle(), name, sizeof name);
  const std::string cls = name;
  const bool edit = dynamic_cast<TCustomEdit*>(Control()) != nullptr || lstrcmpiA(name, "Edit") == 0 ||
                    cls.rfind("RichEdit", 0) == 0 || cls.rfind("RICHEDIT", 0) == 0;
  editRings_ = edit && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

bool TSkinScrollBar::AttachScrollBars(TWinControl* control, TSkinData* skinData, bool handleClicks) {
  if (!control) return false;
  // Only the WindowProc is taken: the control keeps its colour and buffering.
  const bool doubleBuffered = control->DoubleBuffered();
  if (!TSkinControl::AttachControl(control, skinData, false)) return false;
  control->SetDoubleBuffered(doubleBuffered);
  Init(handleClicks);
  return true;
}

bool TSkinScrollBar::AttachControl(TWinControl* control, TSkinData* skinData, bool) {
  return AttachScrollBars(control, skinData, true);
}

bool TSkinScrollBar::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (!TSkinControl::AttachWindow(wnd, skinData)) return false;
  Init(true);
  return true;
}

void TSkinScrollBar::Detach() {
  const bool was = Attached();
  TSkinControl::Detach();
  // The system draws its own bars again.
  if (was && Handle() && IsWindow(Handle()))
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

bool TSkinScrollBar::TSnapshot::operator==(const TSnapshot& o) const {
  auto same = [](const TScrollValues& a, const TScrollValues& b) {
    return a.Min == b.Min && a.Max == b.Max && a.Page == b.Page && a.Pos == b.Pos;
  };
  return Style == o.Style && same(Bars[0], o.Bars[0]) && same(Bars[1], o.Bars[1]);
}

bool TSkinScrollBar::ReadBar(int bar, LONG_PTR style, TScrollValues& v) const {
  if (!(style & (bar ? WS_VSCROLL : WS_HSCROLL))) return false;
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(Handle(), BarOf(bar), &si)) return false;
  v = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
  return true;
}

TSkinScrollBar::TSnapshot TSkinScrollBar::Take() const {
  TSnapshot s;
  s.Style = GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL | WS_DISABLED);
  for (int bar = 0; bar < 2; ++bar) ReadBar(bar, s.Style, s.Bars[bar]);
  return s;
}

void TSkinScrollBar::RepaintIfChanged(const TMessage& m) {
  switch (m.Msg) {
    // Input and text changes: the system may have drawn even if nothing changed.
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_STYLECHANGED:
    // Controls that set their scroll information while painting make the
    // system draw the bars even when nothing changed.
    case WM_PAINT:
      PaintNow();
      return;
    // Frequent messages that never scroll.
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE:
    case WM_GETFONT:
    case WM_GETOBJECT:
    case WM_NCMOUSEMOVE:
    case WM_NCDESTROY:
    case WM_DESTROY:
      return;
    default:
      if (!tracking_ && !(Take() == painted_)) PaintNow();
  }
}

bool TSkinScrollBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      // The system never sees the mouse over the bars (it would redraw them).
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        m.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return !(handleClicks_ && NCButtonDown(m));
    case WM_HSCROLL:
    case WM_VSCROLL:
      // A child scroll-bar control's message is not about our bars.
      if (m.LParam != 0) return true;
      return !OnScrollMessage(m);
    default:
      return true;
  }
}

bool TSkinScrollBar::OnScrollMessage(TMessage& m) {
  const int bar = m.Msg == WM_VSCROLL ? 1 : 0;
  pressedPart_ = PressedPartFor(bar == 1, LOWORD(m.WParam));
  const auto alive = Alive();
  inScroll_[bar] = true;
  CallPrevious(m);
  if (!*alive) return true;
  PaintNow();
  inScroll_[bar] = false;
  return true;
}

void TSkinScrollBar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_SETTINGCHANGE:
    case WM_STYLECHANGED:
      layoutStale_ = true;
      break;
    default:
      break;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      PaintNow();
      break;
    case WM_PRINT:
      if ((m.LParam & PRF_NONCLIENT) && m.WParam) {
        RECT wr;
        if (GetWindowRect(Handle(), &wr)) Paint(reinterpret_cast<HDC>(m.WParam), Rect(0, 0, wr.right - wr.left, wr.bottom - wr.top));
      }
      break;
    case WM_NCDESTROY:
      TSkinControl::AfterMessage(m);
      break;
    default:
      RepaintIfChanged(m);
      break;
  }
}

void TSkinScrollBar::PaintNow() {
  // Paint needs no window rectangle: the bar layout is kept between paints.
  const TSkinData* skin = SkinData();
  if (!skin || skin->Empty || !Handle()) return;
  const bool bars = HasBarImages(*skin);
  if (!bars && !editRings_) return;
  HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  try {
    if (bars) Paint(dc, {});
    RECT wr;
    if (editRings_ && GetWindowRect(Handle(), &wr)) {
      // The inner ring would cross the bars, which lie right inside the edge.
      for (const TRect& r : {bars_.Horz, bars_.Vert, bars_.SizeBox})
        if (!r.IsEmpty()) ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
      DrawEditRings(Handle(), dc, Rect(0, 0, wr.right - wr.left, wr.bottom - wr.top), *skin, false,
                    !IsWindowEnabled(Handle()));
    }
  } catch (...) {
    // Painting never reports: the window keeps what it showed.
  }
  ReleaseDC(Handle(), dc);
}

void TSkinScrollBar::Paint(HDC dc, const TRect&) {
  const TSkinData* skin = SkinData();
  if (!skin || skin->Empty || !HasBarImages(*skin) || !Handle()) return;
  // One read of everything the paint needs; the same values tell later
  // messages whether the bars changed since.
  style_ = GetWindowLongPtrW(Handle(), GWL_STYLE);
  painted_ = {};
  painted_.Style = style_ & (WS_HSCROLL | WS_VSCROLL | WS_DISABLED);
  for (int bar = 0; bar < 2; ++bar) read_[bar] = ReadBar(bar, style_, painted_.Bars[bar]);
  // A bar the control removes while handling its scroll message is painted this once more.
  if (inScroll_[0]) style_ |= WS_HSCROLL;
  if (inScroll_[1]) style_ |= WS_VSCROLL;
  if (!(style_ & (WS_HSCROLL | WS_VSCROLL))) {
    bars_ = {};
    return;
  }
  // The layout changes only with the frame (size, styles, bars shown).
  const LONG_PTR shown = style_ & (WS_HSCROLL | WS_VSCROLL);
  if (layoutStale_ || shown != layoutStyle_) {
    ComputeBarRects();
    layoutStyle_ = shown;
    layoutStale_ = false;
  }
  if (!bars_.Horz.IsEmpty()) DrawBar(dc, bars_.Horz, 0);
  if (!bars_.Vert.IsEmpty()) DrawBar(dc, bars_.Vert, 1);
  if (!bars_.SizeBox.IsEmpty()) {
    const RECT box{bars_.SizeBox.Left, bars_.SizeBox.Top, bars_.SizeBox.Right, bars_.SizeBox.Bottom};
    SetDCBrushColor(dc, ToColorRef(skin->colors[csButtonFace]));
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
}

void TSkinScrollBar::ApplySkinChange(TSkinData* skinData) {
  // The same skin data may hold another skin now.
  cache_[0].Clear();
  cache_[1].Clear();
  TSkinControl::ApplySkinChange(skinData);
  // The frame is painted again: by the system first, then, if the new skin
  // has bar images, by us.
  if (Attached() && Handle() && !Owner().RepaintsAll()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TSkinScrollBar::ComputeBarRects() {
  exStyle_ = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  for (int bar = 0; bar < 2; ++bar) {
    arrowSize_[bar] = SystemArrowSize(bar == 1);
    fixedThumb_[bar] = SystemFixedThumb(bar == 1);
  }
  RECT wr{}, rc{};
  const HWND h = Handle();
  if (!GetWindowRect(h, &wr) || !GetClientRect(h, &rc)) return;
  MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  // In window coordinates as the window DC has them: a right-to-left
  // window's DC counts from its right edge.
  const bool mirrored = (exStyle_ & WS_EX_LAYOUTRTL) != 0;
  const int left = mirrored ? wr.right - rc.right : rc.left - wr.left;
  const int top = rc.top - wr.top;
  TBarFrame f;
  f.Client = Bounds(left, top, rc.right - rc.left, rc.bottom - rc.top);
  f.Horz = (style_ & WS_HSCROLL) != 0;
  f.Vert = (style_ & WS_VSCROLL) != 0;
  // The vertical bar is where the system put it: on the wider side.
  f.LeftBar = f.Vert && left > (wr.right - wr.left) - f.Client.Right;
  f.BarSize = GetSystemMetrics(SM_CXVSCROLL);
  bars_ = pelorin::ComputeBarRects(f);
  if (f.Horz) bars_.Horz.Bottom = bars_.Horz.Top + GetSystemMetrics(SM_CYHSCROLL);
  if (f.Horz && f.Vert) bars_.SizeBox.Bottom = bars_.Horz.Bottom;
}

void TSkinScrollBar::ComputeThumb(const TRect& r, int bar) {
  // The drag places the thumb where the mouse put it.
  if (tracking_ || !read_[bar]) return;
  const bool vertical = bar == 1;
  const TScrollValues& v = painted_.Bars[bar];
  TScrollValues shown = v;
  // While the system drags the thumb it stands at the track position.
  if (pressedPart_ == (vertical ? ppVertThumb : ppHorzThumb)) shown.Pos = v.TrackPos;
  const int length = vertical ? r.Height() : r.Width();
  if (pelorin::ComputeThumb(length, arrowSize_[bar], MinThumb, fixedThumb_[bar], shown, metrics_[bar]))
    values_[bar] = v;
}

void TSkinScrollBar::DrawBar(HDC dc, const TRect& r, int bar) {
  ComputeThumb(r, bar);
  const bool vertical = bar == 1;
  const TBarLook look{vertical, vertical ? r.Height() : r.Width(), arrowSize_[bar], pressedPart_, metrics_[bar]};
  DrawSkinBar(dc, r, *SkinData(), look, cache_[bar]);
}

bool TSkinScrollBar::NCButtonDown(TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return false;
  const int bar = m.WParam == HTVSCROLL ? 1 : 0;
  style_ = GetWindowLongPtrW(Handle(), GWL_STYLE);
  ComputeBarRects();
  const TRect r = bar ? bars_.Vert : bars_.Horz;
  read_[bar] = ReadBar(bar, style_, painted_.Bars[bar]);
  ComputeThumb(r, bar);
  // Screen points are signed: monitors left of or above the primary one.
  const TPoint p = ScreenToWindowPoint(Handle(), {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  if (HitTestBar(bar ? p.Y - r.Top : p.X - r.Left, bar) != scThumbTrack) return false;
  m.Result = 0;
  pressedPart_ = bar ? ppVertThumb : ppHorzThumb;
  PaintNow();
  TrackThumb(bar, p);
  return true;
}

void TSkinScrollBar::TrackThumb(int bar, TPoint start) {
  const auto alive = Alive();
  const HWND wnd = Handle();
  tracking_ = true;
  SetCapture(wnd);
  TDragSource source(*this, bar, alive);
  RunThumbDrag(source, {bar == 1, start, metrics_[bar], values_[bar]});
  if (*alive) {
    tracking_ = false;
    pressedPart_ = ppNone;
    if (GetCapture() == wnd) ReleaseCapture();
    if (IsWindow(wnd)) PaintNow();
  }
  // The program asked to quit during the drag: its loop still has to see it.
  if (source.Quit()) PostQuitMessage(source.QuitCode());
}

}  // namespace pelorin
