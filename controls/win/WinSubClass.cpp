// TSkinControl: attaching, the two-phase dispatch and detaching.
#include "controls/win/WinSubClass.h"

#include "host/win/Controls.h"
#include "host/win/platform/WideText.h"
#include "skinbase/win/WinGeometry.h"
#include "skinbase/win/WindowSubclass.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

// What the control's WindowProc holds while hooked. The skinner clears
// skinner on detach; a hook an application installed after ours keeps a copy
// of the call and then reaches the previous procedure straight through.
struct TSkinControl::THookCell {
  TSkinControl* skinner = nullptr;
  TWndMethod previous;
};

namespace {
// The function put in the control's WindowProc; a named type so detaching
// can tell whether the control's WindowProc is still ours.
struct THookCall {
  std::shared_ptr<TSkinControl::THookCell> cell;
  void operator()(TMessage& m) const {
    const auto keep = cell;  // the control may drop this function while it runs
    if (keep->skinner) {
      keep->skinner->SkinWindowProc(m);
    } else if (keep->previous) {
      keep->previous(m);
    }
  }
};
}  // namespace

TSkinControl::TSkinControl(TControlSkinnerHost& owner) : owner_(owner) {}

TSkinControl::~TSkinControl() {
  *alive_ = false;
  TSkinControl::Detach();
}

bool TSkinControl::Register(TWindowKey key) {
  if (!WindowSkinners().Add(key, this)) return false;
  key_ = key;
  return true;
}

void TSkinControl::HookWindowProc(TControl* control) {
  hook_ = std::make_shared<THookCell>();
  hook_->skinner = this;
  hook_->previous = control->WindowProc();
  hookedControl_ = control;
  control->SetWindowProc(THookCall{hook_});
}

void TSkinControl::UnhookWindowProc() {
  if (!hook_) return;
  const auto cell = hook_;
  cell->skinner = nullptr;
  hook_.reset();
  // Only while ours is still the outermost hook: one installed after ours
  // keeps calling through the cell, which now passes straight on.
  if (hookedControl_) {
    const auto* current = hookedControl_->WindowProc().target<THookCall>();
    if (current && current->cell == cell) hookedControl_->SetWindowProc(cell->previous);
  }
  hookedControl_ = nullptr;
}

void TSkinControl::ForgetControl() {
  hookedControl_ = nullptr;
  control_ = nullptr;
  UnhookWindowProc();
  if (key_) WindowSkinners().Remove(key_, this);
  key_ = nullptr;
  if (owner_.HotControl() == this) owner_.SetHotControl(nullptr);
}

bool TSkinControl::AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) {
  if (Attached() || !control) return false;
  const HWND wnd = control->Handle();
  if (!wnd || !Register(wnd)) return false;
  skin_ = skinData;
  control_ = control;
  handle_ = wnd;
  changeColor_ = changeColor;
  HookWindowProc(control);
  savedDoubleBuffered_ = control->DoubleBuffered();
  control->SetDoubleBuffered(true);
  ReadWindowFacts();
  if (changeColor_) {
    savedColor_ = control->Color();
    if (skin_) control->SetColor(skin_->colors[csButtonFace]);
  }
  // A window already on the screen shows its system look until it repaints.
  InvalidateRect(handle_, nullptr, FALSE);
  return true;
}

bool TSkinControl::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (Attached() || !wnd || !IsWindow(wnd) || !Register(wnd)) return false;
  subclass_ = std::make_unique<TWindowSubclass>(wnd, &SubclassProc, this);
  if (!subclass_->Installed()) {
    subclass_.reset();
    WindowSkinners().Remove(wnd, this);
    key_ = nullptr;
    return false;
  }
  skin_ = skinData;
  handle_ = wnd;
  ReadWindowFacts();
  enabled_ = true;
  InvalidateRect(handle_, nullptr, FALSE);
  return true;
}

