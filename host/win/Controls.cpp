// The control tree and message routing of TControl, TWinControl and the
// graphic and custom-drawn controls.
#include "host/win/Controls.h"

#include <windowsx.h>

#include <algorithm>

#include "host/win/WindowClasses.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

namespace {

constexpr const wchar_t* kControlProp = L"PelorinControl";
// The control whose window CreateWindowExW is making; its first message binds them.
TWinControl* creatingControl = nullptr;
UINT nextChildId = 1;
std::function<void()> windowExceptionHandler;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

}  // namespace

void SetWindowExceptionHandler(std::function<void()> handler) { windowExceptionHandler = std::move(handler); }

void HandleWindowException() {
  if (windowExceptionHandler) {
    windowExceptionHandler();
    return;
  }
  try {
    throw;
  } catch (const std::exception& e) {
    OutputDebugStringA(e.what());
  } catch (...) {
  }
}

LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
  if (!control) {
    control = creatingControl;
    if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
    creatingControl = nullptr;
    SetPropW(wnd, kControlProp, control);
    control->handle_ = wnd;
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->windowProc_(m);
  } catch (...) {
    // Exceptions never unwind through the system's frames.
    HandleWindowException();
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, kControlProp);
    if (control->handle_ == wnd) control->handle_ = nullptr;
    control->mouseInControl_ = false;
  }
  return m.Result;
}

// --- TControl ---

TControl::TControl(TComponent* owner) : TComponent(owner) {
  windowProc_ = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetWindowProc(TWndMethod proc) {
  windowProc_ = proc ? std::move(proc) : TWndMethod([this](TMessage& m) { WndProc(m); });
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  windowProc_(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw Exception("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (parent) {
    if (parentFont_) InheritFont(parent->Font());
    parent->InsertControl(this);
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (align_ != alNone && parent_) parent_->AlignControls();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  if (align_ != alNone && parent_) parent_->AlignControls();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) InheritFont(parent_->Font());
}

void TControl::InheritFont(const TFont& font) {
  inheritingFont_ = true;
  font_.Assign(font);
  inheritingFont_ = false;
}

void TControl::FontChanged() {
  if (!inheritingFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
  Invalidate();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  TextChanged();
  Invalidate();
}

void TControl::Invalidate() {
  if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
  const RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Repaint() {
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) UpdateWindow(w->Handle());
  else if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!dynamic_cast<TWinControl*>(this) && enabled_) pressed_ = true;
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        if (Rect(0, 0, width_, height_).Contains(Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)))) Click();
      }
      break;
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

// --- TWinControl ---

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  brush_.SetColor(color_);
  font_.OnChange = [this] {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    for (TControl* c : controls_)
      if (c->parentFont_) c->InheritFont(font_);
    FontChanged();
  };
}

TWinControl::~TWinControl() {
  DestroyHandle();
  // Children nobody owns go with their parent; owned ones stay with their owner.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    controls_.pop_back();
    c->parent_ = nullptr;
    if (!c->Owner()) delete c;
  }
}

TWinControl* TWinControl::FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = Utf8ToWide(text_);
  p.Style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED) |
            (tabStop_ ? WS_TABSTOP : 0);
  p.X = left_;
  p.Y = top_;
  p.Width = width_;
  p.Height = height_;
  p.WndParent = parent_ ? parent_->handle_ : nullptr;
  p.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  if (parent_) {
    parent_->HandleNeeded();
    if (handle_) return;  // the parent made ours with its children
  }
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent)
    throw Exception("Control '" + Name() + "' has no parent window");
  if ((p.Style & WS_CHILD) && !p.Menu) {
    p.Menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextChildId));
    nextChildId = nextChildId >= 0xFFFF ? 1 : nextChildId + 1;
  }
  defWndProc_ = RegisterControlClass(p);
  creatingControl = this;
  HWND wnd = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, p.Menu, GetModuleHandleW(nullptr), nullptr);
  creatingControl = nullptr;
  if (!wnd) throw EOutOfResources("Error creating window for '" + Name() + "'");
  handle_ = wnd;
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  CreateWindowHandle();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  DestroyWnd();
  DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (handle_) {
      if (w->handle_) ::SetParent(w->handle_, handle_);
      else w->HandleNeeded();
    }
  }
  control->Invalidate();
  if (control->align_ != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (captureControl_ == control) {
    captureControl_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
  }
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyHandle();
  control->parent_ = nullptr;
  if (control->align_ != alNone) AlignControls();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c : controls_) {
    if (c == control) return true;
    if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->ContainsControl(control)) return true;
  }
  return false;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }
void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  else AlignControls();
  if (align_ != alNone && parent_) parent_->AlignControls();
}

TRect TWinControl::ClientRect() const {
  if (!handle_) return Rect(0, 0, width_, height_);
  RECT r{};
  GetClientRect(handle_, &r);
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TWinControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
  Perform(CM_VISIBLECHANGED, visible);
  if (align_ != alNone && parent_) parent_->AlignControls();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
  Perform(CM_ENABLEDCHANGED);
}

void TWinControl::SetColor(TColor color) {
  brush_.SetColor(color);
  TControl::SetColor(color);
}

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  const int n = GetWindowTextLengthW(handle_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  w.resize(static_cast<size_t>(GetWindowTextW(handle_, w.data(), n + 1)));
  return WideToUtf8(w);
}

void TWinControl::SetText(const std::string& text) {
  if (handle_) SetWindowTextW(handle_, Utf8ToWide(text).c_str());
  TControl::SetText(text);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  TRect r = AdjustClientRect();
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : controls_) {
      if (c->align_ != a || !c->visible_) continue;
      switch (a) {
        case alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->height_);
          r.Top += c->height_;
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->height_, r.Width(), c->height_);
          r.Bottom -= c->height_;
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->width_, r.Height());
          r.Left += c->width_;
          break;
        case alRight:
          c->SetBounds(r.Right - c->width_, r.Top, c->width_, r.Height());
          r.Right -= c->width_;
          break;
        default:
          c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
          break;
      }
    }
  }
  aligning_ = false;
}

bool TWinControl::OwnPaint() const {
  return std::any_of(controls_.begin(), controls_.end(),
                     [](const TControl* c) { return !dynamic_cast<const TWinControl*>(c); });
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (dynamic_cast<TWinControl*>(c) || !c->visible_ || c->width_ <= 0 || c->height_ <= 0) continue;
    TDCStateGuard guard(dc);
    OffsetViewportOrgEx(dc, c->left_, c->top_, nullptr);
    IntersectClipRect(dc, 0, 0, c->width_, c->height_);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(handle_, &ps);
  if (own && doubleBuffered_) {
    const TRect client = ClientRect();
    TBitmap buffer(client.Width(), client.Height());
    if (HDC mem = static_cast<HDC>(buffer.DC())) {
      const RECT rc{0, 0, client.Width(), client.Height()};
      FillRect(mem, &rc, BrushHandle());
      PaintWindow(mem);
      PaintControls(mem);
      GdiFlush();
      BitBlt(dc, 0, 0, client.Width(), client.Height(), mem, 0, 0, SRCCOPY);
    }
  } else {
    PaintWindow(dc);
    PaintControls(dc);
  }
  if (own) EndPaint(handle_, &ps);
  m.Result = 0;
}

TControl* TWinControl::GraphicControlAt(POINT p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!dynamic_cast<TWinControl*>(c) && c->visible_ && c->BoundsRect().Contains(Point(p.x, p.y))) return c;
  }
  return nullptr;
}

void TWinControl::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = control;
  if (old) {
    old->mouseInControl_ = false;
    old->Perform(CM_MOUSELEAVE);
  }
  if (control) {
    control->mouseInControl_ = true;
    control->Perform(CM_MOUSEENTER);
  }
}

bool TWinControl::RouteMouseToGraphic(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* under = GraphicControlAt(p);
  if (m.Msg == WM_MOUSEMOVE) SetMouseControl(under);
  TControl* target = captureControl_ ? captureControl_ : under;
  if (!target) return false;
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->left_, p.y - target->top_));
  if (m.Msg == WM_LBUTTONUP && captureControl_) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