void TSkinControl::Detach() {
  if (hook_) {
    if (changeColor_ && control_ && !owner_.ReleasingSkin()) control_->SetColor(savedColor_);
    if (control_) control_->SetDoubleBuffered(savedDoubleBuffered_);
    UnhookWindowProc();
  }
  subclass_.reset();
  if (key_) WindowSkinners().Remove(key_, this);
  key_ = nullptr;
  if (owner_.HotControl() == this) owner_.SetHotControl(nullptr);
  state_ = 0;
  look_.Clear();
}

void TSkinControl::DetachAndRepaint() {
  const HWND wnd = Attached() ? handle_ : nullptr;
  TSkinControl::Detach();
  if (wnd && IsWindow(wnd)) InvalidateRect(wnd, nullptr, TRUE);
}

LRESULT TSkinControl::SubclassProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  static_cast<TSkinControl*>(self)->SkinWindowProc(m);
  return m.Result;
}

void TSkinControl::SkinWindowProc(TMessage& message) {
  const std::shared_ptr<bool> alive = alive_;
  if (!BeforeMessage(message) || !*alive) return;
  CallPrevious(message);
  // The control's own handler may have freed the form and with it this skinner.
  if (*alive) AfterMessage(message);
}

void TSkinControl::CallPrevious(TMessage& message) {
  if (hook_) {
    const auto cell = hook_;
    if (cell->previous) cell->previous(message);
  } else if (subclass_) {
    message.Result = subclass_->CallNext(message.Msg, message.WParam, message.LParam);
  } else if (handle_) {
    message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
  }
}

bool TSkinControl::BeforeMessage(TMessage&) { return true; }

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintNow();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message.Msg == WM_SETFOCUS;
      InvalidateNow();
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      InvalidateNow();
      break;
    case WM_SETTEXT:
      // Read back from the window: its own handler stored the text in the
      // window's character set, and a null text pointer means empty.
      ReadCaption();
      InvalidateNow();
      break;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(message.WParam);
      break;
    case WM_NCDESTROY:
      Detach();
      break;
    default:
      break;
  }
}

void TSkinControl::ReadWindowFacts() {
  if (!handle_) return;
  focused_ = GetFocus() == handle_;
  if (control_) {
    // The framework gave the window its font and caption: asking the window
    // would cost three messages per control while a form is being skinned.
    font_ = control_->Font().Handle();
    caption_ = Utf8ToWide(control_->Caption());
  } else {
    // Read once: under Wine every message to a subclassed window costs more
    // than a whole paint, so the paint must not ask for the font.
    font_ = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    ReadCaption();
  }
  RefreshFacts();
}

void TSkinControl::RefreshFacts() {
  if (handle_) enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
}

void TSkinControl::ReadCaption() {
  if (!handle_) return;
  const int length = GetWindowTextLengthW(handle_);
  caption_.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = GetWindowTextW(handle_, caption_.data(), length + 1);
  caption_.resize(static_cast<size_t>(got > 0 ? got : 0));
}

void TSkinControl::PaintNow() {
  RECT wr;
  if (!handle_ || !GetWindowRect(handle_, &wr)) return;
  windowRect_ = ToRect(wr);
  HDC dc = GetWindowDC(handle_);
  if (!dc) return;
  try {
    Paint(dc, Rect(0, 0, wr.right - wr.left, wr.bottom - wr.top));
  } catch (...) {
    // Painting never reports: the window keeps what it showed.
  }
  ReleaseDC(handle_, dc);
}

void TSkinControl::Paint(HDC, const TRect&) {}

void TSkinControl::InvalidateNow() {
  RECT wr;
  if (!handle_ || !GetWindowRect(handle_, &wr) || !GetParent(handle_)) return;
  const RECT r{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  InvalidateRect(handle_, &r, FALSE);
  UpdateWindow(handle_);
}

void TSkinControl::SendMouseLeave() {
  if (handle_) SendMessageW(handle_, CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::ApplySkinChange(TSkinData* skinData) {
  skin_ = skinData;
  look_.Clear();
  if (!Attached()) return;
  if (changeColor_ && control_ && skin_) control_->SetColor(skin_->colors[csButtonFace]);
  if (owner_.RepaintsAll()) return;
  if (handle_) {
    InvalidateNow();
  } else {
    PaintNow();
  }
}

}  // namespace pelorin