void TWinControl::TrackMouse() {
  if (mouseInControl_) return;
  mouseInControl_ = true;
  TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_, 0};
  TrackMouseEvent(&t);
  Perform(CM_MOUSEENTER);
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      if (m.LParam) child = reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (d && d->CtlType != ODT_MENU) child = d->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
      if (mi && mi->CtlType != ODT_MENU) child = GetDlgItem(handle_, static_cast<int>(mi->CtlID));
      break;
    }
    default:
      return false;
  }
  if (!child || child == handle_) return false;
  TWinControl* c = FindControl(child);
  if (!c) return false;
  m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (OwnPaint()) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_ERASEBKGND:
      // Windows of our own classes have no class brush: they erase with Color.
      if (doubleBuffered_ || OwnPaint() || defWndProc_ == DefWindowProcW) {
        if (!doubleBuffered_) {
          const TRect c = ClientRect();
          const RECT rc{c.Left, c.Top, c.Right, c.Bottom};
          FillRect(reinterpret_cast<HDC>(m.WParam), &rc, BrushHandle());
        }
        m.Result = 1;
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (ReflectToChild(m)) return;
      break;
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORLISTBOX:
    case CN_BASE + WM_CTLCOLORBTN:
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
    case CN_BASE + WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ToColorRef(font_.Color()));
      SetBkColor(dc, ToColorRef(color_));
      m.Result = reinterpret_cast<LRESULT>(BrushHandle());
      return;
    }
    case WM_MOUSEMOVE:
      TrackMouse();
      break;
    case WM_MOUSELEAVE:
      SetMouseControl(nullptr);
      if (mouseInControl_) {
        mouseInControl_ = false;
        Perform(CM_MOUSELEAVE);
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(m);
      RECT r{};
      GetWindowRect(handle_, &r);
      if (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
      left_ = r.left;
      top_ = r.top;
      width_ = r.right - r.left;
      height_ = r.bottom - r.top;
      return;
    }
    case WM_SIZE:
      DefaultHandler(m);
      AlignControls();
      return;
    case WM_SYSCHAR: {
      // Alt+key: the form looks for a control or menu item with that accelerator.
      TWinControl* top = this;
      while (top->parent_) top = top->parent_;
      if (top->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) return;
      break;
    }
    default:
      break;
  }
  if (IsMouseMessage(m.Msg) && RouteMouseToGraphic(m)) return;
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  // The framework's own messages mean nothing to the system procedures.
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400) return;
  if (handle_) m.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.Msg, m.WParam, m.LParam);
}

// --- canvases of controls ---

void TControlCanvas::CreateHandle() {
  if (HandleAllocated()) return;
  HWND wnd = nullptr;
  int dx = 0, dy = 0;
  if (auto* w = dynamic_cast<TWinControl*>(control_)) {
    if (w->HandleAllocated()) wnd = w->Handle();
  } else if (control_->Parent() && control_->Parent()->HandleAllocated()) {
    wnd = control_->Parent()->Handle();
    dx = control_->Left();
    dy = control_->Top();
  }
  if (!wnd) return;
  ownWnd_ = wnd;
  ownDC_ = GetDC(wnd);
  if (!ownDC_) return;
  SetViewportOrgEx(ownDC_, dx, dy, nullptr);
  IntersectClipRect(ownDC_, 0, 0, control_->Width(), control_->Height());
  SetHandle(ownDC_);
}

void TControlCanvas::FreeHandle() {
  if (ownDC_) {
    if (CurrentHandle() == ownDC_) SetHandle(nullptr);
    ReleaseDC(ownWnd_, ownDC_);
  }
  ownDC_ = nullptr;
  ownWnd_ = nullptr;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    canvas_.FreeHandle();
    canvas_.SetHandle(reinterpret_cast<HDC>(m.WParam));
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(m);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.FreeHandle();
  canvas_.SetHandle(dc);
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace pelorin
